#include "platform/Registry.h"

#include "core/Error.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

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
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSettings settings(path, QSettings::IniFormat);
    settings.setValue(Key(subkey, name), value);
    settings.sync();
    if (settings.status() != QSettings::NoError)
        throw EFileError(Tr("Cannot create file \"%1\". %2").arg(path, Tr("Access denied")));
}
