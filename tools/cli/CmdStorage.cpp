// bramblex-cli ls FOLDER: a folder as the folder list shows it, through its cache.
// bramblex-cli storage: where the storage tree and the template tree are.

#include "CliCommand.h"
#include "core/Error.h"
#include "documents/BatchItem.h"
#include "platform/FileSystem.h"
#include "platform/UserValues.h"
#include "storage/FileItem.h"
#include "storage/FileOperations.h"
#include "storage/StoragePaths.h"

#include <QFileInfo>

namespace {

const char* TypeName(uint8_t type) {
    switch (type) {
    case FileTypeFolder:
        return "folder";
    case FileTypeBatch:
        return "batch";
    case FileTypeTemplate:
        return "template";
    case FileTypeReport:
        return "report";
    default:
        return "file";
    }
}

int ListFolder(const QStringList& args) {
    if (args.size() != 1) {
        CliErr(Tr("usage: bramblex-cli ls FOLDER"));
        return 2;
    }
    const QFileInfo info(args.first());
    if (!info.isDir()) {
        CliErr(Tr("bramblex-cli ls: not a folder: %1").arg(args.first()));
        return 1;
    }
    const QString folder = IncludeTrailingSeparator(info.absoluteFilePath());
    TFileList list;
    list.Refresh(folder);
    // Every row is shown, so every entry gets what its row needs.
    list.LoadRange(0, list.Count() - 1);
    const int read = list.LoadedBatchCount();

    for (const auto& item : list) {
        QString name = item->FileName();
        QString modified;
        if (item->FileType == FileTypeBatch) {
            if (item->Batch && !item->Batch->FileTitle.isEmpty())
                name = item->Batch->FileTitle;
            if (item->LoadState != LoadStateNone)
                modified = UnpackDosDateTime(item->FileModifiedTime).toString("yyyy-MM-dd HH:mm:ss");
        }
        CliOut(QStringLiteral("%1\t%2\t%3").arg(QLatin1String(TypeName(item->FileType)), name, modified));
        CliWarnDamaged(item->LoadWarning());
    }
    CliOut(QStringLiteral("# %1 entries, %2 batch files read").arg(list.Count()).arg(read));
    return 0;
}

int ShowStorage(const QStringList& args) {
    if (!args.isEmpty()) {
        CliErr(Tr("usage: bramblex-cli storage"));
        return 2;
    }
    // As at program start: a new root is created and seeded from the template tree.
    PrepareStorage();
    const QString templates = TemplateFolder();
    CliOut(QStringLiteral("root\t%1").arg(StorageRoot()));
    CliOut(QStringLiteral("local\t%1").arg(LocalFolder()));
    CliOut(QStringLiteral("reports\t%1").arg(ReportsFolder()));
    CliOut(QStringLiteral("settings\t%1").arg(SettingsFolder()));
    CliOut(QStringLiteral("templates\t%1").arg(TemplatesFolder()));
    CliOut(
        QStringLiteral("template tree\t%1").arg(templates.isEmpty() ? QStringLiteral("(none)") : templates));
    CliOut(QStringLiteral("value\t%1 in %2").arg(StorageRootValueName(), UserValuesFilePath()));
    return 0;
}

CliRegistrar regLs{
    {"ls", "FOLDER",
     QT_TRANSLATE_NOOP("Bramblex",
                       "list a folder as the folder list does, through and updating its cache.epc"),
     ListFolder}};
CliRegistrar regStorage{
    {"storage", "",
     QT_TRANSLATE_NOOP("Bramblex",
                       "prepare the storage tree as the program does at start, then print its root, four "
                       "folders and template tree"),
     ShowStorage}};

} // namespace
