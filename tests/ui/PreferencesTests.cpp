// The preferences dialog: its pages and lists, the closing check, the port list with a
// port that is gone and the simulated viscometer, and what OK stores.

#include "MainWindowFixture.h"

#include "catalogue/Catalogue.h"
#include "platform/InterfaceLanguage.h"
#include "platform/UserValues.h"
#include "ui/FormPreferences.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>

namespace {

// Loads the dialog from a store holding values.
void Load(TFormPreferences& dialog, const std::vector<std::pair<QString, QString>>& values) {
    TSettings settings;
    for (const auto& [key, value] : values)
        settings.Item(key).SetString(value);
    dialog.LoadSettings(settings);
}

// Runs check on the modal dialog of type T once it is shown (within timeoutMs).
template <class T> void WhenModal(const std::function<void(T*)>& check, int timeoutMs = 5000) {
    auto* timer = new QTimer;
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    QObject::connect(timer, &QTimer::timeout, [timer, check, started, timeoutMs] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            check(dialog);
        } else if (started->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
            ADD_FAILURE() << "no modal dialog appeared";
        }
    });
    timer->start(20);
}

} // namespace

class PreferencesTest : public ::testing::Test {
protected:
    TScriptedDialogs Dialogs;
};

TEST_F(PreferencesTest, FirstUseOpensOnTheViscoMeterPageAndNeedsAModel) {
    TFormPreferences dialog(Dialogs, {"/dev/ttyS0"});
    TSettings settings;
    settings.Item("DefaultViscoMeter").SetInteger(-1);
    dialog.LoadSettings(settings);
    EXPECT_EQ(dialog.Pages()->currentWidget(), dialog.PageViscoMeter());
    EXPECT_EQ(dialog.Combo("ComboBoxDefaultViscoMeter")->currentIndex(), 0);
    EXPECT_EQ(dialog.Combo("ComboBoxDefaultViscoMeter")->count(), ModelTypeCount);

    dialog.show();
    dialog.reject();
    EXPECT_EQ(Dialogs.Texts("error"), QStringList{"A ViscoMeter model must be selected"});
    EXPECT_TRUE(dialog.isVisible()) << "Cancel is refused";
    dialog.close();
    EXPECT_TRUE(dialog.isVisible()) << "so is the close button";

    dialog.findChild<QPushButton*>("ButtonOK")->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Settings().Item("DefaultViscoMeter").GetInteger(), 0);
}

TEST_F(PreferencesTest, PagesFollowTheNavigationTree) {
    TFormPreferences dialog(Dialogs, {});
    Load(dialog, {{"DefaultViscoMeter", "2"}});
    EXPECT_EQ(dialog.Pages()->currentWidget(), dialog.PageGeneral());
    QTreeWidgetItem* root = dialog.TreeViewPreferences()->topLevelItem(0);
    ASSERT_EQ(root->childCount(), 3);
    EXPECT_EQ(root->text(0), "Preferences");
    const QWidget* pages[] = {dialog.PageGeneral(), dialog.PageInterface(), dialog.PageViscoMeter()};
    for (int i = 0; i < 3; ++i) {
        dialog.TreeViewPreferences()->setCurrentItem(root->child(i));
        EXPECT_EQ(dialog.Pages()->currentWidget(), pages[i]) << root->child(i)->text(0).toStdString();
    }
    dialog.TreeViewPreferences()->setCurrentItem(root);
    EXPECT_EQ(dialog.Pages()->currentWidget(), dialog.PageGeneral());
    // Every control can be found by its name, as a screen reader finds it.
    int controls = 0;
    for (QWidget* w : dialog.findChildren<QWidget*>()) {
        if (qobject_cast<QComboBox*>(w) || qobject_cast<QLineEdit*>(w) || qobject_cast<QPushButton*>(w)) {
            ++controls;
            EXPECT_FALSE(w->accessibleName().isEmpty()) << w->objectName().toStdString();
        }
    }
    EXPECT_EQ(controls, 14); // ten lists, two edits, OK and Cancel
}

