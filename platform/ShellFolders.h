#pragma once

// The user's well-known folders, each with a trailing "/".

#include <QString>

// The user's documents folder (the home folder when the desktop names none).
QString DocumentsFolder();
// The user's folder for temporary files.
QString UserTempFolder();
