#include "support/Careers.h"

#include "title/frmMain.h"

#include <QAbstractButton>
#include <QCoreApplication>

void startCareer(GameFixture &fixture, const QString &name, const QString &birthplace)
{
    frmMain &title = fixture.game->openTitle();
    fixture.prompter->queueInput(name);
    fixture.prompter->queueInput(birthplace);
    title.findChild<QAbstractButton *>(QStringLiteral("Command1"))->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    fixture.prompter->clearRecord();
    fixture.sound->clear();
}
