#include "replay/ReplayPrompter.h"

#include "platform/QtPrompter.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

ReplayPrompter::ReplayPrompter(std::unique_ptr<Prompter> player, Transcript *transcript)
    : ScriptedPrompter(transcript), m_player(std::move(player))
{
}

Prompter::Answer ReplayPrompter::showMessage(const QString &text, Buttons buttons, Icon icon, const QString &caption)
{
    if (m_mode == Mode::Player)
        return m_player->message(text, buttons, icon, caption);
    const Answer answer = ScriptedPrompter::showMessage(text, buttons, icon, caption);
    if (m_mode == Mode::Show && m_present) {
        const std::unique_ptr<QMessageBox> box = QtPrompter::messageBox(text, buttons, icon, caption);
        // The button the record pressed is the one that shows as chosen.
        const QMessageBox::ButtonRole chosen = answer == Answer::Yes  ? QMessageBox::YesRole
                                               : answer == Answer::No ? QMessageBox::NoRole
                                                                      : QMessageBox::AcceptRole;
        for (QAbstractButton *button : box->buttons()) {
            if (box->buttonRole(button) == chosen)
                box->setDefaultButton(qobject_cast<QPushButton *>(button));
        }
        m_present(*box);
    }
    return answer;
}

QString ReplayPrompter::showInput(const QString &prompt, const QString &caption, const QString &defaultText)
{
    if (m_mode == Mode::Player)
        return m_player->input(prompt, caption, defaultText);
    QString answer = ScriptedPrompter::showInput(prompt, caption, defaultText);
    if (m_mode == Mode::Show && m_present) {
        const std::unique_ptr<QInputDialog> box = QtPrompter::inputBox(prompt, caption, defaultText);
        // A cancelled box shows what it offered; an answered one shows what the player typed.
        if (!answer.isNull())
            box->setTextValue(answer);
        m_present(*box);
    }
    return answer;
}

QString ReplayPrompter::showSaveFileName(const QString &caption, const QString &suggested, const QString &filter)
{
    // The file chooser is the desktop's own and cannot be shown half filled in: during the
    // replay it is answered without showing.
    if (m_mode == Mode::Player)
        return m_player->saveFileName(caption, suggested, filter);
    return ScriptedPrompter::showSaveFileName(caption, suggested, filter);
}
