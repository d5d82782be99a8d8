// Printing end to end through a private CUPS scheduler that the tests start: its own
// configuration, socket and spool, and raw queues whose device hands each job's
// document back unchanged, so the pages Qt drew for CUPS can be read with pdfinfo.

#include "catalogue/Catalogue.h"
#include "charts/QCustomPlotChartPainter.h"
#include "platform/PrintJob.h"
#include "reports/Page.h"
#include "reports/PageItemChartRun.h"
#include "reports/PageItemShape.h"
#include "reports/Report.h"
#include "services/JobProgress.h"
#include "services/ReportPrinting.h"

#include "support/ErrorOf.h"
#include "support/FakePrinters.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The capture device: writes the job's document where the device URI points, and the
// copies, options and title CUPS passed beside it.
const char* const CaptureBackend = R"(#!/bin/sh
[ $# -eq 0 ] && { echo 'direct capture "Unknown" "Capture"'; exit 0; }
out=${DEVICE_URI#capture:}
echo "copies=$4 $5 title=$3" > "$out.options"
if [ -n "$6" ]; then cat "$6" > "$out.tmp"; else cat > "$out.tmp"; fi && mv "$out.tmp" "$out"
)";

class TPrivateCups {
public:
    // Starts cupsd with the queues "Raw" (the default) and "Second". Error() tells
    // why when it could not.
    TPrivateCups() {
        const QString cupsd =
            QStandardPaths::findExecutable(QStringLiteral("cupsd"), {"/usr/sbin", "/usr/local/sbin"});
        if (cupsd.isEmpty()) {
            m_error = "cupsd is not installed";
            return;
        }
        const QString root = m_dir.path();
        for (const char* sub : {"etc/ppd", "spool/tmp", "cache", "state", "log", "out", "bin/backend", "tmp"})
            QDir().mkpath(root + "/" + sub);
        // The backend may run as the scheduler's "lp" user: let it write the output.
        QFile::setPermissions(root + "/out", QFileDevice::Permissions(0x7777));
        QFile::setPermissions(root, QFileDevice::Permissions(0x7755));
        for (const char* sub : {"daemon", "filter", "cgi-bin", "monitor", "notifier"})
            QFile::link(QStringLiteral("/usr/lib/cups/") + sub, root + "/bin/" + sub);
        Write("bin/backend/capture", QByteArray(CaptureBackend));
        QFile::setPermissions(root + "/bin/backend/capture", QFileDevice::Permissions(0x7755));
        Write("etc/cups-files.conf",
              QStringLiteral("ServerRoot %1/etc\nRequestRoot %1/spool\nTempDir %1/spool/tmp\n"
                             "CacheDir %1/cache\nStateDir %1/state\nDataDir /usr/share/cups\n"
                             "ServerBin %1/bin\nAccessLog %1/log/access_log\n"
                             "ErrorLog %1/log/error_log\nPageLog %1/log/page_log\n"
                             "FileDevice Yes\n")
                  .arg(root));
        Write("etc/cupsd.conf", QStringLiteral("Listen %1/cups.sock\nBrowsing No\nWebInterface No\n"
                                               "DefaultAuthType None\n<Location />\n  Order allow,deny\n"
                                               "  Allow all\n</Location>\n<Policy default>\n  <Limit All>\n"
                                               "    Order deny,allow\n  </Limit>\n</Policy>\n")
                                    .arg(root));
        QString printers;
        for (const char* queue : {"Raw", "Second"}) {
            printers += QStringLiteral("<%1 %2>\nDeviceURI capture:%3/out/%2.pdf\nState Idle\nAccepting Yes\n"
                                       "Shared No\n</%1>\n")
                            .arg(QLatin1String(queue) == QLatin1String("Raw") ? "DefaultPrinter" : "Printer",
                                 QLatin1String(queue), root);
        }
        Write("etc/printers.conf", printers.toUtf8());
        m_cupsd.setProgram(cupsd);
        m_cupsd.setArguments({"-f", "-c", root + "/etc/cupsd.conf", "-s", root + "/etc/cups-files.conf"});
        m_cupsd.setProcessChannelMode(QProcess::MergedChannels);
        m_cupsd.start();
        if (!m_cupsd.waitForStarted(5000)) {
            m_error = "cupsd did not start: " + m_cupsd.errorString().toStdString();
            return;
        }
        for (int i = 0; i < 100 && !QFile::exists(Socket()); ++i)
            QThread::msleep(50);
        if (!QFile::exists(Socket()) || m_cupsd.state() != QProcess::Running)
            m_error = "cupsd did not come up: " + m_cupsd.readAll().toStdString();
    }
    ~TPrivateCups() {
        m_cupsd.terminate();
        if (!m_cupsd.waitForFinished(5000))
            m_cupsd.kill();
    }

    const std::string& Error() const { return m_error; }
    QString Socket() const { return m_dir.path() + "/cups.sock"; }
    QString Temporary() const { return m_dir.path() + "/tmp"; }
    // The document the queue received last.
    QString Output(const char* queue) const { return m_dir.path() + "/out/" + queue + ".pdf"; }

    // Waits for a document on queue (removing it first is the caller's).
    bool WaitForOutput(const char* queue) const {
        for (int i = 0; i < 200; ++i) {
            if (QFile::exists(Output(queue)))
                return true;
            QThread::msleep(50);
        }
        return false;
    }
    QString Options(const char* queue) const {
        QFile file(Output(queue) + ".options");
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).trimmed() : QString();
    }
    // Jobs the scheduler has seen on any queue.
    int JobCount() const {
        QProcess lpstat;
        lpstat.start(QStringLiteral("lpstat"), {"-W", "all", "-o"});
        lpstat.waitForFinished(10000);
        return static_cast<int>(lpstat.readAllStandardOutput().count('\n'));
    }

private:
    void Write(const QString& name, const QByteArray& bytes) {
        QFile file(m_dir.path() + "/" + name);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(bytes);
    }
    void Write(const QString& name, const QString& text) { Write(name, text.toUtf8()); }

    QTemporaryDir m_dir;
    QProcess m_cupsd;
    std::string m_error;
};

