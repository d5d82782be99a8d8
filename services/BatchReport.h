#pragma once

// One report template for one batch, as the automation service prints, counts and
// copies it: the template alone in its stored page order, its inner pages showing the
// batch. Unlike the report preview nothing else is composed in.

#include <QString>

#include <memory>

class TBatchItem;
class TFileList;
class TReport;
struct TPageQcTexts;

// The template among reports (loaded report entries; entries that failed to load are
// passed over) whose name equals name ignoring case as the user's locale writes
// letters. When several match, the last one in the list. Raises "Report does not exist"
// when none does.
const TReport& FindReportTemplate(const TFileList& reports, const QString& name);

// What the QC fields of a page for batch show: its verdict against the limit set its
// folder has in the storage tree (empty texts when none applies; the details say why
// when the one assigned cannot be read).
TPageQcTexts QcPageTexts(const TBatchItem& batch);

// A copy of source whose inner pages ("PageType" 1) show a copy of batch, while opening
// and closing pages keep the batch they carry; paginated so that inner pages with more
// readings than fit are repeated, and numbered 1 to n.
std::unique_ptr<TReport> ComposeForBatch(const TReport& source, const TBatchItem& batch);
