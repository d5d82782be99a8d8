// The memo item: properties, report fields, block alignment, line breaking and the
// text it draws.

#include "catalogue/Catalogue.h"
#include "reports/Page.h"
#include "reports/PageItemMemo.h"
#include "support/FakePrinters.h"

#include "ReportTestSupport.h"

#include <QDate>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QImage>
#include <QLocale>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace {

class MemoTest : public FakePrintersTest {};

// The smallest rectangle holding every non-white pixel (right and bottom exclusive);
// empty when the image is white.
TDeviceRect Ink(const QImage& image) {
    TDeviceRect r{image.width(), image.height(), 0, 0};
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((line[x] & 0xFFFFFF) != 0xFFFFFF) {
                r.Left = std::min(r.Left, x);
                r.Top = std::min(r.Top, y);
                r.Right = std::max(r.Right, x + 1);
                r.Bottom = std::max(r.Bottom, y + 1);
            }
        }
    }
    return r;
}

// A 200 x 100 mm page drawn at `scale` pixels per millimetre.
struct TMemoPage {
    explicit TMemoPage(double scale = 2.0, int type = PageTypeInner) {
        page.Property("PaperSize").SetInteger(0);
        page.Property("PageWidth").SetFloat(200.0);
        page.Property("PageHeight").SetFloat(100.0);
        page.Property("PageType").SetInteger(type);
        page.OutputRect = {0, 0, static_cast<int>(200 * scale), static_cast<int>(100 * scale)};
        memo = page.AddItem<TPageItemMemo>();
        Place(10, 10, 100, 40);
    }
    void Place(double left, double top, double width, double height) {
        memo->SetLeft(left);
        memo->SetTop(top);
        memo->SetWidth(width);
        memo->SetHeight(height);
    }
    QImage Render() { return DrawPageImage(page); }

    TPage page;
    TPageItemMemo* memo = nullptr;
};

// ---------------------------------------------------------------------------

TEST_F(MemoTest, NewMemoIsNamedAfterTheFreeNumberAndShowsItsName) {
    TPage page;
    page.AddItem<TPageItemMemo>();
    page.AddItem<TPageItemMemo>();
    auto* memo = page.AddItem<TPageItemMemo>();
    EXPECT_EQ(memo->Name(), "Memo3");
    EXPECT_EQ(memo->GetString("Text"), "Memo3");
    EXPECT_EQ(PropertyNames(memo->Properties),
              "Alignment,Anchor,Bold,FontColor,FontName,FontSize,Height,Italic,Left,Name,"
              "Strikeout,Text,Top,Underline,Width,WordWrap");
    EXPECT_EQ(memo->GetString("FontName"), "Arial");
    EXPECT_EQ(memo->GetInteger("FontSize"), 8);
    EXPECT_EQ(memo->Property("FontColor").Caption, "FontColour");
    EXPECT_EQ(memo->Property("Alignment").Choices.value(8), "Bottom Right");
    EXPECT_EQ(memo->Property("FontSize").Choices.first(), "2");
    EXPECT_EQ(memo->Property("FontSize").Choices.last(), "72");
}

TEST_F(MemoTest, FieldsAreSubstitutedOnInnerPagesOnly) {
    TPage page;
    page.PageNumber = 7;
    page.Batch.Note = "n";
    page.Batch.Company = "[Operator]";   // a value holding a later token is replaced again,
    page.Batch.Identifier = "[Company]"; // one holding an earlier token is not
    const QString text = "Batch: [BatchID]|[FilePath]|[Company]|[Operator]|[Note]|[ModelType]|[SpindleType]|"
                         "[Identifier]|[PageNumber]|[batchid]|[Unknown]";
    page.Property("PageType").SetInteger(PageTypeInner);
    EXPECT_EQ(TPageItemMemo::SubstituteFields(text, page).toStdString(),
              QStringLiteral("Batch: Example Batch|%1|T. Tester|T. Tester|n|%2|%3|"
                             "[Company]|7|[batchid]|[Unknown]")
                  .arg(page.Batch.FolderPath, QString::fromLatin1(ModelNames[0]),
                       QString::fromLatin1(SpindleNames[7]))
                  .toStdString());
    EXPECT_EQ(TPageItemMemo::SubstituteFields("[TodaysDate]", page),
              QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));

    // Out-of-table model and spindle print nothing.
    page.Batch.ModelType = 9;
    page.Batch.SpindleType = 30;
    EXPECT_EQ(TPageItemMemo::SubstituteFields("<[ModelType][SpindleType]>", page), "<>");

    for (int type : {PageTypeOpening, PageTypeClosing}) {
        page.Property("PageType").SetInteger(type);
        EXPECT_EQ(
            TPageItemMemo::SubstituteFields("Batch: [BatchID] p[PageNumber]", page),
            "Batch: Data values only available on inner pages pData values only available on inner pages");
    }
}

