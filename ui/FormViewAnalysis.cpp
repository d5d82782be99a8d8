#include "ui/FormViewAnalysis.h"

#include "charts/FlowChartStyle.h"
#include "charts/ReplotOnce.h"
#include "documents/BatchItem.h"
#include "documents/SettingNames.h"
#include "documents/Settings.h"

#include <qcustomplot.h>

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include <utility>
#include <vector>

namespace {

// A word-wrapped line of results. A run changes its text at every reading, and the
// layouts that follow ask its height at the same few widths again and again: each is
// measured once per text.
class TResultLine : public QLabel {
public:
    using QLabel::QLabel;

    int heightForWidth(int width) const override {
        if (m_measured != text()) {
            m_heights.clear();
            m_measured = text();
        }
        for (const auto& [w, h] : m_heights)
            if (w == width)
                return h;
        const int height = QLabel::heightForWidth(width);
        if (m_heights.size() >= 8)
            m_heights.erase(m_heights.begin());
        m_heights.emplace_back(width, height);
        return height;
    }

protected:
    void changeEvent(QEvent* event) override {
        m_heights.clear(); // a font or style of its own
        QLabel::changeEvent(event);
    }

private:
    mutable QString m_measured;
    mutable std::vector<std::pair<int, int>> m_heights;
};

QLabel* ResultLine(QWidget* parent, const char* name) {
    auto* label = new TResultLine(parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    return label;
}

// Only a changed text: a word-wrapped label set again lays the tab out again.
void SetText(QLabel* label, const QString& text) {
    if (label->text() != text)
        label->setText(text);
}

// Whether the cell's text fits its column on one line, as a styled item delegate
// measures it: the text's advance and a margin on each side.
bool CellFits(const QTableWidget& table, const QTableWidgetItem& item, int column) {
    const QFont font = item.data(Qt::FontRole).isValid() ? item.font() : table.font();
    const int margin = table.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &table) + 1;
    return QFontMetrics(font).horizontalAdvance(item.text()) + 2 * margin <= table.columnWidth(column);
}

QString Number(double value, int digits = 4) {
    return FormatAnalysisNumber(value, digits);
}

} // namespace

TFormViewAnalysis::TFormViewAnalysis(TSettings& settings, QWidget* parent)
    : TBatchSubView(parent), m_settings(settings) {
    setObjectName(QStringLiteral("FormViewAnalysis"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);

    auto* options = new QHBoxLayout;
    m_lowTorque = new QCheckBox(tr("Include low torque readings"), this);
    m_lowTorque->setObjectName(QStringLiteral("CheckBoxLowTorque"));
    m_lowTorque->setAccessibleName(m_lowTorque->text());
    m_logarithmic = new QCheckBox(tr("Logarithmic axes"), this);
    m_logarithmic->setObjectName(QStringLiteral("CheckBoxLogarithmic"));
    m_logarithmic->setAccessibleName(m_logarithmic->text());
    options->addWidget(m_lowTorque);
    options->addWidget(m_logarithmic);
    options->addStretch(1);
    layout->addLayout(options);
    m_readings = ResultLine(this, "LabelReadings");
    layout->addWidget(m_readings);

    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName(QStringLiteral("SplitterAnalysis"));
    m_splitter->setAccessibleName(tr("Results and flow curve"));
    m_splitter->setChildrenCollapsible(false);
    layout->addWidget(m_splitter, 1);

    auto* results = new QWidget(m_splitter);
    results->setObjectName(QStringLiteral("PanelResults"));
    auto* resultsLayout = new QVBoxLayout(results);
    resultsLayout->setContentsMargins(0, 0, 0, 0);
    m_flowModels = ResultLine(results, "LabelFlowModels");
    resultsLayout->addWidget(m_flowModels);
    m_table = new QTableWidget(0, ColumnCount, results);
    m_table->setObjectName(QStringLiteral("ListViewFlowModels"));
    m_table->setAccessibleName(tr("Flow models"));
    m_table->setHorizontalHeaderLabels(
        {tr("Model"), tr("Parameters (± standard error)"), QStringLiteral("R²"), tr("Points"), tr("AICc")});
    m_table->horizontalHeader()->setAccessibleName(tr("Columns"));
    m_table->horizontalHeader()->setSectionsClickable(false);
    m_table->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Fitted to the contents once per fill (FillModels): a header that resizes to its
    // contents measures every cell again at each cell set.
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustIgnored);
    m_table->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setWordWrap(false);
    m_table->setShowGrid(false);
    resultsLayout->addWidget(m_table);
    m_flowIndex = ResultLine(results, "LabelFlowIndex");
    m_thixotropic = ResultLine(results, "LabelThixotropicIndex");
    m_arrhenius = ResultLine(results, "LabelArrhenius");
    for (QLabel* label : {m_flowIndex, m_thixotropic, m_arrhenius})
        resultsLayout->addWidget(label);
    resultsLayout->addStretch(1);

    m_chart = new QCustomPlot(m_splitter);
    m_chart->setObjectName(QStringLiteral("ChartFlow"));
    m_chart->setAccessibleName(tr("Flow curve"));
    m_chart->setMinimumSize(160, 120);
    // Redrawn at every reading of a run: the curves as fast polylines, the many points
    // without antialiasing.
    m_chart->setAntialiasedElements(QCP::aeAll);
    m_chart->setNotAntialiasedElements(QCP::aeScatters);
    m_chart->setPlottingHint(QCP::phFastPolylines, true);
    m_replot = new TReplotOnce(*m_chart);
    m_chart->installEventFilter(this);
    m_splitter->addWidget(results);
    m_splitter->addWidget(m_chart);
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setStretchFactor(1, 1);
    results->setMinimumWidth(160);

    connect(m_logarithmic, &QCheckBox::toggled, this, [this](bool on) {
        if (StoredFlag(Setting::AnalysisLogarithmic) != on)
            Setting::AnalysisLogarithmic.Set(m_settings, on);
        BuildChart();
    });
    connect(m_lowTorque, &QCheckBox::toggled, this, [this](bool on) {
        if (StoredFlag(Setting::AnalysisIncludeLowTorque) != on)
            Setting::AnalysisIncludeLowTorque.Set(m_settings, on);
        Refresh();
    });
}

