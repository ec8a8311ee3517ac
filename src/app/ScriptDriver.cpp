#include "app/ScriptDriver.h"

#include "app/ControlJson.h"
#include "app/Game.h"
#include "app/ScriptFile.h"
#include "app/ScriptTargets.h"
#include "data/GameStateJson.h"
#include "files/SaveLoadDialog.h"
#include "options/core/OptionText.h"
#include "platform/ScriptedPrompter.h"
#include "platform/Transcript.h"
#include "platform/Twips.h"
#include "platform/core/FolderConfinement.h"
#include "platform/core/SafeFileWrite.h"
#include "replay/SessionRecorder.h"
#include "replay/core/ScriptName.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTextEdit>

#include <algorithm>
#include <optional>

namespace {
QString compactJson(const QJsonObject &object)
{
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

// The command word and the rest of the line after one space.
std::pair<QString, QString> splitCommand(const QString &line)
{
    const qsizetype space = line.indexOf(QLatin1Char(' '));
    if (space < 0)
        return {line, QString()};
    return {line.left(space), line.mid(space + 1)};
}

// The commands by which a script acts on the game as a player would; a recorder hears each as one input.
bool isInput(const QString &command)
{
    static const QStringList inputs = {
        QStringLiteral("click"),   QStringLiteral("move"),      QStringLiteral("key"),
        QStringLiteral("keydown"), QStringLiteral("keyup"),     QStringLiteral("keyrepeat"),
        QStringLiteral("text"),    QStringLiteral("cd"),        QStringLiteral("select"),
        QStringLiteral("setting"), QStringLiteral("press"),     QStringLiteral("release"),
    };
    return inputs.contains(command);
}

// A file name of the script's own folder: no path, and nothing hidden.
bool isPlainFileName(const QString &name)
{
    return !name.isEmpty() && !name.startsWith(QLatin1Char('.')) && !name.contains(QLatin1Char('/')) &&
           !name.contains(QLatin1Char('\\'));
}

// A private folder lasts only as long as the run, so its files need not outlive a crash; waiting
// for the disk at each of thousands of carried files would take minutes.
bool writeScratchFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size() &&
           file.flush();
}

// `file "NAME" BASE64`: a name in quotes, as a record writes one that has spaces or starts with them.
std::optional<std::pair<QString, QString>> quotedFileLine(const QString &rest)
{
    QString name;
    const qsizetype taken = ScriptName::readQuoted(rest, &name);
    if (taken < 0 || rest.mid(taken, 1) != QLatin1String(" "))
        return std::nullopt;
    const QString base64 = rest.mid(taken + 1);
    if (base64.isEmpty() || base64.contains(QLatin1Char(' ')))
        return std::nullopt;
    return std::pair{name, base64};
}

const QString VersionComment = QStringLiteral("# ringglory version ");
} // namespace

ScriptDriver::ScriptDriver(Game &game, ScriptedPrompter &prompter, Transcript &transcript)
    : m_game(game), m_prompter(prompter), m_transcript(transcript), m_targets(game)
{
}

ScriptDriver::~ScriptDriver()
{
    QObject::disconnect(m_dialogWatch);
    if (m_privateFolder)
        QDir::setCurrent(m_folderBefore);
}

bool ScriptDriver::run(const QString &script)
{
    // One line at a time: a script of millions of short lines never sits in memory as millions of strings.
    // A script that ends with a line end ends with an empty line, as it always has.
    int lineNumber = 0;
    for (qsizetype at = 0, next = 0; at <= script.size() && !m_game.hasEnded() && !m_halted; at = next)
        runCommand(++lineNumber, ScriptFile::lineAt(script, at, &next).toString());
    return !m_transcript.hadErrors();
}

void ScriptDriver::runCommand(int lineNumber, QString line)
{
    if (line.endsWith(QLatin1Char('\r')))
        line.chop(1);
    runLine(lineNumber, line);
    // Between commands the game gets what its event loop would give it between a player's
    // inputs: screens that closed themselves are deleted, and the updates and layouts that
    // widgets asked for are done. Left to pile up, those requests made every later command
    // search a longer queue. With no event loop running, Qt holds back a deletion asked for
    // outside any event unless deletions are asked for by name.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::sendPostedEvents();
}

