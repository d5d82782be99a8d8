#include "ui/FormViewMeasurements.h"

#include "catalogue/Catalogue.h"
#include "charts/MeasurementsChart.h"
#include "documents/BatchItem.h"
#include "documents/SettingNames.h"
#include "documents/Settings.h"
#include "ui/CheckedComboBox.h"
#include "ui/ReadingsTableModel.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

namespace {

constexpr int DefaultReadingsWidth = 256;

// A pane shown or hidden as stored; standard while the setting was never given a value.
bool Shown(TSettings& settings, const TSettingName<bool>& name, bool standard) {
    const TSettingsItem& item = name.Item(settings);
    return item.IsUnset() ? standard : item.GetBoolean();
}

QLabel* HintLine(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // A narrow chart pane cuts the hint instead of widening the pane.
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0x00, 0x80, 0x00));
    label->setPalette(palette);
    return label;
}

} // namespace

TFormViewMeasurements::TFormViewMeasurements(TSettings& settings, QWidget* parent)
    : TBatchSubView(parent), m_settings(settings) {
    setObjectName(QStringLiteral("FormViewMeasurements"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_toolBar = new QToolBar(this);
    m_toolBar->setObjectName(QStringLiteral("ToolBarMeasurements"));
    m_toolBar->setAccessibleName(tr("Measurements"));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    auto* xLabel = new QLabel(tr("X Axis:"), m_toolBar);
    m_xAxis = new QComboBox(m_toolBar);
    m_xAxis->setObjectName(QStringLiteral("ComboBoxXAxis"));
    m_xAxis->setAccessibleName(tr("X Axis:"));
    m_xAxis->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    xLabel->setBuddy(m_xAxis);
    auto* yLabel = new QLabel(tr("Y Axis:"), m_toolBar);
    m_yAxis = new TCheckedComboBox(m_toolBar);
    m_yAxis->setObjectName(QStringLiteral("CheckedComboYAxis"));
    m_yAxis->setAccessibleName(tr("Y Axis:"));
    m_yAxis->setMinimumWidth(200);
    yLabel->setBuddy(m_yAxis);
    m_toolBar->addWidget(xLabel);
    m_toolBar->addWidget(m_xAxis);
    m_toolBar->addSeparator();
    m_toolBar->addWidget(yLabel);
    m_toolBar->addWidget(m_yAxis);
    m_toolBar->addSeparator();
    auto addAction = [&](const QString& caption, const char* name, QStyle::StandardPixmap icon) {
        auto* action = new QAction(style()->standardIcon(icon), caption, this);
        action->setObjectName(QLatin1String(name));
        m_toolBar->addAction(action);
        if (QWidget* button = m_toolBar->widgetForAction(action))
            button->setAccessibleName(caption);
        return action;
    };
    m_actionReadings = addAction(tr("Readings"), "ActionReadings", QStyle::SP_FileDialogListView);
    m_actionChart = addAction(tr("Chart"), "ActionChart", QStyle::SP_FileDialogContentsView);
    m_actionResetZoom = addAction(tr("Reset Zoom"), "ActionResetZoom", QStyle::SP_BrowserReload);
    m_actionReadings->setCheckable(true);
    m_actionChart->setCheckable(true);
    layout->addWidget(m_toolBar);

    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName(QStringLiteral("SplitterMeasurements"));
    m_splitter->setAccessibleName(tr("Readings and chart"));
    m_splitter->setChildrenCollapsible(false);
    layout->addWidget(m_splitter, 1);

    m_panelMeasurements = new QWidget(m_splitter);
    m_panelMeasurements->setObjectName(QStringLiteral("PanelMeasurements"));
    auto* readingsLayout = new QVBoxLayout(m_panelMeasurements);
    readingsLayout->setContentsMargins(0, 0, 0, 0);
    m_table = new QTableView(m_panelMeasurements);
    m_table->setObjectName(QStringLiteral("ListViewMeasurements"));
    m_table->setAccessibleName(tr("Readings"));
    m_model = new TReadingsTableModel(this);
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setShowGrid(false);
    m_table->setWordWrap(false);
    m_table->setCornerButtonEnabled(false);
    m_table->verticalHeader()->hide();
    // Rows of one height: the table never measures 100 000 rows.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 4);
    m_table->horizontalHeader()->setSectionsClickable(false);
    m_table->horizontalHeader()->setHighlightSections(false);
    m_table->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_table->horizontalHeader()->setAccessibleName(tr("Columns"));
    // The selected row stays marked while the chart or the lists have the focus.
    QPalette palette = m_table->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight,
                     palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Active, QPalette::HighlightedText));
    m_table->setPalette(palette);
    readingsLayout->addWidget(m_table);

    m_panelChart = new QWidget(m_splitter);
    m_panelChart->setObjectName(QStringLiteral("PanelChart"));
    auto* chartLayout = new QVBoxLayout(m_panelChart);
    chartLayout->setContentsMargins(0, 0, 4, 2);
    chartLayout->setSpacing(0);
    m_chart = new TChartMeasurements(m_panelChart);
    chartLayout->addWidget(m_chart, 1);
    chartLayout->addWidget(
        HintLine(m_panelChart, "LabelZoomHint", tr("Left click and drag to zoom into a specfic area.")));
    chartLayout->addWidget(HintLine(m_panelChart, "LabelScrollHint", tr("Right click and drag to scroll.")));
    // Either pane may become narrow; the readings pane leaves the chart 32 pixels.
    m_panelMeasurements->setMinimumSize(16, 16);
    m_panelChart->setMinimumSize(16, 16);
    m_chart->setMinimumSize(16, 16);
    m_splitter->addWidget(m_panelMeasurements);
    m_splitter->addWidget(m_panelChart);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);

    connect(m_xAxis, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_loading)
            ComboBoxXAxisChange();
    });
    connect(m_yAxis, &TCheckedComboBox::CheckedChanged, this, [this] {
        if (!m_loading)
            CheckedComboYAxisChange();
    });
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { ListViewMeasurementsSelectItem(); });
    connect(m_actionReadings, &QAction::triggered, this, [this](bool checked) {
        Setting::ReadingsVisible.Set(m_settings, checked);
        ApplyLayout();
    });
    connect(m_actionChart, &QAction::triggered, this, [this](bool checked) {
        Setting::ChartVisible.Set(m_settings, checked);
        ApplyLayout();
    });
    connect(m_actionResetZoom, &QAction::triggered, this, [this] { m_chart->ResetZoom(); });
    connect(m_splitter, &QSplitter::splitterMoved, this, [this] {
        if (m_panelMeasurements->isVisible() && m_panelChart->isVisible())
            Setting::MeasurementWindowWidth.Set(m_settings, m_panelMeasurements->width());
    });
    m_actionReadings->setChecked(true);
    m_actionChart->setChecked(true);
}

