// bramblex-cli export-csv / export-xls / export-json BATCH.epb OUT [--settings FILE]
// [--include-low-torque (JSON: the analysis)]:
// a batch file written as the main window's exports write it, or as JSON for scripts.
// Display units come from a settings file when one is given; otherwise base units.

#include "CliCommand.h"
#include "audit/AuditTrail.h"

#include "core/Error.h"
#include "documents/BatchItem.h"
#include "documents/Settings.h"
#include "export/BatchExport.h"
#include "qc/Qc.h"
#include "storage/StoragePaths.h"

#include <QFileInfo>

namespace {

enum class TOutput { Csv, Xls, Json };

int RunExport(TOutput output, const char* name, QStringList args) {
    TAnalysisOptions analysisOptions;
    if (output == TOutput::Json)
        analysisOptions.IncludeLowTorque = args.removeAll(QStringLiteral("--include-low-torque")) > 0;
    const qsizetype at = args.indexOf(QStringLiteral("--settings"));
    QString settingsFile;
    if (at >= 0) {
        if (at + 1 >= args.size()) {
            CliErr(Tr("%1: --settings needs a file").arg(name));
            return 2;
        }
        settingsFile = args[at + 1];
        args.remove(at, 2);
    }
    if (args.size() != 2) {
        CliErr(Tr("usage: bramblex-cli %1 BATCH.epb OUT [--settings FILE]").arg(name));
        return 2;
    }
    if (!settingsFile.isEmpty()) {
        TSettings settings;
        settings.Load(settingsFile);
        CliWarnDamaged(settings.LoadWarning);
        ReadUnitSelections(settings);
    }
    TBatchItem batch;
    batch.LoadFromFile(args[0]);
    CliWarnDamaged(batch.LoadWarning);
    switch (output) {
    case TOutput::Csv:
        ExportBatchToCsv(batch, args[1]);
        break;
    case TOutput::Xls: {
        const QString written = ExportBatchToExcel(batch, args[1]);
        if (written != args[1])
            CliOut(QStringLiteral("written as %1").arg(written));
        break;
    }
    case TOutput::Json: {
        // The verdict of the limit set the batch's folder has in the storage tree.
        const TQcResult qc =
            CheckQcBatch(batch, QFileInfo(args[0]).absolutePath(), SettingsFolder(), LocalFolder());
        ExportBatchToJson(batch, args[1], analysisOptions, &qc);
        break;
    }
    }
    const char* kinds[] = {"csv", "excel", "json"};
    CliAuditRecorder({}).Output({QFileInfo(args[0]).absoluteFilePath()},
                                TAuditEntry::Exported(QLatin1String(kinds[static_cast<int>(output)]),
                                                      QFileInfo(args[1]).absoluteFilePath()));
    return 0;
}

const CliRegistrar csv{
    {"export-csv", "BATCH.epb OUT.csv [--settings FILE]",
     QT_TRANSLATE_NOOP("Bramblex", "writes a batch as the CSV export (display units from the settings file)"),
     [](const QStringList& args) { return RunExport(TOutput::Csv, "export-csv", args); }}};
const CliRegistrar xls{
    {"export-xls", "BATCH.epb OUT.xls [--settings FILE]",
     QT_TRANSLATE_NOOP("Bramblex",
                       "writes a batch as the Excel worksheet export (display units from the settings file)"),
     [](const QStringList& args) { return RunExport(TOutput::Xls, "export-xls", args); }}};
const CliRegistrar json{
    {"export-json", "BATCH.epb OUT.json [--include-low-torque]",
     QT_TRANSLATE_NOOP("Bramblex", "writes the whole batch as JSON (base units, readings with % full scale "
                                   "and over scale, its analysis, its QC verdict)"),
     [](const QStringList& args) { return RunExport(TOutput::Json, "export-json", args); }}};

} // namespace
