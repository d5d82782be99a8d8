// bramblex-cli ports: the serial ports the preferences would offer, one a line.

#include "CliCommand.h"
#include "core/Error.h"
#include "platform/SerialPorts.h"

namespace {

int RunPorts(const QStringList& args) {
    if (!args.isEmpty()) {
        CliErr(Tr("usage: bramblex-cli ports"));
        return 2;
    }
    const QStringList ports = ListSerialPorts();
    for (const QString& entry : ports)
        CliOut(entry);
    if (ports.isEmpty())
        CliErr(Tr("No serial ports found."));
    return 0;
}

static CliRegistrar reg{
    {"ports", "", QT_TRANSLATE_NOOP("Bramblex", "lists the serial ports with the device each entry opens"),
     RunPorts}};

} // namespace
