// What a screen reader hears from the labels of every window in a known state: the
// text each label shows (the folder, the report, the run's status), never a caption.

#include "MainWindowFixture.h"

#include "storage/StoragePaths.h"
#include "support/AccessibleLabels.h"
#include "ui/FormPreferences.h"
#include "ui/FormProcessWizard.h"
#include "ui/FormReports.h"
#include "ui/FormViewPDF.h"
#include "ui/FormViewProcesses.h"
#include "ui/FormViewReport.h"
#include "ui/KorvTabBar.h"

#include <QLabel>
#include <QToolButton>

class AccessibleLabelsTest : public MainWindowTest {};

TEST_F(AccessibleLabelsTest, TheMainWindowsLabelsAreNamedByWhatTheyShow) {
    PrepareStorageAt(Storage()); // the template's tab report too
    WriteSettings({{"DefaultViscoMeter", "2"}});
    const QString batch = Local() + "Lab/Run.epb";
    WriteBatch(batch, 2, 1, 3, 1);
    Start();
    ShowFolder(Local() + "Lab");
    SelectInList(batch);
    TFormViewBatch* view = Form->FormViewBatch();
    ASSERT_TRUE(view->isVisible());
    ASSERT_EQ(view->KorvTabPreview()->count(), 6);

    EXPECT_EQ(AccessibleNameOf(Form->LabelSelectedFolder()), "Local\\Lab");
    QStringList misnamed;
    int counted = 0;
    // Header, Processes, Measurements, Analysis, the tab report (standard mode) and My Reports.
    for (int tab = 0; tab < 6; ++tab) {
        view->SetTabIndex(tab);
        QApplication::processEvents();
        misnamed << MisnamedLabels(Form.get(), &counted);
        if (tab == 4) {
            EXPECT_EQ(AccessibleNameOf(view->FormViewReport()->findChild<QLabel*>("LabelStandardReport")),
                      "Standard Report");
        }
    }
    // The drop-down of the ticked reports shows them like a list its choice.
    auto* reports = view->FormViewReport()->findChild<QToolButton*>("CheckedComboReports");
    ASSERT_NE(reports, nullptr);
    ASSERT_FALSE(reports->text().isEmpty());
    EXPECT_EQ(AccessibleNameOf(reports), reports->text());

    // The run panel while a run goes on.
    view->ShowRunStatus("Processing Item 2 of 5", 2, 5);
    EXPECT_EQ(AccessibleNameOf(view->LabelProcessInfo()), "Processing Item 2 of 5");
    misnamed << MisnamedLabels(Form.get(), &counted);

    // The report list with a report chosen.
    Form->SelectNode(Form->ReportsNode());
    QApplication::processEvents();
    TFormReports* list = Form->FormReports();
    list->SelectReportFile(Storage() + "Reports/Standard Report.epr");
    QApplication::processEvents();
    EXPECT_EQ(AccessibleNameOf(list->LabelReport()), "My Reports > Standard Report");
    EXPECT_EQ(AccessibleNameOf(Form->LabelSelectedFolder()), "Reports");
    misnamed << MisnamedLabels(Form.get(), &counted);

    EXPECT_GE(counted, 30) << "the captions of header, processes, measurements, report and list views";
    misnamed.removeDuplicates();
    EXPECT_EQ(misnamed, QStringList());
}

TEST_F(AccessibleLabelsTest, TheDialogsLabelsAreNamedByWhatTheyShow) {
    TFormPreferences preferences(Dialogs, {});
    TSettings settings;
    preferences.LoadSettings(settings);
    int counted = 0;
    EXPECT_EQ(MisnamedLabels(&preferences, &counted), QStringList());
    EXPECT_GT(counted, 5);

    TFormProcessWizard wizard(Dialogs);
    wizard.Prepare(1, false);
    counted = 0;
    EXPECT_EQ(MisnamedLabels(&wizard, &counted), QStringList());
    EXPECT_GT(counted, 5);

    // The PDF viewer's failure text in place of a file it cannot read.
    const QString broken = Dir.File("broken.pdf");
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a PDF at all");
    file.close();
    TFormViewPDF viewer;
    viewer.ShowFile(broken);
    auto* failure = viewer.findChild<QLabel*>("LabelPdfFailure");
    ASSERT_NE(failure, nullptr);
    ASSERT_FALSE(failure->text().isEmpty());
    EXPECT_EQ(AccessibleNameOf(failure), failure->text());
}
