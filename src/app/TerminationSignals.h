#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM and SIGINT as an event of the event loop. The handler only writes the signal's number
// to a pipe, which is all a signal handler may safely do; the loop then hears it, so the program
// can end the ordinary way and clean up on the way out (a replay's private folder, say). One
// instance at a time; the signals' own handling comes back when it goes.
class TerminationSignals : public QObject
{
    Q_OBJECT
public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;
    TerminationSignals(const TerminationSignals &) = delete;
    TerminationSignals &operator=(const TerminationSignals &) = delete;

signals:
    // SIGTERM or SIGINT arrived.
    void arrived(int signalNumber);

private:
    void readPipe();

    QSocketNotifier *m_notifier = nullptr;
};
