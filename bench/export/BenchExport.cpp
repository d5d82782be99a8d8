// Export of a batch of 100 000 readings (a long automatic run) to CSV and to Excel:
// building the bytes in memory, and the whole export including the atomic file write.

#include "catalogue/Catalogue.h"
#include "documents/BatchItem.h"
#include "export/BatchExport.h"
#include "export/MxNativeExcel.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int ReadingCount = 100000;

TBatchItem& LargeBatch() {
    static TBatchItem batch;
    if (batch.Measurements.Count() == 0) {
        batch.FileTitle = "Large run";
        batch.Company = "Acme Laboratories";
        batch.Operator = "Night shift";
        batch.ModelType = 2;
        batch.SpindleType = 7; // LCP, with shear data
        for (int p = 0; p < 20; ++p) {
            TProcessItem* process = batch.Processes.Add();
            process->Identifier = QStringLiteral("Step %1").arg(p + 1);
            process->RPMStart = 1 + p % 19;
            process->RPMEnd = 1 + p % 19;
            process->Time = 3600;
            process->UseStartTemperature = p % 2 == 0;
            process->StartTemperature = 25.0 + p;
            process->MeasurementCount = ReadingCount / 20;
        }
        for (int i = 0; i < ReadingCount; ++i) {
            TMeasurementItem* r = batch.Measurements.Add();
            r->DateTime = 45356.25 + i / 86400.0; // one reading a second, across midnight
            r->RPMCode = 1 + i % 19;
            r->Viscosity = 5.0 + (i % 997) * 0.731; // some of them over scale
            r->Temperature = 20.0 + (i % 300) * 0.05;
            r->SheerStress = (i % 500) * 0.37;
            r->SheerRate = (i % 400) * 0.41;
        }
    }
    return batch;
}

void BM_CsvBytes(benchmark::State& state) {
    TBatchItem& batch = LargeBatch();
    qsizetype size = 0;
    for (auto _ : state) {
        const QByteArray bytes = BatchToCsv(batch);
        size = bytes.size();
        benchmark::DoNotOptimize(bytes.constData());
    }
    state.counters["MB"] = size / 1e6;
}

void BM_ExcelBytes(benchmark::State& state) {
    TBatchItem& batch = LargeBatch();
    qsizetype size = 0;
    for (auto _ : state) {
        TmxNativeExcel excel;
        BuildBatchWorkbook(batch, excel);
        size = excel.Bytes().size();
        benchmark::DoNotOptimize(excel.Bytes().constData());
    }
    state.counters["MB"] = size / 1e6;
}

void BM_CsvExportToFile(benchmark::State& state) {
    TBatchItem& batch = LargeBatch();
    QTemporaryDir dir;
    for (auto _ : state)
        ExportBatchToCsv(batch, dir.filePath("large.csv"));
}

void BM_ExcelExportToFile(benchmark::State& state) {
    TBatchItem& batch = LargeBatch();
    QTemporaryDir dir;
    for (auto _ : state)
        ExportBatchToExcel(batch, dir.filePath("large.xls"));
}

BENCHMARK(BM_CsvBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExcelBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CsvExportToFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExcelExportToFile)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
