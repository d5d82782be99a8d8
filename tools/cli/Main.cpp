#include "CliCommand.h"
#include "core/Error.h"
#include "platform/InterfaceLanguage.h"
#include "platform/RuntimeFolder.h"

#include <QApplication>

#include <algorithm>
#include <cstring>

namespace {

void PrintUsage() {
    auto commands = CliCommands();
    std::sort(commands.begin(), commands.end(),
              [](const CliCommand& a, const CliCommand& b) { return std::strcmp(a.Name, b.Name) < 0; });
    CliErr(Tr("usage: bramblex-cli COMMAND [ARGS]\n\ncommands:"));
    for (const auto& c : commands)
        CliErr(QStringLiteral("  %1 %2\n      %3").arg(c.Name, c.Usage, Tr(c.Summary)));
}

} // namespace

int main(int argc, char** argv) {
    // Pictures, charts (QCustomPlot is a widget) and page rendering need an
    // application with widgets, never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    UsePrivateRuntimeFolder();
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Korvane");
    QApplication::setApplicationName("Bramblex");
    InstallInterfaceTranslations(app);

    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty() || args.first() == "--help" || args.first() == "-h") {
        PrintUsage();
        return args.isEmpty() ? 2 : 0;
    }
    const QString name = args.takeFirst();
    for (const auto& c : CliCommands()) {
        if (name != QLatin1String(c.Name))
            continue;
        try {
            return c.Run(args);
        } catch (const EBramblexError& e) {
            CliErr(e.Message());
            return 1;
        } catch (const std::exception& e) {
            CliErr(QString::fromLocal8Bit(e.what()));
            return 1;
        }
    }
    CliErr(Tr("bramblex-cli: unknown command '%1'").arg(name));
    PrintUsage();
    return 2;
}
