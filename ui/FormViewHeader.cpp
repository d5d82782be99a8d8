#include "ui/FormViewHeader.h"

#include "catalogue/Catalogue.h"
#include "documents/BatchItem.h"
#include "instrument/ProcessRules.h"
#include "ui/DialogService.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Read-only fields and locked lists show the grey of a button face, editable ones the
// window background.
void Paint(QWidget* widget, bool locked) {
    QPalette palette = widget->palette();
    const QPalette standard = widget->style()->standardPalette();
    palette.setColor(QPalette::Base,
                     locked ? standard.color(QPalette::Button) : standard.color(QPalette::Base));
    widget->setPalette(palette);
}

// Sets text unless the operator typed something there that is not committed yet.
void ShowText(QLineEdit* edit, const QString& value, const QString& committed, bool sameFile) {
    if (sameFile && edit->text() != committed)
        return;
    if (edit->text() != value)
        edit->setText(value);
}

} // namespace

TFormViewHeader::TFormViewHeader(QWidget* parent) : TBatchSubView(parent) {
    setObjectName(QStringLiteral("FormViewHeader"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("ScrollBoxHeader"));
    m_scroll->setAccessibleName(tr("Header"));
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidgetResizable(false);
    m_box = new QWidget;
    m_box->setObjectName(QStringLiteral("ScrollBoxHeaderContents"));
    m_scroll->setWidget(m_box);
    m_scroll->viewport()->installEventFilter(this);
    layout->addWidget(m_scroll);

    m_left = new QWidget(m_box);
    m_left->setObjectName(QStringLiteral("PanelLeft"));
    m_right = new QWidget(m_box);
    m_right->setObjectName(QStringLiteral("PanelRight"));
    auto* leftForm = new QFormLayout(m_left);
    auto* rightForm = new QFormLayout(m_right);
    for (QFormLayout* form : {leftForm, rightForm})
        form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);

    auto addLine = [&](QFormLayout* form, const QString& caption, const char* name) {
        auto* edit = new QLineEdit(form->parentWidget());
        edit->setObjectName(QLatin1String(name));
        edit->setAccessibleName(caption);
        auto* label = new QLabel(caption, form->parentWidget());
        label->setBuddy(edit);
        form->addRow(label, edit);
        return edit;
    };
    auto addList = [&](QFormLayout* form, const QString& caption, const char* name) {
        auto* list = new QComboBox(form->parentWidget());
        list->setObjectName(QLatin1String(name));
        list->setAccessibleName(caption);
        auto* label = new QLabel(caption, form->parentWidget());
        label->setBuddy(list);
        form->addRow(label, list);
        return list;
    };
    m_batchId = addLine(leftForm, tr("Batch ID:"), "EditBatchID");
    m_location = addLine(leftForm, tr("File Location:"), "EditFileLocation");
    for (QLineEdit* edit : {m_batchId, m_location}) {
        edit->setReadOnly(true);
        Paint(edit, true);
    }
    m_model = addList(leftForm, tr("Model:"), "ComboBoxModel");
    m_spindle = addList(leftForm, tr("Spindle:"), "ComboBoxSpindle");
    for (const char* name : ModelNames)
        m_model->addItem(QString::fromLatin1(name));
    m_model->setCurrentIndex(-1);

    m_company = addLine(rightForm, tr("Company:"), "EditCompany");
    m_operator = addLine(rightForm, tr("Operator:"), "EditOperator");
    m_identifier = addLine(rightForm, tr("Identifier:"), "EditIdentifier");
    m_note = new QPlainTextEdit(m_right);
    m_note->setObjectName(QStringLiteral("MemoNote"));
    m_note->setAccessibleName(tr("Note:"));
    m_note->setTabChangesFocus(true);
    auto* noteLabel = new QLabel(tr("Note:"), m_right);
    noteLabel->setBuddy(m_note);
    rightForm->addRow(noteLabel, m_note);

    for (QWidget* field : {static_cast<QWidget*>(m_company), static_cast<QWidget*>(m_operator),
                           static_cast<QWidget*>(m_identifier), static_cast<QWidget*>(m_note)})
        field->installEventFilter(this);
    connect(m_model, &QComboBox::currentIndexChanged, this, [this] { EditBatchExit(); });
    connect(m_spindle, &QComboBox::currentIndexChanged, this, [this] { EditBatchExit(); });
    ApplyLock();
}

bool TFormViewHeader::Locked() const {
    return RunActive() || (Entry().Batch && !Entry().Batch->Measurements.IsEmpty());
}

namespace {

// Notes written by the Windows program break their lines with "\r\n", which the editor
// shows as "\n": the same note, so leaving the field must not write the batch again.
bool SameNote(const QString& shown, const QString& stored) {
    if (shown == stored)
        return true;
    QString lines = stored;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown == lines;
}

} // namespace

