#include "match/Spar.h"

#include "app/Game.h"
#include "match/core/MatchRules.h"
#include "options/KeyBindings.h"
#include "platform/GameFiles.h"
#include "platform/GameLabel.h"
#include "platform/LineWidget.h"
#include "platform/ScreenScale.h"
#include "platform/ShapeWidget.h"
#include "platform/Twips.h"
#include "replay/SessionRecorder.h"

#include <QCloseEvent>
#include <QJsonObject>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace {
constexpr int ClientWidth = 8385;
constexpr int ClientHeight = 5985;
// The design window is 90 twips wider than its client area (8475 against 8385).
constexpr int WindowFrame = 90;
constexpr int BoutWindowWidth = 8475;
constexpr int SparringWindowWidth = 4695;
constexpr quint32 Red = 0x0000FF;
constexpr quint32 Skin = 0xC0E0FF;
constexpr quint32 Blue = 0xFF0000;
constexpr quint32 Yellow = 0x00FFFF;
constexpr quint32 GuardDesignColour = 0xFFC0C0;
// A held WakeUp counts as clicks this far apart, a pace a hammering player keeps up.
constexpr qint64 RiseAssistInterval = 200;

void setColours(QLabel *label, const QColor &text, const QColor *background = nullptr)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, text);
    if (background) {
        palette.setColor(QPalette::Window, *background);
        label->setAutoFillBackground(true);
    }
    label->setPalette(palette);
}

// Labels and buttons keep mouse moves to themselves: the form hears only its own background.
QLabel *addLabel(QWidget *parent, const QString &name, const QString &text, double pointSize)
{
    auto *label = new GameLabel(text, parent);
    label->setObjectName(name);
    label->setFont(gothicFont(pointSize));
    label->setAttribute(Qt::WA_NoMousePropagation);
    return label;
}

QPushButton *addButton(QWidget *parent, const QString &name, const QString &caption, double pointSize)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setFont(gothicFont(pointSize));
    button->setAttribute(Qt::WA_NoMousePropagation);
    return button;
}

ShapeWidget *addShape(QWidget *parent, ShapeWidget::Kind kind, const QString &name, quint32 fill, int left, int top,
                      int width, int height)
{
    auto *shape = new ShapeWidget(kind, parent, name);
    shape->setFill(vbColor(fill));
    placeTwips(shape, left, top, width, height);
    return shape;
}
} // namespace

Spar::Spar(Game &game)
    : m_game(game),
      m_watchCount(game.scheduler(), [this] { WatchCount_Timer(); }),
      m_timerEnemyAction(game.scheduler(), [this] { TimerEnemyAction_Timer(); }),
      m_downCountTimer(game.scheduler(), [this] { DownCountTimer_Timer(); }),
      m_enemyDownUpTimer(game.scheduler(), [this] { EnemyDownUPTimer_Timer(); }),
      m_riseAssist(game.scheduler(), [this] { riseAssistTick(); })
{
    setObjectName(QStringLiteral("Spar"));
    setWindowTitle(QStringLiteral("Ring Glory"));
    setMouseTracking(true);
    setClientSizeTwips(this, ClientWidth, ClientHeight);
    m_windowWidth = BoutWindowWidth;

    buildRing();
    buildControls();
    buildPanel();

    m_watchCount.setInterval(100);
    m_timerEnemyAction.setInterval(1000);
    m_downCountTimer.setInterval(500);
    m_enemyDownUpTimer.setInterval(500);
    m_riseAssist.setInterval(RiseAssistInterval);

    bindKeys();
    connect(&m_game, &Game::optionsChanged, this, &Spar::showGuard);
}

Spar::~Spar()
{
    // The keys let go of a held Space when the window hides, and a window tearing down hides:
    // they must go while the fight screen they call into is still whole.
    delete m_keys;
}

