// automation_fixtures ROOT: writes the automation tests' storage tree below ROOT.

#include "AutomationFixtures.h"

#include "core/Error.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: automation_fixtures ROOT\n", stderr);
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    try {
        WriteQualityReport(root);
        WriteBatchWithReadings(root, QStringLiteral("Forty Five"), 45);
        WriteBatchWithReadings(root, QStringLiteral("Second Batch"), 3);
    } catch (const EBramblexError& e) {
        std::fputs(qPrintable(e.Message() + QLatin1Char('\n')), stderr);
        return 1;
    }
    return 0;
}