void TFormViewMeasurements::showEvent(QShowEvent* event) {
    TBatchSubView::showEvent(event);
    m_actionReadings->setChecked(Shown(m_settings, Setting::ReadingsVisible, true));
    m_actionChart->setChecked(Shown(m_settings, Setting::ChartVisible, true));
    // Once the view has its final size.
    if (!m_layoutPending) {
        m_layoutPending = true;
        QTimer::singleShot(0, this, [this] {
            m_layoutPending = false;
            ApplyLayout();
        });
    }
    ApplyLayout();
}

void TFormViewMeasurements::ApplyLayout() {
    const bool readings = m_actionReadings->isChecked();
    const bool chart = m_actionChart->isChecked();
    m_panelMeasurements->setVisible(readings);
    m_panelChart->setVisible(chart);
    if (readings && chart) {
        const TSettingsItem& item = Setting::MeasurementWindowWidth.Item(m_settings);
        const int stored = item.IsUnset() ? DefaultReadingsWidth : item.GetInteger();
        const int width = std::max(0, std::min(this->width() - 32, stored));
        const int rest = std::max(0, m_splitter->width() - width - m_splitter->handleWidth());
        m_splitter->setSizes({width, rest});
    }
}

void TFormViewMeasurements::Fill(bool) {
    const TBatchItem& batch = *Entry().Batch;
    const bool shear = SpindleHasShear(batch.SpindleType);
    const int xCount = shear ? 7 : 5;
    const int yCount = shear ? 6 : 4;
    if (xCount != m_xCount || yCount != m_yCount) {
        m_xCount = xCount;
        m_yCount = yCount;
        m_model->SetColumns(shear);
        for (int column = 0; column < m_model->columnCount(); ++column)
            m_table->setColumnWidth(column, FittingWidth(column));
    }
    m_loading = true;
    {
        const QSignalBlocker blockX(m_xAxis);
        const QSignalBlocker blockY(m_yAxis);
        m_xAxis->clear();
        for (int x = 0; x < m_xCount; ++x)
            m_xAxis->addItem(XAxisCaption(x));
        QStringList captions;
        for (int y = 0; y < m_yCount; ++y)
            captions << YAxisCaption(y);
        m_yAxis->SetItems(captions);
        // A damaged entry of the list is skipped; an index without an entry is ignored.
        const TSelectedYAxis shown = ParseSelectedYAxis(batch.SelectedYAxis);
        for (int y = 0; y < m_yCount; ++y)
            m_yAxis->SetChecked(y, shown[static_cast<size_t>(y)]);
        m_xAxis->setCurrentIndex(
            batch.SelectedXAxis >= 0 && batch.SelectedXAxis < m_xCount ? batch.SelectedXAxis : -1);
        m_yAxis->update();
    }
    m_loading = false;
    SortReadings();
    FillReadings();
    BuildChart();
}

