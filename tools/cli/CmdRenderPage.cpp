// bramblex-cli render-page TEMPLATE.epr INDEX OUT.png [--batch BATCH.epb] [--dpi N]:
// draws one page of a report template into a PNG, as the output code draws pages.

#include "CliCommand.h"
#include "catalogue/Catalogue.h"
#include "charts/QCustomPlotChartPainter.h"
#include "core/Error.h"
#include "documents/BatchItem.h"
#include "platform/AtomicFile.h"
#include "reports/Page.h"
#include "reports/Report.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>

namespace {

int Run(const QStringList& args) {
    QStringList positional;
    QString batchPath;
    int dpi = 96;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--batch") && i + 1 < args.size()) {
            batchPath = args[++i];
        } else if (a == QLatin1String("--dpi") && i + 1 < args.size()) {
            bool ok = false;
            dpi = args[++i].toInt(&ok);
            if (!ok || dpi < 1 || dpi > 2400) {
                CliErr(Tr("render-page: --dpi takes a whole number from 1 to 2400"));
                return 2;
            }
        } else {
            positional << a;
        }
    }
    if (positional.size() != 3) {
        CliErr(
            Tr("usage: bramblex-cli render-page TEMPLATE.epr INDEX OUT.png [--batch BATCH.epb] [--dpi N]"));
        return 2;
    }
    bool ok = false;
    const int index = positional[1].toInt(&ok);
    TReport report;
    report.LoadFromFile(positional[0]);
    CliWarnDamaged(report.LoadWarning);
    if (!ok || index < 0 || index >= report.PageCount()) {
        CliErr(Tr("render-page: the report has %1 pages; INDEX counts from 0").arg(report.PageCount()));
        return 1;
    }
    report.RenumberPages();
    TPage& page = *report.Page(index);
    // Only inner pages carry a real batch; the others keep the example data.
    if (!batchPath.isEmpty() && page.PageType() == PageTypeInner) {
        page.Batch.LoadFromFile(batchPath);
        CliWarnDamaged(page.Batch.LoadWarning);
    }

    const auto width = RoundHalfUp(page.PageWidth() / 25.4 * dpi);
    const auto height = RoundHalfUp(page.PageHeight() / 25.4 * dpi);
    if (width < 1 || height < 1 || width > 32767 || height > 32767) {
        CliErr(Tr("render-page: a page of %1 x %2 pixels cannot be drawn").arg(width).arg(height));
        return 1;
    }
    QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    TQCustomPlotChartPainter charts;
    {
        QPainter painter(&image);
        page.Canvas = &painter;
        page.ChartPainter = &charts;
        page.OutputRect = {0, 0, image.width(), image.height()};
        page.Draw();
        page.Canvas = nullptr;
        page.ChartPainter = nullptr;
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        throw EBramblexError(Tr("Cannot encode the page as PNG"));
    WriteFileAtomically(positional[2], png);
    return 0;
}

static CliRegistrar reg{
    {"render-page", "TEMPLATE.epr INDEX OUT.png [--batch BATCH.epb] [--dpi N]",
     QT_TRANSLATE_NOOP(
         "Bramblex",
         "draw page INDEX (from 0) of a report template into a PNG, inner pages bound to the batch"),
     Run}};

} // namespace
