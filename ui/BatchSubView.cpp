#include "ui/BatchSubView.h"

#include "storage/FileItem.h"

bool TBatchSubView::SameVersion(const TFileItem& entry, const TFileItem& copy) {
    if (copy.FileModifiedTime == -1 || entry.FilePath != copy.FilePath ||
        entry.FileModifiedTime != copy.FileModifiedTime)
        return false;
    return entry.FileModifiedStamp == 0 || copy.FileModifiedStamp == 0 ||
           entry.FileModifiedStamp == copy.FileModifiedStamp;
}
