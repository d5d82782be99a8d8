#pragma once

// The process wizard: one process, page by page, each page checked before the next. The
// dialog is made once and reused for every New and Edit; its working process is copied
// in before an edit and read back after OK.

#include "documents/BatchItem.h"

#include <QWizard>

class QCheckBox;
class QComboBox;
class QLineEdit;
class TDialogService;

class TFormProcessWizard : public QWizard {
    Q_OBJECT
public:
    enum TPage {
        KWizardWelcomePage,
        KWizardInteriorPageIdentifier,
        KWizardInteriorRPM,
        KWizardInteriorTemperature,
        KWizardInteriorMeasurements,
        KWizardWelcomePageCompleted,
    };

    explicit TFormProcessWizard(TDialogService& dialogs, QWidget* parent = nullptr);

    // The process the dialog edits; filled before an Edit, read after OK.
    TProcessItem Process;

    // Resets the pages for the batch's spindle (the speed limit of PA to PF) and, for an
    // edit, fills them from Process. Called before every showing.
    void Prepare(int spindle, bool edit);

    QLineEdit* EditIdentifier() const { return m_identifier; }
    QComboBox* ComboBoxStartRPM() const { return m_startRPM; }
    QComboBox* ComboBoxEndRPM() const { return m_endRPM; }
    QLineEdit* EditTime() const { return m_time; }
    QCheckBox* CheckBoxStartDelay() const { return m_useDelay; }
    QLineEdit* EditStartDelay() const { return m_delay; }
    QCheckBox* CheckBoxStartTemperature() const { return m_useTemperature; }
    QComboBox* ComboBoxStartTemperature() const { return m_temperatureType; }
    QLineEdit* EditStartTemperature() const { return m_temperature; }
    QLineEdit* EditMeasurements() const { return m_measurements; }

    // The checks of the page being left; false (after the message) keeps it open.
    bool validateCurrentPage() override;
    // Finish: the working process takes the entered values; a temperature that is not a
    // number is refused here and the dialog stays open.
    void accept() override;

private:
    void ShowButtons(int page);
    void Refuse(const QString& message, QWidget* field);

    TDialogService& m_dialogs;
    bool m_edit = false;
    QLineEdit* m_identifier;
    QComboBox* m_startRPM;
    QComboBox* m_endRPM;
    QLineEdit* m_time;
    QCheckBox* m_useDelay;
    QLineEdit* m_delay;
    QCheckBox* m_useTemperature;
    QComboBox* m_temperatureType;
    QLineEdit* m_temperature;
    QLineEdit* m_measurements;
};
