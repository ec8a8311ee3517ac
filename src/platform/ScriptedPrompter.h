#pragma once

#include "platform/Prompter.h"

#include <QQueue>
#include <QStringList>
#include <optional>

class Transcript;

// Boxes answered from queues, for the script driver and tests. OK-only boxes confirm
// themselves; a Yes/No box takes the next queued answer, an input box and a file box the
// next queued text.
// Every box is recorded, in the transcript when there is one and in boxes() always.
class ScriptedPrompter : public Prompter
{
public:
    explicit ScriptedPrompter(Transcript *transcript = nullptr) : m_transcript(transcript) {}

    void queueAnswer(bool yes) { m_answers.enqueue(yes); }
    void queueInput(const QString &text) { m_inputs.enqueue(text); }
    void queueInputCancel() { m_inputs.enqueue(std::nullopt); }
    // From here on a file box's answer outside folder is refused and the box cancelled; empty
    // takes any path.
    void confineFileBoxesTo(const QString &folder) { m_fileBoxFolder = folder; }
    // Answers and input texts queued and not yet taken by a box.
    qsizetype pendingAnswers() const { return m_answers.size(); }
    qsizetype pendingInputs() const { return m_inputs.size(); }

    // Each box shown so far, as "CAPTION|TEXT" for a message and "CAPTION|PROMPT" for an input.
    const QStringList &boxes() const { return m_boxes; }
    // The texts of the message boxes shown so far, in order.
    QStringList messageTexts() const { return m_messageTexts; }
    void clearRecord();

protected:
    Answer showMessage(const QString &text, Buttons buttons, Icon icon, const QString &caption) override;
    QString showInput(const QString &prompt, const QString &caption, const QString &defaultText) override;
    QString showSaveFileName(const QString &caption, const QString &suggested, const QString &filter) override;

private:
    void complain(const QString &message);

    Transcript *m_transcript;
    QQueue<bool> m_answers;
    QQueue<std::optional<QString>> m_inputs;
    QString m_fileBoxFolder;
    QStringList m_boxes;
    QStringList m_messageTexts;
};
