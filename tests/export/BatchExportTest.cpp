#include "export/BatchExport.h"

#include "SampleBatches.h"
#include "catalogue/Catalogue.h"
#include "core/Error.h"
#include "export/MxNativeExcel.h"
#include "support/TempDir.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QLocale>
#include <QStringList>

#include <gtest/gtest.h>

#include <cstring>

namespace {

// Each test picks the user's locale and units; they are restored afterwards.
class BatchExport : public ::testing::Test {
protected:
    void SetUp() override { UseLocale("en_US"); }
    void TearDown() override {
        QLocale::setDefault(QLocale::c());
        SetTemperatureUnits(0);
        SetViscosityUnits(0);
    }
    static void UseLocale(const char* name) { QLocale::setDefault(QLocale(QString::fromLatin1(name))); }
};

// Splits one CSV line into cells, undoing the quoting.
QStringList CsvCells(const QString& line) {
    QStringList cells;
    QString cell;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted) {
            if (c == u'"' && i + 1 < line.size() && line[i + 1] == u'"') {
                cell += c;
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                cell += c;
            }
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            cells << cell;
            cell.clear();
        } else {
            cell += c;
        }
    }
    cells << cell;
    return cells;
}

QStringList CsvLines(const QByteArray& bytes) {
    QStringList lines = QString::fromLatin1(bytes).split(QLatin1String("\r\n"));
    EXPECT_EQ(lines.takeLast(), QString()) << "the last line ends with CR LF too";
    return lines;
}

TEST_F(BatchExport, CsvLaysOutHeaderProcessesAndSortedReadings) {
    TBatchItem batch;
    FillSampleBatch(batch);
    // Windows-1252 bytes: \xB0 is the degree sign, \xEB the e with diaeresis.
    const QByteArray expected(
        "Header,,,Processes,,,,,,,,,,Measurements,,,,,,,\r\n"
        ",,,,,,,,,,,,,,,,,,,,\r\n"
        "ID,Sample,,No.,Identifier,\"RPM Start\",\"RPM End\",Time,\"Start Temp (\xB0"
        "C)\",\"Temp Tend.\","
        "\"Start Delay\",Measurements,,Date,Time,\"Viscosity (mPas)\",\"% Full Scale\",\"Temperature (\xB0"
        "C)\","
        "RPM,\"Shear Stress\",\"Shear Rate\"\r\n"
        "Company,\"Acme, Inc.\",,1,\"Ramp up\",0.3,2.5,60,25.0,\"When Below\",10,5,,3/5/24,\"12:00:02 PM\","
        "12.0,0.6,-15.0,0.3,1.5,2.5\r\n"
        "Operator,Zo\xEB,,2,\"Hold \"\"fast\"\"\",12.0,12.0,30,,,,3,,3/5/24,\"12:00:00 "
        "PM\",150.0,62.5,25.0,2.5,"
        "0.2,0.8\r\n"
        "Identifier,ID-7,,,,,,,,,,,,3/5/24,\"12:00:01 PM\",\"Over scale\",\"Over scale\",26.0,12.0,,\r\n"
        "Note,\"line one line two\",,,,,,,,,,,,,,,,,,,\r\n"
        "\"Model Type\",\"Korvane 4150 RV1-L\",,,,,,,,,,,,,,,,,,,\r\n"
        "\"Spindle Type\",LCP,,,,,,,,,,,,,,,,,,,\r\n"
        ",,,,,,,,,,,,,,,,,,,,\r\n,,,,,,,,,,,,,,,,,,,,\r\n,,,,,,,,,,,,,,,,,,,,\r\n");
    EXPECT_EQ(BatchToCsv(batch), expected);
    // The batch keeps the export's order, the one the readings view shows.
    EXPECT_EQ(batch.Measurements.Items(0)->Viscosity, 12.0);
}

TEST_F(BatchExport, CsvRowCountFollowsTheLongerTable) {
    const struct {
        int processes, readings, lines;
    } cases[] = {{0, 0, 12}, {2, 3, 12}, {0, 40, 43}, {11, 2, 14}};
    for (const auto& c : cases) {
        TBatchItem batch;
        batch.SpindleType = 0;
        for (int i = 0; i < c.processes; ++i)
            batch.Processes.Add();
        for (int i = 0; i < c.readings; ++i)
            AddReading(batch, SampleNoon + i * SampleSecond, 10, 20, 4);
        const QStringList lines = CsvLines(BatchToCsv(batch));
        EXPECT_EQ(lines.size(), c.lines) << c.processes << " processes, " << c.readings << " readings";
        for (const QString& line : lines)
            EXPECT_EQ(CsvCells(line).size(), 21) << line.toStdString();
        if (c.readings > 0) {
            EXPECT_EQ(CsvCells(lines[3])[13], "3/5/24");
            EXPECT_EQ(CsvCells(lines[3 + c.readings - 1])[14],
                      "12:00:" + QString::number(c.readings - 1).rightJustified(2, '0') + " PM");
        }
    }
}

