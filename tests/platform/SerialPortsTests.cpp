#include "platform/SerialPorts.h"

#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

TEST(SerialPorts, PortNumberIsTheLastRunOfDigits) {
    const struct {
        const char* text;
        int number;
    } cases[] = {
        {"Communications Port (COM12)", 12},
        {"COM3", 3},
        {"no digits here", -1},
        {"", -1},
        {"COM1 (2)", 2},
        {"/dev/ttyUSB0", 0},
        {"FT232R USB UART - FTDI (ttyUSB1) /dev/serial/by-id/usb-FTDI_A50-if00-port0", 0},
        {"/dev/ttyS10", 10},
        {"COM99999999999999999999", -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PortNumber(QString::fromLatin1(c.text)), c.number) << c.text;
}

TEST(SerialPorts, MergeListsEachPortOnceSortedByNumber) {
    const struct {
        QStringList descriptive;
        QStringList plain;
        QStringList merged;
    } cases[] = {
        // A port in both lists keeps its descriptive form only.
        {{"Communications Port (ttyS2) /dev/ttyS2"},
         {"/dev/ttyS0", "/dev/ttyS2"},
         {"/dev/ttyS0", "Communications Port (ttyS2) /dev/ttyS2"}},
        // Numeric, not alphabetical, order.
        {{}, {"/dev/ttyS10", "/dev/ttyS9", "/dev/ttyS1"}, {"/dev/ttyS1", "/dev/ttyS9", "/dev/ttyS10"}},
        // Equal numbers on different devices are all kept, in text order.
        {{"USB UART (ttyUSB0) /dev/ttyUSB0"},
         {"/dev/ttyS0"},
         {"/dev/ttyS0", "USB UART (ttyUSB0) /dev/ttyUSB0"}},
        {{}, {}, {}},
        // Entries naming no device are never taken for duplicates of each other.
        {{"odd entry 1"}, {"other 1"}, {"odd entry 1", "other 1"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MergePortLists(c.descriptive, c.plain), c.merged)
            << c.plain.join(QLatin1Char(',')).toStdString();
}

TEST(SerialPorts, EntriesAndSettingsNameTheDevice) {
    EXPECT_EQ(PortEntryDevice(QStringLiteral("USB UART (ttyUSB0) /dev/serial/by-id/usb-X-port0")),
              QStringLiteral("/dev/serial/by-id/usb-X-port0"));
    EXPECT_EQ(PortEntryDevice(QStringLiteral("/dev/ttyS0")), QStringLiteral("/dev/ttyS0"));
    EXPECT_EQ(PortEntryDevice(QStringLiteral("COM3")), QStringLiteral("/dev/ttyS2"));
    EXPECT_EQ(PortEntryDevice(QStringLiteral("Communications Port (COM1)")), QString());

    EXPECT_EQ(PortDevicePath(1, QString()), QStringLiteral("/dev/ttyS0"));
    EXPECT_EQ(PortDevicePath(4, QStringLiteral("/dev/ttyUSB0")), QStringLiteral("/dev/ttyUSB0"));
    EXPECT_EQ(PortDevicePath(0, QString()), QString());

    EXPECT_EQ(ComPortNumber(QStringLiteral("/dev/ttyS0")), 1);
    EXPECT_EQ(ComPortNumber(QStringLiteral("/dev/ttyUSB2")), 2);
    // The stored pair leads back to the same device.
    EXPECT_EQ(PortDevicePath(ComPortNumber(QStringLiteral("/dev/ttyS3")), QString()),
              QStringLiteral("/dev/ttyS3"));
}

// Enumerated ports as the system describes them (a USB adapter with a stable by-id
// name, one known by its manufacturer only, a plain port): every entry ends with the
// path to open, the adapter's being its stable name.
TEST(SerialPorts, EveryListedPortNamesItsDevice) {
    TempDir dir;
    dir.Write(QStringLiteral("ttyUSB7"), "");
    ASSERT_TRUE(QDir(dir.Path()).mkdir(QStringLiteral("by-id")));
    const QString stable = dir.File(QStringLiteral("by-id/usb-FTDI_FT232R_A1-if00-port0"));
    ASSERT_TRUE(QFile::link(dir.File(QStringLiteral("ttyUSB7")), stable));
    const QString usb = QFileInfo(dir.File(QStringLiteral("ttyUSB7"))).canonicalFilePath();
    const QList<TSerialPortFacts> ports{
        {usb, "ttyUSB7", "FT232R USB UART", "FTDI"},
        {"/dev/ttyACM2", "ttyACM2", "", "Arduino"},
        {"/dev/ttyS0", "ttyS0", "", ""},
    };
    const QStringList entries = SerialPortEntries(ports, {{usb, stable}});
    // Sorted by the last number ("port0" of the stable name), ties by text.
    EXPECT_EQ(entries, QStringList({"/dev/ttyS0", "FT232R USB UART - FTDI (ttyUSB7) " + stable,
                                    "Arduino (ttyACM2) /dev/ttyACM2"}));
    const QStringList devices{"/dev/ttyS0", stable, "/dev/ttyACM2"};
    ASSERT_EQ(entries.size(), devices.size());
    for (int i = 0; i < entries.size(); ++i)
        EXPECT_EQ(PortEntryDevice(entries[i]), devices[i]);

    // The ports of this machine, if it has any, follow the same rule.
    for (const QString& entry : ListSerialPorts())
        EXPECT_TRUE(PortEntryDevice(entry).startsWith(QLatin1String("/dev/"))) << entry.toStdString();
}

} // namespace