int TFormViewMeasurements::FittingWidth(int column) const {
    int width = TReadingsTableModel::ColumnWidth(column);
    if (column > 1)
        return width;
    // Measured as the table's cells measure their text, margins included.
    QStyleOptionViewItem option;
    option.initFrom(m_table);
    option.font = m_table->font();
    option.fontMetrics = QFontMetrics(option.font);
    option.features = QStyleOptionViewItem::HasDisplay;
    option.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    option.textElideMode = m_table->textElideMode();
    const int grid = m_table->showGrid() ? 1 : 0;
    for (const QString& text : TReadingsTableModel::DateTimeSamples(column)) {
        option.text = text;
        const QSize cell =
            m_table->style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), m_table);
        width = std::max(width, cell.width() + grid);
    }
    return std::max(width, m_table->horizontalHeader()->sectionSizeHint(column));
}

void TFormViewMeasurements::ForgetFileItem() {
    TBatchSubView::ForgetFileItem();
    m_xCount = 0;
    m_yCount = 0;
}

const TMeasurementList& TFormViewMeasurements::Rows() const {
    return m_documentOrder ? Entry().Batch->Measurements : m_sorted;
}

void TFormViewMeasurements::SortReadings() {
    const TBatchItem& batch = *Entry().Batch;
    m_sorted.Clear();
    m_documentOrder = true;
    if (batch.SelectedXAxis >= 0 && batch.SelectedXAxis < XAxisCount) {
        TMeasurementList sorted =
            batch.Measurements.Sorted(batch.SelectedXAxis, batch.ModelType, batch.SpindleType);
        // A list already in order comes back sharing the document's readings: the view
        // then keeps no copy of them.
        if (!sorted.IsEmpty() && sorted.Items(0) != batch.Measurements.Items(0)) {
            m_sorted = sorted;
            m_documentOrder = false;
        }
    }
    m_start = batch.Measurements.StartDateTime();
}

void TFormViewMeasurements::TakeShownOrder() {
    if (!m_documentOrder) {
        Batch()->Measurements = m_sorted;
        m_sorted.Clear();
        m_documentOrder = true;
        m_model->SetReadings(Rows(), Entry().Batch->ModelType, Entry().Batch->SpindleType);
    }
}

void TFormViewMeasurements::FillReadings() {
    // Widths the operator gave the columns stay; a model reset would return them to
    // the default.
    QList<int> widths;
    for (int column = 0; column < m_model->columnCount(); ++column)
        widths << m_table->columnWidth(column);
    m_table->setUpdatesEnabled(false);
    m_model->SetReadings(Rows(), Entry().Batch->ModelType, Entry().Batch->SpindleType);
    for (int column = 0; column < widths.size(); ++column)
        m_table->setColumnWidth(column, widths[column]);
    m_table->scrollToBottom();
    m_table->setUpdatesEnabled(true);
    // The reset cleared the selection without a word; its marker goes with it.
    m_chart->ClearMarkers();
    m_chart->QueueReplot();
}

