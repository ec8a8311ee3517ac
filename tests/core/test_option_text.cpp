#include "options/core/OptionText.h"

#include <QTest>

// The words of the settings store and of the `setting` command: every word an option can
// take reads back as itself, and anything else leaves the options as they were.
class OptionTextTest : public QObject
{
    Q_OBJECT
private slots:
    void everyWordReadsBack_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        for (const char *scale : {"auto", "100", "150", "200", "300"})
            QTest::addRow("scale %s", scale) << QStringLiteral("scale") << QString::fromLatin1(scale);
        for (const char *volume : {"0", "1", "50", "99", "100"})
            QTest::addRow("volume %s", volume) << QStringLiteral("volume") << QString::fromLatin1(volume);
        QTest::newRow("mute on") << QStringLiteral("mute") << QStringLiteral("on");
        QTest::newRow("mute off") << QStringLiteral("mute") << QStringLiteral("off");
        QTest::newRow("riseAssist hold") << QStringLiteral("riseAssist") << QStringLiteral("hold");
        QTest::newRow("riseAssist off") << QStringLiteral("riseAssist") << QStringLiteral("off");
        QTest::newRow("guardCue outline") << QStringLiteral("guardCue") << QStringLiteral("outline");
        QTest::newRow("guardCue colour") << QStringLiteral("guardCue") << QStringLiteral("colour");
    }
    void everyWordReadsBack()
    {
        QFETCH(QString, name);
        QFETCH(QString, value);
        GameOptions options;
        QVERIFY(setOptionText(options, name, value));
        QCOMPARE(optionText(options, name), value);
    }

    void badWordsChangeNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::newRow("scale not offered") << QStringLiteral("scale") << QStringLiteral("250");
        QTest::newRow("scale with a sign") << QStringLiteral("scale") << QStringLiteral("200%");
        QTest::newRow("scale in capitals") << QStringLiteral("scale") << QStringLiteral("AUTO");
        QTest::newRow("volume too loud") << QStringLiteral("volume") << QStringLiteral("101");
        QTest::newRow("volume below zero") << QStringLiteral("volume") << QStringLiteral("-1");
        QTest::newRow("volume with a plus") << QStringLiteral("volume") << QStringLiteral("+5");
        QTest::newRow("volume fraction") << QStringLiteral("volume") << QStringLiteral("50.5");
        QTest::newRow("volume letter O") << QStringLiteral("volume") << QStringLiteral("5O");
        QTest::newRow("volume many digits") << QStringLiteral("volume") << QStringLiteral("0050");
        QTest::newRow("volume huge") << QStringLiteral("volume") << QStringLiteral("99999999999");
        QTest::newRow("volume empty") << QStringLiteral("volume") << QString();
        QTest::newRow("volume full-width digits") << QStringLiteral("volume") << QStringLiteral("５０");
        QTest::newRow("mute true") << QStringLiteral("mute") << QStringLiteral("true");
        QTest::newRow("riseAssist on") << QStringLiteral("riseAssist") << QStringLiteral("on");
        QTest::newRow("guardCue American spelling") << QStringLiteral("guardCue") << QStringLiteral("color");
        QTest::newRow("unknown name") << QStringLiteral("speed") << QStringLiteral("100");
        QTest::newRow("name in another case") << QStringLiteral("Scale") << QStringLiteral("200");
    }
    void badWordsChangeNothing()
    {
        QFETCH(QString, name);
        QFETCH(QString, value);
        GameOptions options;
        options.volume = 37;
        const GameOptions before = options;
        QVERIFY(!setOptionText(options, name, value));
        QVERIFY(options == before);
    }
};

QTEST_APPLESS_MAIN(OptionTextTest)
#include "test_option_text.moc"
