#include "ending/Ending.h"
#include "hub/MainCommand.h"
#include "info/MyStatus.h"
#include "info/Senseki.h"
#include "support/Careers.h"
#include "support/GameFixture.h"

#include <QAbstractButton>
#include <QLabel>
#include <QTableWidget>
#include <QTest>

namespace {
void click(QWidget *screen, const QString &name)
{
    auto *button = screen->findChild<QAbstractButton *>(name);
    QVERIFY2(button, qPrintable(name));
    QVERIFY2(button->isEnabled() && screen->isEnabled(), qPrintable(name));
    button->click();
}

int gongs(const GameFixture &fixture)
{
    return static_cast<int>(fixture.sound->played().count(QStringLiteral("gong.wav")));
}

// A career that has just beaten the last champion, with the ending on screen.
void reachEnding(GameFixture &fixture)
{
    startCareer(fixture);
    GameState &state = fixture.state();
    state.varNextEnemy = 18;
    state.varSensekiCount = 17;
    for (int k = 1; k <= 17; ++k) {
        state.varSenseki[k][0] = state.Chara(k + 1, CharaTable::Name);
        state.varSenseki[k][1] = k == 17 ? 13 : 2;
    }
    fixture.game->hub().hide();
    fixture.game->openEnding();
}
} // namespace

class EndingTest : public QObject
{
    Q_OBJECT
private slots:
    void showsTheFarewellWords()
    {
        GameFixture fixture;
        reachEnding(fixture);
        Ending &ending = fixture.game->ending();
        QVERIFY(ending.isVisible());
        QCOMPARE(ending.windowTitle(), QStringLiteral("祝！世界チャンピョン"));
        QCOMPARE(fixture.state().varEndFlag, qint16(1));
        const auto text = [&ending](const char *name) {
            return ending.findChild<QLabel *>(QString::fromLatin1(name))->text();
        };
        QCOMPARE(text("Label1"), QStringLiteral("You are the Best in the World !!"));
        QCOMPARE(text("Label2(0)"), QStringLiteral("会長"));
        QCOMPARE(text("Label2(1)"), QStringLiteral("ミゲル・サラサール"));
        QVERIFY(text("Label3").endsWith(QStringLiteral("ワシは・・・ワシは・・・（;´Д｀）")));
        QCOMPARE(text("Label4"), QStringLiteral("チャンピョンおめでとう。君こそ僕が出会った中で一番のボクサーだったよ。"
                                                "またリングの上で会おう！"));
        QCOMPARE(ending.findChild<QAbstractButton *>(QStringLiteral("Command1"))->text(), QStringLiteral("全戦績"));
        QCOMPARE(ending.findChild<QAbstractButton *>(QStringLiteral("Command2"))->text(),
                 QStringLiteral("最終ステータス"));
        QCOMPARE(ending.findChild<QAbstractButton *>(QStringLiteral("Command3"))->text(), QStringLiteral("END"));
    }

    // Nine gongs, one every half second from the moment the ending appears, and then silence.
    void ringsNineGongsHalfASecondApart()
    {
        GameFixture fixture;
        reachEnding(fixture);
        QCOMPARE(gongs(fixture), 0);
        for (int gong = 1; gong <= 9; ++gong) {
            fixture.game->scheduler().advance(499);
            QCOMPARE(gongs(fixture), gong - 1);
            fixture.game->scheduler().advance(1);
            QCOMPARE(gongs(fixture), gong);
        }
        fixture.game->scheduler().advance(60 * 60 * 1000);
        QCOMPARE(gongs(fixture), 9);
        QCOMPARE(fixture.game->ending().varGongCount(), 9);
    }

    // Looking at the record or the status meanwhile neither restarts nor delays the gongs.
    void gongsAreNotRestartedByTheRecordOrTheStatus()
    {
        GameFixture fixture;
        reachEnding(fixture);
        Game &game = *fixture.game;
        Ending &ending = game.ending();
        game.scheduler().advance(1000);
        QCOMPARE(gongs(fixture), 2);

        click(&ending, QStringLiteral("Command1"));
        QVERIFY(!ending.isEnabled());
        game.scheduler().advance(500);
        QCOMPARE(gongs(fixture), 3);
        click(&game.senseki(), QStringLiteral("Command1"));
        QVERIFY(ending.isEnabled());

        click(&ending, QStringLiteral("Command2"));
        game.scheduler().advance(500);
        QCOMPARE(gongs(fixture), 4);
        click(&game.myStatus(), QStringLiteral("Command1"));

        game.scheduler().advance(2500);
        QCOMPARE(gongs(fixture), 9);
        click(&ending, QStringLiteral("Command1"));
        click(&game.senseki(), QStringLiteral("Command1"));
        // Showing the ending once more does not start a second round of gongs either.
        game.openEnding();
        game.scheduler().advance(10000);
        QCOMPARE(gongs(fixture), 9);
    }

    void fullRecordEndsWithTheWinOverTheChampion()
    {
        GameFixture fixture;
        reachEnding(fixture);
        click(&fixture.game->ending(), QStringLiteral("Command1"));
        auto *grid = fixture.game->senseki().findChild<QTableWidget *>(QStringLiteral("MSFlexGrid1"));
        QCOMPARE(grid->rowCount(), 17);
        QCOMPARE(grid->item(16, 0)->text(), QStringLiteral("17"));
        QCOMPARE(grid->item(16, 1)->text(), QStringLiteral("ミゲル・サラサール"));
        QCOMPARE(grid->item(16, 2)->text(), QStringLiteral("判定勝ち"));
        click(&fixture.game->senseki(), QStringLiteral("Command1"));
        QVERIFY(fixture.game->ending().isEnabled());
        QVERIFY(!fixture.game->hub().isVisible());
    }

    void endSaysGoodbyeAndEndsTheProgram()
    {
        GameFixture fixture;
        reachEnding(fixture);
        click(&fixture.game->ending(), QStringLiteral("Command3"));
        QCOMPARE(fixture.prompter->boxes(),
                 QStringList{QStringLiteral("RingGlory|Kanade「クリアーおめでとうございます。\r\n"
                                            "最後までプレイして頂きありがとうございました。\r\n"
                                            "また次回作でお会いできることを願っています。」")});
        QVERIFY(fixture.game->hasEnded());
    }

    // Closing the window says the same goodbye, so the program never runs on with no window;
    // while a card is open over the ending the close is refused.
    void closeBoxSaysGoodbyeOnlyWhenTheEndingIsInPlay()
    {
        GameFixture fixture;
        reachEnding(fixture);
        Ending &ending = fixture.game->ending();
        click(&ending, QStringLiteral("Command2"));
        QVERIFY(!ending.close());
        QVERIFY(ending.isVisible());
        QVERIFY(!fixture.game->hasEnded());
        QVERIFY(fixture.prompter->boxes().isEmpty());

        click(&fixture.game->myStatus(), QStringLiteral("Command1"));
        QVERIFY(!ending.close());
        QCOMPARE(fixture.prompter->boxes().size(), 1);
        QVERIFY(fixture.game->hasEnded());
    }
};

QTEST_MAIN(EndingTest)
#include "test_ending.moc"
