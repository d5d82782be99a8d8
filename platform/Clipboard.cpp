#include "platform/Clipboard.h"

#include "core/Error.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QThread>
#include <QtEndian>

#include <memory>

QString ClipboardMimeType(const QString& format) {
    return QStringLiteral("application/x-qt-windows-mime;value=\"%1\"").arg(format);
}

QByteArray PackClipboardBlock(const QByteArray& data) {
    QByteArray block(4, '\0');
    qToLittleEndian<quint32>(static_cast<quint32>(data.size()), block.data());
    block += data;
    return block;
}

QByteArray UnpackClipboardBlock(const QByteArray& block) {
    if (block.size() < 4)
        return {};
    const quint32 length = qFromLittleEndian<quint32>(block.constData());
    if (length > static_cast<quint32>(block.size() - 4))
        return {};
    return block.mid(4, static_cast<qsizetype>(length));
}

namespace {

QClipboard* SystemClipboard() {
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (app == nullptr || QThread::currentThread() != app->thread())
        return nullptr;
    return QGuiApplication::clipboard();
}

QClipboard& OpenedClipboard() {
    QClipboard* clipboard = SystemClipboard();
    if (clipboard == nullptr)
        throw EBramblexError(Tr("Cannot open clipboard"));
    return *clipboard;
}

// Opens on construction and closes on destruction, also when the work throws.
class TClipboardUse {
public:
    explicit TClipboardUse(TfocClipboard& clipboard) : m_clipboard(clipboard) { m_clipboard.Open(); }
    ~TClipboardUse() { m_clipboard.Close(); }
    TClipboardUse(const TClipboardUse&) = delete;
    TClipboardUse& operator=(const TClipboardUse&) = delete;

private:
    TfocClipboard& m_clipboard;
};

} // namespace

TfocClipboard& TfocClipboard::Instance() {
    static TfocClipboard instance;
    return instance;
}

void TfocClipboard::Open() {
    OpenedClipboard();
    if (m_openCount++ == 0)
        m_emptyOnWrite = true;
}

void TfocClipboard::Close() {
    if (m_openCount > 0)
        --m_openCount;
}

void TfocClipboard::WriteStream(const QByteArray& stream, const QString& format) {
    TClipboardUse use(*this);
    QClipboard& clipboard = OpenedClipboard();
    auto data = std::make_unique<QMimeData>();
    if (!m_emptyOnWrite) {
        if (const QMimeData* current = clipboard.mimeData())
            for (const QString& type : current->formats())
                data->setData(type, current->data(type));
    }
    m_emptyOnWrite = false;
    data->setData(ClipboardMimeType(format), PackClipboardBlock(stream));
    clipboard.setMimeData(data.release());
}

void TfocClipboard::ReadStream(QByteArray& stream, const QString& format) {
    TClipboardUse use(*this);
    stream.clear();
    const QMimeData* data = OpenedClipboard().mimeData();
    const QString type = ClipboardMimeType(format);
    if (data != nullptr && data->hasFormat(type))
        stream = UnpackClipboardBlock(data->data(type));
}

bool TfocClipboard::HasFormat(const QString& format) {
    TClipboardUse use(*this);
    const QMimeData* data = OpenedClipboard().mimeData();
    return data != nullptr && data->hasFormat(ClipboardMimeType(format));
}

void TfocClipboard::Clear() {
    TClipboardUse use(*this);
    OpenedClipboard().clear();
    m_emptyOnWrite = false;
}

void PutPictureOnClipboard(const QByteArray& svg, const QImage& image) {
    QClipboard& clipboard = OpenedClipboard();
    auto* data = new QMimeData;
    data->setData(QStringLiteral("image/svg+xml"), svg);
    data->setImageData(image);
    clipboard.setMimeData(data);
}
