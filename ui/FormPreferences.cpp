#include "ui/FormPreferences.h"

#include "catalogue/Catalogue.h"
#include "core/Error.h"
#include "documents/SettingNames.h"
#include "platform/InterfaceLanguage.h"
#include "platform/SerialPorts.h"
#include "services/RunSession.h"
#include "ui/DialogService.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int DeviceRole = Qt::UserRole;

// Two names of one device (a by-id link and its target) are the same port.
QString Identity(const QString& device) {
    const QString canonical = QFileInfo(device).canonicalFilePath();
    return canonical.isEmpty() ? device : canonical;
}

QWidget* MakePage(QStackedWidget* pages, const char* name, const QString& title, QVBoxLayout** layout) {
    auto* page = new QWidget(pages);
    page->setObjectName(QLatin1String(name));
    page->setAccessibleName(title);
    auto* v = new QVBoxLayout(page);
    auto* heading = new QLabel(title, page);
    QFont font = heading->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.3);
    heading->setFont(font);
    auto* rule = new QFrame(page);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    v->addWidget(heading);
    v->addWidget(rule);
    pages->addWidget(page);
    *layout = v;
    return page;
}

void AddSection(QVBoxLayout* layout, const QString& heading, const QString& description) {
    auto* label = new QLabel(heading);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    layout->addSpacing(6);
    layout->addWidget(label);
    if (!description.isEmpty()) {
        auto* text = new QLabel(description);
        text->setWordWrap(true);
        layout->addWidget(text);
    }
}

QComboBox* AddCombo(QWidget* parent, const char* name, const QString& accessibleName,
                    const QStringList& entries) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    combo->setAccessibleName(accessibleName);
    combo->addItems(entries);
    return combo;
}

// Selects the entry of a stored index; one outside the list leaves none selected.
void SelectIndex(QComboBox* combo, int index) {
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

} // namespace