void Spar::buildRing()
{
    m_picture = new QWidget(this);
    m_picture->setObjectName(QStringLiteral("Picture1"));
    m_picture->setAutoFillBackground(true);
    m_picture->setAttribute(Qt::WA_NoMousePropagation);
    QPalette palette = m_picture->palette();
    palette.setColor(QPalette::Window, Qt::white);
    m_picture->setPalette(palette);
    placeTwips(m_picture, 240, 120, 4095, 3495);

    // Created bottom to top: the floor view first, then the body, the face and the arms.
    m_back[3] = addShape(m_picture, ShapeWidget::Kind::Rectangle, QStringLiteral("Back(3)"), Blue, 0, 2400, 4095, 1095);
    m_back[2] = new ShapeWidget(ShapeWidget::Kind::Rectangle, m_picture, QStringLiteral("Back(2)"));
    placeTwips(m_back[2], -120, 720, 4215, 255);
    const int legLefts[2] = {1080, 2520};
    for (int i = 0; i < 2; ++i)
        m_leg[i] = addShape(m_picture, ShapeWidget::Kind::Rectangle, QStringLiteral("Leg(%1)").arg(i), Skin,
                            legLefts[i], -120, 615, 2055);
    const int shoeLefts[2] = {960, 2400};
    for (int i = 0; i < 2; ++i)
        m_back[i] = addShape(m_picture, ShapeWidget::Kind::RoundedSquare, QStringLiteral("Back(%1)").arg(i), 0x000000,
                             shoeLefts[i], 1800, 855, 855);

    m_front[1] = addShape(m_picture, ShapeWidget::Kind::RoundedRectangle, QStringLiteral("Front(1)"), Skin, 1200, 1320,
                          1935, 1935);
    m_front[2] = addShape(m_picture, ShapeWidget::Kind::Rectangle, QStringLiteral("Front(2)"), Blue, 1200, 3120, 1935,
                          375);
    m_front[3] = addShape(m_picture, ShapeWidget::Kind::Rectangle, QStringLiteral("Front(3)"), 0xFFFFFF, 1680, 3200,
                          975, 195);
    m_front[0] = addShape(m_picture, ShapeWidget::Kind::Rectangle, QStringLiteral("Front(0)"), Skin, 1920, 960, 495,
                          375);
    m_face = addShape(m_picture, ShapeWidget::Kind::Oval, QStringLiteral("Face"), Skin, 1680, 120, 975, 1095);

    // The face picture lies over the face; without a picture the face shows through the empty box.
    m_head = new GameLabel(m_picture);
    m_head->setObjectName(QStringLiteral("head"));
    m_head->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeTwips(m_head, 1615, 30, 1095, 1050);
    for (int i = 0; i < 8; ++i) {
        m_sweat[i] = new LineWidget(m_head, QStringLiteral("sweat(%1)").arg(i), vbColor(Blue), 2);
        m_sweat[i]->setEnds(120 * (i + 1), 840, 120 * (i + 1), 240);
    }

    const int gloveLefts[2] = {720, 2760};
    const int forearmLefts[2] = {840, 2880};
    m_rightArm[1] = addShape(m_picture, ShapeWidget::Kind::Oval, QStringLiteral("RightArm(1)"), Skin, forearmLefts[0],
                             960, 615, 1815);
    m_leftArm[1] = addShape(m_picture, ShapeWidget::Kind::Oval, QStringLiteral("LeftArm(1)"), Skin, forearmLefts[1],
                            960, 615, 1815);
    m_rightArm[0] = addShape(m_picture, ShapeWidget::Kind::Circle, QStringLiteral("RightArm(0)"), Red, gloveLefts[0],
                             720, 855, 855);
    m_leftArm[0] = addShape(m_picture, ShapeWidget::Kind::Circle, QStringLiteral("LeftArm(0)"), Red, gloveLefts[1], 720,
                            855, 855);

    m_lblCount = addLabel(m_picture, QStringLiteral("lblCount"), {}, 36);
    m_lblCount->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    const QColor black = Qt::black;
    setColours(m_lblCount, vbColor(Yellow), &black);
    placeTwips(m_lblCount, 0, 0, 1575, 855);
    m_lblCount->hide();

    for (int i = 0; i < 4; ++i)
        m_back[i]->hide();
    for (int i = 0; i < 2; ++i)
        m_leg[i]->hide();
}

