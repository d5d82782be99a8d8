// bramblex-cli make-templates OUTDIR: builds the report templates that the
// installation ships and writes them into OUTDIR/Reports (the report list) and
// OUTDIR/Settings (the batch view's report tabs): the standard report in both, the flow
// analysis and the QC certificate in the report list. data/Template/ENU holds the output;
// a test keeps the two byte for byte alike. With --translation the captions and names
// are those of a translation: the build makes the other languages' trees so.

#include "CliCommand.h"
#include "core/Error.h"
#include "platform/InterfaceLanguage.h"
#include "reports/Page.h"
#include "reports/PageItemChartFlow.h"
#include "reports/PageItemChartRun.h"
#include "reports/PageItemMemo.h"
#include "reports/PageItemReadings.h"
#include "reports/PageItemShape.h"
#include "reports/Report.h"

#include <QCoreApplication>
#include <QDir>
#include <QTranslator>

namespace {

// A4 portrait with 20 mm side margins.
constexpr double kLeft = 20.0;
constexpr double kWidth = 170.0;
constexpr std::int32_t kBlack = 0x000000;
constexpr std::int32_t kGrey = 0x808080;
// Rows of the readings table, and readings of the chart, on each inner page.
constexpr int ReadingsPerPage = 24;

struct TBox {
    double Left, Top, Width, Height;
    int Anchor = AnchorLeft | AnchorTop;
};

void Place(TPageItem& item, const QString& name, const TBox& box) {
    item.SetName(name);
    item.SetLeft(box.Left);
    item.SetTop(box.Top);
    item.SetWidth(box.Width);
    item.SetHeight(box.Height);
    item.Property("Anchor").SetInteger(box.Anchor);
}

struct TMemoStyle {
    int FontSize = 10;
    bool Bold = false;
    bool Italic = false;
    int Alignment = 0;
    bool WordWrap = false;
    std::int32_t Colour = kBlack;
};

TPageItemMemo& AddMemo(TPage& page, const QString& name, const TBox& box, const QString& text,
                       const TMemoStyle& style) {
    auto* memo = page.AddItem<TPageItemMemo>();
    Place(*memo, name, box);
    memo->Property("FontName").SetString(QStringLiteral("Arial"));
    memo->Property("FontSize").SetInteger(style.FontSize);
    memo->Property("FontColor").SetInteger(style.Colour);
    memo->Property("Bold").SetBoolean(style.Bold);
    memo->Property("Italic").SetBoolean(style.Italic);
    memo->Property("WordWrap").SetBoolean(style.WordWrap);
    memo->Property("Alignment").SetInteger(style.Alignment);
    memo->Property("Text").SetString(text);
    return *memo;
}

// A horizontal rule through the middle of a 1 mm high box at top.
void AddRule(TPage& page, const QString& name, double left, double top, double width, std::int32_t colour,
             int anchor = AnchorLeft | AnchorTop | AnchorRight) {
    auto* rule = page.AddItem<TPageItemShape>();
    Place(*rule, name, {left, top - 0.5, width, 1.0, anchor});
    rule->Property("Shape").SetInteger(ShapeHorizontalLine);
    rule->Property("LineColor").SetInteger(colour);
    rule->Property("LineWidth").SetInteger(2);
}

void SetA4Portrait(TPage& page, int pageType) {
    page.Property("PageType").SetInteger(pageType);
    page.Property("PageOrientation").SetInteger(PageOrientationPortrait);
    page.Property("PaperSize").SetInteger(4); // A4, whatever the printer holds
}

// Title line shared by the inner and the closing page.
void AddTitle(TPage& page, const QString& title = Tr("Viscosity Report")) {
    AddMemo(page, QStringLiteral("Title"), {kLeft, 15, 120, 10}, title,
            {.FontSize = 18, .Bold = true, .Alignment = 6});
    AddRule(page, QStringLiteral("TitleRule"), kLeft, 27, kWidth, kBlack);
}

void BuildInnerPage(TPage& page) {
    SetA4Portrait(page, PageTypeInner);
    AddTitle(page);
    AddMemo(page, QStringLiteral("Date"), {130, 15, 60, 10, AnchorRight | AnchorTop},
            QStringLiteral("[TodaysDate]"), {.FontSize = 10, .Alignment = 8});

    // Batch header: captions and values in two columns that share one line step.
    // Lines end in CR LF, as the file reader gives them back, so a loaded template
    // saves to the same bytes.
    AddMemo(page, QStringLiteral("HeaderCaptions"), {kLeft, 31, 28, 28},
            Tr("Batch:\r\nCompany:\r\nOperator:\r\nModel:\r\nSpindle:\r\nIdentifier:\r\nNote:"),
            {.FontSize = 10, .Bold = true});
    AddMemo(
        page, QStringLiteral("HeaderValues"),
        {kLeft + 28, 31, kWidth - 28, 28, AnchorLeft | AnchorTop | AnchorRight},
        QStringLiteral(
            "[BatchID]\r\n[Company]\r\n[Operator]\r\n[ModelType]\r\n[SpindleType]\r\n[Identifier]\r\n[Note]"),
        {.FontSize = 10, .WordWrap = true});
    AddRule(page, QStringLiteral("HeaderRule"), kLeft, 61, kWidth, kGrey);

    // The readings table, and under it the run chart of the same readings, fill the
    // page above the footer. The eight columns (spindles with shear data) take the
    // whole width, so the chart sits below the table rather than beside it. Header and
    // 24 rows of 8-point text take 26 rows of 1.5 em.
    auto* table = page.AddItem<TPageItemReadings>();
    Place(*table, QStringLiteral("Readings"), {kLeft, 64, kWidth, 111, AnchorLeft | AnchorTop | AnchorRight});
    table->Property("FontName").SetString(QStringLiteral("Arial"));
    table->Property("FontSize").SetInteger(8);
    table->Property("FontColor").SetInteger(kBlack);
    const std::pair<const char*, double> widths[] = {
        {"ColumnWidthDate", 20},        {"ColumnWidthTime", 19},        {"ColumnWidthViscosity", 25},
        {"ColumnWidthPercentFS", 19},   {"ColumnWidthTemperature", 25}, {"ColumnWidthRPM", 16},
        {"ColumnWidthSheerStress", 23}, {"ColumnWidthSheerRate", 23},
    };
    for (const auto& [name, width] : widths)
        table->Property(QLatin1String(name)).SetFloat(width);
    table->Property("RowsPerPage").SetInteger(ReadingsPerPage);
    table->Property("ShowColumnHeader").SetBoolean(true);

    // The quantities the batch's chart view shows, for the block of readings the table
    // shows (readings are stored in time order, the chart's usual X quantity).
    auto* chart = page.AddItem<TPageItemChartRun>();
    Place(*chart, QStringLiteral("RunChart"),
          {kLeft, 178, kWidth, 100, AnchorLeft | AnchorTop | AnchorRight | AnchorBottom});
    chart->Property("FontName").SetString(QStringLiteral("Arial"));
    chart->Property("ReadingsPerPage").SetInteger(ReadingsPerPage);

    AddRule(page, QStringLiteral("FooterRule"), kLeft, 281, kWidth, kGrey,
            AnchorLeft | AnchorRight | AnchorBottom);
    AddMemo(page, QStringLiteral("FooterBatch"), {kLeft, 282, 120, 6, AnchorLeft | AnchorBottom},
            QStringLiteral("[FilePath][BatchID]"), {.FontSize = 8, .Colour = kGrey});
    AddMemo(page, QStringLiteral("FooterPage"), {150, 282, 40, 6, AnchorRight | AnchorBottom},
            Tr("Page [PageNumber]"), {.FontSize = 8, .Alignment = 2, .Colour = kGrey});
}

// One signature block: caption, a line to sign on and a line for the date.
void AddSignature(TPage& page, const QString& role, const QString& caption, double top) {
    AddMemo(page, role + QStringLiteral("Caption"), {kLeft, top, 100, 6}, caption,
            {.FontSize = 10, .Bold = true});
    AddRule(page, role + QStringLiteral("SignatureLine"), kLeft, top + 20, 100, kBlack,
            AnchorLeft | AnchorTop);
    AddMemo(page, role + QStringLiteral("SignatureText"), {kLeft, top + 21, 100, 5}, Tr("Name and signature"),
            {.FontSize = 8, .Colour = kGrey});
    AddRule(page, role + QStringLiteral("DateLine"), 140, top + 20, 50, kBlack, AnchorLeft | AnchorTop);
    AddMemo(page, role + QStringLiteral("DateText"), {140, top + 21, 50, 5}, Tr("Date"),
            {.FontSize = 8, .Colour = kGrey});
}

void BuildClosingPage(TPage& page) {
    SetA4Portrait(page, PageTypeClosing);
    AddTitle(page);
    AddMemo(page, QStringLiteral("Approval"), {kLeft, 35, kWidth, 12, AnchorLeft | AnchorTop | AnchorRight},
            Tr("The measurements in this report were taken and checked as recorded."),
            {.FontSize = 10, .WordWrap = true});
    AddSignature(page, QStringLiteral("Tested"), Tr("Tested by"), 55);
    AddSignature(page, QStringLiteral("Approved"), Tr("Approved by"), 90);

    AddMemo(page, QStringLiteral("RemarksCaption"), {kLeft, 125, 100, 6}, Tr("Remarks"),
            {.FontSize = 10, .Bold = true});
    auto* box = page.AddItem<TPageItemShape>();
    Place(*box, QStringLiteral("RemarksBox"), {kLeft, 132, kWidth, 60, AnchorLeft | AnchorTop | AnchorRight});
    box->Property("Shape").SetInteger(ShapeRectangle);
    box->Property("LineColor").SetInteger(kGrey);
    box->Property("LineWidth").SetInteger(1);
    box->Property("FillStyle").SetStyle(1); // no fill
}

void BuildStandardReport(TReport& report) {
    BuildInnerPage(*report.AddPage());
    BuildClosingPage(*report.AddPage());
}

// One page per batch: its header, what the analysis says, and the flow curve.
void BuildFlowAnalysisPage(TPage& page) {
    SetA4Portrait(page, PageTypeInner);
    AddTitle(page, Tr("Flow Analysis"));
    AddMemo(page, QStringLiteral("Date"), {130, 15, 60, 10, AnchorRight | AnchorTop},
            QStringLiteral("[TodaysDate]"), {.FontSize = 10, .Alignment = 8});
    AddMemo(page, QStringLiteral("HeaderCaptions"), {kLeft, 31, 28, 20},
            Tr("Batch:\r\nCompany:\r\nOperator:\r\nModel:\r\nSpindle:"), {.FontSize = 10, .Bold = true});
    AddMemo(page, QStringLiteral("HeaderValues"),
            {kLeft + 28, 31, kWidth - 28, 20, AnchorLeft | AnchorTop | AnchorRight},
            QStringLiteral("[BatchID]\r\n[Company]\r\n[Operator]\r\n[ModelType]\r\n[SpindleType]"),
            {.FontSize = 10});
    AddRule(page, QStringLiteral("HeaderRule"), kLeft, 53, kWidth, kGrey);

    AddMemo(page, QStringLiteral("ResultsCaptions"), {kLeft, 56, 55, 32},
            Tr("Best flow model:\r\nParameters:\r\nR\u00b2:\r\nFlow index n (from speed):\r\n"
               "Thixotropic index:\r\nActivation energy (kJ/mol):\r\nQC limit set:\r\nQC result:"),
            {.FontSize = 10, .Bold = true});
    AddMemo(page, QStringLiteral("ResultsValues"),
            {kLeft + 55, 56, kWidth - 55, 32, AnchorLeft | AnchorTop | AnchorRight},
            QStringLiteral("[FlowModel]\r\n[FlowModelParameters]\r\n[FlowModelR2]\r\n[FlowIndex]\r\n"
                           "[ThixotropicIndex]\r\n[ActivationEnergy]\r\n[QCSpecification]\r\n[QCResult]"),
            {.FontSize = 10});
    AddRule(page, QStringLiteral("ResultsRule"), kLeft, 91, kWidth, kGrey);

    auto* chart = page.AddItem<TPageItemChartFlow>();
    Place(*chart, QStringLiteral("FlowCurve"),
          {kLeft, 95, kWidth, 112, AnchorLeft | AnchorTop | AnchorRight | AnchorBottom});
    chart->Property("FontName").SetString(QStringLiteral("Arial"));
    auto* logChart = page.AddItem<TPageItemChartFlow>();
    Place(*logChart, QStringLiteral("FlowCurveLogarithmic"),
          {kLeft, 210, kWidth, 68, AnchorLeft | AnchorRight | AnchorBottom});
    logChart->Property("FontName").SetString(QStringLiteral("Arial"));
    logChart->Property("Logarithmic").SetBoolean(true);
    logChart->Property("ShowLegend").SetBoolean(false);

    AddRule(page, QStringLiteral("FooterRule"), kLeft, 281, kWidth, kGrey,
            AnchorLeft | AnchorRight | AnchorBottom);
    AddMemo(page, QStringLiteral("FooterBatch"), {kLeft, 282, 120, 6, AnchorLeft | AnchorBottom},
            QStringLiteral("[FilePath][BatchID]"), {.FontSize = 8, .Colour = kGrey});
    AddMemo(page, QStringLiteral("FooterPage"), {150, 282, 40, 6, AnchorRight | AnchorBottom},
            Tr("Page [PageNumber]"), {.FontSize = 8, .Alignment = 2, .Colour = kGrey});
}

// One page per batch: whether it is within its folder's QC limit set, each criterion
// with what was measured, and lines to sign.
void BuildQcCertificatePage(TPage& page) {
    SetA4Portrait(page, PageTypeInner);
    AddTitle(page, Tr("QC Certificate"));
    AddMemo(page, QStringLiteral("Date"), {130, 15, 60, 10, AnchorRight | AnchorTop},
            QStringLiteral("[TodaysDate]"), {.FontSize = 10, .Alignment = 8});
    AddMemo(page, QStringLiteral("HeaderCaptions"), {kLeft, 31, 28, 24},
            Tr("Batch:\r\nCompany:\r\nOperator:\r\nModel:\r\nSpindle:\r\nIdentifier:"),
            {.FontSize = 10, .Bold = true});
    AddMemo(page, QStringLiteral("HeaderValues"),
            {kLeft + 28, 31, kWidth - 28, 24, AnchorLeft | AnchorTop | AnchorRight},
            QStringLiteral(
                "[BatchID]\r\n[Company]\r\n[Operator]\r\n[ModelType]\r\n[SpindleType]\r\n[Identifier]"),
            {.FontSize = 10});
    AddRule(page, QStringLiteral("HeaderRule"), kLeft, 58, kWidth, kGrey);

    AddMemo(page, QStringLiteral("LimitSetCaption"), {kLeft, 62, 28, 6}, Tr("Limit set:"),
            {.FontSize = 10, .Bold = true});
    AddMemo(page, QStringLiteral("LimitSet"),
            {kLeft + 28, 62, kWidth - 28, 6, AnchorLeft | AnchorTop | AnchorRight},
            QStringLiteral("[QCSpecification]"), {.FontSize = 10});
    AddMemo(page, QStringLiteral("ResultCaption"), {kLeft, 70, 28, 12}, Tr("Result:"),
            {.FontSize = 10, .Bold = true, .Alignment = 3});
    AddMemo(page, QStringLiteral("Result"),
            {kLeft + 28, 70, kWidth - 28, 12, AnchorLeft | AnchorTop | AnchorRight},
            QStringLiteral("[QCResult]"), {.FontSize = 20, .Bold = true, .Alignment = 3});
    AddRule(page, QStringLiteral("ResultRule"), kLeft, 85, kWidth, kGrey);
    AddMemo(page, QStringLiteral("DetailsCaption"), {kLeft, 89, kWidth, 6},
            Tr("Criterion: measured (limits): verdict"), {.FontSize = 10, .Bold = true});
    AddMemo(page, QStringLiteral("Details"),
            {kLeft, 96, kWidth, 140, AnchorLeft | AnchorTop | AnchorRight | AnchorBottom},
            QStringLiteral("[QCDetails]"), {.FontSize = 10, .WordWrap = true});

    AddMemo(page, QStringLiteral("Signatures"),
            {kLeft, 250, kWidth, 20, AnchorLeft | AnchorRight | AnchorBottom},
            Tr("Checked by: ______________________    Date: ____________\r\n\r\n"
               "Released by: _____________________    Date: ____________"),
            {.FontSize = 10});
    AddRule(page, QStringLiteral("FooterRule"), kLeft, 281, kWidth, kGrey,
            AnchorLeft | AnchorRight | AnchorBottom);
    AddMemo(page, QStringLiteral("FooterBatch"), {kLeft, 282, 120, 6, AnchorLeft | AnchorBottom},
            QStringLiteral("[FilePath][BatchID]"), {.FontSize = 8, .Colour = kGrey});
    AddMemo(page, QStringLiteral("FooterPage"), {150, 282, 40, 6, AnchorRight | AnchorBottom},
            Tr("Page [PageNumber]"), {.FontSize = 8, .Alignment = 2, .Colour = kGrey});
}

void MakeFolder(const QString& dir) {
    if (!QDir().mkpath(dir))
        throw EBramblexError(Tr("Unable to create directories"));
}

int Run(const QStringList& arguments) {
    QStringList args = arguments;
    QString translation;
    bool tree = false;
    while (args.size() > 1 && args[0].startsWith(QLatin1String("--"))) {
        if (args[0] == QLatin1String("--translation") && args.size() > 2) {
            translation = args[1];
            args = args.mid(2);
        } else if (args[0] == QLatin1String("--tree")) {
            tree = true;
            args = args.mid(1);
        } else {
            break;
        }
    }
    if (args.size() != 1) {
        CliErr(Tr("usage: bramblex-cli make-templates [--translation FILE.qm [--tree]] OUTDIR"));
        return 2;
    }
    // The templates are English or in the language asked for, never in the one the
    // program started in: the build makes every language's tree on one machine.
    for (QTranslator* installed : QCoreApplication::instance()->findChildren<QTranslator*>())
        QCoreApplication::removeTranslator(installed);
    QTranslator translator;
    if (!translation.isEmpty()) {
        if (!translator.load(translation))
            throw EBramblexError(
                Tr("Cannot open file \"%1\". %2").arg(translation, Tr("It holds no translation.")));
        QCoreApplication::installTranslator(&translator);
    }
    QString out = QDir(args[0]).absolutePath();
    // --tree: OUTDIR holds the template tree's language folders; the translation's
    // language names the one to write (DEU for de_DE).
    if (tree)
        out += QLatin1Char('/') +
               LanguageTag(LocaleIDFromLocale(
                   QLocale(translation.isEmpty() ? QStringLiteral("en_US") : translator.language())));
    TReport report;
    BuildStandardReport(report);
    // The same design lists in the report window and shows as a tab of the batch view.
    for (const char* folder : {"Reports", "Settings"}) {
        const QString dir = out + QLatin1Char('/') + QLatin1String(folder);
        MakeFolder(dir);
        const QString path = dir + QLatin1Char('/') + Tr("Standard Report") + QStringLiteral(".epr");
        report.SaveToFile(path);
        CliOut(path);
    }
    // The flow analysis lists in the report window only.
    TReport flow;
    BuildFlowAnalysisPage(*flow.AddPage());
    const QString reports = out + QStringLiteral("/Reports");
    MakeFolder(reports);
    const QString path = reports + QLatin1Char('/') + Tr("Flow Analysis") + QStringLiteral(".epr");
    flow.SaveToFile(path);
    CliOut(path);
    TReport certificate;
    BuildQcCertificatePage(*certificate.AddPage());
    const QString certificatePath =
        reports + QLatin1Char('/') + Tr("QC Certificate") + QStringLiteral(".epr");
    certificate.SaveToFile(certificatePath);
    CliOut(certificatePath);
    return 0;
}

static CliRegistrar reg{
    {"make-templates", "[--translation FILE.qm [--tree]] OUTDIR",
     QT_TRANSLATE_NOOP("Bramblex",
                       "write the shipped report templates into OUTDIR/Reports and OUTDIR/Settings"),
     Run}};

} // namespace
