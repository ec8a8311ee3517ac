#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// One run of the real program, as a shell would start it, and what came of it.
struct ProgramRun
{
    int exitCode = -1;
    bool finished = false;
    QString out;
    QString err;

    // Runs the program with arguments in the given environment and working folder, and waits
    // at most a minute for it to end (a program that hangs is killed and reported unfinished).
    static ProgramRun start(const QStringList &arguments, const QProcessEnvironment &environment,
                            const QString &workingFolder = QString())
    {
        QProcess process;
        process.setProcessEnvironment(environment);
        if (!workingFolder.isEmpty())
            process.setWorkingDirectory(workingFolder);
        process.start(QStringLiteral(RINGGLORY_PROGRAM), arguments);
        ProgramRun run;
        run.finished = process.waitForFinished(60000);
        if (!run.finished) {
            process.kill();
            process.waitForFinished();
        }
        run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        run.out = QString::fromUtf8(process.readAllStandardOutput());
        run.err = QString::fromUtf8(process.readAllStandardError());
        return run;
    }

    // The environment of a terminal with no display at all: options must be answered without one.
    static QProcessEnvironment withoutDisplay()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        return environment;
    }
};
