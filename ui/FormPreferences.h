#pragma once

// The preferences dialog: display units, report mail format, thumbnail and tool bar
// styles, the viscometer's port and the defaults of new batches, on three pages chosen
// from a navigation tree. It edits its own copy of the settings; the main window takes
// the copy back when the dialog closes with OK.
//
// The port list holds the serial ports found now, a port the settings name that is not
// present now (marked so, and kept unless another is picked), and the simulated
// viscometer. The choice is stored as "ComPort" (the port number) and "ComPortDevice"
// (the device path, or "simulated" for the simulated viscometer).

#include "documents/Settings.h"

#include <QDialog>
#include <QStringList>

class QComboBox;
class QLineEdit;
class QStackedWidget;
class QTreeWidget;
class TDialogService;

class TFormPreferences : public QDialog {
    Q_OBJECT
public:
    // ports: the port list entries (as ListSerialPorts gives them).
    TFormPreferences(TDialogService& dialogs, const QStringList& ports, QWidget* parent = nullptr);

    // Copies settings into the dialog's own store and fills the controls.
    void LoadSettings(const TSettings& settings);
    // The dialog's copy: after OK it holds the operator's choices.
    TSettings& Settings() { return m_settings; }

    QTreeWidget* TreeViewPreferences() const { return m_tree; }
    QStackedWidget* Pages() const { return m_pages; }
    QWidget* PageGeneral() const { return m_general; }
    QWidget* PageInterface() const { return m_interface; }
    QWidget* PageViscoMeter() const { return m_viscoMeter; }
    QComboBox* Combo(const QString& objectName) const;

    // The device each port entry stands for ("simulated" for the simulated viscometer).
    QString PortDevice(int index) const;

    void done(int result) override;

private:
    void ButtonOKClick();
    void FillSpindles();
    void SelectPort();

    TDialogService& m_dialogs;
    QStringList m_ports;
    TSettings m_settings;
    QTreeWidget* m_tree;
    QStackedWidget* m_pages;
    QWidget* m_general;
    QWidget* m_interface;
    QWidget* m_viscoMeter;
    QComboBox* m_reportUnits;
    QComboBox* m_viscosityUnits;
    QComboBox* m_temperatureUnits;
    QComboBox* m_emailFormat;
    QComboBox* m_thumbnailQuality;
    QComboBox* m_toolbarLabel;
    QComboBox* m_interfaceLanguage;
    QComboBox* m_comPort;
    QComboBox* m_model;
    QComboBox* m_spindle;
    QLineEdit* m_company;
    QLineEdit* m_operator;
};
