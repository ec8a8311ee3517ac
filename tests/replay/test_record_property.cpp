// Every record the game writes replays: random sessions (clicks of whatever can be clicked,
// keys held across the end of their screens, Esc on every dialog, catch-ups, saves under odd
// names loaded back) are recorded, replayed in a fresh folder, and must reach the same screens,
// boxes, sounds, end and state. Seeded and bounded by a session count and a time budget; set
// RINGGLORY_PROPERTY_SESSIONS, RINGGLORY_PROPERTY_SECONDS and RINGGLORY_PROPERTY_SEED for a long
// run by hand, and RINGGLORY_PROPERTY_KEEP to a folder to keep every record and its script there.
#include "ReplayRun.h"

#include "SoakBot.h"
#include "app/ScriptTargets.h"
#include "platform/ScriptedPrompter.h"
#include "platform/Twips.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

namespace {
// The keys each screen binds, and a few it does not.
QStringList keysOf(const QString &form)
{
    if (form == QLatin1String("Spar"))
        return {QStringLiteral("Space"), QStringLiteral("F"), QStringLiteral("V"), QStringLiteral("J"),
                QStringLiteral("N")};
    if (form == QLatin1String("SandBag"))
        return {QStringLiteral("A"), QStringLiteral("S"), QStringLiteral("D"), QStringLiteral("K"),
                QStringLiteral("L")};
    if (form == QLatin1String("PunchingBall"))
        return {QStringLiteral("Space")};
    return {QStringLiteral("Space"), QStringLiteral("Return"), QStringLiteral("Tab"), QStringLiteral("F")};
}
const QStringList Names = {QStringLiteral("山田"), QStringLiteral("my save"), QStringLiteral("  lead"),
                           QStringLiteral("東京"), QStringLiteral("a\"b"),    QStringLiteral("ﾎﾞｸｻｰ 2")};

qint64 setting(const char *name, qint64 fallback)
{
    bool ok = false;
    const qint64 value = qEnvironmentVariable(name).toLongLong(&ok);
    return ok ? value : fallback;
}

// One random session, played line by line in a game that records it.
class RandomSession
{
public:
    explicit RandomSession(quint32 seed) : m_random(seed) {}

    // Plays up to STEPS lines; the script it played and the transcript are kept.
    void play(int steps, QIODevice &record)
    {
        QTextStream stream(&m_transcript);
        Transcript transcript(stream);
        {
            ScriptedGame game(transcript, &record);
            // Most sessions start a career at once, to spend their steps where the game is played.
            if (below(5) > 0) {
                for (const QString &line : {QStringLiteral("input 山田"), QStringLiteral("input 東京"),
                                            QStringLiteral("click frmMain.Command1")})
                    run(game, line);
            }
            for (int step = 0; step < steps && !game.game().hasEnded(); ++step)
                for (const QString &line : nextLines(game))
                    run(game, line);
            run(game, QStringLiteral("state"));
        }
        stream.flush();
    }

    QString script() const { return m_script.join(QLatin1Char('\n')); }
    QString transcript() const { return m_transcript; }

private:
    void run(ScriptedGame &game, const QString &line)
    {
        if (game.game().hasEnded())
            return;
        m_script << line;
        game.driver().runCommand(int(m_script.size()), line);
    }

    int below(int n) { return int(m_random.bounded(quint32(n))); }
    QString pick(const QStringList &from) { return from.at(below(int(from.size()))); }

    QStringList nextLines(ScriptedGame &game)
    {
        const QList<QWidget *> inCharge = SoakBot::screensInCharge(game.game());
        QWidget *screen = inCharge.size() == 1 ? inCharge.first() : nullptr;
        const QString form = screen ? screen->objectName() : QStringLiteral("Spar");
        QStringList lines;
        ScriptedPrompter &prompter = game.prompter();
        if (prompter.pendingAnswers() < 2)
            lines << (below(6) == 0 ? QStringLiteral("answer yes") : QStringLiteral("answer no"));
        if (prompter.pendingInputs() < 3)
            lines << (below(10) == 0 ? QStringLiteral("input-cancel") : QStringLiteral("input ") + pick(Names));
        const int roll = below(100);
        if (roll < 45) {
            const QStringList targets = clickable(game.game(), screen);
            if (!targets.isEmpty())
                lines << QStringLiteral("click ") + pick(targets);
        } else if (roll < 60) {
            // Held more often than let go, so that holds outlast their screens.
            static const QStringList strokes = {QStringLiteral("keydown"), QStringLiteral("keydown"),
                                                QStringLiteral("keyup"), QStringLiteral("keyrepeat"),
                                                QStringLiteral("key")};
            lines << QStringLiteral("%1 %2 %3").arg(pick(strokes), form, pick(keysOf(form)));
        } else if (roll < 65) {
            lines << QStringLiteral("key %1 Escape").arg(form);
        } else if (roll < 72) {
            lines << QStringLiteral("catchup %1").arg(below(3000));
        } else if (roll < 80 && screen) {
            const QWidget *background = ScriptTargets::background(screen);
            lines << QStringLiteral("move %1 %2 %3")
                         .arg(form)
                         .arg(below(pixelsToTwips(background->width()) + 1))
                         .arg(below(pixelsToTwips(background->height()) + 1));
        } else if (roll < 85 && form == QLatin1String("MainCommand")) {
            const QString name = pick(Names);
            lines << QStringLiteral("click MainCommand.cmdSaveAs") << QStringLiteral("text saveFile.Text1 ") + name
                  << QStringLiteral("click saveFile.Open") << QStringLiteral("click MainCommand.cmdLoad")
                  << QStringLiteral("select loadFile.File1 %1.sav").arg(name) << QStringLiteral("click loadFile.Open");
        } else {
            const int kind = below(10);
            lines << QStringLiteral("wait %1").arg(kind < 5 ? below(300) : kind < 9 ? below(3000) : below(30000));
        }
        return lines;
    }

