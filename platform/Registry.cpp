#include "platform/Registry.h"

#include "core/Error.h"
#include "platform/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

QString RegistryFilePath() {
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

QVariant ReadRegistryValue(const QString& subkey, const QString& name) {
    const QString path = RegistryFilePath();
    if (!QFileInfo::exists(path))
        return {};
    QSettings settings(path, QSettings::IniFormat);
    return settings.value(Key(subkey, name));
}

void WriteRegistryValue(const QString& subkey, const QString& name, const QVariant& value) {
    const QString path = RegistryFilePath();
    const auto failed = [&]() {
        return EFileError(Tr("Cannot create file \"%1\". %2").arg(path, Tr("Access denied")));
    };
    // QSettings rewrites its file in place; the values are composed in a scratch copy
    // instead, so the user's file is replaced whole or not at all.
    QTemporaryDir scratch;
    if (!scratch.isValid())
        throw failed();
    const QString work = scratch.filePath(QStringLiteral("Bramblex.conf"));
    if (QFileInfo::exists(path) && !QFile::copy(path, work))
        throw failed();
    QFile::setPermissions(work, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    {
        QSettings settings(work, QSettings::IniFormat);
        settings.setValue(Key(subkey, name), value);
        settings.sync();
        if (settings.status() != QSettings::NoError)
            throw failed();
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    WriteFileAtomically(path, ReadWholeFile(work));
}
