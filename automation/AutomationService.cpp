#include "automation/AutomationService.h"

#include "automation/AutomationNames.h"
#include "automation/BramblexInterface.h"
#include "core/Error.h"
#include "platform/Clipboard.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>
#include <QDBusVirtualObject>

#include <exception>
#include <functional>

namespace {

const QString AccessDeniedError = QStringLiteral("org.freedesktop.DBus.Error.AccessDenied");
const QString UnknownMethodError = QStringLiteral("org.freedesktop.DBus.Error.UnknownMethod");
const QString InvalidArgsError = QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs");

struct TMethodHelp {
    const char* Name;
    const char* In; // name:type pairs
    const char* Out;
    const char* Help;
};

// The help strings of the automation object, which clients' tools show.
const TMethodHelp InstanceMethods[] = {
    {"PrintPage", "AReport:s APage:i", "", "Print a page of a report of open batch to current printer"},
    {"Print", "AReport:s", "", "Print a report of open batch to current printer"},
    {"OpenBatch", "ABatch:s", "", "Opens a batch for printing and viewing"},
    {"GetBatchID", "", "ABatchID:s", "Returns the open batch ID"},
    {"GetLocalPath", "", "APath:s", "Returns the root path in which the data files are located"},
    {"GetAnalysis", "", "AAnalysis:s", "Returns the analysis of the open batch as JSON text"},
    {"GetQCResult", "", "AResult:s", "Returns the QC verdict of the open batch as JSON text"},
    {"CopyPageToClipboard", "AReport:s APage:i", "", "Copys specified page to the windows clipboard"},
    {"GetPageCount", "AReport:s", "APageCount:i", "Returns number of pages for open batch and report"},
    {"Release", "", "", "Releases the object; a program started for it then ends"},
};

QString Escaped(const QString& text) {
    return text.toHtmlEscaped();
}

QString DocString(const QString& text, const QString& indent) {
    return QStringLiteral("%1<annotation name=\"%2\" value=\"%3\"/>\n")
        .arg(indent, QLatin1String(HelpStringAnnotation), Escaped(text));
}

QString Arguments(const char* list, const char* direction) {
    QString xml;
    for (const QString& pair : QString::fromLatin1(list).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList parts = pair.split(QLatin1Char(':'));
        xml += QStringLiteral("      <arg name=\"%1\" type=\"%2\" direction=\"%3\"/>\n")
                   .arg(parts[0], parts[1], QLatin1String(direction));
    }
    return xml;
}

QString MethodXml(const TMethodHelp& method) {
    return QStringLiteral("    <method name=\"%1\">\n").arg(QLatin1String(method.Name)) +
           DocString(QLatin1String(method.Help), QStringLiteral("      ")) + Arguments(method.In, "in") +
           Arguments(method.Out, "out") + QStringLiteral("    </method>\n");
}

// The introspection document of an object offering interface.
QString IntrospectionDocument(const QString& interface) {
    return QStringLiteral("<!DOCTYPE node PUBLIC \"-//freedesktop//DTD D-BUS Object Introspection 1.0//EN\"\n"
                          "\"http://www.freedesktop.org/standards/dbus/1.0/introspect.dtd\">\n<node>\n"
                          "  <interface name=\"org.freedesktop.DBus.Introspectable\">\n"
                          "    <method name=\"Introspect\">\n"
                          "      <arg name=\"xml_data\" type=\"s\" direction=\"out\"/>\n"
                          "    </method>\n  </interface>\n") +
           interface + QStringLiteral("</node>\n");
}

// Answers an Introspect call; false for any other message.
bool AnsweredIntrospection(const QDBusMessage& message, QDBusConnection& bus, const QString& interface) {
    if (message.interface() != QLatin1String("org.freedesktop.DBus.Introspectable") ||
        message.member() != QLatin1String("Introspect"))
        return false;
    bus.send(message.createReply(IntrospectionDocument(interface)));
    return true;
}

} // namespace

// The two objects only pass their messages on.
class TAutomationService::TFactoryObject : public QDBusVirtualObject {
public:
    explicit TFactoryObject(TAutomationService& service) : m_service(service) {}
    QString introspect(const QString&) const override { return FactoryIntrospection(); }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection&) override {
        return m_service.HandleFactory(message);
    }

private:
    TAutomationService& m_service;
};

class TAutomationService::TInstanceObject : public QDBusVirtualObject {
public:
    explicit TInstanceObject(TAutomationService& service) : m_service(service) {}
    QString introspect(const QString&) const override { return InstanceIntrospection(); }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection&) override {
        return m_service.HandleInstance(message);
    }

private:
    TAutomationService& m_service;
};

QString TAutomationService::FactoryIntrospection() {
    return QStringLiteral("  <interface name=\"%1\">\n").arg(QLatin1String(FactoryInterfaceName)) +
           DocString(QStringLiteral("BramblexInterface Object"), QStringLiteral("    ")) +
           MethodXml({"CreateInstance", "", "AService:s",
                      "Creates a BramblexInterface object served by a process of its own and returns "
                      "that process's unique bus name"}) +
           QStringLiteral("  </interface>\n  <interface name=\"%1\">\n")
               .arg(QLatin1String(RelayInterfaceName)) +
           MethodXml({"CreateInstanceFor", "AClient:s", "AService:s",
                      "Between Bramblex programs: serves the client named, who asked a program that was "
                      "serving already"}) +
           QStringLiteral("  </interface>\n");
}

