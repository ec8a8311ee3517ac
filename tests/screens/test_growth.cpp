#include "../support/DiskFailures.h"
#include "../support/FileBytes.h"
#include "support/Careers.h"
#include "support/GameFixture.h"
#include "support/Matches.h"

#include "app/ControlJson.h"
#include "ending/Ending.h"
#include "files/core/SaveFile.h"
#include "files/loadFile.h"
#include "files/saveFile.h"
#include "history/Growth.h"
#include "history/GrowthChart.h"
#include "history/core/HistoryCsv.h"
#include "history/core/HistoryFile.h"
#include "hub/MainCommand.h"
#include "match/Spar.h"
#include "match/core/MatchRules.h"
#include "platform/ScreenScale.h"
#include "platform/Twips.h"
#include "training/PunchingBall.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <limits>

#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {
// Clicks as the player would, turning first to the tab that holds the button.
void click(QWidget *form, const QString &name)
{
    if (auto *button = form->findChild<QAbstractButton *>(name))
        if (auto *tabs = form->findChild<QTabWidget *>())
            for (int page = 0; page < tabs->count(); ++page)
                if (tabs->widget(page)->isAncestorOf(button))
                    tabs->setCurrentIndex(page);
    QVERIFY2(clickOn(form, name), qPrintable(name));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int player(const GameState &state, int column)
{
    return state.Chara(CharaTable::PlayerRow, column).toInt();
}

// The entry holds the day and kind given and the boxer exactly as the state has him now.
void checkEntry(const DayEntry &entry, const GameState &state, int day, DayKind kind)
{
    QCOMPARE(entry.day, day);
    QCOMPARE(dayKindName(entry.kind), dayKindName(kind));
    QCOMPARE(entry.power, player(state, CharaTable::Punch));
    QCOMPARE(entry.quickness, player(state, CharaTable::Quick));
    QCOMPARE(entry.guts, player(state, CharaTable::Guts));
    QCOMPARE(entry.strength, player(state, CharaTable::Strength));
    QCOMPARE(entry.maxStrength, player(state, CharaTable::MaxStrength));
    QCOMPARE(entry.ranking, state.Chara(CharaTable::PlayerRow, CharaTable::Ranking).toText());
}

// A career on the hub with every activity's instructions switched off and a folder for its files.
struct Career
{
    Career()
    {
        startCareer(fixture);
        for (qint16 &off : fixture.state().varSetsumeiOff)
            off = 1;
        QVERIFY(directory.isValid());
    }

    Game &game() { return *fixture.game; }
    GameState &state() { return fixture.state(); }
    const QList<DayEntry> &entries() { return game().history().entries(); }
    QString path(const QString &name) const { return directory.filePath(name); }

    void rest() { click(&game().hub(), QStringLiteral("cmdCommand(3)")); }
    // A workout left to run out its three minutes.
    void workout(int button)
    {
        click(&game().hub(), QStringLiteral("cmdCommand(%1)").arg(button));
        game().scheduler().advance(200000);
    }
    void saveAs(const QString &name)
    {
        click(&game().hub(), QStringLiteral("cmdSaveAs"));
        QVERIFY(game().saveDialog().changeDirectory(directory.path()));
        game().saveDialog().findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(name);
        click(&game().saveDialog(), QStringLiteral("Open"));
    }
    void load(const QString &file)
    {
        click(&game().hub(), QStringLiteral("cmdLoad"));
        QVERIFY(game().loadDialog().changeDirectory(directory.path()));
        auto *files = game().loadDialog().findChild<QListWidget *>(QStringLiteral("File1"));
        const QList<QListWidgetItem *> found = files->findItems(file, Qt::MatchExactly);
        QVERIFY2(!found.isEmpty(), qPrintable(file));
        files->setCurrentItem(found.first());
        click(&game().loadDialog(), QStringLiteral("Open"));
    }
    Growth &openGrowth()
    {
        click(&game().hub(), QStringLiteral("cmdGrowth"));
        return game().growth();
    }
    QJsonArray chartCells() { return controlToJson(game().growth().findChild<GrowthChart *>())["cells"].toArray(); }
    QLabel *note() { return game().growth().findChild<QLabel *>(QStringLiteral("lblNote")); }

    GameFixture fixture;
    QTemporaryDir directory;
};
// A career of sixty days: the three values grow from 40 to 330 together, strength swings up
// to 2,600, and a bout is won on the last day, at the chart's right edge.
CareerHistory grownCareer()
{
    QList<DayEntry> entries;
    for (int day = 1; day <= 60; ++day) {
        DayEntry entry;
        entry.day = day;
        entry.power = entry.quickness = entry.guts = 40 + (330 - 40) * (day - 1) / 59;
        entry.maxStrength = 500 + 35 * day;
        entry.strength = day % 2 ? entry.maxStrength : entry.maxStrength / 2;
        entry.ranking = QStringLiteral("日本ランキング１０位");
        if (day == 60) {
            entry.kind = DayKind::Bout;
            entry.opponent = QStringLiteral("タイガー銀川");
            entry.result = 1;
        }
        entries.append(entry);
    }
    return CareerHistory::fromEntries(1, entries);
}

// The chart as the Growth screen places it, at the scale in force.
void placeChart(GrowthChart &chart)
{
    chart.setFont(gothicFont(8.25, false));
    chart.resize(twipsToPixels(10560), twipsToPixels(5280));
}

// How many pixels inside the area are close to the colour.
int pixelsNear(const QImage &image, const QRect &area, const QColor &colour, int *top = nullptr,
               int *bottom = nullptr)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (std::abs(pixel.red() - colour.red()) + std::abs(pixel.green() - colour.green()) +
                    std::abs(pixel.blue() - colour.blue()) >
                60)
                continue;
            ++count;
            if (top)
                *top = std::min(*top, y);
            if (bottom)
                *bottom = std::max(*bottom, y);
        }
    return count;
}
} // namespace

