// Printing end to end through a private CUPS scheduler that the tests start
// (support/PrivateCups.h): the pages Qt drew for CUPS are read back with pdfinfo.

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
#include "support/PrivateCups.h"

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

TPrivateCups* Cups = nullptr;

void SetPaper(TPage& page, int paper, int orientation) {
    page.Property("PageOrientation").SetInteger(orientation);
    page.Property("PaperSize").SetInteger(paper);
}

class ReportPrinting : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // Before anything asks CUPS: the client library reads this once.
        Cups = new TPrivateCups;
        Cups->UseInThisProcess();
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
