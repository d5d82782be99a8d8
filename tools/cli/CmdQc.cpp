// bramblex-cli qc define NAME [--viscosity-at RPM MIN MAX] ...: a QC limit set in
// the storage tree's "Settings" folder.
// bramblex-cli qc assign FOLDER NAME|--none: the limit set of a folder's batches.
// bramblex-cli qc check PATH... [--json]: whether batches pass their folder's
// limit set; exit status 0 all pass, 1 any fails, 2 none fails but some are
// incomplete or have no limit set.

#include "CliCommand.h"

#include "core/Error.h"
#include "qc/Qc.h"
#include "storage/FileItem.h"
#include "storage/StoragePaths.h"
#include "xml/GmXml.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>
#include <cstdio>

namespace {

const char* DefineUsage =
    "usage: bramblex-cli qc define NAME [--viscosity-at RPM MIN MAX] [--temperature-at RPM MIN MAX] "
    "[--flow-index MIN MAX] [--yield-stress MIN MAX] [--model-k MIN MAX] [--model-n MIN MAX] "
    "[--thixotropic-index MIN MAX] [--activation-energy MIN MAX]";

// A number as scripts write it (never the locale's); "-" is an open limit.
bool ParseLimit(const QString& text, std::optional<double>& limit) {
    if (text == QLatin1String("-")) {
        limit.reset();
        return true;
    }
    double value = 0.0;
    if (!GmXmlFormat::TextToFloat(text.toStdString(), value))
        return false;
    limit = value;
    return true;
}

int Define(const QStringList& args) {
    if (args.isEmpty() || args[0].startsWith(QLatin1String("--"))) {
        CliErr(QLatin1String(DefineUsage));
        return 2;
    }
    TQcLimitSet limitSet;
    limitSet.Name = args[0];
    for (int i = 1; i < args.size(); ++i) {
        const QString& option = args[i];
        const std::optional<TQcKind> kind =
            option.startsWith(QLatin1String("--")) ? QcKindFromKey(QStringView(option).mid(2)) : std::nullopt;
        if (!kind) {
            CliErr(Tr("bramblex-cli qc define: unknown option %1").arg(option));
            CliErr(QLatin1String(DefineUsage));
            return 2;
        }
        const int values = QcKindHasSpeed(*kind) ? 3 : 2;
        if (i + values > args.size() - 1) {
            CliErr(Tr("bramblex-cli qc define: %1 needs %2 values").arg(option).arg(values));
            return 2;
        }
        TQcCriterion c;
        c.Kind = *kind;
        int next = i + 1;
        if (QcKindHasSpeed(*kind)) {
            std::optional<double> rpm;
            if (!ParseLimit(args[next], rpm) || !rpm) {
                CliErr(Tr("bramblex-cli qc define: %1: not a speed: %2").arg(option, args[next]));
                return 2;
            }
            c.RPM = *rpm;
            ++next;
        }
        if (!ParseLimit(args[next], c.Min) || !ParseLimit(args[next + 1], c.Max)) {
            CliErr(Tr("bramblex-cli qc define: %1: a limit is neither a number nor \"-\"").arg(option));
            return 2;
        }
        if (const QString problem = QcCriterionProblem(c); !problem.isEmpty()) {
            CliErr(Tr("bramblex-cli qc define: %1: %2").arg(option, problem));
            return 2;
        }
        limitSet.Criteria.push_back(c);
        i = next + 1;
    }
    if (limitSet.Criteria.empty()) {
        CliErr(Tr("bramblex-cli qc define: a limit set needs at least one criterion"));
        CliErr(QLatin1String(DefineUsage));
        return 2;
    }
    PrepareStorage();
    QDir().mkpath(SettingsFolder()); // a tree seeded from no template tree has none yet
    SaveQcLimitSet(SettingsFolder(), limitSet);
    CliOut(QcLimitSetPath(SettingsFolder(), limitSet.Name));
    return 0;
}

int Assign(const QStringList& args) {
    if (args.size() != 2 || args[0].startsWith(QLatin1String("--"))) {
        CliErr(Tr("usage: bramblex-cli qc assign FOLDER NAME | qc assign FOLDER --none"));
        return 2;
    }
    const QString& folder = args[0];
    if (!QFileInfo(folder).isDir()) {
        CliErr(Tr("bramblex-cli qc assign: not a folder: %1").arg(folder));
        return 1;
    }
    if (args[1] == QLatin1String("--none")) {
        AssignQcLimitSet(folder, QString());
        return 0;
    }
    // Only a limit set that can be read is assigned; its errors say why.
    LoadQcLimitSet(SettingsFolder(), args[1]);
    AssignQcLimitSet(folder, args[1]);
    return 0;
}

// Every batch under path (a batch itself, or a folder searched through), sorted.
QStringList BatchesUnder(const QString& path) {
    if (!QFileInfo(path).isDir())
        return {QFileInfo(path).absoluteFilePath()};
    QStringList found;
    QDirIterator it(path, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        if (FileTypeOfName(file) == FileTypeBatch)
            found << QFileInfo(file).absoluteFilePath();
    }
    found.sort();
    return found;
}

int Check(QStringList args) {
    const bool json = args.removeAll(QStringLiteral("--json")) > 0;
    if (args.isEmpty() || std::any_of(args.begin(), args.end(),
                                      [](const QString& a) { return a.startsWith(QLatin1String("--")); })) {
        CliErr(Tr("usage: bramblex-cli qc check PATH... [--json]"));
        return 2;
    }
    bool failed = false;
    bool unsure = false; // incomplete, no limit set, or a batch that could not be read
    QJsonArray results;
    int checked = 0;
    for (const QString& arg : args) {
        if (!QFileInfo::exists(arg)) {
            CliErr(Tr("%1: no such file or folder").arg(arg));
            unsure = true;
            continue;
        }
        for (const QString& batch : BatchesUnder(arg)) {
            TQcResult result;
            try {
                result = CheckQcBatchFile(batch, SettingsFolder(), LocalFolder());
            } catch (const EBramblexError& e) {
                CliErr(Tr("%1: %2").arg(batch, e.Message()));
                unsure = true;
                continue;
            }
            ++checked;
            failed |= result.Verdict == TQcVerdict::Fail;
            unsure |= result.Verdict != TQcVerdict::Pass;
            if (json) {
                results.append(QcResultToJson(result, batch));
                if (!result.Problem.isEmpty())
                    CliErr(Tr("%1: %2").arg(batch, result.Problem));
            } else {
                CliOut(QStringLiteral("%1: %2").arg(batch, QcResultLine(result)));
            }
        }
    }
    if (json) {
        // UTF-8 whatever the terminal's encoding: scripts read it.
        const QByteArray bytes = QJsonDocument(results).toJson(QJsonDocument::Indented);
        std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
        std::fflush(stdout);
    }
    if (checked == 0) {
        CliErr(Tr("bramblex-cli qc check: no batch found"));
        return 2;
    }
    return failed ? 1 : unsure ? 2 : 0;
}

int Qc(const QStringList& args) {
    const QString sub = args.value(0);
    if (sub == QLatin1String("define"))
        return Define(args.mid(1));
    if (sub == QLatin1String("assign"))
        return Assign(args.mid(1));
    if (sub == QLatin1String("check"))
        return Check(args.mid(1));
    CliErr(Tr("usage: bramblex-cli qc define NAME CRITERIA... | qc assign FOLDER NAME|--none | "
              "qc check PATH... [--json]"));
    return 2;
}

const CliRegistrar qc{
    {"qc",
     "define NAME [--viscosity-at RPM MIN MAX] [--temperature-at RPM MIN MAX] [--flow-index MIN "
     "MAX] [--yield-stress MIN MAX] [--model-k MIN MAX] [--model-n MIN MAX] [--thixotropic-index "
     "MIN MAX] [--activation-energy MIN MAX] | assign FOLDER NAME|--none | check PATH... [--json]",
     QT_TRANSLATE_NOOP(
         "Bramblex",
         "QC limit sets: define one (limits in mPas, °C, kJ/mol; \"-\" for an open limit), assign "
         "it to a folder, check batches (exit 0 all pass, 1 any fails, 2 otherwise)"),
     Qc}};

} // namespace
