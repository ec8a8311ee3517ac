#include "support/Careers.h"

#include "hub/MainCommand.h"
#include "title/frmMain.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QTest>

namespace {
void click(QWidget *form, const char *name)
{
    if (auto *button = form->findChild<QAbstractButton *>(QString::fromLatin1(name)))
        button->click();
    else
        form->findChild<QAction *>(QString::fromLatin1(name))->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

const QString Retry = QStringLiteral("きちんと入力して下さい。");
} // namespace

class TitleTest : public QObject
{
    Q_OBJECT
private slots:
    // Refused answers bring the message and the same question again; the accepted name stays.
    void newGameAsksUntilBothAnswersAreAcceptable()
    {
        GameFixture fixture;
        frmMain &title = fixture.game->openTitle();
        for (const QString &answer : {QString(), QStringLiteral("六文字のなまえ"), QStringLiteral("a,b")})
            fixture.prompter->queueInput(answer);
        fixture.prompter->queueInputCancel();
        fixture.prompter->queueInput(QStringLiteral("山田太郎丸"));
        fixture.prompter->queueInputCancel();
        fixture.prompter->queueInput(QStringLiteral("😀"));
        fixture.prompter->queueInput(QStringLiteral("東京都"));
        click(&title, "Command1");

        QCOMPARE(fixture.game->title(), nullptr);
        const QStringList messages = fixture.prompter->messageTexts();
        QCOMPARE(messages.size(), 8);
        for (int i = 0; i < 6; ++i)
            QCOMPARE(messages[i], Retry);
        QCOMPARE(messages[6], QStringLiteral("山田太郎丸さん。Ring Gloryの世界へようこそ！\r\n"
                                             "世界チャンピォン目指して頑張りましょう！"));
        QCOMPARE(messages[7], QStringLiteral("会長「おう！新入りか！！いっぱいしごいてやるから覚悟しろよっ！"));
        QCOMPARE(fixture.prompter->boxes().count(QStringLiteral("新規ボクサー作成|名前を入力して下さい(五文字以内)")), 5);
        QCOMPARE(fixture.prompter->boxes().count(QStringLiteral("新規ボクサー作成|出身地を入力して下さい(五文字以内)")), 3);

        const GameState &state = fixture.state();
        QCOMPARE(state.Chara(1, 0), Cell(QStringLiteral("山田太郎丸")));
        QCOMPARE(state.Chara(1, 1), Cell(QStringLiteral("東京都")));
    }

    // The career a new game starts: day 1, ten days to the first bout against row 2, four rounds.
    void newCareerSetsTheCareerVariablesAndShowsTheHub()
    {
        GameFixture fixture;
        startCareer(fixture, QStringLiteral("ボクサー名"), QStringLiteral("静岡県"));
        const GameState &state = fixture.state();
        QCOMPARE(state.varNowDate, Cell(1));
        QCOMPARE(state.varNextDate, Cell(10));
        QCOMPARE(state.varNextEnemy, 2);
        QCOMPARE(state.varKaisen, Cell(4));
        QCOMPARE(state.varSensekiCount, 0);
        for (const Cell *total : {&state.varSandHit, &state.varSandMiss, &state.varBallHit})
            QCOMPARE(*total, Cell(0));
        QCOMPARE(state.varBallMiss, 0);
        // Untouched by a new career.
        QVERIFY(state.varSetsumeiNo.isEmpty());
        QCOMPARE(state.varSparMode, 0);

        MainCommand &hub = fixture.game->hub();
        QVERIFY(hub.isVisible());
        QCOMPARE(hub.findChild<QLabel *>(QStringLiteral("lblName"))->text(), QStringLiteral("ボクサー名"));
        QCOMPARE(hub.findChild<QLabel *>(QStringLiteral("lblRanking"))->text(), QStringLiteral("ノーランカー"));
        QCOMPARE(hub.findChild<QLabel *>(QStringLiteral("lblNowDate"))->text(), QStringLiteral("1日目"));
        QCOMPARE(hub.findChild<QLabel *>(QStringLiteral("lblNextDate"))->text(),
                 QStringLiteral("次の試合まであと：10日"));
        QCOMPARE(hub.findChild<QLabel *>(QStringLiteral("lblWarResult"))->text(), QStringLiteral("戦績：0勝0敗0分"));
        // Closing the title for the hand-over stored the placement but did not end the program.
        QVERIFY(!fixture.game->hasEnded());
        QVERIFY(fixture.settings->values().contains(QStringLiteral("MainLeft")));
    }

    void exitAnsweredNoKeepsTheTitle()
    {
        GameFixture fixture;
        frmMain &title = fixture.game->openTitle();
        fixture.prompter->queueAnswer(false);
        click(&title, "mnuFileExit");
        QCOMPARE(fixture.prompter->boxes(), QStringList{QStringLiteral("ゲーム終了|終了しますか？")});
        QVERIFY(title.isVisible());
        QVERIFY(!fixture.game->hasEnded());
    }

    // Ending from the menu is immediate: no closing steps, so no placement is stored.
    void exitAnsweredYesEndsWithoutStoringThePlacement()
    {
        GameFixture fixture;
        frmMain &title = fixture.game->openTitle();
        fixture.prompter->queueAnswer(true);
        click(&title, "mnuFileExit");
        QCOMPARE(fixture.prompter->messageTexts(),
                 (QStringList{QStringLiteral("終了しますか？"), QStringLiteral("お疲れさまでした。")}));
        QVERIFY(fixture.game->hasEnded());
        QVERIFY(fixture.settings->values().isEmpty());
    }

    void closeBoxStoresThePlacementInTwipsAndEndsTheProgram()
    {
        GameFixture fixture;
        frmMain &title = fixture.game->openTitle();
        title.move(40, 30);
        const QRect frame = title.frameGeometry();
        title.close();
        QVERIFY(fixture.game->hasEnded());
        const auto &values = fixture.settings->values();
        QCOMPARE(values.value(QStringLiteral("MainLeft")).toInt(), frame.left() * 15);
        QCOMPARE(values.value(QStringLiteral("MainTop")).toInt(), frame.top() * 15);
        QCOMPARE(values.value(QStringLiteral("MainWidth")).toInt(), frame.width() * 15);
        QCOMPARE(values.value(QStringLiteral("MainHeight")).toInt(), frame.height() * 15);
    }

    void closingAMinimisedTitleStoresNoPlacement()
    {
        GameFixture fixture;
        frmMain &title = fixture.game->openTitle();
        title.showMinimized();
        if (!title.isMinimized())
            QSKIP("this platform cannot minimise windows");
        title.close();
        QVERIFY(fixture.game->hasEnded());
        QVERIFY(fixture.settings->values().isEmpty());
    }
};

QTEST_MAIN(TitleTest)
#include "test_title.moc"
