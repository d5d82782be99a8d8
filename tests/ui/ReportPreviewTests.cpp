// The report preview of the batch view's report tabs, on its own with scratch reports.

#include "documents/BatchItem.h"
#include "documents/Settings.h"
#include "platform/Printers.h"
#include "reports/Page.h"
#include "reports/Report.h"
#include "storage/FileItem.h"
#include "support/FakePrinters.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"
#include "ui/FormViewReport.h"
#include "ui/PageEditor.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
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
    void Open() {
        RefreshReportList(MyReports, Folder);
        Form = std::make_unique<TFormViewReport>();
        Form->Attach(Settings, Dialogs, MyReports, nullptr);
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
    Open();
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
    if (!shots.isEmpty())
        Form->grab().save(shots + "/report-preview.png");
}
