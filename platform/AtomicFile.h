#pragma once

// Files written whole or not at all: a temporary file in the same folder, fsync, rename
// over the target, fsync the folder.
//
// The temporary file is ".NAME.saving-XXXXXX" beside NAME. Its writer holds a lock on
// it until the rename, so a temporary file that nobody holds is what a killed writer
// left behind: the next save of NAME removes those of NAME, and RemoveStaleTemporaries
// those of a whole folder. Folder listings never show temporary files.

#include "platform/FsResult.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <functional>

class QIODevice;

// Writes bytes to path atomically. A failure leaves any existing file untouched and
// raises EFileError with createMessage filled with the path (%1) and the system's
// reason (%2); by default "Cannot create file "%1". %2".
void WriteFileAtomically(const QString& path, const QByteArray& bytes, const QString& createMessage = {});
TFsResult TryWriteFileAtomically(const QString& path, const QByteArray& bytes);
// The general form: fill writes the content to the temporary file's descriptor and
// returns 0 or an errno value. The new file gets the permissions of the file it
// replaces (a new one 0666 & ~umask) unless fill sets its own. Looking for the
// leftovers of earlier saves of the same file reads the whole folder, so copies of
// many files into one folder leave that to the folder's next listing.
enum class TLeftovers { Remove, Keep };
TFsResult WriteAtomically(const QString& path, const std::function<int(int fd)>& fill,
                          TLeftovers leftovers = TLeftovers::Remove);
// The same for writers that take a QIODevice (PDF and image writers, which stream
// their output as they go). fill returns false to abandon the file: the target stays
// as it was and the result fails with ECANCELED. A write failure of the device fails
// the result with its errno, however fill went on. An exception from fill removes the
// temporary file and propagates.
TFsResult WriteDeviceAtomically(const QString& path, const std::function<bool(QIODevice& device)>& fill);

// Reads a whole file; raises EFileError "Cannot open file "%1". %2" when it cannot.
QByteArray ReadWholeFile(const QString& path);
TFsResult TryReadWholeFile(const QString& path, QByteArray& bytes);

// True for the name of a writer's temporary file.
bool IsWriterTemporaryName(QStringView name);
// Removes the temporary files in folder that no writer holds (only those of one file
// when name is given). Quietly does nothing where the folder cannot be locked.
void RemoveStaleTemporaries(const QString& folder, const QString& name = {});
