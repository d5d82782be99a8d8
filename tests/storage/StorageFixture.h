#pragma once

// Helpers shared by the storage tests: files with chosen times, batches on disk, and an
// environment that keeps every test away from the user's own values and folders.

#include "documents/BatchItem.h"
#include "support/TempDir.h"

#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <cstdlib>
#include <fcntl.h>
#include <ostream>
#include <sys/stat.h>

// Readable texts in test failure messages.
inline std::ostream& operator<<(std::ostream& os, const QString& text) {
    return os << text.toStdString();
}
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QByteArray& bytes, std::ostream* os) {
    *os << '"' << bytes.toStdString() << '"';
}

inline void SetFileTime(const QString& path, const QDateTime& time) {
    QFile file(path);
    if (file.open(QIODevice::ReadWrite))
        file.setFileTime(time, QFileDevice::FileModificationTime);
}

// Any entry's last-write time, folders included, to the nanosecond.
inline void SetEntryTime(const QString& path, const QDateTime& time, long nanoseconds = 0) {
    const struct timespec times[2] = {{time.toSecsSinceEpoch(), nanoseconds},
                                      {time.toSecsSinceEpoch(), nanoseconds}};
    ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, AT_SYMLINK_NOFOLLOW);
}

inline void WriteBatch(const QString& path, const QString& company = QStringLiteral("Korvane")) {
    TBatchItem batch;
    batch.Company = company;
    QDir().mkpath(QFileInfo(path).absolutePath());
    batch.SaveToFile(path);
}

inline void WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

inline QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Sets or clears an environment variable for the life of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QString& value) : m_name(name) {
        m_had = qEnvironmentVariableIsSet(name);
        m_old = qgetenv(name);
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, QFile::encodeName(value));
    }
    ~ScopedEnv() {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* m_name;
    bool m_had = false;
    QByteArray m_old;
};
