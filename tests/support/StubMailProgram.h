#pragma once

// A stand-in mail program that the real xdg-email finds: registered for mailto
// addresses in private XDG folders, with the cache (where the mailed files go) there
// too. Like a real one it reads the attachments after xdg-email has returned; it notes
// subject, body and each attachment's name and size (-1 when it could not be read any
// more). The environment it changed is put back when it goes.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <optional>
#include <utility>
#include <vector>

class TStubMailProgram {
public:
    TStubMailProgram() {
        const QString root = m_dir.path();
        QDir().mkpath(root + "/data/applications");
        QDir().mkpath(root + "/config");
        QDir().mkpath(root + "/bin");
        Write("bin/stubmail", StubMail);
        Write("bin/reader.py", StubReader);
        QFile::setPermissions(root + "/bin/stubmail", QFileDevice::Permissions(0x7700));
        Write("data/applications/stubmail.desktop",
              QStringLiteral("[Desktop Entry]\nType=Application\nName=Stub Mail\nExec=%1/bin/stubmail %u\n"
                             "MimeType=x-scheme-handler/mailto;\n")
                  .arg(root)
                  .toUtf8());
        Write("config/mimeapps.list", "[Default Applications]\nx-scheme-handler/mailto=stubmail.desktop\n");
        Set("XDG_DATA_HOME", (root + "/data").toUtf8());
        Set("XDG_DATA_DIRS", (root + "/data").toUtf8());
        Set("XDG_CONFIG_HOME", (root + "/config").toUtf8());
        Set("XDG_CACHE_HOME", (root + "/cache").toUtf8());
        // xdg-open hands addresses to programs only in a graphical session; it only
        // looks for the variable.
        Set("DISPLAY", ":99");
        for (const char* name :
             {"XDG_CURRENT_DESKTOP", "XDG_SESSION_DESKTOP", "DESKTOP_SESSION", "KDE_FULL_SESSION",
              "GNOME_DESKTOP_SESSION_ID", "MATE_DESKTOP_SESSION_ID", "BROWSER"})
            Set(name, std::nullopt);
    }
    ~TStubMailProgram() {
        for (auto it = m_saved.rbegin(); it != m_saved.rend(); ++it) {
            if (it->second)
                qputenv(it->first.constData(), *it->second);
            else
                qunsetenv(it->first.constData());
        }
    }
    TStubMailProgram(const TStubMailProgram&) = delete;
    TStubMailProgram& operator=(const TStubMailProgram&) = delete;

    // False where xdg-utils is not installed.
    static bool XdgEmailInstalled() {
        return !QStandardPaths::findExecutable(QStringLiteral("xdg-email")).isEmpty();
    }

    QString Root() const { return m_dir.path(); }
    // Where the program's mail folders go under the private cache.
    QString MailRoot() const { return m_dir.path() + "/cache/bramblex/mail/"; }

    void Write(const QString& name, const QByteArray& bytes) const {
        QFile file(m_dir.path() + "/" + name);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(bytes);
    }
    // Unregisters the program: no mail program is set for mailto addresses any more.
    void Unregister() const {
        Write("config/mimeapps.list", "[Default Applications]\n");
        QFile::remove(m_dir.path() + "/data/applications/stubmail.desktop");
    }

    // What the mail program noted of the last message, once it has (empty when nothing
    // came within 10 s).
    QJsonObject Received() const {
        const QString log = m_dir.path() + "/bin/mail.json";
        for (int i = 0; i < 200 && !QFile::exists(log); ++i)
            QThread::msleep(50);
        QFile file(log);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QJsonDocument::fromJson(file.readAll()).object();
    }

private:
    void Set(const char* name, std::optional<QByteArray> value) {
        m_saved.emplace_back(name, qEnvironmentVariableIsSet(name) ? std::optional<QByteArray>(qgetenv(name))
                                                                   : std::nullopt);
        if (value)
            qputenv(name, *value);
        else
            qunsetenv(name);
    }

    // Hands the address to a reader in the background and returns at once.
    static constexpr const char* StubMail = R"(#!/bin/sh
python3 "$(dirname "$0")/reader.py" "$1" < /dev/null > /dev/null 2>&1 &
exit 0
)";
    // Waits a second, then notes what it was given.
    static constexpr const char* StubReader = R"(import json, os, sys, time, urllib.parse
time.sleep(1)
url = sys.argv[1]
query = urllib.parse.parse_qs(url.split('?', 1)[1] if '?' in url else '', keep_blank_values=True)
files = []
for item in query.get('attach', []):
    path = urllib.parse.unquote(item)
    if path.startswith('file://'):
        path = path[len('file://'):]
    try:
        size = len(open(path, 'rb').read())
    except OSError:
        size = -1
    files.append({'name': os.path.basename(path), 'size': size})
log = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'mail.json')
with open(log + '.tmp', 'w') as out:
    json.dump({'subject': query.get('subject', [''])[0], 'body': query.get('body', [''])[0], 'files': files}, out)
os.rename(log + '.tmp', log)
)";

    QTemporaryDir m_dir;
    std::vector<std::pair<QByteArray, std::optional<QByteArray>>> m_saved;
};
