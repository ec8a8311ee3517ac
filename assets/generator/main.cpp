// Makes the game's own pictures and sounds: the seventeen opponents' faces, the sparring
// partner, the five sound effects and the icon. Run it with the folder to write them to;
// the same program always writes the same bytes.

#include "AppIcon.h"
#include "BoxerFace.h"
#include "FacePainter.h"
#include "GifEncoder.h"
#include "SoundEffects.h"
#include "WaveEncoder.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>
#include <QTextStream>
#include <algorithm>
#include <cmath>

namespace {

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

bool save(const QDir &folder, const QString &name, const QByteArray &bytes)
{
    QSaveFile file(folder.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        QTextStream(stderr) << "ringglory_assets: cannot write " << file.fileName() << '\n';
        return false;
    }
    return true;
}

// Reads the GIF back through Qt's own reader, so that a fault in the encoder stops the
// generator instead of reaching the game.
bool decodesAs(const QByteArray &gif, const QImage &expected)
{
    QBuffer buffer;
    buffer.setData(gif);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "gif");
    const QImage decoded = reader.read().convertToFormat(QImage::Format_RGB32);
    return decoded == expected.convertToFormat(QImage::Format_RGB32);
}

bool writeFace(const QDir &folder, const BoxerFace &face)
{
    const QImage picture = FacePainter(face).paint();
    const QByteArray gif = encodeGif(picture);
    if (!decodesAs(gif, quantisedForGif(picture))) {
        QTextStream(stderr) << "ringglory_assets: " << face.fileName << " does not read back as written\n";
        return false;
    }
    out() << face.fileName << '\t' << gif.size() << " bytes\t" << face.who << '\n';
    return save(folder, face.fileName, gif);
}

bool writeSound(const QDir &folder, const QString &name, std::vector<double> samples, double targetDb)
{
    constexpr double CeilingDb = -1.0;
    SoundEffects::normalise(samples, targetDb, CeilingDb);
    double peak = 0.0;
    for (double sample : samples)
        peak = std::max(peak, std::abs(sample));
    out() << name << '\t' << QString::number(double(samples.size()) / SoundEffects::SampleRate, 'f', 3)
          << " s\t"
          << "loudest 50 ms " << QString::number(SoundEffects::loudestWindowDb(samples), 'f', 1)
          << " dBFS\tpeak " << QString::number(20.0 * std::log10(peak), 'f', 1) << " dBFS\n";
    return save(folder, name, encodeWave(samples, SoundEffects::SampleRate));
}

bool writeIcon(const QDir &folder)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(paintAppIcon(256))) return false;
    out() << "ringglory.png\t" << buffer.data().size() << " bytes\n";
    return save(folder, QStringLiteral("ringglory.png"), buffer.data());
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: ringglory_assets FOLDER\n";
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(folder.path())) {
        QTextStream(stderr) << "ringglory_assets: cannot create " << folder.path() << '\n';
        return 1;
    }

    // The clean and the heavy hit sit a little above the bell, the guarded punch and the
    // miss a little below: never more than a few decibels apart.
    bool ok = writeSound(folder, QStringLiteral("gong.wav"), SoundEffects::ringBell(), -14.0) &&
              writeSound(folder, QStringLiteral("punchHit.wav"), SoundEffects::hit(), -13.0) &&
              writeSound(folder, QStringLiteral("punchBigHit.wav"), SoundEffects::bigHit(), -11.5) &&
              writeSound(folder, QStringLiteral("punchGuard.wav"), SoundEffects::guardedHit(), -14.5) &&
              writeSound(folder, QStringLiteral("punchNo.wav"), SoundEffects::miss(), -16.0);
    for (const BoxerFace &face : opponentFaces())
        ok = ok && writeFace(folder, face);
    ok = ok && writeFace(folder, sparringPartnerFace()) && writeIcon(folder);
    out().flush();
    return ok ? 0 : 1;
}
