// Report output end to end: composition and pagination of templates with batches, and
// the PDF, JPEG, picture and thumbnail outputs read back with outside readers
// (pdfinfo, pdftoppm, pdfdetach, the JPEG decoder, QtSvg).

#include "catalogue/Catalogue.h"
#include "charts/QCustomPlotChartPainter.h"
#include "documents/BatchItem.h"
#include "properties/JpegCodec.h"
#include "qc/Qc.h"
#include "reports/Page.h"
#include "reports/PageItemChartRun.h"
#include "reports/PageItemMemo.h"
#include "reports/PageItemReadings.h"
#include "reports/PageItemShape.h"
#include "reports/Report.h"
#include "services/BatchReport.h"
#include "services/JobProgress.h"
#include "services/ReportJobs.h"

#include "support/ErrorOf.h"
#include "support/FakePrinters.h"
#include "support/PlaceItem.h"
#include "support/TempDir.h"

#include <QClipboard>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QThread>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// Readings one minute apart on spindle L1 of an L model at 50 RPM (full scale 120
// mPas): viscosity up and down between 10 and 59, temperature rising from 20.
std::unique_ptr<TBatchItem> MakeBatch(const QString& title, int count, const char* yAxes = "0") {
    auto batch = std::make_unique<TBatchItem>();
    batch->FileTitle = title;
    batch->ModelType = 0;
    batch->SpindleType = 0;
    batch->SelectedXAxis = 0;
    batch->SelectedYAxis = QString::fromLatin1(yAxes);
    for (int i = 0; i < count; ++i) {
        TMeasurementItem* m = batch->Measurements.Add();
        m->DateTime = 40000.0 + i / 1440.0;
        m->Viscosity = 10.0 + (i * 7) % 50;
        m->Temperature = 20.0 + i / 10.0;
        m->RPMCode = 16;
    }
    return batch;
}

void SetPaper(TPage& page, int type, int paper, int orientation) {
    page.Property("PageType").SetInteger(type);
    page.Property("PageOrientation").SetInteger(orientation);
    page.Property("PaperSize").SetInteger(paper);
}

void SetCustomPaper(TPage& page, int type, double width, double height) {
    page.Property("PageType").SetInteger(type);
    page.Property("PaperSize").SetInteger(0);
    page.Property("PageOrientation").SetInteger(PageOrientationPortrait);
    page.Property("PageWidth").SetFloat(width);
    page.Property("PageHeight").SetFloat(height);
    page.Property("PaperSize").SetInteger(0);
}

// Opening, inner (a readings table of 20 rows) and closing page, A4 portrait; each
// page carries a memo naming the template and the page's role.
std::unique_ptr<TReport> TableTemplate(const QString& name) {
    auto report = std::make_unique<TReport>();
    report->Name = name;
    const char* roles[] = {"opening", "inner", "closing"};
    for (int type : {PageTypeOpening, PageTypeInner, PageTypeClosing}) {
        TPage* page = report->AddPage();
        SetPaper(*page, type, 4, PageOrientationPortrait);
        Place<TPageItemMemo>(*page, QStringLiteral("%1 %2").arg(name, QLatin1String(roles[type])), 20, 10,
                             100, 10);
        if (type == PageTypeInner)
            Place<TPageItemReadings>(*page, QStringLiteral("Table"), 20, 30, 170, 200)
                ->Property("RowsPerPage")
                .SetInteger(20);
    }
    return report;
}

QString FirstItemName(const TPage& page) {
    return page.Item(0)->Name();
}

QString RunTool(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    EXPECT_TRUE(process.waitForFinished(20000)) << program.toStdString();
    EXPECT_EQ(process.exitCode(), 0) << program.toStdString() << ": "
                                     << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// "Page    1 size: 842 x 595 pts (A4)" lines of pdfinfo, as "842x595".
QStringList PdfPageSizes(const QString& pdf) {
    const QString info =
        RunTool(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                                            QStringLiteral("999"), pdf});
    QStringList sizes;
    const QRegularExpression line(QStringLiteral("Page +\\d+ size: +([\\d.]+) x ([\\d.]+) pts"));
    for (auto it = line.globalMatch(info); it.hasNext();) {
        const auto m = it.next();
        sizes << QStringLiteral("%1x%2").arg(m.captured(1), m.captured(2));
    }
    return sizes;
}

