#include "ui/FormMemoEditor.h"

#include "reports/PageItemMemo.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The buttons in the order of the report fields (BatchID ... PageNumber, then the
// analysis fields, then the QC fields).
const char* const FieldCaptions[] = {
    QT_TRANSLATE_NOOP("TFormMemoEditor", "Batch ID"),
    QT_TRANSLATE_NOOP("TFormMemoEditor", "File Path"),
    QT_TRANSLATE_NOOP("TFormMemoEditor", "Todays Date"),
    QT_TRANSLATE_NOOP("TFormMemoEditor", "Company"),
    QT_TRANSLATE_NOOP("TFormMemoEditor", "Operator"),
    QT_TRANSLATE_NOOP("TFormMemoEditor", "Note"),
    QT_TRANSLATE_NOOP("TFormMemoEditor", "Model"),
    QT_TRANSLATE_NOOP("TFormMemoEditor", "Spindle"),
    QT_TRANSLATE_NOOP("TFormMemoEditor", "Identifier"),
    QT_TRANSLATE_NOOP("TFormMemoEditor", "Page No."),
    QT_TRANSLATE_NOOP("TFormMemoEditor", "Flow Model"),
    QT_TRANSLATE_NOOP("TFormMemoEditor", "Flow Model Parameters"),
    QT_TRANSLATE_NOOP("TFormMemoEditor", "Flow Model R²"),
    QT_TRANSLATE_NOOP("TFormMemoEditor", "Flow Index"),
    QT_TRANSLATE_NOOP("TFormMemoEditor", "Thixotropic Index"),
    QT_TRANSLATE_NOOP("TFormMemoEditor", "Activation Energy"),
    QT_TRANSLATE_NOOP("TFormMemoEditor", "QC Result"),
    QT_TRANSLATE_NOOP("TFormMemoEditor", "QC Limit Set"),
    QT_TRANSLATE_NOOP("TFormMemoEditor", "QC Details"),
};

} // namespace

TFormMemoEditor::TFormMemoEditor(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormMemoEditor"));
    setWindowTitle(tr("Text Editor"));
    setAccessibleName(tr("Text Editor"));
    auto* layout = new QVBoxLayout(this);

    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("MemoText"));
    m_text->setAccessibleName(tr("Text"));
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    layout->addWidget(m_text, 1);

    auto* fields = new QGridLayout;
    const QStringList names = ReportFieldNames();
    for (int i = 0; i < static_cast<int>(std::size(FieldCaptions)); ++i) {
        auto* button = new QPushButton(tr(FieldCaptions[i]), this);
        button->setObjectName(QStringLiteral("Button") + names.value(i));
        button->setAccessibleName(tr(FieldCaptions[i]));
        button->setAutoDefault(false);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QPushButton::clicked, this, [this, i] { InsertField(i); });
        fields->addWidget(button, i / 5, i % 5);
        m_fields << button;
    }
    layout->addLayout(fields);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ButtonOK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("ButtonCancel"));
    buttons->button(QDialogButtonBox::Ok)->setAutoDefault(false);
    buttons->button(QDialogButtonBox::Cancel)->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &TFormMemoEditor::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TFormMemoEditor::reject);
    layout->addWidget(buttons);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("StatusBar"));
    m_status->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_status->setAccessibleDescription(tr("Status"));
    layout->addWidget(m_status);
    resize(640, 400);
}

QPushButton* TFormMemoEditor::FieldButton(int field) const {
    return m_fields.value(field);
}

void TFormMemoEditor::Load() {
    if (!Property)
        return;
    m_status->setText(Property->Caption);
    QString text = TPageItemMemo::FieldsToDisplay(Property->GetString());
    m_crlf = text.contains(QLatin1String("\r\n"));
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    m_text->setPlainText(text);
    m_text->setFocus();
}

void TFormMemoEditor::Store() {
    if (!Property)
        return;
    QString text = m_text->toPlainText();
    if (m_crlf)
        text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    text = TPageItemMemo::FieldsToStorage(text);
    if (text != Property->GetString())
        Property->SetString(text);
}

void TFormMemoEditor::InsertField(int field) {
    const QStringList names = ReportFieldDisplayNames();
    if (field < 0 || field >= names.size())
        return;
    m_text->textCursor().insertText(QLatin1Char('[') + names[field] + QLatin1Char(']'));
    m_text->setFocus();
}

void TFormMemoEditor::accept() {
    Store();
    QDialog::accept();
}

bool TFormMemoEditor::Execute() {
    Load();
    return exec() == QDialog::Accepted;
}
