#include "hub/MainCommand.h"
#include "match/Spar.h"
#include "platform/GameFiles.h"
#include "platform/ShapeWidget.h"
#include "platform/Twips.h"
#include "support/Careers.h"
#include "support/Matches.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {
QString labelText(Spar &spar, const char *name)
{
    return spar.findChild<QLabel *>(QString::fromUtf8(name))->text();
}

QRect place(Spar &spar, const char *name)
{
    return twipsGeometry(spar.findChild<QWidget *>(QString::fromUtf8(name)));
}

QString guardColour(Spar &spar)
{
    const quint32 bgr = toVbColor(spar.findChild<ShapeWidget *>(QStringLiteral("GuardCircle"))->fill());
    return QStringLiteral("&H%1").arg(bgr, 6, 16, QLatin1Char('0')).toUpper();
}

// A mouse move delivered the way the window system delivers it: to the widget under the cursor.
void moveOver(QWidget *widget, QPoint twipsInWidget)
{
    const QPointF local(twipsInWidget.x() / double(TwipsPerPixel), twipsInWidget.y() / double(TwipsPerPixel));
    QMouseEvent event(QEvent::MouseMove, local, widget->mapToGlobal(local), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// Keeps the working directory of one test in a fresh folder.
class WorkingFolder
{
public:
    WorkingFolder() : m_previous(QDir::currentPath()) { QDir::setCurrent(m_folder.path()); }
    ~WorkingFolder() { QDir::setCurrent(m_previous); }
    QString path() const { return m_folder.path(); }

private:
    QTemporaryDir m_folder;
    QString m_previous;
};
} // namespace

class SparSetupTest : public QObject
{
    Q_OBJECT
private slots:
    // The partner is made from the player's own boxer; its speed from the next opponent's row.
    void sparringPartnerComesFromThePlayer()
    {
        GameFixture fixture;
        startCareer(fixture);
        fixture.state().varSetsumeiOff = {0, 0, 1, 1}; // the chairman's instructions switched off
        QVERIFY(clickOn(&fixture.game->hub(), QStringLiteral("cmdCommand(2)")));
        Spar &spar = fixture.game->spar();
        GameState &state = fixture.state();

        QVERIFY(spar.isVisible());
        QVERIFY(!fixture.game->hub().isVisible());
        QCOMPARE(state.varSparMode, qint16(SparModeSparring));
        QCOMPARE(state.varEnHP, Cell(550));
        QCOMPARE(state.varEnPower, Cell(24));
        QCOMPARE(state.varEnQuick, Cell(24));
        QCOMPARE(state.varEnGuts, Cell(24));
        QCOMPARE(spar.TimerEnemyAction().interval(), qint64(892));
        QCOMPARE(labelText(spar, "SparHP(0)"), QStringLiteral("自分の体力：500"));
        QCOMPARE(labelText(spar, "SparHP(1)"), QStringLiteral("相手の体力：550"));
        QVERIFY(!spar.findChild<QLabel *>(QStringLiteral("SparHP(1)"))->isHidden());
        QCOMPARE(spar.windowWidthTwips(), 4695);
        QCOMPARE(spar.width() * TwipsPerPixel, 4605);
        QCOMPARE(fixture.sound->played(), QStringList{QStringLiteral("gong.wav")});
    }

    // The player's own quickness plays no part in the partner's speed.
    void sparringSpeedIgnoresThePlayersQuickness()
    {
        GameFixture fixture;
        startCareer(fixture);
        fixture.state().Chara(1, CharaTable::Quick) = 200;
        fixture.state().varNextEnemy = 18;
        clickOn(&fixture.game->hub(), QStringLiteral("cmdCommand(2)"));
        QCOMPARE(fixture.game->spar().TimerEnemyAction().interval(), qint64(1000 - 3 * 245));
    }

    void boutAgainstTheNextOpponent()
    {
        GameFixture fixture;
        startCareer(fixture);
        fixture.state().varSetsumeiOff = {0, 0, 1, 1}; // the chairman's instructions switched off
        fixture.state().varNextDate = 1;
        fixture.game->hub().subOriginal();
        Spar &spar = fixture.game->spar();
        GameState &state = fixture.state();

        QCOMPARE(fixture.prompter->messageTexts(), QStringList{QStringLiteral("会長「さあ、試合の日だ！ベストを尽くせよ！」")});
        QVERIFY(spar.isVisible());
        QVERIFY(!fixture.game->hub().isVisible());
        QCOMPARE(state.varSparMode, qint16(SparModeBout));
        QCOMPARE(state.varEnHP, Cell(540));
        QCOMPARE(state.varEnPower, Cell(38));
        QCOMPARE(state.varEnGuts, Cell(32));
        QCOMPARE(spar.TimerEnemyAction().interval(), qint64(1040));
        QCOMPARE(labelText(spar, "MyName"), QStringLiteral("山田"));
        QCOMPARE(labelText(spar, "EnName"), QStringLiteral("タイガー銀川"));
        QCOMPARE(labelText(spar, "NowRound"), QStringLiteral("1R"));
        QCOMPARE(labelText(spar, "lblKaisen"), QStringLiteral("4回戦"));
        QCOMPARE(labelText(spar, "TimerWatch"), QStringLiteral("3:00"));
        QCOMPARE(place(spar, "MyHPMax").width(), 500);
        QCOMPARE(place(spar, "MyHPNow").width(), 500);
        QCOMPARE(place(spar, "EnHPMax").width(), 540);
        QCOMPARE(place(spar, "EnHPNow").width(), 540);
        QVERIFY(spar.findChild<QLabel *>(QStringLiteral("SparHP(0)"))->isHidden());
        QCOMPARE(spar.windowWidthTwips(), 8475);
        QCOMPARE(spar.width() * TwipsPerPixel, 8385);
        // The fight-day road rings no gong.
        QVERIFY(fixture.sound->played().isEmpty());
        QVERIFY(spar.WatchCount().isRunning());
        QVERIFY(spar.TimerEnemyAction().isRunning());
        QVERIFY(!spar.DownCountTimer().isEnabled());
        QVERIFY(!spar.EnemyDownUPTimer().isEnabled());
    }

    void actionIntervalNeverBelow100_data()
    {
        QTest::addColumn<int>("playerQuickness");
        QTest::addColumn<qint64>("interval");
        QTest::newRow("opponent 30 slower") << 66 << qint64(1300);
        QTest::newRow("opponent 50 quicker") << -14 << qint64(500);
        QTest::newRow("opponent 95 quicker: 50 is raised") << -59 << qint64(100);
        QTest::newRow("opponent 150 quicker: negative is raised") << -114 << qint64(100);
    }
    void actionIntervalNeverBelow100()
    {
        QFETCH(int, playerQuickness);
        QFETCH(qint64, interval);
        GameFixture fixture;
        startCareer(fixture);
        fixture.state().Chara(1, CharaTable::Quick) = playerQuickness;
        fixture.state().varNextDate = 1;
        fixture.game->hub().subOriginal();
        QCOMPARE(fixture.game->spar().TimerEnemyAction().interval(), interval);
    }

    void facePictureComesFromTheWorkingFolder()
    {
        WorkingFolder folder;
        QImage face(20, 20, QImage::Format_RGB32);
        face.fill(Qt::red);
        // Picture files are recognised by their contents, whatever their name says.
        QVERIFY(face.save(folder.path() + QStringLiteral("/2.gif"), "PNG"));
        GameFixture fixture;
        Spar &spar = startFirstBout(fixture);
        QVERIFY(!spar.findChild<QLabel *>(QStringLiteral("head"))->pixmap().isNull());
    }

    // An unreadable face picture leaves the face box empty, with no box and no stop.
    void unreadableFacePictureLeavesTheBoxEmpty()
    {
        WorkingFolder folder;
        QFile broken(folder.path() + QStringLiteral("/2.gif"));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("GIF89a this is not a picture");
        broken.close();
        GameFixture fixture;
        Spar &spar = startFirstBout(fixture);
        QVERIFY(spar.findChild<QLabel *>(QStringLiteral("head"))->pixmap().isNull());
        QVERIFY(fixture.prompter->boxes().isEmpty());
        QVERIFY(spar.isVisible());
        QVERIFY(spar.WatchCount().isRunning());
    }

    void missingPartnerPictureLeavesTheBoxEmpty()
    {
        WorkingFolder folder;
        if (!findGameFile(QStringLiteral("Spar.gif")).isEmpty())
            QSKIP("the game ships a partner picture");
        GameFixture fixture;
        Spar &spar = startSparring(fixture);
        QVERIFY(spar.findChild<QLabel *>(QStringLiteral("head"))->pixmap().isNull());
        QVERIFY(fixture.prompter->boxes().isEmpty());
        QVERIFY(spar.WatchCount().isRunning());
    }

    void guardFollowsTheMouseOverTheBackground_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<QString>("colour");
        QTest::newRow("centre of the circle") << 2227 << 4567 << "&HFFDDDD";
        QTest::newRow("corner of the bounding box") << 1815 << 4215 << "&HFFDDDD";
        QTest::newRow("just inside left and top") << 1801 << 4201 << "&HFFDDDD";
        QTest::newRow("just inside right and bottom") << 2654 << 4934 << "&HFFDDDD";
        QTest::newRow("on the left edge") << 1800 << 4500 << "&HDDDDFF";
        QTest::newRow("on the right edge") << 2655 << 4500 << "&HDDDDFF";
        QTest::newRow("on the top edge") << 2200 << 4200 << "&HDDDDFF";
        QTest::newRow("on the bottom edge") << 2200 << 4935 << "&HDDDDFF";
        QTest::newRow("far away") << 100 << 100 << "&HDDDDFF";
    }
    void guardFollowsTheMouseOverTheBackground()
    {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(QString, colour);
        GameFixture fixture;
        Spar &spar = startFirstBout(fixture);
        QCOMPARE(guardColour(spar), QStringLiteral("&HFFC0C0"));
        QVERIFY(!spar.isGuarding());
        moveOver(&spar, {x, y});
        QCOMPARE(guardColour(spar), colour);
        QCOMPARE(spar.isGuarding(), colour == QStringLiteral("&HFFDDDD"));
    }

    // Only the form's own background hears the mouse: the label on the guard spot, a
    // punch button and the ring keep the colour the last background move left.
    void movesOverControlsKeepTheGuard()
    {
        GameFixture fixture;
        Spar &spar = startFirstBout(fixture);
        moveOver(&spar, {2227, 4567});
        QCOMPARE(guardColour(spar), QStringLiteral("&HFFDDDD"));
        moveOver(spar.findChild<QLabel *>(QStringLiteral("Label1")), {300, 100});
        moveOver(spar.findChild<QPushButton *>(QStringLiteral("LeftPunch(1)")), {300, 100});
        moveOver(spar.findChild<QWidget *>(QStringLiteral("Picture1")), {300, 100});
        QCOMPARE(guardColour(spar), QStringLiteral("&HFFDDDD"));
        // The guard circle itself lets the mouse through to the background behind it.
        QCOMPARE(spar.childAt(twipsToPixels(1815), twipsToPixels(4215)), nullptr);
    }

    // A second match starts from zero whatever the first left, but keeps the guard colour.
    void secondMatchStartsFresh()
    {
        GameFixture fixture(QList<double>{0.0});
        Spar &spar = startSparring(fixture);
        fixture.state().varSetsumeiOff = {0, 0, 1, 1}; // the chairman's instructions switched off
        moveOver(&spar, {2227, 4567});
        spar.varMyDown = 2;
        spar.varEnDownAll = 3;
        spar.varMyDownAll = 1;
        spar.varHantei = 1;
        spar.varDownWait = 1;
        fixture.game->scheduler().advance(18000);
        QVERIFY(!spar.isVisible());
        QVERIFY(fixture.game->hub().isVisible());

        clickOn(&fixture.game->hub(), QStringLiteral("cmdCommand(2)"));
        QCOMPARE(spar.varMyDown, 0);
        QCOMPARE(spar.varEnDown, 0);
        QCOMPARE(spar.varEnDownAll, 0);
        QCOMPARE(spar.varMyDownAll, 0);
        QCOMPARE(spar.varHantei, qint16(0));
        QCOMPARE(spar.varDownWait, 0);
        QCOMPARE(spar.varWinLose, 0);
        QCOMPARE(fixture.state().varNowRound, 1);
        QCOMPARE(fixture.state().varDownCount, Cell(1));
        QCOMPARE(labelText(spar, "TimerWatch"), QStringLiteral("3:00"));
        QVERIFY(spar.isEnabled());
        QCOMPARE(guardColour(spar), QStringLiteral("&HFFDDDD"));
    }

    void holdStopsTheClockAndTheOpponent()
    {
        GameFixture fixture;
        Spar &spar = startFirstBout(fixture);
        spar.holdActivity();
        fixture.game->scheduler().advance(5000);
        QCOMPARE(labelText(spar, "TimerWatch"), QStringLiteral("3:00"));
        QCOMPARE(fixture.state().Chara(1, CharaTable::Strength), Cell(500));
        spar.releaseActivity();
        fixture.game->scheduler().advance(100);
        QCOMPARE(labelText(spar, "TimerWatch"), QStringLiteral("2:59"));
    }

    // Closing the fight window would leave no window while the match runs on.
    void closeBoxKeepsTheFightOpen()
    {
        GameFixture fixture;
        Spar &spar = startFirstBout(fixture);
        QVERIFY(!spar.close());
        QVERIFY(spar.isVisible());
        QVERIFY(spar.WatchCount().isRunning());
    }

    void scriptStateReportsThePublicVariables()
    {
        GameFixture fixture;
        Spar &spar = startFirstBout(fixture);
        spar.varEnDownAll = 2;
        const QJsonObject json = spar.scriptState();
        QCOMPARE(json.value(QStringLiteral("varEnDownAll")).toInt(), 2);
        QCOMPARE(json.value(QStringLiteral("varWinLose")).toInt(), 0);
        QVERIFY(json.value(QStringLiteral("WhoDown")).isNull());
        QCOMPARE(json.value(QStringLiteral("windowWidth")).toInt(), 8475);
        QVERIFY(json.contains(QStringLiteral("varHantei")));
        QVERIFY(json.contains(QStringLiteral("varMyDown")));
    }
};

QTEST_MAIN(SparSetupTest)
#include "test_spar_setup.moc"
