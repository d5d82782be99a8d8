// The audit trail in the window, offscreen: the edits, commands and file operations of
// the window each leave their record, a signed batch asks for a reason, the batch view
// says when a batch was changed outside, the Audit Trail window shows and exports the
// trail, and the Sign dialog checks the password through real PAM (pam_wrapper with
// pam_matrix) with the lock after three wrong ones. A report's [Signatures] field lists
// the signatures. BRAMBLEX_AUDIT_SHOTS=folder keeps pictures of the windows there.

#include "PamWrapperReexec.h"
#include "audit/AuditTrail.h"
#include "reports/Page.h"
#include "reports/PageItemMemo.h"
#include "reports/Report.h"
#include "services/ReportJobs.h"
#include "ui/AuditStatusLine.h"
#include "ui/FormAuditTrail.h"
#include "ui/FormSign.h"
#include "ui/FormViewHeader.h"
#include "ui/MainWindowFixture.h"

#include "platform/UserIdentity.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>

#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

QStringList Actions(const QString& batch) {
    QStringList names;
    for (const TAuditRecord& r : ReadAuditTrail(batch).Records)
        names << r.Action;
    return names;
}

void Shot(QWidget* w, const char* name) {
    const QByteArray folder = qgetenv("BRAMBLEX_AUDIT_SHOTS");
    if (!folder.isEmpty())
        w->grab().save(QString::fromLocal8Bit(folder) + QLatin1Char('/') + QLatin1String(name) + ".png");
}

class AuditWindow : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        WriteSettings({{"DefaultViscoMeter", "2"}});
        batch = Local() + "Lot 17.epb";
        WriteBatch(batch, 2, 0, 3, 1);
    }

    // Starts the window with a fixed signer and clock, the batch selected.
    void StartOnBatch() {
        Start();
        Form->AuditRecorder().Context = context;
        ShowFolder(Local());
        SelectInList(batch);
    }

    QString batch;
    QDateTime now = QDateTime(QDate(2026, 3, 4), QTime(9, 0), Qt::OffsetFromUTC, 3600);
    TAuditContext context{
        {CurrentUserIdentity().Login, "Jane Roe", "lab-3"}, "9.9.9", [this] { return now; }};
};

TEST_F(AuditWindow, HeaderEditsNewBatchClearAndDeleteEachRecord) {
    StartOnBatch();
    TFormViewHeader* header = Form->FormViewBatch()->FormViewHeader();
    auto* company = header->findChild<QLineEdit*>("EditCompany");
    ASSERT_NE(company, nullptr);
    company->setText("Acme Labs");
    Form->FormViewBatch()->CommitEdits();
    ASSERT_EQ(Actions(batch), QStringList({"started", "header-changed"}));
    const TAuditRecord edit = ReadAuditTrail(batch).Records.back();
    EXPECT_EQ(edit.Details, "Company: \"\" → \"Acme Labs\"");
    EXPECT_EQ(edit.FullName, "Jane Roe");
    EXPECT_EQ(VerifyAuditTrail(batch).Status, TAuditStatus::Intact);

    Dialogs.Answers.push_back(QMessageBox::Yes);
    ASSERT_TRUE(Enabled("ActionClear"));
    A("ActionClear")->trigger();
    EXPECT_EQ(Actions(batch).last(), "readings-cleared");
    EXPECT_EQ(ReadAuditTrail(batch).Records.back().Details, "3 readings cleared");

    ASSERT_TRUE(Enabled("ActionNewBatch"));
    A("ActionNewBatch")->trigger();
    const QString created = Local() + "New Batch.epb";
    EXPECT_EQ(Actions(created), QStringList({"created"}));

    SelectInList(batch);
    Dialogs.Answers.push_back(QMessageBox::Yes);
    ASSERT_TRUE(Enabled("ActionDeleteFolderFile"));
    A("ActionDeleteFolderFile")->trigger();
    EXPECT_FALSE(QFile::exists(batch));
    EXPECT_FALSE(QFile::exists(AuditTrailPath(batch)));
    EXPECT_EQ(Dialogs.Count("error"), 0) << Dialogs.Texts("error").join("\n").toStdString();
}

TEST_F(AuditWindow, AfterASignatureAnEditAsksForTheReasonAndRecordsIt) {
    RecordAuditEvent(batch, {TAuditAction::Signed, "Approved by", {}, {}, "Approved by", {}}, context);
    StartOnBatch();
    auto* company = Form->FormViewBatch()->FormViewHeader()->findChild<QLineEdit*>("EditCompany");
    ASSERT_NE(company, nullptr);
    const QByteArray signedBytes = Dir.Read("storage/Local/Lot 17.epb");

    Dialogs.Reasons.push_back(""); // cancelled: nothing is written
    company->setText("Acme Labs");
    Form->FormViewBatch()->CommitEdits();
    EXPECT_EQ(Dir.Read("storage/Local/Lot 17.epb"), signedBytes);
    EXPECT_EQ(Dialogs.Count("error"), 1);

    Dialogs.Reasons.push_back("customer asked");
    company->setText("Acme Labs Ltd");
    Form->FormViewBatch()->CommitEdits();
    EXPECT_EQ(Dialogs.Count("reason"), 2);
    const TAuditRecord edit = ReadAuditTrail(batch).Records.back();
    EXPECT_EQ(edit.Action, "header-changed");
    EXPECT_EQ(edit.Reason, "customer asked");
    EXPECT_EQ(edit.Details, "Company: \"\" → \"Acme Labs Ltd\"") << "measured from the saved file";
}

