// How steadily the punching ball steps at its fastest, on the real clock.
//
// Runs a punching-ball workout on the wall clock with the game's own driver and a real
// window system (run it under Xvfb: xvfb-run -a ./bench_punching_ball), punches once to set
// the ball going and waits until its timer is down to 10 ms. Then it records the wall time
// of the next steps of the ball and prints the median and worst interval between them,
// how many of the steps were painted and the processor time a step cost.

#include "app/Game.h"
#include "app/GamePorts.h"
#include "data/Roster.h"
#include "hub/MainCommand.h"
#include "platform/Twips.h"
#include "platform/WallClockDriver.h"
#include "training/PunchingBall.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <ctime>
#include <cstdio>
#include <vector>

namespace {
constexpr int StepsMeasured = 500;
constexpr qint64 FastestInterval = 10;

// Watches the ball: the wall time of each step at full speed, and how often it is painted.
class BallWatch : public QObject
{
public:
    BallWatch(PunchingBall &screen, QWidget &ball) : m_screen(screen), m_ball(ball)
    {
        m_wall.start();
        ball.installEventFilter(this);
    }

    bool done() const { return m_intervalsUs.size() >= StepsMeasured; }
    const std::vector<double> &intervalsUs() const { return m_intervalsUs; }
    int paintsWhileMeasuring() const { return m_paints; }
    // Processor time the whole program used per measured step, in ms.
    double cpuPerStepMs() const
    {
        return 1000.0 * static_cast<double>(m_cpuAtEnd - m_cpuAtStart) / CLOCKS_PER_SEC /
               static_cast<double>(m_intervalsUs.size());
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != &m_ball || done())
            return false;
        if (event->type() == QEvent::Move) {
            // The ball moves before its timer is shortened, so this is the interval that led to this step.
            const qint64 interval =
                m_screen.scriptState()["BallMoveTimer"].toObject()["interval"].toInteger();
            const qint64 now = m_wall.nsecsElapsed();
            if (interval == FastestInterval && m_lastStep >= 0) {
                if (m_intervalsUs.empty())
                    m_cpuAtStart = std::clock();
                m_intervalsUs.push_back(static_cast<double>(now - m_lastStep) / 1000.0);
                if (done())
                    m_cpuAtEnd = std::clock();
            }
            m_lastStep = now;
        } else if (event->type() == QEvent::Paint && !m_intervalsUs.empty()) {
            ++m_paints;
        }
        return false;
    }

private:
    PunchingBall &m_screen;
    QWidget &m_ball;
    QElapsedTimer m_wall;
    qint64 m_lastStep = -1;
    std::vector<double> m_intervalsUs;
    int m_paints = 0;
    std::clock_t m_cpuAtStart = 0;
    std::clock_t m_cpuAtEnd = 0;
};

double percentile(std::vector<double> sorted, double fraction)
{
    std::sort(sorted.begin(), sorted.end());
    const auto index = static_cast<std::size_t>(fraction * static_cast<double>(sorted.size() - 1) + 0.5);
    return sorted[index];
}
} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setFont(gothicFont(9, false));

    // Boxes and sounds are scripted: the figures are about stepping and drawing the ball.
    Game game(scriptedPorts(nullptr));
    GameState &state = game.state();
    subCharaDataLoad(state.Chara);
    state.Chara(CharaTable::PlayerRow, CharaTable::Name) = QStringLiteral("山田");
    state.varNowDate = 1;
    state.varNextDate = 10;
    state.varNextEnemy = 2;
    state.varKaisen = 4;
    state.varSetsumeiOff[ActivityPunchingBall] = 1;

    WallClockDriver driver(game.scheduler());
    MainCommand &hub = game.hub();
    hub.refreshCareer();
    hub.show();
    hub.findChild<QAbstractButton *>(QStringLiteral("cmdCommand(1)"))->click();
    PunchingBall &screen = game.punchingBall();
    BallWatch watch(screen, *screen.findChild<QWidget *>(QStringLiteral("Ball")));
    screen.findChild<QAbstractButton *>(QStringLiteral("Punch"))->click();

    // A loop of its own: quitting the application would first ask every window to close.
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (watch.done() || !screen.isVisible())
            loop.quit();
    });
    poll.start(50);
    loop.exec();

    const std::vector<double> &intervals = watch.intervalsUs();
    if (intervals.size() < StepsMeasured) {
        std::printf("only %zu steps at %lld ms before the workout ended\n", intervals.size(),
                    static_cast<long long>(FastestInterval));
        return 1;
    }
    const auto [best, worst] = std::minmax_element(intervals.begin(), intervals.end());
    std::printf("punching ball at %lld ms a step, %zu steps on the wall clock (%s)\n",
                static_cast<long long>(FastestInterval), intervals.size(),
                qPrintable(QApplication::platformName()));
    std::printf("  median %.3f ms, worst %.3f ms, best %.3f ms, 99th percentile %.3f ms\n",
                percentile(intervals, 0.5) / 1000.0, *worst / 1000.0, *best / 1000.0,
                percentile(intervals, 0.99) / 1000.0);
    const auto onTime = std::count_if(intervals.begin(), intervals.end(), [](double us) {
        return us >= (FastestInterval - 1) * 1000.0 && us <= (FastestInterval + 1) * 1000.0;
    });
    std::printf("  %lld of %zu steps came within 1 ms of %lld ms\n", static_cast<long long>(onTime),
                intervals.size(), static_cast<long long>(FastestInterval));
    std::printf("  ball painted %d times over those steps; %.3f ms of processor time a step\n",
                watch.paintsWhileMeasuring(), watch.cpuPerStepMs());
    return 0;
}
