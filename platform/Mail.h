#pragma once

// Handing a message to the user's mail program: xdg-email opens its compose window with
// subject, body and attachments filled in; the operator addresses and sends it there.
//
// The mail program reads the attachments after xdg-email has returned, often much
// later, so they live in a private folder per message (TMailFolders) that stays while
// the program runs.

#include <QString>
#include <QStringList>

#include <vector>

// True when a message can be handed over: xdg-email is installed and a program is
// set for mailto addresses (xdg-mime query default x-scheme-handler/mailto).
bool MailAvailable();

// One message, with the properties of the Windows simple-messaging component the
// program was built on. Properties without an xdg-email counterpart are kept and not
// used: ResolveNames, RequestReceipt, SenderName, SenderAddress, and AttachmentNames
// (the mail program shows the files' names). The compose window always opens.
class TMAPIMail {
public:
    QString Subject;
    QString Body;
    // Addresses; "CC:" or "BCC:" in front (any case) makes a copy or blind copy.
    QStringList Recipients;
    QStringList Attachments; // full paths
    QStringList AttachmentNames;
    bool EditDialog = true;
    bool ResolveNames = false;
    bool RequestReceipt = false;
    QString SenderName;
    QString SenderAddress;

    // Hands the message over, started detached. Waits at most handOverWaitMs for
    // xdg-email to answer (a mail program that stays in the foreground counts as a
    // hand-over). True when it was handed over; the code is kept in ResultCode, and
    // ResultReason holds what xdg-email said.
    bool Send(int handOverWaitMs = 2000);
    int ResultCode = 0;
    QString ResultReason;

    // The text of a result code ("Unknown Error Code: 99" for one not in the table).
    static QString ErrorText(int code);
    // The result code of an xdg-email exit status.
    static int CodeOfExitStatus(int status);
    // The arguments Send gives xdg-email.
    QStringList XdgEmailArguments() const;
};

// Private folders for the files of messages: one per message, mode 0700, under the
// user's cache folder (never a fixed name in a shared place). Each is locked while the
// object that made it lives. At the end the folders are removed, unless kept for a
// program that ends before the mail program has read them (bramblex-cli); folders
// older than a day that no running program holds are removed when the next object is
// made.
class TMailFolders {
public:
    enum class TAtEnd { Remove, Keep };
    explicit TMailFolders(const QString& root = DefaultRoot(), TAtEnd atEnd = TAtEnd::Remove);
    ~TMailFolders();
    TMailFolders(const TMailFolders&) = delete;
    TMailFolders& operator=(const TMailFolders&) = delete;

    // A new empty folder, with a trailing "/". Raises "Cannot create a folder for the
    // mail's files in "%1"." with the reason.
    QString NewFolder();
    // Removes a folder NewFolder made whose files no mail program will read (the
    // writing stopped or failed before the hand-over).
    void Discard(const QString& folder);

    // $XDG_CACHE_HOME/bramblex/mail (or ~/.cache/bramblex/mail), with a trailing "/".
    static QString DefaultRoot();
    // Removes the folders of root that are older than maxAgeSeconds and held by nobody.
    static void RemoveStale(const QString& root, qint64 maxAgeSeconds);

private:
    struct THeld {
        QString Path;
        int Fd;
    };
    QString m_root;
    TAtEnd m_atEnd;
    std::vector<THeld> m_held;
};
