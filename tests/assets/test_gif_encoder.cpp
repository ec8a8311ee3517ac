// The generator's GIF encoder: whatever it writes, Qt's reader reads back pixel for pixel
// as the picture it meant, including the corners of LZW (the code width growing, the code
// table filling up and starting over) and pictures of more than 256 colours.

#include "GifEncoder.h"

#include <QBuffer>
#include <QImageReader>
#include <QSet>
#include <QtTest>

namespace {

QImage decode(const QByteArray &gif)
{
    QBuffer buffer;
    buffer.setData(gif);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "gif");
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

QImage picture(int width, int height, const std::function<QRgb(int, int)> &colourAt)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, colourAt(x, y));
    return image;
}

// Pixels drawn from a palette of 256 colours with a fixed scrambling, so that long strings
// rarely repeat and the code table fills quickly.
QRgb scrambled(int x, int y)
{
    quint32 h = quint32(x) * 2654435761u ^ quint32(y) * 40503u;
    h ^= h >> 13;
    h *= 0x5BD1E995u;
    const int index = int((h >> 16) & 0xFF);
    return qRgb(index, 255 - index, (index * 7) & 0xFF);
}

} // namespace

class GifEncoderTest : public QObject
{
    Q_OBJECT

private slots:
    void readsBackExactly_data()
    {
        QTest::addColumn<QImage>("image");
        QTest::newRow("one pixel") << picture(1, 1, [](int, int) { return qRgb(200, 30, 40); });
        QTest::newRow("two colours") << picture(
            7, 5, [](int x, int y) { return (x + y) % 2 ? qRgb(0, 0, 0) : qRgb(255, 255, 255); });
        QTest::newRow("three colours, odd table size") << picture(9, 4, [](int x, int) {
            return x % 3 == 0 ? qRgb(255, 0, 0) : x % 3 == 1 ? qRgb(0, 255, 0) : qRgb(0, 0, 255);
        });
        QTest::newRow("256 colours, one each")
            << picture(16, 16, [](int x, int y) { return qRgb(x * 16, y * 16, 128); });
        QTest::newRow("code table fills and starts over") << picture(160, 160, scrambled);
        QTest::newRow("long runs of one colour")
            << picture(400, 30, [](int x, int) { return x < 390 ? qRgb(10, 20, 30) : qRgb(250, 240, 230); });
    }

    void readsBackExactly()
    {
        QFETCH(QImage, image);
        const QByteArray gif = encodeGif(image);
        QVERIFY(gif.startsWith("GIF89a"));
        QCOMPARE(gif.back(), char(0x3B));
        QCOMPARE(decode(gif), image);
    }

    void manyColoursAreReducedToAFaithfulPalette()
    {
        // A smooth field of 4096 colours.
        const QImage image = picture(64, 64, [](int x, int y) { return qRgb(x * 4, y * 4, (x + y) * 2); });
        const QImage decoded = decode(encodeGif(image));
        QCOMPARE(decoded, quantisedForGif(image));
        QSet<QRgb> colours;
        qint64 error = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb want = image.pixel(x, y);
                const QRgb got = decoded.pixel(x, y);
                colours.insert(got);
                error += std::abs(qRed(want) - qRed(got)) + std::abs(qGreen(want) - qGreen(got)) +
                         std::abs(qBlue(want) - qBlue(got));
            }
        QVERIFY(colours.size() <= 256);
        QVERIFY(colours.size() > 200);
        const double meanError = double(error) / (3.0 * image.width() * image.height());
        QVERIFY2(meanError < 6.0, qPrintable(QStringLiteral("mean error %1 per primary").arg(meanError)));
    }
};

QTEST_GUILESS_MAIN(GifEncoderTest)
#include "test_gif_encoder.moc"
