#include "platform/Clipboard.h"

#include "core/Error.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QThread>
#include <QtEndian>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdlib>
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

QString SharedClipboardUnavailableReason() {
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        return Tr("The program runs without a display (Qt platform \"offscreen\"): no other program can "
                  "read its clipboard.");
    if (SystemClipboard() == nullptr)
        return Tr("The program has no clipboard.");
    return {};
}

bool OwnsClipboard() {
    QClipboard* clipboard = SystemClipboard();
    return clipboard != nullptr && clipboard->ownsClipboard();
}

bool ClipboardManagerRunning() {
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    auto* x11 = app ? app->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (connection == nullptr)
        return false;
    static const char name[] = "CLIPBOARD_MANAGER";
    const xcb_intern_atom_cookie_t atomCookie = xcb_intern_atom(connection, 1, sizeof name - 1, name);
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(connection, atomCookie, nullptr);
    if (atom == nullptr)
        return false;
    const xcb_atom_t manager = atom->atom;
    std::free(atom);
    if (manager == XCB_ATOM_NONE)
        return false;
    xcb_get_selection_owner_reply_t* owner =
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, manager), nullptr);
    const bool running = owner != nullptr && owner->owner != XCB_WINDOW_NONE;
    std::free(owner);
    return running;
}
