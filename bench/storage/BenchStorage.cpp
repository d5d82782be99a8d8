// Listing a folder of 10 000 batches: the first time (every batch read once, the cache
// written) and again from the cache (no batch read).

#include "documents/BatchItem.h"
#include "storage/FileItem.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kBatches = 10000;

// One folder for the whole run, made on first use.
const QString& Folder() {
    static std::unique_ptr<QTemporaryDir> dir;
    static QString folder;
    if (dir)
        return folder;
    dir = std::make_unique<QTemporaryDir>();
    folder = dir->path() + QLatin1Char('/');

    TBatchItem batch;
    batch.Company = QStringLiteral("Korvane Laboratories");
    batch.Operator = QStringLiteral("Bench");
    for (int p = 0; p < 3; ++p) {
        TProcessItem* process = batch.Processes.Add();
        process->RPMStart = 5;
        process->RPMEnd = 10;
        process->Time = 60;
        process->MeasurementCount = 20;
    }
    for (int m = 0; m < 60; ++m) {
        TMeasurementItem* reading = batch.Measurements.Add();
        reading->DateTime = 45000.0 + m / 86400.0;
        reading->Viscosity = 1234.5 + m;
        reading->Temperature = 21.5;
        reading->RPMCode = 7;
    }
    const QString sample = folder + QStringLiteral("sample.tmp");
    batch.SaveToFile(sample);
    QFile in(sample);
    in.open(QIODevice::ReadOnly);
    const QByteArray bytes = in.readAll();
    in.close();
    QFile::remove(sample);

    const QDateTime time(QDate(2023, 6, 1), QTime(12, 0, 0), Qt::LocalTime);
    for (int i = 0; i < kBatches; ++i) {
        QFile out(folder + QStringLiteral("Batch %1.epb").arg(i, 5, 10, QLatin1Char('0')));
        out.open(QIODevice::WriteOnly);
        out.write(bytes);
        out.setFileTime(time, QFileDevice::FileModificationTime);
    }
    return folder;
}

// What the folder list does when it shows every row; returns the batches it read.
int ShowFolder(const QString& folder) {
    TFileList list;
    list.Refresh(folder);
    list.LoadRange(0, list.Count() - 1);
    return list.LoadedBatchCount();
}

void BM_FirstListing(benchmark::State& state) {
    const QString& folder = Folder();
    int read = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(folder + QLatin1String(FolderCacheFileName));
        state.ResumeTiming();
        read = ShowFolder(folder);
    }
    state.counters["entries"] = kBatches;
    state.counters["batches_read"] = read;
}
BENCHMARK(BM_FirstListing)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_CachedListing(benchmark::State& state) {
    const QString& folder = Folder();
    ShowFolder(folder); // makes sure the cache is current
    int read = 0;
    for (auto _ : state)
        read = ShowFolder(folder);
    state.counters["entries"] = kBatches;
    state.counters["batches_read"] = read;
}
BENCHMARK(BM_CachedListing)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
