#include "info/NextEnemyData.h"

#include "app/Game.h"
#include "hub/MainCommand.h"
#include "info/core/BoxerCard.h"
#include "platform/GameLabel.h"
#include "platform/Twips.h"

#include <QLabel>

namespace {
QFont messageFont()
{
    return gothicFont(9.75, false);
}
} // namespace

NextEnemyData::NextEnemyData(Game &game)
    : BoxerCardForm(game, QStringLiteral("NextEnemyData"), QStringLiteral("Next Enemy Data"),
                    QStringLiteral("次の対戦相手"))
{
    addLabel(QStringLiteral("Label4"), QStringLiteral("会長からの情報"), 240, 2700, 2400, 255);
    m_message = addLabel(QStringLiteral("Message"), {}, 240, 3000, 4935, 1095);
    m_message->setFont(messageFont());
    m_message->setWordWrap(true);
    m_message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_message->setMargin(4);
    m_message->setFrameShape(QFrame::Box);
    m_message->setAutoFillBackground(true);
    QPalette palette = m_message->palette();
    palette.setColor(QPalette::Window, Qt::white);
    m_message->setPalette(palette);
}

void NextEnemyData::subOriginal()
{
    const BoxerCard card = opponentCard(m_game.state(), m_game.state().varNextEnemy);
    showCard(card);
    m_message->setText(card.message);
    // Each opponent's note starts from the card's size; a long one is set smaller to show whole.
    m_message->setFont(messageFont());
    m_message->shrinkToFit();
}

QWidget &NextEnemyData::opener()
{
    return m_game.hub();
}
