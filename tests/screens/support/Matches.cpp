#include "support/Matches.h"

#include "hub/MainCommand.h"
#include "match/Spar.h"
#include "support/Careers.h"

#include <QAbstractButton>

Spar &startFirstBout(GameFixture &fixture)
{
    startCareer(fixture);
    fixture.state().varNextDate = 1;
    fixture.game->hub().subOriginal();
    fixture.prompter->clearRecord();
    fixture.sound->clear();
    return fixture.game->spar();
}

Spar &startSparring(GameFixture &fixture)
{
    startCareer(fixture);
    clickOn(&fixture.game->hub(), QStringLiteral("cmdCommand(2)"));
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
