#pragma once

// The storage tree the automation tests and benchmark drive: a report template
// "Quality Report" in "Reports" (an opening page, an inner page whose readings table
// holds 20 rows a page, a closing page) and batches in "Local".

#include <QString>

// Writes "Reports/Quality Report.epr" below root.
void WriteQualityReport(const QString& root);
// Writes "Local/<name>.epb" below root with count readings; returns its path.
QString WriteBatchWithReadings(const QString& root, const QString& name, int count);
