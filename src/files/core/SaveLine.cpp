#include "files/core/SaveLine.h"

#include <limits>

SaveLine SaveLine::parse(QStringView line)
{
    qsizetype start = 0;
    while (start < line.size() && line[start] == QLatin1Char(' '))
        ++start;
    const QStringView value = line.mid(start);
    SaveLine result;
    if (value.isEmpty())
        return result;

    qsizetype end = value.size();
    while (end > 0 && value[end - 1] == QLatin1Char(' '))
        --end;
    const bool negative = value[0] == QLatin1Char('-');
    const qsizetype firstDigit = negative ? 1 : 0;
    bool isWhole = firstDigit < end;
    // Whole numbers are read digit by digit so that any length of digits is told apart
    // from a number the game can hold, without the leniency of a library parser.
    const qint64 limit = negative ? -qint64(std::numeric_limits<qint32>::min()) : std::numeric_limits<qint32>::max();
    qint64 magnitude = 0;
    bool overflow = false;
    for (qsizetype i = firstDigit; i < end && isWhole; ++i) {
        const QChar c = value[i];
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            isWhole = false;
            break;
        }
        if (!overflow) {
            magnitude = magnitude * 10 + (c.unicode() - '0');
            overflow = magnitude > limit;
        }
    }
    if (!isWhole) {
        result.kind = Kind::Text;
        result.text = value.toString();
    } else if (overflow) {
        result.kind = Kind::Overflow;
    } else {
        result.kind = Kind::Number;
        result.number = static_cast<qint32>(negative ? -magnitude : magnitude);
    }
    return result;
}

QString writtenNumber(qint32 number)
{
    const QString digits = QString::number(qAbs(qint64(number)));
    return (number < 0 ? QLatin1Char('-') : QLatin1Char(' ')) + digits + QLatin1Char(' ');
}

QString writtenCell(const Cell &cell)
{
    if (cell.isNumber())
        return writtenNumber(cell.toInt());
    return cell.toText();
}
