// Drawing one inner A4 page at 600 pixels per inch, as printing and PDF output do.
// Goal: under 100 ms a page.

#include "catalogue/Catalogue.h"
#include "reports/Page.h"
#include "reports/PageItemMemo.h"
#include "reports/PageItemReadings.h"
#include "reports/PageItemShape.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int Dpi = 600;

std::unique_ptr<TPage> MakeInnerPage() {
    auto page = std::make_unique<TPage>();
    page->Property("PaperSize").SetInteger(4); // A4 whatever printer there is
    page->Property("PageOrientation").SetInteger(PageOrientationPortrait);
    page->Property("PageType").SetInteger(PageTypeInner);
    return page;
}

// A header block with fields, word wrap and two alignments.
void AddHeaderMemos(TPage& page) {
    auto* title = page.AddItem<TPageItemMemo>();
    title->Property("Left").SetFloat(15.0);
    title->Property("Top").SetFloat(15.0);
    title->Property("Width").SetFloat(180.0);
    title->Property("Height").SetFloat(15.0);
    title->Property("FontSize").SetInteger(16);
    title->Property("Bold").SetBoolean(true);
    title->Property("Alignment").SetInteger(4);
    title->Property("Text").SetString("Viscosity report for [BatchID] - page [PageNumber]");

    auto* header = page.AddItem<TPageItemMemo>();
    header->Property("Left").SetFloat(15.0);
    header->Property("Top").SetFloat(32.0);
    header->Property("Width").SetFloat(180.0);
    header->Property("Height").SetFloat(30.0);
    header->Property("WordWrap").SetBoolean(true);
    header->Property("Text").SetString(
        "Company: [Company]\r\nOperator: [Operator]\r\nModel: [ModelType], spindle [SpindleType]\r\n"
        "Folder: [FilePath]\r\nPrinted on [TodaysDate]. The readings below were taken under computer control "
        "at the speeds and temperatures shown; values over the full scale of the spindle are marked.");
}

QImage& PageImage(const TPage& page) {
    static QImage image(static_cast<int>(RoundHalfUp(page.PageWidth() / 25.4 * Dpi)),
                        static_cast<int>(RoundHalfUp(page.PageHeight() / 25.4 * Dpi)), QImage::Format_RGB32);
    return image;
}

void DrawPage(benchmark::State& state, TPage& page) {
    QImage& image = PageImage(page);
    page.OutputRect = {0, 0, image.width(), image.height()};
    for (auto _ : state) {
        QPainter painter(&image);
        page.Canvas = &painter;
        page.Draw();
        page.Canvas = nullptr;
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["px"] = image.width() * static_cast<double>(image.height());
}

void BM_InnerPageMemos600dpi(benchmark::State& state) {
    auto page = MakeInnerPage();
    AddHeaderMemos(*page);
    DrawPage(state, *page);
}
BENCHMARK(BM_InnerPageMemos600dpi)->Unit(benchmark::kMillisecond);

// The blank page alone: what filling 35 million pixels costs.
void BM_BlankPage600dpi(benchmark::State& state) {
    auto page = MakeInnerPage();
    DrawPage(state, *page);
}
BENCHMARK(BM_BlankPage600dpi)->Unit(benchmark::kMillisecond);

// Further item kinds are added here: build the page with MakeInnerPage and
// AddHeaderMemos, add the items, and call DrawPage.

// The usual inner page: header memos, a frame and a 20-row table of the example batch
// (eight columns, as its spindle has shear data).
void BM_InnerPageMemosTable600dpi(benchmark::State& state) {
    auto page = MakeInnerPage();
    AddHeaderMemos(*page);
    auto* frame = page->AddItem<TPageItemShape>();
    frame->Property("Left").SetFloat(10.0);
    frame->Property("Top").SetFloat(10.0);
    frame->Property("Width").SetFloat(190.0);
    frame->Property("Height").SetFloat(277.0);
    frame->Property("FillStyle").SetStyle(1);
    auto* table = page->AddItem<TPageItemReadings>();
    table->Property("Left").SetFloat(15.0);
    table->Property("Top").SetFloat(70.0);
    table->Property("Width").SetFloat(180.0);
    table->Property("Height").SetFloat(150.0);
    table->Property("RowsPerPage").SetInteger(20);
    DrawPage(state, *page);
}
BENCHMARK(BM_InnerPageMemosTable600dpi)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
