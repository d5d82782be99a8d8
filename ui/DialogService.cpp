#include "ui/DialogService.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QUrl>

namespace {

QString BoxTitle() {
    const QString name = QGuiApplication::applicationDisplayName();
    return name.isEmpty() ? QStringLiteral("Korvane Bramblex") : name;
}

// A question box with an icon QMessageBox's static helpers do not offer for questions;
// closing the box answers with the default button.
QMessageBox::StandardButton AskWithIcon(QMessageBox::Icon icon, QWidget* parent, const QString& title,
                                        const QString& text, QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton) {
    QMessageBox box(icon, title.isEmpty() ? BoxTitle() : title, text, buttons, parent);
    box.setDefaultButton(defaultButton);
    const int answer = box.exec();
    return answer == -1 ? defaultButton : static_cast<QMessageBox::StandardButton>(answer);
}

} // namespace

bool TDialogService::AskYesNo(QWidget* parent, const QString& title, const QString& text) {
    return Question(parent, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
           QMessageBox::Yes;
}

void TDialogService::About(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox::about(parent, title, text);
}

bool TDialogService::OpenUrl(QWidget*, const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

void TQtDialogService::Error(QWidget* parent, const QString& message) {
    QMessageBox::critical(parent, BoxTitle(), message);
}

void TQtDialogService::Warning(QWidget* parent, const QString& message) {
    QMessageBox::warning(parent, BoxTitle(), message);
}

void TQtDialogService::Information(QWidget* parent, const QString& message) {
    QMessageBox::information(parent, BoxTitle(), message);
}

QMessageBox::StandardButton TQtDialogService::Question(QWidget* parent, const QString& title,
                                                       const QString& text,
                                                       QMessageBox::StandardButtons buttons,
                                                       QMessageBox::StandardButton defaultButton) {
    return QMessageBox::question(parent, title.isEmpty() ? BoxTitle() : title, text, buttons, defaultButton);
}

QString TQtDialogService::OpenFileName(QWidget* parent, const QString& caption, const QString& folder,
                                       const QString& filter) {
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

QString TQtDialogService::SaveFileName(QWidget* parent, const QString& caption, const QString& path,
                                       const QString& filter) {
    return QFileDialog::getSaveFileName(parent, caption, path, filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

QString TQtDialogService::ExistingFolder(QWidget* parent, const QString& caption, const QString& folder) {
    return QFileDialog::getExistingDirectory(parent, caption, folder);
}

void TQtDialogService::Beep() {
    QApplication::beep();
}

QMessageBox::StandardButton TQtDialogService::InformationQuestion(QWidget* parent, const QString& title,
                                                                  const QString& text,
                                                                  QMessageBox::StandardButtons buttons,
                                                                  QMessageBox::StandardButton defaultButton) {
    return AskWithIcon(QMessageBox::Information, parent, title, text, buttons, defaultButton);
}

QMessageBox::StandardButton TQtDialogService::WarningQuestion(QWidget* parent, const QString& title,
                                                              const QString& text,
                                                              QMessageBox::StandardButtons buttons,
                                                              QMessageBox::StandardButton defaultButton) {
    return AskWithIcon(QMessageBox::Warning, parent, title, text, buttons, defaultButton);
}

bool TQtDialogService::ChooseColour(QWidget* parent, QColor& colour) {
    const QColor chosen = QColorDialog::getColor(colour, parent);
    if (!chosen.isValid())
        return false;
    colour = chosen;
    return true;
}

bool TQtDialogService::AskReason(QWidget* parent, const QString& batchPath, QString& reason) {
    bool ok = false;
    const QString text = QInputDialog::getText(
        parent, QApplication::tr("Reason for the Change"),
        QApplication::tr("\"%1\" is signed. Why is it changed?").arg(QDir::toNativeSeparators(batchPath)),
        QLineEdit::Normal, QString(), &ok);
    if (!ok || text.trimmed().isEmpty())
        return false;
    reason = text.trimmed();
    return true;
}
