#pragma once

// The desktop's icon for a file, by its type (from its name and, failing that, its
// content), from the icon theme. A null icon when the theme has none for the type.

#include <QIcon>
#include <QString>

QIcon FileTypeIcon(const QString& path);
// The type's description for people ("PNG image", "plain text document").
QString FileTypeDescription(const QString& path);
