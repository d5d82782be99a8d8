#pragma once

// An append-only file that one process holds under an exclusive lock for as long as it
// has it open: the journal of a run. The lock goes with the process, so a file whose
// lock can be taken belongs to no living run. Every append reaches the disk before it
// returns.

#include <QByteArray>
#include <QString>

class TLockedAppendFile {
public:
    TLockedAppendFile() = default;
    ~TLockedAppendFile(); // Close()
    TLockedAppendFile(const TLockedAppendFile&) = delete;
    TLockedAppendFile& operator=(const TLockedAppendFile&) = delete;

    // Creates path (with its folder) for appending and locks it; an existing file is
    // replaced. Raises EFileError "Cannot create file "%1". %2" with the system's
    // reason.
    void Create(const QString& path);
    // Opens an existing file and takes its lock without waiting. False when the file
    // is gone or another open file holds the lock (a run still writing it).
    bool TryOpenExisting(const QString& path);

    // Writes all bytes at the end and flushes them to the disk. Raises EFileError
    // "Cannot write to file "%1". %2".
    void Append(const QByteArray& bytes);
    // The whole file as it is now.
    QByteArray ReadAll() const;

    // Releases the lock and closes; the file stays.
    void Close();
    // Deletes the file (and makes that durable), then closes.
    void Remove();

    bool IsOpen() const { return m_fd >= 0; }
    QString Path() const { return m_path; }

private:
    int m_fd = -1;
    QString m_path;
};

// The user's folder for state that outlives a program run ($XDG_STATE_HOME, else
// ~/.local/state), with a trailing "/".
QString UserStateFolder();
