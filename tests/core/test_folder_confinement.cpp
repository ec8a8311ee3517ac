// A replay's files stay in its private folder: a path is inside only when it really is, after
// every "..", every link and every look-alike name.
#include "platform/core/FolderConfinement.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestFolderConfinement : public QObject
{
    Q_OBJECT
    QTemporaryDir m_root;

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        const QDir root(m_root.path());
        QVERIFY(root.mkpath(QStringLiteral("private/sub")));
        QVERIFY(root.mkpath(QStringLiteral("private-not")));
        QFile inside(root.filePath(QStringLiteral("private/a.sav")));
        QVERIFY(inside.open(QIODevice::WriteOnly));
        QVERIFY(QFile::link(m_root.path(), root.filePath(QStringLiteral("private/out"))));
        QVERIFY(QFile::link(root.filePath(QStringLiteral("private-not/x.sav")),
                            root.filePath(QStringLiteral("private/dangling.sav"))));
        QDir::setCurrent(root.filePath(QStringLiteral("private")));
    }

    void aPathIsInsideOnlyWhenItIs_data()
    {
        QTest::addColumn<QString>("path"); // relative to the test's folder, or absolute
        QTest::addColumn<bool>("inside");
        QTest::newRow("the folder itself") << "private" << true;
        QTest::newRow("a file in it") << "private/a.sav" << true;
        QTest::newRow("a file not written yet") << "private/new.png" << true;
        QTest::newRow("a folder below") << "private/sub" << true;
        QTest::newRow("up and out") << "private/../a.sav" << false;
        QTest::newRow("up and back in") << "private/sub/../a.sav" << true;
        QTest::newRow("a folder whose name starts alike") << "private-not/a.sav" << false;
        QTest::newRow("the folder above") << "." << false;
        QTest::newRow("the root") << "/" << false;
        QTest::newRow("through a link that points out") << "private/out/a.sav" << false;
        QTest::newRow("up from where a link points") << "private/out/../a.sav" << false;
        QTest::newRow("a link to a file outside that is not there yet") << "private/dangling.sav" << false;
        QTest::newRow("in a folder that does not exist") << "private/none/a.sav" << false;
        QTest::newRow("relative to the working folder") << "@a.sav" << true;
        QTest::newRow("relative, up and out") << "@../private-not/a.sav" << false;
    }

    void aPathIsInsideOnlyWhenItIs()
    {
        QFETCH(QString, path);
        QFETCH(bool, inside);
        // "@" marks a path given as a record gives it, relative to the working folder.
        const QString given = path.startsWith(QLatin1Char('@')) ? path.mid(1)
                              : QDir::isAbsolutePath(path)      ? path
                                                                : QDir(m_root.path()).filePath(path);
        QCOMPARE(liesWithinFolder(given, QDir(m_root.path()).filePath(QStringLiteral("private"))), inside);
    }

    // With no folder at all there is no inside.
    void aFolderThatIsNotThereHoldsNothing()
    {
        QVERIFY(
            !liesWithinFolder(QStringLiteral("/tmp"), QDir(m_root.path()).filePath(QStringLiteral("gone"))));
    }
};

QTEST_GUILESS_MAIN(TestFolderConfinement)
#include "test_folder_confinement.moc"
