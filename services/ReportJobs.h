#pragma once

// Report output as every front end does it (the report preview, bramblex-cli report,
// the automation service): templates and batches read from files, composed into an
// output document, paginated, and written as PDF, JPEG files, a clipboard picture or
// page thumbnails. Printing is in ReportPrinting.h, mail in ReportMail.h.
//
// Whoever calls passes in what draws the charts (a TChartPainter, from charts/; without
// one a chart item only marks its place) and a TJobProgress that hears of every page
// and may stop the work. All of it runs on the thread that owns the report, which must
// be the GUI thread when charts are drawn (QCustomPlot is a widget).
//
// Failures raise EBramblexError (EFileError for files) with the operator's message and,
// on a line of its own, the system's reason.

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class QPainter;
class QRect;
class TBatchItem;
class TChartPainter;
class TJobProgress;
class TPage;
class TReport;

// ---------------------------------------------------------------------------
// Inputs

// A report template from its ".epr" file, Name set from the file name. Raises
// "Cannot read the report template "%1"." with the reason (the system's, or the
// reader's such as "Class X not found") on the next line. A damaged file gives what
// could be read, with LoadWarning saying so.
std::unique_ptr<TReport> ReadReportTemplate(const QString& path);
// A batch from its ".epb" file. Raises "Cannot read the batch "%1"." with the reason.
// A damaged file gives what could be read, with LoadWarning saying so.
std::unique_ptr<TBatchItem> ReadBatchFile(const QString& path);

// ---------------------------------------------------------------------------
// Composition

// The output document of the report preview: for each template in the order given,
// its opening pages, then its inner pages once for every batch in the order given
// (each copy showing that batch), then its closing pages; paginated, named name (the
// preview passes its "SelectedReports" text) and numbered 1 to n.
std::unique_ptr<TReport> ComposePreview(const std::vector<const TReport*>& templates,
                                        const std::vector<const TBatchItem*>& batches, const QString& name);

// ---------------------------------------------------------------------------
// Drawing one page

// Draws page onto canvas with the paper mapped onto outputRect, charts drawn by charts
// (may be null). The page's drawing target is cleared again afterwards, also when the
// drawing raises.
void DrawPageOn(TPage& page, QPainter& canvas, const QRect& outputRect, TChartPainter* charts);

// The page's size in PDF points (1/72 inch) as PDF and JPEG output use it: the current
// printer's paper in the page's orientation for "PaperSize" "Default", otherwise the
// page's own width and height. Raises "Page %1 has no size: its width and height must
// be above 0." for a page without area.
QSize PagePointSize(const TPage& page);

// ---------------------------------------------------------------------------
// PDF

struct TPdfOptions {
    QString Title;                 // document title ("Bramblex Report" from the windows)
    bool OpenAfterWriting = false; // open the written file in the desktop's viewer
    // Batch files the report was made from. The document's metadata names each with the
    // SHA-256 of its bytes, so a report can be traced to its data.
    QStringList BatchFiles;
    // Carry the batch files inside the PDF as attachments.
    bool AttachBatches = false;
};

// Writes every page to one PDF file, page sizes as PagePointSize, title and creator
// "Korvane Bramblex" in the document information, keywords, batches and program version
// in its XMP metadata. The file is replaced only when the whole document was written:
// a failure or a stop leaves an earlier file as it was. Renumbers the pages first.
// Returns false when progress asked to stop (nothing written). The viewer is started
// only after a complete write; when it cannot start, raises "The PDF file "%1" was
// written, but could not be opened." with the reason.
bool SaveAsPdf(TReport& report, const QString& fileName, const TPdfOptions& options, TChartPainter* charts,
               TJobProgress& progress);
// The XMP packet SaveAsPdf stores (complete: Qt's own packet is replaced by it).
QByteArray ReportXmpMetadata(const QString& title, const QStringList& batchFiles);
// The program version the metadata names.
QString ProgramVersion();

// ---------------------------------------------------------------------------
// JPEG

// Writes one JPEG file per page, "%s_%d.jpg" of baseName and the 1-based page number,
// 1024 pixels on the longer side, quality 90, each file replaced whole. fileNames is
// cleared and lists every file written, also when a later page fails (the error then
// propagates) or progress stops the work (returns false).
bool SaveAsJpeg(TReport& report, const QString& baseName, QStringList& fileNames, TChartPainter* charts,
                TJobProgress& progress);
// The page as the JPEG output draws it, before encoding.
QImage RenderPageForJpeg(TPage& page, TChartPainter* charts);

// ---------------------------------------------------------------------------
// Thumbnails

enum : int { ThumbnailHighQuality = 0, ThumbnailNormalQuality = 1, ThumbnailNone = 2 };

// Draws the page into image (24-bit colour) and mask, both of the same size (64 x 64
// in the report windows): the page drawn 4 times larger, then averaged over 4 x 4
// blocks (quality 0) or stretched (1), centred, framed in black; the mask black where
// the page is and background around it. Quality 2 leaves a blank thumbnail. background
// is the window colour behind the thumbnail.
void DrawPageThumbnail(TPage& page, int quality, QImage& image, QImage& mask, TChartPainter* charts,
                       const QColor& background);

// ---------------------------------------------------------------------------
// The page as a picture (the clipboard's)

struct TPagePicture {
    QByteArray Svg; // vector picture, sized in whole millimetres
    QImage Png;     // the same page rendered at the screen's resolution
    QSizeF SizeMM;  // "PageWidth" x "PageHeight" rounded to whole millimetres
};

// Page index of report as a vector picture and a rendering. Renumbers the pages first.
// Raises "List index out of bounds (%1)" for an index outside the report.
TPagePicture RenderPagePicture(TReport& report, int index, TChartPainter* charts);
// Puts page index on the clipboard as that picture (SVG and image).
void CopyPageToClipboard(TReport& report, int index, TChartPainter* charts);
