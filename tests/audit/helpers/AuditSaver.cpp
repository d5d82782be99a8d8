// Records and saves the batch named by its argument over and over, each time with other
// bytes, until it is killed: the kill may land anywhere in the record or the save.

#include "audit/AuditTrail.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    const QString batch = QString::fromLocal8Bit(argv[1]);
    const TAuditContext context{
        {QStringLiteral("saver"), QStringLiteral("Loop Saver"), QStringLiteral("test-host")},
        QStringLiteral("0.0.0"),
        [] { return QDateTime::currentDateTime(); }};
    QByteArray old = "start";
    for (int i = 0;; ++i) {
        // Sizes differ so that a save is sometimes more than one write.
        const QByteArray bytes = QByteArray::number(i) + QByteArray(100 + (i * 7919) % 200000, 'a' + i % 26);
        WriteBatchAudited(batch, bytes,
                          TAuditEntry::HeaderChanged(QStringLiteral("Note"), QString::fromLatin1(old.left(8)),
                                                     QString::fromLatin1(bytes.left(8))),
                          context);
        old = bytes;
        if (i == 0) {
            std::puts("saving");
            std::fflush(stdout);
        }
    }
}
