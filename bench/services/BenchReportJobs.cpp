// Report output at scale: one batch of 20 000 readings on a template whose inner page
// holds a 20-row readings table and a chart of 20 readings a page, so 1 000 inner
// pages, each with a chart.
// Goals: compose and paginate under 1 s with peak memory under 300 MB; the PDF at 50
// pages a second or better; the time a page at 1 000 pages at most 1.3 times that at
// 100 pages; a chart page drawn at 600 dpi under 100 ms.

#include "catalogue/Catalogue.h"
#include "charts/QCustomPlotChartPainter.h"
#include "documents/BatchItem.h"
#include "reports/Page.h"
#include "reports/PageItemChartRun.h"
#include "reports/PageItemMemo.h"
#include "reports/PageItemReadings.h"
#include "reports/Report.h"
#include "services/JobProgress.h"
#include "services/ReportJobs.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include <sys/resource.h>

namespace {

constexpr int RowsPerPage = 20;

// Readings a second apart on spindle L1 at 50 RPM, all within the full scale.
std::unique_ptr<TBatchItem> MakeBatch(int count) {
    auto batch = std::make_unique<TBatchItem>();
    batch->FileTitle = QStringLiteral("Large batch");
    batch->ModelType = 0;
    batch->SpindleType = 0;
    batch->SelectedXAxis = 0;
    batch->SelectedYAxis = QStringLiteral("0,2");
    batch->Measurements.Reserve(count);
    for (int i = 0; i < count; ++i) {
        TMeasurementItem* m = batch->Measurements.Add();
        m->DateTime = 40000.0 + i / 86400.0;
        m->Viscosity = 60.0 + 40.0 * std::sin(i / 50.0);
        m->Temperature = 20.0 + i / 1000.0;
        m->RPMCode = 16;
    }
    return batch;
}

std::unique_ptr<TReport> MakeTemplate() {
    auto report = std::make_unique<TReport>();
    TPage* page = report->AddPage();
    page->Property("PageType").SetInteger(PageTypeInner);
    page->Property("PageOrientation").SetInteger(PageOrientationPortrait);
    page->Property("PaperSize").SetInteger(4);
    auto* title = page->AddItem<TPageItemMemo>();
    title->SetLeft(20);
    title->SetTop(15);
    title->SetWidth(170);
    title->SetHeight(10);
    title->Property("Text").SetString(QStringLiteral("[BatchID] page [PageNumber]"));
    auto* table = page->AddItem<TPageItemReadings>();
    table->SetLeft(20);
    table->SetTop(30);
    table->SetWidth(170);
    table->SetHeight(100);
    table->Property("RowsPerPage").SetInteger(RowsPerPage);
    auto* chart = page->AddItem<TPageItemChartRun>();
    chart->SetLeft(20);
    chart->SetTop(140);
    chart->SetWidth(170);
    chart->SetHeight(130);
    chart->Property("ReadingsPerPage").SetInteger(RowsPerPage);
    return report;
}

double PeakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

// Runs first, while the process is still small: the peak is the composition's.
void BM_ComposeAndPaginate20000Readings(benchmark::State& state) {
    const auto layout = MakeTemplate();
    const auto batch = MakeBatch(20000);
    int pages = 0;
    for (auto _ : state) {
        const auto report = ComposePreview({layout.get()}, {batch.get()}, QStringLiteral("Bench"));
        pages = report->PageCount();
        benchmark::DoNotOptimize(pages);
    }
    state.counters["pages"] = pages;
    state.counters["peak_MB"] = PeakMegabytes();
}
BENCHMARK(BM_ComposeAndPaginate20000Readings)->Unit(benchmark::kMillisecond)->Iterations(3);

// The whole PDF for a batch giving range(0) inner pages.
void BM_PdfWithAChartOnEveryPage(benchmark::State& state) {
    const int pages = static_cast<int>(state.range(0));
    const auto layout = MakeTemplate();
    const auto batch = MakeBatch(pages * RowsPerPage);
    const auto report = ComposePreview({layout.get()}, {batch.get()}, QStringLiteral("Bench"));
    TQCustomPlotChartPainter charts;
    TJobProgress progress;
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("bench.pdf"));
    TPdfOptions options;
    options.Title = QStringLiteral("Bench");
    QElapsedTimer timer;
    qint64 nanoseconds = 0;
    for (auto _ : state) {
        timer.start();
        SaveAsPdf(*report, pdf, options, &charts, progress);
        nanoseconds += timer.nsecsElapsed();
    }
    const double seconds = nanoseconds / 1e9;
    const double written = double(report->PageCount()) * state.iterations();
    state.counters["pages"] = report->PageCount();
    state.counters["pages_per_s"] = written / seconds;
    state.counters["ms_per_page"] = seconds * 1000.0 / written;
    state.counters["file_MB"] = QFileInfo(pdf).size() / (1024.0 * 1024.0);
}
BENCHMARK(BM_PdfWithAChartOnEveryPage)->Arg(100)->Arg(1000)->Unit(benchmark::kSecond)->Iterations(1);

// One inner page with its table and chart drawn at 600 pixels per inch, as a raster
// printer's page.
void BM_ChartPage600dpi(benchmark::State& state) {
    const auto layout = MakeTemplate();
    const auto batch = MakeBatch(20000);
    const auto report = ComposePreview({layout.get()}, {batch.get()}, QStringLiteral("Bench"));
    TPage& page = *report->Page(500);
    const int width = static_cast<int>(RoundHalfUp(page.PageWidth() / 25.4 * 600));
    const int height = static_cast<int>(RoundHalfUp(page.PageHeight() / 25.4 * 600));
    QImage image(width, height, QImage::Format_RGB32);
    TQCustomPlotChartPainter charts;
    for (auto _ : state) {
        QPainter painter(&image);
        DrawPageOn(page, painter, image.rect(), &charts);
    }
}
BENCHMARK(BM_ChartPage600dpi)->Unit(benchmark::kMillisecond);

} // namespace
