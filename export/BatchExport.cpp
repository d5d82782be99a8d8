#include "export/BatchExport.h"

#include "analysis/Analysis.h"
#include "catalogue/Catalogue.h"
#include "catalogue/DateTimeTexts.h"
#include "core/Error.h"
#include "documents/BatchItem.h"
#include "export/CodePage.h"
#include "export/MxNativeExcel.h"
#include "platform/AtomicFile.h"

#include <QDate>
#include <QJsonArray>
#include <QJsonObject>

#include <array>
#include <charconv>
#include <cmath>

namespace {

// ---------------------------------------------------------------------------
// Numbers

// The value as its "%.1f" text shows it, for number cells that must agree with the
// text the operator sees elsewhere.
double RoundedAsShown(double value) {
    char buffer[400];
    const auto printed = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 1);
    if (printed.ec != std::errc())
        return value;
    double shown = value;
    std::from_chars(buffer, printed.ptr, shown);
    return shown;
}

// round(x * 10) / 10 with ties to even, as the number cells of readings want it.
double RoundTenthEven(double value) {
    return std::nearbyint(value * 10.0) / 10.0;
}

QString Integer(qint64 n) {
    return QString::number(n);
}

// ---------------------------------------------------------------------------
// The grid

// One cell of the grid: the CSV's text and, for the Excel export, whether it is a
// number and which.
struct TCell {
    enum Kind { Empty, Text, Number };
    Kind Type = Empty;
    QString Shown;
    double Value = 0.0;

    static TCell FromText(QString text) { return {Text, std::move(text), 0.0}; }
    static TCell FromNumber(QString shown, double value) { return {Number, std::move(shown), value}; }
};

constexpr int ColumnCount = 21;
constexpr int ColA = 1, ColB = 2, ColD = 4, ColN = 14;
constexpr int ProcessColumns = 9; // D to L
constexpr int ReadingColumns = 8; // N to U
constexpr int FirstDataRow = 4;

// What both exports show of one batch. Texts are only formatted for the output that
// needs them: the CSV wants every cell as text, the Excel export only the texts.
class TBatchGrid {
public:
    TBatchGrid(TBatchItem& batch, bool wantShownNumbers) : m_batch(batch), m_shownNumbers(wantShownNumbers) {
        if (batch.ModelType >= ModelTypeCount)
            throw EBramblexError(Tr("Invalid ModelType"));
        batch.Measurements.Sort(batch.SelectedXAxis, batch.ModelType, batch.SpindleType);
        m_hasShear = SpindleHasShear(batch.SpindleType);
    }

    int ProcessCount() const { return m_batch.Processes.Count(); }
    int ReadingCount() const { return m_batch.Measurements.Count(); }
    int BottomRow() const { return std::max({ReadingCount(), ProcessCount(), 9}) + 3; }
    bool HasShear() const { return m_hasShear; }

    // Header block, rows 1 to 9: label and value (row 1 and 2 have no value).
    struct THeaderLine {
        int Row;
        QString Label;
        QString Value;
        bool HasValue;
    };
    std::vector<THeaderLine> HeaderBlock() const {
        const int spindle = m_batch.SpindleType;
        QString note = m_batch.Note;
        note.replace(QLatin1String("\r\n"), QLatin1String(" "));
        return {
            {1, Tr("Header"), {}, false},
            {3, Tr("ID"), m_batch.FileTitle, true},
            {4, Tr("Company"), m_batch.Company, true},
            {5, Tr("Operator"), m_batch.Operator, true},
            {6, Tr("Identifier"), m_batch.Identifier, true},
            {7, Tr("Note"), note, true},
            {8, Tr("Model Type"), QString::fromUtf8(ModelNames[m_batch.ModelType]), true},
            {9, Tr("Spindle Type"),
             spindle < SpindleTypeCount ? QString::fromUtf8(SpindleNames[static_cast<size_t>(spindle)])
                                        : QString(),
             true},
        };
    }

    static QString ProcessesTitle() { return Tr("Processes"); }
    static QString ReadingsTitle() { return Tr("Measurements"); }

    std::array<QString, ProcessColumns> ProcessHeadings() const {
        return {Tr("No."),         Tr("Identifier"),
                Tr("RPM Start"),   Tr("RPM End"),
                Tr("Time"),        QStringLiteral("%1 (%2)").arg(Tr("Start Temp"), TemperatureUnitsName()),
                Tr("Temp Tend."),  Tr("Start Delay"),
                Tr("Measurements")};
    }