void Spar::buildControls()
{
    m_leftStraight = addButton(this, QStringLiteral("LeftPunch(1)"), QStringLiteral("左ストレート"), 9);
    placeTwips(m_leftStraight, 480, 3840, 1335, 495);
    m_rightStraight = addButton(this, QStringLiteral("RightPunch(1)"), QStringLiteral("右ストレート"), 9);
    placeTwips(m_rightStraight, 2640, 3840, 1335, 495);
    m_leftBody = addButton(this, QStringLiteral("LeftPunch(3)"), QStringLiteral("左ボディー"), 9);
    placeTwips(m_leftBody, 480, 4800, 1335, 495);
    m_rightBody = addButton(this, QStringLiteral("RightPunch(3)"), QStringLiteral("右ボディー"), 9);
    placeTwips(m_rightBody, 2640, 4800, 1335, 495);
    connect(m_leftStraight, &QPushButton::clicked, this, [this] { LeftPunch_Click(1); });
    connect(m_rightStraight, &QPushButton::clicked, this, [this] { RightPunch_Click(1); });
    connect(m_leftBody, &QPushButton::clicked, this, [this] { LeftPunch_Click(3); });
    connect(m_rightBody, &QPushButton::clicked, this, [this] { RightPunch_Click(3); });

    m_guardCircle = addShape(this, ShapeWidget::Kind::Circle, QStringLiteral("GuardCircle"), GuardDesignColour, 1800,
                             4200, 855, 735);
    m_mouseGuardFill = m_guardCircle->fill();
    m_guardCaption = addLabel(this, QStringLiteral("Label1"), QStringLiteral("ガード"), 9);
    m_guardCaption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    placeTwips(m_guardCaption, GuardCaptionPlace.left(), GuardCaptionPlace.top(), GuardCaptionPlace.width(),
               GuardCaptionPlace.height());

    m_wakeUp = addButton(this, QStringLiteral("WakeUp"), QStringLiteral("立て！"), 18);
    placeTwips(m_wakeUp, 1440, 4080, 1575, 975);
    m_wakeUp->hide();
    m_wakeUp->setProperty(SessionRecorder::ActsWhileHeld, true);
    connect(m_wakeUp, &QPushButton::pressed, this, &Spar::wakeUpPressed);
    connect(m_wakeUp, &QPushButton::released, this, &Spar::wakeUpReleased);
    connect(m_wakeUp, &QPushButton::clicked, this, [this] {
        if (!m_clickTakenByHold)
            WakeUp_Click();
    });

    m_timerWatch = addLabel(this, QStringLiteral("TimerWatch"), QStringLiteral("3:00"), 14.25);
    m_timerWatch->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    const QColor black = Qt::black;
    setColours(m_timerWatch, Qt::white, &black);
    placeTwips(m_timerWatch, 1920, 5520, 645, 345);

    m_sparHP[0] = addLabel(this, QStringLiteral("SparHP(0)"), QStringLiteral("自分の体力:"), 9);
    placeTwips(m_sparHP[0], 120, 5520, 1695, 255);
    m_sparHP[1] = addLabel(this, QStringLiteral("SparHP(1)"), QStringLiteral("相手の体力: "), 9);
    placeTwips(m_sparHP[1], 2640, 5520, 1935, 255);
}

void Spar::buildPanel()
{
    auto *panel = addShape(this, ShapeWidget::Kind::RoundedRectangle, QStringLiteral("Shape1"), 0xFFFFFF, 4680, 120,
                           3495, 5775);
    panel->lower();

    m_lblKaisen = addLabel(this, QStringLiteral("lblKaisen"), QStringLiteral("4回戦"), 9.75);
    placeTwips(m_lblKaisen, 5880, 240, 1035, 195);
    m_nowRound = addLabel(this, QStringLiteral("NowRound"), QStringLiteral("1Ｒ"), 72);
    m_nowRound->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    const QColor black = Qt::black;
    setColours(m_nowRound, vbColor(Yellow), &black);
    placeTwips(m_nowRound, 4920, 600, 3015, 1455);
    m_myName = addLabel(this, QStringLiteral("MyName"), {}, 18);
    placeTwips(m_myName, 4920, 2280, 2295, 495);

    placeTwips(addLabel(this, QStringLiteral("Label3"), QStringLiteral("体力："), 9), 4800, 2760, 735, 255);
    m_myHPMax = new ShapeWidget(ShapeWidget::Kind::Rectangle, this, QStringLiteral("MyHPMax"));
    m_myHPMax->setBorder(vbColor(Blue));
    placeTwips(m_myHPMax, 5520, 2760, 0, 255);
    m_myHPNow = addShape(this, ShapeWidget::Kind::Rectangle, QStringLiteral("MyHPNow"), Blue, 5520, 2760, 0, 255);
    m_myHPNow->setBorder(vbColor(Blue));

    QLabel *versus = addLabel(this, QStringLiteral("Label4"), QStringLiteral("VS"), 48);
    placeTwips(versus, 5520, 3360, 1245, 960);

    m_enName = addLabel(this, QStringLiteral("EnName"), {}, 18);
    placeTwips(m_enName, 4920, 4560, 0, 495);

    placeTwips(addLabel(this, QStringLiteral("Label2"), QStringLiteral("体力："), 9), 4800, 5160, 735, 255);
    m_enHPMax = new ShapeWidget(ShapeWidget::Kind::Rectangle, this, QStringLiteral("EnHPMax"));
    m_enHPMax->setBorder(vbColor(Red));
    placeTwips(m_enHPMax, 5520, 5160, 0, 255);
    m_enHPNow = addShape(this, ShapeWidget::Kind::Rectangle, QStringLiteral("EnHPNow"), Red, 5520, 5160, 0, 255);
    m_enHPNow->setBorder(vbColor(Red));
}

