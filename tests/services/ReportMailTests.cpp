// Mail through the real xdg-email, with a stand-in mail program registered for mailto
// addresses in private XDG folders (support/StubMailProgram.h).

#include "charts/QCustomPlotChartPainter.h"
#include "documents/BatchItem.h"
#include "platform/Mail.h"
#include "reports/Page.h"
#include "reports/Report.h"
#include "services/JobProgress.h"
#include "services/ReportMail.h"

#include "support/ErrorOf.h"
#include "support/FakePrinters.h"
#include "support/StubMailProgram.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <utime.h>

namespace {

class ReportMail : public FakePrintersTest {
protected:
    void SetUp() override {
        FakePrintersTest::SetUp();
        if (!TStubMailProgram::XdgEmailInstalled())
            GTEST_SKIP() << "xdg-email is not installed (xdg-utils)";
        Mail = std::make_unique<TStubMailProgram>();
    }
    void TearDown() override {
        Mail.reset();
        FakePrintersTest::TearDown();
    }

    QJsonObject Received() { return Mail->Received(); }
    QString MailRoot() const { return Mail->MailRoot(); }
    void Write(const QString& name, const QByteArray& bytes) { Mail->Write(name, bytes); }

    static std::unique_ptr<TReport> Report(int pages) {
        auto report = std::make_unique<TReport>();
        for (int i = 0; i < pages; ++i) {
            TPage* page = report->AddPage();
            page->Property("PaperSize").SetInteger(4);
        }
        return report;
    }

