#include "app/CommandLine.h"
#include "app/GameApplication.h"
#include "app/GamePorts.h"
#include "app/QtLook.h"
#include "app/QuietTerminal.h"
#include "app/ScriptFile.h"
#include "app/ScriptedGame.h"
#include "app/TerminationSignals.h"
#include "app/WindowSystem.h"
#include "platform/GameFiles.h"
#include "platform/Transcript.h"
#include "platform/Twips.h"
#include "platform/WallClockDriver.h"
#include "replay/RecordingPrompter.h"
#include "replay/SessionRecorder.h"
#include "replay/WindowedReplay.h"
#include "replay/core/RecordFolder.h"
#include "title/frmMain.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QIcon>
#include <QMessageBox>
#include <QTextStream>

namespace {
void tellOnStandardError(const QString &problem)
{
    QTextStream(stderr) << "ringglory: " << problem << '\n';
}

// A script whose record could not be written whole did not do all it was asked to.
int runScript(const QByteArray &script, QFile *record)
{
    QTextStream out(stdout);
    out.setEncoding(QStringConverter::Utf8);
    Transcript transcript(out);
    bool ran = false;
    bool recordFailed = false;
    {
        ScriptedGame scripted(transcript, record);
        if (SessionRecorder *recorder = scripted.recorder()) {
            recorder->setProblemListener([&recordFailed](const QString &problem) {
                tellOnStandardError(problem);
                recordFailed = true;
            });
        }
        ran = scripted.driver().run(QString::fromUtf8(script));
    }
    return ran && !recordFailed ? 0 : 1;
}

// The player hears of the record's first problem in a box that leaves the game running; every
// problem also goes to standard error.
void tellThePlayer(const QString &problem)
{
    tellOnStandardError(problem);
    static bool told = false;
    if (told)
        return;
    told = true;
    auto *box = new QMessageBox(QMessageBox::Warning, QStringLiteral("プレイ記録"),
                                QStringLiteral("このプレイの記録に問題があります。\n%1").arg(problem), QMessageBox::Ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

// The game in its windows on the wall clock, every input recorded when there is a record.
int play(GameApplication &app, QFile *record)
{
    Game::Ports ports = realPorts();
    auto prompter = std::make_unique<RecordingPrompter>(std::move(ports.prompter));
    RecordingPrompter &recordingPrompter = *prompter;
    ports.prompter = std::move(prompter);
    auto &terminator = static_cast<ProcessTerminator &>(*ports.terminator);
    Game game(std::move(ports));
    game.fitWindowsToScreen();
    WallClockDriver driver(game.scheduler());
    app.setBeforeInput([&driver] { driver.catchUp(); });
    std::unique_ptr<SessionRecorder> recorder;
    if (record) {
        recorder = std::make_unique<SessionRecorder>(game, *record, SessionRecorder::Source::Player,
                                                     QDateTime::currentDateTime());
        recorder->setProblemListener(tellThePlayer);
        recordingPrompter.setRecorder(recorder.get());
        app.setRecorder(recorder.get());
        terminator.setLastWords([&recorder] { recorder->finish(); });
        driver.setCatchUpListener(
            [&recorder](qint64 from, qint64 target, bool skipped) { recorder->clockCaughtUp(from, target, skipped); });
    }
    game.openTitle();
    const int status = QApplication::exec();
    app.setRecorder(nullptr);
    app.setBeforeInput({});
    return status;
}

// The file a session is recorded to, opened for writing; null, with the reason on standard
// error, when it cannot be. A file asked for by name must be new, since one already there may
// be anything of the player's, the script being played included; the replays folder's own
// files are new names the folder has just reserved.
enum class RecordFile { New, Reserved };
std::unique_ptr<QFile> openRecord(const QString &path, RecordFile kind)
{
    auto record = std::make_unique<QFile>(path);
    if (kind == RecordFile::New && record->exists()) {
        QTextStream(stderr) << "ringglory: cannot record to " << path
                            << ": a file of that name is already there\n";
        return nullptr;
    }
    const QIODevice::OpenMode mode = kind == RecordFile::New ? QIODevice::NewOnly : QIODevice::Truncate;
    // Unbuffered, so that what the disk refuses stays with the recorder, which keeps it until it is taken.
    if (!record->open(QIODevice::WriteOnly | mode | QIODevice::Unbuffered)) {
        QTextStream(stderr) << "ringglory: cannot record to " << path << ": " << record->errorString() << '\n';
        return nullptr;
    }
    return record;
}

// A new record in the game's replays folder, the oldest beyond the newest ones kept removed.
// A session that cannot be recorded there is played all the same.
std::unique_ptr<QFile> openSessionRecord()
{
    const QString folder = RecordFolder::path();
    const QString path =
        folder.isEmpty() ? QString() : RecordFolder::newRecordPath(folder, QDateTime::currentDateTime());
    if (path.isEmpty()) {
        QTextStream(stderr) << "ringglory: this session is not recorded: no replays folder can be made\n";
        return nullptr;
    }
    std::unique_ptr<QFile> record = openRecord(path, RecordFile::Reserved);
    if (record)
        RecordFolder::holdOpen(*record);
    RecordFolder::prune(folder);
    return record;
}
// A record played in the game's windows, then the game in the player's hands; the transcript of
// the replay goes to standard output as --script writes it.
int replay(GameApplication &app, const QByteArray &record, const CommandLine &commandLine)
{
    QTextStream out(stdout);
    out.setEncoding(QStringConverter::Utf8);
    Transcript transcript(out);
    Game::Ports ports = realPorts();
    auto prompter = std::make_unique<RecordingPrompter>(std::move(ports.prompter));
    RecordingPrompter &recordingPrompter = *prompter;
    ports.prompter = std::move(prompter);
    auto &terminator = static_cast<ProcessTerminator &>(*ports.terminator);
    WindowedReplay replay(QString::fromUtf8(record), transcript, std::move(ports), commandLine.speed(),
                          commandLine.fromBout());
    QString error;
    if (!replay.start(&error)) {
        QTextStream(stderr) << "ringglory: cannot replay " << commandLine.scriptPath() << ": " << error
                            << '\n';
        return 2;
    }
    // Once the player has the game the session is recorded as any other is: the record as far
    // as it played, then what the player does.
    std::unique_ptr<QFile> sessionRecord;
    std::unique_ptr<SessionRecorder> recorder;
    replay.setHandOverListener([&] {
        sessionRecord = openSessionRecord();
        if (!sessionRecord)
            return;
        sessionRecord->write(replay.playedRecord().toUtf8());
        recorder = std::make_unique<SessionRecorder>(
            replay.game(), *sessionRecord, SessionRecorder::Source::Player, QDateTime::currentDateTime());
        recordingPrompter.setRecorder(recorder.get());
        app.setRecorder(recorder.get());
        terminator.setLastWords([&recorder] { recorder->finish(); });
    });
    // Stopped from outside, the replay still ends the ordinary way, so its private folder goes with it.
    const TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::arrived,
                     [](int signalNumber) { QCoreApplication::exit(128 + signalNumber); });
    app.setBeforeInput([&replay] { replay.catchUpClock(); });
    const int status = QApplication::exec();
    app.setBeforeInput({});
    app.setRecorder(nullptr);
    recordingPrompter.setRecorder(nullptr);
    return status;
}
} // namespace

int main(int argc, char **argv)
{
    QuietTerminal::install();
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine commandLine(arguments);
    switch (commandLine.action()) {
    case CommandLine::Action::ShowHelp:
    case CommandLine::Action::ShowVersion:
        QTextStream(stdout) << commandLine.text();
        return 0;
    case CommandLine::Action::Refuse:
        QTextStream(stderr) << "ringglory: " << commandLine.text() << "\nTry 'ringglory --help' for the options.\n";
        return 2;
    case CommandLine::Action::RunScript:
    case CommandLine::Action::Play:
    case CommandLine::Action::Replay:
        break;
    }

    // A script or a record is read whole before the game starts, so a file that cannot be one is
    // refused before any window system is touched.
    QByteArray script;
    const bool scripted = commandLine.action() == CommandLine::Action::RunScript;
    const bool replaying = commandLine.action() == CommandLine::Action::Replay;
    if (scripted || replaying) {
        QString error;
        if (!ScriptFile::read(commandLine.scriptPath(), &script, &error)) {
            QTextStream(stderr) << "ringglory: " << error << '\n';
            return 2;
        }
    }
    if (scripted) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    } else if (!windowSystemReachable()) {
        QTextStream(stderr) << "ringglory: no display to open the game's windows on (set DISPLAY or "
                               "WAYLAND_DISPLAY, or play headless with --script)\n";
        return 2;
    }
    // A record asked for by name that cannot be written is refused before the game starts.
    std::unique_ptr<QFile> record;
    if (!commandLine.recordPath().isEmpty()) {
        record = openRecord(commandLine.recordPath(), RecordFile::New);
        if (!record)
            return 2;
    }

    GameApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("RingGlory"));
    // The title closes itself before the hub appears; the game ends the program itself.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setFont(gothicFont(9, false));
    applyQtLook(app);
    if (const QString icon = findGameFile(QStringLiteral("ringglory.png")); !icon.isEmpty())
        QApplication::setWindowIcon(QIcon(icon));

    if (scripted)
        return runScript(script, record.get());
    if (replaying)
        return replay(app, script, commandLine);
    if (!record)
        record = openSessionRecord();
    return play(app, record.get());
}