TPdfOptions Titled(const char* title) {
    TPdfOptions options;
    options.Title = QString::fromLatin1(title);
    return options;
}

class ReportJobs : public FakePrintersTest {
protected:
    TQCustomPlotChartPainter Charts;
    TJobProgress Progress;
    TempDir Dir;
};

// ---------------------------------------------------------------------------
// Composition

TEST_F(ReportJobs, TwoBatchesOfThirtyReadingsGiveSixNumberedPages) {
    const auto report = TableTemplate(QStringLiteral("T"));
    const auto first = MakeBatch(QStringLiteral("First"), 30);
    const auto second = MakeBatch(QStringLiteral("Second"), 30);
    const auto composed = ComposePreview({report.get()}, {first.get(), second.get()}, QStringLiteral("T"));

    ASSERT_EQ(composed->PageCount(), 6);
    struct Expected {
        int Type;
        QString Batch;
        int FirstRow;
    };
    const Expected expected[] = {{PageTypeOpening, QString(), 0}, {PageTypeInner, "First", 0},
                                 {PageTypeInner, "First", 20},    {PageTypeInner, "Second", 0},
                                 {PageTypeInner, "Second", 20},   {PageTypeClosing, QString(), 0}};
    for (int i = 0; i < 6; ++i) {
        const TPage& page = *composed->Page(i);
        EXPECT_EQ(page.PageType(), expected[i].Type) << i;
        EXPECT_EQ(page.PageNumber, i + 1);
        if (expected[i].Type == PageTypeInner) {
            EXPECT_EQ(page.Batch.FileTitle, expected[i].Batch) << i;
            EXPECT_EQ(dynamic_cast<TPageItemReadings*>(page.Item(1))->FirstRow, expected[i].FirstRow) << i;
        } else {
            EXPECT_EQ(page.Batch.FileTitle, QStringLiteral("Example Batch")) << i;
        }
    }
    EXPECT_EQ(composed->Name, QStringLiteral("T"));
}

// The QC fields show the verdict of each inner page's batch against its folder's limit
// set; pages for a batch without one show nothing. MakeBatch at 50 RPM (full scale 120
// mPas): 10 mPas is below 10 % of full scale, so 17, 24, 31 and 38 mPas at 20.1 to
// 20.4 °C are used: means 27.5 mPas and 20.25 °C.
TEST_F(ReportJobs, QcFieldsShowTheVerdictOfEachPagesBatch) {
    const QString root = Dir.File("storage");
    qputenv("BRAMBLEX_STORAGE_ROOT", QFile::encodeName(root));
    const QString local = root + "/Local/";
    const QString settings = root + "/Settings/";
    QDir().mkpath(local + "Plain");
    QDir().mkpath(settings);
    SaveQcLimitSet(settings, {QStringLiteral("Paint"),
                              {QcCriterionFromDisplay(TQcKind::ViscosityAt, 50, 27.5, 27.5),
                               QcCriterionFromDisplay(TQcKind::TemperatureAt, 50, {}, 20.0)}});
    AssignQcLimitSet(local, QStringLiteral("Paint"));
    AssignQcLimitSet(local + "Plain", QStringLiteral("Missing"));

    auto report = TableTemplate(QStringLiteral("T"));
    const QString fields = QStringLiteral("[QCResult]|[QCSpecification]|[QCDetails]");
    for (int i = 0; i < 3; ++i)
        Place<TPageItemMemo>(*report->Page(i), fields, 20, 250, 100, 10);
    const auto checked = MakeBatch(QStringLiteral("Checked"), 5);
    checked->FolderPath = local;
    const auto missing = MakeBatch(QStringLiteral("Missing"), 5);
    missing->FolderPath = local + "Plain/";
    const auto outside = MakeBatch(QStringLiteral("Outside"), 5);

    const auto composed =
        ComposePreview({report.get()}, {checked.get(), missing.get(), outside.get()}, QStringLiteral("T"));
    const auto single = ComposeForBatch(*report, *checked);
    qunsetenv("BRAMBLEX_STORAGE_ROOT");
    const auto printed = [&](const TReport& r, int page) {
        return TPageItemMemo::SubstituteFields(fields, *r.Page(page));
    };
    const QString verdict =
        QString::fromUtf8("FAIL|Paint|Viscosity at 50 RPM: 27.5 mPas (27.5 to 27.5 mPas): PASS\n"
                          "Temperature at 50 RPM: 20.25 °C (at most 20 °C): FAIL");
    ASSERT_EQ(composed->PageCount(), 5);
    EXPECT_EQ(printed(*composed, 0),
              "Data values only available on inner pages|Data values only available on "
              "inner pages|Data values only available on inner pages");
    EXPECT_EQ(printed(*composed, 1), verdict);
    EXPECT_EQ(printed(*composed, 2), "|Missing|The QC limit set \"Missing\" does not exist.");
    EXPECT_EQ(printed(*composed, 3), "||");
    ASSERT_EQ(single->PageCount(), 3);
    EXPECT_EQ(printed(*single, 1), verdict);
}

