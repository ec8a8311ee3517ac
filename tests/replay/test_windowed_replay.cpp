// A record played in the game's windows: its waits take their time on a wall clock the tests
// move by hand, divided by the speed; boxes stay up a moment that is not the record's time; the
// transcript is the one `--script` writes for the same record; the player's own input does
// nothing until the replay stops or ends, and then the game is the player's.
#include "app/GamePorts.h"
#include "app/ScriptedGame.h"
#include "data/GameState.h"
#include "data/GameStateJson.h"
#include "platform/RecordingSound.h"
#include "platform/ScriptedPrompter.h"
#include "platform/Transcript.h"
#include "platform/WallClockDriver.h"
#include "replay/WindowedReplay.h"

#include <QAbstractButton>
#include <QAction>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <QTextStream>

#include <cmath>
#include <memory>

namespace {
QString scenario(const QString &name)
{
    QFile file(QStringLiteral(RINGGLORY_SCENARIOS_DIR "/") + name + QStringLiteral(".script"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read the scenario %s", qPrintable(name));
    return QString::fromUtf8(file.readAll());
}

// The transcript `--script` writes for the script.
QString scriptTranscript(const QString &script)
{
    QString out;
    QTextStream stream(&out);
    Transcript transcript(stream);
    {
        ScriptedGame scripted(transcript);
        scripted.driver().run(script);
    }
    return out;
}

// The record a session played by the script leaves, as `--script S --record R` writes it.
QString recordOf(const QString &script)
{
    QString out;
    QTextStream stream(&out);
    Transcript transcript(stream);
    QBuffer record;
    record.open(QIODevice::WriteOnly);
    {
        ScriptedGame scripted(transcript, &record);
        scripted.driver().run(script);
    }
    return QString::fromUtf8(record.data());
}

QAbstractButton *button(Game &game, const QString &form, const QString &name)
{
    QWidget *screen = game.form(form);
    return screen ? screen->findChild<QAbstractButton *>(name) : nullptr;
}

// A replay on a wall clock the test moves, whose boxes are held for no real time: the hold
// notes the box and moves the wall clock on by the time the box would stay up. The player's
// ports are doubles, so what the player is asked after the replay can be read.
struct ReplayRun
{
    struct Held
    {
        QString text;
        qint64 ms;
    };

    explicit ReplayRun(const QString &record, double speed = 1.0, int fromBout = 0)
    {
        Game::Ports player = scriptedPorts(nullptr, &playerPrompter);
        playerTerminator = static_cast<RecordingTerminator *>(player.terminator.get());
        replay = std::make_unique<WindowedReplay>(record, transcript, std::move(player), speed, fromBout);
        replay->setWallClock([this] { return wall; });
        replay->setBoxHold([this](QWidget &box, qint64 ms) {
            QString text;
            if (auto *input = qobject_cast<QInputDialog *>(&box))
                text = input->textValue();
            else if (auto *message = qobject_cast<QMessageBox *>(&box))
                text = message->text();
            held.append({box.isVisible() ? text : QStringLiteral("<not on the screen>"), ms});
            wall += ms;
        });
        started = replay->start(&startError);
    }

    Game &game() { return replay->game(); }
    qint64 now() { return game().scheduler().now(); }

    // Moves the wall clock on by ms a frame at a time, as the event loop would, ticking the
    // replay at each frame.
    void play(qint64 ms)
    {
        for (qint64 left = ms; left > 0 && replay->isReplaying();) {
            const qint64 frame = std::min(left, WindowedReplay::FrameMs);
            wall += frame;
            left -= frame;
            replay->tick();
        }
    }
    // Frames until the player has the game; false if that never comes.
    bool playToEnd()
    {
        for (int frame = 0; frame < 1000000 && replay->isReplaying(); ++frame) {
            wall += WindowedReplay::FrameMs;
            replay->tick();
        }
        return !replay->isReplaying();
    }
    QString lastPlayerBox() const
    {
        const QStringList texts = playerPrompter->messageTexts();
        return texts.isEmpty() ? QString() : texts.last();
    }

    QString out;
    QTextStream stream{&out};
    Transcript transcript{stream};
    qint64 wall = 0;
    QList<Held> held;
    bool started = false;
    QString startError;
    ScriptedPrompter *playerPrompter = nullptr;
    RecordingTerminator *playerTerminator = nullptr;
    std::unique_ptr<WindowedReplay> replay;
};

// A settings store whose values live outside it, so a test can read them once it is gone.
class OutsideSettings : public Settings
{
public:
    explicit OutsideSettings(QMap<QString, QVariant> &values) : m_values(values) {}
    void setValue(const QString &key, const QVariant &value) override { m_values.insert(key, value); }
    QVariant value(const QString &key) const override { return m_values.value(key); }

private:
    QMap<QString, QVariant> &m_values;
};

QtMessageHandler qtHandler = nullptr;

// The offscreen platform says of every box shown that it cannot pass size hints on; nothing else
// is kept from the test's output.
void quietAboutSizeHints(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message != QLatin1String("This plugin does not support propagateSizeHints()"))
        qtHandler(type, context, message);
}

const QString NewCareer = QStringLiteral("input 山田\ninput 東京\nclick frmMain.Command1\n");
} // namespace

class TestWindowedReplay : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qtHandler = qInstallMessageHandler(quietAboutSizeHints); }

    void waitsTakeTheirGameTimeDividedByTheSpeed_data()
    {
        QTest::addColumn<QString>("record");
        QTest::addColumn<double>("speed");
        QTest::addColumn<qint64>("wallMs");
        QTest::addColumn<qint64>("gameMs");
        const QString twoWaits = QStringLiteral("wait 1000\nwait 1000\n");
        QTest::newRow("four times as fast, within the first wait")
            << twoWaits << 4.0 << qint64(100) << qint64(400);
        QTest::newRow("four times as fast, the first wait's rest carried into the second")
            << twoWaits << 4.0 << qint64(300) << qint64(1200);
        QTest::newRow("four times as fast, both waits over")
            << twoWaits << 4.0 << qint64(600) << qint64(2000);
        QTest::newRow("half as fast") << twoWaits << 0.5 << qint64(1000) << qint64(500);
        QTest::newRow("a thousand times as fast, within a frame")
            << twoWaits << 1000.0 << qint64(1) << qint64(1000);
        QTest::newRow("a third as fast: no time is lost to rounding")
            << twoWaits << (1.0 / 3.0) << qint64(3000) << qint64(1000);
        const QString catchUp = QStringLiteral("catchup 1000\n");
        QTest::newRow("a catch-up is not under way before its time")
            << catchUp << 1.0 << qint64(999) << qint64(0);
        QTest::newRow("a catch-up happens at the end of its time")
            << catchUp << 1.0 << qint64(1000) << qint64(1000);
    }

    void waitsTakeTheirGameTimeDividedByTheSpeed()
    {
        QFETCH(QString, record);
        QFETCH(double, speed);
        QFETCH(qint64, wallMs);
        QFETCH(qint64, gameMs);
        ReplayRun run(record, speed);
        for (qint64 at = 0; at < wallMs && run.replay->isReplaying();) {
            run.play(std::min<qint64>(WindowedReplay::FrameMs, wallMs - at));
            at = run.wall;
            // Frame by frame the game clock never runs ahead of the wall clock.
            QVERIFY2(double(run.now()) <= double(run.wall) * speed + 1e-6,
                     qPrintable(QStringLiteral("game %1 ms at wall %2 ms").arg(run.now()).arg(run.wall)));
        }
        QCOMPARE(run.now(), gameMs);
    }

    void aBoxStaysUpAMomentThatIsNotTheRecordsTime_data()
    {
        QTest::addColumn<double>("speed");
        QTest::addColumn<qint64>("boxMs");
        QTest::newRow("as fast as played: a second") << 1.0 << qint64(1000);
        QTest::newRow("four times as fast") << 4.0 << qint64(250);
        QTest::newRow("half as fast") << 0.5 << qint64(2000);
        QTest::newRow("a thousand times as fast: still a frame") << 1000.0 << WindowedReplay::FrameMs;
    }

    void aBoxStaysUpAMomentThatIsNotTheRecordsTime()
    {
        QFETCH(double, speed);
        QFETCH(qint64, boxMs);
        ReplayRun run(NewCareer + QStringLiteral("wait 1000\nclick MainCommand.cmdCommand(3)\n"), speed);
        // The wall clock not moving, the new career's boxes come up one after the other: the
        // two input boxes with what the record typed, the welcome and the chairman's.
        run.replay->tick();
        QCOMPARE(run.held.size(), 4);
        QCOMPARE(run.held[0].text, QStringLiteral("山田"));
        QCOMPARE(run.held[1].text, QStringLiteral("東京"));
        for (const ReplayRun::Held &box : std::as_const(run.held))
            QCOMPARE(box.ms, boxMs);
        QCOMPARE(run.now(), qint64(0));
        // The wait after them still takes its whole time.
        const auto waitWall = static_cast<qint64>(std::llround(1000 / speed));
        run.play(waitWall - 1);
        QVERIFY2(run.now() < 1000, qPrintable(QString::number(run.now())));
        QCOMPARE(run.held.size(), 4);
        run.play(1);
        QCOMPARE(run.now(), qint64(1000));
        // Then the rest's box.
        QCOMPARE(run.held.size(), 5);
        QVERIFY2(run.held[4].text.startsWith(QStringLiteral("ゆっくり休憩して")),
                 qPrintable(run.held[4].text));
    }

    void aReplayWritesTheTranscriptTheScriptWrites_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<double>("speed");
        QTest::addColumn<int>("fromBout");
        QTest::addColumn<QString>("endWords");
        QTest::addColumn<bool>("programEnds");
        const QString goesOn = QStringLiteral("ここからはあなたの操作でゲームが続きます。");
        QTest::newRow("a bout, as fast as played")
            << scenario(QStringLiteral("spar_first_bout")) << 1.0 << 0 << goesOn << false;
        QTest::newRow("a bout, from the bout, four times as fast")
            << scenario(QStringLiteral("spar_first_bout")) << 4.0 << 1 << goesOn << false;
        QTest::newRow("a bout the record does not have")
            << scenario(QStringLiteral("spar_first_bout")) << 1000.0 << 2
            << QStringLiteral("この記録の試合は1試合目までです。") << false;
        QTest::newRow("training, at two and a half")
            << scenario(QStringLiteral("training_workouts")) << 2.5 << 0 << goesOn << false;
        QTest::newRow("the record's game ends")
            << scenario(QStringLiteral("quit_no_then_yes")) << 1.0 << 0
            << QStringLiteral("記録のゲームはここで終わっています。") << true;
    }

    void aReplayWritesTheTranscriptTheScriptWrites()
    {
        QFETCH(QString, script);
        QFETCH(double, speed);
        QFETCH(int, fromBout);
        QFETCH(QString, endWords);
        QFETCH(bool, programEnds);
        const QString record = recordOf(script) + QStringLiteral("state\n");
        const QString expected = scriptTranscript(record);
        QVERIFY(expected.contains(QLatin1String("\tstate\t")) || programEnds);

        ReplayRun run(record, speed, fromBout);
        QVERIFY(run.playToEnd());
        QCOMPARE(run.out.split(QLatin1Char('\n')), expected.split(QLatin1Char('\n')));
        // The box that ends the replay is the player's, not the record's.
        QVERIFY2(run.lastPlayerBox().startsWith(QStringLiteral("リプレイはここまでです。")),
                 qPrintable(run.lastPlayerBox()));
        QVERIFY2(run.lastPlayerBox().contains(endWords), qPrintable(run.lastPlayerBox()));
        QCOMPARE(run.playerTerminator->hasEnded(), programEnds);
    }

    void fromABoutTheRecordRunsAtOnceToItsStart_data()
    {
        QTest::addColumn<QString>("script");
        QTest::newRow("ten days of rest, then the bout") << scenario(QStringLiteral("spar_first_bout"));
        QTest::newRow("a sparring session on the fight screen is no bout")
            << scenario(QStringLiteral("spar_sparring_session")) +
                   QStringLiteral("click MainCommand.cmdCommand(3)\n").repeated(9) +
                   QStringLiteral("click Setsumei.Command1\nwait 5000\n");
    }

    void fromABoutTheRecordRunsAtOnceToItsStart()
    {
        QFETCH(QString, script);
        ReplayRun run(recordOf(script), 1.0, 1);
        QVERIFY(!run.replay->isShowing());
        // One frame, the wall clock not moving: the days before the fight and their boxes go by.
        run.replay->tick();
        QVERIFY(run.replay->isShowing());
        QCOMPARE(run.replay->boutsStarted(), 1);
        QWidget *spar = run.game().form(QStringLiteral("Spar"));
        QVERIFY(spar && spar->isVisible());
        QCOMPARE(run.game().state().varSparMode, qint16(SparModeBout));
        QCOMPARE(run.game().state().varNowDate.toInt(), 11);
        QCOMPARE(run.wall, qint64(0));
        QVERIFY(run.held.isEmpty());
        // From there on the wall clock paces it.
        const qint64 boutStart = run.now();
        run.play(1000);
        QCOMPARE(run.now(), boutStart + 1000);
    }

    void escStopsTheReplayAndTheGameIsThePlayers()
    {
        ReplayRun run(recordOf(scenario(QStringLiteral("spar_first_bout"))));
        while (run.replay->isReplaying() && run.now() < 1000)
            run.play(WindowedReplay::FrameMs);
        QWidget *spar = run.game().form(QStringLiteral("Spar"));
        QVERIFY(spar && spar->isVisible() && spar->isEnabled());
        const qint64 stoppedAt = run.now();
        const QString transcriptBefore = run.out;

        QTest::keyClick(spar, Qt::Key_Escape);
        run.play(WindowedReplay::FrameMs);
        QVERIFY(!run.replay->isReplaying());
        QCOMPARE(run.now(), stoppedAt);
        QVERIFY2(run.lastPlayerBox().startsWith(QStringLiteral("リプレイはここまでです。")),
                 qPrintable(run.lastPlayerBox()));
        QVERIFY(!run.playerTerminator->hasEnded());
        // The bout goes on in the player's hands, and what the player does is not the record's.
        QAbstractButton *punch = button(run.game(), QStringLiteral("Spar"), QStringLiteral("LeftPunch(1)"));
        QVERIFY(punch && punch->isEnabled());
        QSignalSpy clicked(punch, &QAbstractButton::clicked);
        QTest::mouseClick(punch, Qt::LeftButton);
        QCOMPARE(clicked.size(), 1);
        QCOMPARE(run.out, transcriptBefore);
    }

    void thePlayersInputDuringTheReplayDoesNothing_data()
    {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("a click on the rest button") << false;
        QTest::newRow("Space on the rest button") << true;
    }

    void thePlayersInputDuringTheReplayDoesNothing()
    {
        QFETCH(bool, byKey);
        ReplayRun run(NewCareer + QStringLiteral("wait 60000\n"));
        run.play(100);
        QAbstractButton *rest =
            button(run.game(), QStringLiteral("MainCommand"), QStringLiteral("cmdCommand(3)"));
        QVERIFY(rest && rest->isVisible() && rest->isEnabled());
        const auto restOnce = [&] {
            if (byKey) {
                rest->setFocus();
                QTest::keyClick(rest, Qt::Key_Space);
            } else {
                QTest::mouseClick(rest, Qt::LeftButton);
            }
        };
        const int day = run.game().state().varNowDate.toInt();
        restOnce();
        QCOMPARE(run.game().state().varNowDate.toInt(), day);
        QVERIFY(run.replay->isReplaying());

        // The same input, once the game is the player's, is a day of rest.
        run.replay->stop();
        run.play(WindowedReplay::FrameMs);
        QVERIFY(!run.replay->isReplaying());
        restOnce();
        QCOMPARE(run.game().state().varNowDate.toInt(), day + 1);
    }

    void thePlayerSavesWhereThePlayerKeepsSaves()
    {
        const QString before = QDir::currentPath();
        ReplayRun run(QStringLiteral("privatefolder\n") + NewCareer +
                      QStringLiteral("click MainCommand.cmdSaveAs\ntext saveFile.Text1 replayed\n"
                                     "click saveFile.Open\nwait 1000\n"));
        run.play(100);
        const QString saved = run.game().state().varFileName;
        QVERIFY2(QFileInfo::exists(saved), qPrintable(saved));
        QVERIFY(QDir::currentPath() != before);

        QVERIFY(run.playToEnd());
        // The replay's folder is gone with what it saved, and the career no longer names a file
        // there: an overwrite save asks for a new save rather than writing into nothing.
        QVERIFY(!QFileInfo::exists(saved));
        QCOMPARE(QDir::currentPath(), before);
        QCOMPARE(run.game().state().varFileName, QString());
        QAction *overwrite = run.game()
                                 .form(QStringLiteral("MainCommand"))
                                 ->findChild<QAction *>(QStringLiteral("mnuFileSave"));
        QVERIFY(overwrite);
        overwrite->trigger();
        QVERIFY2(run.lastPlayerBox().startsWith(QStringLiteral("ファイルが選択されていません。")),
                 qPrintable(run.lastPlayerBox()));
    }

    // A record that asks for no private folder gets one all the same: what it saves and the
    // files it carries never land beside the player's own saves.
    void aReplayNeverWritesBesideThePlayersSaves()
    {
        QTemporaryDir players;
        QVERIFY(players.isValid());
        const QString before = QDir::currentPath();
        QDir::setCurrent(players.path());
        const QDir folder(players.path());
        for (const QString &name : {QStringLiteral("hero.sav"), QStringLiteral("hero.history.csv")}) {
            QFile mine(folder.filePath(name));
            QVERIFY(mine.open(QIODevice::WriteOnly));
            mine.write("mine");
        }
        {
            ReplayRun run(NewCareer + QStringLiteral("click MainCommand.cmdSaveAs\ntext saveFile.Text1 hero\n"
                                                     "click saveFile.Open\nfile planted.sav bWluZQ==\n"));
            QVERIFY2(run.started, qPrintable(run.startError));
            QVERIFY(run.playToEnd());
            QVERIFY2(!run.out.contains(QLatin1String("\terror\t")), qPrintable(run.out));
        }
        QDir::setCurrent(before);
        QCOMPARE(folder.entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot),
                 (QStringList{QStringLiteral("hero.history.csv"), QStringLiteral("hero.sav")}));
        for (const QString &name : {QStringLiteral("hero.sav"), QStringLiteral("hero.history.csv")}) {
            QFile mine(folder.filePath(name));
            QVERIFY(mine.open(QIODevice::ReadOnly));
            QCOMPARE(mine.readAll(), QByteArray("mine"));
        }
    }

    // Without a private folder there is no replay: nothing runs, and the caller is told why.
    void noPrivateFolderNoReplay()
    {
        QTemporaryFile notAFolder;
        QVERIFY(notAFolder.open());
        const QByteArray tmp = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(notAFolder.fileName()));
        ReplayRun run(NewCareer);
        qputenv("TMPDIR", tmp);
        QVERIFY(!run.started);
        QVERIFY2(run.startError.startsWith(QStringLiteral("cannot make a private folder")),
                 qPrintable(run.startError));
        QVERIFY(run.out.isEmpty());
        QVERIFY(!run.game().form(QStringLiteral("frmMain")));
    }

    // What the player goes on from is recorded: the record as far as it played, a wait cut short
    // included, played headless from the start reaches the game the player took over.
    void thePlayedRecordReachesTheGameAsItStands_data()
    {
        QTest::addColumn<QString>("record");
        QTest::addColumn<qint64>("stopAt");
        QTest::newRow("stopped within a wait of training")
            << scenario(QStringLiteral("training_workouts")) << qint64(7000);
        QTest::newRow("stopped within a bout")
            << scenario(QStringLiteral("spar_first_bout")) << qint64(20000);
        QTest::newRow("a record without a line end at its end")
            << NewCareer + QStringLiteral("wait 500") << qint64(100000);
    }

    void thePlayedRecordReachesTheGameAsItStands()
    {
        QFETCH(QString, record);
        QFETCH(qint64, stopAt);
        ReplayRun run(record, 4.0);
        QVERIFY(run.started);
        while (run.replay->isReplaying() && run.now() < stopAt)
            run.play(WindowedReplay::FrameMs);
        run.replay->stop();
        QVERIFY(run.playToEnd());
        const QString played = run.replay->playedRecord();
        QVERIFY2(played.startsWith(QStringLiteral("privatefolder\n")), qPrintable(played.left(100)));

        QString out;
        QTextStream stream(&out);
        Transcript transcript(stream);
        ScriptedGame again(transcript);
        QVERIFY(again.driver().run(played));
        QCOMPARE(again.game().scheduler().now(), run.now());
        QCOMPARE(gameStateToJson(again.game().state()), gameStateToJson(run.game().state()));
    }

    void theRecordsSettingsNeverReachThePlayersStore()
    {
        QMap<QString, QVariant> playersValues{{QStringLiteral("volume"), 80}};
        Game::Ports player = scriptedPorts(nullptr);
        player.settings = std::make_unique<OutsideSettings>(playersValues);
        QString out;
        QTextStream stream(&out);
        Transcript transcript(stream);
        WindowedReplay replay(QStringLiteral("setting mute on\n"), transcript, std::move(player));
        replay.setBoxHold([](QWidget &, qint64) {});
        QString error;
        QVERIFY2(replay.start(&error), qPrintable(error));
        // The replay starts from the settings the record starts from, as the script driver does.
        QCOMPARE(replay.game().options().volume, 100);
        replay.tick();
        QVERIFY(!replay.isReplaying());
        QVERIFY(replay.game().options().mute);
        QCOMPARE(playersValues, (QMap<QString, QVariant>{{QStringLiteral("volume"), 80}}));
    }

    void theWallClockTakesOverAtTheGamesTime()
    {
        Scheduler scheduler;
        scheduler.advance(90000);
        const WallClockDriver driver(scheduler, scheduler.now());
        QVERIFY2(driver.logicalNow() >= 90000 && driver.logicalNow() < 91000,
                 qPrintable(QString::number(driver.logicalNow())));
    }
};

QTEST_MAIN(TestWindowedReplay)
#include "test_windowed_replay.moc"
