// The folder list window. Goals: a folder of 10 000 batches shown from its cache (the
// list reloaded and its first screen painted) under 300 ms, and scrolled a screen at a
// time without stalls; selecting a 20 MB PDF file shows its first page under 1 s.

#include "bench/support/QuietDialogs.h"
#include "documents/BatchItem.h"
#include "documents/Settings.h"
#include "storage/FileItem.h"
#include "ui/FormLocal.h"
#include "ui/FormViewBatch.h"
#include "ui/FormViewPDF.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QPdfDocument>
#include <QPdfView>
#include <QPdfWriter>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

constexpr int kBatches = 10000;

QTemporaryDir& Scratch() {
    static QTemporaryDir dir;
    return dir;
}

// A folder of 10 000 batches with an up-to-date cache, made once.
const QString& BatchFolder() {
    static QString folder;
    if (!folder.isEmpty())
        return folder;
    folder = Scratch().filePath("Batches") + QLatin1Char('/');
    QDir().mkpath(folder);
    TBatchItem batch;
    batch.Company = QStringLiteral("Korvane Laboratories");
    for (int m = 0; m < 60; ++m) {
        TMeasurementItem* reading = batch.Measurements.Add();
        reading->DateTime = 45000.0 + m / 86400.0;
        reading->Viscosity = 1234.5 + m;
        reading->RPMCode = 7;
    }
    batch.SaveToFile(folder + "sample.tmp");
    QFile in(folder + "sample.tmp");
    in.open(QIODevice::ReadOnly);
    const QByteArray bytes = in.readAll();
    in.close();
    QFile::remove(folder + "sample.tmp");
    const QDateTime time(QDate(2023, 6, 1), QTime(12, 0, 0), Qt::LocalTime);
    for (int i = 0; i < kBatches; ++i) {
        QFile out(folder + QStringLiteral("Batch %1.epb").arg(i, 5, 10, QLatin1Char('0')));
        out.open(QIODevice::WriteOnly);
        out.write(bytes);
        out.setFileTime(time, QFileDevice::FileModificationTime);
    }
    TFileList list;
    list.Refresh(folder);
    list.LoadRange(0, list.Count() - 1);
    return folder;
}

// A PDF file of about 20 MB: pages of noise pictures, which compress poorly.
const QString& LargePdf() {
    static QString path;
    if (!path.isEmpty())
        return path;
    path = Scratch().filePath("large.pdf");
    QPdfWriter writer(path);
    writer.setResolution(150);
    QPainter painter(&writer);
    QRandomGenerator random(12345);
    for (int page = 0; page < 11; ++page) {
        if (page > 0)
            writer.newPage();
        QImage noise(1300, 1300, QImage::Format_RGB32);
        for (int y = 0; y < noise.height(); ++y) {
            auto* line = reinterpret_cast<quint32*>(noise.scanLine(y));
            for (int x = 0; x < noise.width(); ++x)
                line[x] = 0xff000000u | (random.generate() & 0xffffffu);
        }
        painter.drawImage(QRect(0, 0, 1100, 1100), noise);
        painter.drawText(QPointF(50, 1200), QStringLiteral("Page %1").arg(page + 1));
    }
    return path;
}

struct TWindow {
    TSettings Settings;
    TFileList TabReports;
    TQuietDialogs Dialogs;
    std::unique_ptr<TFormViewBatch> ViewBatch =
        std::make_unique<TFormViewBatch>(Settings, TabReports, Dialogs);
    std::unique_ptr<TFormLocal> Form = std::make_unique<TFormLocal>(Settings, *ViewBatch, Dialogs);
    TWindow() {
        Form->resize(1000, 800);
        Form->show();
        (void)QTest::qWaitForWindowExposed(Form.get());
    }
    ~TWindow() { Form.reset(); }
};

void BM_ShowCachedFolderOf10000Batches(benchmark::State& state) {
    const QString& folder = BatchFolder();
    int shown = 0;
    int read = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<TWindow>();
        QApplication::processEvents();
        state.ResumeTiming();
        window->Form->CurrentFolder = folder;
        window->Form->ReloadFolder();
        window->Form->ListViewLocal()->viewport()->repaint();
        state.PauseTiming();
        shown = window->Form->Entries.Count();
        read = window->Form->Entries.LoadedBatchCount();
        window.reset();
        state.ResumeTiming();
    }
    state.counters["entries"] = shown;
    state.counters["batches_read"] = read;
}
BENCHMARK(BM_ShowCachedFolderOf10000Batches)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

void BM_ScrollFolderOf10000Batches(benchmark::State& state) {
    const QString& folder = BatchFolder();
    TWindow window;
    window.Form->CurrentFolder = folder;
    window.Form->ReloadFolder();
    QApplication::processEvents();
    QTreeView* list = window.Form->ListViewLocal();
    QScrollBar* bar = list->verticalScrollBar();
    std::vector<double> pages;
    for (auto _ : state) {
        pages.clear();
        bar->setValue(0);
        QElapsedTimer timer;
        // A screen at a time, 100 screens from the top, each painted.
        const int step = std::max(1, bar->pageStep());
        for (int page = 0; page < 100 && bar->value() < bar->maximum(); ++page) {
            timer.start();
            bar->setValue(bar->value() + step);
            list->viewport()->repaint();
            pages.push_back(timer.nsecsElapsed() / 1e6);
        }
    }
    std::sort(pages.begin(), pages.end());
    state.counters["pages"] = static_cast<double>(pages.size());
    state.counters["rows_passed"] = bar->value();
    state.counters["batches_read"] = window.Form->Entries.LoadedBatchCount();
    state.counters["max_page_ms"] = pages.empty() ? 0.0 : pages.back();
    state.counters["median_page_ms"] = pages.empty() ? 0.0 : pages[pages.size() / 2];
}
BENCHMARK(BM_ScrollFolderOf10000Batches)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

void BM_FirstPageOf20MbPdf(benchmark::State& state) {
    const QString& path = LargePdf();
    TWindow window;
    TFormViewPDF* viewer = window.Form->FormViewPDF();
    viewer->resize(900, 700);
    viewer->show();
    QApplication::processEvents();
    for (auto _ : state) {
        state.PauseTiming();
        viewer->Document()->close();
        QApplication::processEvents();
        const QColor before = viewer->PdfView()->viewport()->grab().toImage().pixelColor(450, 200);
        state.ResumeTiming();
        viewer->ShowFile(path);
        // Shown once the page's picture is on the screen.
        QElapsedTimer limit;
        limit.start();
        while (limit.elapsed() < 10000) {
            QApplication::processEvents();
            const QImage shot = viewer->PdfView()->viewport()->grab().toImage();
            const QColor now = shot.pixelColor(450, 200);
            if (now != before && now != QColor(Qt::white))
                break;
        }
    }
    state.counters["file_mb"] = QFileInfo(path).size() / 1e6;
    state.counters["pages"] = viewer->Document()->pageCount();
}
BENCHMARK(BM_FirstPageOf20MbPdf)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

} // namespace
