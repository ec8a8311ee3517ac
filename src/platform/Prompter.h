#pragma once

#include <QString>

class Scheduler;

// Message boxes and input boxes: everything that waits for the player's answer.
// The game clock stands still while a box is open.
class Prompter
{
public:
    enum class Buttons { Ok, YesNo };
    enum class Icon { None, Information, Warning, Critical, Question };
    enum class Answer { Ok, Yes, No };

    static QString applicationTitle() { return QStringLiteral("RingGlory"); }

    virtual ~Prompter() = default;

    // The clock to stop while a box is open; the Game sets it once.
    void setClock(Scheduler *clock) { m_clock = clock; }

    // Shows a message box and returns the button the player pressed.
    Answer message(const QString &text, Buttons buttons = Buttons::Ok, Icon icon = Icon::None,
                   const QString &caption = applicationTitle());
    // Shows an input box and returns the typed text, or an empty text on Cancel.
    QString input(const QString &prompt, const QString &caption, const QString &defaultText);
    // Asks where to save a file, starting from the suggested path and offering the filter
    // ("NAME (*.EXT)"); returns the chosen path, or an empty text on Cancel.
    QString saveFileName(const QString &caption, const QString &suggested, const QString &filter);

protected:
    virtual Answer showMessage(const QString &text, Buttons buttons, Icon icon, const QString &caption) = 0;
    virtual QString showInput(const QString &prompt, const QString &caption, const QString &defaultText) = 0;
    virtual QString showSaveFileName(const QString &caption, const QString &suggested, const QString &filter) = 0;

private:
    Scheduler *m_clock = nullptr;
};
