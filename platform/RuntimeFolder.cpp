#include "platform/RuntimeFolder.h"

#include <QByteArray>

#include <sys/stat.h>
#include <unistd.h>

bool IsPrivateFolder(const QString& path, uid_t uid) {
    struct stat st {};
    if (::lstat(path.toLocal8Bit().constData(), &st) != 0)
        return false;
    return S_ISDIR(st.st_mode) && st.st_uid == uid && (st.st_mode & 077) == 0;
}

QString UsePrivateRuntimeFolder(const QString& base) {
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return {};
    const uid_t uid = ::getuid();
    const QString dir = base + QString::number(uid);
    ::mkdir(dir.toLocal8Bit().constData(), 0700); // an existing one is checked below
    if (!IsPrivateFolder(dir, uid))
        return {};
    qputenv("XDG_RUNTIME_DIR", dir.toLocal8Bit());
    return dir;
}
