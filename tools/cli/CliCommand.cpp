#include "CliCommand.h"
#include "core/Error.h"

#include "audit/AuditTrail.h"

#include <cstdio>

std::vector<CliCommand>& CliCommands() {
    static std::vector<CliCommand> commands;
    return commands;
}

void CliOut(const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

bool CliWarnDamaged(const QString& loadWarning) {
    if (loadWarning.isEmpty())
        return false;
    CliErr(Tr("warning: ") + loadWarning);
    return true;
}

void CliErr(const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

QString CliTakeReason(QStringList& args) {
    QString reason;
    for (int i = 0; i + 1 < args.size(); ++i)
        if (args[i] == QLatin1String("--reason")) {
            reason = args[i + 1];
            args.remove(i, 2);
            break;
        }
    return reason;
}

TAuditRecorder CliAuditRecorder(const QString& reason) {
    TAuditRecorder recorder;
    recorder.AskReason = [reason](const QString&, QString& given) {
        if (reason.trimmed().isEmpty()) {
            CliErr(QStringLiteral("The batch is signed: give the reason for the change with --reason TEXT."));
            return false;
        }
        given = reason;
        return true;
    };
    return recorder;
}
