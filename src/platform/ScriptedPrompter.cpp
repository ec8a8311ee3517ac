#include "platform/ScriptedPrompter.h"

#include "platform/Transcript.h"
#include "platform/core/FolderConfinement.h"

#include <QDebug>

void ScriptedPrompter::clearRecord()
{
    m_boxes.clear();
    m_messageTexts.clear();
}

void ScriptedPrompter::complain(const QString &message)
{
    if (m_transcript)
        m_transcript->error(message);
    else
        qWarning("%s", qPrintable(message));
}

Prompter::Answer ScriptedPrompter::showMessage(const QString &text, Buttons buttons, Icon, const QString &caption)
{
    m_boxes.append(caption + QLatin1Char('|') + text);
    m_messageTexts.append(text);
    Answer answer = Answer::Ok;
    if (buttons == Buttons::YesNo) {
        if (m_answers.isEmpty()) {
            // Without a queued answer the box gets the safe one, and the run is marked failed.
            complain(QStringLiteral("no answer queued for the box \"%1\": answered no").arg(text));
            answer = Answer::No;
        } else {
            answer = m_answers.dequeue() ? Answer::Yes : Answer::No;
        }
    }
    if (m_transcript) {
        const QString shown = answer == Answer::Yes ? QStringLiteral("yes")
                              : answer == Answer::No ? QStringLiteral("no")
                                                     : QStringLiteral("ok");
        m_transcript->write(QStringLiteral("msgbox"), {caption, text, shown});
    }
    return answer;
}

QString ScriptedPrompter::showInput(const QString &prompt, const QString &caption, const QString &defaultText)
{
    m_boxes.append(caption + QLatin1Char('|') + prompt);
    std::optional<QString> answer;
    if (m_inputs.isEmpty()) {
        // A box nobody answers is confirmed as it stands, so no question can loop for ever.
        complain(QStringLiteral("no input queued for the box \"%1\": confirmed the default").arg(prompt));
        answer = defaultText;
    } else {
        answer = m_inputs.dequeue();
    }
    if (m_transcript)
        m_transcript->write(QStringLiteral("input"),
                            {caption, prompt, defaultText, answer ? *answer : QStringLiteral("<cancel>")});
    return answer.value_or(QString());
}

QString ScriptedPrompter::showSaveFileName(const QString &caption, const QString &, const QString &)
{
    // The file box is answered like an input box: the next queued text is the path, a
    // queued cancel cancels, and with nothing queued the box is cancelled.
    m_boxes.append(caption + QLatin1Char('|'));
    std::optional<QString> answer;
    if (m_inputs.isEmpty())
        complain(QStringLiteral("no input queued for the file box \"%1\": cancelled").arg(caption));
    else
        answer = m_inputs.dequeue();
    if (answer && !m_fileBoxFolder.isEmpty() && !liesWithinFolder(*answer, m_fileBoxFolder)) {
        complain(
            QStringLiteral("the file box's answer %1 is outside the private folder: cancelled").arg(*answer));
        answer.reset();
    }
    if (m_transcript)
        m_transcript->write(QStringLiteral("filebox"), {caption, answer ? *answer : QStringLiteral("<cancel>")});
    return answer.value_or(QString());
}
