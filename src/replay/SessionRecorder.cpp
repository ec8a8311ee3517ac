#include "replay/SessionRecorder.h"

#include "app/Game.h"
#include "app/ScriptFile.h"
#include "app/ScriptTargets.h"
#include "files/SaveLoadDialog.h"
#include "history/core/HistoryFile.h"
#include "options/KeyBindings.h"
#include "options/core/OptionText.h"
#include "platform/Twips.h"
#include "replay/core/ScriptName.h"

#include <QAbstractButton>
#include <QAction>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>

#include <algorithm>
#include <functional>
#include <utility>

namespace {
// The settings dialog's choices are recorded as the options they set; of its controls only the
// one that closes it is an input of its own, so the replay opens and closes it where the player did.
const QString SettingsForm = QStringLiteral("frmSettings");
const QString SettingsClose = QStringLiteral("cmdClose");
const QString LoadForm = QStringLiteral("loadFile");
const QString SaveForm = QStringLiteral("saveFile");

static_assert(RecordWriter::MaxBytes == ScriptFile::MaxBytes, "a record is as large as a script may be");
static_assert(SessionRecorder::MaxCarriedBytes < RecordWriter::MaxBytes, "a record leaves room for its inputs");

QString keyName(int key)
{
    return QKeySequence(key).toString(QKeySequence::PortableText);
}
} // namespace

SessionRecorder::SessionRecorder(Game &game, QIODevice &out, Source source, const QDateTime &start)
    : m_game(game), m_writer(out, game.scheduler().now()), m_source(source), m_options(game.options())
{
    m_writer.setProblemListener([this](RecordWriter::Problem problem, const QString &what) {
        tell(problem == RecordWriter::Problem::Full
                 ? QStringLiteral("The record of this session stops here: %1.").arg(what)
                 : QStringLiteral("The record of this session cannot be written (%1): its last lines are kept "
                                  "until they can be.")
                       .arg(what));
    });
    m_writer.writeHeader(QStringLiteral(RINGGLORY_VERSION), start);
    if (m_source == Source::Player)
        m_writer.writeSetup(QStringLiteral("privatefolder"));
    // The options a game starts with are the player's own; a replay starts from the defaults.
    const GameOptions defaults;
    for (const QString &name : optionNames()) {
        if (optionText(m_options, name) != optionText(defaults, name))
            m_writer.writeSetup(QStringLiteral("setting %1 %2").arg(name, optionText(m_options, name)));
    }
    m_writer.flush();
    for (QWidget *form : game.forms())
        attach(form);
    connect(&game, &Game::formRegistered, this, &SessionRecorder::attach);
    connect(&game, &Game::optionsChanged, this, &SessionRecorder::noteOptions);
    connect(&m_flushTimer, &QTimer::timeout, this, [this] { m_writer.flush(); });
    m_flushTimer.start(RecordWriter::FlushEveryMs);
}

SessionRecorder::~SessionRecorder()
{
    finish();
}

void SessionRecorder::finish()
{
    // An input cut short by the end of the program is written as far as it went: a menu item
    // that ended it never got to confirm itself.
    writeTickLines();
    if (m_chosenAction)
        m_lines.append(m_chosenActionLine);
    m_chosenAction = nullptr;
    m_writer.writeInputs(m_game.scheduler().now(), m_lines);
    m_lines.clear();
    m_letGo.clear();
    if (!m_writer.flush())
        tell(QStringLiteral("The record of this session is incomplete: its last %1 bytes could not be written.")
                 .arg(m_writer.unwritten()));
}

void SessionRecorder::setProblemListener(std::function<void(const QString &)> listener)
{
    m_problemListener = std::move(listener);
    const QStringList untold = std::exchange(m_untold, {});
    for (const QString &problem : untold)
        tell(problem);
}

void SessionRecorder::tell(const QString &problem)
{
    if (m_problemListener)
        m_problemListener(problem);
    else
        m_untold.append(problem);
}

void SessionRecorder::inputGoesTo(QWidget *form)
{
    m_inputForm = form;
    m_inputFormUsable = true;
}

bool SessionRecorder::usable(QWidget *form)
{
    return form && ScriptTargets::whyUnusable(form, form, form->objectName()).isEmpty();
}

void SessionRecorder::beginInput(const QEvent *event, const QObject *receiver)
{
    if (m_depth++ > 0)
        return;
    m_inputEvent = event;
    const auto *widget = qobject_cast<const QWidget *>(receiver);
    m_inputForm = widget ? widget->window() : nullptr;
    m_inputFormUsable = !widget || usable(m_inputForm);
}

