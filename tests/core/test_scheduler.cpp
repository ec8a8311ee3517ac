#include "platform/core/Scheduler.h"
#include "platform/core/Timer.h"

#include <QTest>

#include <limits>

// The game clock: every timed rule of the game rests on these guarantees.
class SchedulerTest : public QObject
{
    Q_OBJECT
private slots:
    // A round is 180 ticks of 100 ms, each at its exact logical time, however slow the handlers.
    void roundTicksAreDriftFree()
    {
        Scheduler scheduler;
        QList<qint64> times;
        Timer clock(scheduler, [&] { times.append(scheduler.now()); });
        clock.setInterval(100);
        clock.setEnabled(true);
        scheduler.advance(18000);
        QCOMPARE(times.size(), 180);
        QCOMPARE(times.first(), 100);
        QCOMPARE(times.last(), 18000);
        for (int i = 1; i < times.size(); ++i)
            QCOMPARE(times[i] - times[i - 1], 100);
    }

    // Guards against ordering by address or by creation: the first enabled fires first.
    void tiesGoToTheTimerEnabledFirst()
    {
        Scheduler scheduler;
        QStringList order;
        Timer created1(scheduler, [&] { order << "created1"; });
        Timer created2(scheduler, [&] { order << "created2"; });
        created1.setInterval(500);
        created2.setInterval(500);
        created2.setEnabled(true);
        created1.setEnabled(true);
        scheduler.advance(1000);
        QCOMPARE(order, (QStringList{"created2", "created1", "created2", "created1"}));
    }

    void earlierDueTimeFiresFirst()
    {
        Scheduler scheduler;
        QStringList order;
        Timer slow(scheduler, [&] { order << "slow"; });
        Timer fast(scheduler, [&] { order << "fast"; });
        slow.setInterval(300);
        slow.setEnabled(true);
        fast.setInterval(200);
        fast.setEnabled(true);
        scheduler.advance(600);
        // At 600 both are due: slow was enabled first.
        QCOMPARE(order, (QStringList{"fast", "slow", "fast", "slow", "fast"}));
    }

    void intervalZeroKeepsAnEnabledTimerSilent()
    {
        Scheduler scheduler;
        int ticks = 0;
        Timer timer(scheduler, [&] { ++ticks; });
        timer.setEnabled(true);
        scheduler.advance(10000);
        QCOMPARE(ticks, 0);
        QCOMPARE(scheduler.nextDue(), -1);
        // Giving it an interval starts a full interval from now.
        timer.setInterval(100);
        scheduler.advance(99);
        QCOMPARE(ticks, 0);
        scheduler.advance(1);
        QCOMPARE(ticks, 1);
    }

    void enablingARunningTimerChangesNothing()
    {
        Scheduler scheduler;
        QList<qint64> times;
        Timer timer(scheduler, [&] { times.append(scheduler.now()); });
        timer.setInterval(100);
        timer.setEnabled(true);
        scheduler.advance(50);
        timer.setEnabled(true);
        scheduler.advance(100);
        QCOMPARE(times, (QList<qint64>{100}));
    }

    void reenablingAStoppedTimerStartsAFullInterval()
    {
        Scheduler scheduler;
        QList<qint64> times;
        Timer timer(scheduler, [&] { times.append(scheduler.now()); });
        timer.setInterval(100);
        timer.setEnabled(true);
        scheduler.advance(50);
        timer.setEnabled(false);
        scheduler.advance(30);
        timer.setEnabled(true);
        scheduler.advance(200);
        QCOMPARE(times, (QList<qint64>{180, 280}));
    }

    void changingTheIntervalRestartsTheCountdown()
    {
        Scheduler scheduler;
        QList<qint64> times;
        Timer timer(scheduler, [&] { times.append(scheduler.now()); });
        timer.setInterval(100);
        timer.setEnabled(true);
        scheduler.advance(90);
        timer.setInterval(50);
        scheduler.advance(100);
        QCOMPARE(times, (QList<qint64>{140, 190}));
    }

    // A handler that stops another timer due at the same moment keeps it from firing.
    void aTimerStoppedByAnEarlierHandlerDoesNotFire()
    {
        Scheduler scheduler;
        int secondTicks = 0;
        Timer second(scheduler, [&] { ++secondTicks; });
        Timer first(scheduler, [&] { second.setEnabled(false); });
        first.setInterval(100);
        second.setInterval(100);
        first.setEnabled(true);
        second.setEnabled(true);
        scheduler.advance(100);
        QCOMPARE(secondTicks, 0);
    }

    // No tick lands while a box is open, and the clock resumes where it stopped.
    void pausedClockFiresNothingAndResumesWhereItStopped()
    {
        Scheduler scheduler;
        QList<qint64> times;
        Timer timer(scheduler, [&] { times.append(scheduler.now()); });
        timer.setInterval(100);
        timer.setEnabled(true);
        scheduler.advance(50);
        scheduler.pause();
        scheduler.pause();
        scheduler.advance(1000);
        scheduler.catchUpTo(5000);
        scheduler.resume();
        QVERIFY(scheduler.isPaused());
        scheduler.advance(1000);
        QCOMPARE(times.size(), 0);
        scheduler.resume();
        QCOMPARE(scheduler.now(), 50);
        scheduler.advance(50);
        QCOMPARE(times, (QList<qint64>{100}));
    }