void Spar::subOriginal()
{
    GameState &state = m_game.state();
    const int player = CharaTable::PlayerRow;

    setSweatVisible(false);
    state.varDownCount = 1;
    state.varKekka = 0;
    varDownJotai = 0;
    varDownWait = 0;
    state.varNowRound = 1;
    varWinLose = WinLoseNone;
    varMyDown = 0;
    varEnDown = 0;
    varHantei = 0;
    varEnDownAll = 0;
    varMyDownAll = 0;

    if (state.varSparMode == SparModeBout) {
        const int row = enemyRow();
        state.varEnHP = state.Chara(row, CharaTable::Strength).toInt();
        state.varEnPower = state.Chara(row, CharaTable::Punch).toInt();
        state.varEnQuick = state.Chara(row, CharaTable::Quick).toInt();
        state.varEnGuts = state.Chara(row, CharaTable::Guts).toInt();
        m_timerEnemyAction.setInterval(boutActionInterval(state.Chara(row, CharaTable::Quick).toInt(),
                                                          state.Chara(player, CharaTable::Quick).toInt()));
        loadFace(QString::number(row) + QStringLiteral(".gif"));
        m_sparHP[0]->hide();
        m_sparHP[1]->hide();
        m_myName->setText(state.Chara(player, CharaTable::Name).toText());
        m_enName->setText(state.Chara(row, CharaTable::Name).toText());
        // The opponent's name label sizes itself to its text.
        placeTwips(m_enName, 4920, 4560, pixelsToTwips(m_enName->sizeHint().width()), 495);
        setWidthTwips(m_myHPMax, state.Chara(player, CharaTable::MaxStrength).toInt());
        setWidthTwips(m_myHPNow, state.Chara(player, CharaTable::Strength).toInt());
        setWidthTwips(m_enHPMax, state.varEnHP.toInt());
        setWidthTwips(m_enHPNow, state.varEnHP.toInt());
        m_nowRound->setText(QStringLiteral("1R"));
        m_lblKaisen->setText(state.varKaisen.toText() + QStringLiteral("回戦"));
        setWindowWidthTwips(BoutWindowWidth);
    }
    if (state.varSparMode == SparModeSparring) {
        state.varEnHP = scaled(1.1, state.Chara(player, CharaTable::Strength).toInt());
        state.varEnPower = scaled(0.6, state.Chara(player, CharaTable::Punch).toInt());
        state.varEnQuick = scaled(0.6, state.Chara(player, CharaTable::Quick).toInt());
        state.varEnGuts = scaled(0.6, state.Chara(player, CharaTable::Guts).toInt());
        loadFace(QStringLiteral("Spar.gif"));
        m_timerEnemyAction.setInterval(sparringActionInterval(state.Chara(enemyRow(), CharaTable::Quick).toInt()));
        setWindowWidthTwips(SparringWindowWidth);
        m_sparHP[0]->show();
        m_sparHP[1]->show();
        m_sparHP[0]->setText(QStringLiteral("自分の体力：") + state.Chara(player, CharaTable::Strength).toText());
        m_sparHP[1]->setText(QStringLiteral("相手の体力：") + state.varEnHP.toText());
    }

    subEnemyUpHyoji();
    setEnabled(true);
    if (m_timerEnemyAction.interval() < MinimumActionInterval)
        m_timerEnemyAction.setInterval(MinimumActionInterval);
    subUpHyoji();
    state.varClockMin = 3;
    state.varClockSec = 0;
    m_timerWatch->setText(QStringLiteral("3:00"));
    m_watchCount.setEnabled(true);
    m_timerEnemyAction.setEnabled(true);
    m_downCountTimer.setEnabled(false);
}

