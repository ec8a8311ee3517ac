#include "app/TerminationSignals.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {
std::array<int, 2> signalPipe = {-1, -1};
constexpr std::array<int, 2> HandledSignals = {SIGTERM, SIGINT};

void writeSignal(int number)
{
    const int savedErrno = errno;
    const auto byte = static_cast<unsigned char>(number);
    // A full pipe already holds a signal the loop has yet to hear; one more changes nothing.
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
    errno = savedErrno;
}

void handle(void (*handler)(int))
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : HandledSignals)
        sigaction(number, &action, nullptr);
}
} // namespace

TerminationSignals::TerminationSignals(QObject *parent) : QObject(parent)
{
    if (::pipe2(signalPipe.data(), O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::readPipe);
    handle(writeSignal);
}

TerminationSignals::~TerminationSignals()
{
    if (!m_notifier)
        return;
    handle(SIG_DFL);
    delete m_notifier;
    for (int &end : signalPipe) {
        ::close(end);
        end = -1;
    }
}

void TerminationSignals::readPipe()
{
    unsigned char byte = 0;
    while (::read(signalPipe[0], &byte, 1) == 1)
        emit arrived(byte);
}
