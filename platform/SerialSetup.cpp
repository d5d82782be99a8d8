#include "platform/SerialSetup.h"

#include "core/Error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <grp.h>
#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

namespace {

std::vector<gid_t> ProcessGroupIds() {
    const int count = ::getgroups(0, nullptr);
    std::vector<gid_t> groups(static_cast<size_t>(std::max(count, 0)));
    if (count > 0 && ::getgroups(count, groups.data()) != count)
        groups.clear();
    groups.push_back(::getegid());
    return groups;
}

std::vector<gid_t> AccountGroupIds(const char* user, gid_t primary) {
    int n = 64;
    std::vector<gid_t> groups(static_cast<size_t>(n));
    if (::getgrouplist(user, primary, groups.data(), &n) < 0 && n > 0) {
        groups.resize(static_cast<size_t>(n));
        ::getgrouplist(user, primary, groups.data(), &n);
    }
    groups.resize(static_cast<size_t>(std::max(n, 0)));
    return groups;
}

bool Contains(const std::vector<gid_t>& list, gid_t id) {
    return std::find(list.begin(), list.end(), id) != list.end();
}

// FTDI, Prolific, Silicon Labs and WCH: the chips of nearly every USB-serial adapter, in
// the forms udev rules write them (PRODUCT has no leading zeros, idVendor has four digits).
bool ClaimsUsbSerialAdapters(const QByteArray& rules) {
    static const QRegularExpression adapter(
        QStringLiteral(
            R"re((PRODUCT\}?\s*==\s*"0*(403|67b|10c4|1a86)/)|(idVendor\}?\s*==\s*"0*(403|67b|10c4|1a86)"))re"),
        QRegularExpression::CaseInsensitiveOption);
    for (const QByteArray& raw : rules.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(QLatin1Char('#')))
            continue;
        if (adapter.match(line).hasMatch())
            return true;
    }
    return false;
}

} // namespace

QStringList UdevRuleFolders() {
    return {QStringLiteral("/etc/udev/rules.d"), QStringLiteral("/run/udev/rules.d"),
            QStringLiteral("/usr/local/lib/udev/rules.d"), QStringLiteral("/usr/lib/udev/rules.d"),
            QStringLiteral("/lib/udev/rules.d")};
}

QStringList BrlttyUsbSerialRules(const QStringList& folders) {
    QStringList seen;
    QStringList found;
    for (const QString& folder : folders) {
        const QDir dir(folder);
        for (const QFileInfo& entry :
             dir.entryInfoList({QStringLiteral("*.rules")}, QDir::Files | QDir::System, QDir::Name)) {
            // /lib is often /usr/lib itself: each name counts once, where it wins.
            if (seen.contains(entry.fileName()))
                continue;
            seen << entry.fileName();
            if (!entry.fileName().contains(QLatin1String("brltty"), Qt::CaseInsensitive))
                continue;
            if (entry.symLinkTarget() == QLatin1String("/dev/null"))
                continue;
            QFile file(entry.filePath());
            if (!file.open(QIODevice::ReadOnly))
                continue;
            if (ClaimsUsbSerialAdapters(file.readAll()))
                found << entry.filePath();
        }
    }
    return found;
}

bool ProcessRunning(const QString& name, const QString& procRoot) {
    const QDir proc(procRoot);
    for (const QString& pid : proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (pid.isEmpty() || !pid.front().isDigit())
            continue;
        QFile comm(proc.filePath(pid + QStringLiteral("/comm")));
        if (comm.open(QIODevice::ReadOnly) && QString::fromUtf8(comm.readAll()).trimmed() == name)
            return true;
    }
    return false;
}

TSerialSetupFacts GatherSerialSetupFacts() {
    TSerialSetupFacts facts;
    const uid_t uid = ::geteuid();
    facts.Privileged = uid == 0;
    std::vector<char> buffer(16384);
    passwd user{};
    passwd* userFound = nullptr;
    if (::getpwuid_r(uid, &user, buffer.data(), buffer.size(), &userFound) == 0 && userFound)
        facts.UserName = QString::fromLocal8Bit(user.pw_name);
    else
        facts.UserName = QString::number(uid);

    std::vector<char> groupBuffer(65536);
    group dialout{};
    group* dialoutFound = nullptr;
    if (::getgrnam_r("dialout", &dialout, groupBuffer.data(), groupBuffer.size(), &dialoutFound) == 0 &&
        dialoutFound) {
        facts.DialoutExists = true;
        facts.DialoutNow = Contains(ProcessGroupIds(), dialout.gr_gid);
        facts.DialoutAccount =
            facts.DialoutNow ||
            (userFound && Contains(AccountGroupIds(user.pw_name, user.pw_gid), dialout.gr_gid));
    }
    facts.ModemManagerRunning = ProcessRunning(QStringLiteral("ModemManager"));
    facts.BrlttyRules = BrlttyUsbSerialRules(UdevRuleFolders());
    return facts;
}

bool SerialSetupNeedsAdvice(const TSerialSetupFacts& f) {
    const bool groupMissing = !f.Privileged && f.DialoutExists && !f.DialoutNow;
    return groupMissing || f.ModemManagerRunning || !f.BrlttyRules.isEmpty();
}

QString SerialSetupAdvice(const TSerialSetupFacts& f, const QString& udevRule) {
    QStringList parts;
    parts << Tr("Before you connect the viscometer, a few facts about serial ports on this computer:");
    if (!f.Privileged && f.DialoutExists && !f.DialoutNow) {
        parts
            << (f.DialoutAccount
                    ? Tr("The user %1 was added to the group \"dialout\" that may use serial ports, but that "
                         "takes effect only after logging out and in again.")
                          .arg(f.UserName)
                    : Tr("The user %1 is not a member of the group \"dialout\" that may use serial ports. "
                         "The administrator can add it with:\n    sudo usermod -aG dialout %1\nand it takes "
                         "effect after logging out and in again.")
                          .arg(f.UserName));
    }
    if (f.ModemManagerRunning)
        parts << Tr(
            "ModemManager is running: it probes every new USB-serial adapter for a modem and can hold "
            "the port for several seconds after the adapter is plugged in.");
    if (!udevRule.isEmpty() && (f.ModemManagerRunning || (!f.Privileged && !f.DialoutNow)))
        parts << Tr("The optional udev rule %1 keeps ModemManager away from common USB-serial adapters and "
                    "lets "
                    "the user at the screen open them without the group and without a new login. Copy it to "
                    "/etc/udev/rules.d/ (as administrator) and plug the adapter in again.")
                     .arg(udevRule);
    for (const QString& rule : f.BrlttyRules)
        parts << Tr("The braille display service brltty has a rule that claims USB-serial adapters (%1): the "
                    "port disappears moments after the adapter is plugged in. If no braille display is used, "
                    "remove it with\n    sudo apt remove brltty\nor switch the rule off with\n    sudo ln -s "
                    "/dev/null /etc/udev/rules.d/%2")
                     .arg(rule, QFileInfo(rule).fileName());
    parts << Tr(
        "Choose a USB adapter by its name under /dev/serial/by-id, as the port list shows it: names such "
        "as /dev/ttyUSB0 can change when an adapter is plugged in again.");
    return parts.join(QStringLiteral("\n\n"));
}