void Spar::closeEvent(QCloseEvent *event)
{
    // Closing would hide the only window while the clock and the opponent run on.
    event->ignore();
}

void Spar::holdActivity()
{
    m_watchCount.setEnabled(false);
    m_timerEnemyAction.setEnabled(false);
}

void Spar::releaseActivity()
{
    m_watchCount.setEnabled(true);
    m_timerEnemyAction.setEnabled(true);
}

void Spar::loadFace(const QString &fileName)
{
    // A missing or unreadable picture leaves the face box empty; the fight goes on.
    const QString path = findGameFile(fileName);
    const QPixmap picture = path.isEmpty() ? QPixmap() : QPixmap(path);
    if (picture.isNull())
        ScreenScale::showPicture(m_head, QPixmap());
    else
        ScreenScale::showPicture(m_head, picture);
}

void Spar::setWindowWidthTwips(int outerWidth)
{
    m_windowWidth = outerWidth;
    const QRect before = geometry();
    setClientSizeTwips(this, outerWidth - WindowFrame, ClientHeight);
    // A screen already open narrows or widens about its middle, so it stays over the hub.
    if (isVisible())
        move(pos() + QPoint(before.center().x() - geometry().center().x(), 0));
}

QJsonObject Spar::scriptState() const
{
    auto cell = [](const Cell &value) {
        if (value.isNumber())
            return QJsonValue(value.toInt());
        if (value.isText())
            return QJsonValue(value.toText());
        return QJsonValue();
    };
    auto timer = [](const Timer &t) { return QJsonObject{{"enabled", t.isEnabled()}, {"interval", t.interval()}}; };
    return QJsonObject{
        {"varMyDown", varMyDown},
        {"varEnDown", varEnDown},
        {"varDownJotai", varDownJotai},
        {"varDownWait", varDownWait},
        {"varWinLose", varWinLose},
        {"varHantei", varHantei},
        {"temp", cell(temp)},
        {"WhoDown", cell(WhoDown)},
        {"varEnDownAll", varEnDownAll},
        {"varMyDownAll", varMyDownAll},
        {"windowWidth", m_windowWidth},
        {"WatchCount", timer(m_watchCount)},
        {"TimerEnemyAction", timer(m_timerEnemyAction)},
        {"DownCountTimer", timer(m_downCountTimer)},
        {"EnemyDownUPTimer", timer(m_enemyDownUpTimer)},
    };
}

void Spar::setPunchButtonsVisible(bool visible)
{
    for (QPushButton *button : {m_leftStraight, m_leftBody, m_rightStraight, m_rightBody})
        button->setVisible(visible);
}

void Spar::setPunchButtonsEnabled(bool enabled)
{
    for (QPushButton *button : {m_leftStraight, m_leftBody, m_rightStraight, m_rightBody})
        button->setEnabled(enabled);
}

void Spar::standFigure()
{
    setTop(m_head, 30);
    setTop(m_face, 120);
    const int frontTops[4] = {960, 1320, 3120, 3200};
    for (int i = 0; i < 4; ++i)
        setTop(m_front[i], frontTops[i]);
    for (int i = 0; i < 2; ++i) {
        setTop(m_rightArm[i], armTop(2, i));
        setTop(m_leftArm[i], armTop(2, i));
    }
}

void Spar::setTop(QWidget *widget, int top)
{
    const QRect place = twipsGeometry(widget);
    placeTwips(widget, place.left(), top, place.width(), place.height());
}

int Spar::topOf(const QWidget *widget) const
{
    return twipsGeometry(widget).top();
}

void Spar::setWidthTwips(QWidget *widget, int width)
{
    const QRect place = twipsGeometry(widget);
    placeTwips(widget, place.left(), place.top(), std::max(0, width), place.height());
}

int Spar::enemyRow() const
{
    return m_game.state().varNextEnemy;
}

int Spar::enemyFullStrength() const
{
    return m_game.state().Chara(enemyRow(), CharaTable::Strength).toInt();
}
