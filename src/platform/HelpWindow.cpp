#include "platform/HelpWindow.h"

#include "platform/CloseKeys.h"
#include "platform/Help.h"
#include "platform/ScreenScale.h"
#include "platform/Twips.h"
#include "platform/WindowFocus.h"
#include "platform/WindowPlacement.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {
QPushButton *addButton(QWidget *parent, QHBoxLayout *row, const QString &name, const QString &caption)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setFont(gothicFont(9, false));
    row->addWidget(button);
    return button;
}
} // namespace

HelpWindow::HelpWindow()
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Ring Glory ヘルプ"));
    resize(fittedSize(QSize(680, 560) * ScreenScale::factor()));
    // The window keeps the size the reader gave it, in proportion to the new scale.
    connect(&ScreenScale::instance(), &ScreenScale::changed, this, [this, shown = ScreenScale::factor()]() mutable {
        resize(fittedSize(size() * (ScreenScale::factor() / shown)));
        shown = ScreenScale::factor();
    });

    auto *layout = new QVBoxLayout(this);
    auto *buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    QPushButton *contents = addButton(this, buttons, QStringLiteral("cmdContents"), QStringLiteral("目次"));
    QPushButton *index = addButton(this, buttons, QStringLiteral("cmdIndex"), QStringLiteral("キーワード"));
    QPushButton *back = addButton(this, buttons, QStringLiteral("cmdBack"), QStringLiteral("戻る"));
    QPushButton *forward = addButton(this, buttons, QStringLiteral("cmdForward"), QStringLiteral("進む"));
    buttons->addStretch(1);
    QPushButton *close = addButton(this, buttons, QStringLiteral("cmdClose"), QStringLiteral("閉じる"));
    // Without a window manager there is no close box: the button, Esc and Ctrl+W close the window.
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    new CloseKeys(*this, *close, {Qt::Key_Escape, Qt::ControlModifier | Qt::Key_W});
    new WindowFocus(*this);

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("Browser"));
    m_browser->setFont(gothicFont(10.5, false));
    m_browser->setOpenExternalLinks(false);
    layout->addWidget(m_browser, 1);

    back->setEnabled(false);
    forward->setEnabled(false);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(contents, &QPushButton::clicked, this,
            [this] { openManualPage(Help::pageName(Help::Topic::Contents)); });
    connect(index, &QPushButton::clicked, this,
            [this] { openManualPage(Help::pageName(Help::Topic::KeywordIndex)); });
}

void HelpWindow::showPage(const QString &path, const QWidget *opener)
{
    const QFileInfo page(path);
    m_folder = page.absolutePath();
    m_browser->setSource(QUrl::fromLocalFile(page.absoluteFilePath()));
    // An open window stays where the player has put it.
    if (isVisible())
        show();
    else
        showCentredOver(*this, opener);
    raise();
    activateWindow();
}

QSize HelpWindow::fittedSize(QSize wanted) const
{
    const QScreen *shownOn = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!shownOn)
        return wanted;
    // Room is left for the frame a window manager puts around the window.
    const QSize room = shownOn->availableGeometry().size() * 9 / 10;
    return wanted.boundedTo(room);
}

QString HelpWindow::currentPage() const
{
    return m_browser->source().toLocalFile();
}

void HelpWindow::openManualPage(const QString &page)
{
    // The buttons stay within the manual the window was opened on.
    const QString path = QDir(m_folder).filePath(page);
    if (QFileInfo(path).isFile())
        m_browser->setSource(QUrl::fromLocalFile(path));
}
