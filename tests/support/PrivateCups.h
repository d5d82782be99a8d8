#pragma once

// A private CUPS scheduler for printing tests: its own configuration, socket and spool,
// and raw queues whose device hands each job's document back unchanged, so the pages Qt
// drew for CUPS can be read with pdfinfo. Point CUPS_SERVER at Socket() before anything
// asks CUPS (the client library reads it once), and TMPDIR at Temporary() to see that
// a job leaves nothing behind.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>

#include <string>
#include <utility>
#include <vector>

// The capture device: writes the job's document where the device URI points, and the
// copies, options and title CUPS passed beside it.
inline const char* const CaptureBackend = R"(#!/bin/sh
[ $# -eq 0 ] && { echo 'direct capture "Unknown" "Capture"'; exit 0; }
out=${DEVICE_URI#capture:}
echo "copies=$4 $5 title=$3" > "$out.options"
if [ -n "$6" ]; then cat "$6" > "$out.tmp"; else cat > "$out.tmp"; fi && mv "$out.tmp" "$out"
)";

class TPrivateCups {
public:
    // Starts cupsd with the queues "Raw" (the default) and "Second". Error() tells
    // why when it could not.
    TPrivateCups() {
        const QString cupsd =
            QStandardPaths::findExecutable(QStringLiteral("cupsd"), {"/usr/sbin", "/usr/local/sbin"});
        if (cupsd.isEmpty()) {
            m_error = "cupsd is not installed";
            return;
        }
        const QString root = m_dir.path();
        for (const char* sub : {"etc/ppd", "spool/tmp", "cache", "state", "log", "out", "bin/backend", "tmp"})
            QDir().mkpath(root + "/" + sub);
        // The backend may run as the scheduler's "lp" user: let it write the output.
        QFile::setPermissions(root + "/out", QFileDevice::Permissions(0x7777));
        QFile::setPermissions(root, QFileDevice::Permissions(0x7755));
        for (const char* sub : {"daemon", "filter", "cgi-bin", "monitor", "notifier"})
            QFile::link(QStringLiteral("/usr/lib/cups/") + sub, root + "/bin/" + sub);
        Write("bin/backend/capture", QByteArray(CaptureBackend));
        QFile::setPermissions(root + "/bin/backend/capture", QFileDevice::Permissions(0x7755));
        Write("etc/cups-files.conf",
              QStringLiteral("ServerRoot %1/etc\nRequestRoot %1/spool\nTempDir %1/spool/tmp\n"
                             "CacheDir %1/cache\nStateDir %1/state\nDataDir /usr/share/cups\n"
                             "ServerBin %1/bin\nAccessLog %1/log/access_log\n"
                             "ErrorLog %1/log/error_log\nPageLog %1/log/page_log\n"
                             "FileDevice Yes\n")
                  .arg(root));
        Write("etc/cupsd.conf", QStringLiteral("Listen %1/cups.sock\nBrowsing No\nWebInterface No\n"
                                               "DefaultAuthType None\n<Location />\n  Order allow,deny\n"
                                               "  Allow all\n</Location>\n<Policy default>\n  <Limit All>\n"
                                               "    Order deny,allow\n  </Limit>\n</Policy>\n")
                                    .arg(root));
        QString printers;
        for (const char* queue : {"Raw", "Second"}) {
            printers += QStringLiteral("<%1 %2>\nDeviceURI capture:%3/out/%2.pdf\nState Idle\nAccepting Yes\n"
                                       "Shared No\n</%1>\n")
                            .arg(QLatin1String(queue) == QLatin1String("Raw") ? "DefaultPrinter" : "Printer",
                                 QLatin1String(queue), root);
        }
        Write("etc/printers.conf", printers.toUtf8());
        m_cupsd.setProgram(cupsd);
        m_cupsd.setArguments({"-f", "-c", root + "/etc/cupsd.conf", "-s", root + "/etc/cups-files.conf"});
        m_cupsd.setProcessChannelMode(QProcess::MergedChannels);
        m_cupsd.start();
        if (!m_cupsd.waitForStarted(5000)) {
            m_error = "cupsd did not start: " + m_cupsd.errorString().toStdString();
            return;
        }
        for (int i = 0; i < 100 && !QFile::exists(Socket()); ++i)
            QThread::msleep(50);
        if (!QFile::exists(Socket()) || m_cupsd.state() != QProcess::Running)
            m_error = "cupsd did not come up: " + m_cupsd.readAll().toStdString();
    }
    ~TPrivateCups() {
        m_cupsd.terminate();
        if (!m_cupsd.waitForFinished(5000))
            m_cupsd.kill();
        for (const auto& [name, value] : m_savedEnvironment) {
            if (value.isEmpty())
                qunsetenv(name);
            else
                qputenv(name, value);
        }
    }

    // Points this process's CUPS client and print jobs' temporary files at the scheduler
    // until it is destroyed. Call it before anything asks CUPS: the client reads it once.
    void UseInThisProcess() {
        for (const auto& [name, value] : {std::pair{"CUPS_SERVER", Socket()}, {"TMPDIR", Temporary()}}) {
            m_savedEnvironment.emplace_back(name, qgetenv(name));
            qputenv(name, value.toUtf8());
        }
    }

    const std::string& Error() const { return m_error; }
    QString Socket() const { return m_dir.path() + "/cups.sock"; }
    QString Temporary() const { return m_dir.path() + "/tmp"; }
    // The document the queue received last.
    QString Output(const char* queue) const { return m_dir.path() + "/out/" + queue + ".pdf"; }

    // Waits for a document on queue (removing it first is the caller's).
    bool WaitForOutput(const char* queue) const {
        for (int i = 0; i < 200; ++i) {
            if (QFile::exists(Output(queue)))
                return true;
            QThread::msleep(50);
        }
        return false;
    }
    QString Options(const char* queue) const {
        QFile file(Output(queue) + ".options");
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).trimmed() : QString();
    }
    // Jobs the scheduler has seen on any queue.
    int JobCount() const {
        QProcess lpstat;
        lpstat.start(QStringLiteral("lpstat"), {"-W", "all", "-o"});
        lpstat.waitForFinished(10000);
        return static_cast<int>(lpstat.readAllStandardOutput().count('\n'));
    }

private:
    void Write(const QString& name, const QByteArray& bytes) {
        QFile file(m_dir.path() + "/" + name);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(bytes);
    }
    void Write(const QString& name, const QString& text) { Write(name, text.toUtf8()); }

    QTemporaryDir m_dir;
    QProcess m_cupsd;
    std::string m_error;
    std::vector<std::pair<const char*, QByteArray>> m_savedEnvironment;
};

// The page sizes of a PDF file in points, "WxH" each.
inline QStringList PdfPageSizes(const QString& pdf) {
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {"-f", "1", "-l", "999", pdf});
    info.waitForFinished(20000);
    const QString text = QString::fromUtf8(info.readAllStandardOutput());
    QStringList sizes;
    const QRegularExpression line(QStringLiteral("Page +\\d+ size: +([\\d.]+) x ([\\d.]+) pts"));
    for (auto it = line.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        sizes << QStringLiteral("%1x%2").arg(m.captured(1), m.captured(2));
    }
    return sizes;
}
