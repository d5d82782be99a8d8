#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <exception>
#include <utility>

// Looks up a user-visible text in the loaded translation; without one the English
// text comes back unchanged. Every message an operator may read goes through here.
inline QString Tr(const char* text) {
    return QCoreApplication::translate("Bramblex", text);
}

// A failure the operator may see. The message is already the text an error box shows,
// so lower layers raise it and windows only display it.
class EBramblexError : public std::exception {
public:
    explicit EBramblexError(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}
    const QString& Message() const noexcept { return m_message; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// Opening, creating, reading or writing a file failed; the message names the path
// and the system's reason.
class EFileError : public EBramblexError {
public:
    using EBramblexError::EBramblexError;
};
