// Signatures through real PAM: pam_wrapper serves the "bramblex" service of the test's
// own service folder, whose pam_matrix module checks a password file the test writes.

#include "audit/Signing.h"

#include "platform/PasswordCheck.h"
#include "platform/UserIdentity.h"
#include "support/TempDir.h"

#include <QFile>

#include "PamWrapperReexec.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// A password check that counts the calls that reach PAM.
class CountingCheck final : public TPasswordCheck {
public:
    TPasswordCheckResult Check(const QString& login, const QString& password) override {
        ++Calls;
        return m_pam.Check(login, password);
    }
    int Calls = 0;

private:
    TPamPasswordCheck m_pam;
};

class PamSigning : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(PamWrapperLoaded);
        dir.Write("passdb", (login + ":right horse battery:bramblex\n").toUtf8());
        qputenv("PAM_MATRIX_PASSWD", QFile::encodeName(dir.File("passdb")));
        dir.Write("Lot 17.epb", "batch bytes");
    }

    TempDir dir;
    QString login = CurrentUserIdentity().Login;
    QString batch = dir.File("Lot 17.epb");
    QDateTime now = QDateTime(QDate(2026, 3, 4), QTime(9, 0), Qt::UTC);
    TAuditContext context{{login, QStringLiteral("Jane Roe"), QStringLiteral("lab-3")},
                          QStringLiteral("9.9.9"),
                          [this] { return now; }};
};

TEST_F(PamSigning, PamAcceptsTheRightPasswordOnly) {
    TPamPasswordCheck pam;
    EXPECT_EQ(pam.Check(login, "right horse battery").Verdict, TPasswordVerdict::Accepted);
    const TPasswordCheckResult wrong = pam.Check(login, "wrong");
    EXPECT_EQ(wrong.Verdict, TPasswordVerdict::Refused);
    EXPECT_FALSE(wrong.Reason.isEmpty());
    EXPECT_EQ(pam.Check("nobody-here", "right horse battery").Verdict, TPasswordVerdict::Refused);
    EXPECT_EQ(pam.Check(login, "").Verdict, TPasswordVerdict::Refused);
}

TEST_F(PamSigning, ASignatureRecordsWhoWhatAndTheBatchAtSigning) {
    CountingCheck check;
    TSigningGuard guard(check, [this] { return now; });
    const TSignResult result =
        guard.Sign(batch, TSignatureMeaning::Approved, "lot released", "right horse battery", context);
    ASSERT_EQ(result.Outcome, TSignOutcome::Signed) << result.Message.toStdString();
    const TAuditTrailContent trail = ReadAuditTrail(batch);
    ASSERT_EQ(trail.Records.size(), 2u); // the trail starts on the existing file
    const TAuditRecord& r = trail.Records.back();
    EXPECT_EQ(r.Action, "signed");
    EXPECT_EQ(r.Meaning, "Approved by");
    EXPECT_EQ(r.Comment, "lot released");
    EXPECT_EQ(r.Login, login);
    EXPECT_EQ(r.FullName, "Jane Roe");
    EXPECT_EQ(r.Time, now);
    EXPECT_EQ(r.Sha256, Sha256Hex("batch bytes"));
    EXPECT_TRUE(AuditReasonRequired(batch));
    EXPECT_EQ(VerifyAuditTrail(batch).Status, TAuditStatus::Intact);
}

TEST_F(PamSigning, ThreeWrongPasswordsInARowLockSigningForThirtySeconds) {
    CountingCheck check;
    TSigningGuard guard(check, [this] { return now; });
    auto sign = [&](const char* password) {
        return guard.Sign(batch, TSignatureMeaning::Reviewed, {}, password, context);
    };
    // Two wrong, then a right one: the count starts again.
    EXPECT_EQ(sign("wrong").Outcome, TSignOutcome::WrongPassword);
    EXPECT_EQ(sign("wrong").Outcome, TSignOutcome::WrongPassword);
    EXPECT_EQ(sign("right horse battery").Outcome, TSignOutcome::Signed);
    EXPECT_EQ(sign("wrong").Outcome, TSignOutcome::WrongPassword);
    EXPECT_EQ(sign("wrong").Outcome, TSignOutcome::WrongPassword);
    EXPECT_EQ(guard.LockedSeconds(), 0);
    const TSignResult third = sign("wrong");
    EXPECT_EQ(third.Outcome, TSignOutcome::WrongPassword);
    EXPECT_EQ(third.Message, "Signature refused: the password is not correct.");
    EXPECT_EQ(third.SecondsLeft, 30);

    const int callsAtLock = check.Calls;
    now = now.addSecs(10);
    const TSignResult locked = sign("right horse battery");
    EXPECT_EQ(locked.Outcome, TSignOutcome::Locked);
    EXPECT_EQ(locked.SecondsLeft, 20);
    EXPECT_EQ(check.Calls, callsAtLock) << "a locked guard does not even ask PAM";
    now = now.addMSecs(19999);
    EXPECT_EQ(sign("right horse battery").Outcome, TSignOutcome::Locked);
    now = now.addMSecs(1);
    EXPECT_EQ(sign("right horse battery").Outcome, TSignOutcome::Signed);

    const TAuditTrailContent trail = ReadAuditTrail(batch);
    int signatures = 0;
    for (const TAuditRecord& r : trail.Records)
        signatures += r.Action == "signed" ? 1 : 0;
    EXPECT_EQ(signatures, 2);
}

// The window and every bramblex-cli share one count and lock through the user's file.
TEST_F(PamSigning, TheLockHoldsForEveryGuardOfTheUser) {
    CountingCheck check;
    const QString state = dir.File("state/signing-lock");
    {
        TSigningGuard first(
            check, [this] { return now; }, state);
        for (int i = 0; i < 3; ++i)
            first.Sign(batch, TSignatureMeaning::Performed, {}, "wrong", context);
    }
    TSigningGuard second(
        check, [this] { return now; }, state);
    now = now.addSecs(29);
    EXPECT_EQ(second.Sign(batch, TSignatureMeaning::Performed, {}, "right horse battery", context).Outcome,
              TSignOutcome::Locked);
    now = now.addSecs(1);
    EXPECT_EQ(second.Sign(batch, TSignatureMeaning::Performed, {}, "right horse battery", context).Outcome,
              TSignOutcome::Signed);
}

} // namespace
