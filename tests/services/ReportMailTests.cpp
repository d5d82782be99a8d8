// Mail through the real xdg-email, with a stand-in mail program registered for mailto
// addresses in a private XDG data folder. Like a real one it reads the attachments
// after xdg-email has returned, and it notes what it was given and what it could read.

#include "charts/QCustomPlotChartPainter.h"
#include "documents/BatchItem.h"
#include "platform/Mail.h"
#include "reports/Page.h"
#include "reports/Report.h"
#include "services/JobProgress.h"
#include "services/ReportMail.h"

#include "support/ErrorOf.h"
#include "support/FakePrinters.h"

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

// The mail program: hands the address to a reader in the background and returns at
// once; the reader waits a second, then notes subject, body and each attachment's
// name and size (-1 when it cannot be read any more).
const char* const StubMail = R"(#!/bin/sh
python3 "$(dirname "$0")/reader.py" "$1" < /dev/null > /dev/null 2>&1 &
exit 0
)";
const char* const StubReader = R"(import json, os, sys, time, urllib.parse
time.sleep(1)
url = sys.argv[1]
query = urllib.parse.parse_qs(url.split('?', 1)[1] if '?' in url else '', keep_blank_values=True)
files = []
for item in query.get('attach', []):
    path = urllib.parse.unquote(item)
    if path.startswith('file://'):
        path = path[len('file://'):]
    try:
        size = len(open(path, 'rb').read())
    except OSError:
        size = -1
    files.append({'name': os.path.basename(path), 'size': size})
log = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'mail.json')
with open(log + '.tmp', 'w') as out:
    json.dump({'subject': query.get('subject', [''])[0], 'body': query.get('body', [''])[0], 'files': files}, out)
os.rename(log + '.tmp', log)
)";

class ReportMail : public FakePrintersTest {
protected:
    void SetUp() override {
        FakePrintersTest::SetUp();
        if (QStandardPaths::findExecutable(QStringLiteral("xdg-email")).isEmpty())
            GTEST_SKIP() << "xdg-email is not installed (xdg-utils)";
        const QString root = m_dir.path();
        QDir().mkpath(root + "/data/applications");
        QDir().mkpath(root + "/config");
        QDir().mkpath(root + "/bin");
        Write("bin/stubmail", StubMail);
        Write("bin/reader.py", StubReader);
        QFile::setPermissions(root + "/bin/stubmail", QFileDevice::Permissions(0x7700));
        Write("data/applications/stubmail.desktop",
              QStringLiteral("[Desktop Entry]\nType=Application\nName=Stub Mail\nExec=%1/bin/stubmail %u\n"
                             "MimeType=x-scheme-handler/mailto;\n")
                  .arg(root)
                  .toUtf8());
        Write("config/mimeapps.list", "[Default Applications]\nx-scheme-handler/mailto=stubmail.desktop\n");
        qputenv("XDG_DATA_HOME", (root + "/data").toUtf8());
        qputenv("XDG_DATA_DIRS", (root + "/data").toUtf8());
        qputenv("XDG_CONFIG_HOME", (root + "/config").toUtf8());
        qputenv("XDG_CACHE_HOME", (root + "/cache").toUtf8());
        // xdg-open hands addresses to programs only in a graphical session; it only
        // looks for the variable.
        qputenv("DISPLAY", ":99");
        for (const char* name :
             {"XDG_CURRENT_DESKTOP", "XDG_SESSION_DESKTOP", "DESKTOP_SESSION", "KDE_FULL_SESSION",
              "GNOME_DESKTOP_SESSION_ID", "MATE_DESKTOP_SESSION_ID", "BROWSER"})
            qunsetenv(name);
    }

    void Write(const QString& name, const QByteArray& bytes) {
        QFile file(m_dir.path() + "/" + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

    // What the mail program noted, once it has.
    QJsonObject Received() {
        const QString log = m_dir.path() + "/bin/mail.json";
        for (int i = 0; i < 200 && !QFile::exists(log); ++i)
            QThread::msleep(50);
        QFile file(log);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QJsonDocument::fromJson(file.readAll()).object();
    }

    QString MailRoot() const { return m_dir.path() + "/cache/bramblex/mail/"; }

    static std::unique_ptr<TReport> Report(int pages) {
        auto report = std::make_unique<TReport>();
        for (int i = 0; i < pages; ++i) {
            TPage* page = report->AddPage();
            page->Property("PaperSize").SetInteger(4);
        }
        return report;
    }

    QTemporaryDir m_dir;
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
    mail.Attachments << m_dir.path() + "/no such file.pdf";
    EXPECT_FALSE(mail.Send());
    EXPECT_EQ(mail.ResultCode, 11);
    EXPECT_FALSE(mail.ResultReason.isEmpty());

    // No mail program set for mailto addresses.
    Write("config/mimeapps.list", "[Default Applications]\n");
    QFile::remove(m_dir.path() + "/data/applications/stubmail.desktop");
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
    batch.SaveToFile(m_dir.path() + "/Sample.epb");
    Report(2)->SaveToFile(m_dir.path() + "/Two.epr");
    QProcess cli;
    cli.start(QStringLiteral(BRAMBLEX_BINARY_DIR "/tools/cli/bramblex-cli"),
              {"report", "--template", m_dir.path() + "/Two.epr", "--batch", m_dir.path() + "/Sample.epb",
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
