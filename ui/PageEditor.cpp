#include "ui/PageEditor.h"

#include "catalogue/Catalogue.h"
#include "core/Error.h"
#include "platform/Clipboard.h"

#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QUndoStack>

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace {

constexpr int kPageMargin = 20;
// Mouse travel before a press on a selection starts to move or resize it.
constexpr int kMoveThreshold = 5;
// Editors up to this many pixels keep the whole page in the cache; larger zooms keep
// what is shown and a border around it.
constexpr qint64 kWholeCacheLimit = 8'000'000;
constexpr int kCacheBorder = 256;

int ClampToInt(std::int64_t x) {
    return static_cast<int>(std::clamp<std::int64_t>(x, 0, std::numeric_limits<int>::max()));
}

// Keeps the page's device mapping and drawing targets as they were however drawing ends.
class TDrawTarget {
public:
    TDrawTarget(TPage& page, QPainter& painter, const TDeviceRect& rect, TChartPainter* charts)
        : m_page(page), m_rect(page.OutputRect), m_canvas(page.Canvas), m_charts(page.ChartPainter) {
        m_page.OutputRect = rect;
        m_page.Canvas = &painter;
        m_page.ChartPainter = charts;
    }
    ~TDrawTarget() {
        m_page.OutputRect = m_rect;
        m_page.Canvas = m_canvas;
        m_page.ChartPainter = m_charts;
    }
    TDrawTarget(const TDrawTarget&) = delete;
    TDrawTarget& operator=(const TDrawTarget&) = delete;

private:
    TPage& m_page;
    TDeviceRect m_rect;
    QPainter* m_canvas;
    TChartPainter* m_charts;
};

// How far an item's drawing may reach beyond its rectangle: pens are centred on
// the outline, and the handles and the placing frame sit inside.
int DrawingMargin(const TPageItem& item) {
    const int line = item.Properties.IndexOf(QStringLiteral("LineWidth")) >= 0
                         ? std::max(1, item.GetInteger(QStringLiteral("LineWidth")))
                         : 1;
    return 3 + line;
}

} // namespace

TPageEditor::TPageEditor(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PageEditor"));
    setAccessibleName(tr("Page"));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_page.ClearModified();
}

TPageEditor::~TPageEditor() = default;

void TPageEditor::SetPage(const TPage& source) {
    Raise(OnItemsReplacing);
    m_creation = TCreation::Idle;
    m_armedType.clear();
    m_created = nullptr;
    m_dragging = false;
    m_moved = false;
    m_before.reset();
    m_changeDepth = 0;
    m_pressChange = false;
    m_page.Assign(source);
    m_page.SelectOnly(nullptr);
    for (int i = 0; i < m_page.ItemCount(); ++i)
        m_page.Item(i)->Placing = false;
    m_page.ClearModified();
    Raise(OnPageSizeChanged);
    UpdatePageRect();
}

void TPageEditor::SetGrid(bool on) {
    m_page.SetShowGrid(on);
    InvalidateCache();
    update();
    Changed();
}

void TPageEditor::SetGridSpacing(double mm) {
    m_page.SetGridSize(mm);
    InvalidateCache();
    update();
    Raise(OnScaleChanged);
}

void TPageEditor::SetChartPainter(TChartPainter* painter) {
    m_chartPainter = painter;
    InvalidateCache();
    update();
}

double TPageEditor::SnapMM(double mm) const {
    return m_page.SnapToGrid ? SnapToGridMM(mm) : mm;
}

void TPageEditor::SetReadOnly(bool on) {
    m_readOnly = on;
    if (on) {
        CancelCreation();
        m_dragging = false;
        setCursor(Qt::ArrowCursor);
    }
    update();
}

// ---------------------------------------------------------------------------
// Page rectangle

TDeviceRect TPageEditor::PageRectFor(int width, int height, double pageWidth, double pageHeight) {
    const int aw = width - 2 * kPageMargin;
    const int ah = height - 2 * kPageMargin;
    int w = 0;
    int h = 0;
    if (pageWidth > 0.0 && pageHeight > 0.0) {
        const std::int64_t ph = RoundHalfUp(pageHeight * aw / pageWidth);
        const std::int64_t pw = RoundHalfUp(pageWidth * ah / pageHeight);
        if (ph < ah) {
            w = aw;
            h = ClampToInt(ph);
        } else {
            w = ClampToInt(pw);
            h = ah;
        }
    }
    w = std::max(0, w);
    h = std::max(0, h);
    return {kPageMargin, kPageMargin, kPageMargin + w, kPageMargin + h};
}

