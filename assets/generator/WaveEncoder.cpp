#include "WaveEncoder.h"

#include <algorithm>
#include <cmath>

namespace {
void appendLittleEndian(QByteArray &out, quint32 value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(char((value >> (8 * i)) & 0xFF));
}
} // namespace

QByteArray encodeWave(const std::vector<double> &samples, int sampleRate)
{
    constexpr int BytesPerSample = 2;
    const auto dataSize = quint32(samples.size() * BytesPerSample);
    QByteArray out;
    out.append("RIFF");
    appendLittleEndian(out, 36 + dataSize, 4);
    out.append("WAVE");
    out.append("fmt ");
    appendLittleEndian(out, 16, 4);
    appendLittleEndian(out, 1, 2); // PCM
    appendLittleEndian(out, 1, 2); // mono
    appendLittleEndian(out, quint32(sampleRate), 4);
    appendLittleEndian(out, quint32(sampleRate * BytesPerSample), 4);
    appendLittleEndian(out, BytesPerSample, 2);
    appendLittleEndian(out, 16, 2);
    out.append("data");
    appendLittleEndian(out, dataSize, 4);
    for (double sample : samples) {
        const long level = std::lround(std::clamp(sample, -1.0, 1.0) * 32767.0);
        appendLittleEndian(out, quint32(quint16(qint16(level))), 2);
    }
    return out;
}
