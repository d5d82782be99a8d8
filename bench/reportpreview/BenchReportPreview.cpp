// The report preview. Goals: a 1 000-page report shows its first page under 1 s
// (thumbnails drawn only for the rows shown), and scrolling its page list never holds
// the window for more than 50 ms.

#include "bench/support/QuietDialogs.h"
#include "documents/BatchItem.h"
#include "documents/Settings.h"
#include "reports/Page.h"
#include "reports/Report.h"
#include "storage/FileItem.h"
#include "ui/FormViewReport.h"
#include "ui/PageDesigner.h"
#include "ui/PageEditor.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTest>
#include <QTreeView>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// A preview of the shipped tab report's look (one inner page with a memo and a shape)
// over 1 000 batches of 20 readings: 1 000 pages.
struct TPreview {
    TSettings Settings;
    TQuietDialogs Dialogs;
    TFileList MyReports;
    std::unique_ptr<TFormViewReport> Form = std::make_unique<TFormViewReport>();
    TPreview() {
        Form->Attach(Settings, Dialogs, MyReports, nullptr);
        Form->StandardReport.Name = QStringLiteral("Daily");
        TPage* page = Form->StandardReport.AddPage();
        page->Property(QStringLiteral("PageType")).SetInteger(PageTypeInner);
        for (int b = 0; b < 1000; ++b) {
            TBatchItem* batch = Form->PreviewBatches.Add();
            batch->Identifier = QStringLiteral("Batch %1").arg(b + 1);
            for (int m = 0; m < 20; ++m) {
                TMeasurementItem* reading = batch->Measurements.Add();
                reading->DateTime = 45000.0 + m / 86400.0;
                reading->Viscosity = 1000.0 + m;
                reading->RPMCode = 7;
            }
        }
        Form->resize(1000, 700);
        Form->show();
        (void)QTest::qWaitForWindowExposed(Form.get());
    }
};

void BM_OpenPreviewOf1000Pages(benchmark::State& state) {
    int pages = 0;
    int thumbnails = 0;
    for (auto _ : state) {
        state.PauseTiming();
        TPreview preview;
        QApplication::processEvents();
        state.ResumeTiming();
        preview.Form->SetReportMode(true);
        preview.Form->ListViewPages()->viewport()->repaint();
        preview.Form->PageEditor()->repaint();
        state.PauseTiming();
        pages = preview.Form->PreviewReport()->PageCount();
        thumbnails = preview.Form->ThumbnailsDrawn();
        state.ResumeTiming();
    }
    state.counters["pages"] = pages;
    state.counters["thumbnails_drawn"] = thumbnails;
}
BENCHMARK(BM_OpenPreviewOf1000Pages)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void BM_ScrollPageListOf1000Pages(benchmark::State& state) {
    TPreview preview;
    preview.Form->SetReportMode(true);
    QApplication::processEvents();
    QTreeView* list = preview.Form->ListViewPages();
    QScrollBar* bar = list->verticalScrollBar();
    std::vector<double> steps;
    for (auto _ : state) {
        steps.clear();
        bar->setValue(0);
        const int step = std::max(1, bar->pageStep());
        QElapsedTimer timer;
        while (bar->value() < bar->maximum()) {
            timer.start();
            bar->setValue(bar->value() + step);
            list->viewport()->repaint();
            steps.push_back(timer.nsecsElapsed() / 1e6);
        }
    }
    std::sort(steps.begin(), steps.end());
    state.counters["screens"] = static_cast<double>(steps.size());
    state.counters["max_screen_ms"] = steps.empty() ? 0.0 : steps.back();
    state.counters["median_screen_ms"] = steps.empty() ? 0.0 : steps[steps.size() / 2];
    state.counters["thumbnails_drawn"] = preview.Form->ThumbnailsDrawn();
}
BENCHMARK(BM_ScrollPageListOf1000Pages)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

} // namespace