double TFormViewMeasurements::XValueOf(const TMeasurementItem& m, int x) const {
    const TBatchItem& batch = *Entry().Batch;
    TReadingQuantities q;
    q.Model = batch.ModelType;
    q.Spindle = batch.SpindleType;
    q.ElapsedSeconds = TMeasurementList::ElapsedSecondsBetween(m_start, m.DateTime);
    q.Viscosity = m.Viscosity;
    q.Temperature = m.Temperature;
    q.RPMCode = m.RPMCode;
    q.ShearStress = m.SheerStress;
    q.ShearRate = m.SheerRate;
    return XAxisValue(x, q);
}

double TFormViewMeasurements::XValue(int row, int x) const {
    return XValueOf(*Rows().Items(row), x);
}

QList<int> TFormViewMeasurements::CheckedY() const {
    QList<int> checked;
    for (int y = 0; y < YAxisCount; ++y)
        if (m_yAxis->Checked(y))
            checked << y;
    return checked;
}

void TFormViewMeasurements::BuildChart() {
    TRunChartData chart;
    chart.View3D = false;
    chart.Grid = true;
    chart.ShowLegend = true;
    std::vector<TChartMeasurements::THollowPoints> hollow;
    m_chartBuilt = false;
    m_lines.clear();
    m_hasXRange = false;
    const int x = Document() ? Entry().Batch->SelectedXAxis : 0;
    if (!Document() || x < 0 || x >= XAxisCount) {
        m_chart->Build(chart, hollow);
        return;
    }
    const TBatchItem& batch = *Entry().Batch;
    const TMeasurementList& rows = Rows();
    chart.XIndex = x;
    const int count = rows.Count();
    // Each reading once: its X value, whether it is drawn and whether hollow.
    std::vector<double> xs(static_cast<size_t>(count));
    std::vector<char> shown(static_cast<size_t>(count));
    std::vector<char> low(static_cast<size_t>(count));
    double xMin = std::numeric_limits<double>::max();
    double xMax = std::numeric_limits<double>::lowest();
    for (int row = 0; row < count; ++row) {
        const TMeasurementItem& m = *rows.Items(row);
        const bool over = ReadingOverScale(batch.ModelType, batch.SpindleType, m);
        shown[static_cast<size_t>(row)] = !over;
        if (over)
            continue;
        low[static_cast<size_t>(row)] =
            ReadingPercent(batch.ModelType, batch.SpindleType, m) < LowTorquePercent;
        const double value = XValueOf(m, x);
        xs[static_cast<size_t>(row)] = value;
        xMin = std::min(xMin, value);
        xMax = std::max(xMax, value);
    }
    for (int y : CheckedY()) {
        TRunChartSeries series;
        series.YIndex = y;
        series.X.reserve(static_cast<size_t>(count));
        series.Y.reserve(static_cast<size_t>(count));
        TChartMeasurements::THollowPoints points;
        double low_ = std::numeric_limits<double>::max();
        double high = std::numeric_limits<double>::lowest();
        for (int row = 0; row < count; ++row) {
            if (!shown[static_cast<size_t>(row)])
                continue;
            const double value = XValueOf(*rows.Items(row), y + 1);
            series.X.push_back(xs[static_cast<size_t>(row)]);
            series.Y.push_back(value);
            series.MaxY = std::max(series.MaxY, value);
            low_ = std::min(low_, value);
            high = std::max(high, value);
            if (low[static_cast<size_t>(row)]) {
                points.X.push_back(xs[static_cast<size_t>(row)]);
                points.Y.push_back(value);
            }
        }
        if (!series.Y.empty()) {
            series.YLow = low_;
            series.YHigh = high;
        }
        m_lines.push_back({y, !series.Y.empty(), series.YLow, series.YHigh, series.MaxY});
        chart.Series.push_back(std::move(series));
        hollow.push_back(std::move(points));
    }
    if (xMin <= xMax) {
        chart.HasXRange = true;
        chart.XMin = xMin;
        chart.XMax = xMax;
    }
    m_hasXRange = chart.HasXRange;
    m_xMin = chart.XMin;
    m_xMax = chart.XMax;
    m_chartBuilt = true;
    m_chart->Build(chart, hollow);
    ListViewMeasurementsSelectItem();
}

