#include "platform/PasswordCheck.h"

#include <QByteArray>

#include <cstdlib>
#include <cstring>
#include <security/pam_appl.h>

namespace {

// Answers every password prompt with the one given; other prompts get no answer.
int Converse(int count, const pam_message** messages, pam_response** responses, void* data) {
    auto* answers = static_cast<pam_response*>(std::calloc(static_cast<size_t>(count), sizeof(pam_response)));
    if (!answers)
        return PAM_BUF_ERR;
    const auto* password = static_cast<const QByteArray*>(data);
    for (int i = 0; i < count; ++i) {
        const int style = messages[i]->msg_style;
        if (style == PAM_PROMPT_ECHO_OFF || style == PAM_PROMPT_ECHO_ON)
            answers[i].resp = ::strdup(password->constData());
    }
    *responses = answers;
    return PAM_SUCCESS;
}

bool IsRefusal(int code) {
    switch (code) {
    case PAM_AUTH_ERR:
    case PAM_USER_UNKNOWN:
    case PAM_MAXTRIES:
    case PAM_PERM_DENIED:
    case PAM_ACCT_EXPIRED:
    case PAM_NEW_AUTHTOK_REQD:
        return true;
    default:
        return false;
    }
}

} // namespace

TPamPasswordCheck::TPamPasswordCheck(QString service) : m_service(std::move(service)) {}

TPasswordCheckResult TPamPasswordCheck::Check(const QString& login, const QString& password) {
    QByteArray secret = password.toUtf8();
    const pam_conv conversation{&Converse, &secret};
    pam_handle_t* handle = nullptr;
    int code = ::pam_start(m_service.toLocal8Bit().constData(), login.toLocal8Bit().constData(),
                           &conversation, &handle);
    TPasswordCheckResult result;
    if (code != PAM_SUCCESS) {
        result.Verdict = TPasswordVerdict::Unavailable;
        result.Reason = QString::fromLocal8Bit(::pam_strerror(handle, code));
    } else {
        code = ::pam_authenticate(handle, PAM_SILENT);
        if (code == PAM_SUCCESS)
            code = ::pam_acct_mgmt(handle, PAM_SILENT);
        if (code == PAM_SUCCESS)
            result.Verdict = TPasswordVerdict::Accepted;
        else {
            result.Verdict = IsRefusal(code) ? TPasswordVerdict::Refused : TPasswordVerdict::Unavailable;
            result.Reason = QString::fromLocal8Bit(::pam_strerror(handle, code));
        }
    }
    if (handle)
        ::pam_end(handle, code);
    secret.fill('\0');
    return result;
}
