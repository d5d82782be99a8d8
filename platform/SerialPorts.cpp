#include "platform/SerialPorts.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSerialPortInfo>

#include <algorithm>

int PortNumber(const QString& text) {
    int i = text.size() - 1;
    while (i >= 0 && !text[i].isDigit())
        --i;
    if (i < 0)
        return -1;
    const int end = i + 1;
    while (i >= 0 && text[i].isDigit())
        --i;
    bool ok = false;
    const int number = text.mid(i + 1, end - i - 1).toInt(&ok);
    // A run too long for an int is no port number anyone has.
    return ok ? number : -1;
}

namespace {

// Two names of one device (a by-id link and its target) count as the same port.
QString DeviceIdentity(const QString& entry) {
    const QString device = PortEntryDevice(entry);
    const QString canonical = device.isEmpty() ? QString() : QFileInfo(device).canonicalFilePath();
    return canonical.isEmpty() ? device : canonical;
}

} // namespace

QStringList MergePortLists(const QStringList& descriptive, const QStringList& plain) {
    QStringList merged = descriptive;
    QStringList devices;
    for (const QString& entry : merged)
        devices << DeviceIdentity(entry);
    for (const QString& entry : plain) {
        const QString device = DeviceIdentity(entry);
        if (!device.isEmpty() && devices.contains(device))
            continue;
        merged << entry;
        devices << device;
    }
    std::stable_sort(merged.begin(), merged.end(), [](const QString& a, const QString& b) {
        const int na = PortNumber(a);
        const int nb = PortNumber(b);
        return na != nb ? na < nb : a < b;
    });
    return merged;
}

QString PortEntryDevice(const QString& entry) {
    const QString text = entry.trimmed();
    const int space = text.lastIndexOf(QLatin1Char(' '));
    const QString last = text.mid(space + 1);
    if (last.startsWith(QLatin1Char('/')))
        return last;
    static const QRegularExpression comName(QStringLiteral("^COM([0-9]+)$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const auto match = comName.match(last);
    if (match.hasMatch())
        return PortDevicePath(match.captured(1).toInt(), QString());
    return QString();
}

QString PortDevicePath(int comPort, const QString& comPortDevice) {
    if (!comPortDevice.trimmed().isEmpty())
        return comPortDevice.trimmed();
    if (comPort >= 1)
        return QStringLiteral("/dev/ttyS%1").arg(comPort - 1);
    return QString();
}

int ComPortNumber(const QString& device) {
    static const QRegularExpression ttyS(QStringLiteral("^/dev/ttyS([0-9]+)$"));
    const auto match = ttyS.match(device);
    if (match.hasMatch())
        return match.captured(1).toInt() + 1;
    return PortNumber(device);
}

namespace {

// /dev/serial/by-id names survive re-plugging an adapter into another socket, so
// they are what the settings should keep.
QHash<QString, QString> StableNames() {
    QHash<QString, QString> names;
    const QDir byId(QStringLiteral("/dev/serial/by-id"));
    const QFileInfoList links =
        byId.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& link : links) {
        const QString target = link.canonicalFilePath();
        if (!target.isEmpty() && !names.contains(target))
            names.insert(target, link.absoluteFilePath());
    }
    return names;
}

} // namespace

QStringList ListSerialPorts() {
    QList<TSerialPortFacts> ports;
    for (const QSerialPortInfo& port : QSerialPortInfo::availablePorts())
        ports.append({port.systemLocation(), port.portName(), port.description(), port.manufacturer()});
    return SerialPortEntries(ports, StableNames());
}

QStringList SerialPortEntries(const QList<TSerialPortFacts>& ports, const QHash<QString, QString>& stable) {
    QStringList descriptive;
    QStringList plain;
    for (const TSerialPortFacts& port : ports) {
        const QString& device = port.Device;
        const QString description = port.Description.trimmed();
        const QString manufacturer = port.Manufacturer.trimmed();
        if (description.isEmpty() && manufacturer.isEmpty()) {
            plain << device;
            continue;
        }
        QString text = description.isEmpty() ? manufacturer : description;
        if (!description.isEmpty() && !manufacturer.isEmpty() && manufacturer != description)
            text += QStringLiteral(" - ") + manufacturer;
        text += QStringLiteral(" (%1) ").arg(port.PortName);
        text += stable.value(QFileInfo(device).canonicalFilePath(), device);
        descriptive << text;
    }
    return MergePortLists(descriptive, plain);
}
