#pragma once

// The scrolling container of the page designer and the report preview: it sizes the
// page editor for a zoom and keeps the two rulers in step with scrolling.

#include <QScrollArea>
#include <QSize>

class TPageEditor;
class TPageRuler;

enum class TZoomType { ztPageWidth, ztFullPage, ztPercentage };

// The zoom choices the page design dialog and the report preview both offer, in their order.
struct TZoomChoice {
    const char* Text; // untranslated; show it through ZoomChoiceText
    TZoomType Type;
    double Value;
};
constexpr int PageZoomChoiceCount = 10;
extern const TZoomChoice PageZoomChoices[PageZoomChoiceCount];
QString ZoomChoiceText(const TZoomChoice& choice);

class TPageDesigner : public QScrollArea {
    Q_OBJECT

public:
    explicit TPageDesigner(QWidget* parent = nullptr);

    TPageEditor* PageEditor() const { return m_editor; }
    // The editor becomes the scrolled child at (0, 0) and the zoom is applied.
    void SetPageEditor(TPageEditor* editor);
    TPageRuler* TopRuler() const { return m_topRuler; }
    TPageRuler* LeftRuler() const { return m_leftRuler; }
    void SetTopRuler(TPageRuler* ruler);
    void SetLeftRuler(TPageRuler* ruler);

    TZoomType ZoomType() const { return m_zoomType; }
    void SetZoomType(TZoomType type);
    double ZoomValue() const { return m_zoomValue; }
    // Keeps the visible area on roughly the same part of the page.
    void SetZoomValue(double value);
    // A choice of the zoom list: type and value at once (the value counts only for
    // ztPercentage); between two percentages as SetZoomValue.
    void SetZoom(TZoomType type, double value);
    // Sizes the editor for the zoom and the space there is.
    void ApplyZoom();

    // The editor size for a client area of cw x ch pixels (without scroll bars).
    static QSize EditorSizeFor(TZoomType type, double zoomValue, int cw, int ch, double pageWidth,
                               double pageHeight);
    // The scroll position after a zoom change by ratio: range is the scrolled extent
    // (the editor's size), visible the part shown.
    static int ScrolledPosition(int position, int range, int visible, double ratio);

    // Repaints the rulers (after scrolling and zooming).
    void UpdateRulers();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    TPageEditor* m_editor = nullptr;
    TPageRuler* m_topRuler = nullptr;
    TPageRuler* m_leftRuler = nullptr;
    TZoomType m_zoomType = TZoomType::ztFullPage;
    double m_zoomValue = 1.0;
    bool m_applying = false;
};
