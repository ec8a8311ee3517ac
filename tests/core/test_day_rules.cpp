#include "hub/core/DayRules.h"

#include <QTest>

class DayRulesTest : public QObject
{
    Q_OBJECT
private slots:
    void restGainIsTheDoubleProductRoundedDown_data()
    {
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("gain");
        QTest::newRow("new boxer") << 500 << 400;
        QTest::newRow("79.2 rounds down") << 99 << 79;
        QTest::newRow("exact") << 100 << 80;
        QTest::newRow("4 times 0.8 is 3.2") << 4 << 3;
        QTest::newRow("one") << 1 << 0;
        QTest::newRow("zero") << 0 << 0;
        QTest::newRow("large") << 4999 << 3999;
    }
    void restGainIsTheDoubleProductRoundedDown()
    {
        QFETCH(int, maximum);
        QFETCH(int, gain);
        QCOMPARE(restGain(maximum), gain);
    }

    // Every maximum a career can reach gives the same gain as the integer formula.
    void restGainMatchesFourFifthsUpTo5000()
    {
        for (int maximum = 0; maximum <= 5000; ++maximum)
            QCOMPARE(restGain(maximum), 4 * maximum / 5);
    }

    void restIsCutAtTheMaximum_data()
    {
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("after");
        QTest::newRow("cut to 100") << 90 << 100 << 100;
        QTest::newRow("full already") << 100 << 100 << 100;
        QTest::newRow("below the cap") << 10 << 100 << 90;
        QTest::newRow("exactly to the cap") << 20 << 100 << 100;
        QTest::newRow("collapsed boxer") << 0 << 500 << 400;
    }
    void restIsCutAtTheMaximum()
    {
        QFETCH(int, current);
        QFETCH(int, maximum);
        QFETCH(int, after);
        QCOMPARE(strengthAfterRest(current, maximum), after);
    }

    void calendarMovesTheDayAndTheCountdown_data()
    {
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("countdown");
        QTest::addColumn<int>("dayAfter");
        QTest::addColumn<int>("countdownAfter");
        QTest::addColumn<bool>("fightDay");
        QTest::newRow("first day") << 1 << 10 << 2 << 9 << false;
        QTest::newRow("eve of the bout") << 10 << 1 << 11 << 0 << true;
        QTest::newRow("after a win") << 40 << 7 << 41 << 6 << false;
        QTest::newRow("nothing scheduled") << 300 << -1 << 301 << -2 << false;
    }
    void calendarMovesTheDayAndTheCountdown()
    {
        QFETCH(int, day);
        QFETCH(int, countdown);
        QFETCH(int, dayAfter);
        QFETCH(int, countdownAfter);
        QFETCH(bool, fightDay);
        GameState state;
        state.varNowDate = day;
        state.varNextDate = countdown;
        advanceCalendar(state);
        QCOMPARE(state.varNowDate, Cell(dayAfter));
        QCOMPARE(state.varNextDate, Cell(countdownAfter));
        QCOMPARE(isFightDay(state), fightDay);
    }
};

QTEST_APPLESS_MAIN(DayRulesTest)
#include "test_day_rules.moc"