TEST_F(BatchExport, CsvNoteAndQuoting) {
    TBatchItem batch;
    batch.Note = "a\r\nb\nc \"d\",e\tf";
    batch.Company = "plain";
    batch.Operator = "semi;colon";
    const QStringList lines = CsvLines(BatchToCsv(batch));
    EXPECT_TRUE(lines[6].startsWith("Note,\"a b\nc \"\"d\"\",e\tf\","));
    EXPECT_TRUE(lines[3].startsWith("Company,plain,"));
    EXPECT_TRUE(lines[4].startsWith("Operator,semi;colon,"));
}

// Text cells that a spreadsheet program would run as a formula start with an
// apostrophe; numbers (a temperature of -15) and other texts stay as they are.
TEST_F(BatchExport, CsvTextsThatStartLikeFormulasGetAnApostrophe) {
    TBatchItem batch;
    FillSampleBatch(batch);
    batch.FileTitle = "\tTab";
    batch.Company = "=HYPERLINK(\"http://x\",\"y\")";
    batch.Operator = "+41 55";
    batch.Identifier = "-ID";
    batch.Note = "@SUM(A1)";
    batch.Processes.Items(0)->Identifier = "\rCR";
    batch.Processes.Items(1)->Identifier = "a=b -c";
    const QStringList lines = CsvLines(BatchToCsv(batch));
    const struct {
        int Line, Cell;
        const char* Expected;
    } cells[] = {
        {2, 1, "'\tTab"},    {3, 1, "'=HYPERLINK(\"http://x\",\"y\")"},
        {4, 1, "'+41 55"},   {5, 1, "'-ID"},
        {6, 1, "'@SUM(A1)"}, {3, 4, "'\rCR"},
        {4, 4, "a=b -c"},    {3, 17, "-15.0"},
    };
    for (const auto& c : cells)
        EXPECT_EQ(CsvCells(lines[c.Line])[c.Cell], QString::fromLatin1(c.Expected))
            << c.Line << "," << c.Cell;
    // The quoting is that of any other cell: the apostrophe goes inside the quotes.
    EXPECT_TRUE(lines[3].startsWith("Company,\"'=HYPERLINK(\"\"http://x\"\",\"\"y\"\")\","))
        << lines[3].toStdString();
}

TEST_F(BatchExport, CsvSpindleWithoutShearLeavesShearColumnsEmpty) {
    TBatchItem batch;
    batch.SpindleType = 0; // L1
    AddReading(batch, SampleNoon, 100, 20, 4, 5, 6);
    const QStringList lines = CsvLines(BatchToCsv(batch));
    for (const QString& line : lines) {
        const QStringList cells = CsvCells(line);
        EXPECT_EQ(cells[19], QString());
        EXPECT_EQ(cells[20], QString());
    }
    EXPECT_EQ(CsvCells(lines[3]).mid(15, 4), QStringList({"100.0", "1.7", "20.0", "1.0"}));
}