    // What a player could click on the screen in charge.
    static QStringList clickable(const Game &game, QWidget *screen)
    {
        QStringList targets;
        if (!screen)
            return targets;
        const ScriptTargets finder(game);
        QStringList names;
        for (const QAbstractButton *button : screen->findChildren<QAbstractButton *>())
            names << button->objectName();
        for (const QAction *action : screen->findChildren<QAction *>())
            names << action->objectName();
        names.removeDuplicates();
        for (const QString &name : std::as_const(names)) {
            if (name.isEmpty() || name.contains(QLatin1Char(' ')))
                continue;
            const QString target = screen->objectName() + QLatin1Char('.') + name;
            const ScriptTargets::Found found = finder.control(target);
            if (found.form == screen && ScriptTargets::canClick(found.form, found.control))
                targets << target;
        }
        return targets;
    }

    QRandomGenerator m_random;
    QStringList m_script;
    QString m_transcript;
};
} // namespace

class RecordPropertyTest : public QObject
{
    Q_OBJECT
private slots:
    void randomSessionsReplayToTheSameEnd()
    {
        const auto seed = quint32(setting("RINGGLORY_PROPERTY_SEED", 20261211));
        const qint64 sessions = setting("RINGGLORY_PROPERTY_SESSIONS", 400);
        const qint64 budgetMs = setting("RINGGLORY_PROPERTY_SECONDS", 45) * 1000;
        const int steps = int(setting("RINGGLORY_PROPERTY_STEPS", 250));
        QElapsedTimer clock;
        clock.start();
        qint64 played = 0;
        int divergent = 0;
        QString firstFailure;
        for (; played < sessions && clock.elapsed() < budgetMs; ++played) {
            const quint32 sessionSeed = seed + quint32(played);
            QTemporaryDir playedIn;
            QTemporaryDir replayedIn;
            QVERIFY(playedIn.isValid() && replayedIn.isValid());
            const auto leave = qScopeGuard([] { QDir::setCurrent(QDir::tempPath()); });
            QDir::setCurrent(playedIn.path());
            RandomSession session(sessionSeed);
            QBuffer record;
            record.open(QIODevice::WriteOnly);
            session.play(steps, record);
            const QString recordText = QString::fromUtf8(record.data());
            if (const QString keep = qEnvironmentVariable("RINGGLORY_PROPERTY_KEEP"); !keep.isEmpty()) {
                QFile kept(QDir(keep).filePath(QStringLiteral("record-%1.txt").arg(sessionSeed)));
                if (kept.open(QIODevice::WriteOnly))
                    kept.write(record.data() + "\n#---- script\n" + session.script().toUtf8());
            }
            QDir::setCurrent(replayedIn.path());
            const ReplayRun replay = ReplayRun::of(recordText);
            // Boxes and the state name the session's files in the folder each run played in.
            const ReplayRun original{session.transcript().replace(playedIn.path(), replayedIn.path())};
            QString problem = replay.hadErrors ? replay.errors() : firstDifference(replay.events(), original.events());
            if (problem.isEmpty() && replay.finalState() != original.finalState())
                problem = QStringLiteral("the final states differ");
            if (problem.isEmpty())
                continue;
            ++divergent;
            qInfo("seed %u diverges: %s", sessionSeed, qPrintable(problem.section(QLatin1Char('\n'), 0, 0)));
            if (firstFailure.isEmpty())
                firstFailure = QStringLiteral("seed %1: %2\nscript:\n%3\nrecord:\n%4")
                                   .arg(sessionSeed)
                                   .arg(problem, session.script(), recordText.left(20000));
        }
        qInfo("%lld sessions from seed %u in %.1f s: %d diverged", played, seed, double(clock.elapsed()) / 1000.0,
              divergent);
        QVERIFY2(divergent == 0, qPrintable(firstFailure));
    }
};

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    RecordPropertyTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_record_property.moc"
