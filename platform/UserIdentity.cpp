#include "platform/UserIdentity.h"

#include <QByteArray>

#include <climits>
#include <pwd.h>
#include <unistd.h>
#include <vector>

TUserIdentity CurrentUserIdentity() {
    TUserIdentity identity;
    const uid_t uid = ::geteuid();
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(static_cast<size_t>(size > 0 ? size : 16384));
    passwd entry{};
    passwd* found = nullptr;
    while (::getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found) == ERANGE)
        buffer.resize(buffer.size() * 2);
    if (found) {
        identity.Login = QString::fromLocal8Bit(found->pw_name);
        const QString gecos = QString::fromLocal8Bit(found->pw_gecos ? found->pw_gecos : "");
        identity.FullName = gecos.section(QLatin1Char(','), 0, 0).trimmed();
    } else {
        identity.Login = QString::number(uid);
    }
    char host[HOST_NAME_MAX + 1] = {};
    if (::gethostname(host, sizeof host - 1) == 0)
        identity.Host = QString::fromLocal8Bit(host);
    return identity;
}
