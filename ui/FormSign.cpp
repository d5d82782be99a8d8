#include "ui/FormSign.h"

#include "core/Error.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>

TFormSign::TFormSign(const QString& batchPath, TSigningGuard& guard, const TAuditContext& context,
                     QWidget* parent)
    : QDialog(parent), m_batchPath(batchPath), m_guard(guard), m_context(context) {
    setObjectName(QStringLiteral("FormSign"));
    setWindowTitle(tr("Sign %1").arg(QFileInfo(batchPath).completeBaseName()));
    auto* layout = new QVBoxLayout(this);
    auto* who = new QLabel(tr("Signing as %1 (%2)").arg(context.User.FullName, context.User.Login), this);
    who->setObjectName(QStringLiteral("LabelSigner"));
    layout->addWidget(who);
    auto* form = new QFormLayout;
    m_meaning = new QComboBox(this);
    m_meaning->setObjectName(QStringLiteral("ComboBoxMeaning"));
    m_meaning->setAccessibleName(tr("Meaning"));
    // Shown in the operator's language, recorded as the trail's fixed texts.
    // The captions are listed here too, so that the translation tools find them.
    static constexpr const char* Captions[] = {QT_TR_NOOP("Performed by"), QT_TR_NOOP("Reviewed by"),
                                               QT_TR_NOOP("Approved by")};
    for (TSignatureMeaning m :
         {TSignatureMeaning::Performed, TSignatureMeaning::Reviewed, TSignatureMeaning::Approved})
        m_meaning->addItem(tr(SignatureMeaningText(m).toUtf8().constData()), static_cast<int>(m));
    Q_UNUSED(Captions);
    m_comment = new QLineEdit(this);
    m_comment->setObjectName(QStringLiteral("EditComment"));
    m_comment->setAccessibleName(tr("Comment"));
    m_password = new QLineEdit(this);
    m_password->setObjectName(QStringLiteral("EditPassword"));
    m_password->setAccessibleName(tr("Password"));
    m_password->setEchoMode(QLineEdit::Password);
    form->addRow(tr("Meaning:"), m_meaning);
    form->addRow(tr("Comment (optional):"), m_comment);
    form->addRow(tr("Password:"), m_password);
    layout->addLayout(form);
    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("LabelSignMessage"));
    m_message->setWordWrap(true);
    m_message->setTextFormat(Qt::PlainText);
    layout->addWidget(m_message);
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttons->button(QDialogButtonBox::Ok)->setText(tr("Sign"));
    m_buttons->button(QDialogButtonBox::Ok)->setAccessibleName(tr("Sign"));
    m_buttons->button(QDialogButtonBox::Cancel)->setAccessibleName(tr("Cancel"));
    connect(m_buttons, &QDialogButtonBox::accepted, this, &TFormSign::Submit);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &TFormSign::reject);
    layout->addWidget(m_buttons);
    if (const int left = m_guard.LockedSeconds(); left > 0)
        m_message->setText(
            tr("Signing is locked after three wrong passwords; try again in %1 seconds.").arg(left));
}

TFormSign::~TFormSign() {
    if (m_worker) {
        m_worker->wait();
        delete m_worker;
    }
}

void TFormSign::reject() {
    if (!m_checking)
        QDialog::reject();
}

void TFormSign::Submit() {
    if (m_checking)
        return;
    m_checking = true;
    m_buttons->setEnabled(false);
    m_message->setText(tr("Checking the password..."));
    setCursor(Qt::BusyCursor);
    const auto meaning = static_cast<TSignatureMeaning>(m_meaning->currentData().toInt());
    const QString comment = m_comment->text().trimmed();
    const QString password = m_password->text();
    m_password->clear();
    if (m_worker) {
        m_worker->wait();
        delete m_worker;
    }
    m_worker = QThread::create([this, meaning, comment, password] {
        TSignResult result;
        QString error;
        try {
            result = m_guard.Sign(m_batchPath, meaning, comment, password, m_context);
        } catch (const EBramblexError& e) {
            error = e.Message();
        }
        QMetaObject::invokeMethod(
            this, [this, result, error] { Settled(result, error); }, Qt::QueuedConnection);
    });
    m_worker->start();
}

void TFormSign::Settled(const TSignResult& result, const QString& error) {
    m_checking = false;
    unsetCursor();
    m_buttons->setEnabled(true);
    m_result = result;
    if (!error.isEmpty()) {
        m_result.Outcome = TSignOutcome::Unavailable;
        m_result.Message = error;
    }
    m_message->setText(m_result.Outcome == TSignOutcome::Signed ? QString() : m_result.Message);
    if (OnSettled)
        OnSettled();
    if (m_result.Outcome == TSignOutcome::Signed)
        accept();
    else
        m_password->setFocus();
}
