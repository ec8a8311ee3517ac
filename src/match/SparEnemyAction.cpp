#include "match/Spar.h"

#include "app/Game.h"
#include "match/core/MatchRules.h"
#include "platform/ShapeWidget.h"

#include <QLabel>
#include <QPushButton>

void Spar::TimerEnemyAction_Timer()
{
    GameState &state = m_game.state();
    Random &random = m_game.random();
    const int player = CharaTable::PlayerRow;

    state.varEnGuardR = guardHeightFromDraw(random.next());
    state.varEnGuardL = guardHeightFromDraw(random.next());
    setArmHeight(m_rightArm, state.varEnGuardR.toInt());
    setArmHeight(m_leftArm, state.varEnGuardL);

    const int divisor = enemyPunchDivisor(isGuarding());
    state.varMyDamage = hitDamage(state.varEnPower.toInt(), divisor, random.next());
    Cell &strength = state.Chara(player, CharaTable::Strength);
    strength = std::max(0, strength.toInt() - state.varMyDamage);
    showPlayerStrength();
    if (strength.toInt() != 0)
        return;

    subMyDownHyoji();
    WhoDown = 2;
    ++varMyDown;
    ++varMyDownAll;
    if (varMyDown == 3) {
        // Every timer that could act behind the box is stopped before it opens.
        m_timerEnemyAction.setEnabled(false);
        m_watchCount.setEnabled(false);
        m_lblCount->setText(QStringLiteral("TKO"));
        m_game.message(QStringLiteral("TKO負けした"));
        hide();
        varWinLose = WinLoseLoss;
        m_downCountTimer.setEnabled(false);
        m_lblCount->hide();
        strength = scaled(0.7, state.Chara(player, CharaTable::MaxStrength).toInt());
        subEnd();
        return;
    }
    m_downCountTimer.setEnabled(true);
    m_timerEnemyAction.setEnabled(false);
    setPunchButtonsVisible(false);
    m_wakeUp->show();
}

void Spar::setArmHeight(std::array<ShapeWidget *, 2> &arm, int height)
{
    for (int part = 0; part < 2; ++part)
        setTop(arm[part], armTop(height, part));
}

void Spar::showPlayerStrength()
{
    const int strength = m_game.state().Chara(CharaTable::PlayerRow, CharaTable::Strength).toInt();
    m_sparHP[0]->setText(QStringLiteral("自分の体力：") + QString::number(strength));
    setWidthTwips(m_myHPNow, strength);
}