TEST_F(AuditWindow, TheBatchViewSaysWhenTheBatchWasChangedOutside) {
    TBatchItem item;
    item.LoadFromFile(batch);
    TAuditRecorder recorder;
    recorder.Context = context;
    item.SaveToFile(batch, TAuditEntry::HeaderChanged("Note", "", ""), recorder);
    {
        QFile f(batch);
        ASSERT_TRUE(f.open(QIODevice::Append));
        f.write("\n<!-- edited by hand -->\n");
    }
    StartOnBatch();
    TAuditStatusLine* line = Form->FormViewBatch()->AuditStatusLine();
    EXPECT_TRUE(line->isVisible());
    EXPECT_EQ(line->text(), "This batch was changed outside Bramblex after the last recorded change "
                            "(2026-03-04 09:00:00).");
    Form->resize(1200, 800);
    Shot(Form.get(), "changed-outside");

    // Another batch, intact, shows no line.
    WriteBatch(Local() + "Clean.epb", 2, 0);
    ShowFolder(Local());
    SelectInList(Local() + "Clean.epb");
    EXPECT_FALSE(line->isVisible());
}

TEST_F(AuditWindow, TheAuditTrailWindowShowsTheChainAndExportsItWhole) {
    TAuditRecorder recorder;
    recorder.Context = context;
    TBatchItem item;
    item.LoadFromFile(batch);
    item.Company = "Acme, \"Labs\"";
    item.SaveToFile(batch, TAuditEntry::HeaderChanged("Company", "", item.Company), recorder);
    StartOnBatch();
    QStringList statuses;
    int rows = 0;
    const QString csv = Dir.File("trail.csv");
    const QString pdf = Dir.File("trail.pdf");
    Dialogs.Paths = {csv, pdf};
    Form->ExecDialog = [&](QDialog& dialog) {
        auto& window = dynamic_cast<TFormAuditTrail&>(dialog);
        statuses << window.LabelStatus()->text();
        rows = window.TableRecords()->rowCount();
        window.show();
        Shot(&window, "audit-trail");
        window.findChild<QPushButton*>("ButtonExportCsv")->click();
        window.findChild<QPushButton*>("ButtonExportPdf")->click();
    };
    ASSERT_TRUE(Enabled("ActionAuditTrail"));
    A("ActionAuditTrail")->trigger();
    EXPECT_EQ(statuses, QStringList({"Intact: every record is in place and the batch is as last recorded."}));
    EXPECT_EQ(rows, 2);

    const QStringList lines = QString::fromUtf8(Dir.Read("trail.csv")).split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], "time,user,full_name,host,action,details,reason,sha256");
    EXPECT_TRUE(lines[2].startsWith("2026-03-04T09:00:00.000+01:00,")) << lines[2].toStdString();
    // The details, quoted as CSV quotes a field with commas and quotes.
    EXPECT_TRUE(lines[2].contains(R"(,header-changed,"Company: """" → ""Acme, ""Labs""""",)"))
        << lines[2].toStdString();

    QProcess info;
    info.start("pdfinfo", {pdf});
    ASSERT_TRUE(info.waitForFinished(20000));
    EXPECT_EQ(info.exitCode(), 0) << info.readAllStandardError().toStdString();
    EXPECT_TRUE(info.readAllStandardOutput().contains("Korvane Bramblex"));
    EXPECT_EQ(Dialogs.Count("error"), 0) << Dialogs.Texts("error").join("\n").toStdString();

    // Changed outside and broken, as the window's first line says them.
    TAuditVerdict changed;
    changed.Status = TAuditStatus::ChangedOutside;
    changed.LastRecordTime = QDateTime(QDate(2026, 3, 4), QTime(8, 0), Qt::UTC);
    EXPECT_EQ(TFormAuditTrail::StatusText(changed),
              QStringLiteral("Changed outside Bramblex after the last recorded change (%1).")
                  .arg(changed.LastRecordTime.toLocalTime().toString("yyyy-MM-dd HH:mm:ss")));
    TAuditVerdict broken;
    broken.Status = TAuditStatus::Broken;
    broken.BrokenAt = 3;
    EXPECT_EQ(TFormAuditTrail::StatusText(broken),
              "The trail is broken at record 3: a record was changed or removed.");
}

