#include "info/BoxerCardForm.h"

#include "app/Game.h"
#include "info/core/BoxerCard.h"
#include "platform/CloseKeys.h"
#include "platform/GameLabel.h"
#include "platform/LineWidget.h"
#include "platform/ShapeWidget.h"
#include "platform/Twips.h"
#include "platform/WindowPlacement.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

namespace {
constexpr int ClientWidth = 5415;
constexpr int ClientHeight = 4920;

void setTextColour(QLabel *label, quint32 bgr)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, vbColor(bgr));
    label->setPalette(palette);
}
} // namespace

BoxerCardForm::BoxerCardForm(Game &game, const QString &name, const QString &caption, const QString &heading)
    : m_game(game)
{
    setObjectName(name);
    setWindowTitle(caption);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setClientSizeTwips(this, ClientWidth, ClientHeight);

    QLabel *title = addLabel(QStringLiteral("Label1"), heading, 240, 120, 4935, 435);
    title->setFont(gothicFont(18));
    setTextColour(title, 0x800000);

    auto *frame = new ShapeWidget(ShapeWidget::Kind::RoundedRectangle, this, QStringLiteral("Shape1"));
    frame->setFill(Qt::white);
    placeTwips(frame, 120, 600, 5175, 1935);

    m_name = addLabel(QStringLiteral("lblEnemyName"), {}, 240, 720, 3000, 375);
    m_name->setFont(gothicFont(15.75));
    setTextColour(m_name, 0xFF0000);
    m_record = addLabel(QStringLiteral("Senseki"), {}, 3240, 720, 1935, 375);
    m_record->setFont(gothicFont(12));
    m_record->setAlignment(Qt::AlignRight | Qt::AlignTop);
    m_ranking = addLabel(QStringLiteral("lblRanking"), {}, 240, 1140, 2760, 315);
    m_ranking->setFont(gothicFont(12));
    setTextColour(m_ranking, 0x0000FF);
    addLabel(QStringLiteral("Label6(4)"), QStringLiteral("出身地："), 3000, 1170, 735, 255);
    m_birth = addLabel(QStringLiteral("lblBirth"), {}, 3735, 1170, 1500, 255);
    // No one writes the war-result label; it stays as an empty line of the card.
    addLabel(QStringLiteral("lblWarResult"), {}, 3240, 1455, 1935, 105);

    auto *grid = new ShapeWidget(ShapeWidget::Kind::Rectangle, this, QStringLiteral("Shape3"));
    placeTwips(grid, 240, 1560, 4935, 855);
    auto *across = new LineWidget(this, QStringLiteral("Line1"));
    across->setEnds(240, 1987, 5175, 1987);
    auto *down = new LineWidget(this, QStringLiteral("Line2"));
    down->setEnds(2707, 1560, 2707, 2415);

    addLabel(QStringLiteral("Label6(0)"), QStringLiteral("体力："), 360, 1680, 720, 255);
    addLabel(QStringLiteral("Label6(1)"), QStringLiteral("パンチ力："), 2760, 1680, 1440, 255);
    addLabel(QStringLiteral("Label6(2)"), QStringLiteral("瞬発力："), 360, 2055, 1320, 255);
    addLabel(QStringLiteral("Label6(3)"), QStringLiteral("根性："), 2760, 2055, 1440, 255);
    // The values are lblStatus(0), (2), (3) and (4); the card has no lblStatus(1).
    m_status[0] = addValue(QStringLiteral("lblStatus(0)"), 1080, 1680, 1455, 255);
    m_status[1] = addValue(QStringLiteral("lblStatus(2)"), 4320, 1680, 735, 255);
    m_status[2] = addValue(QStringLiteral("lblStatus(3)"), 1800, 2055, 735, 255);
    m_status[3] = addValue(QStringLiteral("lblStatus(4)"), 4320, 2055, 735, 255);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setFont(gothicFont(12));
    placeTwips(ok, 2160, 4260, 1095, 495);
    connect(ok, &QPushButton::clicked, this, &BoxerCardForm::Command1_Click);
    new CloseKeys(*this, *ok);
}

GameLabel *BoxerCardForm::addLabel(const QString &name, const QString &text, int left, int top, int width, int height)
{
    auto *label = new GameLabel(text, this);
    label->setObjectName(name);
    label->setFont(gothicFont(9));
    placeTwips(label, left, top, width, height);
    return label;
}

QLabel *BoxerCardForm::addValue(const QString &name, int left, int top, int width, int height)
{
    QLabel *value = addLabel(name, {}, left, top, width, height);
    value->setAlignment(Qt::AlignRight | Qt::AlignTop);
    value->setAutoFillBackground(true);
    QPalette palette = value->palette();
    palette.setColor(QPalette::Window, Qt::white);
    value->setPalette(palette);
    return value;
}

void BoxerCardForm::showOver(QWidget &opener)
{
    opener.setEnabled(false);
    subOriginal();
    showCentredOver(*this, &opener);
}

void BoxerCardForm::showCard(const BoxerCard &card)
{
    m_name->setText(card.name);
    m_ranking->setText(card.ranking);
    m_birth->setText(card.birthplace);
    m_status[0]->setText(card.strength);
    m_status[1]->setText(card.punch);
    m_status[2]->setText(card.quick);
    m_status[3]->setText(card.guts);
    m_record->setText(card.record);
}

void BoxerCardForm::Command1_Click()
{
    hide();
    opener().setEnabled(true);
}

void BoxerCardForm::closeEvent(QCloseEvent *event)
{
    event->accept();
    opener().setEnabled(true);
}
