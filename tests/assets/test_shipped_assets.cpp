// The pictures and sounds the game ships: every file it names is there, reads as what it
// claims to be, has the size or length intended, and lands where the installed program
// looks for it.

#include "platform/GameFiles.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

namespace {

const QString AssetsDir = QStringLiteral(RINGGLORY_ASSETS_DIR);

QStringList faceFiles()
{
    QStringList names;
    for (int row = 2; row <= 18; ++row)
        names << QStringLiteral("%1.gif").arg(row);
    names << QStringLiteral("Spar.gif");
    return names;
}

const QStringList WaveFiles = {QStringLiteral("gong.wav"), QStringLiteral("punchHit.wav"),
                               QStringLiteral("punchBigHit.wav"), QStringLiteral("punchGuard.wav"),
                               QStringLiteral("punchNo.wav")};

QStringList everyGameFile()
{
    return faceFiles() + WaveFiles + QStringList{QStringLiteral("ringglory.png")};
}

quint32 littleEndian(const QByteArray &bytes, qsizetype at, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | quint8(bytes.at(at + i));
    return value;
}

struct Wave
{
    QString problem; // empty when the file is a mono 16-bit PCM wave
    int sampleRate = 0;
    QList<qint16> samples;

    double seconds() const { return double(samples.size()) / sampleRate; }
};

// Reads a RIFF wave as the sound port would play it: walks the chunks, so that a file with
// extra chunks is read right and a file without a data chunk is a problem.
Wave readWave(const QString &path)
{
    Wave wave;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        wave.problem = QStringLiteral("cannot be read");
        return wave;
    }
    const QByteArray bytes = file.readAll();
    if (bytes.size() < 12 || bytes.left(4) != "RIFF" || bytes.mid(8, 4) != "WAVE") {
        wave.problem = QStringLiteral("is not a RIFF wave");
        return wave;
    }
    if (littleEndian(bytes, 4, 4) != quint32(bytes.size() - 8)) {
        wave.problem = QStringLiteral("has a RIFF size that does not match the file");
        return wave;
    }
    bool haveFormat = false;
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const qsizetype size = littleEndian(bytes, at + 4, 4);
        const qsizetype body = at + 8;
        if (body + size > bytes.size()) {
            wave.problem = QStringLiteral("has a chunk running past the end");
            return wave;
        }
        if (id == "fmt ") {
            const quint32 format = littleEndian(bytes, body, 2);
            const quint32 channels = littleEndian(bytes, body + 2, 2);
            const quint32 bits = littleEndian(bytes, body + 14, 2);
            if (format != 1 || channels != 1 || bits != 16) {
                wave.problem = QStringLiteral("is not mono 16-bit PCM");
                return wave;
            }
            wave.sampleRate = int(littleEndian(bytes, body + 4, 4));
            haveFormat = true;
        } else if (id == "data" && haveFormat) {
            for (qsizetype i = 0; i + 1 < size; i += 2)
                wave.samples << qint16(littleEndian(bytes, body + i, 2));
            return wave;
        }
        at = body + size + (size % 2);
    }
    wave.problem = QStringLiteral("has no format and data");
    return wave;
}

// The level of the loudest 50 ms, in dB below full scale: what the ear takes for loudness
// in a sound this short.
double loudestWindowDb(const Wave &wave)
{
    const qsizetype window = std::min<qsizetype>(wave.sampleRate / 20, wave.samples.size());
    double loudest = 0;
    for (qsizetype start = 0; start + window <= wave.samples.size(); start += window / 4) {
        double sum = 0;
        for (qsizetype i = start; i < start + window; ++i)
            sum += double(wave.samples[i]) * wave.samples[i];
        loudest = std::max(loudest, sum / double(window));
    }
    return 10.0 * std::log10(std::max(loudest, 1.0) / (32768.0 * 32768.0));
}

QString faceBoxSizeProblem(const QImage &image)
{
    // The face box is 1095 × 1050 twips, 15 twips to a pixel.
    if (image.size() != QSize(1095 / 15, 1050 / 15))
        return QStringLiteral("is %1 × %2").arg(image.width()).arg(image.height());
    return {};
}

} // namespace

