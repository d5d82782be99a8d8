#pragma once

// A batch written for spreadsheets and other programs. The CSV and Excel exports lay
// the batch out on one grid: the header block in columns A and B, the processes in D
// to L and the readings in N to U, each table starting at the top of the sheet.
// Values are shown in the operator's display units and the user's locale (QLocale()).
//
// Both exports sort the batch's readings by its SelectedXAxis first, so the batch's
// reading order is the one the readings view shows afterwards.

#include "analysis/Analysis.h"
#include "qc/Qc.h"

#include <QByteArray>
#include <QJsonDocument>
#include <QString>

class TBatchItem;
class TmxNativeExcel;

// The CSV file's bytes: CR LF after every line, Windows-1252, or UTF-8 with a
// byte-order mark when a text holds a character Windows-1252 has not got.
// Raises "Invalid Start Temperature Type", "Invalid ModelType", "Invalid sort type".
QByteArray BatchToCsv(TBatchItem& batch);
// Writes BatchToCsv to path atomically; raises EFileError.
void ExportBatchToCsv(TBatchItem& batch, const QString& path);

// Fills excel with the worksheet, from Begin to Finish, in the writer's current code
// page. The file name is left to the caller.
void WriteBatchWorksheet(TBatchItem& batch, TmxNativeExcel& excel);
// The worksheet in Windows-1252; when a text needs a character that code page has not
// got, in the first Windows code page that holds every character (with a CODEPAGE
// record); when none does, Windows-1252 with "?" for the missing characters.
// Returns the writer ready to save.
void BuildBatchWorkbook(TBatchItem& batch, TmxNativeExcel& excel);
// Writes the worksheet to path, whose extension becomes ".XLS" unless it is ".xls" in
// any case; returns the name written. Raises EFileError and the errors above.
QString ExportBatchToExcel(TBatchItem& batch, const QString& path);

// The whole batch for scripts and laboratory systems, in base units (mPas, °C) and
// the stored reading order, with its analysis (AnalysisToJson) under "analysis";
// and, when a QC limit set applies to it (qc given and its LimitSet named), its QC
// verdict (QcResultToJson) under "qc"; README.md "JSON export" describes the shape.
// Raises "Invalid ModelType" for a model other than 0 to 3 when there are readings.
QJsonDocument BatchToJson(const TBatchItem& batch, const TAnalysisOptions& analysisOptions = {},
                          const TQcResult* qc = nullptr);
void ExportBatchToJson(const TBatchItem& batch, const QString& path,
                       const TAnalysisOptions& analysisOptions = {}, const TQcResult* qc = nullptr);

// The date and time texts of a day number (days since 30 December 1899) in the
// user's locale: its short date and its long time format without the time zone.
QString ExportDateText(double dayNumber);
QString ExportTimeText(double dayNumber);
