#pragma once

#include "data/GameState.h"
#include "history/core/DayEntry.h"

#include <QList>

// The career day by day: one entry for each day played since the day the history starts.
// A new career's history starts on day 1; a career loaded without its own history starts
// on the day it was loaded, and nothing before that day is known.
class CareerHistory
{
public:
    // An empty history that starts on that day.
    explicit CareerHistory(int startDay = 1) : m_startDay(startDay) {}

    // The first day the history can know of.
    int startDay() const { return m_startDay; }
    // The days recorded so far, in order.
    const QList<DayEntry> &entries() const { return m_entries; }

    // Records the day the state stands on (varNowDate) as a day of that kind, with the
    // boxer's values as they are now.
    void recordDay(const GameState &state, DayKind kind);
    // Records the day the state stands on as a bout against the opponent in that row of
    // the table, ended with that fight-record result code.
    void recordBout(const GameState &state, int opponentRow, int resultCode);

    // A history of these days; the entries' days must rise and none lie before startDay.
    static CareerHistory fromEntries(int startDay, QList<DayEntry> entries);

    bool operator==(const CareerHistory &other) const = default;

private:
    DayEntry entryFor(const GameState &state, DayKind kind) const;
    void append(const DayEntry &entry);

    int m_startDay;
    QList<DayEntry> m_entries;
};
