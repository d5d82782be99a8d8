#include "automation/AutomationRegistration.h"

#include "automation/AutomationNames.h"
#include "core/Error.h"
#include "platform/AtomicFile.h"
#include "platform/FileSystem.h"
#include "platform/FsResult.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace {

// The bus reads Exec like a shell: a path with other characters goes in single quotes,
// in which nothing is special but the quote itself.
QString QuotedWord(const QString& word) {
    static const QString plain = QStringLiteral("/._+-,:=@");
    bool safe = !word.isEmpty();
    for (QChar c : word)
        safe = safe && ((c.unicode() < 128 && c.isLetterOrNumber()) || plain.contains(c));
    if (safe)
        return word;
    QString quoted = word;
    quoted.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

// The first word of a shell-like line.
QString FirstWord(const QString& line) {
    QString word;
    bool started = false;
    QChar quote;
    for (int i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            else if (quote == QLatin1Char('"') && c == QLatin1Char('\\') && i + 1 < line.size())
                word += line[++i];
            else
                word += c;
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            quote = c;
            started = true;
        } else if (c == QLatin1Char('\\') && i + 1 < line.size()) {
            word += line[++i];
            started = true;
        } else if (c.isSpace()) {
            if (started)
                break;
        } else {
            word += c;
            started = true;
        }
    }
    return word;
}

} // namespace

QString ActivationFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/dbus-1/services/%1.service").arg(QLatin1String(AutomationBusName));
}

QByteArray ActivationFileContent(const QString& program) {
    return QStringLiteral("[D-BUS Service]\nName=%1\nExec=%2 -automation\n")
        .arg(QLatin1String(AutomationBusName), QuotedWord(program))
        .toUtf8();
}

QString ActivationFileProgram(const QByteArray& content) {
    for (const QString& line : QString::fromUtf8(content).split(QLatin1Char('\n'))) {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(QLatin1String("Exec=")))
            return FirstWord(trimmed.mid(5));
    }
    return {};
}

void RegisterActivation(const QString& program) {
    const QString path = ActivationFilePath();
    const QString folder = QFileInfo(path).path();
    const TFsResult made = MakeFolders(folder);
    if (!made)
        throw EFileError(WithReason(Tr("Cannot create folder \"%1\".").arg(folder), made));
    WriteFileAtomically(path, ActivationFileContent(program));
}

void UnregisterActivation() {
    const QString path = ActivationFilePath();
    if (!EntryExists(path))
        return;
    const TFsResult removed = RemoveFileEntry(path);
    if (!removed)
        throw EFileError(WithReason(Tr("Cannot delete file \"%1\".").arg(path), removed));
}

bool RefreshActivation(const QString& program) {
    QByteArray content;
    if (TryReadWholeFile(ActivationFilePath(), content)) {
        const QFileInfo named(ActivationFileProgram(content));
        if (named.isAbsolute() && named.isFile() && named.isExecutable())
            return false;
    }
    RegisterActivation(program);
    return true;
}
