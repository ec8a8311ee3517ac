// Controls read back the twips they were placed at, even where 15 twips to a pixel rounds
// them; a control moved by other means, or a new control where an old one stood, reads
// back its pixels in twips.
#include "platform/Twips.h"

#include <QTest>
#include <QWidget>
#include <new>

class TestTwips : public QObject
{
    Q_OBJECT
private slots:
    void readsBackWhereItWasPlaced_data()
    {
        QTest::addColumn<QRect>("twips");
        QTest::newRow("whole pixels") << QRect(150, 300, 1500, 450);
        QTest::newRow("between pixels") << QRect(127, 8, 1727, 382);
    }
    void readsBackWhereItWasPlaced()
    {
        QFETCH(QRect, twips);
        QWidget widget;
        placeTwips(&widget, twips.left(), twips.top(), twips.width(), twips.height());
        QCOMPARE(twipsGeometry(&widget), twips);
    }

    void readsTheLatestPlaceOrItsPixels()
    {
        QWidget widget;
        placeTwips(&widget, 127, 8, 1727, 382);
        placeTwips(&widget, 8, 127, 382, 1727);
        QCOMPARE(twipsGeometry(&widget), QRect(8, 127, 382, 1727));
        widget.setGeometry(10, 20, 30, 40);
        QCOMPARE(twipsGeometry(&widget), QRect(150, 300, 450, 600));
    }

    void aNewControlDoesNotInheritAGoneOnesPlace()
    {
        // Both controls live at the same address, where the first one's twips were kept.
        alignas(QWidget) unsigned char storage[sizeof(QWidget)];
        auto *gone = new (storage) QWidget;
        placeTwips(gone, 127, 8, 1727, 382);
        gone->~QWidget();

        auto *fresh = new (storage) QWidget;
        fresh->setGeometry(twipsToPixels(127), twipsToPixels(8), twipsToPixels(1727), twipsToPixels(382));
        QCOMPARE(twipsGeometry(fresh), QRect(120, 15, 1725, 375));
        fresh->~QWidget();
    }
};

QTEST_MAIN(TestTwips)
#include "test_twips.moc"
