#include "support/Careers.h"

#include "hub/MainCommand.h"
#include "platform/GameLabel.h"
#include "platform/Twips.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QTest>

namespace {
QString labelText(MainCommand &hub, const QString &name)
{
    return hub.findChild<QLabel *>(name)->text();
}

void click(MainCommand &hub, const QString &name)
{
    if (auto *button = hub.findChild<QAbstractButton *>(name))
        button->click();
    else
        hub.findChild<QAction *>(name)->trigger();
}
} // namespace

class HubTest : public QObject
{
    Q_OBJECT
private slots:
    // Every ranking title stands whole in its place, clear of the record beside it, at the
    // game's own size and larger; a short one keeps the card's own size.
    void theRankingTitleKeepsClearOfTheRecord_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<GameOptions::Scale>("scale");
        for (const char *title : {"ノーランカー", "日本ランキング１０位", "ＯＰＢＦ１位", "ＷＢＣ１位"}) {
            QTest::addRow("%s at 100", title) << QString::fromUtf8(title) << GameOptions::Scale::Percent100;
            QTest::addRow("%s at 200", title) << QString::fromUtf8(title) << GameOptions::Scale::Percent200;
        }
    }
    void theRankingTitleKeepsClearOfTheRecord()
    {
        QFETCH(QString, title);
        QFETCH(GameOptions::Scale, scale);
        GameFixture fixture;
        startCareer(fixture);
        MainCommand &hub = fixture.game->hub();
        GameOptions options;
        options.scale = scale;
        fixture.game->setOptions(options);
        fixture.state().Chara(CharaTable::PlayerRow, CharaTable::Ranking) = Cell(title);
        hub.subMainHyoji();
        auto *ranking = hub.findChild<GameLabel *>(QStringLiteral("lblRanking"));
        auto *record = hub.findChild<QLabel *>(QStringLiteral("lblWarResult"));
        QCOMPARE(ranking->text(), title);
        QVERIFY(ranking->fits(ranking->font()));
        const int right = ranking->x() + ranking->fontMetrics().horizontalAdvance(title);
        QVERIFY2(right < record->x(), qPrintable(QStringLiteral("%1 reaches %2").arg(right).arg(record->x())));
        if (title == QStringLiteral("ノーランカー"))
            QCOMPARE(ranking->font().pointSizeF(), gothicFont(14.25).pointSizeF());
        fixture.game->setOptions(GameOptions());
    }

    void refreshShowsTheBoxerAndTheCalendar()
    {
        GameFixture fixture;
        startCareer(fixture);
        GameState &state = fixture.state();
        const int values[] = {321, 777, 55, 66, 88};
        for (int k = 0; k < 5; ++k)
            state.Chara(1, k + 2) = values[k];
        state.Chara(1, 7) = 5;
        state.Chara(1, 8) = 4;
        state.Chara(1, 9) = 2;
        state.Chara(1, 12) = QStringLiteral("日本チャンピョン");
        state.varNowDate = 211;
        state.varNextDate = 3;
        MainCommand &hub = fixture.game->hub();
        hub.subMainHyoji();
        for (int k = 0; k < 5; ++k)
            QCOMPARE(labelText(hub, QStringLiteral("lblStatus(%1)").arg(k)), QString::number(values[k]));
        QCOMPARE(labelText(hub, QStringLiteral("lblWarResult")), QStringLiteral("戦績：5勝4敗2分"));
        QCOMPARE(labelText(hub, QStringLiteral("lblNowDate")), QStringLiteral("211日目"));
        QCOMPARE(labelText(hub, QStringLiteral("lblNextDate")), QStringLiteral("次の試合まであと：3日"));
        QCOMPARE(labelText(hub, QStringLiteral("lblRanking")), QStringLiteral("日本チャンピョン"));
    }

    // With no bout scheduled the countdown and the next-opponent button go away.
    void negativeCountdownHidesTheCountdownAndTheNextOpponent()
    {
        GameFixture fixture;
        startCareer(fixture);
        fixture.state().varNextDate = -1;
        MainCommand &hub = fixture.game->hub();
        hub.subMainHyoji();
        QVERIFY(hub.findChild<QLabel *>(QStringLiteral("lblNextDate"))->isHidden());
        QVERIFY(!hub.findChild<QAbstractButton *>(QStringLiteral("cmdJohoNextEnemy"))->isEnabled());
    }

    void restRecoversEightTenthsAndNamesTheUncutGain_data()
    {
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("after");
        QTest::addColumn<int>("named");
        QTest::newRow("cut at the maximum") << 90 << 100 << 100 << 80;
        QTest::newRow("79.2 rounds down") << 0 << 99 << 79 << 79;
        QTest::newRow("new boxer at full strength") << 500 << 500 << 500 << 400;
    }
    void restRecoversEightTenthsAndNamesTheUncutGain()
    {
        QFETCH(int, current);
        QFETCH(int, maximum);
        QFETCH(int, after);
        QFETCH(int, named);
        GameFixture fixture;
        startCareer(fixture);
        fixture.state().Chara(1, 2) = current;
        fixture.state().Chara(1, 3) = maximum;
        MainCommand &hub = fixture.game->hub();
        click(hub, QStringLiteral("cmdCommand(3)"));
        QCOMPARE(fixture.state().Chara(1, 2), Cell(after));
        QCOMPARE(fixture.prompter->messageTexts(),
                 QStringList{QStringLiteral("ゆっくり休憩して体を休めた。\r\n(%1ポイント体力が回復した。)").arg(named)});
        QCOMPARE(fixture.state().varNowDate, Cell(2));
        QCOMPARE(fixture.state().varNextDate, Cell(9));
        QVERIFY(hub.isVisible());
    }

    // Ten day advances after a new career bring the fight day, on day 11.
    void tenRestsLeadToTheFightDay()
    {
        GameFixture fixture;
        startCareer(fixture);
        MainCommand &hub = fixture.game->hub();
        for (int day = 0; day < 9; ++day)
            click(hub, QStringLiteral("cmdCommand(3)"));
        QVERIFY(!fixture.prompter->messageTexts().contains(QStringLiteral("会長「さあ、試合の日だ！ベストを尽くせよ！」")));
        QCOMPARE(labelText(hub, QStringLiteral("lblNextDate")), QStringLiteral("次の試合まであと：1日"));
        click(hub, QStringLiteral("cmdCommand(3)"));
        QCOMPARE(fixture.prompter->messageTexts().last(), QStringLiteral("会長「さあ、試合の日だ！ベストを尽くせよ！」"));
        QCOMPARE(fixture.state().varNowDate, Cell(11));
        QCOMPARE(fixture.state().varNextDate, Cell(0));
        QCOMPARE(fixture.state().varSparMode, qint16(SparModeBout));
    }

    void announcementNamesTheNextOpponentAndTheFullInterval()
    {
        GameFixture fixture;
        startCareer(fixture);
        fixture.state().varNextEnemy = 3;
        fixture.state().varNextDate = 7;
        fixture.game->hub().subNextEnemyMsgBox();
        QCOMPARE(fixture.prompter->messageTexts(),
                 QStringList{QStringLiteral("会長「次の試合相手は森下圭吾。試合はあと7日後だ！」")});
        QCOMPARE(fixture.state().varNextDate, Cell(7));
    }

    void overwriteSaveWithoutAFileWritesNothingAndSaysSo()
    {
        GameFixture fixture;
        startCareer(fixture);
        MainCommand &hub = fixture.game->hub();
        for (const char *name : {"cmdSave", "mnuFileSave"})
            click(hub, QString::fromLatin1(name));
        const QString message = QStringLiteral("ファイルが選択されていません。\r\n先に新規セーブをしてください。");
        QCOMPARE(fixture.prompter->messageTexts(), (QStringList{message, message}));
        QVERIFY(fixture.state().varFileName.isEmpty());
        QVERIFY(hub.isEnabled());
    }

    void quitAsksAndEndsOnlyOnYes_data()
    {
        QTest::addColumn<QString>("control");
        QTest::newRow("button") << QStringLiteral("cmdSyuryo");
        QTest::newRow("menu") << QStringLiteral("mnuFileExit");
        QTest::newRow("close box") << QString();
    }
    void quitAsksAndEndsOnlyOnYes()
    {
        QFETCH(QString, control);
        GameFixture fixture;
        startCareer(fixture);
        MainCommand &hub = fixture.game->hub();
        const GameState before = fixture.state();
        auto quit = [&] {
            if (control.isEmpty())
                hub.close();
            else
                click(hub, control);
        };
        fixture.prompter->queueAnswer(false);
        quit();
        QVERIFY(!fixture.game->hasEnded());
        QVERIFY(hub.isVisible());
        QVERIFY(fixture.state().Chara == before.Chara);

        fixture.prompter->queueAnswer(true);
        quit();
        QVERIFY(fixture.game->hasEnded());
        QCOMPARE(fixture.prompter->boxes(),
                 (QStringList{QStringLiteral("ゲーム終了|終了しますか？"), QStringLiteral("ゲーム終了|終了しますか？"),
                              QStringLiteral("RingGlory|お疲れさまでした。")}));
    }
};

QTEST_MAIN(HubTest)
#include "test_hub.moc"
