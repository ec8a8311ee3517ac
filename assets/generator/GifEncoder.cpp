#include "GifEncoder.h"

#include <QHash>
#include <algorithm>
#include <array>
#include <vector>

namespace {

struct Palette
{
    std::vector<QRgb> colours;
    std::vector<quint8> indexOfPixel; // one entry per pixel, row by row
};

struct Box
{
    std::vector<QRgb> colours; // distinct colours
    std::vector<int> weights;  // pixels of each colour
};

int channel(QRgb colour, int which)
{
    return which == 0 ? qRed(colour) : which == 1 ? qGreen(colour) : qBlue(colour);
}

// The channel along which the box is widest, and that width.
std::pair<int, int> widestChannel(const Box &box)
{
    int best = 0;
    int bestRange = -1;
    for (int which = 0; which < 3; ++which) {
        int low = 255;
        int high = 0;
        for (QRgb colour : box.colours) {
            low = std::min(low, channel(colour, which));
            high = std::max(high, channel(colour, which));
        }
        if (high - low > bestRange) {
            bestRange = high - low;
            best = which;
        }
    }
    return {best, bestRange};
}

QRgb averageColour(const Box &box)
{
    qint64 sums[3] = {0, 0, 0};
    qint64 total = 0;
    for (size_t i = 0; i < box.colours.size(); ++i) {
        for (int which = 0; which < 3; ++which)
            sums[which] += qint64(channel(box.colours[i], which)) * box.weights[i];
        total += box.weights[i];
    }
    auto mean = [&](int which) { return int((sums[which] + total / 2) / total); };
    return qRgb(mean(0), mean(1), mean(2));
}

// Splits the box at the weighted median of its widest channel; both halves keep at least one colour.
std::pair<Box, Box> split(Box box)
{
    const int which = widestChannel(box).first;
    std::vector<size_t> order(box.colours.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    // Ties are broken by the whole colour value so that the order never depends on the sort.
    std::sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        const int ca = channel(box.colours[a], which);
        const int cb = channel(box.colours[b], which);
        return ca != cb ? ca < cb : box.colours[a] < box.colours[b];
    });
    qint64 total = 0;
    for (int weight : box.weights)
        total += weight;
    qint64 running = 0;
    size_t cut = 1;
    for (size_t i = 0; i + 1 < order.size(); ++i) {
        running += box.weights[order[i]];
        cut = i + 1;
        if (running * 2 >= total) break;
    }
    Box low;
    Box high;
    for (size_t i = 0; i < order.size(); ++i) {
        Box &half = i < cut ? low : high;
        half.colours.push_back(box.colours[order[i]]);
        half.weights.push_back(box.weights[order[i]]);
    }
    return {std::move(low), std::move(high)};
}

