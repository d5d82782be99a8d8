// Writing and loading a batch of 100 000 readings through the XML layer, next to
// pugixml parsing the same bytes.

#include "documents/BatchItem.h"
#include "xml/GmXml.h"

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <pugixml.hpp>

#include <malloc.h>

namespace {

constexpr int kReadings = 100000;

TBatchItem* MakeBigBatch() {
    auto* batch = new TBatchItem;
    {
        TBatchItem& b = *batch;
        b.Company = "Korvane Laboratories";
        b.Operator = "Night shift";
        b.ModelType = 2;
        b.SpindleType = 7;
        b.Note = "Long run\r\nwith <all> the & 'special' \"characters\"";
        b.SelectedYAxis = "0,2";
        for (int p = 0; p < 4; ++p) {
            TProcessItem* proc = b.Processes.Add();
            proc->Identifier = QStringLiteral("Step %1").arg(p);
            proc->RPMStart = 3 + p;
            proc->RPMEnd = 10 + p;
            proc->Time = 600;
            proc->MeasurementCount = kReadings / 4;
        }
        for (int i = 0; i < kReadings; ++i) {
            TMeasurementItem* m = b.Measurements.Add();
            m->DateTime = 46000.25 + i / 86400.0;
            m->Viscosity = i % 997 == 0 ? 1.7e308 : 1234.5678 + i * 0.013;
            m->Temperature = 21.5 + (i % 100) * 0.01;
            m->RPMCode = 3 + i % 18;
            m->SheerStress = 12.25 + i % 7;
            m->SheerRate = 0.5 * (i % 40);
        }
    }
    return batch;
}

const TBatchItem& BigBatch() {
    static const TBatchItem* batch = MakeBigBatch();
    return *batch;
}

QByteArray BatchBytes() {
    TGmXML doc;
    BigBatch().SaveToNodes(doc.Nodes());
    return doc.SaveToBytes();
}

const QByteArray& Bytes() {
    static const QByteArray bytes = BatchBytes();
    return bytes;
}

void BM_SaveBatchToBytes(benchmark::State& state) {
    for (auto _ : state) {
        TGmXML doc;
        BigBatch().SaveToNodes(doc.Nodes());
        benchmark::DoNotOptimize(doc.SaveToBytes());
    }
    state.SetBytesProcessed(state.iterations() * Bytes().size());
}

void BM_SaveBatchToFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath("big.epb");
    for (auto _ : state)
        BigBatch().SaveToFile(path);
    state.SetBytesProcessed(state.iterations() * Bytes().size());
}

void BM_LoadBatchFromBytes(benchmark::State& state) {
    for (auto _ : state) {
        TGmXML doc;
        doc.LoadFromBytes(Bytes());
        TBatchItem batch;
        batch.LoadFromNodes(doc.Nodes());
        benchmark::DoNotOptimize(batch.Measurements.Count());
    }
    state.SetBytesProcessed(state.iterations() * Bytes().size());
}

void BM_ParseOnly(benchmark::State& state) {
    for (auto _ : state) {
        TGmXML doc;
        doc.LoadFromBytes(Bytes());
        benchmark::DoNotOptimize(doc.Nodes().Count());
    }
    state.SetBytesProcessed(state.iterations() * Bytes().size());
}

void BM_PugixmlParse(benchmark::State& state) {
    for (auto _ : state) {
        pugi::xml_document doc;
        benchmark::DoNotOptimize(doc.load_buffer(Bytes().constData(), static_cast<size_t>(Bytes().size())));
    }
    state.SetBytesProcessed(state.iterations() * Bytes().size());
}

BENCHMARK(BM_SaveBatchToBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveBatchToFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParseOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadBatchFromBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PugixmlParse)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    // Keep freed memory in the process: page faults on fresh pages cost more than either
    // parser on virtual machines, and would measure the kernel rather than the code.
    mallopt(M_MMAP_THRESHOLD, 1 << 30);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    std::printf("batch file: %d readings, %.1f MB\n", kReadings, Bytes().size() / 1e6);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
