#include "training/Setsumei.h"

#include "app/Game.h"
#include "hub/ActivityScreen.h"
#include "platform/GameLabel.h"
#include "platform/Twips.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
constexpr int ClientWidth = 4500;
constexpr int ClientHeight = 3405;
} // namespace

Setsumei::Setsumei(Game &game, ActivityScreen *screen) : m_game(game), m_screen(screen)
{
    setObjectName(QStringLiteral("Setsumei"));
    setWindowTitle(QStringLiteral("チュートリアル"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setClientSizeTwips(this, ClientWidth, ClientHeight);

    auto *title = new GameLabel(QStringLiteral("会長の説明"), this);
    title->setObjectName(QStringLiteral("Label1"));
    title->setFont(gothicFont(18));
    QPalette blue = title->palette();
    blue.setColor(QPalette::WindowText, vbColor(0xFF0000));
    title->setPalette(blue);
    placeTwips(title, 1200, 120, 2055, 375);

    auto *text = new QPlainTextEdit(this);
    text->setObjectName(QStringLiteral("lblSetsumei"));
    text->setFont(gothicFont(9, false));
    text->setReadOnly(true);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab reaches the text so that a long one scrolls by keyboard; a click still leaves the focus on OK.
    text->setFocusPolicy(Qt::TabFocus);
    placeTwips(text, 120, 600, 4215, 1695);

    m_check = new QCheckBox(QStringLiteral("次回からこの説明を表示しない"), this);
    m_check->setObjectName(QStringLiteral("Check1"));
    m_check->setFont(gothicFont(9, false));
    placeTwips(m_check, 840, 2280, 2895, 375);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setFont(gothicFont(12));
    // Enter and Space press OK from the start, as in a message box.
    ok->setAutoDefault(true);
    ok->setFocus();
    placeTwips(ok, 1800, 2760, 975, 495);
    connect(ok, &QPushButton::clicked, this, &Setsumei::close);

    // Form_Load: the activity's setup has just started its timers; they wait for OK.
    const std::optional<Activity> activity = activityOf(m_game.state().varSetsumeiNo);
    if (m_screen)
        m_screen->holdActivity();
    if (activity)
        text->setPlainText(explanation(*activity));
}

std::optional<Activity> Setsumei::activityOf(const Cell &setsumeiNo)
{
    if (setsumeiNo.isEmpty())
        return std::nullopt;
    const int number = setsumeiNo.toInt();
    if (number < ActivitySandBag || number > ActivityBout)
        return std::nullopt;
    return static_cast<Activity>(number);
}

QString Setsumei::explanation(Activity activity)
{
    switch (activity) {
    case ActivitySandBag:
        return QStringLiteral(
            "サンドバッグのある位置にパンチするのだ！真ん中にあるときはジャブ！揺れて左に動いたら左ストレート！"
            "さらに左に動いたら左フックじゃ！！さあ、コツをつかむためにとにかくやってみるのじゃ！");
    case ActivityPunchingBall:
        return QStringLiteral(
            "まずは一発パンチを当てるのじゃ！そうするとパンチングボールが動くから、ボールが真ん中に来たときに合わせて"
            "パンチするのじゃ！パンチングボールはどんどん速くなってくから動体視力のいい練習になるぞい。"
            "さあ、コツをつかむためにとにかくやってみるのじゃ！");
    case ActivitySparring:
        return QStringLiteral(
                   "相手のガードが空いているところにパンチを叩き込め！！ガードされると与えるダメージが一気に低くなるから"
                   "気を付けるのじゃ！逆にこっちもガードしなければならない！普段は「ガード」にマウスカーソルを置いて"
                   "相手の攻撃をガードするのじゃ！ガードしてる間はガードサークルが青色になるぞい。"
                   "逆にガードしてないときは赤くなってるから要注意じゃ！") +
               QStringLiteral("\r\n") +
               QStringLiteral("もしダウンしてしまったらカウントが１０になる前に「立つ！」ボタンを連打しまくるのじゃ！"
                              "まあスパーリングだからそんなに気負うこともない。とにかくコツをつかむのが大事じゃ！");
    case ActivityBout:
        return QStringLiteral("ついに試合じゃ！基本はスパーリングと変わらないが、１ラウンドじゃ終わらないから"
                              "集中力と精神力が必要じゃ！今までの練習の成果を出してがんばれ！！");
    }
    return {};
}

void Setsumei::closeEvent(QCloseEvent *event)
{
    finish();
    event->accept();
}

void Setsumei::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    GameState &state = m_game.state();
    // The flag only ever goes from shown to switched off; an unticked box leaves it alone.
    if (const std::optional<Activity> activity = activityOf(state.varSetsumeiNo);
        activity && m_check->isChecked())
        state.varSetsumeiOff[*activity] = 1;
    hide();
    deleteLater();
    if (m_screen) {
        m_screen->releaseActivity();
        m_screen->form()->setEnabled(true);
    }
    m_game.sound().play(QStringLiteral("gong.wav"));
}