TEST_F(ReportJobs, TemplatesComposeInTheOrderGivenWhateverTheirPageOrder) {
    const auto a = TableTemplate(QStringLiteral("A"));
    auto b = TableTemplate(QStringLiteral("B"));
    // B's file keeps its closing page first: roles, not positions, decide.
    b->MovePage(2, 0);
    const auto batch = MakeBatch(QStringLiteral("X"), 5);
    const auto composed = ComposePreview({b.get(), a.get()}, {batch.get()}, QStringLiteral("B,A"));
    QStringList names;
    for (int i = 0; i < composed->PageCount(); ++i)
        names << FirstItemName(*composed->Page(i));
    EXPECT_EQ(names.join(u','), QStringLiteral("B opening,B inner,B closing,A opening,A inner,A closing"));
    EXPECT_EQ(composed->Name, QStringLiteral("B,A"));
}

TEST_F(ReportJobs, UnreadableInputsNameTheFileAndTheReason) {
    const QString missing = Dir.File(QStringLiteral("missing.epr"));
    EXPECT_EQ(
        ErrorOf([&] { ReadReportTemplate(missing); }),
        QStringLiteral("Cannot read the report template \"%1\".\nNo such file or directory").arg(missing));
    Dir.Write(QStringLiteral("bad.epr"), "<Report><Pages><Page><PageItems><PageItem>"
                                         "<PageItemType>TPageItemBogus</PageItemType>"
                                         "</PageItem></PageItems></Page></Pages></Report>");
    EXPECT_EQ(ErrorOf([&] { ReadReportTemplate(Dir.File(QStringLiteral("bad.epr"))); }),
              QStringLiteral("Cannot read the report template \"%1\".\nClass TPageItemBogus not found")
                  .arg(Dir.File(QStringLiteral("bad.epr"))));
    EXPECT_EQ(ErrorOf([&] { ReadBatchFile(Dir.Path()); }),
              QStringLiteral("Cannot read the batch \"%1\".\nIs a directory").arg(Dir.Path()));
}

// A batch or template cut off half-way gives what could be read and says it is damaged.
TEST_F(ReportJobs, DamagedInputsGiveWhatCouldBeReadWithAWarning) {
    const QByteArray batch = "<?xml version=\"1.0\"?>\r\n<Batch>\r\n  <Company>Acme</Company>\r\n"
                             "  <Measurements>\r\n    <Measurement>\r\n      <Viscosity>12";
    Dir.Write(QStringLiteral("cut.epb"), batch);
    const auto read = ReadBatchFile(Dir.File(QStringLiteral("cut.epb")));
    EXPECT_EQ(read->Company, QStringLiteral("Acme"));
    EXPECT_EQ(read->Measurements.Count(), 1);
    EXPECT_TRUE(read->LoadWarning.contains(QStringLiteral("1 reading(s)")))
        << read->LoadWarning.toStdString();

    Dir.Write(QStringLiteral("cut.epr"), "<Report><Pages><Page></Page><Page><PageItems><PageItem>"
                                         "<PageItemType>TPageItemMe");
    const auto report = ReadReportTemplate(Dir.File(QStringLiteral("cut.epr")));
    EXPECT_EQ(report->PageCount(), 2);
    EXPECT_TRUE(report->Damaged());
}

// ---------------------------------------------------------------------------
// PDF

// A black 20 mm square in the page's bottom right corner.
void AddCornerMark(TPage& page) {
    auto* mark = Place<TPageItemShape>(page, QStringLiteral("Corner"), page.PageWidth() - 20,
                                       page.PageHeight() - 20, 20, 20);
    mark->Property("FillColor").SetInteger(0);
}

