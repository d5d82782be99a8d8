// bramblex-cli analyze BATCH.epb [--include-low-torque] [--json]: what the readings mean
// (flow models, flow index, thixotropic index, temperature dependence), as a table or
// as the JSON that scripts read.

#include "CliCommand.h"
#include "analysis/Analysis.h"
#include "core/Error.h"
#include "documents/BatchItem.h"

#include <QJsonDocument>

#include <cstdio>

namespace {

int RunAnalyze(QStringList args) {
    TAnalysisOptions options;
    options.IncludeLowTorque = args.removeAll(QStringLiteral("--include-low-torque")) > 0;
    const bool json = args.removeAll(QStringLiteral("--json")) > 0;
    if (args.size() != 1 || args[0].startsWith(QLatin1String("--"))) {
        CliErr(Tr("usage: bramblex-cli analyze BATCH.epb [--include-low-torque] [--json]"));
        return 2;
    }
    const QString& file = args[0];
    TBatchItem batch;
    batch.LoadFromFile(file);
    CliWarnDamaged(batch.LoadWarning);
    const TBatchAnalysis analysis = AnalyzeBatch(batch, options);
    if (const QString reason = analysis.NothingUsableReason(); !reason.isEmpty()) {
        CliErr(Tr("The batch \"%1\" cannot be analysed: %2").arg(file, reason));
        return 1;
    }
    if (json) {
        // UTF-8 whatever the terminal's encoding: scripts read it.
        const QByteArray bytes =
            QJsonDocument(AnalysisToJson(analysis, file)).toJson(QJsonDocument::Indented);
        std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
        std::fflush(stdout);
    } else {
        CliOut(AnalysisToText(analysis, file).chopped(1));
    }
    return 0;
}

const CliRegistrar analyze{
    {"analyze", "BATCH.epb [--include-low-torque] [--json]",
     QT_TRANSLATE_NOOP("Bramblex",
                       "flow models, flow index, thixotropic index and temperature dependence of a batch"),
     [](const QStringList& args) { return RunAnalyze(args); }}};

} // namespace
