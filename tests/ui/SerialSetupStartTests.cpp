// A start without a chosen port explains what would keep the port from opening.

#include "MainWindowFixture.h"

namespace {

TSerialSetupFacts NotInDialout() {
    TSerialSetupFacts facts;
    facts.UserName = QStringLiteral("lab");
    facts.DialoutExists = true;
    return facts;
}

class SerialSetupStartTest : public MainWindowTest {
protected:
    void StartWith(std::function<TSerialSetupFacts()> facts) {
        Form = std::make_unique<TFormMain>(Dialogs);
        Form->SerialSetupFacts = std::move(facts);
        ASSERT_TRUE(Form->Create());
        Form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
        QTest::qWait(400);
    }
};

TEST_F(SerialSetupStartTest, NoPortChosenAndNotInTheGroupExplainsOnce) {
    WriteSettings({{"DefaultViscoMeter", "2"}, {"ComPortDevice", ""}});
    StartWith(NotInDialout);
    const QStringList shown = Dialogs.Texts("information");
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].contains("sudo usermod -aG dialout lab")) << shown[0].toStdString();
    // The build tree's copy of the optional rule is named, so the advice can be followed.
    EXPECT_TRUE(shown[0].contains(QStringLiteral(BRAMBLEX_SOURCE_DIR "/data/udev/60-bramblex-serial.rules")))
        << shown[0].toStdString();
}

TEST_F(SerialSetupStartTest, NothingIsSaidWhenAPortIsChosenOrNothingIsInTheWay) {
    WriteSettings({{"DefaultViscoMeter", "2"}, {"ComPortDevice", "/dev/ttyUSB0"}});
    int asked = 0;
    StartWith([&] {
        ++asked;
        return NotInDialout();
    });
    EXPECT_EQ(Dialogs.Log.size(), 0u);
    EXPECT_EQ(asked, 0) << "the machine is not examined once a port is chosen";
    Form.reset();

    WriteSettings({{"DefaultViscoMeter", "2"}, {"ComPortDevice", ""}});
    StartWith([] {
        TSerialSetupFacts facts = NotInDialout();
        facts.DialoutNow = facts.DialoutAccount = true;
        return facts;
    });
    EXPECT_EQ(Dialogs.Log.size(), 0u);
}

} // namespace
