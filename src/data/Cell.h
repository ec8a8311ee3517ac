#pragma once

#include <QString>
#include <variant>

// One small variant value of the game: nothing, a whole number or a text.
// The character table, the fight record and every "variant" game variable use it.
class Cell
{
public:
    Cell() = default;
    Cell(int number) : m_value(number) {}
    Cell(const QString &text) : m_value(text) {}
    Cell(const char *text) : m_value(QString::fromUtf8(text)) {}

    // Make the cell empty, a number or a text in place. Going through a temporary cell instead moves
    // a whole variant, which GCC 12 with optimisation and sanitizers takes for a read of an unset text.
    void clear() { m_value.emplace<std::monostate>(); }
    Cell &operator=(int number)
    {
        m_value = number;
        return *this;
    }
    Cell &operator=(const QString &text)
    {
        m_value = text;
        return *this;
    }

    bool isEmpty() const { return std::holds_alternative<std::monostate>(m_value); }
    bool isNumber() const { return std::holds_alternative<int>(m_value); }
    bool isText() const { return std::holds_alternative<QString>(m_value); }

    // The number; an empty cell counts as 0, a text that spells a whole number as that number, any other text as 0.
    int toInt() const;
    // The value as the game shows it: digits for a number, the text as it stands, nothing for an empty cell.
    QString toText() const;

    bool operator==(const Cell &other) const = default;

private:
    std::variant<std::monostate, int, QString> m_value;
};
