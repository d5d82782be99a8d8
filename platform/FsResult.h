#pragma once

#include <QString>

// The outcome of one file system call: success, or the system's reason for the
// failure (the errno text, or the error string of the layer that did the work). Callers
// keep their own message and put the reason on a line of its own under it.
class TFsResult {
public:
    TFsResult() = default; // success
    static TFsResult Failed(int err);
    static TFsResult Failed(const QString& reason);

    bool Ok() const { return !m_failed; }
    explicit operator bool() const { return Ok(); }
    // The errno value; 0 on success or when the reason came as text.
    int Errno() const { return m_errno; }
    const QString& Reason() const { return m_reason; }

private:
    bool m_failed = false;
    int m_errno = 0;
    QString m_reason;
};

// message, and under it the reason of a failed result.
QString WithReason(const QString& message, const TFsResult& result);
QString WithReason(const QString& message, const QString& reason);

// The system's reason for an errno value ("No space left on device").
QString SystemErrorText(int err);
