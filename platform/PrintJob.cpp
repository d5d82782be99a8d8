#include "platform/PrintJob.h"

#include "core/Error.h"
#include "platform/AtomicFile.h"
#include "platform/FsResult.h"
#include "platform/Printers.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QIODevice>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>

#include <cups/cups.h>

#include <cerrno>
#include <cmath>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr quint32 SettingsMagic = 0x42525053; // "BRPS"
constexpr quint16 SettingsVersion = 2;

// The IPP media name of a paper: the standard names for the sizes the reports know,
// a custom size in millimetres otherwise.
QByteArray MediaName(const QPageSize& paper) {
    switch (paper.id()) {
    case QPageSize::A2:
        return "iso_a2_420x594mm";
    case QPageSize::A3:
        return "iso_a3_297x420mm";
    case QPageSize::A4:
        return "iso_a4_210x297mm";
    case QPageSize::A5:
        return "iso_a5_148x210mm";
    case QPageSize::Executive:
        return "na_executive_7.25x10.5in";
    case QPageSize::Legal:
        return "na_legal_8.5x14in";
    case QPageSize::Letter:
        return "na_letter_8.5x11in";
    case QPageSize::Tabloid:
        return "na_ledger_11x17in";
    default: {
        const QSizeF mm = paper.size(QPageSize::Millimeter);
        return QStringLiteral("Custom.%1x%2mm")
            .arg(mm.width(), 0, 'g', 8)
            .arg(mm.height(), 0, 'g', 8)
            .toLatin1();
    }
    }
}

// The job options that carry the operator's choices (never the printer's defaults).
class TJobOptions {
public:
    ~TJobOptions() { cupsFreeOptions(m_count, m_options); }
    void Add(const char* name, const QByteArray& value) {
        m_count = cupsAddOption(name, value.constData(), m_count, &m_options);
    }
    int Count() const { return m_count; }
    cups_option_t* Options() const { return m_options; }

private:
    int m_count = 0;
    cups_option_t* m_options = nullptr;
};

// The paper and orientation a job starts from when the settings bring none: the
// queue's, or for a print to file the current printer's (Qt's default for the locale
// without printers).
QPageLayout DefaultLayout(const QString& queue) {
    const QPrinterInfo info = queue.isEmpty() ? QPrinterInfo() : QPrinterInfo::printerInfo(queue);
    return info.isNull() ? QPrinter(QPrinter::HighResolution).pageLayout()
                         : QPrinter(info, QPrinter::HighResolution).pageLayout();
}

// Writes the drawn document to target whole or not at all.
TFsResult WriteDocument(const QString& document, const QString& target) {
    return WriteAtomically(target, [&](int to) {
        const int from = ::open(QFile::encodeName(document).constData(), O_RDONLY | O_CLOEXEC);
        if (from < 0)
            return errno;
        std::vector<char> buffer(1 << 16);
        int err = 0;
        for (bool more = true; more && err == 0;) {
            const ssize_t n = ::read(from, buffer.data(), buffer.size());
            if (n < 0) {
                err = errno == EINTR ? 0 : errno;
                continue;
            }
            more = n > 0;
            for (ssize_t done = 0; done < n && err == 0;) {
                const ssize_t w = ::write(to, buffer.data() + done, static_cast<size_t>(n - done));
                if (w >= 0)
                    done += w;
                else if (errno != EINTR)
                    err = errno;
            }
        }
        ::close(from);
        return err;
    });
}

} // namespace

QByteArray TPrintSettings::Save() const {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << SettingsMagic << SettingsVersion << Printer << qint32(Copies) << Collate << qint32(Duplex)
        << Colour << qint32(Paper.isValid() ? Paper.id() : -1) << Paper.size(QPageSize::Millimeter)
        << qint32(Orientation);
    return bytes;
}

