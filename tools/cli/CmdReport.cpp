// bramblex-cli report: composes report templates with batches as the report preview
// does (templates in the order given, batches in the order given) and writes the
// result: PDF, JPEG files, a print job, the page count, thumbnails, one page as an SVG
// picture, or a message in the user's mail program ("EmailReportFormat" of --settings
// chooses PDF or JPEG).
// A thin client of services/ReportJobs.

#include "CliCommand.h"
#include "audit/AuditTrail.h"
#include "catalogue/Catalogue.h"
#include "charts/QCustomPlotChartPainter.h"
#include "core/Error.h"
#include "documents/BatchItem.h"
#include "documents/SettingNames.h"
#include "documents/Settings.h"
#include "platform/AtomicFile.h"
#include "platform/Mail.h"
#include "platform/PrintJob.h"
#include "reports/Page.h"
#include "reports/Report.h"
#include "services/JobProgress.h"
#include "services/ReportJobs.h"
#include "services/ReportMail.h"
#include "services/ReportPrinting.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPalette>

#include <optional>

namespace {

const char* const Usage =
    "--template T.epr [--template T2.epr ...] [--batch B.epb ...] "
    "(--pdf OUT.pdf [--open] [--attach-batches] | --jpeg BASE | "
    "--print [--printer QUEUE | --to-file OUT.pdf] [--paper A2|A3|A4|A5|Executive|Legal|Letter|Tabloid] "
    "[--orientation portrait|landscape] | --page-count | "
    "--thumbnails DIR [--quality 0|1|2] | --svg OUT.svg --page N | --mail) [--settings FILE]";

struct TArguments {
    QStringList Templates;
    QStringList Batches;
    QString Settings;
    QString Action; // "--pdf", "--jpeg", ...
    QString Target; // the action's file, base name or folder
    QString Printer;
    // What the print dialog would choose: the file of a print to file, the paper and
    // orientation of pages that name none.
    QString PrintFile;
    int Paper = 1;       // a "PaperSize" other than "Custom"; 1 the printer's
    int Orientation = 0; // 1 portrait, 2 landscape, 0 the printer's
    bool Open = false;
    bool AttachBatches = false;
    int Quality = ThumbnailHighQuality;
    int Page = 0; // 1-based, for --svg
};

int UsageError(const QString& problem) {
    CliErr(Tr("report: %1").arg(problem));
    CliErr(Tr("usage: bramblex-cli report %1").arg(QLatin1String(Usage)));
    return 2;
}

// Parses the command line; an error text when it is not one the command takes.
std::optional<QString> Parse(const QStringList& args, TArguments& out) {
    const QStringList actions = {QStringLiteral("--pdf"),        QStringLiteral("--jpeg"),
                                 QStringLiteral("--print"),      QStringLiteral("--page-count"),
                                 QStringLiteral("--thumbnails"), QStringLiteral("--svg"),
                                 QStringLiteral("--mail")};
    const QStringList actionsWithTarget = {QStringLiteral("--pdf"), QStringLiteral("--jpeg"),
                                           QStringLiteral("--thumbnails"), QStringLiteral("--svg")};
    const QStringList valueOptions = {
        QStringLiteral("--template"), QStringLiteral("--batch"),   QStringLiteral("--settings"),
        QStringLiteral("--printer"),  QStringLiteral("--quality"), QStringLiteral("--page"),
        QStringLiteral("--to-file"),  QStringLiteral("--paper"),   QStringLiteral("--orientation")};
    bool quality = false, page = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const auto value = [&]() -> std::optional<QString> {
            if (i + 1 >= args.size())
                return std::nullopt;
            return args[++i];
        };
        if (valueOptions.contains(a)) {
            const auto v = value();
            if (!v)
                return QStringLiteral("%1 needs a value").arg(a);
            if (a == QLatin1String("--template")) {
                out.Templates << *v;
            } else if (a == QLatin1String("--batch")) {
                out.Batches << *v;
            } else if (a == QLatin1String("--settings")) {
                out.Settings = *v;
            } else if (a == QLatin1String("--printer")) {
                out.Printer = *v;
            } else if (a == QLatin1String("--to-file")) {
                out.PrintFile = *v;
            } else if (a == QLatin1String("--paper")) {
                out.Paper = 1;
                for (int paper = 2; paper < PaperSizeCount; ++paper) {
                    if (v->compare(QLatin1String(PaperNames[paper]), Qt::CaseInsensitive) == 0)
                        out.Paper = paper;
                }
                if (out.Paper == 1)
                    return QStringLiteral(
                        "--paper takes A2, A3, A4, A5, Executive, Legal, Letter or Tabloid");
            } else if (a == QLatin1String("--orientation")) {
                if (v->compare(QLatin1String("portrait"), Qt::CaseInsensitive) == 0)
                    out.Orientation = 1;
                else if (v->compare(QLatin1String("landscape"), Qt::CaseInsensitive) == 0)
                    out.Orientation = 2;
                else
                    return QStringLiteral("--orientation takes portrait or landscape");
            } else if (a == QLatin1String("--quality")) {
                bool ok = false;
                out.Quality = v->toInt(&ok);
                if (!ok || out.Quality < 0 || out.Quality > 2)
                    return QStringLiteral("--quality takes 0, 1 or 2");
                quality = true;
            } else {
                bool ok = false;
                out.Page = v->toInt(&ok);
                if (!ok || out.Page < 1)
                    return QStringLiteral("--page takes a page number from 1");
                page = true;
            }
        } else if (actions.contains(a)) {
            if (!out.Action.isEmpty())
                return QStringLiteral(
                    "give one of --pdf, --jpeg, --print, --page-count, --thumbnails, --svg and --mail");
            out.Action = a;
            if (actionsWithTarget.contains(a)) {
                const auto v = value();
                if (!v)
                    return QStringLiteral("%1 needs a value").arg(a);
                out.Target = *v;
            }
        } else if (a == QLatin1String("--open")) {
            out.Open = true;
        } else if (a == QLatin1String("--attach-batches")) {
            out.AttachBatches = true;
        } else {
            return QStringLiteral("unknown argument '%1'").arg(a);
        }
    }
    if (out.Templates.isEmpty())
        return QStringLiteral("give at least one --template");
    if (out.Action.isEmpty())
        return QStringLiteral(
            "give one of --pdf, --jpeg, --print, --page-count, --thumbnails, --svg and --mail");
    if ((out.Open || out.AttachBatches) && out.Action != QLatin1String("--pdf"))
        return QStringLiteral("--open and --attach-batches go with --pdf");
    if ((!out.Printer.isEmpty() || !out.PrintFile.isEmpty() || out.Paper != 1 || out.Orientation != 0) &&
        out.Action != QLatin1String("--print"))
        return QStringLiteral("--printer, --to-file, --paper and --orientation go with --print");
    if (!out.Printer.isEmpty() && !out.PrintFile.isEmpty())
        return QStringLiteral("give --printer or --to-file, not both");
    if (quality && out.Action != QLatin1String("--thumbnails"))
        return QStringLiteral("--quality goes with --thumbnails");
    if (page != (out.Action == QLatin1String("--svg")))
        return QStringLiteral("--svg and --page go together");
    return std::nullopt;
}