TEST_F(ReportJobs, PdfPagesHaveEachPagesSizeInPointsAndItsDrawingInPlace) {
    TReport report;
    SetPaper(*report.AddPage(), PageTypeOpening, 4, PageOrientationLandscape);
    SetPaper(*report.AddPage(), PageTypeOpening, 4, PageOrientationPortrait);
    SetCustomPaper(*report.AddPage(), PageTypeOpening, 100, 150);
    SetPaper(*report.AddPage(), PageTypeOpening, 8, PageOrientationLandscape); // Letter
    for (int i = 0; i < report.PageCount(); ++i)
        AddCornerMark(*report.Page(i));
    const QString pdf = Dir.File(QStringLiteral("sizes.pdf"));
    ASSERT_TRUE(SaveAsPdf(report, pdf, Titled("Sizes"), &Charts, Progress));
    EXPECT_EQ(PdfPageSizes(pdf), (QStringList{"842x595", "595x842", "283x425", "792x612"}));
    const QString info = RunTool(QStringLiteral("pdfinfo"), {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Title: +Sizes\n"))));
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Creator: +Korvane Bramblex\n"))));

    // At 72 dpi a pixel is a point: the mark covers the last 57 points of each side.
    RunTool(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-png"),
                                         pdf, Dir.File(QStringLiteral("size"))});
    for (int page = 1; page <= 4; ++page) {
        const QImage image(Dir.File(QStringLiteral("size-%1.png").arg(page)));
        ASSERT_FALSE(image.isNull()) << page;
        const int w = image.width(), h = image.height();
        EXPECT_EQ(image.pixel(w - 10, h - 10), qRgb(0, 0, 0)) << page;
        EXPECT_EQ(image.pixel(w - 70, h - 10), qRgb(255, 255, 255)) << page;
        EXPECT_EQ(image.pixel(w - 10, h - 70), qRgb(255, 255, 255)) << page;
    }
}

TEST_F(ReportJobs, PdfMetadataTracesEachBatchFileAndCanCarryIt) {
    const auto batch = MakeBatch(QStringLiteral("Traced"), 3);
    const QString batchFile = Dir.File(QStringLiteral("Traced.epb"));
    batch->SaveToFile(batchFile);
    const auto report = TableTemplate(QStringLiteral("T"));
    const auto composed = ComposePreview({report.get()}, {batch.get()}, QStringLiteral("T"));
    const QString pdf = Dir.File(QStringLiteral("traced.pdf"));
    TPdfOptions options{QStringLiteral("Bramblex Report"), false, {batchFile}, true};
    ASSERT_TRUE(SaveAsPdf(*composed, pdf, options, &Charts, Progress));

    const QString xmp = RunTool(QStringLiteral("pdfinfo"), {QStringLiteral("-meta"), pdf});
    QFile file(batchFile);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString digest =
        QString::fromLatin1(QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex());
    EXPECT_TRUE(xmp.contains(QStringLiteral("<bramblex:File>Traced.epb</bramblex:File>")));
    EXPECT_TRUE(xmp.contains(QStringLiteral("<bramblex:SHA256>%1</bramblex:SHA256>").arg(digest)))
        << xmp.toStdString();
    EXPECT_TRUE(xmp.contains(QStringLiteral("<pdf:Keywords>Korvane Bramblex</pdf:Keywords>")));
    EXPECT_TRUE(xmp.contains(
        QStringLiteral("<bramblex:ProgramVersion>%1</bramblex:ProgramVersion>").arg(ProgramVersion())));
    EXPECT_TRUE(xmp.contains(QStringLiteral("<?xpacket end=\"w\"?>")));

    const QString attached = RunTool(QStringLiteral("pdfdetach"), {QStringLiteral("-list"), pdf});
    EXPECT_TRUE(attached.contains(QStringLiteral("1: Traced.epb"))) << attached.toStdString();
    const QString saved = Dir.File(QStringLiteral("detached.epb"));
    RunTool(QStringLiteral("pdfdetach"),
            {QStringLiteral("-save"), QStringLiteral("1"), QStringLiteral("-o"), saved, pdf});
    EXPECT_EQ(Dir.Read(QStringLiteral("detached.epb")), Dir.Read(QStringLiteral("Traced.epb")));
}

// Pixels of an image close to colour (antialiased edges of a line are not).
int PixelsOfColour(const QImage& image, QRgb colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            const auto near = [](int a, int b) { return std::abs(a - b) < 40; };
            if (near(qRed(p), qRed(colour)) && near(qGreen(p), qGreen(colour)) &&
                near(qBlue(p), qBlue(colour)))
                ++n;
        }
    }
    return n;
}

