#pragma once

// Print jobs on the system's printers through Qt print support (CUPS on Linux).
//
// The choices of the print dialog travel as TPrintSettings and go to the job only:
// the printer's own defaults are never changed. Page coordinates count from the edge of
// the paper (full-page mode). A job that is not ended is aborted, and CUPS then receives
// nothing of it.

#include <QByteArray>
#include <QPageSize>
#include <QSizeF>
#include <QString>

#include <memory>

class QPainter;
class QPrinter;

// What the operator chose in the print dialog; stored with the report as its
// SavedPrinterSettings and used again by later jobs (all but the output file: a later
// job that brings no choices goes to a printer).
struct TPrintSettings {
    QString Printer; // queue name; empty: the current printer
    int Copies = 1;
    bool Collate = true;
    int Duplex = 0; // QPrinter::DuplexMode: 0 none, 1 auto, 2 long side, 3 short side
    bool Colour = true;
    // The paper and orientation the job starts from; pages that name their own replace
    // them. An invalid paper and orientation 0 keep the printer's.
    QPageSize Paper;
    int Orientation = 0; // 1 portrait, 2 landscape
    // Print to file: the job is written as a PDF document to this file instead of
    // going to a printer.
    QString OutputFile;

    // A small versioned record; Load gives the defaults for empty or damaged bytes.
    QByteArray Save() const;
    static TPrintSettings Load(const QByteArray& bytes);
    bool operator==(const TPrintSettings&) const = default;
};

// The choices a printer the print dialog set up holds (for the report windows).
TPrintSettings PrintSettingsFrom(const QPrinter& printer);

// The printable area of the current page.
struct TPrintableArea {
    int WidthPixels = 0;
    int HeightPixels = 0;
    double WidthMM = 0.0;
    double HeightMM = 0.0;
    int OffsetX = 0; // of the printable area from the paper's edge, device pixels
    int OffsetY = 0;
};

class TPrinterJob {
public:
    TPrinterJob();
    ~TPrinterJob(); // aborts a job that was begun and not ended
    TPrinterJob(const TPrinterJob&) = delete;
    TPrinterJob& operator=(const TPrinterJob&) = delete;

    // Sets the job up on the chosen printer (or the current one) with its defaults and
    // then the choices. Raises "No printer is installed." without printers and "The
    // printer "%1" is not installed." for a queue that is not there. A print to file
    // needs no printer: it starts from the current printer's paper when there is one.
    void Select(const TPrintSettings& settings);
    // The paper of the whole job; an invalid size keeps the printer's.
    void SetPaper(const QPageSize& paper);
    // 1 portrait, 2 landscape; 0 keeps the orientation in force.
    void SetOrientation(int orientation);

    // Starts the job (title is the document name). Raises "Cannot start the print job
    // on "%1"." when the printer refuses.
    void Begin(const QString& title);
    QPainter& Canvas();
    TPrintableArea Area() const;
    // Ends the page and starts the next one, first switching to orientation when it is
    // 1 or 2 (0 keeps the orientation in force).
    void NewPage(int orientation);
    // Hands the job to the print system, or writes the output file whole. Raises
    // "Cannot print on "%1"." or "Cannot write the PDF file "%1"." when that fails.
    void End();
    // Throws the job away: nothing is printed.
    void Abort();

    // The settings in force (Select's, as the printer took them).
    TPrintSettings Settings() const;
    QString PrinterName() const; // empty for a print to file
    QPageSize Paper() const;

private:
    QString Destination() const; // the queue, or the output file, for messages

    std::unique_ptr<QPrinter> m_printer; // draws the job's document (PDF)
    std::unique_ptr<QPainter> m_painter;
    QString m_queue;
    QString m_outputFile;
    QString m_title;
    QString m_documentPath;
};
