#pragma once

#include "data/Cell.h"

#include <array>

// The table of every character of a career: row 0 the column captions, row 1 the
// player's boxer, rows 2 to 18 the opponents in ladder order; 13 attributes each.
class CharaTable
{
public:
    static constexpr int Rows = 19;
    static constexpr int Columns = 13;
    static constexpr int PlayerRow = 1;
    static constexpr int FirstOpponentRow = 2;
    static constexpr int LastOpponentRow = 18;

    // Columns by meaning; column 3 is the player's maximum strength and an opponent's description.
    enum Column {
        Name = 0,
        Birthplace = 1,
        Strength = 2,
        MaxStrength = 3,
        Description = 3,
        Punch = 4,
        Quick = 5,
        Guts = 6,
        Wins = 7,
        Losses = 8,
        Draws = 9,
        SkinColour = 10,
        FaceFile = 11,
        Ranking = 12,
    };

    // The cell at (row, column); both must lie inside the table.
    Cell &operator()(int row, int column) { return m_cells.at(row).at(column); }
    const Cell &operator()(int row, int column) const { return m_cells.at(row).at(column); }

    bool operator==(const CharaTable &other) const = default;

private:
    std::array<std::array<Cell, Columns>, Rows> m_cells{};
};