void SessionRecorder::endInput()
{
    if (m_depth == 0 || --m_depth > 0)
        return;
    m_inputEvent = nullptr;
    m_inputForm = nullptr;
    m_chosenAction = nullptr;
    writeTickLines();
    // A button the mouse let go of away from it was not clicked: a held one is let go away from
    // it in the replay too, any other was never clicked at all.
    QList<qsizetype> unclicked;
    for (auto letGo = m_letGo.cbegin(); letGo != m_letGo.cend(); ++letGo) {
        if (letGo.key()->property(ActsWhileHeld).toBool())
            m_lines[letGo.value()] += QStringLiteral(" away");
        else
            unclicked.append(letGo.value());
    }
    m_letGo.clear();
    std::sort(unclicked.begin(), unclicked.end(), std::greater<>());
    for (const qsizetype line : std::as_const(unclicked))
        m_lines.removeAt(line);
    if (m_lines.isEmpty())
        return;
    m_writer.writeInputs(m_game.scheduler().now(), m_lines);
    m_lines.clear();
}

void SessionRecorder::boxOpening()
{
    m_writer.flush();
}

void SessionRecorder::boxAnswered(const QString &answerLine)
{
    m_writer.addAnswer(answerLine);
}

void SessionRecorder::clockCaughtUp(qint64 from, qint64 target, bool skipped)
{
    // Lines of a tick inside a catch-up that skipped cannot split it: they follow it.
    if (skipped) {
        m_writer.writeCatchUp(from, target);
        writeTickLines();
        return;
    }
    writeTickLines();
    m_writer.advanceTo(target);
}

QString SessionRecorder::recordedPath(const QString &path) const
{
    if (m_source == Source::Script || path.isEmpty())
        return path;
    return QFileInfo(path).fileName();
}

bool SessionRecorder::takesInput() const
{
    return !m_game.scheduler().isFiring() && !KeyBindings::isHandling();
}

void SessionRecorder::note(const QString &line, QWidget *keyForm)
{
    if (m_depth > 0) {
        m_lines.append(line);
        return;
    }
    // During a tick (a box it opened took the keyboard, say) the line waits for the tick's
    // boxes to be answered: their answers must come before the wait that reaches the tick.
    if (m_game.scheduler().isFiring()) {
        m_tickLines.append(TickLine{line, keyForm, keyForm != nullptr});
        m_tickLinesAt = m_game.scheduler().now();
        return;
    }
    writeTickLines();
    m_writer.writeInputs(m_game.scheduler().now(), {line});
}

void SessionRecorder::noteKey(QWidget *form, const QString &line)
{
    // A key given with an input counts where that input went, judged as it arrived: its own
    // handler may have hidden the screen since. A key that counts elsewhere, or by itself, is
    // judged as it counts, and one of a tick when the tick is over.
    const bool canTake = m_depth > 0 && form == m_inputForm ? m_inputFormUsable : usable(form);
    if (m_depth == 0 && m_game.scheduler().isFiring()) {
        note(line, form);
        return;
    }
    if (canTake)
        note(line);
}

void SessionRecorder::writeTickLines()
{
    if (m_tickLines.isEmpty())
        return;
    QStringList lines;
    for (const TickLine &tickLine : std::as_const(m_tickLines)) {
        if (!tickLine.isKey || usable(tickLine.keyForm))
            lines.append(tickLine.line);
    }
    m_tickLines.clear();
    if (!lines.isEmpty())
        m_writer.writeInputs(m_tickLinesAt, lines);
}

QString SessionRecorder::target(QWidget *form, const QObject *control)
{
    return form->objectName() + QLatin1Char('.') + control->objectName();
}

