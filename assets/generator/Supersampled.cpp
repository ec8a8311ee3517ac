#include "Supersampled.h"

Supersampled::Supersampled(QSize size, QColor background, bool withAlpha)
    : m_size(size),
      m_canvas(size * Factor, withAlpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32)
{
    m_canvas.fill(background);
    m_painter.begin(&m_canvas);
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.scale(Factor, Factor);
}

QImage Supersampled::result()
{
    m_painter.end();
    const bool withAlpha = m_canvas.hasAlphaChannel();
    QImage out(m_size, withAlpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    constexpr int Samples = Factor * Factor;
    for (int y = 0; y < m_size.height(); ++y) {
        for (int x = 0; x < m_size.width(); ++x) {
            int sums[4] = {0, 0, 0, 0};
            for (int dy = 0; dy < Factor; ++dy) {
                const auto *line = reinterpret_cast<const QRgb *>(m_canvas.constScanLine(y * Factor + dy));
                for (int dx = 0; dx < Factor; ++dx) {
                    const QRgb sample = line[x * Factor + dx];
                    sums[0] += qRed(sample);
                    sums[1] += qGreen(sample);
                    sums[2] += qBlue(sample);
                    sums[3] += qAlpha(sample);
                }
            }
            auto mean = [](int sum) { return (sum + Samples / 2) / Samples; };
            out.setPixel(x, y,
                         qRgba(mean(sums[0]), mean(sums[1]), mean(sums[2]), withAlpha ? mean(sums[3]) : 255));
        }
    }
    return withAlpha ? out.convertToFormat(QImage::Format_ARGB32) : out;
}