TPrintSettings TPrintSettings::Load(const QByteArray& bytes) {
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_6_0);
    quint32 magic = 0;
    quint16 version = 0;
    TPrintSettings s;
    qint32 copies = 1, duplex = 0, paper = -1, orientation = 0;
    QSizeF paperMM;
    in >> magic >> version;
    if (magic != SettingsMagic || version != SettingsVersion)
        return {};
    in >> s.Printer >> copies >> s.Collate >> duplex >> s.Colour >> paper >> paperMM >> orientation;
    if (in.status() != QDataStream::Ok || copies < 1 || copies > 9999 || duplex < 0 || duplex > 3 ||
        paper < -1 || paper > QPageSize::LastPageSize || orientation < 0 || orientation > 2)
        return {};
    s.Copies = copies;
    s.Duplex = duplex;
    if (paper == QPageSize::Custom && paperMM.isValid() && !paperMM.isEmpty())
        s.Paper = QPageSize(paperMM, QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
    else if (paper >= 0 && paper != QPageSize::Custom)
        s.Paper = QPageSize(static_cast<QPageSize::PageSizeId>(paper));
    s.Orientation = orientation;
    return s;
}

TPrintSettings PrintSettingsFrom(const QPrinter& printer) {
    TPrintSettings s;
    s.Printer = printer.printerName();
    s.Copies = std::max(1, printer.copyCount());
    s.Collate = printer.collateCopies();
    s.Duplex = static_cast<int>(printer.duplex());
    s.Colour = printer.colorMode() == QPrinter::Color;
    s.Paper = printer.pageLayout().pageSize();
    s.Orientation = printer.pageLayout().orientation() == QPageLayout::Landscape ? 2 : 1;
    // "Print to File" leaves the queue empty and names the file.
    s.OutputFile = printer.outputFileName();
    return s;
}

TPrinterJob::TPrinterJob() = default;

TPrinterJob::~TPrinterJob() {
    if (m_painter && m_painter->isActive())
        Abort();
}

void TPrinterJob::Select(const TPrintSettings& settings) {
    QString name;
    if (settings.OutputFile.isEmpty()) {
        const QStringList installed = Printers().InstalledPrinters();
        if (installed.isEmpty())
            throw EBramblexError(Tr("No printer is installed."));
        name = settings.Printer.isEmpty() ? Printers().CurrentPrinter() : settings.Printer;
        if (!installed.contains(name) || QPrinterInfo::printerInfo(name).isNull())
            throw EBramblexError(Tr("The printer \"%1\" is not installed.").arg(name));
    }
    // The printer's defaults, then the choices: all of it goes to this job only. The
    // job is drawn as a PDF document, the format CUPS takes.
    m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    m_printer->setOutputFormat(QPrinter::PdfFormat);
    m_printer->setPageLayout(DefaultLayout(name.isEmpty() ? Printers().CurrentPrinter() : name));
    m_printer->setFullPage(true);
    m_printer->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    SetPaper(settings.Paper);
    SetOrientation(settings.Orientation);
    m_printer->setCopyCount(std::max(1, settings.Copies));
    m_printer->setCollateCopies(settings.Collate);
    m_printer->setDuplex(static_cast<QPrinter::DuplexMode>(std::clamp(settings.Duplex, 0, 3)));
    m_printer->setColorMode(settings.Colour ? QPrinter::Color : QPrinter::GrayScale);
    m_queue = name;
    m_outputFile = settings.OutputFile;
}

void TPrinterJob::SetPaper(const QPageSize& paper) {
    if (m_printer && paper.isValid())
        m_printer->setPageSize(paper);
}

void TPrinterJob::SetOrientation(int orientation) {
    if (!m_printer || (orientation != 1 && orientation != 2))
        return;
    m_printer->setPageOrientation(orientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
}

QString TPrinterJob::PrinterName() const {
    return m_queue;
}

QString TPrinterJob::Destination() const {
    return m_outputFile.isEmpty() ? m_queue : QDir::toNativeSeparators(m_outputFile);
}

QPageSize TPrinterJob::Paper() const {
    return m_printer ? m_printer->pageLayout().pageSize() : QPageSize();
}

TPrintSettings TPrinterJob::Settings() const {
    if (!m_printer)
        return {};
    TPrintSettings s = PrintSettingsFrom(*m_printer);
    s.Printer = m_queue;
    s.OutputFile = m_outputFile; // not the document the job draws
    return s;
}

void TPrinterJob::Begin(const QString& title) {
    if (!m_printer)
        throw EBramblexError(Tr("No printer is installed."));
    const QString name = Destination();
    // The job is drawn into a document of its own and handed to the print system only
    // when every page is drawn, so a failure part-way prints nothing.
    QTemporaryFile document(QDir::tempPath() + QStringLiteral("/bramblex-print-XXXXXX.pdf"));
    document.setAutoRemove(false);
    if (!document.open())
        throw EFileError(
            WithReason(Tr("Cannot start the print job on \"%1\".").arg(name), document.errorString()));
    const QString path = document.fileName();
    document.close();
    m_printer->setOutputFileName(path);
    m_printer->setDocName(title);
    m_printer->setCreator(QStringLiteral("Korvane Bramblex"));
    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(m_printer.get())) {
        QFile::remove(path);
        m_painter.reset();
        throw EBramblexError(Tr("Cannot start the print job on \"%1\".").arg(name));
    }
    m_documentPath = path;
    m_title = title;
}

