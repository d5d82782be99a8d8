#include "ui/QcMarks.h"

#include <QPainter>
#include <QPainterPath>

QColor QcVerdictColour(TQcVerdict verdict) {
    switch (verdict) {
    case TQcVerdict::Pass:
        return QColor(0x2e, 0x8b, 0x3e);
    case TQcVerdict::Fail:
        return QColor(0xc6, 0x28, 0x28);
    case TQcVerdict::Incomplete:
        return QColor(0xe0, 0x9a, 0x10);
    case TQcVerdict::None:
        break;
    }
    return {};
}

QPixmap QcVerdictMark(TQcVerdict verdict, int size) {
    if (verdict == TQcVerdict::None || size <= 0)
        return {};
    QPixmap mark(size, size);
    mark.fill(Qt::transparent);
    QPainter p(&mark);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    p.setPen(QPen(Qt::white, std::max(1.0, s / 16.0)));
    p.setBrush(QcVerdictColour(verdict));
    p.drawEllipse(QRectF(0.5, 0.5, s - 1.0, s - 1.0));
    QPen glyph(Qt::white, std::max(1.5, s / 7.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(glyph);
    p.setBrush(Qt::NoBrush);
    switch (verdict) {
    case TQcVerdict::Pass: {
        QPainterPath tick;
        tick.moveTo(s * 0.27, s * 0.52);
        tick.lineTo(s * 0.43, s * 0.68);
        tick.lineTo(s * 0.73, s * 0.34);
        p.drawPath(tick);
        break;
    }
    case TQcVerdict::Fail:
        p.drawLine(QPointF(s * 0.32, s * 0.32), QPointF(s * 0.68, s * 0.68));
        p.drawLine(QPointF(s * 0.68, s * 0.32), QPointF(s * 0.32, s * 0.68));
        break;
    default: {
        QFont font = p.font();
        font.setBold(true);
        font.setPixelSize(std::max(6, size * 3 / 4));
        p.setFont(font);
        p.drawText(QRectF(0, 0, s, s), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    }
    return mark;
}

QIcon QcMarkedIcon(const QIcon& base, TQcVerdict verdict) {
    if (verdict == TQcVerdict::None)
        return base;
    QIcon marked;
    QList<QSize> sizes = base.availableSizes();
    if (sizes.isEmpty())
        sizes = {QSize(16, 16), QSize(32, 32)};
    for (const QSize& size : sizes) {
        QPixmap pixmap = base.pixmap(size);
        if (pixmap.isNull())
            continue;
        QPainter p(&pixmap);
        const int side = std::max(7, std::min(pixmap.width(), pixmap.height()) * 5 / 8);
        p.drawPixmap(pixmap.width() - side, pixmap.height() - side, QcVerdictMark(verdict, side));
        p.end();
        marked.addPixmap(pixmap);
    }
    return marked;
}
