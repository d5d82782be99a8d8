#pragma once

// Every message box and file or folder dialog that a window opens goes through one
// of these, handed to the window when it is made. The program uses the Qt dialogs;
// tests answer with a scripted one, so no test ever waits on a modal loop.

#include <QColor>
#include <QMessageBox>
#include <QString>

class QUrl;
class QWidget;

class TDialogService {
public:
    virtual ~TDialogService() = default;

    // An error box with OK (the failed command's message).
    virtual void Error(QWidget* parent, const QString& message) = 0;
    virtual void Warning(QWidget* parent, const QString& message) = 0;
    virtual void Information(QWidget* parent, const QString& message) = 0;
    // A question box with the confirmation icon; returns the button pressed
    // (the default one when the box was closed).
    virtual QMessageBox::StandardButton Question(QWidget* parent, const QString& title, const QString& text,
                                                 QMessageBox::StandardButtons buttons,
                                                 QMessageBox::StandardButton defaultButton) = 0;
    // Yes/No with Yes preselected, as most confirmations of the program are.
    bool AskYesNo(QWidget* parent, const QString& title, const QString& text);
    // A question shown with the information icon (the page designer's leave prompts).
    // Unless overridden, the same as Question.
    virtual QMessageBox::StandardButton InformationQuestion(QWidget* parent, const QString& title,
                                                            const QString& text,
                                                            QMessageBox::StandardButtons buttons,
                                                            QMessageBox::StandardButton defaultButton) {
        return Question(parent, title, text, buttons, defaultButton);
    }
    // A question shown with the warning icon (closing while automation clients hold
    // on). Unless overridden, the same as Question.
    virtual QMessageBox::StandardButton WarningQuestion(QWidget* parent, const QString& title,
                                                        const QString& text,
                                                        QMessageBox::StandardButtons buttons,
                                                        QMessageBox::StandardButton defaultButton) {
        return Question(parent, title, text, buttons, defaultButton);
    }

    // File and folder choosers; an empty text when the operator cancelled. filter
    // takes Qt's form ("Excel Files (*.xls);;All Files (*)"). The save chooser asks
    // no replace question of its own: callers ask where the program wants one.
    virtual QString OpenFileName(QWidget* parent, const QString& caption, const QString& folder,
                                 const QString& filter) = 0;
    virtual QString SaveFileName(QWidget* parent, const QString& caption, const QString& path,
                                 const QString& filter) = 0;
    virtual QString ExistingFolder(QWidget* parent, const QString& caption, const QString& folder) = 0;

    // The refusal sound of key filters and drops.
    virtual void Beep() = 0;

    // The about box: the program's name, version and notice.
    virtual void About(QWidget* parent, const QString& title, const QString& text);
    // Opens a file or address with the desktop's program for it (the help in the
    // browser, a file with its default program); false when nothing could open it.
    virtual bool OpenUrl(QWidget* parent, const QUrl& url);
    // The colour chooser preset with colour; true and the choice in colour on OK.
    // Unless overridden, cancelled.
    virtual bool ChooseColour(QWidget* parent, QColor& colour) {
        (void)parent;
        (void)colour;
        return false;
    }
    // The reason for a change to a signed batch (recorded in its audit trail), asked in
    // a small dialog; false when the operator cancelled. Unless overridden, cancelled.
    virtual bool AskReason(QWidget* parent, const QString& batchPath, QString& reason) {
        (void)parent;
        (void)batchPath;
        (void)reason;
        return false;
    }
};

// The real dialogs. Message boxes carry the application's title.
class TQtDialogService : public TDialogService {
public:
    void Error(QWidget* parent, const QString& message) override;
    void Warning(QWidget* parent, const QString& message) override;
    void Information(QWidget* parent, const QString& message) override;
    QMessageBox::StandardButton Question(QWidget* parent, const QString& title, const QString& text,
                                         QMessageBox::StandardButtons buttons,
                                         QMessageBox::StandardButton defaultButton) override;
    QString OpenFileName(QWidget* parent, const QString& caption, const QString& folder,
                         const QString& filter) override;
    QString SaveFileName(QWidget* parent, const QString& caption, const QString& path,
                         const QString& filter) override;
    QString ExistingFolder(QWidget* parent, const QString& caption, const QString& folder) override;
    void Beep() override;
    QMessageBox::StandardButton InformationQuestion(QWidget* parent, const QString& title,
                                                    const QString& text, QMessageBox::StandardButtons buttons,
                                                    QMessageBox::StandardButton defaultButton) override;
    QMessageBox::StandardButton WarningQuestion(QWidget* parent, const QString& title, const QString& text,
                                                QMessageBox::StandardButtons buttons,
                                                QMessageBox::StandardButton defaultButton) override;
    bool ChooseColour(QWidget* parent, QColor& colour) override;
    bool AskReason(QWidget* parent, const QString& batchPath, QString& reason) override;
};
