// The page designer on an A4 inner page of 50 items (40 memos with fields, shapes, a
// picture, a readings table and a run chart) at "Page Width" in a 1920-pixel-wide
// dialog. Goals: under 16 ms from a mouse move to the repainted page while an item
// is dragged; under 300 ms to open the dialog on the page.

#include "bench/support/QuietDialogs.h"
#include "catalogue/Catalogue.h"
#include "charts/QCustomPlotChartPainter.h"
#include "documents/Settings.h"
#include "reports/Page.h"
#include "reports/PageItemChartRun.h"
#include "reports/PageItemGraphic.h"
#include "reports/PageItemMemo.h"
#include "reports/PageItemReadings.h"
#include "reports/PageItemShape.h"
#include "reports/Report.h"
#include "storage/FileItem.h"
#include "tests/support/PlaceItem.h"
#include "ui/FormPageDesign.h"
#include "ui/PageDesigner.h"
#include "ui/PageEditor.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// The busy page, written as the only page of a report file.
class TBusyReport {
public:
    TBusyReport() {
        TReport report;
        TPage& page = *report.AddPage();
        page.Property("PaperSize").SetInteger(4);
        page.Property("PageOrientation").SetInteger(PageOrientationPortrait);
        page.Property("PageType").SetInteger(PageTypeInner);
        Place<TPageItemShape>(page, 5, 5, 200, 287)->Property("FillStyle").SetStyle(1);
        for (int i = 0; i < 40; ++i) {
            TPageItem* memo = Place<TPageItemMemo>(page, 10 + (i % 4) * 48.0, 10 + (i / 4) * 12.5, 45, 11);
            memo->Property("WordWrap").SetBoolean(true);
            memo->Property("Text").SetString(
                i % 2 ? QStringLiteral("Company: [Company]\r\nOperator: [Operator]")
                      : QStringLiteral("Batch [BatchID], model [ModelType]"));
        }
        for (int i = 0; i < 5; ++i) {
            TPageItem* rule = Place<TPageItemShape>(page, 10, 138 + i * 0.5, 190, 0.3);
            rule->Property("Shape").SetInteger(1);
        }
        Place<TPageItemShape>(page, 135, 260, 65, 25)->Property("FillColor").SetInteger(0xE0F0FF);
        TPageItem* graphic = Place<TPageItemGraphic>(page, 135, 215, 65, 40);
        QImage picture(400, 300, QImage::Format_RGB32);
        picture.fill(QColor(0x40, 0x80, 0xC0));
        QPainter painter(&picture);
        painter.fillRect(50, 50, 300, 200, Qt::yellow);
        painter.end();
        TKorvGraphic korv;
        korv.LoadFromImage(picture);
        graphic->Property("Graphic").SetGraphic(korv);
        Place<TPageItemReadings>(page, 10, 141, 190, 70)->Property("RowsPerPage").SetInteger(15);
        Place<TPageItemChartRun>(page, 10, 215, 120, 70);
        Path = Dir.filePath(QStringLiteral("Busy.epr"));
        report.SaveToFile(Path);
        File.FilePath = Path;
        File.FileType = FileTypeReport;
        File.Load();
        ItemCount = report.Page(0)->ItemCount();
    }

    QTemporaryDir Dir;
    QString Path;
    TFileItem File;
    int ItemCount = 0;
};

// The chart painter the program's windows share.
TQCustomPlotChartPainter& Charts() {
    static TQCustomPlotChartPainter charts;
    return charts;
}

TBusyReport& Busy() {
    static TBusyReport report;
    return report;
}

