#include "match/Spar.h"

#include "app/Game.h"
#include "hub/MainCommand.h"
#include "match/core/MatchRules.h"
#include "platform/WindowPlacement.h"

#include <QLabel>

void Spar::subEnd()
{
    // An interval of 0 keeps the action timer silent even if a rising opponent enables it
    // again after the match; the next set-up gives it a new interval.
    m_timerEnemyAction.setEnabled(false);
    m_timerEnemyAction.setInterval(0);
    m_watchCount.setEnabled(false);
    m_downCountTimer.setEnabled(false);

    if (m_game.state().varSparMode == SparModeBout)
        endBout();
    else if (m_game.state().varSparMode == SparModeSparring)
        endSparring();
    else
        returnToHub();
}

void Spar::endBout()
{
    GameState &state = m_game.state();
    const int player = CharaTable::PlayerRow;
    const int enemy = enemyRow();

    // The record holds GameState::SensekiCapacity bouts; once full it stops growing and the
    // career goes on unrecorded, rather than writing past the table or the save file.
    const std::optional<int> recordRow = nextRecordRow(state.varSensekiCount, GameState::SensekiCapacity);
    if (recordRow) {
        state.varSensekiCount = *recordRow;
        state.varSenseki[*recordRow][0] = state.Chara(enemy, CharaTable::Name);
    }
    auto recordResult = [&](int code) {
        if (recordRow)
            state.varSenseki[*recordRow][1] = code;
        // The history keeps every bout, past the record's last row too.
        m_game.history().recordBout(state, enemy, code);
    };
    auto addOne = [&](int row, int column) { state.Chara(row, column) = state.Chara(row, column).toInt() + 1; };

    switch (varWinLose) {
    case WinLoseNone:
        m_game.message(QStringLiteral("Error"));
        m_game.end();
        return;
    case WinLoseWin:
        addOne(player, CharaTable::Wins);
        addOne(enemy, CharaTable::Losses);
        temp = state.Chara(player, CharaTable::Ranking);
        state.Chara(player, CharaTable::Ranking) = state.Chara(enemy, CharaTable::Ranking);
        state.Chara(enemy, CharaTable::Ranking) = temp;
        recordResult(resultCode(WinLoseWin, state.varNowRound, varHantei == 1));
        if (enemy == CharaTable::LastOpponentRow) {
            state.varEndFlag = 1;
            hide();
            m_game.openEnding(this);
            return;
        }
        state.varNextDate = 7;
        state.varNextEnemy = enemy + 1;
        state.varKaisen = roundsForNextEnemy(state.varNextEnemy, state.varKaisen.toInt());
        m_game.message(QStringLiteral("会長「よっしゃ！よくやった！！！！」"));
        m_game.hub().subNextEnemyMsgBox();
        m_game.message(QStringLiteral("会長「この勢いで勝ち続けるぞっ！！」"));
        break;
    case WinLoseLoss:
        addOne(player, CharaTable::Losses);
        addOne(enemy, CharaTable::Wins);
        recordResult(resultCode(WinLoseLoss, state.varNowRound, varHantei == 1));
        if (careerIsOver(state.Chara(player, CharaTable::Wins).toInt(), state.Chara(player, CharaTable::Losses).toInt())) {
            m_game.message(QStringLiteral("会長「すまないが、おまえの戦績じゃあこれ以上はムリだ・・・。」"));
            m_game.message(QStringLiteral("ゲームオーバー"));
            m_game.end();
            return;
        }
        state.varNextDate = 8;
        m_game.hub().subNextEnemyMsgBox();
        m_game.message(QStringLiteral("会長「次こそは絶対リベンジするぞ！」"));
        m_game.message(QStringLiteral("会長「また明日から練習だな・・・。」"));
        break;
    case WinLoseDraw:
        addOne(player, CharaTable::Draws);
        addOne(enemy, CharaTable::Draws);
        state.varNextDate = 5;
        m_game.hub().subNextEnemyMsgBox();
        m_game.message(QStringLiteral("会長「次こそは白黒ハッキリ付けるぞ！」"));
        m_game.message(QStringLiteral("会長「また明日から練習だな・・・。」"));
        recordResult(resultCode(WinLoseDraw, state.varNowRound, varHantei == 1));
        break;
    default:
        break;
    }
    returnToHub();
}

void Spar::endSparring()
{
    GameState &state = m_game.state();
    const int player = CharaTable::PlayerRow;
    auto add = [&](int column, int amount) {
        state.Chara(player, column) = state.Chara(player, column).toInt() + amount;
    };
    switch (sparringGain(state.varEnHP.toInt(), state.Chara(player, CharaTable::Strength).toInt())) {
    case SparringGain::Great:
        add(CharaTable::Guts, 4);
        add(CharaTable::MaxStrength, 8);
        m_game.message(QStringLiteral("根性が4上がった\r\n最大体力が8上がった"));
        break;
    case SparringGain::Some:
        add(CharaTable::Guts, 2);
        add(CharaTable::MaxStrength, 4);
        m_game.message(QStringLiteral("根性が2上がった\r\n最大体力が4上がった"));
        break;
    case SparringGain::None:
        m_game.message(QStringLiteral("練習の成果がでなかった・・・"));
        break;
    }
    m_game.history().recordDay(state, DayKind::Sparring);
    returnToHub();
}

void Spar::returnToHub()
{
    m_lblCount->hide();
    hide();
    setEnabled(false);
    MainCommand &hub = m_game.hub();
    // The hub comes back where the player left it, not wherever this screen stood.
    showWhereItWas(hub, this);
    hub.subOriginal();
}
