#pragma once

// The analysis tab's computation: the analysis of a batch's readings and the flow curve
// to draw, on the tab's own thread during a run so that the user-interface thread only
// hands the readings over and later shows the result. A run adds a reading a second;
// readings that come while one analysis is still running wait as one job, so a burst
// costs one analysis more, not one per reading.

#include "analysis/Analysis.h"
#include "analysis/FlowCurve.h"
#include "documents/BatchItem.h"
#include "reports/ChartPainter.h"

#include <QSize>

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <stop_token>
#include <thread>

// What to analyse. The list shares the readings as they were when the job was made
// (a later change to the batch copies them first), so the thread reads them unlocked.
struct TAnalysisJob {
    std::uint64_t Generation = 0;
    int Model = 0;
    int Spindle = 0;
    TMeasurementList Readings;
    TAnalysisOptions Options;
    bool Logarithmic = false;
    QSize Pixels; // of the plot the points are thinned for
};

struct TAnalysisJobResult {
    std::uint64_t Generation = 0;
    TBatchAnalysis Analysis;
    TFlowCurvePoints Points; // every fitted point, for a change of axes
    TFlowChartData Chart;    // thinned for drawing
    QSize Pixels;            // on a plot of this size
};

// The chart of analysis over points on the chosen axes as a plot of pixels shows it:
// the points thinned, and of each curve's samples those that show.
TFlowChartData AnalysisFlowChart(const TBatchAnalysis& analysis, const TFlowCurvePoints& points,
                                 bool logarithmic, QSize pixels);
// The job done, on whatever thread calls it.
TAnalysisJobResult ComputeAnalysisJob(const TAnalysisJob& job);

class TAnalysisWorker {
public:
    // done gets each result on the worker's thread.
    explicit TAnalysisWorker(std::function<void(TAnalysisJobResult)> done);
    // Drops the job that has not started and waits for the one in progress (it is not
    // handed on): the thread is gone when this returns.
    ~TAnalysisWorker();
    TAnalysisWorker(const TAnalysisWorker&) = delete;
    TAnalysisWorker& operator=(const TAnalysisWorker&) = delete;

    // Queues job in place of any job that has not started yet.
    void Post(TAnalysisJob job);

private:
    void Run(std::stop_token stop);

    std::function<void(TAnalysisJobResult)> m_done;
    std::mutex m_mutex;
    std::condition_variable_any m_wake;
    std::optional<TAnalysisJob> m_pending;
    // Last: started once the members above exist, and stopped and joined first.
    std::jthread m_thread;
};
