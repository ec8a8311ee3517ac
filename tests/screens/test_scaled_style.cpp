#include "platform/ScaledStyle.h"
#include "platform/ScreenScale.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSlider>
#include <QStyleOption>
#include <QTabBar>
#include <QTest>
#include <memory>

// Qt's own parts grow with the window scale, and the keyboard focus shows as a ring thick
// enough to see at every scale, on every kind of control.
class ScaledStyleTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setStyle(new ScaledStyle); }
    void cleanup() { ScreenScale::setFactor(1.0); }

    void qtsOwnPartsGrowWithTheScale_data()
    {
        QTest::addColumn<double>("factor");
        QTest::newRow("150") << 1.5;
        QTest::newRow("200") << 2.0;
        QTest::newRow("300") << 3.0;
    }
    void qtsOwnPartsGrowWithTheScale()
    {
        QFETCH(double, factor);
        QStyle *style = QApplication::style();
        const QList<QStyle::PixelMetric> metrics{QStyle::PM_IndicatorWidth, QStyle::PM_SliderLength,
                                                 QStyle::PM_SliderThickness, QStyle::PM_SmallIconSize,
                                                 QStyle::PM_ScrollBarExtent};
        QList<int> own;
        for (QStyle::PixelMetric metric : metrics)
            own.append(style->pixelMetric(metric));
        QComboBox combo;
        combo.resize(200, 30);
        QStyleOptionComboBox option;
        option.initFrom(&combo);
        const int ownArrow =
            style->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, &combo).width();

        ScreenScale::setFactor(factor);
        for (qsizetype i = 0; i < metrics.size(); ++i)
            QCOMPARE(style->pixelMetric(metrics[i]), qRound(own[i] * factor));
        const QRect arrow = style->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, &combo);
        const QRect text = style->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &combo);
        QCOMPARE(arrow.width(), qRound(ownArrow * factor));
        QVERIFY(text.right() < arrow.left());
    }

    // The ring, measured across the middle of the control's left edge, is at least two
    // pixels at the game's own size and grows with the scale.
    void theFocusRingIsThickAtEveryScale_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<double>("factor");
        for (const char *kind : {"button", "slider", "combo box", "check box", "tab bar"})
            for (const double factor : {1.0, 2.0, 3.0})
                QTest::addRow("%s at %g", kind, factor) << QString::fromLatin1(kind) << factor;
    }
    void theFocusRingIsThickAtEveryScale()
    {
        QFETCH(QString, kind);
        QFETCH(double, factor);
        ScreenScale::setFactor(factor);
        QWidget window;
        std::unique_ptr<QWidget> control;
        if (kind == QLatin1String("button"))
            control = std::make_unique<QPushButton>(QStringLiteral("休息"), &window);
        else if (kind == QLatin1String("slider"))
            control = std::make_unique<QSlider>(Qt::Horizontal, &window);
        else if (kind == QLatin1String("combo box"))
            control = std::make_unique<QComboBox>(&window);
        else if (kind == QLatin1String("check box"))
            control = std::make_unique<QCheckBox>(QStringLiteral("音を消す"), &window);
        else {
            auto tabs = std::make_unique<QTabBar>(&window);
            tabs->addTab(QStringLiteral("練習"));
            tabs->addTab(QStringLiteral("情報"));
            control = std::move(tabs);
        }
        control->setGeometry(10, 10, qRound(120 * factor), qRound(30 * factor));
        window.resize(qRound(160 * factor), qRound(60 * factor));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        control->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(control->hasFocus());
        // As a Tab press leaves it: the focus was moved by the keyboard.
        window.setAttribute(Qt::WA_KeyboardFocusChange);
        const QImage image = control->grab().toImage();
        const QColor ring = control->palette().color(QPalette::Highlight);
        auto isRing = [&](int x, int y) {
            const QColor pixel = image.pixelColor(x, y);
            return std::abs(pixel.red() - ring.red()) + std::abs(pixel.green() - ring.green()) +
                       std::abs(pixel.blue() - ring.blue()) <
                   90;
        };
        // The thickest run of ring pixels on a row across the control's middle.
        int thickest = 0;
        const int y = image.height() / 2;
        for (int x = 0, run = 0; x < image.width(); ++x) {
            run = isRing(x, y) ? run + 1 : 0;
            thickest = std::max(thickest, run);
        }
        QVERIFY2(thickest >= std::max(2, qRound(2 * factor * image.devicePixelRatio())),
                 qPrintable(QStringLiteral("%1 pixels").arg(thickest)));
    }
};

QTEST_MAIN(ScaledStyleTest)
#include "test_scaled_style.moc"
