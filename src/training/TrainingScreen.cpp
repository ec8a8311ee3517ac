#include "training/TrainingScreen.h"

#include "app/Game.h"
#include "hub/MainCommand.h"
#include "platform/ColourButton.h"
#include "platform/GameLabel.h"
#include "platform/Twips.h"
#include "platform/WindowPlacement.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {
void placeAt(QWidget *widget, const QRect &place)
{
    placeTwips(widget, place.left(), place.top(), place.width(), place.height());
}
} // namespace

TrainingScreen::TrainingScreen(Game &game, const QString &name, const QString &caption, const Layout &layout,
                               DayKind dayKind)
    : m_game(game), m_watchCount(game.scheduler()), m_dayKind(dayKind)
{
    setObjectName(name);
    setWindowTitle(caption);
    setClientSizeTwips(this, layout.client.width(), layout.client.height());

    m_timerWatch = addLabel(QStringLiteral("TimerWatch"), 14.25, 0xFFFFFF, layout.clock);
    m_timerWatch->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_timerWatch->setAutoFillBackground(true);
    QPalette clockPalette = m_timerWatch->palette();
    clockPalette.setColor(QPalette::Window, Qt::black);
    m_timerWatch->setPalette(clockPalette);
    m_timerWatch->setText(QStringLiteral("3:00"));

    auto *frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Picture1"));
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    frame->setAutoFillBackground(true);
    QPalette white = frame->palette();
    white.setColor(QPalette::Window, Qt::white);
    frame->setPalette(white);
    placeAt(frame, layout.picture);
    m_picture = frame;

    m_myHp = addLabel(QStringLiteral("MyHp"), 11.25, 0x000000, layout.strength);
    // The counters are laid out for a single digit in a narrow face and would lose their
    // last characters; they reach to the right edge of the window instead.
    const auto toRightEdge = [&layout](QRect place) {
        place.setRight(layout.client.width() - 1);
        return place;
    };
    m_hitNum = addLabel(QStringLiteral("HitNum"), 11.25, 0x0000FF, toRightEdge(layout.hits));
    m_missHit = addLabel(QStringLiteral("MissHit"), 11.25, 0xFF0000, toRightEdge(layout.misses));
}

QLabel *TrainingScreen::addLabel(const QString &name, double pointSize, quint32 colour, const QRect &place)
{
    auto *label = new GameLabel(this);
    label->setObjectName(name);
    label->setFont(gothicFont(pointSize));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, vbColor(colour));
    label->setPalette(palette);
    placeAt(label, place);
    return label;
}

QPushButton *TrainingScreen::addPunchButton(const QString &name, const QString &caption, quint32 colour,
                                            double pointSize, const QRect &place)
{
    auto *button = new ColourButton(caption, vbColor(colour), this);
    button->setObjectName(name);
    button->setFont(gothicFont(pointSize));
    placeAt(button, place);
    return button;
}

QJsonObject TrainingScreen::timerState(const Timer &timer)
{
    return QJsonObject{{"interval", timer.interval()}, {"enabled", timer.isEnabled()}};
}

void TrainingScreen::showClock(ClockReading clock)
{
    m_timerWatch->setText(clockText(clock));
}

void TrainingScreen::showStrength()
{
    m_myHp->setText(QStringLiteral("体力：") +
                    m_game.state().Chara(CharaTable::PlayerRow, CharaTable::Strength).toText());
}

void TrainingScreen::showHits(int hits)
{
    m_hitNum->setText(QStringLiteral("HIT数：") + QString::number(hits));
}

void TrainingScreen::showMisses(int misses)
{
    m_missHit->setText(QStringLiteral("ミス：") + QString::number(misses));
}

void TrainingScreen::closeEvent(QCloseEvent *event)
{
    // A workout ends by its clock or a collapse; a closed window would leave nothing on
    // screen until the clock ran out.
    event->ignore();
}

bool TrainingScreen::payForPunch()
{
    GameState &state = m_game.state();
    Cell &strength = state.Chara(CharaTable::PlayerRow, CharaTable::Strength);
    strength = strengthAfterPunch(strength.toInt());
    if (!hasCollapsed(strength.toInt())) {
        showStrength();
        return false;
    }

    strength = 0;
    showStrength();
    // The clock stops before the chairman's bad news, every other timer after it.
    m_watchCount.setEnabled(false);
    m_game.message(QStringLiteral("練習中に力つきて救急車で運ばれた・・・。"));
    m_game.message(QStringLiteral("二日後・・・"));
    strength = strengthAfterCollapse(state.Chara(CharaTable::PlayerRow, CharaTable::MaxStrength).toInt());
    m_game.history().recordDay(state, m_dayKind);
    // The hospital day; the countdown to the bout moves only with the hub's day advance.
    state.varNowDate = state.varNowDate.toInt() + 1;
    m_game.history().recordDay(state, DayKind::Hospital);
    leaveForHub();
    return true;
}

void TrainingScreen::finishWorkout(int net, int gain, int column, const QString &quality)
{
    GameState &state = m_game.state();
    m_game.sound().play(QStringLiteral("gong.wav"));
    state.varKekka = net;
    if (gain > 0) {
        Cell &value = state.Chara(CharaTable::PlayerRow, column);
        value = value.toInt() + gain;
        m_game.message(quality + QString::number(gain) + QStringLiteral("上がった"));
    } else {
        m_game.message(QStringLiteral("練習の成果がでなかった・・・"));
    }
    m_game.history().recordDay(state, m_dayKind);
    leaveForHub();
}

void TrainingScreen::leaveForHub()
{
    holdActivity();
    hide();
    MainCommand &hub = m_game.hub();
    // The hub comes back where the player left it, not wherever this screen stood.
    showWhereItWas(hub, this);
    hub.subOriginal();
}
