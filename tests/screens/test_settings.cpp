// The player's options: kept in the settings store and read back at the next start, each
// unreadable stored value falling back to its own default; the settings dialog, opened from
// the title and the hub, holds the clock and puts each choice in force at once.
#include "../support/FileBytes.h"
#include "hub/MainCommand.h"
#include "options/OptionsStore.h"
#include "options/SettingsDialog.h"
#include "platform/QtSettings.h"
#include "platform/ScreenScale.h"
#include "platform/core/Timer.h"
#include "support/Careers.h"
#include "title/frmMain.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

#include <sys/stat.h>

namespace {
using OpenScreen = std::function<QWidget *(GameFixture &)>;

// Every option away from its default.
GameOptions chosen()
{
    GameOptions options;
    options.scale = GameOptions::Scale::Percent150;
    options.volume = 35;
    options.mute = true;
    options.riseAssist = GameOptions::RiseAssist::Hold;
    options.guardCue = GameOptions::GuardCue::Outline;
    return options;
}

// A game started on a store that holds these values.
std::unique_ptr<Game> startOn(const QMap<QString, QVariant> &stored)
{
    Game::Ports ports = scriptedPorts(nullptr);
    auto settings = std::make_unique<MemorySettings>();
    for (auto it = stored.cbegin(); it != stored.cend(); ++it)
        settings->setValue(it.key(), it.value());
    ports.settings = std::move(settings);
    return std::make_unique<Game>(std::move(ports));
}

template <typename Control> Control *control(QWidget *form, const char *name)
{
    auto *found = form->findChild<Control *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}
} // namespace

class SettingsTest : public QObject
{
    Q_OBJECT
private slots:
    // Every entry of the scale list shows whole beside the list's arrow, the marked ones
    // too, at every scale the list offers.
    void everyScaleEntryShowsWhole_data()
    {
        QTest::addColumn<GameOptions::Scale>("scale");
        QTest::newRow("100") << GameOptions::Scale::Percent100;
        QTest::newRow("150") << GameOptions::Scale::Percent150;
    }
    void everyScaleEntryShowsWhole()
    {
        QFETCH(GameOptions::Scale, scale);
        GameFixture fixture;
        startCareer(fixture);
        GameOptions options;
        options.scale = scale;
        fixture.game->setOptions(options);
        fixture.game->fitWindowsToScreen(QSize(1280, 800));
        auto *list = fixture.game->openSettings(fixture.game->hub())
                         .findChild<QComboBox *>(QStringLiteral("cboScale"));
        QStyleOptionComboBox option;
        option.initFrom(list);
        const QRect field =
            list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
        QVERIFY(list->itemText(4).contains(QStringLiteral("画面に収まりません")));
        for (int i = 0; i < list->count(); ++i)
            QVERIFY2(list->fontMetrics().horizontalAdvance(list->itemText(i)) <= field.width(),
                     qPrintable(list->itemText(i)));
        fixture.game->setOptions(GameOptions());
    }

    void cleanup() { ScreenScale::setFactor(1.0); }

    void choicesSurviveARestart()
    {
        GameFixture first;
        first.game->setOptions(chosen());
        const std::unique_ptr<Game> next = startOn(first.settings->values());
        QVERIFY(next->options() == chosen());
        QCOMPARE(ScreenScale::factor(), 1.5);
    }