TPrivateCups* Cups = nullptr;

QStringList PdfPageSizes(const QString& pdf) {
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {"-f", "1", "-l", "999", pdf});
    info.waitForFinished(20000);
    const QString text = QString::fromUtf8(info.readAllStandardOutput());
    QStringList sizes;
    const QRegularExpression line(QStringLiteral("Page +\\d+ size: +([\\d.]+) x ([\\d.]+) pts"));
    for (auto it = line.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        sizes << QStringLiteral("%1x%2").arg(m.captured(1), m.captured(2));
    }
    return sizes;
}

void SetPaper(TPage& page, int paper, int orientation) {
    page.Property("PageOrientation").SetInteger(orientation);
    page.Property("PaperSize").SetInteger(paper);
}

class ReportPrinting : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // Before anything asks CUPS: the client library reads this once.
        Cups = new TPrivateCups;
        qputenv("CUPS_SERVER", Cups->Socket().toUtf8());
        // Print jobs draw their documents in the temporary folder: one of our own.
        qputenv("TMPDIR", Cups->Temporary().toUtf8());
    }
    static void TearDownTestSuite() {
        delete Cups;
        Cups = nullptr;
    }
    void SetUp() override {
        if (!Cups->Error().empty())
            GTEST_SKIP() << "no private CUPS scheduler, printing is not tested here: " << Cups->Error();
        QFile::remove(Cups->Output("Raw"));
        QFile::remove(Cups->Output("Second"));
    }

    TQCustomPlotChartPainter Charts;
    TJobProgress Progress;
};