void SessionRecorder::attach(QWidget *form)
{
    form->installEventFilter(this);
    if (form->objectName() == SettingsForm) {
        if (auto *close = form->findChild<QAbstractButton *>(SettingsClose))
            attachButton(form, close);
        return;
    }
    if (QWidget *background = ScriptTargets::background(form); background != form)
        background->installEventFilter(this);

    for (QAbstractButton *button : form->findChildren<QAbstractButton *>()) {
        if (!button->objectName().isEmpty())
            attachButton(form, button);
    }
    for (QAction *action : form->findChildren<QAction *>()) {
        if (action->objectName().isEmpty() || action->menu())
            continue;
        connect(action, &QAction::triggered, this, [this, form, action] {
            if (action == m_chosenAction)
                m_chosenAction = nullptr;
            if (takesInput())
                note(QStringLiteral("click ") + target(form, action));
        });
    }
    // The item chosen in a menu may end the program before its own signal reaches the record:
    // the key or the mouse button that chooses it is heard first.
    for (QMenu *menu : form->findChildren<QMenu *>())
        menu->installEventFilter(this);
    for (QLineEdit *edit : form->findChildren<QLineEdit *>()) {
        if (edit->objectName().isEmpty())
            continue;
        // Typed by the player or set by a script's `text`: either is an input's. A text the game
        // sets itself in a handler is set again by the same handler in the replay, to the same effect.
        connect(edit, &QLineEdit::textChanged, this, [this, form, edit](const QString &text) {
            if (m_depth > 0 && takesInput())
                note(QStringLiteral("text %1 %2").arg(target(form, edit), text));
        });
        // Return in the save dialog's name saves, as its Open button does.
        if (form->objectName() == SaveForm) {
            connect(edit, &QLineEdit::returnPressed, this, [this, form] {
                if (takesInput())
                    note(QStringLiteral("click %1.Open").arg(form->objectName()));
            });
        }
    }
    for (QListWidget *list : form->findChildren<QListWidget *>()) {
        if (!list->objectName().isEmpty())
            attachList(form, list);
    }
    for (KeyBindings *keys : form->findChildren<KeyBindings *>()) {
        // A key counts only from the keyboard (or when a box takes the keyboard away), never by
        // itself: whenever it counts, it is the player's.
        connect(keys, &KeyBindings::counted, this, [this, form](int key, KeyBindings::Stroke stroke) {
            const QString command = stroke == KeyBindings::Stroke::Down ? QStringLiteral("keydown")
                                    : stroke == KeyBindings::Stroke::Up ? QStringLiteral("keyup")
                                                                        : QStringLiteral("keyrepeat");
            noteKey(form, QStringLiteral("%1 %2 %3").arg(command, form->objectName(), keyName(key)));
        });
    }
    if (auto *dialog = qobject_cast<SaveLoadDialog *>(form)) {
        // A player's dialogs work in the replay's own folder; a script's go where the script sent them.
        connect(dialog, &SaveLoadDialog::directoryChosen, this, [this, form](const QString &directory) {
            if (m_source == Source::Script && takesInput())
                note(QStringLiteral("cd %1 %2").arg(form->objectName(), directory));
        });
    }
}

void SessionRecorder::attachButton(QWidget *form, QAbstractButton *button)
{
    // A button that acts while it is held down (立て！ with the rise assist) is pressed and let go
    // at their own times; any other acts on its click.
    const bool actsWhileHeld = button->property(ActsWhileHeld).toBool();
    if (actsWhileHeld) {
        connect(button, &QAbstractButton::pressed, this, [this, form, button] {
            if (takesInput())
                note(QStringLiteral("press ") + target(form, button));
        });
    }
    // A click is noted as the button is let go, before its handler runs, so that it is in the
    // record even when the handler ends the program; the click that follows confirms it.
    connect(button, &QAbstractButton::released, this, [this, form, button, actsWhileHeld] {
        if (m_depth == 0 || !takesInput())
            return;
        if (actsWhileHeld) {
            note(QStringLiteral("release ") + target(form, button));
            m_letGo.insert(button, m_lines.size() - 1);
            return;
        }
        // The file about to be loaded goes into the record as it is now.
        if (form->objectName() == LoadForm && button->objectName() == QLatin1String("Open")) {
            if (auto *files = form->findChild<QListWidget *>(QStringLiteral("File1"))) {
                const QList<QListWidgetItem *> chosen = files->selectedItems();
                if (!chosen.isEmpty())
                    noteChosenSave(form, chosen.first()->text());
            }
        }
        note(QStringLiteral("click ") + target(form, button));
        m_letGo.insert(button, m_lines.size() - 1);
    });
    connect(button, &QAbstractButton::clicked, this, [this, form, button] {
        if (!takesInput())
            return;
        if (m_letGo.remove(button) == 0)
            note(QStringLiteral("click ") + target(form, button));
    });
}

void SessionRecorder::attachList(QWidget *form, QListWidget *list)
{
    connect(list, &QListWidget::itemClicked, this, [this, form, list](QListWidgetItem *item) {
        if (!takesInput() || !item)
            return;
        if (form->objectName() == LoadForm)
            noteChosenSave(form, item->text());
        else
            note(QStringLiteral("select %1 %2").arg(target(form, list), ScriptName::quoted(item->text())));
    });
}

