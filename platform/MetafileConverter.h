#pragma once

// Windows metafiles (".wmf", ".emf") as SVG, converted by Debian's converters run as a
// separate process (wmf2svg of libwmf-bin, emf2svg-conv of emf2svg): both parsers have
// had security faults, so a hostile file can at worst crash the converter, never the
// program. A converter that runs too long is killed; its output, its log and its memory
// are capped by the system's limits on the process.

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>

class QProcess;
class QTemporaryDir;
class QTimer;

// True for ".wmf" and ".emf" in any letter case.
bool IsMetafileName(const QString& path);

enum class TMetafileFormat { None, Emf, Wmf };
// Read from the bytes' own header (a placeable or plain WMF header, the EMF header
// record with its signature), so a picture needs no file name to be converted.
TMetafileFormat MetafileFormatOf(const QByteArray& bytes);

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
    void Done();
    void Fail(const QString& reason);
    void Abandon();

    const int m_timeoutMs;
    QString m_path;
    QString m_output;
    QString m_log;
    QProcess* m_process = nullptr; // deleted later: it may be the sender of what ends it
    int m_generation = 0;
    std::unique_ptr<QTemporaryDir> m_dir;
    QTimer* m_timer;
};

// The same, waiting for the converter (tools and tests). Raises EBramblexError with the
// message Finished would give.
QByteArray ConvertMetafileToSvg(const QString& path, int timeoutMs = 20000);

// Converts the bytes of a metafile (the format read from them) and waits for the
// converter without running an event loop, so it may be called while a page is drawn,
// on any thread. Empty on failure, and reason then says why (the converter's or the
// system's words).
QByteArray ConvertMetafileBytesToSvg(const QByteArray& bytes, QString& reason, int timeoutMs);
