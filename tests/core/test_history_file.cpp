#include "../support/FileBytes.h"
#include "NewCareerState.h"
#include "history/core/HistoryCsv.h"
#include "history/core/HistoryFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(HistoryLoad)

namespace {
// A few days of every kind, a bout of each outcome among them, and texts that need quoting.
CareerHistory sampleHistory()
{
    GameState state = newCareer();
    CareerHistory history;
    const DayKind kinds[] = {DayKind::Rest, DayKind::SandBag, DayKind::PunchingBall, DayKind::Sparring,
                             DayKind::Hospital};
    for (const DayKind kind : kinds) {
        history.recordDay(state, kind);
        state.varNowDate = state.varNowDate.toInt() + 1;
        state.Chara(1, CharaTable::Punch) = state.Chara(1, CharaTable::Punch).toInt() + 3;
    }
    for (const int code : {3, 26, 27}) {
        history.recordBout(state, 2, code);
        state.varNowDate = state.varNowDate.toInt() + 1;
    }
    state.Chara(2, CharaTable::Name) = QStringLiteral("O'Brien, \"Jr\"");
    state.Chara(1, CharaTable::Ranking) = QStringLiteral("世界ランキング,1位");
    history.recordBout(state, 2, 13);
    return history;
}

const QByteArray Head = "#ringglory-history,1,山田\r\n"
                        "day,activity,power,quickness,guts,strength,max_strength,ranking,opponent,result\r\n";
} // namespace

// The history file: its CSV text, where it lies, and how a load copes with a file that is
// missing, foreign or broken.
class HistoryFileTest : public QObject
{
    Q_OBJECT
private slots:
    void recordsTheStateOfTheDay()
    {
        GameState state = newCareer();
        state.varNowDate = 12;
        state.Chara(1, CharaTable::Strength) = 41;
        CareerHistory history;
        history.recordBout(state, 3, 14);
        const DayEntry &entry = history.entries().at(0);
        QCOMPARE(entry.day, 12);
        QCOMPARE(entry.kind, DayKind::Bout);
        QCOMPARE(entry.power, state.Chara(1, CharaTable::Punch).toInt());
        QCOMPARE(entry.quickness, state.Chara(1, CharaTable::Quick).toInt());
        QCOMPARE(entry.guts, state.Chara(1, CharaTable::Guts).toInt());
        QCOMPARE(entry.strength, 41);
        QCOMPARE(entry.maxStrength, state.Chara(1, CharaTable::MaxStrength).toInt());
        QCOMPARE(entry.opponent, state.Chara(3, CharaTable::Name).toText());
        QCOMPARE(entry.result, 14);
        QCOMPARE(entry.ranking, state.Chara(1, CharaTable::Ranking).toText());
    }

    void roundTrip()
    {
        const CareerHistory history = sampleHistory();
        const QByteArray bytes = encodeHistoryCsv(history, QStringLiteral("山田"));
        QVERIFY(bytes.startsWith(Head));
        const std::optional<DecodedHistory> decoded = decodeHistoryCsv(bytes);
        QVERIFY(decoded);
        QCOMPARE(decoded->boxerName, QStringLiteral("山田"));
        QCOMPARE(decoded->entries, history.entries());
        // Line endings, a byte-order mark and a last blank line are an editor's, not damage.
        QByteArray edited = bytes;
        edited.replace("\r\n", "\n");
        QCOMPARE(decodeHistoryCsv("\xEF\xBB\xBF" + edited + "\n")->entries, history.entries());
        // Without a quote anywhere the file is read another, quicker way, to the same days.
        const QList<DayEntry> plain = history.entries().mid(0, 5);
        const QByteArray unquoted = encodeHistoryCsv(CareerHistory::fromEntries(1, plain), QStringLiteral("山田"));
        QVERIFY(!unquoted.contains('"'));
        QCOMPARE(decodeHistoryCsv(unquoted)->entries, plain);
        QCOMPARE(decodeHistoryCsv(QByteArray(unquoted).replace("\r\n", "\r"))->entries, plain);
    }

