#pragma once

#include "app/Game.h"
#include "app/ScriptDriver.h"
#include "replay/ReplayInputFilter.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

class QEventLoop;
class ReplayHelp;
class ReplayPrompter;
class ReplaySound;
class ReplayTerminator;
class Transcript;
class WallClockDriver;

// A record played back in the game's own windows on the wall clock, then handed to the player.
//
// Every line goes through a script driver, as `--script` plays it, and the transcript gets the
// same lines; only the waits differ: a `wait MS` takes MS / speed of wall time, the game clock
// advancing in small steps while the windows paint, and a `catchup MS` catches the clock up at
// the end of its time. Each box is shown for a moment before it takes the record's answer. With
// a bout to start from, the record runs at once up to the start of that bout and is shown from
// there. The player's own mouse and keys do nothing meanwhile, except Esc, which stops the
// replay. At the end of the record, or at Esc, a box says so and the game goes on from there in
// the player's hands: the player's boxes, the wall clock from the game's time, the player's input.
class WindowedReplay : public QObject
{
    Q_OBJECT
public:
    // Milliseconds of wall time from any fixed moment.
    using WallClock = std::function<qint64()>;
    // Keeps a box that is on the screen there for ms of wall time while the windows go on painting.
    using BoxHold = std::function<void(QWidget &box, qint64 ms)>;

    // How long a box stays on the screen at speed 1, in ms of wall time.
    static constexpr qint64 BoxMs = 1000;
    // The shortest a box stays, whatever the speed, and how often the replay moves on: a frame.
    static constexpr qint64 FrameMs = 16;
    // How long the run up to a bout may keep the windows from painting at one stretch.
    static constexpr qint64 FastSliceMs = 50;

    // A replay of the record's text, writing to the transcript, playing speed times as fast as it
    // was played and shown from the start of bout fromBout (1 based; 0 shows it all). The player's
    // ports (boxes, sound, manual, system tool, end) are the ones the game goes on with; their
    // settings and chance are not used: a replay keeps its settings in memory and starts its
    // chance afresh, as the record did.
    WindowedReplay(QString record, Transcript &transcript, Game::Ports playerPorts, double speed = 1.0,
                   int fromBout = 0);
    ~WindowedReplay() override;
    WindowedReplay(const WindowedReplay &) = delete;
    WindowedReplay &operator=(const WindowedReplay &) = delete;

    Game &game() { return m_game; }
    // Replaces the wall clock the replay is paced by (a steady clock by default).
    void setWallClock(WallClock clock) { m_clock = std::move(clock); }
    // Replaces how a box is kept on the screen (an event loop for its time by default).
    void setBoxHold(BoxHold hold) { m_hold = std::move(hold); }

    // Makes the replay's private folder, opens the title screen and starts the replay, which
    // then moves on every frame. False, with the reason in error and nothing started, when the
    // folder cannot be made.
    bool start(QString *error);
    // Runs the record as far as the wall clock has come; at its end, hands the game over.
    void tick();
    // Asks the replay to stop where it stands and hand the game over, as Esc does.
    void stop();

    // Once the player has the game, brings its clock up to the wall clock, as the game in the
    // player's hands does before each input; does nothing while the record plays.
    void catchUpClock();
    // Called once the player has the game, just before the box that says so; not when the
    // record's own game ended.
    void setHandOverListener(std::function<void()> listener) { m_handedOver = std::move(listener); }
    // The record as far as it has played, a wait cut short at the time it reached, in the private
    // folder the replay played it in: the driver playing it from the start reaches the game as
    // it stands.
    QString playedRecord() const;

    // Whether the record is still playing (false once the player has the game).
    bool isReplaying() const { return m_phase != Phase::Player; }
    // Whether the replay is being shown on the wall clock now, rather than run at once.
    bool isShowing() const { return m_phase == Phase::Shown; }
    // How many bouts of the record have started so far.
    int boutsStarted() const { return m_boutsStarted; }

private:
    enum class Phase { RunUp, Shown, Player };
    // A wait of the record under way on the wall clock.
    struct PendingWait
    {
        QString line;
        qint64 total;
        qint64 remaining;
        bool catchUp;
    };

    std::optional<PendingWait> parseWait(const QString &line) const;
    bool atEnd() const;
    QString nextLine();
    void runLine(const QString &line);
    // Moves the pending wait on as far as the wall clock allows; true once it is done.
    bool paceWait();
    void noteBout();
    void beginShowing();
    void presentBox(QWidget &box);
    void holdOnScreen(QWidget &box, qint64 ms);
    QString endMessage() const;
    void handOver();
    void finish();

    Transcript &m_transcript;
    ReplayPrompter *m_prompter = nullptr;
    ReplaySound *m_sound = nullptr;
    ReplayHelp *m_help = nullptr;
    ReplayTerminator *m_terminator = nullptr;
    Game m_game;
    ScriptDriver m_driver;
    ReplayInputFilter m_inputFilter;
    std::unique_ptr<WallClockDriver> m_wallClockDriver;
    QTimer m_frame;

    QString m_record;
    qsizetype m_position = 0;
    qsizetype m_lineStart = 0;
    int m_lineNumber = 0;
    std::optional<PendingWait> m_wait;
    double m_speed;
    int m_fromBout;
    int m_boutsStarted = 0;
    bool m_showingBout = false;
    Phase m_phase = Phase::RunUp;
    bool m_inTick = false;
    bool m_stopAsked = false;

    QElapsedTimer m_steadyClock;
    WallClock m_clock;
    BoxHold m_hold;
    std::function<void()> m_handedOver;
    QPointer<QEventLoop> m_holdLoop;
    // The wall time the shown part began at, the wall time boxes have held it since, and the game
    // time its waits have taken.
    qint64 m_shownSince = 0;
    qint64 m_heldWall = 0;
    qint64 m_shownGame = 0;
};
