#pragma once

#include "options/core/GameOptions.h"
#include "replay/core/RecordWriter.h"

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <functional>

class Game;
class QAbstractButton;
class QAction;
class QEvent;
class QIODevice;
class QListWidget;
class QMenu;
class QWidget;

// Records a session as the script that plays it again: every input that reaches the game's
// screens (clicks, menu items, keys, mouse moves over the fight screen, texts typed, files
// chosen, windows closed) at its game time, the answers of the boxes before the input that
// opened them, and a copy of each save file as the player chose it for loading.
//
// An input is what happens between beginInput() and endInput(): the real game brackets each
// event the window system delivers, the script driver each command. What a tick's handler or
// a key's handler does by itself is its consequence, not an input, and is not recorded.
class SessionRecorder : public QObject
{
    Q_OBJECT
public:
    // Who gives the inputs. A player's record keeps its files in a private folder when played
    // back, so a replay never writes where the player keeps their saves; a script's record goes
    // to the folders its script named, so both end with the same career.
    enum class Source { Player, Script };

    // The property that marks a button acting while it is held down, not only on its click:
    // its press and release are recorded at their own times.
    static constexpr const char *ActsWhileHeld = "actsWhileHeld";
    // The most that copies of loaded files take in one record, so that with its inputs it stays
    // within what a replay reads.
    static constexpr qint64 MaxCarriedBytes = 24 * 1024 * 1024;

    // Records from the game's time now: a record that goes on from another, for one.
    SessionRecorder(Game &game, QIODevice &out, Source source, const QDateTime &start);
    // Writes the time up to now and pushes the record to its file.
    ~SessionRecorder() override;
    // Writes what has been noted, the input in progress included, and pushes it to the file:
    // the program is about to end.
    void finish();
    // A script moved the session's files into a private folder: so does its record, and the
    // dialogs' folders are no longer recorded.
    void privateFolderStarted();

    // Told once each, with a sentence for the player, when the record cannot be written, has
    // reached the size a replay reads, or leaves out a loaded file.
    // Problems found before there was a listener are told to it at once.
    void setProblemListener(std::function<void(const QString &)> listener);

    // An input begins: EVENT is the event that carries it and RECEIVER the object the window
    // system gives it to (null when none is known: the script driver has checked its target).
    void beginInput(const QEvent *event = nullptr, const QObject *receiver = nullptr);
    // The input in progress goes to FORM, which the script driver has found able to take it.
    void inputGoesTo(QWidget *form);
    // The input has been handled; what it did is written.
    void endInput();

    // A box is about to open and wait for the player: the record so far is pushed to the file.
    void boxOpening();
    // The answer a box got, as the driver's command that gives it.
    void boxAnswered(const QString &answerLine);
    // The clock caught up from `from` to `target`; skipped when a timer skipped ahead.
    void clockCaughtUp(qint64 from, qint64 target, bool skipped);

    // A save file's path as the record gives it: in a player's record only its name, since
    // the replay keeps its files in a folder of its own.
    QString recordedPath(const QString &path) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void attach(QWidget *form);
    void attachButton(QWidget *form, QAbstractButton *button);
    void attachList(QWidget *form, QListWidget *list);
    // An input's line; outside any input (a key let go by a timer, say) it is written at once.
    // KEYFORM is the screen of a key's line: one a tick leaves hidden, disabled or behind a box
    // cannot take that key in a replay, and it lets go of its keys there by itself.
    void note(const QString &line, QWidget *keyForm = nullptr);
    void noteKey(QWidget *form, const QString &line);
    // A key or a mouse button that chooses an item of the menu.
    void noteMenuChoice(QMenu *menu, const QEvent *event);
    // Whether the driver could give that screen an input now.
    static bool usable(QWidget *form);
    void tell(const QString &problem);
    void writeTickLines();
    void noteOptions();
    // The save file chosen in the load dialog, carried into the record with its history.
    void noteChosenSave(QWidget *form, const QString &name);
    // Whether a signal now is the player's doing, not a consequence of a tick or a key.
    bool takesInput() const;
    static QString target(QWidget *form, const QObject *control);

    Game &m_game;
    RecordWriter m_writer;
    Source m_source;
    GameOptions m_options;
    int m_depth = 0;
    const QEvent *m_inputEvent = nullptr;
    // The screen the input in progress was given to, and whether it could take one then.
    QPointer<QWidget> m_inputForm;
    bool m_inputFormUsable = true;
    QStringList m_lines;
    // Lines noted during a tick, and the tick's time.
    struct TickLine
    {
        QString line;
        QPointer<QWidget> keyForm;
        // A key's line stays one when its screen is gone.
        bool isKey = false;
    };
    QList<TickLine> m_tickLines;
    qint64 m_tickLinesAt = 0;
    // Buttons let go of in this input, with the line that notes it, until their click confirms it.
    QHash<QAbstractButton *, qsizetype> m_letGo;
    // The line that last chose a save in the record.
    QStringList m_chosenSave;
    // A digest of the contents each file name was last carried (or left out) with, and whether
    // they were whole; and the bytes carried so far.
    QHash<QString, QByteArray> m_carried;
    qint64 m_carriedBytes = 0;
    // A menu item chosen in this input, noted once it has acted, or when it ends the program first.
    QPointer<QAction> m_chosenAction;
    QString m_chosenActionLine;
    std::function<void(const QString &)> m_problemListener;
    QStringList m_untold;
    bool m_toldNotCarried = false;
    // Pushes the record to its file every second of wall time, for a game that waits on the
    // player with no timer running, when no game time passes at all.
    QTimer m_flushTimer;
};
