#include "title/HelpMenu.h"

#include "app/Game.h"

#include <QAction>
#include <QWidget>

void openHelp(Game &game, Help::Topic topic)
{
    const QString failure = game.help().open(topic);
    if (!failure.isEmpty())
        game.message(failure);
}

void connectHelpMenu(Game &game, QWidget &screen)
{
    QObject::connect(screen.findChild<QAction *>(QStringLiteral("mnuHelpContents")), &QAction::triggered, &screen,
                     [&game] { openHelp(game, Help::Topic::Contents); });
    QObject::connect(screen.findChild<QAction *>(QStringLiteral("mnuHelpSearchForHelpOn")), &QAction::triggered,
                     &screen, [&game] { openHelp(game, Help::Topic::KeywordIndex); });
    QObject::connect(screen.findChild<QAction *>(QStringLiteral("mnuHelpAbout")), &QAction::triggered, &screen,
                     [&game, &screen] { game.openAbout(screen); });
}
