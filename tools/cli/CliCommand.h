#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// One subcommand of bramblex-cli. Run gets the arguments after the command name and
// returns the process exit status; it may throw EBramblexError, which Main prints.
struct CliCommand {
    const char* Name;
    const char* Usage;   // one line: arguments after the name
    const char* Summary; // one line: what it does
    std::function<int(const QStringList& args)> Run;
};

std::vector<CliCommand>& CliCommands();

// Registers a command at start-up: static CliRegistrar reg{{"name", "ARGS", "what", fn}};
struct CliRegistrar {
    explicit CliRegistrar(CliCommand command) { CliCommands().push_back(std::move(command)); }
};

// Prints to standard output / standard error in the terminal's encoding.
void CliOut(const QString& text);
void CliErr(const QString& text);
// Prints a document's LoadWarning (a damaged file read in part) to standard error as
// "warning: ..."; nothing when it is empty. True when it printed.
bool CliWarnDamaged(const QString& loadWarning);

// Takes "--reason TEXT" out of args: the reason recorded for a change to a signed batch.
QString CliTakeReason(QStringList& args);
// The recorder of the changes a command makes to batches: the system's user, and the
// --reason given (a signed batch refuses a change without one, and says so).
struct TAuditRecorder;
TAuditRecorder CliAuditRecorder(const QString& reason);
