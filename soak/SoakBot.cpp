#include "SoakBot.h"

#include "app/Game.h"
#include "app/GamePorts.h"
#include "app/ScriptDriver.h"
#include "app/ScriptTargets.h"
#include "data/GameStateJson.h"
#include "platform/ScriptedPrompter.h"
#include "platform/Twips.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QRegularExpression>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {
const QString FightDayMessage = QStringLiteral("会長「さあ、試合の日だ！ベストを尽くせよ！」");

// Variables a save file does not hold: those of the match under way and of the process.
const QStringList UnsavedVariables = {
    QStringLiteral("varEnHP"),        QStringLiteral("varEnPower"),  QStringLiteral("varEnQuick"),
    QStringLiteral("varEnGuts"),      QStringLiteral("varEnDamage"), QStringLiteral("varMyDamage"),
    QStringLiteral("varClockSec"),    QStringLiteral("varClockMin"), QStringLiteral("varDownCount"),
    QStringLiteral("varWakeUpCount"), QStringLiteral("varFileName"), QStringLiteral("varTitleLoad"),
    QStringLiteral("varEndFlag"),
};

// A saved text of the form of a whole number reads back as that number and an empty text
// as an empty cell; the game shows both alike, so the comparison does too.
QJsonValue asShown(const QJsonValue &value)
{
    if (value.isArray()) {
        QJsonArray shown;
        const QJsonArray items = value.toArray();
        for (const QJsonValue item : items)
            shown.append(asShown(item));
        return shown;
    }
    if (!value.isString())
        return value;
    const QString text = value.toString();
    if (text.isEmpty())
        return QJsonValue::Null;
    static const QRegularExpression wholeNumber(QStringLiteral("^ *-?[0-9]+ *$"));
    bool ok = false;
    const int number = text.trimmed().toInt(&ok);
    if (ok && wholeNumber.match(text).hasMatch())
        return number;
    return value;
}

// The career as a save file holds it and as the game shows it.
QJsonObject savedCareer(const GameState &state)
{
    QJsonObject career;
    const QJsonObject all = gameStateToJson(state);
    for (auto it = all.begin(); it != all.end(); ++it)
        if (!UnsavedVariables.contains(it.key()))
            career[it.key()] = asShown(it.value());
    return career;
}

qint64 wallMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Names for the boxes: letters a save file keeps as they are, a few of them digits.
const QString NameLetters = QStringLiteral("山田太郎花子東京大阪静岡浜松鈴木佐藤高橋アイウエオカキクケコサシスセソ"
                                           "ＡＢＣａｂｃABCxyzぼくさーﾎﾞｸｻｰ12");
} // namespace

SoakBot::SoakBot(Options options, QTextStream &log)
    : m_options(std::move(options)), m_log(log), m_random(m_options.seed)
{
    m_folder.setAutoRemove(true);
}

SoakBot::~SoakBot()
{
    m_driver.reset();
    m_game.reset();
}

