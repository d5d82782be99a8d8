// Writes the sample exports that check_readers.py reads back with real readers
// (xlrd, Python's csv module, json). Usage: export_write_samples OUTDIR
#include "SampleBatches.h"
#include "catalogue/Catalogue.h"
#include "documents/Settings.h"
#include "export/BatchExport.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: export_write_samples OUTDIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.path());
    auto file = [&out](const char* name) { return out.filePath(QString::fromLatin1(name)); };
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));

    TBatchItem sample;
    FillSampleBatch(sample);
    // For the command-line exports: the batch as a file and settings choosing °F.
    sample.SaveToFile(file("Sample.epb"));
    TSettings settings;
    settings.FileName = file("fahrenheit-settings.xml");
    settings.Item("TemperatureUnits").SetInteger(1);
    settings.Save();
    ExportBatchToJson(sample, file("sample.json")); // stored order: the others sort
    ExportBatchToExcel(sample, file("sample.xls"));
    ExportBatchToCsv(sample, file("sample.csv"));

    SetTemperatureUnits(1);
    ExportBatchToExcel(sample, file("fahrenheit.xls"));
    ExportBatchToCsv(sample, file("fahrenheit.csv"));
    SetTemperatureUnits(0);

    QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
    ExportBatchToCsv(sample, file("german.csv"));
    ExportBatchToExcel(sample, file("german.xls"));
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));

    TBatchItem empty;
    empty.FileTitle = "Empty";
    ExportBatchToExcel(empty, file("empty.xls"));
    ExportBatchToCsv(empty, file("empty.csv"));
    ExportBatchToJson(empty, file("empty.json"));

    // A long note, and an L1 spindle whose readings carry shear values it never shows.
    TBatchItem plain;
    plain.FileTitle = "Plain";
    plain.SpindleType = 0;
    plain.Note = QString(300, QLatin1Char('n'));
    AddReading(plain, SampleNoon, 100, 20, 4, 5, 6);
    ExportBatchToExcel(plain, file("plain.xls"));
    ExportBatchToCsv(plain, file("plain.csv"));

    TBatchItem cyrillic;
    cyrillic.FileTitle = QString::fromUtf8("Проба");
    cyrillic.Company = QString::fromUtf8("ООО «Вязкость»");
    cyrillic.Operator = QString::fromUtf8("Иван");
    ExportBatchToExcel(cyrillic, file("cyrillic.xls"));
    ExportBatchToCsv(cyrillic, file("cyrillic.csv"));
    return 0;
}
