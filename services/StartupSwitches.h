#pragma once

// The program's command-line switches: "-trace" as the first argument (the run's
// communications trace), and "AUTOMATION", "EMBEDDING", "REGSERVER", "UNREGSERVER"
// introduced by "/" or "-" in any letter case. Every other argument that does not begin
// with "-" names a file to open (the desktop's menu entry and file managers pass them).

#include <QStringList>

struct TStartupSwitches {
    bool Trace = false;
    bool Automation = false; // AUTOMATION or EMBEDDING: the window stays hidden
    bool RegisterServer = false;
    bool UnregisterServer = false;
    QStringList Files; // as given, in order
};

// arguments without the program name.
TStartupSwitches ParseStartupSwitches(const QStringList& arguments);
