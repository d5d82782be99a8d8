#pragma once

// Printing reports on the system's printers (CUPS), as the report preview, bramblex-cli
// report --print and the automation service do it.
//
// The job starts from the operator's choices (the print dialog's printer, paper and
// orientation, else the printer's own) and the first printed page replaces paper and
// orientation only where it names its own: a standard size, its own size for "Custom"
// (a custom paper named "Bramblex"); "Default" keeps the chosen paper. That paper serves
// the whole job. Each following page switches the orientation to its own unless it
// says "Default", which keeps what is in force. Pages are drawn from the edge of the
// paper. The choices go into the report's SavedPrinterSettings and serve later jobs
// that bring none; they reach the job only, never the printer's own settings. A print
// to file is the same job written as a PDF file instead of going to a printer. A job
// that fails or is stopped part-way is thrown away whole: nothing is printed and no
// file is written.

#include <QPageSize>
#include <QString>

#include <cstdint>

class TChartPainter;
class TJobProgress;
class TPrinterJob;
class TReport;
struct TPrintSettings;

// Prints every page as one job titled title. chosen: the print dialog's choices, or
// null for those saved with the report (else the current printer's defaults). Returns
// false when progress stopped the job (nothing printed). Raises "No printer is
// installed." without printers; a drawing or print system failure propagates after
// the job was thrown away.
bool Print(TReport& report, const QString& title, const TPrintSettings* chosen, TChartPainter* charts,
           TJobProgress& progress);
// Prints page index alone. Raises "Page does not exist" for an index outside the report.
bool PrintPage(TReport& report, const QString& title, int index, const TPrintSettings* chosen,
               TChartPainter* charts, TJobProgress& progress);

// Sets job up for a report whose first printed page has these properties: keeps the
// choices in the report's SavedPrinterSettings, selects the printer with them, then
// the page's paper (unless "Default") and orientation (unless 0). Sizes in
// micrometres.
void PreparePrinter(TReport& report, TPrinterJob& job, const TPrintSettings* chosen, int orientation,
                    int paperSize, std::int64_t widthUm, std::int64_t heightUm);
// Ends the page and starts the next in orientation (0 keeps what is in force).
void StartNewPage(TPrinterJob& job, int orientation);
// The paper of a "PaperSize" (0 custom, from the sizes; 1 the printer's: invalid).
QPageSize JobPaper(int paperSize, std::int64_t widthUm, std::int64_t heightUm);
