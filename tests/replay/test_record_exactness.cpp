// A record must play back to exactly the session it was made from: the same screens, boxes,
// sounds and bouts at the same game times, and the same state at the end. Each case makes a
// session, records it, plays the record headless and compares.
#include "ReplayRun.h"

#include "SoakBot.h"
#include "app/Game.h"
#include "app/GameApplication.h"
#include "app/GamePorts.h"
#include "app/ScriptDriver.h"
#include "data/GameStateJson.h"
#include "platform/ScriptedPrompter.h"
#include "platform/Transcript.h"
#include "replay/RecordingPrompter.h"
#include "replay/SessionRecorder.h"
#include "replay/core/RecordWriter.h"

#include <QAbstractButton>
#include <QAction>
#include <QBuffer>
#include <QDir>
#include <QMenu>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

namespace {
QString textOf(const QBuffer &buffer)
{
    return QString::fromUtf8(buffer.data());
}

// Ends the program as the real game does: the record is written out first, and what would
// have run after the end (the rest of the handler, the signals after it) is too late for it.
class LastWordsTerminator : public Terminator
{
public:
    explicit LastWordsTerminator(std::unique_ptr<Terminator> inner) : m_inner(std::move(inner)) {}
    std::function<void()> lastWords;
    void end() override
    {
        if (!m_inner->hasEnded() && lastWords)
            lastWords();
        m_inner->end();
    }
    bool hasEnded() const override { return m_inner->hasEnded(); }

private:
    std::unique_ptr<Terminator> m_inner;
};

// A game played in its real widgets by real input events, as the window system delivers
// them, on a clock the test moves in uneven steps as the wall clock would.
class PlayerSession
{
public:
    explicit PlayerSession(GameApplication &app) : m_app(app), m_stream(&m_output), m_transcript(m_stream)
    {
        Game::Ports ports = scriptedPorts(&m_transcript, &m_prompter);
        auto recording = std::make_unique<RecordingPrompter>(std::move(ports.prompter));
        RecordingPrompter &prompter = *recording;
        ports.prompter = std::move(recording);
        auto terminator = std::make_unique<LastWordsTerminator>(std::move(ports.terminator));
        terminator->lastWords = [this] {
            m_recorder->finish();
            m_recordAtEnd = textOf(m_record);
        };
        ports.terminator = std::move(terminator);
        m_game = std::make_unique<Game>(std::move(ports));
        m_transcript.setClock(&m_game->scheduler());
        m_game->setTranscript(&m_transcript);
        m_record.open(QIODevice::WriteOnly);
        m_recorder = std::make_unique<SessionRecorder>(*m_game, m_record, SessionRecorder::Source::Player,
                                                       QDateTime::currentDateTime());
        prompter.setRecorder(m_recorder.get());
        m_app.setRecorder(m_recorder.get());
        m_driver = std::make_unique<ScriptDriver>(*m_game, *m_prompter, m_transcript);
        m_game->openTitle();
    }

    ~PlayerSession() { m_app.setRecorder(nullptr); }
    PlayerSession(const PlayerSession &) = delete;
    PlayerSession &operator=(const PlayerSession &) = delete;

    Game &game() { return *m_game; }
    ScriptedPrompter &prompter() { return *m_prompter; }

    // A new career as a player starts one: a name and a birthplace typed, 新規作成 clicked.
    void startCareer()
    {
        m_prompter->queueInput(QStringLiteral("山田"));
        m_prompter->queueInput(QStringLiteral("東京"));
        QTest::mouseClick(button(QStringLiteral("frmMain"), QStringLiteral("Command1")), Qt::LeftButton);
    }

    QAbstractButton *button(const QString &form, const QString &name) const
    {
        QWidget *screen = m_game->form(form);
        return screen ? screen->findChild<QAbstractButton *>(name) : nullptr;
    }

