// The measurements tab: quantities, readings table, chart, zoom and pane layout.

#include "BatchViewFixture.h"

#include "charts/MeasurementsChart.h"
#include "charts/RunChartStyle.h"
#include "ui/CheckedComboBox.h"
#include "ui/FormViewMeasurements.h"
#include "ui/ReadingsTableModel.h"

#include <QAction>
#include <QComboBox>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QLabel>
#include <QSplitter>
#include <QTableView>

#include <cmath>

namespace {

constexpr int L1 = 0, TR8 = 21;
constexpr int V2L = 2, V2R = 3;
constexpr int Rpm10 = 12; // RPM code of 10 RPM

QStringList Items(const QComboBox* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->itemText(i);
    return texts;
}

} // namespace

class MeasurementViewTest : public BatchViewTest {
protected:
    TFormViewMeasurements* M() { return View->FormViewMeasurements(); }
    QAbstractItemModel* Table() { return M()->ListViewMeasurements()->model(); }
    TChartMeasurements* Chart() { return M()->ChartMeasurements(); }
    QString Cell(int row, int column) { return Table()->index(row, column).data().toString(); }
    QStringList Header() {
        QStringList texts;
        for (int c = 0; c < Table()->columnCount(); ++c)
            texts << Table()->headerData(c, Qt::Horizontal).toString();
        return texts;
    }

    void Show(const QString& path) {
        Make();
        Select({path});
        View->SetTabIndex(2);
        QApplication::processEvents();
    }
};

TEST_F(MeasurementViewTest, QuantitiesAndColumnsFollowTheSpindle) {
    Show(Write("L1", V2L, L1, {{100}}, "0,4,5"));
    EXPECT_EQ(Header(),
              QStringList({"Date", "Time", "Viscosity (mPas)", "% Full Scale", "Temperature (°C)", "RPM"}));
    EXPECT_EQ(M()->ComboBoxXAxis()->count(), 5);
    EXPECT_EQ(M()->CheckedComboYAxis()->count(), 4);
    EXPECT_TRUE(M()->CheckedComboYAxis()->Checked(0));
    for (int y = 1; y < 6; ++y)
        EXPECT_FALSE(M()->CheckedComboYAxis()->Checked(y)) << y;
    EXPECT_EQ(Chart()->MarkerBase(), 1);

    const QString tr8 = Write("TR8", V2R, TR8, {{100, Rpm10, 25, 12.5, 30.26}}, "4,5");
    Select({tr8});
    EXPECT_EQ(Header().size(), 8);
    EXPECT_EQ(Header().mid(6), QStringList({"Shear Stress", "Shear Rate"}));
    QStringList x;
    for (int i = 0; i < 7; ++i)
        x << XAxisCaption(i);
    EXPECT_EQ(Items(M()->ComboBoxXAxis()), x);
    EXPECT_EQ(M()->CheckedComboYAxis()->count(), 6);
    EXPECT_EQ(Chart()->MarkerBase(), 2) << "shear stress and rate charted";
    EXPECT_EQ(Chart()->graph(0)->name(), YAxisCaption(4));
    EXPECT_EQ(Cell(0, 6), "12.5");
    EXPECT_EQ(Cell(0, 7), "30.3");
}

TEST_F(MeasurementViewTest, DateAndTimeColumnsShowTheirTextsWholeInTheUsersLocale) {
    const QLocale saved;
    struct TRestore {
        QLocale Locale;
        ~TRestore() { QLocale::setDefault(Locale); }
    } restore{saved};
    // A reading on the 28th of every month, at every hour's last minute in turn.
    const QString path = Write("Year", V2L, L1, std::vector<Reading>(12, Reading{100}));
    auto batch = Read(path);
    for (int month = 0; month < 12; ++month) {
        const QDate date(2025, month + 1, 28);
        batch->Measurements.EditItem(month)->DateTime =
            static_cast<double>(QDate(1899, 12, 30).daysTo(date)) +
            (month * 2 + 1 + 58 / 60.0 + 58 / 3600.0) / 24.0;
    }
    batch->SaveToFile(path);
    for (const char* name : {"C", "de_DE", "en_US"}) {
        SCOPED_TRACE(name);
        QLocale::setDefault(QLocale(QString::fromLatin1(name)));
        Show(path);
        QTableView* table = M()->ListViewMeasurements();
        ASSERT_EQ(Table()->rowCount(), 12);
        for (int column : {0, 1}) {
            SCOPED_TRACE(column);
            EXPECT_GE(table->columnWidth(column), 70);
            // What the rows need, measured by the table itself, and the caption.
            EXPECT_GE(table->columnWidth(column),
                      static_cast<QAbstractItemView*>(table)->sizeHintForColumn(column));
            EXPECT_GE(table->columnWidth(column), table->horizontalHeader()->sectionSizeHint(column));
        }
        EXPECT_EQ(table->columnWidth(2), 100) << "the other columns keep their widths";
    }
    EXPECT_EQ(Cell(11, 1), "11:58:58 PM") << "en_US: the time the column was too narrow for";
}

