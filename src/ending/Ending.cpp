#include "ending/Ending.h"

#include "app/Game.h"
#include "info/MyStatus.h"
#include "info/Senseki.h"
#include "platform/ScreenScale.h"
#include "platform/ShapeWidget.h"
#include "platform/Twips.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

namespace {
constexpr int ClientWidth = 5880;
constexpr int ClientHeight = 5835;
constexpr int GongInterval = 500;
constexpr int Gongs = 9;

// The words were measured for a narrower Gothic face than the ones found here; a text that
// would be cut off is set a little smaller instead, so every word of the farewell shows.
void shrinkToFit(QLabel *label)
{
    QFont font = label->font();
    const QRect area = label->contentsRect().marginsRemoved(QMargins(1, 1, 1, 1));
    const int flags = int(label->alignment()) | (label->wordWrap() ? int(Qt::TextWordWrap) : 0);
    const double smallestPointSize = 7 * ScreenScale::factor();
    while (font.pointSizeF() > smallestPointSize) {
        const QRect needed = QFontMetrics(font).boundingRect(area, flags, label->text());
        if (needed.width() <= area.width() && needed.height() <= area.height())
            break;
        font.setPointSizeF(font.pointSizeF() - 0.25 * ScreenScale::factor());
    }
    label->setFont(font);
}

QLabel *addLabel(QWidget *parent, const QString &name, const QString &text, double pointSize, bool bold, int left,
                 int top, int width, int height)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(gothicFont(pointSize, bold));
    placeTwips(label, left, top, width, height);
    return label;
}

// A name plate that sits on the upper edge of its speech box and hides the frame behind it.
QLabel *addNamePlate(QWidget *parent, const QString &name, const QString &text, int left, int top, int width,
                     int height)
{
    QLabel *plate = addLabel(parent, name, text, 12, true, left, top, width, height);
    plate->setAlignment(Qt::AlignCenter);
    plate->setFrameShape(QFrame::Box);
    plate->setAutoFillBackground(true);
    QPalette palette = plate->palette();
    palette.setColor(QPalette::Window, vbColor(0xC0FFFF));
    plate->setPalette(palette);
    shrinkToFit(plate);
    return plate;
}

QLabel *addSpeech(QWidget *parent, const QString &name, const QString &text, int left, int top, int width,
                  int height)
{
    QLabel *speech = addLabel(parent, name, text, 9.75, false, left, top, width, height);
    speech->setWordWrap(true);
    speech->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    shrinkToFit(speech);
    return speech;
}

QPushButton *addButton(QWidget *parent, const QString &name, const QString &caption, double pointSize, int left,
                       int top, int width, int height)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setFont(gothicFont(pointSize));
    placeTwips(button, left, top, width, height);
    return button;
}

ShapeWidget *addSpeechBox(QWidget *parent, const QString &name, int left, int top, int width, int height)
{
    auto *box = new ShapeWidget(ShapeWidget::Kind::Rectangle, parent, name);
    box->setFill(Qt::white);
    placeTwips(box, left, top, width, height);
    return box;
}
} // namespace

Ending::Ending(Game &game) : m_game(game), m_gongTimer(game.scheduler(), [this] { Timer1_Timer(); })
{
    setObjectName(QStringLiteral("Ending"));
    setWindowTitle(QStringLiteral("祝！世界チャンピョン"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setClientSizeTwips(this, ClientWidth, ClientHeight);

    QLabel *best = addLabel(this, QStringLiteral("Label1"), QStringLiteral("You are the Best in the World !!"), 18,
                            true, 360, 240, 5295, 495);
    best->setAlignment(Qt::AlignCenter);
    QPalette bestPalette = best->palette();
    bestPalette.setColor(QPalette::WindowText, vbColor(0x0000C0));
    best->setPalette(bestPalette);
    shrinkToFit(best);

    // The boxes come first so that the plates and the words lie on top of them.
    addSpeechBox(this, QStringLiteral("Shape1"), 240, 1080, 5415, 1455);
    addSpeechBox(this, QStringLiteral("Shape2"), 240, 2880, 5415, 975);
    addNamePlate(this, QStringLiteral("Label2(0)"), QStringLiteral("会長"), 2520, 960, 615, 375);
    addSpeech(this, QStringLiteral("Label3"),
              QStringLiteral("今までよく頑張ってきてくれた。お前こそワシの自慢の・・・最高のボクサーじゃ！！！！！"
                             "ついにワシらの長年の夢が実現したんじゃ。ワシは・・・ワシは・・・（;´Д｀）"),
              360, 1440, 5175, 855);
    addNamePlate(this, QStringLiteral("Label2(1)"), QStringLiteral("ミゲル・サラサール"), 2040, 2760, 1815, 375);
    addSpeech(this, QStringLiteral("Label4"),
              QStringLiteral("チャンピョンおめでとう。君こそ僕が出会った中で一番のボクサーだったよ。"
                             "またリングの上で会おう！"),
              360, 3240, 5175, 615);

    connect(addButton(this, QStringLiteral("Command1"), QStringLiteral("全戦績"), 14.25, 360, 4200, 2175, 615),
            &QPushButton::clicked, this, &Ending::Command1_Click);
    connect(addButton(this, QStringLiteral("Command2"), QStringLiteral("最終ステータス"), 14.25, 3120, 4200, 2415, 615),
            &QPushButton::clicked, this, &Ending::Command2_Click);
    connect(addButton(this, QStringLiteral("Command3"), QStringLiteral("END"), 12, 2160, 5040, 1335, 615),
            &QPushButton::clicked, this, &Ending::Command3_Click);

    m_gongTimer.setInterval(GongInterval);
}

void Ending::subOriginal()
{
    // A running timer is left as it is and a finished one stays finished, so nothing restarts the gongs.
    if (m_gongCount < Gongs)
        m_gongTimer.setEnabled(true);
}

void Ending::Timer1_Timer()
{
    m_game.sound().play(QStringLiteral("gong.wav"));
    ++m_gongCount;
    // After the ninth gong there is nothing left for the timer to do.
    if (m_gongCount >= Gongs)
        m_gongTimer.setEnabled(false);
}

void Ending::Command1_Click()
{
    m_game.senseki().showOver(*this);
}

void Ending::Command2_Click()
{
    m_game.myStatus().showOver(*this);
}

void Ending::Command3_Click()
{
    m_game.message(QStringLiteral("Kanade「クリアーおめでとうございます。\r\n"
                                  "最後までプレイして頂きありがとうございました。\r\n"
                                  "また次回作でお会いできることを願っています。」"));
    m_game.end();
}

void Ending::closeEvent(QCloseEvent *event)
{
    event->ignore();
    if (isEnabled())
        Command3_Click();
}

QJsonObject Ending::scriptState() const
{
    return {{"varGongCount", m_gongCount}};
}
