#pragma once

// Checks a user's own password through PAM, as that user: the program never runs
// with privileges and keeps no password store. The "bramblex" service file installed
// with the program includes the system's common auth and account stacks.

#include <QString>

enum class TPasswordVerdict {
    Accepted,
    Refused,     // wrong password, unknown user, or an account that may not log in
    Unavailable, // PAM could not decide (no service, a module failed): the reason says why
};

struct TPasswordCheckResult {
    TPasswordVerdict Verdict = TPasswordVerdict::Refused;
    QString Reason; // PAM's own text for anything but Accepted
};

class TPasswordCheck {
public:
    virtual ~TPasswordCheck() = default;
    virtual TPasswordCheckResult Check(const QString& login, const QString& password) = 0;
};

inline constexpr const char* BramblexPamService = "bramblex";

class TPamPasswordCheck final : public TPasswordCheck {
public:
    explicit TPamPasswordCheck(QString service = QString::fromLatin1(BramblexPamService));
    TPasswordCheckResult Check(const QString& login, const QString& password) override;

private:
    QString m_service;
};