// The career's history as the days are played, saved and loaded, and the screen that draws it.
class GrowthTest : public QObject
{
    Q_OBJECT
private slots:
    // At every scale the numbers of both axes keep all their digits, the day numbers stand
    // clear of the band of titles, the legend clear of the plot's border, and the last
    // bout's mark inside the chart.
    void theChartKeepsItsTextsInsideAtEveryScale_data()
    {
        QTest::addColumn<GameOptions::Scale>("scale");
        QTest::newRow("100") << GameOptions::Scale::Percent100;
        QTest::newRow("150") << GameOptions::Scale::Percent150;
        QTest::newRow("200") << GameOptions::Scale::Percent200;
        QTest::newRow("300") << GameOptions::Scale::Percent300;
    }
    void theChartKeepsItsTextsInsideAtEveryScale()
    {
        QFETCH(GameOptions::Scale, scale);
        GameFixture fixture;
        GameOptions options;
        options.scale = scale;
        fixture.game->setOptions(options);
        GrowthChart chart;
        placeChart(chart);
        chart.setHistory(grownCareer(), QStringLiteral("山田"));
        const QFontMetricsF metrics(chart.font());
        const QRectF plot = chart.plotArea();
        const double factor = ScreenScale::factor();
        // The highest numbers on the axes: 350 of the values, 3,000 of the strength.
        QVERIFY(plot.left() >= metrics.horizontalAdvance(QStringLiteral("350")) + metrics.height());
        QVERIFY(chart.width() - plot.right() >=
                metrics.horizontalAdvance(QStringLiteral("3000")) + metrics.height());
        QVERIFY(chart.width() - plot.right() >= 4.5 * factor);
        QVERIFY(chart.rankingBand().top() - plot.bottom() >= metrics.height());
        QVERIFY(chart.rankingBand().height() >= metrics.height());
        QVERIFY(chart.rankingBand().bottom() <= chart.height());
        QVERIFY(plot.top() >= metrics.height() + 2 * factor);
        fixture.game->setOptions(GameOptions());
    }

