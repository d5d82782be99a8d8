// bramblex: starts the application window on the storage tree of the user and the
// interface language (BRAMBLEX_STORAGE_ROOT, BRAMBLEX_CONFIG_DIR and
// BRAMBLEX_TEMPLATE_DIR override where the tree, the per-user values and the template
// tree are, as for bramblex-cli).

#include "automation/AutomationRegistration.h"
#include "automation/AutomationService.h"
#include "automation/BramblexInterface.h"
#include "charts/QCustomPlotChartPainter.h"
#include "core/Error.h"
#include "platform/Display.h"
#include "platform/InterfaceLanguage.h"
#include "platform/RuntimeFolder.h"
#include "services/StartupSwitches.h"
#include "ui/DialogService.h"
#include "ui/FormMain.h"

#include <QApplication>
#include <QDBusConnection>
#include <QTimer>

#include <cstdio>

namespace {

// A program started for an automation client has no one to answer a box: messages go
// to standard error, questions take their default answer, choosers are cancelled.
class TUnattendedDialogs : public TDialogService {
public:
    void Error(QWidget*, const QString& message) override { Print(message); }
    void Warning(QWidget*, const QString& message) override { Print(message); }
    void Information(QWidget*, const QString& message) override { Print(message); }
    QMessageBox::StandardButton Question(QWidget*, const QString&, const QString& text,
                                         QMessageBox::StandardButtons,
                                         QMessageBox::StandardButton defaultButton) override {
        Print(text);
        return defaultButton;
    }
    QString OpenFileName(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString SaveFileName(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString ExistingFolder(QWidget*, const QString&, const QString&) override { return {}; }
    void Beep() override {}

private:
    static void Print(const QString& text) { std::fputs(qPrintable(text + QLatin1Char('\n')), stderr); }
};

int Complain(const QString& message) {
    std::fputs(qPrintable(message + QLatin1Char('\n')), stderr);
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const TStartupSwitches switches = ParseStartupSwitches(arguments);
    // A client of a session without a display still gets its answers, and
    // registration needs none.
    if (switches.Automation || switches.RegisterServer || switches.UnregisterServer)
        UseOffscreenWithoutDisplay();
    UsePrivateRuntimeFolder();
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Korvane"));
    QApplication::setApplicationName(QStringLiteral("Bramblex"));
    InstallInterfaceTranslations(app);
    QApplication::setApplicationDisplayName(Tr("Korvane Bramblex"));
    QApplication::setApplicationVersion(QStringLiteral(BRAMBLEX_VERSION));
    // Docks and task switchers find the menu entry's name and icon through this (the
    // Wayland app id); without it they show a generic window.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.korvane.Bramblex"));

    const QString program = QCoreApplication::applicationFilePath();
    try {
        if (switches.RegisterServer) {
            RegisterActivation(program);
            return 0;
        }
        if (switches.UnregisterServer) {
            UnregisterActivation();
            return 0;
        }
        if (!switches.Automation)
            RefreshActivation(program);
    } catch (const EBramblexError& e) {
        // Asked for, registration says why it failed; a normal start goes on without.
        if (switches.RegisterServer || switches.UnregisterServer)
            return Complain(e.Message());
    }

    TQtDialogService windowDialogs;
    TUnattendedDialogs unattendedDialogs;
    TDialogService& dialogs =
        switches.Automation ? static_cast<TDialogService&>(unattendedDialogs) : windowDialogs;
    TFormMain main(dialogs);
    if (!main.Create())
        return 1;
    // Qt's own options are gone from the arguments by now, as they were when the run
    // looked for "-trace" itself.
    main.SetRunTracing(ParseStartupSwitches(QCoreApplication::arguments().mid(1)).Trace);
    if (switches.Automation) {
        main.BuildInterface();
    } else {
        main.show();
        // Files from the menu entry or a file manager, once start-up is done; Qt's own
        // options are gone from the arguments by now.
        const QStringList files = ParseStartupSwitches(QCoreApplication::arguments().mid(1)).Files;
        if (!files.isEmpty())
            QTimer::singleShot(0, &main, [&main, files] { main.OpenFiles(files); });
    }

    TQCustomPlotChartPainter charts;
    TBramblexInterface automationObject(&charts);
    TAutomationService automation(automationObject,
                                  switches.Automation ? TAutomationService::TStart::Automation
                                                      : TAutomationService::TStart::Normal,
                                  QDBusConnection::sessionBus());
    main.AutomationObjectCount = [&automation] { return automation.ObjectCount(); };
    QObject::connect(&automation, &TAutomationService::Finished, &app, &QCoreApplication::quit);
    const QString problem = automation.Start();
    // Without the bus a hidden program could never be reached; a window works on.
    if (!problem.isEmpty() && switches.Automation)
        return Complain(problem);
    return app.exec();
}