void TFormViewMeasurements::ReadingsAppended(int first, int count) {
    const TBatchItem& batch = *Entry().Batch;
    const TMeasurementList& readings = batch.Measurements;
    const int x = batch.SelectedXAxis;
    const bool ordered = x >= 0 && x < XAxisCount;
    // Rows and points are only added to what shows the document's own order, from the
    // first reading it has not shown, and when no reading shifts the start of the time
    // axis or goes before the last one shown in the chosen order.
    bool appendable = m_documentOrder && m_model->rowCount() == first && first + count <= readings.Count();
    if (appendable && first > 0) {
        for (int i = first; i < first + count && appendable; ++i) {
            const TMeasurementItem& m = *readings.Items(i);
            if (!(m.DateTime >= m_start))
                appendable = false;
            else if (ordered && !(XValueOf(m, x) >= XValueOf(*readings.Items(i - 1), x)))
                appendable = false;
        }
    }
    if (!appendable || first == 0) {
        Fill(true);
        return;
    }
    m_model->AppendRows(count);
    m_table->scrollToBottom();
    if (!m_chartBuilt) {
        m_chart->QueueReplot();
        return;
    }
    // The points of the new readings, with the ranges a build would give them.
    std::vector<TChartMeasurements::TLineTail> tails(m_lines.size());
    for (int i = first; i < first + count; ++i) {
        const TMeasurementItem& m = *readings.Items(i);
        if (ReadingOverScale(batch.ModelType, batch.SpindleType, m))
            continue;
        const bool low = ReadingPercent(batch.ModelType, batch.SpindleType, m) < LowTorquePercent;
        const double xValue = XValueOf(m, x);
        m_xMin = m_hasXRange ? std::min(m_xMin, xValue) : xValue;
        m_xMax = m_hasXRange ? std::max(m_xMax, xValue) : xValue;
        m_hasXRange = true;
        for (size_t k = 0; k < m_lines.size(); ++k) {
            TLineRange& line = m_lines[k];
            const double value = XValueOf(m, line.YIndex + 1);
            TChartMeasurements::TLineTail& tail = tails[k];
            tail.X.push_back(xValue);
            tail.Y.push_back(value);
            if (low) {
                tail.HollowX.push_back(xValue);
                tail.HollowY.push_back(value);
            }
            line.MaxY = std::max(line.MaxY, value);
            line.Low = line.HasPoints ? std::min(line.Low, value) : value;
            line.High = line.HasPoints ? std::max(line.High, value) : value;
            line.HasPoints = true;
        }
    }
    for (size_t k = 0; k < m_lines.size(); ++k) {
        tails[k].HasPoints = m_lines[k].HasPoints;
        tails[k].YLow = m_lines[k].Low;
        tails[k].YHigh = m_lines[k].High;
        tails[k].MaxY = m_lines[k].MaxY;
    }
    m_chart->Append(m_hasXRange, m_xMin, m_xMax, tails);
}

void TFormViewMeasurements::ComboBoxXAxisChange() {
    if (!Document() || m_xAxis->currentIndex() < 0)
        return;
    Batch()->SelectedXAxis = m_xAxis->currentIndex();
    SortReadings();
    // The readings are saved in the order shown.
    TakeShownOrder();
    RaiseHeaderChanged();
    BuildChart();
    FillReadings();
}

void TFormViewMeasurements::CheckedComboYAxisChange() {
    if (!Document())
        return;
    TSelectedYAxis shown{};
    for (int y : CheckedY())
        shown[static_cast<size_t>(y)] = true;
    Batch()->SelectedYAxis = FormatSelectedYAxis(shown);
    TakeShownOrder();
    RaiseHeaderChanged();
    BuildChart();
}

void TFormViewMeasurements::ListViewMeasurementsSelectItem() {
    m_chart->ClearMarkers();
    const QModelIndexList rows = m_table->selectionModel()->selectedRows();
    if (!rows.isEmpty() && Document()) {
        const int row = rows.first().row();
        const TBatchItem& batch = *Entry().Batch;
        const int x = batch.SelectedXAxis;
        if (row < Rows().Count() && x >= 0 && x < XAxisCount &&
            !ReadingOverScale(batch.ModelType, batch.SpindleType, *Rows().Items(row))) {
            const double xValue = XValue(row, x);
            int k = 0;
            for (int y : CheckedY())
                m_chart->AddMarker(k++, xValue, XValue(row, y + 1));
        }
    }
    m_chart->QueueReplot();
}