void TPageEditor::UpdatePageRect() {
    m_page.OutputRect = PageRectFor(width(), height(), m_page.PageWidth(), m_page.PageHeight());
    InvalidateCache();
    update();
    Raise(OnScaleChanged);
}

void TPageEditor::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    UpdatePageRect();
}

// ---------------------------------------------------------------------------
// Creation

void TPageEditor::ArmCreation(const QString& typeName) {
    if (m_readOnly)
        return;
    CancelCreation();
    if (m_page.SelectedCount() > 0) {
        m_page.SelectOnly(nullptr);
        Raise(OnSelectItem);
    }
    m_creation = TCreation::Armed;
    m_armedType = typeName;
    setCursor(Qt::CrossCursor);
    update();
}

void TPageEditor::CancelCreation() {
    if (m_creation == TCreation::Creating && m_created) {
        delete m_created;
        m_created = nullptr;
        InvalidateCache();
    }
    if (m_pressChange) {
        m_pressChange = false;
        EndChange(QString());
    }
    m_creation = TCreation::Idle;
    m_armedType.clear();
    setCursor(Qt::ArrowCursor);
    update();
}

// ---------------------------------------------------------------------------
// Commands

void TPageEditor::Copy() {
    if (m_page.SelectedCount() == 0)
        return;
    TfocClipboard::Instance().WriteStream(PageDocument(m_page, true),
                                          QString::fromLatin1(ReportItemClipboardFormat));
}

void TPageEditor::Cut() {
    if (m_page.SelectedCount() == 0)
        return;
    Copy();
    RemoveSelected(tr("Cut"));
}

void TPageEditor::DeleteSelected() {
    RemoveSelected(tr("Delete"));
}

void TPageEditor::RemoveSelected(const QString& text) {
    if (m_page.SelectedCount() == 0)
        return;
    BeginChange();
    Raise(OnItemsReplacing);
    DeleteSelectedItems(m_page);
    Redraw();
    EndChange(text);
    Raise(OnAddedItem);
    Raise(OnSelectItem);
}

bool TPageEditor::CanPaste() const {
    return TfocClipboard::Instance().HasFormat(QString::fromLatin1(ReportItemClipboardFormat));
}

void TPageEditor::Paste() {
    if (m_readOnly)
        return;
    QByteArray stream;
    TfocClipboard::Instance().ReadStream(stream, QString::fromLatin1(ReportItemClipboardFormat));
    if (stream.isEmpty())
        return;
    BeginChange();
    const double width = m_page.PageWidth();
    const double height = m_page.PageHeight();
    // Items read before a damaged one stay pasted; the step is recorded either way.
    auto finish = [&] {
        if (m_page.PageWidth() != width || m_page.PageHeight() != height) {
            Raise(OnPageSizeChanged);
            UpdatePageRect();
        }
        Redraw();
        EndChange(tr("Paste"));
        Raise(OnAddedItem);
        Raise(OnSelectItem);
    };
    bool pasted = false;
    try {
        pasted = PasteItems(m_page, stream);
    } catch (...) {
        finish();
        throw;
    }
    if (pasted)
        finish();
    else
        EndChange(QString()); // no page document: nothing changed, nothing recorded
}

void TPageEditor::Edit(const std::function<void()>& change, const QString& text) {
    BeginChange();
    change();
    Redraw();
    EndChange(text);
}

void TPageEditor::BringToFront() {
    if (m_page.SelectedCount() > 0)
        Edit([this] { BringSelectedToFront(m_page); }, tr("Bring to Front"));
}

void TPageEditor::SendToBack() {
    if (m_page.SelectedCount() > 0)
        Edit([this] { SendSelectedToBack(m_page); }, tr("Send to Back"));
}

