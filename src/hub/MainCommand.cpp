#include "hub/MainCommand.h"

#include "app/Game.h"
#include "files/loadFile.h"
#include "files/saveFile.h"
#include "history/Growth.h"
#include "hub/ActivityScreen.h"
#include "hub/core/DayRules.h"
#include "info/MyStatus.h"
#include "info/NextEnemyData.h"
#include "info/Senseki.h"
#include "platform/GameLabel.h"
#include "platform/LineWidget.h"
#include "platform/ScreenScale.h"
#include "platform/ShapeWidget.h"
#include "platform/Twips.h"
#include "platform/TwipsTabWidget.h"
#include "platform/WindowPlacement.h"
#include "title/HelpMenu.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>

namespace {
constexpr int ClientWidth = 5445;
constexpr int ClientHeight = 3195;
constexpr int TabTop = 2040;
constexpr int TabButtonTop = 480;
constexpr double RankingPointSize = 14.25;
// The row of tabs as Qt's own style draws it for the 9 pt caption at the game's own size.
constexpr int TabRowHeight = 435;
constexpr int TabButtonHeight = 495;

QLabel *addLabel(QWidget *parent, const QString &name, const QString &text, double pointSize = 9)
{
    auto *label = new GameLabel(text, parent);
    label->setObjectName(name);
    label->setFont(gothicFont(pointSize));
    return label;
}

void setTextColour(QLabel *label, quint32 bgr)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, vbColor(bgr));
    label->setPalette(palette);
}

ShapeWidget *addWhiteFrame(QWidget *parent, const QString &name, int left, int top, int width, int height)
{
    auto *shape = new ShapeWidget(ShapeWidget::Kind::RoundedRectangle, parent, name);
    shape->setFill(Qt::white);
    placeTwips(shape, left, top, width, height);
    return shape;
}
} // namespace

MainCommand::MainCommand(Game &game) : m_game(game)
{
    setObjectName(QStringLiteral("MainCommand"));
    setWindowTitle(QStringLiteral("Ring Glory"));

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("MainCommandClient"));
    setCentralWidget(client);
    setClientSizeTwips(client, ClientWidth, ClientHeight);

    buildCard(client);
    buildTabs(client);
    buildMenus();

    // Form_Load
    m_name->setText(m_game.state().Chara(CharaTable::PlayerRow, CharaTable::Name).toText());
    subMainHyoji();
}

void MainCommand::buildCard(QWidget *client)
{
    addWhiteFrame(client, QStringLiteral("Shape1"), 120, 0, 1815, 1935);
    m_name = addLabel(client, QStringLiteral("lblName"), {}, 15.75);
    m_name->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setTextColour(m_name, 0xFF0000);
    placeTwips(m_name, 120, 120, 1815, 375);

    m_nowDate = addLabel(client, QStringLiteral("lblNowDate"), {});
    placeTwips(m_nowDate, 2040, 120, 975, 255);
    m_nextDate = addLabel(client, QStringLiteral("lblNextDate"), {});
    setTextColour(m_nextDate, 0xFF0000);
    // "次の試合まであと：10日" in a bold 9 pt Gothic is about 2000 twips wide: the label
    // reaches to the card's right edge so that the day count is never cut off.
    placeTwips(m_nextDate, 3000, 120, 2295, 255);

    addWhiteFrame(client, QStringLiteral("Shape2"), 120, 480, 5175, 1455);
    m_ranking = new GameLabel(client);
    m_ranking->setObjectName(QStringLiteral("lblRanking"));
    m_ranking->setFont(gothicFont(RankingPointSize));
    connect(&ScreenScale::instance(), &ScreenScale::changed, this, [this] { showRanking(m_ranking->text()); });
    setTextColour(m_ranking, 0x0000FF);
    placeTwips(m_ranking, 240, 600, 2835, 330);
    m_warResult = addLabel(client, QStringLiteral("lblWarResult"), {});
    placeTwips(m_warResult, 3120, 600, 1950, 240);

    auto *grid = new ShapeWidget(ShapeWidget::Kind::Rectangle, client, QStringLiteral("Shape3"));
    placeTwips(grid, 240, 960, 4935, 855);
    auto *across = new LineWidget(client, QStringLiteral("Line1"));
    across->setEnds(240, 1387, 5175, 1387);
    auto *down = new LineWidget(client, QStringLiteral("Line2"));
    down->setEnds(2707, 960, 2707, 1815);

    struct Caption
    {
        const char *text;
        int left;
        int top;
        int width;
    };
    const Caption captions[4] = {
        {"体力：", 360, 1080, 720}, {"パンチ力：", 2760, 1080, 1440}, {"瞬発力：", 360, 1455, 1320}, {"根性：", 2760, 1455, 1440}};
    for (int k = 0; k < 4; ++k)
        placeTwips(addLabel(client, QStringLiteral("Label6(%1)").arg(k), QString::fromUtf8(captions[k].text)),
                   captions[k].left, captions[k].top, captions[k].width, 255);

    const QPoint valuePlaces[5] = {{1080, 1080}, {1800, 1080}, {4320, 1080}, {1800, 1455}, {4320, 1455}};
    for (int k = 0; k < 5; ++k) {
        m_status[k] = addLabel(client, QStringLiteral("lblStatus(%1)").arg(k), {});
        m_status[k]->setAlignment(Qt::AlignRight | Qt::AlignTop);
        m_status[k]->setAutoFillBackground(true);
        QPalette palette = m_status[k]->palette();
        palette.setColor(QPalette::Window, Qt::white);
        m_status[k]->setPalette(palette);
        placeTwips(m_status[k], valuePlaces[k].x(), valuePlaces[k].y(), 735, 255);
    }
    // The slash lies over the left end of the maximum, whose digits stand at its right.
    auto *slash = addLabel(client, QStringLiteral("Label1"), QStringLiteral("/"));
    placeTwips(slash, 1800, 1080, 135, 255);
}

