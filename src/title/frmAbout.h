#pragma once

#include <QDialog>

class Game;

// "ﾊﾞｰｼﾞｮﾝ情報 RingGlory": the program's icon, title and version, OK and the
// system-information button. Built for each showing, modal, owned by the screen that
// opened it; it deletes itself when it closes.
class frmAbout : public QDialog
{
    Q_OBJECT
public:
    frmAbout(Game &game, QWidget &owner);

    // Starts the machine's system-information tool, or tells the player it is not available.
    void StartSysInfo();

protected:
    // Esc stands for OK and goes through its click.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Form_Load();

    Game &m_game;
};
