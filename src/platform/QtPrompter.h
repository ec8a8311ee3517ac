#pragma once

#include "platform/Prompter.h"

#include <memory>

class QInputDialog;
class QMessageBox;

// Real message and input boxes, modal over the active window.
class QtPrompter : public Prompter
{
public:
    // The message box this prompter shows, built over the active window and not yet shown:
    // the game's button texts (Yes the default of a Yes/No box), its icon and caption.
    static std::unique_ptr<QMessageBox> messageBox(const QString &text, Buttons buttons, Icon icon,
                                                   const QString &caption);
    // The input box this prompter shows, built over the active window and not yet shown.
    static std::unique_ptr<QInputDialog> inputBox(const QString &prompt, const QString &caption,
                                                  const QString &defaultText);

protected:
    Answer showMessage(const QString &text, Buttons buttons, Icon icon, const QString &caption) override;
    QString showInput(const QString &prompt, const QString &caption, const QString &defaultText) override;
    QString showSaveFileName(const QString &caption, const QString &suggested, const QString &filter) override;
};
