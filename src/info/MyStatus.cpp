#include "info/MyStatus.h"

#include "app/Game.h"
#include "ending/Ending.h"
#include "hub/MainCommand.h"
#include "info/core/BoxerCard.h"
#include "info/core/TrainingTotals.h"
#include "platform/ShapeWidget.h"
#include "platform/Twips.h"

#include <QLabel>

MyStatus::MyStatus(Game &game)
    : BoxerCardForm(game, QStringLiteral("MyStatus"), QStringLiteral("My Status"), QStringLiteral("ステータス"))
{
    auto *frame = new ShapeWidget(ShapeWidget::Kind::RoundedRectangle, this, QStringLiteral("Shape2"));
    frame->setFill(Qt::white);
    placeTwips(frame, 120, 2640, 5175, 1455);
    frame->lower();

    const char *headings[2] = {"サンドバックの練習結果", "パンチングボールの練習結果"};
    for (int block = 0; block < 2; ++block) {
        const int top = 2730 + block * 675;
        addLabel(QStringLiteral("Label2(%1)").arg(block), QString::fromUtf8(headings[block]), 240, top, 3600, 255);
        const int rowTop = top + 300;
        addLabel(QStringLiteral("Label6(%1)").arg(5 + 2 * block), QStringLiteral("ヒット："), 600, rowTop, 855, 255);
        addLabel(QStringLiteral("Label6(%1)").arg(6 + 2 * block), QStringLiteral("ミス："), 2880, rowTop, 735, 255);
        m_totals[2 * block] = addValue(QStringLiteral("Label6(%1)").arg(9 + 2 * block), 1440, rowTop, 1095, 255);
        m_totals[2 * block + 1] = addValue(QStringLiteral("Label6(%1)").arg(10 + 2 * block), 3600, rowTop, 1095, 255);
    }
}

void MyStatus::subOriginal()
{
    const GameState &state = m_game.state();
    showCard(playerCard(state));
    const TrainingTotals totals = trainingTotals(state);
    m_totals[0]->setText(totals.sandHit);
    m_totals[1]->setText(totals.sandMiss);
    m_totals[2]->setText(totals.ballHit);
    m_totals[3]->setText(totals.ballMiss);
}

QWidget &MyStatus::opener()
{
    if (m_game.state().varEndFlag == 1)
        return m_game.ending();
    return m_game.hub();
}
