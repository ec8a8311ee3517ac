#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QStringList>
#include <functional>
#include <optional>

class QIODevice;

// Writes a session as a script the driver plays back: each input at its game time, the
// time between inputs as `wait`, and the answers of the boxes before the input that needs them.
// Lines go out as the session goes, and reach the file at every box and at least once a
// second of game time, so a crash loses at most the last second. Lines the device refuses (a
// full disk) are kept and written before the next ones once it takes them again; a record stops
// at the size a replay reads, with a last line that says so.
class RecordWriter
{
public:
    // How much game time may pass before what has been written is pushed to the file.
    static constexpr qint64 FlushEveryMs = 1000;
    // The largest record a replay reads: 32 MiB.
    static constexpr qint64 MaxBytes = 32 * 1024 * 1024;

    // What went wrong, told once each to the problem listener.
    enum class Problem { CannotWrite, Full };

    // A record of at most maxBytes of a session whose game clock stands at startMs when the
    // record begins.
    explicit RecordWriter(QIODevice &out, qint64 startMs = 0, qint64 maxBytes = MaxBytes)
        : m_out(out), m_maxBytes(maxBytes), m_recordedNow(startMs), m_flushedAt(startMs)
    {
    }
    RecordWriter(const RecordWriter &) = delete;
    RecordWriter &operator=(const RecordWriter &) = delete;

    // The comment lines that open a record: what it is, the game's version and the start time.
    void writeHeader(const QString &version, const QDateTime &start);
    // A command that sets the scene before any input (a setting, the private folder).
    void writeSetup(const QString &line);
    // A box's answer (`answer yes`, `input TEXT`...), written before the next input.
    void addAnswer(const QString &line);
    // Inputs given at game time now, in order.
    void writeInputs(qint64 now, const QStringList &lines);
    // A mouse move at game time now; a later one replaces it while no tick has fired between
    // (ticksFired counts them) and nothing else was written, since only its place then matters.
    void writeMove(qint64 now, quint64 ticksFired, const QString &form, const QString &line);
    // The clock caught up from `from` to `target` after the machine stalled, with a timer skipping ahead.
    void writeCatchUp(qint64 from, qint64 target);
    // No input: the record's clock is brought up to now, and pushed to the file when a second
    // of game time has passed since it last was.
    void advanceTo(qint64 now);
    // Pushes everything written so far to the file; false while lines are still kept unwritten.
    bool flush();

    // The game time the record has reached.
    qint64 recordedNow() const { return m_recordedNow; }
    // The bytes of the record so far, those kept unwritten included.
    qint64 size() const { return m_size; }
    // The bytes the device has not taken yet.
    qint64 unwritten() const { return m_unwritten.size(); }
    // Told the first time each problem arises, with a sentence that says what it means.
    void setProblemListener(std::function<void(Problem, const QString &)> listener)
    {
        m_problemListener = std::move(listener);
    }

private:
    struct Move
    {
        qint64 at = 0;
        quint64 ticksFired = 0;
        QString form;
        QString line;
    };

    void writeRaw(const QString &line);
    // Gives the device what it has not taken yet; false when some is left.
    bool writeUnwritten();
    void tell(Problem problem, const QString &what);
    // The answers waiting, then the move waiting, then the wait up to now.
    void settleUpTo(qint64 now);
    void writeWaitTo(qint64 now);
    void flushWhenDue(qint64 now);

    QIODevice &m_out;
    qint64 m_maxBytes;
    qint64 m_size = 0;
    bool m_full = false;
    QByteArray m_unwritten;
    bool m_toldCannotWrite = false;
    std::function<void(Problem, const QString &)> m_problemListener;
    QStringList m_answers;
    std::optional<Move> m_move;
    qint64 m_recordedNow = 0;
    qint64 m_flushedAt = 0;
};
