// libFuzzer entry for the batch and report loaders: any file loads whole, in part (with
// the warning) or raises the file error; none crashes, hangs or unpacks its pictures
// past the document's bound. Built twice: BRAMBLEX_FUZZ_REPORT picks the report loader.
#include "core/Error.h"
#include "documents/BatchItem.h"
#include "reports/Report.h"
#include "xml/GmXml.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

QString g_path;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // Report items measure text: fonts need a GUI application, offscreen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static std::unique_ptr<QGuiApplication> app = std::make_unique<QGuiApplication>(*argc, *argv);
    g_path = QDir::temp().filePath(QStringLiteral("bramblex-fuzz-%1.%2")
                                       .arg(QCoreApplication::applicationPid())
#ifdef BRAMBLEX_FUZZ_REPORT
                                       .arg(QStringLiteral("epr")));
#else
                                       .arg(QStringLiteral("epb")));
#endif
    std::atexit([] { QFile::remove(g_path); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    {
        QFile file(g_path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    try {
#ifdef BRAMBLEX_FUZZ_REPORT
        TReport report;
        report.LoadFromFile(g_path);
        for (int i = 0; i < report.PageCount(); ++i)
            (void)report.Page(i);
        TGmXmlNodeList nodes;
        report.SaveToXml(nodes);
#else
        TBatchItem batch;
        batch.LoadFromFile(g_path);
        TGmXmlNodeList nodes;
        batch.SaveToNodes(nodes);
        TBatchItem again;
        again.LoadFromNodes(nodes);
#endif
    } catch (const EBramblexError&) {
    }
    return 0;
}
