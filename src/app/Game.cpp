#include "app/Game.h"

#include "files/loadFile.h"
#include "files/saveFile.h"
#include "hub/MainCommand.h"
#include "platform/Transcript.h"
#include "title/frmMain.h"

#include <QEvent>

Game::Game(Ports ports) : m_ports(std::move(ports))
{
    m_ports.prompter->setClock(&m_scheduler);
}

Game::~Game()
{
    delete m_title.data();
}

Prompter::Answer Game::message(const QString &text, Prompter::Buttons buttons, const QString &caption)
{
    return prompter().message(text, buttons, Prompter::Icon::None, caption);
}

frmMain &Game::openTitle()
{
    auto *title = new frmMain(*this);
    m_title = title;
    registerForm(title);
    title->show();
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
    if (!m_saveDialog) {
        m_saveDialog = std::make_unique<saveFile>(*this);
        registerForm(m_saveDialog.get());
    }
    return *m_saveDialog;
}

loadFile &Game::loadDialog()
{
    if (!m_loadDialog) {
        m_loadDialog = std::make_unique<loadFile>(*this);
        registerForm(m_loadDialog.get());
    }
    return *m_loadDialog;
}

ActivityScreen *Game::activityScreen(Activity)
{
    return nullptr;
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
