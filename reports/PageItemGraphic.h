#pragma once

// A picture on a report page (a logo, a stamp), stretched to the item or fitted into
// it with its proportions kept.

#include "reports/PageItem.h"

#include <QSize>
#include <QString>
#include <QStringList>

class TPage;

// "AspectRatio" values: a choice, not a boolean, so "True" is 0.
enum : int { AspectRatioKeep = 0, AspectRatioStretch = 1 };

// "True", "False" (localised), the choices of "AspectRatio".
QStringList AspectRatioNames();

// Where a picture of pictureSize lands in rect: with keepAspect the largest box of
// the picture's proportions that fits, placed by alignment (0 to 8); otherwise rect.
TDeviceRect FitPicture(const TDeviceRect& rect, QSize pictureSize, bool keepAspect, int alignment);

class TPageItemGraphic : public TPageItem {
public:
    explicit TPageItemGraphic(TPage& page);

    QString TypeName() const override { return QStringLiteral("TPageItemGraphic"); }
    void Draw() override;
};
