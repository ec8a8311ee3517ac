#pragma once

#include "platform/Prompter.h"

// Real message and input boxes, modal over the active window.
class QtPrompter : public Prompter
{
protected:
    Answer showMessage(const QString &text, Buttons buttons, Icon icon, const QString &caption) override;
    QString showInput(const QString &prompt, const QString &caption, const QString &defaultText) override;
    QString showSaveFileName(const QString &caption, const QString &suggested, const QString &filter) override;
};
