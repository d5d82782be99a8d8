// bramblex-cli recover: the readings of a run that ended without saving them (a crash,
// a power cut, a killed program) taken from its journal into the batch file, as the
// window offers at its next start.

#include "CliCommand.h"
#include "core/Error.h"

#include "audit/AuditTrail.h"
#include "services/RunJournal.h"

#include <QFileInfo>

namespace {

int Recover(const QStringList& given) {
    QStringList args = given;
    const QString reason = CliTakeReason(args);
    if (args.size() != 1) {
        CliErr(Tr("usage: bramblex-cli recover [--reason TEXT] BATCH.epb"));
        return 2;
    }
    const QString path = QFileInfo(args[0]).absoluteFilePath();
    TOrphanJournal journal;
    if (!FindOrphanJournal(path, journal)) {
        CliOut(QStringLiteral("No journal of %1 is left behind.").arg(path));
        return 0;
    }
    const int added = RecoverJournal(journal, CliAuditRecorder(reason));
    CliOut(QStringLiteral("%1 of the journal's %2 reading(s) recovered into %3")
               .arg(added)
               .arg(journal.Readings.size())
               .arg(path));
    return 0;
}

CliRegistrar reg{
    {"recover", "[--reason TEXT] BATCH.epb",
     QT_TRANSLATE_NOOP(
         "Bramblex",
         "takes the readings a run left in its journal (a crash, a killed program) into the batch"),
     Recover}};

} // namespace
