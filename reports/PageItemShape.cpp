#include "reports/PageItemShape.h"

#include "core/Error.h"
#include "reports/Page.h"

#include <QBrush>
#include <QPainter>

#include <algorithm>

QStringList ShapeNames() {
    return {Tr("Rectangle"), Tr("Horizontal Line"), Tr("Vertical Line")};
}

TPageItemShape::TPageItemShape(TPage& page) : TPageItem(page) {
    Properties.Add(QStringLiteral("LineColor"), Tr("LineColour"), ptColour)->SetInteger(0);
    Properties.Add(QStringLiteral("FillColor"), Tr("FillColour"), ptColour)->SetInteger(0xFFFFFF);
    Properties.Add(QStringLiteral("LineStyle"), Tr("LineStyle"), ptLineStyle)->SetStyle(0);
    Properties.Add(QStringLiteral("FillStyle"), Tr("FillStyle"), ptFillStyle)->SetStyle(0);
    Properties.Add(QStringLiteral("LineWidth"), Tr("LineWidth"), ptInteger)->SetInteger(1);
    TProperty* shape = Properties.Add(QStringLiteral("Shape"), Tr("Shape"), ptChoice);
    shape->Choices = ShapeNames();
    shape->SetInteger(ShapeRectangle);
    SetName(page.UniqueItemName(Tr("Shape")));
    Properties.Sort();
}

namespace {

// Puts the painter's state back however the drawing ends.
class TPainterStateGuard {
public:
    explicit TPainterStateGuard(QPainter& painter) : m_painter(painter) { m_painter.save(); }
    ~TPainterStateGuard() { m_painter.restore(); }
    TPainterStateGuard(const TPainterStateGuard&) = delete;
    TPainterStateGuard& operator=(const TPainterStateGuard&) = delete;

private:
    QPainter& m_painter;
};

} // namespace

void TPageItemShape::Draw() {
    TPageItem::Draw();
    QPainter* canvas = Page.Canvas;
    if (!canvas)
        return;
    TPainterStateGuard guard(*canvas);

    const int lineStyle = GetInteger(QStringLiteral("LineStyle"));
    const int lineWidth = std::max(1, GetInteger(QStringLiteral("LineWidth")));
    const QPen pen = DevicePen(ColorFromBGR(GetInteger(QStringLiteral("LineColor"))), lineWidth,
                               PenStyleFromIndex(lineStyle));
    canvas->setPen(pen);
    const Qt::BrushStyle brushStyle = BrushStyleFromIndex(GetInteger(QStringLiteral("FillStyle")));
    if (brushStyle == Qt::NoBrush)
        canvas->setBrush(Qt::NoBrush);
    else
        canvas->setBrush(QBrush(ColorFromBGR(GetInteger(QStringLiteral("FillColor"))), brushStyle));

    TDeviceRect rect = DeviceRect();
    switch (GetInteger(QStringLiteral("Shape"))) {
    case ShapeRectangle:
        // An inside frame wider than a pixel keeps its whole width within the item.
        if (lineStyle == 6 && lineWidth > 1 && pen.style() != Qt::NoPen) {
            const int inset = lineWidth / 2;
            const TDeviceRect outer = rect;
            rect = {outer.Left + inset, outer.Top + inset, std::max(outer.Left + inset, outer.Right - inset),
                    std::max(outer.Top + inset, outer.Bottom - inset)};
        }
        CanvasRectangle(*canvas, rect);
        break;
    case ShapeHorizontalLine: {
        const int y = Page.MMToDeviceY(Top() + Height() / 2);
        CanvasLine(*canvas, rect.Left, y, rect.Right, y);
        break;
    }
    case ShapeVerticalLine: {
        const int x = Page.MMToDeviceX(Left() + Width() / 2);
        CanvasLine(*canvas, x, rect.Top, x, rect.Bottom);
        break;
    }
    default:
        break;
    }
}
