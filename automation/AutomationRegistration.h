#pragma once

// Registration of the automation service with the session bus: an activation file
// ("com.korvane.Bramblex.service" in $XDG_DATA_HOME/dbus-1/services/) from which the bus
// starts the program with "-automation" when a client asks for the bus name.

#include <QByteArray>
#include <QString>

// Where the user's activation file is.
QString ActivationFilePath();
// The file's content for program (an absolute path).
QByteArray ActivationFileContent(const QString& program);
// The program an activation file starts (the first word of its Exec line, quotes and
// escapes undone); empty when it names none.
QString ActivationFileProgram(const QByteArray& content);

// "REGSERVER": writes the file for program, whole. Raises EFileError with the reason.
void RegisterActivation(const QString& program);
// "UNREGSERVER": removes the file when it is there. Raises EFileError with the reason.
void UnregisterActivation();
// A normal start: writes the file only when it is missing or names a program that no
// longer exists, so that a build tree never takes the place of an installed program.
// True when it wrote the file. Raises as RegisterActivation.
bool RefreshActivation(const QString& program);
