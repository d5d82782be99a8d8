// bramblex-cli resave IN OUT: reads a document through its own class and writes it
// back the same way, so that a file the program wrote comes back byte for byte.

#include "CliCommand.h"
#include "audit/AuditTrail.h"
#include "core/Error.h"
#include "documents/BatchItem.h"
#include "documents/Settings.h"
#include "reports/Report.h"
#include "xml/GmXml.h"

#include <QFileInfo>

#include <functional>

namespace {

struct TDocumentKind {
    const char* Name;
    const char* TopElement;                            // decides by content
    std::function<bool(const QFileInfo&)> MatchesName; // decides when the content does not
    // Loads IN, then calls write unless it refuses; returns the document's LoadWarning.
    std::function<QString(const QString& in, const QString& out,
                          const std::function<bool(const QString&)>& write)>
        Resave; // null: not handled yet
};

QString g_reason; // --reason, for a signed batch at OUT

// Written onto a batch, the resave is recorded in that batch's trail: what differs from
// it, or a new batch copied from IN.
TAuditEntry ResaveRecord(const QString& in, const QString& out, const TBatchItem& batch) {
    if (!QFileInfo::exists(out)) {
        TAuditEntry created = TAuditEntry::NewBatch();
        created.Details = QStringLiteral("Written by bramblex-cli resave from \"%1\"").arg(in);
        created.Data = {{QStringLiteral("source"), in}};
        return created;
    }
    TBatchItem before;
    try {
        before.LoadFromFile(out);
    } catch (const EBramblexError&) {
        // Every field then counts as new.
    }
    TAuditEntry change = DescribeBatchChange(before, batch);
    if (change.Details.isEmpty()) {
        change = TAuditEntry::HeaderChanged(QStringLiteral("(none)"), QString(), QString());
        change.Details = QStringLiteral("Written again by bramblex-cli resave from \"%1\"").arg(in);
    }
    return change;
}

QString ResaveBatch(const QString& in, const QString& out, const std::function<bool(const QString&)>& write) {
    TBatchItem batch;
    batch.LoadFromFile(in);
    if (write(batch.LoadWarning))
        batch.SaveToFile(out, ResaveRecord(in, out, batch), CliAuditRecorder(g_reason));
    return batch.LoadWarning;
}

QString ResaveReport(const QString& in, const QString& out,
                     const std::function<bool(const QString&)>& write) {
    TReport report;
    report.LoadFromFile(in);
    if (write(report.LoadWarning))
        report.SaveToFile(out);
    return report.LoadWarning;
}

QString ResaveSettings(const QString& in, const QString& out,
                       const std::function<bool(const QString&)>& write) {
    TSettings settings;
    settings.Load(in);
    if (write(settings.LoadWarning)) {
        settings.FileName = out;
        settings.Save();
    }
    return settings.LoadWarning;
}

const std::vector<TDocumentKind>& Kinds() {
    static const std::vector<TDocumentKind> kinds{
        {"settings", "Settings",
         [](const QFileInfo& f) { return f.fileName().compare("settings.xml", Qt::CaseInsensitive) == 0; },
         ResaveSettings},
        {"batch", "Batch",
         [](const QFileInfo& f) { return f.suffix().compare("epb", Qt::CaseInsensitive) == 0; }, ResaveBatch},
        {"report", "Report",
         [](const QFileInfo& f) { return f.suffix().compare("epr", Qt::CaseInsensitive) == 0; },
         ResaveReport},
    };
    return kinds;
}

const TDocumentKind* DetectKind(const QString& path) {
    TGmXML document;
    document.LoadFromFile(path);
    if (document.Nodes().Count() > 0) {
        const QString top = document.Nodes().Items(0)->NameText();
        for (const auto& kind : Kinds())
            if (top == QLatin1String(kind.TopElement))
                return &kind;
    }
    const QFileInfo info(path);
    for (const auto& kind : Kinds())
        if (kind.MatchesName(info))
            return &kind;
    return nullptr;
}

int Run(const QStringList& given) {
    QStringList args = given;
    g_reason = CliTakeReason(args);
    if (args.size() != 2) {
        CliErr(Tr("usage: bramblex-cli resave [--reason TEXT] IN OUT"));
        return 2;
    }
    const TDocumentKind* kind = DetectKind(args[0]);
    if (!kind) {
        CliErr(Tr("resave: \"%1\" is not a batch, settings or report file").arg(args[0]));
        return 1;
    }
    if (!kind->Resave) {
        CliErr(Tr("resave: %1 files are not supported yet").arg(kind->Name));
        return 1;
    }
    // Writing a damaged document over itself would lose what lies beyond the part that
    // could be read; elsewhere OUT gets that part, and the status says it is not whole.
    const bool sameFile = QFileInfo(args[0]).canonicalFilePath() == QFileInfo(args[1]).canonicalFilePath();
    bool refused = false;
    const QString warning = kind->Resave(args[0], args[1], [&](const QString& loadWarning) {
        refused = sameFile && !loadWarning.isEmpty();
        return !refused;
    });
    if (!CliWarnDamaged(warning))
        return 0;
    CliErr(refused ? QStringLiteral("resave: the damaged file is left as it is.")
                   : QStringLiteral("resave: %1 holds only the part that could be read.").arg(args[1]));
    return 1;
}

static CliRegistrar reg{{"resave", "[--reason TEXT] IN OUT",
                         QT_TRANSLATE_NOOP("Bramblex", "load a batch (.epb), report (.epr) or settings file "
                                                       "through its document class and write it to OUT"),
                         Run}};

} // namespace
