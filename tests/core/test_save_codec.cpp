#include "NewCareerState.h"
#include "data/GameStateJson.h"
#include "data/Roster.h"
#include "files/core/SaveChecksum.h"
#include "files/core/SaveFormat.h"
#include "files/core/SaveLine.h"
#include "files/core/SaveReader.h"
#include "files/core/SaveText.h"
#include "files/core/SaveWriter.h"

#include <QFile>
#include <QJsonArray>
#include <QRandomGenerator>
#include <QTest>
#include <limits>

Q_DECLARE_METATYPE(Cell)
Q_DECLARE_METATYPE(SaveLine::Kind)
Q_DECLARE_METATYPE(SaveRejection)

namespace {
// The save file of that new career, written by hand from the layout and checked line by line.
QByteArray goldenNewCareer()
{
    QFile file(QFINDTESTDATA("../scenarios/saves/new_career.sav"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("the golden save file is missing");
    return file.readAll();
}

QStringList goldenLines()
{
    QStringList lines = decodeSaveText(goldenNewCareer())->split(QStringLiteral("\r\n"));
    lines.removeLast(); // the last line's own line end
    return lines;
}

QByteArray joinLines(const QStringList &lines)
{
    return *encodeSaveText(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

// The golden file with lines (numbered from 1) replaced.
QByteArray withLines(const QList<std::pair<int, QString>> &changes)
{
    QStringList lines = goldenLines();
    for (const auto &[number, text] : changes)
        lines[number - 1] = text;
    return joinLines(lines);
}

QByteArray withLine(int number, const QString &text)
{
    return withLines({{number, text}});
}

QByteArray firstLines(int count)
{
    return joinLines(goldenLines().mid(0, count));
}

// A career well under way: every kind of value, negative numbers, flags and bouts.
GameState careerUnderWay()
{
    GameState state = newCareer();
    state.varSetsumeiNo = 2;
    state.varSetsumeiOff = {1, 0, 1, 1};
    state.Chara(1, 2) = 388;
    state.Chara(1, 3) = 640;
    state.Chara(1, 4) = 77;
    state.Chara(1, 7) = 3;
    state.Chara(1, 8) = 1;
    state.Chara(1, 12) = QStringLiteral("日本ランキング４位");
    state.Chara(2, 8) = 7;
    state.Chara(2, 12) = QStringLiteral("ノーランカー");
    state.varNowDate = 38;
    state.varNextDate = -1;
    state.varYobi = -7;
    state.varKaisen = 8;
    state.varNowRound = 6;
    state.varNextEnemy = 5;
    state.varSparMode = 1;
    state.varEnGuardR = 3;
    state.varEnGuardL = 2;
    state.varBagSwing = 1;
    state.varBagPos = 4;
    state.varBagHit = 31;
    state.varBagMiss = 40;
    state.varKekka = -9;
    state.varSensekiCount = 4;
    const char *opponents[4] = {"タイガー銀川", "森下圭吾", "森下圭吾", "加藤翔"};
    const int results[4] = {1, 14, 3, 27};
    for (int bout = 1; bout <= 4; ++bout) {
        state.varSenseki.at(bout)[0] = QString::fromUtf8(opponents[bout - 1]);
        state.varSenseki.at(bout)[1] = results[bout - 1];
    }
    state.varSandHit = 120;
    state.varSandMiss = 45;
    state.varBallHit = 300;
    state.varBallMiss = 12;
    return state;
}

// The value at a path such as "Chara.1.0" of the state's JSON.
QJsonValue valueAt(const GameState &state, const QString &path)
{
    const QStringList parts = path.split(QLatin1Char('.'));
    QJsonValue value = gameStateToJson(state).value(parts.first());
    for (qsizetype i = 1; i < parts.size(); ++i)
        value = value.toArray().at(parts[i].toInt());
    return value;
}
} // namespace

class SaveCodecTest : public QObject
{
    Q_OBJECT
private slots:
    void writtenForms_data()
    {
        QTest::addColumn<Cell>("cell");
        QTest::addColumn<QString>("written");
        QTest::newRow("number") << Cell(500) << QStringLiteral(" 500 ");
        QTest::newRow("zero") << Cell(0) << QStringLiteral(" 0 ");
        QTest::newRow("negative") << Cell(-3) << QStringLiteral("-3 ");
        QTest::newRow("smallest 32-bit") << Cell(std::numeric_limits<int>::min()) << QStringLiteral("-2147483648 ");
        QTest::newRow("text as it stands")
            << Cell(QStringLiteral("日本ランキング１０位")) << QStringLiteral("日本ランキング１０位");
        QTest::newRow("text with a comma") << Cell(QStringLiteral("山,田")) << QStringLiteral("山,田");
        QTest::newRow("empty text") << Cell(QString()) << QString();
        QTest::newRow("empty cell") << Cell() << QString();
    }
    void writtenForms()
    {
        QFETCH(Cell, cell);
        QFETCH(QString, written);
        QCOMPARE(writtenCell(cell), written);
    }

    void readForms_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<SaveLine::Kind>("kind");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("text");
        using K = SaveLine::Kind;
        QTest::newRow("written number") << QStringLiteral(" 500 ") << K::Number << 500 << QString();
        QTest::newRow("written negative") << QStringLiteral("-3 ") << K::Number << -3 << QString();
        QTest::newRow("bare digits") << QStringLiteral("42") << K::Number << 42 << QString();
        QTest::newRow("leading zeros") << QStringLiteral("007") << K::Number << 7 << QString();
        QTest::newRow("largest") << QStringLiteral(" 2147483647 ") << K::Number << 2147483647 << QString();
        QTest::newRow("smallest") << QStringLiteral("-2147483648 ") << K::Number << int(-2147483648LL) << QString();
        QTest::newRow("past the largest") << QStringLiteral(" 2147483648 ") << K::Overflow << 0 << QString();
        QTest::newRow("forty digits") << QStringLiteral(" 1234567890123456789012345678901234567890 ") << K::Overflow
                                      << 0 << QString();
        QTest::newRow("empty") << QString() << K::Empty << 0 << QString();
        QTest::newRow("spaces only") << QStringLiteral("   ") << K::Empty << 0 << QString();
        QTest::newRow("text") << QStringLiteral("山田") << K::Text << 0 << QStringLiteral("山田");
        QTest::newRow("leading spaces skipped") << QStringLiteral("  山田") << K::Text << 0 << QStringLiteral("山田");
        QTest::newRow("trailing space kept") << QStringLiteral("山田 ") << K::Text << 0 << QStringLiteral("山田 ");
        QTest::newRow("a comma does not split") << QStringLiteral("山,田") << K::Text << 0 << QStringLiteral("山,田");
        QTest::newRow("quoted text stays quoted")
            << QStringLiteral("\"山田\"") << K::Text << 0 << QStringLiteral("\"山田\"");
        QTest::newRow("fraction") << QStringLiteral(" 1.5 ") << K::Text << 0 << QStringLiteral("1.5 ");
        QTest::newRow("plus sign") << QStringLiteral("+5") << K::Text << 0 << QStringLiteral("+5");
        QTest::newRow("minus alone") << QStringLiteral("-") << K::Text << 0 << QStringLiteral("-");
        QTest::newRow("digits then text") << QStringLiteral("12abc") << K::Text << 0 << QStringLiteral("12abc");
        QTest::newRow("full-width digits") << QStringLiteral("１２") << K::Text << 0 << QStringLiteral("１２");
    }
    void readForms()
    {
        QFETCH(QString, line);
        QFETCH(SaveLine::Kind, kind);
        QFETCH(int, number);
        QFETCH(QString, text);
        const SaveLine read = SaveLine::parse(line);
        QCOMPARE(read.kind, kind);
        QCOMPARE(read.number, number);
        QCOMPARE(read.text, text);
    }

    // The file holds code page 932, never a stand-in for a character it cannot hold.
    void codePage932_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("wave dash") << QStringLiteral("～") << QByteArray("\x81\x60");
        QTest::newRow("full-width minus") << QStringLiteral("－") << QByteArray("\x81\x7C");
        QTest::newRow("katakana") << QStringLiteral("ボクサー名")
                                  << QByteArray("\x83\x7B\x83\x4E\x83\x54\x81\x5B\x96\xBC");
        QTest::newRow("NEC circled digit") << QStringLiteral("①") << QByteArray("\x87\x40");
        QTest::newRow("half-width kana") << QStringLiteral("ｱ") << QByteArray("\xB1");
    }
    void codePage932()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(encodeSaveText(text), std::optional<QByteArray>(bytes));
        QCOMPARE(decodeSaveText(bytes), std::optional<QString>(text));
    }

    void textsOutsideCodePage932AreErrors_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("emoji") << QStringLiteral("山\U0001F600");
        QTest::newRow("accented latin") << QStringLiteral("é");
        QTest::newRow("yen sign") << QStringLiteral("¥");
        QTest::newRow("lone surrogate") << QString(QChar(0xD800));
    }
    void textsOutsideCodePage932AreErrors()
    {
        QFETCH(QString, text);
        QCOMPARE(encodeSaveText(text), std::nullopt);
    }

