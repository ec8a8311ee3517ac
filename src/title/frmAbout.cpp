#include "title/frmAbout.h"

#include "app/Game.h"
#include "platform/GameLabel.h"
#include "platform/LineWidget.h"
#include "platform/ScreenScale.h"
#include "platform/Twips.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

namespace {
constexpr int ClientWidth = 5730;
constexpr int ClientHeight = 2520;

// The program's emblem: a red glove-like badge with the game's initials.
QPixmap programIcon(int size)
{
    QPixmap icon(size, size);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(vbColor(0x000080), 2));
    painter.setBrush(vbColor(0x0000E0));
    painter.drawRoundedRect(QRectF(2, 2, size - 4, size - 4), size / 4.0, size / 4.0);
    // The size already holds the window scale.
    QFont font = gothicFont(size / 3.2 / ScreenScale::factor());
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(icon.rect(), Qt::AlignCenter, QStringLiteral("RG"));
    return icon;
}

QPushButton *addButton(QWidget *parent, const QString &name, const QString &caption, int left, int top, int width,
                       int height)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setFont(gothicFont(9, false));
    placeTwips(button, left, top, width, height);
    return button;
}
} // namespace

frmAbout::frmAbout(Game &game, QWidget &owner) : QDialog(&owner), m_game(game)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報 RingGlory"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Modal for the whole game, but shown without a nested event loop, so the game's clock
    // and the script driver go on while it waits for OK.
    setWindowModality(Qt::ApplicationModal);
    setClientSizeTwips(this, ClientWidth, ClientHeight);

    auto *icon = new GameLabel(this);
    icon->setObjectName(QStringLiteral("picIcon"));
    placeTwips(icon, 240, 240, 720, 720);
    icon->setPixmap(programIcon(twipsToPixels(720)));
    // Drawn afresh at each scale rather than enlarged, so it stays sharp.
    connect(&ScreenScale::instance(), &ScreenScale::changed, icon,
            [icon] { icon->setPixmap(programIcon(twipsToPixels(720))); });

    auto *title = new GameLabel(this);
    title->setObjectName(QStringLiteral("lblTitle"));
    title->setFont(gothicFont(15.75));
    placeTwips(title, 1200, 240, 3885, 480);

    auto *version = new GameLabel(this);
    version->setObjectName(QStringLiteral("lblVersion"));
    version->setFont(gothicFont(9, false));
    placeTwips(version, 1200, 780, 3885, 255);

    // An etched rule: a grey line over a white one.
    auto *shadow = new LineWidget(this, QStringLiteral("Line1(0)"), vbColor(0x808080));
    shadow->setEnds(120, 1320, 5610, 1320);
    auto *highlight = new LineWidget(this, QStringLiteral("Line1(1)"), Qt::white);
    highlight->setEnds(120, 1335, 5610, 1335);

    QPushButton *ok = addButton(this, QStringLiteral("cmdOK"), QStringLiteral("OK"), 4245, 1560, 1260, 345);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::close);
    connect(addButton(this, QStringLiteral("cmdSysInfo"), QStringLiteral("ｼｽﾃﾑ情報(&S)..."), 4245, 2010, 1260, 345),
            &QPushButton::clicked, this, &frmAbout::StartSysInfo);

    Form_Load();
}

void frmAbout::Form_Load()
{
    findChild<QLabel *>(QStringLiteral("lblTitle"))->setText(Prompter::applicationTitle());
    findChild<QLabel *>(QStringLiteral("lblVersion"))->setText(QStringLiteral("ﾊﾞｰｼﾞｮﾝ ") +
                                                                 QStringLiteral(RINGGLORY_VERSION));
}

void frmAbout::keyPressEvent(QKeyEvent *event)
{
    auto *ok = findChild<QPushButton *>(QStringLiteral("cmdOK"));
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && ok) {
        ok->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmAbout::StartSysInfo()
{
    if (!m_game.sysInfo().start())
        m_game.message(QStringLiteral("現時点ではｼｽﾃﾑ情報を使用できません"));
}