void TPageEditor::MoveSelectedTo(int targetIndex, bool fromAbove) {
    if (targetIndex >= 0 && targetIndex < m_page.ItemCount())
        Edit([&] { ::MoveSelectedTo(m_page, targetIndex, fromAbove); }, tr("Reorder"));
}

void TPageEditor::Align(TAlign how) {
    if (!CurrentItem() || m_page.SelectedCount() < 2)
        return;
    static const char* const texts[] = {
        QT_TR_NOOP("Align Left"),   QT_TR_NOOP("Align Right"),          QT_TR_NOOP("Align Top"),
        QT_TR_NOOP("Align Bottom"), QT_TR_NOOP("Align Centres Across"), QT_TR_NOOP("Align Centres Down"),
        QT_TR_NOOP("Same Width"),   QT_TR_NOOP("Same Height"),
    };
    Edit([&] { AlignSelected(m_page, how); }, tr(texts[static_cast<int>(how)]));
}

void TPageEditor::MoveSelectedBy(double dx, double dy, const QString& text) {
    if (m_page.SelectedCount() > 0)
        Edit([&] { ::MoveSelectedBy(m_page, dx, dy); }, text);
}

void TPageEditor::SelectItem(TPageItem* item) {
    if (item ? item == CurrentItem() : m_page.SelectedCount() == 0)
        return;
    m_page.SelectOnly(item);
    Raise(OnSelectItem);
    update();
}

// ---------------------------------------------------------------------------
// Recording

void TPageEditor::BeginChange() {
    if (m_changeDepth++ == 0)
        m_before = TPageState::Capture(m_page);
}

void TPageEditor::EndChange(const QString& text) {
    if (m_changeDepth == 0 || --m_changeDepth > 0)
        return;
    if (!m_before)
        return;
    TPageState after = TPageState::Capture(m_page);
    const bool changed = !after.SameContent(*m_before);
    if (changed && m_undo)
        m_undo->push(new TPageChangeCommand([this](const TPageState& state) { RestoreState(state); },
                                            std::move(*m_before), std::move(after), text));
    m_before.reset();
    if (changed)
        Changed();
}

void TPageEditor::RestoreState(const TPageState& state) {
    Raise(OnItemsReplacing);
    m_creation = TCreation::Idle;
    m_armedType.clear();
    m_created = nullptr;
    m_dragging = false;
    m_before.reset();
    m_changeDepth = 0;
    m_pressChange = false;
    const double width = m_page.PageWidth();
    const double height = m_page.PageHeight();
    state.Restore(m_page);
    if (m_page.PageWidth() != width || m_page.PageHeight() != height) {
        Raise(OnPageSizeChanged);
        UpdatePageRect();
    }
    InvalidateCache();
    update();
    Raise(OnAddedItem);
    Raise(OnSelectItem);
    Changed();
}

void TPageEditor::Refresh() {
    Redraw();
}

void TPageEditor::Redraw() {
    InvalidateCache();
    update();
}

void TPageEditor::Changed() {
    Raise(OnChanged);
}

void TPageEditor::Raise(const std::function<void()>& handler) const {
    if (handler)
        handler();
}

// ---------------------------------------------------------------------------
// Mouse

int TPageEditor::HoverFlags(const QPoint& point) const {
    const int x = point.x();
    const int y = point.y();
    if (x <= 0 || y <= 0 || x >= width() || y >= height())
        return 0;
    const int selected = m_page.SelectedCount();
    if (selected == 1)
        return CurrentItem()->HitTestHandles(x, y);
    if (selected > 1) {
        for (int i = 0; i < m_page.ItemCount(); ++i) {
            const TPageItem& item = *m_page.Item(i);
            if (item.Selected && item.HitTestHandles(x, y) != 0)
                return HitInside;
        }
    }
    return 0;
}

void TPageEditor::SetHoverCursor(int flags) {
    Qt::CursorShape shape = Qt::ArrowCursor;
    if (((flags & HitLeft) && (flags & HitTop)) || ((flags & HitRight) && (flags & HitBottom)))
        shape = Qt::SizeFDiagCursor;
    else if (((flags & HitTop) && (flags & HitRight)) || ((flags & HitLeft) && (flags & HitBottom)))
        shape = Qt::SizeBDiagCursor;
    else if (flags & (HitLeft | HitRight))
        shape = Qt::SizeHorCursor;
    else if (flags & (HitTop | HitBottom))
        shape = Qt::SizeVerCursor;
    else if (flags & HitInside)
        shape = Qt::SizeAllCursor;
    else if (m_creation == TCreation::Armed && m_page.SelectedCount() == 0)
        shape = Qt::CrossCursor;
    setCursor(shape);
}