QString TAutomationService::InstanceIntrospection() {
    QString xml =
        QStringLiteral("  <interface name=\"%1\">\n").arg(QLatin1String(InstanceInterfaceName)) +
        DocString(QStringLiteral("Dispatch interface for BramblexInterface Object"), QStringLiteral("    "));
    for (const TMethodHelp& method : InstanceMethods)
        xml += MethodXml(method);
    return xml + QStringLiteral("  </interface>\n");
}

TAutomationService::TAutomationService(TBramblexInterface& object, TStart start, QDBusConnection bus,
                                       QObject* parent)
    : QObject(parent), m_object(object), m_start(start), m_bus(std::move(bus)),
      m_factory(std::make_unique<TFactoryObject>(*this)),
      m_instance(std::make_unique<TInstanceObject>(*this)) {
    m_idle.setSingleShot(true);
    connect(&m_idle, &QTimer::timeout, this, [this] {
        if (!m_served && !m_finished) {
            m_finished = true;
            emit Finished();
        }
    });
    m_clipboardPoll.setInterval(500);
    connect(&m_clipboardPoll, &QTimer::timeout, this, [this] { CheckClipboard(); });
    m_clipboardLimit.setSingleShot(true);
    connect(&m_clipboardLimit, &QTimer::timeout, this, [this] {
        m_clipboardPoll.stop();
        if (!m_finished) {
            m_finished = true;
            emit Finished();
        }
    });
}

TAutomationService::~TAutomationService() {
    if (m_bus.isConnected()) {
        m_bus.unregisterObject(QLatin1String(FactoryObjectPath));
        m_bus.unregisterObject(QLatin1String(InstanceObjectPath));
        if (m_ownsName)
            m_bus.unregisterService(QLatin1String(AutomationBusName));
    }
}

QString TAutomationService::Start() {
    if (!m_bus.isConnected())
        return Tr("Cannot reach the session bus.") + QLatin1Char('\n') + m_bus.lastError().message();
    if (!m_bus.registerVirtualObject(QLatin1String(FactoryObjectPath), m_factory.get()) ||
        !m_bus.registerVirtualObject(QLatin1String(InstanceObjectPath), m_instance.get()))
        return Tr("Cannot offer the automation object on the session bus.");
    const auto reply = m_bus.interface()->registerService(QLatin1String(AutomationBusName),
                                                          QDBusConnectionInterface::DontQueueService,
                                                          QDBusConnectionInterface::DontAllowReplacement);
    m_ownsName = reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered;
    if (m_start == TStart::Automation)
        m_idle.start(IdleLimit);
    return {};
}

bool TAutomationService::HandleFactory(const QDBusMessage& message) {
    if (message.type() != QDBusMessage::MethodCallMessage)
        return false;
    if (AnsweredIntrospection(message, m_bus, FactoryIntrospection()))
        return true;
    const bool relayed = message.interface() == QLatin1String(RelayInterfaceName);
    const QString member = relayed ? QStringLiteral("CreateInstanceFor") : QStringLiteral("CreateInstance");
    const QString signature = relayed ? QStringLiteral("s") : QString();
    if (message.member() != member || (!relayed && !message.interface().isEmpty() &&
                                       message.interface() != QLatin1String(FactoryInterfaceName))) {
        m_bus.send(message.createErrorReply(UnknownMethodError,
                                            QStringLiteral("No method %1 here").arg(message.member())));
        return true;
    }
    if (message.signature() != signature) {
        m_bus.send(message.createErrorReply(
            InvalidArgsError,
            QStringLiteral("%1 takes (%2), not (%3)").arg(member, signature, message.signature())));
        return true;
    }
    const QString client = relayed ? message.arguments().value(0).toString() : message.service();
    if (m_served)
        RelayCreateInstance(message, client);
    else
        CreateInstance(message, client);
    return true;
}

void TAutomationService::CreateInstance(const QDBusMessage& message, const QString& client) {
    m_served = true;
    m_idle.stop();
    m_client = client;
    m_objects = 1;
    m_watcher = new QDBusServiceWatcher(m_client, m_bus, QDBusServiceWatcher::WatchForUnregistration, this);
    connect(m_watcher, &QDBusServiceWatcher::serviceUnregistered, this, [this] {
        if (m_objects > 0) {
            m_objects = 0;
            ObjectsReleased();
        }
    });
    // The next client gets a process of its own: the bus starts one for the name.
    if (m_ownsName) {
        m_bus.unregisterService(QLatin1String(AutomationBusName));
        m_ownsName = false;
    }
    m_bus.send(message.createReply(m_bus.baseService()));
    emit ObjectCountChanged(m_objects);
    // A client that left before the watcher was there would never be heard of again.
    if (!m_bus.interface()->isServiceRegistered(m_client).value() && m_objects > 0) {
        m_objects = 0;
        ObjectsReleased();
    }
}

