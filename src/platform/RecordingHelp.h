#pragma once

#include "platform/Help.h"

#include <QStringList>

class Transcript;

// Opens no window; records each page of the manual asked for, in the transcript when there
// is one. A missing manual fails as it would in the game.
class RecordingHelp : public Help
{
public:
    explicit RecordingHelp(Transcript *transcript = nullptr, Locator locate = &Help::findPage);

    QString open(Topic topic, const QWidget *opener) override;
    // The pages opened so far, by file name.
    const QStringList &opened() const { return m_opened; }

private:
    Transcript *m_transcript;
    Locator m_locate;
    QStringList m_opened;
};
