#pragma once

// The "Sign..." dialog: the meaning of the signature, an optional comment and the
// signer's own password, which PAM checks off the window's thread (PAM may wait a while
// after a wrong password). A wrong password keeps the dialog open; three in a row lock
// signing for 30 seconds (TSigningGuard).

#include "audit/Signing.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;

class TFormSign : public QDialog {
    Q_OBJECT
public:
    TFormSign(const QString& batchPath, TSigningGuard& guard, const TAuditContext& context,
              QWidget* parent = nullptr);
    ~TFormSign() override;

    // Checks the password and signs (OK); the result comes back on this thread.
    void Submit();
    const TSignResult& LastResult() const { return m_result; }
    bool Checking() const { return m_checking; }
    // After each attempt has settled (tests wait for it).
    std::function<void()> OnSettled;

    QComboBox* ComboBoxMeaning() const { return m_meaning; }
    QLineEdit* EditComment() const { return m_comment; }
    QLineEdit* EditPassword() const { return m_password; }
    QLabel* LabelMessage() const { return m_message; }

    void reject() override;

private:
    void Settled(const TSignResult& result, const QString& error);

    QString m_batchPath;
    TSigningGuard& m_guard;
    TAuditContext m_context;
    QComboBox* m_meaning;
    QLineEdit* m_comment;
    QLineEdit* m_password;
    QLabel* m_message;
    QDialogButtonBox* m_buttons;
    TSignResult m_result;
    bool m_checking = false;
    class QThread* m_worker = nullptr;
};
