#include "export/MxNativeExcel.h"

#include "core/Error.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

QByteArray Hex(const char* hex) {
    return QByteArray::fromHex(hex);
}

const char* const BofAndDimensions = "0908060000021000 0000"
                                     "00020a00 0000 ffff 0000 0001 0000";

QByteArray Tail(const TmxNativeExcel& x, qsizetype from) {
    return x.Bytes().mid(from);
}

TEST(MxNativeExcel, NewWriterHoldsBofAndDimensions) {
    TmxNativeExcel x;
    EXPECT_EQ(x.Bytes(), Hex(BofAndDimensions));
    EXPECT_EQ(x.Row(), 1);
    EXPECT_EQ(x.Column(), 1);
}

TEST(MxNativeExcel, RecordsHaveTheirExactBytes) {
    TmxNativeExcel x;
    const qsizetype start = x.Bytes().size();
    x.SetPageHeader("Batch 7");
    x.SetPageFooter("&N &P");
    x.AddFont({"Arial", 8});
    x.AddFont({"Arial", 8, true});
    x.SetColumnWidths(4, 11, 12);
    x.SetColumnWidth(1, 20);
    x.SetActiveFont(1);
    x.WriteText(3, 14, QString::fromUtf8("Temperature (°F)"));
    x.SetActiveFont(0);
    x.WriteNumber(4, 6, 2.5);
    x.Finish();
    EXPECT_EQ(Tail(x, start), Hex("1400 0800 07 4261746368 2037"
                                  "1500 0600 05 264e202650"
                                  "3100 0a00 a000 0000 05 417269616c"
                                  "3100 0a00 a000 0100 05 417269616c"
                                  "2400 0400 03 0a 000c"
                                  "2400 0400 00 00 0014"
                                  "0400 1800 0200 0d00 404000 10"
                                  "54656d706572617475726520 28b04629"
                                  "0300 0f00 0300 0500 400000 0000000000000440"
                                  "0a00 0000"));
    EXPECT_TRUE(x.IsFinished());
    EXPECT_FALSE(x.TextLost());
}

TEST(MxNativeExcel, LongTextsAreCutTo255Characters) {
    TmxNativeExcel x;
    const qsizetype start = x.Bytes().size();
    x.WriteText(1, 1, QString(300, 'x'));
    const QByteArray label = Tail(x, start);
    ASSERT_EQ(label.size(), 4 + 263);
    EXPECT_EQ(label.left(4), Hex("0400 0701"));
    EXPECT_EQ(static_cast<uint8_t>(label[4 + 7]), 255);
    EXPECT_EQ(label.mid(4 + 8), QByteArray(255, 'x'));

    TmxNativeExcel h;
    h.SetPageHeader(QString(256, 'y'));
    EXPECT_EQ(Tail(h, start).left(5), Hex("1400 0001 ff"));
}

TEST(MxNativeExcel, FileNameGetsTheXlsExtension) {
    const struct {
        const char* given;
        const char* kept;
    } cases[] = {
        {"/tmp/export.txt", "/tmp/export.XLS"},   {"/tmp/data.xls", "/tmp/data.xls"},
        {"/tmp/data.XlS", "/tmp/data.XlS"},       {"/tmp/data", "/tmp/data.XLS"},
        {"/tmp/v1.2/data", "/tmp/v1.2/data.XLS"}, {"/tmp/a.tar.gz", "/tmp/a.tar.XLS"},
        {"/tmp/report.", "/tmp/report.XLS"},
    };
    for (const auto& c : cases) {
        TmxNativeExcel x;
        x.SetFileName(c.given);
        EXPECT_EQ(x.FileName(), QString(c.kept)) << c.given;
    }
}

TEST(MxNativeExcel, FontsAreLimitedToFourAndTheActiveFontToThoseAdded) {
    TmxNativeExcel x;
    x.SetActiveFont(1); // no font yet
    EXPECT_EQ(x.ActiveFont(), 0);
    x.AddFont({"Arial", 8});
    x.AddFont({"Arial", 8, true});
    x.SetActiveFont(3);
    EXPECT_EQ(x.ActiveFont(), 0);
    x.SetActiveFont(2); // one past the fonts written
    EXPECT_EQ(x.ActiveFont(), 0);
    x.SetActiveFont(1);
    EXPECT_EQ(x.ActiveFont(), 1);

    EXPECT_TRUE(x.AddFont({"Times", 12.5, false, true, true, true}));
    EXPECT_TRUE(x.AddFont({"Courier", 10}));
    const qsizetype size = x.Bytes().size();
    EXPECT_FALSE(x.AddFont({"Fifth", 10}));
    EXPECT_EQ(x.Bytes().size(), size);
    EXPECT_EQ(x.FontCount(), 4);
    x.SetActiveFont(3);
    EXPECT_EQ(x.ActiveFont(), 3);
    const qsizetype start = x.Bytes().size();
    x.WriteBlank(1, 1);
    EXPECT_EQ(Tail(x, start), Hex("0100 0700 0000 0000 40c000"));
}

