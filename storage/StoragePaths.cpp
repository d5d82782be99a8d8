#include "storage/StoragePaths.h"

#include "core/Error.h"
#include "platform/FileSystem.h"
#include "platform/InterfaceLanguage.h"
#include "platform/ShellFolders.h"
#include "platform/UserValues.h"
#include "storage/FileOperations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const char* const kStorageRootVariable = "BRAMBLEX_STORAGE_ROOT";

QString AbsoluteFolder(const QString& path) {
    return IncludeTrailingSeparator(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
}

// The language whose tree is used when the interface language has none.
const QString kFallbackTag = QStringLiteral("ENU");

bool IsInside(const QString& path, const QString& folder) {
    return !folder.isEmpty() && IncludeTrailingSeparator(QDir::cleanPath(path))
                                    .startsWith(IncludeTrailingSeparator(QDir::cleanPath(folder)));
}

} // namespace

QString StorageRootValueName() {
    return QStringLiteral("ViscoMeterData") + InterfaceLanguageTag();
}

QString StorageRoot() {
    const QString session = qEnvironmentVariable(kStorageRootVariable);
    if (!session.isEmpty())
        return AbsoluteFolder(session);
    const QString recorded = ReadUserValue(QStringLiteral("Settings"), StorageRootValueName()).toString();
    if (!recorded.isEmpty())
        return IncludeTrailingSeparator(recorded);
    return DocumentsFolder() + Tr("My ViscoMeter Data") + QLatin1Char('/');
}

QString LocalFolder() {
    return StorageRoot() + QStringLiteral("Local/");
}

QString ReportsFolder() {
    return StorageRoot() + QStringLiteral("Reports/");
}

QString SettingsFolder() {
    return StorageRoot() + QStringLiteral("Settings/");
}

QString TemplatesFolder() {
    return StorageRoot() + QStringLiteral("Templates/");
}

QStringList TemplateFolderCandidates() {
    return TemplateFolderCandidates(InterfaceLanguageTag());
}

QStringList TemplateFolderCandidates(const QString& tag) {
    const QString relative = QStringLiteral("bramblex/Template/") + tag;
    QStringList candidates;
    const QString overrideDir = qEnvironmentVariable("BRAMBLEX_TEMPLATE_DIR");
    if (!overrideDir.isEmpty())
        candidates << AbsoluteFolder(IncludeTrailingSeparator(overrideDir) + tag);

    QStringList installed;
    QString appDir;
    // The tree installed beside the program comes first, so that a copy installed under
    // any prefix uses its own tree even when another installation is on the data path.
    if (QCoreApplication::instance() != nullptr) {
        appDir = QCoreApplication::applicationDirPath();
        installed << AbsoluteFolder(appDir + QStringLiteral("/../share/") + relative);
    }
    for (const QString& data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        installed << AbsoluteFolder(IncludeTrailingSeparator(data) + relative);
#ifdef BRAMBLEX_INSTALL_DATADIR
    installed << AbsoluteFolder(QStringLiteral(BRAMBLEX_INSTALL_DATADIR "/") + relative);
#endif
#ifdef BRAMBLEX_SOURCE_TEMPLATE_DIR
    const QString source = AbsoluteFolder(QStringLiteral(BRAMBLEX_SOURCE_TEMPLATE_DIR "/") + tag);
#ifdef BRAMBLEX_BUILD_DIR
    // A program run from the build tree uses the tree it was built from: the English
    // one of the sources, the others made by the build.
    if (IsInside(appDir, QStringLiteral(BRAMBLEX_BUILD_DIR)))
        candidates << source << AbsoluteFolder(QStringLiteral(BRAMBLEX_BUILD_DIR "/data/Template/") + tag);
#endif
    candidates << installed << source;
#else
    candidates << installed;
#endif
    candidates.removeDuplicates();
    return candidates;
}

QString TemplateFolder() {
    const QString tag = InterfaceLanguageTag();
    for (const QString& language : {tag, kFallbackTag})
        for (const QString& candidate : TemplateFolderCandidates(language))
            if (IsRealFolder(candidate) || QFileInfo(candidate).isDir())
                return candidate;
    return {};
}

QString InstalledDataFile(const QString& relative) {
    // Every candidate template folder is share/bramblex/Template/<tag>/ of some data
    // folder (or data/Template/<tag>/ of the source tree): two levels up is the data.
    for (const QString& candidate : TemplateFolderCandidates(kFallbackTag)) {
        const QString file = QDir::cleanPath(candidate + QStringLiteral("../../") + relative);
        if (QFileInfo(file).isFile())
            return file;
    }
    return {};
}

QString InstalledGuide() {
    // The guide in the interface language (help/<code>/Bramblex.html), else the English.
    const QString code = LocaleFromLocaleID(InterfaceLocaleID()).name().section(QLatin1Char('_'), 0, 0);
    if (code != QLatin1String("en"))
        if (const QString guide = InstalledDataFile(QStringLiteral("help/%1/Bramblex.html").arg(code));
            !guide.isEmpty())
            return guide;
    return InstalledDataFile(QStringLiteral("help/Bramblex.html"));
}

void PrepareStorage() {
    PrepareStorageAt(StorageRoot());
}

void PrepareStorageAt(const QString& rootFolder) {
    const QString root = IncludeTrailingSeparator(rootFolder);
    if (const TFsResult made = MakeFolders(root); !made)
        throw EBramblexError(WithReason(Tr("Unable to create directories"), made));
    const QString templates = TemplateFolder();
    if (templates.isEmpty())
        return;
    for (const char* name : {"Templates", "Reports", "Local", "Settings"}) {
        const QString target = root + QLatin1String(name);
        const QString source = templates + QLatin1String(name);
        if (PathExists(target) || !QFileInfo(source).isDir())
            continue;
        // Copied beside the target and renamed into place, so that a copy cut short
        // (a full disk, a crash) is redone at the next start instead of being taken
        // for a seeded folder.
        const QString staging = root + QStringLiteral(".seeding-") + QLatin1String(name);
        if (PathExists(staging))
            DeleteTree(staging);
        SeedTree(source, staging);
        if (const TFsResult renamed = RenameEntry(staging, target); !renamed) {
            DeleteTree(staging);
            throw EBramblexError(WithReason(Tr("Unable to create directories"), renamed));
        }
    }
}

void ChangeStorageRoot(const QString& path) {
    const QString root = AbsoluteFolder(path);
    // Prepared before it is recorded: a folder that cannot hold the tree never becomes
    // the root the next start would fail on.
    PrepareStorageAt(root);
    if (!qEnvironmentVariableIsEmpty(kStorageRootVariable))
        qputenv(kStorageRootVariable, QFile::encodeName(root));
    else
        WriteUserValue(QStringLiteral("Settings"), StorageRootValueName(), root);
}