void TFormViewHeader::Fill(bool sameDocument) {
    // What the operator typed into the batch shown stays (a run changes the batch while
    // the note is being typed).
    const bool sameFile = sameDocument && Entry().Batch;
    const TBatchItem& batch = *Entry().Batch;
    m_batchId->setText(batch.FileTitle);
    m_location->setText(Entry().FilePath);
    ShowText(m_company, batch.Company, m_shownCompany, sameFile);
    ShowText(m_operator, batch.Operator, m_shownOperator, sameFile);
    ShowText(m_identifier, batch.Identifier, m_shownIdentifier, sameFile);
    if (!(sameFile && !SameNote(m_note->toPlainText(), m_shownNote)) &&
        !SameNote(m_note->toPlainText(), batch.Note))
        m_note->setPlainText(batch.Note);
    m_shownCompany = batch.Company;
    m_shownOperator = batch.Operator;
    m_shownIdentifier = batch.Identifier;
    m_shownNote = batch.Note;
    {
        const QSignalBlocker blockModel(m_model);
        const QSignalBlocker blockSpindle(m_spindle);
        m_model->setCurrentIndex(batch.ModelType < ModelTypeCount ? batch.ModelType : -1);
        RefillSpindles();
        SelectSpindle(batch.ModelType, batch.SpindleType);
    }
    ApplyLock();
}

void TFormViewHeader::ReadingsAppended(int, int) {
    ApplyLock();
}

void TFormViewHeader::SetRunActive(bool active) {
    TBatchSubView::SetRunActive(active);
    ApplyLock();
}

void TFormViewHeader::ApplyLock() {
    const bool locked = Locked();
    for (QLineEdit* edit : {m_company, m_operator, m_identifier}) {
        edit->setReadOnly(locked);
        Paint(edit, locked);
    }
    for (QComboBox* list : {m_model, m_spindle}) {
        list->setEnabled(!locked);
        Paint(list, locked);
    }
}

void TFormViewHeader::RefillSpindles() {
    const QSignalBlocker block(m_spindle);
    const int position = m_spindle->currentIndex();
    m_spindle->clear();
    const int model = m_model->currentIndex();
    for (int i = 0; i < SpindleCount(model); ++i)
        m_spindle->addItem(
            QString::fromLatin1(SpindleNames[static_cast<size_t>(SpindleFromIndex(model, i))]));
    if (position >= 0 && position < m_spindle->count())
        m_spindle->setCurrentIndex(position);
    else
        m_spindle->setCurrentIndex(m_spindle->count() - 1);
}

void TFormViewHeader::SelectSpindle(int model, int spindle) {
    const QSignalBlocker block(m_spindle);
    m_spindle->setCurrentIndex(SpindleToIndex(model, spindle));
}

bool TFormViewHeader::HasPendingText() const {
    if (!Entry().Batch)
        return false;
    const TBatchItem& batch = *Entry().Batch;
    return m_company->text() != batch.Company || m_operator->text() != batch.Operator ||
           m_identifier->text() != batch.Identifier || !SameNote(m_note->toPlainText(), batch.Note);
}

void TFormViewHeader::CommitEdits() {
    if (HasPendingText())
        EditBatchExit();
}

bool TFormViewHeader::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_scroll->viewport() && event->type() == QEvent::Resize) {
        LayoutPanels();
    } else if (event->type() == QEvent::FocusOut && watched != m_scroll->viewport()) {
        // Leaving the field, not the window: a box that opens or another program taking
        // the focus comes back to the same field.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            EditBatchExit();
    }
    return TBatchSubView::eventFilter(watched, event);
}

void TFormViewHeader::LayoutPanels() {
    const int width = m_scroll->viewport()->width();
    const int panel = std::max(250, width / 2);
    const int height = std::max(m_left->sizeHint().height(), m_right->sizeHint().height());
    m_left->setGeometry(0, 0, panel, height);
    m_right->setGeometry(panel, 0, panel, height);
    m_box->resize(2 * panel, height);
}

void TFormViewHeader::EditBatchExit() {
    if (m_committing || !Document() || Entry().FilePath.isEmpty())
        return;
    m_committing = true;
    TBatchItem& batch = *Batch();
    const bool textChanged = HasPendingText();
    const int oldSpindle = batch.SpindleType;
    batch.Company = m_company->text();
    batch.Operator = m_operator->text();
    batch.Identifier = m_identifier->text();
    if (!SameNote(m_note->toPlainText(), batch.Note))
        batch.Note = m_note->toPlainText();
    const int oldModel = batch.ModelType;
    if (m_model->currentIndex() >= 0)
        batch.ModelType = static_cast<uint8_t>(m_model->currentIndex());
    RefillSpindles();
    if (m_spindle->currentIndex() >= 0) {
        const int spindle = SpindleFromIndex(batch.ModelType, m_spindle->currentIndex());
        const QString refusal = CheckSpindleChange(batch.Processes, spindle);
        if (!refusal.isEmpty()) {
            if (Dialogs)
                Dialogs->Error(this, refusal);
            // The new model goes back too: with the old spindle it would be a pair the
            // instrument does not have, and every reading would read as over scale.
            batch.ModelType = static_cast<uint8_t>(oldModel);
            {
                const QSignalBlocker block(m_model);
                m_model->setCurrentIndex(oldModel);
            }
            RefillSpindles();
            SelectSpindle(batch.ModelType, batch.SpindleType);
        } else {
            batch.SpindleType = static_cast<uint8_t>(spindle);
        }
    }
    // Leaving a field untouched writes nothing: the file keeps its time and nobody
    // watching the folder sees a change.
    m_shownCompany = batch.Company;
    m_shownOperator = batch.Operator;
    m_shownIdentifier = batch.Identifier;
    m_shownNote = batch.Note;
    if (textChanged || batch.ModelType != oldModel || batch.SpindleType != oldSpindle)
        RaiseHeaderChanged();
    m_committing = false;
}
