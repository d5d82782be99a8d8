// Closing the window while an automation client holds its object asks first, with No
// preselected; only Yes closes.

#include "MainWindowFixture.h"

namespace {

const char* const Warning =
    "There are still active COM objects in this application.  One or more clients may have "
    "references to these objects, so manually closing this application may cause those "
    "client application(s) to fail.\r\n\r\nAre you sure you want to close this application?";

TEST_F(MainWindowTest, ClosingWhileAnAutomationClientHoldsOnAsksFirst) {
    WriteSettings({{"DefaultViscoMeter", "2"}});
    Start();
    int objects = 1;
    Form->AutomationObjectCount = [&objects] { return objects; };

    Dialogs.Answers = {QMessageBox::No};
    EXPECT_FALSE(Form->close());
    EXPECT_TRUE(Form->isVisible());
    EXPECT_EQ(Dialogs.Texts("question"), QStringList{Warning});
    EXPECT_EQ(Dialogs.QuestionTitles, QStringList{"COM Server Warning"});
    EXPECT_EQ(Dialogs.QuestionDefaults, std::vector{QMessageBox::No});

    Dialogs.Answers = {QMessageBox::Yes};
    EXPECT_TRUE(Form->close());
    EXPECT_EQ(Dialogs.Texts("question").size(), 2);

    // Released: nothing to ask.
    Form->show();
    objects = 0;
    EXPECT_TRUE(Form->close());
    EXPECT_EQ(Dialogs.Texts("question").size(), 2);
}

} // namespace