    // Lets game time pass as the wall clock wakes the game: steps of uneven length, and now and
    // then a stall of the machine that makes late timers skip ahead.
    void passTime(qint64 ms)
    {
        Scheduler &clock = m_game->scheduler();
        const qint64 until = clock.now() + ms;
        while (clock.now() < until) {
            const qint64 step = m_steps.bounded(100) == 0 ? 350 + m_steps.bounded(400) : 1 + m_steps.bounded(60);
            const qint64 from = clock.now();
            const bool skipped = clock.catchUpTo(std::min(until, from + step));
            m_recorder->clockCaughtUp(from, clock.now(), skipped);
            QCoreApplication::sendPostedEvents();
        }
    }

    // The record as it stands and what the game did, its state at the end included.
    QString finish()
    {
        m_driver->runCommand(0, QStringLiteral("state"));
        m_app.setRecorder(nullptr);
        m_recorder.reset();
        m_stream.flush();
        return textOf(m_record);
    }
    QString transcript() const { return m_output; }
    // The record as it stood when the program ended, empty when it has not.
    QString recordAtEnd() const { return m_recordAtEnd; }

private:
    GameApplication &m_app;
    QString m_output;
    QTextStream m_stream;
    Transcript m_transcript;
    ScriptedPrompter *m_prompter = nullptr;
    std::unique_ptr<Game> m_game;
    QBuffer m_record;
    std::unique_ptr<SessionRecorder> m_recorder;
    std::unique_ptr<ScriptDriver> m_driver;
    QRandomGenerator m_steps{20261210};
    QString m_recordAtEnd;
};

// A transcript's lines without the ones a record does not carry (see ReplayRun::events).
QStringList eventsOf(const QString &transcript)
{
    ReplayRun run;
    run.transcript = transcript;
    return run.events();
}
} // namespace

