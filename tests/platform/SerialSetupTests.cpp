// The serial-port facts a first start explains: brltty's rules, ModemManager, the group.

#include "platform/SerialSetup.h"

#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

void Put(const TempDir& dir, const QString& name, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(dir.File(name)).path());
    dir.Write(name, bytes);
}

// Lines as Debian's brltty package writes them.
const QByteArray BrlttyRules =
    "# Braille displays and USB-serial adapters\n"
    "ENV{PRODUCT}==\"1c40/0005/*\", ENV{BRLTTY_BRAILLE_DRIVER}=\"eu\", GOTO=\"brltty_usb_run\"\n"
    "ENV{PRODUCT}==\"403/6001/*\", ENV{BRLTTY_BRAILLE_DRIVER}=\"at,bm\", GOTO=\"brltty_usb_run\"\n";

TEST(SerialSetup, BrlttyRulesThatClaimAdaptersAreFoundWhereTheyWin) {
    struct Case {
        const char* what;
        std::vector<std::pair<const char*, QByteArray>> files; // path under etc/ or usr/
        bool maskWithDevNull;
        QStringList expected; // relative to the scratch folder
    };
    const Case cases[] = {
        {"packaged rule", {{"usr/85-brltty.rules", BrlttyRules}}, false, {"usr/85-brltty.rules"}},
        {"idVendor form",
         {{"usr/85-brltty.rules", "ATTRS{idVendor}==\"1a86\", RUN+=\"brltty\"\n"}},
         false,
         {"usr/85-brltty.rules"}},
        {"switched off by an empty file in etc",
         {{"usr/85-brltty.rules", BrlttyRules}, {"etc/85-brltty.rules", ""}},
         false,
         {}},
        {"switched off by a link to /dev/null", {{"usr/85-brltty.rules", BrlttyRules}}, true, {}},
        {"replaced in etc by one for displays only",
         {{"usr/85-brltty.rules", BrlttyRules}, {"etc/85-brltty.rules", "ENV{PRODUCT}==\"1c40/0005/*\"\n"}},
         false,
         {}},
        {"adapters only in comments",
         {{"usr/85-brltty.rules", "# ENV{PRODUCT}==\"403/6001/*\"\n"}},
         false,
         {}},
        {"another package's rule for the same adapter",
         {{"usr/60-bramblex-serial.rules", "ATTRS{idVendor}==\"0403\", TAG+=\"uaccess\"\n"}},
         false,
         {}},
    };
    for (const Case& c : cases) {
        TempDir dir;
        QDir().mkpath(dir.File("etc"));
        QDir().mkpath(dir.File("usr"));
        for (const auto& [name, bytes] : c.files)
            Put(dir, QString::fromLatin1(name), bytes);
        if (c.maskWithDevNull) {
            ASSERT_TRUE(QFile::link("/dev/null", dir.File("etc/85-brltty.rules")));
        }
        QStringList expected;
        for (const QString& e : c.expected)
            expected << dir.File(e);
        EXPECT_EQ(BrlttyUsbSerialRules({dir.File("etc"), dir.File("missing"), dir.File("usr")}), expected)
            << c.what;
    }
}

TEST(SerialSetup, ProcessRunningReadsTheCommandNames) {
    TempDir proc;
    Put(proc, "1/comm", "systemd\n");
    Put(proc, "812/comm", "ModemManager\n");
    Put(proc, "self/comm", "bash\n");
    EXPECT_TRUE(ProcessRunning("ModemManager", proc.Path()));
    EXPECT_FALSE(ProcessRunning("bash", proc.Path())) << "only numbered entries are processes";
    EXPECT_FALSE(ProcessRunning("Modem", proc.Path()));
    EXPECT_FALSE(ProcessRunning("ModemManager", proc.File("none")));
}

TEST(SerialSetup, AdviceNamesWhatIsInTheWay) {
    TSerialSetupFacts fine;
    fine.UserName = "lab";
    fine.DialoutExists = true;
    fine.DialoutNow = true;
    fine.DialoutAccount = true;
    EXPECT_FALSE(SerialSetupNeedsAdvice(fine));

    TSerialSetupFacts notMember = fine;
    notMember.DialoutNow = notMember.DialoutAccount = false;
    EXPECT_TRUE(SerialSetupNeedsAdvice(notMember));
    const QString notMemberText =
        SerialSetupAdvice(notMember, "/opt/bx/share/bramblex/udev/60-bramblex-serial.rules");
    EXPECT_TRUE(notMemberText.contains("sudo usermod -aG dialout lab")) << notMemberText.toStdString();
    EXPECT_TRUE(notMemberText.contains("logging out and in again"));
    EXPECT_TRUE(notMemberText.contains("/opt/bx/share/bramblex/udev/60-bramblex-serial.rules"));
    EXPECT_TRUE(notMemberText.contains("/dev/serial/by-id"));
    EXPECT_FALSE(notMemberText.contains("brltty"));

    TSerialSetupFacts addedThisSession = fine;
    addedThisSession.DialoutNow = false;
    const QString addedText = SerialSetupAdvice(addedThisSession, QString());
    EXPECT_TRUE(addedText.contains("was added to the group \"dialout\"")) << addedText.toStdString();
    EXPECT_FALSE(addedText.contains("usermod"));

    TSerialSetupFacts root = notMember;
    root.Privileged = true;
    EXPECT_FALSE(SerialSetupNeedsAdvice(root)) << "root opens every port";

    TSerialSetupFacts grabbed = fine;
    grabbed.ModemManagerRunning = true;
    grabbed.BrlttyRules = {"/usr/lib/udev/rules.d/85-brltty.rules"};
    EXPECT_TRUE(SerialSetupNeedsAdvice(grabbed));
    const QString grabbedText =
        SerialSetupAdvice(grabbed, "/usr/share/bramblex/udev/60-bramblex-serial.rules");
    EXPECT_TRUE(grabbedText.contains("ModemManager is running")) << grabbedText.toStdString();
    EXPECT_TRUE(grabbedText.contains("(/usr/lib/udev/rules.d/85-brltty.rules)"));
    EXPECT_TRUE(grabbedText.contains("sudo ln -s /dev/null /etc/udev/rules.d/85-brltty.rules"));
    EXPECT_TRUE(grabbedText.contains("sudo apt remove brltty"));
    EXPECT_FALSE(grabbedText.contains("usermod"));
}

} // namespace
