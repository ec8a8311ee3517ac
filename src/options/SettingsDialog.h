#pragma once

#include <QDialog>

class Game;
class QCheckBox;
class QComboBox;
class QLabel;
class QSlider;

// "設定": the player's options. Each choice takes effect at once and is kept for the next
// start; 既定に戻す brings every option back to the game's own behaviour. Modal for the
// whole game without a nested event loop; the game clock stands still while it is open.
class SettingsDialog : public QDialog
{
    Q_OBJECT
public:
    SettingsDialog(Game &game, QWidget &owner);
    ~SettingsDialog() override;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    // Esc stands for 閉じる and goes through its click.
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Shows the options in force, without taking them for the player's choice.
    void showOptions();
    // Puts the choices the controls show in force.
    void choose();
    void restoreDefaults();
    void holdClock(bool hold);

    Game &m_game;
    QComboBox *m_scale = nullptr;
    QSlider *m_volume = nullptr;
    QLabel *m_volumeText = nullptr;
    QCheckBox *m_mute = nullptr;
    QCheckBox *m_riseAssist = nullptr;
    QComboBox *m_guardCue = nullptr;
    bool m_clockHeld = false;
};