void ScriptDriver::fail(const QString &message)
{
    m_transcript.error(QStringLiteral("line %1: %2").arg(m_lineNumber).arg(message));
}

void ScriptDriver::runLine(int lineNumber, const QString &rawLine)
{
    m_lineNumber = lineNumber;
    const QString trimmed = rawLine.trimmed();
    if (trimmed.startsWith(VersionComment))
        checkVersion(trimmed);
    if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
        return;
    // Leading blanks are indentation; the rest of the line stays as typed for the text commands.
    const auto [command, rest] = splitCommand(rawLine.mid(rawLine.indexOf(trimmed.front())));
    const QStringList args = rest.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (m_listingStale && command != QLatin1String("file")) {
        m_listingStale = false;
        if (auto *load = qobject_cast<SaveLoadDialog *>(m_game.form(QStringLiteral("loadFile")));
            load && load->isVisible())
            load->refreshListing();
    }

    // What the game does in answer to an input is that input's, in a record of the session.
    struct InputBracket
    {
        SessionRecorder *recorder;
        InputBracket(SessionRecorder *r, bool input) : recorder(input ? r : nullptr)
        {
            if (recorder)
                recorder->beginInput();
        }
        ~InputBracket()
        {
            if (recorder)
                recorder->endInput();
        }
        InputBracket(const InputBracket &) = delete;
        InputBracket &operator=(const InputBracket &) = delete;
    } bracket(m_recorder, isInput(command));

    if (command == QLatin1String("input")) {
        // Typed empty, the answer is an empty text, which a Cancel never is.
        m_prompter.queueInput(rest.isNull() ? QStringLiteral("") : rest);
    } else if (command == QLatin1String("input-cancel") && args.isEmpty()) {
        m_prompter.queueInputCancel();
    } else if (command == QLatin1String("answer") && args.size() == 1 &&
               (args[0] == QLatin1String("yes") || args[0] == QLatin1String("no"))) {
        m_prompter.queueAnswer(args[0] == QLatin1String("yes"));
    } else if (command == QLatin1String("click") && args.size() == 1) {
        click(args[0]);
    } else if (command == QLatin1String("move") && args.size() == 3) {
        move(args[0], args[1], args[2]);
    } else if (command == QLatin1String("key") && args.size() == 2) {
        key(args[0], args[1], {KeyStroke::Down, KeyStroke::Up});
    } else if (command == QLatin1String("keydown") && args.size() == 2) {
        key(args[0], args[1], {KeyStroke::Down});
    } else if (command == QLatin1String("keyup") && args.size() == 2) {
        key(args[0], args[1], {KeyStroke::Up});
    } else if (command == QLatin1String("keyrepeat") && args.size() == 2) {
        key(args[0], args[1], {KeyStroke::Repeat});
    } else if (command == QLatin1String("wait") && args.size() == 1) {
        wait(args[0], Clock::Advance);
    } else if (command == QLatin1String("catchup") && args.size() == 1) {
        wait(args[0], Clock::CatchUp);
    } else if (command == QLatin1String("press") && args.size() == 1) {
        press(args[0]);
    } else if (command == QLatin1String("release") && args.size() == 1) {
        release(args[0], false);
    } else if (command == QLatin1String("release") && args.size() == 2 && args[1] == QLatin1String("away")) {
        release(args[0], true);
    } else if (command == QLatin1String("close") && args.size() == 1) {
        close(args[0]);
    } else if (const auto quoted = command == QLatin1String("file") ? quotedFileLine(rest) : std::nullopt) {
        file(quoted->first, quoted->second);
    } else if (command == QLatin1String("file") && args.size() == 2) {
        file(args[0], args[1]);
    } else if (command == QLatin1String("privatefolder") && args.isEmpty()) {
        usePrivateFolder();
    } else if (command == QLatin1String("text") && !args.isEmpty()) {
        const auto [target, text] = splitCommand(rest);
        setText(target, text);
    } else if (command == QLatin1String("cd") && !args.isEmpty()) {
        const auto [formName, path] = splitCommand(rest);
        changeDirectory(formName, path);
    } else if (command == QLatin1String("select") && args.size() >= 2) {
        const auto [target, name] = splitCommand(rest);
        select(target, ScriptName::fromLineEnd(name));
    } else if (command == QLatin1String("state") && args.isEmpty()) {
        printState();
    } else if (command == QLatin1String("read") && args.size() == 1) {
        read(args[0]);
    } else if (command == QLatin1String("setting") && args.size() == 2) {
        setting(args[0], args[1]);
    } else {
        fail(QStringLiteral("cannot run \"%1\"").arg(trimmed));
    }
}

