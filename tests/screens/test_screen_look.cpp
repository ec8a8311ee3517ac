#include "support/Careers.h"

#include "hub/ActivityScreen.h"

#include "ending/Ending.h"
#include "files/loadFile.h"
#include "files/saveFile.h"
#include "hub/MainCommand.h"
#include "info/NextEnemyData.h"
#include "platform/GameLabel.h"
#include "platform/Twips.h"
#include "title/frmMain.h"
#include "training/PunchingBall.h"
#include "training/SandBag.h"
#include "training/Setsumei.h"

#include <QAbstractButton>
#include <QFontMetricsF>
#include <QStatusBar>
#include <QTest>

namespace {
// How far a pixel is from another colour, the largest of its channel differences.
int distance(const QColor &a, const QColor &b)
{
    return std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()), std::abs(a.blue() - b.blue())});
}

// The lowest and highest rows of a picture with a pixel far from its background.
std::pair<int, int> inkRows(const QImage &image, const QColor &background)
{
    int first = -1;
    int last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (distance(image.pixelColor(x, y), background) > 96) {
                if (first < 0)
                    first = y;
                last = y;
                break;
            }
    return {first, last};
}

const QString SaveInstruction = QStringLiteral("保存場所を選び、　　セーブするファイル名を入力して「保存」　ボタンを押して下さい。");
const QString LoadInstruction =
    QStringLiteral("保存した場所を選び、ロードするファイルを選択して「ボクサーデータを開く」ボタンを押して下さい。");
} // namespace

