#include "export/ExportCommands.h"

#include "SampleBatches.h"
#include "core/Error.h"
#include "documents/Settings.h"
#include "support/TempDir.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

// The window's dialogs, scripted: the next answers and what was asked.
struct TScriptedDialogs {
    std::optional<QString> Name;
    bool Replace = false;
    std::vector<TSaveFileRequest> Requests;
    QStringList Questions;

    TExportDialogs Dialogs() {
        return {[this](const TSaveFileRequest& r) {
                    Requests.push_back(r);
                    return Name;
                },
                [this](const QString& q) {
                    Questions << q;
                    return Replace;
                }};
    }
};

class ExportCommands : public ::testing::Test {
protected:
    void SetUp() override {
        settings.Open(dir.File("Settings/settings.xml"));
        settings.AutoSave = true;
        FillSampleBatch(batch);
    }
    TempDir dir;
    TSettings settings;
    TBatchItem batch;
    TExportCommands commands;
    TScriptedDialogs ui;
};

TEST_F(ExportCommands, DialogsDescribeTheExport) {
    const TSaveFileRequest excel = ExportSaveRequest(TExportKind::Excel);
    EXPECT_EQ(excel.Title, "Export to Excel");
    EXPECT_EQ(excel.DefaultExtension, "xls");
    EXPECT_EQ(excel.Filter, "Excel Files (*.xls)|*.xls|All Files (*.*)|*.*");
    EXPECT_EQ(excel.NameFilters, "Excel Files (*.xls);;All Files (*.*)");
    const TSaveFileRequest csv = ExportSaveRequest(TExportKind::Csv);
    EXPECT_EQ(csv.Title, "Export to CSV");
    EXPECT_EQ(csv.Filter, "CSV Files (*.csv)|*.csv|All Files (*.*)|*.*");
}

TEST_F(ExportCommands, CancelWritesNothingAndKeepsTheSetting) {
    ui.Name = std::nullopt;
    EXPECT_EQ(commands.Run(TExportKind::Csv, batch, settings, ui.Dialogs()), QString());
    EXPECT_EQ(settings.Item("LastCSVExport").GetString(), QString());
    EXPECT_EQ(ui.Requests.at(0).InitialFolder, QString());
}

TEST_F(ExportCommands, ChosenNameGetsTheExtensionAndIsRemembered) {
    ui.Name = dir.File("report");
    EXPECT_EQ(commands.Run(TExportKind::Csv, batch, settings, ui.Dialogs()), dir.File("report.csv"));
    EXPECT_TRUE(QFile::exists(dir.File("report.csv")));
    EXPECT_TRUE(ui.Questions.isEmpty());

    TSettings reread;
    reread.Load(dir.File("Settings/settings.xml"));
    EXPECT_EQ(reread.Item("LastCSVExport").GetString(), dir.File("report.csv"));

    commands.Run(TExportKind::Csv, batch, settings, ui.Dialogs());
    EXPECT_EQ(ui.Requests.at(1).InitialFolder, dir.Path());
    EXPECT_EQ(ui.Requests.at(1).InitialName, "report.csv");
    EXPECT_EQ(ui.Requests.at(1).Title, "Export to CSV");
}

TEST_F(ExportCommands, ReplaceQuestion) {
    dir.Write("old.csv", "keep me");
    ui.Name = dir.File("old.csv");
    ui.Replace = false;
    EXPECT_EQ(commands.Run(TExportKind::Csv, batch, settings, ui.Dialogs()), QString());
    EXPECT_EQ(ui.Questions, QStringList{"Would you like to replace the existing file?"});
    EXPECT_EQ(dir.Read("old.csv"), "keep me");
    // The name is stored before the question, so the next dialog opens in its folder.
    EXPECT_EQ(settings.Item("LastCSVExport").GetString(), dir.File("old.csv"));

    ui.Replace = true;
    commands.Run(TExportKind::Csv, batch, settings, ui.Dialogs());
    EXPECT_TRUE(dir.Read("old.csv").startsWith("Header,"));
}

TEST_F(ExportCommands, ExcelAsksAboutTheFileItWillWrite) {
    dir.Write("data.XLS", "old");
    ui.Name = dir.File("data.txt");
    ui.Replace = true;
    EXPECT_EQ(commands.Run(TExportKind::Excel, batch, settings, ui.Dialogs()), dir.File("data.XLS"));
    EXPECT_EQ(ui.Questions.size(), 1);
    EXPECT_FALSE(QFile::exists(dir.File("data.txt")));
    EXPECT_TRUE(dir.Read("data.XLS").startsWith(QByteArray::fromHex("09080600")));
    EXPECT_EQ(settings.Item("LastExcelExport").GetString(), dir.File("data.txt"));
    EXPECT_EQ(settings.Item("LastCSVExport").GetString(), QString());
}

TEST_F(ExportCommands, FailedWriteKeepsTheChosenName) {
    ui.Name = dir.File("missing/out.csv");
    EXPECT_THROW(commands.Run(TExportKind::Csv, batch, settings, ui.Dialogs()), EFileError);
    EXPECT_EQ(settings.Item("LastCSVExport").GetString(), dir.File("missing/out.csv"));
}

} // namespace
