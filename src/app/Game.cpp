#include "app/Game.h"

#include "ending/Ending.h"
#include "files/loadFile.h"
#include "files/saveFile.h"
#include "history/Growth.h"
#include "hub/MainCommand.h"
#include "info/MyStatus.h"
#include "info/NextEnemyData.h"
#include "info/Senseki.h"
#include "match/Spar.h"
#include "options/EnterClicks.h"
#include "options/OptionsStore.h"
#include "options/SettingsDialog.h"
#include "options/core/GameWindowSizes.h"
#include "options/core/OptionText.h"
#include "platform/ScreenScale.h"
#include "platform/Transcript.h"
#include "platform/Twips.h"
#include "platform/WindowFocus.h"
#include "platform/WindowPlacement.h"
#include "title/frmAbout.h"
#include "title/frmMain.h"
#include "training/PunchingBall.h"
#include "training/SandBag.h"
#include "training/Setsumei.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QStatusBar>
#include <algorithm>

namespace {
// A window with a menu bar takes its size from its client area, its menu and status bars;
// the sizes the bars measured at another scale are measured again. A status bar lays out its
// panels afresh only when asked to, and every other layout inside keeps what it measured
// until told, so both are told before the window takes its size.
void fitToContents(QWidget *form)
{
    for (QStatusBar *bar : form->findChildren<QStatusBar *>()) {
        QEvent request(QEvent::LayoutRequest);
        QCoreApplication::sendEvent(bar, &request);
    }
    for (QLayout *inner : form->findChildren<QLayout *>())
        inner->invalidate();
    form->layout()->invalidate();
    form->layout()->activate();
    form->resize(form->sizeHint());
}
} // namespace

template <typename Form> Form &Game::formOnFirstUse(std::unique_ptr<Form> &slot)
{
    if (!slot) {
        slot = std::make_unique<Form>(*this);
        registerForm(slot.get());
    }
    return *slot;
}

Game::Game(Ports ports) : m_ports(std::move(ports)), m_options(loadOptions(*m_ports.settings))
{
    m_ports.prompter->setClock(&m_scheduler);
    applyOptions();
}

Game::~Game()
{
    delete m_settingsDialog.data();
    delete m_title.data();
    delete m_instructions.data();
}

Prompter::Answer Game::message(const QString &text, Prompter::Buttons buttons, const QString &caption)
{
    return prompter().message(text, buttons, Prompter::Icon::None, caption);
}

void Game::setOptions(const GameOptions &options)
{
    if (options == m_options)
        return;
    m_options = options;
    saveOptions(settings(), m_options);
    applyOptions();
    emit optionsChanged();
}

void Game::applyOptions()
{
    sound().setVolume(m_options.volume, m_options.mute);
    const double factor = scaleFactor(scaleInForce());
    if (factor == ScreenScale::factor())
        return;
    // Each open window grows or shrinks about its own centre and stays on its desktop, so a
    // window made three times larger does not run off the bottom of the screen.
    QList<std::pair<QWidget *, QPoint>> centres;
    for (QWidget *form : forms())
        if (form->isVisible())
            centres.append({form, form->frameGeometry().center()});
    ScreenScale::setFactor(factor);
    // Windows with menu bars fit their contents at once, and once more when the bars have
    // taken their new fonts, which may come through the event queue.
    for (QWidget *form : forms())
        if (qobject_cast<QMainWindow *>(form)) {
            fitToContents(form);
            QMetaObject::invokeMethod(form, [form] { fitToContents(form); }, Qt::QueuedConnection);
        }
    for (const auto &[form, centre] : centres) {
        const QScreen *screen = form->screen();
        if (!screen)
            continue;
        const QSize frame = form->frameGeometry().size() - form->geometry().size() + form->size();
        QRect place(QPoint(), frame);
        place.moveCenter(centre);
        const QRect desktop = screen->availableGeometry();
        place.moveLeft(std::max(desktop.left(), std::min(place.left(), desktop.right() + 1 - place.width())));
        place.moveTop(std::max(desktop.top(), std::min(place.top(), desktop.bottom() + 1 - place.height())));
        form->move(place.topLeft());
    }
}

void Game::fitWindowsToScreen(const QSize &area)
{
    m_fitToScreen = true;
    m_fitArea = area;
    applyOptions();
}

QSize Game::screenArea() const
{
    if (!m_fitArea.isEmpty())
        return m_fitArea;
    for (const QWidget *form : forms())
        if (form->isVisible() && form->screen())
            return form->screen()->availableGeometry().size();
    const QScreen *primary = QGuiApplication::primaryScreen();
    return primary ? primary->availableGeometry().size() : QSize();
}

QSize Game::windowFrame() const
{
    QSize frame(0, 0);
    for (const QWidget *form : forms())
        if (form->isVisible())
            frame = frame.expandedTo(form->frameGeometry().size() - form->geometry().size());
    return frame;
}

QList<WindowExtent> Game::windowExtents() const
{
    QList<WindowExtent> windows = gameWindowSizes();
    // The menu and status bars of the hub and the title stand round their client areas.
    for (QWidget *form : forms())
        if (auto *main = qobject_cast<QMainWindow *>(form); main && main->centralWidget()) {
            const QWidget *client = main->centralWidget();
            const QSize bars = (main->size() - client->size()) / ScreenScale::factor();
            windows.append(
                {{wholePixelsToTwips(client->width()), wholePixelsToTwips(client->height())}, bars});
        }
    return windows;
}

