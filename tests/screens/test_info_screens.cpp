#include "ending/Ending.h"
#include "hub/MainCommand.h"
#include "info/MyStatus.h"
#include "info/NextEnemyData.h"
#include "info/Senseki.h"
#include "support/Careers.h"
#include "support/GameFixture.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QTest>

namespace {
QString labelText(QWidget *screen, const QString &name)
{
    auto *label = screen->findChild<QLabel *>(name);
    return label ? label->text() : QStringLiteral("<no %1>").arg(name);
}

void click(QWidget *screen, const QString &name)
{
    auto *button = screen->findChild<QAbstractButton *>(name);
    QVERIFY2(button, qPrintable(name));
    QVERIFY2(button->isEnabled() && screen->isEnabled(), qPrintable(name));
    button->click();
}

// The grid as the player reads it: the header row, then one row per bout.
QList<QStringList> gridRows(QWidget *screen)
{
    auto *grid = screen->findChild<QTableWidget *>(QStringLiteral("MSFlexGrid1"));
    QList<QStringList> rows;
    QStringList header;
    for (int column = 0; column < grid->columnCount(); ++column)
        header.append(grid->horizontalHeaderItem(column)->text());
    rows.append(header);
    for (int row = 0; row < grid->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < grid->columnCount(); ++column)
            cells.append(grid->item(row, column) ? grid->item(row, column)->text() : QString());
        rows.append(cells);
    }
    return rows;
}

void recordBouts(GameState &state, const QList<std::pair<int, int>> &bouts)
{
    for (int k = 0; k < bouts.size(); ++k) {
        state.varSenseki[k + 1][0] = state.Chara(bouts[k].first, CharaTable::Name);
        state.varSenseki[k + 1][1] = bouts[k].second;
    }
    state.varSensekiCount = static_cast<qint32>(bouts.size());
}
} // namespace

class InfoScreensTest : public QObject
{
    Q_OBJECT
private slots:
    void statusCardShowsThePlayerAndTheTrainingTotals()
    {
        GameFixture fixture;
        startCareer(fixture, QStringLiteral("山田"), QStringLiteral("東京"));
        GameState &state = fixture.state();
        state.Chara(1, 2) = 420;
        state.Chara(1, 7) = 3;
        state.Chara(1, 8) = 1;
        state.varSandHit = 57;
        state.varSandMiss = 6;
        state.varBallHit = 31;
        state.varBallMiss = 12;

        MainCommand &hub = fixture.game->hub();
        click(&hub, QStringLiteral("cmdMyStatus"));
        MyStatus &status = fixture.game->myStatus();
        QVERIFY(status.isVisible());
        QCOMPARE(status.windowTitle(), QStringLiteral("My Status"));
        QCOMPARE(labelText(&status, QStringLiteral("Label1")), QStringLiteral("ステータス"));
        QCOMPARE(labelText(&status, QStringLiteral("lblEnemyName")), QStringLiteral("山田"));
        QCOMPARE(labelText(&status, QStringLiteral("lblBirth")), QStringLiteral("東京"));
        QCOMPARE(labelText(&status, QStringLiteral("lblRanking")), QStringLiteral("ノーランカー"));
        QCOMPARE(labelText(&status, QStringLiteral("lblStatus(0)")), QStringLiteral("420/500"));
        QCOMPARE(labelText(&status, QStringLiteral("lblStatus(2)")), QStringLiteral("40"));
        QCOMPARE(labelText(&status, QStringLiteral("Senseki")), QStringLiteral("3勝1敗0分"));
        QCOMPARE(labelText(&status, QStringLiteral("Label6(9)")), QStringLiteral("57"));
        QCOMPARE(labelText(&status, QStringLiteral("Label6(10)")), QStringLiteral("6"));
        QCOMPARE(labelText(&status, QStringLiteral("Label6(11)")), QStringLiteral("31"));
        QCOMPARE(labelText(&status, QStringLiteral("Label6(12)")), QStringLiteral("12"));
        QVERIFY(!status.findChild<QLabel *>(QStringLiteral("lblStatus(1)")));
        QVERIFY(!status.findChild<QLabel *>(QStringLiteral("Message")));
    }

    // Each opening refills the card, so it never shows what it held the last time.
    void statusCardIsRefilledAtEveryOpening()
    {
        GameFixture fixture;
        startCareer(fixture);
        MainCommand &hub = fixture.game->hub();
        click(&hub, QStringLiteral("cmdMyStatus"));
        QCOMPARE(labelText(&fixture.game->myStatus(), QStringLiteral("Senseki")), QStringLiteral("0勝0敗0分"));
        click(&fixture.game->myStatus(), QStringLiteral("Command1"));

        fixture.state().Chara(1, 7) = 1;
        fixture.state().Chara(1, 4) = 55;
        click(&hub, QStringLiteral("cmdMyStatus"));
        QCOMPARE(labelText(&fixture.game->myStatus(), QStringLiteral("Senseki")), QStringLiteral("1勝0敗0分"));
        QCOMPARE(labelText(&fixture.game->myStatus(), QStringLiteral("lblStatus(2)")), QStringLiteral("55"));
    }

