#include "app/ScriptTargets.h"

#include "app/Game.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QStackedWidget>
#include <QTabWidget>

namespace {
// A modal window (the About box) takes all input until it closes.
QWidget *modalOver(QWidget *form)
{
    QWidget *modal = QApplication::activeModalWidget();
    return modal && modal != form ? modal : nullptr;
}
// The tab control that holds the page, or null when the widget is no tab page.
QTabWidget *tabsOfPage(QWidget *page)
{
    auto *stack = qobject_cast<QStackedWidget *>(page->parentWidget());
    return stack ? qobject_cast<QTabWidget *>(stack->parentWidget()) : nullptr;
}

// Whether the widget shows on its screen once every tab page it lies on is picked.
bool visibleOnceTabPicked(QWidget *form, QWidget *widget)
{
    if (widget->isHidden())
        return false;
    for (QWidget *child = widget; child && child != form; child = child->parentWidget()) {
        if (!child->isHidden())
            continue;
        QTabWidget *tabs = tabsOfPage(child);
        const int page = tabs ? tabs->indexOf(child) : -1;
        if (page < 0 || !tabs->isTabEnabled(page))
            return false;
    }
    return true;
}
} // namespace

ScriptTargets::Found ScriptTargets::form(const QString &name) const
{
    Found found;
    found.form = m_game.form(name);
    if (!found.form)
        found.error = QStringLiteral("no screen named %1").arg(name);
    return found;
}

ScriptTargets::Found ScriptTargets::control(const QString &target) const
{
    const qsizetype dot = target.indexOf(QLatin1Char('.'));
    if (dot <= 0 || dot == target.size() - 1)
        return {nullptr, nullptr, QStringLiteral("%1 is not FORM.CONTROL").arg(target)};
    Found found = form(target.left(dot));
    if (!found.form)
        return found;
    const QString name = target.mid(dot + 1);
    found.control = found.form->findChild<QObject *>(name);
    if (!found.control)
        found.error = QStringLiteral("%1 has no control named %2").arg(target.left(dot), name);
    return found;
}

QString ScriptTargets::whyUnusable(QWidget *form, QObject *control, const QString &target)
{
    if (!form->isVisible())
        return QStringLiteral("%1 is on a hidden screen").arg(target);
    if (!form->isEnabled())
        return QStringLiteral("%1 is on a disabled screen").arg(target);
    if (QWidget *modal = modalOver(form))
        return QStringLiteral("%1 is behind the modal %2").arg(target, modal->objectName());
    if (auto *action = qobject_cast<QAction *>(control)) {
        if (!action->isVisible() || !action->isEnabled())
            return QStringLiteral("%1 is hidden or disabled").arg(target);
        return {};
    }
    // Anything else that is no widget has no place of its own: the command decides what it can do with it.
    auto *widget = qobject_cast<QWidget *>(control);
    if (!widget)
        return {};
    if (!widget->isVisibleTo(form))
        return QStringLiteral("%1 is hidden").arg(target);
    if (!widget->isEnabled())
        return QStringLiteral("%1 is disabled").arg(target);
    return {};
}

void ScriptTargets::selectTabPageOf(QWidget *control)
{
    for (QWidget *child = control; child && child->parentWidget(); child = child->parentWidget()) {
        if (QTabWidget *tabs = tabsOfPage(child)) {
            const int page = tabs->indexOf(child);
            if (page >= 0 && tabs->isTabEnabled(page))
                tabs->setCurrentIndex(page);
        }
    }
}

bool ScriptTargets::canClick(QWidget *form, QObject *control)
{
    if (!form->isVisible() || !form->isEnabled() || modalOver(form))
        return false;
    if (auto *action = qobject_cast<QAction *>(control))
        return action->isVisible() && action->isEnabled();
    auto *button = qobject_cast<QAbstractButton *>(control);
    return button && button->isEnabled() && visibleOnceTabPicked(form, button);
}

QWidget *ScriptTargets::background(QWidget *form)
{
    auto *window = qobject_cast<QMainWindow *>(form);
    return window && window->centralWidget() ? window->centralWidget() : form;
}
