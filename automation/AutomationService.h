#pragma once

// The automation object on the D-Bus session bus, with single-use instancing: the
// process that owns the bus name com.korvane.Bramblex serves the first client that
// calls CreateInstance itself (the answer is its own unique bus name) and gives the
// name up, so the bus starts a fresh process for the next client. The instance object
// /BramblexInterface then answers that client alone. A CreateInstance that reached the
// process after it had served (two clients asked at once) is passed on to whoever owns
// the name by then, for that client.
//
// A process started for automation ends (Finished) when its client calls Release or
// leaves the bus, or when no client came within IdleLimit. When it then holds the
// clipboard it waits first, until another program took the clipboard, a clipboard
// manager is there to keep it, or ClipboardLimit passed. A normally started program
// serves one client the same way but never ends on its account.
//
// Calls run on the GUI thread between the window's events, one at a time.

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>
#include <memory>

class QDBusMessage;
class QDBusServiceWatcher;
class TBramblexInterface;

class TAutomationService : public QObject {
    Q_OBJECT
public:
    enum class TStart { Automation, Normal };

    TAutomationService(TBramblexInterface& object, TStart start, QDBusConnection bus,
                       QObject* parent = nullptr);
    ~TAutomationService() override;

    // Registers the objects and asks for the bus name (a normal start keeps going
    // without it when another program holds it). Returns an empty text, or why the
    // bus cannot be used.
    QString Start();

    // Objects created and not yet released: 0 or 1.
    int ObjectCount() const { return m_objects; }
    // The unique bus name of the client served; empty before the first.
    const QString& Client() const { return m_client; }
    bool OwnsBusName() const { return m_ownsName; }

    std::chrono::milliseconds IdleLimit{30000};
    std::chrono::milliseconds ClipboardLimit{600000};

    // The introspection data of the two interfaces.
    static QString FactoryIntrospection();
    static QString InstanceIntrospection();

signals:
    // The process started for automation has nothing more to do.
    void Finished();
    void ObjectCountChanged(int count);

private:
    class TFactoryObject;
    class TInstanceObject;

    bool HandleFactory(const QDBusMessage& message);
    bool HandleInstance(const QDBusMessage& message);
    void CreateInstance(const QDBusMessage& message, const QString& client);
    void RelayCreateInstance(const QDBusMessage& message, const QString& client);
    void ObjectsReleased();
    void CheckClipboard();

    TBramblexInterface& m_object;
    TStart m_start;
    QDBusConnection m_bus;
    std::unique_ptr<TFactoryObject> m_factory;
    std::unique_ptr<TInstanceObject> m_instance;
    QDBusServiceWatcher* m_watcher = nullptr;
    QTimer m_idle;
    QTimer m_clipboardPoll;
    QTimer m_clipboardLimit;
    QString m_client;
    int m_objects = 0;
    bool m_served = false;
    bool m_ownsName = false;
    bool m_finished = false;
};
