#include "platform/ShellFolders.h"

#include <QDir>
#include <QStandardPaths>

namespace {

QString WithSeparator(QString folder) {
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

} // namespace

QString DocumentsFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    return WithSeparator(folder);
}

QString UserTempFolder() {
    return WithSeparator(QDir::tempPath());
}
