#pragma once

// A report page: a sheet of paper in millimetres with positioned items, the batch
// whose data the items show, and the mapping onto whatever device it is drawn on.

#include "documents/BatchItem.h"
#include "documents/DocumentObject.h"
#include "properties/Properties.h"
#include "reports/PageItem.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

class QPainter;
class TChartPainter;
class TGmXmlNodeList;

// "PageType" values.
enum : int { PageTypeOpening = 0, PageTypeInner = 1, PageTypeClosing = 2 };
// "PageOrientation" values; EffectiveOrientation gives only the last two.
enum : int { PageOrientationDefault = 0, PageOrientationPortrait = 1, PageOrientationLandscape = 2 };

QStringList PageTypeNames();        // "Opening Page", "Inner Page", "Closing Page" (localised)
QStringList PageOrientationNames(); // "Default", "Portrait", "Landscape" (localised)

// What the QC fields of an inner page show ("[QCResult]", "[QCSpecification]",
// "[QCDetails]"): the verdict of the page's batch against its folder's limit set, as
// texts, put in by whoever composes the page for a batch (the limit sets live in the
// storage tree, which report pages do not know). Empty when no limit set applies.
struct TPageQcTexts {
    QString Result;   // "PASS", "FAIL", "INCOMPLETE" (localised)
    QString LimitSet; // the limit set's name
    QString Details;  // one line per criterion, or why the limit set cannot be read
};

class TPage : public TDocumentObject {
public:
    // Properties "PageWidth", "PageHeight", "PageType", "PageOrientation",
    // "PaperSize" (in that order), the paper applied once, the example batch.
    TPage();
    // Frees the items.
    ~TPage() override;

    // Frees all items, last first; Modified := true.
    void Clear();
    int ItemCount() const { return static_cast<int>(m_items.size()); }
    TPageItem* Item(int index) const;             // raises "List index out of bounds (%1)"
    int IndexOfItem(const TPageItem* item) const; // -1 when not on this page
    // Creates an item of class T on this page (appended, owned by the page).
    template <class T> T* AddItem() { return new T(*this); }
    // Frees the item at index (it leaves the list; Modified := true).
    void DeleteItem(int index);
    // Moves an item within the drawing order (designer's front/back and list drags).
    void MoveItem(int from, int to);

    // Copies page number, batch, property values (no reactions) and the items (same
    // types, exact names and values), then ApplyPaperSize and ClearModified. A source
    // that is not a page raises "Cannot assign object to Page object".
    void Assign(const TDocumentObject& source) override;

    // Children of a "Page" element (or a clipboard document's root): "Properties"
    // unless selectedOnly, then "PageItems" with one "PageItem" per (selected) item.
    void SaveToXml(TGmXmlNodeList& nodes, bool selectedOnly) const;
    // replace: clear first (and take names as stored); otherwise loaded items keep
    // their default names when the stored ones are taken. select: existing items are
    // deselected and loaded ones selected. Ends with ApplyPaperSize. Raises
    // "Class %1 not found" for an unknown item type (items before it stay). Pictures
    // unpack within budget (the page's own when none is given): beyond it
    // EPictureBudgetError, with the items before it loaded.
    void LoadFromXml(const TGmXmlNodeList& nodes, bool replace, bool select);
    void LoadFromXml(const TGmXmlNodeList& nodes, bool replace, bool select, TPictureBudget& budget);

    // Sets width and height from "PaperSize" in the effective orientation (nothing
    // for "Custom"). Raises "Invalid Page Orientation".
    void ApplyPaperSize();
    // 1 portrait or 2 landscape; "Default" follows the current printer.
    int EffectiveOrientation() const;

    // Millimetres to device pixels through OutputRect (valid once it is set).
    int MMToDeviceX(double mm) const;
    int MMToDeviceY(double mm) const;
    TDeviceRect MMToDeviceRect(double left, double top, double width, double height) const;
    int LengthToDeviceX(double mm) const;
    double DeviceToMMX(int pixels) const;
    double DeviceToMMY(int pixels) const;
    // Vertical device resolution: (OutputRect height) / "PageHeight" * 25.4.
    double DevicePixelsPerInch() const;

    // White fill, grid when ShowGrid, every item's Draw, then every DrawSelection.
    // Does nothing without a Canvas.
    void Draw();
    void DrawGrid();
    // Draw in parts, for a designer that keeps the still part of a page in a cache
    // and paints the moving items over it: the white fill and the grid; one item as
    // Draw draws it (on a fresh painter state); the handles of the selected items.
    void DrawBackground();
    void DrawItem(TPageItem& item);
    void DrawSelections();

    void ResetItems();
    void AdvanceItems();
    bool AllItemsDone() const; // true for a page without items

    // base + "1" ... base + "999", the first no item uses; raises "Too many items,
    // please rename some." when none is free.
    QString UniqueItemName(const QString& base) const;
    int IndexOfItemName(const QString& name) const; // exact; -1 when none

    // Designer support. ItemAtPoint takes device pixels; the topmost hit wins.
    int ItemAtPoint(int x, int y) const;
    int SelectedCount() const;
    TPageItem* LastSelected() const;
    void SelectOnly(TPageItem* item); // nullptr: deselect all
    void SetSelected(TPageItem* item, bool on);
    void StoreDragOrigins();
    void SetShowGrid(bool on);
    void SetGridSize(double mm);

    bool IsModified() const;
    void ClearModified();

    // Property shortcuts.
    double PageWidth() const;
    double PageHeight() const;
    int PageType() const;
    int PageOrientation() const;
    int PaperSize() const;
    TProperty& Property(const QString& name) const { return *Properties.Find(name); }

    // Puts the fixed example data into Batch (as a new page has it).
    static void FillExampleBatch(TBatchItem& batch);

    TPropertyList Properties;
    TBatchItem Batch;
    TPageQcTexts Qc;            // copied with the batch
    QPainter* Canvas = nullptr; // not owned; set by whoever draws
    // Draws the chart items (not owned; set by whoever draws, like Canvas). Without one
    // a chart item only marks its place.
    TChartPainter* ChartPainter = nullptr;
    TDeviceRect OutputRect;
    std::int32_t PageNumber = 1;
    bool ShowGrid = false;
    double GridSize = 10.0;
    bool SnapToGrid = false;
    bool Updating = false;
    bool Modified = false;

private:
    friend class TPageItem;
    void AttachItem(TPageItem* item);
    void DetachItem(TPageItem* item);
    void ReanchorItems(double oldWidth, double oldHeight, double newWidth, double newHeight);
    void PageSizeChanged(bool width, double oldValue);
    void PaperSizeChanged(int oldValue);
    void OrientationChanged(int oldValue);
    double ScaleX() const;
    double ScaleY() const;

    std::vector<TPageItem*> m_items; // owned
    bool m_clearing = false;
};