    // After a stall the wall-clock catch-up fires a late timer once, not in a burst.
    void catchUpAfterAStallSkipsAhead()
    {
        Scheduler scheduler;
        QList<qint64> times;
        Timer timer(scheduler, [&] { times.append(scheduler.now()); });
        timer.setInterval(100);
        timer.setEnabled(true);
        // The catch-up says when it skipped, for a record of the session to play it back alike.
        QVERIFY(scheduler.catchUpTo(1050));
        QCOMPARE(times, (QList<qint64>{100}));
        QCOMPARE(scheduler.nextDue(), 1150);
        QVERIFY(!scheduler.catchUpTo(1150));
        QCOMPARE(times, (QList<qint64>{100, 1150}));
        // A timer only slightly late keeps its phase.
        QVERIFY(!scheduler.catchUpTo(1330));
        QCOMPARE(times, (QList<qint64>{100, 1150, 1250}));
        QCOMPARE(scheduler.ticksFired(), 3U);
    }

    // However long the waits and however long a timer's interval, the clock stops at its end
    // instead of wrapping round to a negative time, and a tick past the end never fires.
    void hugeWaitsStopAtTheEndOfTime_data()
    {
        QTest::addColumn<qint64>("interval");
        QTest::addColumn<QList<qint64>>("waits");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<qint64>("now");
        QTest::addColumn<qint64>("nextDue");
        constexpr qint64 most = std::numeric_limits<qint64>::max();
        constexpr qint64 end = Scheduler::EndOfTime;
        QTest::newRow("the longest wait") << qint64(0) << QList<qint64>{most} << 0 << end << qint64(-1);
        QTest::newRow("the longest wait twice") << qint64(0) << QList<qint64>{most, most} << 0 << end << qint64(-1);
        QTest::newRow("a day, then the longest wait")
            << qint64(0) << QList<qint64>{86400000, most} << 0 << end << qint64(-1);
        QTest::newRow("a negative wait") << qint64(0) << QList<qint64>{-1, -most - 1} << 0 << qint64(0) << qint64(-1);
        QTest::newRow("a timer as long as time") << end << QList<qint64>{most, most} << 1 << end << qint64(-1);
        QTest::newRow("a timer longer than time") << end + 1 << QList<qint64>{most, most} << 0 << end << qint64(-1);
        QTest::newRow("a timer of the longest interval") << most << QList<qint64>{1, most} << 0 << end << qint64(-1);
        QTest::newRow("a day's waits under a timer of the longest interval")
            << most << QList<qint64>{86400000, 86400000} << 0 << qint64(172800000) << qint64(-1);
        QTest::newRow("a timer still due before the end")
            << end - 1 << QList<qint64>{end - 2} << 0 << end - 2 << end - 1;
    }

    void hugeWaitsStopAtTheEndOfTime()
    {
        QFETCH(qint64, interval);
        QFETCH(QList<qint64>, waits);
        Scheduler scheduler;
        int ticks = 0;
        Timer timer(scheduler, [&] { ++ticks; });
        timer.setInterval(interval);
        timer.setEnabled(true);
        for (const qint64 wait : waits) {
            const qint64 before = scheduler.now();
            scheduler.advance(wait);
            QVERIFY(scheduler.now() >= before);
        }
        QTEST(ticks, "ticks");
        QTEST(scheduler.now(), "now");
        QTEST(scheduler.nextDue(), "nextDue");
    }

    // The wall clock's catch-up from far behind stops at the end as well, with one late tick.
    void catchUpPastTheEndOfTimeFiresOnce()
    {
        Scheduler scheduler;
        QList<qint64> times;
        Timer timer(scheduler, [&] { times.append(scheduler.now()); });
        timer.setInterval(1000);
        timer.setEnabled(true);
        scheduler.catchUpTo(std::numeric_limits<qint64>::max());
        QCOMPARE(times, (QList<qint64>{1000}));
        QCOMPARE(scheduler.now(), Scheduler::EndOfTime);
        QCOMPARE(scheduler.nextDue(), -1);
        scheduler.catchUpTo(std::numeric_limits<qint64>::max());
        QCOMPARE(times.size(), 1);
    }

    void destroyedTimerLeavesTheScheduler()
    {
        Scheduler scheduler;
        {
            Timer timer(scheduler, [] {});
            timer.setInterval(10);
            timer.setEnabled(true);
        }
        QCOMPARE(scheduler.nextDue(), -1);
        scheduler.advance(100);
    }
};

QTEST_APPLESS_MAIN(SchedulerTest)
#include "test_scheduler.moc"
