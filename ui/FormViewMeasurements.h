#pragma once

// The measurements tab: the readings of the batch as a table beside a chart of the
// checked quantities against the chosen X quantity. The chosen quantities are part of
// the batch (SelectedXAxis, SelectedYAxis) and saved at once; the readings are kept in
// the order of the X quantity.

#include "documents/BatchItem.h"
#include "storage/FileItem.h"
#include "ui/BatchSubView.h"

#include <vector>

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

    void ForgetFileItem() override;

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
    // The readings in the order shown.
    const TMeasurementList& Rows() const;

    // The pane layout of the two toggles and "MeasurementWindowWidth".
    void ApplyLayout();
    void BuildChart();

protected:
    void showEvent(QShowEvent* event) override;
    void Fill(bool sameDocument) override;
    // A run's readings: rows and points are added when they come after those shown in
    // the chosen order (the view refills otherwise).
    void ReadingsAppended(int first, int count) override;

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
    double XValueOf(const TMeasurementItem& m, int x) const;
    // The document's readings take the order shown (saved with the chosen quantities).
    void TakeShownOrder();

    // What the chart was built from, for readings added to it.
    struct TLineRange {
        int YIndex = 0;
        bool HasPoints = false;
        double Low = 0.0;
        double High = 0.0;
        double MaxY = 0.0;
    };

    TSettings& m_settings;
    // The readings sorted by the chosen quantity, when that order is not the document's
    // own (then the view shows the document's list and holds no copy: the run appends to
    // it without copying it).
    TMeasurementList m_sorted;
    bool m_documentOrder = true;
    bool m_chartBuilt = false; // the chart shows the lines of m_lines
    bool m_hasXRange = false;
    double m_xMin = 0.0;
    double m_xMax = 0.0;
    std::vector<TLineRange> m_lines;
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
