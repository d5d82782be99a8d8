#pragma once

// Handing files to the desktop's programs.

#include "platform/FsResult.h"

#include <QString>

// Opens a file with the desktop's default program for its type (xdg-open), without
// waiting for it. Fails with the reason when the opener cannot be started.
TFsResult OpenWithDesktop(const QString& path);