void TPageEditor::SetDragCursor() {
    setCursor((m_flags & (HitLeft | HitTop | HitRight | HitBottom)) ? Qt::CrossCursor : Qt::SizeAllCursor);
}

void TPageEditor::mousePressEvent(QMouseEvent* event) {
    if (m_readOnly || event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    const QPoint point = event->position().toPoint();
    // A press whose release never came (a popup took the mouse) ends here.
    if (m_pressChange && m_creation != TCreation::Creating) {
        m_pressChange = false;
        m_dragging = false;
        EndChange(tr("Move"));
    }
    m_down = point;
    m_moved = false;

    if (m_creation == TCreation::Idle) {
        BeginChange();
        m_pressChange = true;
        const bool ctrl = event->modifiers() & Qt::ControlModifier;
        bool selectionChanged = false;
        m_flags = m_page.SelectedCount() == 1 ? CurrentItem()->HitTestHandles(point.x(), point.y()) : 0;
        if (m_flags == 0 || m_flags == HitInside) {
            const int index = m_page.ItemAtPoint(point.x(), point.y());
            if (index >= 0) {
                TPageItem* item = m_page.Item(index);
                if (ctrl) {
                    m_page.SetSelected(item, !item->Selected);
                    selectionChanged = true;
                } else if (!item->Selected) {
                    m_page.SelectOnly(item);
                    selectionChanged = true;
                }
                m_flags = HoverFlags(point);
            } else if (!ctrl) {
                if (m_page.SelectedCount() > 0) {
                    m_page.SelectOnly(nullptr);
                    selectionChanged = true;
                }
                m_flags = 0;
            }
        }
        if (selectionChanged)
            Raise(OnSelectItem);
        if (m_page.SelectedCount() > 0) {
            m_dragging = true;
            SetDragCursor();
            m_page.StoreDragOrigins();
        }
        update();
        return;
    }

    if (m_creation == TCreation::Armed) {
        BeginChange();
        m_pressChange = true;
        TPageItem* item = nullptr;
        try {
            item = CreatePageItem(m_armedType, m_page);
        } catch (const EBramblexError& error) {
            CancelCreation();
            if (OnError)
                OnError(error.Message());
            return;
        }
        item->Placing = true;
        item->SetLeft(SnapMM(m_page.DeviceToMMX(point.x())));
        item->SetTop(SnapMM(m_page.DeviceToMMY(point.y())));
        m_created = item;
        m_flags = HitRight | HitBottom;
        m_creation = TCreation::Creating;
        SetDragCursor();
        UpdateFloating();
    }
}

void TPageEditor::ResizeByFlags(TPageItem& item, const QPoint& point) {
    m_flags = ResizeItemTo(item, SnapMM(m_page.DeviceToMMX(point.x())), SnapMM(m_page.DeviceToMMY(point.y())),
                           m_flags);
}

void TPageEditor::mouseMoveEvent(QMouseEvent* event) {
    if (m_readOnly) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    const QPoint point = event->position().toPoint();
    if (m_creation == TCreation::Armed) {
        setCursor(Qt::CrossCursor);
        return;
    }
    if (m_creation == TCreation::Creating) {
        if (m_created) {
            ResizeByFlags(*m_created, point);
            SetDragCursor();
            UpdateFloating();
        }
        return;
    }
    if (!m_dragging) {
        SetHoverCursor(HoverFlags(point));
        return;
    }
    if (!(event->buttons() & Qt::LeftButton))
        return;
    if (!m_moved && std::abs(point.x() - m_down.x()) < kMoveThreshold &&
        std::abs(point.y() - m_down.y()) < kMoveThreshold)
        return;
    m_moved = true;
    TPageItem* current = CurrentItem();
    if (!current)
        return;
    ResizeByFlags(*current, point);
    if (m_flags & HitInside) {
        double dx = m_page.DeviceToMMX(m_down.x()) - m_page.DeviceToMMX(point.x());
        double dy = m_page.DeviceToMMY(m_down.y()) - m_page.DeviceToMMY(point.y());
        // One displacement for all, chosen so that the current item lands on the grid.
        if (m_page.SnapToGrid) {
            dx = current->DragLeft - SnapToGridMM(current->DragLeft - dx);
            dy = current->DragTop - SnapToGridMM(current->DragTop - dy);
        }
        MoveSelectedFromOrigins(m_page, dx, dy);
    }
    UpdateFloating();
}

void TPageEditor::mouseReleaseEvent(QMouseEvent* event) {
    if (m_readOnly || event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const QPoint point = event->position().toPoint();
    QString text = (m_flags & HitInside) ? tr("Move") : tr("Resize");
    if (m_dragging) {
        m_dragging = false;
        m_moved = false;
        InvalidateCache();
        update();
    }
    if (m_creation == TCreation::Creating && m_created) {
        TPageItem* item = m_created;
        m_created = nullptr;
        item->Placing = false;
        const TDeviceRect r = item->DeviceRect();
        // A click without dragging gives a tenth of the page each way.
        if (r.Width() < 2 && r.Height() < 2) {
            item->SetWidth(m_page.PageWidth() / 10.0);
            item->SetHeight(m_page.PageHeight() / 10.0);
        }
        m_creation = TCreation::Idle;
        m_armedType.clear();
        m_page.SelectOnly(item);
        InvalidateCache();
        update();
        text = tr("New %1").arg(item->Name());
        if (m_pressChange) {
            m_pressChange = false;
            EndChange(text);
        }
        Raise(OnAddedItem);
        Raise(OnSelectItem);
    }
    if (m_pressChange) {
        m_pressChange = false;
        EndChange(text);
    }
    SetHoverCursor(HoverFlags(point));
}

void TPageEditor::keyPressEvent(QKeyEvent* event) {
    if (m_readOnly) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (event->key() == Qt::Key_Escape && m_creation != TCreation::Idle) {
        CancelCreation();
        Raise(OnCreationCancelled);
        return;
    }
    double dx = 0.0;
    double dy = 0.0;
    switch (event->key()) {
    case Qt::Key_Left:
        dx = -1.0;
        break;
    case Qt::Key_Right:
        dx = 1.0;
        break;
    case Qt::Key_Up:
        dy = -1.0;
        break;
    case Qt::Key_Down:
        dy = 1.0;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    if (m_page.SelectedCount() == 0 || m_creation != TCreation::Idle || m_dragging) {
        QWidget::keyPressEvent(event);
        return;
    }
    // A grid step, or with Alt one pixel of the page as shown.
    double stepX = GridSpacing();
    double stepY = GridSpacing();
    if (event->modifiers() & Qt::AltModifier) {
        const TDeviceRect& r = m_page.OutputRect;
        stepX = m_page.DeviceToMMX(r.Left + 1) - m_page.DeviceToMMX(r.Left);
        stepY = m_page.DeviceToMMY(r.Top + 1) - m_page.DeviceToMMY(r.Top);
    }
    MoveSelectedBy(dx * stepX, dy * stepY, tr("Move"));
}

// ---------------------------------------------------------------------------
// Drawing

std::vector<TPageItem*> TPageEditor::FloatingItems() const {
    std::vector<TPageItem*> items;
    if (m_creation == TCreation::Creating && m_created) {
        items.push_back(m_created);
    } else if (m_dragging && m_moved) {
        if (m_flags & HitInside) {
            for (int i = 0; i < m_page.ItemCount(); ++i) {
                if (m_page.Item(i)->Selected)
                    items.push_back(m_page.Item(i));
            }
        } else if (TPageItem* current = CurrentItem()) {
            items.push_back(current);
        }
    }
    return items;
}

QRect TPageEditor::FloatingRect() const {
    QRect area;
    for (const TPageItem* item : FloatingItems()) {
        const TDeviceRect r = item->DeviceRect();
        const int m = DrawingMargin(*item);
        area |= QRect(QPoint(std::min(r.Left, r.Right), std::min(r.Top, r.Bottom)),
                      QPoint(std::max(r.Left, r.Right), std::max(r.Top, r.Bottom)))
                    .adjusted(-m, -m, m, m);
    }
    return area;
}

void TPageEditor::InvalidateCache() {
    m_cacheValid = false;
}

void TPageEditor::UpdateFloating() {
    const QRect now = FloatingRect();
    if (FloatingItems() != m_cachedWithout)
        update(); // the cache is drawn anew without them
    else
        update(m_floatingRect | now);
    m_floatingRect = now;
}

void TPageEditor::RenderCache(const QRect& area) {
    const QRect whole = rect();
    QRect target = whole;
    if (static_cast<qint64>(width()) * height() > kWholeCacheLimit) {
        target = (visibleRegion().boundingRect() | area)
                     .adjusted(-kCacheBorder, -kCacheBorder, kCacheBorder, kCacheBorder) &
                 whole;
    }
    if (target.isEmpty())
        target = area;
    if (m_cache.size() != target.size())
        m_cache = QImage(target.size(), QImage::Format_RGB32);
    m_cacheRect = target;

    QPainter painter(&m_cache);
    const TDeviceRect page = m_page.OutputRect;
    const QPoint o = target.topLeft();
    const TDeviceRect shifted{page.Left - o.x(), page.Top - o.y(), page.Right - o.x(), page.Bottom - o.y()};
    if (!shifted.IsEmpty()) {
        TDrawTarget draw(m_page, painter, shifted, m_chartPainter);
        m_page.DrawBackground();
        for (int i = 0; i < m_page.ItemCount(); ++i) {
            TPageItem* item = m_page.Item(i);
            if (std::find(m_cachedWithout.begin(), m_cachedWithout.end(), item) == m_cachedWithout.end())
                m_page.DrawItem(*item);
        }
    }
    PaintSurround(painter, shifted.ToQRect(), m_cache.rect());
    m_cacheValid = true;
}

void TPageEditor::PaintSurround(QPainter& painter, const QRect& page, const QRect& area) const {
    // Whatever items drew beyond the paper is covered, as paper would cut it off.
    const QColor face = palette().color(QPalette::Button);
    if (page.isEmpty()) {
        painter.fillRect(area, face);
        return;
    }
    const QRect left(area.left(), area.top(), page.left() - area.left(), area.height());
    const QRect right(page.right() + 1, area.top(), area.right() - page.right(), area.height());
    const QRect above(page.left(), area.top(), page.width(), page.top() - area.top());
    const QRect below(page.left(), page.bottom() + 1, page.width(), area.bottom() - page.bottom());
    for (const QRect& r : {left, right, above, below}) {
        if (r.isValid() && !r.isEmpty())
            painter.fillRect(r, face);
    }
    // A one-pixel outline just outside the paper and a two-pixel shadow offset by 2.
    painter.fillRect(QRect(page.right() + 2, page.top() + 1, 2, page.height() + 2), Qt::black);
    painter.fillRect(QRect(page.left() + 1, page.bottom() + 2, page.width() + 2, 2), Qt::black);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(page.adjusted(-1, -1, 0, 0));
}

void TPageEditor::paintEvent(QPaintEvent* event) {
    QElapsedTimer timer;
    timer.start();
    const QRect area = event->rect();
    const std::vector<TPageItem*> floating = FloatingItems();
    if (!m_cacheValid || floating != m_cachedWithout || !m_cacheRect.contains(area)) {
        m_cachedWithout = floating;
        RenderCache(area);
    }
    QPainter painter(this);
    painter.drawImage(area.topLeft(), m_cache, area.translated(-m_cacheRect.topLeft()));
    {
        TDrawTarget draw(m_page, painter, m_page.OutputRect, m_chartPainter);
        for (TPageItem* item : floating)
            m_page.DrawItem(*item);
        if (!m_readOnly)
            m_page.DrawSelections();
    }
    PaintSurround(painter, m_page.OutputRect.ToQRect(), area);
    m_floatingRect = FloatingRect();
    m_lastPaintMs = static_cast<double>(timer.nsecsElapsed()) / 1.0e6;
    m_lastPaintArea = static_cast<qint64>(area.width()) * area.height();
}
