#include "reports/PageItemMemo.h"

#include "analysis/Analysis.h"
#include "audit/AuditTrail.h"
#include "catalogue/Catalogue.h"
#include "core/Error.h"
#include "reports/Page.h"

#include <QDate>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <mutex>
#include <optional>

namespace {

constexpr std::array<const char*, 20> FieldNames = {
    "BatchID",     "FilePath",    "TodaysDate",       "Company",          "Operator",  "Note",
    "ModelType",   "SpindleType", "Identifier",       "PageNumber",       "FlowModel", "FlowModelParameters",
    "FlowModelR2", "FlowIndex",   "ThixotropicIndex", "ActivationEnergy", "QCResult",  "QCSpecification",
    "QCDetails",   "Signatures"};

// The order in which fields are replaced while drawing; the analysis fields come last
// and are replaced only when the text has one, since they analyse the whole batch.
constexpr std::array<int, 10> SubstitutionOrder = {0, 1, 2, 9, 3, 8, 4, 5, 6, 7};
constexpr int FirstAnalysisField = 10;
constexpr int FirstQcField = 16;
constexpr int SignaturesField = 19;

QString Token(const QString& name) {
    return QLatin1Char('[') + name + QLatin1Char(']');
}

QString FieldValue(int field, const TPage& page) {
    const TBatchItem& batch = page.Batch;
    switch (field) {
    case 0:
        return batch.FileTitle;
    case 1:
        return batch.FolderPath;
    case 2:
        return QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
    case 3:
        return batch.Company;
    case 4:
        return batch.Operator;
    case 5:
        return batch.Note;
    case 6:
        // An index outside the tables prints nothing rather than a wrong name.
        return batch.ModelType < ModelTypeCount ? QString::fromLatin1(ModelNames[batch.ModelType])
                                                : QString();
    case 7:
        return batch.SpindleType < SpindleTypeCount ? QString::fromLatin1(SpindleNames[batch.SpindleType])
                                                    : QString();
    case 8:
        return batch.Identifier;
    case 9:
        return QString::number(page.PageNumber);
    case 16:
        return page.Qc.Result;
    case 17:
        return page.Qc.LimitSet;
    case 18:
        return page.Qc.Details;
    default:
        return {};
    }
}

QString AnalysisFieldValue(int field, const TBatchAnalysis& analysis) {
    switch (field) {
    case 10:
        return FlowModelFieldText(analysis);
    case 11:
        return FlowModelParametersFieldText(analysis);
    case 12:
        return FlowModelR2FieldText(analysis);
    case 13:
        return FlowIndexFieldText(analysis);
    case 14:
        return ThixotropicIndexFieldText(analysis);
    case 15:
        return ActivationEnergyFieldText(analysis);
    default:
        return {};
    }
}

// One line per signature in the batch file's audit trail; a signature of an earlier
// version of the file says so. Empty for a batch that is not a file or has none.
QString SignaturesText(const TBatchItem& batch) {
    if (batch.FileTitle.isEmpty())
        return {};
    const QString path = batch.FolderPath + batch.FileTitle + QStringLiteral(".epb");
    try {
        QStringList lines;
        for (const TAuditSignature& s : AuditSignatures(ReadAuditTrail(path), FileSha256(path)))
            lines << (s.AppliesToCurrent ? s.Line() : Tr("%1 (an earlier version)").arg(s.Line()));
        return lines.join(QLatin1Char('\n'));
    } catch (const EBramblexError& e) {
        return e.Message();
    }
}

bool IsLeftColumn(int alignment) {
    return alignment == 0 || alignment == 3 || alignment == 6;
}

bool IsCentreColumn(int alignment) {
    return alignment == 1 || alignment == 4 || alignment == 7;
}

} // namespace

QStringList AlignmentNames() {
    return {Tr("Top Left"),    Tr("Top Middle"),    Tr("Top Right"),
            Tr("Middle Left"), Tr("Middle Middle"), Tr("Middle Right"),
            Tr("Bottom Left"), Tr("Bottom Middle"), Tr("Bottom Right")};
}

QStringList ReportFieldNames() {
    QStringList names;
    for (const char* name : FieldNames)
        names << QString::fromLatin1(name);
    return names;
}

