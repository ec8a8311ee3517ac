#include "replay/RecordingPrompter.h"

#include "replay/SessionRecorder.h"

namespace {
// An input box's answer as the driver gives it: a Cancel comes back as a null text.
QString inputLine(const QString &answer)
{
    return answer.isNull() ? QStringLiteral("input-cancel") : QStringLiteral("input ") + answer;
}
} // namespace

Prompter::Answer RecordingPrompter::showMessage(const QString &text, Buttons buttons, Icon icon,
                                                const QString &caption)
{
    if (m_recorder)
        m_recorder->boxOpening();
    const Answer answer = m_inner->message(text, buttons, icon, caption);
    // An OK-only box confirms itself in a replay.
    if (m_recorder && buttons == Buttons::YesNo)
        m_recorder->boxAnswered(answer == Answer::Yes ? QStringLiteral("answer yes") : QStringLiteral("answer no"));
    return answer;
}

QString RecordingPrompter::showInput(const QString &prompt, const QString &caption, const QString &defaultText)
{
    if (m_recorder)
        m_recorder->boxOpening();
    QString answer = m_inner->input(prompt, caption, defaultText);
    if (m_recorder)
        m_recorder->boxAnswered(inputLine(answer));
    return answer;
}

QString RecordingPrompter::showSaveFileName(const QString &caption, const QString &suggested, const QString &filter)
{
    if (m_recorder)
        m_recorder->boxOpening();
    QString answer = m_inner->saveFileName(caption, suggested, filter);
    if (m_recorder)
        m_recorder->boxAnswered(answer.isEmpty() ? QStringLiteral("input-cancel")
                                                 : QStringLiteral("input ") + m_recorder->recordedPath(answer));
    return answer;
}
