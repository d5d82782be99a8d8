// Drawing one inner A4 page at 600 pixels per inch, as printing and PDF output do.
// Goal: under 100 ms a page.
// Opening a hostile report (2.7 MB whose eight packed pictures each unpack to 256 MB):
// goal, refused within the document's picture budget, peak memory under 400 MB and
// well under a second (it took 2.4 GB and 32 s without the budget).

#include "catalogue/Catalogue.h"
#include "properties/PictureText.h"
#include "reports/Page.h"
#include "reports/PageItemGraphic.h"
#include "reports/PageItemMemo.h"
#include "reports/PageItemReadings.h"
#include "reports/PageItemShape.h"
#include "reports/Report.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <memory>

#include <sys/resource.h>
#include <zlib.h>

namespace {

// The packed text of a picture value of MaxPictureBytes zero bytes, deflated a chunk
// at a time so that making it never holds the picture.
QByteArray HugePictureText() {
    z_stream zs{};
    deflateInit(&zs, 9);
    QByteArray out;
    const QByteArray zeros(1024 * 1024, '\0');
    QByteArray chunk(64 * 1024, Qt::Uninitialized);
    QByteArray length;
    for (int shift = 0; shift < 32; shift += 8)
        length.append(static_cast<char>((MaxPictureBytes >> shift) & 0xFF));
    auto feed = [&](const QByteArray& in, int flush) {
        zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in.constData()));
        zs.avail_in = static_cast<uInt>(in.size());
        do {
            zs.next_out = reinterpret_cast<Bytef*>(chunk.data());
            zs.avail_out = static_cast<uInt>(chunk.size());
            deflate(&zs, flush);
            out.append(chunk.constData(), chunk.size() - static_cast<qsizetype>(zs.avail_out));
        } while (zs.avail_out == 0);
    };
    feed(length, Z_NO_FLUSH);
    for (std::uint32_t done = 0; done < MaxPictureBytes; done += static_cast<std::uint32_t>(zeros.size()))
        feed(zeros, done + zeros.size() >= MaxPictureBytes ? Z_FINISH : Z_NO_FLUSH);
    deflateEnd(&zs);
    return Base64EncodeLines(out);
}

// Registered first, while the process is small: its peak memory is then the refusal's
// own, not that of the 600 dpi pages drawn after it (140 MB each).
void BM_OpenHostileReport(benchmark::State& state) {
    const QString path = QDir::temp().filePath(QStringLiteral("bramblex-bench-hostile.epr"));
    {
        TReport report;
        for (int i = 0; i < 8; ++i)
            report.AddPage()->AddItem<TPageItemGraphic>()->Property("Graphic").SetBytes("x");
        report.SaveToFile(path);
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        QByteArray text = file.readAll();
        file.close();
        text.replace(PackPictureText("x"), HugePictureText());
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(text);
    }
    bool refused = true;
    for (auto _ : state) {
        TReport report;
        try {
            report.LoadFromFile(path);
            refused = false;
        } catch (const EPictureBudgetError&) {
        }
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["file_MB"] = static_cast<double>(QFile(path).size()) / (1024.0 * 1024.0);
    state.counters["peak_RSS_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
    state.counters["refused"] = refused ? 1 : 0;
    QFile::remove(path);
}
BENCHMARK(BM_OpenHostileReport)->Unit(benchmark::kMillisecond)->Iterations(3);

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
    title->SetLeft(15.0);
    title->SetTop(15.0);
    title->SetWidth(180.0);
    title->SetHeight(15.0);
    title->Property("FontSize").SetInteger(16);
    title->Property("Bold").SetBoolean(true);
    title->Property("Alignment").SetInteger(4);
    title->Property("Text").SetString("Viscosity report for [BatchID] - page [PageNumber]");

    auto* header = page.AddItem<TPageItemMemo>();
    header->SetLeft(15.0);
    header->SetTop(32.0);
    header->SetWidth(180.0);
    header->SetHeight(30.0);
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
    frame->SetLeft(10.0);
    frame->SetTop(10.0);
    frame->SetWidth(190.0);
    frame->SetHeight(277.0);
    frame->Property("FillStyle").SetStyle(1);
    auto* table = page->AddItem<TPageItemReadings>();
    table->SetLeft(15.0);
    table->SetTop(70.0);
    table->SetWidth(180.0);
    table->SetHeight(150.0);
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
