#include "platform/FileIcons.h"

#include <QMimeDatabase>

namespace {

// Without a desktop session Qt knows no icon theme; the desktop's standard one is the
// one Debian installs with GTK.
void EnsureIconTheme() {
    static bool checked = false;
    if (checked)
        return;
    checked = true;
    if (QIcon::themeName().isEmpty() || QIcon::themeName() == QLatin1String("hicolor"))
        QIcon::setThemeName(QStringLiteral("Adwaita"));
}

} // namespace

QIcon FileTypeIcon(const QString& path) {
    EnsureIconTheme();
    const QMimeType type = QMimeDatabase().mimeTypeForFile(path);
    QIcon icon = QIcon::fromTheme(type.iconName());
    if (icon.isNull())
        icon = QIcon::fromTheme(type.genericIconName());
    if (icon.isNull())
        icon = QIcon::fromTheme(QStringLiteral("text-x-generic"));
    return icon;
}

QString FileTypeDescription(const QString& path) {
    return QMimeDatabase().mimeTypeForFile(path).comment();
}
