#include "audit/Signing.h"

#include "core/Error.h"
#include "platform/AtomicFile.h"
#include "platform/FileSystem.h"
#include "platform/LockedFile.h"
#include "platform/PasswordCheck.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

QString SignatureMeaningText(TSignatureMeaning meaning) {
    switch (meaning) {
    case TSignatureMeaning::Performed:
        return QStringLiteral("Performed by");
    case TSignatureMeaning::Reviewed:
        return QStringLiteral("Reviewed by");
    case TSignatureMeaning::Approved:
        return QStringLiteral("Approved by");
    }
    return {};
}

std::optional<TSignatureMeaning> SignatureMeaningFromName(const QString& name) {
    if (name == QLatin1String("performed"))
        return TSignatureMeaning::Performed;
    if (name == QLatin1String("reviewed"))
        return TSignatureMeaning::Reviewed;
    if (name == QLatin1String("approved"))
        return TSignatureMeaning::Approved;
    return std::nullopt;
}

QString SigningStateFile() {
    return UserStateFolder() + QStringLiteral("bramblex/signing-lock");
}

TSigningGuard::TSigningGuard(TPasswordCheck& check, std::function<QDateTime()> clock, QString stateFile)
    : m_check(check), m_clock(std::move(clock)), m_stateFile(std::move(stateFile)) {}

void TSigningGuard::LoadState() {
    QByteArray bytes;
    if (m_stateFile.isEmpty() || !TryReadWholeFile(m_stateFile, bytes).Ok())
        return;
    const QJsonObject o = QJsonDocument::fromJson(bytes).object();
    m_wrongInARow = o.value(QStringLiteral("wrong_in_a_row")).toInt();
    m_lockedUntil =
        QDateTime::fromString(o.value(QStringLiteral("locked_until")).toString(), Qt::ISODateWithMs);
}

// A lost write only forgets a count; signing itself never depends on it.
void TSigningGuard::SaveState() const {
    if (m_stateFile.isEmpty())
        return;
    MakeFolders(QFileInfo(m_stateFile).absolutePath());
    const QJsonObject o{
        {QStringLiteral("wrong_in_a_row"), m_wrongInARow},
        {QStringLiteral("locked_until"),
         m_lockedUntil.isValid() ? m_lockedUntil.toUTC().toString(Qt::ISODateWithMs) : QString()}};
    TryWriteFileAtomically(m_stateFile, QJsonDocument(o).toJson(QJsonDocument::Compact));
}

int TSigningGuard::LockedSeconds() const {
    if (!m_lockedUntil.isValid())
        return 0;
    const qint64 ms = m_clock().msecsTo(m_lockedUntil);
    return ms > 0 ? static_cast<int>((ms + 999) / 1000) : 0;
}

TSignResult TSigningGuard::Sign(const QString& batchPath, TSignatureMeaning meaning, const QString& comment,
                                const QString& password, const TAuditContext& context) {
    TSignResult result;
    LoadState();
    if (const int left = LockedSeconds(); left > 0) {
        result.Outcome = TSignOutcome::Locked;
        result.SecondsLeft = left;
        result.Message =
            Tr("Signing is locked after three wrong passwords; try again in %1 seconds.").arg(left);
        return result;
    }
    m_lockedUntil = {};
    const TPasswordCheckResult check = m_check.Check(context.User.Login, password);
    if (check.Verdict == TPasswordVerdict::Unavailable) {
        result.Outcome = TSignOutcome::Unavailable;
        result.Message =
            Tr("Signature refused: the password cannot be checked.") + QLatin1Char('\n') + check.Reason;
        return result;
    }
    if (check.Verdict == TPasswordVerdict::Refused) {
        result.Outcome = TSignOutcome::WrongPassword;
        result.Message = Tr("Signature refused: the password is not correct.");
        if (++m_wrongInARow >= WrongPasswordsBeforeLock) {
            m_wrongInARow = 0;
            m_lockedUntil = m_clock().addSecs(LockSeconds);
            result.SecondsLeft = LockSeconds;
        }
        SaveState();
        return result;
    }
    m_wrongInARow = 0;
    SaveState();
    TAuditEntry entry{TAuditAction::Signed, {}, {}, {}, SignatureMeaningText(meaning), comment};
    entry.Details =
        QStringLiteral("%1 %2 (%3)").arg(entry.Meaning, context.User.FullName, context.User.Login);
    if (!comment.isEmpty())
        entry.Details += QStringLiteral(": ") + comment;
    result.Record = RecordAuditEvent(batchPath, entry, context);
    result.Outcome = TSignOutcome::Signed;
    return result;
}
