#pragma once

#include <QStringList>
#include <QTextStream>

class Scheduler;

// The script driver's record of what the game did: one line per event,
// "TIME<TAB>EVENT<TAB>FIELDS...", with TIME the logical clock in ms.
class Transcript
{
public:
    explicit Transcript(QTextStream &out) : m_out(out) {}

    // The clock whose time stamps each line; the Game's, once it exists.
    void setClock(const Scheduler *clock) { m_clock = clock; }

    // Writes one event line; CR LF (or a lone line end) inside a field is written as \n, a tab
    // as a space, and any other control character as \xNN.
    void write(const QString &event, const QStringList &fields = {});
    // Writes an error line and remembers that the run failed.
    void error(const QString &message);
    bool hadErrors() const { return m_hadErrors; }

private:
    QTextStream &m_out;
    const Scheduler *m_clock = nullptr;
    bool m_hadErrors = false;
};