TEST_F(MemoTest, FieldsToDisplayAndBackAndThePropertyEditorHook) {
    const QString stored = "[BatchID] and [PageNumber] and [Nothing]";
    EXPECT_EQ(TPageItemMemo::FieldsToDisplay(stored), stored); // English display names equal the tokens
    EXPECT_EQ(TPageItemMemo::FieldsToStorage(TPageItemMemo::FieldsToDisplay(stored)), stored);
    EXPECT_EQ(ReportFieldNames().size(), 20);
    EXPECT_EQ(ReportFieldNames().mid(10),
              QStringList({"FlowModel", "FlowModelParameters", "FlowModelR2", "FlowIndex", "ThixotropicIndex",
                           "ActivationEnergy", "QCResult", "QCSpecification", "QCDetails", "Signatures"}));

    TPage page;
    auto* memo = page.AddItem<TPageItemMemo>();
    memo->Property("Text").SetDisplayText("Page [PageNumber]");
    EXPECT_EQ(memo->GetString("Text"), "Page [PageNumber]");
    EXPECT_EQ(memo->Property("Text").DisplayText(), "Page [PageNumber]");
}

// The analysis fields on a composed page of a fixture batch, against the reference fits
// (scipy) rounded to four significant digits; "–" where there is no result.
TEST_F(MemoTest, AnalysisFieldsPrintTheResultsOfThePagesBatch) {
    const QString fixtures = QStringLiteral(BRAMBLEX_SOURCE_DIR "/tests/data/analysis/");
    const QString text = "[FlowModel]|[FlowModelParameters]|[FlowModelR2]|[FlowIndex]|[ThixotropicIndex]|"
                         "[ActivationEnergy]|[BatchID]";
    struct TCase {
        const char* File;
        const char* Expected;
    } cases[] = {
        // Herschel–Bulkley τ₀ 152.948, K 27.3325, n 0.519106, R² 0.995...; speed power law
        // n 0.195099; thixotropic index 7.61226; one temperature only.
        {"paste.epb", "Herschel–Bulkley|τ₀ = 152.9 dyn/cm², K = 27.33 dyn·sⁿ/cm², n = 0.5191|"},
        // No shear spindle: no model; speed power law n 0.941146; one speed pair missing.
        {"no_shear.epb", "–|–|–|0.9411|–|21.27|no_shear"},
    };
    for (const TCase& c : cases) {
        TMemoPage p;
        p.page.Batch.LoadFromFile(fixtures + QLatin1String(c.File));
        const QString printed = TPageItemMemo::SubstituteFields(text, p.page);
        EXPECT_TRUE(printed.startsWith(QString::fromUtf8(c.Expected))) << printed.toStdString();
        if (QLatin1String(c.File) == QLatin1String("paste.epb")) {
            const QStringList parts = printed.split(u'|');
            ASSERT_EQ(parts.size(), 7);
            EXPECT_EQ(parts[3], "0.1951");
            EXPECT_EQ(parts[4], "7.612");
            EXPECT_EQ(parts[5], QString::fromUtf8("–"));
            EXPECT_EQ(parts[6], "paste");
            EXPECT_TRUE(parts[2].startsWith("0.99")) << parts[2].toStdString();
        }
        // Other pages print the notice instead, and analyse nothing.
        p.page.Property("PageType").SetInteger(PageTypeOpening);
        EXPECT_EQ(TPageItemMemo::SubstituteFields("[FlowModel] [ActivationEnergy]", p.page),
                  ReportFieldNotice() + " " + ReportFieldNotice());
    }
}

TEST(MemoLayout, AlignBlockTable) {
    const TDeviceRect rect{10, 20, 111, 81}; // cx = 60, cy = 50
    const int w = 31;
    const int h = 21;
    const TDeviceRect expected[9] = {
        {10, 20, 41, 41},  {45, 20, 75, 41}, {80, 20, 111, 41}, {10, 40, 41, 60},  {45, 40, 75, 60},
        {80, 40, 111, 60}, {10, 60, 41, 81}, {45, 60, 75, 81},  {80, 60, 111, 81},
    };
    for (int a = 0; a < 9; ++a)
        EXPECT_EQ(AlignBlock(a, rect, w, h), expected[a]) << a;
    // A block larger than the rectangle extends away from the alignment edge.
    EXPECT_EQ(AlignBlock(8, rect, 200, 100), (TDeviceRect{-89, -19, 111, 81}));
    EXPECT_EQ(AlignBlock(4, {0, 0, 10, 10}, 20, 20), (TDeviceRect{-5, -5, 15, 15}));
}

