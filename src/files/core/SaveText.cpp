#include "files/core/SaveText.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {
// ICU's Shift_JIS is code page 932 on this platform: ～ is 81 60 and － is 81 7C.
constexpr const char *CodePageName = "Shift_JIS";
} // namespace

std::optional<QByteArray> encodeSaveText(QStringView text)
{
    // A lone surrogate is dropped by the encoder without a word, so it is caught here.
    if (!text.isValidUtf16())
        return std::nullopt;
    QStringEncoder encoder(CodePageName, QStringConverter::Flag::Stateless);
    if (!encoder.isValid())
        return std::nullopt;
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}

std::optional<QString> decodeSaveText(QByteArrayView bytes)
{
    // Stateless, so a lead byte cut off at the end of the file is an error, not silently held back.
    QStringDecoder decoder(CodePageName, QStringConverter::Flag::Stateless);
    if (!decoder.isValid())
        return std::nullopt;
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}
