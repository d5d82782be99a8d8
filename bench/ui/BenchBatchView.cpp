// The batch view's readings tab on a batch of 100 000 readings. Goals: under 500 ms from
// the click on the batch (its file read included) to its table and chart drawn; under
// 500 ms to change the X quantity (re-sort, redraw and the save that comes with it); a
// reading added during a run shown within 2 ms of work on the user-interface thread, at
// 100 000 readings as at 1 000 (within 1.5 times).

#include "bench/support/QuietDialogs.h"
#include "charts/MeasurementsChart.h"
#include "documents/BatchItem.h"
#include "documents/Settings.h"
#include "services/BatchStore.h"
#include "storage/FileItem.h"
#include "ui/FormViewBatch.h"
#include "ui/FormViewMeasurements.h"

#include <QApplication>
#include <QComboBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

namespace {

// A shown batch view on the readings tab and a TR8 batch file of count readings, two
// quantities charted.
class TBench {
public:
    explicit TBench(int count) {
        settings.FileName = dir.filePath("settings.xml");
        path = dir.filePath("Big.epb");
        TBatchItem batch;
        batch.ModelType = 3;
        batch.SpindleType = 21; // TR8
        batch.SelectedYAxis = "0,2";
        for (int i = 0; i < count; ++i) {
            TMeasurementItem* m = batch.Measurements.Add();
            m->DateTime = 46000.5 + i / 86400.0;
            m->Viscosity = 500.0 + 400.0 * std::sin(i / 500.0);
            m->Temperature = 20.0 + (i % 600) / 10.0;
            m->RPMCode = 12;
            m->SheerStress = 10.0 + i % 7;
            m->SheerRate = 20.0 + i % 11;
        }
        batch.SaveToFile(path);
        settings.Item("BatchTab").SetInteger(2);
        view = std::make_unique<TFormViewBatch>(settings, tabReports, dialogs);
        view->resize(1400, 800);
        view->show();
        if (!QTest::qWaitForWindowExposed(view.get()))
            qWarning("the batch view was not shown");
        view->SetTabIndex(2);
    }

    // What the folder list does on a click: read the file, hand the copy over.
    void Click() {
        view->SelectedFiles.Clear();
        TFileItem* entry = view->SelectedFiles.Add();
        entry->FileType = FileTypeBatch;
        entry->FilePath = path;
        entry->Load();
        view->ShowSelection(false);
        Draw();
    }
    // Paints what changed, now.
    void Draw() {
        TFormViewMeasurements* m = view->FormViewMeasurements();
        m->ChartMeasurements()->replot(QCustomPlot::rpImmediateRefresh);
        m->ListViewMeasurements()->viewport()->repaint();
        QApplication::processEvents();
    }

    QTemporaryDir dir;
    TSettings settings;
    TFileList tabReports;
    TQuietDialogs dialogs;
    QString path;
    std::unique_ptr<TFormViewBatch> view;
};

void BM_ClickToTableAndChart(benchmark::State& state) {
    TBench bench(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        bench.view->ForgetFileItems();
        state.ResumeTiming();
        bench.Click();
    }
    state.counters["readings"] = static_cast<double>(state.range(0));
}
BENCHMARK(BM_ClickToTableAndChart)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

void BM_ChangeXQuantity(benchmark::State& state) {
    TBench bench(static_cast<int>(state.range(0)));
    bench.Click();
    QComboBox* x = bench.view->FormViewMeasurements()->ComboBoxXAxis();
    int next = 1;
    for (auto _ : state) {
        x->setCurrentIndex(next); // viscosity, then time again
        bench.Draw();
        next = 1 - next;
    }
}
BENCHMARK(BM_ChangeXQuantity)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(6)->UseRealTime();

// The run's timer: one reading more appended to the batch's document, which the view
// shows, then drawn.
void BM_ReadingAddedDuringRun(benchmark::State& state) {
    TBench bench(static_cast<int>(state.range(0)));
    bench.Click();
    bench.view->SetRunActive(true);
    TBatchDocument& document = *bench.view->Document();
    int added = 0;
    for (auto _ : state) {
        TMeasurementItem m;
        m.DateTime = 46002.5 + added++ / 86400.0;
        m.Viscosity = 450.0;
        m.Temperature = 25.0;
        m.RPMCode = 12;
        document.AppendReading(m);
        document.EndAppend();
        bench.Draw();
    }
    bench.view->SetRunActive(false);
    const int rows = bench.view->FormViewMeasurements()->ListViewMeasurements()->model()->rowCount();
    if (rows != state.range(0) + added)
        state.SkipWithError("the table did not follow the run");
    state.counters["readings"] = static_cast<double>(state.range(0));
}
BENCHMARK(BM_ReadingAddedDuringRun)
    ->Arg(1000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10)
    ->UseRealTime();

} // namespace