class MemoLayoutOnImage : public ::testing::Test {
protected:
    void SetUp() override {
        painter.begin(&image);
        SetCanvasFont(painter, "Arial", 20, 0);
    }
    void TearDown() override { painter.end(); }
    int Width(const QString& s) { return CanvasTextWidth(painter, s); }

    QImage image{400, 400, QImage::Format_RGB32};
    QPainter painter;
};

TEST_F(MemoLayoutOnImage, LineFeedsEmptyLinesAndControlCharacters) {
    const TDeviceRect rect{0, 0, 100, 100};
    TTextLines t = BreakLines(painter, "one\r\n\r\ntwo\tthree\r\n", rect, false);
    EXPECT_EQ(t.Lines, QStringList({"one", "", "twothree"}));
    const int lineHeight = CanvasTextHeight(painter);
    EXPECT_EQ(t.Height, 3 * lineHeight);
    EXPECT_EQ(t.Width, Width("twothree"));

    t = BreakLines(painter, "", rect, true);
    EXPECT_TRUE(t.Lines.isEmpty());
    EXPECT_EQ(t.Height, 0);
    EXPECT_EQ(t.Width, 0);
}

TEST_F(MemoLayoutOnImage, WordWrapBreaksBeforeTheWordThatCrossesTheEdge) {
    const QString text = "alpha beta gamma";
    const int twoWords = Width("alpha ") + Width("beta ");
    // Exactly room for two words with their spaces: the third goes down.
    TTextLines t = BreakLines(painter, text, {0, 0, twoWords, 50}, true);
    EXPECT_EQ(t.Lines, QStringList({"alpha beta ", "gamma"}));
    // One pixel less: "beta " no longer fits after "alpha ".
    t = BreakLines(painter, text, {0, 0, twoWords - 1, 50}, true);
    EXPECT_EQ(t.Lines, QStringList({"alpha ", "beta ", "gamma"}));
    // A word wider than the rectangle gets a line of its own and is never split.
    t = BreakLines(painter, "a extraordinarily b", {0, 0, 5, 50}, true);
    EXPECT_EQ(t.Lines, QStringList({"a ", "extraordinarily ", "b"}));
    // Without word wrap only line feeds break.
    t = BreakLines(painter, text, {0, 0, 5, 50}, false);
    EXPECT_EQ(t.Lines, QStringList({text}));
    EXPECT_EQ(t.Width, Width(text));
}

TEST_F(MemoLayoutOnImage, DrawLinesPlacesEachLineInItsColumnAndClips) {
    image.fill(Qt::white);
    const TDeviceRect block{100, 100, 300, 200};
    DrawLines(painter, {"Wide line here", "x"}, {0, 0, 400, 400}, block, 30.0, 2);
    const int wide = Width("Wide line here");
    painter.end();
    const TDeviceRect ink = Ink(image);
    EXPECT_LE(ink.Right, 300);
    EXPECT_GE(ink.Right, 297);
    EXPECT_GE(ink.Left, 300 - wide);
    EXPECT_LE(ink.Left, 300 - wide + 3);
    painter.begin(&image);

    // Clipped: nothing outside the clip rectangle.
    image.fill(Qt::white);
    DrawLines(painter, {"Clipped text that runs on"}, {0, 0, 60, 400}, {20, 20, 300, 60}, 20.0, 0);
    painter.end();
    EXPECT_LE(Ink(image).Right, 60);
    EXPECT_GT(Ink(image).Right, 50);
    painter.begin(&image);
}

// ---------------------------------------------------------------------------
// Drawing on a page

TEST_F(MemoTest, EmHeightFollowsTheDeviceResolution) {
    // 100 mm high pages at about 96 and 600 pixels per inch.
    struct Case {
        int heightPx;
        int em;
    };
    for (const Case& c : {Case{378, 10}, Case{2363, 66}}) {
        TMemoPage p;
        p.page.OutputRect = {0, 0, c.heightPx * 2, c.heightPx};
        p.memo->Property("Text").SetString("Hg");
        const QImage drawn = p.Render();

        // The same text drawn directly with an em height of c.em pixels.
        QImage expected(drawn.size(), QImage::Format_RGB32);
        expected.fill(Qt::white);
        QPainter painter(&expected);
        SetCanvasFont(painter, "Arial", c.em, 0);
        const TDeviceRect rect = p.memo->DeviceRect();
        CanvasTextOut(painter, rect.Left, rect.Top, "Hg", rect);
        painter.end();
        EXPECT_EQ(drawn, expected) << c.em;
    }
}