TEST_F(ReportPrinting, TheFirstPagesPaperServesTheJobAndOrientationsSwitchBetweenPages) {
    TReport report;
    SetPaper(*report.AddPage(), 4, PageOrientationLandscape);
    SetPaper(*report.AddPage(), 4, PageOrientationPortrait);
    SetPaper(*report.AddPage(), 4, PageOrientationDefault);
    SetPaper(*report.AddPage(), 8, PageOrientationLandscape); // Letter, printed on the job's A4
    ASSERT_TRUE(Print(report, QStringLiteral("Bramblex Report"), nullptr, &Charts, Progress));
    ASSERT_TRUE(Cups->WaitForOutput("Raw"));
    EXPECT_EQ(PdfPageSizes(Cups->Output("Raw")), (QStringList{"842x595", "595x842", "595x842", "842x595"}));
    EXPECT_TRUE(Cups->Options("Raw").contains("media=iso_a4_210x297mm"))
        << Cups->Options("Raw").toStdString();
}

TEST_F(ReportPrinting, ACustomPageIsPrintedOnPaperOfItsOwnSize) {
    TReport report;
    TPage* page = report.AddPage();
    page->Property("PaperSize").SetInteger(0);
    page->Property("PageOrientation").SetInteger(PageOrientationPortrait);
    page->Property("PageWidth").SetFloat(100);
    page->Property("PageHeight").SetFloat(150);
    // A mark in the bottom right corner shows that drawing starts at the paper's edge.
    auto* mark = page->AddItem<TPageItemShape>();
    mark->Property("Left").SetFloat(80);
    mark->Property("Top").SetFloat(130);
    mark->Property("Width").SetFloat(20);
    mark->Property("Height").SetFloat(20);
    mark->Property("FillColor").SetInteger(0);
    ASSERT_TRUE(Print(report, QStringLiteral("Custom"), nullptr, &Charts, Progress));
    ASSERT_TRUE(Cups->WaitForOutput("Raw"));
    EXPECT_EQ(PdfPageSizes(Cups->Output("Raw")), QStringList{"283x425"});
    EXPECT_TRUE(Cups->Options("Raw").contains("media=Custom.100x150mm"))
        << Cups->Options("Raw").toStdString();

    QTemporaryDir dir;
    QProcess render;
    render.start(QStringLiteral("pdftoppm"),
                 {"-r", "72", "-png", "-singlefile", Cups->Output("Raw"), dir.filePath("p")});
    ASSERT_TRUE(render.waitForFinished(20000));
    const QImage image(dir.filePath("p.png"));
    ASSERT_EQ(image.size(), QSize(283, 425));
    EXPECT_EQ(image.pixel(275, 417), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(215, 417), qRgb(255, 255, 255));
}

TEST_F(ReportPrinting, TheOperatorsChoicesAreKeptWithTheReportAndServeTheNextJob) {
    TReport report;
    SetPaper(*report.AddPage(), 4, PageOrientationPortrait);
    SetPaper(*report.AddPage(), 4, PageOrientationPortrait);
    TPrintSettings chosen;
    chosen.Printer = QStringLiteral("Second");
    chosen.Copies = 3;
    chosen.Collate = false;
    ASSERT_TRUE(Print(report, QStringLiteral("First"), &chosen, &Charts, Progress));
    ASSERT_TRUE(Cups->WaitForOutput("Second"));
    EXPECT_EQ(TPrintSettings::Load(report.SavedPrinterSettings), chosen);
    // The copies are the job's: the document itself holds each page once.
    EXPECT_EQ(PdfPageSizes(Cups->Output("Second")).size(), 2);
    EXPECT_TRUE(Cups->Options("Second").startsWith("copies=3 ")) << Cups->Options("Second").toStdString();
    EXPECT_TRUE(Cups->Options("Second").contains(" nocollate ")) << Cups->Options("Second").toStdString();
    EXPECT_TRUE(Cups->Options("Second").endsWith(" title=First")) << Cups->Options("Second").toStdString();

    QFile::remove(Cups->Output("Second"));
    ASSERT_TRUE(PrintPage(report, QStringLiteral("Again"), 1, nullptr, &Charts, Progress));
    ASSERT_TRUE(Cups->WaitForOutput("Second"));
    EXPECT_EQ(PdfPageSizes(Cups->Output("Second")).size(), 1);
    EXPECT_TRUE(Cups->Options("Second").startsWith("copies=3 "));
    EXPECT_FALSE(QFile::exists(Cups->Output("Raw")));
}