void SessionRecorder::noteChosenSave(QWidget *form, const QString &name)
{
    auto *dialog = qobject_cast<SaveLoadDialog *>(form);
    if (!dialog)
        return;
    const QString path = QDir(dialog->directory()).filePath(name);
    const QString historyPath = historyPathFor(path);
    const QString select = QStringLiteral("select %1.File1 %2").arg(form->objectName(), ScriptName::quoted(name));
    QStringList lines;
    for (const QString &file : {path, historyPath}) {
        QFile source(file);
        if (!source.open(QIODevice::ReadOnly))
            continue;
        const QString fileName = QFileInfo(file).fileName();
        // Read no further than the record could carry, so a huge file costs neither memory nor time.
        const QByteArray contents = source.read(MaxCarriedBytes + 1);
        const bool whole = source.atEnd();
        const QByteArray digest = QCryptographicHash::hash(contents, QCryptographicHash::Sha256) + char(whole);
        // A file already carried as it is now is in the replay's folder: the replay wrote it there,
        // or saved it there itself as the session did. One left out is not tried again.
        if (const auto known = m_carried.constFind(fileName); known != m_carried.cend() && *known == digest)
            continue;
        m_carried.insert(fileName, digest);
        const QByteArray base64 = contents.toBase64();
        if (!whole || m_carriedBytes + base64.size() > MaxCarriedBytes) {
            lines << QStringLiteral("# %1 is not carried: the record holds at most %2 MiB of loaded files")
                         .arg(ScriptName::quoted(fileName))
                         .arg(MaxCarriedBytes / (1024 * 1024));
            if (!m_toldNotCarried)
                tell(QStringLiteral("%1 is too large to go into the record of this session with the files it already "
                                    "holds: a replay will not find it.")
                         .arg(fileName));
            m_toldNotCarried = true;
            continue;
        }
        m_carriedBytes += base64.size();
        lines << QStringLiteral("file %1 %2").arg(ScriptName::quoted(fileName), QString::fromLatin1(base64));
    }
    // Chosen again as it was, by the keyboard or by a second look, the file is already in the record.
    if (lines.isEmpty() && m_chosenSave == QStringList{select})
        return;
    m_chosenSave = {select};
    lines << select;
    for (const QString &line : std::as_const(lines))
        note(line);
}

void SessionRecorder::noteOptions()
{
    const GameOptions now = m_game.options();
    for (const QString &name : optionNames()) {
        const QString value = optionText(now, name);
        if (value != optionText(m_options, name))
            note(QStringLiteral("setting %1 %2").arg(name, value));
    }
    m_options = now;
}

void SessionRecorder::noteMenuChoice(QMenu *menu, const QEvent *event)
{
    if (m_depth == 0 || !takesInput())
        return;
    QAction *chosen = nullptr;
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<const QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)
            chosen = menu->activeAction();
    } else if (event->type() == QEvent::MouseButtonRelease) {
        chosen = menu->actionAt(static_cast<const QMouseEvent *>(event)->position().toPoint());
    }
    if (!chosen || chosen->menu() || chosen->objectName().isEmpty())
        return;
    // The menu's screen is the window of the bar or the menu it hangs from.
    QWidget *owner = menu;
    while (qobject_cast<QMenu *>(owner) && owner->parentWidget())
        owner = owner->parentWidget();
    m_chosenAction = chosen;
    m_chosenActionLine = QStringLiteral("click ") + target(owner->window(), chosen);
}

bool SessionRecorder::eventFilter(QObject *watched, QEvent *event)
{
    if (auto *menu = qobject_cast<QMenu *>(watched)) {
        noteMenuChoice(menu, event);
        return false;
    }
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget)
        return false;
    QWidget *form = widget->window();
    switch (event->type()) {
    case QEvent::MouseMove: {
        // Only a screen that follows the mouse (the fight's guard) hears it move.
        // A screen behind a dialog or a box does not take the move, in a replay either.
        if (ScriptTargets::background(form) != widget || !widget->hasMouseTracking() || !takesInput() || !usable(form))
            return false;
        const QPointF at = static_cast<QMouseEvent *>(event)->position();
        m_writer.writeMove(m_game.scheduler().now(), m_game.scheduler().ticksFired(), form->objectName(),
                           QStringLiteral("move %1 %2 %3")
                               .arg(form->objectName())
                               .arg(pixelsToTwips(at.x()))
                               .arg(pixelsToTwips(at.y())));
        return false;
    }
    case QEvent::Close:
        // Closed by its frame: only the close that is the input itself, not one a handler makes.
        if (widget == form && event == m_inputEvent && takesInput())
            note(QStringLiteral("close ") + form->objectName());
        return false;
    default:
        return false;
    }
}

void SessionRecorder::privateFolderStarted()
{
    m_source = Source::Player;
    note(QStringLiteral("privatefolder"));
}
