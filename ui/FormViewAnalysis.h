#pragma once

// The analysis tab of the batch view: what the readings of the selected batch mean. The
// flow models as a table (parameters with their standard errors and units, R², points,
// AICc; the best model marked), the flow curve with the models' curves on linear or
// logarithmic axes, and the flow index from speed, the thixotropic index and the
// temperature dependence, each with the readings it used or the reason it has none.
// The view analyses its own copy of the entry, and only while it shows: a run reloads
// every sub-view at each reading, and a hidden tab catches up when it is shown.

#include "analysis/Analysis.h"
#include "storage/FileItem.h"
#include "ui/BatchSubView.h"

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

    void LoadFileItem(const TFileItem& entry, bool force) override;
    void ForgetFileItem() override;

    // The columns of the model table.
    enum TColumn { ColumnModel, ColumnParameters, ColumnR2, ColumnPoints, ColumnAICc, ColumnCount };

    const TFileItem& Entry() const { return m_entry; }
    // The analysis on screen (of the entry as last shown).
    const TBatchAnalysis& Analysis() const { return m_analysis; }
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

private:
    void FillModels();
    void FillResults();
    void BuildChart();
    bool StoredFlag(const TSettingName<bool>& name) const;

    TSettings& m_settings;
    TFileItem m_entry;
    TBatchAnalysis m_analysis;
    bool m_stale = true; // the entry changed while the view was hidden
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
