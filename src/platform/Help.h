#pragma once

#include <QString>
#include <functional>

class QWidget;

// The game's own manual, opened at its contents or at its keyword index, and the game's
// folders, opened in the desktop's file manager.
class Help
{
public:
    enum class Topic { Contents, KeywordIndex };
    // Finds a page of the manual by its file name; an empty text when it is not there.
    using Locator = std::function<QString(const QString &page)>;

    virtual ~Help() = default;

    // Opens the manual at the topic, over OPENER (the screen whose menu asked; null for none).
    // Returns an empty text when it opened, else what went wrong, in words for the player; it
    // never throws and never ends the program.
    virtual QString open(Topic topic, const QWidget *opener) = 0;
    // Opens the folder at PATH, made first if it is not there, for the player to look into.
    // Returns an empty text when it opened, else what went wrong, with the folder's place so
    // the player can find it without help; it never throws and never ends the program.
    virtual QString openFolder(const QString &path, const QWidget *opener) = 0;

    // The file name of the manual's page for the topic.
    static QString pageName(Topic topic);
    // Finds a page of the manual among the game's files: the folder "help" in the working
    // directory first, then the manual shipped with the game.
    static QString findPage(const QString &page);
    // What the player is told when a page of the manual cannot be read.
    static QString missingPageMessage(const QString &page);
    // What the player is told when the folder at PATH cannot be opened.
    static QString folderMessage(const QString &path);
};
