// Report documents and their ".epr" files: structure, round trips byte for byte, the
// known-good sample, the clipboard-sized page document and copying.

#include "catalogue/Catalogue.h"
#include "core/Error.h"
#include "documents/DamagedSource.h"
#include "platform/AtomicFile.h"
#include "properties/PictureText.h"
#include "reports/Page.h"
#include "reports/PageItemGraphic.h"
#include "reports/PageItemMemo.h"
#include "reports/PageItemReadings.h"
#include "reports/PageItemShape.h"
#include "reports/Report.h"
#include "support/ErrorOf.h"
#include "support/FakePrinters.h"
#include "support/TempDir.h"
#include "xml/GmXml.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <zlib.h>

namespace {

class ReportFile : public FakePrintersTest {
protected:
    TempDir Dir;
};

QString SamplePath() {
    return QStringLiteral(BRAMBLEX_TEST_DATA_DIR "/reports/sample.epr");
}

// Three pages, one of each type, with memo, shape and table items and a few values
// that exercise escaping, reals and the paper reactions.
void BuildSample(TReport& report) {
    TPage* opening = report.AddPage();
    auto* title = opening->AddItem<TPageItemMemo>();
    title->SetLeft(20.0);
    title->SetTop(15.5);
    title->SetWidth(170.0);
    title->SetHeight(12.25);
    title->Property("FontSize").SetInteger(18);
    title->Property("Bold").SetBoolean(true);
    title->Property("Alignment").SetInteger(1);
    title->Property("Text").SetString("Viscosity report <\"Tidemark\"> & Co's\r\nPage [PageNumber]");
    auto* frame = opening->AddItem<TPageItemShape>();
    frame->SetLeft(10.0);
    frame->SetTop(10.0);
    frame->SetWidth(190.0);
    frame->SetHeight(30.0);
    frame->Property("Anchor").SetInteger(AnchorLeft | AnchorTop | AnchorRight);
    frame->Property("FillStyle").SetStyle(1); // drawn after the title: no fill to cover it

    TPage* inner = report.AddPage();
    inner->Property("PageType").SetInteger(PageTypeInner);
    inner->Property("PageOrientation").SetInteger(PageOrientationLandscape);
    auto* header = inner->AddItem<TPageItemMemo>();
    header->SetLeft(10.0);
    header->SetTop(10.0);
    header->SetWidth(120.0);
    header->SetHeight(20.0);
    header->Property("WordWrap").SetBoolean(true);
    header->Property("FontColor").SetInteger(0x0000FF);
    header->Property("Text").SetString("Batch: [BatchID]\r\nCompany: [Company]\r\nOperator: [Operator]");
    auto* table = inner->AddItem<TPageItemReadings>();
    table->SetLeft(10.0);
    table->SetTop(35.0);
    table->SetWidth(277.0);
    table->SetHeight(160.0);

    TPage* closing = report.AddPage();
    closing->Property("PageType").SetInteger(PageTypeClosing);
    closing->Property("PaperSize").SetInteger(0);
    closing->Property("PageWidth").SetFloat(100.0);
    closing->Property("PageHeight").SetFloat(150.3);
    auto* note = closing->AddItem<TPageItemMemo>();
    note->SetWidth(80.0);
    note->SetHeight(10.0);
    note->Property("Text").SetString(QString::fromUtf8("Thank you \xc3\xa9\xc3\xa0"));
}

TEST_F(ReportFile, EmptyReportWritesReadOnlyAndEmptyPages) {
    TReport report;
    report.SaveToFile(Dir.File("empty.epr"));
    EXPECT_EQ(report.Name, "empty");

    TGmXML doc;
    doc.LoadFromFile(Dir.File("empty.epr"));
    ASSERT_EQ(doc.Nodes().Count(), 1);
    const TGmXmlNode& root = *doc.Nodes().Items(0);
    EXPECT_EQ(root.NameText(), "Report");
    ASSERT_EQ(root.Children().Count(), 2);
    EXPECT_EQ(root.Children().Items(0)->NameText(), "ReadOnly");
    EXPECT_EQ(root.Children().Items(0)->Value, "0");
    EXPECT_EQ(root.Children().Items(1)->NameText(), "Pages");
    EXPECT_EQ(root.Children().Items(1)->Children().Count(), 0);

    TReport back;
    back.AddPage();
    back.LoadFromFile(Dir.File("empty.epr"));
    EXPECT_EQ(back.PageCount(), 0);
    EXPECT_FALSE(back.ReadOnly);
}

TEST_F(ReportFile, BuiltReportRoundTripsByteForByteAndMatchesTheKeptSample) {
    TReport report;
    BuildSample(report);
    report.ReadOnly = true;
    report.SaveToFile(Dir.File("first.epr"));
    const QByteArray first = ReadWholeFile(Dir.File("first.epr"));

    TReport back;
    back.LoadFromFile(Dir.File("first.epr"));
    EXPECT_EQ(back.Name, "first");
    EXPECT_TRUE(back.ReadOnly);
    ASSERT_EQ(back.PageCount(), 3);
    EXPECT_EQ(back.Page(1)->PageType(), PageTypeInner);
    EXPECT_DOUBLE_EQ(back.Page(1)->PageWidth(), 297.0);
    EXPECT_DOUBLE_EQ(back.Page(2)->PageHeight(), 150.3);
    EXPECT_EQ(back.Page(0)->Item(0)->GetString("Text"),
              "Viscosity report <\"Tidemark\"> & Co's\r\nPage [PageNumber]");
    EXPECT_EQ(back.Page(2)->Item(0)->GetString("Text"), QString::fromUtf8("Thank you \xc3\xa9\xc3\xa0"));
    for (int i = 0; i < back.PageCount(); ++i) {
        EXPECT_EQ(back.Page(i)->PageNumber, 1);
        EXPECT_FALSE(back.Page(i)->Item(0)->Selected);
    }
    back.SaveToFile(Dir.File("second.epr"));
    EXPECT_EQ(ReadWholeFile(Dir.File("second.epr")), first);
    EXPECT_EQ(back.Name, "second");

    if (qEnvironmentVariableIsSet("BRAMBLEX_WRITE_SAMPLES"))
        WriteFileAtomically(SamplePath(), first);
    ASSERT_TRUE(QFile::exists(SamplePath()));
    EXPECT_EQ(ReadWholeFile(SamplePath()), first) << "the writer no longer writes the kept sample";
}

TEST_F(ReportFile, KeptSampleComesBackByteForByte) {
    TReport report;
    report.LoadFromFile(SamplePath());
    EXPECT_EQ(report.Name, "sample");
    EXPECT_TRUE(report.ReadOnly);
    ASSERT_EQ(report.PageCount(), 3);
    report.SaveToFile(Dir.File("sample.epr"));
    EXPECT_EQ(Dir.Read("sample.epr"), ReadWholeFile(SamplePath()));
}

TEST_F(ReportFile, ElementOrderOfAPageAndItsItems) {
    TReport report;
    TPage* page = report.AddPage();
    auto* shape = page->AddItem<TPageItemShape>();
    shape->SetLeft(10);
    shape->SetTop(10);
    shape->SetWidth(50);
    shape->SetHeight(20);
    page->AddItem<TPageItemMemo>();
    TGmXML doc;
    report.SaveToXml(doc.Nodes());

    const TGmXmlNode& xmlPage = *doc.Nodes().Find("Report").Children().Find("Pages").Children().Items(0);
    EXPECT_EQ(xmlPage.NameText(), "Page");
    QStringList props;
    for (const auto& n : xmlPage.Children().Find("Properties").Children())
        props << n->NameText() + "=" + QString::fromStdString(n->Value);
    EXPECT_EQ(props.join(','), "PageWidth=210,PageHeight=297,PageType=0,PageOrientation=0,PaperSize=1");

    const TGmXmlNodeList& items = xmlPage.Children().Find("PageItems").Children();
    ASSERT_EQ(items.Count(), 2);
    EXPECT_EQ(items.Items(0)->Children().Find("PageItemType").GetText(), "TPageItemShape");
    QStringList details;
    for (const auto& n : items.Items(0)->Children().Find("PageItemDetails").Children())
        details << n->NameText() + "=" + QString::fromStdString(n->Value);
    EXPECT_EQ(details.join(','), "Anchor=3,FillColor=16777215,FillStyle=0,Height=20,Left=10,LineColor=0,"
                                 "LineStyle=0,LineWidth=1,Name=Shape1,Shape=0,Top=10,Width=50");
    QStringList memo;
    for (const auto& n : items.Items(1)->Children().Find("PageItemDetails").Children())
        memo << n->NameText();
    EXPECT_EQ(memo.join(','), "Alignment,Anchor,Bold,FontColor,FontName,FontSize,Height,Italic,Left,Name,"
                              "Strikeout,Text,Top,Underline,Width,WordWrap");
}

TEST_F(ReportFile, PagesAreReadWhateverTheirElementNamesAndReadOnlyNeedsOne) {
    const QByteArray text = "<?xml version=\"1.0\"?>\r\n"
                            "<Report>\r\n  <ReadOnly>2</ReadOnly>\r\n  <Pages>\r\n"
                            "    <Sheet>\r\n      <Properties>\r\n        <PageType>1</PageType>\r\n"
                            "      </Properties>\r\n    </Sheet>\r\n"
                            "    <Page>\r\n    </Page>\r\n"
                            "  </Pages>\r\n</Report>\r\n";
    Dir.Write("odd.epr", text);
    TReport report;
    report.LoadFromFile(Dir.File("odd.epr"));
    ASSERT_EQ(report.PageCount(), 2);
    EXPECT_EQ(report.Page(0)->PageType(), 1);
    EXPECT_FALSE(report.ReadOnly);

    // A second load replaces the pages of the first.
    TReport other;
    BuildSample(other);
    other.SaveToFile(Dir.File("three.epr"));
    report.LoadFromFile(Dir.File("three.epr"));
    EXPECT_EQ(report.PageCount(), 3);
    EXPECT_EQ(report.Name, "three");
}

TEST_F(ReportFile, MissingFileFailsAndNonXmlGivesNoPages) {
    TReport report;
    report.Name = "kept";
    EXPECT_THROW(report.LoadFromFile(Dir.File("absent.epr")), EFileError);
    EXPECT_EQ(report.Name, "kept");
    Dir.Write("junk.epr", "this is not xml at all");
    report.LoadFromFile(Dir.File("junk.epr"));
    EXPECT_EQ(report.PageCount(), 0);
    EXPECT_TRUE(report.Damaged());
}

TEST_F(ReportFile, ACutOffReportSaysItIsDamagedAndHowManyPagesItGot) {
    TReport source;
    BuildSample(source);
    source.SaveToFile(Dir.File("s.epr"));
    TReport whole;
    whole.LoadFromFile(Dir.File("s.epr"));
    EXPECT_FALSE(whole.Damaged()) << whole.LoadWarning.toStdString();

    const QByteArray text = Dir.Read("s.epr");
    Dir.Write("cut.epr", text.left(text.lastIndexOf("TPageItemMemo")));
    TReport cut;
    cut.LoadFromFile(Dir.File("cut.epr"));
    EXPECT_EQ(cut.PageCount(), 3);
    ASSERT_TRUE(cut.Damaged());
    EXPECT_TRUE(cut.LoadWarning.contains("3 page(s) were read")) << cut.LoadWarning.toStdString();
}

// The designer and the page commands save a copy of the report they were handed:
// neither the report nor such a copy is written over the damaged file.
TEST_F(ReportFile, ADamagedReportIsNotWrittenOverItsFileButElsewhere) {
    TReport source;
    BuildSample(source);
    source.SaveToFile(Dir.File("s.epr"));
    const QByteArray text = Dir.Read("s.epr");
    const QByteArray cut = text.left(text.lastIndexOf("TPageItemMemo"));
    Dir.Write("cut.epr", cut);
    TReport report;
    report.LoadFromFile(Dir.File("cut.epr"));
    ASSERT_TRUE(report.Damaged());
    report.AddPage();
    TReport copy;
    copy.Assign(report);
    for (TReport* writer : {&report, &copy}) {
        EXPECT_EQ(ErrorOf([&] { writer->SaveToFile(Dir.File("cut.epr")); }),
                  TDamagedSource::RefusalMessage(report.LoadWarning));
        EXPECT_EQ(Dir.Read("cut.epr"), cut);
    }
    copy.SaveToFile(Dir.File("repaired.epr"));
    TReport repaired;
    repaired.LoadFromFile(Dir.File("repaired.epr"));
    EXPECT_FALSE(repaired.Damaged());
    EXPECT_EQ(repaired.PageCount(), 4);
}

TEST_F(ReportFile, UnknownItemTypeKeepsThePagesReadSoFar) {
    TReport source;
    BuildSample(source);
    source.SaveToFile(Dir.File("s.epr"));
    QByteArray text = Dir.Read("s.epr");
    const int at = text.lastIndexOf("TPageItemMemo");
    text.replace(at, 13, "TPageItemWave");
    Dir.Write("bad.epr", text);
    TReport report;
    try {
        report.LoadFromFile(Dir.File("bad.epr"));
        FAIL() << "no error";
    } catch (const EBramblexError& e) {
        EXPECT_EQ(e.Message(), "Class TPageItemWave not found");
    }
    EXPECT_EQ(report.PageCount(), 3);
    EXPECT_EQ(report.Page(2)->ItemCount(), 0);
}

// A report whose pictures together unpack beyond the document's budget fails with a
// clear error once the budget is spent, with what came before it loaded; nothing
// past the budget is ever unpacked.
TEST_F(ReportFile, PicturesBeyondTheDocumentsBudgetFailTheLoad) {
    constexpr int kPictureBytes = 1024 * 1024;
    TReport source;
    for (int i = 0; i < 8; ++i)
        source.AddPage()->AddItem<TPageItemGraphic>()->Property("Graphic").SetBytes(
            QByteArray(kPictureBytes, 'x'));
    source.SaveToFile(Dir.File("pictures.epr"));
    TGmXML document;
    document.LoadFromFile(Dir.File("pictures.epr"));
    ASSERT_LT(QFileInfo(Dir.File("pictures.epr")).size(), 8 * 16 * 1024);

    TPictureBudget budget(3 * kPictureBytes + 100);
    TReport report;
    EXPECT_THROW(report.LoadFromXml(document.Nodes(), budget), EPictureBudgetError);
    EXPECT_LE(budget.Used(), budget.Limit());
    EXPECT_EQ(report.PageCount(), 4); // the fourth picture's page was begun
    EXPECT_EQ(report.Page(2)->Item(0)->Property("Graphic").GetBytes().size(), kPictureBytes);

    TPictureBudget enough(8 * kPictureBytes + 100);
    report.LoadFromXml(document.Nodes(), enough);
    EXPECT_EQ(report.PageCount(), 8);

    TReport whole;
    whole.LoadFromFile(Dir.File("pictures.epr"));
    EXPECT_EQ(whole.PageCount(), 8);

    // Eight pictures each stating the largest size: the file fails at the second,
    // naming the file and the bound.
    QByteArray hostile = Dir.Read("pictures.epr");
    const QByteArray packed = PackPictureText(QByteArray(kPictureBytes, 'x'));
    QByteArray frame;
    for (int shift = 0; shift < 32; shift += 8)
        frame.append(static_cast<char>((MaxPictureBytes >> shift) & 0xFF));
    frame += QByteArray(64 * 1024, 'y');
    uLongf size = compressBound(static_cast<uLong>(frame.size()));
    QByteArray deflated(static_cast<qsizetype>(size), '\0');
    ASSERT_EQ(compress2(reinterpret_cast<Bytef*>(deflated.data()), &size,
                        reinterpret_cast<const Bytef*>(frame.constData()), static_cast<uLong>(frame.size()),
                        9),
              Z_OK);
    deflated.resize(static_cast<qsizetype>(size));
    ASSERT_EQ(hostile.count(packed), 8);
    hostile.replace(packed, Base64EncodeLines(deflated));
    Dir.Write("hostile.epr", hostile);
    try {
        TReport report;
        report.LoadFromFile(Dir.File("hostile.epr"));
        FAIL() << "no error";
    } catch (const EPictureBudgetError& e) {
        EXPECT_EQ(e.Message(),
                  QStringLiteral("Cannot open file \"%1\". The pictures of the document need more "
                                 "than 256 MB.")
                      .arg(Dir.File("hostile.epr")));
    }
}

TEST_F(ReportFile, ClipboardDocumentOfSelectedItemsRoundTrips) {
    TReport report;
    BuildSample(report);
    TPage* page = report.Page(0);
    page->SetSelected(page->Item(1), true);
    TGmXML clip;
    page->SaveToXml(clip.Nodes(), true);
    EXPECT_TRUE(clip.Nodes().Find("Properties").IsMissing());
    EXPECT_EQ(clip.Nodes().Find("PageItems").Children().Count(), 1);
    const QByteArray bytes = clip.SaveToBytes();

    TGmXML read;
    read.LoadFromBytes(bytes);
    TPage target;
    target.LoadFromXml(read.Nodes(), false, true);
    ASSERT_EQ(target.ItemCount(), 1);
    EXPECT_EQ(target.Item(0)->TypeName(), "TPageItemShape");
    TGmXML again;
    target.SaveToXml(again.Nodes(), true);
    EXPECT_EQ(again.SaveToBytes(), bytes);

    // A whole page on the clipboard also carries its properties.
    TGmXML whole;
    report.Page(2)->SaveToXml(whole.Nodes(), false);
    TPage pasted;
    pasted.LoadFromXml(whole.Nodes(), false, true);
    EXPECT_DOUBLE_EQ(pasted.PageHeight(), 150.3);
}

TEST_F(ReportFile, PageListOperationsAndAssign) {
    TReport report;
    report.AddPage()->Property("PageType").SetInteger(0);
    report.AddPage()->Property("PageType").SetInteger(2);
    report.InsertPage(1)->Property("PageType").SetInteger(1);
    EXPECT_EQ(report.Page(1)->PageType(), 1);
    EXPECT_THROW(report.InsertPage(5), EBramblexError);
    EXPECT_THROW(report.Page(3), EBramblexError);
    report.RenumberPages();
    EXPECT_EQ(report.Page(2)->PageNumber, 3);
    report.Name = "Mine";
    report.ReadOnly = true;

    TReport copy;
    copy.Assign(report);
    EXPECT_EQ(copy.Name, "Mine");
    EXPECT_TRUE(copy.ReadOnly);
    ASSERT_EQ(copy.PageCount(), 3);
    EXPECT_EQ(copy.Page(2)->PageType(), 2);
    EXPECT_EQ(copy.Page(2)->PageNumber, 3);

    TPage notAReport;
    copy.Assign(notAReport); // ignored
    EXPECT_EQ(copy.PageCount(), 3);

    copy.MovePage(2, 0);
    EXPECT_EQ(copy.Page(0)->PageType(), 2);
    copy.DeletePage(0);
    EXPECT_EQ(copy.PageCount(), 2);
    copy.Clear();
    EXPECT_EQ(copy.PageCount(), 0);
}

TEST_F(ReportFile, PaginateRepeatsPagesWhoseItemsAreNotDone) {
    TReport report;
    report.AddPage()->AddItem<TPageItemMemo>();
    TPage* inner = report.AddPage();
    inner->Property("PageType").SetInteger(PageTypeInner);
    inner->AddItem<TPageItemReadings>(); // 60 example readings, 20 a page
    report.AddPage();
    report.Paginate();
    ASSERT_EQ(report.PageCount(), 5);
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(report.Page(i)->PageType(), PageTypeInner);
    report.RenumberPages();
    EXPECT_EQ(report.Page(4)->PageNumber, 5);
    // The repeated pages hold the one block of readings of the page they repeat.
    for (int i = 2; i <= 3; ++i)
        EXPECT_TRUE(
            report.Page(i)->Batch.Measurements.SharesReadingsWith(report.Page(1)->Batch.Measurements));
}

} // namespace