class ShippedAssets : public QObject
{
    Q_OBJECT

private slots:
    void everyFileTheGameNamesIsShipped_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString &name : everyGameFile())
            QTest::newRow(qPrintable(name)) << name;
    }

    void everyFileTheGameNamesIsShipped()
    {
        QFETCH(QString, name);
        QVERIFY2(QFileInfo(QDir(AssetsDir), name).isFile(), qPrintable(name + " is missing from assets/"));
    }

    void facesAreGifsTheSizeOfTheFaceBox_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString &name : faceFiles())
            QTest::newRow(qPrintable(name)) << name;
    }

    void facesAreGifsTheSizeOfTheFaceBox()
    {
        QFETCH(QString, name);
        QImageReader reader(QDir(AssetsDir).filePath(name));
        QCOMPARE(reader.format(), QByteArray("gif"));
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(name + ": " + reader.errorString()));
        const QString problem = faceBoxSizeProblem(image);
        QVERIFY2(problem.isEmpty(), qPrintable(name + " " + problem));
        // A picture, not a blank: a face in a few dozen colours at least.
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                colours.insert(image.pixel(x, y));
        QVERIFY2(colours.size() >= 32,
                 qPrintable(QStringLiteral("%1 has only %2 colours").arg(name).arg(colours.size())));
    }

    void everyFaceIsADifferentPicture()
    {
        QHash<QByteArray, QString> seen;
        for (const QString &name : faceFiles()) {
            const QImage image = QImage(QDir(AssetsDir).filePath(name)).convertToFormat(QImage::Format_RGB32);
            const QByteArray digest = QCryptographicHash::hash(
                QByteArrayView(image.constBits(), image.sizeInBytes()), QCryptographicHash::Sha256);
            QVERIFY2(!seen.contains(digest),
                     qPrintable(name + " is the same picture as " + seen.value(digest)));
            seen.insert(digest, name);
        }
    }

    void soundsAreShortCleanWaves_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("shortest");
        QTest::addColumn<double>("longest");
        QTest::newRow("gong") << "gong.wav" << 1.0 << 3.0;
        // Punches must end quickly so that fast clicking stays crisp.
        for (const QString &name : WaveFiles.mid(1))
            QTest::newRow(qPrintable(name)) << name << 0.05 << 0.299;
    }

    void soundsAreShortCleanWaves()
    {
        QFETCH(QString, name);
        QFETCH(double, shortest);
        QFETCH(double, longest);
        const Wave wave = readWave(QDir(AssetsDir).filePath(name));
        QVERIFY2(wave.problem.isEmpty(), qPrintable(name + " " + wave.problem));
        QVERIFY(wave.sampleRate >= 22050);
        QVERIFY2(wave.seconds() >= shortest && wave.seconds() <= longest,
                 qPrintable(QStringLiteral("%1 lasts %2 s").arg(name).arg(wave.seconds())));
        int peak = 0;
        for (qint16 sample : wave.samples)
            peak = std::max(peak, std::abs(int(sample)));
        QVERIFY2(peak < 31000,
                 qPrintable(QStringLiteral("%1 peaks at %2: it clips or nearly").arg(name).arg(peak)));
        // No click where the sound starts or is cut off.
        QVERIFY(std::abs(int(wave.samples.first())) < 330);
        QVERIFY(std::abs(int(wave.samples.last())) < 330);
    }

    void noSoundIsMuchLouderThanAnother()
    {
        double quietest = 0;
        double loudest = -200;
        QString report;
        for (const QString &name : WaveFiles) {
            const Wave wave = readWave(QDir(AssetsDir).filePath(name));
            QVERIFY2(wave.problem.isEmpty(), qPrintable(name + " " + wave.problem));
            const double level = loudestWindowDb(wave);
            report += QStringLiteral("%1 %2 dB; ").arg(name).arg(level, 0, 'f', 1);
            quietest = std::min(quietest, level);
            loudest = std::max(loudest, level);
        }
        QVERIFY2(quietest > -24.0, qPrintable("a sound is too quiet to hear in a fight: " + report));
        QVERIFY2(loudest - quietest <= 6.0, qPrintable("the sounds are out of balance: " + report));
    }

    void iconIsASquarePictureWithTransparentCorners()
    {
        const QImage icon(QDir(AssetsDir).filePath(QStringLiteral("ringglory.png")));
        QCOMPARE(icon.size(), QSize(256, 256));
        QVERIFY(icon.hasAlphaChannel());
        QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(icon.pixel(128, 128)), 255);
    }

    // The index was a table per section, each with its own column widths, and some words
    // had no description; every word also has to lead to a page and a place that exist.
    void keywordIndexIsOneTableOfDescribedLinks()
    {
        const QDir help(QDir(AssetsDir).filePath(QStringLiteral("help")));
        QFile file(help.filePath(QStringLiteral("keywords.html")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        QCOMPARE(html.count(QStringLiteral("<table")), 1);
        const QRegularExpression row(QStringLiteral("<tr><td>(.*?)</td><td>(.*?)</td></tr>"));
        const QRegularExpression link(QStringLiteral("^<a href=\"([^\"#]+)(?:#([^\"]+))?\">([^<]+)</a>$"));
        qsizetype words = 0;
        for (const QRegularExpressionMatch &entry : row.globalMatch(html)) {
            const QRegularExpressionMatch target = link.match(entry.captured(1));
            QVERIFY2(target.hasMatch(), qPrintable(entry.captured(0)));
            QVERIFY2(!entry.captured(2).trimmed().isEmpty(), qPrintable(target.captured(3)));
            QFile page(help.filePath(target.captured(1)));
            QVERIFY2(page.open(QIODevice::ReadOnly), qPrintable(target.captured(1)));
            if (const QString place = target.captured(2); !place.isEmpty())
                QVERIFY2(QString::fromUtf8(page.readAll()).contains(QStringLiteral("name=\"%1\"").arg(place)),
                         qPrintable(target.captured(0)));
            ++words;
        }
        QCOMPARE(words, html.count(QStringLiteral("<td><a ")));
        QVERIFY(words > 0);
    }

    void installTreeHoldsWhatTheProgramLooksUp()
    {
        QTemporaryDir prefix;
        QVERIFY(prefix.isValid());
        install(prefix);
        if (QTest::currentTestFailed())
            return;

        const QString program =
            prefix.filePath(QStringLiteral(RINGGLORY_INSTALL_BINDIR) + QStringLiteral("/ringglory"));
        QVERIFY(QFileInfo(program).isExecutable());
        const QString installedAssets =
            QDir::cleanPath(prefix.filePath(QStringLiteral("share/ringglory/assets")));
        QVERIFY(!QFileInfo::exists(installedAssets + QStringLiteral("/generator")));

        // Started from a folder with nothing in it, the installed program finds every file
        // among its installed assets.
        QTemporaryDir elsewhere;
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        for (const QString &name : everyGameFile()) {
            const QString found = findGameFile(name, QFileInfo(program).absolutePath());
            QVERIFY2(found == installedAssets + QLatin1Char('/') + name,
                     qPrintable(name + " found at " + found));
        }
        QDir::setCurrent(previous);
        // The manual comes along with whatever it holds.
        if (QFileInfo(QDir(AssetsDir).filePath(QStringLiteral("help"))).isDir())
            QVERIFY(QFileInfo(installedAssets + QStringLiteral("/help")).isDir());

        QFile entry(prefix.filePath(QStringLiteral("share/applications/ringglory.desktop")));
        QVERIFY(entry.open(QIODevice::ReadOnly));
        const QByteArray desktop = entry.readAll();
        // The menu starts the program by its full path: a games folder need not be on PATH.
        QVERIFY2(desktop.contains("\nExec=" + program.toUtf8() + "\n"), desktop.constData());
        QVERIFY(desktop.contains("\nIcon=ringglory\n"));
        const QImage icon(prefix.filePath(QStringLiteral("share/icons/hicolor/256x256/apps/ringglory.png")));
        QCOMPARE(icon.size(), QSize(256, 256));

        // And the installed program runs.
        QFile script(elsewhere.filePath(QStringLiteral("tiny.script")));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("read frmMain.Label1\n");
        script.close();
        QProcess run;
        run.setWorkingDirectory(elsewhere.path());
        run.start(program, {QStringLiteral("--script"), script.fileName()});
        QVERIFY(run.waitForFinished(60000));
        QCOMPARE(run.exitCode(), 0);
        QVERIFY(run.readAllStandardOutput().contains("\"text\":\"RING GLORY\""));
    }

    void installedDescriptionsAreValid()
    {
        QTemporaryDir prefix;
        QVERIFY(prefix.isValid());
        install(prefix);
        if (QTest::currentTestFailed())
            return;

        // What menus and software centres read passes the checks they apply.
        QProcess desktop;
        desktop.start(QStringLiteral("desktop-file-validate"),
                      {prefix.filePath(QStringLiteral("share/applications/ringglory.desktop"))});
        QVERIFY2(desktop.waitForFinished(60000), "desktop-file-validate did not run");
        const QByteArray desktopReport = desktop.readAllStandardOutput() + desktop.readAllStandardError();
        QVERIFY2(desktop.exitCode() == 0 && desktopReport.isEmpty(), desktopReport.constData());

        const QFileInfoList metainfos =
            QDir(prefix.filePath(QStringLiteral("share/metainfo"))).entryInfoList({QStringLiteral("*.metainfo.xml")});
        QCOMPARE(metainfos.size(), 1);
        QProcess appstream;
        appstream.start(QStringLiteral("appstreamcli"),
                        {QStringLiteral("validate"), QStringLiteral("--no-net"), metainfos.first().filePath()});
        QVERIFY2(appstream.waitForFinished(60000), "appstreamcli did not run");
        QVERIFY2(appstream.exitCode() == 0,
                 (appstream.readAllStandardOutput() + appstream.readAllStandardError()).constData());

        // The manual page and the changelog, as man and Debian look for them, and the licence.
        for (const QString &document : {QStringLiteral("share/man/man6/ringglory.6.gz"),
                                        QStringLiteral("share/doc/ringglory/changelog.gz")})
            QVERIFY2(QFileInfo(prefix.filePath(document)).size() > 0, qPrintable(document + " is missing"));
        QFile copyright(prefix.filePath(QStringLiteral("share/doc/ringglory/copyright")));
        QVERIFY(copyright.open(QIODevice::ReadOnly));
        QVERIFY(copyright.readAll().contains("Copyright: 2026 The Ring Glory developers\nLicense: Expat\n"));
    }

private:
    static void install(const QTemporaryDir &prefix)
    {
        QProcess install;
        install.start(QStringLiteral(RINGGLORY_CMAKE),
                      {QStringLiteral("--install"), QStringLiteral(RINGGLORY_BUILD_DIR),
                       QStringLiteral("--prefix"), prefix.path()});
        QVERIFY(install.waitForFinished(60000));
        QVERIFY2(install.exitCode() == 0, install.readAllStandardError().constData());
    }
};

QTEST_GUILESS_MAIN(ShippedAssets)
#include "test_shipped_assets.moc"
