#include "replay/core/RecordWriter.h"

#include <QFileDevice>

void RecordWriter::writeHeader(const QString &version, const QDateTime &start)
{
    writeRaw(QStringLiteral("# Ring Glory record: play it back with ringglory --script or --replay"));
    writeRaw(QStringLiteral("# ringglory version %1").arg(version));
    writeRaw(QStringLiteral("# started %1").arg(start.toOffsetFromUtc(start.offsetFromUtc()).toString(Qt::ISODate)));
    flush();
}

void RecordWriter::writeSetup(const QString &line)
{
    writeRaw(line);
}

void RecordWriter::addAnswer(const QString &line)
{
    m_answers.append(line);
}

void RecordWriter::writeInputs(qint64 now, const QStringList &lines)
{
    settleUpTo(now);
    for (const QString &line : lines)
        writeRaw(line);
    flushWhenDue(now);
}

void RecordWriter::writeMove(qint64 now, quint64 ticksFired, const QString &form, const QString &line)
{
    if (m_move && (m_move->ticksFired != ticksFired || m_move->form != form))
        settleUpTo(m_move->at);
    m_move = Move{now, ticksFired, form, line};
    flushWhenDue(now);
}

void RecordWriter::writeCatchUp(qint64 from, qint64 target)
{
    settleUpTo(from);
    writeRaw(QStringLiteral("catchup %1").arg(target - from));
    m_recordedNow = target;
    flushWhenDue(target);
}

void RecordWriter::advanceTo(qint64 now)
{
    if (now - m_flushedAt < FlushEveryMs)
        return;
    settleUpTo(now);
    flushWhenDue(now);
}

bool RecordWriter::flush()
{
    if (!writeUnwritten())
        return false;
    // A file keeps what it is given in its own buffer until flushed; once with the system, the
    // lines outlive a crash of the game.
    if (auto *file = qobject_cast<QFileDevice *>(&m_out); file && !file->flush()) {
        tell(Problem::CannotWrite, file->errorString());
        return false;
    }
    return true;
}

void RecordWriter::writeRaw(const QString &line)
{
    if (m_full)
        return;
    QByteArray bytes = line.toUtf8() + '\n';
    // The line that says the record stops here always has room: it is kept out of the bound.
    static const QByteArray stop = "# the record stops here: it has reached the most a replay reads\n";
    if (m_size + bytes.size() > m_maxBytes - stop.size()) {
        m_full = true;
        bytes = stop;
        tell(Problem::Full, QStringLiteral("it has reached %1 MiB, the most a replay reads: the rest of this "
                                           "session is not recorded")
                                .arg(m_maxBytes / (1024 * 1024)));
    }
    m_size += bytes.size();
    m_unwritten += bytes;
    writeUnwritten();
}

bool RecordWriter::writeUnwritten()
{
    if (m_unwritten.isEmpty())
        return true;
    const qint64 taken = m_out.write(m_unwritten);
    if (taken > 0)
        m_unwritten.remove(0, taken);
    if (m_unwritten.isEmpty())
        return true;
    tell(Problem::CannotWrite, m_out.errorString());
    return false;
}

void RecordWriter::tell(Problem problem, const QString &what)
{
    if (problem == Problem::CannotWrite) {
        if (m_toldCannotWrite)
            return;
        m_toldCannotWrite = true;
    }
    if (m_problemListener)
        m_problemListener(problem, what);
}

void RecordWriter::settleUpTo(qint64 now)
{
    for (const QString &answer : std::as_const(m_answers))
        writeRaw(answer);
    m_answers.clear();
    if (m_move) {
        const Move move = *m_move;
        m_move.reset();
        writeWaitTo(move.at);
        writeRaw(move.line);
    }
    writeWaitTo(now);
}

void RecordWriter::writeWaitTo(qint64 now)
{
    if (now <= m_recordedNow)
        return;
    writeRaw(QStringLiteral("wait %1").arg(now - m_recordedNow));
    m_recordedNow = now;
}

void RecordWriter::flushWhenDue(qint64 now)
{
    if (now - m_flushedAt < FlushEveryMs)
        return;
    flush();
    m_flushedAt = now;
}