Palette buildPalette(const QImage &image)
{
    const int width = image.width();
    const int height = image.height();
    std::vector<QRgb> pixels;
    pixels.reserve(size_t(width) * size_t(height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels.push_back(image.pixel(x, y) | 0xFF000000u);

    QHash<QRgb, int> counts;
    for (QRgb pixel : pixels)
        ++counts[pixel];
    Box all;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        all.colours.push_back(it.key());
    std::sort(all.colours.begin(), all.colours.end());
    for (QRgb colour : all.colours)
        all.weights.push_back(counts.value(colour));

    Palette palette;
    QHash<QRgb, quint8> indexOfColour;
    if (all.colours.size() <= 256) {
        palette.colours = all.colours;
        for (size_t i = 0; i < all.colours.size(); ++i)
            indexOfColour.insert(all.colours[i], quint8(i));
    } else {
        std::vector<Box> boxes{std::move(all)};
        while (boxes.size() < 256) {
            // Split the box that spans the most, weighted by how many pixels it holds.
            size_t widest = boxes.size();
            qint64 widestScore = 0;
            for (size_t i = 0; i < boxes.size(); ++i) {
                if (boxes[i].colours.size() < 2) continue;
                qint64 weight = 0;
                for (int w : boxes[i].weights)
                    weight += w;
                const qint64 score = qint64(widestChannel(boxes[i]).second) * weight;
                if (widest == boxes.size() || score > widestScore) {
                    widest = i;
                    widestScore = score;
                }
            }
            if (widest == boxes.size()) break;
            auto halves = split(std::move(boxes[widest]));
            boxes[widest] = std::move(halves.first);
            boxes.push_back(std::move(halves.second));
        }
        for (const Box &box : boxes)
            palette.colours.push_back(averageColour(box));
        // Each colour of the picture maps to the nearest palette entry, lowest index on a tie.
        for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
            const QRgb colour = it.key();
            int best = 0;
            int bestDistance = INT_MAX;
            for (size_t i = 0; i < palette.colours.size(); ++i) {
                const int dr = qRed(colour) - qRed(palette.colours[i]);
                const int dg = qGreen(colour) - qGreen(palette.colours[i]);
                const int db = qBlue(colour) - qBlue(palette.colours[i]);
                const int distance = dr * dr + dg * dg + db * db;
                if (distance < bestDistance) {
                    bestDistance = distance;
                    best = int(i);
                }
            }
            indexOfColour.insert(colour, quint8(best));
        }
    }
    palette.indexOfPixel.reserve(pixels.size());
    for (QRgb pixel : pixels)
        palette.indexOfPixel.push_back(indexOfColour.value(pixel));
    return palette;
}

// Packs variable-width codes least significant bit first, as GIF wants them.
class CodeWriter
{
public:
    void write(int code, int width)
    {
        m_bits |= quint32(code) << m_bitCount;
        m_bitCount += width;
        while (m_bitCount >= 8) {
            m_bytes.append(char(m_bits & 0xFF));
            m_bits >>= 8;
            m_bitCount -= 8;
        }
    }
    QByteArray finish()
    {
        if (m_bitCount > 0) m_bytes.append(char(m_bits & 0xFF));
        m_bits = 0;
        m_bitCount = 0;
        return m_bytes;
    }

private:
    QByteArray m_bytes;
    quint32 m_bits = 0;
    int m_bitCount = 0;
};

QByteArray lzwCompress(const std::vector<quint8> &indices, int minCodeSize)
{
    constexpr int MaxCode = 4095;
    const int clearCode = 1 << minCodeSize;
    const int endCode = clearCode + 1;
    CodeWriter writer;
    QHash<quint32, int> dictionary; // (prefix code << 8 | next index) -> code
    int codeSize = minCodeSize + 1;
    int nextCode = endCode + 1;

    writer.write(clearCode, codeSize);
    int current = indices.front();
    for (size_t i = 1; i < indices.size(); ++i) {
        const quint32 key = (quint32(current) << 8) | indices[i];
        const auto found = dictionary.constFind(key);
        if (found != dictionary.cend()) {
            current = found.value();
            continue;
        }
        writer.write(current, codeSize);
        dictionary.insert(key, nextCode);
        // The decoder learns each code one step later, so the width grows once the code just
        // added no longer fits.
        if (nextCode == (1 << codeSize) && codeSize < 12) ++codeSize;
        ++nextCode;
        if (nextCode > MaxCode) {
            writer.write(clearCode, codeSize);
            dictionary.clear();
            codeSize = minCodeSize + 1;
            nextCode = endCode + 1;
        }
        current = indices[i];
    }
    writer.write(current, codeSize);
    writer.write(endCode, codeSize);
    return writer.finish();
}

void appendWord(QByteArray &out, int value)
{
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

} // namespace

QImage quantisedForGif(const QImage &image)
{
    const Palette palette = buildPalette(image);
    QImage out(image.size(), QImage::Format_RGB32);
    size_t i = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            out.setPixel(x, y, palette.colours[palette.indexOfPixel[i++]]);
    return out;
}

QByteArray encodeGif(const QImage &image)
{
    const Palette palette = buildPalette(image);
    int tableBits = 1;
    while ((size_t(1) << tableBits) < palette.colours.size())
        ++tableBits;

    QByteArray out("GIF89a");
    appendWord(out, image.width());
    appendWord(out, image.height());
    // A global colour table of 2^tableBits entries, 8 bits per primary.
    out.append(char(0x80 | (7 << 4) | (tableBits - 1)));
    out.append(char(0)); // background colour index
    out.append(char(0)); // square pixels
    for (int i = 0; i < (1 << tableBits); ++i) {
        const QRgb colour = size_t(i) < palette.colours.size() ? palette.colours[size_t(i)] : qRgb(0, 0, 0);
        out.append(char(qRed(colour)));
        out.append(char(qGreen(colour)));
        out.append(char(qBlue(colour)));
    }

    out.append(char(0x2C));
    appendWord(out, 0);
    appendWord(out, 0);
    appendWord(out, image.width());
    appendWord(out, image.height());
    out.append(char(0)); // no local table, not interlaced

    const int minCodeSize = std::max(2, tableBits);
    out.append(char(minCodeSize));
    const QByteArray data = lzwCompress(palette.indexOfPixel, minCodeSize);
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const qsizetype length = std::min<qsizetype>(255, data.size() - at);
        out.append(char(length));
        out.append(data.mid(at, length));
    }
    out.append(char(0));
    out.append(char(0x3B));
    return out;
}
