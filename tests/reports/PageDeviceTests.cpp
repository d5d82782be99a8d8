// One page, several devices: the drawing code paints the same page on a PDF writer
// and an SVG generator as on images, selection handles included.

#include "ReportTestSupport.h"
#include "catalogue/Catalogue.h"
#include "reports/Page.h"
#include "reports/Report.h"
#include "support/FakePrinters.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <gtest/gtest.h>

namespace {

class PageDevices : public FakePrintersTest {
protected:
    void SetUp() override {
        FakePrintersTest::SetUp();
        report.LoadFromFile(QStringLiteral(BRAMBLEX_TEST_DATA_DIR "/reports/sample.epr"));
        for (int i = 0; i < report.PageCount(); ++i)
            report.Page(i)->SelectOnly(report.Page(i)->Item(0));
    }
    TReport report;
};

TEST_F(PageDevices, PdfPagesAtPrinterResolution) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setResolution(600);
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter* painter = nullptr;
    for (int i = 0; i < report.PageCount(); ++i) {
        TPage& page = *report.Page(i);
        pdf.setPageSize(QPageSize(QSizeF(page.PageWidth(), page.PageHeight()), QPageSize::Millimeter));
        if (!painter)
            painter = new QPainter(&pdf);
        else
            pdf.newPage();
        page.Canvas = painter;
        page.OutputRect = {0, 0, pdf.width(), pdf.height()};
        EXPECT_NEAR(page.DevicePixelsPerInch(), 600.0, 1.0);
        page.Draw();
        page.Canvas = nullptr;
    }
    painter->end();
    delete painter;
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r\n") + bytes.count("/Type /Page "), 3)
        << "one PDF page per report page";
}

TEST_F(PageDevices, SvgPageWithTextAndHandles) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(1123, 794));
    svg.setResolution(96);
    QPainter painter(&svg);
    TPage& page = *report.Page(1);
    page.Canvas = &painter;
    page.OutputRect = {0, 0, 1123, 794};
    page.Draw();
    page.Canvas = nullptr;
    painter.end();
    EXPECT_TRUE(bytes.contains("<svg"));
    EXPECT_TRUE(bytes.contains("Example Batch"));
}

} // namespace

// At printer resolution nearly every glyph is larger than Qt's glyph cache holds; the
// text must still reach the image (raising the cache limit once made it vanish).
TEST_F(PageDevices, TextReachesImagesAtPrinterResolution) {
    TPage& page = *report.Page(1);
    page.SelectOnly(nullptr);
    for (const int dpi : {96, 600}) {
        const int width = static_cast<int>(page.PageWidth() / 25.4 * dpi);
        const int height = static_cast<int>(page.PageHeight() / 25.4 * dpi);
        page.OutputRect = {0, 0, width, height};
        const QImage image = DrawPageImage(page);
        // The memo at the top left holds the only ink above the table.
        int ink = 0;
        for (int y = 0; y < height / 8; y += 2)
            for (int x = 0; x < width / 2; x += 2)
                if (image.pixel(x, y) != qRgb(255, 255, 255))
                    ++ink;
        EXPECT_GT(ink, dpi) << dpi << " dpi";
    }
}