    // Headings of N to U; T and U stay empty without shear data.
    std::array<QString, ReadingColumns> ReadingHeadings() const {
        return {Tr("Date"),
                Tr("Time"),
                QStringLiteral("%1 (%2)").arg(Tr("Viscosity"), ViscosityUnitsName()),
                Tr("% Full Scale"),
                QStringLiteral("%1 (%2)").arg(Tr("Temperature"), TemperatureUnitsName()),
                Tr("RPM"),
                m_hasShear ? Tr("Shear Stress") : QString(),
                m_hasShear ? Tr("Shear Rate") : QString()};
    }

    // Cells D to L of process index (0-based).
    std::array<TCell, ProcessColumns> ProcessCells(int index) const {
        const TProcessItem& p = *m_batch.Processes.Items(index);
        std::array<TCell, ProcessColumns> cells;
        cells[0] = TCell::FromNumber(Integer(index + 1), index + 1);
        cells[1] = TCell::FromText(p.Identifier);
        cells[2] = Fixed1(RPMCodeToValue(p.RPMStart));
        cells[3] = Fixed1(RPMCodeToValue(p.RPMEnd));
        cells[4] = TCell::FromNumber(Integer(p.Time), p.Time);
        if (p.UseStartTemperature) {
            cells[5] = TCell::FromNumber(FormatTemperature(p.StartTemperature),
                                         RoundedAsShown(TemperatureToDisplay(p.StartTemperature)));
            cells[6] = TCell::FromText(StartTemperatureTypeName(p.StartTemperatureType));
        }
        if (p.UseStartDelay)
            cells[7] = TCell::FromNumber(Integer(p.StartDelay), p.StartDelay);
        cells[8] = TCell::FromNumber(Integer(p.MeasurementCount), p.MeasurementCount);
        return cells;
    }

    // Cells N to U of reading index (0-based, sorted order).
    std::array<TCell, ReadingColumns> ReadingCells(int index) {
        const TMeasurementItem& r = *m_batch.Measurements.Items(index);
        const int model = m_batch.ModelType;
        const int spindle = m_batch.SpindleType;
        std::array<TCell, ReadingColumns> cells;
        m_times.Set(r.DateTime);
        cells[0] = TCell::FromText(m_times.Date());
        cells[1] = TCell::FromText(m_times.Time());
        const bool over = IsOverScale(model, spindle, r.RPMCode, r.Viscosity);
        if (over) {
            if (m_overScale.isEmpty())
                m_overScale = OverScaleText();
            cells[2] = TCell::FromText(m_overScale);
            cells[3] = TCell::FromText(m_overScale);
        } else {
            const double percent = PercentFullScale(model, spindle, r.RPMCode, r.Viscosity);
            cells[2] = TCell::FromNumber(m_shownNumbers ? FormatViscosity(r.Viscosity) : QString(),
                                         ViscosityToDisplay(r.Viscosity));
            cells[3] = TCell::FromNumber(Shown1(percent), RoundTenthEven(percent));
        }
        const double temperature = TemperatureToDisplay(r.Temperature);
        cells[4] = TCell::FromNumber(m_shownNumbers ? FormatTemperature(r.Temperature) : QString(),
                                     RoundedAsShown(temperature));
        cells[5] = Fixed1(RPMCodeToValue(r.RPMCode));
        if (m_hasShear && !over) {
            cells[6] = TCell::FromNumber(Shown1(r.SheerStress), RoundTenthEven(r.SheerStress));
            cells[7] = TCell::FromNumber(Shown1(r.SheerRate), RoundTenthEven(r.SheerRate));
        }
        return cells;
    }

private:
    QString Shown1(double value) const { return m_shownNumbers ? FormatLocaleFixed(value, 1) : QString(); }
    TCell Fixed1(double value) const { return TCell::FromNumber(Shown1(value), value); }

    TBatchItem& m_batch;
    bool m_shownNumbers;
    bool m_hasShear = false;
    TDateTimeTexts m_times;
    QString m_overScale;
};

// ---------------------------------------------------------------------------
// CSV

