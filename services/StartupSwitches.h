#pragma once

// The program's command-line switches: "-trace" as the first argument (the run's
// communications trace), and "AUTOMATION", "EMBEDDING", "REGSERVER", "UNREGSERVER"
// introduced by "/" or "-" in any letter case.

#include <QStringList>

struct TStartupSwitches {
    bool Trace = false;
    bool Automation = false; // AUTOMATION or EMBEDDING: the window stays hidden
    bool RegisterServer = false;
    bool UnregisterServer = false;
};

// arguments without the program name.
TStartupSwitches ParseStartupSwitches(const QStringList& arguments);
