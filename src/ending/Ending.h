#pragma once

#include "platform/core/Timer.h"

#include <QJsonObject>
#include <QWidget>

class Game;

// "祝！世界チャンピョン": the last screen of a career, shown after the win over the last
// champion. The chairman and the beaten champion say farewell, a gong rings nine times,
// and the player may look at the full record and the final status before END.
class Ending : public QWidget
{
    Q_OBJECT
public:
    explicit Ending(Game &game);

    // Starts the nine gongs; once started they are never started again.
    void subOriginal();
    // Gongs rung so far, nine at most.
    int varGongCount() const { return m_gongCount; }

    // The screen's own variables, for the script driver's state command.
    Q_INVOKABLE QJsonObject scriptState() const;

protected:
    // The close box says goodbye like END, so the program never runs on with no window.
    void closeEvent(QCloseEvent *event) override;

private:
    void Timer1_Timer();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

    Game &m_game;
    Timer m_gongTimer;
    int m_gongCount = 0;
};