TEST_F(ReportPrinting, AJobThatFailsOrIsStoppedPartWayPrintsNothing) {
    TReport report;
    SetPaper(*report.AddPage(), 4, PageOrientationPortrait);
    TPage* inner = report.AddPage();
    SetPaper(*inner, 4, PageOrientationPortrait);
    inner->Property("PageType").SetInteger(PageTypeInner);
    auto* chart = inner->AddItem<TPageItemChartRun>();
    chart->Property("Width").SetFloat(100);
    chart->Property("Height").SetFloat(80);
    inner->Batch.SelectedXAxis = 9; // damaged: the chart cannot be drawn
    const int jobs = Cups->JobCount();
    EXPECT_EQ(ErrorOf([&] { Print(report, QStringLiteral("Broken"), nullptr, &Charts, Progress); }),
              QStringLiteral("Invalid XAxis"));

    inner->Batch.SelectedXAxis = 0;
    TJobProgress stopAfterFirstPage([](int done, int) { return done < 1; });
    EXPECT_FALSE(Print(report, QStringLiteral("Stopped"), nullptr, &Charts, stopAfterFirstPage));
    QThread::msleep(300);
    EXPECT_EQ(Cups->JobCount(), jobs);
    EXPECT_FALSE(QFile::exists(Cups->Output("Raw")));
    EXPECT_TRUE(QDir(Cups->Temporary()).isEmpty());
}

TEST_F(ReportPrinting, PagesOutsideTheReportAndMissingPrintersSayWhy) {
    TReport report;
    SetPaper(*report.AddPage(), 4, PageOrientationPortrait);
    EXPECT_EQ(ErrorOf([&] { PrintPage(report, QString(), 1, nullptr, &Charts, Progress); }),
              QStringLiteral("Page does not exist"));
    EXPECT_EQ(ErrorOf([&] { PrintPage(report, QString(), -1, nullptr, &Charts, Progress); }),
              QStringLiteral("Page does not exist"));
    TPrintSettings elsewhere;
    elsewhere.Printer = QStringLiteral("Nowhere");
    EXPECT_EQ(ErrorOf([&] { Print(report, QString(), &elsewhere, &Charts, Progress); }),
              QStringLiteral("The printer \"Nowhere\" is not installed."));

    TFakePrinters none;
    SetPrinterServices(&none);
    EXPECT_EQ(ErrorOf([&] { Print(report, QString(), nullptr, &Charts, Progress); }),
              QStringLiteral("No printer is installed."));
    SetPrinterServices(nullptr);
}

TEST_F(ReportPrinting, TheCommandLinePrintsOnTheQueueItIsGiven) {
    QTemporaryDir dir;
    TReport report;
    SetPaper(*report.AddPage(), 4, PageOrientationLandscape);
    SetPaper(*report.AddPage(), 4, PageOrientationPortrait);
    report.SaveToFile(dir.filePath("Two pages.epr"));
    QProcess cli;
    cli.start(QStringLiteral(BRAMBLEX_BINARY_DIR "/tools/cli/bramblex-cli"),
              {"report", "--template", dir.filePath("Two pages.epr"), "--print", "--printer", "Second"});
    ASSERT_TRUE(cli.waitForFinished(30000));
    EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    ASSERT_TRUE(Cups->WaitForOutput("Second"));
    EXPECT_EQ(PdfPageSizes(Cups->Output("Second")), (QStringList{"842x595", "595x842"}));
    EXPECT_TRUE(Cups->Options("Second").endsWith(" title=Bramblex Report"))
        << Cups->Options("Second").toStdString();

    cli.start(QStringLiteral(BRAMBLEX_BINARY_DIR "/tools/cli/bramblex-cli"),
              {"report", "--template", dir.filePath("Two pages.epr"), "--print", "--printer", "Nowhere"});
    ASSERT_TRUE(cli.waitForFinished(30000));
    EXPECT_EQ(cli.exitCode(), 1);
    EXPECT_EQ(cli.readAllStandardError().trimmed(), QByteArray("The printer \"Nowhere\" is not installed."));
}

} // namespace