    void eachUnreadableValueFallsBackAlone_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<GameOptions>("expected");
        GameOptions scale = chosen();
        scale.scale = GameOptions::Scale::Auto;
        QTest::newRow("scale not offered") << "Scale" << QVariant(QStringLiteral("175")) << scale;
        QTest::newRow("scale as a number") << "Scale" << QVariant(2.5) << scale;
        QTest::newRow("scale as a list") << "Scale" << QVariant(QStringList{"150", "200"}) << scale;
        QTest::newRow("scale missing") << "Scale" << QVariant() << scale;
        GameOptions volume = chosen();
        volume.volume = 100;
        QTest::newRow("volume too loud") << "Volume" << QVariant(QStringLiteral("250")) << volume;
        QTest::newRow("volume below zero") << "Volume" << QVariant(-5) << volume;
        QTest::newRow("volume a word") << "Volume" << QVariant(QStringLiteral("loud")) << volume;
        QTest::newRow("volume binary") << "Volume" << QVariant(QByteArray("\x00\xff", 2)) << volume;
        GameOptions mute = chosen();
        mute.mute = false;
        QTest::newRow("mute yes") << "Mute" << QVariant(QStringLiteral("yes")) << mute;
        GameOptions rise = chosen();
        rise.riseAssist = GameOptions::RiseAssist::Off;
        QTest::newRow("riseAssist empty") << "RiseAssist" << QVariant(QString()) << rise;
        GameOptions cue = chosen();
        cue.guardCue = GameOptions::GuardCue::Colour;
        QTest::newRow("guardCue unknown") << "GuardCue" << QVariant(QStringLiteral("flash")) << cue;
        // A hand-edited line may keep blanks around the word.
        QTest::newRow("blanks around a good word") << "Volume" << QVariant(QStringLiteral(" 35 ")) << chosen();
    }
    void eachUnreadableValueFallsBackAlone()
    {
        QFETCH(QString, key);
        QFETCH(QVariant, stored);
        QFETCH(GameOptions, expected);
        MemorySettings store;
        saveOptions(store, chosen());
        QMap<QString, QVariant> values = store.values();
        if (stored.isValid())
            values.insert(key, stored);
        else
            values.remove(key);
        QVERIFY(startOn(values)->options() == expected);
    }

    // The real store: a round trip through the settings file, then a file damaged by hand.
    void theSettingsFileReadsBackOrFallsBack_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<GameOptions>("expected");
        QTest::newRow("no file") << QByteArray() << GameOptions();
        QTest::newRow("binary garbage") << QByteArray("\x00\xff\xfe[[[\x01=\n\x7f", 10) << GameOptions();
        GameOptions partly;
        partly.scale = GameOptions::Scale::Percent300;
        partly.mute = true;
        // An open quote runs to the end of the file: the rest is one unreadable volume.
        QTest::newRow("good lines among broken ones")
            << QByteArray("[Settings]\nMainLeft=120\nScale=300\n=\nMute=on\nGuardCue\nVolume=\"loud\n"
                          "RiseAssist=hold\n[[broken\n")
            << partly;
        GameOptions other;
        other.volume = 20;
        QTest::newRow("options in another section are not ours")
            << QByteArray("[Other]\nScale=200\n[Settings]\nVolume=20\n") << other;
    }
    void theSettingsFileReadsBackOrFallsBack()
    {
        QFETCH(QByteArray, file);
        QFETCH(GameOptions, expected);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("RingGlory/RingGlory.conf"));
        QDir(folder.path()).mkpath(QStringLiteral("RingGlory"));
        if (!file.isNull()) {
            QFile conf(path);
            QVERIFY(conf.open(QIODevice::WriteOnly));
            conf.write(file);
        }
        QtSettings settings(path);
        QVERIFY(loadOptions(settings) == expected);

        saveOptions(settings, chosen());
        QVERIFY(loadOptions(QtSettings(path)) == chosen());
    }

    // A settings file the game cannot safely read (a pipe would stop it before its first window, a
    // huge file fill the memory) is neither read nor written: the options start at their defaults
    // and changes last as long as the session.
    void anUnsafeSettingsFileIsLeftAlone_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("a pipe") << "pipe";
        QTest::newRow("a folder") << "folder";
        QTest::newRow("larger than 1 MiB") << "large";
    }
    void anUnsafeSettingsFileIsLeftAlone()
    {
        QFETCH(QString, kind);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("RingGlory.conf"));
        QByteArray large("[Settings]\nMute=on\n");
        large += QByteArray(int(QtSettings::MaxFileBytes), '#') + '\n';
        if (kind == QLatin1String("pipe"))
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (kind == QLatin1String("folder"))
            QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("RingGlory.conf")));
        else
            QVERIFY(put(path, large));

        QtSettings settings(path);
        QVERIFY(loadOptions(settings) == GameOptions());
        saveOptions(settings, chosen());
        QVERIFY(loadOptions(settings) == chosen());
        const QFileInfo left(path);
        if (kind == QLatin1String("large"))
            QCOMPARE(contents(path), large);
        else
            QVERIFY(left.exists() && !left.isFile());
        const QDir::Filters everything =
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
        QCOMPARE(QDir(folder.path()).entryList(everything), QStringList{QStringLiteral("RingGlory.conf")});
    }

    void theDialogOpensFromBothFileMenusAndHoldsTheClock_data()
    {
        QTest::addColumn<OpenScreen>("open");
        QTest::newRow("title") << OpenScreen([](GameFixture &f) -> QWidget * { return &f.game->openTitle(); });
        QTest::newRow("hub") << OpenScreen([](GameFixture &f) -> QWidget * {
            startCareer(f);
            return &f.game->hub();
        });
    }
    void theDialogOpensFromBothFileMenusAndHoldsTheClock()
    {
        QFETCH(OpenScreen, open);
        GameFixture fixture;
        QWidget *screen = open(fixture);
        int ticks = 0;
        Timer timer(fixture.game->scheduler(), [&ticks] { ++ticks; });
        timer.setInterval(100);
        timer.setEnabled(true);

        auto *item = screen->findChild<QAction *>(QStringLiteral("mnuSettings"));
        QVERIFY(item);
        QCOMPARE(item->text(), QStringLiteral("設定(&T)..."));
        item->trigger();
        SettingsDialog *dialog = fixture.game->settingsDialog();
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->windowTitle(), QStringLiteral("設定"));
        fixture.game->scheduler().advance(1000);
        QCOMPARE(ticks, 0);

        control<QPushButton>(dialog, "cmdClose")->click();
        QVERIFY(!fixture.game->settingsDialog() || !fixture.game->settingsDialog()->isVisible());
        fixture.game->scheduler().advance(1000);
        QCOMPARE(ticks, 10);
    }

    void eachChoiceTakesEffectAtOnceAndDefaultsUndoThemAll()
    {
        GameFixture fixture;
        startCareer(fixture);
        SettingsDialog &dialog = fixture.game->openSettings(fixture.game->hub());
        control<QComboBox>(&dialog, "cboScale")->setCurrentIndex(3);
        QCOMPARE(ScreenScale::factor(), 2.0);
        control<QSlider>(&dialog, "sldVolume")->setValue(40);
        QCOMPARE(fixture.sound->volume(), 40);
        control<QCheckBox>(&dialog, "chkMute")->setChecked(true);
        QVERIFY(fixture.sound->muted());
        control<QCheckBox>(&dialog, "chkRiseAssist")->setChecked(true);
        control<QComboBox>(&dialog, "cboGuardCue")->setCurrentIndex(1);
        GameOptions expected;
        expected.scale = GameOptions::Scale::Percent200;
        expected.volume = 40;
        expected.mute = true;
        expected.riseAssist = GameOptions::RiseAssist::Hold;
        expected.guardCue = GameOptions::GuardCue::Outline;
        QVERIFY(fixture.game->options() == expected);
        QVERIFY(loadOptions(*fixture.settings) == expected);

        control<QPushButton>(&dialog, "cmdDefault")->click();
        QVERIFY(fixture.game->options() == GameOptions());
        QVERIFY(loadOptions(*fixture.settings) == GameOptions());
        QCOMPARE(ScreenScale::factor(), 1.0);
        QCOMPARE(fixture.sound->volume(), 100);
        QVERIFY(!fixture.sound->muted());
        QCOMPARE(control<QComboBox>(&dialog, "cboScale")->currentIndex(), 0);
        QCOMPARE(control<QSlider>(&dialog, "sldVolume")->value(), 100);
        QVERIFY(!control<QCheckBox>(&dialog, "chkMute")->isChecked());
        QVERIFY(!control<QCheckBox>(&dialog, "chkRiseAssist")->isChecked());
        QCOMPARE(control<QComboBox>(&dialog, "cboGuardCue")->currentIndex(), 0);
    }
};

QTEST_MAIN(SettingsTest)
#include "test_settings.moc"
