#include "info/Senseki.h"

#include "app/Game.h"
#include "ending/Ending.h"
#include "hub/MainCommand.h"
#include "info/core/FightRecord.h"
#include "platform/CloseKeys.h"
#include "platform/GameLabel.h"
#include "platform/ScreenScale.h"
#include "platform/Twips.h"
#include "platform/WindowPlacement.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

namespace {
constexpr int ClientWidth = 5115;
constexpr int ClientHeight = 4860;
constexpr int ColumnWidths[3] = {1200, 2000, 1500};
} // namespace

Senseki::Senseki(Game &game) : m_game(game)
{
    setObjectName(QStringLiteral("Senseki"));
    setWindowTitle(QStringLiteral("戦績"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setClientSizeTwips(this, ClientWidth, ClientHeight);

    auto *title = new GameLabel(QStringLiteral("戦績"), this);
    title->setObjectName(QStringLiteral("Label1"));
    title->setFont(gothicFont(20.25));
    title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    placeTwips(title, 1200, 120, 2655, 375);

    // The header row is the grid's fixed row; the first column is fixed as well, drawn
    // in the colour of the header.
    m_grid = new QTableWidget(0, 3, this);
    m_grid->setObjectName(QStringLiteral("MSFlexGrid1"));
    m_grid->setFont(gothicFont(9, false));
    m_grid->horizontalHeader()->setFont(gothicFont(9, false));
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->horizontalHeader()->setHighlightSections(false);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    sizeGrid();
    connect(&ScreenScale::instance(), &ScreenScale::changed, this, &Senseki::sizeGrid);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionMode(QAbstractItemView::NoSelection);
    m_grid->setFocusPolicy(Qt::NoFocus);
    // The three columns fill the grid; with a long record the vertical scroll bar takes a
    // few pixels of the last column's empty right end, not worth a scroll bar of its own.
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    placeTwips(m_grid, 120, 720, 4815, 3375);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setFont(gothicFont(12));
    placeTwips(ok, 2040, 4200, 1095, 495);
    connect(ok, &QPushButton::clicked, this, &Senseki::Command1_Click);
    new CloseKeys(*this, *ok);
}

void Senseki::sizeGrid()
{
    m_grid->verticalHeader()->setDefaultSectionSize(twipsToPixels(255));
    for (int column = 0; column < 3; ++column)
        m_grid->setColumnWidth(column, twipsToPixels(ColumnWidths[column]));
}

void Senseki::subOriginal()
{
    const QList<QStringList> rows = FightRecord::rows(m_game.state());
    m_grid->clearContents();
    m_grid->setRowCount(static_cast<int>(rows.size()));
    sizeGrid();
    m_grid->setHorizontalHeaderLabels(FightRecord::header());

    const QBrush fixedColour = m_grid->horizontalHeader()->palette().brush(QPalette::Button);
    for (int row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < 3; ++column) {
            auto *cell = new QTableWidgetItem(rows[row][column]);
            if (column == 0) {
                cell->setBackground(fixedColour);
                cell->setTextAlignment(Qt::AlignCenter);
            }
            m_grid->setItem(row, column, cell);
        }
    }
}

void Senseki::showOver(QWidget &opener)
{
    opener.setEnabled(false);
    subOriginal();
    showCentredOver(*this, &opener);
    // The newest bout is the one the player comes to see, wherever the grid was left scrolled.
    m_grid->doItemsLayout();
    m_grid->scrollToBottom();
}

QWidget &Senseki::opener()
{
    if (m_game.state().varEndFlag == 1)
        return m_game.ending();
    return m_game.hub();
}

void Senseki::Command1_Click()
{
    hide();
    opener().setEnabled(true);
}

void Senseki::closeEvent(QCloseEvent *event)
{
    event->accept();
    opener().setEnabled(true);
}