quint64 SoakBot::draw()
{
    // SplitMix64: the bot's own chance, apart from the game's, the same on every machine.
    quint64 z = (m_random += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

QList<QWidget *> SoakBot::screensInCharge(const Game &game)
{
    const QList<QWidget *> forms = game.forms();
    if (QWidget *modal = QApplication::activeModalWidget(); modal && forms.contains(modal->window()))
        return {modal->window()};
    QList<QWidget *> inCharge;
    for (QWidget *form : forms)
        if (form->isVisible() && form->isEnabled())
            inCharge.append(form);
    return inCharge;
}

// Plays a little in throwaway games to learn which screens this build of the game has,
// so the checks that need them wait until they are part of the game.
void SoakBot::probeBuild()
{
    QString output;
    QTextStream stream(&output);
    Transcript transcript(stream);
    {
        ScriptedPrompter *prompter = nullptr;
        Game game(scriptedPorts(&transcript, &prompter));
        ScriptDriver driver(game, *prompter, transcript);
        m_hasFightScreen = game.activityScreen(ActivityBout) != nullptr;
        game.openTitle();
        prompter->queueInput(QStringLiteral("山田"));
        prompter->queueInput(QStringLiteral("東京"));
        driver.runCommand(1, QStringLiteral("click frmMain.Command1"));
        driver.runCommand(2, QStringLiteral("click MainCommand.cmdSaveAs"));
        m_hasSaveDialog = game.form(QStringLiteral("saveFile")) != nullptr;
    }
    {
        ScriptedPrompter *prompter = nullptr;
        Game game(scriptedPorts(&transcript, &prompter));
        ScriptDriver driver(game, *prompter, transcript);
        game.openTitle();
        driver.runCommand(1, QStringLiteral("click frmMain.Command2"));
        m_hasLoadDialog = game.form(QStringLiteral("loadFile")) != nullptr;
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // Without a load dialog, Load Game closes the title onto nothing: a road not built yet, not a fault to
    // find.
    if (!m_hasLoadDialog)
        m_avoid.append(QStringLiteral("frmMain.Command2"));
    auto yesNo = [](bool has) { return has ? "yes" : "no"; };
    m_log << "soak: this build has a fight screen: " << yesNo(m_hasFightScreen)
          << ", a save dialog: " << yesNo(m_hasSaveDialog) << ", a load dialog: " << yesNo(m_hasLoadDialog) << '\n';
    if (!m_avoid.isEmpty())
        m_log << "soak: not clicked while this build lacks their screens: " << m_avoid.join(QLatin1String(", "))
              << '\n';
    m_log.flush();
}

void SoakBot::newGame()
{
    ++m_figures.games;
    m_gameFolder = m_folder.filePath(QStringLiteral("game-%1").arg(m_figures.games));
    QDir().mkpath(m_gameFolder);
    // Saves the bot did not aim anywhere land in the game's own folder, never in the caller's.
    QDir::setCurrent(m_gameFolder);
    {
        const std::lock_guard<std::mutex> lock(m_replayLock);
        m_replay = QStringList{QStringLiteral("# soak bot, seed %1, game %2: replay in an empty folder with "
                                              "ringglory --script FILE")
                                   .arg(m_options.seed)
                                   .arg(m_figures.games)};
    }
    m_output.clear();
    m_game = std::make_unique<Game>(scriptedPorts(&m_transcript, &m_prompter));
    m_transcript.setClock(&m_game->scheduler());
    m_game->setTranscript(&m_transcript);
    m_driver = std::make_unique<ScriptDriver>(*m_game, *m_prompter, m_transcript);
    m_game->openTitle();
    m_boutsOpen = 0;
    m_lastRecordCount = 0;
    m_lastDay = 0;
    m_careerOn = false;
}

void SoakBot::endGame()
{
    m_figures.gameMs += m_game->scheduler().now();
    m_game->setTranscript(nullptr);
    m_driver.reset();
    m_game.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool SoakBot::run()
{
    if (!m_folder.isValid()) {
        m_log << "soak: cannot make a temporary folder\n";
        m_log.flush();
        return false;
    }
    const QString callerFolder = QDir::currentPath();
    probeBuild();
    std::thread watchdog([this] { watch(); });
    newGame();
    for (m_step = 1; m_step <= m_options.steps; ++m_step) {
        if (m_game->hasEnded()) {
            endGame();
            newGame();
        }
        m_stepStartedMs = wallMs();
        takeStep();
        m_stepStartedMs = -1;
        ++m_figures.steps;
        if (!m_violation.isEmpty())
            break;
    }
    m_stopWatching = true;
    watchdog.join();
    QDir::setCurrent(callerFolder);
    if (!m_violation.isEmpty()) {
        // The game's folder stays, so a replay that saves or loads finds what the bot left.
        m_folder.setAutoRemove(false);
        report(m_violation);
        return false;
    }
    endGame();
    return true;
}

void SoakBot::takeStep()
{
    const QList<QWidget *> inCharge = screensInCharge(*m_game);
    QWidget *screen = inCharge.size() == 1 ? inCharge.first() : nullptr;
    const QStringList clickable = clickableTargets();
    const int roll = below(100);
    if (roll < 2 && m_hasSaveDialog && m_hasLoadDialog && screen &&
        screen->objectName() == QLatin1String("MainCommand") && m_careerOn)
        saveAndLoad();
    else if (roll < 62 && !clickable.isEmpty())
        click(clickable.at(below(int(clickable.size()))));
    else if (roll < 77 && screen)
        moveMouse(screen);
    else
        waitAWhile();
}

QStringList SoakBot::clickableTargets() const
{
    QStringList targets;
    const ScriptTargets finder(*m_game);
    for (QWidget *form : screensInCharge(*m_game)) {
        QStringList names;
        for (const QAbstractButton *button : form->findChildren<QAbstractButton *>())
            names.append(button->objectName());
        for (const QAction *action : form->findChildren<QAction *>())
            names.append(action->objectName());
        names.removeDuplicates();
        for (const QString &name : names) {
            if (name.isEmpty() || name.contains(QLatin1Char(' ')))
                continue;
            const QString target = form->objectName() + QLatin1Char('.') + name;
            // The driver takes the first control of that name, so the bot judges that one.
            const ScriptTargets::Found found = finder.control(target);
            if (found.form == form && ScriptTargets::canClick(found.form, found.control) && !m_avoid.contains(target))
                targets.append(target);
        }
    }
    return targets;
}

bool SoakBot::runLine(const QString &line)
{
    {
        const std::lock_guard<std::mutex> lock(m_replayLock);
        m_replay.append(line);
    }
    m_output.clear();
    m_driver->runCommand(int(m_replay.size()), line);
    ++m_figures.lines;
    m_violation = checkAfterLine(line);
    return m_violation.isEmpty();
}

void SoakBot::click(const QString &target)
{
    if (keepAnswersQueued())
        runLine(QStringLiteral("click ") + target);
}

bool SoakBot::keepAnswersQueued()
{
    while (m_prompter->pendingAnswers() < 2)
        if (!runLine(below(8) == 0 ? QStringLiteral("answer yes") : QStringLiteral("answer no")))
            return false;
    while (m_prompter->pendingInputs() < 6) {
        const int kind = below(10);
        const QString line = kind == 0   ? QStringLiteral("input-cancel")
                             : kind == 1 ? QStringLiteral("input ") + unacceptableName()
                                         : QStringLiteral("input ") + newName();
        if (!runLine(line))
            return false;
    }
    return true;
}

QString SoakBot::newName()
{
    QString name;
    const int length = 1 + below(5);
    for (int i = 0; i < length; ++i)
        name.append(NameLetters.at(below(int(NameLetters.size()))));
    return name;
}

QString SoakBot::unacceptableName()
{
    switch (below(5)) {
    case 0:
        return {};
    case 1:
        return newName() + newName() + QStringLiteral("長すぎる名前");
    case 2:
        return newName() + QLatin1Char(',') + newName();
    case 3:
        return QLatin1Char('"') + newName();
    default:
        return QStringLiteral("  ") + newName();
    }
}

void SoakBot::moveMouse(QWidget *form)
{
    const QWidget *background = ScriptTargets::background(form);
    const int x = below(pixelsToTwips(background->width()) + 1);
    const int y = below(pixelsToTwips(background->height()) + 1);
    runLine(QStringLiteral("move %1 %2 %3").arg(form->objectName()).arg(x).arg(y));
}

void SoakBot::waitAWhile()
{
    // Mostly moments, sometimes seconds, now and then most of a round.
    const int kind = below(10);
    const int ms = kind < 4 ? below(301) : kind < 8 ? 100 + below(2901) : 3000 + below(27001);
    runLine(QStringLiteral("wait %1").arg(ms));
}

void SoakBot::saveAndLoad()
{
    const QString name = QStringLiteral("soak%1").arg(++m_saveCounter);
    const QString folder = QDir::toNativeSeparators(m_gameFolder);
    if (!runLine(QStringLiteral("click MainCommand.cmdSaveAs")) || !runLine(QStringLiteral("cd saveFile ") + folder) ||
        !runLine(QStringLiteral("text saveFile.Text1 ") + name) || !runLine(QStringLiteral("click saveFile.Open")))
        return;
    const QJsonObject saved = savedCareer(m_game->state());
    if (!keepAnswersQueued() || !runLine(QStringLiteral("click MainCommand.cmdLoad")) ||
        !runLine(QStringLiteral("cd loadFile ") + folder) ||
        !runLine(QStringLiteral("select loadFile.File1 ") + name + QStringLiteral(".sav")) ||
        !runLine(QStringLiteral("click loadFile.Open")))
        return;
    if (const QString differs = careerDifference(saved, savedCareer(m_game->state())); !differs.isEmpty())
        m_violation = QStringLiteral("the career loaded back from %1.sav differs: %2").arg(name, differs);
}

QString SoakBot::careerDifference(const QJsonObject &expected, const QJsonObject &actual)
{
    QStringList keys;
    for (auto it = expected.begin(); it != expected.end(); ++it)
        if (actual.value(it.key()) != it.value())
            keys.append(it.key());
    for (auto it = actual.begin(); it != actual.end(); ++it)
        if (!expected.contains(it.key()))
            keys.append(it.key());
    return keys.join(QLatin1String(", "));
}

QString SoakBot::checkAfterLine(const QString &line)
{
    int announced = 0;
    for (const QString &event : m_output.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList fields = event.split(QLatin1Char('\t'));
        const QString kind = fields.value(1);
        if (kind == QLatin1String("error")) {
            // The driver's own refusals name their line; the prompter's name the box nobody answered.
            if (fields.value(2).startsWith(QLatin1String("line ")))
                return QStringLiteral("the driver refused a line the bot took for usable: ") + fields.value(2);
            ++m_figures.unansweredBoxes;
        } else if (kind == QLatin1String("msgbox") && fields.value(3) == FightDayMessage) {
            ++announced;
        }
    }

    const GameState &state = m_game->state();
    const bool loaded = line == QLatin1String("click loadFile.Open");
    if (!m_careerOn && !state.varNowDate.isEmpty()) {
        m_careerOn = true;
        ++m_figures.careers;
        m_lastDay = state.varNowDate.toInt();
    }
    if (m_careerOn) {
        const Cell &strength = state.Chara(CharaTable::PlayerRow, CharaTable::Strength);
        const int maximum = state.Chara(CharaTable::PlayerRow, CharaTable::MaxStrength).toInt();
        if (!strength.isNumber() || strength.toInt() < 0 || strength.toInt() > maximum)
            return QStringLiteral("the strength %1 lies outside 0..%2").arg(strength.toText()).arg(maximum);
        if (state.varNextEnemy < CharaTable::FirstOpponentRow || state.varNextEnemy > CharaTable::LastOpponentRow)
            return QStringLiteral("varNextEnemy is %1, outside 2..18").arg(state.varNextEnemy);
        const int day = state.varNowDate.toInt();
        if (!loaded && day > m_lastDay)
            m_figures.gameDays += day - m_lastDay;
        m_lastDay = day;
    }
    if (state.varSensekiCount < 0 || state.varSensekiCount > GameState::SensekiCapacity)
        return QStringLiteral("varSensekiCount is %1, outside 0..100").arg(state.varSensekiCount);
    if (state.varClockMin < 0 || state.varClockSec.toInt() < 0 || state.varClockSec.isText())
        return QStringLiteral("the clock stands at %1:%2, below 0:00")
            .arg(state.varClockMin)
            .arg(state.varClockSec.toText());

    if (!m_game->hasEnded()) {
        const QList<QWidget *> inCharge = screensInCharge(*m_game);
        if (inCharge.size() != 1) {
            QStringList names;
            for (const QWidget *form : inCharge)
                names.append(form->objectName());
            return QStringLiteral("%1 screens in charge instead of one (%2)")
                .arg(inCharge.size())
                .arg(names.isEmpty() ? QStringLiteral("none") : names.join(QLatin1String(", ")));
        }
    }

    if (QString bouts = checkBouts(announced, loaded); !bouts.isEmpty())
        return bouts;
    return checkSavedFile(line);
}

QString SoakBot::checkBouts(int announced, bool loaded)
{
    const GameState &state = m_game->state();
    const int recorded = state.varSensekiCount - m_lastRecordCount;
    m_lastRecordCount = state.varSensekiCount;
    if (loaded) {
        // A loaded career brings its own record; whatever bout was under way is gone with the old one.
        m_boutsOpen = 0;
        ++m_figures.loads;
        return {};
    }
    if (recorded < 0 || recorded > 1)
        return QStringLiteral("the fight record went from %1 to %2 bouts in one line")
            .arg(state.varSensekiCount - recorded)
            .arg(state.varSensekiCount);
    m_figures.boutsRecorded += recorded;
    if (!m_hasFightScreen)
        return {};
    m_boutsOpen += announced;
    if (recorded == 1 && m_boutsOpen == 0)
        return QStringLiteral("a bout was recorded that was never announced, or recorded twice");
    m_boutsOpen -= recorded;
    if (m_boutsOpen > 1)
        return QStringLiteral("a bout was announced while another was under way");
    const QList<QWidget *> inCharge = screensInCharge(*m_game);
    const bool hubInCharge =
        !m_game->hasEnded() && inCharge.size() == 1 && inCharge.first()->objectName() == QLatin1String("MainCommand");
    if (hubInCharge && m_boutsOpen == 1) {
        if (state.varSensekiCount < GameState::SensekiCapacity)
            return QStringLiteral("the hub took charge again after a bout that was never recorded");
        m_boutsOpen = 0;
    }
    return {};
}

QString SoakBot::checkSavedFile(const QString &line)
{
    static const QStringList savingLines = {QStringLiteral("click saveFile.Open"),
                                            QStringLiteral("click MainCommand.cmdSave"),
                                            QStringLiteral("click MainCommand.mnuFileSave")};
    if (!savingLines.contains(line))
        return {};
    const QString path = m_game->state().varFileName;
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return {};
    QString differs = reloadDiffers(path, savedCareer(m_game->state()));
    if (differs.isEmpty())
        ++m_figures.savesVerified;
    return differs;
}

// Loads the file in a fresh game through the title's Load Game, as a player would after a restart.
QString SoakBot::reloadDiffers(const QString &path, const QJsonObject &expected)
{
    QString output;
    QTextStream stream(&output);
    Transcript transcript(stream);
    ScriptedPrompter *prompter = nullptr;
    Game game(scriptedPorts(&transcript, &prompter));
    ScriptDriver driver(game, *prompter, transcript);
    game.openTitle();
    const QFileInfo file(path);
    const QStringList lines = {QStringLiteral("click frmMain.Command2"),
                               QStringLiteral("cd loadFile ") + QDir::toNativeSeparators(file.absolutePath()),
                               QStringLiteral("select loadFile.File1 ") + file.fileName(),
                               QStringLiteral("click loadFile.Open")};
    for (int i = 0; i < lines.size() && !game.hasEnded(); ++i)
        driver.runCommand(i + 1, lines[i]);
    QString problem;
    if (transcript.hadErrors() || game.hasEnded())
        problem = QStringLiteral("the saved file %1 did not load in a fresh game:\n%2").arg(path, output);
    else if (const QString differs = careerDifference(expected, savedCareer(game.state())); !differs.isEmpty())
        problem = QStringLiteral("the saved file %1 loads back to another career: %2").arg(path, differs);
    game.setTranscript(nullptr);
    return problem;
}

QString SoakBot::replayText(int lastLines) const
{
    const std::lock_guard<std::mutex> lock(m_replayLock);
    QStringList text;
    const qsizetype first = lastLines < 0 ? 0 : std::max<qsizetype>(0, m_replay.size() - lastLines);
    if (first > 0)
        text << m_replay.first()
             << QStringLiteral("# ... %1 lines before these are in the whole script").arg(first - 1);
    for (qsizetype i = first; i < m_replay.size(); ++i)
        text << m_replay.at(i);
    return text.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void SoakBot::report(const QString &violation)
{
    m_log << "soak: VIOLATION at step " << m_step.load() << " (seed " << m_options.seed << ", game " << m_figures.games
          << ", script line " << m_replay.size() << "): " << violation << '\n';
    if (!m_options.failureScript.isEmpty()) {
        QFile file(m_options.failureScript);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            file.write(replayText(-1).toUtf8());
            m_log << "soak: the whole script of this game is in " << QFileInfo(file).absoluteFilePath() << '\n';
        }
    }
    m_log << "soak: the game's files are in " << m_gameFolder << '\n';
    m_log << "soak: the last lines of the game's script:\n" << replayText(m_options.historyLines);
    m_log.flush();
}

// Runs beside the game: a step that never returns is a hang, reported with the script that led to it.
void SoakBot::watch()
{
    while (!m_stopWatching) {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        const qint64 started = m_stepStartedMs;
        if (started < 0 || wallMs() - started < qint64(m_options.stepLimitSeconds) * 1000)
            continue;
        const QString replay = replayText(m_options.historyLines);
        std::fprintf(stderr,
                     "soak: VIOLATION at step %lld (seed %llu): the step has not returned after %d s\n"
                     "soak: the last lines of the game's script:\n%s",
                     static_cast<long long>(m_step.load()), static_cast<unsigned long long>(m_options.seed),
                     m_options.stepLimitSeconds, replay.toUtf8().constData());
        std::fflush(stderr);
        std::_Exit(3);
    }
}
