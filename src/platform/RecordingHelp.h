#pragma once

#include "platform/Help.h"

#include <QStringList>

class Transcript;

// Opens no window and makes no folder; records each page of the manual and each folder asked
// for, in the transcript when there is one. A missing manual fails as it would in the game;
// folders open unless told to fail as on a desktop without a file manager.
class RecordingHelp : public Help
{
public:
    explicit RecordingHelp(Transcript *transcript = nullptr, Locator locate = &Help::findPage);

    QString open(Topic topic, const QWidget *opener) override;
    QString openFolder(const QString &path, const QWidget *opener) override;
    // The pages opened so far, by file name.
    const QStringList &opened() const { return m_opened; }
    // The folders opened so far, by path.
    const QStringList &openedFolders() const { return m_openedFolders; }
    // Whether folders open from now on.
    void setFoldersOpen(bool open) { m_foldersOpen = open; }

private:
    Transcript *m_transcript;
    Locator m_locate;
    QStringList m_opened;
    QStringList m_openedFolders;
    bool m_foldersOpen = true;
};
