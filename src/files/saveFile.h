#pragma once

#include "files/SaveLoadDialog.h"

class QLineEdit;

// The save dialog: the drive and directory lists and the name box `Text1`, which keeps
// the name typed from one use to the next. Save writes the career into the directory
// shown and goes back to the hub; Cancel goes back without writing.
class saveFile : public SaveLoadDialog
{
    Q_OBJECT
public:
    explicit saveFile(Game &game);

    // Writes the career to varFileName. When it cannot, tells the player why and
    // returns false; the previous file of that name is then left as it was.
    bool subSaveFile();

protected:
    void openClicked() override;
    void cancelClicked() override;

private:
    // Writes the career's history beside the save just written; a failure is told, not fatal.
    void saveHistory();
    QLineEdit *m_name = nullptr;
};