TEST_F(PreferencesTest, TheSpindlePositionStaysAcrossAModelChange) {
    TFormPreferences dialog(Dialogs, {});
    // V2-R (17 spindles) with TR11, its last: position 16.
    Load(dialog, {{"DefaultViscoMeter", "3"}, {"DefaultSpindle", "24"}});
    QComboBox* model = dialog.Combo("ComboBoxDefaultViscoMeter");
    QComboBox* spindle = dialog.Combo("ComboBoxDefaultSpindle");
    EXPECT_EQ(spindle->currentText(), "TR11");
    model->setCurrentIndex(2); // V2-L has 14: its last
    EXPECT_EQ(spindle->count(), 14);
    EXPECT_EQ(spindle->currentIndex(), 13);
    spindle->setCurrentIndex(4);
    model->setCurrentIndex(3); // back to 17: the position stays
    EXPECT_EQ(spindle->currentIndex(), 4);
    dialog.findChild<QPushButton*>("ButtonOK")->click();
    EXPECT_EQ(dialog.Settings().Item("DefaultViscoMeter").GetInteger(), 3);
    EXPECT_EQ(dialog.Settings().Item("DefaultSpindle").GetInteger(), SpindleFromIndex(3, 4));
}

TEST_F(PreferencesTest, PortListChoices) {
    const QStringList ports{"/dev/ttyS0", "/dev/ttyS2", "USB Serial (ttyUSB5) /dev/ttyUSB5"};
    {
        // By number: port 5 is the USB adapter.
        TFormPreferences dialog(Dialogs, ports);
        Load(dialog, {{"DefaultViscoMeter", "2"}, {"ComPort", "5"}});
        QComboBox* combo = dialog.Combo("ComboBoxComPort");
        EXPECT_EQ(combo->currentIndex(), 2);
        EXPECT_EQ(combo->itemText(combo->count() - 1), "Simulated ViscoMeter");
        dialog.findChild<QPushButton*>("ButtonOK")->click();
        EXPECT_EQ(dialog.Settings().Item("ComPort").GetInteger(), 5);
        EXPECT_EQ(dialog.Settings().Item("ComPortDevice").GetString(), "/dev/ttyUSB5");
    }
    {
        // An adapter that is unplugged now stays the choice, marked.
        TFormPreferences dialog(Dialogs, ports);
        const QString gone = "/dev/serial/by-id/usb-FTDI_FT232R_A1-if00-port0";
        Load(dialog, {{"DefaultViscoMeter", "2"}, {"ComPort", "0"}, {"ComPortDevice", gone}});
        QComboBox* combo = dialog.Combo("ComboBoxComPort");
        EXPECT_EQ(combo->currentText(), gone + " (not present)");
        dialog.findChild<QPushButton*>("ButtonOK")->click();
        EXPECT_EQ(dialog.Settings().Item("ComPortDevice").GetString(), gone);
    }
    {
        // The simulated viscometer is stored by a fixed word, whatever the language.
        TFormPreferences dialog(Dialogs, ports);
        Load(dialog, {{"DefaultViscoMeter", "2"}, {"ComPort", "1"}});
        QComboBox* combo = dialog.Combo("ComboBoxComPort");
        EXPECT_EQ(combo->currentIndex(), 0);
        combo->setCurrentIndex(combo->count() - 1);
        dialog.findChild<QPushButton*>("ButtonOK")->click();
        EXPECT_EQ(dialog.Settings().Item("ComPortDevice").GetString(), "simulated");
        EXPECT_EQ(dialog.Settings().Item("ComPort").GetInteger(), 0);

        TFormPreferences again(Dialogs, ports);
        again.LoadSettings(dialog.Settings());
        EXPECT_EQ(again.Combo("ComboBoxComPort")->currentText(), "Simulated ViscoMeter");
    }
}

TEST_F(PreferencesTest, AValueOutOfRangeIsKeptNotReplacedByMinusOne) {
    TFormPreferences dialog(Dialogs, {});
    Load(dialog, {{"DefaultViscoMeter", "2"}, {"ViscosityUnits", "7"}, {"TemperatureUnits", "1"}});
    EXPECT_EQ(dialog.Combo("ComboBoxViscosityUnits")->currentIndex(), -1);
    EXPECT_EQ(dialog.Combo("ComboBoxTemperatureUnits")->currentIndex(), 1);
    dialog.findChild<QPushButton*>("ButtonOK")->click();
    EXPECT_EQ(dialog.Settings().Item("ViscosityUnits").GetInteger(), 7);
    EXPECT_EQ(dialog.Settings().Item("TemperatureUnits").GetInteger(), 1);
}

