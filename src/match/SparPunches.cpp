#include "match/Spar.h"

#include "app/Game.h"
#include "match/core/MatchRules.h"
#include "platform/ShapeWidget.h"
#include "platform/Twips.h"

#include <QLabel>
#include <QMouseEvent>

namespace {
constexpr quint32 GuardOn = 0xFFDDDD;
constexpr quint32 GuardOff = 0xDDDDFF;
// The outline cue: dark and thick enough to tell at a glance, whatever the two fills look like.
constexpr quint32 GuardOutline = 0x202020;
constexpr int GuardOutlineWidth = 4;
} // namespace

void Spar::LeftPunch_Click(int index)
{
    // The opponent's right arm, drawn on the viewer's left, covers the player's left hand.
    punch(index, m_game.state().varEnGuardR.toInt());
}

void Spar::RightPunch_Click(int index)
{
    punch(index, m_game.state().varEnGuardL);
}

void Spar::punch(int index, int guardHeight)
{
    GameState &state = m_game.state();
    const int distance = punchDistance(index, guardHeight);
    // Outside the table (no guard drawn yet) nothing is drawn and the last damage lands again.
    if (const std::optional<int> divisor = punchDivisor(distance)) {
        const int power = state.Chara(CharaTable::PlayerRow, CharaTable::Punch).toInt();
        state.varEnDamage = hitDamage(power, *divisor, m_game.random().next());
        m_game.sound().play(punchSound(distance));
    }
    subEnemyDown();
}

void Spar::Form_MouseMove(int x, int y)
{
    // The bounding box of the guard circle, corners included, all edges excluded.
    const bool onGuard = 1800 < x && x < 2655 && 4200 < y && y < 4935;
    m_mouseGuardFill = vbColor(onGuard ? GuardOn : GuardOff);
    showGuard();
}

void Spar::showGuard()
{
    // The fill alone decides the guard, as it always has; Space only paints it too.
    m_guardCircle->setFill(m_spaceGuard ? vbColor(GuardOn) : m_mouseGuardFill);
    const bool outline = m_game.options().guardCue == GameOptions::GuardCue::Outline && isGuarding();
    if (outline)
        m_guardCircle->setBorder(vbColor(GuardOutline), GuardOutlineWidth);
    else
        m_guardCircle->setBorder(Qt::black);
    if (outline == (m_guardCaption->text() == QStringLiteral("ガード中")))
        return;
    m_guardCaption->setText(outline ? QStringLiteral("ガード中") : QStringLiteral("ガード"));
    const QRect place = outline ? WideGuardCaptionPlace : GuardCaptionPlace;
    placeTwips(m_guardCaption, place.left(), place.top(), place.width(), place.height());
}

bool Spar::isGuarding() const
{
    return toVbColor(m_guardCircle->fill()) == GuardOn;
}

void Spar::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF at = event->position();
    Form_MouseMove(pixelsToTwips(at.x()), pixelsToTwips(at.y()));
}
