#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// Disks that fail under a save, for tests: a file size limit and a real full tmpfs. The save
// runs in a child process, so neither the limit nor the mount can reach the test itself or
// outlive a failing test.

// How a run in a child process ended.
struct ChildRun
{
    enum class End {
        Finished,    // the body ran; output is what it returned
        SetupFailed, // the setup refused (for example no right to mount): nothing was tried
        Died,        // the child crashed, hung or was killed
    };
    End end = End::Died;
    QByteArray output;
};

// Runs setup and then body in a forked child and returns what body returned. The child is
// killed after a minute, so a child stuck on a lock it inherited fails the test instead of
// hanging it.
inline ChildRun runInChild(const std::function<bool()> &setup, const std::function<QByteArray()> &body)
{
    constexpr int SetupFailedStatus = 77;
    int channel[2];
    if (::pipe(channel) != 0)
        return {};
    const pid_t child = ::fork();
    if (child < 0) {
        ::close(channel[0]);
        ::close(channel[1]);
        return {};
    }
    if (child == 0) {
        ::close(channel[0]);
        ::alarm(60);
        if (!setup())
            ::_exit(SetupFailedStatus);
        const QByteArray output = body();
        qsizetype done = 0;
        while (done < output.size()) {
            const ssize_t count = ::write(channel[1], output.constData() + done, size_t(output.size() - done));
            if (count <= 0)
                ::_exit(1);
            done += count;
        }
        // No destructors and no flush of buffers the child inherited from the test.
        ::_exit(0);
    }
    ::close(channel[1]);
    ChildRun run;
    char buffer[4096];
    for (;;) {
        const ssize_t count = ::read(channel[0], buffer, sizeof buffer);
        if (count > 0)
            run.output.append(buffer, count);
        else if (count == 0 || errno != EINTR)
            break;
    }
    ::close(channel[0]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0)
        run.end = ChildRun::End::Finished;
    else if (WIFEXITED(status) && WEXITSTATUS(status) == SetupFailedStatus)
        run.end = ChildRun::End::SetupFailed;
    return run;
}

// For a child of runInChild: files may grow to at most bytes from now on. SIGXFSZ is ignored, so
// a write past the limit fails with EFBIG, as a write to a full disk fails, instead of ending the
// child. Only the soft limit is lowered, so liftFileSizeLimit can undo it.
inline bool limitFileSize(rlim_t bytes)
{
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    if (::getrlimit(RLIMIT_FSIZE, &limit) != 0 || (limit.rlim_max != RLIM_INFINITY && limit.rlim_max < bytes))
        return false;
    limit.rlim_cur = bytes;
    return ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

// Gives files back all the room the process may have.
inline bool liftFileSizeLimit()
{
    rlimit limit{};
    if (::getrlimit(RLIMIT_FSIZE, &limit) != 0)
        return false;
    limit.rlim_cur = limit.rlim_max;
    return ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

// Setup for runInChild: mounts a tmpfs of kib KiB on directory, seen only by the child (it gets a
// mount namespace of its own, so the mount goes away with the child whatever the test does).
// Needs the superuser; false when it cannot be done here.
inline bool mountPrivateTmpfs(const QString &directory, int kib)
{
    if (::geteuid() != 0 || ::unshare(CLONE_NEWNS) != 0)
        return false;
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        return false;
    const QByteArray options = "size=" + QByteArray::number(kib) + 'k';
    return ::mount("tmpfs", QFile::encodeName(directory).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                   options.constData()) == 0;
}

// Fills the free space of the file system that holds path with a file there; true once a write
// has failed for want of space.
inline bool fillDisk(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return errno == ENOSPC;
    const QByteArray block(4096, 'x');
    ssize_t count = 0;
    do
        count = ::write(fd, block.constData(), size_t(block.size()));
    while (count > 0);
    const bool full = count < 0 && errno == ENOSPC;
    ::close(fd);
    return full;
}
