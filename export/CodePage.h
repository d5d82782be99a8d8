#pragma once

// Windows code pages for the files other programs read: spreadsheets and CSV readers
// still expect single-byte "ANSI" text, most of all Windows-1252.

#include <QByteArray>
#include <QString>

// Appends text as Windows-1252 bytes. Characters the code page cannot hold become
// "?"; returns false when that happened.
bool AppendWindows1252(QByteArray& out, QStringView text);

// Appends text in a Windows code page (1250 to 1258, 874, ...). Characters the code
// page cannot hold become "?"; returns false when that happened or when the system
// has no encoder for it.
bool AppendCodePage(QByteArray& out, QStringView text, int codePage);

// Whether the system can encode the code page at all.
bool IsCodePageAvailable(int codePage);
