#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

class Game;
class GameLabel;
class QComboBox;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// What the save and load dialogs share: the heading and instruction, the drive list
// `Drive1` (the mounted volumes), the directory list `Dir1` (the path from the root
// down to the chosen directory, then its subdirectories), the frame `Shape1` and the
// buttons `Open` and `Cancel`. Closing the window by its frame is a Cancel. The lists
// keep the player's choice from one use of the dialog to the next.
class SaveLoadDialog : public QWidget
{
    Q_OBJECT
public:
    // The directory the directory list shows.
    QString directory() const { return m_directory; }
    // Moves the directory list to the path (a relative path starts from the directory
    // shown) and the drive list with it; false, with nothing changed, when the path is
    // not a directory that can be entered or lies outside the confinement.
    bool changeDirectory(const QString &path);
    // Keeps the lists inside folder from here on, whoever asks them to move; empty lets them go anywhere.
    void confineTo(const QString &folder) { m_confinement = folder; }
    // Lists the directory shown again, for files that have appeared in it.
    void refreshListing();
    // The script driver's `cd`: the same as changeDirectory.
    Q_INVOKABLE bool scriptChangeDirectory(const QString &path) { return changeDirectory(path); }

signals:
    // The lists have moved to the directory, by the player's choice or a script's.
    void directoryChosen(const QString &directory);

protected:
    struct Texts
    {
        QString name;
        QString caption;
        QString heading;
        QString instruction;
        QString openCaption;
    };
    // Places in twips (left, top, width, height) of the shared controls.
    struct Places
    {
        QSize client;
        QRect instruction;
        QRect frame;
        QRect drives;
        QRect directories;
        QRect open;
        QRect cancel;
    };

    static constexpr int Margin = 240;
    static constexpr int LineHeight = 330;

    SaveLoadDialog(Game &game, const Texts &texts, const Places &places);

    // The screen's own reaction to a new directory.
    virtual void directoryChanged() {}
    // The Open (or Save) button.
    virtual void openClicked() = 0;
    // The Cancel button, and closing the window by its frame.
    virtual void cancelClicked() = 0;

    // The Open (or Save) button, for a key that stands for its click.
    QPushButton *openButton() const { return m_open; }
    // Tells the player that a file or directory cannot be opened.
    void tellCannotOpen(const QString &path);
    // Puts the screen's own field (file name or file list) in the Tab order after the
    // directory list and before Open, where a player fills the dialog in.
    void placeInTabOrder(QWidget *field);

    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

    Game &m_game;

private:
    void fillDrives();
    void fillDirectories();
    void selectDriveOf(const QString &directory);
    void driveChosen(int index);
    void directoryActivated(QTreeWidgetItem *item);
    // Sizes afresh what does not grow with the fonts at a change of window scale.
    void followScale();

    GameLabel *m_instruction = nullptr;
    QComboBox *m_drives = nullptr;
    QTreeWidget *m_directories = nullptr;
    QPushButton *m_open = nullptr;
    QString m_directory;
    QString m_confinement;
};
