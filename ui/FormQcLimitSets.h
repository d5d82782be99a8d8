#pragma once

// The "QC Limit Sets" window, opened for a folder of "Local": the limit sets of the
// storage tree's "Settings" folder on the left (new, copy, delete), the one selected
// on the right (its name, while new, and its criteria in a table with the units the
// operator chose), and the folder's assignment at the bottom. Limits are entered and
// shown in the display units and kept in base units. A limit set is saved whole with
// Save; leaving one with changes asks first.

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;
class TDialogService;
struct TQcCriterion;

class TFormQcLimitSets : public QDialog {
    Q_OBJECT
public:
    // folder: the Local folder the window assigns to; settingsFolder and localRoot: the
    // storage tree's.
    TFormQcLimitSets(const QString& folder, const QString& settingsFolder, const QString& localRoot,
                     TDialogService& dialogs, QWidget* parent = nullptr);

    enum TColumn { ColumnCriterion, ColumnSpeed, ColumnMinimum, ColumnMaximum, ColumnUnit, ColumnCount };

    // The commands of the buttons. Failures are shown; false when nothing was done.
    void NewLimitSet();
    bool SaveLimitSet();
    bool CopyLimitSet();
    bool DeleteLimitSet();
    bool AssignLimitSet();
    bool RemoveAssignment();
    void AddCriterion();
    void RemoveCriterion();
    // Selects the limit set name in the list (asking about unsaved changes first).
    void SelectLimitSet(const QString& name);
    // The criterion kind of a table row (its combo box).
    void SetRowKind(int row, int kindIndex);

    QListWidget* ListBoxLimitSets() const { return m_list; }
    QLineEdit* EditName() const { return m_name; }
    QTableWidget* ListViewCriteria() const { return m_table; }
    QLabel* LabelAssignment() const { return m_assignment; }
    QPushButton* Button(const char* objectName) const;
    // The limit set being edited as the table says; raises the first problem.
    std::vector<TQcCriterion> CriteriaFromTable() const;
    bool Modified() const { return m_modified; }

    // A limit set or the folder's assignment changed (the list's marks and the batch
    // view's line follow).
    std::function<void()> OnChanged;

    // Close asks about unsaved changes first.
    void reject() override;

private:
    void FillList(const QString& select);
    void ShowLimitSet(const QString& name);
    void ShowAssignment();
    void AddRow(const TQcCriterion& criterion);
    void UpdateButtons();
    void Changed();
    // Saves or drops unsaved changes as the operator says; false to stay.
    bool LeaveCurrent();
    QString CurrentName() const { return m_current; }

    QString m_folder;
    QString m_settings;
    QString m_local;
    TDialogService& m_dialogs;
    QListWidget* m_list;
    QLineEdit* m_name;
    QTableWidget* m_table;
    QLabel* m_assignment;
    QString m_current; // the limit set shown; empty for a new one or none
    bool m_new = false;
    bool m_modified = false;
    bool m_filling = false;
};
