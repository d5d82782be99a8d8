#pragma once

// A batch view on its own, over batch files in a scratch folder, with in-memory
// settings and scripted dialogs: what the folder list hands it (SelectedFiles and
// ShowSelection) is done here by hand.

#include "catalogue/Catalogue.h"
#include "documents/BatchItem.h"
#include "documents/Settings.h"
#include "storage/FileItem.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"
#include "ui/FormViewBatch.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

class BatchViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetViscosityUnits(0);
        SetTemperatureUnits(0);
        Settings.FileName = Dir.File("settings.xml");
    }
    void TearDown() override { View.reset(); }

    // n tab reports (their files need not exist: the tabs show their names).
    void AddTabReports(int n) {
        for (int i = 0; i < n; ++i) {
            TFileItem* report = TabReports.Add();
            report->FileType = FileTypeReport;
            report->FilePath = Dir.File(QStringLiteral("Tab Report %1.epr").arg(i + 1));
        }
    }

    void Make(QSize size = QSize(1100, 640)) {
        View = std::make_unique<TFormViewBatch>(Settings, TabReports, Dialogs);
        View->resize(size);
    }

    struct Reading {
        double Viscosity;
        int RPMCode = 12; // 10 RPM
        double Temperature = 25.0;
        double ShearStress = 0.0;
        double ShearRate = 0.0;
    };

    // A batch file; readings one second apart.
    QString Write(const QString& name, int model, int spindle, const std::vector<Reading>& readings = {},
                  const QString& yAxis = QStringLiteral("0"), int xAxis = 0) {
        TBatchItem batch;
        batch.ModelType = static_cast<uint8_t>(model);
        batch.SpindleType = static_cast<uint8_t>(spindle);
        batch.Company = QStringLiteral("Korvane Labs");
        batch.SelectedXAxis = xAxis;
        batch.SelectedYAxis = yAxis;
        for (size_t i = 0; i < readings.size(); ++i) {
            TMeasurementItem* m = batch.Measurements.Add();
            m->DateTime = 46000.5 + static_cast<double>(i) / 86400.0;
            m->Viscosity = readings[i].Viscosity;
            m->RPMCode = readings[i].RPMCode;
            m->Temperature = readings[i].Temperature;
            m->SheerStress = readings[i].ShearStress;
            m->SheerRate = readings[i].ShearRate;
        }
        const QString path = Dir.File(name + QStringLiteral(".epb"));
        batch.SaveToFile(path);
        return path;
    }

    static std::unique_ptr<TBatchItem> Read(const QString& path) {
        auto batch = std::make_unique<TBatchItem>();
        batch->LoadFromFile(path);
        return batch;
    }

    // What the folder list does when the selection changes.
    void Select(const QStringList& paths) {
        View->SelectedFiles.Clear();
        for (const QString& path : paths) {
            TFileItem* entry = View->SelectedFiles.Add();
            entry->FileType = FileTypeBatch;
            entry->FilePath = path;
            ASSERT_TRUE(entry->Load()) << entry->LastError().toStdString();
        }
        if (!View->isVisible()) {
            View->show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(View.get()));
        }
        View->ShowSelection(false);
        QApplication::processEvents();
    }

    TempDir Dir;
    TSettings Settings;
    TFileList TabReports;
    TScriptedDialogs Dialogs;
    std::unique_ptr<TFormViewBatch> View;
};
