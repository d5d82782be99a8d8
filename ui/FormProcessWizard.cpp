#include "ui/FormProcessWizard.h"

#include "catalogue/Catalogue.h"
#include "core/Error.h"
#include "instrument/ProcessRules.h"
#include "ui/DialogService.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWizardPage>

namespace {

// 0.3 RPM, the speed both lists offer first.
constexpr double PreselectedRPM = 0.3;

QWizardPage* NewPage(QWizard* wizard, const char* name, const QString& title, const QString& subtitle) {
    auto* page = new QWizardPage(wizard);
    page->setObjectName(QLatin1String(name));
    page->setTitle(title);
    page->setSubTitle(subtitle);
    page->setAccessibleName(title.isEmpty() ? subtitle : title);
    return page;
}

QLineEdit* NewEdit(QWidget* parent, const char* name, const QString& caption, int length = 32767) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setAccessibleName(caption);
    edit->setMaxLength(length);
    return edit;
}

QComboBox* NewList(QWidget* parent, const char* name, const QString& caption) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    list->setAccessibleName(caption);
    return list;
}

QLabel* NewText(QWidget* parent, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

void SelectCode(QComboBox* list, int code) {
    list->setCurrentIndex(list->findData(code));
}

} // namespace

TFormProcessWizard::TFormProcessWizard(TDialogService& dialogs, QWidget* parent)
    : QWizard(parent), m_dialogs(dialogs) {
    setObjectName(QStringLiteral("FormProcessWizard"));
    setWindowTitle(tr("Process Wizard"));
    setAccessibleName(windowTitle());
    setWizardStyle(QWizard::ModernStyle);
    setOption(QWizard::NoBackButtonOnStartPage, true);
    setOption(QWizard::NoBackButtonOnLastPage, true);
    setOption(QWizard::NoCancelButtonOnLastPage, true);
    setButtonText(QWizard::BackButton, tr("< &Back"));
    setButtonText(QWizard::NextButton, tr("&Next >"));
    setButtonText(QWizard::FinishButton, tr("&Finish"));
    setButtonText(QWizard::CancelButton, tr("Cancel"));
    ShowButtons(KWizardWelcomePage);
    for (auto which :
         {QWizard::BackButton, QWizard::NextButton, QWizard::FinishButton, QWizard::CancelButton})
        button(which)->setAccessibleName(buttonText(which).remove(QLatin1Char('&')));

    QWizardPage* welcome = NewPage(this, "KWizardWelcomePage", QString(), QString());
    welcome->setAccessibleName(tr("Welcome to the Process Wizard"));
    auto* welcomeLayout = new QVBoxLayout(welcome);
    QLabel* heading = NewText(welcome, tr("Welcome to the Process Wizard"));
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.5);
    heading->setFont(headingFont);
    welcomeLayout->addWidget(heading);
    welcomeLayout->addWidget(NewText(welcome, tr("This wizard will allow you to setup a Bramblex process")));
    welcomeLayout->addStretch(1);

    QWizardPage* identifier = NewPage(this, "KWizardInteriorPageIdentifier", tr("Process Identifier"),
                                      tr("Enter an identifier for this process"));
    auto* identifierForm = new QFormLayout(identifier);
    m_identifier = NewEdit(identifier, "EditIdentifier", tr("Identifier:"));
    identifierForm->addRow(tr("Identifier:"), m_identifier);

    QWizardPage* rpm =
        NewPage(this, "KWizardInteriorRPM", tr("RPM"), tr("Enter the start and end RPM for this process"));
    auto* rpmForm = new QFormLayout(rpm);
    m_startRPM = NewList(rpm, "ComboBoxStartRPM", tr("Start RPM:"));
    m_endRPM = NewList(rpm, "ComboBoxEndRPM", tr("End RPM:"));
    m_time = NewEdit(rpm, "EditTime", tr("Time (seconds):"), 7);
    rpmForm->addRow(tr("Start RPM:"), m_startRPM);
    rpmForm->addRow(tr("End RPM:"), m_endRPM);
    rpmForm->addRow(tr("Time (seconds):"), m_time);

    QWizardPage* triggers = NewPage(this, "KWizardInteriorTemperature", tr("Delays and Triggers"),
                                    tr("Specify any delays and/or triggers for this process"));
    auto* triggerGrid = new QGridLayout(triggers);
    m_useDelay = new QCheckBox(tr("Start Delay (seconds):"), triggers);
    m_useDelay->setObjectName(QStringLiteral("CheckBoxStartDelay"));
    m_delay = NewEdit(triggers, "EditStartDelay", tr("Start Delay (seconds):"), 7);
    m_useTemperature = new QCheckBox(triggers);
    m_useTemperature->setObjectName(QStringLiteral("CheckBoxStartTemperature"));
    m_temperatureType = NewList(triggers, "ComboBoxStartTemperature", tr("Start when"));
    m_temperatureType->addItems({tr("start when above"), tr("start when below")});
    m_temperature = NewEdit(triggers, "EditStartTemperature", tr("Start Temperature"), 4);
    triggerGrid->addWidget(m_useDelay, 0, 0);
    triggerGrid->addWidget(m_delay, 0, 2);
    triggerGrid->addWidget(m_useTemperature, 1, 0);
    triggerGrid->addWidget(m_temperatureType, 1, 1);
    triggerGrid->addWidget(m_temperature, 1, 2);
    triggerGrid->setColumnStretch(3, 1);
    triggerGrid->setRowStretch(2, 1);

    QWizardPage* measurements = NewPage(this, "KWizardInteriorMeasurements", tr("Measurements"),
                                        tr("Enter how many measurements to take during this process"));
    auto* measurementsForm = new QFormLayout(measurements);
    m_measurements = NewEdit(measurements, "EditMeasurements", tr("Measurements:"), 8);
    measurementsForm->addRow(tr("Measurements:"), m_measurements);

    QWizardPage* completed = NewPage(this, "KWizardWelcomePageCompleted", QString(), QString());
    completed->setAccessibleName(tr("The wizard is complete."));
    auto* completedLayout = new QVBoxLayout(completed);
    completedLayout->addWidget(
        NewText(completed, tr("The wizard is complete.\r\n\r\nClick Finish to return.")));
    completedLayout->addStretch(1);

    setPage(KWizardWelcomePage, welcome);
    setPage(KWizardInteriorPageIdentifier, identifier);
    setPage(KWizardInteriorRPM, rpm);
    setPage(KWizardInteriorTemperature, triggers);
    setPage(KWizardInteriorMeasurements, measurements);
    setPage(KWizardWelcomePageCompleted, completed);
    setStartId(KWizardWelcomePage);
    connect(this, &QWizard::currentIdChanged, this, [this](int page) { ShowButtons(page); });
}