class ScreenLookTest : public QObject
{
    Q_OBJECT
private slots:
    // A name centred in a label shorter than the font's line lost its lowest strokes under the card's frame.
    void hubNameInkStaysAboveTheCardFrame_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("kanji with low strokes") << QStringLiteral("山田");
        QTest::newRow("five characters") << QStringLiteral("亀田興毅郎");
        QTest::newRow("kana") << QStringLiteral("ぼくさー");
    }
    void hubNameInkStaysAboveTheCardFrame()
    {
        QFETCH(QString, name);
        GameFixture fixture;
        startCareer(fixture, name);
        MainCommand &hub = fixture.game->hub();
        auto *label = hub.findChild<QLabel *>(QStringLiteral("lblName"));
        auto *frame = hub.findChild<QWidget *>(QStringLiteral("Shape2"));
        QCOMPARE(label->text(), name);
        const auto [first, last] = inkRows(label->grab().toImage(), label->palette().color(QPalette::Window));
        QVERIFY2(first > 0, "the name is cut off at the top of its label");
        QVERIFY2(label->y() + last < frame->y(),
                 qPrintable(QStringLiteral("ink down to %1, frame at %2").arg(label->y() + last).arg(frame->y())));
    }

    // The screen waits disabled behind the instructions; the face used to be drawn as a greyed picture.
    void faceKeepsItsColoursBehindTheInstructions()
    {
        GameFixture fixture;
        startCareer(fixture);
        fixture.game->hub().findChild<QAbstractButton *>(QStringLiteral("cmdCommand(%1)").arg(ActivitySparring))->click();
        QWidget *spar = fixture.game->activityScreen(ActivitySparring)->form();
        QVERIFY(fixture.game->instructions());
        QVERIFY(!spar->isEnabled());
        auto *head = spar->findChild<QLabel *>(QStringLiteral("head"));
        const QColor skin(230, 160, 110);
        QPixmap face(30, 30);
        face.fill(skin);
        head->setPixmap(face);
        QCOMPARE(head->grab().toImage().pixelColor(15, 15), skin);
    }

    // The style's gradient washed a button's own colour out to a pale tint.
    void colouredButtonsShowTheirColour_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("left hook") << QStringLiteral("SandBag") << QStringLiteral("Punch(0)") << vbColor(0xFFC0C0);
        QTest::newRow("left straight") << QStringLiteral("SandBag") << QStringLiteral("Punch(1)") << vbColor(0xFFFFC0);
        QTest::newRow("jab") << QStringLiteral("SandBag") << QStringLiteral("Punch(2)") << vbColor(0xC0FFC0);
        QTest::newRow("right straight") << QStringLiteral("SandBag") << QStringLiteral("Punch(3)") << vbColor(0xC0FFFF);
        QTest::newRow("right hook") << QStringLiteral("SandBag") << QStringLiteral("Punch(4)") << vbColor(0x80C0FF);
        QTest::newRow("punching ball") << QStringLiteral("PunchingBall") << QStringLiteral("Punch")
                                       << vbColor(0xFFFFC0);
    }
    void colouredButtonsShowTheirColour()
    {
        QFETCH(QString, screen);
        QFETCH(QString, button);
        QFETCH(QColor, colour);
        GameFixture fixture;
        QWidget *form = screen == QLatin1String("SandBag") ? static_cast<QWidget *>(&fixture.game->sandBag())
                                                           : &fixture.game->punchingBall();
        auto *punch = form->findChild<QAbstractButton *>(button);
        QVERIFY(punch->isEnabled());
        const QImage face = punch->grab().toImage();
        // Between the border and the caption, at the top middle and the left middle.
        QCOMPARE(face.pixelColor(face.width() / 2, 4), colour);
        QCOMPARE(face.pixelColor(4, face.height() / 2), colour);
    }

    void clockKeepsTheMarginOfTheStatusText()
    {
        GameFixture fixture;
        frmMain &title = fixture.game->openTitle();
        title.show();
        QVERIFY(QTest::qWaitForWindowExposed(&title));
        auto *bar = title.findChild<QStatusBar *>(QStringLiteral("sbStatusBar"));
        auto *text = bar->findChild<QLabel *>(QStringLiteral("sbStatusBar(1)"));
        auto *clock = bar->findChild<QLabel *>(QStringLiteral("sbStatusBar(3)"));
        const int left = text->x() + text->contentsRect().left();
        const int right = bar->width() - (clock->x() + clock->contentsRect().right() + 1);
        QVERIFY(left > 0);
        QCOMPARE(right, left);
    }

    // Widths are in the font's em, the advance of a full-width character.
    void wrappedTextBreaksBetweenPhrases_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("ems");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<bool>("split");
        QTest::newRow("spaces mark the breaks")
            << SaveInstruction << 19.0
            << QStringList{QStringLiteral("保存場所を選び、"), QStringLiteral("セーブするファイル名を入力して「保存」"),
                           QStringLiteral("ボタンを押して下さい。")}
            << false;
        QTest::newRow("a line too short for a spaced phrase splits it")
            << SaveInstruction << 16.0
            << QStringList{QStringLiteral("保存場所を選び、"), QStringLiteral("セーブするファイル名を入力して"),
                           QStringLiteral("「保存」　ボタンを押して下さい。")}
            << true;
        QTest::newRow("without spaces, before the bracket")
            << LoadInstruction << 33.0
            << QStringList{QStringLiteral("保存した場所を選び、ロードするファイルを選択して"),
                           QStringLiteral("「ボクサーデータを開く」ボタンを押して下さい。")}
            << false;
        QTest::newRow("a katakana word and its long vowel stay whole")
            << QStringLiteral("最高のボクサーじゃ！！") << 9.0
            << QStringList{QStringLiteral("最高の"), QStringLiteral("ボクサーじゃ！！")} << false;
        QTest::newRow("line breaks are kept")
            << QStringLiteral("一行目\r\n二行目") << 20.0
            << QStringList{QStringLiteral("一行目"), QStringLiteral("二行目")} << false;
    }
    void wrappedTextBreaksBetweenPhrases()
    {
        QFETCH(QString, text);
        QFETCH(double, ems);
        QFETCH(QStringList, lines);
        QFETCH(bool, split);
        const QFont font = gothicFont(9, false);
        const int width = int(ems * QFontMetricsF(font).horizontalAdvance(QStringLiteral("あ")));
        bool wordSplit = false;
        QCOMPARE(GameLabel::lines(text, font, width, true, &wordSplit), lines);
        QCOMPARE(wordSplit, split);
    }

    // Every wrapped text of the screens shows whole in its box, no word split.
    void wrappedTextsFitTheirBoxes()
    {
        GameFixture fixture;
        startCareer(fixture);
        QList<GameLabel *> labels;
        labels << fixture.game->saveDialog().findChild<GameLabel *>(QStringLiteral("Label2"))
               << fixture.game->loadDialog().findChild<GameLabel *>(QStringLiteral("Label2"))
               << fixture.game->ending().findChild<GameLabel *>(QStringLiteral("Label3"))
               << fixture.game->ending().findChild<GameLabel *>(QStringLiteral("Label4"));
        for (GameLabel *label : labels)
            QVERIFY2(label->fits(label->font()), qPrintable(label->text()));
        NextEnemyData &card = fixture.game->nextEnemyData();
        auto *message = card.findChild<GameLabel *>(QStringLiteral("Message"));
        for (int row = CharaTable::FirstOpponentRow; row <= CharaTable::LastOpponentRow; ++row) {
            fixture.state().varNextEnemy = row;
            card.subOriginal();
            QVERIFY2(message->fits(message->font()), qPrintable(message->text()));
        }
    }
};

QTEST_MAIN(ScreenLookTest)
#include "test_screen_look.moc"
