#pragma once

// Frames, boxes and rules: a rectangle or a horizontal or vertical line.

#include "reports/PageItem.h"

#include <QString>
#include <QStringList>

class TPage;

// "Shape" values.
enum : int { ShapeRectangle = 0, ShapeHorizontalLine = 1, ShapeVerticalLine = 2 };

// "Rectangle", "Horizontal Line", "Vertical Line" (localised).
QStringList ShapeNames();

class TPageItemShape : public TPageItem {
public:
    explicit TPageItemShape(TPage& page);

    QString TypeName() const override { return QStringLiteral("TPageItemShape"); }
    // Draws in the stored pen and brush and leaves the canvas's pen and brush as it
    // found them, also when drawing fails.
    void Draw() override;
};
