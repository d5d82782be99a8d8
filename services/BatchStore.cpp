#include "services/BatchStore.h"

#include "core/Error.h"
#include "documents/BatchItem.h"

TBatchDocument::TBatchDocument(const TFileItem& entry) {
    m_entry.Assign(entry);
    m_entry.Owner = nullptr;
}

bool TBatchDocument::SameVersion(const TFileItem& entry, const TFileItem& other) {
    if (other.FileModifiedTime == -1 || entry.FilePath != other.FilePath ||
        entry.FileModifiedTime != other.FileModifiedTime)
        return false;
    return entry.FileModifiedStamp == 0 || other.FileModifiedStamp == 0 ||
           entry.FileModifiedStamp == other.FileModifiedStamp;
}

void TBatchDocument::HeaderEdited(QObject* writer) {
    emit HeaderChanged(writer);
}

void TBatchDocument::ProcessesEdited(QObject* writer) {
    emit ProcessesChanged(writer);
}

void TBatchDocument::AppendReading(const TMeasurementItem& reading) {
    TMeasurementList& readings = Batch().Measurements;
    if (m_appendedFrom < 0)
        m_appendedFrom = readings.Count();
    readings.Append(reading);
}

void TBatchDocument::EndAppend() {
    if (m_appendedFrom < 0)
        return;
    const int first = m_appendedFrom;
    m_appendedFrom = -1;
    const int count = Batch().Measurements.Count() - first;
    if (count > 0)
        emit ReadingsAppended(first, count);
}

void TBatchDocument::Replace(const TFileItem& entry) {
    m_entry.Assign(entry);
    m_entry.Owner = nullptr;
    m_appendedFrom = -1;
    emit Reloaded();
}

bool TBatchDocument::Save(const TAuditEntry& change, const TAuditRecorder& audit) {
    // The batch layer refuses to write over a file it read only in part, in its own words,
    // and writes no change without its record in the batch's audit trail.
    if (!m_entry.Save(change, audit)) {
        m_lastError = m_entry.LastError();
        if (const QString warning = DamageWarning(); !warning.isEmpty())
            emit Damaged(warning);
        else
            emit SaveFailed(m_lastError);
        return false;
    }
    m_lastError.clear();
    emit Saved();
    return true;
}

void TBatchDocument::MarkRemoved() {
    if (m_removed)
        return;
    m_removed = true;
    emit FileRemoved();
}

std::shared_ptr<TBatchDocument> TBatchStore::Find(const QString& path) const {
    const auto found = m_documents.constFind(path);
    return found == m_documents.constEnd() ? nullptr : found->lock();
}

std::shared_ptr<TBatchDocument> TBatchStore::Document(const TFileItem& entry) {
    if (entry.FileType != FileTypeBatch || !entry.Batch)
        return nullptr;
    if (std::shared_ptr<TBatchDocument> held = Find(entry.FilePath)) {
        if (!TBatchDocument::SameVersion(entry, held->Entry()) && !held->Removed())
            held->Replace(entry);
        return held;
    }
    auto document = std::make_shared<TBatchDocument>(entry);
    m_documents.insert(entry.FilePath, document);
    return document;
}

std::shared_ptr<TBatchDocument> TBatchStore::Open(const QString& path) {
    if (std::shared_ptr<TBatchDocument> held = Find(path); held && !held->Removed())
        return held;
    TFileItem entry;
    entry.FileType = FileTypeBatch;
    entry.FilePath = path;
    if (!entry.Load())
        throw EFileError(entry.LastError());
    auto document = std::make_shared<TBatchDocument>(entry);
    m_documents.insert(path, document);
    return document;
}

void TBatchStore::FileRemoved(const QString& path) {
    if (std::shared_ptr<TBatchDocument> held = Find(path))
        held->MarkRemoved();
    m_documents.remove(path);
}

int TBatchStore::OpenCount() const {
    int count = 0;
    for (const auto& document : m_documents)
        count += document.expired() ? 0 : 1;
    return count;
}
