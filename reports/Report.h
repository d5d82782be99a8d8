#pragma once

// A report: an ordered list of pages with a name and a read-only flag. Stored as a
// ".epr" file; the same class is the output document that output operations draw.

#include "documents/DamagedSource.h"
#include "documents/DocumentObject.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <vector>

class TGmXmlNodeList;
class TPage;
class TPictureBudget;
struct TGmXmlLoadResult;

class TReport : public TDocumentObject {
public:
    TReport();
    ~TReport() override;

    QString Name; // file name without folder and extension; not stored in the file
    bool ReadOnly = false;
    // The printer's settings as captured when a print job is prepared (opaque to the
    // report; empty until the first print). Not stored in the file.
    QByteArray SavedPrinterSettings;
    // Set by LoadFromFile, not stored: empty when the file was read whole; otherwise
    // it was cut off or damaged, only its sound part was read, and this says how far.
    QString LoadWarning;
    bool Damaged() const { return !LoadWarning.isEmpty(); }
    // The file LoadWarning speaks of, which SaveToFile never writes over.
    TDamagedSource DamagedSource;

    void Clear();
    // New pages have the defaults of a new TPage.
    TPage* AddPage();
    TPage* InsertPage(int index); // 0 to PageCount; raises "List index out of bounds (%1)"
    void DeletePage(int index);
    // Moves a page to another position (the report list keeps pages grouped by type).
    void MovePage(int from, int to);
    TPage* Page(int index) const; // raises "List index out of bounds (%1)"
    int PageCount() const { return static_cast<int>(m_pages.size()); }
    int IndexOfPage(const TPage* page) const; // -1 when not in this report

    // Copies name, flag and pages; a source that is not a report changes nothing.
    void Assign(const TDocumentObject& source) override;

    // File errors of the XML layer propagate (EFileError). Both set Name from path.
    // An unknown item type raises "Class %1 not found" and keeps what was read (in a
    // damaged file LoadWarning says so instead); so do pictures that together need
    // more than MaxDocumentPictureBytes ("Cannot open file "%1". The pictures of the
    // document need more than 256 MB.").
    void LoadFromFile(const QString& path);
    // What LoadFromFile does after reading path's document: sets LoadWarning when the
    // load found it damaged. For loaders that read the file's bytes themselves.
    void NoteDamage(const QString& path, const TGmXmlLoadResult& read);
    // A damaged report (LoadWarning) is not written over the file it was read from
    // (EFileError, with TDamagedSource::RefusalMessage).
    void SaveToFile(const QString& path);
    // The report's elements: LoadFromXml reads the "Report" element of nodes,
    // SaveToXml adds one.
    void LoadFromXml(const TGmXmlNodeList& nodes);
    // The same with the pictures of every page unpacking within budget.
    void LoadFromXml(const TGmXmlNodeList& nodes, TPictureBudget& budget);
    void SaveToXml(TGmXmlNodeList& nodes) const;

    // PageNumber of page i := i + 1.
    void RenumberPages();
    // Expands every page whose items are not done over copies that show the next
    // blocks of readings. Page numbers are left alone.
    void Paginate();

private:
    std::vector<std::unique_ptr<TPage>> m_pages;
};
