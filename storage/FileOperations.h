#pragma once

// Delete, copy and move of files and folder trees inside the storage tree, with the
// operator's answers to conflicts, and the naming of copies and new items.
//
// A folder move never deletes what the operator chose to keep: entries skipped with No
// stay in the source folder, which is removed only when it ends up empty. Moving to
// another filesystem copies and then deletes, and a failed copy leaves the source as it
// was. Links are copied as links and never followed.

#include "platform/FsResult.h"

#include <QChar>
#include <QString>
#include <QStringList>
#include <Qt>

#include <functional>

struct TAuditRecorder;

enum class TConflictAnswer { Yes, No, Cancel, YesToAll };

// Asked with the full question text; the windows answer with a message box (Yes, No,
// Cancel, Yes to All), tests from a script. An operation given no question answers
// every conflict Cancel, so nothing is replaced behind the operator's back.
using TConflictQuestion = std::function<TConflictAnswer(const QString& message)>;

// Every error names the system's reason on a line of its own under the message.
//
// Given an audit recorder, what happens to each batch is recorded in its audit trail
// (deleted, created by a copy naming its source, moved or renamed, the trail going
// along) in the order that keeps the record ahead of the change; a batch whose record
// cannot be written is left as it is and the operation stops with the reason. Trail
// files are never copied: a copied batch begins its own.

// A file, or a folder with everything in it. Raises "Unable to delete file %1" or
// "Unable to delete directory %1".
void DeleteTree(const QString& path, const TAuditRecorder* audit = nullptr);

// A file to the destination path, or a folder tree into the destination folder path.
// replaceAll is the transfer's Yes to All, set by that answer.
void CopyTree(const QString& source, const QString& destination, bool& replaceAll,
              const TConflictQuestion& ask = {}, const TAuditRecorder* audit = nullptr);
void MoveTree(const QString& source, const QString& destination, bool& replaceAll,
              const TConflictQuestion& ask = {}, const TAuditRecorder* audit = nullptr);
// The rename of a file or folder in its folder; a batch's trail goes with it.
// Returns the rename's result; a trail that cannot be written raises.
TFsResult RenameInPlace(const QString& from, const QString& to, const TAuditRecorder* audit);

// Copies a template folder tree to a destination that does not exist yet, leaving out
// the ".keep" placeholders that keep empty folders in version control.
void SeedTree(const QString& source, const QString& destination);

enum class TDropEffect { Copy, Move };

// The effect a folder view offers while files are dragged over it: dragged paths
// from sourceFolder (the folder of the first, with a trailing separator; empty when
// unknown) into targetFolder, with the effects the source allows and the keys held.
// None into the source folder itself, or into a dragged folder or one inside it.
// Otherwise Shift moves, Ctrl copies, Shift+Ctrl gives none (the folder tree refuses
// links always, the folder list when linking is allowed); without them a move within
// one file system, failing that the first allowed of copy, move and link.
enum class TShiftCtrl { Refused, RefusedWhenLinking };
Qt::DropAction FileDropEffect(const QStringList& dragged, const QString& sourceFolder,
                              const QString& targetFolder, Qt::DropActions allowed,
                              Qt::KeyboardModifiers keys, TShiftCtrl shiftCtrl);

// Drop or paste of sources into destinationFolder; targetNames[i], when given and not
// empty, is the name the source program chose for sources[i]. One Yes to All serves the
// whole transfer; an error or Cancel stops it at that entry.
void TransferFiles(const QStringList& sources, const QStringList& targetNames,
                   const QString& destinationFolder, TDropEffect effect, const TConflictQuestion& ask = {},
                   const TAuditRecorder* audit = nullptr);

// "Copy of N", then "Copy (2) of N" ... "Copy (200) of N" in the folder of path.
QString CopyName(const QString& path);
// folder + base + extension, then base + " (2)" ... " (200)".
QString DefaultName(const QString& folder, const QString& base, const QString& extension);

// A whole name for a file or folder of the tree: not empty, not "." or "..", and
// without "/", "\" or control characters.
bool IsValidEntryName(const QString& name);
// The last component of a name another program supplied ("a/../b" gives "b", "C:\x\y"
// gives "y"); empty when that is no valid name.
QString PlainEntryName(const QString& supplied);

// False for " * / : < > ? \ |, true for everything else.
bool IsNameCharAllowed(QChar c);
// True when anything (file, folder or link) is at path.
bool PathExists(const QString& path);
// The name without folder and extension (from the last "."), e.g. "My.Batch".
QString FileTitle(const QString& path);
bool IsImageFile(const QString& path); // .jpg .bmp .wmf .emf, any case
bool IsPdfFile(const QString& path);
// The user's temporary folder with a trailing separator.
QString TempFolder();

// A folder path with exactly one trailing "/".
QString IncludeTrailingSeparator(const QString& folder);
// The last component of a path ("" for a path ending in "/").
QString ExtractFileName(const QString& path);
