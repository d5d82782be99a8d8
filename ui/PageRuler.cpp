#include "ui/PageRuler.h"

#include "catalogue/Catalogue.h"
#include "ui/PageEditor.h"

#include <QPainter>

namespace {

constexpr int kRulerDepth = 22;

QFont RulerFont(const QFont& base) {
    QFont font(base);
    font.setPixelSize(9);
    return font;
}

} // namespace

TPageRuler::TPageRuler(TRulerType type, QWidget* parent) : QWidget(parent), m_type(type) {
    setObjectName(type == TRulerType::rtHorizontal ? QStringLiteral("TopRuler")
                                                   : QStringLiteral("LeftRuler"));
    setAccessibleName(type == TRulerType::rtHorizontal ? tr("Horizontal ruler") : tr("Vertical ruler"));
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (type == TRulerType::rtHorizontal)
        setFixedHeight(kRulerDepth);
    else
        setFixedWidth(kRulerDepth);
}

void TPageRuler::SetEditor(TPageEditor* editor) {
    m_editor = editor;
    update();
}

QSize TPageRuler::sizeHint() const {
    return m_type == TRulerType::rtHorizontal ? QSize(200, kRulerDepth) : QSize(kRulerDepth, 200);
}

int TPageRuler::Subdivision(int g) {
    for (const int s : {10, 5, 2, 1}) {
        if (g / s >= 3)
            return s;
    }
    return 1;
}

int TPageRuler::LabelInterval(int g, int labelWidth) {
    if (g <= 0)
        return 1;
    return Subdivision(g) * (labelWidth / g + 1);
}

std::vector<TPageRuler::TMark> TPageRuler::Marks() const {
    std::vector<TMark> marks;
    if (!m_editor)
        return marks;
    const TPageEditor& editor = *m_editor;
    const TPage& page = editor.Page();
    const double spacing = editor.GridSpacing();
    if (!(spacing > 0.0))
        return marks;
    const bool horizontal = m_type == TRulerType::rtHorizontal;
    const int g = horizontal ? page.MMToDeviceX(spacing) - page.MMToDeviceX(0.0)
                             : page.MMToDeviceY(spacing) - page.MMToDeviceY(0.0);
    if (g <= 0)
        return marks;
    const int s = Subdivision(g);
    const int labelWidth = QFontMetrics(RulerFont(font())).horizontalAdvance(FormatReportUnits(9999.0));
    const int interval = LabelInterval(g, labelWidth);
    // Where the editor's origin lies along this ruler, however both are placed in
    // their window.
    const QPoint origin = editor.mapTo(editor.window(), QPoint(0, 0)) - mapTo(window(), QPoint(0, 0));
    const int offset = horizontal ? origin.x() : origin.y();
    const double extent = horizontal ? page.PageWidth() : page.PageHeight();
    const double step = spacing / s;
    // A hair of tolerance so the far edge counts despite rounding of the steps.
    for (int k = 0; k * step <= extent + 1e-6; ++k) {
        TMark mark;
        mark.Millimetres = k * step;
        mark.Pixel =
            (horizontal ? page.MMToDeviceX(mark.Millimetres) : page.MMToDeviceY(mark.Millimetres)) + offset;
        if (k % interval == 0)
            mark.Kind = TMarkKind::Label;
        else if (k % s != 0)
            mark.Kind = TMarkKind::Minor;
        else
            mark.Kind = TMarkKind::Major;
        marks.push_back(mark);
    }
    return marks;
}

void TPageRuler::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.setFont(RulerFont(font()));
    const QFontMetrics metrics(painter.font());
    const bool horizontal = m_type == TRulerType::rtHorizontal;
    const int depth = horizontal ? height() : width();
    const int length = horizontal ? width() : height();
    for (const TMark& mark : Marks()) {
        const int p = mark.Pixel;
        // Labels reach past their line, so those just before the visible part still count.
        if (p < -200 || p > length + 1)
            continue;
        const int from = mark.Kind == TMarkKind::Label ? 2 : depth - (mark.Kind == TMarkKind::Major ? 8 : 4);
        if (horizontal) {
            painter.drawLine(p, from, p, depth);
        } else {
            painter.drawLine(from, p, depth, p);
        }
        if (mark.Kind != TMarkKind::Label)
            continue;
        const QString label = FormatReportUnits(mark.Millimetres);
        if (horizontal) {
            painter.drawText(p + 3, 1 + metrics.ascent(), label);
        } else {
            painter.save();
            painter.translate(1 + metrics.ascent(), p - 3);
            painter.rotate(-90.0);
            painter.drawText(0, 0, label);
            painter.restore();
        }
    }
    painter.setPen(Qt::black);
    if (horizontal)
        painter.drawLine(0, depth - 1, length, depth - 1);
    else
        painter.drawLine(depth - 1, 0, depth - 1, length);
}
