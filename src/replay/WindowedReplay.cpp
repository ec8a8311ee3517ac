#include "replay/WindowedReplay.h"

#include "app/ScriptFile.h"
#include "data/GameState.h"
#include "platform/Transcript.h"
#include "platform/WallClockDriver.h"
#include "replay/ReplayHelp.h"
#include "replay/ReplayPrompter.h"
#include "replay/ReplaySound.h"
#include "replay/ReplayTerminator.h"

#include <QApplication>
#include <QEventLoop>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {
struct ReplayPorts
{
    ReplayPrompter **prompter;
    ReplaySound **sound;
    ReplayHelp **help;
    ReplayTerminator **terminator;
};

// The ports of a replay: each wraps the player's, answering and writing as the script driver's
// do until the player takes over. Settings stay in memory, so a replay never writes the player's.
Game::Ports portsFor(Game::Ports player, Transcript &transcript, const ReplayPorts &out)
{
    Game::Ports ports;
    ports.random = std::make_unique<Random>();
    auto prompter = std::make_unique<ReplayPrompter>(std::move(player.prompter), &transcript);
    auto sound = std::make_unique<ReplaySound>(std::move(player.sound), &transcript);
    auto help = std::make_unique<ReplayHelp>(std::move(player.help), &transcript);
    auto terminator = std::make_unique<ReplayTerminator>(std::move(player.terminator), &transcript);
    *out.prompter = prompter.get();
    *out.sound = sound.get();
    *out.help = help.get();
    *out.terminator = terminator.get();
    ports.prompter = std::move(prompter);
    ports.sound = std::move(sound);
    ports.help = std::move(help);
    ports.terminator = std::move(terminator);
    ports.settings = std::make_unique<MemorySettings>();
    ports.sysInfo = std::move(player.sysInfo);
    return ports;
}
} // namespace

WindowedReplay::WindowedReplay(QString record, Transcript &transcript, Game::Ports playerPorts, double speed,
                               int fromBout)
    : m_transcript(transcript),
      m_game(portsFor(std::move(playerPorts), transcript, {&m_prompter, &m_sound, &m_help, &m_terminator})),
      m_driver(m_game, *m_prompter, transcript), m_inputFilter([this] { stop(); }), m_record(std::move(record)),
      m_speed(speed), m_fromBout(fromBout)
{
    m_steadyClock.start();
    m_clock = [this] { return m_steadyClock.elapsed(); };
    m_hold = [this](QWidget &box, qint64 ms) { holdOnScreen(box, ms); };
    m_prompter->setPresenter([this](QWidget &box) { presentBox(box); });
    m_transcript.setClock(&m_game.scheduler());
    m_game.setTranscript(&m_transcript);
    m_frame.setTimerType(Qt::PreciseTimer);
    m_frame.setInterval(static_cast<int>(FrameMs));
    connect(&m_frame, &QTimer::timeout, this, &WindowedReplay::tick);
}

WindowedReplay::~WindowedReplay()
{
    QApplication::instance()->removeEventFilter(&m_inputFilter);
    m_game.setTranscript(nullptr);
    m_transcript.setClock(nullptr);
}

bool WindowedReplay::start(QString *error)
{
    // Whatever the record says, its files live in a folder of the replay's own or nowhere.
    if (!m_driver.enterPrivateFolder(error))
        return false;
    QApplication::instance()->installEventFilter(&m_inputFilter);
    m_game.openTitle();
    if (m_fromBout > 0)
        m_prompter->setMode(ReplayPrompter::Mode::Answer);
    else
        beginShowing();
    m_frame.start();
    return true;
}

std::optional<WindowedReplay::PendingWait> WindowedReplay::parseWait(const QString &line) const
{
    // Read as the driver reads it, so that a wait it would refuse goes to it and is refused there.
    const QString trimmed = line.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    const QStringList words = line.mid(line.indexOf(trimmed.front())).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.size() != 2)
        return std::nullopt;
    const bool catchUp = words[0] == QLatin1String("catchup");
    if (!catchUp && words[0] != QLatin1String("wait"))
        return std::nullopt;
    bool ok = false;
    const qint64 ms = words[1].toLongLong(&ok);
    if (!ok || ms < 0 || ms > std::min(ScriptDriver::MaxWaitMs, m_driver.gameTimeLeft()))
        return std::nullopt;
    return PendingWait{line, ms, ms, catchUp};
}

bool WindowedReplay::atEnd() const
{
    return !m_wait && m_position >= m_record.size();
}

QString WindowedReplay::nextLine()
{
    m_lineStart = m_position;
    qsizetype next = 0;
    QString line = ScriptFile::lineAt(m_record, m_position, &next).toString();
    m_position = next;
    ++m_lineNumber;
    return line;
}

void WindowedReplay::runLine(const QString &line)
{
    m_inputFilter.setRecordActing(true);
    m_driver.runCommand(m_lineNumber, line);
    m_inputFilter.setRecordActing(false);
    noteBout();
}

void WindowedReplay::tick()
{
    // A box held on the screen runs frames of its own; the record goes on only from where it stands.
    if (m_inTick || m_phase == Phase::Player)
        return;
    m_inTick = true;
    const qint64 tickStart = m_clock();
    while (!m_stopAsked && !m_game.hasEnded() && !atEnd()) {
        if (m_wait) {
            if (!paceWait())
                break;
            continue;
        }
        const QString line = nextLine();
        if (m_phase == Phase::Shown) {
            m_wait = parseWait(line);
            if (!m_wait)
                runLine(line);
            continue;
        }
        runLine(line);
        if (m_boutsStarted >= m_fromBout)
            beginShowing();
        else if (m_clock() - tickStart >= FastSliceMs)
            break;
    }
    m_inTick = false;
    if (m_stopAsked || m_game.hasEnded() || atEnd())
        finish();
}

