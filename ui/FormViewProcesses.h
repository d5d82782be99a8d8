#pragma once

// The processes tab: the measurement programme of the batch, one row per process, with
// New, Edit, Delete, Move Up and Move Down. Processes belong to the V2 models; for a V1
// batch the tab says so instead of the list.

#include "storage/FileItem.h"
#include "ui/BatchSubView.h"

#include <functional>
#include <memory>

class QAction;
class QLabel;
class QStackedWidget;
class QToolBar;
class QTreeWidget;
class TFormProcessWizard;

class TFormViewProcesses : public TBatchSubView {
    Q_OBJECT
public:
    explicit TFormViewProcesses(QWidget* parent = nullptr);
    ~TFormViewProcesses() override;

    void SetRunActive(bool active) override;

    QTreeWidget* ListViewProcesses() const { return m_list; }
    QLabel* PanelNoSupport() const { return m_noSupport; }
    QAction* ActionNewProcess() const { return m_new; }
    QAction* ActionEditProcess() const { return m_edit; }
    QAction* ActionDeleteProcess() const { return m_delete; }
    QAction* ActionMoveUp() const { return m_up; }
    QAction* ActionMoveDown() const { return m_down; }
    // The one wizard of the view, made on first use.
    TFormProcessWizard& Wizard();

    // Shows the wizard modally; true when it closed with OK. Tests drive the wizard here.
    std::function<bool(TFormProcessWizard& wizard)> ExecWizard;

    void ActionNewProcessExecute();
    void ActionEditProcessExecute();
    void ActionDeleteProcessExecute();
    void ActionMoveUpExecute();
    void ActionMoveDownExecute();
    void UpdateActions();

protected:
    void Fill(bool sameDocument) override;
    void ReadingsAppended(int first, int count) override;

private:
    void FillRows(const QList<int>& selected);
    QList<int> SelectedRows() const;
    bool Editable() const;
    void Changed(const QList<int>& selected);

    QStackedWidget* m_pages;
    QWidget* m_listPage;
    QToolBar* m_toolBar;
    QTreeWidget* m_list;
    QLabel* m_noSupport;
    QAction* m_new;
    QAction* m_edit;
    QAction* m_delete;
    QAction* m_up;
    QAction* m_down;
    TFormProcessWizard* m_wizard = nullptr;
    std::unique_ptr<TDialogService> m_ownDialogs; // when nobody handed the view one
    int m_columnsUnits = -1;                      // the temperature unit of the column captions; -1 none yet
};
