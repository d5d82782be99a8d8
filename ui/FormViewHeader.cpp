#include "ui/FormViewHeader.h"

#include "catalogue/Catalogue.h"
#include "documents/BatchItem.h"

#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

TFormViewHeader::TFormViewHeader(QWidget* parent) : TBatchSubView(parent) {
    setObjectName(QStringLiteral("FormViewHeader"));
    auto* form = new QFormLayout(this);
    auto addLine = [&](const QString& caption, const char* name) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QLatin1String(name));
        edit->setReadOnly(true);
        edit->setAccessibleName(caption);
        form->addRow(caption, edit);
        return edit;
    };
    auto addLabel = [&](const QString& caption, const char* name) {
        auto* label = new QLabel(this);
        label->setObjectName(QLatin1String(name));
        label->setAccessibleName(caption);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        form->addRow(caption, label);
        return label;
    };
    m_batchId = addLine(tr("Batch ID:"), "EditBatchID");
    m_location = addLine(tr("File Location:"), "EditFileLocation");
    m_model = addLabel(tr("Model:"), "LabelModel");
    m_spindle = addLabel(tr("Spindle:"), "LabelSpindle");
    m_company = addLabel(tr("Company:"), "LabelCompany");
    m_operator = addLabel(tr("Operator:"), "LabelOperator");
    m_identifier = addLabel(tr("Identifier:"), "LabelIdentifier");
    m_note = new QPlainTextEdit(this);
    m_note->setObjectName(QStringLiteral("MemoNote"));
    m_note->setAccessibleName(tr("Note:"));
    m_note->installEventFilter(this);
    form->addRow(tr("Note:"), m_note);
}

void TFormViewHeader::LoadFileItem(const TFileItem& entry, bool force) {
    if (!force && entry.FilePath == m_entry.FilePath && entry.FileModifiedTime == m_entry.FileModifiedTime &&
        m_entry.FileModifiedTime != -1)
        return;
    m_entry.Assign(entry);
    const TBatchItem& batch = m_entry.BatchItem();
    m_batchId->setText(batch.FileTitle);
    m_location->setText(m_entry.FilePath);
    m_model->setText(batch.ModelType < ModelTypeCount ? QString::fromLatin1(ModelNames[batch.ModelType])
                                                      : QString());
    m_spindle->setText(batch.SpindleType < SpindleTypeCount
                           ? QString::fromLatin1(SpindleNames[batch.SpindleType])
                           : QString());
    m_company->setText(batch.Company);
    m_operator->setText(batch.Operator);
    m_identifier->setText(batch.Identifier);
    if (!m_note->hasFocus() || m_note->toPlainText() != batch.Note)
        m_note->setPlainText(batch.Note);
}

void TFormViewHeader::ForgetFileItem() {
    m_entry.FileModifiedTime = -1;
}

bool TFormViewHeader::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_note && event->type() == QEvent::FocusOut)
        EditBatchExit();
    return TBatchSubView::eventFilter(watched, event);
}

void TFormViewHeader::EditBatchExit() {
    if (m_entry.FilePath.isEmpty() || m_entry.FileType != FileTypeBatch)
        return;
    TBatchItem& batch = m_entry.BatchItem();
    if (batch.Note == m_note->toPlainText())
        return;
    batch.Note = m_note->toPlainText();
    if (OnBatchChanged)
        OnBatchChanged(this, m_entry);
}
