#include "title/NewCareer.h"

#include "app/Game.h"
#include "data/Roster.h"
#include "hub/MainCommand.h"
#include "platform/WindowPlacement.h"
#include "title/core/BoxerNameRules.h"

namespace {
const QString NewBoxerCaption = QStringLiteral("新規ボクサー作成");

// Asks until the answer is acceptable; every answer goes straight into the table cell.
void askUntilAcceptable(Game &game, int column, const QString &prompt, const QString &defaultText)
{
    for (;;) {
        const QString answer = game.prompter().input(prompt, NewBoxerCaption, defaultText);
        game.state().Chara(CharaTable::PlayerRow, column) = Cell(answer);
        if (isAcceptableBoxerName(answer))
            return;
        game.message(QStringLiteral("きちんと入力して下さい。"));
    }
}
} // namespace

void startNewCareer(Game &game)
{
    GameState &state = game.state();
    subCharaDataLoad(state.Chara);
    state.varNowDate = 1;
    game.history() = CareerHistory();
    game.unreadHistoryFile().clear();

    askUntilAcceptable(game, CharaTable::Name, QStringLiteral("名前を入力して下さい(五文字以内)"),
                       QStringLiteral("ボクサー名"));
    askUntilAcceptable(game, CharaTable::Birthplace, QStringLiteral("出身地を入力して下さい(五文字以内)"),
                       QStringLiteral("静岡県"));

    game.message(state.Chara(CharaTable::PlayerRow, CharaTable::Name).toText() +
                 QStringLiteral("さん。Ring Gloryの世界へようこそ！\r\n世界チャンピォン目指して頑張りましょう！"));
    game.message(QStringLiteral("会長「おう！新入りか！！いっぱいしごいてやるから覚悟しろよっ！"));

    state.varNextDate = 10;
    state.varNextEnemy = 2;
    state.varKaisen = 4;
    state.varSensekiCount = 0;
    state.varSandHit = 0;
    state.varSandMiss = 0;
    state.varBallHit = 0;
    state.varBallMiss = 0;

    MainCommand &hub = game.hub();
    hub.refreshCareer();
    showCentredOver(hub, game.title());
}
