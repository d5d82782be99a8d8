#include "platform/DesktopOpen.h"

#include <QProcess>

TFsResult OpenWithDesktop(const QString& path) {
    // Detached: a viewer may live far longer than the command that opened it.
    QProcess opener;
    opener.setProgram(QStringLiteral("xdg-open"));
    opener.setArguments({path});
    opener.setStandardInputFile(QProcess::nullDevice());
    if (!opener.startDetached())
        return TFsResult::Failed(opener.errorString());
    return {};
}
