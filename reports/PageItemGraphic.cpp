#include "reports/PageItemGraphic.h"

#include "catalogue/Catalogue.h"
#include "core/Error.h"
#include "reports/Page.h"
#include "reports/PageItemMemo.h"

#include <QPainter>
#include <QRectF>

#include <algorithm>
#include <climits>
#include <cstdint>

QStringList AspectRatioNames() {
    return {Tr("True"), Tr("False")};
}

TDeviceRect FitPicture(const TDeviceRect& rect, QSize pictureSize, bool keepAspect, int alignment) {
    const int pw = pictureSize.width();
    const int ph = pictureSize.height();
    if (!keepAspect || pw <= 0 || ph <= 0)
        return rect;
    const int rw = rect.Width();
    const int rh = rect.Height();
    // A picture of extreme proportions may ask for more than an int holds along the
    // side that is not used; that side is then simply too long.
    const auto fit = [](double x) {
        return static_cast<int>(std::min<std::int64_t>(RoundHalfUp(x), INT_MAX));
    };
    const int hFit = fit(static_cast<double>(ph) * rw / pw);
    const int wFit = fit(static_cast<double>(pw) * rh / ph);
    if (hFit < rh)
        return AlignBlock(alignment, rect, rw, hFit);
    return AlignBlock(alignment, rect, wFit, rh);
}

TPageItemGraphic::TPageItemGraphic(TPage& page) : TPageItem(page) {
    Properties.Add(QStringLiteral("Graphic"), Tr("Graphic"), ptPicture)->SetBytes(QByteArray());
    TProperty* aspect = Properties.Add(QStringLiteral("AspectRatio"), Tr("AspectRatio"), ptChoice);
    aspect->Choices = AspectRatioNames();
    aspect->SetInteger(AspectRatioKeep);
    TProperty* alignment = Properties.Add(QStringLiteral("Alignment"), Tr("Alignment"), ptChoice);
    alignment->Choices = AlignmentNames();
    alignment->SetInteger(0);
    SetName(page.UniqueItemName(Tr("Graphic")));
    Properties.Sort();
}

void TPageItemGraphic::Draw() {
    TPageItem::Draw();
    QPainter* canvas = Page.Canvas;
    if (!canvas)
        return;
    const TKorvGraphic& graphic = Property(QStringLiteral("Graphic")).GetGraphic();
    if (graphic.IsEmpty())
        return;
    const QSize size = graphic.NaturalSize();
    // A picture without a size has no proportions to keep and nothing to stretch.
    if (size.width() <= 0 || size.height() <= 0)
        return;
    const TDeviceRect rect =
        FitPicture(DeviceRect(), size, GetInteger(QStringLiteral("AspectRatio")) == AspectRatioKeep,
                   GetInteger(QStringLiteral("Alignment")));
    if (rect.IsEmpty())
        return;
    canvas->save();
    canvas->setRenderHint(QPainter::SmoothPixmapTransform, true);
    graphic.Draw(*canvas, QRectF(rect.Left, rect.Top, rect.Width(), rect.Height()));
    canvas->restore();
}