    void nextOpponentCardShowsTheOpponentAndTheChairmansNote()
    {
        GameFixture fixture;
        startCareer(fixture);
        fixture.state().varNextEnemy = 18;
        click(&fixture.game->hub(), QStringLiteral("cmdJohoNextEnemy"));
        NextEnemyData &card = fixture.game->nextEnemyData();
        QVERIFY(card.isVisible());
        QCOMPARE(card.windowTitle(), QStringLiteral("Next Enemy Data"));
        QCOMPARE(labelText(&card, QStringLiteral("Label1")), QStringLiteral("次の対戦相手"));
        QCOMPARE(labelText(&card, QStringLiteral("lblEnemyName")), QStringLiteral("ミゲル・サラサール"));
        QCOMPARE(labelText(&card, QStringLiteral("lblBirth")), QStringLiteral("メキシコ"));
        QCOMPARE(labelText(&card, QStringLiteral("lblRanking")), QStringLiteral("ＷＢＣチャンピョン"));
        QCOMPARE(labelText(&card, QStringLiteral("lblStatus(0)")), QStringLiteral("2000"));
        QCOMPARE(labelText(&card, QStringLiteral("lblStatus(2)")), QStringLiteral("250"));
        QCOMPARE(labelText(&card, QStringLiteral("lblStatus(3)")), QStringLiteral("245"));
        QCOMPARE(labelText(&card, QStringLiteral("lblStatus(4)")), QStringLiteral("247"));
        QCOMPARE(labelText(&card, QStringLiteral("Senseki")), QStringLiteral("114勝0敗0分"));
        QCOMPARE(labelText(&card, QStringLiteral("Label4")), QStringLiteral("会長からの情報"));
        QCOMPARE(labelText(&card, QStringLiteral("Message")),
                 QStringLiteral("１０年間世界チャンピョンの座にありながら、いまだ無敗を誇る超天才ボクサー。"));
        QVERIFY(labelText(&card, QStringLiteral("lblWarResult")).isEmpty());
    }

    void recordGridOfANewCareerHasOnlyTheHeader()
    {
        GameFixture fixture;
        startCareer(fixture);
        click(&fixture.game->hub(), QStringLiteral("cmdSenseki"));
        Senseki &record = fixture.game->senseki();
        QVERIFY(record.isVisible());
        QCOMPARE(record.windowTitle(), QStringLiteral("戦績"));
        QCOMPARE(gridRows(&record),
                 (QList<QStringList>{{QStringLiteral("対戦No"), QStringLiteral("ボクサー名"), QStringLiteral("結果")}}));
    }

    void recordGridListsFiveBoutsWithTheirResults()
    {
        GameFixture fixture;
        startCareer(fixture);
        recordBouts(fixture.state(), {{2, 27}, {2, 3}, {3, 26}, {3, 13}, {4, 15}});
        click(&fixture.game->hub(), QStringLiteral("cmdSenseki"));
        const QList<QStringList> rows = gridRows(&fixture.game->senseki());
        QCOMPARE(rows.size(), 6);
        QCOMPARE(rows[1], (QStringList{QStringLiteral("1"), QStringLiteral("タイガー銀川"), QStringLiteral("ドロー")}));
        QCOMPARE(rows[2], (QStringList{QStringLiteral("2"), QStringLiteral("タイガー銀川"), QStringLiteral("3RKO勝ち")}));
        QCOMPARE(rows[3], (QStringList{QStringLiteral("3"), QStringLiteral("森下圭吾"), QStringLiteral("判定負け")}));
        QCOMPARE(rows[4], (QStringList{QStringLiteral("4"), QStringLiteral("森下圭吾"), QStringLiteral("判定勝ち")}));
        QCOMPARE(rows[5], (QStringList{QStringLiteral("5"), QStringLiteral("加藤翔"), QStringLiteral("2RKO負け")}));

        auto *grid = fixture.game->senseki().findChild<QTableWidget *>(QStringLiteral("MSFlexGrid1"));
        QCOMPARE(grid->columnWidth(0), 80);
        QCOMPARE(grid->columnWidth(1), 133);
        QCOMPARE(grid->columnWidth(2), 100);
    }

