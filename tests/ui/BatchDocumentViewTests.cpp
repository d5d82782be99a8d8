// The views of one open batch share the store's document of it: what one view changes the
// others show, and a run's readings reach the table and the chart without a reload.

#include "BatchViewFixture.h"

#include "charts/MeasurementsChart.h"
#include "services/BatchStore.h"
#include "ui/FormViewHeader.h"
#include "ui/FormViewMeasurements.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableView>

namespace {

constexpr int L1 = 0;
constexpr int V2L = 2;
constexpr int Rpm10 = 12;

// What a table and a chart show, to compare a view that followed a run with one that
// read the same batch whole.
struct TShown {
    QStringList LastRows; // every cell of the last three rows
    int Rows = 0;
    std::vector<int> Points;      // per graph
    std::vector<QCPRange> Ranges; // X axis, then the line axes
    int LeftMargin = 0;
    std::vector<double> LastKeys; // the last point of each line
};

TShown Shown(TFormViewMeasurements& view) {
    TShown shown;
    QAbstractItemModel* table = view.ListViewMeasurements()->model();
    shown.Rows = table->rowCount();
    for (int row = std::max(0, shown.Rows - 3); row < shown.Rows; ++row)
        for (int column = 0; column < table->columnCount(); ++column)
            shown.LastRows << table->index(row, column).data().toString();
    TChartMeasurements& chart = *view.ChartMeasurements();
    for (int k = 0; k < chart.graphCount(); ++k)
        shown.Points.push_back(chart.graph(k)->dataCount());
    shown.Ranges.push_back(chart.xAxis->range());
    for (QCPAxis* axis : chart.LineAxes())
        shown.Ranges.push_back(axis->range());
    for (int k = 0; k < chart.MarkerBase(); ++k)
        if (chart.graph(k)->dataCount() > 0)
            shown.LastKeys.push_back((chart.graph(k)->data()->constEnd() - 1)->key);
    shown.LeftMargin = chart.LeftMargin();
    return shown;
}

} // namespace

class BatchDocumentViewTest : public BatchViewTest {};

TEST_F(BatchDocumentViewTest, TwoViewsOfABatchShowOneDocumentAndFollowEachOther) {
    Make();
    const QString path = Write("A", V2L, L1, {{100}, {300}, {200}}, "0");
    Select({path});
    // A second window on the same batch (the main window's view and another one).
    TFormViewBatch other(Settings, TabReports, Dialogs, View->Store());
    other.SelectedFiles.Add()->Assign(*View->SelectedFiles.Items(0));
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
    other.ShowSelection(false);
    ASSERT_TRUE(View->Document());
    EXPECT_EQ(other.Document(), View->Document());

    // Typed into one header: the other shows it at once, and the file has it.
    View->FormViewHeader()->EditOperator()->setText("Ada");
    View->CommitEdits();
    EXPECT_EQ(other.FormViewHeader()->EditOperator()->text(), "Ada");
    EXPECT_EQ(Read(path)->Operator, "Ada");

    // The readings ordered by viscosity in the other: this one follows, and a later
    // header edit here keeps both changes in the file.
    other.SetTabIndex(2);
    other.FormViewMeasurements()->ComboBoxXAxis()->setCurrentIndex(1);
    EXPECT_EQ(View->FormViewMeasurements()->ComboBoxXAxis()->currentIndex(), 1);
    View->FormViewHeader()->EditIdentifier()->setText("Lot 7");
    View->CommitEdits();
    const auto saved = Read(path);
    EXPECT_EQ(saved->Operator, "Ada");
    EXPECT_EQ(saved->Identifier, "Lot 7");
    EXPECT_EQ(saved->SelectedXAxis, 1);
    ASSERT_EQ(saved->Measurements.Count(), 3);
    EXPECT_EQ(saved->Measurements.Items(1)->Viscosity, 200) << "saved in the order shown";
}

TEST_F(BatchDocumentViewTest, ARunsReadingsReachTableAndChartAsAWholeReadWouldShowThem) {
    const double full = FullScale(V2L, L1, Rpm10);
    struct Case {
        const char* Name;
        int XAxis;
        std::vector<double> Viscosities; // the readings the run adds, one second apart
        bool Appended;                   // rows added (otherwise the table is refilled)
    };
    const Case cases[] = {
        {"in time order", 0, {full * 0.6, full * 0.7}, true},
        {"a larger viscosity, ordered by viscosity", 1, {full * 0.9}, true},
        {"a smaller viscosity, ordered by viscosity", 1, {full * 0.2}, false},
        {"over scale: a row without a point", 0, {full * 3}, true},
        {"at low torque: a hollow point", 0, {full * 0.05}, true},
        {"a larger value widens the axes' room", 0, {full * 0.99}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Make();
        const QString path = Write(QString::fromLatin1(c.Name), V2L, L1,
                                   {{full * 0.1}, {full * 0.3}, {full * 0.5}}, "0,2", c.XAxis);
        Select({path});
        View->SetTabIndex(2);
        View->SetRunActive(true);
        TFormViewMeasurements& view = *View->FormViewMeasurements();
        QSignalSpy resets(view.ListViewMeasurements()->model(), &QAbstractItemModel::modelReset);
        QSignalSpy inserted(view.ListViewMeasurements()->model(), &QAbstractItemModel::rowsInserted);

        TBatchDocument& document = *View->Document();
        for (size_t i = 0; i < c.Viscosities.size(); ++i) {
            TMeasurementItem m;
            m.DateTime = 46000.5 + static_cast<double>(3 + i) / 86400.0;
            m.Viscosity = c.Viscosities[i];
            m.RPMCode = Rpm10;
            m.Temperature = 25.0;
            document.AppendReading(m);
        }
        document.EndAppend();
        QApplication::processEvents();
        EXPECT_EQ(resets.count(), c.Appended ? 0 : 1);
        EXPECT_EQ(inserted.count(), c.Appended ? 1 : 0);
        const TShown followed = Shown(view);

        // The same batch read whole by a view of its own.
        TBatchStore store;
        TFormViewBatch whole(Settings, TabReports, Dialogs, store);
        whole.SelectedFiles.Add()->Assign(document.Entry());
        whole.resize(View->size());
        whole.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&whole));
        whole.ShowSelection(false);
        whole.SetTabIndex(2);
        QApplication::processEvents();
        const TShown read = Shown(*whole.FormViewMeasurements());

        EXPECT_EQ(followed.Rows, 3 + static_cast<int>(c.Viscosities.size()));
        EXPECT_EQ(followed.Rows, read.Rows);
        EXPECT_EQ(followed.LastRows, read.LastRows);
        EXPECT_EQ(followed.Points, read.Points);
        EXPECT_EQ(followed.LastKeys, read.LastKeys);
        ASSERT_EQ(followed.Ranges.size(), read.Ranges.size());
        for (size_t i = 0; i < read.Ranges.size(); ++i) {
            EXPECT_DOUBLE_EQ(followed.Ranges[i].lower, read.Ranges[i].lower) << "axis " << i;
            EXPECT_DOUBLE_EQ(followed.Ranges[i].upper, read.Ranges[i].upper) << "axis " << i;
        }
        EXPECT_EQ(followed.LeftMargin, read.LeftMargin);
        View->SetRunActive(false);
        View.reset();
    }
}