TEST_F(MeasurementViewTest, OverScaleReadingsShowTheWordsAndNoPoint) {
    const double full = FullScale(V2R, TR8, Rpm10);
    Show(Write("Over", V2R, TR8, {{full, Rpm10, 20.5, 1, 2}, {full * 1.01, Rpm10, 21, 3, 4}, {full / 2}},
               "0"));
    ASSERT_EQ(Table()->rowCount(), 3);
    EXPECT_EQ(Cell(0, 2), FormatViscosity(full));
    EXPECT_EQ(Cell(0, 3), "100.0");
    EXPECT_EQ(Cell(0, 6), "1.0");
    EXPECT_EQ(Cell(1, 2), "Over scale");
    EXPECT_EQ(Cell(1, 3), "Over scale");
    EXPECT_EQ(Cell(1, 4), "21.0");
    EXPECT_EQ(Cell(1, 5), "10.0");
    EXPECT_EQ(Cell(1, 6), "");
    EXPECT_EQ(Cell(1, 7), "");
    EXPECT_EQ(Chart()->graph(0)->dataCount(), 2);

    // Selecting rows: the marker follows, none for the over-scale one.
    M()->ListViewMeasurements()->selectRow(2);
    QCPGraph* marker = Chart()->graph(Chart()->MarkerBase());
    ASSERT_EQ(marker->dataCount(), 1);
    EXPECT_DOUBLE_EQ(marker->data()->at(0)->value, full / 2);
    EXPECT_DOUBLE_EQ(marker->data()->at(0)->key, 2.0);
    M()->ListViewMeasurements()->selectRow(1);
    EXPECT_EQ(marker->dataCount(), 0);
}

TEST_F(MeasurementViewTest, LowTorqueReadingsAreMutedAndHollowWithTheirTextsKept) {
    const double full = FullScale(V2L, L1, Rpm10);
    Show(Write("Low", V2L, L1, {{full * 0.05}, {full * 0.5}}));
    EXPECT_EQ(Cell(0, 2), FormatViscosity(full * 0.05));
    EXPECT_EQ(Cell(0, 3), "5.0");
    const QString hint = Table()->index(0, 2).data(Qt::ToolTipRole).toString();
    EXPECT_TRUE(hint.contains("10 %")) << hint.toStdString();
    EXPECT_TRUE(Table()->index(0, 0).data(Qt::ForegroundRole).isValid());
    EXPECT_FALSE(Table()->index(1, 0).data(Qt::ForegroundRole).isValid());
    EXPECT_TRUE(Table()->index(1, 2).data(Qt::ToolTipRole).toString().isEmpty());

    const int lines = Chart()->MarkerBase();
    QCPGraph* hollow = Chart()->graph(2 * lines);
    ASSERT_EQ(hollow->dataCount(), 1);
    EXPECT_DOUBLE_EQ(hollow->data()->at(0)->value, full * 0.05);
    // Drawn as a white circle ringed in the line's colour.
    const QImage mark = hollow->scatterStyle().pixmap().toImage();
    ASSERT_FALSE(mark.isNull());
    EXPECT_EQ(mark.pixelColor(mark.width() / 2, mark.height() / 2), QColor(Qt::white));
    const QColor ring = mark.pixelColor(mark.width() / 2, 0);
    const QColor line(YAxisColors[0]);
    EXPECT_GT(ring.alpha(), 0);
    EXPECT_LE(std::abs(ring.red() - line.red()) + std::abs(ring.green() - line.green()) +
                  std::abs(ring.blue() - line.blue()),
              24)
        << ring.name().toStdString();
    EXPECT_EQ(Chart()->graph(0)->dataCount(), 2) << "the line goes through both";
}