    // The grid kept the scroll place of its last opening, so a new bout could open half hidden.
    void recordOpensWithTheNewestBoutInView()
    {
        GameFixture fixture;
        startCareer(fixture);
        QList<std::pair<int, int>> bouts;
        for (int k = 0; k < 30; ++k)
            bouts.append({2 + k % 17, 27});
        recordBouts(fixture.state(), bouts);
        MainCommand &hub = fixture.game->hub();
        Senseki &record = fixture.game->senseki();
        auto *grid = record.findChild<QTableWidget *>(QStringLiteral("MSFlexGrid1"));
        click(&hub, QStringLiteral("cmdSenseki"));
        grid->scrollToTop();
        click(&record, QStringLiteral("Command1"));
        bouts.append({2, 3});
        recordBouts(fixture.state(), bouts);
        click(&hub, QStringLiteral("cmdSenseki"));
        const QModelIndex newest = grid->model()->index(grid->rowCount() - 1, 0);
        QCOMPARE(grid->item(newest.row(), 0)->text(), QString::number(bouts.size()));
        QVERIFY(grid->viewport()->rect().contains(grid->visualRect(newest)));
    }

    // A shorter record after a load must not leave the rows of the longer one behind.
    void recordGridShrinksWithTheRecord()
    {
        GameFixture fixture;
        startCareer(fixture);
        recordBouts(fixture.state(), {{2, 1}, {3, 2}, {4, 3}});
        MainCommand &hub = fixture.game->hub();
        click(&hub, QStringLiteral("cmdSenseki"));
        click(&fixture.game->senseki(), QStringLiteral("Command1"));
        recordBouts(fixture.state(), {{2, 14}});
        click(&hub, QStringLiteral("cmdSenseki"));
        const QList<QStringList> rows = gridRows(&fixture.game->senseki());
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[1][2], QStringLiteral("1RKO負け"));
    }

    // Opened from one screen, each card goes back to that screen and leaves the other one as it was.
    void eachScreenReturnsToItsOpener_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<bool>("fromEnding");
        QTest::newRow("status from the hub") << QStringLiteral("MyStatus") << false;
        QTest::newRow("record from the hub") << QStringLiteral("Senseki") << false;
        QTest::newRow("next opponent from the hub") << QStringLiteral("NextEnemyData") << false;
        QTest::newRow("status from the ending") << QStringLiteral("MyStatus") << true;
        QTest::newRow("record from the ending") << QStringLiteral("Senseki") << true;
    }
    void eachScreenReturnsToItsOpener()
    {
        QFETCH(QString, screen);
        QFETCH(bool, fromEnding);
        GameFixture fixture;
        startCareer(fixture);
        Game &game = *fixture.game;
        MainCommand &hub = game.hub();
        Ending &ending = game.ending();
        QWidget *opener = nullptr;
        QWidget *other = nullptr;
        if (fromEnding) {
            // The bout hides the hub before the ending opens; the hub must stay out of play.
            hub.hide();
            hub.setEnabled(false);
            game.openEnding();
            opener = &ending;
            other = &hub;
            click(&ending, screen == QLatin1String("MyStatus") ? QStringLiteral("Command2") : QStringLiteral("Command1"));
        } else {
            ending.setEnabled(false);
            opener = &hub;
            other = &ending;
            const QString button = screen == QLatin1String("MyStatus")   ? QStringLiteral("cmdMyStatus")
                                   : screen == QLatin1String("Senseki") ? QStringLiteral("cmdSenseki")
                                                                        : QStringLiteral("cmdJohoNextEnemy");
            click(&hub, button);
        }
        QWidget *card = game.form(screen);
        QVERIFY(card && card->isVisible());
        QVERIFY(!opener->isEnabled());
        QVERIFY2(opener->isVisible() || !fromEnding, "the opener stays in sight behind the card");

        click(card, QStringLiteral("Command1"));
        QVERIFY(!card->isVisible());
        QVERIFY(opener->isEnabled());
        QVERIFY(!other->isEnabled());
    }

    // The close box is no way to leave the opener disabled for good.
    void closeBoxReturnsLikeOk_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("button");
        QTest::newRow("status") << QStringLiteral("MyStatus") << QStringLiteral("cmdMyStatus");
        QTest::newRow("next opponent") << QStringLiteral("NextEnemyData") << QStringLiteral("cmdJohoNextEnemy");
        QTest::newRow("record") << QStringLiteral("Senseki") << QStringLiteral("cmdSenseki");
    }
    void closeBoxReturnsLikeOk()
    {
        QFETCH(QString, screen);
        QFETCH(QString, button);
        GameFixture fixture;
        startCareer(fixture);
        MainCommand &hub = fixture.game->hub();
        click(&hub, button);
        QWidget *card = fixture.game->form(screen);
        QVERIFY(card->close());
        QVERIFY(!card->isVisible());
        QVERIFY(hub.isEnabled());
        QVERIFY(fixture.prompter->boxes().isEmpty());
    }
};

QTEST_MAIN(InfoScreensTest)
#include "test_info_screens.moc"
