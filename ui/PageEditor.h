#pragma once

// The page surface of the page designer: draws a working copy of one report page and
// lets the operator select, move, resize and create its items with the mouse. The
// report preview shows pages through the same control with ReadOnly set.
//
// The editing itself (ordering, aligning, moving, resizing, the clipboard's documents)
// is reports/PageEditing; the editor routes the operator's actions there, records
// each as one undoable step and draws.
//
// Drawing keeps the page, without the items being dragged, in a cached image; while
// the mouse drags, only the area the moving items leave and enter is repainted from
// that image, with the moving items drawn over it.

#include "reports/Page.h"
#include "reports/PageEditing.h"
#include "reports/PageUndo.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class QPainter;
class QUndoStack;
class TChartPainter;

class TPageEditor : public QWidget {
    Q_OBJECT

public:
    enum class TCreation { Idle, Armed, Creating };
    using TAlign = TItemAlign;

    explicit TPageEditor(QWidget* parent = nullptr);
    ~TPageEditor() override;

    // The working page, owned by the editor.
    TPage& Page() { return m_page; }
    const TPage& Page() const { return m_page; }
    // Replaces the working page by a copy of source: nothing selected, not modified,
    // creation idle.
    void SetPage(const TPage& source);

    // The working page's ShowGrid (switching it marks the page modified).
    bool Grid() const { return m_page.ShowGrid; }
    void SetGrid(bool on);
    // The working page's GridSize, millimetres.
    double GridSpacing() const { return m_page.GridSize; }
    void SetGridSpacing(double mm);
    // The working page's SnapToGrid.
    bool Snap() const { return m_page.SnapToGrid; }
    void SetSnap(bool on) { m_page.SnapToGrid = on; }
    // The one snapping rule every tool asks: SnapToGridMM while snapping is on.
    double SnapMM(double mm) const;
    // No mouse or key action changes the page.
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool on);

    // What draws the chart items (not owned); none: they only mark their place.
    void SetChartPainter(TChartPainter* painter);
    TChartPainter* ChartPainter() const { return m_chartPainter; }

    // Where the operator's changes are recorded (not owned); none: nothing recorded.
    void SetUndoStack(QUndoStack* stack) { m_undo = stack; }
    QUndoStack* UndoStack() const { return m_undo; }

    // Selection changed.
    std::function<void()> OnSelectItem;
    // An item was created, pasted or deleted.
    std::function<void()> OnAddedItem;
    // Items are about to be freed or replaced (delete, cut, undo, a new page): whoever
    // holds one of their property lists lets go now.
    std::function<void()> OnItemsReplacing;
    // The page changed through the editor (mouse, keys, commands, undo and redo).
    std::function<void()> OnChanged;
    // Escape ended an armed creation.
    std::function<void()> OnCreationCancelled;
    // A mouse action failed (the message for the operator).
    std::function<void(const QString&)> OnError;
    // For the view the editor sits in: the page's size changed (the zoom is due
    // again), and its scale on the screen or its grid spacing (the rulers are).
    std::function<void()> OnPageSizeChanged;
    std::function<void()> OnScaleChanged;

    // The page rectangle for an editor of width x height pixels: a 20-pixel margin,
    // the page's proportions, as large as fits.
    static TDeviceRect PageRectFor(int width, int height, double pageWidth, double pageHeight);
    // Recomputes the page rectangle (the page's OutputRect) for the current size and
    // redraws; after a change of page size.
    void UpdatePageRect();

    // Creation with a registered item type ("TPageItemMemo", ...).
    void ArmCreation(const QString& typeName);
    void CancelCreation();
    TCreation Creation() const { return m_creation; }
    QString ArmedType() const { return m_armedType; }

    // Clipboard and item commands. Each is one undoable step.
    void Copy();
    void Cut();
    void DeleteSelected();
    bool CanPaste() const;
    void Paste();
    void BringToFront();
    void SendToBack();
    // The item list's drop: moves the selected items to the place of the item at
    // targetIndex, walking from the last item to the first when fromAbove.
    void MoveSelectedTo(int targetIndex, bool fromAbove);
    // Lines the selected items up with the current item, or gives them its size.
    void Align(TAlign how);
    // Moves the selected items by dx, dy millimetres.
    void MoveSelectedBy(double dx, double dy, const QString& text);

    // Selects item alone (nullptr: none); nothing when it is already the current item.
    void SelectItem(TPageItem* item);
    TPageItem* CurrentItem() const { return m_page.LastSelected(); }
    int SelectedCount() const { return m_page.SelectedCount(); }

    // Recording: BeginChange takes the page's state, EndChange records the step from
    // it to the present state (nothing when only the selection changed). A change
    // begun while another is open becomes part of the outer one.
    void BeginChange();
    void EndChange(const QString& text);
    // Puts a recorded state back (undo and redo).
    void RestoreState(const TPageState& state);
    // The page was changed from outside (the property grid): draw it anew.
    void Refresh();

    // Mouse state, for the tests and the status of the dialog.
    int Flags() const { return m_flags; }
    bool Dragging() const { return m_dragging; }
    int HoverFlags(const QPoint& point) const;
    // Milliseconds the last paint took, and how much of the page it covered (pixels).
    double LastPaintMs() const { return m_lastPaintMs; }
    qint64 LastPaintArea() const { return m_lastPaintArea; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // One recorded step: change, then the page drawn anew.
    void Edit(const std::function<void()>& change, const QString& text);
    void RemoveSelected(const QString& text);
    void Redraw();
    void ResizeByFlags(TPageItem& item, const QPoint& point);
    void SetHoverCursor(int flags);
    void SetDragCursor();
    void Changed();
    void Raise(const std::function<void()>& handler) const;

    // Drawing
    std::vector<TPageItem*> FloatingItems() const;
    QRect FloatingRect() const;
    void InvalidateCache();
    void UpdateFloating();
    void RenderCache(const QRect& area);
    // The button face around the paper within area, the paper's outline and shadow.
    void PaintSurround(QPainter& painter, const QRect& page, const QRect& area) const;

    TPage m_page;
    TChartPainter* m_chartPainter = nullptr;
    bool m_readOnly = false;
    QUndoStack* m_undo = nullptr;

    TCreation m_creation = TCreation::Idle;
    QString m_armedType;
    TPageItem* m_created = nullptr;

    QPoint m_down;
    bool m_moved = false;
    bool m_dragging = false;
    int m_flags = 0;
    std::optional<TPageState> m_before; // state when the outermost change began
    int m_changeDepth = 0;              // changes begun inside another are part of it
    bool m_pressChange = false;         // a mouse press began a change its release ends

    QImage m_cache; // the page without the floating items, over m_cacheRect
    QRect m_cacheRect;
    bool m_cacheValid = false;
    std::vector<TPageItem*> m_cachedWithout; // the floating items the cache leaves out
    QRect m_floatingRect;                    // where the floating items were last drawn
    double m_lastPaintMs = 0.0;
    qint64 m_lastPaintArea = 0;
};
