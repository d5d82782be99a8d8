#include "ui/FormViewOle.h"

#include "platform/FileIcons.h"
#include "platform/FileSystem.h"
#include "storage/FileOperations.h"
#include "ui/DialogService.h"

#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHideEvent>
#include <QImageReader>
#include <QLabel>
#include <QLocale>
#include <QMimeDatabase>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStringDecoder>
#include <QUrl>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace {

// The first lines of a text file, or nothing when it does not look like text: a
// NUL byte or bytes that are not UTF-8 (then read as the Windows code page of the
// program's own files).
bool ReadFirstLines(const QString& path, QString& text) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QByteArray bytes = file.read(TFormViewOle::MaxTextBytes);
    if (bytes.contains('\0'))
        return false;
    const QMimeType type = QMimeDatabase().mimeTypeForFileNameAndData(path, bytes);
    if (!type.inherits(QStringLiteral("text/plain")))
        return false;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    text = utf8.decode(bytes);
    if (utf8.hasError()) {
        QStringDecoder latin(QStringConverter::Latin1);
        text = latin.decode(bytes);
    }
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.size() > TFormViewOle::MaxLines)
        lines = lines.mid(0, TFormViewOle::MaxLines);
    for (QString& line : lines)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    text = lines.join(QLatin1Char('\n'));
    return true;
}

} // namespace

TFormViewOle::TFormViewOle(TDialogService& dialogs, QWidget* parent)
    : QWidget(parent), m_dialogs(dialogs), m_scroll(new QScrollArea(this)) {
    setObjectName(QStringLiteral("FormViewOle"));
    setAccessibleName(tr("Document viewer"));
    m_scroll->setObjectName(QStringLiteral("ScrollBoxOle"));
    m_scroll->setAccessibleName(tr("Document"));
    m_scroll->setWidgetResizable(false);
    m_scroll->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_scroll->verticalScrollBar()->setSingleStep(8);
    m_scroll->horizontalScrollBar()->setSingleStep(8);
    m_scroll->viewport()->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scroll);
}

TFormViewOle::~TFormViewOle() = default;

QWidget* TFormViewOle::OleContainerView() const {
    return m_scroll->widget();
}

QString TFormViewOle::PreviewText() const {
    if (auto* edit = qobject_cast<QPlainTextEdit*>(m_scroll->widget()))
        return edit->toPlainText();
    return QString();
}

void TFormViewOle::Drop() {
    if (QWidget* old = m_scroll->takeWidget())
        old->deleteLater();
    m_path.clear();
    m_kind = TPreview::None;
}

void TFormViewOle::ShowFile(const QString& path) {
    const QString canonical = QFileInfo(path).canonicalFilePath();
    if (canonical.isEmpty() || canonical == m_path || !QFileInfo(canonical).isFile())
        return;
    Drop();
    m_path = canonical;

    QWidget* view = nullptr;
    QImageReader reader(canonical);
    reader.setAutoTransform(true);
    // Only what the picture readers recognise by content: a text file is no picture.
    reader.setDecideFormatFromContent(true);
    QImage image;
    if (reader.canRead() && reader.read(&image) && !image.isNull()) {
        auto* label = new QLabel;
        label->setPixmap(QPixmap::fromImage(image));
        label->resize(image.size());
        view = label;
        m_kind = TPreview::Picture;
    } else if (QString text; ReadFirstLines(canonical, text)) {
        auto* edit = new QPlainTextEdit;
        edit->setReadOnly(true);
        edit->setLineWrapMode(QPlainTextEdit::NoWrap);
        edit->setFrameShape(QFrame::NoFrame);
        edit->setPlainText(text);
        edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        // Sized to the document, so the scroll box scrolls it like any other preview.
        const QFontMetrics metrics(edit->font());
        int width = 0;
        const QStringList lines = text.split(QLatin1Char('\n'));
        for (const QString& line : lines)
            width = std::max(width, metrics.horizontalAdvance(line));
        edit->resize(width + 24, static_cast<int>(lines.size()) * metrics.lineSpacing() + 16);
        view = edit;
        m_kind = TPreview::Text;
    } else {
        auto* summary = new QWidget;
        auto* grid = new QGridLayout(summary);
        auto* icon = new QLabel(summary);
        icon->setObjectName(QStringLiteral("ImageFileIcon"));
        icon->setPixmap(FileTypeIcon(canonical).pixmap(48, 48));
        grid->addWidget(icon, 0, 0, 3, 1, Qt::AlignTop);
        const QFileInfo info(canonical);
        const QStringList rows{ExtractFileName(path), QLocale().formattedDataSize(info.size()),
                               FileTypeDescription(canonical)};
        for (int i = 0; i < rows.size(); ++i) {
            auto* label = new QLabel(rows[i], summary);
            label->setObjectName(QStringLiteral("LabelFileSummary%1").arg(i));
            label->setTextInteractionFlags(Qt::TextSelectableByMouse);
            grid->addWidget(label, i, 1);
        }
        summary->adjustSize();
        view = summary;
        m_kind = TPreview::Summary;
    }
    view->setObjectName(QStringLiteral("OleContainerView"));
    view->setAccessibleName(tr("Document"));
    view->installEventFilter(this);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(view))
        area->viewport()->installEventFilter(this);
    m_scroll->setWidget(view);
}

void TFormViewOle::Open() {
    if (!m_path.isEmpty() && EntryExists(m_path))
        m_dialogs.OpenUrl(this, QUrl::fromLocalFile(m_path));
}

void TFormViewOle::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    // Undocked, not merely minimised with the window.
    if (!event->spontaneous())
        Drop();
}

bool TFormViewOle::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && m_scroll->widget()) {
        Open();
        return true;
    }
    if (event->type() == QEvent::Wheel) {
        // A turn of the wheel moves the view one line step of the scroll box.
        auto* wheel = static_cast<QWheelEvent*>(event);
        QScrollBar* bar = m_scroll->verticalScrollBar();
        const int delta = wheel->angleDelta().y();
        if (delta != 0) {
            bar->setValue(
                std::clamp(bar->value() + (delta > 0 ? -1 : 1) * bar->singleStep(), 0, bar->maximum()));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
