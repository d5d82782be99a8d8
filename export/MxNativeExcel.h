#pragma once

// A single-worksheet Excel file written as one plain stream of BIFF2 records (no
// workbook container), the form every spreadsheet program still reads. Records are
// collected in memory in call order and written in one piece by Save.

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <string>

// A font as the FONT record holds it.
struct TmxFontSpec {
    QString Name;
    double Size = 10.0; // points
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
};

class TmxNativeExcel {
public:
    // Code page of the texts. 1252 writes no CODEPAGE record, so the stream stays the
    // plain one; any other single-byte Windows code page adds a CODEPAGE record after
    // BOF at the next Begin.
    static constexpr int DefaultCodePage = 1252;

    TmxNativeExcel(); // already holds BOF and DIMENSIONS

    // Clears the records and the font count and writes BOF (and CODEPAGE) and DIMENSIONS.
    void Begin();
    // Writes EOF. Any record written afterwards starts a new stream as Begin does.
    void Finish();
    bool IsFinished() const { return m_finished; }

    // A name whose extension is not ".xls" in any letter case gets ".XLS" instead.
    void SetFileName(const QString& path);
    const QString& FileName() const { return m_fileName; }
    // Writes the collected bytes to FileName atomically; raises EFileError.
    void Save() const;
    const QByteArray& Bytes() const { return m_records; }

    // Texts longer than 255 characters are cut to their first 255.
    void SetPageHeader(const QString& text);
    void SetPageFooter(const QString& text);

    // At most four fonts; a fifth one writes nothing. Returns whether it was added.
    bool AddFont(const TmxFontSpec& font);
    int FontCount() const { return m_fontCount; }
    // Ignored unless index names a font already added.
    void SetActiveFont(int index);
    int ActiveFont() const { return m_activeFont; }

    // Columns are 1-based; width in characters. Ignored for columns outside 1 to 256.
    void SetColumnWidths(int first, int last, double width);
    void SetColumnWidth(int column, double width) { SetColumnWidths(column, column, width); }

    // Cell records. A row or column of 0 or beyond the last one keeps the cursor's
    // value; after each cell the cursor moves one column right (wrapping to column 1
    // of the next row at the last column).
    void WriteText(int row, int column, const QString& text);
    void WriteNumber(int row, int column, double value);
    void WriteBlank(int row, int column);
    void WriteInteger(int row, int column, uint16_t value);
    void WriteBoolean(int row, int column, bool value);
    void WriteError(int row, int column, uint8_t errorCode); // 0x07 #DIV/0!, 0x2A #N/A, ...

    int Row() const { return m_row; }
    int Column() const { return m_column; }
    bool Locked = true;
    bool Hidden = false;

    static constexpr int LastRow = 65535;
    static constexpr int LastColumn = 256;

    // Takes effect at the next Begin. Only code pages for which the system has an
    // encoder are accepted; returns whether it was.
    bool SetCodePage(int codePage);
    int CodePage() const { return m_codePage; }
    // True when a text held a character the code page cannot hold (written as "?").
    bool TextLost() const { return m_textLost; }
    // Every non-ASCII character written so far, each once, in order of appearance.
    const QString& NonAsciiCharacters() const { return m_nonAscii; }

private:
    // A record is put together in m_staged and appended whole by EndRecord.
    void StartRecord(uint16_t id, uint16_t length);
    void EndRecord();
    void PutWord(uint16_t w);
    void PutByte(uint8_t b);
    void PutBytes(const QByteArray& bytes);
    void BeginCell(uint16_t id, uint16_t dataLength, int row, int column);
    void AdvanceCursor();
    QByteArray Encode(const QString& text);

    QString m_fileName;
    QByteArray m_records;
    std::string m_staged;
    bool m_finished = false;
    int m_row = 1;
    int m_column = 1;
    int m_fontCount = 0;
    int m_activeFont = 0;
    int m_codePage = DefaultCodePage;
    bool m_textLost = false;
    QString m_nonAscii;
};
