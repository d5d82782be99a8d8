#pragma once

// File lists between the program and other programs: on the clipboard (Cut, Copy,
// Paste of files and folders) and in drags. A list travels as URLs together with the
// desktops' markers of a cut ("x-special/gnome-copied-files", "application/x-kde-
// cutselection"), so file managers paste a cut as a move and the program reads theirs.

#include <QStringList>

class QMimeData;

enum class TFileListEffect { None, Copy, Move };

// A new mime data object (the caller takes ownership) holding the local paths with the
// preferred effect Copy or Move.
QMimeData* MakeFileListMimeData(const QStringList& paths, TFileListEffect effect);
// The local paths a mime object holds (empty when none) and the preferred effect it
// names: Move for a cut, Copy for a list without a marker. names, when given, receives
// the name the source program suggests for each path ("application/x-kde-
// suggestedfilename", for a single file), "" where it suggests none: as the program
// wrote it, which the file operations reduce to a plain name.
QStringList ReadFileListMimeData(const QMimeData* data, TFileListEffect* effect = nullptr,
                                 QStringList* names = nullptr);

// The system clipboard (main thread only; nothing without a GUI application).
void PutFileListOnClipboard(const QStringList& paths, TFileListEffect effect);
bool ClipboardHasFileList();
// The clipboard's paths and effect (None when it holds no file list).
QStringList ClipboardFileList(TFileListEffect* effect, QStringList* names = nullptr);
void ClearClipboard();

// True when both paths lie on the same file system (a move there is a rename).
bool OnSameDevice(const QString& a, const QString& b);
