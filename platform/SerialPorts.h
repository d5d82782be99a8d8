#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// The serial ports of the computer as the preferences offer them.
//
// An entry is a text that ends with the device path to open:
//   descriptive (USB adapters and other ports the system describes):
//     "FT232R USB UART - FTDI (ttyUSB0) /dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A1-if00-port0"
//     (the stable /dev/serial/by-id name when there is one, else the device itself)
//   plain (ports known only by their device): "/dev/ttyS0"
// The list is sorted by PortNumber, so the number stays the entry's last run of digits.

// The last run of decimal digits in the text, read from its end; -1 when there is none.
// "Communications Port (COM12)" gives 12, "/dev/ttyUSB3" gives 3.
int PortNumber(const QString& text);

// The merged, sorted list of the ports present now.
QStringList ListSerialPorts();

// One port as the system describes it.
struct TSerialPortFacts {
    QString Device;       // "/dev/ttyUSB0"
    QString PortName;     // "ttyUSB0"
    QString Description;  // may be empty
    QString Manufacturer; // may be empty
};

// The entries ListSerialPorts makes of ports: a port with a description or a
// manufacturer is descriptive, named by its stable name (stableNames: canonical device
// path to its /dev/serial/by-id link) when it has one; the others are plain.
QStringList SerialPortEntries(const QList<TSerialPortFacts>& ports,
                              const QHash<QString, QString>& stableNames);

// The merge and sort rules on their own: start from the descriptive entries, add each
// plain entry whose device no entry already names, then sort by PortNumber (ties by
// text, so the order is repeatable). A port found in both lists appears once, in its
// descriptive form.
QStringList MergePortLists(const QStringList& descriptive, const QStringList& plain);

// The device path an entry names (its last word when that is a path, "COM3" style
// names as /dev/ttyS2); empty for a text that names no device.
QString PortEntryDevice(const QString& entry);

// The device of the settings "ComPort" (the port number, 1 for COM1) and
// "ComPortDevice" (a device path; empty means COM n is /dev/ttyS{n-1}).
// Empty when neither names a port.
QString PortDevicePath(int comPort, const QString& comPortDevice);

// The "ComPort" number to store beside a chosen device: n + 1 for /dev/ttyS{n},
// otherwise the device's PortNumber.
int ComPortNumber(const QString& device);
