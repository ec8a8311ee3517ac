#pragma once

#include <QString>
#include <optional>

// What the player's day was spent on.
enum class DayKind { Rest, SandBag, PunchingBall, Sparring, Bout, Hospital };

// The word a day's kind is written as in the history file.
QString dayKindName(DayKind kind);
// The kind a word of the history file names, or none for a word the game does not write.
std::optional<DayKind> dayKindNamed(const QString &name);

// One day of a career: the boxer as the day left him, and for a bout whom he fought and how it went.
struct DayEntry
{
    int day = 0;
    DayKind kind = DayKind::Rest;
    int power = 0;
    int quickness = 0;
    int guts = 0;
    int strength = 0;
    int maxStrength = 0;
    QString ranking;
    QString opponent; // bouts only
    int result = 0;   // bouts only: the fight record's result code

    bool operator==(const DayEntry &other) const = default;
};
