#include "info/core/BoxerCard.h"

namespace {
BoxerCard commonCard(const CharaTable &chara, int row)
{
    BoxerCard card;
    card.name = chara(row, CharaTable::Name).toText();
    card.ranking = chara(row, CharaTable::Ranking).toText();
    card.birthplace = chara(row, CharaTable::Birthplace).toText();
    card.punch = chara(row, CharaTable::Punch).toText();
    card.quick = chara(row, CharaTable::Quick).toText();
    card.guts = chara(row, CharaTable::Guts).toText();
    card.record = recordText(chara(row, CharaTable::Wins), chara(row, CharaTable::Losses), chara(row, CharaTable::Draws));
    return card;
}
} // namespace

QString recordText(const Cell &wins, const Cell &losses, const Cell &draws)
{
    return wins.toText() + QStringLiteral("勝") + losses.toText() + QStringLiteral("敗") + draws.toText() +
           QStringLiteral("分");
}

BoxerCard playerCard(const GameState &state)
{
    const CharaTable &chara = state.Chara;
    BoxerCard card = commonCard(chara, CharaTable::PlayerRow);
    card.strength = chara(CharaTable::PlayerRow, CharaTable::Strength).toText() + QStringLiteral("/") +
                    chara(CharaTable::PlayerRow, CharaTable::MaxStrength).toText();
    return card;
}

BoxerCard opponentCard(const GameState &state, int row)
{
    // A loaded career could name a row the table does not have; the card then stays blank
    // rather than reading outside the table.
    if (row < 0 || row >= CharaTable::Rows)
        return {};
    const CharaTable &chara = state.Chara;
    BoxerCard card = commonCard(chara, row);
    card.strength = chara(row, CharaTable::Strength).toText();
    card.message = chara(row, CharaTable::Description).toText();
    return card;
}