TEST(MxNativeExcel, CursorKeepsRefusedRowsAndColumnsAndMovesOn) {
    TmxNativeExcel x;
    x.WriteNumber(5, 3, 1); // cursor now at row 5, column 4
    EXPECT_EQ(x.Row(), 5);
    EXPECT_EQ(x.Column(), 4);
    qsizetype start = x.Bytes().size();
    x.WriteText(0, 0, "a");
    EXPECT_EQ(Tail(x, start).mid(4, 4), Hex("0400 0300"));
    start = x.Bytes().size();
    x.WriteText(-1, 257, "b"); // both refused: row 5, column 5
    EXPECT_EQ(Tail(x, start).mid(4, 4), Hex("0400 0400"));

    x.WriteText(9, 256, "last column"); // wraps to the next row's first column
    EXPECT_EQ(x.Row(), 10);
    EXPECT_EQ(x.Column(), 1);
    x.WriteText(65535, 256, "last cell"); // no row below: stays in the last row
    EXPECT_EQ(x.Row(), 65535);
    EXPECT_EQ(x.Column(), 1);
    start = x.Bytes().size();
    x.WriteText(65536, 0, "refused row");
    EXPECT_EQ(Tail(x, start).mid(4, 4), Hex("feff 0000"));
}

TEST(MxNativeExcel, OtherCellRecords) {
    TmxNativeExcel x;
    x.Locked = false;
    const qsizetype start = x.Bytes().size();
    x.WriteInteger(2, 2, 513);
    x.WriteBoolean(2, 3, true);
    x.WriteError(2, 4, 0x2A);
    x.Hidden = true;
    x.Locked = true;
    x.WriteBlank(2, 5);
    EXPECT_EQ(Tail(x, start), Hex("0200 0900 0100 0100 000000 0102"
                                  "0500 0900 0100 0200 000000 0100"
                                  "0500 0900 0100 0300 000000 2a01"
                                  "0100 0700 0100 0400 c00000"));
}

TEST(MxNativeExcel, RecordsAfterEofStartANewStream) {
    TmxNativeExcel x;
    x.AddFont({"Arial", 8});
    x.AddFont({"Arial", 8, true});
    x.WriteText(1, 1, "first");
    x.Finish();
    x.WriteNumber(1, 1, 0);
    EXPECT_FALSE(x.IsFinished());
    EXPECT_EQ(x.FontCount(), 0);
    EXPECT_EQ(x.Bytes(), Hex(BofAndDimensions) + Hex("0300 0f00 0000 0000 400000 0000000000000000"));

    x.Begin();
    EXPECT_EQ(x.Bytes(), Hex(BofAndDimensions));
}

TEST(MxNativeExcel, SaveReplacesTheFileAndReportsFailures) {
    TempDir dir;
    TmxNativeExcel x;
    x.SetFileName(dir.File("out.txt"));
    x.WriteText(1, 1, "hello");
    x.Finish();
    dir.Write("out.XLS", "old contents");
    x.Save();
    EXPECT_EQ(dir.Read("out.XLS"), x.Bytes());

    x.SetFileName(dir.File("missing/folder/out.xls"));
    EXPECT_THROW(x.Save(), EFileError);
}

TEST(MxNativeExcel, CodePages) {
    TmxNativeExcel x;
    const qsizetype start = x.Bytes().size();
    x.WriteText(1, 1, QString::fromUtf8("Zürich €5 Привет"));
    EXPECT_TRUE(x.TextLost());
    EXPECT_EQ(Tail(x, start).mid(4 + 8), QByteArray("Z\xFCrich \x80"
                                                    "5 ??????"));
    EXPECT_EQ(x.NonAsciiCharacters(), QString::fromUtf8("ü€Привет"));

    ASSERT_TRUE(x.SetCodePage(1251));
    EXPECT_FALSE(x.SetCodePage(4242));
    EXPECT_EQ(x.CodePage(), 1251);
    x.Begin();
    EXPECT_EQ(x.Bytes().left(16), Hex("0908060000021000 0000 4200 0200 e304"));
    const qsizetype s2 = x.Bytes().size();
    x.WriteText(1, 1, QString::fromUtf8("Привет °"));
    EXPECT_FALSE(x.TextLost());
    EXPECT_EQ(Tail(x, s2).mid(4 + 8), Hex("cff0e8e2e5f2 20 b0"));
    x.WriteText(1, 1, QString::fromUtf8("中"));
    EXPECT_TRUE(x.TextLost());
}

} // namespace
