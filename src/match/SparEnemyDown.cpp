#include "match/Spar.h"

#include "app/Game.h"
#include "match/core/MatchRules.h"
#include "platform/LineWidget.h"
#include "platform/ShapeWidget.h"

#include <QLabel>
#include <QPushButton>

namespace {
constexpr int FallStep = 900;
} // namespace

void Spar::subEnemyDown()
{
    GameState &state = m_game.state();
    const int strength = state.varEnHP.toInt() - state.varEnDamage.toInt();
    // The sweat test sees the strength before it is held at 0.
    if (sweatsAt(strength, enemyFullStrength()))
        setSweatVisible(true);
    state.varEnHP = std::max(0, strength);
    showEnemyStrength();
    if (state.varEnHP.toInt() != 0)
        return;

    state.varDownCount = 1;
    setPunchButtonsEnabled(false);
    WhoDown = 1;
    ++varEnDown;
    ++varEnDownAll;
    m_timerEnemyAction.setEnabled(false);
    // Enabled in this order, the fall ticks before the count on their shared beat.
    m_enemyDownUpTimer.setEnabled(true);
    m_downCountTimer.setEnabled(true);
    m_lblCount->setText(QStringLiteral("1"));
    m_lblCount->show();
}

void Spar::EnemyDownUPTimer_Timer()
{
    GameState &state = m_game.state();
    if (WhoDown == Cell(1) && varEnDown != 3) {
        const int full = enemyFullStrength();
        state.varEnHP = recoveredStrength(state.varEnHP.toInt(), knockdownRecovery(state.varEnGuts.toInt()), full);
        showEnemyStrength();
        if (sweatDriesAt(state.varEnHP.toInt(), full))
            setSweatVisible(false);
    }

    switch (varDownJotai) {
    case 0:
        if (varEnDown == 3) {
            varWinLose = WinLoseWin;
            state.varKekka = 2;
            m_game.sound().play(QStringLiteral("gong.wav"));
            m_lblCount->setText(QStringLiteral("TKO"));
            subEnemyUpHyoji();
            subEnd();
            return;
        }
        moveFigure(FallStep);
        if (topOf(m_rightArm[0]) > 3300)
            varDownJotai = 1;
        break;
    case 1:
        ++varDownWait;
        if (varDownWait == 2)
            varDownJotai = 2;
        break;
    case 2:
        moveFigure(-FallStep);
        if (topOf(m_front[0]) == 960) {
            // An opponent that fell from a high guard is up on the tenth beat, when the count
            // is due too: this timer was enabled first and so ticks first, and the standing-up
            // below stops the count before it can reach ten.
            setPunchButtonsEnabled(true);
            subEnemyUpHyoji();
            m_lblCount->hide();
            state.varDownCount = 1;
            varDownWait = 0;
        }
        break;
    default:
        break;
    }
}

void Spar::subEnemyUpHyoji()
{
    varDownJotai = 0;
    m_timerEnemyAction.setEnabled(true);
    m_enemyDownUpTimer.setEnabled(false);
    m_downCountTimer.setEnabled(false);
    setPunchButtonsEnabled(true);
    standFigure();
}

void Spar::moveFigure(int dy)
{
    QWidget *const parts[] = {m_head,        m_face,        m_front[0],   m_front[1],  m_front[2],
                              m_front[3],    m_rightArm[0], m_rightArm[1], m_leftArm[0], m_leftArm[1]};
    for (QWidget *part : parts)
        setTop(part, topOf(part) + dy);
}

void Spar::showEnemyStrength()
{
    const int strength = m_game.state().varEnHP.toInt();
    m_sparHP[1]->setText(QStringLiteral("相手の体力：") + QString::number(strength));
    setWidthTwips(m_enHPNow, strength);
}

void Spar::setSweatVisible(bool visible)
{
    for (LineWidget *line : m_sweat)
        line->setVisible(visible);
}
