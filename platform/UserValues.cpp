#include "platform/UserValues.h"

#include "core/Error.h"
#include "platform/AtomicFile.h"
#include "platform/FileSystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

QString UserValuesFilePath() {
    const QString overrideDir = qEnvironmentVariable("BRAMBLEX_CONFIG_DIR");
    if (!overrideDir.isEmpty())
        return QDir(overrideDir).filePath(QStringLiteral("Bramblex.conf"));
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Korvane/Bramblex.conf");
}

namespace {

QString Key(const QString& subkey, const QString& name) {
    return subkey.isEmpty() ? name : subkey + QLatin1Char('/') + name;
}

} // namespace

QVariant ReadUserValue(const QString& subkey, const QString& name) {
    const QString path = UserValuesFilePath();
    if (!QFileInfo::exists(path))
        return {};
    QSettings settings(path, QSettings::IniFormat);
    return settings.value(Key(subkey, name));
}

void WriteUserValue(const QString& subkey, const QString& name, const QVariant& value) {
    const QString path = UserValuesFilePath();
    const auto failed = [&path](const QString& reason) {
        return EFileError(Tr("Cannot create file \"%1\". %2").arg(path, reason));
    };
    // QSettings rewrites its file in place; the values are composed in a scratch copy
    // instead, so the user's file is replaced whole or not at all.
    QTemporaryDir scratch;
    if (!scratch.isValid())
        throw failed(scratch.errorString());
    const QString work = scratch.filePath(QStringLiteral("Bramblex.conf"));
    if (EntryExists(path)) {
        QByteArray current;
        if (const TFsResult read = TryReadWholeFile(path, current); !read)
            throw failed(read.Reason());
        if (const TFsResult copied = TryWriteFileAtomically(work, current); !copied)
            throw failed(copied.Reason());
    }
    {
        QSettings settings(work, QSettings::IniFormat);
        settings.setValue(Key(subkey, name), value);
        settings.sync();
        if (settings.status() == QSettings::FormatError)
            throw failed(Tr("The file does not hold settings in the expected form."));
        if (settings.status() != QSettings::NoError) {
            // QSettings keeps the system's reason to itself; writing the file again
            // ourselves brings it out.
            QFile probe(work);
            throw failed(probe.open(QIODevice::Append) ? Tr("Access denied") : probe.errorString());
        }
    }
    if (const TFsResult made = MakeFolders(QFileInfo(path).absolutePath()); !made)
        throw failed(made.Reason());
    if (const TFsResult written = TryWriteFileAtomically(path, ReadWholeFile(work)); !written)
        throw failed(written.Reason());
}