    // Equal values draw as lines over one another; each still shows, and the values, on an
    // axis of their own, are not flattened by the strength's thousands.
    void equalLinesBothShowAndTheValuesKeepTheirHeight()
    {
        GameFixture fixture;
        GrowthChart chart;
        placeChart(chart);
        chart.setHistory(grownCareer(), QStringLiteral("山田"));
        QImage image(chart.size(), QImage::Format_RGB32);
        chart.render(&image);
        const QRect plot = chart.plotArea().toRect().adjusted(2, 2, -2, -2);
        int top = image.height();
        int bottom = 0;
        const int power = pixelsNear(image, plot, QColor(0xD0, 0x30, 0x30), &top, &bottom);
        const int quickness = pixelsNear(image, plot, QColor(0x20, 0x60, 0xD0));
        const int guts = pixelsNear(image, plot, QColor(0x20, 0x98, 0x40));
        QVERIFY2(power > plot.width() / 2 && quickness > plot.width() / 2 && guts > plot.width() / 2,
                 qPrintable(
                     QStringLiteral("%1 %2 %3 of %4").arg(power).arg(quickness).arg(guts).arg(plot.width())));
        // Power grows from 40 to 330: most of the plot's height, not an eighth of it.
        QVERIFY2(bottom - top > plot.height() / 2, qPrintable(QStringLiteral("%1..%2").arg(top).arg(bottom)));
    }

    // The saved picture says whose career it shows and up to which day.
    void theChartNamesTheBoxerAndTheDays()
    {
        GameFixture fixture;
        GrowthChart chart;
        chart.setHistory(grownCareer(), QStringLiteral("山田"));
        QCOMPARE(chart.caption(), QStringLiteral("山田　1日目〜60日目"));
    }

    void everyKindOfDayIsRecordedAsItLeftTheBoxer()
    {
        Career career;
        GameState &state = career.state();
        state.Chara(1, CharaTable::Strength) = 100;
        career.rest();
        QCOMPARE(career.entries().size(), 1);
        checkEntry(career.entries().last(), state, 1, DayKind::Rest);

        career.workout(0);
        checkEntry(career.entries().last(), state, 2, DayKind::SandBag);
        career.workout(1);
        checkEntry(career.entries().last(), state, 3, DayKind::PunchingBall);

        click(&career.game().hub(), QStringLiteral("cmdCommand(2)"));
        state.varEnHP = 400;
        state.Chara(1, CharaTable::Strength) = 300;
        career.game().spar().varWinLose = WinLoseNone;
        career.game().spar().subEnd();
        checkEntry(career.entries().last(), state, 4, DayKind::Sparring);
        QCOMPARE(career.entries().last().guts, 44);

        // A collapse costs the day of the workout and the day in hospital.
        state.Chara(1, CharaTable::Strength) = 5;
        click(&career.game().hub(), QStringLiteral("cmdCommand(1)"));
        click(&career.game().punchingBall(), QStringLiteral("Punch"));
        QCOMPARE(state.varNowDate, Cell(7));
        QCOMPARE(career.entries().size(), 6);
        checkEntry(career.entries().at(4), state, 5, DayKind::PunchingBall);
        checkEntry(career.entries().at(5), state, 6, DayKind::Hospital);

        // The bout comes the day after the countdown's last rest.
        state.varNextDate = 1;
        career.rest();
        QCOMPARE(state.varSparMode, qint16(SparModeBout));
        Spar &spar = career.game().spar();
        state.varNowRound = 3;
        spar.varWinLose = WinLoseWin;
        spar.varHantei = 0;
        spar.subEnd();
        QCOMPARE(career.entries().size(), 8);
        const DayEntry &bout = career.entries().last();
        checkEntry(bout, state, 8, DayKind::Bout);
        QCOMPARE(bout.opponent, QStringLiteral("タイガー銀川"));
        QCOMPARE(bout.result, 3);
        QCOMPARE(bout.ranking, QStringLiteral("日本ランキング１０位"));
        for (qsizetype i = 0; i < career.entries().size(); ++i)
            QCOMPARE(career.entries().at(i).day, int(i) + 1);
    }

    void boutsPastAFullRecordAreStillKept()
    {
        GameFixture fixture;
        Spar &spar = startFirstBout(fixture);
        fixture.state().varSensekiCount = GameState::SensekiCapacity;
        spar.varWinLose = WinLoseDraw;
        spar.subEnd();
        QCOMPARE(fixture.game->history().entries().size(), 1);
        QCOMPARE(fixture.game->history().entries().last().result, 27);
    }

