#include "files/core/SaveReader.h"

#include "files/core/SaveChecksum.h"
#include "files/core/SaveFormat.h"
#include "files/core/SaveLayout.h"
#include "files/core/SaveLine.h"
#include "files/core/SaveText.h"

#include <QList>
#include <limits>

namespace {
// The lines of the text: CR LF ends a line, and so does a lone LF or CR, so that no
// value can carry a line break into the career. A final line end adds no empty line.
QList<QStringView> splitLines(QStringView text)
{
    QList<QStringView> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        lines.append(text.mid(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.append(text.mid(start));
    return lines;
}

class LineReader
{
public:
    explicit LineReader(const QList<QStringView> &lines) : m_lines(lines) {}

    void variant(Cell &cell)
    {
        const SaveLine line = next();
        switch (line.kind) {
        case SaveLine::Kind::Empty:
            cell.clear();
            break;
        case SaveLine::Kind::Number:
            cell = line.number;
            break;
        case SaveLine::Kind::Text:
            cell = line.text;
            break;
        case SaveLine::Kind::Overflow:
            m_outOfRange = true;
            break;
        }
    }

    void int16(qint16 &number)
    {
        const qint32 wide = integer();
        if (wide < std::numeric_limits<qint16>::min() || wide > std::numeric_limits<qint16>::max())
            m_outOfRange = true;
        else
            number = static_cast<qint16>(wide);
    }

    void int32(qint32 &number) { number = integer(); }

    bool outOfRange() const { return m_outOfRange; }

private:
    SaveLine next() { return SaveLine::parse(m_lines.at(m_index++)); }

    qint32 integer()
    {
        const SaveLine line = next();
        if (line.kind == SaveLine::Kind::Overflow)
            m_outOfRange = true;
        return line.kind == SaveLine::Kind::Number ? line.number : 0;
    }

    const QList<QStringView> &m_lines;
    qsizetype m_index = 0;
    bool m_outOfRange = false;
};

bool inRange(qint32 value, qint32 low, qint32 high)
{
    return value >= low && value <= high;
}

bool cellInRange(const Cell &cell, int low, int high)
{
    return cell.isNumber() && inRange(cell.toInt(), low, high);
}

// Values the checksum does not cover but the game counts with: a text there would
// stop the day advance or a training total.
bool countersAreNumbers(const GameState &state)
{
    for (const Cell *cell :
         {&state.varNowDate, &state.varNextDate, &state.varSandHit, &state.varSandMiss, &state.varBallHit})
        if (cell->isText())
            return false;
    return true;
}

// Values outside the ranges the game can use would index past its tables or loop on
// nonsense; a file the game wrote never holds them.
bool valuesAreUsable(const GameState &state)
{
    if (!state.varSetsumeiNo.isEmpty() && !cellInRange(state.varSetsumeiNo, 0, 3))
        return false;
    for (qint16 flag : state.varSetsumeiOff)
        if (flag != 0 && flag != 1)
            return false;
    if (!inRange(state.varNextEnemy, CharaTable::FirstOpponentRow, CharaTable::LastOpponentRow))
        return false;
    if (!cellInRange(state.varKaisen, 1, 12))
        return false;
    if (!inRange(state.varSensekiCount, 0, GameState::SensekiCapacity))
        return false;
    for (int bout = 1; bout <= state.varSensekiCount; ++bout)
        if (!cellInRange(state.varSenseki.at(bout)[1], 1, 27))
            return false;
    return true;
}
} // namespace

SaveRejection readSave(QByteArrayView bytes, GameState &state)
{
    if (bytes.size() > MaxSaveFileBytes)
        return SaveRejection::TooLarge;
    const std::optional<QString> text = decodeSaveText(bytes);
    if (!text)
        return SaveRejection::NotCodePage932;
    const QList<QStringView> lines = splitLines(*text);
    if (lines.size() < SaveFileLineCount)
        return SaveRejection::TooShort;

    GameState read = state;
    LineReader reader(lines);
    visitSaveLayout(read, reader);
    if (reader.outOfRange())
        return SaveRejection::OutOfRange;
    if (SaveLine::parse(lines.at(SaveFileLineCount - 1)).kind != SaveLine::Kind::Number)
        return SaveRejection::NotANumber;
    for (int row = 0; row < CharaTable::Rows; ++row)
        for (int column = 0; column < CharaTable::Columns; ++column)
            if (isChecksumCell(row, column) && read.Chara(row, column).isText())
                return SaveRejection::NotANumber;
    const std::optional<qint32> checksum = saveChecksum(read.Chara);
    if (!checksum)
        return SaveRejection::OutOfRange;
    if (*checksum != read.varCheckSum)
        return SaveRejection::WrongChecksum;
    if (!countersAreNumbers(read))
        return SaveRejection::NotANumber;
    if (!valuesAreUsable(read))
        return SaveRejection::OutOfRange;
    state = read;
    return SaveRejection::None;
}