QPushButton *MainCommand::addTabButton(QWidget *page, const QString &name, const QString &caption, int left,
                                       int width)
{
    auto *button = new QPushButton(caption, page);
    button->setObjectName(name);
    button->setFont(gothicFont(8.25));
    // The buttons stand 480 twips below the top of the tab control, which includes its tab row.
    placeTwips(button, left, TabButtonTop - TabRowHeight, width, TabButtonHeight);
    return button;
}

void MainCommand::buildTabs(QWidget *client)
{
    m_tabs = new TwipsTabWidget(TabRowHeight, client);
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    m_tabs->setFont(gothicFont(9));
    placeTwips(m_tabs, 120, TabTop, 4815, 1095);

    auto *training = new QWidget;
    training->setObjectName(QStringLiteral("SSTab1(0)"));
    m_tabs->addTab(training, QStringLiteral("練習"));
    const int trainingLefts[4] = {120, 1260, 2700, 3840};
    const int trainingWidths[4] = {1080, 1380, 1080, 615};
    const char *trainingCaptions[4] = {"サンドバック", "パンチングボール", "スパーリング", "休息"};
    for (int n = 0; n < 4; ++n) {
        QPushButton *button = addTabButton(training, QStringLiteral("cmdCommand(%1)").arg(n),
                                           QString::fromUtf8(trainingCaptions[n]), trainingLefts[n], trainingWidths[n]);
        if (n == 3)
            connect(button, &QPushButton::clicked, this, &MainCommand::rest);
        else
            connect(button, &QPushButton::clicked, this, [this, n] { startActivity(static_cast<Activity>(n)); });
    }

    auto *info = new QWidget;
    info->setObjectName(QStringLiteral("SSTab1(1)"));
    m_tabs->addTab(info, QStringLiteral("情報"));
    m_nextEnemyButton = addTabButton(info, QStringLiteral("cmdJohoNextEnemy"), QStringLiteral("次の対戦相手"), 120, 1320);
    connect(m_nextEnemyButton, &QPushButton::clicked, this, [this] { m_game.nextEnemyData().showOver(*this); });
    connect(addTabButton(info, QStringLiteral("cmdMyStatus"), QStringLiteral("自分のステータス"), 1500, 1620),
            &QPushButton::clicked, this, [this] { m_game.myStatus().showOver(*this); });
    // The record's button ends where the sparring button does, so the fourth button can stand
    // where the rest button does; it reaches a little further to hold its four characters.
    connect(addTabButton(info, QStringLiteral("cmdSenseki"), QStringLiteral("戦績"), 3180, 600), &QPushButton::clicked,
            this, [this] { m_game.senseki().showOver(*this); });
    connect(addTabButton(info, QStringLiteral("cmdGrowth"), QStringLiteral("成長記録"), 3840, 855),
            &QPushButton::clicked, this, [this] { m_game.growth().showOver(*this); });

    auto *system = new QWidget;
    system->setObjectName(QStringLiteral("SSTab1(2)"));
    m_tabs->addTab(system, QStringLiteral("システム"));
    connect(addTabButton(system, QStringLiteral("cmdSaveAs"), QStringLiteral("新規セーブ"), 120, 1080),
            &QPushButton::clicked, this, &MainCommand::openSaveDialog);
    connect(addTabButton(system, QStringLiteral("cmdSave"), QStringLiteral("上書きセーブ"), 1260, 1200),
            &QPushButton::clicked, this, &MainCommand::overwriteSave);
    connect(addTabButton(system, QStringLiteral("cmdLoad"), QStringLiteral("ロード"), 2520, 900),
            &QPushButton::clicked, this, &MainCommand::openLoadDialog);
    connect(addTabButton(system, QStringLiteral("cmdSyuryo"), QStringLiteral("終了"), 3480, 900),
            &QPushButton::clicked, this, &MainCommand::quit);
    m_tabs->setCurrentIndex(0);
}

