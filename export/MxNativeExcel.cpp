#include "export/MxNativeExcel.h"

#include "export/CodePage.h"
#include "platform/AtomicFile.h"

#include <QFileInfo>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

namespace {

constexpr uint16_t RecordBlank = 0x0001;
constexpr uint16_t RecordInteger = 0x0002;
constexpr uint16_t RecordNumber = 0x0003;
constexpr uint16_t RecordLabel = 0x0004;
constexpr uint16_t RecordBoolErr = 0x0005;
constexpr uint16_t RecordEof = 0x000A;
constexpr uint16_t RecordHeader = 0x0014;
constexpr uint16_t RecordFooter = 0x0015;
constexpr uint16_t RecordColWidth = 0x0024;
constexpr uint16_t RecordFont = 0x0031;
constexpr uint16_t RecordCodePage = 0x0042;
constexpr uint16_t RecordDimensions = 0x0200;
constexpr uint16_t RecordBof = 0x0809;

constexpr int MaxFonts = 4;
constexpr int MaxTextLength = 255;

} // namespace

TmxNativeExcel::TmxNativeExcel() {
    Begin();
}

void TmxNativeExcel::Begin() {
    m_records.clear();
    m_fontCount = 0;
    m_finished = false;
    m_textLost = false;
    m_nonAscii.clear();

    StartRecord(RecordBof, 6);
    PutWord(0x0200);
    PutWord(0x0010); // worksheet
    PutWord(0);
    EndRecord();
    if (m_codePage != DefaultCodePage) {
        StartRecord(RecordCodePage, 2);
        PutWord(static_cast<uint16_t>(m_codePage));
        EndRecord();
    }
    StartRecord(RecordDimensions, 10);
    PutWord(0);
    PutWord(static_cast<uint16_t>(LastRow));
    PutWord(0);
    PutWord(static_cast<uint16_t>(LastColumn));
    PutWord(0);
    EndRecord();
}

void TmxNativeExcel::Finish() {
    StartRecord(RecordEof, 0);
    EndRecord();
    m_finished = true;
}

void TmxNativeExcel::SetFileName(const QString& path) {
    const QFileInfo info(path);
    const QString suffix = info.suffix();
    if (suffix.compare(QLatin1String("xls"), Qt::CaseInsensitive) == 0) {
        m_fileName = path;
        return;
    }
    // Replace the extension of the file name only; a dot in a folder name is no
    // extension, a trailing dot is an empty one ("report." becomes "report.XLS").
    const qsizetype nameStart = path.size() - info.fileName().size();
    const qsizetype dot = path.lastIndexOf('.');
    const bool hasExtension = dot >= nameStart;
    m_fileName = (hasExtension ? path.left(dot) : path) + QLatin1String(".XLS");
}

void TmxNativeExcel::Save() const {
    WriteFileAtomically(m_fileName, m_records);
}

void TmxNativeExcel::SetPageHeader(const QString& text) {
    const QByteArray bytes = Encode(text.left(MaxTextLength));
    StartRecord(RecordHeader, static_cast<uint16_t>(1 + bytes.size()));
    PutByte(static_cast<uint8_t>(bytes.size()));
    PutBytes(bytes);
    EndRecord();
}

void TmxNativeExcel::SetPageFooter(const QString& text) {
    const QByteArray bytes = Encode(text.left(MaxTextLength));
    StartRecord(RecordFooter, static_cast<uint16_t>(1 + bytes.size()));
    PutByte(static_cast<uint8_t>(bytes.size()));
    PutBytes(bytes);
    EndRecord();
}

bool TmxNativeExcel::AddFont(const TmxFontSpec& font) {
    if (m_fontCount >= MaxFonts)
        return false;
    const QByteArray name = Encode(font.Name.left(MaxTextLength));
    StartRecord(RecordFont, static_cast<uint16_t>(5 + name.size()));
    const double twips = std::clamp(std::round(font.Size * 20.0), 0.0, 65535.0);
    PutWord(static_cast<uint16_t>(twips));
    PutWord(static_cast<uint16_t>((font.Bold ? 1 : 0) | (font.Italic ? 2 : 0) | (font.Underline ? 4 : 0) |
                                  (font.StrikeOut ? 8 : 0)));
    PutByte(static_cast<uint8_t>(name.size()));
    PutBytes(name);
    EndRecord();
    ++m_fontCount;
    return true;
}

void TmxNativeExcel::SetActiveFont(int index) {
    // A cell pointing past the fonts actually written would name a font the file does
    // not have.
    if (index >= 0 && index < m_fontCount)
        m_activeFont = index;
}

