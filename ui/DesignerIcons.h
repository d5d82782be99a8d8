#pragma once

// The page designer's tool and command icons, drawn rather than shipped so they
// follow the palette and need no files.

#include <QIcon>
#include <QString>

// "save", "delete", "cut", "copy", "paste", "grid", "snap", "undo", "redo", "front",
// "back", "select", "shape", "memo", "graphic", "run", "measurements", "align-left",
// "align-right", "align-top", "align-bottom", "align-hcentre", "align-vcentre",
// "same-width", "same-height"; an empty icon for any other name.
QIcon DesignerIcon(const QString& name);