TEST_F(MeasurementViewTest, StackedAxesStandLeftByTheRoomOfTheValuesBefore) {
    Show(Write("Peak", V2L, 3 /* L4 */, {{1000, Rpm10, 20}, {1234.5, Rpm10, 30}}, "0,2"));
    ASSERT_EQ(Chart()->MarkerBase(), 2);
    const QList<QCPAxis*> axes = Chart()->LineAxes();
    ASSERT_EQ(axes.size(), 2);
    const QFontMetricsF metrics(RunChartFont());
    const QString room = QLocale().toString(1234.5, 'f', 2).remove(QLocale().groupSeparator()) + "MMMMM";
    EXPECT_EQ(axes[0]->offset(), 0);
    EXPECT_EQ(axes[1]->offset(), static_cast<int>(std::ceil(metrics.horizontalAdvance(room))));
    EXPECT_EQ(Chart()->LeftMargin(),
              static_cast<int>(std::ceil(metrics.horizontalAdvance("MM"))) + axes[1]->offset());
    EXPECT_EQ(axes[1]->labelColor(), QColor(YAxisColors[2]));
    EXPECT_EQ(axes[1]->label(), YAxisCaption(2));
}

TEST_F(MeasurementViewTest, ABatchWithoutReadingsHasAnEmptyTableAndChart) {
    Show(Write("Empty", V2L, L1));
    EXPECT_EQ(Table()->rowCount(), 0);
    EXPECT_EQ(Chart()->MarkerBase(), 1);
    EXPECT_EQ(Chart()->graph(0)->dataCount(), 0);
    const QFontMetricsF metrics(RunChartFont());
    EXPECT_EQ(Chart()->LeftMargin(), static_cast<int>(std::ceil(metrics.horizontalAdvance("MM"))));
}

TEST_F(MeasurementViewTest, QuantityChangesAreSavedAndResortTheReadings) {
    const QString path = Write("Sort", V2L, L1, {{300, Rpm10, 25}, {100, Rpm10, 35}, {200, Rpm10, 30}}, "0");
    Show(path);
    EXPECT_EQ(Cell(0, 2), FormatViscosity(300));
    M()->ComboBoxXAxis()->setCurrentIndex(1); // viscosity
    EXPECT_EQ(Cell(0, 2), FormatViscosity(100));
    EXPECT_EQ(Cell(2, 2), FormatViscosity(300));
    auto saved = Read(path);
    EXPECT_EQ(saved->SelectedXAxis, 1);
    EXPECT_DOUBLE_EQ(saved->Measurements.Items(0)->Viscosity, 100);
    EXPECT_EQ(Chart()->xAxis->label(), XAxisCaption(1));

    M()->CheckedComboYAxis()->SetChecked(2, true);
    EXPECT_EQ(Read(path)->SelectedYAxis, "0,2");
    EXPECT_EQ(Chart()->MarkerBase(), 2);
    M()->CheckedComboYAxis()->SetChecked(0, false);
    M()->CheckedComboYAxis()->SetChecked(2, false);
    EXPECT_EQ(Read(path)->SelectedYAxis, "");
    EXPECT_EQ(Chart()->MarkerBase(), 0);
    EXPECT_EQ(Chart()->graphCount(), 0);
}

TEST_F(MeasurementViewTest, ADamagedYAxisListSkipsItsBadEntries) {
    Show(Write("Damaged", V2L, L1, {{100}}, "0,x,,2,99"));
    EXPECT_TRUE(Dialogs.Log.empty());
    EXPECT_TRUE(M()->CheckedComboYAxis()->Checked(0));
    EXPECT_FALSE(M()->CheckedComboYAxis()->Checked(1));
    EXPECT_TRUE(M()->CheckedComboYAxis()->Checked(2));
    EXPECT_EQ(Chart()->MarkerBase(), 2);
}

