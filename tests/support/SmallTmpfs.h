#pragma once

// A tiny tmpfs mounted on a scratch folder, for writes that must run out of space.
// Mounting needs the privilege to mount (root in CI); without it Mounted() is false
// and Why() says what the system answered, for the test's skip message.

#include "support/TempDir.h"

#include <QFile>
#include <QString>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>

class SmallTmpfs {
public:
    explicit SmallTmpfs(int kilobytes = 64) {
        const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k";
        if (::mount("tmpfs", QFile::encodeName(m_dir.Path()).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                    options.constData()) == 0)
            m_mounted = true;
        else
            m_why = QString::fromLocal8Bit(std::strerror(errno));
    }
    ~SmallTmpfs() {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_dir.Path()).constData(), MNT_DETACH);
    }
    SmallTmpfs(const SmallTmpfs&) = delete;
    SmallTmpfs& operator=(const SmallTmpfs&) = delete;

    bool Mounted() const { return m_mounted; }
    QString Why() const { return QStringLiteral("cannot mount a tmpfs here: ") + m_why; }
    QString Path() const { return m_dir.Path(); }
    QString File(const QString& name) const { return m_dir.File(name); }

private:
    TempDir m_dir;
    bool m_mounted = false;
    QString m_why;
};
