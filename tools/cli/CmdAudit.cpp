// bramblex-cli audit show BATCH [--json]: the records of a batch's audit trail.
// bramblex-cli audit verify PATH...: whether batches (or every batch under folders) are
// as their trails last recorded them.
// bramblex-cli sign BATCH --meaning performed|reviewed|approved: an electronic signature.

#include "CliCommand.h"

#include "audit/AuditTrail.h"
#include "audit/Signing.h"
#include "core/Error.h"
#include "platform/PasswordCheck.h"
#include "storage/FileItem.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

#include <cstdio>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace {

int Show(const QStringList& args) {
    const bool json = args.contains(QStringLiteral("--json"));
    QStringList paths = args;
    paths.removeAll(QStringLiteral("--json"));
    if (paths.size() != 1) {
        CliErr(Tr("usage: bramblex-cli audit show BATCH [--json]"));
        return 2;
    }
    const QString path = QFileInfo(paths.first()).absoluteFilePath();
    if (!QFileInfo(path).isFile()) {
        CliErr(Tr("%1: no such batch").arg(paths.first()));
        return 1;
    }
    const TAuditVerdict verdict = VerifyAuditTrail(path);
    if (json) {
        QJsonArray records;
        for (const TAuditRecord& r : verdict.Trail.Records)
            records.append(r.ToShowJson());
        const QJsonObject out{{QStringLiteral("file"), path},
                              {QStringLiteral("status"), AuditStatusName(verdict.Status)},
                              {QStringLiteral("records"), records}};
        CliOut(QString::fromUtf8(QJsonDocument(out).toJson(QJsonDocument::Indented)).trimmed());
        return 0;
    }
    CliOut(QStringLiteral("%1: %2").arg(path, AuditVerdictText(verdict)));
    int number = 0;
    for (const TAuditRecord& r : verdict.Trail.Records) {
        QString line = QStringLiteral("%1  %2  %3 (%4) on %5, Bramblex %6  %7")
                           .arg(++number, 3)
                           .arg(r.LocalTimeText(), r.FullName, r.Login, r.Host, r.Version, r.Action);
        if (!r.Details.isEmpty())
            line += QStringLiteral(": ") + r.Details;
        if (!r.Reason.isEmpty())
            line += QStringLiteral("  reason: ") + r.Reason;
        CliOut(line);
    }
    return 0;
}

// Every batch under path (a batch itself, or a folder searched through).
QStringList BatchesUnder(const QString& path) {
    if (!QFileInfo(path).isDir())
        return {QFileInfo(path).absoluteFilePath()};
    QStringList found;
    QDirIterator it(path, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        if (FileTypeOfName(file) == FileTypeBatch && !IsAuditTrailName(QFileInfo(file).fileName()))
            found << QFileInfo(file).absoluteFilePath();
    }
    found.sort();
    return found;
}

int Verify(const QStringList& args) {
    if (args.isEmpty()) {
        CliErr(Tr("usage: bramblex-cli audit verify PATH..."));
        return 2;
    }
    int status = 0;
    for (const QString& arg : args) {
        if (!QFileInfo::exists(arg)) {
            CliErr(Tr("%1: no such file or folder").arg(arg));
            status = 1;
            continue;
        }
        for (const QString& batch : BatchesUnder(arg)) {
            try {
                const TAuditVerdict verdict = VerifyAuditTrail(batch);
                CliOut(QStringLiteral("%1: %2").arg(batch, AuditVerdictText(verdict)));
                if (verdict.Status == TAuditStatus::ChangedOutside || verdict.Status == TAuditStatus::Broken)
                    status = 1;
            } catch (const EBramblexError& e) {
                CliErr(Tr("%1: %2").arg(batch, e.Message()));
                status = 1;
            }
        }
    }
    return status;
}

int Audit(const QStringList& args) {
    const QString sub = args.value(0);
    if (sub == QLatin1String("show"))
        return Show(args.mid(1));
    if (sub == QLatin1String("verify"))
        return Verify(args.mid(1));
    CliErr(Tr("usage: bramblex-cli audit show BATCH [--json] | audit verify PATH..."));
    return 2;
}

// One line from the terminal without echo, or from standard input as it comes.
QString ReadPassword(bool fromStdin) {
    const bool tty = !fromStdin && ::isatty(STDIN_FILENO);
    termios saved{};
    if (tty) {
        std::fputs("Password: ", stderr);
        std::fflush(stderr);
        ::tcgetattr(STDIN_FILENO, &saved);
        termios quiet = saved;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    }
    std::string line;
    for (int c = std::getchar(); c != EOF && c != '\n'; c = std::getchar())
        line.push_back(static_cast<char>(c));
    if (tty) {
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
        std::fputc('\n', stderr);
    }
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    const QString password = QString::fromLocal8Bit(line.data(), static_cast<qsizetype>(line.size()));
    std::fill(line.begin(), line.end(), '\0');
    return password;
}

int Sign(const QStringList& args) {
    QString batch, meaningName, comment;
    bool fromStdin = false;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--meaning") && i + 1 < args.size())
            meaningName = args[++i];
        else if (args[i] == QLatin1String("--comment") && i + 1 < args.size())
            comment = args[++i];
        else if (args[i] == QLatin1String("--password-stdin"))
            fromStdin = true;
        else if (batch.isEmpty() && !args[i].startsWith(QLatin1String("--")))
            batch = args[i];
        else
            batch.clear(), i = static_cast<int>(args.size()); // anything else: usage
    }
    const std::optional<TSignatureMeaning> meaning = SignatureMeaningFromName(meaningName);
    if (batch.isEmpty() || !meaning) {
        CliErr(Tr("usage: bramblex-cli sign BATCH --meaning performed|reviewed|approved "
                  "[--comment TEXT] [--password-stdin]"));
        return 2;
    }
    const QString path = QFileInfo(batch).absoluteFilePath();
    if (!QFileInfo(path).isFile()) {
        CliErr(Tr("%1: no such batch").arg(batch));
        return 1;
    }
    TPamPasswordCheck pam;
    TSigningGuard guard(
        pam, [] { return QDateTime::currentDateTimeUtc(); }, SigningStateFile());
    const TAuditContext context = TAuditContext::System();
    const TSignResult result = guard.Sign(path, *meaning, comment, ReadPassword(fromStdin), context);
    if (result.Outcome != TSignOutcome::Signed) {
        CliErr(result.Message);
        return 1;
    }
    CliOut(QStringLiteral("%1: %2 %3 (%4)")
               .arg(path, SignatureMeaningText(*meaning), context.User.FullName, context.User.Login));
    return 0;
}

CliRegistrar audit{
    {"audit", "show BATCH [--json] | verify PATH...",
     QT_TRANSLATE_NOOP(
         "Bramblex",
         "the audit trail of a batch; whether batches (folders searched through) are as last recorded"),
     Audit}};
CliRegistrar sign{
    {"sign", "BATCH --meaning performed|reviewed|approved [--comment TEXT] [--password-stdin]",
     QT_TRANSLATE_NOOP("Bramblex", "signs a batch electronically after checking the user's password"), Sign}};

} // namespace