QWidget *ScriptDriver::findForm(const QString &name)
{
    const ScriptTargets::Found found = m_targets.form(name);
    if (!found.error.isEmpty())
        fail(found.error);
    return found.form;
}

QObject *ScriptDriver::findControl(const QString &target, QWidget **form)
{
    const ScriptTargets::Found found = m_targets.control(target);
    if (!found.error.isEmpty())
        fail(found.error);
    *form = found.form;
    return found.control;
}

bool ScriptDriver::checkUsable(QWidget *form, QObject *control, const QString &target)
{
    const QString why = ScriptTargets::whyUnusable(form, control, target);
    if (!why.isEmpty())
        fail(why);
    return why.isEmpty();
}

void ScriptDriver::click(const QString &target)
{
    QWidget *form = nullptr;
    QObject *control = findControl(target, &form);
    if (!control)
        return;
    if (auto *widget = qobject_cast<QWidget *>(control); widget && !widget->isHidden())
        ScriptTargets::selectTabPageOf(widget);
    if (qobject_cast<QMenu *>(control)) {
        checkUsable(form, form, target);
        return;
    }
    if (!checkUsable(form, control, target))
        return;
    if (auto *action = qobject_cast<QAction *>(control))
        action->trigger();
    else if (auto *button = qobject_cast<QAbstractButton *>(control))
        button->click();
    else
        fail(QStringLiteral("%1 cannot be clicked").arg(target));
}

