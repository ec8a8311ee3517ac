#pragma once

#include "platform/ScriptedPrompter.h"

#include <functional>
#include <memory>

class QWidget;

// The boxes of a replay. The record's `answer` and `input` lines queue the answers, as they do
// for the script driver, and every box is written to the transcript the same way; a box can
// also be shown as the real box for a moment before it takes its answer. Once the player takes
// over, the boxes are the player's own and wait for the player.
class ReplayPrompter : public ScriptedPrompter
{
public:
    enum class Mode {
        Answer, // answered from the queue, never shown
        Show,   // shown for a moment with the record's answer, then answered from the queue
        Player, // the player's own boxes
    };
    // Puts a box built and placed as the game's own on the screen for a moment, and takes it off.
    using Presenter = std::function<void(QWidget &box)>;

    ReplayPrompter(std::unique_ptr<Prompter> player, Transcript *transcript);

    void setMode(Mode mode) { m_mode = mode; }
    // What shows a box in Show mode.
    void setPresenter(Presenter presenter) { m_present = std::move(presenter); }

protected:
    Answer showMessage(const QString &text, Buttons buttons, Icon icon, const QString &caption) override;
    QString showInput(const QString &prompt, const QString &caption, const QString &defaultText) override;
    QString showSaveFileName(const QString &caption, const QString &suggested, const QString &filter) override;

private:
    std::unique_ptr<Prompter> m_player;
    Presenter m_present;
    Mode m_mode = Mode::Answer;
};