TEST_F(AuditWindow, SigningChecksThePasswordThroughPamAndLocksAfterThreeWrongOnes) {
    ASSERT_TRUE(PamWrapperLoaded);
    Dir.Write("passdb", (context.User.Login + ":right horse battery:bramblex\n").toUtf8());
    qputenv("PAM_MATRIX_PASSWD", QFile::encodeName(Dir.File("passdb")));
    StartOnBatch();
    Form->SigningClock = [this] { return now; };
    Form->SigningLockFile = Dir.File("state/signing-lock");

    QStringList messages;
    bool accepted = false;
    auto attempt = [&](TFormSign& sign, const QString& password) {
        sign.EditPassword()->setText(password);
        sign.Submit();
        EXPECT_TRUE(sign.Checking()) << "the check runs off the window's thread";
        ASSERT_TRUE(WaitFor([&] { return !sign.Checking(); }, 20000));
        messages << sign.LabelMessage()->text();
    };
    Form->ExecDialog = [&](QDialog& dialog) {
        auto& sign = dynamic_cast<TFormSign&>(dialog);
        sign.show();
        sign.ComboBoxMeaning()->setCurrentIndex(2);
        sign.EditComment()->setText("released for sale");
        for (int i = 0; i < 3; ++i)
            attempt(sign, "wrong");
        attempt(sign, "right horse battery"); // locked: PAM is not even asked
        Shot(&sign, "sign-locked");
        now = now.addSecs(30);
        attempt(sign, "right horse battery");
        accepted = sign.result() == QDialog::Accepted;
    };
    ASSERT_TRUE(Enabled("ActionSign"));
    A("ActionSign")->trigger();
    ASSERT_EQ(messages.size(), 5);
    EXPECT_EQ(messages[0], "Signature refused: the password is not correct.");
    EXPECT_EQ(messages[2], "Signature refused: the password is not correct.");
    EXPECT_EQ(messages[3], "Signing is locked after three wrong passwords; try again in 30 seconds.");
    EXPECT_EQ(messages[4], "");
    EXPECT_TRUE(accepted);

    const TAuditRecord signature = ReadAuditTrail(batch).Records.back();
    EXPECT_EQ(signature.Action, "signed");
    EXPECT_EQ(signature.Meaning, "Approved by");
    EXPECT_EQ(signature.Comment, "released for sale");
    EXPECT_EQ(signature.FullName, "Jane Roe");
    EXPECT_EQ(signature.Sha256, FileSha256(batch));
    // The batch view's header line lists it.
    TAuditStatusLine* line = Form->FormViewBatch()->AuditStatusLine();
    EXPECT_TRUE(line->isVisible());
    EXPECT_EQ(
        line->text(),
        QStringLiteral("Approved by: Jane Roe (%1), 2026-03-04 09:00:30 +01:00").arg(context.User.Login));
    Shot(Form.get(), "signed");
}

// The report field [Signatures] of a composed report: one line per signature, those of
// an earlier version of the batch marked so.
TEST_F(AuditWindow, ASignaturesFieldListsEachSignatureOfTheReportedBatch) {
    RecordAuditEvent(batch, {TAuditAction::Signed, "", {}, {}, "Performed by", {}}, context);
    now = now.addSecs(60);
    TAuditRecorder recorder;
    recorder.Context = context;
    recorder.AskReason = [](const QString&, QString& reason) {
        reason = "late note";
        return true;
    };
    TBatchItem item;
    item.LoadFromFile(batch);
    item.Note = "late";
    item.SaveToFile(batch, TAuditEntry::HeaderChanged("Note", "", "late"), recorder);
    now = now.addSecs(60);
    RecordAuditEvent(batch, {TAuditAction::Signed, "", {}, {}, "Approved by", {}}, context);

    TReport report;
    TPage* page = report.AddPage();
    page->Property("PageType").SetInteger(PageTypeInner);
    page->Property("PaperSize").SetInteger(0);
    page->Property("PageWidth").SetFloat(200.0);
    page->Property("PageHeight").SetFloat(60.0);
    auto* memo = page->AddItem<TPageItemMemo>();
    memo->Property("Left").SetFloat(5);
    memo->Property("Top").SetFloat(5);
    memo->Property("Width").SetFloat(190);
    memo->Property("Height").SetFloat(50);
    memo->Property("Text").SetString("Signatures:\n[Signatures]");
    const std::unique_ptr<TBatchItem> reported = ReadBatchFile(batch);
    const std::unique_ptr<TReport> composed = ComposePreview({&report}, {reported.get()}, "Signed");
    ASSERT_EQ(composed->PageCount(), 1);
    const QString login = context.User.Login;
    EXPECT_EQ(TPageItemMemo::SubstituteFields("[Signatures]", *composed->Page(0)),
              QStringLiteral("Performed by: Jane Roe (%1), 2026-03-04 09:00:00 +01:00 (an earlier version)\n"
                             "Approved by: Jane Roe (%1), 2026-03-04 09:02:00 +01:00")
                  .arg(login));
    if (!qgetenv("BRAMBLEX_AUDIT_SHOTS").isEmpty())
        RenderPageForJpeg(*composed->Page(0), nullptr)
            .save(QString::fromLocal8Bit(qgetenv("BRAMBLEX_AUDIT_SHOTS")) + "/report-signatures.png");
}

} // namespace
