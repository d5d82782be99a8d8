#include "ui/DesignerIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int kSize = 24;

void Arrow(QPainter& p, bool back) {
    QPainterPath path;
    if (back) {
        path.moveTo(18, 17);
        path.cubicTo(18, 9, 12, 7, 7, 9);
        p.drawPath(path);
        p.drawPolyline(QPolygon({QPoint(10, 5), QPoint(6, 9), QPoint(10, 13)}));
    } else {
        path.moveTo(6, 17);
        path.cubicTo(6, 9, 12, 7, 17, 9);
        p.drawPath(path);
        p.drawPolyline(QPolygon({QPoint(14, 5), QPoint(18, 9), QPoint(14, 13)}));
    }
}

void AlignIcon(QPainter& p, const QString& name) {
    const QColor fill(0x6a, 0x9f, 0xd8);
    p.setBrush(fill);
    if (name == "align-left") {
        p.drawLine(4, 3, 4, 21);
        p.drawRect(5, 5, 14, 5);
        p.drawRect(5, 13, 9, 5);
    } else if (name == "align-right") {
        p.drawLine(20, 3, 20, 21);
        p.drawRect(5, 5, 14, 5);
        p.drawRect(10, 13, 9, 5);
    } else if (name == "align-top") {
        p.drawLine(3, 4, 21, 4);
        p.drawRect(5, 5, 5, 14);
        p.drawRect(13, 5, 5, 9);
    } else if (name == "align-bottom") {
        p.drawLine(3, 20, 21, 20);
        p.drawRect(5, 5, 5, 14);
        p.drawRect(13, 10, 5, 9);
    } else if (name == "align-hcentre") {
        p.drawLine(12, 2, 12, 22);
        p.drawRect(4, 5, 16, 5);
        p.drawRect(7, 13, 10, 5);
    } else if (name == "align-vcentre") {
        p.drawLine(2, 12, 22, 12);
        p.drawRect(5, 4, 5, 16);
        p.drawRect(13, 7, 5, 10);
    } else if (name == "same-width") {
        p.drawRect(4, 4, 16, 6);
        p.drawRect(4, 14, 16, 6);
    } else if (name == "same-height") {
        p.drawRect(4, 4, 6, 16);
        p.drawRect(14, 4, 6, 16);
    }
}

