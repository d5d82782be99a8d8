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
#include <QFileInfo>
#include <QPageSize>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

namespace {

TPrivateCups* Cups = nullptr;

void SetPaper(TPage& page, int paper, int orientation) {
    page.Property("PageOrientation").SetInteger(orientation);
    page.Property("PaperSize").SetInteger(paper);
}

// A report with one page per (paper, orientation).
void AddPages(TReport& report, const std::vector<std::pair<int, int>>& pages) {
    for (const auto& [paper, orientation] : pages)
        SetPaper(*report.AddPage(), paper, orientation);
}

// What the print dialog hands over when the operator picks Letter, landscape.
TPrintSettings LetterLandscape() {
    TPrintSettings chosen;
    chosen.Paper = QPageSize(QPageSize::Letter);
    chosen.Orientation = PageOrientationLandscape;
    return chosen;
}

QString PdfField(const QString& pdf, const QString& field) {
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    info.waitForFinished(20000);
    const QRegularExpression line(QStringLiteral("^%1: +(.*)$").arg(field),
                                  QRegularExpression::MultilineOption);
    return line.match(QString::fromUtf8(info.readAllStandardOutput())).captured(1).trimmed();
}

// The test's own scratch folder lies in the jobs' temporary folder too.
QStringList Entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
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
    mark->SetLeft(80);
    mark->SetTop(130);
    mark->SetWidth(20);
    mark->SetHeight(20);
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

// The chosen paper and orientation are the job's until a page names its own: paper
// from the first page, orientation from each page.
TEST_F(ReportPrinting, PagesThatNameNoPaperOrOrientationPrintOnWhatTheOperatorChose) {
    const int Default = 1, A4 = 4;
    const int Keep = PageOrientationDefault, Portrait = PageOrientationPortrait,
              Landscape = PageOrientationLandscape;
    struct TCase {
        const char* Name;
        std::vector<std::pair<int, int>> Pages;
        QStringList Sizes;
        const char* Media;
    } cases[] = {
        {"new pages", {{Default, Keep}, {Default, Keep}}, {"792x612", "792x612"}, "na_letter_8.5x11in"},
        {"own orientation",
         {{Default, Portrait}, {Default, Keep}},
         {"612x792", "612x792"},
         "na_letter_8.5x11in"},
        {"own paper", {{A4, Keep}, {Default, Keep}}, {"842x595", "842x595"}, "iso_a4_210x297mm"},
        {"own paper and orientations",
         {{A4, Portrait}, {Default, Landscape}},
         {"595x842", "842x595"},
         "iso_a4_210x297mm"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        QFile::remove(Cups->Output("Raw"));
        TReport report;
        AddPages(report, c.Pages);
        const TPrintSettings chosen = LetterLandscape();
        ASSERT_TRUE(Print(report, QStringLiteral("Chosen"), &chosen, &Charts, Progress));
        ASSERT_TRUE(Cups->WaitForOutput("Raw"));
        EXPECT_EQ(PdfPageSizes(Cups->Output("Raw")), c.Sizes);
        EXPECT_TRUE(Cups->Options("Raw").contains(QStringLiteral("media=") + c.Media))
            << Cups->Options("Raw").toStdString();
    }
}

TEST_F(ReportPrinting, PrintToFileWritesTheJobAsAPdfFileAndNothingReachesAPrinter) {
    QTemporaryDir dir;
    const QString file = dir.filePath("report.pdf");
    TReport report;
    AddPages(report,
             {{1, PageOrientationDefault}, {4, PageOrientationPortrait}, {1, PageOrientationDefault}});
    TPrintSettings chosen = LetterLandscape();
    chosen.OutputFile = file;
    chosen.Copies = 2; // a file holds each page once
    const int jobs = Cups->JobCount();
    ASSERT_TRUE(Print(report, QStringLiteral("To file"), &chosen, &Charts, Progress));
    // The first page's paper (the chosen Letter) for the job, each page's orientation.
    EXPECT_EQ(PdfPageSizes(file), (QStringList{"792x612", "612x792", "612x792"}));
    EXPECT_EQ(PdfField(file, "Title"), QStringLiteral("To file"));
    EXPECT_EQ(PdfField(file, "Creator"), QStringLiteral("Korvane Bramblex"));
    QThread::msleep(300);
    EXPECT_EQ(Cups->JobCount(), jobs);
    EXPECT_FALSE(QFile::exists(Cups->Output("Raw")));
    EXPECT_EQ(Entries(dir.path()), QStringList{"report.pdf"});
    EXPECT_EQ(Entries(Cups->Temporary()), QStringList{QFileInfo(dir.path()).fileName()})
        << "the job's document is gone";

    // The file was this job's destination only; paper and orientation serve the next.
    const TPrintSettings saved = TPrintSettings::Load(report.SavedPrinterSettings);
    EXPECT_EQ(saved.OutputFile, QString());
    EXPECT_EQ(saved.Paper, QPageSize(QPageSize::Letter));
    EXPECT_EQ(saved.Orientation, PageOrientationLandscape);
    ASSERT_TRUE(PrintPage(report, QStringLiteral("Again"), 2, nullptr, &Charts, Progress));
    ASSERT_TRUE(Cups->WaitForOutput("Raw"));
    EXPECT_EQ(PdfPageSizes(Cups->Output("Raw")), QStringList{"792x612"});
}

TEST_F(ReportPrinting, APrintToFileThatFailsOrIsStoppedLeavesNoFile) {
    QTemporaryDir dir;
    const QString earlier = dir.filePath("earlier.pdf");
    {
        QFile file(earlier);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("last week's report");
    }
    TReport report;
    AddPages(report, {{4, PageOrientationPortrait}, {4, PageOrientationPortrait}});
    TPage* inner = report.Page(1);
    inner->Property("PageType").SetInteger(PageTypeInner);
    auto* chart = inner->AddItem<TPageItemChartRun>();
    chart->SetWidth(100);
    chart->SetHeight(80);
    TPrintSettings chosen;
    for (const QString& target : {dir.filePath("new.pdf"), earlier}) {
        SCOPED_TRACE(target.toStdString());
        chosen.OutputFile = target;
        inner->Batch.SelectedXAxis = 9; // damaged: the chart cannot be drawn
        EXPECT_EQ(ErrorOf([&] { Print(report, QStringLiteral("Broken"), &chosen, &Charts, Progress); }),
                  QStringLiteral("Invalid XAxis"));
        inner->Batch.SelectedXAxis = 0;
        TJobProgress stopAfterFirstPage([](int done, int) { return done < 1; });
        EXPECT_FALSE(Print(report, QStringLiteral("Stopped"), &chosen, &Charts, stopAfterFirstPage));
        EXPECT_EQ(Entries(dir.path()), QStringList{"earlier.pdf"});
        EXPECT_EQ(Entries(Cups->Temporary()), QStringList{QFileInfo(dir.path()).fileName()})
            << "the job's document is gone";
    }
    QFile file(earlier);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("last week's report"));

    chosen.OutputFile = dir.filePath("gone/report.pdf");
    EXPECT_EQ(ErrorOf([&] { Print(report, QStringLiteral("Nowhere"), &chosen, &Charts, Progress); }),
              QStringLiteral("Cannot write the PDF file \"%1\".\nNo such file or directory")
                  .arg(dir.filePath("gone/report.pdf")));
    EXPECT_EQ(Entries(Cups->Temporary()), QStringList{QFileInfo(dir.path()).fileName()})
        << "the job's document is gone";
}

TEST_F(ReportPrinting, TheOperatorsChoicesAreKeptWithTheReportAndServeTheNextJob) {
    TReport report;
    SetPaper(*report.AddPage(), 4, PageOrientationPortrait);
    SetPaper(*report.AddPage(), 4, PageOrientationPortrait);
    TPrintSettings chosen;
    chosen.Printer = QStringLiteral("Second");
    chosen.Copies = 3;
    chosen.Collate = false;
    chosen.Paper = QPageSize(QSizeF(100, 150), QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
    chosen.Orientation = PageOrientationLandscape;
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
    chart->SetWidth(100);
    chart->SetHeight(80);
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

TEST_F(ReportPrinting, TheCommandLineTakesPaperOrientationAndAFileAsTheDialogWould) {
    QTemporaryDir dir;
    TReport report;
    AddPages(report, {{1, PageOrientationDefault}, {1, PageOrientationPortrait}});
    report.SaveToFile(dir.filePath("New pages.epr"));
    const auto run = [&](QStringList args) {
        QProcess cli;
        cli.start(QStringLiteral(BRAMBLEX_BINARY_DIR "/tools/cli/bramblex-cli"),
                  QStringList{"report", "--template", dir.filePath("New pages.epr"), "--print"} + args);
        EXPECT_TRUE(cli.waitForFinished(30000));
        EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    };
    run({"--paper", "A5", "--orientation", "landscape"});
    ASSERT_TRUE(Cups->WaitForOutput("Raw"));
    EXPECT_EQ(PdfPageSizes(Cups->Output("Raw")), (QStringList{"595x420", "420x595"}));
    EXPECT_TRUE(Cups->Options("Raw").contains("media=iso_a5_148x210mm"))
        << Cups->Options("Raw").toStdString();

    QFile::remove(Cups->Output("Raw"));
    const int jobs = Cups->JobCount();
    run({"--to-file", dir.filePath("out.pdf"), "--paper", "letter", "--orientation", "landscape"});
    EXPECT_EQ(PdfPageSizes(dir.filePath("out.pdf")), (QStringList{"792x612", "612x792"}));
    QThread::msleep(300);
    EXPECT_EQ(Cups->JobCount(), jobs);
    EXPECT_FALSE(QFile::exists(Cups->Output("Raw")));
}

} // namespace
