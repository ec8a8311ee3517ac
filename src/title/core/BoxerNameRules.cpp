#include "title/core/BoxerNameRules.h"

#include <QStringEncoder>

namespace {
bool isSpace(QChar c)
{
    return c == QLatin1Char(' ') || c == QChar(0x3000);
}

bool fitsCodePage932(const QString &text)
{
    QStringEncoder encoder("Shift_JIS");
    if (!encoder.isValid())
        return false;
    // The encoder works lazily: the bytes must be taken for it to notice a character it cannot hold.
    const QByteArray bytes = encoder.encode(text);
    return !encoder.hasError() && !bytes.isEmpty();
}
} // namespace

bool isAcceptableBoxerName(const QString &text)
{
    if (text.isEmpty() || text.size() > MaxBoxerNameLength)
        return false;
    if (text.contains(QLatin1Char(',')) || text.startsWith(QLatin1Char('"')))
        return false;
    if (isSpace(text.front()) || isSpace(text.back()))
        return false;
    for (QChar c : text)
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            return false;
    return fitsCodePage932(text);
}
