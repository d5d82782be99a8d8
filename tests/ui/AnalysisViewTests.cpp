// The batch view's analysis tab: its contents for fixture batches, following a run, and
// the stored tab of the batch view with the analysis tab among the tabs.

#include "BatchViewFixture.h"

#include "analysis/Analysis.h"
#include "services/BatchStore.h"
#include "ui/FormViewAnalysis.h"
#include "ui/FormViewMeasurements.h"
#include "ui/KorvTabBar.h"

#include <qcustomplot.h>

#include <QCheckBox>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QTableWidget>

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
        // As the run hands them over: into the batch's document, one at a time.
        for (int i = from; i < to; ++i) {
            View->Document()->AppendReading(*paste.Measurements.Items(i));
            View->Document()->EndAppend();
        }
    };
    const int count = paste.Measurements.Count();
    ASSERT_EQ(count, 47);
    add(0, 20);
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

    // All readings in: the same as the finished batch.
    const QJsonObject reference = Reference("paste.epb");
    EXPECT_EQ(view->Analysis().Readings, reference.value("readings").toInt());
    EXPECT_EQ(view->Analysis().Used, reference.value("used").toInt());
    ASSERT_EQ(view->ListViewFlowModels()->rowCount(), 5);
    EXPECT_EQ(Cell(view->ListViewFlowModels(), 4, 0), "Herschel–Bulkley (best)");
    EXPECT_EQ(view->ChartFlow()->graph(0)->dataCount(), 40);
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
