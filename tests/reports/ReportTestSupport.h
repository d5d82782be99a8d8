#pragma once

#include "properties/Properties.h"
#include "reports/Page.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QStringList>

// The page drawn on a width x height image, filled with background first so that
// whatever the page leaves unpainted shows.
inline QImage DrawPageImage(TPage& page, int width, int height, QRgb background = qRgb(255, 255, 255)) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    page.Canvas = &painter;
    page.Draw();
    painter.end();
    page.Canvas = nullptr;
    return image;
}

// The page drawn on an image the size of its OutputRect, on white.
inline QImage DrawPageImage(TPage& page) {
    return DrawPageImage(page, page.OutputRect.Width(), page.OutputRect.Height());
}

// The list's property names in their order, comma separated.
inline QString PropertyNames(const TPropertyList& list) {
    QStringList names;
    for (int i = 0; i < list.Count(); ++i)
        names << list.Items(i)->Name;
    return names.join(u',');
}