TEST_F(MainWindowTest, PreferencesOpenAfterStartWhenNoModelWasChosenAndOKAppliesUnits) {
    // As the template tree seeds it: no model yet.
    Start();
    bool seen = false;
    WhenModal<TFormPreferences>([&](TFormPreferences* dialog) {
        seen = true;
        EXPECT_EQ(dialog->Pages()->currentWidget(), dialog->PageViscoMeter());
        dialog->Combo("ComboBoxDefaultViscoMeter")->setCurrentIndex(2);
        dialog->Combo("ComboBoxTemperatureUnits")->setCurrentIndex(1);
        dialog->findChild<QPushButton*>("ButtonOK")->click();
    });
    ASSERT_TRUE(WaitFor([&] { return seen; }, 5000));
    QApplication::processEvents();
    EXPECT_EQ(Form->Settings().Item("DefaultViscoMeter").GetInteger(), 2);
    EXPECT_EQ(TemperatureUnits(), 1) << "the display units follow at once";
    TSettings onDisk;
    onDisk.Load(Storage() + "Settings/settings.xml");
    EXPECT_EQ(onDisk.Item("TemperatureUnits").GetInteger(), 1);
    SetTemperatureUnits(0);
}

TEST_F(MainWindowTest, AnUnsetModelOpensNoPreferences) {
    WriteSettings({{"ComPort", "1"}});
    Start();
    QTest::qWait(500);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(PreferencesTest, EveryControlOfEveryPageHasAName) {
    TFormPreferences dialog(Dialogs, {"/dev/ttyS0", "/dev/ttyUSB0"});
    Load(dialog, {{"DefaultViscoMeter", "2"}});
    dialog.show();
    int controls = 0;
    for (QWidget* page : {dialog.PageGeneral(), dialog.PageInterface(), dialog.PageViscoMeter()}) {
        dialog.Pages()->setCurrentWidget(page);
        const QStringList unnamed = UnnamedControls(&dialog, &controls);
        EXPECT_TRUE(unnamed.isEmpty())
            << page->objectName().toStdString() << ": " << unnamed.join(", ").toStdString();
    }
    // The tree, OK and Cancel on every page; four lists, three lists, five lists and edits.
    EXPECT_EQ(controls, 3 * 3 + 4 + 3 + 5);
    dialog.reject();
}

TEST_F(MainWindowTest, TheInterfaceLanguageIsTheUsersAndCountsFromTheNextStart) {
    auto choose = [this](uint32_t localeId) {
        TFormPreferences dialog(Dialogs, {});
        Load(dialog, {{"DefaultViscoMeter", "2"}});
        QComboBox* languages = dialog.Combo("ComboBoxInterfaceLanguage");
        const int index = languages->findData(localeId);
        EXPECT_GE(index, 0) << std::hex << localeId;
        languages->setCurrentIndex(index);
        dialog.findChild<QPushButton*>("ButtonOK")->click();
        return languages->itemText(index);
    };
    // The desktop's language until the user chooses; the build ships German.
    EXPECT_EQ(choose(0), "Desktop language");
    EXPECT_FALSE(ReadUserValue("Language", "LocaleID").isValid());
    EXPECT_EQ(Dialogs.Texts("information"), QStringList());

    EXPECT_EQ(choose(0x0407), "Deutsch");
    EXPECT_EQ(ReadUserValue("Language", "LocaleID").toUInt(), 0x0407u);
    EXPECT_EQ(InterfaceLanguageTag(), "DEU");
    EXPECT_EQ(Dialogs.Texts("information"),
              QStringList{"The interface language changes at the next start of Bramblex."});

    // Back to the desktop's: the value says no choice.
    choose(0);
    EXPECT_EQ(ReadUserValue("Language", "LocaleID").toUInt(), 0u);
    EXPECT_EQ(ChosenInterfaceLocaleID(), 0u);
}