void TFormProcessWizard::ShowButtons(int page) {
    // The last page offers Finish alone.
    if (page == KWizardWelcomePageCompleted)
        setButtonLayout({QWizard::Stretch, QWizard::FinishButton});
    else if (page == KWizardWelcomePage)
        setButtonLayout({QWizard::Stretch, QWizard::NextButton, QWizard::CancelButton});
    else
        setButtonLayout({QWizard::Stretch, QWizard::BackButton, QWizard::NextButton, QWizard::CancelButton});
}

void TFormProcessWizard::Prepare(int spindle, bool edit) {
    m_edit = edit;
    restart();
    m_useTemperature->setText(tr("Start Temperature (%1)").arg(TemperatureUnitsName()));
    for (QLineEdit* field : {m_identifier, m_time, m_delay, m_temperature, m_measurements})
        field->clear();
    m_useDelay->setChecked(false);
    m_useTemperature->setChecked(false);
    m_temperatureType->setCurrentIndex(0);
    for (QComboBox* list : {m_startRPM, m_endRPM}) {
        list->clear();
        for (int code : ProcessSpeedCodes(spindle))
            list->addItem(ProcessSpeedText(code), code);
        for (int i = 0; i < list->count(); ++i)
            if (RPMCodeToValue(list->itemData(i).toInt()) == PreselectedRPM)
                list->setCurrentIndex(i);
    }
    if (!edit)
        return;
    m_identifier->setText(Process.Identifier);
    SelectCode(m_startRPM, Process.RPMStart);
    SelectCode(m_endRPM, Process.RPMEnd);
    m_time->setText(QString::number(Process.Time));
    m_useDelay->setChecked(Process.UseStartDelay);
    m_useTemperature->setChecked(Process.UseStartTemperature);
    if (Process.UseStartDelay)
        m_delay->setText(QString::number(Process.StartDelay));
    if (Process.UseStartTemperature) {
        m_temperature->setText(FormatTemperature(Process.StartTemperature));
        m_temperatureType->setCurrentIndex(Process.StartTemperatureType == 1 ? 1 : 0);
    }
    m_measurements->setText(QString::number(Process.MeasurementCount));
}

void TFormProcessWizard::Refuse(const QString& message, QWidget* field) {
    m_dialogs.Error(this, message);
    field->setFocus();
}

bool TFormProcessWizard::validateCurrentPage() {
    TProcessRuleResult result;
    switch (currentId()) {
    case KWizardInteriorRPM:
        result =
            CheckRPMPage(m_time->text(), m_startRPM->currentData().toInt(), m_endRPM->currentData().toInt());
        break;
    case KWizardInteriorTemperature:
        result = CheckDelaysPage(m_useDelay->isChecked(), m_delay->text(), m_useTemperature->isChecked(),
                                 m_temperature->text());
        break;
    case KWizardInteriorMeasurements:
        result = CheckMeasurementsPage(m_measurements->text(), m_time->text());
        break;
    default:
        break;
    }
    if (result.Ok())
        return QWizard::validateCurrentPage();
    QWidget* field = m_time;
    if (result.Rule == TProcessRule::StartDelay)
        field = m_delay;
    else if (result.Rule == TProcessRule::StartTemperature)
        field = m_temperature;
    else if (result.Rule == TProcessRule::MeasurementCount)
        field = m_measurements;
    Refuse(result.Message, field);
    return false;
}

void TFormProcessWizard::accept() {
    double temperature = Process.StartTemperature;
    if (m_useTemperature->isChecked()) {
        try {
            temperature = ProcessTemperatureFromText(m_temperature->text());
        } catch (const EBramblexError& e) {
            m_dialogs.Error(this, e.Message());
            return;
        }
    }
    Process.Identifier = m_identifier->text();
    Process.RPMStart = m_startRPM->currentData().toInt();
    Process.RPMEnd = m_endRPM->currentData().toInt();
    Process.Time = ProcessIntegerFromText(m_time->text());
    Process.UseStartDelay = m_useDelay->isChecked();
    Process.UseStartTemperature = m_useTemperature->isChecked();
    if (Process.UseStartDelay)
        Process.StartDelay = ProcessIntegerFromText(m_delay->text());
    if (Process.UseStartTemperature) {
        Process.StartTemperature = temperature;
        Process.StartTemperatureType = static_cast<uint8_t>(m_temperatureType->currentIndex());
    }
    Process.MeasurementCount = ProcessIntegerFromText(m_measurements->text());
    QWizard::accept();
}
