#include "platform/FsResult.h"

#include <cstring>

TFsResult TFsResult::Failed(int err) {
    TFsResult result;
    result.m_failed = true;
    result.m_errno = err;
    result.m_reason = SystemErrorText(err);
    return result;
}

TFsResult TFsResult::Failed(const QString& reason) {
    TFsResult result;
    result.m_failed = true;
    result.m_reason = reason;
    return result;
}

QString WithReason(const QString& message, const QString& reason) {
    return reason.isEmpty() ? message : message + QLatin1Char('\n') + reason;
}

QString WithReason(const QString& message, const TFsResult& result) {
    return result.Ok() ? message : WithReason(message, result.Reason());
}

QString SystemErrorText(int err) {
    // strerror_r's GNU form returns the text, possibly in a static buffer of its own.
    char buffer[256];
    return QString::fromLocal8Bit(::strerror_r(err, buffer, sizeof buffer));
}
