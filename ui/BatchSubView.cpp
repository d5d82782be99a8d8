#include "ui/BatchSubView.h"

#include "documents/BatchItem.h"
#include "services/BatchStore.h"
#include "storage/FileItem.h"

TBatchSubView::TBatchSubView(QWidget* parent) : QWidget(parent), m_none(std::make_unique<TFileItem>()) {}

TBatchSubView::~TBatchSubView() {
    for (const auto& connection : m_connections)
        disconnect(connection);
}

void TBatchSubView::ShowDocument(const std::shared_ptr<TBatchDocument>& document, bool force) {
    const bool same = document == m_document;
    if (same && !force && !m_stale)
        return;
    m_stale = false;
    if (!same) {
        for (const auto& connection : m_connections)
            disconnect(connection);
        m_connections.clear();
        m_document = document;
        Connect();
    }
    Fill(same);
}

void TBatchSubView::Connect() {
    if (!m_document)
        return;
    TBatchDocument* document = m_document.get();
    m_connections << connect(document, &TBatchDocument::HeaderChanged, this, [this](QObject* writer) {
        if (writer != this)
            HeaderChanged();
    });
    m_connections << connect(document, &TBatchDocument::ProcessesChanged, this, [this](QObject* writer) {
        if (writer != this)
            ProcessesChanged();
    });
    m_connections << connect(document, &TBatchDocument::ReadingsAppended, this,
                             [this](int first, int count) { ReadingsAppended(first, count); });
    m_connections << connect(document, &TBatchDocument::Reloaded, this, [this] { Fill(true); });
}

void TBatchSubView::ReadingsAppended(int, int) {
    Fill(true);
}

const TFileItem& TBatchSubView::Entry() const {
    return m_document ? m_document->Entry() : *m_none;
}

TBatchItem* TBatchSubView::Batch() {
    return m_document ? &m_document->Batch() : nullptr;
}

void TBatchSubView::RaiseHeaderChanged() {
    if (!m_document)
        return;
    m_document->HeaderEdited(this);
    if (OnBatchChanged)
        OnBatchChanged(this);
}

void TBatchSubView::RaiseProcessesChanged() {
    if (!m_document)
        return;
    m_document->ProcessesEdited(this);
    if (OnBatchChanged)
        OnBatchChanged(this);
}

bool TBatchSubView::SameVersion(const TFileItem& entry, const TFileItem& copy) {
    return TBatchDocument::SameVersion(entry, copy);
}
