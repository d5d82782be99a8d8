#pragma once

// Benchmarks expect no dialog; any that comes is answered with its default, and errors are
// kept so a benchmark can report them.

#include "ui/DialogService.h"

#include <QStringList>

class TQuietDialogs : public TDialogService {
public:
    void Error(QWidget*, const QString& message) override { Errors << message; }
    void Warning(QWidget*, const QString&) override {}
    void Information(QWidget*, const QString&) override {}
    QMessageBox::StandardButton Question(QWidget*, const QString&, const QString&,
                                         QMessageBox::StandardButtons,
                                         QMessageBox::StandardButton defaultButton) override {
        return defaultButton;
    }
    QString OpenFileName(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString SaveFileName(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString ExistingFolder(QWidget*, const QString&, const QString&) override { return {}; }
    void Beep() override {}

    QStringList Errors;
};
