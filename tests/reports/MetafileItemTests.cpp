// Logos kept as enhanced and Windows metafiles in graphic items, end to end: a report
// file drawn by bramblex-cli render-page and written as PDF, read back with poppler's
// tools, and saved again with the metafile's own bytes.

#include "reports/Page.h"
#include "reports/PageItemGraphic.h"
#include "reports/Report.h"

#include "ReportTestSupport.h"
#include "support/Metafiles.h"
#include "support/PlaceItem.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>

#include <cstdlib>

namespace {

const QString Cli = QStringLiteral(BRAMBLEX_BINARY_DIR "/tools/cli/bramblex-cli");

QByteArray Kind2(const QByteArray& metafile) {
    return QByteArray(1, '\2') + metafile;
}

// The EMF cut off inside its first record after the header.
QByteArray DamagedEmf() {
    return MakeEmfRectangle().left(100);
}

QString RunTool(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    EXPECT_TRUE(process.waitForFinished(60000)) << program.toStdString();
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << program.toStdString();
    EXPECT_EQ(process.exitCode(), 0) << program.toStdString() << ": "
                                     << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

class MetafileItems : public ::testing::Test {
protected:
    // A 100 x 60 mm opening page: at 254 dpi a millimetre is 10 pixels. The damaged
    // picture comes first, so the items after it show that it harmed nothing.
    void SetUp() override {
        TPage* page = Report.AddPage();
        page->Property(QStringLiteral("PageType")).SetInteger(PageTypeOpening);
        page->Property(QStringLiteral("PaperSize")).SetInteger(0);
        page->Property(QStringLiteral("PageWidth")).SetFloat(100);
        page->Property(QStringLiteral("PageHeight")).SetFloat(60);
        AddPicture(*page, QStringLiteral("Damaged"), 10, 35, DamagedEmf());
        AddPicture(*page, QStringLiteral("Emf"), 10, 10, MakeEmfRectangle());
        AddPicture(*page, QStringLiteral("Wmf"), 55, 10, MakeWmfRectangle());
        Template = Dir.File(QStringLiteral("Logos.epr"));
        Report.SaveToFile(Template);
    }

    static void AddPicture(TPage& page, const QString& name, double left, double top,
                           const QByteArray& bytes) {
        auto* item = Place<TPageItemGraphic>(page, name, left, top, 40, 20);
        item->Property(QStringLiteral("AspectRatio")).SetInteger(1); // stretched over the item
        item->Property(QStringLiteral("Graphic")).SetBytes(Kind2(bytes));
    }

    // Both pictures are 200 x 100 units stretched over 400 x 200 pixels: the EMF's
    // green rectangle lies 20 pixels inside its item, the WMF's red one fills its item
    // (libwmf fits the drawing to the picture's frame).
    static void ExpectLogos(const QImage& page) {
        // A PDF page is a whole number of points: a pixel less than the paper.
        ASSERT_NEAR(page.width(), 1000, 2);
        ASSERT_NEAR(page.height(), 600, 2);
        const auto near = [](QRgb got, QRgb want) {
            return std::abs(qRed(got) - qRed(want)) < 40 && std::abs(qGreen(got) - qGreen(want)) < 40 &&
                   std::abs(qBlue(got) - qBlue(want)) < 40;
        };
        const QRgb white = qRgb(255, 255, 255), green = qRgb(0, 255, 0), red = qRgb(255, 0, 0);
        EXPECT_TRUE(near(page.pixel(300, 200), green)) << std::hex << page.pixel(300, 200);
        EXPECT_TRUE(near(page.pixel(130, 130), green)) << std::hex << page.pixel(130, 130);
        EXPECT_TRUE(near(page.pixel(470, 270), green)) << std::hex << page.pixel(470, 270);
        EXPECT_TRUE(near(page.pixel(105, 105), white)) << std::hex << page.pixel(105, 105);
        EXPECT_TRUE(near(page.pixel(495, 295), white)) << std::hex << page.pixel(495, 295);
        EXPECT_TRUE(near(page.pixel(750, 200), red)) << std::hex << page.pixel(750, 200);
        EXPECT_TRUE(near(page.pixel(750, 320), white)) << std::hex << page.pixel(750, 320);
        // The damaged picture's item stays empty.
        for (const QPoint at : {QPoint(300, 450), QPoint(150, 400), QPoint(450, 500)})
            EXPECT_TRUE(near(page.pixel(at), white)) << at.x() << "," << at.y();
    }

    TempDir Dir;
    TReport Report;
    QString Template;
};

TEST_F(MetafileItems, RenderPageDrawsThemAndSkipsTheDamagedOne) {
    const QString png = Dir.File(QStringLiteral("page.png"));
    RunTool(Cli, {QStringLiteral("render-page"), Template, QStringLiteral("0"), png, QStringLiteral("--dpi"),
                  QStringLiteral("254")});
    ExpectLogos(QImage(png));
}

TEST_F(MetafileItems, PdfKeepsThemAsVectors) {
    const QString pdf = Dir.File(QStringLiteral("logos.pdf"));
    RunTool(Cli,
            {QStringLiteral("report"), QStringLiteral("--template"), Template, QStringLiteral("--pdf"), pdf});
    RunTool(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QStringLiteral("254"), QStringLiteral("-png"),
             QStringLiteral("-singlefile"), pdf, Dir.File(QStringLiteral("pdf"))});
    ExpectLogos(QImage(Dir.File(QStringLiteral("pdf.png"))));
    // pdfimages lists its two header lines and then one line per image: none.
    const QStringList images =
        RunTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf}).split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(images.size(), 2) << images.join('\n').toStdString();
}

TEST_F(MetafileItems, SavingAgainKeepsTheMetafileBytes) {
    const QByteArray file = Dir.Read(QStringLiteral("Logos.epr"));
    TReport loaded;
    loaded.LoadFromFile(Template);
    ASSERT_EQ(loaded.PageCount(), 1);
    // Drawn first, so the pictures hold their conversions when they are saved.
    TPage& drawn = *loaded.Page(0);
    drawn.OutputRect = {0, 0, 1000, 600};
    ExpectLogos(DrawPageImage(drawn));

    const QString again = Dir.File(QStringLiteral("Again.epr"));
    loaded.SaveToFile(again);
    EXPECT_EQ(Dir.Read(QStringLiteral("Again.epr")), file);
    TReport reread;
    reread.LoadFromFile(again);
    const TPage& page = *reread.Page(0);
    const struct {
        const char* Name;
        QByteArray Bytes;
    } cases[] = {{"Emf", MakeEmfRectangle()}, {"Wmf", MakeWmfRectangle()}, {"Damaged", DamagedEmf()}};
    for (const auto& c : cases) {
        const int index = page.IndexOfItemName(QString::fromLatin1(c.Name));
        ASSERT_GE(index, 0) << c.Name;
        EXPECT_EQ(page.Item(index)->Property(QStringLiteral("Graphic")).GetBytes(), Kind2(c.Bytes)) << c.Name;
    }
}

} // namespace
