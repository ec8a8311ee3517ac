#include "history/core/CareerHistory.h"

DayEntry CareerHistory::entryFor(const GameState &state, DayKind kind) const
{
    const CharaTable &chara = state.Chara;
    const int player = CharaTable::PlayerRow;
    DayEntry entry;
    entry.day = state.varNowDate.toInt();
    entry.kind = kind;
    entry.power = chara(player, CharaTable::Punch).toInt();
    entry.quickness = chara(player, CharaTable::Quick).toInt();
    entry.guts = chara(player, CharaTable::Guts).toInt();
    entry.strength = chara(player, CharaTable::Strength).toInt();
    entry.maxStrength = chara(player, CharaTable::MaxStrength).toInt();
    entry.ranking = chara(player, CharaTable::Ranking).toText();
    return entry;
}

void CareerHistory::append(const DayEntry &entry)
{
    // A day told twice keeps its last telling, so the days stay one entry each and in order.
    while (!m_entries.isEmpty() && m_entries.last().day >= entry.day)
        m_entries.removeLast();
    m_entries.append(entry);
}

void CareerHistory::recordDay(const GameState &state, DayKind kind)
{
    append(entryFor(state, kind));
}

void CareerHistory::recordBout(const GameState &state, int opponentRow, int resultCode)
{
    DayEntry entry = entryFor(state, DayKind::Bout);
    entry.opponent = state.Chara(opponentRow, CharaTable::Name).toText();
    entry.result = resultCode;
    append(entry);
}

CareerHistory CareerHistory::fromEntries(int startDay, QList<DayEntry> entries)
{
    CareerHistory history(startDay);
    history.m_entries = std::move(entries);
    return history;
}
