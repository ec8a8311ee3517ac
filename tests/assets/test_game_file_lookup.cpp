// Where the game finds a picture or a sound: the working directory first, as the game
// has always done, then the files shipped beside the program, then the installed ones.

#include "platform/GameFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {
enum Place { WorkingDirectory = 1, BesideProgram = 2, Installed = 4, FolderInWorkingDirectory = 8 };
}

class GameFileLookup : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(m_root.isValid());
        m_previousDirectory = QDir::currentPath();
        QVERIFY(QDir().mkpath(path("work")));
        QVERIFY(QDir().mkpath(path("prefix/bin/assets")));
        QVERIFY(QDir().mkpath(path("prefix/share/ringglory/assets")));
        QVERIFY(QDir::setCurrent(path("work")));
    }

    void cleanup()
    {
        QDir::setCurrent(m_previousDirectory);
        QDir(path("work")).removeRecursively();
        QDir(path("prefix")).removeRecursively();
    }

    void findsTheFileInTheFirstPlaceThatHasIt_data()
    {
        QTest::addColumn<int>("places");
        QTest::addColumn<QString>("expected");
        QTest::newRow("working directory before everything")
            << (WorkingDirectory | BesideProgram | Installed) << "work";
        QTest::newRow("working directory before installed") << (WorkingDirectory | Installed) << "work";
        QTest::newRow("beside the program before installed")
            << (BesideProgram | Installed) << "prefix/bin/assets";
        QTest::newRow("installed alone") << int(Installed) << "prefix/share/ringglory/assets";
        // A folder that bears the file's name is not the file.
        QTest::newRow("folder of that name is passed over")
            << (FolderInWorkingDirectory | Installed) << "prefix/share/ringglory/assets";
        QTest::newRow("nowhere") << 0 << QString();
    }

    void findsTheFileInTheFirstPlaceThatHasIt()
    {
        QFETCH(int, places);
        QFETCH(QString, expected);
        // A name no real asset has, so that the source tree's assets never answer.
        const QString name = QStringLiteral("lookupProbe.gif");
        if (places & WorkingDirectory) touch("work/" + name);
        if (places & FolderInWorkingDirectory) QVERIFY(QDir().mkpath(path("work/" + name)));
        if (places & BesideProgram) touch("prefix/bin/assets/" + name);
        if (places & Installed) touch("prefix/share/ringglory/assets/" + name);

        const QString found = findGameFile(name, path("prefix/bin"));
        QCOMPARE(found, expected.isEmpty() ? QString() : path(expected + "/" + name));
    }

    void aWorkingDirectoryFileReplacesAShippedOne()
    {
        // The player may drop his own picture beside the saves and the game shows it.
        touch("work/Spar.gif");
        QCOMPARE(findGameFile(QStringLiteral("Spar.gif")), path("work/Spar.gif"));
    }

private:
    QString path(const QString &relative) const { return QDir::cleanPath(m_root.filePath(relative)); }

    void touch(const QString &relative) const
    {
        QFile file(path(relative));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("x");
    }

    QTemporaryDir m_root;
    QString m_previousDirectory;
};

QTEST_GUILESS_MAIN(GameFileLookup)
#include "test_game_file_lookup.moc"
