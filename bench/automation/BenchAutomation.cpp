// The automation service on a private session bus: CreateInstance answered by a program
// the bus starts from the activation file, up to the answer of the first call (goal:
// under 1 s), and GetPageCount for the 20-row table template on 20 000 readings (goal:
// under 1 s). The program runs offscreen, as without a desktop session.

#include "AutomationFixtures.h"
#include "automation/AutomationNames.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

struct TBus {
    QTemporaryDir Work;
    QProcess Daemon;
    QString Address;
    QString Batch;
    int Connections = 0;

    TBus() {
        const QString root = Work.path() + QStringLiteral("/storage");
        WriteQualityReport(root);
        Batch = WriteBatchWithReadings(root, QStringLiteral("Twenty Thousand"), 20000);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "DBUS_SESSION_BUS_ADDRESS"})
            env.remove(QLatin1String(name));
        env.insert(QStringLiteral("XDG_DATA_HOME"), Work.path() + QStringLiteral("/data"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), Work.path() + QStringLiteral("/config"));
        env.insert(QStringLiteral("XDG_STATE_HOME"), Work.path() + QStringLiteral("/state"));
        env.insert(QStringLiteral("BRAMBLEX_STORAGE_ROOT"), root);
        env.insert(QStringLiteral("BRAMBLEX_CONFIG_DIR"), Work.path() + QStringLiteral("/config"));
        env.insert(QStringLiteral("BRAMBLEX_TEMPLATE_DIR"), QStringLiteral(BRAMBLEX_TEMPLATES));
        QProcess reg;
        reg.setProcessEnvironment(env);
        reg.start(QStringLiteral(BRAMBLEX_PROGRAM), {QStringLiteral("-regserver")});
        reg.waitForFinished(60000);
        Daemon.setProcessEnvironment(env);
        Daemon.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--session"), QStringLiteral("--nofork"),
                                                     QStringLiteral("--print-address=1")});
        Daemon.waitForReadyRead(10000);
        Address = QString::fromUtf8(Daemon.readLine()).trimmed();
    }
    ~TBus() {
        Daemon.terminate();
        Daemon.waitForFinished(5000);
    }
    QDBusConnection Connect() {
        return QDBusConnection::connectToBus(Address, QStringLiteral("client%1").arg(++Connections));
    }
};

TBus& Bus() {
    static TBus bus;
    return bus;
}

QDBusMessage Call(QDBusConnection& bus, const QString& service, const QString& path, const char* iface,
                  const QString& method, const QVariantList& args = {}) {
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, QLatin1String(iface), method);
    message.setArguments(args);
    return bus.call(message, QDBus::Block, 60000);
}

QString Create(QDBusConnection& bus) {
    const QDBusMessage reply = Call(bus, QLatin1String(AutomationBusName), QLatin1String(FactoryObjectPath),
                                    FactoryInterfaceName, QStringLiteral("CreateInstance"));
    return reply.arguments().value(0).toString();
}

void WaitGone(QDBusConnection& bus, const QString& name) {
    for (int i = 0; i < 600 && bus.interface()->isServiceRegistered(name).value(); ++i)
        QThread::msleep(50);
}

void BM_CreateInstanceByActivationToFirstAnswer(benchmark::State& state) {
    TBus& bus = Bus();
    for (auto _ : state) {
        QDBusConnection client = bus.Connect();
        QElapsedTimer timer;
        timer.start();
        const QString instance = Create(client);
        const QDBusMessage id = Call(client, instance, QLatin1String(InstanceObjectPath),
                                     InstanceInterfaceName, QStringLiteral("GetBatchID"));
        state.SetIterationTime(timer.nsecsElapsed() / 1e9);
        if (instance.isEmpty() || id.type() != QDBusMessage::ReplyMessage) {
            state.SkipWithError("the service did not answer");
            break;
        }
        Call(client, instance, QLatin1String(InstanceObjectPath), InstanceInterfaceName,
             QStringLiteral("Release"));
        WaitGone(client, instance);
        QDBusConnection::disconnectFromBus(client.name());
    }
}
BENCHMARK(BM_CreateInstanceByActivationToFirstAnswer)
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

void BM_GetPageCountOn20000Readings(benchmark::State& state) {
    TBus& bus = Bus();
    QDBusConnection client = bus.Connect();
    const QString instance = Create(client);
    Call(client, instance, QLatin1String(InstanceObjectPath), InstanceInterfaceName,
         QStringLiteral("OpenBatch"), {bus.Batch});
    int pages = 0;
    for (auto _ : state) {
        const QDBusMessage reply =
            Call(client, instance, QLatin1String(InstanceObjectPath), InstanceInterfaceName,
                 QStringLiteral("GetPageCount"), {QStringLiteral("Quality Report")});
        pages = reply.arguments().value(0).toInt();
        if (reply.type() != QDBusMessage::ReplyMessage) {
            state.SkipWithError(qPrintable(reply.errorMessage()));
            break;
        }
    }
    state.counters["pages"] = pages; // 1 + 1000 + 1
    Call(client, instance, QLatin1String(InstanceObjectPath), InstanceInterfaceName,
         QStringLiteral("Release"));
    QDBusConnection::disconnectFromBus(client.name());
}
BENCHMARK(BM_GetPageCountOn20000Readings)->Iterations(5)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
