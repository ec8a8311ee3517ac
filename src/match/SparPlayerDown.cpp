#include "match/Spar.h"

#include "app/Game.h"
#include "hub/MainCommand.h"
#include "match/core/MatchRules.h"
#include "platform/ShapeWidget.h"
#include "platform/WindowPlacement.h"

#include <QLabel>
#include <QPushButton>

void Spar::subMyDownHyoji()
{
    m_lblCount->show();
    m_head->hide();
    m_face->hide();
    for (int i = 0; i < 4; ++i) {
        m_front[i]->hide();
        m_back[i]->show();
    }
    for (int i = 0; i < 2; ++i) {
        m_rightArm[i]->hide();
        m_leftArm[i]->hide();
        m_leg[i]->show();
    }
}

void Spar::subUpHyoji()
{
    m_face->show();
    m_head->show();
    for (int i = 0; i < 4; ++i) {
        m_front[i]->show();
        m_back[i]->hide();
    }
    for (int i = 0; i < 2; ++i) {
        m_rightArm[i]->show();
        m_leftArm[i]->show();
        m_leg[i]->hide();
    }
}

void Spar::DownCountTimer_Timer()
{
    GameState &state = m_game.state();
    m_lblCount->setText(state.varDownCount.toText());
    if (state.varDownCount.toInt() != 10) {
        state.varDownCount = state.varDownCount.toInt() + 1;
        return;
    }

    // Counted out. The count is not raised past 10: the end of the match may already have
    // set up the next bout, whose count starts at 1.
    m_game.sound().play(QStringLiteral("gong.wav"));
    m_lblCount->setText(QStringLiteral("KO"));
    m_downCountTimer.setEnabled(false);
    m_watchCount.setEnabled(false);
    const int whoDown = WhoDown.isNumber() ? WhoDown.toInt() : 0;
    if (state.varSparMode == SparModeBout) {
        if (whoDown == 1) {
            varWinLose = WinLoseWin;
        } else if (whoDown == 2) {
            varWinLose = WinLoseLoss;
            setPunchButtonsVisible(true);
            m_wakeUp->hide();
        } else {
            m_game.message(QStringLiteral("Error"));
        }
        subEnd();
    } else if (state.varSparMode == SparModeSparring) {
        if (whoDown == 1) {
            state.varKekka = 2;
            subEnd();
        } else if (whoDown == 2) {
            collapse();
        } else {
            m_game.message(QStringLiteral("Error"));
        }
    }
}

void Spar::collapse()
{
    GameState &state = m_game.state();
    const int player = CharaTable::PlayerRow;
    state.Chara(player, CharaTable::Strength) = 0;
    m_sparHP[0]->setText(QStringLiteral("自分の体力：0"));
    m_watchCount.setEnabled(false);
    m_game.message(QStringLiteral("練習中に力つきて救急車で運ばれた・・・。"));
    m_game.message(QStringLiteral("二日後・・・"));
    state.Chara(player, CharaTable::Strength) = scaled(0.7, state.Chara(player, CharaTable::MaxStrength).toInt());
    m_game.history().recordDay(state, DayKind::Sparring);
    state.varNowDate = state.varNowDate.toInt() + 1;
    m_game.history().recordDay(state, DayKind::Hospital);
    setPunchButtonsVisible(true);
    m_wakeUp->hide();
    m_downCountTimer.setEnabled(false);
    m_timerEnemyAction.setEnabled(false);
    m_watchCount.setEnabled(false);
    m_lblCount->hide();
    hide();
    MainCommand &hub = m_game.hub();
    showCentredOver(hub, this);
    hub.subOriginal();
}

void Spar::WakeUp_Click()
{
    GameState &state = m_game.state();
    const int player = CharaTable::PlayerRow;
    ++state.varWakeUpCount;
    if (m_game.random().below(2) == 1) {
        Cell &strength = state.Chara(player, CharaTable::Strength);
        strength = recoveredStrength(strength.toInt(), knockdownRecovery(state.Chara(player, CharaTable::Guts).toInt()),
                                     state.Chara(player, CharaTable::MaxStrength).toInt());
    }
    showPlayerStrength();
    if (m_wakeUp->text() == QStringLiteral("立て！") && state.varWakeUpCount > 20)
        riseFromCount();
}

void Spar::riseFromCount()
{
    GameState &state = m_game.state();
    subUpHyoji();
    state.varWakeUpCount = 0;
    state.varDownCount = 0;
    m_lblCount->hide();
    m_lblCount->setText(state.varDownCount.toText());
    setPunchButtonsVisible(true);
    m_wakeUp->hide();
    m_watchCount.setEnabled(true);
    m_downCountTimer.setEnabled(false);
    m_timerEnemyAction.setEnabled(true);
    m_game.message(QStringLiteral("会長「よっしゃ！よく立った！！」"));
}

bool Spar::riseHoldApplies() const
{
    return m_game.options().riseAssist == GameOptions::RiseAssist::Hold && !m_wakeUp->isHidden() &&
           m_wakeUp->isEnabled() && m_wakeUp->text() == QStringLiteral("立て！");
}

void Spar::wakeUpPressed()
{
    m_clickTakenByHold = riseHoldApplies();
    if (!m_clickTakenByHold)
        return;
    WakeUp_Click();
    // The click may have raised the player; only a player still down keeps counting.
    if (riseHoldApplies())
        m_riseAssist.setEnabled(true);
}

void Spar::wakeUpReleased()
{
    m_riseAssist.setEnabled(false);
}

void Spar::riseAssistTick()
{
    // The count may have ended under the held button: a rise, a count-out or the bell.
    if (!riseHoldApplies()) {
        m_riseAssist.setEnabled(false);
        return;
    }
    WakeUp_Click();
}
