#include "export/ExportCommands.h"

#include "core/Error.h"
#include "documents/SettingNames.h"
#include "documents/Settings.h"
#include "export/BatchExport.h"
#include "export/MxNativeExcel.h"

#include <QFileInfo>

TSaveFileRequest ExportSaveRequest(TExportKind kind) {
    TSaveFileRequest request;
    if (kind == TExportKind::Excel) {
        request.Title = Tr("Export to Excel");
        request.DefaultExtension = QStringLiteral("xls");
        request.Filter = Tr("Excel Files (*.xls)|*.xls|All Files (*.*)|*.*");
    } else {
        request.Title = Tr("Export to CSV");
        request.DefaultExtension = QStringLiteral("csv");
        request.Filter = Tr("CSV Files (*.csv)|*.csv|All Files (*.*)|*.*");
    }
    // "Name|pattern|Name|pattern" to Qt's "Name;;Name" (the names carry their patterns).
    const QStringList parts = request.Filter.split(u'|');
    QStringList names;
    for (qsizetype i = 0; i < parts.size(); i += 2)
        names << parts[i];
    request.NameFilters = names.join(QLatin1String(";;"));
    return request;
}

namespace {

// Where the last export of the kind went; its folder is the next one's first.
const TSettingName<QString>& ExportSetting(TExportKind kind) {
    return kind == TExportKind::Excel ? Setting::LastExcelExport : Setting::LastCSVExport;
}

} // namespace

QString ExportTargetFileName(TExportKind kind, const QString& chosen) {
    QString name = chosen;
    if (QFileInfo(name).suffix().isEmpty() && !name.endsWith(u'.'))
        name += kind == TExportKind::Excel ? QLatin1String(".xls") : QLatin1String(".csv");
    if (kind == TExportKind::Excel) {
        TmxNativeExcel naming;
        naming.SetFileName(name);
        name = naming.FileName();
    }
    return name;
}

QString TExportCommands::Run(TExportKind kind, TBatchItem& batch, TSettings& settings,
                             const TExportDialogs& dialogs) {
    TSaveFileRequest request = ExportSaveRequest(kind);
    QString& lastChosen = m_lastChosen[kind == TExportKind::Excel ? 0 : 1];
    TSettingsItem& setting = ExportSetting(kind).Item(settings);
    const QString last = setting.GetString();
    if (!last.isEmpty())
        request.InitialFolder = QFileInfo(last).absolutePath();
    if (!lastChosen.isEmpty())
        request.InitialName = QFileInfo(lastChosen).fileName();

    const std::optional<QString> chosen = dialogs.AskSaveFileName(request);
    if (!chosen || chosen->isEmpty())
        return QString();

    // The folder is remembered even when the operator declines to replace the file.
    QString name = *chosen;
    if (QFileInfo(name).suffix().isEmpty() && !name.endsWith(u'.'))
        name += u'.' + request.DefaultExtension;
    lastChosen = name;
    setting.SetString(name);

    // Ask about the file that will be written, which for Excel may differ from the
    // name typed (".txt" becomes ".XLS").
    const QString target = ExportTargetFileName(kind, name);
    if (QFileInfo::exists(target) && !dialogs.AskYesNo(Tr("Would you like to replace the existing file?")))
        return QString();

    if (kind == TExportKind::Excel)
        return ExportBatchToExcel(batch, target);
    ExportBatchToCsv(batch, target);
    return target;
}
