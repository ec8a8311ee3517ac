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

void RecordWriter::flush()
{
    // A file keeps what it is given in its own buffer until flushed; once with the system, the
    // lines outlive a crash of the game.
    if (auto *file = qobject_cast<QFileDevice *>(&m_out))
        file->flush();
}

void RecordWriter::writeRaw(const QString &line)
{
    m_out.write(line.toUtf8());
    m_out.write("\n", 1);
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
