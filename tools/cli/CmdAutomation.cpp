// bramblex-cli automation: a small client of the automation service. It creates an
// instance (the bus starts a program of its own for it), makes the calls given in
// order on one connection, prints each result on a line, and releases the instance,
// also after a failure.

#include "CliCommand.h"
#include "automation/AutomationNames.h"
#include "core/Error.h"

#include <QDBusConnection>
#include <QDBusMessage>

#include <optional>

namespace {

const char* const Usage = "METHOD [ARGS...] [METHOD [ARGS...]]...  (OpenBatch FILE | GetBatchID | "
                          "GetLocalPath | GetAnalysis | GetQCResult | GetPageCount REPORT | "
                          "Print REPORT | PrintPage REPORT N | CopyPageToClipboard REPORT N)";

// A printing call may take long; the client waits for it.
constexpr int CallTimeoutMs = 10 * 60 * 1000;

struct TMethod {
    const char* Name;
    const char* Signature; // of the arguments: s text, i number
};

const TMethod Methods[] = {
    {"PrintPage", "si"},   {"Print", "s"},       {"OpenBatch", "s"},
    {"GetBatchID", ""},    {"GetLocalPath", ""}, {"CopyPageToClipboard", "si"},
    {"GetPageCount", "s"}, {"GetAnalysis", ""},  {"GetQCResult", ""},
};

struct TCall {
    QString Name;
    QVariantList Arguments;
};

int UsageError(const QString& problem) {
    CliErr(Tr("automation: %1").arg(problem));
    CliErr(Tr("usage: bramblex-cli automation %1").arg(QLatin1String(Usage)));
    return 2;
}

std::optional<QString> Parse(const QStringList& args, std::vector<TCall>& calls) {
    for (int i = 0; i < args.size();) {
        const TMethod* method = nullptr;
        for (const TMethod& m : Methods)
            if (args[i].compare(QLatin1String(m.Name), Qt::CaseInsensitive) == 0)
                method = &m;
        if (!method)
            return QStringLiteral("unknown method '%1'").arg(args[i]);
        TCall call{QLatin1String(method->Name), {}};
        ++i;
        for (const char* type = method->Signature; *type; ++type, ++i) {
            if (i >= args.size())
                return QStringLiteral("%1 needs %2 argument(s)")
                    .arg(call.Name)
                    .arg(qstrlen(method->Signature));
            if (*type == 'i') {
                bool ok = false;
                const int number = args[i].toInt(&ok);
                if (!ok)
                    return QStringLiteral("%1: '%2' is not a page number").arg(call.Name, args[i]);
                call.Arguments << number;
            } else {
                call.Arguments << args[i];
            }
        }
        calls.push_back(std::move(call));
    }
    if (calls.empty())
        return QStringLiteral("no method given");
    return std::nullopt;
}

// The error's name and message as the client sees them, the message on lines of its own.
int Failed(const QString& what, const QDBusMessage& reply) {
    CliErr(Tr("%1 failed (%2):").arg(what, reply.errorName()));
    CliErr(reply.errorMessage());
    return 1;
}

int Run(const QStringList& args) {
    std::vector<TCall> calls;
    if (const auto problem = Parse(args, calls))
        return UsageError(*problem);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        CliErr(Tr("Cannot reach the session bus."));
        CliErr(bus.lastError().message());
        return 1;
    }
    const QDBusMessage created = bus.call(
        QDBusMessage::createMethodCall(QLatin1String(AutomationBusName), QLatin1String(FactoryObjectPath),
                                       QLatin1String(FactoryInterfaceName), QStringLiteral("CreateInstance")),
        QDBus::Block, CallTimeoutMs);
    if (created.type() != QDBusMessage::ReplyMessage)
        return Failed(QStringLiteral("CreateInstance"), created);
    const QString instance = created.arguments().value(0).toString();

    const auto message = [&](const QString& name) {
        return QDBusMessage::createMethodCall(instance, QLatin1String(InstanceObjectPath),
                                              QLatin1String(InstanceInterfaceName), name);
    };
    int status = 0;
    for (const TCall& call : calls) {
        QDBusMessage request = message(call.Name);
        request.setArguments(call.Arguments);
        const QDBusMessage reply = bus.call(request, QDBus::Block, CallTimeoutMs);
        if (reply.type() != QDBusMessage::ReplyMessage) {
            status = Failed(call.Name, reply);
            break;
        }
        for (const QVariant& value : reply.arguments())
            CliOut(value.toString());
    }
    const QDBusMessage released = bus.call(message(QStringLiteral("Release")), QDBus::Block, CallTimeoutMs);
    if (released.type() != QDBusMessage::ReplyMessage && status == 0)
        status = Failed(QStringLiteral("Release"), released);
    return status;
}

CliRegistrar registrar{
    {"automation", Usage,
     QT_TRANSLATE_NOOP(
         "Bramblex",
         "calls the automation service of a program the session bus starts, and prints the results"),
     Run}};

} // namespace
