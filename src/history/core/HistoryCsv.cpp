#include "history/core/HistoryCsv.h"

#include <QStringList>

namespace {
const QString FormatTag = QStringLiteral("#ringglory-history");
const QStringList Header = {QStringLiteral("day"),         QStringLiteral("activity"), QStringLiteral("power"),
                            QStringLiteral("quickness"),   QStringLiteral("guts"),     QStringLiteral("strength"),
                            QStringLiteral("max_strength"), QStringLiteral("ranking"),  QStringLiteral("opponent"),
                            QStringLiteral("result")};

QString quoted(const QString &field)
{
    static const QString special = QStringLiteral(",\"\r\n");
    bool needsQuotes = false;
    for (const QChar c : field)
        needsQuotes = needsQuotes || special.contains(c);
    if (!needsQuotes)
        return field;
    QString text = field;
    text.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

void appendRecord(QString &text, const QStringList &fields)
{
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            text += QLatin1Char(',');
        text += quoted(fields[i]);
    }
    text += QStringLiteral("\r\n");
}

// Splits CSV text into records of fields; a quoted field may hold commas, quotes and line
// breaks. None for text that breaks the quoting rules.
std::optional<QList<QStringList>> parseQuotedRecords(const QString &text)
{
    QList<QStringList> records;
    QStringList record;
    QString field;
    bool inQuotes = false;
    bool wasQuoted = false;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text[i];
        if (inQuotes) {
            if (c != QLatin1Char('"')) {
                field += c;
            } else if (i + 1 < size && text[i + 1] == QLatin1Char('"')) {
                field += c;
                ++i;
            } else {
                inQuotes = false;
            }
            continue;
        }
        if (c == QLatin1Char(',')) {
            record.append(field);
            field.clear();
            wasQuoted = false;
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < size && text[i + 1] == QLatin1Char('\n'))
                ++i;
            record.append(field);
            records.append(record);
            record.clear();
            field.clear();
            wasQuoted = false;
        } else if (c == QLatin1Char('"')) {
            // A quote opens a field only at its start.
            if (!field.isEmpty() || wasQuoted)
                return std::nullopt;
            inQuotes = true;
            wasQuoted = true;
        } else {
            // Nothing may follow the closing quote but the end of the field.
            if (wasQuoted)
                return std::nullopt;
            field += c;
        }
    }
    if (inQuotes)
        return std::nullopt;
    // A last line without its line break still counts.
    if (!field.isEmpty() || !record.isEmpty() || wasQuoted) {
        record.append(field);
        records.append(record);
    }
    return records;
}

// As parseQuotedRecords, with a quick way through the many lines that hold no quote.
std::optional<QList<QStringList>> parseRecords(const QString &text)
{
    if (text.contains(QLatin1Char('"')))
        return parseQuotedRecords(text);
    QList<QStringList> records;
    const QList<QStringView> lines = QStringView(text).split(QLatin1Char('\n'));
    records.reserve(lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QStringView line = lines[i];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        // The line break after the last line starts no record of its own.
        if (i + 1 == lines.size() && line.isEmpty())
            break;
        // A lone carriage return ends a line as well.
        if (line.contains(QLatin1Char('\r')))
            return parseQuotedRecords(text);
        QStringList fields;
        for (const QStringView field : line.split(QLatin1Char(',')))
            fields.append(field.toString());
        records.append(fields);
    }
    return records;
}

// A number only as the writer writes one: digits alone, no sign, space or leading zero. A
// lenient reading would take "4\0 0" for 4 or "+4 " for 4 and write back another file.
std::optional<int> number(const QString &field)
{
    constexpr qsizetype MaxDigits = 9;
    if (field.isEmpty() || field.size() > MaxDigits ||
        (field.size() > 1 && field.front() == QLatin1Char('0')))
        return std::nullopt;
    int value = 0;
    for (const QChar c : field) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

std::optional<DayEntry> entryOf(const QStringList &fields)
{
    if (fields.size() != Header.size())
        return std::nullopt;
    DayEntry entry;
    const std::optional<DayKind> kind = dayKindNamed(fields[1]);
    if (!kind)
        return std::nullopt;
    entry.kind = *kind;
    int *const numbers[] = {&entry.day, &entry.power, &entry.quickness, &entry.guts, &entry.strength,
                            &entry.maxStrength};
    const int numberColumns[] = {0, 2, 3, 4, 5, 6};
    for (int k = 0; k < 6; ++k) {
        const std::optional<int> value = number(fields[numberColumns[k]]);
        if (!value)
            return std::nullopt;
        *numbers[k] = *value;
    }
    entry.ranking = fields[7];
    if (entry.kind == DayKind::Bout) {
        const std::optional<int> result = number(fields[9]);
        if (!result)
            return std::nullopt;
        entry.opponent = fields[8];
        entry.result = *result;
    } else if (!fields[8].isEmpty() || !fields[9].isEmpty()) {
        return std::nullopt;
    }
    if (!fitsHistoryFile(entry))
        return std::nullopt;
    return entry;
}
} // namespace

bool fitsHistoryFile(const DayEntry &entry)
{
    if (entry.day < 1 || entry.day > MaxHistoryDay)
        return false;
    for (const int value : {entry.power, entry.quickness, entry.guts, entry.strength, entry.maxStrength})
        if (value < 0 || value > MaxHistoryValue)
            return false;
    return entry.kind != DayKind::Bout || (entry.result >= 1 && entry.result <= 27);
}

QByteArray encodeHistoryCsv(const CareerHistory &history, const QString &boxerName)
{
    QString text;
    appendRecord(text, {FormatTag, QString::number(HistoryFormatVersion), boxerName});
    appendRecord(text, Header);
    for (const DayEntry &entry : history.entries()) {
        const bool bout = entry.kind == DayKind::Bout;
        appendRecord(text, {QString::number(entry.day), dayKindName(entry.kind), QString::number(entry.power),
                            QString::number(entry.quickness), QString::number(entry.guts),
                            QString::number(entry.strength), QString::number(entry.maxStrength), entry.ranking,
                            bout ? entry.opponent : QString(), bout ? QString::number(entry.result) : QString()});
    }
    return text.toUtf8();
}

std::optional<DecodedHistory> decodeHistoryCsv(const QByteArray &bytes)
{
    QByteArray body = bytes;
    // A spreadsheet that saved the file again may have put a byte-order mark in front.
    if (body.startsWith("\xEF\xBB\xBF"))
        body.remove(0, 3);
    const QString text = QString::fromUtf8(body);
    // Bytes that are not UTF-8 come back as replacement characters, never as the text written.
    if (text.contains(QChar::ReplacementCharacter))
        return std::nullopt;
    const std::optional<QList<QStringList>> records = parseRecords(text);
    if (!records || records->size() < 2)
        return std::nullopt;
    const QStringList &format = records->at(0);
    if (format.size() != 3 || format[0] != FormatTag || format[1] != QString::number(HistoryFormatVersion))
        return std::nullopt;
    if (records->at(1) != Header)
        return std::nullopt;

    DecodedHistory decoded;
    decoded.boxerName = format[2];
    for (qsizetype i = 2; i < records->size(); ++i) {
        // A blank line (an editor's last line break, say) holds no day.
        if (records->at(i) == QStringList{QString()})
            continue;
        const std::optional<DayEntry> entry = entryOf(records->at(i));
        if (!entry)
            return std::nullopt;
        if (!decoded.entries.isEmpty() && entry->day <= decoded.entries.last().day)
            return std::nullopt;
        decoded.entries.append(*entry);
    }
    return decoded;
}
