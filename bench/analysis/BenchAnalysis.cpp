// Every analysis of a long run of a paste on a shear spindle: flow models (two of them
// nonlinear), flow index, thixotropic index and temperature dependence.

#include "analysis/Analysis.h"
#include "documents/BatchItem.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <map>
#include <random>

namespace {

// A Herschel–Bulkley paste (τ = 150 + 30·γ̇^0.5 dyn/cm², 2 % noise) on TR8 of a V2-R,
// eight speeds from 0.5 to 100 RPM, warming from 20 to 40 °C over the run.
const TBatchItem& PasteBatch(int count) {
    static std::map<int, TBatchItem> batches;
    TBatchItem& batch = batches[count];
    if (batch.Measurements.Count() == 0) {
        batch.ModelType = 3;
        batch.SpindleType = 21;
        const int codes[] = {2, 4, 6, 10, 12, 14, 16, 18};
        const double rpms[] = {0.5, 1.0, 2.0, 5.0, 10.0, 20.0, 50.0, 100.0};
        std::mt19937 random(24);
        std::normal_distribution<double> noise(0.0, 0.02);
        batch.Measurements.Reserve(count);
        for (int i = 0; i < count; ++i) {
            const int speed = i % 8;
            const double rate = 1.32 * rpms[speed];
            const double stress = (150.0 + 30.0 * std::sqrt(rate)) * (1.0 + noise(random));
            TMeasurementItem* r = batch.Measurements.Add();
            r->DateTime = 46000.5 + i / 86400.0;
            r->RPMCode = codes[speed];
            r->SheerRate = std::round(rate * 100.0) / 100.0;
            r->SheerStress = std::round(stress * 100.0) / 100.0;
            r->Viscosity = std::round(1000.0 * stress / rate) / 10.0;
            r->Temperature = 20.0 + 20.0 * i / count;
        }
    }
    return batch;
}

void BM_AnalyzeBatch(benchmark::State& state) {
    const TBatchItem& batch = PasteBatch(static_cast<int>(state.range(0)));
    int models = 0;
    for (auto _ : state) {
        const TBatchAnalysis analysis = AnalyzeBatch(batch);
        models = static_cast<int>(analysis.FlowModels.size());
        benchmark::DoNotOptimize(analysis.BestModel);
    }
    // Every model fitted, or the figure would not be the one the goal means.
    if (models != FlowModelCount)
        state.SkipWithError("not every flow model was fitted");
}
BENCHMARK(BM_AnalyzeBatch)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