bool NeedsQuotes(const QString& cell) {
    for (const QChar ch : cell) {
        const char16_t c = ch.unicode();
        if ((c >= 1 && c <= 32) || c == u'"' || c == u',')
            return true;
    }
    return false;
}

// A text that spreadsheet programs would run as a formula (a company "=HYPERLINK(...)",
// an identifier "+1", a note "@SUM(...)") gets a leading apostrophe, which they show
// as text. Only text cells: a number such as "-15.0" stays a number.
QString CsvText(QString text) {
    if (!text.isEmpty()) {
        const char16_t c = text.front().unicode();
        if (c == u'=' || c == u'+' || c == u'-' || c == u'@' || c == u'\t' || c == u'\r')
            text.prepend(u'\'');
    }
    return text;
}

QString CsvCellText(TCell&& cell) {
    return cell.Type == TCell::Text ? CsvText(std::move(cell.Shown)) : std::move(cell.Shown);
}

void AppendCsvCell(QString& line, const QString& cell) {
    if (!NeedsQuotes(cell)) {
        line += cell;
        return;
    }
    line += u'"';
    for (const QChar ch : cell) {
        if (ch == u'"')
            line += u'"';
        line += ch;
    }
    line += u'"';
}

// ---------------------------------------------------------------------------
// Excel

void WriteCell(TmxNativeExcel& excel, int row, int column, const TCell& cell) {
    if (cell.Type == TCell::Text)
        excel.WriteText(row, column, cell.Shown);
    else if (cell.Type == TCell::Number)
        excel.WriteNumber(row, column, cell.Value);
}

// Single-byte Windows code pages to fall back on when Windows-1252 cannot hold a
// text: Central European, Cyrillic, Greek, Turkish, Baltic, Hebrew, Arabic,
// Vietnamese, Thai. Spreadsheet readers honour the CODEPAGE record for all of them.
constexpr int FallbackCodePages[] = {1250, 1251, 1253, 1254, 1257, 1255, 1256, 1258, 874};

} // namespace

QString ExportDateText(double dayNumber) {
    TDateTimeTexts texts;
    texts.Set(dayNumber);
    return texts.Date();
}

QString ExportTimeText(double dayNumber) {
    TDateTimeTexts texts;
    texts.Set(dayNumber);
    return texts.Time();
}