    void malformedTextIsRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray row = "1,rest,10,10,10,90,99,ランキング外,,\r\n";
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("format line only") << QByteArray("#ringglory-history,1,山田\r\n");
        QTest::newRow("other version") << QByteArray(Head).replace(",1,", ",2,") + row;
        QTest::newRow("no format line") << Head.mid(Head.indexOf('\n') + 1) + row;
        QTest::newRow("header changed") << QByteArray(Head).replace("guts", "grit") + row;
        QTest::newRow("field missing") << Head + "1,rest,10,10,10,90,99,ランキング外,\r\n";
        QTest::newRow("field too many") << Head + "1,rest,10,10,10,90,99,ランキング外,,,\r\n";
        QTest::newRow("not a number") << Head + "1,rest,10,ten,10,90,99,ランキング外,,\r\n";
        QTest::newRow("number too large") << Head + "1,rest,10,99999999999,10,90,99,ランキング外,,\r\n";
        QTest::newRow("unknown activity") << Head + "1,nap,10,10,10,90,99,ランキング外,,\r\n";
        QTest::newRow("day zero") << Head + "0,rest,10,10,10,90,99,ランキング外,,\r\n";
        QTest::newRow("days not rising") << Head + row + row;
        QTest::newRow("bout without result") << Head + "1,bout,10,10,10,90,99,ランキング外,森下,\r\n";
        QTest::newRow("result on a rest day") << Head + "1,rest,10,10,10,90,99,ランキング外,,3\r\n";
        QTest::newRow("open quote") << Head + "1,rest,10,10,10,90,99,\"ランキング外,,\r\n";
        QTest::newRow("text after a quote") << Head + "1,rest,10,10,10,90,99,\"ランキング\"外,,\r\n";
        QTest::newRow("not UTF-8") << QByteArray(Head).replace("山田", "\x8E\x52\x93\x63") + row;
        // Numbers only as the writer writes them, and only what a career can reach.
        QTest::newRow("NUL inside a number")
            << Head + "1,rest,4" + '\0' + " 0,10,10,90,99,ランキング外,,\r\n";
        QTest::newRow("plus sign") << Head + "1,rest,+4,10,10,90,99,ランキング外,,\r\n";
        QTest::newRow("spaces around") << Head + "1,rest, 4 ,10,10,90,99,ランキング外,,\r\n";
        QTest::newRow("leading zero") << Head + "01,rest,4,10,10,90,99,ランキング外,,\r\n";
        QTest::newRow("negative strength") << Head + "1,rest,10,10,10,-1,99,ランキング外,,\r\n";
        QTest::newRow("INT_MAX") << Head + "1,rest,2147483647,10,10,90,99,ランキング外,,\r\n";
        QTest::newRow("value past the bound") << Head + "1,rest,10,10,100000,90,99,ランキング外,,\r\n";
        QTest::newRow("day past the bound") << Head + "1000000,rest,10,10,10,90,99,ランキング外,,\r\n";
        QTest::newRow("result code zero") << Head + "1,bout,10,10,10,90,99,ランキング外,森下,0\r\n";
        QTest::newRow("result code past 27") << Head + "1,bout,10,10,10,90,99,ランキング外,森下,28\r\n";
    }
    void malformedTextIsRefused()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(!decodeHistoryCsv(bytes));
    }

    void pathBesideTheSave_data()
    {
        QTest::addColumn<QString>("save");
        QTest::addColumn<QString>("history");
        QTest::newRow("name.sav") << "/d/career.sav"
                                  << "/d/career.history.csv";
        QTest::newRow("upper-case extension") << "/d/career.SAV"
                                              << "/d/career.history.csv";
        QTest::newRow("no extension") << "/d/career"
                                      << "/d/career.history.csv";
        QTest::newRow("dots in the name") << "/d/a.b.sav"
                                          << "/d/a.b.history.csv";
    }
    void pathBesideTheSave()
    {
        QFETCH(QString, save);
        QFETCH(QString, history);
        QCOMPARE(historyPathFor(save), history);
    }

    void writesAndReadsBack()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("career.history.csv"));
        QVERIFY(put(path, "an older history"));
        const CareerHistory history = sampleHistory();
        QCOMPARE(writeHistoryFile(path, history, QStringLiteral("山田")), HistoryWrite::Written);
        QCOMPARE(contents(path), encodeHistoryCsv(history, QStringLiteral("山田")));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("career.history.csv")});
        GameState state = newCareer();
        state.varNowDate = history.entries().last().day + 1;
        HistoryLoad how = HistoryLoad::Broken;
        QCOMPARE(readHistoryFile(path, state, &how), history);
        QCOMPARE(how, HistoryLoad::Loaded);
    }

    // The writer writes nothing the reader refuses: a career at the bounds reads back whole, and
    // a history past them is not written at all, so an older file stays readable.
    void writerAndReaderAgreeAtTheBounds()
    {
        GameState state = newCareer();
        state.varNowDate = MaxHistoryDay;
        for (const int column :
             {CharaTable::Punch, CharaTable::Quick, CharaTable::Guts, CharaTable::MaxStrength})
            state.Chara(1, column) = MaxHistoryValue;
        state.Chara(1, CharaTable::Strength) = 0;
        // Long titles bring the file to its largest size in a few days.
        constexpr int Days = 32;
        CareerHistory history(MaxHistoryDay - Days + 1);
        for (int day = MaxHistoryDay - Days + 1; day <= MaxHistoryDay; ++day) {
            state.varNowDate = day;
            state.Chara(1, CharaTable::Ranking) = QString(int(MaxHistoryFileBytes / Days), QLatin1Char('x'));
            history.recordDay(state, DayKind::Rest);
        }
        const QString boxer = QStringLiteral("山田");
        const qint64 over = encodeHistoryCsv(history, boxer).size() - MaxHistoryFileBytes;
        QVERIFY(over > 0);
        QList<DayEntry> entries = history.entries();
        entries.last().ranking.chop(over);
        const CareerHistory atTheBound = CareerHistory::fromEntries(history.startDay(), entries);
        QCOMPARE(qint64(encodeHistoryCsv(atTheBound, boxer).size()), MaxHistoryFileBytes);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("career.history.csv"));
        QCOMPARE(writeHistoryFile(path, atTheBound, boxer), HistoryWrite::Written);
        GameState loaded = newCareer();
        loaded.varNowDate = MaxHistoryDay + 1;
        HistoryLoad how = HistoryLoad::Broken;
        QCOMPARE(readHistoryFile(path, loaded, &how), atTheBound);
        QCOMPARE(how, HistoryLoad::Loaded);

        const QByteArray written = contents(path);
        entries.last().ranking += QLatin1Char('x');
        QCOMPARE(writeHistoryFile(path, CareerHistory::fromEntries(history.startDay(), entries), boxer),
                 HistoryWrite::CannotHold);
        QCOMPARE(contents(path), written);

        // A value no career reaches, such as a hand-made save brings, is not written either.
        CareerHistory pastTheValues;
        state.varNowDate = 1;
        state.Chara(1, CharaTable::Ranking) = QStringLiteral("ランキング外");
        state.Chara(1, CharaTable::Guts) = MaxHistoryValue + 1;
        pastTheValues.recordDay(state, DayKind::Rest);
        QCOMPARE(writeHistoryFile(path, pastTheValues, boxer), HistoryWrite::CannotHold);
        QCOMPARE(contents(path), written);
    }

    void failedWriteKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::newRow("path is a directory") << "directory";
        QTest::newRow("directory missing") << "missing";
    }
    void failedWriteKeepsTheOldFile()
    {
        QFETCH(QString, failure);
        QTemporaryDir dir;
        QString path = dir.filePath(QStringLiteral("career.history.csv"));
        if (failure == QLatin1String("directory"))
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("career.history.csv")));
        else
            path = dir.filePath(QStringLiteral("nowhere/career.history.csv"));
        QCOMPARE(writeHistoryFile(path, sampleHistory(), QStringLiteral("山田")), HistoryWrite::CannotWrite);
        QCOMPARE(QFileInfo(path).isDir(), failure == QLatin1String("directory"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    // Whatever is wrong with the file, the career loads and its history starts on the loaded day.
    void unusableFilesStartAtTheLoadedDay_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("boxer");
        QTest::addColumn<int>("loadedDay");
        QTest::addColumn<HistoryLoad>("how");
        const QByteArray history = encodeHistoryCsv(sampleHistory(), QStringLiteral("山田"));
        QTest::newRow("missing") << QByteArray() << "山田" << 30 << HistoryLoad::Missing;
        QTest::newRow("another boxer's") << history << "鈴木" << 30 << HistoryLoad::Foreign;
        QTest::newRow("days past the save") << history << "山田" << 9 << HistoryLoad::Foreign;
        QTest::newRow("day of the save itself") << history << "山田" << 8 << HistoryLoad::Foreign;
        QTest::newRow("cut off inside a quote") << history.left(history.size() - 20) + "\"x" << "山田" << 30
                                                << HistoryLoad::Broken;
        QTest::newRow("not a history") << QByteArray("a shopping list") << "山田" << 30 << HistoryLoad::Broken;
    }
    void unusableFilesStartAtTheLoadedDay()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, boxer);
        QFETCH(int, loadedDay);
        QFETCH(HistoryLoad, how);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("career.history.csv"));
        if (how != HistoryLoad::Missing)
            QVERIFY(put(path, bytes));
        GameState state = newCareer();
        state.Chara(1, CharaTable::Name) = boxer;
        state.varNowDate = loadedDay;
        HistoryLoad found = HistoryLoad::Loaded;
        const CareerHistory read = readHistoryFile(path, state, &found);
        QCOMPARE(found, how);
        QCOMPARE(read, CareerHistory(loadedDay));
    }

    void setAsideKeepsTheFileUnderAFreeName()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("career.history.csv"));
        QVERIFY(put(path, "first"));
        const QString kept = setHistoryFileAside(path);
        QCOMPARE(kept, path + QStringLiteral(".broken"));
        QCOMPARE(contents(kept), QByteArray("first"));
        QVERIFY(!QFileInfo::exists(path));

        // A name taken, by a file or by a link to nowhere, is never replaced.
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("nowhere")), path + QStringLiteral(".broken-2")));
        QVERIFY(put(path, "second"));
        QCOMPARE(setHistoryFileAside(path), path + QStringLiteral(".broken-3"));
        QCOMPARE(contents(kept), QByteArray("first"));
        QCOMPARE(contents(path + QStringLiteral(".broken-3")), QByteArray("second"));
        QCOMPARE(setHistoryFileAside(path), QString());
    }

    void historyBegunAtALoadStartsAtItsFirstDay()
    {
        GameState state = newCareer();
        state.varNowDate = 37;
        CareerHistory history(37);
        history.recordDay(state, DayKind::Rest);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("c.history.csv"));
        QCOMPARE(writeHistoryFile(path, history, QStringLiteral("山田")), HistoryWrite::Written);
        state.varNowDate = 38;
        QCOMPARE(readHistoryFile(path, state).startDay(), 37);
        QCOMPARE(writeHistoryFile(path, CareerHistory(37), QStringLiteral("山田")), HistoryWrite::Written);
        state.varNowDate = 37;
        QCOMPARE(readHistoryFile(path, state).startDay(), 37);
    }
};

QTEST_GUILESS_MAIN(HistoryFileTest)
#include "test_history_file.moc"