TFormViewAnalysis::~TFormViewAnalysis() {
    m_worker.reset();
}

bool TFormViewAnalysis::StoredFlag(const TSettingName<bool>& name) const {
    const TSettingsItem* item = m_settings.FindItem(name.Name());
    return item && item->GetBoolean();
}

void TFormViewAnalysis::showEvent(QShowEvent* event) {
    TBatchSubView::showEvent(event);
    {
        const QSignalBlocker blockLog(m_logarithmic);
        const QSignalBlocker blockLow(m_lowTorque);
        m_logarithmic->setChecked(StoredFlag(Setting::AnalysisLogarithmic));
        m_lowTorque->setChecked(StoredFlag(Setting::AnalysisIncludeLowTorque));
    }
    // The first showing shares the width between the results and the chart.
    if (!m_splitterPlaced && width() > 0) {
        m_splitterPlaced = true;
        const int results = width() * 11 / 20;
        m_splitter->setSizes({results, width() - results});
    }
    if (m_stale || m_analysis.LowTorqueIncluded != m_lowTorque->isChecked())
        Refresh();
    else
        BuildChart();
}

void TFormViewAnalysis::LoadFileItem(const TFileItem& entry, bool force) {
    if (!force && SameVersion(entry, m_entry))
        return;
    m_entry.Assign(entry);
    if (!isVisible())
        m_stale = true;
    else if (RunActive())
        Post();
    else
        Refresh();
}

void TFormViewAnalysis::ForgetFileItem() {
    m_entry.FileModifiedTime = -1;
}

TAnalysisJob TFormViewAnalysis::MakeJob() {
    TAnalysisJob job;
    job.Generation = ++m_requested;
    job.Options.IncludeLowTorque = m_lowTorque->isChecked();
    job.Logarithmic = m_logarithmic->isChecked();
    job.Pixels = ChartPixels();
    if (const TBatchItem* batch = m_entry.Batch.get()) {
        job.Model = batch->ModelType;
        job.Spindle = batch->SpindleType;
        // Shares the readings; the run's next reading copies them before it changes them.
        job.Readings = batch->Measurements;
    }
    return job;
}

void TFormViewAnalysis::Refresh() {
    m_stale = false;
    if (!m_entry.Batch) {
        TAnalysisJobResult nothing;
        nothing.Generation = ++m_requested;
        nothing.Pixels = ChartPixels();
        nothing.Chart =
            AnalysisFlowChart(nothing.Analysis, nothing.Points, m_logarithmic->isChecked(), nothing.Pixels);
        ShowResult(std::move(nothing));
        return;
    }
    ShowResult(ComputeAnalysisJob(MakeJob()));
}

