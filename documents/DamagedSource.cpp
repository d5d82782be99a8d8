#include "documents/DamagedSource.h"

#include "core/Error.h"
#include "platform/FileSystem.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString CleanAbsolute(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

void TDamagedSource::Note(const QString& path) {
    m_path = CleanAbsolute(path);
    const TEntryId id = EntryId(path);
    m_device = id.Device;
    m_inode = id.Inode;
}

void TDamagedSource::RefuseOverwrite(const QString& loadWarning, const QString& target) const {
    if (loadWarning.isEmpty())
        return;
    // The path alone is not enough: the file may have been renamed since, or be reached
    // through a link; its identity alone neither: a file put in its place since (or a
    // deleted one) still stands where the operator believes the damaged file is.
    const bool same = m_path.isEmpty() || CleanAbsolute(target) == m_path ||
                      (m_inode != 0 && EntryId(target) == TEntryId{m_device, m_inode});
    if (same)
        throw EFileError(RefusalMessage(loadWarning));
}

QString TDamagedSource::RefusalMessage(const QString& loadWarning) {
    return loadWarning + QLatin1Char('\n') +
           Tr("It is not saved over; save a repaired copy under another name.");
}