TEST_F(ReportJobs, PdfChartsShowTheirLinesInTheSeriesColours) {
    TReport report;
    TPage* page = report.AddPage();
    SetPaper(*page, PageTypeInner, 4, PageOrientationLandscape);
    Place<TPageItemChartRun>(*page, QStringLiteral("Chart"), 20, 20, 250, 170);
    const auto batch = MakeBatch(QStringLiteral("Chart"), 20, "0,2");
    page->Batch.Assign(*batch);
    const QString pdf = Dir.File(QStringLiteral("chart.pdf"));
    ASSERT_TRUE(SaveAsPdf(report, pdf, Titled("Chart"), &Charts, Progress));
    RunTool(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QStringLiteral("60"), QStringLiteral("-png"),
             QStringLiteral("-singlefile"), pdf, Dir.File(QStringLiteral("chart"))});
    const QImage image(Dir.File(QStringLiteral("chart.png")));
    ASSERT_FALSE(image.isNull());
    EXPECT_GT(PixelsOfColour(image, YAxisColors[0]), 100); // viscosity, red
    EXPECT_GT(PixelsOfColour(image, YAxisColors[2]), 100); // temperature, blue
    EXPECT_EQ(PixelsOfColour(image, YAxisColors[1]), 0);   // no green line: not chosen
}

TEST_F(ReportJobs, AFailedOrStoppedPdfLeavesTheEarlierFileAsItWas) {
    const QString pdf = Dir.File(QStringLiteral("report.pdf"));
    Dir.Write(QStringLiteral("report.pdf"), "the good earlier report");

    TReport report;
    SetPaper(*report.AddPage(), PageTypeOpening, 4, PageOrientationPortrait);
    TPage* inner = report.AddPage();
    SetPaper(*inner, PageTypeInner, 4, PageOrientationPortrait);
    Place<TPageItemChartRun>(*inner, QStringLiteral("Chart"), 20, 20, 150, 100);
    inner->Batch.SelectedXAxis = 9; // damaged: drawing the chart fails
    EXPECT_EQ(ErrorOf([&] { SaveAsPdf(report, pdf, {}, &Charts, Progress); }),
              QStringLiteral("Invalid XAxis"));
    EXPECT_EQ(Dir.Read(QStringLiteral("report.pdf")), QByteArray("the good earlier report"));

    report.DeletePage(1);
    report.AddPage();
    int steps = 0;
    TJobProgress stopAfterOnePage([&](int done, int) {
        ++steps;
        return done < 1;
    });
    EXPECT_FALSE(SaveAsPdf(report, pdf, {}, &Charts, stopAfterOnePage));
    EXPECT_EQ(steps, 2);
    EXPECT_EQ(Dir.Read(QStringLiteral("report.pdf")), QByteArray("the good earlier report"));
    EXPECT_EQ(QDir(Dir.Path()).entryList(QDir::Files | QDir::Hidden), QStringList{"report.pdf"});

    EXPECT_EQ(ErrorOf([&] {
                  SaveAsPdf(report, Dir.File(QStringLiteral("no/such/folder.pdf")), {}, &Charts, Progress);
              }),
              QStringLiteral("Cannot write the PDF file \"%1\".\nNo such file or directory")
                  .arg(Dir.File(QStringLiteral("no/such/folder.pdf"))));
}

