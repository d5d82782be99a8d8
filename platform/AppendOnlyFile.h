#pragma once

// Files that only ever grow by whole lines: record logs that must survive a crash or
// a power cut with every record that was reported written. Each append happens under
// an exclusive lock on the file (so two writers never both build on the same last
// line), is fsynced before the call returns, and a file created by it has its folder
// fsynced too. A last line without its newline is what a write cut off by a crash
// leaves: it is no record, and the next append cuts it away before writing.

#include "platform/FsResult.h"

#include <QByteArray>
#include <QString>

#include <functional>

// Locks path (created when missing), reads it whole and hands the complete lines to
// extend, which returns the bytes to add: whole lines, each ending in "\n", or nothing.
// An exception from extend leaves the file as it was and propagates. A failed write
// is taken back, so the file never keeps part of a line from this call.
TFsResult AppendLines(const QString& path, const std::function<QByteArray(const QByteArray& lines)>& extend);

// The complete lines of a record log, a cut-off last line left out. Fails with the
// system's reason (ENOENT when there is none).
TFsResult ReadCompleteLines(const QString& path, QByteArray& lines);