QByteArray BatchToCsv(TBatchItem& batch) {
    TBatchGrid grid(batch, true);
    const auto header = grid.HeaderBlock();
    const auto processHeadings = grid.ProcessHeadings();
    const auto readingHeadings = grid.ReadingHeadings();
    const int bottom = grid.BottomRow();

    // Row by row: a long run has hundreds of thousands of readings, and a whole grid
    // of cells in memory would cost more than writing them.
    QString text;
    text.reserve(static_cast<qsizetype>(bottom) * 112);
    std::array<QString, ColumnCount> row;
    for (int r = 1; r <= bottom; ++r) {
        for (QString& c : row)
            c.clear();
        auto cell = [&row](int column) -> QString& { return row[static_cast<size_t>(column - 1)]; };
        for (const auto& line : header) {
            if (line.Row != r)
                continue;
            cell(ColA) = line.Label;
            if (line.HasValue)
                cell(ColB) = CsvText(line.Value);
        }
        if (r == 1) {
            cell(ColD) = TBatchGrid::ProcessesTitle();
            cell(ColN) = TBatchGrid::ReadingsTitle();
        } else if (r == 3) {
            for (int c = 0; c < ProcessColumns; ++c)
                cell(ColD + c) = processHeadings[static_cast<size_t>(c)];
            for (int c = 0; c < ReadingColumns; ++c)
                cell(ColN + c) = readingHeadings[static_cast<size_t>(c)];
        } else if (r >= FirstDataRow) {
            const int index = r - FirstDataRow;
            if (index < grid.ProcessCount()) {
                auto cells = grid.ProcessCells(index);
                for (int c = 0; c < ProcessColumns; ++c)
                    cell(ColD + c) = CsvCellText(std::move(cells[static_cast<size_t>(c)]));
            }
            if (index < grid.ReadingCount()) {
                auto cells = grid.ReadingCells(index);
                for (int c = 0; c < ReadingColumns; ++c)
                    cell(ColN + c) = CsvCellText(std::move(cells[static_cast<size_t>(c)]));
            }
        }
        for (int c = 0; c < ColumnCount; ++c) {
            if (c > 0)
                text += u',';
            AppendCsvCell(text, row[static_cast<size_t>(c)]);
        }
        text += QLatin1String("\r\n");
    }

    // Windows-1252 is what spreadsheet programs assume for a CSV file without a
    // byte-order mark; a text it cannot hold makes the whole file UTF-8 with one,
    // rather than losing characters.
    QByteArray bytes;
    bytes.reserve(text.size());
    if (AppendWindows1252(bytes, text))
        return bytes;
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

void ExportBatchToCsv(TBatchItem& batch, const QString& path) {
    WriteFileAtomically(path, BatchToCsv(batch));
}

void WriteBatchWorksheet(TBatchItem& batch, TmxNativeExcel& excel) {
    TBatchGrid grid(batch, false);
    excel.Begin();
    excel.SetPageHeader(batch.FileTitle);
    excel.SetPageFooter(QStringLiteral("&N &P"));
    excel.AddFont({QStringLiteral("Arial"), 8});
    excel.AddFont({QStringLiteral("Arial"), 8, true});
    constexpr int Normal = 0, Bold = 1;

    excel.SetColumnWidth(1, 20);
    excel.SetColumnWidth(2, 30);
    excel.SetColumnWidths(4, 11, 12);
    excel.SetColumnWidth(12, 15);
    excel.SetColumnWidth(9, 15);

    for (const auto& line : grid.HeaderBlock()) {
        excel.SetActiveFont(Bold);
        excel.WriteText(line.Row, ColA, line.Label);
        if (line.HasValue) {
            excel.SetActiveFont(Normal);
            excel.WriteText(line.Row, ColB, line.Value);
        }
    }

    excel.SetActiveFont(Bold);
    excel.WriteText(1, ColD, TBatchGrid::ProcessesTitle());
    const auto processHeadings = grid.ProcessHeadings();
    for (int c = 0; c < ProcessColumns; ++c)
        excel.WriteText(3, ColD + c, processHeadings[static_cast<size_t>(c)]);
    excel.SetActiveFont(Normal);
    for (int k = 0; k < grid.ProcessCount(); ++k) {
        const auto cells = grid.ProcessCells(k);
        for (int c = 0; c < ProcessColumns; ++c)
            WriteCell(excel, FirstDataRow + k, ColD + c, cells[static_cast<size_t>(c)]);
    }

    constexpr double readingWidths[ReadingColumns] = {12, 12, 17, 12, 17, 12, 14, 14};
    for (int c = 0; c < ReadingColumns; ++c)
        excel.SetColumnWidth(ColN + c, readingWidths[c]);

    excel.SetActiveFont(Bold);
    excel.WriteText(1, ColN, TBatchGrid::ReadingsTitle());
    const auto readingHeadings = grid.ReadingHeadings();
    const int headingCount = grid.HasShear() ? ReadingColumns : ReadingColumns - 2;
    for (int c = 0; c < headingCount; ++c)
        excel.WriteText(3, ColN + c, readingHeadings[static_cast<size_t>(c)]);
    excel.SetActiveFont(Normal);
    for (int j = 0; j < grid.ReadingCount(); ++j) {
        const auto cells = grid.ReadingCells(j);
        for (int c = 0; c < ReadingColumns; ++c)
            WriteCell(excel, FirstDataRow + j, ColN + c, cells[static_cast<size_t>(c)]);
    }
    excel.Finish();
}

void BuildBatchWorkbook(TBatchItem& batch, TmxNativeExcel& excel) {
    excel.SetCodePage(TmxNativeExcel::DefaultCodePage);
    WriteBatchWorksheet(batch, excel);
    if (!excel.TextLost())
        return;
    // The labels of this file format have no Unicode; a code page that holds every
    // character keeps the texts whole where Windows-1252 would turn them into "?".
    const QString used = excel.NonAsciiCharacters();
    for (const int codePage : FallbackCodePages) {
        if (!IsCodePageAvailable(codePage))
            continue;
        QByteArray probe;
        if (!AppendCodePage(probe, used, codePage))
            continue;
        excel.SetCodePage(codePage);
        WriteBatchWorksheet(batch, excel);
        return;
    }
    excel.SetCodePage(TmxNativeExcel::DefaultCodePage);
    WriteBatchWorksheet(batch, excel);
}

QString ExportBatchToExcel(TBatchItem& batch, const QString& path) {
    TmxNativeExcel excel;
    BuildBatchWorkbook(batch, excel);
    excel.SetFileName(path);
    excel.Save();
    return excel.FileName();
}

QJsonDocument BatchToJson(const TBatchItem& batch, const TAnalysisOptions& analysisOptions,
                          const TQcResult* qc) {
    const int model = batch.ModelType;
    const int spindle = batch.SpindleType;
    QJsonObject header{
        {"name", batch.FileTitle},
        {"company", batch.Company},
        {"operator", batch.Operator},
        {"identifier", batch.Identifier},
        {"note", batch.Note},
        {"modelType", model},
        {"modelName",
         model < ModelTypeCount ? QString::fromUtf8(ModelNames[static_cast<size_t>(model)]) : QString()},
        {"spindleType", spindle},
        {"spindleName", spindle < SpindleTypeCount
                            ? QString::fromUtf8(SpindleNames[static_cast<size_t>(spindle)])
                            : QString()},
        {"spindleHasShear", SpindleHasShear(spindle)},
        {"selectedXAxis", batch.SelectedXAxis},
        // What the views show of the entry: a damaged part is left out, not passed on.
        {"selectedYAxis", FormatSelectedYAxis(ParseSelectedYAxis(batch.SelectedYAxis))},
    };

    QJsonArray processes;
    for (const auto& p : batch.Processes) {
        QJsonObject process{
            {"identifier", p->Identifier},
            {"rpmStartCode", p->RPMStart},
            {"rpmStart", RPMCodeToValue(p->RPMStart)},
            {"rpmEndCode", p->RPMEnd},
            {"rpmEnd", RPMCodeToValue(p->RPMEnd)},
            {"timeSeconds", p->Time},
            {"useStartTemperature", p->UseStartTemperature},
            {"startTemperature", p->StartTemperature},
            {"startTemperatureType", static_cast<int>(p->StartTemperatureType)},
            {"useStartDelay", p->UseStartDelay},
            {"startDelaySeconds", p->StartDelay},
            {"measurementCount", p->MeasurementCount},
        };
        processes.append(process);
    }

    QJsonArray readings;
    for (const auto& r : batch.Measurements) {
        QDate date;
        QTime time;
        const QString when =
            SplitDayNumber(r->DateTime, date, time)
                ? date.toString(Qt::ISODate) + u'T' + time.toString(QStringLiteral("HH:mm:ss.zzz"))
                : QString();
        const bool over = IsOverScale(model, spindle, r->RPMCode, r->Viscosity);
        QJsonObject reading{
            {"dateTime", when},
            {"dayNumber", r->DateTime},
            {"viscosity", r->Viscosity},
            {"temperature", r->Temperature},
            {"rpmCode", r->RPMCode},
            {"rpm", RPMCodeToValue(r->RPMCode)},
            {"shearStress", r->SheerStress},
            {"shearRate", r->SheerRate},
            {"percentFullScale", PercentFullScale(model, spindle, r->RPMCode, r->Viscosity)},
            {"overScale", over},
        };
        readings.append(reading);
    }

    QJsonObject root{
        {"format", "bramblex-batch"},
        {"version", 1},
        {"units", QJsonObject{{"viscosity", "mPas"}, {"temperature", QString::fromUtf8("°C")}}},
        {"header", header},
        {"processes", processes},
        {"readings", readings},
        {"analysis",
         AnalysisToJson(AnalyzeBatch(batch, analysisOptions),
                        batch.FileTitle.isEmpty() ? QString() : batch.FileTitle + QStringLiteral(".epb"))},
    };
    // A batch no limit set applies to is exported as before QC existed.
    if (qc && !qc->LimitSet.isEmpty())
        root.insert(QStringLiteral("qc"),
                    QcResultToJson(*qc, batch.FileTitle.isEmpty()
                                            ? QString()
                                            : batch.FileTitle + QStringLiteral(".epb")));
    return QJsonDocument(root);
}

void ExportBatchToJson(const TBatchItem& batch, const QString& path, const TAnalysisOptions& analysisOptions,
                       const TQcResult* qc) {
    WriteFileAtomically(path, BatchToJson(batch, analysisOptions, qc).toJson(QJsonDocument::Indented));
}