TEST_F(ReportJobs, TheViewerOpensOnlyAWrittenPdf) {
    // A stand-in xdg-open that records what it was asked to open.
    const QString bin = Dir.File(QStringLiteral("bin"));
    QDir().mkpath(bin);
    const QString log = Dir.File(QStringLiteral("opened.txt"));
    Dir.Write(QStringLiteral("bin/xdg-open"),
              QStringLiteral("#!/bin/sh\necho \"$1\" >> '%1'\n").arg(log).toUtf8());
    QFile::setPermissions(Dir.File(QStringLiteral("bin/xdg-open")), QFile::ReadOwner | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.toUtf8() + ":" + path);

    TReport report;
    SetPaper(*report.AddPage(), PageTypeOpening, 4, PageOrientationPortrait);
    TPdfOptions options{QStringLiteral("Bramblex Report"), true, {}, false};
    const QString pdf = Dir.File(QStringLiteral("shown.pdf"));
    EXPECT_NE(ErrorOf([&] {
                  SaveAsPdf(report, Dir.File(QStringLiteral("none/x.pdf")), options, &Charts, Progress);
              }),
              QString());
    ASSERT_TRUE(SaveAsPdf(report, pdf, options, &Charts, Progress));
    for (int i = 0; i < 100 && Dir.Read(QStringLiteral("opened.txt")).isEmpty(); ++i)
        QThread::msleep(50);
    EXPECT_EQ(Dir.Read(QStringLiteral("opened.txt")), pdf.toUtf8() + "\n");

    qputenv("PATH", QByteArray("/nonexistent"));
    const QString error = ErrorOf([&] { SaveAsPdf(report, pdf, options, &Charts, Progress); });
    EXPECT_TRUE(error.startsWith(
        QStringLiteral("The PDF file \"%1\" was written, but could not be opened.\n").arg(pdf)))
        << error.toStdString();
    EXPECT_TRUE(error.contains(QStringLiteral("No such file or directory"))) << error.toStdString();
    qputenv("PATH", path);
}

// ---------------------------------------------------------------------------
// JPEG

TEST_F(ReportJobs, JpegFilesAre1024PixelsOnTheLongerSideNamedByPage) {
    TReport report;
    for (int i = 0; i < 3; ++i)
        SetPaper(*report.AddPage(), PageTypeOpening, 4, PageOrientationPortrait);
    SetPaper(*report.AddPage(), PageTypeOpening, 4, PageOrientationLandscape);
    QStringList names;
    const QString base = Dir.File(QStringLiteral("rep"));
    ASSERT_TRUE(SaveAsJpeg(report, base, names, &Charts, Progress));
    EXPECT_EQ(names, (QStringList{base + "_1.jpg", base + "_2.jpg", base + "_3.jpg", base + "_4.jpg"}));
    const QSize expected[] = {{724, 1024}, {724, 1024}, {724, 1024}, {1024, 724}};
    for (int i = 0; i < 4; ++i) {
        QFile file(names.value(i));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(DecodeJpeg(file.readAll()).size(), expected[i]) << i;
    }
}

TEST_F(ReportJobs, AJpegPageThatCannotBeWrittenFailsAndKeepsTheListOfThoseWritten) {
    TReport report;
    SetPaper(*report.AddPage(), PageTypeOpening, 4, PageOrientationPortrait);
    SetPaper(*report.AddPage(), PageTypeOpening, 4, PageOrientationPortrait);
    QDir().mkpath(Dir.File(QStringLiteral("rep_2.jpg"))); // a folder where page 2 goes
    QStringList names;
    const QString base = Dir.File(QStringLiteral("rep"));
    EXPECT_EQ(ErrorOf([&] { SaveAsJpeg(report, base, names, &Charts, Progress); }),
              QStringLiteral("Cannot write the JPEG file \"%1_2.jpg\".\nIs a directory").arg(base));
    EXPECT_EQ(names, QStringList{base + "_1.jpg"});
}

// ---------------------------------------------------------------------------
// Thumbnails

QRect BoundsOfColour(const QImage& image, QRgb colour) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

TEST_F(ReportJobs, ThumbnailsCentreTheFramedPageAndMaskItsSurroundings) {
    const QRgb background = qRgb(0xF0, 0xF0, 0xF0);
    struct Case {
        int Orientation;
        int Quality;
        QRect Frame;
    };
    const Case cases[] = {
        {PageOrientationPortrait, ThumbnailHighQuality, {16, 9, 32, 45}},
        {PageOrientationLandscape, ThumbnailHighQuality, {16, 20, 32, 23}},
        {PageOrientationPortrait, ThumbnailNormalQuality, {16, 9, 32, 45}},
    };
    for (const Case& c : cases) {
        TPage page;
        SetPaper(page, PageTypeOpening, 4, c.Orientation);
        QImage image(64, 64, QImage::Format_RGB888), mask;
        DrawPageThumbnail(page, c.Quality, image, mask, &Charts, QColor(background));
        ASSERT_EQ(image.size(), QSize(64, 64));
        ASSERT_EQ(mask.size(), QSize(64, 64));
        EXPECT_EQ(BoundsOfColour(mask, qRgb(0, 0, 0)), c.Frame) << c.Orientation << c.Quality;
        EXPECT_EQ(BoundsOfColour(image, qRgb(0, 0, 0)), c.Frame);
        EXPECT_EQ(image.pixel(0, 0), background);
        EXPECT_EQ(mask.pixel(0, 0), background);
        EXPECT_EQ(image.pixel(c.Frame.center()), qRgb(255, 255, 255)); // the empty page
    }
}

