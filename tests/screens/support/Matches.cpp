#include "support/Matches.h"

#include "hub/MainCommand.h"
#include "match/Spar.h"
#include "support/Careers.h"
#include "training/Setsumei.h"

#include <QAbstractButton>
#include <QCoreApplication>

namespace {
// The chairman's instructions come first on a new career: the player reads them and presses OK.
void dismissInstructions(GameFixture &fixture)
{
    if (Setsumei *instructions = fixture.game->instructions())
        clickOn(instructions, QStringLiteral("Command1"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
} // namespace

Spar &startFirstBout(GameFixture &fixture)
{
    startCareer(fixture);
    fixture.state().varNextDate = 1;
    fixture.game->hub().subOriginal();
    dismissInstructions(fixture);
    fixture.prompter->clearRecord();
    fixture.sound->clear();
    return fixture.game->spar();
}

Spar &startSparring(GameFixture &fixture)
{
    startCareer(fixture);
    clickOn(&fixture.game->hub(), QStringLiteral("cmdCommand(2)"));
    dismissInstructions(fixture);
    fixture.prompter->clearRecord();
    fixture.sound->clear();
    return fixture.game->spar();
}

bool clickOn(QWidget *form, const QString &control)
{
    auto *button = form->findChild<QAbstractButton *>(control);
    if (!button || !form->isVisible() || !form->isEnabled() || !button->isVisibleTo(form) || !button->isEnabled())
        return false;
    button->click();
    return true;
}
