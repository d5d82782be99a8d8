#include "services/ReportJobs.h"

#include "catalogue/Catalogue.h"
#include "core/Error.h"
#include "documents/BatchItem.h"
#include "platform/AtomicFile.h"
#include "platform/Clipboard.h"
#include "platform/DesktopOpen.h"
#include "properties/JpegCodec.h"
#include "properties/PictureText.h"
#include "reports/Page.h"
#include "reports/PrinterPage.h"
#include "reports/Report.h"
#include "services/BatchReport.h"
#include "services/JobProgress.h"
#include "xml/GmXml.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QScreen>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

#ifndef BRAMBLEX_VERSION
#define BRAMBLEX_VERSION "0"
#endif

namespace {

const QString ProgramCreator = QStringLiteral("Korvane Bramblex");

// Resolution of the PDF drawing surface: fine enough that whole device pixels
// (page coordinates are truncated to them) are far below what paper shows.
constexpr int PdfResolution = 1200;
constexpr int JpegLongerSide = 1024;
constexpr int JpegQuality = 90;
constexpr int ThumbnailOversampling = 4;
// The SVG picture is drawn at 10 pixels a millimetre, so its size in millimetres is
// exact.
constexpr int SvgPixelsPerMM = 10;

int PixelsAtLeastOne(double value) {
    return static_cast<int>(std::max<std::int64_t>(1, RoundHalfUp(value)));
}

void SetResolution(QImage& image, double pixelsPerInch) {
    const int perMetre = qRound(pixelsPerInch / 0.0254);
    image.setDotsPerMeterX(perMetre);
    image.setDotsPerMeterY(perMetre);
}

// The page's drawing target, set for one drawing and cleared afterwards.
class TPageTarget {
public:
    TPageTarget(TPage& page, QPainter& canvas, const QRect& rect, TChartPainter* charts) : m_page(page) {
        m_page.Canvas = &canvas;
        m_page.ChartPainter = charts;
        m_page.OutputRect = {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
    }
    ~TPageTarget() {
        m_page.Canvas = nullptr;
        m_page.ChartPainter = nullptr;
    }
    TPageTarget(const TPageTarget&) = delete;
    TPageTarget& operator=(const TPageTarget&) = delete;

private:
    TPage& m_page;
};

QPageLayout PdfPageLayout(QSize points) {
    const QSizeF portrait(std::min(points.width(), points.height()),
                          std::max(points.width(), points.height()));
    const QPageSize size(portrait, QPageSize::Point, QString(), QPageSize::ExactMatch);
    const auto orientation =
        points.width() > points.height() ? QPageLayout::Landscape : QPageLayout::Portrait;
    return QPageLayout(size, orientation, QMarginsF(0, 0, 0, 0), QPageLayout::Point);
}

QString XmlText(const QString& text) {
    return text.toHtmlEscaped();
}

QString XmpDate(const QDateTime& time) {
    return time.toOffsetFromUtc(time.offsetFromUtc()).toString(Qt::ISODate);
}

struct TBatchFileData {
    QString Name;
    QByteArray Bytes;
};

TBatchFileData ReadTracedBatch(const QString& path) {
    TBatchFileData data;
    data.Name = QFileInfo(path).fileName();
    const TFsResult read = TryReadWholeFile(path, data.Bytes);
    if (!read)
        throw EFileError(
            WithReason(Tr("Cannot read the batch \"%1\".").arg(QDir::toNativeSeparators(path)), read));
    return data;
}

} // namespace

// ---------------------------------------------------------------------------
// Inputs

std::unique_ptr<TReport> ReadReportTemplate(const QString& path) {
    const QString message = Tr("Cannot read the report template \"%1\".").arg(QDir::toNativeSeparators(path));
    QByteArray bytes;
    const TFsResult read = TryReadWholeFile(path, bytes);
    if (!read)
        throw EFileError(WithReason(message, read));
    auto report = std::make_unique<TReport>();
    TGmXML document;
    try {
        document.LoadFromBytes(bytes);
        report->LoadFromXml(document.Nodes());
    } catch (const EPictureBudgetError& e) {
        throw EFileError(WithReason(message, e.Message()));
    } catch (const EBramblexError& e) {
        // A template cut off inside an item fails on the item; the damage is what to
        // report, with the pages before it.
        if (document.LoadResult().Complete())
            throw EFileError(WithReason(message, e.Message()));
    }
    report->NoteDamage(path, document.LoadResult());
    report->Name = QFileInfo(path).completeBaseName();
    return report;
}

std::unique_ptr<TBatchItem> ReadBatchFile(const QString& path) {
    const QString message = Tr("Cannot read the batch \"%1\".").arg(QDir::toNativeSeparators(path));
    QByteArray bytes;
    const TFsResult read = TryReadWholeFile(path, bytes);
    if (!read)
        throw EFileError(WithReason(message, read));
    auto batch = std::make_unique<TBatchItem>();
    TGmXML document;
    try {
        document.LoadFromBytes(bytes);
        batch->LoadFromNodes(document.Nodes());
    } catch (const EBramblexError& e) {
        throw EFileError(WithReason(message, e.Message()));
    }
    batch->NoteDamage(path, document.LoadResult());
    const QFileInfo info(path);
    batch->FileTitle = info.completeBaseName();
    batch->FolderPath = info.absolutePath();
    if (!batch->FolderPath.endsWith(QLatin1Char('/')))
        batch->FolderPath += QLatin1Char('/');
    return batch;
}

// ---------------------------------------------------------------------------
// Composition

std::unique_ptr<TReport> ComposePreview(const std::vector<const TReport*>& templates,
                                        const std::vector<const TBatchItem*>& batches, const QString& name) {
    auto report = std::make_unique<TReport>();
    const auto appendPagesOfType = [&](const TReport& source, int type, const TBatchItem* batch,
                                       const TPageQcTexts* qc) {
        for (int i = 0; i < source.PageCount(); ++i) {
            const TPage& page = *source.Page(i);
            if (page.PageType() != type)
                continue;
            TPage* copy = report->AddPage();
            copy->Assign(page);
            if (batch) {
                copy->Batch.Assign(*batch);
                copy->Qc = *qc;
            }
        }
    };
    // Each batch is checked once, however many templates show it.
    std::vector<TPageQcTexts> qc;
    if (!templates.empty())
        for (const TBatchItem* batch : batches)
            qc.push_back(QcPageTexts(*batch));
    for (const TReport* source : templates) {
        appendPagesOfType(*source, PageTypeOpening, nullptr, nullptr);
        for (size_t b = 0; b < batches.size(); ++b)
            appendPagesOfType(*source, PageTypeInner, batches[b], &qc[b]);
        appendPagesOfType(*source, PageTypeClosing, nullptr, nullptr);
    }
    report->Paginate();
    report->Name = name;
    report->RenumberPages();
    return report;
}

// ---------------------------------------------------------------------------
// Drawing one page

void DrawPageOn(TPage& page, QPainter& canvas, const QRect& outputRect, TChartPainter* charts) {
    TPageTarget target(page, canvas, outputRect, charts);
    page.Draw();
}

QSize PagePointSize(const TPage& page) {
    double widthMM = page.PageWidth();
    double heightMM = page.PageHeight();
    if (page.PaperSize() == 1) {
        const TPrinterPage printer = CurrentPrinterPage();
        int orientation = PrinterOrientation(printer);
        if (page.PageOrientation() == PageOrientationPortrait)
            orientation = 0;
        else if (page.PageOrientation() == PageOrientationLandscape)
            orientation = 1;
        widthMM = PageWidthMM(printer, orientation);
        heightMM = PageHeightMM(printer, orientation);
    }
    const auto width = RoundHalfUp(widthMM / 2.54 * 7.2);
    const auto height = RoundHalfUp(heightMM / 2.54 * 7.2);
    // A PDF page holds at most 14 400 points a side; no report page comes near it.
    if (width <= 0 || height <= 0 || width > 14400 || height > 14400)
        throw EBramblexError(Tr("Page %1 has no size that can be written: it is %2 mm wide and %3 mm high.")
                                 .arg(page.PageNumber)
                                 .arg(widthMM)
                                 .arg(heightMM));
    return {static_cast<int>(width), static_cast<int>(height)};
}

// ---------------------------------------------------------------------------
// PDF

QString ProgramVersion() {
    return QStringLiteral(BRAMBLEX_VERSION);
}

QByteArray ReportXmpMetadata(const QString& title, const QStringList& batchFiles) {
    const QString now = XmpDate(QDateTime::currentDateTime());
    QString batches;
    for (const QString& path : batchFiles) {
        const TBatchFileData data = ReadTracedBatch(path);
        const QByteArray digest = QCryptographicHash::hash(data.Bytes, QCryptographicHash::Sha256).toHex();
        batches += QStringLiteral("          <rdf:li rdf:parseType=\"Resource\">\n"
                                  "            <bramblex:File>%1</bramblex:File>\n"
                                  "            <bramblex:SHA256>%2</bramblex:SHA256>\n"
                                  "          </rdf:li>\n")
                       .arg(XmlText(data.Name), QString::fromLatin1(digest));
    }
    const QString packet =
        QStringLiteral(
            "<?xpacket begin=\"\uFEFF\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\n"
            "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
            "  <rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
            "    <rdf:Description rdf:about=\"\"\n"
            "        xmlns:dc=\"http://purl.org/dc/elements/1.1/\"\n"
            "        xmlns:pdf=\"http://ns.adobe.com/pdf/1.3/\"\n"
            "        xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\"\n"
            "        xmlns:bramblex=\"http://korvane.example/ns/bramblex/1.0/\">\n"
            "      <dc:format>application/pdf</dc:format>\n"
            "      <dc:title><rdf:Alt><rdf:li xml:lang=\"x-default\">%1</rdf:li></rdf:Alt></dc:title>\n"
            "      <dc:creator><rdf:Seq><rdf:li>%2</rdf:li></rdf:Seq></dc:creator>\n"
            "      <dc:subject><rdf:Bag><rdf:li>%2</rdf:li></rdf:Bag></dc:subject>\n"
            "      <pdf:Keywords>%2</pdf:Keywords>\n"
            "      <pdf:Producer>%2 %3</pdf:Producer>\n"
            "      <xmp:CreatorTool>%2 %3</xmp:CreatorTool>\n"
            "      <xmp:CreateDate>%4</xmp:CreateDate>\n"
            "      <xmp:ModifyDate>%4</xmp:ModifyDate>\n"
            "      <xmp:MetadataDate>%4</xmp:MetadataDate>\n"
            "      <bramblex:ProgramVersion>%3</bramblex:ProgramVersion>\n"
            "      <bramblex:Batches>\n"
            "        <rdf:Seq>\n"
            "%5"
            "        </rdf:Seq>\n"
            "      </bramblex:Batches>\n"
            "    </rdf:Description>\n"
            "  </rdf:RDF>\n"
            "</x:xmpmeta>\n"
            "<?xpacket end=\"w\"?>")
            .arg(XmlText(title), ProgramCreator, XmlText(ProgramVersion()), now, batches);
    return packet.toUtf8();
}

bool SaveAsPdf(TReport& report, const QString& fileName, const TPdfOptions& options, TChartPainter* charts,
               TJobProgress& progress) {
    report.RenumberPages();
    const int count = report.PageCount();
    // Everything that can fail before the drawing is checked first, so nothing is
    // left half-done by a bad page size or an unreadable batch.
    std::vector<QSize> sizes;
    sizes.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        sizes.push_back(PagePointSize(*report.Page(i)));
    const QByteArray xmp = ReportXmpMetadata(options.Title, options.BatchFiles);
    std::vector<TBatchFileData> attachments;
    if (options.AttachBatches) {
        for (const QString& path : options.BatchFiles)
            attachments.push_back(ReadTracedBatch(path));
    }
    if (!progress.Step(0, count))
        return false;

    const TFsResult written = WriteDeviceAtomically(fileName, [&](QIODevice& device) {
        QPdfWriter writer(&device);
        writer.setTitle(options.Title);
        writer.setCreator(ProgramCreator);
        writer.setResolution(PdfResolution);
        writer.setDocumentXmpMetadata(xmp);
        for (const TBatchFileData& file : attachments)
            writer.addFileAttachment(file.Name, file.Bytes, QStringLiteral("application/xml"));
        if (count > 0)
            writer.setPageLayout(PdfPageLayout(sizes.front()));
        QPainter painter;
        if (!painter.begin(&writer))
            throw EBramblexError(Tr("Cannot start the PDF document."));
        // The document is ended in every case; a failed one is thrown away.
        struct TEnd {
            QPainter& Painter;
            ~TEnd() {
                if (Painter.isActive())
                    Painter.end();
            }
        } end{painter};
        for (int i = 0; i < count; ++i) {
            if (i > 0) {
                writer.setPageLayout(PdfPageLayout(sizes[static_cast<size_t>(i)]));
                writer.newPage();
            }
            DrawPageOn(*report.Page(i), painter, QRect(0, 0, writer.width(), writer.height()), charts);
            if (!progress.Step(i + 1, count))
                return false;
        }
        return painter.end();
    });
    if (progress.Cancelled())
        return false;
    if (!written)
        throw EFileError(WithReason(
            Tr("Cannot write the PDF file \"%1\".").arg(QDir::toNativeSeparators(fileName)), written));
    if (options.OpenAfterWriting) {
        const TFsResult opened = OpenWithDesktop(fileName);
        if (!opened)
            throw EBramblexError(WithReason(Tr("The PDF file \"%1\" was written, but could not be opened.")
                                                .arg(QDir::toNativeSeparators(fileName)),
                                            opened));
    }
    return true;
}

// ---------------------------------------------------------------------------
// JPEG

QImage RenderPageForJpeg(TPage& page, TChartPainter* charts) {
    const QSize points = PagePointSize(page);
    QSize pixels;
    if (points.height() < points.width())
        pixels = {JpegLongerSide,
                  PixelsAtLeastOne(double(JpegLongerSide) / points.width() * points.height())};
    else
        pixels = {PixelsAtLeastOne(double(JpegLongerSide) / points.height() * points.width()),
                  JpegLongerSide};
    QImage image(pixels, QImage::Format_RGB32);
    image.fill(Qt::white);
    SetResolution(image, pixels.width() / (points.width() / 72.0));
    QPainter painter(&image);
    DrawPageOn(page, painter, QRect(QPoint(0, 0), pixels), charts);
    painter.end();
    return image;
}

bool SaveAsJpeg(TReport& report, const QString& baseName, QStringList& fileNames, TChartPainter* charts,
                TJobProgress& progress) {
    report.RenumberPages();
    fileNames.clear();
    const int count = report.PageCount();
    if (!progress.Step(0, count))
        return false;
    for (int i = 0; i < count; ++i) {
        const QString name = QStringLiteral("%1_%2.jpg").arg(baseName).arg(i + 1);
        const QImage image = RenderPageForJpeg(*report.Page(i), charts);
        const QByteArray bytes = EncodeJpeg(image, JpegQuality);
        const QString message = Tr("Cannot write the JPEG file \"%1\".").arg(QDir::toNativeSeparators(name));
        if (bytes.isEmpty())
            throw EBramblexError(WithReason(message, Tr("The JPEG encoder failed.")));
        const TFsResult written = TryWriteFileAtomically(name, bytes);
        if (!written)
            throw EFileError(WithReason(message, written));
        fileNames << name;
        if (!progress.Step(i + 1, count))
            return false;
    }
    return true;
}

// ---------------------------------------------------------------------------
// Thumbnails

void DrawPageThumbnail(TPage& page, int quality, QImage& image, QImage& mask, TChartPainter* charts,
                       const QColor& background) {
    const QSize size = image.isNull() ? QSize(64, 64) : image.size();
    image = QImage(size, QImage::Format_RGB888);
    mask = QImage(size, QImage::Format_RGB888);
    image.fill(background);
    mask.fill(background);
    if (quality == ThumbnailNone)
        return;

    QImage big(size * ThumbnailOversampling, QImage::Format_RGB888);
    big.fill(background);
    const int bigW = big.width();
    const int bigH = big.height();
    const int hw = bigW / 2;
    const int hh = bigH / 2;
    const double pageW = page.PageWidth();
    const double pageH = page.PageHeight();
    if (pageW <= 0.0 || pageH <= 0.0)
        return; // nothing to show of a page without area
    const auto hFit = RoundHalfUp(pageH * hw / pageW);
    const auto wFit = RoundHalfUp(pageW * hh / pageH);
    int pw = 0, ph = 0;
    if (bigW > hFit) {
        pw = hw;
        ph = static_cast<int>(hFit);
    } else {
        pw = static_cast<int>(wFit);
        ph = hh;
    }
    const QRect pageRect(QPoint(bigW / 2 - pw / 2, bigH / 2 - ph / 2),
                         QPoint(bigW / 2 + pw / 2 - 1, bigH / 2 + ph / 2 - 1));
    {
        QPainter painter(&big);
        DrawPageOn(page, painter, pageRect, charts);
    }

    if (quality == ThumbnailHighQuality) {
        for (int y = 0; y < size.height(); ++y) {
            uchar* out = image.scanLine(y);
            for (int x = 0; x < size.width(); ++x) {
                int sum[3] = {0, 0, 0};
                for (int dy = 0; dy < ThumbnailOversampling; ++dy) {
                    const uchar* in =
                        big.constScanLine(y * ThumbnailOversampling + dy) + 3 * x * ThumbnailOversampling;
                    for (int dx = 0; dx < ThumbnailOversampling; ++dx)
                        for (int c = 0; c < 3; ++c)
                            sum[c] += in[3 * dx + c];
                }
                for (int c = 0; c < 3; ++c)
                    out[3 * x + c] = static_cast<uchar>(sum[c] >> 4);
            }
        }
    } else {
        image = big.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    }

    // The frame covers the page's pixels from its left/top edge up to, not including,
    // its right/bottom edge, as the page rectangle does.
    const int left = pageRect.left() / ThumbnailOversampling;
    const int top = pageRect.top() / ThumbnailOversampling;
    const int right = (pageRect.left() + pageRect.width()) / ThumbnailOversampling;
    const int bottom = (pageRect.top() + pageRect.height()) / ThumbnailOversampling;
    const QRect frame(left, top, right - left, bottom - top);
    if (frame.isEmpty())
        return;
    QPainter painter(&image);
    painter.fillRect(QRect(frame.left(), frame.top(), frame.width(), 1), Qt::black);
    painter.fillRect(QRect(frame.left(), frame.bottom(), frame.width(), 1), Qt::black);
    painter.fillRect(QRect(frame.left(), frame.top(), 1, frame.height()), Qt::black);
    painter.fillRect(QRect(frame.right(), frame.top(), 1, frame.height()), Qt::black);
    painter.end();
    mask.fill(background);
    QPainter maskPainter(&mask);
    maskPainter.fillRect(frame, Qt::black);
}

// ---------------------------------------------------------------------------
// The page as a picture

TPagePicture RenderPagePicture(TReport& report, int index, TChartPainter* charts) {
    report.RenumberPages();
    TPage& page = *report.Page(index);
    const auto widthMM = RoundHalfUp(page.PageWidth());
    const auto heightMM = RoundHalfUp(page.PageHeight());
    if (widthMM <= 0 || heightMM <= 0 || widthMM > 10000 || heightMM > 10000)
        throw EBramblexError(Tr("Page %1 has no size that can be written: it is %2 mm wide and %3 mm high.")
                                 .arg(page.PageNumber)
                                 .arg(page.PageWidth())
                                 .arg(page.PageHeight()));
    TPagePicture picture;
    picture.SizeMM = QSizeF(double(widthMM), double(heightMM));

    const QSize svgPixels(static_cast<int>(widthMM) * SvgPixelsPerMM,
                          static_cast<int>(heightMM) * SvgPixelsPerMM);
    QBuffer buffer(&picture.Svg);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(svgPixels);
    generator.setViewBox(QRect(QPoint(0, 0), svgPixels));
    generator.setResolution(qRound(SvgPixelsPerMM * 25.4));
    generator.setTitle(report.Name);
    {
        QPainter painter(&generator);
        DrawPageOn(page, painter, QRect(QPoint(0, 0), svgPixels), charts);
    }

    double screenDpi = 96.0;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) && QGuiApplication::primaryScreen())
        screenDpi = QGuiApplication::primaryScreen()->logicalDotsPerInch();
    const QSize pngPixels(PixelsAtLeastOne(widthMM / 25.4 * screenDpi),
                          PixelsAtLeastOne(heightMM / 25.4 * screenDpi));
    picture.Png = QImage(pngPixels, QImage::Format_RGB32);
    picture.Png.fill(Qt::white);
    SetResolution(picture.Png, screenDpi);
    {
        QPainter painter(&picture.Png);
        DrawPageOn(page, painter, QRect(QPoint(0, 0), pngPixels), charts);
    }
    return picture;
}

void CopyPageToClipboard(TReport& report, int index, TChartPainter* charts) {
    const TPagePicture picture = RenderPagePicture(report, index, charts);
    PutPictureOnClipboard(picture.Svg, picture.Png);
}
