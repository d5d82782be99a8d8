#pragma once

// Outside a desktop session (a service, a build machine) there is no XDG_RUNTIME_DIR,
// and Qt warns on every call that wants one. The programs then use a private folder of
// their own in /tmp, but only one that is truly private: another user could have
// made a folder of that name first, to read or plant what Qt keeps there.

#include <QString>

#include <sys/types.h>

// True when path is a directory itself (not a link), owned by uid, that no one else
// may enter or change (no group or other permissions).
bool IsPrivateFolder(const QString& path, uid_t uid);

// When XDG_RUNTIME_DIR is unset: creates "<base><uid>" with mode 0700 if missing and
// sets XDG_RUNTIME_DIR to it if it is private; otherwise leaves the choice to Qt.
// Returns the folder set, or an empty text. Call before the application object.
QString UsePrivateRuntimeFolder(const QString& base = QStringLiteral("/tmp/bramblex-runtime-"));
