// The batch view's analysis tab: its contents for fixture batches, following a run (on
// its own thread, a burst of readings, closed halfway), and the stored tab of the batch
// view with the analysis tab among the tabs.

#include "BatchViewFixture.h"

#include "analysis/Analysis.h"
#include "analysis/FlowCurve.h"
#include "reports/ChartFlow.h"
#include "services/BatchStore.h"
#include "ui/FormViewAnalysis.h"
#include "ui/FormViewMeasurements.h"
#include "ui/KorvTabBar.h"

#include <qcustomplot.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QTableWidget>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {

const QString Fixtures = QStringLiteral(BRAMBLEX_SOURCE_DIR "/tests/data/analysis/");

// The reference analysis of a fixture (scipy), low torque left out.
QJsonObject Reference(const char* name) {
    QFile file(Fixtures + QStringLiteral("expected.json"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    for (const QJsonValue& entry : QJsonDocument::fromJson(file.readAll()).array()) {
        const QJsonObject object = entry.toObject();
        if (object.value("file").toString() == QLatin1String(name) &&
            !object.value("include_low_torque").toBool())
            return object.value("analysis").toObject();
    }
    ADD_FAILURE() << "no reference for " << name;
    return {};
}

// Pixels from p to the nearest segment of line.
double DistanceToLine(QPointF p, const std::vector<QPointF>& line) {
    double nearest = std::numeric_limits<double>::infinity();
    for (size_t i = 0; i + 1 < line.size(); ++i) {
        const QPointF a = line[i], ab = line[i + 1] - a;
        const double length = QPointF::dotProduct(ab, ab);
        const double t = length > 0.0 ? std::clamp(QPointF::dotProduct(p - a, ab) / length, 0.0, 1.0) : 0.0;
        const QPointF off = p - (a + t * ab);
        nearest = std::min(nearest, std::hypot(off.x(), off.y()));
    }
    return nearest;
}

QString Cell(const QTableWidget* table, int row, int column) {
    const QTableWidgetItem* item = table->item(row, column);
    return item ? item->text() : QString();
}

class AnalysisViewTest : public BatchViewTest {
protected:
    // A copy of a fixture in the scratch folder.
    QString Copy(const char* name) {
        const QString path = Dir.File(QLatin1String(name));
        EXPECT_TRUE(QFile::copy(Fixtures + QLatin1String(name), path));
        QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        return path;
    }
    TFormViewAnalysis* ShowAnalysis(const QString& path) {
        Make(QSize(1300, 700));
        Select({path});
        View->SetTabIndex(3);
        QApplication::processEvents();
        return View->FormViewAnalysis();
    }
    // The run's next reading into the shown entry and the main window's forced reload.
    // As the run hands them over: into the batch's document, one at a time.
    void AddDuringRun(const TMeasurementItem& reading) {
        View->Document()->AppendReading(reading);
        View->Document()->EndAppend();
    }
    // Until the analysis of the readings loaded last is on screen.
    static bool WaitShown(const TFormViewAnalysis* view) {
        return QTest::qWaitFor([&] { return !view->AnalysisPending(); }, 10000);
    }
};

TEST_F(AnalysisViewTest, APasteShowsEveryModelWithTheBestMarkedAndTheOtherResults) {
    const QJsonObject reference = Reference("paste.epb");
    TFormViewAnalysis* view = ShowAnalysis(Copy("paste.epb"));
    EXPECT_EQ(View->KorvTabPreview()->tabText(3), "Analysis");
    EXPECT_EQ(View->DockedView(), view);
    ASSERT_TRUE(view->isVisible());

    const QTableWidget* table = view->ListViewFlowModels();
    EXPECT_TRUE(table->isVisible());
    ASSERT_EQ(table->rowCount(), 5);
    const QStringList names{"Newtonian", "Power law", "Bingham", "Casson", "Herschel–Bulkley"};
    const QJsonArray models = reference.value("flow_models").toArray();
    ASSERT_EQ(models.size(), 5);
    for (int row = 0; row < 5; ++row) {
        const bool best = models[row].toObject().value("model") == reference.value("best_model");
        EXPECT_EQ(Cell(table, row, TFormViewAnalysis::ColumnModel),
                  best ? names[row] + " (best)" : names[row]);
        EXPECT_EQ(table->item(row, 0)->font().bold(), best) << row;
        EXPECT_EQ(Cell(table, row, TFormViewAnalysis::ColumnPoints),
                  QString::number(models[row].toObject().value("points").toInt()));
    }
    // Herschel–Bulkley: τ₀ 152.948 ± 2.9.., K 27.3325, n 0.519106 (scipy), four digits.
    const QString hb = Cell(table, 4, TFormViewAnalysis::ColumnParameters);
    EXPECT_TRUE(hb.startsWith(QString::fromUtf8("τ₀ = 152.9 ± "))) << hb.toStdString();
    EXPECT_TRUE(hb.contains(QString::fromUtf8(" dyn/cm²; K = 27.33 ± "))) << hb.toStdString();
    EXPECT_TRUE(hb.contains(QString::fromUtf8(" dyn·sⁿ/cm²; n = 0.5191 ± "))) << hb.toStdString();
    EXPECT_EQ(Cell(table, 0, TFormViewAnalysis::ColumnParameters).left(10), QString::fromUtf8("η = 4.643 "));
    EXPECT_TRUE(Cell(table, 4, TFormViewAnalysis::ColumnR2).startsWith("0.9972"));

    EXPECT_EQ(view->LabelFlowModels()->text(), "Flow models: the best is Herschel–Bulkley (lowest AICc).");
    EXPECT_EQ(view->LabelReadings()->text(), "47 readings, 40 used; left out: 3 over scale, 4 low torque; 0 "
                                             "without shear data (left out of the flow models).");
    EXPECT_TRUE(view->LabelFlowIndex()->text().startsWith("Flow index from speed: n = 0.1951, K = 1.361"))
        << view->LabelFlowIndex()->text().toStdString();
    EXPECT_TRUE(view->LabelFlowIndex()->text().endsWith(", 40 readings"));
    EXPECT_EQ(view->LabelThixotropicIndex()->text(),
              "Thixotropic index: 7.612 (mean viscosity at 0.5 RPM over 5 RPM; " +
                  QString::number(view->Analysis().ThixotropicIndex->LowPoints) + " and " +
                  QString::number(view->Analysis().ThixotropicIndex->HighPoints) + " readings)");
    // No temperature span: the reason in one line.
    const QString arrhenius = view->LabelArrhenius()->text();
    EXPECT_TRUE(arrhenius.startsWith("Activation energy: ")) << arrhenius.toStdString();
    EXPECT_EQ(arrhenius.mid(19), view->Analysis().Arrhenius.Reason);
    EXPECT_FALSE(arrhenius.contains('\n'));

    const QString shots = qEnvironmentVariable("BRAMBLEX_SHOTS");
    if (!shots.isEmpty()) {
        QTest::qWait(200);
        View->grab().save(shots + "/analysis-tab.png");
    }

    // The flow curve: the 40 readings, then one curve per model; logarithmic on demand,
    // remembered.
    QCustomPlot* chart = view->ChartFlow();
    ASSERT_EQ(chart->graphCount(), 6);
    EXPECT_EQ(chart->graph(0)->dataCount(), 40);
    EXPECT_EQ(chart->xAxis->scaleType(), QCPAxis::stLinear);
    // Each curve drawn from the samples that show: the straight ones (Newtonian and
    // Bingham) from their ends, and every sample of the others within half a pixel of
    // the line drawn.
    chart->replot();
    TBatchItem paste;
    paste.LoadFromFile(Fixtures + "paste.epb");
    const TFlowChartData samples = BuildFlowChart(
        view->Analysis(), FlowCurvePoints(paste.ModelType, paste.SpindleType, paste.Measurements), false);
    ASSERT_EQ(samples.Curves.size(), 5u);
    EXPECT_EQ(chart->graph(1)->dataCount(), 2);
    EXPECT_EQ(chart->graph(3)->dataCount(), 2);
    EXPECT_LT(chart->graph(5)->dataCount(), int(samples.Curves[4].X.size()) / 2);
    for (int curve = 0; curve < 5; ++curve) {
        const QCPGraph* graph = chart->graph(curve + 1);
        std::vector<QPointF> drawn;
        for (auto it = graph->data()->constBegin(); it != graph->data()->constEnd(); ++it)
            drawn.emplace_back(chart->xAxis->coordToPixel(it->key), chart->yAxis->coordToPixel(it->value));
        double worst = 0.0;
        for (size_t i = 0; i < samples.Curves[size_t(curve)].X.size(); ++i) {
            const QPointF p(chart->xAxis->coordToPixel(samples.Curves[size_t(curve)].X[i]),
                            chart->yAxis->coordToPixel(samples.Curves[size_t(curve)].Y[i]));
            worst = std::max(worst, DistanceToLine(p, drawn));
        }
        EXPECT_LT(worst, 0.5) << graph->name().toStdString();
    }
    view->CheckBoxLogarithmic()->click();
    EXPECT_EQ(chart->xAxis->scaleType(), QCPAxis::stLogarithmic);
    EXPECT_EQ(chart->yAxis->scaleType(), QCPAxis::stLogarithmic);
    EXPECT_TRUE(Settings.Item("AnalysisLogarithmic").GetBoolean());

    // Low torque included: the reference with low torque.
    view->CheckBoxLowTorque()->click();
    EXPECT_EQ(view->Analysis().Used, 43);
    EXPECT_EQ(chart->graph(0)->dataCount(), 43);
    if (!shots.isEmpty()) {
        QTest::qWait(200);
        View->grab().save(shots + "/analysis-tab-log.png");
    }
}

TEST_F(AnalysisViewTest, ABatchWithoutShearDataSaysWhyInOneLine) {
    TFormViewAnalysis* view = ShowAnalysis(Copy("no_shear.epb"));
    const QString reason = view->Analysis().FlowModelsReason;
    ASSERT_FALSE(reason.isEmpty());
    EXPECT_FALSE(reason.contains('\n'));
    EXPECT_EQ(view->LabelFlowModels()->text(), "Flow models: " + reason);
    EXPECT_FALSE(view->ListViewFlowModels()->isVisible());
    EXPECT_EQ(view->ListViewFlowModels()->rowCount(), 0);
    // The speed power law and Arrhenius still have results (reference: n 0.941146, Ea 21.2726).
    EXPECT_TRUE(view->LabelFlowIndex()->text().startsWith("Flow index from speed: n = 0.9411,"));
    EXPECT_TRUE(view->LabelArrhenius()->text().startsWith("Activation energy: 21.27 kJ/mol, ln A = -1.516"))
        << view->LabelArrhenius()->text().toStdString();
    EXPECT_TRUE(view->LabelArrhenius()->text().endsWith("10 readings at 6 RPM"));
    const QString shots = qEnvironmentVariable("BRAMBLEX_SHOTS");
    if (!shots.isEmpty()) {
        QTest::qWait(200);
        View->grab().save(shots + "/analysis-tab-no-shear.png");
    }
    QCustomPlot* chart = view->ChartFlow();
    ASSERT_EQ(chart->itemCount(), 1);
    EXPECT_EQ(qobject_cast<QCPItemText*>(chart->item(0))->text(), reason);
}

// The main window's refresh during a run: the readings arrive one by one in the shown
// entry and the view is reloaded with force after each.
TEST_F(AnalysisViewTest, FollowsARunReadingByReadingAndCatchesUpWhenShownAgain) {
    TBatchItem paste;
    paste.LoadFromFile(Fixtures + "paste.epb");
    TBatchItem empty;
    empty.ModelType = paste.ModelType;
    empty.SpindleType = paste.SpindleType;
    const QString path = Dir.File("Run.epb");
    empty.SaveToFile(path);
    TFormViewAnalysis* view = ShowAnalysis(path);
    View->SetRunActive(true);
    EXPECT_EQ(view->LabelReadings()->text(), "The batch has no readings.");
    EXPECT_FALSE(view->ListViewFlowModels()->isVisible());

    const auto add = [&](int from, int to) {
        for (int i = from; i < to; ++i)
            AddDuringRun(*paste.Measurements.Items(i));
    };
    const int count = paste.Measurements.Count();
    ASSERT_EQ(count, 47);
    add(0, 20);
    ASSERT_TRUE(WaitShown(view));
    EXPECT_EQ(view->Analysis().Readings, 20);
    EXPECT_EQ(view->ListViewFlowModels()->isVisible(), !view->Analysis().FlowModels.empty());
    const int shownPoints = view->ChartFlow()->graph(0)->dataCount();

    // On the measurements tab the analysis waits; back on its tab it shows every reading.
    View->SetTabIndex(2);
    add(20, count - 1);
    EXPECT_EQ(view->Analysis().Readings, 20);
    EXPECT_EQ(view->ChartFlow()->graph(0)->dataCount(), shownPoints);
    View->SetTabIndex(3);
    EXPECT_EQ(view->Analysis().Readings, count - 1);
    add(count - 1, count);
    View->SetRunActive(false);
    ASSERT_TRUE(WaitShown(view));

    // All readings in: the same as the finished batch.
    const QJsonObject reference = Reference("paste.epb");
    EXPECT_EQ(view->Analysis().Readings, reference.value("readings").toInt());
    EXPECT_EQ(view->Analysis().Used, reference.value("used").toInt());
    ASSERT_EQ(view->ListViewFlowModels()->rowCount(), 5);
    EXPECT_EQ(Cell(view->ListViewFlowModels(), 4, 0), "Herschel–Bulkley (best)");
    EXPECT_EQ(view->ChartFlow()->graph(0)->dataCount(), 40);
}

// A paste of many readings: each analysis takes the thread a while, so readings loaded
// one after another find the one before still being analysed.
void LongPaste(TBatchItem& batch, int copies) {
    TBatchItem paste;
    paste.LoadFromFile(Fixtures + "paste.epb");
    batch.ModelType = paste.ModelType;
    batch.SpindleType = paste.SpindleType;
    for (int copy = 0; copy < copies; ++copy)
        for (const TMeasurementItem* reading : paste.Measurements)
            batch.Measurements.Append(*reading);
}

TEST_F(AnalysisViewTest, DuringARunABurstOfReadingsEndsOnTheAnalysisOfTheLastAndNeverCallsAnOlderOneCurrent) {
    TBatchItem paste;
    LongPaste(paste, 100);
    const int count = paste.Measurements.Count();
    TBatchItem run;
    run.ModelType = paste.ModelType;
    run.SpindleType = paste.SpindleType;
    for (int i = 0; i < count - 40; ++i)
        run.Measurements.Append(*paste.Measurements.Items(i));
    const QString path = Dir.File("Run.epb");
    run.SaveToFile(path);
    TFormViewAnalysis* view = ShowAnalysis(path);
    View->SetRunActive(true);

    // Loads come faster than analyses end; results for readings since superseded come in
    // between and are left out.
    int loaded = count - 40;
    int pendingSeen = 0;
    for (int i = count - 40; i < count; ++i) {
        AddDuringRun(*paste.Measurements.Items(i));
        ++loaded;
        pendingSeen += view->AnalysisPending();
        QApplication::processEvents();
        if (i % 8 == 0)
            QTest::qWait(5);
        EXPECT_LE(view->Analysis().Readings, loaded);
        if (!view->AnalysisPending()) {
            EXPECT_EQ(view->Analysis().Readings, loaded) << "an older analysis shown as current";
        }
    }
    EXPECT_GT(pendingSeen, 0) << "the run's readings were analysed on the thread";
    ASSERT_TRUE(WaitShown(view));
    QTest::qWait(50);
    EXPECT_FALSE(view->AnalysisPending());
    EXPECT_EQ(view->Analysis().Readings, count);
    EXPECT_EQ(view->LabelReadings()->text().left(view->LabelReadings()->text().indexOf(',')),
              QString("%1 readings").arg(count));

    // The same as the finished batch analysed at once.
    const TBatchAnalysis whole = AnalyzeBatch(paste);
    ASSERT_EQ(view->Analysis().FlowModels.size(), whole.FlowModels.size());
    EXPECT_EQ(view->Analysis().Used, whole.Used);
    for (size_t m = 0; m < whole.FlowModels.size(); ++m)
        for (size_t p = 0; p < whole.FlowModels[m].Parameters.size(); ++p)
            EXPECT_EQ(view->Analysis().FlowModels[m].Parameters[p].Value,
                      whole.FlowModels[m].Parameters[p].Value);
    View->SetRunActive(false);
    // The long run's flow curve, its points thinned for drawing.
    const QString shots = qEnvironmentVariable("BRAMBLEX_SHOTS");
    if (!shots.isEmpty()) {
        QTest::qWait(200);
        View->grab().save(shots + "/analysis-tab-long-run.png");
    }
}

// The thread of the tab ends with it, also halfway through an analysis: nothing of it
// reaches the view after it is gone.
TEST_F(AnalysisViewTest, ClosingTheBatchViewMidAnalysisEndsItsThread) {
    const auto threads = [] {
        return QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size();
    };
    TBatchItem paste;
    LongPaste(paste, 1000);
    const QString path = Dir.File("Run.epb");
    paste.SaveToFile(path);
    TFormViewAnalysis* view = ShowAnalysis(path);
    View->SetRunActive(true);
    const qsizetype before = threads();
    AddDuringRun(*paste.Measurements.Items(0));
    EXPECT_TRUE(view->AnalysisPending());
    EXPECT_EQ(threads(), before + 1);
    View.reset();
    EXPECT_EQ(threads(), before);
    QTest::qWait(50); // a result queued before the end would come now
}

// ---------------------------------------------------------------------------
// The stored tab

TEST(BatchTabMapping, StoredValuesKeepTheirTabsAndTheAnalysisTabIsStoredAsMeasurements) {
    // Stored value (as the tabs were counted before the analysis tab) and its tab now.
    const struct {
        int Stored;
        bool Analysis;
        int Tab;
    } cases[] = {{0, false, 0}, {1, false, 1}, {2, false, 2}, {2, true, 3},
                 {3, false, 4}, {3, true, 4},  {4, false, 5}, {7, false, 8}};
    for (const auto& c : cases) {
        EXPECT_EQ(TFormViewBatch::TabOfStoredValue(c.Stored, c.Analysis), c.Tab) << c.Stored << c.Analysis;
        EXPECT_EQ(TFormViewBatch::StoredValueOfTab(c.Tab), c.Stored) << c.Tab;
    }
}

TEST_F(AnalysisViewTest, EachTabIsStoredAsBeforeAndSelectedAgain) {
    AddTabReports(1);
    Make();
    const QString a = Write("A", 2, 0, {{100}});
    Select({a});
    EXPECT_EQ(View->KorvTabPreview()->count(), 6);
    // Header, processes, measurements and the report tabs keep the values they had.
    const struct {
        int Tab;
        int Stored;
        const char* Text;
    } tabs[] = {{0, 0, "Header"},
                {1, 1, "Processes"},
                {2, 2, "Measurements"},
                {4, 3, "Tab Report 1"},
                {5, 4, "My Reports"}};
    for (const auto& t : tabs) {
        View->SetTabIndex(t.Tab);
        EXPECT_EQ(View->KorvTabPreview()->tabText(t.Tab), t.Text);
        EXPECT_EQ(Settings.Item("BatchTab").GetInteger(), t.Stored) << t.Text;
        Select({a});
        EXPECT_EQ(View->KorvTabPreview()->currentIndex(), t.Tab) << t.Text;
    }
    // Settings that never saw the analysis tab gain no key for it.
    EXPECT_EQ(Settings.FindItem("BatchTabAnalysis"), nullptr);

    View->SetTabIndex(3);
    EXPECT_EQ(Settings.Item("BatchTab").GetInteger(), 2); // a program without the tab opens the readings
    EXPECT_TRUE(Settings.Item("BatchTabAnalysis").GetBoolean());
    Select({a});
    EXPECT_EQ(View->KorvTabPreview()->currentIndex(), 3);
    EXPECT_EQ(View->DockedView(), View->FormViewAnalysis());
    View->SetTabIndex(2);
    EXPECT_FALSE(Settings.Item("BatchTabAnalysis").GetBoolean());
    Select({a});
    EXPECT_EQ(View->KorvTabPreview()->currentIndex(), 2);
}

} // namespace
