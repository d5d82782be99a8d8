#include "services/StartupSwitches.h"

TStartupSwitches ParseStartupSwitches(const QStringList& arguments) {
    TStartupSwitches switches;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (i == 0 && a.compare(QLatin1String("-trace"), Qt::CaseInsensitive) == 0) {
            switches.Trace = true;
            continue;
        }
        if (a.isEmpty())
            continue;
        const bool introduced = a.startsWith(QLatin1Char('/')) || a.startsWith(QLatin1Char('-'));
        const QString name = introduced ? a.mid(1).toUpper() : QString();
        if (name == QLatin1String("AUTOMATION") || name == QLatin1String("EMBEDDING"))
            switches.Automation = true;
        else if (name == QLatin1String("REGSERVER"))
            switches.RegisterServer = true;
        else if (name == QLatin1String("UNREGSERVER"))
            switches.UnregisterServer = true;
        // An absolute path begins with "/" as a switch does; an unknown "-" option is
        // nobody's file.
        else if (!a.startsWith(QLatin1Char('-')))
            switches.Files << a;
    }
    return switches;
}
