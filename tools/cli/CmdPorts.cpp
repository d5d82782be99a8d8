// bramblex-cli ports: the serial ports the preferences would offer, one a line.

#include "CliCommand.h"
#include "platform/SerialPorts.h"

namespace {

int RunPorts(const QStringList& args) {
    if (!args.isEmpty()) {
        CliErr(QStringLiteral("usage: bramblex-cli ports"));
        return 2;
    }
    const QStringList ports = ListSerialPorts();
    for (const QString& entry : ports)
        CliOut(entry);
    if (ports.isEmpty())
        CliErr(QStringLiteral("No serial ports found."));
    return 0;
}

static CliRegistrar reg{{"ports", "", "lists the serial ports with the device each entry opens", RunPorts}};

} // namespace
