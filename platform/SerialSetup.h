#pragma once

// What most often keeps a Linux user from reaching the instrument on a new machine: the
// "dialout" group (which takes a new login), ModemManager and brltty taking hold of
// USB-serial adapters, and device names that move on replug.

#include <QString>
#include <QStringList>

struct TSerialSetupFacts {
    QString UserName;
    bool Privileged = false;     // root opens every port
    bool DialoutExists = false;  // the system has a "dialout" group
    bool DialoutNow = false;     // this process holds it
    bool DialoutAccount = false; // the group database lists the user (maybe since this login)
    bool ModemManagerRunning = false;
    QStringList BrlttyRules; // active udev rule files of brltty that claim USB-serial adapters
};

// The facts of this machine and process.
TSerialSetupFacts GatherSerialSetupFacts();

// The udev rule folders, the one that wins for a file name first.
QStringList UdevRuleFolders();

// The rule files of brltty, among the active ones of folders (a name in an earlier
// folder hides the same name in later ones; a rule linked to /dev/null or left empty is
// switched off), that match the USB-serial adapters of common converter chips.
QStringList BrlttyUsbSerialRules(const QStringList& folders);

// Whether a process of that name (its "comm") runs, looking under procRoot.
bool ProcessRunning(const QString& name, const QString& procRoot = QStringLiteral("/proc"));

// True when the facts show something that would stop or disturb a port.
bool SerialSetupNeedsAdvice(const TSerialSetupFacts& facts);

// The operator's explanation of the facts, paragraphs separated by blank lines; udevRule
// is the installed optional rule file (may be empty).
QString SerialSetupAdvice(const TSerialSetupFacts& facts, const QString& udevRule);
