#pragma once

// The system clipboard for the application's private formats. A block on the clipboard
// is the data's length as 4 bytes little-endian followed by the data, so that copies of
// the application on other systems exchange the same bytes.
//
// Formats are named as on Windows ("Tidemark ReportItem"); on the clipboard they travel
// under the MIME type Qt gives a Windows format of that name, so that Qt builds on all
// systems meet under one type.

#include <QByteArray>
#include <QImage>
#include <QString>

// Report pages and page items as an XML document.
inline constexpr const char* ReportItemClipboardFormat = "Tidemark ReportItem";

// 'application/x-qt-windows-mime;value="<format>"'.
QString ClipboardMimeType(const QString& format);

// One process-wide instance (Instance()), used on the GUI thread only. Nested Open and
// Close calls keep the clipboard "open"; the first write while it is open replaces
// whatever the clipboard held, later writes add formats to it.
class TfocClipboard {
public:
    static TfocClipboard& Instance();

    // Raise "Cannot open clipboard" when there is no clipboard (no GUI application).
    void Open();
    void Close();

    // Puts length + stream under format.
    void WriteStream(const QByteArray& stream, const QString& format);
    // The data after the length field when the clipboard holds format, else empty (also
    // when the block is shorter than its length field says).
    void ReadStream(QByteArray& stream, const QString& format);
    bool HasFormat(const QString& format);
    // Empties the clipboard (after a move of files, for instance).
    void Clear();

private:
    TfocClipboard() = default;

    int m_openCount = 0;
    bool m_emptyOnWrite = false;
};

// The bytes of a clipboard block: 4-byte little-endian length, then data.
QByteArray PackClipboardBlock(const QByteArray& data);
// The data of a block; empty for a block that is too short for its length field.
QByteArray UnpackClipboardBlock(const QByteArray& block);

// Replaces the clipboard's contents with a picture: the vector form as SVG
// ("image/svg+xml") and a rendering as an image. Raises "Cannot open clipboard".
void PutPictureOnClipboard(const QByteArray& svg, const QImage& image);

// Empty when other programs can read what this program puts on the clipboard;
// otherwise why they cannot (the program runs on Qt's offscreen platform, whose
// clipboard lives inside the process).
QString SharedClipboardUnavailableReason();
// True while this program holds the desktop's clipboard (what it copied last is still
// there and nobody else has copied since).
bool OwnsClipboard();
// True when the desktop runs a clipboard manager that takes over the clipboard's
// contents of a program that ends (X11's CLIPBOARD_MANAGER); Qt hands it over at exit.
bool ClipboardManagerRunning();
