#pragma once

#include "app/ScriptedGame.h"
#include "platform/Transcript.h"

#include <QIODevice>
#include <QRegularExpression>
#include <QString>
#include <QTextStream>

#include <algorithm>

// A script played in a fresh headless game, as `ringglory --script` plays it, with the game's
// state printed at the end: what a replay has to reach again.
struct ReplayRun
{
    QString transcript;
    bool hadErrors = false;

    // Plays script, recording the inputs it delivers to record when there is one.
    static ReplayRun of(const QString &script, QIODevice *record = nullptr)
    {
        ReplayRun run;
        QTextStream stream(&run.transcript);
        Transcript transcript(stream);
        {
            ScriptedGame game(transcript, record);
            game.driver().run(script + QStringLiteral("\nstate\n"));
        }
        stream.flush();
        run.hadErrors = transcript.hadErrors();
        return run;
    }

    // The state line at the end, without its time.
    QString finalState() const
    {
        const QStringList lines = transcript.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        return lines.isEmpty() ? QString() : lines.last().section(QLatin1Char('\t'), 1);
    }

    // The error lines, for a failure's message.
    QString errors() const
    {
        QStringList found;
        for (const QString &line : transcript.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            if (line.contains(QStringLiteral("\terror\t")))
                found << line;
        return found.join(QLatin1Char('\n'));
    }

    // What the game did, line by line: the script's own reads, states and mistakes left out,
    // since a record carries only the inputs that reached the game.
    QStringList events() const
    {
        static const QRegularExpression asked(QStringLiteral("^\\d+\\t(read|state|error|warning)\\t"));
        QStringList kept;
        for (const QString &line : transcript.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            if (!asked.match(line).hasMatch())
                kept << line;
        return kept;
    }
};

// Where two runs part: the first line that differs, with the lines before it; empty when
// they are alike.
inline QString firstDifference(const QStringList &replayed, const QStringList &original)
{
    qsizetype at = 0;
    while (at < replayed.size() && at < original.size() && replayed[at] == original[at])
        ++at;
    if (at == replayed.size() && at == original.size())
        return {};
    const QStringList before = original.mid(std::max<qsizetype>(0, at - 5), std::min<qsizetype>(at, 5));
    return QStringLiteral("line %1\n  before: %2\n  replay:   %3\n  original: %4")
        .arg(at)
        .arg(before.join(QStringLiteral("\n          ")), replayed.value(at, QStringLiteral("(end)")),
             original.value(at, QStringLiteral("(end)")));
}
