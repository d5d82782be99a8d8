#pragma once

// Per-user values that the Windows build keeps under "Software\Korvane\Bramblex" of the
// user's registry hive. Here they live in one settings file in the user's configuration
// folder (organisation "Korvane", application "Bramblex"), grouped by the same subkeys
// and value names ("Settings/ViscoMeterDataENU", "Language/LocaleID").
//
// BRAMBLEX_CONFIG_DIR, when set, is the folder of that file instead, so that tests and
// demos never touch the user's own values.

#include <QString>
#include <QVariant>

// The file that holds the values (it need not exist).
QString UserValuesFilePath();

// An invalid QVariant when the value is missing.
QVariant ReadUserValue(const QString& subkey, const QString& name);
// Raises EFileError "Cannot create file "%1". %2" when the file cannot be written.
void WriteUserValue(const QString& subkey, const QString& name, const QVariant& value);