TFormPreferences::TFormPreferences(TDialogService& dialogs, const QStringList& ports, QWidget* parent)
    : QDialog(parent), m_dialogs(dialogs), m_ports(ports) {
    setObjectName(QStringLiteral("FormPreferences"));
    setWindowTitle(tr("Preferences"));
    setModal(true);
    resize(640, 440);

    auto* main = new QVBoxLayout(this);
    auto* body = new QHBoxLayout;
    main->addLayout(body, 1);

    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("TreeViewPreferences"));
    m_tree->setAccessibleName(tr("Preferences"));
    m_tree->setHeaderHidden(true);
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tree->setMaximumWidth(170);
    auto* root = new QTreeWidgetItem(m_tree, {tr("Preferences")});
    new QTreeWidgetItem(root, {tr("General")});
    new QTreeWidgetItem(root, {tr("Interface")});
    new QTreeWidgetItem(root, {tr("ViscoMeter")});
    m_tree->expandAll();
    // The tree is only a way between the pages: it never folds up.
    m_tree->setItemsExpandable(false);
    m_tree->setRootIsDecorated(false);
    body->addWidget(m_tree);

    m_pages = new QStackedWidget(this);
    m_pages->setObjectName(QStringLiteral("PanelPages"));
    body->addWidget(m_pages, 1);

    QVBoxLayout* layout = nullptr;
    m_general = MakePage(m_pages, "PageGeneral", tr("General"), &layout);
    AddSection(layout, tr("Units"), QString());
    auto* units = new QFormLayout;
    m_reportUnits =
        AddCombo(m_general, "ComboBoxReportUnits", tr("Report Design Units:"), {tr("mm"), tr("inches")});
    m_viscosityUnits =
        AddCombo(m_general, "ComboBoxViscosityUnits", tr("Viscosity Units:"), {tr("mPas"), tr("cP")});
    m_temperatureUnits = AddCombo(m_general, "ComboBoxTemperatureUnits", tr("Temperature Units:"),
                                  {tr("Celsius (°C)"), tr("Fahrenheit (°F)")});
    units->addRow(tr("Report Design Units:"), m_reportUnits);
    units->addRow(tr("Viscosity Units:"), m_viscosityUnits);
    units->addRow(tr("Temperature Units:"), m_temperatureUnits);
    layout->addLayout(units);
    AddSection(layout, tr("Email Report Format"),
               tr("Specify the method in which a report will be emailed."));
    m_emailFormat = AddCombo(m_general, "ComboBoxEmailReportFormat", tr("Email Report Format"),
                             {tr("PDF Document"), tr("JPEG Images")});
    layout->addWidget(m_emailFormat);
    layout->addStretch(1);

    m_interface = MakePage(m_pages, "PageInterface", tr("Interface"), &layout);
    AddSection(layout, tr("Report Page Thumbnail Quality"),
               tr("Specify the quality of the report page thumbnails."));
    m_thumbnailQuality =
        AddCombo(m_interface, "ComboBoxThumbnailQuality", tr("Report Page Thumbnail Quality"),
                 {tr("High Quality"), tr("Normal Quality"), tr("No Thumbnail")});
    layout->addWidget(m_thumbnailQuality);
    AddSection(layout, tr("Toolbar Labels"), tr("Specify the style of the toolbar labels"));
    m_toolbarLabel = AddCombo(m_interface, "ComboBoxToolbarLabel", tr("Toolbar Labels"),
                              {tr("Label Right of Icon"), tr("Label Below the Icon"), tr("No Label")});
    layout->addWidget(m_toolbarLabel);
    AddSection(layout, tr("Interface language"),
               tr("The language of windows and messages. It takes effect at the next start."));
    m_interfaceLanguage = AddCombo(m_interface, "ComboBoxInterfaceLanguage", tr("Interface language"), {});
    m_interfaceLanguage->addItem(tr("Desktop language"), 0u);
    // Each language under its own name, as its speakers look for it.
    for (const QString& code : ShippedLanguages()) {
        const uint32_t localeId = MatchInterfaceLanguage({code}, {code});
        QString name = LocaleFromLocaleID(localeId).nativeLanguageName();
        if (!name.isEmpty())
            name[0] = name[0].toUpper();
        m_interfaceLanguage->addItem(name, localeId);
    }
    layout->addWidget(m_interfaceLanguage);
    layout->addStretch(1);

    m_viscoMeter = MakePage(m_pages, "PageViscoMeter", tr("ViscoMeter"), &layout);
    AddSection(layout, tr("Communications Port"),
               tr("Specify the communications port the ViscoMeter is connected to."));
    m_comPort = AddCombo(m_viscoMeter, "ComboBoxComPort", tr("Communications Port"), {});
    layout->addWidget(m_comPort);
    AddSection(layout, tr("Default ViscoMeter Model"), QString());
    QStringList models;
    for (const char* name : ModelNames)
        models << QString::fromLatin1(name);
    m_model = AddCombo(m_viscoMeter, "ComboBoxDefaultViscoMeter", tr("Default ViscoMeter Model"), models);
    layout->addWidget(m_model);
    AddSection(layout, tr("Default Spindle"), QString());
    m_spindle = AddCombo(m_viscoMeter, "ComboBoxDefaultSpindle", tr("Default Spindle"), {});
    layout->addWidget(m_spindle);
    AddSection(layout, tr("Default Company"), QString());
    m_company = new QLineEdit(m_viscoMeter);
    m_company->setObjectName(QStringLiteral("EditDefaultCompany"));
    m_company->setAccessibleName(tr("Default Company"));
    layout->addWidget(m_company);
    AddSection(layout, tr("Default Operator"), QString());
    m_operator = new QLineEdit(m_viscoMeter);
    m_operator->setObjectName(QStringLiteral("EditDefaultOperator"));
    m_operator->setAccessibleName(tr("Default Operator"));
    layout->addWidget(m_operator);
    layout->addStretch(1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("ButtonBox"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ButtonOK"));
    buttons->button(QDialogButtonBox::Ok)->setAccessibleName(tr("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("ButtonCancel"));
    buttons->button(QDialogButtonBox::Cancel)->setAccessibleName(tr("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { ButtonOKClick(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    main->addWidget(buttons);

    connect(m_tree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (!item)
            return;
        const int child = item->parent() ? item->parent()->indexOfChild(item) : 0;
        m_pages->setCurrentIndex(child);
    });
    connect(m_model, &QComboBox::currentIndexChanged, this, [this] { FillSpindles(); });
}

QComboBox* TFormPreferences::Combo(const QString& objectName) const {
    return findChild<QComboBox*>(objectName);
}

QString TFormPreferences::PortDevice(int index) const {
    return m_comPort->itemData(index, DeviceRole).toString();
}

void TFormPreferences::LoadSettings(const TSettings& settings) {
    const int language = m_interfaceLanguage->findData(ChosenInterfaceLocaleID());
    m_interfaceLanguage->setCurrentIndex(language >= 0 ? language : 0);
    m_settings.AutoSave = false;
    m_settings.Assign(settings);
    TSettings& s = m_settings;

    SelectPort();

    SelectIndex(m_reportUnits, Setting::ReportUnits.Get(s));
    SelectIndex(m_viscosityUnits, Setting::ViscosityUnits.Get(s));
    SelectIndex(m_temperatureUnits, Setting::TemperatureUnits.Get(s));
    SelectIndex(m_emailFormat, Setting::EmailReportFormat.Get(s));
    SelectIndex(m_thumbnailQuality, Setting::ThumbnailQuality.Get(s));
    SelectIndex(m_toolbarLabel, Setting::ToolbarLabelStyle.Get(s));
    m_company->setText(Setting::DefaultCompany.Get(s));
    m_operator->setText(Setting::DefaultOperator.Get(s));

    const int model = Setting::DefaultViscoMeter.Get(s);
    {
        const QSignalBlocker block(m_model);
        m_model->setCurrentIndex(std::clamp(model, 0, ModelTypeCount - 1));
    }
    m_spindle->clear();
    FillSpindles();
    const int spindle = SpindleToIndex(m_model->currentIndex(), Setting::DefaultSpindle.Get(s));
    m_spindle->setCurrentIndex(spindle == -1 ? 0 : spindle);

    QTreeWidgetItem* root = m_tree->topLevelItem(0);
    m_tree->setCurrentItem(model == -1 ? root->child(2) : root->child(0));
}

void TFormPreferences::SelectPort() {
    const QString device = Setting::ComPortDevice.Get(m_settings).trimmed();
    const int number = Setting::ComPort.Get(m_settings);
    m_comPort->clear();
    for (const QString& entry : m_ports)
        m_comPort->addItem(entry, PortEntryDevice(entry));

    int selected = -1;
    if (device != QLatin1String(SimulatedPortSetting)) {
        const QString wanted = device.isEmpty() ? PortDevicePath(number, QString()) : device;
        for (int i = 0; i < m_comPort->count() && selected < 0; ++i) {
            const QString entryDevice = PortDevice(i);
            if (device.isEmpty()
                    ? ComPortNumber(entryDevice) == number || Identity(entryDevice) == Identity(wanted)
                    : Identity(entryDevice) == Identity(wanted))
                selected = i;
        }
        // A port the settings name that is not there now (an adapter unplugged) stays
        // the choice until the operator picks another.
        if (selected < 0 && !wanted.isEmpty()) {
            m_comPort->addItem(tr("%1 (not present)").arg(wanted), wanted);
            selected = m_comPort->count() - 1;
        }
    }
    m_comPort->addItem(SimulatedPortText(), QString::fromLatin1(SimulatedPortSetting));
    if (device == QLatin1String(SimulatedPortSetting))
        selected = m_comPort->count() - 1;
    m_comPort->setCurrentIndex(selected < 0 ? 0 : selected);
}

void TFormPreferences::FillSpindles() {
    const int remembered = m_spindle->currentIndex();
    const int model = m_model->currentIndex();
    m_spindle->clear();
    for (int i = 0; i < SpindleCount(model); ++i)
        m_spindle->addItem(QString::fromLatin1(SpindleNames[SpindleFromIndex(model, i)]));
    if (remembered >= 0 && remembered < m_spindle->count())
        m_spindle->setCurrentIndex(remembered);
    else if (m_spindle->count() > 0)
        m_spindle->setCurrentIndex(m_spindle->count() - 1);
}

void TFormPreferences::ButtonOKClick() {
    TSettings& s = m_settings;
    s.BeginUpdate();
    if (m_comPort->currentIndex() >= 0) {
        const QString device = PortDevice(m_comPort->currentIndex());
        if (device == QLatin1String(SimulatedPortSetting)) {
            Setting::ComPort.Set(s, 0);
            Setting::ComPortDevice.Set(s, device);
        } else {
            Setting::ComPort.Set(s, ComPortNumber(device));
            Setting::ComPortDevice.Set(s, device);
        }
    }
    // A list left without a selection (its stored value was out of range) keeps the
    // stored value: nothing the operator did not choose is written.
    auto store = [&s](const TSettingName<int32_t>& name, const QComboBox* combo) {
        if (combo->currentIndex() >= 0)
            name.Set(s, combo->currentIndex());
    };
    store(Setting::ReportUnits, m_reportUnits);
    store(Setting::ViscosityUnits, m_viscosityUnits);
    store(Setting::ThumbnailQuality, m_thumbnailQuality);
    store(Setting::EmailReportFormat, m_emailFormat);
    store(Setting::TemperatureUnits, m_temperatureUnits);
    store(Setting::ToolbarLabelStyle, m_toolbarLabel);
    const int model = m_model->currentIndex();
    Setting::DefaultViscoMeter.Set(s, model);
    if (m_spindle->currentIndex() >= 0)
        Setting::DefaultSpindle.Set(s, SpindleFromIndex(model, m_spindle->currentIndex()));
    Setting::DefaultCompany.Set(s, m_company->text());
    Setting::DefaultOperator.Set(s, m_operator->text());
    s.EndUpdate();
    // The language is the user's, not the storage tree's: it lives with the per-user
    // values and counts from the next start (windows are not built again).
    const uint32_t language = m_interfaceLanguage->currentData().toUInt();
    if (m_interfaceLanguage->currentIndex() >= 0 && language != ChosenInterfaceLocaleID()) {
        try {
            SetChosenInterfaceLocaleID(language);
        } catch (const EBramblexError& e) {
            m_dialogs.Error(this, e.Message());
            return;
        }
        m_dialogs.Information(this, tr("The interface language changes at the next start of Bramblex."));
    }
    accept();
}

void TFormPreferences::done(int result) {
    if (Setting::DefaultViscoMeter.Get(m_settings) == -1) {
        m_dialogs.Error(this, Tr("A ViscoMeter model must be selected"));
        return;
    }
    QDialog::done(result);
}