QStringList ReportFieldDisplayNames() {
    QStringList names;
    for (const char* name : FieldNames)
        names << Tr(name);
    return names;
}

QString ReportFieldNotice() {
    return Tr("Data values only available on inner pages");
}

// ---------------------------------------------------------------------------
// Layout routines

namespace {

// One axis of a block's alignment: 0 at the low edge, 1 centred, else at the high edge.
void AlignSpan(int where, int low, int high, int size, int& from, int& to) {
    switch (where) {
    case 0:
        from = low;
        to = low + size;
        break;
    case 1: {
        const int centre = low + (high - low) / 2;
        from = centre - size / 2;
        to = centre + size / 2;
        break;
    }
    default:
        from = high - size;
        to = high;
        break;
    }
}

} // namespace

TDeviceRect AlignBlock(int alignment, const TDeviceRect& rect, int w, int h) {
    TDeviceRect r;
    AlignSpan(alignment % 3, rect.Left, rect.Right, w, r.Left, r.Right);
    AlignSpan(alignment / 3, rect.Top, rect.Bottom, h, r.Top, r.Bottom);
    // Values outside 0 to 8 fall back to the top left corner.
    if (alignment < 0 || alignment > 8)
        r = {rect.Left, rect.Top, rect.Left + w, rect.Top + h};
    return r;
}

TTextLines BreakLines(const QPainter& canvas, const QString& text, const TDeviceRect& rect, bool wordWrap) {
    const QFontMetricsF metrics(canvas.font(), canvas.device());
    const auto widthOf = [&](const QString& s) {
        return static_cast<int>(std::ceil(metrics.horizontalAdvance(s)));
    };

    TTextLines result;
    QString current;
    int running = 0;
    qsizetype start = 0;
    const qsizetype length = text.size();
    while (start < length) {
        qsizetype end = start;
        while (end < length && text[end] != QLatin1Char(' ') && text[end] != QLatin1Char('\n'))
            ++end;
        const bool endsWithLineFeed = end < length && text[end] == QLatin1Char('\n');
        if (end < length)
            ++end; // the space or line feed belongs to the word
        QString word = text.mid(start, end - start);
        start = end;
        word.removeIf([](QChar c) { return c.unicode() < 32; });

        const int wordWidth = widthOf(word);
        if (wordWrap && running > 0 && rect.Width() < running + wordWidth) {
            result.Lines << current;
            current.clear();
            running = 0;
        }
        current += word;
        if (endsWithLineFeed) {
            result.Lines << current;
            current.clear();
            running = 0;
        } else {
            running += wordWidth;
        }
    }
    if (!current.isEmpty())
        result.Lines << current;

    const int lineHeight = static_cast<int>(std::ceil(metrics.height()));
    for (const QString& line : result.Lines) {
        result.Height += lineHeight;
        result.Width = std::max(result.Width, widthOf(line));
    }
    return result;
}

void DrawLines(QPainter& canvas, const QStringList& lines, const TDeviceRect& clipRect,
               const TDeviceRect& blockRect, double lineStep, int alignment) {
    if (clipRect.IsEmpty())
        return;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (line.isEmpty())
            continue;
        const int y = blockRect.Top + static_cast<int>(RoundHalfUp(lineStep * static_cast<double>(i)));
        int x = blockRect.Left;
        if (!IsLeftColumn(alignment)) {
            const int width = CanvasTextWidth(canvas, line);
            x = IsCentreColumn(alignment)
                    ? blockRect.Left + (blockRect.Right - blockRect.Left) / 2 - width / 2
                    : blockRect.Right - width;
        }
        CanvasTextOut(canvas, x, y, line, clipRect);
    }
}

// ---------------------------------------------------------------------------
// TPageItemMemo

