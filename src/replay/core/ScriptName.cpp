#include "replay/core/ScriptName.h"

#include <algorithm>

namespace {
bool needsQuotes(const QString &name)
{
    if (name.isEmpty() || name.startsWith(QLatin1Char('"')))
        return true;
    for (const QChar c : name) {
        if (c.isSpace() || c.category() == QChar::Other_Control)
            return true;
    }
    return false;
}
} // namespace

QString ScriptName::quoted(const QString &name)
{
    if (!needsQuotes(name))
        return name;
    QString text = QStringLiteral("\"");
    for (const QChar c : name) {
        if (c == u'"' || c == u'\\') {
            text += QLatin1Char('\\');
            text += c;
        } else if (c == u'\n') {
            text += QStringLiteral("\\n");
        } else if (c == u'\r') {
            text += QStringLiteral("\\r");
        } else if (c == u'\t') {
            text += QStringLiteral("\\t");
        } else if (c.category() == QChar::Other_Control || (c.isSpace() && c != u' ')) {
            text += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        } else {
            text += c;
        }
    }
    return text + QLatin1Char('"');
}

qsizetype ScriptName::readQuoted(QStringView text, QString *name)
{
    if (!text.startsWith(u'"'))
        return -1;
    QString read;
    for (qsizetype at = 1; at < text.size(); ++at) {
        const QChar c = text[at];
        if (c == u'"') {
            *name = read;
            return at + 1;
        }
        if (c != u'\\') {
            read += c;
            continue;
        }
        if (++at >= text.size())
            return -1;
        switch (text[at].unicode()) {
        case u'"':
        case u'\\':
            read += text[at];
            break;
        case u'n':
            read += QLatin1Char('\n');
            break;
        case u'r':
            read += QLatin1Char('\r');
            break;
        case u't':
            read += QLatin1Char('\t');
            break;
        case u'u': {
            if (at + 4 >= text.size())
                return -1;
            const QStringView digits = text.mid(at + 1, 4);
            const bool allHex = std::all_of(digits.begin(), digits.end(), [](QChar d) {
                return (d >= u'0' && d <= u'9') || (d >= u'a' && d <= u'f') || (d >= u'A' && d <= u'F');
            });
            if (!allHex)
                return -1;
            read += QChar(digits.toUShort(nullptr, 16));
            at += 4;
            break;
        }
        default:
            return -1;
        }
    }
    return -1;
}

QString ScriptName::fromLineEnd(const QString &text)
{
    QString name;
    if (readQuoted(text, &name) == text.size())
        return name;
    return text;
}
