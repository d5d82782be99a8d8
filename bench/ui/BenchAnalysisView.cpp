// The batch view's analysis tab during a run: one reading more in a batch of 10 000
// readings of a paste on a shear spindle, then the tab's part of the forced reload the
// main window does, until it shows the new analysis (tables, results and the flow curve
// drawn). The tab analyses on a thread of its own during a run, so two figures: ui_ms,
// the user-interface thread's own time per reading (handing the readings over, then
// showing the result and drawing; its CPU time, as waiting for the thread costs it
// nothing), goal under 5 ms; and the time (real_time) from the reading to the new
// analysis on screen. (The whole view's reload is BM_ReadingAddedDuringRun.)

#include "bench/support/QuietDialogs.h"
#include "documents/BatchItem.h"
#include "documents/Settings.h"
#include "storage/FileItem.h"
#include "ui/FormViewAnalysis.h"
#include "ui/FormViewBatch.h"

#include <qcustomplot.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <ctime>
#include <memory>

namespace {

// A Herschel–Bulkley paste (τ₀ 150, K 25, n 0.5) on spindle TR8 with a little noise, at
// speeds cycling through the instrument's codes.
void AddReading(TBatchItem& batch, int i) {
    TMeasurementItem* m = batch.Measurements.Add();
    m->DateTime = 46000.5 + i / 86400.0;
    m->RPMCode = 6 + i % 10;
    const double rate = 0.5 + (i % 10) * 2.3;
    const double noise = 1.0 + 0.01 * std::sin(i * 12.9898);
    m->SheerRate = rate;
    m->SheerStress = (150.0 + 25.0 * std::sqrt(rate)) * noise;
    m->Viscosity = m->SheerStress / rate * 100.0;
    m->Temperature = 20.0 + (i % 300) / 10.0;
}

// CPU time of the calling thread, in milliseconds.
double ThreadMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

void BM_AnalysisTabReadingAddedDuringRun(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    QTemporaryDir dir;
    TSettings settings;
    settings.FileName = dir.filePath("settings.xml");
    TFileList tabReports;
    TQuietDialogs dialogs;
    TBatchItem batch;
    batch.ModelType = 3;
    batch.SpindleType = 21; // TR8
    for (int i = 0; i < count; ++i)
        AddReading(batch, i);
    const QString path = dir.filePath("Paste.epb");
    batch.SaveToFile(path);

    TFormViewBatch view(settings, tabReports, dialogs);
    view.resize(1400, 800);
    view.show();
    if (!QTest::qWaitForWindowExposed(&view))
        qWarning("the batch view was not shown");
    TFileItem* entry = view.SelectedFiles.Add();
    entry->FileType = FileTypeBatch;
    entry->FilePath = path;
    entry->Load();
    view.ShowSelection(false);
    view.SetTabIndex(3);
    view.SetRunActive(true);
    TFormViewAnalysis* analysis = view.FormViewAnalysis();
    QApplication::processEvents();

    int added = count;
    double uiMilliseconds = 0.0;
    for (auto _ : state) {
        TFileItem& shown = *view.SelectedFiles.Items(0);
        AddReading(shown.BatchItem(), added++);
        const auto start = std::chrono::steady_clock::now();
        const double startCpu = ThreadMilliseconds();
        analysis->LoadFileItem(shown, true);
        // Asleep until the thread's result comes.
        while (analysis->AnalysisPending() &&
               std::chrono::steady_clock::now() - start < std::chrono::seconds(10))
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        analysis->ChartFlow()->replot(QCustomPlot::rpImmediateRefresh);
        QApplication::processEvents();
        uiMilliseconds += ThreadMilliseconds() - startCpu;
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    view.SetRunActive(false);
    if (analysis->Analysis().Readings != added)
        state.SkipWithError("the tab did not follow the run");
    state.counters["readings"] = static_cast<double>(count);
    state.counters["ui_ms"] = uiMilliseconds / static_cast<double>(state.iterations());
}
BENCHMARK(BM_AnalysisTabReadingAddedDuringRun)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20)
    ->UseManualTime();

} // namespace
