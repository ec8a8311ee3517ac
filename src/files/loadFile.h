#pragma once

#include "files/SaveLoadDialog.h"

class QListWidget;

// The load dialog: the drive and directory lists and the file list `File1` of the
// directory's ".sav" files. Open reads the chosen file into the career and shows the
// hub; Cancel goes back where the dialog was opened from (the hub, or a new title screen).
class loadFile : public SaveLoadDialog
{
    Q_OBJECT
public:
    explicit loadFile(Game &game);

protected:
    void directoryChanged() override;
    void openClicked() override;
    void cancelClicked() override;

private:
    // Reads the history beside the save at that path, noting a file it could not use.
    void loadHistory(const QString &savePath);
    void returnToHub();

    QListWidget *m_files = nullptr;
    QString m_listedDirectory;
};
