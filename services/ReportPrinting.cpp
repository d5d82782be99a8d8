#include "services/ReportPrinting.h"

#include "catalogue/Catalogue.h"
#include "core/Error.h"
#include "platform/PrintJob.h"
#include "reports/Page.h"
#include "reports/Report.h"
#include "services/JobProgress.h"
#include "services/ReportJobs.h"

#include <QPainter>

#include <algorithm>

namespace {

// Prints pages first to last (inclusive) of report as one job.
bool PrintPages(TReport& report, const QString& title, int first, int last, const TPrintSettings* chosen,
                TChartPainter* charts, TJobProgress& progress) {
    const int count = last - first + 1;
    if (!progress.Step(0, count))
        return false;
    TPrinterJob job;
    const TPage& firstPage = *report.Page(first);
    PreparePrinter(report, job, chosen, firstPage.PageOrientation(), firstPage.PaperSize(),
                   RoundHalfUp(firstPage.PageWidth() * 1000), RoundHalfUp(firstPage.PageHeight() * 1000));
    report.RenumberPages();
    job.Begin(title);
    try {
        for (int i = first; i <= last; ++i) {
            TPage& page = *report.Page(i);
            const TPrintableArea area = job.Area();
            const double pxX = area.WidthMM > 0 ? area.WidthPixels / area.WidthMM : 0.0;
            const double pxY = area.HeightMM > 0 ? area.HeightPixels / area.HeightMM : 0.0;
            const auto w = static_cast<int>(RoundHalfUp(page.PageWidth() * pxX));
            const auto h = static_cast<int>(RoundHalfUp(page.PageHeight() * pxY));
            // Negative offsets: page coordinates count from the paper's edge.
            DrawPageOn(page, job.Canvas(), QRect(-area.OffsetX, -area.OffsetY, w, h), charts);
            if (!progress.Step(i - first + 1, count)) {
                job.Abort();
                return false;
            }
            if (i < last)
                StartNewPage(job, report.Page(i + 1)->PageOrientation());
        }
        job.End();
    } catch (...) {
        job.Abort();
        throw;
    }
    return true;
}

} // namespace

QPageSize JobPaper(int paperSize, std::int64_t widthUm, std::int64_t heightUm) {
    switch (paperSize) {
    case 0: {
        if (widthUm <= 0 || heightUm <= 0)
            return {};
        // Paper is described upright; the orientation turns it.
        const QSizeF mm(std::min(widthUm, heightUm) / 1000.0, std::max(widthUm, heightUm) / 1000.0);
        return QPageSize(mm, QPageSize::Millimeter, QStringLiteral("Bramblex"), QPageSize::ExactMatch);
    }
    case 2:
        return QPageSize(QPageSize::A2);
    case 3:
        return QPageSize(QPageSize::A3);
    case 4:
        return QPageSize(QPageSize::A4);
    case 5:
        return QPageSize(QPageSize::A5);
    case 6:
        return QPageSize(QPageSize::Executive);
    case 7:
        return QPageSize(QPageSize::Legal);
    case 8:
        return QPageSize(QPageSize::Letter);
    case 9:
        return QPageSize(QPageSize::Tabloid);
    default:
        return {}; // "Default": the printer's paper
    }
}

void PreparePrinter(TReport& report, TPrinterJob& job, const TPrintSettings* chosen, int orientation,
                    int paperSize, std::int64_t widthUm, std::int64_t heightUm) {
    const TPrintSettings settings = chosen ? *chosen : TPrintSettings::Load(report.SavedPrinterSettings);
    job.Select(settings);
    report.SavedPrinterSettings = settings.Save();
    job.SetPaper(JobPaper(paperSize, widthUm, heightUm));
    job.SetOrientation(orientation);
}

void StartNewPage(TPrinterJob& job, int orientation) {
    job.NewPage(orientation);
}

bool Print(TReport& report, const QString& title, const TPrintSettings* chosen, TChartPainter* charts,
           TJobProgress& progress) {
    if (report.PageCount() == 0)
        return true; // nothing to print, not even a blank sheet
    return PrintPages(report, title, 0, report.PageCount() - 1, chosen, charts, progress);
}

bool PrintPage(TReport& report, const QString& title, int index, const TPrintSettings* chosen,
               TChartPainter* charts, TJobProgress& progress) {
    if (index < 0 || index >= report.PageCount())
        throw EBramblexError(Tr("Page does not exist"));
    return PrintPages(report, title, index, index, chosen, charts, progress);
}
