#pragma once

#include <QByteArray>
#include <QString>

// Writes bytes to path whole or not at all: a temporary file in the same folder,
// fsync, rename over the target, fsync the folder. A failure leaves any existing file
// untouched and raises EFileError with createMessage filled with the path (%1) and the
// system's reason (%2); by default "Cannot create file "%1". %2".
void WriteFileAtomically(const QString& path, const QByteArray& bytes, const QString& createMessage = {});

// Reads a whole file; raises EFileError "Cannot open file "%1". %2" when it cannot.
QByteArray ReadWholeFile(const QString& path);
