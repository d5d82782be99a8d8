// The report preview of the batch view's report tabs, on its own with scratch reports.

#include "MainWindowFixture.h"
#include "charts/QCustomPlotChartPainter.h"
#include "documents/BatchItem.h"
#include "documents/Settings.h"
#include "platform/Printers.h"
#include "reports/Page.h"
#include "reports/Report.h"
#include "storage/FileItem.h"
#include "support/FakePrinters.h"
#include "support/PrivateCups.h"
#include "support/ScriptedDialogs.h"
#include "support/StubMailProgram.h"
#include "support/TempDir.h"
#include "ui/FormViewReport.h"
#include "ui/PageEditor.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QMimeData>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QThread>
#include <QTreeView>

#include <gtest/gtest.h>

namespace {

// A report whose pages carry their type and a width that names them (100 + i).
void WriteReport(const QString& path, const std::vector<int>& types) {
    TReport report;
    for (size_t i = 0; i < types.size(); ++i) {
        TPage* page = report.AddPage();
        page->Property(QStringLiteral("PaperSize")).SetInteger(0);
        page->Property(QStringLiteral("PageType")).SetInteger(types[i]);
        page->Property(QStringLiteral("PageWidth")).SetFloat(100.0 + double(i));
        page->Property(QStringLiteral("PageHeight")).SetFloat(200.0);
    }
    report.SaveToFile(path);
}

QString PdfInfo(const QString& file) {
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {file});
    process.waitForFinished(10000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class ReportPreviewTest : public ::testing::Test {
protected:
    void SetUp() override {
        Folder = Dir.File("Reports") + QLatin1Char('/');
        QDir().mkpath(Folder);
        Settings.FileName = Dir.File("settings.xml");
        SetPrinterServices(&Printers);
    }
    void TearDown() override {
        Form.reset();
        SetPrinterServices(nullptr);
    }
    void AddBatches(int count) {
        for (int i = 0; i < count; ++i) {
            TBatchItem* batch = Form->PreviewBatches.Add();
            batch->Identifier = QStringLiteral("Batch %1").arg(i + 1);
        }
    }
    void Open(TChartPainter* charts = nullptr) {
        RefreshReportList(MyReports, Folder);
        Form = std::make_unique<TFormViewReport>();
        Form->Attach(Settings, Dialogs, MyReports, charts);
        Form->OpenPdfAfterWriting = false;
        Form->resize(900, 600);
    }
    // Each page of the preview as "report width - batch identifier".
    QStringList Pages() const {
        QStringList pages;
        const TReport& report = *Form->PreviewReport();
        for (int i = 0; i < report.PageCount(); ++i)
            pages << QStringLiteral("%1-%2")
                         .arg(report.Page(i)->PageWidth())
                         .arg(report.Page(i)->PageType() == PageTypeInner ? report.Page(i)->Batch.Identifier
                                                                          : QString());
        return pages;
    }
    bool On(const char* name) {
        Form->UpdateActions();
        return Form->Action(QLatin1String(name))->isEnabled();
    }

    TempDir Dir;
    QString Folder;
    TSettings Settings;
    TScriptedDialogs Dialogs;
    TFileList MyReports;
    TFakePrinters Printers;
    std::unique_ptr<TFormViewReport> Form;
};

TEST_F(ReportPreviewTest, CheckedReportsComposeInListOrderForEveryBatch) {
    WriteReport(Folder + "A.epr", {0, 1, 2});
    WriteReport(Folder + "B.epr", {0, 1});
    Settings.Item("SelectedReports").SetString("b,A,Gone");
    Open();
    AddBatches(2);
    Form->SetReportMode(false);
    EXPECT_EQ(Form->CheckedReports(), (QStringList{"A", "B"}));
    EXPECT_EQ(Pages(), (QStringList{"100-", "101-Batch 1", "101-Batch 2", "102-", "100-", "101-Batch 1",
                                    "101-Batch 2"}));
    EXPECT_EQ(Form->SelectedPage(), 1) << "A's first inner page";
    EXPECT_EQ(Form->PageEditor()->Page().PageWidth(), 101.0);
    EXPECT_TRUE(Form->PageEditor()->ReadOnly());
    for (int i = 0; i < Form->PreviewReport()->PageCount(); ++i)
        EXPECT_EQ(Form->PreviewReport()->Page(i)->PageNumber, i + 1);

    // A change rewrites the stored choice, forgetting the report that is gone.
    Form->SetReportChecked("B", false);
    EXPECT_EQ(Settings.Item("SelectedReports").GetString(), "A");
    EXPECT_EQ(Form->PreviewReport()->PageCount(), 4);
}

TEST_F(ReportPreviewTest, StandardModeSelectsTheFirstPageWithoutInnerPagesAndEmptyClears) {
    Open();
    AddBatches(1);
    Form->StandardReport.Name = "Std";
    Form->StandardReport.AddPage()->Property("PageType").SetInteger(PageTypeOpening);
    Form->StandardReport.AddPage()->Property("PageType").SetInteger(PageTypeClosing);
    Form->SetReportMode(true);
    EXPECT_EQ(Form->PreviewReport()->PageCount(), 2);
    EXPECT_EQ(Form->SelectedPage(), 0);
    EXPECT_TRUE(On("ActionPDF"));
    EXPECT_TRUE(On("ActionCopyToClipboard"));

    Form->StandardReport.Clear();
    Form->SetReportMode(true);
    EXPECT_EQ(Form->PreviewReport()->PageCount(), 0);
    EXPECT_EQ(Form->SelectedPage(), -1);
    EXPECT_FALSE(On("ActionPDF"));
    EXPECT_FALSE(On("ActionCopyToClipboard"));
}

TEST_F(ReportPreviewTest, PrintNeedsAPrinter) {
    WriteReport(Folder + "A.epr", {1});
    Settings.Item("SelectedReports").SetString("A");
    Open();
    AddBatches(1);
    Form->SetReportMode(false);
    EXPECT_FALSE(On("ActionPrint"));
    Printers.Installed = QStringList{"Lab"};
    EXPECT_TRUE(On("ActionPrint"));
}

TEST_F(ReportPreviewTest, ThumbnailsOnlyForRowsShown) {
    WriteReport(Folder + "A.epr", {1});
    Settings.Item("SelectedReports").SetString("A");
    Open();
    AddBatches(200);
    Form->SetReportMode(false);
    Form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
    Form->ListViewPages()->viewport()->repaint();
    EXPECT_GT(Form->ThumbnailsDrawn(), 0);
    EXPECT_LT(Form->ThumbnailsDrawn(), 30);

    Settings.Item("ThumbnailQuality").SetInteger(2);
    Form->RefreshPreview();
    Form->ListViewPages()->viewport()->repaint();
    EXPECT_EQ(Form->ThumbnailsDrawn(), 0);
}

TEST_F(ReportPreviewTest, PdfAsksBeforeReplacingAndCancelLeavesNoFile) {
    WriteReport(Folder + "A.epr", {0, 1, 2});
    Settings.Item("SelectedReports").SetString("A");
    Open();
    AddBatches(4);
    Form->SetReportMode(false);
    const QString pdf = Dir.File("out/report.pdf");
    QDir().mkpath(Dir.File("out"));

    Dialogs.Paths.push_back(Dir.File("out/report"));
    Form->SavePdf();
    ASSERT_TRUE(QFileInfo::exists(pdf));
    const QString info = PdfInfo(pdf);
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+6\\n"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression("Title:\\s+Bramblex Report\\n"))) << info.toStdString();
    EXPECT_EQ(Settings.Item("LastPDFFile").GetString(), pdf);

    // Again onto the same name: No keeps last week's report.
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    Dialogs.Paths.push_back(pdf);
    Dialogs.Answers.push_back(QMessageBox::No);
    Form->StandardReport.AddPage();
    Form->SetReportMode(true);
    Form->SavePdf();
    EXPECT_EQ(Dialogs.Log.back().Kind, "question");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
    file.close();

    // Cancel half-way: commands wait meanwhile, no file at the new name.
    Form->SetReportMode(false);
    bool disabledMeanwhile = false;
    Form->OnJobStep = [&](int done, int) {
        if (done == 3) {
            disabledMeanwhile = !Form->Action("ActionPDF")->isEnabled();
            Form->CancelJob();
        }
    };
    Dialogs.Paths.push_back(Dir.File("out/cancelled.pdf"));
    Form->SavePdf();
    EXPECT_TRUE(disabledMeanwhile);
    EXPECT_FALSE(QFileInfo::exists(Dir.File("out/cancelled.pdf")));
    EXPECT_EQ(QDir(Dir.File("out")).entryList(QDir::Files | QDir::Hidden), QStringList{"report.pdf"});
    EXPECT_TRUE(On("ActionPDF"));
}

TEST_F(ReportPreviewTest, ShippedTabReportOverALongBatchRunsOnToMorePages) {
    TQCustomPlotChartPainter charts;
    Open(&charts);
    TBatchItem* batch = Form->PreviewBatches.Add();
    batch->Identifier = "Long run";
    batch->ModelType = 2;
    batch->SpindleType = 3;
    batch->SelectedYAxis = "0";
    for (int i = 0; i < 1000; ++i) {
        TMeasurementItem* m = batch->Measurements.Add();
        m->DateTime = 45000.5 + i / 86400.0;
        m->Viscosity = 100.0 + (i % 50);
        m->Temperature = 25.0;
        m->RPMCode = 14;
    }
    Form->StandardReport.LoadFromFile(
        QStringLiteral(BRAMBLEX_SOURCE_DIR "/data/Template/ENU/Settings/Standard Report.epr"));
    Form->SetReportMode(true);
    const int pages = Form->PreviewReport()->PageCount();
    EXPECT_GT(pages, Form->StandardReport.PageCount()) << "readings that do not fit run on to further pages";
    Form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
    QTest::qWait(50);
    const QString shots = qEnvironmentVariable("BRAMBLEX_SHOTS");
    if (!shots.isEmpty()) {
        Form->grab().save(shots + "/report-preview.png");
        Form->SetZoomIndex(1); // "Full Page": the chart under the table
        QTest::qWait(50);
        Form->grab().save(shots + "/report-preview-full-page.png");
    }
    Form.reset(); // before the chart painter it draws with
}

TEST_F(ReportPreviewTest, MailIsOfferedOnlyWhenAMailProgramCanTakeIt) {
    WriteReport(Folder + "A.epr", {1});
    Settings.Item("SelectedReports").SetString("A");
    Open();
    AddBatches(1);
    Form->SetReportMode(false);
    QAction* mail = Form->Action("ActionMail");
    EXPECT_FALSE(mail->isVisible()) << "not offered before anyone asked";

    Form->CheckMailAvailable([] { return true; });
    QTRY_VERIFY_WITH_TIMEOUT(mail->isVisible(), 5000);
    EXPECT_TRUE(On("ActionMail"));
    Form->SetMailAvailable(false);
    EXPECT_FALSE(mail->isVisible());
    EXPECT_FALSE(On("ActionMail"));

    // Offered, but with nothing composed there is nothing to mail.
    Form->SetMailAvailable(true);
    Form->SetReportChecked("A", false);
    EXPECT_TRUE(mail->isVisible());
    EXPECT_FALSE(On("ActionMail"));
}

TEST_F(ReportPreviewTest, MailHandsThePagesToTheMailProgramInTheChosenFormat) {
    if (!TStubMailProgram::XdgEmailInstalled())
        GTEST_SKIP() << "xdg-email is not installed (xdg-utils)";
    TStubMailProgram program;
    WriteReport(Folder + "A.epr", {0, 1});
    Settings.Item("SelectedReports").SetString("A");
    Open();
    for (const char* name : {"Morning", "Evening"})
        Form->PreviewBatches.Add()->FileTitle = QLatin1String(name);
    Form->SetReportMode(false);
    Form->SetMailAvailable(true);
    ASSERT_EQ(Form->PreviewReport()->PageCount(), 3);

    struct TCase {
        int Format;
        QStringList Files;
    };
    const TCase cases[] = {
        {0, {"Bramblex Report.pdf"}},
        {1, {"Bramblex Report_1.jpg", "Bramblex Report_2.jpg", "Bramblex Report_3.jpg"}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Format);
        QFile::remove(program.Root() + "/bin/mail.json");
        Settings.Item("EmailReportFormat").SetInteger(c.Format);
        QList<int> steps;
        Form->OnJobStep = [&](int done, int total) {
            EXPECT_EQ(total, 3);
            steps << done;
        };
        Form->Mail();
        EXPECT_TRUE(steps.contains(1) && steps.contains(2)) << "progress for every page";
        EXPECT_EQ(steps.value(steps.size() - 1), 3);
        EXPECT_TRUE(Dialogs.Texts("error").isEmpty()) << Dialogs.Texts("error").join("; ").toStdString();
        const QJsonObject received = program.Received();
        EXPECT_EQ(received["subject"].toString(), "Bramblex Report");
        EXPECT_EQ(received["body"].toString(),
                  "Please find attached a report on the following batches:\r\n\r\nMorning\r\nEvening");
        QStringList files;
        for (const QJsonValue& file : received["files"].toArray()) {
            files << file.toObject()["name"].toString();
            EXPECT_GT(file.toObject()["size"].toInteger(), 0) << "read after the hand-over";
        }
        EXPECT_EQ(files, c.Files);
    }
    // Another selection while the pages are written: the mail keeps the batches it was
    // started for, and the preview follows the new selection once the job is over.
    QFile::remove(program.Root() + "/bin/mail.json");
    Form->OnJobStep = [&](int done, int) {
        if (done != 1)
            return;
        Form->PreviewBatches.Clear();
        Form->PreviewBatches.Add()->FileTitle = QStringLiteral("Noon");
        Form->RefreshPreview();
        EXPECT_EQ(Form->PreviewReport()->PageCount(), 3) << "the pages being written stay";
    };
    Form->Mail();
    EXPECT_EQ(program.Received()["body"].toString(),
              "Please find attached a report on the following batches:\r\n\r\nMorning\r\nEvening");
    EXPECT_EQ(Form->PreviewReport()->PageCount(), 2);
    Form->PreviewBatches.Clear();
    for (const char* name : {"Morning", "Evening"})
        Form->PreviewBatches.Add()->FileTitle = QLatin1String(name);
    Form->RefreshPreview();

    // Cancel half-way through the JPEG pages: nothing is handed over and the pages
    // written so far go.
    const auto folders = [&] {
        return QDir(program.MailRoot()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    };
    const QStringList handedOver = folders();
    EXPECT_EQ(handedOver.size(), 3); // one folder per message handed over
    QFile::remove(program.Root() + "/bin/mail.json");
    Form->OnJobStep = [&](int done, int) {
        if (done == 1)
            Form->CancelJob();
    };
    Form->Mail();
    EXPECT_TRUE(Dialogs.Log.empty());
    EXPECT_EQ(folders(), handedOver);
    QTest::qWait(1500);
    EXPECT_FALSE(QFile::exists(program.Root() + "/bin/mail.json")) << "no mail after Cancel";
    EXPECT_TRUE(On("ActionMail"));

    // The files stay for the mail program while the window lives, and go with it.
    Form.reset();
    EXPECT_TRUE(QDir(program.MailRoot()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());
}

TEST_F(ReportPreviewTest, MailThatCannotBeHandedOverSaysWhy) {
    if (!TStubMailProgram::XdgEmailInstalled())
        GTEST_SKIP() << "xdg-email is not installed (xdg-utils)";
    TStubMailProgram program;
    program.Unregister();
    WriteReport(Folder + "A.epr", {1});
    Settings.Item("SelectedReports").SetString("A");
    Open();
    AddBatches(1);
    Form->SetReportMode(false);
    Form->SetMailAvailable(true); // the mail program went after the window asked
    Form->Mail();
    ASSERT_EQ(Dialogs.Count("error"), 1);
    const QString error = Dialogs.Texts("error").first();
    EXPECT_TRUE(error.startsWith("MAPI Error ")) << error.toStdString();
    EXPECT_TRUE(error.contains('\n')) << "with xdg-email's reason: " << error.toStdString();
    EXPECT_TRUE(On("ActionMail"));
}

TEST_F(ReportPreviewTest, CopyPutsTheSelectedPageOnTheClipboardAsAPicture) {
    WriteReport(Folder + "A.epr", {0, 1, 2});
    Settings.Item("SelectedReports").SetString("A");
    Open();
    AddBatches(1);
    Form->SetReportMode(false);
    Form->SelectPage(2); // 102 x 200 mm
    ASSERT_TRUE(On("ActionCopyToClipboard"));
    QGuiApplication::clipboard()->clear();
    Form->Action("ActionCopyToClipboard")->trigger();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    const QByteArray svg = data->data("image/svg+xml");
    const auto size = QRegularExpression(R"(<svg[^>]*\swidth="([\d.]+)mm"\s+height="([\d.]+)mm")").match(svg);
    ASSERT_TRUE(size.hasMatch()) << svg.left(400).toStdString();
    EXPECT_NEAR(size.captured(1).toDouble(), 102.0, 0.01);
    EXPECT_NEAR(size.captured(2).toDouble(), 200.0, 0.01);
    ASSERT_TRUE(data->hasImage());
    const QImage png = qvariant_cast<QImage>(data->imageData());
    ASSERT_FALSE(png.isNull());
    EXPECT_NEAR(double(png.width()) / png.height(), 102.0 / 200.0, 0.01);
    EXPECT_TRUE(Dialogs.Log.empty());
}

TEST_F(ReportPreviewTest, EveryControlHasAnAccessibleName) {
    WriteReport(Folder + "A.epr", {0, 1, 2});
    Settings.Item("SelectedReports").SetString("A");
    Open();
    AddBatches(1);
    Form->SetReportMode(false);
    Form->SetMailAvailable(true);
    Form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
    int controls = 0;
    EXPECT_EQ(UnnamedControls(Form.get(), &controls), QStringList());
    EXPECT_GE(controls, 6) << "reports, zoom, Print, PDF, Mail and the page list at least";
    // The job's progress and Cancel while they show.
    QStringList unnamedDuringJob;
    Form->OnJobStep = [&](int done, int) {
        if (done == 1) {
            unnamedDuringJob = UnnamedControls(Form.get());
            EXPECT_TRUE(Form->findChild<QWidget*>("ButtonCancelJob")->isVisible());
        }
    };
    Dialogs.Paths.push_back(Dir.File("named.pdf"));
    Form->SavePdf();
    EXPECT_EQ(unnamedDuringJob, QStringList());
}

// Printing from the preview on the queues of a private CUPS scheduler.
class ReportPreviewPrintTest : public ReportPreviewTest {
protected:
    static void SetUpTestSuite() {
        // Before anything asks CUPS: the client library reads the server once.
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
        ReportPreviewTest::SetUp();
        SetPrinterServices(nullptr); // the system's, which are the scheduler's queues
        if (!::Printers().InstalledPrinters().contains("Second"))
            GTEST_SKIP() << "this process asked CUPS before the private scheduler started; "
                            "run the test on its own (as ctest does)";
        QFile::remove(Cups->Output("Raw"));
        QFile::remove(Cups->Output("Second"));
        // Pages 100, 101 and 102 mm wide, 200 mm high.
        WriteReport(Folder + "A.epr", {0, 1, 2});
        Settings.Item("SelectedReports").SetString("A");
        Open();
        AddBatches(1);
        Form->SetReportMode(false);
    }

    static TPrivateCups* Cups;
};

TPrivateCups* ReportPreviewPrintTest::Cups = nullptr;

TEST_F(ReportPreviewPrintTest, TheDialogsCopiesCollationAndRangeReachTheJob) {
    ASSERT_TRUE(On("ActionPrint"));
    int asked = 0;
    // The operator picks the second queue, two uncollated copies of pages 2 to 3.
    Form->ChoosePrinter = [&](QPrinter& printer, int pageCount) {
        ++asked;
        EXPECT_EQ(pageCount, 3);
        EXPECT_TRUE(printer.collateCopies()) << "collated copies preset";
        printer.setPrinterName("Second");
        printer.setCopyCount(2);
        printer.setCollateCopies(false);
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(2, 3);
        return true;
    };
    Form->Print();
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(Dialogs.Texts("error").isEmpty()) << Dialogs.Texts("error").join("; ").toStdString();
    ASSERT_TRUE(Cups->WaitForOutput("Second"));
    // Both pages on the paper of page 2, the first printed: 101 x 200 mm.
    EXPECT_EQ(PdfPageSizes(Cups->Output("Second")), (QStringList{"286x567", "286x567"}));
    const QString options = Cups->Options("Second");
    EXPECT_TRUE(options.startsWith("copies=2 ")) << options.toStdString();
    EXPECT_TRUE(options.contains(" nocollate ")) << options.toStdString();
    EXPECT_TRUE(options.contains("media=Custom.101x200mm")) << options.toStdString();
    EXPECT_TRUE(options.endsWith(" title=Bramblex Report")) << options.toStdString();
    EXPECT_FALSE(QFile::exists(Cups->Output("Raw")));

    // The whole report on the default queue: the first page's paper.
    Form->ChoosePrinter = [](QPrinter&, int) { return true; };
    Form->Print();
    ASSERT_TRUE(Cups->WaitForOutput("Raw"));
    EXPECT_EQ(PdfPageSizes(Cups->Output("Raw")).size(), 3);
    EXPECT_TRUE(Cups->Options("Raw").contains("media=Custom.100x200mm"))
        << Cups->Options("Raw").toStdString();
}

TEST_F(ReportPreviewPrintTest, TheDialogsPaperOrientationAndOutputFileReachTheJob) {
    // Pages as the designer makes them: "Default" paper and orientation.
    TReport fresh;
    for (int type : {PageTypeOpening, PageTypeInner, PageTypeClosing})
        fresh.AddPage()->Property(QStringLiteral("PageType")).SetInteger(type);
    fresh.SaveToFile(Folder + "B.epr");
    Settings.Item("SelectedReports").SetString("B");
    Open();
    AddBatches(1);
    Form->SetReportMode(false);
    ASSERT_EQ(Form->PreviewReport()->PageCount(), 3);

    Form->ChoosePrinter = [](QPrinter& printer, int) {
        printer.setPageSize(QPageSize(QPageSize::Letter));
        printer.setPageOrientation(QPageLayout::Landscape);
        return true;
    };
    Form->Print();
    EXPECT_TRUE(Dialogs.Texts("error").isEmpty()) << Dialogs.Texts("error").join("; ").toStdString();
    ASSERT_TRUE(Cups->WaitForOutput("Raw"));
    EXPECT_EQ(PdfPageSizes(Cups->Output("Raw")), (QStringList{"792x612", "792x612", "792x612"}));
    EXPECT_TRUE(Cups->Options("Raw").contains("media=na_letter_8.5x11in"))
        << Cups->Options("Raw").toStdString();

    // "Print to File": no queue, the file named, here on A5.
    QFile::remove(Cups->Output("Raw"));
    const int jobs = Cups->JobCount();
    const QString file = Dir.File("Printed/report.pdf");
    QDir().mkpath(QFileInfo(file).path());
    Form->ChoosePrinter = [&](QPrinter& printer, int) {
        printer.setPrinterName(QString());
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        printer.setPageSize(QPageSize(QPageSize::A5));
        return true;
    };
    // Cancelled after the first page: nothing written.
    Form->OnJobStep = [&](int done, int) {
        if (done == 1)
            Form->CancelJob();
    };
    Form->Print();
    EXPECT_EQ(QDir(QFileInfo(file).path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList());
    Form->OnJobStep = nullptr;
    Form->Print();
    EXPECT_TRUE(Dialogs.Texts("error").isEmpty()) << Dialogs.Texts("error").join("; ").toStdString();
    EXPECT_EQ(PdfPageSizes(file), (QStringList{"420x595", "420x595", "420x595"}));
    QThread::msleep(300);
    EXPECT_EQ(Cups->JobCount(), jobs);
    EXPECT_FALSE(QFile::exists(Cups->Output("Raw")));
}

TEST_F(ReportPreviewPrintTest, CancelHalfWaySendsNoJob) {
    // The temporary folder holds the test's own scratch folder too.
    const auto Temporary = [] {
        return QDir(Cups->Temporary()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    };
    const QStringList before = Temporary();
    const int jobs = Cups->JobCount();
    Form->ChoosePrinter = [](QPrinter&, int) { return true; };
    bool disabledMeanwhile = false;
    Form->OnJobStep = [&](int done, int) {
        if (done == 1) {
            disabledMeanwhile =
                !Form->Action("ActionPrint")->isEnabled() && !Form->ListViewPages()->isEnabled();
            Form->CancelJob();
        }
    };
    Form->Print();
    EXPECT_TRUE(disabledMeanwhile);
    QThread::msleep(300);
    EXPECT_EQ(Cups->JobCount(), jobs);
    EXPECT_FALSE(QFile::exists(Cups->Output("Raw")));
    EXPECT_EQ(Temporary(), before) << "the job's document is gone";
    EXPECT_TRUE(Dialogs.Log.empty());
    EXPECT_TRUE(On("ActionPrint"));

    // A print dialog closed with Cancel prints nothing either.
    Form->OnJobStep = nullptr;
    Form->ChoosePrinter = [](QPrinter&, int) { return false; };
    Form->Print();
    QThread::msleep(300);
    EXPECT_EQ(Cups->JobCount(), jobs);
}
