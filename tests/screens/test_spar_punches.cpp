#include "app/Game.h"
#include "match/Spar.h"
#include "platform/Twips.h"
#include "support/Matches.h"

#include <QLabel>
#include <QTest>

namespace {
int topOf(Spar &spar, const QString &name)
{
    return twipsGeometry(spar.findChild<QWidget *>(name)).top();
}

int widthOf(Spar &spar, const QString &name)
{
    return twipsGeometry(spar.findChild<QWidget *>(name)).width();
}
} // namespace

class SparPunchesTest : public QObject
{
    Q_OBJECT
private slots:
    void punchLandsByTheGuardOnItsSide_data()
    {
        QTest::addColumn<int>("guardRight");
        QTest::addColumn<int>("guardLeft");
        QTest::addColumn<QString>("button");
        QTest::addColumn<double>("draw");
        QTest::addColumn<QString>("sound");
        QTest::addColumn<int>("damage");
        QTest::newRow("left straight into a high right arm") << 1 << 3 << "LeftPunch(1)" << 0.99 << "punchGuard.wav" << 0;
        QTest::newRow("left body under a high right arm") << 1 << 3 << "LeftPunch(3)" << 0.99 << "punchBigHit.wav" << 9;
        QTest::newRow("left straight past a middle right arm") << 2 << 1 << "LeftPunch(1)" << 0.0 << "punchHit.wav" << 1;
        QTest::newRow("left body past a middle right arm") << 2 << 1 << "LeftPunch(3)" << 0.99 << "punchHit.wav" << 2;
        QTest::newRow("right straight over a low left arm") << 1 << 3 << "RightPunch(1)" << 0.0 << "punchBigHit.wav" << 4;
        QTest::newRow("right body into a low left arm") << 1 << 3 << "RightPunch(3)" << 0.99 << "punchGuard.wav" << 0;
    }
    void punchLandsByTheGuardOnItsSide()
    {
        QFETCH(int, guardRight);
        QFETCH(int, guardLeft);
        QFETCH(QString, button);
        QFETCH(double, draw);
        QFETCH(QString, sound);
        QFETCH(int, damage);
        GameFixture fixture(QList<double>{draw});
        Spar &spar = startFirstBout(fixture);
        GameState &state = fixture.state();
        state.varEnGuardR = guardRight;
        state.varEnGuardL = guardLeft;

        QVERIFY(clickOn(&spar, button));
        QCOMPARE(fixture.sound->played(), QStringList{sound});
        QCOMPARE(state.varEnDamage, Cell(damage));
        QCOMPARE(state.varEnHP, Cell(540 - damage));
        // The bar follows the click at once, before any tick.
        QCOMPARE(widthOf(spar, QStringLiteral("EnHPNow")), 540 - damage);
        QCOMPARE(fixture.random->drawsTaken(), qsizetype(1));
    }

    // Before the opponent has ever guarded, a body blow falls outside the table: no draw,
    // no sound, and the damage of the last punch lands again.
    void bodyBlowBeforeAnyGuardRepeatsTheLastDamage()
    {
        GameFixture fixture(QList<double>{0.0});
        Spar &spar = startFirstBout(fixture);
        GameState &state = fixture.state();
        QCOMPARE(state.varEnGuardR, Cell());
        QVERIFY(clickOn(&spar, QStringLiteral("LeftPunch(3)")));
        QVERIFY(fixture.sound->played().isEmpty());
        QCOMPARE(fixture.random->drawsTaken(), qsizetype(0));
        QCOMPARE(state.varEnHP, Cell(540));

        QVERIFY(clickOn(&spar, QStringLiteral("LeftPunch(1)")));
        QCOMPARE(state.varEnHP, Cell(539));
        QVERIFY(clickOn(&spar, QStringLiteral("RightPunch(3)")));
        QCOMPARE(state.varEnHP, Cell(538));
        QCOMPARE(fixture.random->drawsTaken(), qsizetype(1));
    }