TEST_F(MeasurementViewTest, DraggingZoomsEveryAxisAndResetZoomReturns) {
    std::vector<Reading> readings;
    for (int i = 0; i < 50; ++i)
        readings.push_back({100.0 + 10 * i, Rpm10, 20.0 + i * 0.5});
    Show(Write("Zoom", V2L, L1, readings, "0,2"));
    TChartMeasurements* chart = Chart();
    chart->replot();
    QList<QCPAxis*> axes{chart->xAxis};
    axes << chart->LineAxes();
    QList<QCPRange> before;
    for (QCPAxis* axis : axes)
        before << axis->range();

    const QRect plot = chart->axisRect()->rect();
    const QPoint from = plot.topLeft() + QPoint(plot.width() / 4, plot.height() / 4);
    const QPoint to = plot.topLeft() + QPoint(plot.width() / 2, plot.height() / 2);
    // The ranges each axis should get: the values at the rectangle's corners.
    QList<QCPRange> expected;
    for (QCPAxis* axis : axes) {
        const bool h = axis->orientation() == Qt::Horizontal;
        expected << QCPRange(axis->pixelToCoord(h ? from.x() : to.y()),
                             axis->pixelToCoord(h ? to.x() : from.y()));
    }
    QTest::mousePress(chart, Qt::LeftButton, {}, from);
    QMouseEvent move(QEvent::MouseMove, QPointF(to), chart->mapToGlobal(QPointF(to)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(chart, &move);
    QTest::mouseRelease(chart, Qt::LeftButton, {}, to);
    EXPECT_EQ(chart->MouseDown, from);
    EXPECT_EQ(chart->MouseUp, to);
    for (int i = 0; i < axes.size(); ++i) {
        // Within two pixels: the rectangle's corners are whole pixels.
        const int pixels = axes[i]->orientation() == Qt::Horizontal ? to.x() - from.x() : to.y() - from.y();
        const double tolerance = 2.0 * expected[i].size() / pixels;
        EXPECT_NEAR(axes[i]->range().lower, expected[i].lower, tolerance) << i;
        EXPECT_NEAR(axes[i]->range().upper, expected[i].upper, tolerance) << i;
        EXPECT_LT(axes[i]->range().size(), before[i].size() * 0.6) << i;
    }

    // A right-drag scrolls every axis by the distance dragged.
    const QCPRange zoomedX = chart->xAxis->range();
    const double shift = chart->xAxis->pixelToCoord(from.x()) - chart->xAxis->pixelToCoord(to.x());
    QTest::mousePress(chart, Qt::RightButton, {}, to);
    QMouseEvent drag(QEvent::MouseMove, QPointF(from), chart->mapToGlobal(QPointF(from)), Qt::NoButton,
                     Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(chart, &drag);
    QTest::mouseRelease(chart, Qt::RightButton, {}, from);
    EXPECT_NEAR(chart->xAxis->range().lower, zoomedX.lower - shift, zoomedX.size() * 1e-6);

    M()->ActionResetZoom()->trigger();
    for (int i = 0; i < axes.size(); ++i) {
        EXPECT_DOUBLE_EQ(axes[i]->range().lower, before[i].lower) << i;
        EXPECT_DOUBLE_EQ(axes[i]->range().upper, before[i].upper) << i;
    }
}

TEST_F(MeasurementViewTest, PaneLayoutFollowsTheTogglesAndTheStoredWidth) {
    Settings.Item("MeasurementWindowWidth").SetInteger(300);
    Show(Write("Panes", V2L, L1, {{100}}));
    QApplication::processEvents();
    EXPECT_TRUE(M()->PanelMeasurements()->isVisible());
    EXPECT_TRUE(M()->PanelChart()->isVisible());
    EXPECT_EQ(M()->PanelMeasurements()->width(), 300);
    for (const char* name : {"LabelZoomHint", "LabelScrollHint"}) {
        auto* hint = M()->findChild<QLabel*>(name);
        ASSERT_NE(hint, nullptr);
        EXPECT_TRUE(hint->isVisible());
        EXPECT_EQ(hint->palette().color(QPalette::WindowText), QColor(0, 0x80, 0));
    }
    EXPECT_EQ(M()->findChild<QLabel*>("LabelZoomHint")->text(),
              "Left click and drag to zoom into a specfic area.");

    M()->ActionReadings()->trigger();
    M()->ActionChart()->trigger();
    EXPECT_FALSE(Settings.Item("ReadingsVisible").GetBoolean());
    EXPECT_FALSE(Settings.Item("ChartVisible").GetBoolean());
    EXPECT_FALSE(M()->PanelMeasurements()->isVisible());
    EXPECT_FALSE(M()->PanelChart()->isVisible());
    M()->ActionChart()->trigger();
    QApplication::processEvents();
    EXPECT_TRUE(M()->PanelChart()->isVisible());
    EXPECT_EQ(M()->PanelChart()->width(), M()->SplitterMeasurements()->width());

    // A narrow view: the readings pane leaves 32 pixels.
    M()->ActionReadings()->trigger();
    Settings.Item("MeasurementWindowWidth").SetInteger(5000);
    M()->ApplyLayout();
    EXPECT_EQ(M()->PanelMeasurements()->width(), M()->width() - 32);

    // Moving the splitter stores the width.
    View->resize(1100, 640);
    QApplication::processEvents();
    M()->ApplyLayout();
    QSplitter* splitter = M()->SplitterMeasurements();
    emit splitter->splitterMoved(M()->PanelMeasurements()->width(), 1);
    EXPECT_EQ(Settings.Item("MeasurementWindowWidth").GetInteger(), M()->PanelMeasurements()->width());
}
