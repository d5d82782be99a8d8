// The automation service's registration file and the lifetime of a process started
// for a client, on a private session bus of its own (dbus-daemon).

#include "automation/AutomationNames.h"
#include "automation/AutomationRegistration.h"
#include "automation/AutomationService.h"
#include "automation/BramblexInterface.h"

#include "support/ErrorOf.h"
#include "support/TempDir.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace {

class ActivationFile : public ::testing::Test {
protected:
    void SetUp() override {
        qputenv("XDG_DATA_HOME", Data.Path().toLocal8Bit());
        QStandardPaths::setTestModeEnabled(false);
    }
    void TearDown() override { qunsetenv("XDG_DATA_HOME"); }
    QString Program() const { return ActivationFileProgram(ReadWholeFileOrEmpty()); }
    QByteArray ReadWholeFileOrEmpty() const {
        QFile file(ActivationFilePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    TempDir Data;
};

TEST_F(ActivationFile, LiesInTheUsersDataFolderAndNamesTheProgramWithItsSwitch) {
    EXPECT_EQ(ActivationFilePath(), Data.Path() + "/dbus-1/services/com.korvane.Bramblex.service");
    RegisterActivation("/opt/bramblex/bin/bramblex");
    EXPECT_EQ(ReadWholeFileOrEmpty(),
              "[D-BUS Service]\nName=com.korvane.Bramblex\nExec=/opt/bramblex/bin/bramblex -automation\n");
    UnregisterActivation();
    EXPECT_FALSE(QFile::exists(ActivationFilePath()));
    EXPECT_EQ(ErrorOf([] { UnregisterActivation(); }), QString()) << "nothing to remove is no failure";
}

TEST_F(ActivationFile, PathsWithSpacesAndQuotesComeBackWhole) {
    for (const QString& path : {QStringLiteral("/home/ann/My Programs/bramblex"),
                                QStringLiteral("/home/o'neil/bramblex"), QStringLiteral("/tmp/a\"b\\c $x")}) {
        RegisterActivation(path);
        EXPECT_EQ(Program(), path) << ReadWholeFileOrEmpty().toStdString();
    }
    // How the bus's own examples write it.
    EXPECT_EQ(ActivationFileProgram("[D-BUS Service]\nExec=\"/usr/lib/my app/x\" --y\n"),
              "/usr/lib/my app/x");
}

TEST_F(ActivationFile, ANormalStartReplacesOnlyAMissingOrStaleFile) {
    const QString existing = QStringLiteral("/bin/sh"); // a program that exists
    struct {
        const char* What;
        QByteArray Before; // empty: no file
        bool Written;
    } cases[] = {
        {"missing", {}, true},
        {"names a program that is gone",
         "[D-BUS Service]\nName=com.korvane.Bramblex\nExec=/gone/bramblex -automation\n", true},
        {"names no program", "[D-BUS Service]\nName=com.korvane.Bramblex\n", true},
        {"names an installed program",
         "[D-BUS Service]\nName=com.korvane.Bramblex\nExec=/bin/sh -automation\n", false},
    };
    for (const auto& c : cases) {
        UnregisterActivation();
        if (!c.Before.isEmpty()) {
            QDir().mkpath(Data.Path() + "/dbus-1/services");
            QFile file(ActivationFilePath());
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(c.Before);
        }
        EXPECT_EQ(RefreshActivation("/build/app/bramblex"), c.Written) << c.What;
        EXPECT_EQ(Program(), c.Written ? QStringLiteral("/build/app/bramblex") : existing) << c.What;
    }
}

TEST_F(ActivationFile, AFolderThatCannotBeMadeIsReportedWithTheReason) {
    Data.Write("dbus-1", "a file where the folder should be");
    const QString error = ErrorOf([] { RegisterActivation("/x/bramblex"); });
    EXPECT_TRUE(
        error.startsWith(QStringLiteral("Cannot create folder \"%1/dbus-1/services\".").arg(Data.Path())))
        << error.toStdString();
    EXPECT_TRUE(error.endsWith("\nNot a directory") || error.endsWith("\nFile exists"))
        << error.toStdString();
}

// A session bus of the test's own.
class PrivateBus : public ::testing::Test {
protected:
    void SetUp() override {
        Daemon.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        ASSERT_TRUE(Daemon.waitForStarted(10000));
        ASSERT_TRUE(Daemon.waitForReadyRead(10000));
        Address = QString::fromUtf8(Daemon.readLine()).trimmed();
        ASSERT_FALSE(Address.isEmpty());
    }
    void TearDown() override {
        for (const QString& name : Names)
            QDBusConnection::disconnectFromBus(name);
        Daemon.terminate();
        Daemon.waitForFinished(5000);
    }
    QDBusConnection Connect(const QString& name) {
        Names << name;
        return QDBusConnection::connectToBus(Address, name);
    }
    QDBusMessage Call(QDBusConnection& bus, const QString& service, const QString& path, const QString& iface,
                      const QString& method, const QVariantList& args = {}) {
        QDBusMessage message = QDBusMessage::createMethodCall(service, path, iface, method);
        message.setArguments(args);
        // The service answers on this thread: wait with the event loop running.
        return bus.call(message, QDBus::BlockWithGui, 20000);
    }
    QDBusMessage Create(QDBusConnection& bus) {
        return Call(bus, AutomationBusName, FactoryObjectPath, FactoryInterfaceName, "CreateInstance");
    }

    QProcess Daemon;
    QString Address;
    QStringList Names;
    TBramblexInterface Object{nullptr};
};

TEST_F(PrivateBus, AProcessNoClientCameToEndsAfterTheIdleLimit) {
    TAutomationService service(Object, TAutomationService::TStart::Automation, Connect("service"));
    service.IdleLimit = std::chrono::milliseconds(300);
    QSignalSpy finished(&service, &TAutomationService::Finished);
    ASSERT_EQ(service.Start(), QString());
    EXPECT_TRUE(service.OwnsBusName());
    EXPECT_TRUE(finished.wait(5000));
}

TEST_F(PrivateBus, TheFirstClientIsServedHereAndTheNameGoesForTheNext) {
    QDBusConnection bus = Connect("service");
    TAutomationService service(Object, TAutomationService::TStart::Automation, bus);
    service.IdleLimit = std::chrono::milliseconds(300);
    QSignalSpy finished(&service, &TAutomationService::Finished);
    ASSERT_EQ(service.Start(), QString());
    QDBusConnection client = Connect("client");
    const QDBusMessage created = Create(client);
    ASSERT_EQ(created.type(), QDBusMessage::ReplyMessage) << created.errorMessage().toStdString();
    EXPECT_EQ(created.arguments().value(0).toString(), bus.baseService());
    EXPECT_EQ(service.ObjectCount(), 1);
    EXPECT_EQ(service.Client(), client.baseService());
    EXPECT_FALSE(service.OwnsBusName());
    EXPECT_FALSE(client.interface()->isServiceRegistered(AutomationBusName).value());
    // The idle limit no longer applies once a client came.
    EXPECT_FALSE(finished.wait(800));

    const QDBusMessage id =
        Call(client, bus.baseService(), InstanceObjectPath, InstanceInterfaceName, "GetBatchID");
    EXPECT_EQ(id.arguments(), QVariantList{QString()});
    const QDBusMessage released =
        Call(client, bus.baseService(), InstanceObjectPath, InstanceInterfaceName, "Release");
    EXPECT_EQ(released.type(), QDBusMessage::ReplyMessage);
    // It may have come while the call waited.
    EXPECT_TRUE(finished.count() == 1 || finished.wait(5000));
    EXPECT_EQ(service.ObjectCount(), 0);
}

TEST_F(PrivateBus, ANormallyStartedProgramServesOneClientAndLivesOn) {
    QDBusConnection bus = Connect("service");
    TAutomationService service(Object, TAutomationService::TStart::Normal, bus);
    QSignalSpy finished(&service, &TAutomationService::Finished);
    QSignalSpy counted(&service, &TAutomationService::ObjectCountChanged);
    ASSERT_EQ(service.Start(), QString());
    {
        QDBusConnection client = Connect("client");
        ASSERT_EQ(Create(client).type(), QDBusMessage::ReplyMessage);
        EXPECT_EQ(service.ObjectCount(), 1);
    }
    // The client leaves the bus.
    QDBusConnection::disconnectFromBus("client");
    Names.removeAll("client");
    for (int i = 0; i < 100 && service.ObjectCount() > 0; ++i)
        counted.wait(50);
    EXPECT_EQ(service.ObjectCount(), 0);
    EXPECT_EQ(counted.size(), 2);
    EXPECT_FALSE(finished.wait(300));
}

TEST_F(PrivateBus, AClientWhoAskedAProcessThatServedAlreadyIsServedByTheNextOne) {
    // Two clients asked at once: the second request reached the first process after it
    // had served the first client and given the name up.
    QDBusConnection firstBus = Connect("first");
    TAutomationService first(Object, TAutomationService::TStart::Automation, firstBus);
    ASSERT_EQ(first.Start(), QString());
    QDBusConnection one = Connect("one");
    ASSERT_EQ(Create(one).type(), QDBusMessage::ReplyMessage);

    TBramblexInterface nextObject(nullptr);
    QDBusConnection nextBus = Connect("next");
    TAutomationService next(nextObject, TAutomationService::TStart::Automation, nextBus);
    ASSERT_EQ(next.Start(), QString());
    ASSERT_TRUE(next.OwnsBusName());

    QDBusConnection two = Connect("two");
    const QDBusMessage created =
        Call(two, firstBus.baseService(), FactoryObjectPath, FactoryInterfaceName, "CreateInstance");
    ASSERT_EQ(created.type(), QDBusMessage::ReplyMessage) << created.errorMessage().toStdString();
    EXPECT_EQ(created.arguments().value(0).toString(), nextBus.baseService());
    EXPECT_EQ(next.Client(), two.baseService())
        << "served for the client, not for the process that passed it on";
    EXPECT_EQ(first.Client(), one.baseService());
    const QDBusMessage id =
        Call(two, nextBus.baseService(), InstanceObjectPath, InstanceInterfaceName, "GetBatchID");
    EXPECT_EQ(id.type(), QDBusMessage::ReplyMessage) << id.errorMessage().toStdString();
}

} // namespace
