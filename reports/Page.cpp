#include "reports/Page.h"

#include "catalogue/Catalogue.h"
#include "core/Error.h"
#include "properties/PictureText.h"
#include "reports/PrinterPage.h"
#include "xml/GmXml.h"

#include <QDate>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Toward zero, saturating, so a degenerate page cannot overflow the device maths.
int Trunc(double x) {
    if (std::isnan(x))
        return 0;
    if (x >= std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (x <= std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(x);
}

// Restores the painter however drawing ends, so a failing item leaves it balanced.
class TPainterState {
public:
    explicit TPainterState(QPainter& painter) : m_painter(painter) { m_painter.save(); }
    ~TPainterState() { m_painter.restore(); }
    TPainterState(const TPainterState&) = delete;
    TPainterState& operator=(const TPainterState&) = delete;

private:
    QPainter& m_painter;
};

// What every item starts from: black 1-pixel solid pen, no fill, no clip.
void PrepareForItem(QPainter& canvas) {
    canvas.setPen(DevicePen(Qt::black));
    canvas.setBrush(Qt::NoBrush);
    canvas.setClipping(false);
    canvas.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

} // namespace

QStringList PageTypeNames() {
    return {Tr("Opening Page"), Tr("Inner Page"), Tr("Closing Page")};
}

QStringList PageOrientationNames() {
    return {Tr("Default"), Tr("Portrait"), Tr("Landscape")};
}

// ---------------------------------------------------------------------------
// Construction and the item list

TPage::TPage() {
    const TPrinterPage printer = CurrentPrinterPage();
    const int printerOrientation = PrinterOrientation(printer);
    TProperty* width = Properties.Add(QStringLiteral("PageWidth"), Tr("PageWidth"), ptLength);
    width->SetFloat(PageWidthMM(printer, printerOrientation));
    TProperty* height = Properties.Add(QStringLiteral("PageHeight"), Tr("PageHeight"), ptLength);
    height->SetFloat(PageHeightMM(printer, printerOrientation));
    TProperty* type = Properties.Add(QStringLiteral("PageType"), Tr("PageType"), ptChoice);
    type->Choices = PageTypeNames();
    type->SetInteger(PageTypeOpening);
    TProperty* orientation =
        Properties.Add(QStringLiteral("PageOrientation"), Tr("PageOrientation"), ptChoice);
    orientation->Choices = PageOrientationNames();
    orientation->SetInteger(PageOrientationDefault);
    TProperty* paper = Properties.Add(QStringLiteral("PaperSize"), Tr("PaperSize"), ptChoice);
    for (int i = 0; i < PaperSizeCount; ++i)
        paper->Choices << PaperName(i);
    paper->SetInteger(1);

    // Reactions are attached after the defaults so that building the page does not
    // run them; loading and copying set Loading and skip them as well.
    width->OnChange = [this](TProperty& p, const TPropertyValue& old) {
        if (!p.Loading)
            PageSizeChanged(true, ValueToFloat(old));
    };
    height->OnChange = [this](TProperty& p, const TPropertyValue& old) {
        if (!p.Loading)
            PageSizeChanged(false, ValueToFloat(old));
    };
    orientation->OnChange = [this](TProperty& p, const TPropertyValue& old) {
        if (!p.Loading)
            OrientationChanged(ValueToInteger(old));
    };
    paper->OnChange = [this](TProperty& p, const TPropertyValue& old) {
        if (!p.Loading)
            PaperSizeChanged(ValueToInteger(old));
    };

    ApplyPaperSize();
    FillExampleBatch(Batch);
}

TPage::~TPage() {
    Clear();
}

void TPage::Clear() {
    while (!m_items.empty())
        delete m_items.back(); // the destructor detaches it
    Modified = true;
}

TPageItem* TPage::Item(int index) const {
    if (index < 0 || index >= ItemCount())
        RaiseListIndexError(index);
    return m_items[static_cast<size_t>(index)];
}

int TPage::IndexOfItem(const TPageItem* item) const {
    const auto it = std::find(m_items.begin(), m_items.end(), item);
    return it == m_items.end() ? -1 : static_cast<int>(it - m_items.begin());
}

void TPage::DeleteItem(int index) {
    delete Item(index);
}

void TPage::MoveItem(int from, int to) {
    TPageItem* item = Item(from);
    if (to < 0 || to >= ItemCount())
        RaiseListIndexError(to);
    m_items.erase(m_items.begin() + from);
    m_items.insert(m_items.begin() + to, item);
    Modified = true;
}

void TPage::AttachItem(TPageItem* item) {
    m_items.push_back(item);
}

void TPage::DetachItem(TPageItem* item) {
    const auto it = std::find(m_items.begin(), m_items.end(), item);
    if (it != m_items.end())
        m_items.erase(it);
    Modified = true;
}

// ---------------------------------------------------------------------------
// Copying and XML

void TPage::Assign(const TDocumentObject& source) {
    const auto* page = dynamic_cast<const TPage*>(&source);
    if (!page)
        throw EBramblexError(Tr("Cannot assign object to Page object"));
    if (page == this)
        return;
    PageNumber = page->PageNumber;
    Batch.Assign(page->Batch);
    Qc = page->Qc;
    Properties.AssignValues(&page->Properties);
    Clear();
    for (const TPageItem* item : page->m_items) {
        TPageItem* copy = CreatePageItem(item->TypeName(), *this);
        copy->Assign(*item);
    }
    ApplyPaperSize();
    ClearModified();
}

void TPage::SaveToXml(TGmXmlNodeList& nodes, bool selectedOnly) const {
    if (!selectedOnly)
        Properties.SaveToNodes(nodes.Add("Properties")->Children());
    TGmXmlNodeList& items = nodes.Add("PageItems")->Children();
    for (const TPageItem* item : m_items) {
        if (selectedOnly && !item->Selected)
            continue;
        TGmXmlNodeList& entry = items.Add("PageItem")->Children();
        entry.Add("PageItemType")->SetText(item->TypeName());
        item->SaveToXml(entry.Add("PageItemDetails")->Children());
    }
}

void TPage::LoadFromXml(const TGmXmlNodeList& nodes, bool replace, bool select) {
    TPictureBudget budget;
    LoadFromXml(nodes, replace, select, budget);
}

void TPage::LoadFromXml(const TGmXmlNodeList& nodes, bool replace, bool select, TPictureBudget& budget) {
    if (replace)
        Clear();
    if (select) {
        for (TPageItem* item : m_items)
            item->Selected = false;
    }
    const TGmXmlNode& properties = nodes.Find("Properties");
    if (!properties.IsMissing())
        Properties.LoadFromNodes(properties.Children(), budget);
    for (const auto& entry : nodes.Find("PageItems").Children()) {
        const QString type = entry->Children().Find("PageItemType").GetText();
        TPageItem* item = CreatePageItem(type, *this);
        if (select)
            SetSelected(item, true);
        item->LoadFromXml(entry->Children().Find("PageItemDetails").Children(), !replace, budget);
    }
    ApplyPaperSize();
}

// ---------------------------------------------------------------------------
// Paper, orientation and size

int TPage::EffectiveOrientation() const {
    const int orientation = PageOrientation();
    if (orientation != PageOrientationDefault)
        return orientation;
    return PrinterOrientation(CurrentPrinterPage()) == 1 ? PageOrientationLandscape : PageOrientationPortrait;
}

void TPage::ApplyPaperSize() {
    struct TUpdatingScope {
        bool& Flag;
        ~TUpdatingScope() { Flag = false; }
    } scope{Updating};
    Updating = true;

    const int paper = PaperSize();
    // "Custom", and indexes outside the table that only a damaged file can hold, keep
    // the page's own size.
    if (paper <= 0 || paper >= PaperSizeCount)
        return;
    double w = 0.0;
    double h = 0.0;
    if (paper == 1) {
        const TPrinterPage printer = CurrentPrinterPage();
        w = PaperWidthMM(printer);
        h = PaperHeightMM(printer);
    } else {
        w = PaperSizes[static_cast<size_t>(paper)].Width / 10.0;
        h = PaperSizes[static_cast<size_t>(paper)].Height / 10.0;
    }
    const int orientation = EffectiveOrientation();
    if (orientation == PageOrientationLandscape)
        std::swap(w, h);
    else if (orientation != PageOrientationPortrait)
        throw EBramblexError(Tr("Invalid Page Orientation"));
    // An unchanged side is left alone: its reaction would move nothing, and a page
    // that only gets its own size back stays unmodified.
    TProperty& width = Property(QStringLiteral("PageWidth"));
    if (width.GetFloat() != w)
        width.SetFloat(w);
    TProperty& height = Property(QStringLiteral("PageHeight"));
    if (height.GetFloat() != h)
        height.SetFloat(h);
}

void TPage::PageSizeChanged(bool width, double oldValue) {
    const double newWidth = PageWidth();
    const double newHeight = PageHeight();
    ReanchorItems(width ? oldValue : newWidth, width ? newHeight : oldValue, newWidth, newHeight);
    if (!Updating) {
        const int paper = PaperFromSize(static_cast<int>(RoundHalfUp(newWidth * 10.0)),
                                        static_cast<int>(RoundHalfUp(newHeight * 10.0)));
        Property(QStringLiteral("PaperSize")).SetInteger(paper);
    }
}

void TPage::PaperSizeChanged(int oldValue) {
    if (PaperSize() != oldValue)
        ApplyPaperSize();
}

void TPage::OrientationChanged(int oldValue) {
    if (PageOrientation() == oldValue)
        return;
    if (PaperSize() == 0) {
        int old = oldValue;
        if (old == PageOrientationDefault)
            old = PrinterOrientation(CurrentPrinterPage()) == 1 ? PageOrientationLandscape
                                                                : PageOrientationPortrait;
        if (old != EffectiveOrientation()) {
            const double w = PageWidth();
            const double h = PageHeight();
            Property(QStringLiteral("PageWidth")).SetFloat(h);
            Property(QStringLiteral("PageHeight")).SetFloat(w);
        }
    }
    ApplyPaperSize();
}

void TPage::ReanchorItems(double oldWidth, double oldHeight, double newWidth, double newHeight) {
    for (TPageItem* item : m_items) {
        const int anchor = item->GetInteger(QStringLiteral("Anchor"));
        const double width = item->Width();
        const double height = item->Height();
        double left = item->Left();
        double top = item->Top();
        double right = left + width;
        double bottom = top + height;
        if (anchor & AnchorRight)
            right = newWidth - (oldWidth - right);
        if (!(anchor & AnchorLeft))
            left = right - width;
        if (anchor & AnchorBottom)
            bottom = newHeight - (oldHeight - bottom);
        if (!(anchor & AnchorTop))
            top = bottom - height;
        item->SetLeft(left);
        item->SetTop(top);
        item->SetWidth(right - left);
        item->SetHeight(bottom - top);
    }
}

// ---------------------------------------------------------------------------
// Device mapping

double TPage::ScaleX() const {
    const double w = PageWidth();
    return w > 0.0 ? OutputRect.Width() / w : 0.0;
}

double TPage::ScaleY() const {
    const double h = PageHeight();
    return h > 0.0 ? OutputRect.Height() / h : 0.0;
}

int TPage::MMToDeviceX(double mm) const {
    return Trunc(mm * ScaleX()) + OutputRect.Left;
}

int TPage::MMToDeviceY(double mm) const {
    return Trunc(mm * ScaleY()) + OutputRect.Top;
}

TDeviceRect TPage::MMToDeviceRect(double left, double top, double width, double height) const {
    const double sx = ScaleX();
    const double sy = ScaleY();
    return {Trunc(left * sx) + OutputRect.Left, Trunc(top * sy) + OutputRect.Top,
            Trunc((left + width) * sx) + OutputRect.Left, Trunc((top + height) * sy) + OutputRect.Top};
}

int TPage::LengthToDeviceX(double mm) const {
    return Trunc(mm * ScaleX());
}

double TPage::DeviceToMMX(int pixels) const {
    const double sx = ScaleX();
    return sx != 0.0 ? (pixels - OutputRect.Left) / sx : 0.0;
}

double TPage::DeviceToMMY(int pixels) const {
    const double sy = ScaleY();
    return sy != 0.0 ? (pixels - OutputRect.Top) / sy : 0.0;
}

double TPage::DevicePixelsPerInch() const {
    return ScaleY() * 25.4;
}

// ---------------------------------------------------------------------------
// Drawing

void TPage::Draw() {
    if (!Canvas)
        return;
    DrawBackground();
    for (TPageItem* item : m_items)
        DrawItem(*item);
    DrawSelections();
}

void TPage::DrawBackground() {
    if (!Canvas)
        return;
    InstallReportFontSubstitutes();
    TPainterState state(*Canvas);
    PrepareForItem(*Canvas);
    CanvasFillWhite(*Canvas, OutputRect);
    if (ShowGrid)
        DrawGrid();
}

void TPage::DrawItem(TPageItem& item) {
    if (!Canvas)
        return;
    InstallReportFontSubstitutes();
    TPainterState state(*Canvas);
    PrepareForItem(*Canvas);
    item.Draw();
}

void TPage::DrawSelections() {
    if (!Canvas)
        return;
    for (TPageItem* item : m_items) {
        if (!item->Selected)
            continue;
        TPainterState state(*Canvas);
        PrepareForItem(*Canvas);
        item->DrawSelection();
    }
}

void TPage::DrawGrid() {
    if (!Canvas)
        return;
    QPainter& canvas = *Canvas;
    canvas.setPen(DevicePen(QColor(0xC0, 0xC0, 0xC0)));
    CanvasFillWhite(canvas, OutputRect);
    // A spacing of zero or less would never reach the far edge.
    if (!(GridSize > 0.0))
        return;
    const double w = PageWidth();
    const double h = PageHeight();
    const int top = MMToDeviceY(0.0);
    const int bottom = MMToDeviceY(h);
    for (int k = 0; k * GridSize <= w; ++k) {
        const int x = MMToDeviceX(k * GridSize);
        CanvasLine(canvas, x, top, x, bottom);
    }
    const int left = MMToDeviceX(0.0);
    const int right = MMToDeviceX(w);
    for (int k = 0; k * GridSize <= h; ++k) {
        const int y = MMToDeviceY(k * GridSize);
        CanvasLine(canvas, left, y, right, y);
    }
}

// ---------------------------------------------------------------------------
// Pagination

void TPage::ResetItems() {
    for (TPageItem* item : m_items)
        item->ResetPagination();
}

void TPage::AdvanceItems() {
    for (TPageItem* item : m_items)
        item->Advance();
}

bool TPage::AllItemsDone() const {
    return std::all_of(m_items.begin(), m_items.end(), [](const TPageItem* item) { return item->Done; });
}

// ---------------------------------------------------------------------------
// Names

QString TPage::UniqueItemName(const QString& base) const {
    for (int i = 1; i <= 999; ++i) {
        const QString name = base + QString::number(i);
        if (IndexOfItemName(name) < 0)
            return name;
    }
    throw EBramblexError(Tr("Too many items, please rename some."));
}

int TPage::IndexOfItemName(const QString& name) const {
    for (int i = 0; i < ItemCount(); ++i) {
        if (m_items[static_cast<size_t>(i)]->Name() == name)
            return i;
    }
    return -1;
}

// ---------------------------------------------------------------------------
// Designer support

int TPage::ItemAtPoint(int x, int y) const {
    for (int i = ItemCount() - 1; i >= 0; --i) {
        if (m_items[static_cast<size_t>(i)]->HitTestHandles(x, y) != 0)
            return i;
    }
    return -1;
}

int TPage::SelectedCount() const {
    return static_cast<int>(
        std::count_if(m_items.begin(), m_items.end(), [](const TPageItem* item) { return item->Selected; }));
}

TPageItem* TPage::LastSelected() const {
    TPageItem* last = nullptr;
    for (TPageItem* item : m_items) {
        if (item->Selected && (!last || item->SelectOrder > last->SelectOrder))
            last = item;
    }
    return last;
}

void TPage::SelectOnly(TPageItem* item) {
    if (SelectedCount() > 0) {
        for (TPageItem* each : m_items)
            each->Selected = false;
    }
    if (item)
        SetSelected(item, true);
}

void TPage::SetSelected(TPageItem* item, bool on) {
    if (!item)
        return;
    item->Selected = on;
    if (on)
        item->SelectOrder = SelectedCount();
}

void TPage::StoreDragOrigins() {
    for (TPageItem* item : m_items) {
        item->DragLeft = item->Left();
        item->DragTop = item->Top();
    }
}

void TPage::SetShowGrid(bool on) {
    ShowGrid = on;
    Modified = true;
}

void TPage::SetGridSize(double mm) {
    GridSize = mm;
    Modified = true;
}

bool TPage::IsModified() const {
    if (Modified || Properties.Modified)
        return true;
    return std::any_of(m_items.begin(), m_items.end(),
                       [](const TPageItem* item) { return item->Properties.Modified; });
}

void TPage::ClearModified() {
    Modified = false;
    Properties.Modified = false;
    for (TPageItem* item : m_items)
        item->Properties.Modified = false;
}

// ---------------------------------------------------------------------------
// Shortcuts and the example batch

double TPage::PageWidth() const {
    return Property(QStringLiteral("PageWidth")).GetFloat();
}

double TPage::PageHeight() const {
    return Property(QStringLiteral("PageHeight")).GetFloat();
}

int TPage::PageType() const {
    return Property(QStringLiteral("PageType")).GetInteger();
}

int TPage::PageOrientation() const {
    return Property(QStringLiteral("PageOrientation")).GetInteger();
}

int TPage::PaperSize() const {
    return Property(QStringLiteral("PaperSize")).GetInteger();
}

void TPage::FillExampleBatch(TBatchItem& batch) {
    batch.FileTitle = Tr("Example Batch");
    batch.FolderPath = Tr("C:\\Documents and Settings\\ExampleUser\\My Documents\\My Gaugeline Data\\");
    batch.Company = QStringLiteral("Korvane Instruments");
    batch.Operator = QStringLiteral("T. Tester");
    batch.Note.clear();
    batch.Identifier.clear();
    batch.ModelType = 0;
    batch.SpindleType = 7;
    batch.SelectedXAxis = 0;
    batch.SelectedYAxis = QStringLiteral("0,1,2,3,4,5");
    batch.Processes.Clear();
    // Every page is built with the example, and composing a report of a thousand pages
    // builds pages thousands of times: the readings, the same for all, are made once
    // and shared (a page that changes its copy gets its own).
    static const TMeasurementList readings = [] {
        TMeasurementList list;
        const double day = QDate(1899, 12, 30).daysTo(QDate(2006, 1, 13));
        for (int i = 0; i < 60; ++i) {
            TMeasurementItem* m = list.Add();
            m->DateTime = day + (i * 60.0 + 4.012) / 86400.0;
            m->Viscosity = std::sin(i / 99.0) * 1000.0;
            m->Temperature = std::sin(i / 99.0) * 10.0 + 15.0;
            m->RPMCode = i / 10;
            m->SheerStress = std::cos(i / 99.0) * 5.0;
            m->SheerRate = std::cos((i - 50) / 99.0) * 2.0;
        }
        return list;
    }();
    batch.Measurements = readings;
}