void Draw(QPainter& p, const QString& name) {
    const QColor ink(0x30, 0x30, 0x30);
    const QColor blue(0x2f, 0x6f, 0xc0);
    const QColor paper(0xfa, 0xfa, 0xfa);
    p.setPen(QPen(ink, 1.5));
    p.setBrush(Qt::NoBrush);
    if (name == "save") {
        p.setBrush(blue);
        p.drawRoundedRect(QRectF(4, 4, 16, 16), 2, 2);
        p.setBrush(paper);
        p.drawRect(QRectF(7, 4, 10, 6));
        p.drawRect(QRectF(7, 13, 10, 7));
    } else if (name == "delete") {
        p.setPen(QPen(QColor(0xc0, 0x20, 0x20), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(6, 6, 18, 18);
        p.drawLine(18, 6, 6, 18);
    } else if (name == "cut") {
        p.drawEllipse(QRectF(4, 14, 6, 6));
        p.drawEllipse(QRectF(14, 14, 6, 6));
        p.drawLine(QPointF(9, 15), QPointF(17, 3));
        p.drawLine(QPointF(15, 15), QPointF(7, 3));
    } else if (name == "copy") {
        p.setBrush(paper);
        p.drawRect(QRectF(4, 3, 11, 14));
        p.drawRect(QRectF(9, 7, 11, 14));
    } else if (name == "paste") {
        p.setBrush(QColor(0xc8, 0xa0, 0x60));
        p.drawRoundedRect(QRectF(4, 5, 14, 16), 2, 2);
        p.setBrush(paper);
        p.drawRect(QRectF(8, 3, 6, 4));
        p.drawRect(QRectF(10, 10, 10, 12));
    } else if (name == "grid") {
        p.setPen(QPen(ink, 1));
        for (int k = 4; k <= 20; k += 4) {
            p.drawLine(k, 4, k, 20);
            p.drawLine(4, k, 20, k);
        }
    } else if (name == "snap") {
        p.setPen(QPen(ink, 1));
        for (int x = 4; x <= 20; x += 8)
            for (int y = 4; y <= 20; y += 8)
                p.drawPoint(x, y);
        p.setPen(QPen(QColor(0xc0, 0x20, 0x20), 3));
        p.drawArc(QRectF(7, 6, 10, 12), 180 * 16, 180 * 16);
        p.drawLine(QPointF(7, 12), QPointF(7, 7));
        p.drawLine(QPointF(17, 12), QPointF(17, 7));
    } else if (name == "undo" || name == "redo") {
        p.setPen(QPen(blue, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        Arrow(p, name == "undo");
    } else if (name == "front" || name == "back") {
        const bool front = name == "front";
        p.setBrush(front ? paper : blue);
        p.drawRect(QRectF(3, 3, 12, 12));
        p.setBrush(front ? blue : paper);
        p.drawRect(QRectF(9, 9, 12, 12));
        if (!front) {
            p.setBrush(paper);
            p.drawRect(QRectF(3, 3, 12, 12));
        }
    } else if (name == "select") {
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF({QPointF(7, 3), QPointF(7, 19), QPointF(11, 15), QPointF(14, 21),
                                 QPointF(16, 20), QPointF(13, 14), QPointF(18, 14)}));
    } else if (name == "shape") {
        p.setBrush(QColor(0xf0, 0xc0, 0x40));
        p.drawRect(QRectF(4, 6, 16, 12));
    } else if (name == "memo") {
        QFont font = p.font();
        font.setPixelSize(17);
        font.setBold(true);
        p.setFont(font);
        p.setPen(ink);
        p.drawText(QRect(0, 0, kSize, kSize), Qt::AlignCenter, QStringLiteral("A"));
    } else if (name == "graphic") {
        p.setBrush(QColor(0xd8, 0xec, 0xff));
        p.drawRect(QRectF(3, 5, 18, 14));
        p.setBrush(QColor(0x40, 0x90, 0x40));
        p.drawPolygon(
            QPolygonF({QPointF(4, 18), QPointF(10, 10), QPointF(14, 15), QPointF(16, 12), QPointF(20, 18)}));
        p.setBrush(QColor(0xf0, 0xc0, 0x40));
        p.drawEllipse(QRectF(15, 7, 3, 3));
    } else if (name == "run") {
        p.drawLine(4, 3, 4, 20);
        p.drawLine(4, 20, 21, 20);
        p.setPen(QPen(QColor(0xc0, 0x20, 0x20), 2));
        p.drawPolyline(QPolygonF({QPointF(5, 17), QPointF(9, 12), QPointF(13, 14), QPointF(20, 5)}));
    } else if (name == "flow-curve") {
        p.drawLine(4, 3, 4, 20);
        p.drawLine(4, 20, 21, 20);
        p.setBrush(Qt::NoBrush);
        for (const QPointF& point : {QPointF(7, 14), QPointF(11, 10), QPointF(16, 8)})
            p.drawEllipse(point, 1.5, 1.5);
        p.setPen(QPen(QColor(0x20, 0x60, 0xc0), 2));
        p.drawPolyline(QPolygonF({QPointF(5, 15), QPointF(9, 11), QPointF(14, 8.5), QPointF(20, 7)}));
    } else if (name == "measurements") {
        p.setPen(QPen(ink, 1));
        p.setBrush(paper);
        p.drawRect(3, 4, 18, 16);
        p.fillRect(QRect(4, 5, 17, 3), blue);
        for (int y = 8; y < 20; y += 4)
            p.drawLine(3, y, 21, y);
        p.drawLine(9, 4, 9, 20);
        p.drawLine(15, 4, 15, 20);
    } else {
        p.setPen(QPen(ink, 1));
        AlignIcon(p, name);
    }
}

} // namespace

QIcon DesignerIcon(const QString& name) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    Draw(painter, name);
    painter.end();
    return QIcon(pixmap);
}
