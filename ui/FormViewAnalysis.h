#pragma once

// The analysis tab of the batch view: what the readings of the selected batch mean. The
// flow models as a table (parameters with their standard errors and units, R², points,
// AICc; the best model marked), the flow curve with the models' curves on linear or
// logarithmic axes, and the flow index from speed, the thixotropic index and the
// temperature dependence, each with the readings it used or the reason it has none.
// The view analyses its own copy of the entry, and only while it shows: a run reloads
// every sub-view at each reading, and a hidden tab catches up when it is shown. During a
// run the analysis is made on the view's own thread and shown when it is done; otherwise
// at once.

#include "analysis/Analysis.h"
#include "storage/FileItem.h"
#include "ui/BatchSubView.h"
#include "ui/FormViewAnalysisWorker.h"

#include <cstdint>
#include <memory>

class QCheckBox;
class QCustomPlot;
class QLabel;
class QSplitter;
class QTableWidget;
class TReplotOnce;
class TSettings;
template <typename T> class TSettingName;

class TFormViewAnalysis : public TBatchSubView {
    Q_OBJECT
public:
    explicit TFormViewAnalysis(TSettings& settings, QWidget* parent = nullptr);
    // Waits for an analysis in progress and drops its result.
    ~TFormViewAnalysis() override;

    void LoadFileItem(const TFileItem& entry, bool force) override;
    void ForgetFileItem() override;

    // The columns of the model table.
    enum TColumn { ColumnModel, ColumnParameters, ColumnR2, ColumnPoints, ColumnAICc, ColumnCount };

    const TFileItem& Entry() const { return m_entry; }
    // The analysis on screen: of the entry as last loaded unless AnalysisPending().
    const TBatchAnalysis& Analysis() const { return m_analysis; }
    // Whether readings loaded during a run are still being analysed (the screen shows the
    // analysis of earlier ones until then).
    bool AnalysisPending() const { return m_shown != m_requested; }
    QCheckBox* CheckBoxLogarithmic() const { return m_logarithmic; }
    QCheckBox* CheckBoxLowTorque() const { return m_lowTorque; }
    QLabel* LabelReadings() const { return m_readings; }
    QLabel* LabelFlowModels() const { return m_flowModels; }
    QTableWidget* ListViewFlowModels() const { return m_table; }
    QLabel* LabelFlowIndex() const { return m_flowIndex; }
    QLabel* LabelThixotropicIndex() const { return m_thixotropic; }
    QLabel* LabelArrhenius() const { return m_arrhenius; }
    QCustomPlot* ChartFlow() const { return m_chart; }

    // Analyses the entry again and refills the view.
    void Refresh();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TAnalysisJob MakeJob();
    // Hands the entry to the thread; its result is shown when it comes.
    void Post();
    // Shows result unless later readings were asked for meanwhile.
    void ShowResult(TAnalysisJobResult result);
    void FillModels();
    void FillResults();
    void BuildChart();
    // chart's points thinned for a plot of pixels.
    void ShowChart(const TFlowChartData& chart, QSize pixels);
    // The chart's size in device pixels.
    QSize ChartPixels() const;
    bool StoredFlag(const TSettingName<bool>& name) const;

    TSettings& m_settings;
    TFileItem m_entry;
    TBatchAnalysis m_analysis;
    TFlowCurvePoints m_points;                 // of m_analysis
    QSize m_chartPixels;                       // the chart's points are thinned for
    std::uint64_t m_requested = 0;             // the latest analysis asked for
    std::uint64_t m_shown = 0;                 // the one on screen
    std::unique_ptr<TAnalysisWorker> m_worker; // made at the first reading of a run
    bool m_stale = true;                       // the entry changed while the view was hidden
    bool m_splitterPlaced = false;

    QCheckBox* m_logarithmic;
    QCheckBox* m_lowTorque;
    QLabel* m_readings;
    QSplitter* m_splitter;
    QLabel* m_flowModels;
    QTableWidget* m_table;
    QLabel* m_flowIndex;
    QLabel* m_thixotropic;
    QLabel* m_arrhenius;
    QCustomPlot* m_chart;
    TReplotOnce* m_replot;
};
