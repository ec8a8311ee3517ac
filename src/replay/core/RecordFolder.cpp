#include "replay/core/RecordFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>
#include <optional>
#include <sys/file.h>

namespace {
const QString StampFormat = QStringLiteral("yyyy-MM-dd_HH-mm-ss");
const QString Extension = QStringLiteral(".txt");

// A record's name: the start time, then "-N" from 2 up for later sessions of the same second.
struct RecordName
{
    QString stamp;
    int counter = 1;
    QString fileName;
};

std::optional<RecordName> parseRecordName(const QString &fileName)
{
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{4}-\\d{2}-\\d{2})_(\\d{2}-\\d{2}-\\d{2})(?:-([2-9]|[1-9]\\d{1,8}))?\\.txt$"));
    const QRegularExpressionMatch match = pattern.match(fileName);
    if (!match.hasMatch())
        return std::nullopt;
    // Digits in the right places are not enough: "2026-13-40" was never a start time.
    if (!QDate::fromString(match.captured(1), QStringLiteral("yyyy-MM-dd")).isValid() ||
        !QTime::fromString(match.captured(2), QStringLiteral("HH-mm-ss")).isValid())
        return std::nullopt;
    RecordName name;
    name.stamp = match.captured(1) + QLatin1Char('_') + match.captured(2);
    if (match.hasCaptured(3))
        name.counter = match.captured(3).toInt();
    name.fileName = fileName;
    return name;
}
} // namespace

QString RecordFolder::path()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    // Without a data folder the name would resolve against the root of the file system.
    if (data.isEmpty())
        return {};
    return data + QStringLiteral("/replays");
}

QString RecordFolder::newRecordPath(const QString &folder, const QDateTime &start)
{
    if (folder.isEmpty() || !start.isValid() || !QDir().mkpath(folder))
        return {};
    const QDir dir(folder);
    const QString stamp = start.toLocalTime().toString(StampFormat);
    for (int counter = 1;; ++counter) {
        const QString name =
            counter == 1 ? stamp + Extension : stamp + QLatin1Char('-') + QString::number(counter) + Extension;
        QString candidate = dir.filePath(name);
        // Made exclusively, so that two sessions starting together cannot both take the name
        // they each found free.
        QFile file(candidate);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return candidate;
        // Only a name that is taken is worth another try; any other failure fails for every name.
        const QFileInfo taken(candidate);
        if (!taken.exists() && !taken.isSymLink())
            return {};
    }
}

void RecordFolder::prune(const QString &folder, int keep)
{
    if (folder.isEmpty())
        return;
    const QDir dir(folder);
    QList<RecordName> records;
    for (const QString &fileName : dir.entryList(QDir::Files))
        if (std::optional<RecordName> record = parseRecordName(fileName))
            records.append(*record);
    const qsizetype surplus = records.size() - std::max(keep, 0);
    if (surplus <= 0)
        return;
    // The stamp is zero-padded and fixed in width, so its text order is the order of time.
    std::sort(records.begin(), records.end(), [](const RecordName &a, const RecordName &b) {
        return a.stamp != b.stamp ? a.stamp < b.stamp : a.counter < b.counter;
    });
    // A record that cannot be removed stays; it costs room, not play, and nobody is waiting on it.
    // One a session still writes stays too: it is removed by a later prune, once closed.
    for (qsizetype i = 0; i < surplus; ++i) {
        QFile record(dir.filePath(records.at(i).fileName));
        // The lock of a session that ended, however it ended, went with it.
        if (record.open(QIODevice::ReadOnly) && ::flock(record.handle(), LOCK_EX | LOCK_NB) != 0)
            continue;
        record.remove();
    }
}

bool RecordFolder::holdOpen(QFile &record)
{
    return record.isOpen() && ::flock(record.handle(), LOCK_SH | LOCK_NB) == 0;
}
