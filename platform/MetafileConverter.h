#pragma once

// Windows metafiles (".wmf", ".emf") as SVG, converted by Debian's converters run as a
// separate process (wmf2svg of libwmf-bin, emf2svg-conv of emf2svg): both parsers have
// had security faults, so a hostile file can at worst crash the converter, never the
// program. A converter that runs too long is killed; its output is capped.

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>

class QProcess;
class QTemporaryDir;
class QTimer;

// True for ".wmf" and ".emf" in any letter case.
bool IsMetafileName(const QString& path);

class TMetafileConversion : public QObject {
    Q_OBJECT
public:
    explicit TMetafileConversion(QObject* parent = nullptr, int timeoutMs = 20000);
    // Kills a converter that still runs.
    ~TMetafileConversion() override;

    // Starts converting path; a conversion still running is abandoned (no Finished for
    // it). Finished always follows, from the event loop.
    void Start(const QString& path);
    bool Running() const;

signals:
    // svg is empty on failure, and error then says why: the message for the file and,
    // on a line of its own, the converter's or the system's reason.
    void Finished(const QString& path, const QByteArray& svg, const QString& error);

private:
    void Done(int exitCode, bool crashed);
    void Fail(const QString& reason);
    void Abandon();

    const int m_timeoutMs;
    QString m_path;
    QString m_output;
    QProcess* m_process = nullptr; // deleted later: it may be the sender of what ends it
    int m_generation = 0;
    std::unique_ptr<QTemporaryDir> m_dir;
    QTimer* m_timer;
};

// The same, waiting for the converter (tools and tests). Raises EBramblexError with the
// message Finished would give.
QByteArray ConvertMetafileToSvg(const QString& path, int timeoutMs = 20000);