    void newCareerForgetsTheOldHistory()
    {
        Career career;
        career.rest();
        QCOMPARE(career.entries().size(), 1);
        startCareer(career.fixture, QStringLiteral("鈴木"));
        QCOMPARE(career.game().history(), CareerHistory());
    }

    void saveWritesTheHistoryBesideAnUnchangedSave()
    {
        Career career;
        career.rest();
        career.rest();
        career.saveAs(QStringLiteral("mine"));
        const QByteArray expectedSave = [&] {
            GameState copy = career.state();
            const QString other = career.path(QStringLiteral("plain.sav"));
            return writeSaveFile(other, copy) == SaveFileWrite::Written ? contents(other) : QByteArray();
        }();
        QCOMPARE(contents(career.path(QStringLiteral("mine.sav"))), expectedSave);
        const std::optional<DecodedHistory> written =
            decodeHistoryCsv(contents(career.path(QStringLiteral("mine.history.csv"))));
        QVERIFY(written);
        QCOMPARE(written->boxerName, QStringLiteral("山田"));
        QCOMPARE(written->entries, career.entries());
        QCOMPARE(career.fixture.prompter->messageTexts().size(), 2);

        // Played on, then loaded back: the history is the one saved with it.
        career.rest();
        career.load(QStringLiteral("mine.sav"));
        QCOMPARE(career.entries(), written->entries);
        QCOMPARE(career.game().history().startDay(), 1);
    }

    void loadsWithoutTheirOwnHistoryStartAtTheLoadedDay_data()
    {
        QTest::addColumn<QString>("history");
        QTest::newRow("none") << "none";
        QTest::newRow("another career's") << "other";
        QTest::newRow("broken") << "broken";
    }
    void loadsWithoutTheirOwnHistoryStartAtTheLoadedDay()
    {
        QFETCH(QString, history);
        Career career;
        for (int day = 0; day < 3; ++day)
            career.rest();
        career.saveAs(QStringLiteral("mine"));
        const QString historyPath = career.path(QStringLiteral("mine.history.csv"));
        if (history == QLatin1String("none")) {
            QVERIFY(QFile::remove(historyPath));
        } else if (history == QLatin1String("other")) {
            CareerHistory other;
            GameState someoneElse = career.state();
            someoneElse.varNowDate = 1;
            other.recordDay(someoneElse, DayKind::Rest);
            QCOMPARE(writeHistoryFile(historyPath, other, QStringLiteral("鈴木")), HistoryWrite::Written);
        } else {
            QVERIFY(put(historyPath, contents(historyPath).replace("rest", "nap")));
        }
        career.rest();
        const QStringList messagesBefore = career.fixture.prompter->messageTexts();
        career.load(QStringLiteral("mine.sav"));
        QCOMPARE(career.fixture.prompter->messageTexts(), messagesBefore);
        QCOMPARE(career.state().varNowDate, Cell(4));
        QCOMPARE(career.game().history(), CareerHistory(4));
        QVERIFY(career.game().hub().isVisible() && career.game().hub().isEnabled());

        // The chart says in one line where its days begin, and goes on from there.
        career.openGrowth();
        QVERIFY(career.note()->isVisibleTo(&career.game().growth()));
        QVERIFY(career.note()->text().contains(QStringLiteral("4日目")));
        QVERIFY(!career.note()->text().contains(QLatin1Char('\n')));
        click(&career.game().growth(), QStringLiteral("Command1"));
        career.rest();
        QCOMPARE(career.entries().size(), 1);
        QCOMPARE(career.entries().first().day, 4);
    }

    void failedHistoryWriteIsToldAndTheSaveStands()
    {
        Career career;
        career.rest();
        QVERIFY(QDir(career.directory.path()).mkdir(QStringLiteral("mine.history.csv")));
        career.saveAs(QStringLiteral("mine"));
        QVERIFY(QFileInfo(career.path(QStringLiteral("mine.sav"))).isFile());
        QCOMPARE(career.state().varFileName, QDir::toNativeSeparators(career.path(QStringLiteral("mine.sav"))));
        const QStringList messages = career.fixture.prompter->messageTexts();
        QCOMPARE(messages.size(), 2);
        QVERIFY(messages.last().contains(QStringLiteral("mine.history.csv")));
        QVERIFY(QFileInfo(career.path(QStringLiteral("mine.history.csv"))).isDir());
        QVERIFY(!career.game().saveDialog().isVisible());
        QVERIFY(career.game().hub().isEnabled());
    }

