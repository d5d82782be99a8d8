#include "ui/PageDesigner.h"

#include "catalogue/Catalogue.h"
#include "ui/PageEditor.h"
#include "ui/PageRuler.h"

#include <QCoreApplication>
#include <QResizeEvent>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>
#include <cmath>

const TZoomChoice PageZoomChoices[PageZoomChoiceCount] = {
    {QT_TRANSLATE_NOOP("TPageDesigner", "Page Width"), TZoomType::ztPageWidth, 1.0},
    {QT_TRANSLATE_NOOP("TPageDesigner", "Full Page"), TZoomType::ztFullPage, 1.0},
    {"500%", TZoomType::ztPercentage, 5.0},
    {"200%", TZoomType::ztPercentage, 2.0},
    {"150%", TZoomType::ztPercentage, 1.5},
    {"100%", TZoomType::ztPercentage, 1.0},
    {"75%", TZoomType::ztPercentage, 0.75},
    {"50%", TZoomType::ztPercentage, 0.5},
    {"25%", TZoomType::ztPercentage, 0.25},
    {"10%", TZoomType::ztPercentage, 0.1},
};

QString ZoomChoiceText(const TZoomChoice& choice) {
    return QCoreApplication::translate("TPageDesigner", choice.Text);
}

namespace {

// Toward zero, kept within what a widget may measure.
int TruncSize(double x) {
    if (!(x > 0.0))
        return 0;
    return static_cast<int>(std::min(x, static_cast<double>(QWIDGETSIZE_MAX)));
}

} // namespace

TPageDesigner::TPageDesigner(QWidget* parent) : QScrollArea(parent) {
    setObjectName(QStringLiteral("PageDesigner"));
    setAccessibleName(tr("Page designer"));
    setWidgetResizable(false);
    setFrameShape(QFrame::NoFrame);
    setBackgroundRole(QPalette::Button);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void TPageDesigner::SetPageEditor(TPageEditor* editor) {
    if (m_editor == editor)
        return;
    m_editor = editor;
    if (editor) {
        editor->OnPageSizeChanged = [this] { ApplyZoom(); };
        editor->OnScaleChanged = [this] { UpdateRulers(); };
        setWidget(editor);
        editor->move(0, 0);
    }
    for (TPageRuler* ruler : {m_topRuler, m_leftRuler}) {
        if (ruler)
            ruler->SetEditor(editor);
    }
    ApplyZoom();
}

void TPageDesigner::SetTopRuler(TPageRuler* ruler) {
    m_topRuler = ruler;
    if (ruler)
        ruler->SetEditor(m_editor);
}

void TPageDesigner::SetLeftRuler(TPageRuler* ruler) {
    m_leftRuler = ruler;
    if (ruler)
        ruler->SetEditor(m_editor);
}

void TPageDesigner::SetZoomType(TZoomType type) {
    m_zoomType = type;
    ApplyZoom();
}

QSize TPageDesigner::EditorSizeFor(TZoomType type, double zoomValue, int cw, int ch, double pageWidth,
                                   double pageHeight) {
    cw = std::max(0, cw);
    ch = std::max(0, ch);
    if (type == TZoomType::ztFullPage)
        return {cw, ch};
    // A page without a size has no proportions to follow: no height.
    const double tall = pageWidth > 0.0 && pageHeight > 0.0 ? pageHeight * cw / pageWidth : 0.0;
    if (type == TZoomType::ztPageWidth)
        return {cw, TruncSize(tall)};
    return {TruncSize(cw * zoomValue), TruncSize(tall * zoomValue)};
}

int TPageDesigner::ScrolledPosition(int position, int range, int visible, double ratio) {
    const double f = range - visible >= 1 ? (range * ratio - visible) / (range - visible) : 0.0;
    return static_cast<int>(std::clamp<std::int64_t>(RoundHalfUp(position * f), 0, QWIDGETSIZE_MAX));
}

void TPageDesigner::ApplyZoom() {
    if (!m_editor || m_applying)
        return;
    m_applying = true;
    const TPage& page = m_editor->Page();
    const double pw = page.PageWidth();
    const double ph = page.PageHeight();
    // The client area without scroll bars; a bar the editor will need takes its room.
    // (maximumViewportSize() would leave out a bar shown always.)
    const QSize full = contentsRect().marginsRemoved(viewportMargins()).size();
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    int cw = full.width();
    int ch = full.height();
    QSize size = EditorSizeFor(m_zoomType, m_zoomValue, cw, ch, pw, ph);
    bool vertical = false;
    bool horizontal = false;
    if (m_zoomType != TZoomType::ztFullPage) {
        for (int pass = 0; pass < 2; ++pass) {
            if (!vertical && size.height() > ch) {
                vertical = true;
                cw -= bar;
                size = EditorSizeFor(m_zoomType, m_zoomValue, cw, ch, pw, ph);
            }
            if (!horizontal && size.width() > cw) {
                horizontal = true;
                ch -= bar;
                size = EditorSizeFor(m_zoomType, m_zoomValue, cw, ch, pw, ph);
            }
        }
    }
    // The bars this sizing counted on are shown, even where the narrower page would
    // just fit without one; otherwise the two would take turns.
    setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    if (m_editor->size() != size)
        m_editor->resize(size);
    else
        m_editor->UpdatePageRect();
    m_applying = false;
    UpdateRulers();
}

void TPageDesigner::SetZoomValue(double value) {
    if (!(value > 0.0))
        return;
    const double ratio = value / m_zoomValue;
    QScrollBar* bars[] = {horizontalScrollBar(), verticalScrollBar()};
    int positions[2] = {0, 0};
    if (m_editor) {
        const int ranges[] = {m_editor->width(), m_editor->height()};
        const int visible[] = {viewport()->width(), viewport()->height()};
        for (int i = 0; i < 2; ++i)
            positions[i] = ScrolledPosition(bars[i]->value(), ranges[i], visible[i], ratio);
    }
    m_zoomValue = value;
    ApplyZoom();
    if (m_editor) {
        const int ranges[] = {m_editor->width(), m_editor->height()};
        for (int i = 0; i < 2; ++i)
            bars[i]->setValue(std::min(ranges[i], positions[i]));
        m_editor->update();
    }
    UpdateRulers();
}

void TPageDesigner::SetZoom(TZoomType type, double value) {
    if (type == TZoomType::ztPercentage && m_zoomType == TZoomType::ztPercentage) {
        SetZoomValue(value);
        return;
    }
    if (value > 0.0)
        m_zoomValue = value;
    m_zoomType = type;
    ApplyZoom();
    if (m_editor)
        m_editor->update();
}

void TPageDesigner::UpdateRulers() {
    if (m_topRuler)
        m_topRuler->update();
    if (m_leftRuler)
        m_leftRuler->update();
}

void TPageDesigner::resizeEvent(QResizeEvent* event) {
    QScrollArea::resizeEvent(event);
    ApplyZoom();
}

void TPageDesigner::scrollContentsBy(int dx, int dy) {
    QScrollArea::scrollContentsBy(dx, dy);
    UpdateRulers();
}