    void bytesOutsideCodePage932AreErrors_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("FF") << QByteArray("a\xFF");
        QTest::newRow("80") << QByteArray("\x80");
        QTest::newRow("unassigned pair") << QByteArray("\x85\x40");
        QTest::newRow("bad trail byte") << QByteArray("\x81\x20");
        QTest::newRow("lead byte cut off at the end") << QByteArray("a\x82");
    }
    void bytesOutsideCodePage932AreErrors()
    {
        QFETCH(QByteArray, bytes);
        QCOMPARE(decodeSaveText(bytes), std::nullopt);
    }

    // The figure every new career carries on its last line.
    void newRosterChecksumIs23585()
    {
        CharaTable chara;
        subCharaDataLoad(chara);
        QCOMPARE(saveChecksum(chara), std::optional<qint32>(23585));
    }

    void checksumCoversOnlyTheCountedCells_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<Cell>("value");
        QTest::addColumn<int>("checksum");
        QTest::newRow("player strength") << 1 << 2 << Cell(501) << 23586;
        QTest::newRow("player maximum") << 1 << 3 << Cell(400) << 23485;
        QTest::newRow("champion draws") << 18 << 9 << Cell(5) << 23590;
        QTest::newRow("negative wins") << 2 << 7 << Cell(-1) << 23580;
        QTest::newRow("empty counts as 0") << 1 << 4 << Cell() << 23545;
        QTest::newRow("captions are not counted") << 0 << 2 << Cell(99) << 23585;
        QTest::newRow("names are not counted") << 3 << 0 << Cell(99) << 23585;
        QTest::newRow("an opponent's description is not counted") << 5 << 3 << Cell(99) << 23585;
        QTest::newRow("column 10 is not counted") << 1 << 10 << Cell(99) << 23585;
        QTest::newRow("ranking titles are not counted") << 1 << 12 << Cell(99) << 23585;
    }
    void checksumCoversOnlyTheCountedCells()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(Cell, value);
        QFETCH(int, checksum);
        CharaTable chara;
        subCharaDataLoad(chara);
        chara(row, column) = value;
        QCOMPARE(saveChecksum(chara), std::optional<qint32>(checksum));
    }

    void checksumCannotBeFormed_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<Cell>("value");
        QTest::newRow("text in a counted cell") << 4 << 5 << Cell(QStringLiteral("速い"));
        QTest::newRow("number spelled as text") << 1 << 2 << Cell(QStringLiteral("500"));
        QTest::newRow("sum past 32 bits") << 1 << 2 << Cell(2147483000);
    }
    void checksumCannotBeFormed()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(Cell, value);
        CharaTable chara;
        subCharaDataLoad(chara);
        chara(row, column) = value;
        QCOMPARE(saveChecksum(chara), std::nullopt);
    }

    // A new career saved at once matches the hand-written file byte for byte.
    void newCareerMatchesTheGoldenFile()
    {
        GameState state = newCareer();
        const std::optional<QByteArray> bytes = writeSave(state);
        QVERIFY(bytes);
        QCOMPARE(*bytes, goldenNewCareer());
        QCOMPARE(state.varCheckSum, 23585);
    }

    void goldenFileReadsBackAsTheNewCareer()
    {
        GameState state;
        QCOMPARE(readSave(goldenNewCareer(), state), SaveRejection::None);
        GameState expected = newCareer();
        expected.varCheckSum = 23585;
        // Empty texts come back as empty cells; nothing in the game tells them apart.
        for (int row = 1; row < CharaTable::Rows; ++row) {
            expected.Chara(row, CharaTable::SkinColour).clear();
            expected.Chara(row, CharaTable::FaceFile).clear();
        }
        QCOMPARE(gameStateToJson(state), gameStateToJson(expected));
    }

    void saveLoadSaveGivesTheSameBytes_data()
    {
        QTest::addColumn<int>("career");
        QTest::newRow("new career") << 0;
        QTest::newRow("career under way") << 1;
    }
    void saveLoadSaveGivesTheSameBytes()
    {
        QFETCH(int, career);
        GameState first = career == 0 ? newCareer() : careerUnderWay();
        const std::optional<QByteArray> saved = writeSave(first);
        QVERIFY(saved);
        QCOMPARE(saved->count("\r\n"), SaveFileLineCount);

        GameState loaded;
        QCOMPARE(readSave(*saved, loaded), SaveRejection::None);
        const std::optional<QByteArray> savedAgain = writeSave(loaded);
        QVERIFY(savedAgain);
        QCOMPARE(*savedAgain, *saved);

        GameState loadedAgain;
        QCOMPARE(readSave(*savedAgain, loadedAgain), SaveRejection::None);
        QCOMPARE(gameStateToJson(loadedAgain), gameStateToJson(loaded));
        QCOMPARE(loaded.varKekka, first.varKekka);
        QCOMPARE(loaded.varSenseki, first.varSenseki);
    }

    // The writer never produces a file that the reader would refuse, and says so instead.
    void unwritableCareers_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<Cell>("value");
        QTest::newRow("emoji in the name") << 1 << 0 << Cell(QStringLiteral("山\U0001F600"));
        QTest::newRow("line break in the birthplace") << 1 << 1 << Cell(QStringLiteral("東\r\n京"));
        QTest::newRow("lone line feed in a title") << 1 << 12 << Cell(QStringLiteral("a\nb"));
        QTest::newRow("text where the checksum counts") << 1 << 2 << Cell(QStringLiteral("abc"));
    }
    void unwritableCareers()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(Cell, value);
        GameState state = newCareer();
        state.varCheckSum = 17;
        state.Chara(row, column) = value;
        QCOMPARE(writeSave(state), std::nullopt);
        QCOMPARE(state.varCheckSum, 17);
    }

    // Files the game takes, some of them changed by hand where the checksum does not look.
    void acceptedFiles_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QJsonValue>("value");
        QTest::newRow("untouched") << goldenNewCareer() << "varCheckSum" << QJsonValue(23585);
        QTest::newRow("name changed") << withLine(19, QStringLiteral("鈴木")) << "Chara.1.0" << QJsonValue("鈴木");
        QTest::newRow("name with a comma")
            << withLine(19, QStringLiteral("山,田")) << "Chara.1.0" << QJsonValue("山,田");
        QTest::newRow("leading spaces skipped")
            << withLine(19, QStringLiteral("   山田")) << "Chara.1.0" << QJsonValue("山田");
        QTest::newRow("description changed")
            << withLine(35, QStringLiteral("新しい説明")) << "Chara.2.3" << QJsonValue("新しい説明");
        QTest::newRow("day changed") << withLine(253, QStringLiteral(" 99 ")) << "varNowDate" << QJsonValue(99);
        QTest::newRow("day with leading zeros")
            << withLine(253, QStringLiteral("007")) << "varNowDate" << QJsonValue(7);
        QTest::newRow("unused fight-record row")
            << withLine(270, QStringLiteral("誰か")) << "varSenseki.1.0" << QJsonValue("誰か");
        QTest::newRow("covered number changed with its checksum")
            << withLines({{21, QStringLiteral(" 400 ")}, {474, QStringLiteral(" 23485 ")}}) << "Chara.1.2"
            << QJsonValue(400);
        QTest::newRow("empty covered cell counts as 0")
            << withLines({{23, QString()}, {474, QStringLiteral(" 23545 ")}}) << "Chara.1.4" << QJsonValue();
        QTest::newRow("last opponent") << withLine(258, QStringLiteral(" 18 ")) << "varNextEnemy" << QJsonValue(18);
        QTest::newRow("twelve rounds") << withLine(256, QStringLiteral(" 12 ")) << "varKaisen" << QJsonValue(12);
        QTest::newRow("instructions 3") << withLine(1, QStringLiteral(" 3 ")) << "varSetsumeiNo" << QJsonValue(3);
        QTest::newRow("instructions off") << withLine(5, QStringLiteral(" 1 ")) << "varSetsumeiOff.3" << QJsonValue(1);
        QTest::newRow("one bout recorded")
            << withLines(
                   {{267, QStringLiteral(" 1 ")}, {270, QStringLiteral("タイガー銀川")}, {271, QStringLiteral(" 27 ")}})
            << "varSenseki.1.1" << QJsonValue(27);
        QTest::newRow("hundred bouts is the most") << [] {
            QList<std::pair<int, QString>> changes{{267, QStringLiteral(" 100 ")}};
            for (int bout = 1; bout <= 100; ++bout)
                changes.append({268 + 2 * bout + 1, QStringLiteral(" 1 ")});
            return withLines(changes);
        }() << "varSensekiCount" << QJsonValue(100);
        QTest::newRow("negative result") << withLine(266, QStringLiteral("-12 ")) << "varKekka" << QJsonValue(-12);
        QTest::newRow("spare number carried") << withLine(255, QStringLiteral(" 7 ")) << "varYobi" << QJsonValue(7);
        QTest::newRow("text into a 32-bit number reads 0")
            << withLine(261, QStringLiteral("abc")) << "varEnGuardL" << QJsonValue(0);
        QTest::newRow("text into a training variant")
            << withLine(262, QStringLiteral("abc")) << "varBagSwing" << QJsonValue("abc");
        QTest::newRow("line feeds alone")
            << goldenNewCareer().replace("\r\n", "\n") << "Chara.1.0" << QJsonValue("山田");
        QTest::newRow("no line end after the checksum")
            << goldenNewCareer().chopped(2) << "varCheckSum" << QJsonValue(23585);
        QTest::newRow("lines after the checksum are ignored") << goldenNewCareer() + "extra\r\n"
                                                              << "varCheckSum" << QJsonValue(23585);
    }
    void acceptedFiles()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, path);
        QFETCH(QJsonValue, value);
        GameState state;
        QCOMPARE(readSave(file, state), SaveRejection::None);
        QCOMPARE(valueAt(state, path), value);
    }

    // Every refused file leaves the career in memory exactly as it was.
    void rejectedFiles_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<SaveRejection>("rejection");
        using R = SaveRejection;
        QTest::newRow("empty file") << QByteArray() << R::TooShort;
        QTest::newRow("one line") << firstLines(1) << R::TooShort;
        QTest::newRow("cut inside the table") << firstLines(252) << R::TooShort;
        QTest::newRow("cut before the checksum") << firstLines(473) << R::TooShort;
        QTest::newRow("cut inside the last line")
            << goldenNewCareer().left(goldenNewCareer().size() - 6) + "\x82" << R::NotCodePage932;

        QTest::newRow("player's strength changed") << withLine(21, QStringLiteral(" 501 ")) << R::WrongChecksum;
        QTest::newRow("player's maximum changed") << withLine(22, QStringLiteral(" 501 ")) << R::WrongChecksum;
        QTest::newRow("champion's draws changed") << withLine(249, QStringLiteral(" 1 ")) << R::WrongChecksum;
        QTest::newRow("checksum changed") << withLine(474, QStringLiteral(" 23584 ")) << R::WrongChecksum;

        QTest::newRow("checksum is text") << withLine(474, QStringLiteral("abc")) << R::NotANumber;
        QTest::newRow("checksum is empty") << withLine(474, QString()) << R::NotANumber;
        QTest::newRow("text in punch power") << withLine(23, QStringLiteral("forty")) << R::NotANumber;
        QTest::newRow("text in the player's maximum") << withLine(22, QStringLiteral("abc")) << R::NotANumber;
        QTest::newRow("day is text") << withLine(253, QStringLiteral("abc")) << R::NotANumber;
        QTest::newRow("countdown is text") << withLine(254, QStringLiteral("abc")) << R::NotANumber;
        QTest::newRow("sandbag total is text") << withLine(470, QStringLiteral("abc")) << R::NotANumber;

        QTest::newRow("sum past 32 bits") << withLine(21, QStringLiteral(" 2147483000 ")) << R::OutOfRange;
        QTest::newRow("variant past 32 bits") << withLine(253, QStringLiteral(" 2147483648 ")) << R::OutOfRange;
        QTest::newRow("16-bit past its range") << withLine(259, QStringLiteral(" 32768 ")) << R::OutOfRange;
        QTest::newRow("next opponent 1") << withLine(258, QStringLiteral(" 1 ")) << R::OutOfRange;
        QTest::newRow("next opponent 19") << withLine(258, QStringLiteral(" 19 ")) << R::OutOfRange;
        QTest::newRow("next opponent text") << withLine(258, QStringLiteral("abc")) << R::OutOfRange;
        QTest::newRow("bouts -1") << withLine(267, QStringLiteral("-1 ")) << R::OutOfRange;
        QTest::newRow("bouts 101") << withLine(267, QStringLiteral(" 101 ")) << R::OutOfRange;
        QTest::newRow("result 0 in a used row")
            << withLines({{267, QStringLiteral(" 1 ")}, {271, QStringLiteral(" 0 ")}}) << R::OutOfRange;
        QTest::newRow("result 28 in a used row")
            << withLines({{267, QStringLiteral(" 1 ")}, {271, QStringLiteral(" 28 ")}}) << R::OutOfRange;
        QTest::newRow("result missing in a used row") << withLine(267, QStringLiteral(" 1 ")) << R::OutOfRange;
        QTest::newRow("result text in a used row")
            << withLines({{267, QStringLiteral(" 1 ")}, {271, QStringLiteral("勝ち")}}) << R::OutOfRange;
        QTest::newRow("instructions 4") << withLine(1, QStringLiteral(" 4 ")) << R::OutOfRange;
        QTest::newRow("instructions -1") << withLine(1, QStringLiteral("-1 ")) << R::OutOfRange;
        QTest::newRow("instructions text") << withLine(1, QStringLiteral("abc")) << R::OutOfRange;
        QTest::newRow("instructions flag 2") << withLine(3, QStringLiteral(" 2 ")) << R::OutOfRange;
        QTest::newRow("instructions flag -1") << withLine(4, QStringLiteral("-1 ")) << R::OutOfRange;
        QTest::newRow("rounds 0") << withLine(256, QStringLiteral(" 0 ")) << R::OutOfRange;
        QTest::newRow("rounds 13") << withLine(256, QStringLiteral(" 13 ")) << R::OutOfRange;
        QTest::newRow("rounds empty") << withLine(256, QString()) << R::OutOfRange;
        QTest::newRow("rounds text") << withLine(256, QStringLiteral("four")) << R::OutOfRange;

        QByteArray invalidName = goldenNewCareer();
        invalidName.replace(*encodeSaveText(QStringLiteral("山田")), QByteArray("\xFF\xFF"));
        QTest::newRow("invalid bytes in a name") << invalidName << R::NotCodePage932;
        QByteArray unassigned = goldenNewCareer();
        unassigned.replace(*encodeSaveText(QStringLiteral("山田")), QByteArray("\x85\x40"));
        QTest::newRow("unassigned pair in a name") << unassigned << R::NotCodePage932;
        QTest::newRow("UTF-8 instead of code page 932")
            << decodeSaveText(goldenNewCareer())->toUtf8() << R::NotCodePage932;
        QTest::newRow("one byte too large")
            << goldenNewCareer() + QByteArray(MaxSaveFileBytes + 1 - goldenNewCareer().size(), ' ') << R::TooLarge;
    }
    void rejectedFiles()
    {
        QFETCH(QByteArray, file);
        QFETCH(SaveRejection, rejection);
        GameState state = careerUnderWay();
        state.varCheckSum = 4242;
        state.varFileName = QStringLiteral("/saves/before.sav");
        const QJsonObject before = gameStateToJson(state);
        QCOMPARE(readSave(file, state), rejection);
        QCOMPARE(gameStateToJson(state), before);
    }

    // Damaged files of every kind: the reader either refuses one and touches nothing, or
    // takes it, and then the career it took saves and reads back as the same career.
    void damagedFilesAreRefusedOrRoundTrip()
    {
        QRandomGenerator chance(20240611);
        const QByteArray golden = goldenNewCareer();
        const QByteArray pieces[] = {"\r\n", " ", "-", "9", "\x82", "\x81\x60", ",", "\"", "\xFF", "\n"};
        int accepted = 0;
        for (int round = 0; round < 1000; ++round) {
            QByteArray file = golden;
            const int damages = 1 + chance.bounded(4);
            for (int d = 0; d < damages && !file.isEmpty(); ++d) {
                const qsizetype at = chance.bounded(file.size());
                switch (chance.bounded(4)) {
                case 0:
                    file[at] = char(chance.bounded(256));
                    break;
                case 1:
                    file.insert(at, pieces[chance.bounded(int(std::size(pieces)))]);
                    break;
                case 2:
                    file.remove(at, 1 + chance.bounded(8));
                    break;
                default:
                    file.truncate(at);
                    break;
                }
            }
            GameState state = careerUnderWay();
            const QJsonObject before = gameStateToJson(state);
            if (readSave(file, state) != SaveRejection::None) {
                QCOMPARE(gameStateToJson(state), before);
                continue;
            }
            ++accepted;
            const std::optional<QByteArray> saved = writeSave(state);
            QVERIFY2(saved, file.constData());
            GameState again;
            QCOMPARE(readSave(*saved, again), SaveRejection::None);
            QCOMPARE(gameStateToJson(again), gameStateToJson(state));
        }
        // Changes outside the numbers the checksum covers are taken.
        QVERIFY(accepted > 0);
    }
};

QTEST_APPLESS_MAIN(SaveCodecTest)
#include "test_save_codec.moc"