void Send(QWidget* widget, QEvent::Type type, const QPoint& point, Qt::MouseButton button,
          Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(point), QPointF(widget->mapToGlobal(point)), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void OpenOn(TFormPageDesign& dialog) {
    dialog.resize(1920, 1080);
    dialog.Load(Busy().File, 0);
    dialog.show();
    QApplication::processEvents(); // lays out, sizes the page and paints it
}

// Opening: a new dialog, the page loaded, shown and painted.
void BM_OpenDialog(benchmark::State& state) {
    TSettings settings;
    TQuietDialogs dialogs;
    TPageDesignChoices choices;
    for (auto _ : state) {
        TFormPageDesign dialog(settings, dialogs, choices, &Charts());
        OpenOn(dialog);
        if (dialog.Editor()->LastPaintArea() == 0)
            state.SkipWithError("the page was not painted");
        state.PauseTiming();
        dialog.hide();
        state.ResumeTiming();
    }
    state.counters["items"] = Busy().ItemCount;
}
BENCHMARK(BM_OpenDialog)->Unit(benchmark::kMillisecond)->Iterations(10);

// Reopening the one dialog the report list keeps, as its Edit command does.
void BM_ReopenDialog(benchmark::State& state) {
    TSettings settings;
    TQuietDialogs dialogs;
    TPageDesignChoices choices;
    TFormPageDesign dialog(settings, dialogs, choices, &Charts());
    OpenOn(dialog);
    dialog.reject();
    for (auto _ : state) {
        OpenOn(dialog);
        state.PauseTiming();
        dialog.reject();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ReopenDialog)->Unit(benchmark::kMillisecond)->Iterations(20);

// A mouse move while an item is dragged, until the page is repainted. The argument is
// the item dragged: 1 a memo, 48 the table, 49 the chart.
void BM_DragItem(benchmark::State& state) {
    TSettings settings;
    TQuietDialogs dialogs;
    TPageDesignChoices choices;
    TFormPageDesign dialog(settings, dialogs, choices, &Charts());
    OpenOn(dialog);
    TPageEditor* editor = dialog.Editor();
    TPageItem* item = editor->Page().Item(static_cast<int>(state.range(0)));
    const QPoint start = item->DeviceRect().ToQRect().center();
    dialog.Designer()->ensureVisible(start.x(), start.y(), 200, 200);
    QApplication::processEvents();
    Send(editor, QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    Send(editor, QEvent::MouseMove, start + QPoint(10, 10), Qt::NoButton, Qt::LeftButton);
    QApplication::processEvents();

    double paintMs = 0.0;
    qint64 area = 0;
    int step = 0;
    for (auto _ : state) {
        ++step;
        const QPoint to = start + QPoint(10 + step % 40, 10 + (step * 7) % 30);
        Send(editor, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
        QApplication::processEvents();
        paintMs += editor->LastPaintMs();
        area += editor->LastPaintArea();
    }
    Send(editor, QEvent::MouseButtonRelease, start, Qt::LeftButton, Qt::NoButton);
    state.counters["paint_ms"] = benchmark::Counter(paintMs, benchmark::Counter::kAvgIterations);
    state.counters["painted_px"] =
        benchmark::Counter(static_cast<double>(area), benchmark::Counter::kAvgIterations);
    state.counters["editor_w"] = editor->width();
    state.counters["editor_h"] = editor->height();
    state.SetLabel(item->TypeName().toStdString());
}
BENCHMARK(BM_DragItem)->Arg(1)->Arg(48)->Arg(49)->Unit(benchmark::kMillisecond);

// For comparison: the whole page drawn again (what every move would cost without
// the cached layer).
void BM_FullRepaint(benchmark::State& state) {
    TSettings settings;
    TQuietDialogs dialogs;
    TPageDesignChoices choices;
    TFormPageDesign dialog(settings, dialogs, choices, &Charts());
    OpenOn(dialog);
    TPageEditor* editor = dialog.Editor();
    for (auto _ : state) {
        editor->Refresh();
        editor->repaint();
    }
    state.counters["paint_ms"] = editor->LastPaintMs();
}
BENCHMARK(BM_FullRepaint)->Unit(benchmark::kMillisecond);

} // namespace