void TAutomationService::RelayCreateInstance(const QDBusMessage& message, const QString& client) {
    // Sent to the bus name while it was still ours (two clients asked at once): whoever
    // owns it now, or the process the bus starts for it, serves this client.
    QDBusMessage call = QDBusMessage::createMethodCall(
        QLatin1String(AutomationBusName), QLatin1String(FactoryObjectPath), QLatin1String(RelayInterfaceName),
        QStringLiteral("CreateInstanceFor"));
    call.setArguments({client});
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, message, watcher] {
        const QDBusMessage reply = watcher->reply();
        if (reply.type() == QDBusMessage::ErrorMessage)
            m_bus.send(message.createErrorReply(reply.errorName(), reply.errorMessage()));
        else
            m_bus.send(message.createReply(reply.arguments()));
        watcher->deleteLater();
    });
}

bool TAutomationService::HandleInstance(const QDBusMessage& message) {
    if (message.type() != QDBusMessage::MethodCallMessage)
        return false;
    if (AnsweredIntrospection(message, m_bus, InstanceIntrospection()))
        return true;
    if (!message.interface().isEmpty() && message.interface() != QLatin1String(InstanceInterfaceName)) {
        m_bus.send(message.createErrorReply(UnknownMethodError,
                                            QStringLiteral("No interface %1 here").arg(message.interface())));
        return true;
    }
    if (m_objects == 0 || message.service() != m_client) {
        m_bus.send(message.createErrorReply(
            AccessDeniedError, m_objects == 0
                                   ? Tr("This automation object was released; call CreateInstance.")
                                   : Tr("This automation object serves another client.")));
        return true;
    }
    const QString member = message.member();
    const QString signature = message.signature();
    const QList<QVariant> args = message.arguments();
    const auto text = [&](int i) { return args.value(i).toString(); };
    const auto number = [&](int i) { return args.value(i).toInt(); };

    struct TMethod {
        const char* Name;
        const char* Signature;
        std::function<QList<QVariant>()> Run;
    };
    const TMethod methods[] = {
        {"PrintPage", "si", [&] { return m_object.PrintPage(text(0), number(1)), QList<QVariant>{}; }},
        {"Print", "s", [&] { return m_object.Print(text(0)), QList<QVariant>{}; }},
        {"OpenBatch", "s", [&] { return m_object.OpenBatch(text(0)), QList<QVariant>{}; }},
        {"GetBatchID", "", [&] { return QList<QVariant>{m_object.GetBatchID()}; }},
        {"GetLocalPath", "", [&] { return QList<QVariant>{m_object.GetLocalPath()}; }},
        {"GetAnalysis", "", [&] { return QList<QVariant>{m_object.GetAnalysis()}; }},
        {"GetQCResult", "", [&] { return QList<QVariant>{m_object.GetQCResult()}; }},
        {"CopyPageToClipboard", "si",
         [&] { return m_object.CopyPageToClipboard(text(0), number(1)), QList<QVariant>{}; }},
        {"GetPageCount", "s", [&] { return QList<QVariant>{m_object.GetPageCount(text(0))}; }},
    };

    if (member == QLatin1String("Release") && signature.isEmpty()) {
        m_objects = 0;
        m_bus.send(message.createReply());
        // After the reply has gone out.
        QTimer::singleShot(0, this, [this] { ObjectsReleased(); });
        return true;
    }
    for (const TMethod& method : methods) {
        if (member != QLatin1String(method.Name))
            continue;
        if (signature != QLatin1String(method.Signature)) {
            m_bus.send(message.createErrorReply(
                InvalidArgsError, QStringLiteral("%1 takes (%2), not (%3)")
                                      .arg(member, QLatin1String(method.Signature), signature)));
            return true;
        }
        QDBusMessage reply;
        try {
            reply = message.createReply(method.Run());
        } catch (const EBramblexError& e) {
            reply = message.createErrorReply(QLatin1String(UnexpectedErrorName), e.Message());
        } catch (const std::exception& e) {
            reply = message.createErrorReply(QLatin1String(UnexpectedErrorName),
                                             QString::fromLocal8Bit(e.what()));
        }
        m_bus.send(reply);
        return true;
    }
    m_bus.send(message.createErrorReply(UnknownMethodError, QStringLiteral("No method %1 here").arg(member)));
    return true;
}

void TAutomationService::ObjectsReleased() {
    emit ObjectCountChanged(m_objects);
    if (m_start == TStart::Automation && !m_finished)
        CheckClipboard();
}

void TAutomationService::CheckClipboard() {
    // What the client copied stays on the clipboard only while this process lives,
    // unless a clipboard manager takes it over when the process ends.
    if (OwnsClipboard() && !ClipboardManagerRunning()) {
        if (!m_clipboardPoll.isActive()) {
            m_clipboardPoll.start();
            m_clipboardLimit.start(ClipboardLimit);
        }
        return;
    }
    m_clipboardPoll.stop();
    m_clipboardLimit.stop();
    if (!m_finished) {
        m_finished = true;
        emit Finished();
    }
}