void WritePng(const QString& path, const QImage& image) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        throw EBramblexError(
            Tr("Cannot encode the picture \"%1\" as PNG.").arg(QDir::toNativeSeparators(path)));
    WriteFileAtomically(path, png);
}

int Run(const QStringList& args) {
    TArguments a;
    if (const auto problem = Parse(args, a))
        return UsageError(*problem);

    TSettings settings;
    if (!a.Settings.isEmpty()) {
        settings.Load(a.Settings);
        CliWarnDamaged(settings.LoadWarning);
        ReadUnitSelections(settings);
    }
    std::vector<std::unique_ptr<TReport>> templates;
    std::vector<const TReport*> templateList;
    QStringList names;
    for (const QString& path : a.Templates) {
        templates.push_back(ReadReportTemplate(path));
        CliWarnDamaged(templates.back()->LoadWarning);
        templateList.push_back(templates.back().get());
        names << templates.back()->Name;
    }
    std::vector<std::unique_ptr<TBatchItem>> batches;
    std::vector<const TBatchItem*> batchList;
    for (const QString& path : a.Batches) {
        batches.push_back(ReadBatchFile(path));
        CliWarnDamaged(batches.back()->LoadWarning);
        batchList.push_back(batches.back().get());
    }
    const std::unique_ptr<TReport> report = ComposePreview(templateList, batchList, names.join(u','));
    TQCustomPlotChartPainter charts;
    TJobProgress progress;

    // What leaves the program is recorded in the reported batches' audit trails.
    QString printed;
    QString target = QFileInfo(a.Target).absoluteFilePath();
    if (a.Action == QLatin1String("--page-count")) {
        CliOut(QString::number(report->PageCount()));
    } else if (a.Action == QLatin1String("--pdf")) {
        TPdfOptions options;
        options.Title = Tr("Bramblex Report");
        options.OpenAfterWriting = a.Open;
        options.BatchFiles = a.Batches;
        options.AttachBatches = a.AttachBatches;
        SaveAsPdf(*report, a.Target, options, &charts, progress);
        printed = QStringLiteral("pdf");
    } else if (a.Action == QLatin1String("--print")) {
        TPrintSettings settings;
        settings.Printer = a.Printer;
        settings.OutputFile = a.PrintFile;
        settings.Paper = JobPaper(a.Paper, 0, 0);
        settings.Orientation = a.Orientation;
        Print(*report, Tr("Bramblex Report"), &settings, &charts, progress);
        printed = QStringLiteral("print");
        target = a.PrintFile.isEmpty() ? a.Printer : QFileInfo(a.PrintFile).absoluteFilePath();
    } else if (a.Action == QLatin1String("--jpeg")) {
        QStringList written;
        SaveAsJpeg(*report, a.Target, written, &charts, progress);
        for (const QString& name : written)
            CliOut(name);
        printed = QStringLiteral("jpeg");
    } else if (a.Action == QLatin1String("--thumbnails")) {
        QDir().mkpath(a.Target);
        const QColor background = QGuiApplication::palette().color(QPalette::Window);
        for (int i = 0; i < report->PageCount(); ++i) {
            QImage image(64, 64, QImage::Format_RGB888);
            QImage mask;
            DrawPageThumbnail(*report->Page(i), a.Quality, image, mask, &charts, background);
            WritePng(QDir(a.Target).filePath(QStringLiteral("page_%1.png").arg(i + 1)), image);
            WritePng(QDir(a.Target).filePath(QStringLiteral("page_%1_mask.png").arg(i + 1)), mask);
        }
    } else if (a.Action == QLatin1String("--mail")) {
        if (!MailAvailable()) {
            CliErr(Tr("No mail program is set up: install xdg-utils and choose a program for e-mail."));
            return 1;
        }
        // This command ends long before the mail program reads the files: they stay,
        // and a later start removes them once they are a day old.
        TMailFolders folders(TMailFolders::DefaultRoot(), TMailFolders::TAtEnd::Keep);
        SendReportMail(*report, batchList, Setting::EmailReportFormat.Get(settings), folders, &charts,
                       progress);
        printed = QStringLiteral("mail");
        target = QStringLiteral("mailto:");
    } else if (a.Action == QLatin1String("--svg")) {
        if (a.Page > report->PageCount()) {
            CliErr(Tr("Page does not exist"));
            return 1;
        }
        const TPagePicture picture = RenderPagePicture(*report, a.Page - 1, &charts);
        WriteFileAtomically(a.Target, picture.Svg);
    }
    if (!printed.isEmpty()) {
        QStringList batches;
        for (const QString& batch : a.Batches)
            batches << QFileInfo(batch).absoluteFilePath();
        CliAuditRecorder({}).Output(batches, TAuditEntry::Printed(printed, target));
    }
    return 0;
}

const CliRegistrar reg{
    {"report", Usage,
     QT_TRANSLATE_NOOP("Bramblex",
                       "composes report templates with batches as the report preview does and writes "
                       "PDF, JPEG, a print job, thumbnails, an SVG page, the page count or a mail"),
     Run}};

} // namespace