void TFormViewAnalysis::Post() {
    m_stale = false;
    if (!m_entry.Batch) {
        Refresh();
        return;
    }
    if (!m_worker)
        m_worker = std::make_unique<TAnalysisWorker>([this](TAnalysisJobResult result) {
            // Queued to this view, which outlives the thread (its destructor joins it).
            auto done = std::make_shared<TAnalysisJobResult>(std::move(result));
            QMetaObject::invokeMethod(
                this, [this, done] { ShowResult(std::move(*done)); }, Qt::QueuedConnection);
        });
    m_worker->Post(MakeJob());
}

void TFormViewAnalysis::ShowResult(TAnalysisJobResult result) {
    // Readings came while this was computed: their analysis follows and is the one to show.
    if (result.Generation != m_requested)
        return;
    m_shown = result.Generation;
    m_analysis = std::move(result.Analysis);
    m_points = std::move(result.Points);
    // Updates stay on: only what changed is painted again (turned back on they would paint
    // the whole tab, every text shaped anew, at each reading of a run).
    FillModels();
    FillResults();
    // The axes may have been switched while the thread drew.
    if (result.Chart.Logarithmic == m_logarithmic->isChecked())
        ShowChart(result.Chart, result.Pixels);
    else
        BuildChart();
}

void TFormViewAnalysis::FillModels() {
    const TBatchAnalysis& a = m_analysis;
    if (a.FlowModels.empty())
        SetText(m_flowModels, tr("Flow models: %1").arg(a.FlowModelsReason));
    else if (const TFlowModelFit* best = a.Best())
        SetText(m_flowModels,
                tr("Flow models: the best is %1 (lowest AICc).").arg(FlowModelName(best->Model)));
    else
        SetText(m_flowModels, tr("Flow models: no best model: %1").arg(a.BestModelReason));

    m_table->setVisible(!a.FlowModels.empty());
    struct TRow {
        bool Best = false;
        QString Cells[ColumnCount];
    };
    std::vector<TRow> rows;
    if (!a.FlowModels.empty()) {
        const TFlowModelFit* best = a.Best();
        for (const TFlowModel model : AllFlowModels) {
            const TFlowModelFit* fit = a.Fit(model);
            QString reason;
            for (const TFlowModelMissing& missing : a.MissingFlowModels)
                if (missing.Model == model)
                    reason = missing.Reason;
            if (!fit && reason.isEmpty())
                continue;
            TRow& row = rows.emplace_back();
            row.Best = fit && fit == best;
            row.Cells[ColumnModel] =
                row.Best ? tr("%1 (best)").arg(FlowModelName(model)) : FlowModelName(model);
            if (!fit) {
                row.Cells[ColumnParameters] = reason;
                continue;
            }
            QStringList parameters;
            for (const TFitParameter& parameter : fit->Parameters)
                parameters << FormatFitParameter(parameter, true);
            row.Cells[ColumnParameters] = parameters.join(QStringLiteral("; "));
            row.Cells[ColumnR2] = Number(fit->R2, 6);
            row.Cells[ColumnPoints] = QString::number(fit->Points);
            row.Cells[ColumnAICc] = fit->AICc ? Number(*fit->AICc, 6) : QString::fromUtf8("–");
        }
    }

    // During a run the rows stay and only the cells whose text changed are set: a rebuilt
    // table lays itself out again at every reading. Its columns then only widen, and only
    // where a changed cell no longer fits: measuring every cell shapes every text again.
    bool resized = m_table->rowCount() != int(rows.size());
    bool changed = resized;
    bool widen[ColumnCount] = {};
    m_table->setRowCount(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r) {
        const TRow& row = rows[size_t(r)];
        for (int column = 0; column < ColumnCount; ++column) {
            const QString& text = row.Cells[column];
            QTableWidgetItem* item = m_table->item(r, column);
            // A model without a fit has its reason and no figures.
            const bool figure = column >= ColumnR2;
            if (figure && text.isEmpty()) {
                if (item) {
                    delete m_table->takeItem(r, column);
                    changed = true;
                }
                continue;
            }
            if (!item) {
                item = new QTableWidgetItem(text);
                item->setTextAlignment((figure ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
                m_table->setItem(r, column, item);
                changed = true;
            } else if (item->text() != text) {
                item->setText(text);
                changed = true;
                widen[column] = widen[column] || !CellFits(*m_table, *item, column);
            }
            if (item->font().bold() != row.Best) {
                QFont font = item->font();
                font.setBold(row.Best);
                item->setFont(font);
                resized = changed = true;
            }
        }
    }
    if (resized || !RunActive()) {
        if (changed)
            m_table->resizeColumnsToContents();
    } else {
        for (int column = 0; column < ColumnCount; ++column)
            if (widen[column])
                m_table->resizeColumnToContents(column);
    }
    if (!resized)
        return;
    // The table as high as its rows; the results follow right below it.
    m_table->resizeRowsToContents();
    int height = m_table->horizontalHeader()->sizeHint().height() + 2 * m_table->frameWidth();
    for (int row = 0; row < m_table->rowCount(); ++row)
        height += m_table->rowHeight(row);
    // Room for the scroll bar a narrow pane shows under the parameters.
    height += m_table->horizontalScrollBar()->sizeHint().height();
    m_table->setFixedHeight(height);
}

void TFormViewAnalysis::FillResults() {
    const TBatchAnalysis& a = m_analysis;
    const QString nothing = a.NothingUsableReason();
    if (!nothing.isEmpty())
        SetText(m_readings, nothing);
    else
        SetText(m_readings, tr("%1 readings, %2 used; left out: %3 over scale, %4 low torque%5; %6 without "
                               "shear data (left out of the flow models).")
                                .arg(a.Readings)
                                .arg(a.Used)
                                .arg(a.ExcludedOverScale)
                                .arg(a.ExcludedLowTorque)
                                .arg(a.LowTorqueIncluded ? tr(" (low torque included)") : QString())
                                .arg(a.ExcludedNoShearData));

    if (const auto& r = a.SpeedPowerLaw.Result)
        SetText(m_flowIndex, tr("Flow index from speed: n = %1, K = %2 %3 (at 1 RPM), R² = %4, %5 readings")
                                 .arg(Number(r->FlowIndex), Number(r->K),
                                      AnalysisUnitText(TAnalysisUnit::Viscosity), Number(r->R2, 6))
                                 .arg(r->Points));
    else
        SetText(m_flowIndex, tr("Flow index from speed: %1").arg(a.SpeedPowerLaw.Reason));

    if (const auto& r = a.ThixotropicIndex.Result)
        SetText(m_thixotropic,
                tr("Thixotropic index: %1 (mean viscosity at %2 RPM over %3 RPM; %4 and %5 readings)")
                    .arg(Number(r->Value), Number(r->LowRPM), Number(r->HighRPM))
                    .arg(r->LowPoints)
                    .arg(r->HighPoints));
    else
        SetText(m_thixotropic, tr("Thixotropic index: %1").arg(a.ThixotropicIndex.Reason));

    if (const auto& r = a.Arrhenius.Result)
        SetText(m_arrhenius, tr("Activation energy: %1 kJ/mol, ln A = %2, R² = %3, %4 readings at %5 RPM")
                                 .arg(Number(r->ActivationEnergyKJPerMol), Number(r->LnA), Number(r->R2, 6))
                                 .arg(r->Points)
                                 .arg(Number(r->RPM)));
    else
        SetText(m_arrhenius, tr("Activation energy: %1").arg(a.Arrhenius.Reason));
}

void TFormViewAnalysis::BuildChart() {
    const QSize pixels = ChartPixels();
    ShowChart(AnalysisFlowChart(m_analysis, m_points, m_logarithmic->isChecked(), pixels), pixels);
}

void TFormViewAnalysis::ShowChart(const TFlowChartData& chart, QSize pixels) {
    m_chartPixels = pixels;
    UpdateFlowChart(*m_chart, chart);
    m_replot->Request();
}

QSize TFormViewAnalysis::ChartPixels() const {
    return m_chart->size() * m_chart->devicePixelRatioF();
}

bool TFormViewAnalysis::eventFilter(QObject* watched, QEvent* event) {
    // Points thinned for a smaller plot would leave gaps in a larger one.
    if (watched == m_chart && event->type() == QEvent::Resize &&
        m_points.Size() > FlowChartPointsDrawnWhole) {
        const QSize pixels = ChartPixels();
        if (pixels.width() > m_chartPixels.width() || pixels.height() > m_chartPixels.height())
            BuildChart();
    }
    return TBatchSubView::eventFilter(watched, event);
}