bool Game::scaleFits(GameOptions::Scale scale) const
{
    const QSize area = screenArea();
    return !m_fitToScreen || area.isEmpty() || windowsFit(windowExtents(), windowFrame(), area, scale);
}

GameOptions::Scale Game::scaleInForce() const
{
    const QSize area = screenArea();
    if (!m_fitToScreen || area.isEmpty())
        return m_options.scale;
    return fittedScale(m_options.scale, windowExtents(), windowFrame(), area);
}

SettingsDialog &Game::openSettings(QWidget &owner)
{
    if (m_settingsDialog && m_settingsDialog->isVisible()) {
        m_settingsDialog->raise();
        return *m_settingsDialog;
    }
    if (!m_settingsDialog) {
        auto *dialog = new SettingsDialog(*this, owner);
        m_settingsDialog = dialog;
        registerForm(dialog);
    }
    // Just shown, it stands on top already; raising it again only makes the headless
    // platform complain that it cannot.
    showCentredOver(*m_settingsDialog, &owner);
    return *m_settingsDialog;
}

SettingsDialog *Game::settingsDialog() const
{
    return m_settingsDialog;
}

frmMain &Game::openTitle(const QWidget *opener)
{
    auto *title = new frmMain(*this);
    m_title = title;
    registerForm(title);
    showCentredOver(*title, opener);
    return *title;
}

MainCommand &Game::hub()
{
    if (!m_hub) {
        m_hub = std::make_unique<MainCommand>(*this);
        registerForm(m_hub.get());
    }
    return *m_hub;
}

saveFile &Game::saveDialog()
{
    return formOnFirstUse(m_saveDialog);
}

loadFile &Game::loadDialog()
{
    return formOnFirstUse(m_loadDialog);
}

MyStatus &Game::myStatus()
{
    return formOnFirstUse(m_myStatus);
}

NextEnemyData &Game::nextEnemyData()
{
    return formOnFirstUse(m_nextEnemyData);
}

Senseki &Game::senseki()
{
    return formOnFirstUse(m_senseki);
}

Growth &Game::growth()
{
    return formOnFirstUse(m_growth);
}

Ending &Game::ending()
{
    return formOnFirstUse(m_ending);
}

void Game::openEnding(const QWidget *opener)
{
    // The status and record screens return to the ending from now on.
    m_state.varEndFlag = 1;
    Ending &screen = ending();
    showCentredOver(screen, opener);
    screen.subOriginal();
}

frmAbout &Game::openAbout(QWidget &owner)
{
    auto *about = new frmAbout(*this, owner);
    registerForm(about);
    showCentredOver(*about, &owner);
    return *about;
}

Spar &Game::spar()
{
    return formOnFirstUse(m_spar);
}

SandBag &Game::sandBag()
{
    return formOnFirstUse(m_sandBag);
}

PunchingBall &Game::punchingBall()
{
    return formOnFirstUse(m_punchingBall);
}

Setsumei &Game::openInstructions()
{
    const std::optional<Activity> activity = Setsumei::activityOf(m_state.varSetsumeiNo);
    ActivityScreen *screen = activity ? activityScreen(*activity) : nullptr;
    auto *dialog = new Setsumei(*this, screen);
    m_instructions = dialog;
    registerForm(dialog);
    // The chairman speaks over the activity he explains.
    showCentredOver(*dialog, screen ? screen->form() : nullptr);
    return *dialog;
}

Setsumei *Game::instructions() const
{
    return m_instructions;
}

ActivityScreen *Game::activityScreen(Activity activity)
{
    switch (activity) {
    case ActivitySparring:
    case ActivityBout:
        return &spar();
    case ActivitySandBag:
        return &sandBag();
    case ActivityPunchingBall:
        return &punchingBall();
    default:
        return nullptr;
    }
}

QList<QWidget *> Game::forms() const
{
    QList<QWidget *> alive;
    for (const QPointer<QWidget> &form : m_forms)
        if (form)
            alive.append(form);
    return alive;
}

QWidget *Game::form(const QString &name) const
{
    for (QWidget *candidate : forms())
        if (candidate->objectName() == name)
            return candidate;
    return nullptr;
}

void Game::hideFormsExcept(QWidget *keep)
{
    const QList<QWidget *> all = forms();
    for (auto it = all.crbegin(); it != all.crend(); ++it)
        if (*it != keep && (*it)->isVisible())
            (*it)->hide();
}

void Game::registerForm(QWidget *form)
{
    m_forms.append(form);
    form->installEventFilter(this);
    new EnterClicks(*form);
    new WindowFocus(*form);
    emit formRegistered(form);
}

bool Game::eventFilter(QObject *watched, QEvent *event)
{
    if (m_transcript && watched->isWidgetType() && static_cast<QWidget *>(watched)->isWindow()) {
        if (event->type() == QEvent::Show)
            m_transcript->write(QStringLiteral("show"), {watched->objectName()});
        else if (event->type() == QEvent::Hide)
            m_transcript->write(QStringLiteral("hide"), {watched->objectName()});
    }
    return QObject::eventFilter(watched, event);
}