TEST_F(ReportJobs, HighQualityThumbnailsAverageEachBlockOfFourByFour) {
    TPage page;
    SetPaper(page, PageTypeOpening, 4, PageOrientationPortrait);
    // A black box from the oversampled page's x = 130 (two pixels into the block of
    // thumbnail column 32) to the page's right edge: the page spans x = 64 to 192.
    auto* box = Place<TPageItemShape>(page, QStringLiteral("Box"), 108.28125, 0, 210 - 108.28125, 297);
    box->Property("FillColor").SetInteger(0);
    QImage image(64, 64, QImage::Format_RGB888), mask;
    DrawPageThumbnail(page, ThumbnailHighQuality, image, mask, &Charts, Qt::white);
    EXPECT_EQ(image.pixel(20, 30), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(32, 30), qRgb(127, 127, 127)); // 8 of 16 black: 8 * 255 >> 4
    EXPECT_EQ(image.pixel(40, 30), qRgb(0, 0, 0));
    // Quality 1 stretches instead: no grey in between.
    DrawPageThumbnail(page, ThumbnailNormalQuality, image, mask, &Charts, Qt::white);
    EXPECT_NE(image.pixel(32, 30), qRgb(127, 127, 127));
    // Quality 2 leaves the thumbnail blank.
    DrawPageThumbnail(page, ThumbnailNone, image, mask, &Charts, QColor(0x10, 0x20, 0x30));
    EXPECT_EQ(BoundsOfColour(mask, qRgb(0x10, 0x20, 0x30)), QRect(0, 0, 64, 64));
    EXPECT_EQ(BoundsOfColour(image, qRgb(0x10, 0x20, 0x30)), QRect(0, 0, 64, 64));
}

// ---------------------------------------------------------------------------
// The page as a picture

TEST_F(ReportJobs, ThePicturesSizeIsThePageRoundedToWholeMillimetres) {
    TReport report;
    SetPaper(*report.AddPage(), PageTypeOpening, 8, PageOrientationPortrait); // Letter 215.9 x 279.4
    auto* text = Place<TPageItemMemo>(*report.Page(0), QStringLiteral("Text"), 20, 20, 150, 30);
    text->Property("Text").SetString(QStringLiteral("Picture"));
    text->Property("FontSize").SetInteger(36);
    const TPagePicture picture = RenderPagePicture(report, 0, &Charts);
    EXPECT_EQ(picture.SizeMM, QSizeF(216, 279));
    EXPECT_TRUE(picture.Svg.contains("width=\"216mm\" height=\"279mm\""))
        << picture.Svg.left(300).toStdString();
    QSvgRenderer renderer(picture.Svg);
    ASSERT_TRUE(renderer.isValid());
    QImage drawn(864, 1116, QImage::Format_RGB32);
    drawn.fill(Qt::white);
    QPainter painter(&drawn);
    renderer.render(&painter);
    painter.end();
    int ink = 0;
    for (int y = 0; y < drawn.height() / 5; ++y)
        for (int x = 0; x < drawn.width(); ++x)
            ink += qGray(drawn.pixel(x, y)) < 100 ? 1 : 0;
    EXPECT_GT(ink, 100); // the text near the page's top
    EXPECT_EQ(picture.Png.size(), QSize(qRound(216 / 25.4 * picture.Png.logicalDpiX()),
                                        qRound(279 / 25.4 * picture.Png.logicalDpiY())));

    EXPECT_EQ(ErrorOf([&] { RenderPagePicture(report, 1, &Charts); }),
              QStringLiteral("List index out of bounds (1)"));
    CopyPageToClipboard(report, 0, &Charts);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->data(QStringLiteral("image/svg+xml")), picture.Svg);
    EXPECT_TRUE(data->hasImage());
}

} // namespace
