#include "CliCommand.h"
#include "core/Error.h"

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
