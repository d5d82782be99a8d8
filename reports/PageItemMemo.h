#pragma once

// The text item of report pages, report fields, and the text layout routines that
// the readings table and the picture item reuse.

#include "reports/PageItem.h"

#include <QString>
#include <QStringList>

class QPainter;
class TPage;

// The nine "Alignment" captions ("Top Left" ... "Bottom Right", localised).
QStringList AlignmentNames();

// Positions a block of w x h pixels in rect: 0 top left ... 8 bottom right (rows
// top, middle, bottom; columns left, centre, right). Centres use integer halves.
TDeviceRect AlignBlock(int alignment, const TDeviceRect& rect, int blockWidth, int blockHeight);

struct TTextLines {
    QStringList Lines;
    int Height = 0; // sum of the lines' full text heights
    int Width = 0;  // widest line
};
// Breaks text into lines with the painter's current font: at line feeds, and with
// wordWrap also before a word that would cross rect's width. Words are never split;
// spaces stay at the end of the word they follow; characters below 32 are dropped.
TTextLines BreakLines(const QPainter& canvas, const QString& text, const TDeviceRect& rect, bool wordWrap);
// Draws line i at blockRect.top + RoundHalfUp(lineStep * i), placed left, centred
// or right in blockRect by the alignment's column, clipped to clipRect.
void DrawLines(QPainter& canvas, const QStringList& lines, const TDeviceRect& clipRect,
               const TDeviceRect& blockRect, double lineStep, int alignment);

// Report fields: "[BatchID]" ... "[PageNumber]", then the analysis fields "[FlowModel]",
// "[FlowModelParameters]", "[FlowModelR2]", "[FlowIndex]", "[ThixotropicIndex]" and
// "[ActivationEnergy]" (indexes 10 to 15), then the QC fields "[QCResult]",
// "[QCSpecification]" and "[QCDetails]" (16 to 18, from the page's Qc texts), index order.
QStringList ReportFieldNames();
QStringList ReportFieldDisplayNames(); // localised
// "Data values only available on inner pages" (localised).
QString ReportFieldNotice();

class TPageItemMemo : public TPageItem {
public:
    explicit TPageItemMemo(TPage& page);

    QString TypeName() const override { return QStringLiteral("TPageItemMemo"); }
    void Draw() override;

    // Field values of page's batch on an inner page, the notice on other pages; in
    // the order 0, 1, 2, 9, 3, 8, 4, 5, 6, 7, then 10 to 18, one plain replacement
    // after the other.
    static QString SubstituteFields(const QString& text, const TPage& page);
    // Stored tokens to localised display names and back.
    static QString FieldsToDisplay(const QString& text);
    static QString FieldsToStorage(const QString& text);
    // Plugs the two conversions into the property editor's memo texts.
    static void InstallMemoTextConverters();
};
