#pragma once

#include "app/Game.h"
#include "app/GamePorts.h"
#include "platform/RecordingSound.h"
#include "platform/ScriptedPrompter.h"

#include <QList>
#include <memory>

// Draws a fixed sequence of values, then repeats the last one: lets a test decide
// every random choice the game makes.
class FixedRandom : public Random
{
public:
    explicit FixedRandom(QList<double> draws) : m_draws(std::move(draws)) {}
    void setDraws(QList<double> draws)
    {
        m_draws = std::move(draws);
        m_next = 0;
    }
    double next() override
    {
        if (m_draws.isEmpty())
            return 0.0;
        const double draw = m_draws.at(std::min<qsizetype>(m_next, m_draws.size() - 1));
        ++m_next;
        return draw;
    }
    qsizetype drawsTaken() const { return m_next; }

private:
    QList<double> m_draws;
    qsizetype m_next = 0;
};

// A whole game with scripted boxes, recorded sounds, settings in memory and the virtual
// clock, for screen tests. Pass draws to fix the random choices.
struct GameFixture
{
    explicit GameFixture(std::optional<QList<double>> draws = std::nullopt)
        : GameFixture(nullptr, std::move(draws))
    {
    }

    // A game whose boxes the given prompter answers (a scripted one when null).
    GameFixture(std::unique_ptr<ScriptedPrompter> boxes, std::optional<QList<double>> draws)
    {
        Game::Ports ports = scriptedPorts(nullptr, &prompter, &sound);
        if (boxes) {
            prompter = boxes.get();
            ports.prompter = std::move(boxes);
        }
        if (draws) {
            auto fixed = std::make_unique<FixedRandom>(*draws);
            random = fixed.get();
            ports.random = std::move(fixed);
        }
        settings = static_cast<MemorySettings *>(ports.settings.get());
        game = std::make_unique<Game>(std::move(ports));
    }

    GameState &state() { return game->state(); }

    ScriptedPrompter *prompter = nullptr;
    RecordingSound *sound = nullptr;
    MemorySettings *settings = nullptr;
    FixedRandom *random = nullptr; // null unless draws were given
    std::unique_ptr<Game> game;
};