QPainter& TPrinterJob::Canvas() {
    return *m_painter;
}

TPrintableArea TPrinterJob::Area() const {
    TPrintableArea area;
    if (!m_printer)
        return area;
    const QRect page = m_printer->pageLayout().paintRectPixels(m_printer->resolution());
    const QRect paper = m_printer->pageLayout().fullRectPixels(m_printer->resolution());
    const QRectF pageMM = m_printer->pageLayout().paintRect(QPageLayout::Millimeter);
    area.WidthPixels = page.width();
    area.HeightPixels = page.height();
    area.WidthMM = pageMM.width();
    area.HeightMM = pageMM.height();
    // Full-page mode: the painter's origin is the paper's corner, so the drawing needs
    // no shift whatever the printable area.
    area.OffsetX = m_printer->fullPage() ? 0 : page.left() - paper.left();
    area.OffsetY = m_printer->fullPage() ? 0 : page.top() - paper.top();
    return area;
}

void TPrinterJob::NewPage(int orientation) {
    SetOrientation(orientation);
    if (!m_printer->newPage())
        throw EBramblexError(Tr("Cannot print on \"%1\".").arg(Destination()));
}

void TPrinterJob::End() {
    const bool drawn = m_painter->end();
    const QString path = m_documentPath;
    m_documentPath.clear();
    m_painter.reset();
    const bool toFile = !m_outputFile.isEmpty();
    const QString message = toFile ? Tr("Cannot write the PDF file \"%1\".").arg(Destination())
                                   : Tr("Cannot print on \"%1\".").arg(m_queue);
    if (!drawn || m_printer->printerState() == QPrinter::Error) {
        QFile::remove(path);
        throw EBramblexError(message);
    }
    if (toFile) {
        const TFsResult written = WriteDocument(path, m_outputFile);
        QFile::remove(path);
        if (!written)
            throw EFileError(WithReason(message, written));
        return;
    }
    TJobOptions options;
    options.Add("copies", QByteArray::number(std::max(1, m_printer->copyCount())));
    options.Add("collate", m_printer->collateCopies() ? "true" : "false");
    options.Add("print-color-mode", m_printer->colorMode() == QPrinter::Color ? "color" : "monochrome");
    options.Add("media", MediaName(m_printer->pageLayout().pageSize()));
    switch (m_printer->duplex()) {
    case QPrinter::DuplexNone:
        options.Add("sides", "one-sided");
        break;
    case QPrinter::DuplexLongSide:
        options.Add("sides", "two-sided-long-edge");
        break;
    case QPrinter::DuplexShortSide:
        options.Add("sides", "two-sided-short-edge");
        break;
    case QPrinter::DuplexAuto:
        break; // the queue's own choice
    }
    const int job =
        cupsPrintFile2(CUPS_HTTP_DEFAULT, m_queue.toUtf8().constData(), QFile::encodeName(path).constData(),
                       m_title.toUtf8().constData(), options.Count(), options.Options());
    QFile::remove(path);
    if (job == 0)
        throw EBramblexError(WithReason(message, QString::fromUtf8(cupsLastErrorString())));
}

void TPrinterJob::Abort() {
    if (m_painter && m_painter->isActive())
        m_painter->end();
    m_painter.reset();
    if (!m_documentPath.isEmpty())
        QFile::remove(m_documentPath);
    m_documentPath.clear();
}