TPageItemMemo::TPageItemMemo(TPage& page) : TPageItem(page) {
    InstallMemoTextConverters();

    AddFontProperties();
    Properties.Add(QStringLiteral("Bold"), Tr("Bold"), ptBoolean)->SetBoolean(false);
    Properties.Add(QStringLiteral("Italic"), Tr("Italic"), ptBoolean)->SetBoolean(false);
    Properties.Add(QStringLiteral("Underline"), Tr("Underline"), ptBoolean)->SetBoolean(false);
    Properties.Add(QStringLiteral("Strikeout"), Tr("Strikeout"), ptBoolean)->SetBoolean(false);
    Properties.Add(QStringLiteral("WordWrap"), Tr("WordWrap"), ptBoolean)->SetBoolean(false);
    TProperty* text = Properties.Add(QStringLiteral("Text"), Tr("Text"), ptMemoText);
    text->TextEditable = true;
    TProperty* alignment = Properties.Add(QStringLiteral("Alignment"), Tr("Alignment"), ptChoice);
    alignment->Choices = AlignmentNames();
    alignment->SetInteger(0);

    const QString name = page.UniqueItemName(Tr("Memo"));
    SetName(name);
    text->SetString(name);
    Properties.Sort();
}

void TPageItemMemo::Draw() {
    TPageItem::Draw();
    if (!Page.Canvas)
        return;
    if (Width() <= 0.0 || Height() <= 0.0)
        return;
    QPainter& canvas = *Page.Canvas;
    const TDeviceRect rect = DeviceRect();
    const QString text = SubstituteFields(GetString(QStringLiteral("Text")), Page);

    canvas.setBrush(Qt::NoBrush);
    const double em = Page.DevicePixelsPerInch() * GetInteger(QStringLiteral("FontSize")) / 72.0;
    // A damaged file may hold any font size; the pixel height must stay an int.
    SetCanvasFont(canvas, GetString(QStringLiteral("FontName")), static_cast<int>(std::clamp(em, 1.0, 1.0e6)),
                  GetInteger(QStringLiteral("FontColor")), GetBoolean(QStringLiteral("Bold")),
                  GetBoolean(QStringLiteral("Italic")), GetBoolean(QStringLiteral("Underline")),
                  GetBoolean(QStringLiteral("Strikeout")));

    const int alignment = GetInteger(QStringLiteral("Alignment"));
    const TTextLines lines = BreakLines(canvas, text, rect, GetBoolean(QStringLiteral("WordWrap")));
    const TDeviceRect block = AlignBlock(alignment, rect, lines.Width, lines.Height);
    DrawLines(canvas, lines.Lines, rect, block, em, alignment);
}

QString TPageItemMemo::SubstituteFields(const QString& text, const TPage& page) {
    const bool inner = page.PageType() == PageTypeInner;
    QString result = text;
    for (const int field : SubstitutionOrder) {
        const QString token = Token(QString::fromLatin1(FieldNames[static_cast<size_t>(field)]));
        if (result.contains(token))
            result.replace(token, inner ? FieldValue(field, page) : ReportFieldNotice());
    }
    std::optional<TBatchAnalysis> analysis;
    for (int field = FirstAnalysisField; field < FirstQcField; ++field) {
        const QString token = Token(QString::fromLatin1(FieldNames[static_cast<size_t>(field)]));
        if (!result.contains(token))
            continue;
        if (!inner) {
            result.replace(token, ReportFieldNotice());
            continue;
        }
        if (!analysis)
            analysis = AnalyzeBatch(page.Batch);
        result.replace(token, AnalysisFieldValue(field, *analysis));
    }
    for (int field = FirstQcField; field < SignaturesField; ++field) {
        const QString token = Token(QString::fromLatin1(FieldNames[static_cast<size_t>(field)]));
        if (result.contains(token))
            result.replace(token, inner ? FieldValue(field, page) : ReportFieldNotice());
    }
    const QString signatures = Token(QString::fromLatin1(FieldNames[SignaturesField]));
    if (result.contains(signatures))
        result.replace(signatures, inner ? SignaturesText(page.Batch) : ReportFieldNotice());
    return result;
}

QString TPageItemMemo::FieldsToDisplay(const QString& text) {
    QString result = text;
    for (const char* name : FieldNames)
        result.replace(Token(QString::fromLatin1(name)), Token(Tr(name)));
    return result;
}

QString TPageItemMemo::FieldsToStorage(const QString& text) {
    QString result = text;
    for (const char* name : FieldNames)
        result.replace(Token(Tr(name)), Token(QString::fromLatin1(name)));
    return result;
}

void TPageItemMemo::InstallMemoTextConverters() {
    static std::once_flag once;
    std::call_once(once, [] {
        TProperty::SetMemoTextConverters(&TPageItemMemo::FieldsToDisplay, &TPageItemMemo::FieldsToStorage);
    });
}