void TmxNativeExcel::SetColumnWidths(int first, int last, double width) {
    if (first < 1 || last < first || last > LastColumn)
        return;
    StartRecord(RecordColWidth, 4);
    PutByte(static_cast<uint8_t>(first - 1));
    PutByte(static_cast<uint8_t>(last - 1));
    PutWord(static_cast<uint16_t>(std::clamp(std::round(width * 256.0), 0.0, 65535.0)));
    EndRecord();
}

void TmxNativeExcel::WriteText(int row, int column, const QString& text) {
    const QByteArray bytes = Encode(text.left(MaxTextLength));
    BeginCell(RecordLabel, static_cast<uint16_t>(8 + bytes.size()), row, column);
    PutByte(static_cast<uint8_t>(bytes.size()));
    PutBytes(bytes);
    EndRecord();
    AdvanceCursor();
}

void TmxNativeExcel::WriteNumber(int row, int column, double value) {
    BeginCell(RecordNumber, 15, row, column);
    const uint64_t bits = std::bit_cast<uint64_t>(value);
    for (int i = 0; i < 8; ++i)
        PutByte(static_cast<uint8_t>(bits >> (8 * i)));
    EndRecord();
    AdvanceCursor();
}

void TmxNativeExcel::WriteBlank(int row, int column) {
    BeginCell(RecordBlank, 7, row, column);
    EndRecord();
    AdvanceCursor();
}

void TmxNativeExcel::WriteInteger(int row, int column, uint16_t value) {
    BeginCell(RecordInteger, 9, row, column);
    PutWord(value);
    EndRecord();
    AdvanceCursor();
}

void TmxNativeExcel::WriteBoolean(int row, int column, bool value) {
    BeginCell(RecordBoolErr, 9, row, column);
    PutByte(value ? 1 : 0);
    PutByte(0); // a boolean, not an error
    EndRecord();
    AdvanceCursor();
}

void TmxNativeExcel::WriteError(int row, int column, uint8_t errorCode) {
    BeginCell(RecordBoolErr, 9, row, column);
    PutByte(errorCode);
    PutByte(1);
    EndRecord();
    AdvanceCursor();
}

bool TmxNativeExcel::SetCodePage(int codePage) {
    if (codePage <= 0 || codePage > 65535 || !IsCodePageAvailable(codePage))
        return false;
    m_codePage = codePage;
    return true;
}

void TmxNativeExcel::StartRecord(uint16_t id, uint16_t length) {
    // Records after EOF open a new stream rather than trailing the finished one.
    if (m_finished)
        Begin();
    m_staged.clear();
    PutWord(id);
    PutWord(length);
}

void TmxNativeExcel::EndRecord() {
    m_records.append(m_staged.data(), static_cast<qsizetype>(m_staged.size()));
    m_staged.clear();
}

void TmxNativeExcel::PutWord(uint16_t w) {
    m_staged.push_back(static_cast<char>(w & 0xFF));
    m_staged.push_back(static_cast<char>(w >> 8));
}

void TmxNativeExcel::PutByte(uint8_t b) {
    m_staged.push_back(static_cast<char>(b));
}

void TmxNativeExcel::PutBytes(const QByteArray& bytes) {
    m_staged.append(bytes.constData(), bytes.size());
}

void TmxNativeExcel::BeginCell(uint16_t id, uint16_t dataLength, int row, int column) {
    if (row >= 1 && row <= LastRow)
        m_row = row;
    if (column >= 1 && column <= LastColumn)
        m_column = column;
    StartRecord(id, dataLength);
    PutWord(static_cast<uint16_t>(m_row - 1));
    PutWord(static_cast<uint16_t>(m_column - 1));
    PutByte(static_cast<uint8_t>((Locked ? 0x40 : 0) | (Hidden ? 0x80 : 0)));
    PutByte(static_cast<uint8_t>((m_activeFont & 3) << 6));
    PutByte(0);
}

void TmxNativeExcel::AdvanceCursor() {
    if (m_column < LastColumn) {
        ++m_column;
        return;
    }
    m_column = 1;
    if (m_row < LastRow)
        ++m_row;
}

QByteArray TmxNativeExcel::Encode(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    if (!AppendCodePage(out, text, m_codePage))
        m_textLost = true;
    for (const QChar ch : text)
        if (ch.unicode() >= 0x80 && !m_nonAscii.contains(ch))
            m_nonAscii += ch;
    return out;
}
