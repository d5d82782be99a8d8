// One 60-reading process (20 s, the densest the process rules allow, with a speed
// ramp) against the simulated instrument on a pseudo-terminal. Reports how late each
// reading was taken against its due time and the share of a 9600-baud line the run
// needs (the pseudo-terminal itself has no baud rate, so the share is computed from
// the bytes moved).

#include "instrument/CommViscoMeterThread.h"
#include "simulator/ViscoMeterSimulator.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

namespace {

double Median(std::vector<double> v) {
    if (v.empty())
        return 0.0;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0;
}

void RunProcess(benchmark::State& state, int spindle) {
    const int readings = 60;
    const int seconds = 20;
    for (auto _ : state) {
        TViscoMeterSimulator sim;
        sim.SetFluidViscosity(20.0); // within full scale at every speed of the ramp
        sim.Start();
        TCommViscoMeterThread run(sim.SlavePath(), TCommViscoMeterThread::ModeAutomatic);
        run.Tracing = false;
        run.Batch.ModelType = 2;
        run.Batch.SpindleType = static_cast<uint8_t>(spindle);
        TProcessItem* p = run.Batch.Processes.Add();
        p->RPMStart = 1; // 0.3 RPM
        p->RPMEnd = 17;  // 60 RPM: 16 speed steps
        p->Time = seconds;
        p->MeasurementCount = readings;
        QString error;
        run.OnError = [&] { error = run.ErrorText; };
        QEventLoop loop;
        run.OnTerminate = [&] { loop.quit(); };
        QTimer::singleShot(120000, &loop, &QEventLoop::quit);
        run.Resume();
        loop.exec();
        if (!error.isEmpty() || run.Batch.Measurements.Count() != readings) {
            state.SkipWithError(("run failed: " + error).toStdString().c_str());
            return;
        }

        // Late as the run's clock saw it, when each reading was stamped.
        std::vector<double> late;
        for (int64_t ms : run.ReadingLateness())
            late.push_back(static_cast<double>(ms));
        // Late as the instrument saw it: arrival of each reading's first command, from
        // the process's first speed command (sent the moment its clock starts).
        std::vector<double> wire;
        double start = -1.0;
        bool spindleSet = false;
        int k = 0;
        const double interval = (seconds * 1000) / readings; // whole milliseconds, as the run uses
        for (const TSimCommand& c : sim.Commands()) {
            if (c.Command.startsWith('S'))
                spindleSet = true;
            else if (spindleSet && start < 0.0 && c.Command.startsWith('R'))
                start = c.ElapsedMs;
            else if (c.Command == "TTT" && start >= 0.0)
                wire.push_back(c.ElapsedMs - start - interval * ++k);
        }
        state.counters["late_median_ms"] = Median(late);
        state.counters["late_max_ms"] = *std::max_element(late.begin(), late.end());
        state.counters["wire_late_median_ms"] = Median(wire);
        state.counters["wire_late_max_ms"] = wire.empty() ? 0.0 : *std::max_element(wire.begin(), wire.end());
        // 10 bits per byte on the wire (start, 8 data, stop).
        const double lineSeconds = run.LineBytes() * 10.0 / 9600.0;
        state.counters["line_bytes"] = static_cast<double>(run.LineBytes());
        state.counters["line_share_pct"] = 100.0 * lineSeconds / (run.RunMilliseconds() / 1000.0);
    }
}

void BM_Process60Readings(benchmark::State& state) {
    RunProcess(state, 0);
} // L1
void BM_Process60ReadingsShear(benchmark::State& state) {
    RunProcess(state, 7);
} // LCP: four commands a reading

BENCHMARK(BM_Process60Readings)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
BENCHMARK(BM_Process60ReadingsShear)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
