#pragma once

// A batch or report read from a damaged file holds only the part that could be read:
// written over that file it would lose the rest for good. Every save of a batch or a
// report asks here first, so no writer can do that by mistake; a copy under another
// name (a repaired copy) is always written.

#include <QString>

#include <cstdint>

class TDamagedSource {
public:
    // Remembers the file at path as the one that was read in part.
    void Note(const QString& path);
    // Raises EFileError with RefusalMessage(loadWarning) when loadWarning is not empty
    // and target is the file noted: by its path, or by the file itself (through a link,
    // or after it was renamed). A damaged document that noted no file is written
    // nowhere.
    void RefuseOverwrite(const QString& loadWarning, const QString& target) const;

    // What every front end tells the operator when it will not write over a damaged
    // file: its load warning and the way out.
    static QString RefusalMessage(const QString& loadWarning);

private:
    QString m_path;
    // The file's identity when it was read (device and inode; 0 when unknown).
    uint64_t m_device = 0;
    uint64_t m_inode = 0;
};