class RecordExactnessTest : public QObject
{
    Q_OBJECT
    QTemporaryDir m_folder;

private slots:
    // Sessions run in a folder of their own holding a copy of the saves the scenarios load,
    // so the files they write (saves, histories, the monkey's chart pictures) stay there.
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        const QDir saves(QStringLiteral(RINGGLORY_SCENARIOS_DIR "/saves"));
        QVERIFY(QDir(m_folder.path()).mkdir(QStringLiteral("saves")));
        for (const QString &name : saves.entryList(QDir::Files))
            QVERIFY(QFile::copy(saves.filePath(name), m_folder.filePath(QStringLiteral("saves/") + name)));
        QVERIFY(QDir::setCurrent(m_folder.path()));
    }

    // Every scenario, recorded as the driver delivers its inputs, plays back to the same game.
    void scenarioAndItsRecordEndAlike_data()
    {
        QTest::addColumn<QString>("path");
        const QDir scenarios(QStringLiteral(RINGGLORY_SCENARIOS_DIR));
        for (const QString &name : scenarios.entryList({QStringLiteral("*.script")}))
            QTest::newRow(qPrintable(name)) << scenarios.filePath(name);
    }

    void scenarioAndItsRecordEndAlike()
    {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString script = QString::fromUtf8(file.readAll());
        QBuffer record;
        record.open(QIODevice::WriteOnly);
        const ReplayRun original = ReplayRun::of(script, &record);
        const ReplayRun replay = ReplayRun::of(textOf(record));
        QVERIFY2(!replay.hadErrors, qPrintable(replay.errors()));
        const QString difference = firstDifference(replay.events(), original.events());
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
        QCOMPARE(replay.finalState(), original.finalState());
    }

    // Short sessions that once recorded what the driver could not play back, recorded in one
    // folder and played in a fresh one, as a record goes to another machine.
    void shortSessionReplaysInAFreshFolder_data()
    {
        QTest::addColumn<QString>("script");
        const QString career = QStringLiteral("input 山田\ninput 東京\nclick frmMain.Command1\n");
        const QString sparring = career + QStringLiteral("click MainCommand.cmdCommand(2)\nclick Setsumei.Command1\n");
        QTest::newRow("a key held as sparring ends by itself")
            << sparring + QStringLiteral("keydown Spar Space\nwait 20000\nclick MainCommand.cmdCommand(3)");
        QTest::newRow("a key held as the sandbag's clock runs out")
            << career + QStringLiteral("click MainCommand.cmdCommand(0)\nclick Setsumei.Command1\nkeydown SandBag A\n"
                                       "wait 40000\nclick MainCommand.cmdCommand(3)");
        QTest::newRow("a key held as the punching ball's clock runs out")
            << career + QStringLiteral("click MainCommand.cmdCommand(1)\nclick Setsumei.Command1\n"
                                       "keydown PunchingBall Space\nwait 40000\nclick MainCommand.cmdCommand(3)");
        QTest::newRow("a hold resumed by a repeat as sparring ends")
            << sparring + QStringLiteral("keydown Spar Space\nkeyup Spar Space\nkeyrepeat Spar Space\nwait 20000");
        QTest::newRow("a catch-up given by the script") << sparring + QStringLiteral("catchup 1000\nwait 17500\nstate");
        QTest::newRow("Esc closes the settings")
            << career + QStringLiteral("click MainCommand.mnuSettings\nkey frmSettings Escape\nclick "
                                       "MainCommand.cmdCommand(3)");
        QTest::newRow("Esc closes the About box")
            << career + QStringLiteral("click MainCommand.mnuHelpAbout\nkey frmAbout Escape\nclick "
                                       "MainCommand.cmdCommand(3)");
        for (const QString &name : {QStringLiteral("my save"), QStringLiteral("  lead")}) {
            QTest::newRow(qPrintable(QStringLiteral("a save named '%1' loaded").arg(name)))
                << career + QStringLiteral("click MainCommand.cmdSaveAs\ntext saveFile.Text1 %1\nclick saveFile.Open\n"
                                           "click MainCommand.cmdCommand(3)\nclick MainCommand.cmdLoad\n"
                                           "select loadFile.File1 %1.sav\nclick loadFile.Open")
                                .arg(name);
        }
    }

    void shortSessionReplaysInAFreshFolder()
    {
        QFETCH(QString, script);
        QTemporaryDir played;
        QTemporaryDir replayed;
        QVERIFY(played.isValid() && replayed.isValid());
        const auto leave = qScopeGuard([] { QDir::setCurrent(QDir::tempPath()); });
        QDir::setCurrent(played.path());
        QBuffer record;
        record.open(QIODevice::WriteOnly);
        const ReplayRun original = ReplayRun::of(script, &record);
        QVERIFY2(!original.hadErrors, qPrintable(original.errors()));
        QDir::setCurrent(replayed.path());
        const ReplayRun replay = ReplayRun::of(textOf(record));
        QVERIFY2(!replay.hadErrors, qPrintable(replay.errors() + QStringLiteral("\nrecord:\n") + textOf(record)));
        const QString difference = firstDifference(replay.events(), original.events());
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
        // The career loaded names its file in the folder it was played in.
        QCOMPARE(replay.finalState(), QString(original.finalState()).replace(played.path(), replayed.path()));
    }

    // The monkey's sessions: bouts, knockdowns, training, saves and loads, boxes of every kind,
    // in orders no scenario thought of.
    void monkeySessionsReplayExactly_data()
    {
        QTest::addColumn<quint64>("seed");
        for (quint64 seed : {3, 11, 29, 47, 83, 101})
            QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
    }

    void monkeySessionsReplayExactly()
    {
        QFETCH(quint64, seed);
        QString log;
        QTextStream logStream(&log);
        SoakBot::Options options;
        options.seed = seed;
        options.steps = 2500;
        SoakBot bot(options, logStream);
        QVERIFY2(bot.run(), qPrintable(log));
        // The bot leaves the working folder in its game's own, where the script's saves belong.
        const QString script = bot.script();
        QBuffer record;
        record.open(QIODevice::WriteOnly);
        const ReplayRun original = ReplayRun::of(script, &record);
        QVERIFY2(!original.hadErrors, qPrintable(original.errors()));
        const ReplayRun replay = ReplayRun::of(textOf(record));
        if (qEnvironmentVariableIsSet("RINGGLORY_KEEP_RECORD")) {
            QFile keep(qEnvironmentVariable("RINGGLORY_KEEP_RECORD"));
            if (keep.open(QIODevice::WriteOnly))
                keep.write(record.data() + "\n#---- script\n" + script.toUtf8());
        }
        QVERIFY2(!replay.hadErrors, qPrintable(replay.errors()));
        const QString difference = firstDifference(replay.events(), original.events());
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
        QCOMPARE(replay.finalState(), original.finalState());
    }

    // A player's session: real mouse and key events on the real widgets, a clock that wakes
    // unevenly and stalls, a bout with punches, guard, held keys and a held 立て！ button.
    void playerSessionReplaysExactly()
    {
        auto &app = *static_cast<GameApplication *>(QCoreApplication::instance());
        QString record;
        QString transcript;
        {
            PlayerSession session(app);
            session.passTime(700);
            session.startCareer();
            for (int day = 0; day < 10; ++day) {
                session.passTime(150 + 37 * day);
                QTest::mouseClick(session.button(QStringLiteral("MainCommand"), QStringLiteral("cmdCommand(3)")),
                                  Qt::LeftButton);
            }
            session.passTime(400);
            QTest::mouseClick(session.button(QStringLiteral("Setsumei"), QStringLiteral("Command1")), Qt::LeftButton);
            QWidget *spar = session.game().form(QStringLiteral("Spar"));
            QVERIFY(spar && spar->isVisible());
            QRandomGenerator choices(7);
            for (int step = 0; step < 600 && spar->isVisible(); ++step) {
                switch (choices.bounded(8)) {
                case 0:
                case 1:
                    QTest::mouseMove(spar, QPoint(int(choices.bounded(spar->width())),
                                                  int(choices.bounded(spar->height()))));
                    break;
                case 2:
                    QTest::keyPress(spar, Qt::Key_Space);
                    session.passTime(choices.bounded(900));
                    QTest::keyRelease(spar, Qt::Key_Space);
                    break;
                case 3:
                    QTest::keyClick(spar, choices.bounded(2) ? Qt::Key_F : Qt::Key_J);
                    break;
                case 4: {
                    const QString punch = choices.bounded(2) ? QStringLiteral("LeftPunch(1)") : QStringLiteral("RightPunch(3)");
                    QAbstractButton *button = session.button(QStringLiteral("Spar"), punch);
                    if (button->isVisible() && button->isEnabled())
                        QTest::mouseClick(button, Qt::LeftButton);
                    break;
                }
                case 5: {
                    QAbstractButton *wakeUp = session.button(QStringLiteral("Spar"), QStringLiteral("WakeUp"));
                    if (wakeUp->isVisible() && wakeUp->isEnabled()) {
                        QTest::mousePress(wakeUp, Qt::LeftButton);
                        session.passTime(choices.bounded(1500));
                        if (wakeUp->isVisible())
                            QTest::mouseRelease(wakeUp, Qt::LeftButton);
                    }
                    break;
                }
                default:
                    break;
                }
                session.passTime(choices.bounded(700));
            }
            record = session.finish();
            transcript = session.transcript();
        }
        QVERIFY2(!transcript.contains(QStringLiteral("\terror\t")), qPrintable(transcript.right(2000)));
        QVERIFY(record.contains(QStringLiteral("\nmove Spar ")));
        QVERIFY(record.contains(QStringLiteral("\nkeydown Spar Space")));
        QVERIFY(record.contains(QStringLiteral("\ncatchup ")));
        const ReplayRun replay = ReplayRun::of(record);
        QVERIFY2(!replay.hadErrors, qPrintable(replay.errors()));
        const QString difference = firstDifference(replay.events(), eventsOf(transcript));
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
        QCOMPARE(replay.finalState(), ReplayRun{transcript}.finalState());
    }

    // The mouse over the fight screen while the instructions wait for OK reaches nothing, and
    // the record must not say it did: a replay could not give it.
    void mouseBehindTheInstructionsIsNotRecorded()
    {
        auto &app = *static_cast<GameApplication *>(QCoreApplication::instance());
        QString record;
        QString transcript;
        {
            PlayerSession session(app);
            session.startCareer();
            session.passTime(300);
            QTest::mouseClick(session.button(QStringLiteral("MainCommand"), QStringLiteral("cmdCommand(2)")),
                              Qt::LeftButton);
            QWidget *spar = session.game().form(QStringLiteral("Spar"));
            QVERIFY(spar && spar->isVisible() && !spar->isEnabled());
            QRandomGenerator places(3);
            const auto moveAbout = [&] {
                for (int step = 0; step < 20; ++step) {
                    QTest::mouseMove(spar,
                                     QPoint(int(places.bounded(spar->width())), int(places.bounded(spar->height()))));
                    session.passTime(150);
                }
            };
            moveAbout();
            QTest::mouseClick(session.button(QStringLiteral("Setsumei"), QStringLiteral("Command1")), Qt::LeftButton);
            moveAbout();
            record = session.finish();
            transcript = session.transcript();
        }
        const qsizetype ok = record.indexOf(QStringLiteral("click Setsumei.Command1"));
        QVERIFY(ok > 0);
        QVERIFY2(!record.left(ok).contains(QStringLiteral("move Spar")), qPrintable(record));
        QVERIFY(record.mid(ok).contains(QStringLiteral("move Spar")));
        const ReplayRun replay = ReplayRun::of(record);
        QVERIFY2(!replay.hadErrors, qPrintable(replay.errors()));
        QCOMPARE(replay.finalState(), ReplayRun{transcript}.finalState());
    }

    // 終了 chosen in the hub's menu and confirmed ends the program inside the menu item's own
    // signal: the record must already hold the item, with the answer that confirmed it.
    void aQuitFromTheMenuIsRecordedWhole()
    {
        auto &app = *static_cast<GameApplication *>(QCoreApplication::instance());
        QString record;
        {
            PlayerSession session(app);
            session.startCareer();
            session.passTime(300);
            QWidget *hub = session.game().form(QStringLiteral("MainCommand"));
            auto *menu = hub->findChild<QMenu *>(QStringLiteral("mnuFile"));
            auto *exit = hub->findChild<QAction *>(QStringLiteral("mnuFileExit"));
            QVERIFY(menu && exit);
            session.prompter().queueAnswer(true);
            menu->popup(hub->mapToGlobal(QPoint(0, 0)));
            QVERIFY(QTest::qWaitForWindowExposed(menu));
            menu->setActiveAction(exit);
            QTest::keyClick(menu, Qt::Key_Return);
            QVERIFY(session.game().hasEnded());
            record = session.recordAtEnd();
        }
        const QStringList lines = record.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY2(lines.size() >= 2, qPrintable(record));
        QCOMPARE(lines.last(), QStringLiteral("click MainCommand.mnuFileExit"));
        QVERIFY(lines.contains(QStringLiteral("answer yes")));
        QVERIFY(ReplayRun::of(record).transcript.contains(QStringLiteral("\tend")));
    }

    // A save loaded again as it was is carried once; loaded files never take a record past what
    // a replay reads, and the one left out is said to be.
    void loadedFilesAreCarriedOnceAndWithinBounds()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QDir::setCurrent(folder.path());
        // The folder goes at the end: the tests after this one must not work in a folder that is gone.
        const auto leave = qScopeGuard([] { QDir::setCurrent(QDir::tempPath()); });
        const QString career = QStringLiteral("input 山田\ninput 東京\nclick frmMain.Command1\n"
                                              "click MainCommand.cmdSaveAs\ntext saveFile.Text1 big\n"
                                              "click saveFile.Open\n");
        const QString load = QStringLiteral("click MainCommand.cmdLoad\nselect loadFile.File1 big.sav\n"
                                            "click loadFile.Open\n");
        QBuffer record;
        record.open(QIODevice::WriteOnly);
        QString told;
        {
            QString output;
            QTextStream stream(&output);
            Transcript transcript(stream);
            ScriptedGame game(transcript, &record);
            game.game().setTranscript(&transcript);
            game.recorder()->setProblemListener([&told](const QString &problem) { told += problem; });
            QVERIFY(game.driver().run(career + load + load));
            // A history grown past what any career writes, changed between two loads.
            QFile history(QStringLiteral("big.history.csv"));
            QVERIFY(history.open(QIODevice::WriteOnly));
            history.write(QByteArray(13 * 1024 * 1024, 'x'));
            history.close();
            game.driver().run(load + load);
            QVERIFY2(told.isEmpty(), qPrintable(told));
            QVERIFY(history.open(QIODevice::WriteOnly));
            history.write(QByteArray(13 * 1024 * 1024, 'y'));
            history.close();
            game.driver().run(load);
        }
        const QString text = textOf(record);
        QCOMPARE(text.count(QStringLiteral("\nfile big.sav ")), 1);
        QCOMPARE(text.count(QStringLiteral("\nfile big.history.csv ")), 2);
        QVERIFY(record.data().size() <= RecordWriter::MaxBytes);
        QCOMPARE(text.count(QStringLiteral("\n# big.history.csv is not carried")), 1);
        QVERIFY2(told.contains(QStringLiteral("big.history.csv")), qPrintable(told));
    }

    // A record cut off by a crash plays up to its last line, and no further, without a fault.
    void recordCutAnywherePlaysToItsEnd()
    {
        SoakBot::Options options;
        options.seed = 5;
        options.steps = 400;
        QString log;
        QTextStream logStream(&log);
        SoakBot bot(options, logStream);
        QVERIFY2(bot.run(), qPrintable(log));
        QBuffer record;
        record.open(QIODevice::WriteOnly);
        ReplayRun::of(bot.script(), &record);
        const QStringList lines = textOf(record).split(QLatin1Char('\n'));
        QRandomGenerator cuts(12);
        for (int i = 0; i < 12; ++i) {
            const qsizetype kept = cuts.bounded(qsizetype(lines.size()));
            const ReplayRun cut = ReplayRun::of(lines.first(kept).join(QLatin1Char('\n')));
            QVERIFY2(!cut.hadErrors, qPrintable(QStringLiteral("cut after %1 lines:\n%2").arg(kept).arg(cut.errors())));
        }
    }

    // A record from another version plays with a warning naming both versions, and otherwise alike.
    void anotherVersionsRecordWarns()
    {
        QFile file(QStringLiteral(RINGGLORY_SCENARIOS_DIR "/rest_to_fight_day.script"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QBuffer record;
        record.open(QIODevice::WriteOnly);
        const ReplayRun original = ReplayRun::of(QString::fromUtf8(file.readAll()), &record);
        QString older = textOf(record);
        older.replace(QStringLiteral("# ringglory version " RINGGLORY_VERSION), QStringLiteral("# ringglory version 0.9.1"));
        const ReplayRun replay = ReplayRun::of(older);
        QVERIFY(replay.transcript.contains(QStringLiteral("\twarning\trecorded by ringglory 0.9.1, played by ringglory " RINGGLORY_VERSION)));
        QVERIFY(!replay.hadErrors);
        QCOMPARE(replay.finalState(), original.finalState());
        QVERIFY(!ReplayRun::of(textOf(record)).transcript.contains(QStringLiteral("\twarning\t")));
    }
};

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    GameApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    RecordExactnessTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_record_exactness.moc"
