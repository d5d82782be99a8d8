#pragma once

// The main window's "Excel" and "CSV" commands without their windows: the window
// hands in its save dialog and its Yes/No box, so the flow (remembered folders, the
// replace question, the settings "LastExcelExport" and "LastCSVExport") stays here.

#include <QString>

#include <functional>
#include <optional>

class TBatchItem;
class TSettings;

enum class TExportKind { Excel, Csv };

// What the save dialog shows. The dialog asks no overwrite question of its own.
struct TSaveFileRequest {
    QString Title;            // "Export to Excel" / "Export to CSV"
    QString DefaultExtension; // "xls" / "csv", without the dot
    QString Filter;           // "Excel Files (*.xls)|*.xls|All Files (*.*)|*.*"
    QString NameFilters;      // the same for Qt dialogs: "Excel Files (*.xls);;All Files (*.*)"
    QString InitialFolder;    // folder of the last file chosen for this export, or empty
    QString InitialName;      // file name chosen last during this program run, or empty
};

struct TExportDialogs {
    // The chosen full file name, or nullopt when the operator cancelled.
    std::function<std::optional<QString>(const TSaveFileRequest&)> AskSaveFileName;
    // A Yes/No question with the confirmation icon; true for Yes.
    std::function<bool(const QString& question)> AskYesNo;
};

TSaveFileRequest ExportSaveRequest(TExportKind kind);

// The file an export writes for a name chosen in the dialog: the default extension
// appended when the name has none; for Excel, ".XLS" in place of any extension other
// than ".xls".
QString ExportTargetFileName(TExportKind kind, const QString& chosen);

// One per main window: remembers the names chosen during the program run.
class TExportCommands {
public:
    // Runs the export of batch (the selected folder-list entry) with the dialogs.
    // Returns the file written, or an empty text when the operator stopped. The chosen
    // name goes into the setting before the replace question. Errors of the export
    // and the file layer propagate (EBramblexError, EFileError).
    QString Run(TExportKind kind, TBatchItem& batch, TSettings& settings, const TExportDialogs& dialogs);

private:
    QString m_lastChosen[2];
};
