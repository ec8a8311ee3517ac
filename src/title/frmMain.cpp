#include "title/frmMain.h"

#include "app/Game.h"
#include "files/loadFile.h"
#include "platform/GameLabel.h"
#include "platform/ScreenScale.h"
#include "platform/ShapeWidget.h"
#include "platform/Twips.h"
#include "platform/WindowPlacement.h"
#include "title/HelpMenu.h"
#include "title/NewCareer.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>

namespace {
constexpr int ClientWidth = 6000;
constexpr int ClientHeight = 3900;
constexpr int StatusBarEdge = 2;

QFont centuryFont(double pointSize)
{
    QFont font;
    font.setFamilies({QStringLiteral("Century"), QStringLiteral("Century Schoolbook"), QStringLiteral("C059"),
                      QStringLiteral("TeX Gyre Schola"), QStringLiteral("serif")});
    font.setPointSizeF(pointSize * ScreenScale::factor());
    font.setBold(true);
    return font;
}

QLabel *centredLabel(QWidget *parent, const QString &name, const QString &text, const QFont &font)
{
    auto *label = new GameLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setFont(font);
    return label;
}
} // namespace

frmMain::frmMain(Game &game) : m_game(game), m_clockTimer(game.scheduler(), [this] { refreshClock(); })
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("RingGlory"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("frmMainClient"));
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, vbColor(0xE0F0F8));
    client->setPalette(palette);
    setCentralWidget(client);
    setClientSizeTwips(client, ClientWidth, ClientHeight);

    for (int i = 0; i < 2; ++i) {
        auto *bar = new ShapeWidget(ShapeWidget::Kind::Rectangle, client, QStringLiteral("BlackBar(%1)").arg(i));
        bar->setFill(Qt::black);
        placeTwips(bar, 0, i == 0 ? 420 : 2100, ClientWidth, 120);
    }
    placeTwips(centredLabel(client, QStringLiteral("Label1"), QStringLiteral("RING GLORY"), centuryFont(36)), 0, 660,
               ClientWidth, 1080);
    placeTwips(centredLabel(client, QStringLiteral("Label2"), QStringLiteral("Version 1.0.0"), centuryFont(12)), 0,
               1680, ClientWidth, 360);

    auto *newGame = new QPushButton(QStringLiteral("New Game"), client);
    newGame->setObjectName(QStringLiteral("Command1"));
    newGame->setFont(centuryFont(12));
    placeTwips(newGame, 1080, 2760, 1695, 555);
    connect(newGame, &QPushButton::clicked, this, &frmMain::newGame);

    auto *loadGame = new QPushButton(QStringLiteral("Load Game"), client);
    loadGame->setObjectName(QStringLiteral("Command2"));
    loadGame->setFont(centuryFont(12));
    placeTwips(loadGame, 3225, 2760, 1695, 555);
    connect(loadGame, &QPushButton::clicked, this, &frmMain::loadGame);

    buildMenus();
    buildStatusBar();
    refreshClock();
    m_clockTimer.setInterval(1000);
    m_clockTimer.setEnabled(true);
}

void frmMain::buildMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction *settings = file->addAction(QStringLiteral("設定(&T)..."));
    settings->setObjectName(QStringLiteral("mnuSettings"));
    connect(settings, &QAction::triggered, this, [this] { m_game.openSettings(*this); });
    file->addSeparator();
    QAction *exit = file->addAction(QStringLiteral("終了(&X)"));
    exit->setObjectName(QStringLiteral("mnuFileExit"));
    connect(exit, &QAction::triggered, this, &frmMain::exitGame);

    QMenu *help = menuBar()->addMenu(QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    help->addAction(QStringLiteral("目次(&C)"))->setObjectName(QStringLiteral("mnuHelpContents"));
    help->addAction(QStringLiteral("ﾄﾋﾟｯｸの検索(&S)..."))->setObjectName(QStringLiteral("mnuHelpSearchForHelpOn"));
    help->addAction(QStringLiteral("プレイ記録のフォルダを開く(&R)"))->setObjectName(QStringLiteral("mnuHelpReplayFolder"));
    help->addSeparator();
    help->addAction(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(&A)"))->setObjectName(QStringLiteral("mnuHelpAbout"));
    connectHelpMenu(m_game, *this);
}

void frmMain::buildStatusBar()
{
    auto *bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("sbStatusBar"));
    bar->setSizeGripEnabled(false);
    auto *text = new QLabel(QStringLiteral("Ring Glory"), bar);
    text->setObjectName(QStringLiteral("sbStatusBar(1)"));
    m_dateLabel = new QLabel(bar);
    m_dateLabel->setObjectName(QStringLiteral("sbStatusBar(2)"));
    m_timeLabel = new QLabel(bar);
    m_timeLabel->setObjectName(QStringLiteral("sbStatusBar(3)"));
    bar->addWidget(text, 1);
    bar->addPermanentWidget(m_dateLabel);
    bar->addPermanentWidget(m_timeLabel);
    // The bar starts its first panel a little in from the window's left edge and leaves the
    // right edge bare once the size grip is off: the clock keeps the same distance from it.
    m_timeLabel->setContentsMargins(0, 0, StatusBarEdge, 0);
    setStatusBar(bar);
}

void frmMain::refreshClock()
{
    const QDateTime now = QDateTime::currentDateTime();
    m_dateLabel->setText(now.toString(QStringLiteral("yyyy/MM/dd")));
    m_timeLabel->setText(now.toString(QStringLiteral("HH:mm")));
}

void frmMain::newGame()
{
    // The title is deleted once it has closed, so the career goes on through the game alone.
    Game &game = m_game;
    m_handingOver = true;
    close();
    startNewCareer(game);
}

void frmMain::loadGame()
{
    // The title is deleted once it has closed, so the load goes on through the game alone.
    Game &game = m_game;
    game.state().varTitleLoad = 1;
    m_handingOver = true;
    close();
    showCentredOver(game.loadDialog(), this);
}

void frmMain::exitGame()
{
    if (m_game.message(QStringLiteral("終了しますか？"), Prompter::Buttons::YesNo, QStringLiteral("ゲーム終了")) !=
        Prompter::Answer::Yes)
        return;
    m_game.message(QStringLiteral("お疲れさまでした。"));
    m_game.end();
}

void frmMain::storePlacement()
{
    if (isMinimized())
        return;
    const QRect frame = frameGeometry();
    Settings &settings = m_game.settings();
    settings.setValue(QStringLiteral("MainLeft"), frame.left() * TwipsPerPixel);
    settings.setValue(QStringLiteral("MainTop"), frame.top() * TwipsPerPixel);
    settings.setValue(QStringLiteral("MainWidth"), frame.width() * TwipsPerPixel);
    settings.setValue(QStringLiteral("MainHeight"), frame.height() * TwipsPerPixel);
}

void frmMain::closeEvent(QCloseEvent *event)
{
    m_clockTimer.setEnabled(false);
    m_game.hideFormsExcept(this);
    storePlacement();
    event->accept();
    if (!m_handingOver)
        m_game.end();
}
