#include "AutomationFixtures.h"

#include "documents/BatchItem.h"
#include "reports/Page.h"
#include "reports/PageItemMemo.h"
#include "reports/PageItemReadings.h"
#include "reports/Report.h"
#include "support/PlaceItem.h"

#include <QDir>

void WriteQualityReport(const QString& root) {
    QDir().mkpath(root + QStringLiteral("/Reports"));
    TReport report;
    for (int type : {PageTypeOpening, PageTypeInner, PageTypeClosing}) {
        TPage* page = report.AddPage();
        page->Property("PageType").SetInteger(type);
        page->Property("PaperSize").SetInteger(4); // A4
        page->Property("PageOrientation").SetInteger(PageOrientationPortrait);
        Place<TPageItemMemo>(*page, QStringLiteral("Title"), 20, 10, 150, 10);
        if (type == PageTypeInner)
            Place<TPageItemReadings>(*page, QStringLiteral("Table"), 20, 30, 170, 200)
                ->Property("RowsPerPage")
                .SetInteger(20);
    }
    report.SaveToFile(root + QStringLiteral("/Reports/Quality Report.epr"));
}

QString WriteBatchWithReadings(const QString& root, const QString& name, int count) {
    QDir().mkpath(root + QStringLiteral("/Local"));
    TBatchItem batch;
    batch.Company = QStringLiteral("Korvane Test Lab");
    batch.ModelType = 0;
    batch.SpindleType = 0;
    batch.SelectedYAxis = QStringLiteral("0");
    for (int i = 0; i < count; ++i) {
        TMeasurementItem* m = batch.Measurements.Add();
        m->DateTime = 40000.0 + i / 1440.0;
        m->Viscosity = 10.0 + (i * 7) % 50;
        m->Temperature = 20.0 + i / 10.0;
        m->RPMCode = 16;
    }
    const QString path = root + QStringLiteral("/Local/") + name + QStringLiteral(".epb");
    batch.SaveToFile(path);
    return path;
}
