#pragma once

// Electronic signatures: the signer's own password checked through PAM as that user,
// then a "signed" record in the batch's audit trail carrying the printed name, login,
// time, meaning, comment and the batch's SHA-256 at signing. Three wrong passwords in
// a row lock signing for 30 seconds.

#include "audit/AuditTrail.h"

#include <QDateTime>
#include <QString>

#include <functional>
#include <optional>

class TPasswordCheck;

enum class TSignatureMeaning { Performed, Reviewed, Approved };

// "Performed by", "Reviewed by", "Approved by" (as recorded, whatever the language).
QString SignatureMeaningText(TSignatureMeaning meaning);
// "performed", "reviewed", "approved" (the command line's names).
std::optional<TSignatureMeaning> SignatureMeaningFromName(const QString& name);

enum class TSignOutcome { Signed, WrongPassword, Locked, Unavailable };

struct TSignResult {
    TSignOutcome Outcome = TSignOutcome::WrongPassword;
    QString Message;     // for the operator; empty when signed
    int SecondsLeft = 0; // Locked (and WrongPassword when that wrong password locked it)
    TAuditRecord Record; // Signed
};

// The user's own file of wrong passwords and the lock: "bramblex/signing-lock" in the
// user's state folder.
QString SigningStateFile();

class TSigningGuard {
public:
    static constexpr int WrongPasswordsBeforeLock = 3;
    static constexpr int LockSeconds = 30;

    // clock gives the time the lock is measured with; tests pass their own. With a
    // stateFile the count and the lock outlive the program, so that the window and
    // each bramblex-cli share them (SigningStateFile()).
    TSigningGuard(TPasswordCheck& check, std::function<QDateTime()> clock, QString stateFile = {});

    // Checks password for context.User.Login and records the signature. The trail's
    // write errors raise EFileError as every record does.
    TSignResult Sign(const QString& batchPath, TSignatureMeaning meaning, const QString& comment,
                     const QString& password, const TAuditContext& context);
    // Seconds until signing is possible again; 0 when it is now.
    int LockedSeconds() const;

private:
    void LoadState();
    void SaveState() const;

    TPasswordCheck& m_check;
    std::function<QDateTime()> m_clock;
    QString m_stateFile;
    int m_wrongInARow = 0;
    QDateTime m_lockedUntil;
};
