#include "app/ScriptFile.h"

#include <QFile>

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// Closes a file descriptor on every way out of read().
class Descriptor
{
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    int fd() const { return m_fd; }

private:
    int m_fd;
};
} // namespace

bool ScriptFile::read(const QString &path, QByteArray *contents, QString *error)
{
    contents->clear();
    const auto cannotRead = [&](int code) {
        contents->clear();
        *error = QStringLiteral("cannot read the script %1: %2").arg(path, qt_error_string(code));
        return false;
    };
    // Not blocking: opening a pipe would otherwise wait for a writer that may never come,
    // before the check below could refuse it.
    const Descriptor file(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.fd() < 0)
        return cannotRead(errno);
    struct stat info = {};
    if (::fstat(file.fd(), &info) != 0)
        return cannotRead(errno);
    if (!S_ISREG(info.st_mode)) {
        *error = QStringLiteral("the script %1 is not a regular file").arg(path);
        return false;
    }
    const QString tooLarge = QStringLiteral("the script %1 is larger than %2 MiB").arg(path).arg(MaxBytes / (1024 * 1024));
    if (info.st_size > MaxBytes) {
        *error = tooLarge;
        return false;
    }
    // The size can change between the look and the read (a file still being written), so
    // the read itself stops one byte past the limit.
    std::array<char, 65536> chunk{};
    for (;;) {
        const ssize_t got = ::read(file.fd(), chunk.data(), chunk.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return cannotRead(errno);
        if (got == 0)
            return true;
        contents->append(chunk.data(), qsizetype(got));
        if (contents->size() > MaxBytes) {
            contents->clear();
            *error = tooLarge;
            return false;
        }
    }
}

QStringView ScriptFile::lineAt(QStringView text, qsizetype from, qsizetype *next)
{
    qsizetype end = from;
    while (end < text.size() && text[end] != u'\n' && text[end] != u'\r')
        ++end;
    *next = end + 1;
    if (end + 1 < text.size() && text[end] == u'\r' && text[end + 1] == u'\n')
        ++*next;
    return text.sliced(from, end - from);
}
