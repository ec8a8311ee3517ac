#include "app/Game.h"

#include "hub/MainCommand.h"
#include "platform/Transcript.h"
#include "title/frmMain.h"
#include "training/PunchingBall.h"
#include "training/SandBag.h"
#include "training/Setsumei.h"

#include <QEvent>

Game::Game(Ports ports) : m_ports(std::move(ports))
{
    m_ports.prompter->setClock(&m_scheduler);
}

Game::~Game()
{
    delete m_title.data();
    delete m_instructions.data();
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

SandBag &Game::sandBag()
{
    if (!m_sandBag) {
        m_sandBag = std::make_unique<SandBag>(*this);
        registerForm(m_sandBag.get());
    }
    return *m_sandBag;
}

PunchingBall &Game::punchingBall()
{
    if (!m_punchingBall) {
        m_punchingBall = std::make_unique<PunchingBall>(*this);
        registerForm(m_punchingBall.get());
    }
    return *m_punchingBall;
}

Setsumei &Game::openInstructions()
{
    const std::optional<Activity> activity = Setsumei::activityOf(m_state.varSetsumeiNo);
    auto *dialog = new Setsumei(*this, activity ? activityScreen(*activity) : nullptr);
    m_instructions = dialog;
    registerForm(dialog);
    dialog->show();
    return *dialog;
}

Setsumei *Game::instructions() const
{
    return m_instructions;
}

ActivityScreen *Game::activityScreen(Activity activity)
{
    switch (activity) {
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