TEST_F(BatchExport, CsvCommaDecimalLocaleQuotesNumbers) {
    UseLocale("de_DE");
    TBatchItem batch;
    FillSampleBatch(batch);
    const QStringList lines = CsvLines(BatchToCsv(batch));
    EXPECT_EQ(lines[3],
              QString::fromLatin1("Company,\"Acme, Inc.\",,1,\"Ramp up\",\"0,3\",\"2,5\",60,\"25,0\","
                                  "\"When Below\",10,5,,05.03.24,12:00:02,\"12,0\",\"0,6\",\"-15,0\","
                                  "\"0,3\",\"1,5\",\"2,5\""));
    EXPECT_EQ(CsvCells(lines[4])[15], "150,0");

    // A locale whose own minus is U+2212 still gets "-", and the file stays Windows-1252.
    UseLocale("sv_SE");
    const QByteArray swedish = BatchToCsv(batch);
    EXPECT_FALSE(swedish.startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(CsvCells(CsvLines(swedish)[3])[17], "-15,0");
}

TEST_F(BatchExport, FahrenheitHeadingsAndValues) {
    SetTemperatureUnits(1);
    TBatchItem batch;
    FillSampleBatch(batch);
    const QStringList lines = CsvLines(BatchToCsv(batch));
    const QStringList headings = CsvCells(lines[2]);
    EXPECT_EQ(headings[8], QString::fromUtf8("Start Temp (°F)"));
    EXPECT_EQ(headings[17], QString::fromUtf8("Temperature (°F)"));
    EXPECT_EQ(CsvCells(lines[3])[8], "77.1");  // 25.04 °C
    EXPECT_EQ(CsvCells(lines[3])[17], "5.0");  // -15 °C
    EXPECT_EQ(CsvCells(lines[4])[17], "77.1"); // 25.04 °C
}

TEST_F(BatchExport, CsvKeepsTextsWindows1252CannotHoldAsUtf8) {
    TBatchItem batch;
    batch.Company = QString::fromUtf8("Zoë €");
    EXPECT_EQ(BatchToCsv(batch).mid(0, 3), QByteArray("Hea")); // Windows-1252 is enough
    EXPECT_TRUE(BatchToCsv(batch).contains("Company,\"Zo\xEB \x80\","));

    batch.Operator = QString::fromUtf8("Иван 李");
    const QByteArray bytes = BatchToCsv(batch);
    ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    const QString text = QString::fromUtf8(bytes.mid(3));
    EXPECT_TRUE(text.contains(QString::fromUtf8("Operator,\"Иван 李\",")));
    EXPECT_TRUE(text.contains(QString::fromUtf8("Company,\"Zoë €\",")));
    EXPECT_TRUE(text.contains(QString::fromUtf8("\"Temperature (°C)\"")));
}

TEST_F(BatchExport, InvalidStartTemperatureTypeStopsTheExport) {
    TempDir dir;
    TBatchItem batch;
    TProcessItem* p = batch.Processes.Add();
    p->UseStartTemperature = true;
    p->StartTemperatureType = 2;
    for (int kind = 0; kind < 2; ++kind) {
        try {
            if (kind == 0)
                ExportBatchToCsv(batch, dir.File("x.csv"));
            else
                ExportBatchToExcel(batch, dir.File("x.xls"));
            ADD_FAILURE() << "no error";
        } catch (const EBramblexError& e) {
            EXPECT_EQ(e.Message(), "Invalid Start Temperature Type");
        }
    }
    EXPECT_FALSE(QFile::exists(dir.File("x.csv")));
    EXPECT_FALSE(QFile::exists(dir.File("x.xls")));
    p->UseStartTemperature = false; // the type only matters when it is shown
    EXPECT_NO_THROW(BatchToCsv(batch));
}

TEST_F(BatchExport, InvalidModelStopsTheExport) {
    TBatchItem batch;
    batch.ModelType = 4;
    EXPECT_THROW(BatchToCsv(batch), EBramblexError);
}

// ---------------------------------------------------------------------------
// Excel

struct TRecord {
    uint16_t Id;
    QByteArray Data;
};

std::vector<TRecord> Records(const QByteArray& bytes) {
    std::vector<TRecord> out;
    qsizetype pos = 0;
    while (pos + 4 <= bytes.size()) {
        const auto word = [&](qsizetype at) {
            return static_cast<uint16_t>(static_cast<uint8_t>(bytes[at]) |
                                         (static_cast<uint8_t>(bytes[at + 1]) << 8));
        };
        const uint16_t id = word(pos), length = word(pos + 2);
        out.push_back({id, bytes.mid(pos + 4, length)});
        pos += 4 + length;
    }
    EXPECT_EQ(pos, bytes.size());
    return out;
}

uint16_t Word(const QByteArray& data, int at) {
    return static_cast<uint16_t>(static_cast<uint8_t>(data[at]) | (static_cast<uint8_t>(data[at + 1]) << 8));
}

// A cell as "R3C14 font1 text:..." or "R4C16 font0 number:150".
QString CellText(const TRecord& r) {
    const QString where = QStringLiteral("R%1C%2 font%3 ")
                              .arg(Word(r.Data, 0) + 1)
                              .arg(Word(r.Data, 2) + 1)
                              .arg(static_cast<uint8_t>(r.Data[5]) >> 6);
    if (r.Id == 0x0004)
        return where + "text:" + QString::fromLatin1(r.Data.mid(8, static_cast<uint8_t>(r.Data[7])));
    double value;
    std::memcpy(&value, r.Data.constData() + 7, 8);
    return where + "number:" + QString::number(value, 'g', 17);
}

QStringList Cells(const std::vector<TRecord>& records) {
    QStringList cells;
    for (const auto& r : records)
        if (r.Id == 0x0003 || r.Id == 0x0004)
            cells << CellText(r);
    return cells;
}

TEST_F(BatchExport, ExcelEmptyBatchRecordStream) {
    TBatchItem batch;
    batch.FileTitle = "Empty";
    TmxNativeExcel excel;
    BuildBatchWorkbook(batch, excel);
    const auto records = Records(excel.Bytes());
    QStringList ids;
    for (const auto& r : records)
        ids << QString::number(r.Id, 16);
    EXPECT_EQ(ids.join(' '), "809 200 14 15 31 31 24 24 24 24 24 "
                             "4 4 4 4 4 4 4 4 4 4 4 4 4 4 4 "
                             "4 4 4 4 4 4 4 4 4 4 "
                             "24 24 24 24 24 24 24 24 "
                             "4 4 4 4 4 4 4 a");
    EXPECT_EQ(records[2].Data, QByteArray("\x05"
                                          "Empty"));
    EXPECT_EQ(records[3].Data, QByteArray("\x05&N &P"));
    EXPECT_EQ(records[4].Data, QByteArray::fromHex("a000 0000 05") + "Arial");
    EXPECT_EQ(records[5].Data, QByteArray::fromHex("a000 0100 05") + "Arial");
    QStringList widths;
    for (const auto& r : records)
        if (r.Id == 0x24)
            widths << QStringLiteral("%1-%2:%3")
                          .arg(int(uint8_t(r.Data[0])) + 1)
                          .arg(int(uint8_t(r.Data[1])) + 1)
                          .arg(Word(r.Data, 2) / 256.0);
    EXPECT_EQ(widths.join(' '), "1-1:20 2-2:30 4-11:12 12-12:15 9-9:15 "
                                "14-14:12 15-15:12 16-16:17 17-17:12 18-18:17 19-19:12 20-20:14 21-21:14");
    const QStringList cells = Cells(records);
    EXPECT_EQ(cells.mid(0, 5),
              QStringList({"R1C1 font1 text:Header", "R3C1 font1 text:ID", "R3C2 font0 text:Empty",
                           "R4C1 font1 text:Company", "R4C2 font0 text:"}));
    EXPECT_EQ(cells[13], "R9C1 font1 text:Spindle Type");
    EXPECT_EQ(cells[14], "R9C2 font0 text:L1");
    EXPECT_EQ(cells[15], "R1C4 font1 text:Processes");
    EXPECT_EQ(cells[24], "R3C12 font1 text:Measurements");
    EXPECT_EQ(cells[25], "R1C14 font1 text:Measurements");
    EXPECT_EQ(cells.last(), QString::fromLatin1("R3C19 font1 text:RPM")); // no shear headings for L1
}

TEST_F(BatchExport, ExcelCellsAreTypedAndRounded) {
    SetTemperatureUnits(1);
    TBatchItem batch;
    FillSampleBatch(batch);
    TmxNativeExcel excel;
    BuildBatchWorkbook(batch, excel);
    const QStringList cells = Cells(Records(excel.Bytes()));
    auto row = [&cells](int r, int fromColumn, int toColumn) {
        QStringList out;
        for (const QString& c : cells) {
            const int rr = c.section('R', 1).section('C', 0, 0).toInt();
            const int cc = c.section('C', 1).section(' ', 0, 0).toInt();
            if (rr == r && cc >= fromColumn && cc <= toColumn)
                out << c.section(' ', 2);
        }
        return out;
    };
    EXPECT_EQ(row(3, 14, 21),
              QStringList({"text:Date", "text:Time", "text:Viscosity (mPas)", "text:% Full Scale",
                           QString::fromLatin1("text:Temperature (\xB0"
                                               "F)"),
                           "text:RPM", "text:Shear Stress", "text:Shear Rate"}));
    EXPECT_EQ(row(4, 4, 12), QStringList({"number:1", "text:Ramp up", "number:0.29999999999999999",
                                          "number:2.5", "number:60", "number:77.099999999999994",
                                          "text:When Below", "number:10", "number:5"}));
    EXPECT_EQ(row(5, 4, 12), QStringList({"number:2", "text:Hold \"fast\"", "number:12", "number:12",
                                          "number:30", "number:3"}));
    // 12 mPas at 0.3 RPM; -15 °C is 5 °F.
    EXPECT_EQ(row(4, 14, 21),
              QStringList({"text:3/5/24", "text:12:00:02 PM", "number:12", "number:0.59999999999999998",
                           "number:5", "number:0.29999999999999999", "number:1.5", "number:2.5"}));
    // Ties go to even: 0.25 gives 0.2, 0.75 gives 0.8.
    EXPECT_EQ(row(5, 14, 21), QStringList({"text:3/5/24", "text:12:00:00 PM", "number:150", "number:62.5",
                                           "number:77.099999999999994", "number:2.5",
                                           "number:0.20000000000000001", "number:0.80000000000000004"}));
    EXPECT_EQ(row(6, 14, 21), QStringList({"text:3/5/24", "text:12:00:01 PM", "text:Over scale",
                                           "text:Over scale", "number:78.799999999999997", "number:12"}));
}

TEST_F(BatchExport, ExcelFallsBackToACodePageThatHoldsTheTexts) {
    TBatchItem batch;
    batch.FileTitle = QString::fromUtf8("Проба");
    batch.Company = QString::fromUtf8("ООО «Вязкость»");
    TmxNativeExcel excel;
    BuildBatchWorkbook(batch, excel);
    EXPECT_EQ(excel.CodePage(), 1251);
    EXPECT_FALSE(excel.TextLost());
    const auto records = Records(excel.Bytes());
    EXPECT_EQ(records[1].Id, 0x42);
    EXPECT_EQ(Word(records[1].Data, 0), 1251);
    EXPECT_EQ(records[3].Data, QByteArray("\x05\xCF\xF0\xEE\xE1\xE0"));

    batch.Company = QString::fromUtf8("Проба 李"); // no single-byte code page has both
    BuildBatchWorkbook(batch, excel);
    EXPECT_EQ(excel.CodePage(), 1252);
    EXPECT_TRUE(excel.TextLost());
    EXPECT_EQ(Records(excel.Bytes())[1].Id, 0x200);
}

TEST_F(BatchExport, ExcelFileNameAndSave) {
    TempDir dir;
    TBatchItem batch;
    EXPECT_EQ(ExportBatchToExcel(batch, dir.File("export.txt")), dir.File("export.XLS"));
    EXPECT_TRUE(QFile::exists(dir.File("export.XLS")));
    EXPECT_FALSE(QFile::exists(dir.File("export.txt")));
    EXPECT_THROW(ExportBatchToExcel(batch, dir.File("no/such/folder/x.xls")), EFileError);
}

TEST_F(BatchExport, DateAndTimeTexts) {
    UseLocale("de_DE");
    EXPECT_EQ(ExportDateText(36526.5), "01.01.00");
    EXPECT_EQ(ExportTimeText(36526.5), "12:00:00");
    EXPECT_EQ(ExportTimeText(36526.999999999), "00:00:00"); // rounds to the next midnight
    EXPECT_EQ(ExportDateText(36526.999999999), "02.01.00");
    EXPECT_EQ(ExportTimeText(36526.99999999), "23:59:59");
    EXPECT_EQ(ExportDateText(-1.25), "29.12.99");
    EXPECT_EQ(ExportTimeText(-1.25), "06:00:00");
    EXPECT_EQ(ExportDateText(std::numeric_limits<double>::quiet_NaN()), QString());
}

TEST_F(BatchExport, JsonHoldsTheWholeBatch) {
    TBatchItem batch;
    FillSampleBatch(batch);
    const QJsonObject root = BatchToJson(batch).object();
    EXPECT_EQ(root["header"]["name"].toString(), "Sample");
    EXPECT_EQ(root["header"]["spindleName"].toString(), "LCP");
    EXPECT_EQ(root["header"]["note"].toString(), "line one\r\nline two");
    EXPECT_EQ(root["processes"].toArray().size(), 2);
    EXPECT_EQ(root["processes"][0]["rpmEnd"].toDouble(), 2.5);
    const QJsonArray readings = root["readings"].toArray();
    ASSERT_EQ(readings.size(), 3);
    EXPECT_EQ(readings[0]["dateTime"].toString(), "2024-03-05T12:00:00.000");
    EXPECT_EQ(readings[0]["percentFullScale"].toDouble(), 62.5);
    EXPECT_FALSE(readings[0]["overScale"].toBool());
    EXPECT_TRUE(readings[1]["overScale"].toBool());
    EXPECT_EQ(readings[1]["viscosity"].toDouble(), 1000.0);
    // The analysis rides along (its content is checked against reference values elsewhere).
    EXPECT_EQ(root["analysis"]["readings"].toInt(), 3);
    EXPECT_EQ(root["analysis"]["file"].toString(), "Sample.epb");

    // A damaged Y-axis entry gives what the views show of it, not the damage.
    batch.SelectedYAxis = " 2,x,0,,9,-1,5";
    const QJsonObject damaged = BatchToJson(batch).object();
    EXPECT_EQ(damaged["header"]["selectedYAxis"].toString(), "0,2,5");
}

} // namespace
