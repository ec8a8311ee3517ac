#include "files/core/SaveChecksum.h"

#include <limits>

namespace {
bool addCell(qint64 &sum, const Cell &cell)
{
    if (cell.isText())
        return false;
    sum += cell.toInt();
    // Each partial sum must stay a 32-bit number, as the game holds it.
    return sum >= std::numeric_limits<qint32>::min() && sum <= std::numeric_limits<qint32>::max();
}
} // namespace

bool isChecksumCell(int row, int column)
{
    if (row < CharaTable::PlayerRow || row > CharaTable::LastOpponentRow)
        return false;
    if (column == CharaTable::MaxStrength)
        return row == CharaTable::PlayerRow;
    return column == CharaTable::Strength || (column >= CharaTable::Punch && column <= CharaTable::Draws);
}

std::optional<qint32> saveChecksum(const CharaTable &chara)
{
    // The game's order: row by row strength and columns 4 to 9, the player's maximum last.
    qint64 sum = 0;
    for (int row = CharaTable::PlayerRow; row <= CharaTable::LastOpponentRow; ++row) {
        if (!addCell(sum, chara(row, CharaTable::Strength)))
            return std::nullopt;
        for (int column = CharaTable::Punch; column <= CharaTable::Draws; ++column)
            if (!addCell(sum, chara(row, column)))
                return std::nullopt;
    }
    if (!addCell(sum, chara(CharaTable::PlayerRow, CharaTable::MaxStrength)))
        return std::nullopt;
    return static_cast<qint32>(sum);
}