TEST_F(MemoTest, TextIsClippedToTheItemWithoutWordWrap) {
    TMemoPage p;
    p.Place(10, 10, 30, 20); // (20, 20) - (80, 60) on the device
    p.memo->Property("FontSize").SetInteger(20);
    p.memo->Property("Text").SetString("A long line that runs well past the right edge");
    const TDeviceRect ink = Ink(p.Render());
    EXPECT_LE(ink.Right, 80);
    EXPECT_GE(ink.Right, 74);
    EXPECT_GE(ink.Left, 20);
    EXPECT_GE(ink.Top, 20);
    EXPECT_LE(ink.Bottom, 60);

    p.memo->Property("WordWrap").SetBoolean(true);
    p.Place(10, 10, 80, 40);
    const TDeviceRect wrapped = Ink(p.Render());
    EXPECT_LT(wrapped.Right, 180);
    EXPECT_GT(wrapped.Bottom - wrapped.Top, 20); // more than one line of 14 pixels
}

TEST_F(MemoTest, BottomRightPlacesTheLastLineAtTheBottomAndRightAlignsEachLine) {
    TMemoPage p;
    p.Place(10, 10, 100, 40);                    // (20, 20) - (220, 100)
    p.memo->Property("FontSize").SetInteger(24); // 16 pixels at 50.8 pixels per inch
    p.memo->Property("Alignment").SetInteger(8);
    p.memo->Property("Text").SetString("Wide first line\r\nend");
    const QImage image = p.Render();
    const TDeviceRect ink = Ink(image);
    EXPECT_LE(ink.Right, 220);
    EXPECT_GE(ink.Right, 216);
    EXPECT_LE(ink.Bottom, 100);
    EXPECT_GE(ink.Bottom, 90);
    // The short last line ends at the right edge too: ink in its rows reaches it.
    // The first line (no descenders) ends above row 80.
    const TDeviceRect lastRows = Ink(image.copy(0, 80, image.width(), 20));
    EXPECT_GE(lastRows.Right, 216);
    EXPECT_GT(lastRows.Left, 150);
}

TEST_F(MemoTest, ColourFieldsAndNothingForAZeroWidth) {
    TMemoPage opening(2.0, PageTypeOpening);
    opening.memo->Property("FontColor").SetInteger(0x0000FF); // red in BGR
    opening.memo->Property("Text").SetString("[BatchID]");
    opening.memo->Property("FontSize").SetInteger(14);
    const QImage image = opening.Render();
    int red = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            red += qRed(image.pixel(x, y)) > qGreen(image.pixel(x, y)) + 100 ? 1 : 0;
    EXPECT_GT(red, 20);
    // The notice is much wider than the token would be.
    EXPECT_GT(Ink(image).Right, 150);

    TMemoPage empty;
    empty.Place(10, 10, 0, 40);
    empty.memo->Placing = true;
    EXPECT_EQ(Ink(empty.Render()).Right - Ink(empty.Render()).Left, 1); // only the outline's line
    empty.memo->Placing = false;
    EXPECT_TRUE(Ink(empty.Render()).IsEmpty());
    EXPECT_TRUE(empty.memo->Done);
}

TEST_F(MemoTest, FontSizeZeroStillDrawsOnePixelHigh) {
    TMemoPage p;
    p.memo->Property("FontSize").SetInteger(0);
    p.memo->Property("Text").SetString("x");
    EXPECT_NO_THROW(p.Render());
    // A size no font has (a damaged file) keeps the pixel height in range.
    p.memo->Property("FontSize").SetInteger(std::numeric_limits<std::int32_t>::max());
    EXPECT_NO_THROW(p.Render());
}

TEST(ReportFonts, ArialResolvesToAnInstalledFamily) {
    InstallReportFontSubstitutes();
    const QFontInfo info(QFont("Arial"));
    // Arial itself where it is installed, otherwise the family with its metrics.
    EXPECT_EQ(info.family(), QFontDatabase::hasFamily("Arial") ? "Arial" : "Liberation Sans");
    EXPECT_TRUE(QFontDatabase::hasFamily(info.family())) << info.family().toStdString();
}

} // namespace
