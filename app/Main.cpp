// bramblex: starts the application window on the storage tree of the user and the
// interface language (BRAMBLEX_STORAGE_ROOT, BRAMBLEX_CONFIG_DIR and
// BRAMBLEX_TEMPLATE_DIR override where the tree, the per-user values and the template
// tree are, as for bramblex-cli).

#include "core/Error.h"
#include "platform/InterfaceLanguage.h"
#include "platform/RuntimeFolder.h"
#include "services/StartupSwitches.h"
#include "ui/DialogService.h"
#include "ui/FormMain.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// Translations of the interface language, when the installation has them; without
// them the built-in English texts stay.
void LoadTranslations(QApplication& app) {
    const QLocale locale = LocaleFromLocaleID(InterfaceLocaleID());
    QLocale::setDefault(locale);
    auto* own = new QTranslator(&app);
    const QStringList folders{QCoreApplication::applicationDirPath() +
                                  QStringLiteral("/../share/bramblex/translations"),
                              QCoreApplication::applicationDirPath()};
    for (const QString& folder : folders) {
        if (own->load(locale, QStringLiteral("bramblex"), QStringLiteral("_"), folder)) {
            app.installTranslator(own);
            break;
        }
    }
    auto* qt = new QTranslator(&app);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(qt);
}

} // namespace

int main(int argc, char** argv) {
    UsePrivateRuntimeFolder();
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Korvane"));
    QApplication::setApplicationName(QStringLiteral("Bramblex"));
    QApplication::setApplicationDisplayName(Tr("Korvane Bramblex"));
    QApplication::setApplicationVersion(QStringLiteral(BRAMBLEX_VERSION));

    const TStartupSwitches switches = ParseStartupSwitches(QCoreApplication::arguments().mid(1));
    // Registration of the automation service belongs to that service; the program
    // does nothing else when asked for it.
    if (switches.RegisterServer || switches.UnregisterServer)
        return 0;

    LoadTranslations(app);

    TQtDialogService dialogs;
    TFormMain main(dialogs);
    if (!main.Create())
        return 1;
    if (switches.Automation)
        main.BuildInterface();
    else
        main.show();
    return app.exec();
}