    std::unique_ptr<TStubMailProgram> Mail;
    TQCustomPlotChartPainter Charts;
    TJobProgress Progress;
};

TEST_F(ReportMail, APdfReportReachesTheMailProgramWhichReadsItLater) {
    EXPECT_TRUE(MailAvailable());
    TBatchItem a, b, c;
    a.FileTitle = QStringLiteral("A");
    b.FileTitle = QStringLiteral("B");
    c.FileTitle = QStringLiteral("C");
    const auto report = Report(2);
    TMAPIMail sent;
    {
        TMailFolders folders;
        ASSERT_TRUE(SendReportMail(*report, {&a, &b, &c}, EmailReportPdf, folders, &Charts, Progress, &sent));
        ASSERT_EQ(sent.Attachments.size(), 1);
        const QFileInfo folder(QFileInfo(sent.Attachments[0]).absolutePath());
        EXPECT_EQ(folder.absolutePath() + "/", MailRoot());
        EXPECT_EQ(folder.permissions() & 0x0077, 0) << "the message's folder is the user's alone";

        const QJsonObject received = Received();
        EXPECT_EQ(received["subject"].toString(), QStringLiteral("Bramblex Report"));
        EXPECT_EQ(
            received["body"].toString(),
            QStringLiteral("Please find attached a report on the following batches:\r\n\r\nA\r\nB\r\nC"));
        const QJsonArray files = received["files"].toArray();
        ASSERT_EQ(files.size(), 1);
        EXPECT_EQ(files[0].toObject()["name"].toString(), QStringLiteral("Bramblex Report.pdf"));
        EXPECT_EQ(files[0].toObject()["size"].toInteger(), QFileInfo(sent.Attachments[0]).size());
        EXPECT_GT(QFileInfo(sent.Attachments[0]).size(), 0);
    }
    // The folders go with their owner.
    EXPECT_FALSE(QFile::exists(sent.Attachments[0]));
    EXPECT_TRUE(QDir(MailRoot()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());
}

TEST_F(ReportMail, JpegReportsAttachOneFilePerPage) {
    const auto report = Report(4);
    TMailFolders folders;
    TMAPIMail sent;
    ASSERT_TRUE(SendReportMail(*report, {}, EmailReportJpeg, folders, &Charts, Progress, &sent));
    const QJsonArray files = Received()["files"].toArray();
    ASSERT_EQ(files.size(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(files[i].toObject()["name"].toString(),
                  QStringLiteral("Bramblex Report_%1.jpg").arg(i + 1));
        EXPECT_GT(files[i].toObject()["size"].toInteger(), 0);
    }
}

TEST_F(ReportMail, AFailedHandOverSaysWhyAndResultCodesHaveTheirTexts) {
    TMAPIMail mail;
    mail.Subject = QStringLiteral("Bramblex Report");
    mail.Attachments << Mail->Root() + "/no such file.pdf";
    EXPECT_FALSE(mail.Send());
    EXPECT_EQ(mail.ResultCode, 11);
    EXPECT_FALSE(mail.ResultReason.isEmpty());

    // No mail program set for mailto addresses.
    Mail->Unregister();
    EXPECT_FALSE(MailAvailable());
    const auto report = Report(1);
    TMailFolders folders;
    const QString error =
        ErrorOf([&] { SendReportMail(*report, {}, EmailReportPdf, folders, &Charts, Progress); });
    EXPECT_TRUE(error.startsWith(QStringLiteral("MAPI Error "))) << error.toStdString();
    EXPECT_TRUE(error.contains(QLatin1Char('\n'))) << error.toStdString();

    EXPECT_EQ(TMAPIMail::ErrorText(3), QStringLiteral("Logon failure"));
    EXPECT_EQ(TMAPIMail::ErrorText(18), QStringLiteral("Text too large."));
    EXPECT_EQ(TMAPIMail::ErrorText(99), QStringLiteral("Unknown Error Code: 99"));
    EXPECT_EQ(TMAPIMail::ErrorText(7), QStringLiteral("Unknown Error Code: 7"));
}

TEST_F(ReportMail, RecipientsGoToTheirFieldsByPrefix) {
    TMAPIMail mail;
    mail.Subject = QStringLiteral("S");
    mail.Recipients = {QStringLiteral("lab@example.org"), QStringLiteral("cc: boss@example.org"),
                       QStringLiteral("BCC:archive@example.org")};
    EXPECT_EQ(mail.XdgEmailArguments(), (QStringList{"--utf8", "--subject", "S", "--cc", "boss@example.org",
                                                     "--bcc", "archive@example.org", "lab@example.org"}));
}

// Sets a folder's times to seconds ago.
void Age(const QString& path, int seconds) {
    const time_t then = time(nullptr) - seconds;
    const struct utimbuf times { then, then };
    ::utime(QFile::encodeName(path).constData(), &times);
}

TEST_F(ReportMail, FoldersLeftOverADayAgoGoUnlessAProgramHoldsThem) {
    const QString root = MailRoot();
    for (const char* name : {"msg-old/sub", "msg-cut-short", "msg-held", "msg-recent", "other"})
        QDir().mkpath(root + name);
    Write("cache/bramblex/mail/msg-old/.lock", "");
    Write("cache/bramblex/mail/msg-recent/.lock", "");
    // Held as a running program holds the folders of its messages.
    const int held = ::open(QFile::encodeName(root + "msg-held/.lock").constData(), O_RDWR | O_CREAT, 0600);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    for (const char* name : {"msg-old", "msg-cut-short", "msg-held", "other"})
        Age(root + name, 2 * 86400);
    { TMailFolders folders; }
    ::close(held);
    EXPECT_EQ(QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              (QStringList{"msg-held", "msg-recent", "other"}));
}

TEST_F(ReportMail, TheCommandLineLeavesTheFilesForTheMailProgram) {
    TBatchItem batch;
    batch.SaveToFile(Mail->Root() + "/Sample.epb");
    Report(2)->SaveToFile(Mail->Root() + "/Two.epr");
    QProcess cli;
    cli.start(QStringLiteral(BRAMBLEX_BINARY_DIR "/tools/cli/bramblex-cli"),
              {"report", "--template", Mail->Root() + "/Two.epr", "--batch", Mail->Root() + "/Sample.epb",
               "--mail"});
    ASSERT_TRUE(cli.waitForFinished(30000));
    EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    // The command has ended; the mail program still finds its file.
    const QJsonObject received = Received();
    EXPECT_EQ(received["body"].toString(),
              QStringLiteral("Please find attached a report on the following batches:\r\n\r\nSample"));
    const QJsonArray files = received["files"].toArray();
    ASSERT_EQ(files.size(), 1);
    EXPECT_GT(files[0].toObject()["size"].toInteger(), 0);
}

} // namespace
