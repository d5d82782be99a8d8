#pragma once

// Where the storage tree lives: one root per user and interface language, recorded as
// the value "ViscoMeterData" + language tag (subkey "Settings"), defaulting to
// "My ViscoMeter Data" in the documents folder; and the installation's template tree
// that seeds a new root.
//
// BRAMBLEX_STORAGE_ROOT, when set, is the root for the whole session (and a root change
// moves that variable, not the recorded value); BRAMBLEX_TEMPLATE_DIR is the folder
// that holds the language folders of the template tree.

#include <QString>
#include <QStringList>

// "ViscoMeterData" + the interface language's tag, e.g. "ViscoMeterDataENU".
QString StorageRootValueName();

// Every path below ends with "/".
QString StorageRoot();
QString LocalFolder();
QString ReportsFolder();
QString SettingsFolder();
QString TemplatesFolder();

// The installation's template folder of the interface language
// (share/bramblex/Template/<tag>/), the English one (ENU) when the language has none,
// or empty when there is neither.
QString TemplateFolder();
// The places searched for the interface language's (or the tag's) template folder, in
// order of preference (for diagnostics).
QStringList TemplateFolderCandidates();
QStringList TemplateFolderCandidates(const QString& tag);

// A file the installation ships in share/bramblex/ (relative: "help/Bramblex.html"),
// looked up where the template tree is; empty when there is none.
QString InstalledDataFile(const QString& relative);
// The user guide in the interface language when the installation has it
// (help/<code>/Bramblex.html), else the English one; empty when there is none.
QString InstalledGuide();

// Creates the root with its parents, then copies "Templates", "Reports", "Local" and
// "Settings" from the template tree where the root lacks them. Never touches a folder
// that exists; a missing template folder is skipped. Raises the file operations'
// errors when the root cannot be created or a copy fails.
void PrepareStorage();
// The same for another root than the current one.
void PrepareStorageAt(const QString& root);

// Prepares path as a root and, when that worked, records it (with a trailing separator)
// as the root. Raises what PrepareStorage raises and records nothing then. The windows
// then reload the report lists, the tree and the settings.
void ChangeStorageRoot(const QString& path);