    void opponentRaisesItsGuardsAndPunches()
    {
        // Right arm high, left arm low, then the punch's draw.
        GameFixture fixture(QList<double>{0.0, 0.9, 0.999});
        Spar &spar = startFirstBout(fixture);
        GameState &state = fixture.state();
        fixture.game->scheduler().advance(1039);
        QCOMPARE(fixture.random->drawsTaken(), qsizetype(0));
        fixture.game->scheduler().advance(1);

        QCOMPARE(state.varEnGuardR, Cell(1));
        QCOMPARE(state.varEnGuardL, 3);
        QCOMPARE(topOf(spar, QStringLiteral("RightArm(0)")), 320);
        QCOMPARE(topOf(spar, QStringLiteral("RightArm(1)")), 560);
        QCOMPARE(topOf(spar, QStringLiteral("LeftArm(0)")), 1220);
        QCOMPARE(topOf(spar, QStringLiteral("LeftArm(1)")), 1460);
        QCOMPARE(state.varMyDamage, 9);
        QCOMPARE(state.Chara(1, CharaTable::Strength), Cell(491));
        QCOMPARE(widthOf(spar, QStringLiteral("MyHPNow")), 491);
        QCOMPARE(spar.findChild<QLabel *>(QStringLiteral("SparHP(0)"))->text(), QStringLiteral("自分の体力：491"));
    }

    void guardingCutsTheOpponentsPunch_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("damage");
        QTest::newRow("guarding") << 2227 << 3;
        QTest::newRow("not guarding") << 100 << 9;
    }
    void guardingCutsTheOpponentsPunch()
    {
        QFETCH(int, x);
        QFETCH(int, damage);
        GameFixture fixture(QList<double>{0.999});
        Spar &spar = startFirstBout(fixture);
        spar.Form_MouseMove(x, 4567);
        fixture.game->scheduler().advance(1040);
        QCOMPARE(fixture.state().varMyDamage, damage);
        QCOMPARE(fixture.state().Chara(1, CharaTable::Strength), Cell(500 - damage));
    }

    // The design colour of the guard spot counts as not guarding.
    void untouchedGuardSpotDoesNotGuard()
    {
        GameFixture fixture(QList<double>{0.0});
        startFirstBout(fixture);
        fixture.game->scheduler().advance(1040);
        QCOMPARE(fixture.state().varMyDamage, 4);
    }

    // Hammering a punch button does not slow the clock or the opponent.
    void punchesDoNotHoldTheClocksBack()
    {
        GameFixture fixture(QList<double>{0.5});
        Spar &spar = startFirstBout(fixture);
        fixture.state().varEnHP = 100000;
        int opponentTicks = 0;
        int lastStrength = 500;
        for (int ms = 0; ms < 5200; ms += 10) {
            clickOn(&spar, QStringLiteral("RightPunch(1)"));
            fixture.game->scheduler().advance(10);
            const int strength = fixture.state().Chara(1, CharaTable::Strength).toInt();
            if (strength != lastStrength)
                ++opponentTicks;
            lastStrength = strength;
        }
        QCOMPARE(spar.findChild<QLabel *>(QStringLiteral("TimerWatch"))->text(), QStringLiteral("2:08"));
        QCOMPARE(opponentTicks, 5);
    }
    // The outline cue's "ガード中" stands whole inside the guard circle at every scale, and
    // the caption goes back to its own place with "ガード".
    void theGuardingCaptionFitsTheCircle_data()
    {
        QTest::addColumn<GameOptions::Scale>("scale");
        QTest::newRow("100") << GameOptions::Scale::Percent100;
        QTest::newRow("200") << GameOptions::Scale::Percent200;
        QTest::newRow("300") << GameOptions::Scale::Percent300;
    }
    void theGuardingCaptionFitsTheCircle()
    {
        QFETCH(GameOptions::Scale, scale);
        GameFixture fixture;
        Spar &spar = startFirstBout(fixture);
        GameOptions options;
        options.scale = scale;
        options.guardCue = GameOptions::GuardCue::Outline;
        fixture.game->setOptions(options);
        auto *caption = spar.findChild<QLabel *>(QStringLiteral("Label1"));
        auto *circle = spar.findChild<QWidget *>(QStringLiteral("GuardCircle"));
        const QRect own = twipsGeometry(caption);
        spar.Form_MouseMove(2227, 4567);
        QCOMPARE(caption->text(), QStringLiteral("ガード中"));
        const int textWidth = caption->fontMetrics().horizontalAdvance(caption->text());
        QVERIFY2(textWidth <= caption->width(),
                 qPrintable(QStringLiteral("%1 > %2").arg(textWidth).arg(caption->width())));
        QVERIFY(circle->geometry().contains(caption->geometry()));
        spar.Form_MouseMove(100, 100);
        QCOMPARE(caption->text(), QStringLiteral("ガード"));
        QCOMPARE(twipsGeometry(caption), own);
        fixture.game->setOptions(GameOptions());
    }
};

QTEST_MAIN(SparPunchesTest)
#include "test_spar_punches.moc"
