#pragma once

// The measurements tab: the readings of the batch as a table beside a chart of the
// checked quantities against the chosen X quantity. The chosen quantities are part of
// the batch (SelectedXAxis, SelectedYAxis) and saved at once; the readings are kept in
// the order of the X quantity.

#include "storage/FileItem.h"
#include "ui/BatchSubView.h"

class QAction;
class QComboBox;
class QLabel;
class QSplitter;
class QTableView;
class QToolBar;
class TChartMeasurements;
class TCheckedComboBox;
class TReadingsTableModel;
class TSettings;

class TFormViewMeasurements : public TBatchSubView {
    Q_OBJECT
public:
    explicit TFormViewMeasurements(TSettings& settings, QWidget* parent = nullptr);

    void LoadFileItem(const TFileItem& entry, bool force) override;
    void ForgetFileItem() override;

    const TFileItem& Entry() const { return m_entry; }
    QComboBox* ComboBoxXAxis() const { return m_xAxis; }
    TCheckedComboBox* CheckedComboYAxis() const { return m_yAxis; }
    QAction* ActionReadings() const { return m_actionReadings; }
    QAction* ActionChart() const { return m_actionChart; }
    QAction* ActionResetZoom() const { return m_actionResetZoom; }
    QWidget* PanelMeasurements() const { return m_panelMeasurements; }
    QTableView* ListViewMeasurements() const { return m_table; }
    TReadingsTableModel* Readings() const { return m_model; }
    QSplitter* SplitterMeasurements() const { return m_splitter; }
    QWidget* PanelChart() const { return m_panelChart; }
    TChartMeasurements* ChartMeasurements() const { return m_chart; }

    // The quantity values of the reading at row (in the current order) for X index x.
    double XValue(int row, int x) const;

    // The pane layout of the two toggles and "MeasurementWindowWidth".
    void ApplyLayout();
    void BuildChart();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The column's least width, the date and time columns widened to their widest text
    // in the user's locale formats and to their captions.
    int FittingWidth(int column) const;
    void FillReadings();
    void ComboBoxXAxisChange();
    void CheckedComboYAxisChange();
    void ListViewMeasurementsSelectItem();
    void SortReadings();
    QList<int> CheckedY() const;

    TSettings& m_settings;
    TFileItem m_entry;
    int m_xCount = 0;
    int m_yCount = 0;
    double m_start = 0.0; // earliest reading's day number
    bool m_loading = false;
    bool m_layoutPending = false;

    QToolBar* m_toolBar;
    QComboBox* m_xAxis;
    TCheckedComboBox* m_yAxis;
    QAction* m_actionReadings;
    QAction* m_actionChart;
    QAction* m_actionResetZoom;
    QSplitter* m_splitter;
    QWidget* m_panelMeasurements;
    QTableView* m_table;
    TReadingsTableModel* m_model;
    QWidget* m_panelChart;
    TChartMeasurements* m_chart;
};