    // A day no history file holds (a hand-made save's values) is not written over the older
    // history, which the next load still reads; the player is told why.
    void historyPastTheFileBoundsIsToldAndTheOldOneStays()
    {
        Career career;
        career.rest();
        career.saveAs(QStringLiteral("mine"));
        const QString historyPath = career.path(QStringLiteral("mine.history.csv"));
        const QByteArray written = contents(historyPath);
        career.state().Chara(1, CharaTable::Guts) = MaxHistoryValue + 1;
        career.rest();
        career.fixture.prompter->clearRecord();
        click(&career.game().hub(), QStringLiteral("cmdSave"));
        const QStringList messages = career.fixture.prompter->messageTexts();
        QCOMPARE(messages.size(), 2);
        QVERIFY(messages.first().contains(historyPath));
        QVERIFY(messages.first().contains(QStringLiteral("記録できる大きさや値を超えた")));
        QCOMPARE(contents(historyPath), written);
    }

    void chartReadsTheDaysDrawn()
    {
        Career career;
        career.rest();
        career.workout(1);
        Growth &growth = career.openGrowth();
        QVERIFY(growth.isVisible());
        QVERIFY(!career.game().hub().isEnabled());
        QVERIFY(!career.note()->isVisibleTo(&growth));
        const QJsonArray cells = career.chartCells();
        QCOMPARE(cells.size(), 2);
        for (int i = 0; i < 2; ++i) {
            const DayEntry &entry = career.entries().at(i);
            QCOMPARE(cells[i].toArray(), (QJsonArray{QString::number(entry.day), QString::number(entry.power),
                                                     QString::number(entry.quickness), QString::number(entry.guts),
                                                     QString::number(entry.strength),
                                                     QString::number(entry.maxStrength)}));
        }
        click(&growth, QStringLiteral("Command1"));
        QVERIFY(!growth.isVisible());
        QVERIFY(career.game().hub().isEnabled());
    }

    // The value labels stand right-aligned left of the plot: a number too wide for that margin
    // would run out past the widget's left edge.
    void axisLabelsStayInsideTheChart_data()
    {
        QTest::addColumn<int>("value");
        QTest::newRow("at the bound") << MaxHistoryValue;
        QTest::newRow("past it, from a hand-made save") << 50000000;
        QTest::newRow("INT_MAX") << std::numeric_limits<int>::max();
    }
    void axisLabelsStayInsideTheChart()
    {
        QFETCH(int, value);
        Career career;
        DayEntry entry;
        entry.ranking = QStringLiteral("ランキング外");
        QList<DayEntry> entries;
        for (const int day : {MaxHistoryDay - 1, MaxHistoryDay}) {
            entry.day = day;
            entry.power = entry.quickness = entry.guts = entry.strength = entry.maxStrength = value;
            entries.append(entry);
        }
        career.game().history() = CareerHistory::fromEntries(MaxHistoryDay - 1, entries);
        auto *chart = career.openGrowth().findChild<GrowthChart *>();
        const QImage picture = chart->grab().toImage();
        for (int y = 0; y < picture.height(); ++y)
            QCOMPARE(picture.pixelColor(0, y), QColor(Qt::white));
    }

    void hoverNamesTheOpponentAndTheTitle()
    {
        GameFixture fixture;
        Spar &spar = startFirstBout(fixture);
        spar.varWinLose = WinLoseLoss;
        spar.varHantei = 1;
        spar.subEnd();
        Growth &growth = fixture.game->growth();
        growth.subOriginal();
        growth.resize(growth.sizeHint().expandedTo(growth.size()));
        auto *chart = growth.findChild<GrowthChart *>();
        QStringList texts;
        for (int y = 0; y < chart->height(); y += 2)
            for (int x = 0; x < chart->width(); x += 2) {
                const QString text = chart->hoverTextAt(QPoint(x, y));
                if (!text.isEmpty() && !texts.contains(text))
                    texts.append(text);
            }
        QCOMPARE(texts, (QStringList{QStringLiteral("2日目　タイガー銀川　判定負け"), QStringLiteral("ノーランカー")}));
    }

