#pragma once

#include <QDateTime>
#include <QString>

class QFile;

// Where every session played in real windows is recorded, and how many records are kept.
// A record is named for the local time its session started, "2026-12-10_15-49-58.txt", with
// "-2", "-3"... after the time when sessions started in the same second.
class RecordFolder
{
public:
    static constexpr int Kept = 20;

    // The game's data folder + "/replays" (not created here); empty when the system has no
    // data folder for the game.
    static QString path();
    // Creates FOLDER if needed and a new empty record in it named for START, and returns its
    // path; no other session, even one started in the same second, gets the same file. Empty
    // when the folder or the file cannot be made.
    static QString newRecordPath(const QString &folder, const QDateTime &start);
    // Marks the record open in RECORD as in use for as long as it stays open, in this process or
    // any other: prune() leaves it alone. False when the system cannot mark it.
    static bool holdOpen(QFile &record);
    // Removes the oldest records in FOLDER beyond the newest KEEP, ordered by the start time in
    // their names, then by their counter; a record still open for a session is kept, and files
    // whose names are no record's are never touched.
    static void prune(const QString &folder, int keep = Kept);
};
