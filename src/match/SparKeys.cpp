#include "match/Spar.h"

#include "options/KeyBindings.h"

#include <QLabel>
#include <QPushButton>

void Spar::bindKeys()
{
    m_keys = new KeyBindings(*this);
    const struct
    {
        Qt::Key key;
        QPushButton *button;
    } punches[] = {
        {Qt::Key_F, m_leftStraight},
        {Qt::Key_V, m_leftBody},
        {Qt::Key_J, m_rightStraight},
        {Qt::Key_N, m_rightBody},
    };
    for (const auto &punch : punches) {
        m_keys->bindClick(punch.key, punch.button);
        punch.button->setToolTip(QStringLiteral("%1 (%2)").arg(punch.button->text(), QChar(char16_t(punch.key))));
    }
    m_keys->bind(Qt::Key_Space, [this] { spaceDown(); }, [this] { spaceUp(); }, [this] { spaceResumed(); });
    m_guardCaption->setToolTip(QStringLiteral("ガード (Space)"));
    m_wakeUp->setToolTip(QStringLiteral("Space"));
}

void Spar::spaceDown()
{
    if (KeyBindings::canClick(m_wakeUp)) {
        m_spaceOnWakeUp = true;
        // Held on 立て！ with the rise assist, Space is a held mouse button; otherwise one click.
        if (riseHoldApplies())
            wakeUpPressed();
        else
            m_wakeUp->click();
        return;
    }
    m_spaceGuard = true;
    showGuard();
}

void Spar::spaceUp()
{
    m_spaceEndedWakeUp = m_spaceOnWakeUp;
    if (m_spaceOnWakeUp) {
        m_spaceOnWakeUp = false;
        wakeUpReleased();
        return;
    }
    m_spaceGuard = false;
    showGuard();
}

void Spar::spaceResumed()
{
    // Space was held all along: the hold on WakeUp keeps counting on its beat, with no
    // extra click, or the guard goes back up.
    if (!m_spaceEndedWakeUp) {
        m_spaceGuard = true;
        showGuard();
    } else if (riseHoldApplies()) {
        m_spaceOnWakeUp = true;
        m_riseAssist.setEnabled(true);
    }
}