bool WindowedReplay::paceWait()
{
    const double wall = static_cast<double>(m_clock() - m_shownSince - m_heldWall);
    const double allowed = std::floor(wall * m_speed) - static_cast<double>(m_shownGame);
    const qint64 step = static_cast<qint64>(std::clamp(allowed, 0.0, static_cast<double>(m_wait->remaining)));
    // Steps of one wait are the one wait: the clock fires the same ticks at the same times.
    if (step > 0 && !m_wait->catchUp)
        runLine(QStringLiteral("wait %1").arg(step));
    m_shownGame += step;
    m_wait->remaining -= step;
    if (m_wait->remaining > 0)
        return false;
    // A catch-up happens at once at the end of its time, as it did in the game; a wait of
    // nothing still lets the clock fire what is due now.
    if (m_wait->catchUp || step == 0)
        runLine(m_wait->line);
    m_wait.reset();
    return true;
}

void WindowedReplay::noteBout()
{
    // A bout is the fight screen showing a match, not a sparring session; it starts once
    // however many commands it lasts.
    QWidget *spar = m_game.form(QStringLiteral("Spar"));
    const bool showing = spar && spar->isVisible() && m_game.state().varSparMode == SparModeBout;
    if (showing && !m_showingBout)
        ++m_boutsStarted;
    m_showingBout = showing;
}

void WindowedReplay::beginShowing()
{
    m_phase = Phase::Shown;
    m_prompter->setMode(ReplayPrompter::Mode::Show);
    m_shownSince = m_clock();
    m_heldWall = 0;
    m_shownGame = 0;
}

void WindowedReplay::presentBox(QWidget &box)
{
    if (m_stopAsked)
        return;
    const qint64 ms = std::max(FrameMs, static_cast<qint64>(std::llround(static_cast<double>(BoxMs) / m_speed)));
    const qint64 before = m_clock();
    box.setWindowModality(Qt::ApplicationModal);
    box.show();
    // While the box is up the window system's events are the player's, not the record's.
    const bool acting = m_inputFilter.isRecordActing();
    m_inputFilter.setRecordActing(false);
    m_hold(box, ms);
    m_inputFilter.setRecordActing(acting);
    box.hide();
    // The box stops the game's clock, so the time it was up is not the record's.
    m_heldWall += m_clock() - before;
}

void WindowedReplay::holdOnScreen(QWidget & /*box*/, qint64 ms)
{
    QEventLoop loop;
    m_holdLoop = &loop;
    QTimer::singleShot(std::chrono::milliseconds(ms), Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

void WindowedReplay::stop()
{
    if (m_phase == Phase::Player)
        return;
    m_stopAsked = true;
    if (m_holdLoop)
        m_holdLoop->quit();
}

QString WindowedReplay::endMessage() const
{
    QStringList lines{QStringLiteral("リプレイはここまでです。")};
    if (m_boutsStarted < m_fromBout)
        lines << (m_boutsStarted == 0 ? QStringLiteral("この記録には試合がありません。")
                                      : QStringLiteral("この記録の試合は%1試合目までです。").arg(m_boutsStarted));
    if (m_transcript.hadErrors())
        lines << QStringLiteral("記録のとおりに再現できなかった操作があります。");
    lines << (m_terminator->recordEnded() ? QStringLiteral("記録のゲームはここで終わっています。")
                                          : QStringLiteral("ここからはあなたの操作でゲームが続きます。"));
    return lines.join(QStringLiteral("\r\n"));
}

void WindowedReplay::handOver()
{
    m_phase = Phase::Player;
    m_frame.stop();
    QApplication::instance()->removeEventFilter(&m_inputFilter);
    m_prompter->setMode(ReplayPrompter::Mode::Player);
    m_sound->handOver();
    m_help->handOver();
    m_terminator->handOver();
    m_driver.leavePrivateFolder();
    m_game.setTranscript(nullptr);
}

void WindowedReplay::finish()
{
    const QString message = endMessage();
    const bool recordEnded = m_terminator->recordEnded();
    handOver();
    if (m_handedOver && !recordEnded)
        m_handedOver();
    m_game.message(message);
    if (recordEnded) {
        m_game.end();
        return;
    }
    m_wallClockDriver = std::make_unique<WallClockDriver>(m_game.scheduler(), m_game.scheduler().now());
}

QString WindowedReplay::playedRecord() const
{
    QString played = QStringLiteral("privatefolder\n") + m_record.left(m_wait ? m_lineStart : m_position);
    if (!played.endsWith(QLatin1Char('\n')))
        played += QLatin1Char('\n');
    // A catch-up cut short never happened; a wait cut short took the time its steps took.
    if (m_wait && !m_wait->catchUp && m_wait->remaining < m_wait->total)
        played += QStringLiteral("wait %1\n").arg(m_wait->total - m_wait->remaining);
    return played;
}

void WindowedReplay::catchUpClock()
{
    if (m_wallClockDriver)
        m_wallClockDriver->catchUp();
}