void MainCommand::buildMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction *open = file->addAction(QStringLiteral("ﾃﾞｰﾀを開く(&O)"));
    open->setObjectName(QStringLiteral("mnuFileOpen"));
    connect(open, &QAction::triggered, this, &MainCommand::openLoadDialog);
    file->addSeparator();
    QAction *save = file->addAction(QStringLiteral("上書き保存(&S)"));
    save->setObjectName(QStringLiteral("mnuFileSave"));
    connect(save, &QAction::triggered, this, &MainCommand::overwriteSave);
    QAction *saveAs = file->addAction(QStringLiteral("名前を付けて保存(&A)..."));
    saveAs->setObjectName(QStringLiteral("mnuFileSaveAs"));
    connect(saveAs, &QAction::triggered, this, &MainCommand::openSaveDialog);
    file->addSeparator();
    QAction *settings = file->addAction(QStringLiteral("設定(&T)..."));
    settings->setObjectName(QStringLiteral("mnuSettings"));
    connect(settings, &QAction::triggered, this, [this] { m_game.openSettings(*this); });
    file->addSeparator();
    QAction *exit = file->addAction(QStringLiteral("終了(&X)"));
    exit->setObjectName(QStringLiteral("mnuFileExit"));
    connect(exit, &QAction::triggered, this, &MainCommand::quit);

    QMenu *help = menuBar()->addMenu(QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    help->addAction(QStringLiteral("目次(&C)"))->setObjectName(QStringLiteral("mnuHelpContents"));
    help->addAction(QStringLiteral("ﾄﾋﾟｯｸの検索(&S)..."))->setObjectName(QStringLiteral("mnuHelpSearchForHelpOn"));
    help->addAction(QStringLiteral("プレイ記録のフォルダを開く(&R)"))->setObjectName(QStringLiteral("mnuHelpReplayFolder"));
    help->addSeparator();
    help->addAction(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(&A)"))->setObjectName(QStringLiteral("mnuHelpAbout"));
    connectHelpMenu(m_game, *this);
}

void MainCommand::showRanking(const QString &title)
{
    // The longest titles (日本ランキング１０位) would run into the record beside them.
    m_ranking->setText(title);
    m_ranking->setFont(gothicFont(RankingPointSize));
    m_ranking->shrinkToFit();
}

void MainCommand::refreshCareer()
{
    m_name->setText(m_game.state().Chara(CharaTable::PlayerRow, CharaTable::Name).toText());
    subMainHyoji();
}

void MainCommand::subMainHyoji()
{
    const GameState &state = m_game.state();
    const int player = CharaTable::PlayerRow;
    showRanking(state.Chara(player, CharaTable::Ranking).toText());
    for (int k = 0; k < 5; ++k)
        m_status[k]->setText(state.Chara(player, k + 2).toText());
    m_warResult->setText(QStringLiteral("戦績：") + state.Chara(player, CharaTable::Wins).toText() +
                         QStringLiteral("勝") + state.Chara(player, CharaTable::Losses).toText() +
                         QStringLiteral("敗") + state.Chara(player, CharaTable::Draws).toText() +
                         QStringLiteral("分"));
    m_nowDate->setText(state.varNowDate.toText() + QStringLiteral("日目"));
    if (state.varNextDate.toInt() < 0) {
        m_nextDate->hide();
        m_nextEnemyButton->setEnabled(false);
    } else {
        m_nextDate->setText(QStringLiteral("次の試合まであと：") + state.varNextDate.toText() + QStringLiteral("日"));
        m_nextDate->show();
        m_nextEnemyButton->setEnabled(true);
    }
}

void MainCommand::rest()
{
    GameState &state = m_game.state();
    Cell &strength = state.Chara(CharaTable::PlayerRow, CharaTable::Strength);
    const int maximum = state.Chara(CharaTable::PlayerRow, CharaTable::MaxStrength).toInt();
    const int gain = restGain(maximum);
    strength = strengthAfterRest(strength.toInt(), maximum);
    m_game.history().recordDay(state, DayKind::Rest);
    m_game.message(QStringLiteral("ゆっくり休憩して体を休めた。\r\n(%1ポイント体力が回復した。)").arg(gain));
    subOriginal();
}

void MainCommand::startActivity(Activity activity)
{
    ActivityScreen *screen = m_game.activityScreen(activity);
    if (!screen)
        return;
    GameState &state = m_game.state();
    hide();
    showCentredOver(*screen->form(), this);
    if (activity == ActivitySparring)
        state.varSparMode = SparModeSparring;
    screen->subOriginal();
    if (state.varSetsumeiOff[activity] == 0) {
        // The activity waits, visible but disabled, until the chairman's OK rings the gong.
        screen->form()->setEnabled(false);
        state.varSetsumeiNo = activity;
        m_game.openInstructions();
    } else {
        m_game.sound().play(QStringLiteral("gong.wav"));
    }
}

void MainCommand::subOriginal()
{
    GameState &state = m_game.state();
    advanceCalendar(state);
    subMainHyoji();
    if (!isFightDay(state))
        return;
    m_game.message(QStringLiteral("会長「さあ、試合の日だ！ベストを尽くせよ！」"));
    state.varSparMode = SparModeBout;
    startBout();
}

void MainCommand::startBout()
{
    ActivityScreen *spar = m_game.activityScreen(ActivityBout);
    if (!spar)
        return;
    hide();
    spar->subOriginal();
    showCentredOver(*spar->form(), this);
    // With the bout's instructions switched off the bout simply runs, without a gong.
    GameState &state = m_game.state();
    if (state.varSetsumeiOff[ActivityBout] == 0) {
        spar->form()->setEnabled(false);
        state.varSetsumeiNo = ActivityBout;
        m_game.openInstructions();
    }
}

void MainCommand::subNextEnemyMsgBox()
{
    const GameState &state = m_game.state();
    m_game.message(QStringLiteral("会長「次の試合相手は") + state.Chara(state.varNextEnemy, CharaTable::Name).toText() +
                   QStringLiteral("。試合はあと") + state.varNextDate.toText() + QStringLiteral("日後だ！」"));
}

void MainCommand::overwriteSave()
{
    if (m_game.state().varFileName.isEmpty()) {
        m_game.message(QStringLiteral("ファイルが選択されていません。\r\n先に新規セーブをしてください。"));
        return;
    }
    // The player hears of success only once the file is written; a failure was told by the writer.
    if (m_game.saveDialog().subSaveFile())
        m_game.message(QStringLiteral("「") + m_game.state().varFileName + QStringLiteral("」に上書きセーブしました。"));
}

void MainCommand::openSaveDialog()
{
    setEnabled(false);
    showCentredOver(m_game.saveDialog(), this);
}

void MainCommand::openLoadDialog()
{
    setEnabled(false);
    showCentredOver(m_game.loadDialog(), this);
}

void MainCommand::quit()
{
    if (m_game.message(QStringLiteral("終了しますか？"), Prompter::Buttons::YesNo, QStringLiteral("ゲーム終了")) !=
        Prompter::Answer::Yes)
        return;
    m_game.message(QStringLiteral("お疲れさまでした。"));
    m_game.end();
}

void MainCommand::closeEvent(QCloseEvent *event)
{
    // The window stays unless the player confirms; a confirmed quit ends the program itself.
    event->ignore();
    quit();
}
