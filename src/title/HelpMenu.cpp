#include "title/HelpMenu.h"

#include "app/Game.h"
#include "replay/core/RecordFolder.h"

#include <QAction>
#include <QWidget>

void openHelp(Game &game, Help::Topic topic, const QWidget &screen)
{
    const QString failure = game.help().open(topic, &screen);
    if (!failure.isEmpty())
        game.message(failure);
}

void openRecordFolder(Game &game, const QWidget &screen)
{
    const QString failure = game.help().openFolder(RecordFolder::path(), &screen);
    if (!failure.isEmpty())
        game.message(failure);
}

void connectHelpMenu(Game &game, QWidget &screen)
{
    QObject::connect(screen.findChild<QAction *>(QStringLiteral("mnuHelpContents")), &QAction::triggered, &screen,
                     [&game, &screen] { openHelp(game, Help::Topic::Contents, screen); });
    QObject::connect(screen.findChild<QAction *>(QStringLiteral("mnuHelpSearchForHelpOn")), &QAction::triggered,
                     &screen, [&game, &screen] { openHelp(game, Help::Topic::KeywordIndex, screen); });
    QObject::connect(screen.findChild<QAction *>(QStringLiteral("mnuHelpReplayFolder")), &QAction::triggered, &screen,
                     [&game, &screen] { openRecordFolder(game, screen); });
    QObject::connect(screen.findChild<QAction *>(QStringLiteral("mnuHelpAbout")), &QAction::triggered, &screen,
                     [&game, &screen] { game.openAbout(screen); });
}
