#include "match/Spar.h"

#include "app/Game.h"
#include "match/core/MatchRules.h"
#include "platform/ShapeWidget.h"

#include <QLabel>
#include <QPushButton>

namespace {
const QString RestCaption = QStringLiteral("休め！");
const QString RiseCaption = QStringLiteral("立て！");
} // namespace

bool Spar::inInterval() const
{
    // The caption of WakeUp is the only mark of the interval.
    return m_wakeUp->text() == RestCaption;
}

void Spar::WatchCount_Timer()
{
    GameState &state = m_game.state();

    if (inInterval()) {
        state.varEnHP = recoveredStrength(state.varEnHP.toInt(), intervalRecovery(state.varEnGuts.toInt()),
                                          enemyFullStrength());
        setWidthTwips(m_enHPNow, state.varEnHP.toInt());
    }

    int seconds = state.varClockSec.toInt() - 1;
    if (seconds < 0) {
        --state.varClockMin;
        seconds = 59;
    }
    state.varClockSec = seconds;
    m_timerWatch->setText(clockText(state.varClockMin, seconds));

    if (seconds != 0 || state.varClockMin != 0)
        return;
    if (inInterval()) {
        endInterval();
        return;
    }

    m_game.sound().play(QStringLiteral("gong.wav"));
    const bool bout = state.varSparMode == SparModeBout;
    // A bout whose number of rounds is out of range (a damaged save) ends at this bell too,
    // rather than running its clock below 0:00 for ever.
    if (bout && state.varNowRound >= state.varKaisen.toInt()) {
        m_watchCount.setEnabled(false);
        m_timerEnemyAction.setEnabled(false);
        m_downCountTimer.setEnabled(false);
        m_enemyDownUpTimer.setEnabled(false);
        decide();
        subEnd();
    } else if (bout && state.varNowRound < state.varKaisen.toInt()) {
        startInterval();
    } else if (state.varSparMode == SparModeSparring) {
        Cell &strength = state.Chara(CharaTable::PlayerRow, CharaTable::Strength);
        if (strength.toInt() == 0) {
            strength = scaled(0.8, state.Chara(CharaTable::PlayerRow, CharaTable::MaxStrength).toInt());
            setPunchButtonsVisible(true);
            m_wakeUp->hide();
        }
        subEnd();
    }
}

void Spar::endInterval()
{
    GameState &state = m_game.state();
    m_game.sound().play(QStringLiteral("gong.wav"));
    ++state.varNowRound;
    m_nowRound->setText(QString::number(state.varNowRound) + QStringLiteral("R"));
    m_timerEnemyAction.setEnabled(true);
    state.varWakeUpCount = 0;
    // The label keeps 0:00 until the next tick shows 2:59.
    state.varClockMin = 3;
    state.varClockSec = 0;
    setPunchButtonsVisible(true);
    m_wakeUp->hide();
    m_wakeUp->setText(RiseCaption);
}

void Spar::decide()
{
    GameState &state = m_game.state();
    varHantei = 1;
    m_game.message(QStringLiteral("会長「よく戦った！さあ、判定だ・・・」"));
    if (varEnDownAll > varMyDownAll) {
        varWinLose = WinLoseWin;
        m_game.message(QStringLiteral("レフリー「") + state.Chara(CharaTable::PlayerRow, CharaTable::Name).toText() +
                       QStringLiteral("の勝ち！」"));
    } else if (varMyDownAll > varEnDownAll) {
        varWinLose = WinLoseLoss;
        m_game.message(QStringLiteral("レフリー「") + state.Chara(enemyRow(), CharaTable::Name).toText() +
                       QStringLiteral("の勝ち！」"));
    } else {
        varWinLose = WinLoseDraw;
        m_game.message(QStringLiteral("レフリー「ドロー！」"));
    }
    Cell &strength = state.Chara(CharaTable::PlayerRow, CharaTable::Strength);
    if (strength.toInt() == 0) {
        strength = scaled(0.8, state.Chara(CharaTable::PlayerRow, CharaTable::MaxStrength).toInt());
        setPunchButtonsVisible(true);
        m_wakeUp->hide();
    }
}

void Spar::startInterval()
{
    GameState &state = m_game.state();
    if (m_enemyDownUpTimer.isEnabled()) {
        m_lblCount->hide();
        state.varDownCount = 1;
        subEnemyUpHyoji();
        m_wakeUp->setEnabled(true);
    }
    if (m_rightStraight->isHidden()) {
        // Saved by the bell: the player stands, with no strength until the interval's clicks.
        subUpHyoji();
        state.varWakeUpCount = 0;
        state.varDownCount = 0;
        m_lblCount->hide();
        m_lblCount->setText(state.varDownCount.toText());
        standFigure();
        setPunchButtonsVisible(true);
        m_downCountTimer.setEnabled(false);
        m_wakeUp->hide();
    }
    varEnDown = 0;
    varMyDown = 0;

    m_watchCount.setEnabled(false);
    state.varClockMin = 1;
    state.varClockSec = 0;
    m_wakeUp->setText(RestCaption);
    m_timerWatch->setText(QStringLiteral("1:00"));
    m_watchCount.setEnabled(true);

    m_timerEnemyAction.setEnabled(false);
    setPunchButtonsVisible(false);
    m_wakeUp->show();
}
