#include "options/core/GameWindowSizes.h"
#include "options/core/ScaleFit.h"

#include <QTest>

// A window scale must never put a window of the game off the screen: on each screen only
// the scales at which every window, framed, fits its free area are allowed, and a stored
// choice that does not fit gives way to the largest that does.
using Scale = GameOptions::Scale;

namespace {
constexpr Scale EveryScale[] = {Scale::Auto, Scale::Percent100, Scale::Percent150, Scale::Percent200,
                                Scale::Percent300};

QList<Scale> allowedScales(const QSize &screen, const QSize &frame)
{
    QList<Scale> allowed;
    for (Scale scale : EveryScale)
        if (windowsFit(gameWindowSizes(), frame, screen, scale))
            allowed.append(scale);
    return allowed;
}
} // namespace

class ScaleFitTest : public QObject
{
    Q_OBJECT
private slots:
    void everyWindowFitsAtTheAllowedScales_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QSize>("frame");
        QTest::addColumn<QList<Scale>>("allowed");
        const QList<Scale> upTo100{Scale::Auto, Scale::Percent100};
        const QList<Scale> upTo150 = upTo100 + QList<Scale>{Scale::Percent150};
        const QList<Scale> upTo200 = upTo150 + QList<Scale>{Scale::Percent200};
        const QList<Scale> all = upTo200 + QList<Scale>{Scale::Percent300};
        const QSize noFrame(0, 0);
        const QSize frame(10, 30);
        // The growth screen, 720 pixels wide at the game's own size, is 2160 at 300 %.
        QTest::newRow("1920 x 1080") << QSize(1920, 1080) << noFrame << upTo200;
        QTest::newRow("1920 x 1080, framed") << QSize(1920, 1080) << frame << upTo200;
        QTest::newRow("1280 x 800, framed") << QSize(1280, 800) << frame << upTo150;
        QTest::newRow("1366 x 768 with a panel, framed") << QSize(1366, 740) << frame << upTo150;
        QTest::newRow("1024 x 768") << QSize(1024, 768) << noFrame << upTo100;
        QTest::newRow("800 x 600") << QSize(800, 600) << noFrame << upTo100;
        // The growth screen is 1392 high at 300 %: a 30-pixel title bar still fits 1440, a
        // 50-pixel one does not.
        QTest::newRow("2560 x 1440, framed") << QSize(2560, 1440) << frame << all;
        QTest::newRow("2560 x 1440, tall frame") << QSize(2560, 1440) << QSize(10, 50) << upTo200;
        QTest::newRow("3840 x 2160") << QSize(3840, 2160) << frame << all;
    }
    void everyWindowFitsAtTheAllowedScales()
    {
        QFETCH(QSize, screen);
        QFETCH(QSize, frame);
        QFETCH(QList<Scale>, allowed);
        QCOMPARE(allowedScales(screen, frame), allowed);
    }

    void aChoiceTooLargeGivesWayToTheLargestThatFits_data()
    {
        QTest::addColumn<Scale>("chosen");
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<Scale>("inForce");
        QTest::newRow("300 on 1920 x 1080") << Scale::Percent300 << QSize(1920, 1080) << Scale::Percent200;
        QTest::newRow("300 on 1280 x 800") << Scale::Percent300 << QSize(1280, 800) << Scale::Percent150;
        QTest::newRow("200 on 1280 x 800") << Scale::Percent200 << QSize(1280, 800) << Scale::Percent150;
        QTest::newRow("200 on 1920 x 1080") << Scale::Percent200 << QSize(1920, 1080) << Scale::Percent200;
        QTest::newRow("150 on 800 x 600") << Scale::Percent150 << QSize(800, 600) << Scale::Percent100;
        QTest::newRow("auto on 800 x 600") << Scale::Auto << QSize(800, 600) << Scale::Auto;
        // Smaller than the game's own size: nothing fits, and the game's own size stays.
        QTest::newRow("300 on 640 x 480") << Scale::Percent300 << QSize(640, 480) << Scale::Percent100;
        QTest::newRow("100 on 640 x 480") << Scale::Percent100 << QSize(640, 480) << Scale::Percent100;
    }
    void aChoiceTooLargeGivesWayToTheLargestThatFits()
    {
        QFETCH(Scale, chosen);
        QFETCH(QSize, screen);
        QFETCH(Scale, inForce);
        QCOMPARE(fittedScale(chosen, gameWindowSizes(), QSize(10, 30), screen), inForce);
    }

    // Menu and status bars grow with the scale; the frame of the window manager does not.
    void barsGrowWithTheScaleAndFramesDoNot()
    {
        const WindowExtent hub{{5445, 3195}, {0, 44}};
        QCOMPARE(windowSizeAt(hub, 1.0, QSize(10, 30)), QSize(363 + 10, 213 + 44 + 30));
        QCOMPARE(windowSizeAt(hub, 3.0, QSize(10, 30)), QSize(1089 + 10, 639 + 132 + 30));
        QCOMPARE(windowSizeAt(hub, 1.5, QSize(0, 0)), QSize(545, 320 + 66));
    }
};

QTEST_APPLESS_MAIN(ScaleFitTest)
#include "test_scale_fit.moc"