    void closingReturnsToTheOpener_data()
    {
        QTest::addColumn<bool>("fromEnding");
        QTest::newRow("hub") << false;
        QTest::newRow("ending") << true;
    }
    void closingReturnsToTheOpener()
    {
        QFETCH(bool, fromEnding);
        Career career;
        QWidget *opener = &career.game().hub();
        if (fromEnding) {
            career.game().hub().hide();
            career.game().openEnding();
            opener = &career.game().ending();
            click(opener, QStringLiteral("cmdGrowth"));
        } else {
            career.openGrowth();
        }
        QVERIFY(career.game().growth().isVisible());
        QVERIFY(!opener->isEnabled());
        career.game().growth().close();
        QVERIFY(!career.game().growth().isVisible());
        QVERIFY(opener->isEnabled());
    }

    void pictureIsSavedWhereTheBoxSays_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::newRow("a file") << "chart.png";
        QTest::newRow("cancel") << "";
        QTest::newRow("unwritable place") << "nowhere/chart.png";
    }
    void pictureIsSavedWhereTheBoxSays()
    {
        QFETCH(QString, answer);
        Career career;
        career.rest();
        Growth &growth = career.openGrowth();
        career.fixture.prompter->clearRecord();
        if (answer.isEmpty())
            career.fixture.prompter->queueInputCancel();
        else
            career.fixture.prompter->queueInput(career.path(answer));
        click(&growth, QStringLiteral("cmdSavePicture"));
        QCOMPARE(career.fixture.prompter->pendingInputs(), 0);
        const QStringList messages = career.fixture.prompter->messageTexts();
        if (answer == QLatin1String("chart.png")) {
            const QImage picture(career.path(answer));
            QVERIFY(!picture.isNull());
            QCOMPARE(picture.size(), growth.findChild<GrowthChart *>()->size() *
                                         growth.findChild<GrowthChart *>()->devicePixelRatio());
            QVERIFY(messages.isEmpty());
        } else if (answer.isEmpty()) {
            QCOMPARE(QDir(career.directory.path()).entryList(QDir::Files), QStringList());
            QVERIFY(messages.isEmpty());
        } else {
            QCOMPARE(messages.size(), 1);
            QVERIFY(messages.first().contains(QStringLiteral("chart.png")));
        }
        QVERIFY(growth.isVisible());
    }

    // A picture that cannot be written whole is not written at all: the old picture stays byte for
    // byte, nothing but a regular file is ever replaced (as the superuser, /dev/full itself was), no
    // temporary file is left, and the player is told.
    void failedPictureKeepsTheOldPicture_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::newRow("file size limit") << "limit";
        QTest::newRow("full tmpfs") << "tmpfs";
        QTest::newRow("a full device, as /dev/full") << "device";
        QTest::newRow("a pipe") << "pipe";
    }
    void failedPictureKeepsTheOldPicture()
    {
        QFETCH(QString, failure);
        Career career;
        career.rest();
        const QString path = career.path(QStringLiteral("old.png"));
        const QString filler = career.path(QStringLiteral("filler"));
        const QByteArray old = "an older picture";
        const auto setup = [&] {
            if (failure == QLatin1String("tmpfs"))
                return mountPrivateTmpfs(career.directory.path(), 64);
            if (failure == QLatin1String("device"))
                return ::geteuid() == 0 &&
                       ::mknod(QFile::encodeName(path).constData(), S_IFCHR | 0666, makedev(1, 7)) == 0;
            if (failure == QLatin1String("pipe"))
                return ::mkfifo(QFile::encodeName(path).constData(), 0644) == 0;
            return true;
        };
        const ChildRun run = runInChild(setup, [&] {
            const bool regular = failure == QLatin1String("limit") || failure == QLatin1String("tmpfs");
            if (regular)
                put(path, old);
            const bool broken = failure == QLatin1String("tmpfs")   ? fillDisk(filler)
                                : failure == QLatin1String("limit") ? limitFileSize(1000)
                                                                    : true;
            Growth &growth = career.openGrowth();
            career.fixture.prompter->clearRecord();
            career.fixture.prompter->queueInput(path);
            click(&growth, QStringLiteral("cmdSavePicture"));
            QStringList entries =
                QDir(career.directory.path())
                    .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
            entries.removeAll(QStringLiteral("filler"));
            const QFileInfo left(path);
            const QJsonObject report{
                {QStringLiteral("broken"), broken},
                {QStringLiteral("messages"),
                 QJsonArray::fromStringList(career.fixture.prompter->messageTexts())},
                {QStringLiteral("kept"), regular ? contents(path) == old : !left.isFile() && left.exists()},
                {QStringLiteral("entries"), QJsonArray::fromStringList(entries)},
            };
            return QJsonDocument(report).toJson(QJsonDocument::Compact);
        });
        if (run.end == ChildRun::End::SetupFailed)
            QSKIP("this needs the superuser here");
        QCOMPARE(run.end, ChildRun::End::Finished);
        const QJsonObject report = QJsonDocument::fromJson(run.output).object();
        QVERIFY(report.value(QStringLiteral("broken")).toBool());
        QVERIFY(report.value(QStringLiteral("kept")).toBool());
        QCOMPARE(report.value(QStringLiteral("entries")).toVariant().toStringList(),
                 QStringList{QStringLiteral("old.png")});
        QCOMPARE(
            report.value(QStringLiteral("messages")).toVariant().toStringList(),
            QStringList{QStringLiteral("「") + path + QStringLiteral("」に画像を保存できませんでした。")});
    }

    // A history the loaded career could not use may hold days found nowhere else: the next save
    // keeps it beside the save under another name and says so once, instead of writing over it.
    void unreadHistoryIsKeptAtTheNextSave_data()
    {
        QTest::addColumn<QString>("history");
        QTest::newRow("broken") << "broken";
        QTest::newRow("another boxer's") << "other";
        QTest::newRow("days past the save") << "later";
    }
    void unreadHistoryIsKeptAtTheNextSave()
    {
        QFETCH(QString, history);
        Career career;
        for (int day = 0; day < 3; ++day)
            career.rest();
        career.saveAs(QStringLiteral("mine"));
        const QString savePath = career.path(QStringLiteral("mine.sav"));
        const QString historyPath = career.path(QStringLiteral("mine.history.csv"));
        if (history == QLatin1String("broken")) {
            QVERIFY(put(historyPath, contents(historyPath).replace("rest", "nap")));
        } else if (history == QLatin1String("other")) {
            QVERIFY(put(historyPath, contents(historyPath).replace("山田", "鈴木")));
        } else {
            // An older copy of the save put back over the one that went on.
            const QByteArray olderSave = contents(savePath);
            career.rest();
            career.rest();
            click(&career.game().hub(), QStringLiteral("cmdSave"));
            QVERIFY(put(savePath, olderSave));
        }
        const QByteArray unread = contents(historyPath);
        career.load(QStringLiteral("mine.sav"));
        QCOMPARE(career.game().history(), CareerHistory(4));
        career.rest();
        const auto kept = [&] {
            return QDir(career.directory.path())
                .entryList({QStringLiteral("mine.history.csv.broken*")}, QDir::Files);
        };
        QVERIFY(kept().isEmpty());

        career.fixture.prompter->clearRecord();
        click(&career.game().hub(), QStringLiteral("cmdSave"));
        QCOMPARE(kept().size(), 1);
        const QString keptPath = career.path(kept().first());
        QCOMPARE(contents(keptPath), unread);
        QCOMPARE(decodeHistoryCsv(contents(historyPath))->entries, career.entries());
        const QStringList messages = career.fixture.prompter->messageTexts();
        QCOMPARE(messages.size(), 2);
        QVERIFY(messages.first().contains(historyPath));
        QVERIFY(messages.first().contains(keptPath));

        // Once kept, the history written is this career's own: the next save just writes it.
        career.rest();
        career.fixture.prompter->clearRecord();
        click(&career.game().hub(), QStringLiteral("cmdSave"));
        QCOMPARE(career.fixture.prompter->messageTexts().size(), 1);
        QCOMPARE(kept().size(), 1);
        QCOMPARE(decodeHistoryCsv(contents(historyPath))->entries, career.entries());
    }
};

QTEST_MAIN(GrowthTest)
#include "test_growth.moc"