void ScriptDriver::move(const QString &formName, const QString &x, const QString &y)
{
    bool xOk = false;
    bool yOk = false;
    const int left = x.toInt(&xOk);
    const int top = y.toInt(&yOk);
    if (!xOk || !yOk) {
        fail(QStringLiteral("move needs whole numbers of twips"));
        return;
    }
    QWidget *form = findForm(formName);
    if (!form || !checkUsable(form, form, formName))
        return;
    QWidget *background = ScriptTargets::background(form);
    const QPointF local(twipsToPixelsF(left), twipsToPixelsF(top));
    QMouseEvent event(QEvent::MouseMove, local, background->mapToGlobal(local), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(background, &event);
}

void ScriptDriver::key(const QString &formName, const QString &keyName, std::initializer_list<KeyStroke> strokes)
{
    // Qt's own key names, one key with or without modifiers: Space, F, J, Return, Tab, Ctrl+S.
    const QKeySequence sequence = QKeySequence::fromString(keyName, QKeySequence::PortableText);
    if (sequence.count() != 1 || sequence[0].key() == Qt::Key_unknown) {
        fail(QStringLiteral("%1 is not a key").arg(keyName));
        return;
    }
    QWidget *form = findForm(formName);
    if (!form || !checkUsable(form, form, formName))
        return;
    // Keys go to the window the player types in: it becomes the active one, with the focus
    // events that brings (a list given the focus makes its first entry the current one).
    if (QApplication::activeWindow() != form)
        QApplication::setActiveWindow(form);
    if (m_recorder)
        m_recorder->inputGoesTo(form);
    const Qt::Key code = sequence[0].key();
    const Qt::KeyboardModifiers modifiers = sequence[0].keyboardModifiers();
    // A printable key carries its character, as a keyboard's does.
    QString text;
    if (code >= Qt::Key_Space && code <= Qt::Key_AsciiTilde && !(modifiers & ~Qt::ShiftModifier))
        text = QChar(char16_t(code)).toLower();
    for (const KeyStroke stroke : strokes) {
        // The widget with the focus hears the key first, as a player's key reaches it; a
        // screen no widget of which has the focus hears it itself. A stroke may hide the screen.
        QWidget *receiver = form->focusWidget() ? form->focusWidget() : form;
        const QEvent::Type type = stroke == KeyStroke::Up ? QEvent::KeyRelease : QEvent::KeyPress;
        QKeyEvent event(type, code, modifiers, text, stroke == KeyStroke::Repeat);
        QCoreApplication::sendEvent(receiver, &event);
    }
}

void ScriptDriver::wait(const QString &ms, Clock clock)
{
    bool ok = false;
    const qint64 duration = ms.toLongLong(&ok);
    // Digits too many for a number are a wait too long, not a wait that is no number at all.
    const bool allDigits =
        !ms.isEmpty() && std::all_of(ms.cbegin(), ms.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    if ((ok && duration > MaxWaitMs) || (!ok && allDigits)) {
        fail(QStringLiteral("wait is at most %1 milliseconds (a day of game time)").arg(MaxWaitMs));
        return;
    }
    if (!ok || duration < 0) {
        fail(QStringLiteral("wait needs a whole number of milliseconds"));
        return;
    }
    if (duration > gameTimeLeft()) {
        fail(QStringLiteral("a script waits at most %1 milliseconds in all (30 days of game time)")
                 .arg(MaxScriptGameMs));
        return;
    }
    m_gameTimeAsked += duration;
    Scheduler &scheduler = m_game.scheduler();
    const qint64 from = scheduler.now();
    bool skipped = false;
    if (clock == Clock::Advance)
        scheduler.advance(duration);
    else
        skipped = scheduler.catchUpTo(std::min(from + duration, Scheduler::EndOfTime));
    // A catch-up that skipped is one of its own in the record too, not a wait.
    if (m_recorder)
        m_recorder->clockCaughtUp(from, scheduler.now(), skipped);
}

QWidget *ScriptDriver::findButton(const QString &target, bool mustBeUsable)
{
    QWidget *form = nullptr;
    QObject *control = findControl(target, &form);
    if (!control)
        return nullptr;
    auto *button = qobject_cast<QAbstractButton *>(control);
    if (!button) {
        fail(QStringLiteral("%1 is not a button").arg(target));
        return nullptr;
    }
    if (!mustBeUsable)
        return button;
    if (!button->isHidden())
        ScriptTargets::selectTabPageOf(button);
    return checkUsable(form, button, target) ? button : nullptr;
}

void ScriptDriver::press(const QString &target)
{
    QWidget *button = findButton(target, true);
    if (!button)
        return;
    const QPointF centre = QRectF(button->rect()).center();
    QMouseEvent event(QEvent::MouseButtonPress, centre, button->mapToGlobal(centre), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(button, &event);
}

void ScriptDriver::release(const QString &target, bool away)
{
    // The mouse button comes up on the button it went down on, even if that has since been
    // hidden by its own press; one that is not down takes no notice.
    QWidget *button = findButton(target, false);
    if (!button)
        return;
    // Away from the button, the mouse first leaves it with the button held, as a player's does.
    const QPointF at = away ? QPointF(-1, -1) : QRectF(button->rect()).center();
    if (away) {
        QMouseEvent leave(QEvent::MouseMove, at, button->mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(button, &leave);
    }
    QMouseEvent event(QEvent::MouseButtonRelease, at, button->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(button, &event);
}

void ScriptDriver::close(const QString &formName)
{
    QWidget *form = findForm(formName);
    if (!form || !checkUsable(form, form, formName))
        return;
    // What QWidget::close does, with the event in hand so that a recorder knows it for the input.
    QCloseEvent event;
    if (m_recorder)
        m_recorder->beginInput(&event);
    QCoreApplication::sendEvent(form, &event);
    if (event.isAccepted()) {
        form->hide();
        if (form->testAttribute(Qt::WA_DeleteOnClose))
            form->deleteLater();
    }
    if (m_recorder)
        m_recorder->endInput();
}

void ScriptDriver::file(const QString &name, const QString &base64)
{
    if (!isPlainFileName(name)) {
        fail(QStringLiteral("file needs a plain file name, not %1").arg(name));
        return;
    }
    const auto decoded = QByteArray::fromBase64Encoding(base64.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded) {
        fail(QStringLiteral("the contents of %1 are not base64").arg(name));
        return;
    }
    auto *load = qobject_cast<SaveLoadDialog *>(m_game.form(QStringLiteral("loadFile")));
    const QString path = QDir(load ? load->directory() : QDir::currentPath()).filePath(name);
    if (m_privateFolder && !liesWithinFolder(path, m_privateFolder->path())) {
        fail(QStringLiteral("%1 is outside the private folder: not written").arg(path));
        return;
    }
    QFile existing(path);
    if (existing.exists()) {
        if (existing.open(QIODevice::ReadOnly) && existing.readAll() == *decoded)
            return;
        // Outside a private folder the file may be somebody's save: it is never written over.
        if (!m_privateFolder) {
            fail(QStringLiteral("%1 is already there with other contents: left as it is").arg(path));
            return;
        }
    }
    if (!(m_privateFolder ? writeScratchFile(path, *decoded) : writeFileSafely(path, *decoded))) {
        fail(QStringLiteral("cannot write %1").arg(path));
        return;
    }
    m_listingStale = load && load->isVisible();
}

void ScriptDriver::usePrivateFolder()
{
    QString error;
    if (enterPrivateFolder(&error))
        return;
    fail(error);
    m_halted = true;
}

bool ScriptDriver::enterPrivateFolder(QString *error)
{
    if (m_privateFolder)
        return true;
    auto folder = std::make_unique<QTemporaryDir>();
    if (!folder->isValid()) {
        *error = QStringLiteral("cannot make a private folder: %1").arg(folder->errorString());
        return false;
    }
    if (m_recorder)
        m_recorder->privateFolderStarted();
    m_folderBefore = QDir::currentPath();
    QDir::setCurrent(folder->path());
    m_privateFolder = std::move(folder);
    m_prompter.confineFileBoxesTo(m_privateFolder->path());
    // Dialogs made from here on start in the folder and stay there; those that exist move there.
    for (const QString &name : {QStringLiteral("saveFile"), QStringLiteral("loadFile")}) {
        if (auto *dialog = qobject_cast<SaveLoadDialog *>(m_game.form(name))) {
            dialog->changeDirectory(m_privateFolder->path());
            confineDialog(dialog);
        }
    }
    m_dialogWatch = QObject::connect(&m_game, &Game::formRegistered, &m_game,
                                     [this](QWidget *form) { confineDialog(form); });
    return true;
}

void ScriptDriver::confineDialog(QWidget *form)
{
    if (auto *dialog = qobject_cast<SaveLoadDialog *>(form))
        dialog->confineTo(m_privateFolder ? m_privateFolder->path() : QString());
}

void ScriptDriver::leavePrivateFolder()
{
    if (!m_privateFolder)
        return;
    QObject::disconnect(m_dialogWatch);
    m_prompter.confineFileBoxesTo(QString());
    QDir::setCurrent(m_folderBefore);
    for (const QString &name : {QStringLiteral("saveFile"), QStringLiteral("loadFile")}) {
        if (auto *dialog = qobject_cast<SaveLoadDialog *>(m_game.form(name))) {
            dialog->confineTo(QString());
            dialog->changeDirectory(m_folderBefore);
        }
    }
    // An overwrite save would otherwise go into the folder that is about to vanish, and the
    // player would be told it was saved. With no file named the game asks for a new save.
    QString &career = m_game.state().varFileName;
    const QString folder = QDir(m_privateFolder->path()).canonicalPath();
    const QString careerFolder = QFileInfo(QFileInfo(career).absolutePath()).canonicalFilePath();
    if (!career.isEmpty() && (careerFolder == folder || careerFolder.startsWith(folder + QLatin1Char('/'))))
        career.clear();
    m_privateFolder.reset();
}

void ScriptDriver::checkVersion(const QString &comment)
{
    const QString recorded = comment.mid(VersionComment.size()).trimmed();
    if (recorded != QLatin1String(RINGGLORY_VERSION))
        m_transcript.write(QStringLiteral("warning"),
                           {QStringLiteral("recorded by ringglory %1, played by ringglory %2: the replay may differ")
                                .arg(recorded, QStringLiteral(RINGGLORY_VERSION))});
}

void ScriptDriver::setText(const QString &target, const QString &text)
{
    QWidget *form = nullptr;
    QObject *control = findControl(target, &form);
    if (!control || !checkUsable(form, control, target))
        return;
    if (auto *line = qobject_cast<QLineEdit *>(control))
        line->setText(text);
    else if (auto *edit = qobject_cast<QTextEdit *>(control))
        edit->setPlainText(text);
    else if (auto *combo = qobject_cast<QComboBox *>(control); combo && combo->isEditable())
        combo->setEditText(text);
    else
        fail(QStringLiteral("%1 is not a text box").arg(target));
}

void ScriptDriver::changeDirectory(const QString &formName, const QString &path)
{
    QWidget *form = findForm(formName);
    if (!form || !checkUsable(form, form, formName))
        return;
    bool changed = false;
    if (form->metaObject()->indexOfMethod("scriptChangeDirectory(QString)") < 0 ||
        !QMetaObject::invokeMethod(form, "scriptChangeDirectory", Qt::DirectConnection, Q_RETURN_ARG(bool, changed),
                                   Q_ARG(QString, path))) {
        fail(QStringLiteral("%1 has no directory list").arg(formName));
        return;
    }
    if (!changed)
        fail(QStringLiteral("%1 cannot change to %2").arg(formName, path));
}

void ScriptDriver::select(const QString &target, const QString &name)
{
    QWidget *form = nullptr;
    QObject *control = findControl(target, &form);
    if (!control || !checkUsable(form, control, target))
        return;
    if (auto *list = qobject_cast<QListWidget *>(control)) {
        const QList<QListWidgetItem *> found = list->findItems(name, Qt::MatchExactly);
        if (found.isEmpty()) {
            fail(QStringLiteral("%1 has no entry %2").arg(target, name));
            return;
        }
        list->setCurrentItem(found.first());
        emit list->itemClicked(found.first());
    } else if (auto *combo = qobject_cast<QComboBox *>(control)) {
        const int index = combo->findText(name);
        if (index < 0) {
            fail(QStringLiteral("%1 has no entry %2").arg(target, name));
            return;
        }
        // A drive of the save and load dialogs is a folder the private one is not.
        if (m_privateFolder && qobject_cast<SaveLoadDialog *>(form) &&
            !liesWithinFolder(combo->itemData(index).toString(), m_privateFolder->path())) {
            fail(QStringLiteral("%1 is outside the private folder").arg(name));
            return;
        }
        if (!(combo->model()->flags(combo->model()->index(index, 0)) & Qt::ItemIsEnabled)) {
            fail(QStringLiteral("%1 cannot choose %2").arg(target, name));
            return;
        }
        combo->setCurrentIndex(index);
    } else {
        fail(QStringLiteral("%1 is not a list").arg(target));
    }
}

void ScriptDriver::read(const QString &target)
{
    if (!target.contains(QLatin1Char('.'))) {
        if (QWidget *form = findForm(target))
            m_transcript.write(QStringLiteral("read"), {target, compactJson(formToJson(form))});
        return;
    }
    QWidget *form = nullptr;
    QObject *control = findControl(target, &form);
    if (control)
        m_transcript.write(QStringLiteral("read"), {target, compactJson(controlToJson(control))});
}

void ScriptDriver::setting(const QString &name, const QString &value)
{
    GameOptions options = m_game.options();
    if (!optionNames().contains(name)) {
        fail(QStringLiteral("no setting named %1").arg(name));
        return;
    }
    if (!setOptionText(options, name, value)) {
        fail(QStringLiteral("%1 cannot be %2").arg(name, value));
        return;
    }
    m_game.setOptions(options);
}

void ScriptDriver::printState()
{
    QJsonObject json = gameStateToJson(m_game.state());
    QJsonObject forms;
    for (QWidget *form : m_game.forms()) {
        forms[form->objectName()] = QJsonObject{{"visible", form->isVisible()}, {"enabled", form->isEnabled()}};
        // A screen with public variables of its own reports them under its name.
        if (form->metaObject()->indexOfMethod("scriptState()") >= 0) {
            QJsonObject own;
            QMetaObject::invokeMethod(form, "scriptState", Qt::DirectConnection, Q_RETURN_ARG(QJsonObject, own));
            json[form->objectName()] = own;
        }
    }
    json["forms"] = forms;
    m_transcript.write(QStringLiteral("state"), {compactJson(json)});
}
