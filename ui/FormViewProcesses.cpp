#include "ui/FormViewProcesses.h"

#include "catalogue/Catalogue.h"
#include "documents/BatchItem.h"
#include "instrument/ProcessRules.h"
#include "ui/DialogService.h"
#include "ui/FormProcessWizard.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QStackedWidget>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

TFormViewProcesses::TFormViewProcesses(QWidget* parent) : TBatchSubView(parent) {
    setObjectName(QStringLiteral("FormViewProcesses"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_pages = new QStackedWidget(this);
    layout->addWidget(m_pages);

    m_listPage = new QWidget(m_pages);
    m_listPage->setObjectName(QStringLiteral("PanelProcessList"));
    auto* listLayout = new QVBoxLayout(m_listPage);
    listLayout->setContentsMargins(0, 0, 0, 0);
    listLayout->setSpacing(0);
    m_toolBar = new QToolBar(m_listPage);
    m_toolBar->setObjectName(QStringLiteral("ToolBarProcesses"));
    m_toolBar->setAccessibleName(tr("Processes"));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    auto addAction = [&](const QString& caption, const char* name, QStyle::StandardPixmap icon,
                         void (TFormViewProcesses::*execute)()) {
        auto* action = new QAction(style()->standardIcon(icon), caption, this);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, [this, execute] {
            if (Editable())
                (this->*execute)();
        });
        m_toolBar->addAction(action);
        if (QWidget* button = m_toolBar->widgetForAction(action))
            button->setAccessibleName(caption);
        return action;
    };
    m_new = addAction(tr("New Process"), "ActionNewProcess", QStyle::SP_FileIcon,
                      &TFormViewProcesses::ActionNewProcessExecute);
    m_edit = addAction(tr("Edit"), "ActionEditProcess", QStyle::SP_FileDialogDetailedView,
                       &TFormViewProcesses::ActionEditProcessExecute);
    m_delete = addAction(tr("Delete"), "ActionDeleteProcess", QStyle::SP_TrashIcon,
                         &TFormViewProcesses::ActionDeleteProcessExecute);
    m_up = addAction(tr("Move Up"), "ActionMoveUp", QStyle::SP_ArrowUp,
                     &TFormViewProcesses::ActionMoveUpExecute);
    m_down = addAction(tr("Move Down"), "ActionMoveDown", QStyle::SP_ArrowDown,
                       &TFormViewProcesses::ActionMoveDownExecute);
    listLayout->addWidget(m_toolBar);

    m_list = new QTreeWidget(m_listPage);
    m_list->setObjectName(QStringLiteral("ListViewProcesses"));
    m_list->setAccessibleName(tr("Processes"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->header()->setSectionsClickable(false);
    m_list->header()->setAccessibleName(tr("Columns"));
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, [this] { UpdateActions(); });
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (Editable() && m_edit->isEnabled())
            ActionEditProcessExecute();
    });
    listLayout->addWidget(m_list, 1);
    m_pages->addWidget(m_listPage);

    m_noSupport = new QLabel(ProcessesNotSupportedText(), m_pages);
    m_noSupport->setObjectName(QStringLiteral("PanelNoSupport"));
    m_noSupport->setAlignment(Qt::AlignCenter);
    m_pages->addWidget(m_noSupport);

    ExecWizard = [](TFormProcessWizard& wizard) { return wizard.exec() == QDialog::Accepted; };
    UpdateActions();
}

TFormViewProcesses::~TFormViewProcesses() = default;

TFormProcessWizard& TFormViewProcesses::Wizard() {
    if (!m_wizard) {
        if (!Dialogs) {
            m_ownDialogs = std::make_unique<TQtDialogService>();
            Dialogs = m_ownDialogs.get();
        }
        m_wizard = new TFormProcessWizard(*Dialogs, this);
    }
    return *m_wizard;
}

void TFormViewProcesses::Fill(bool sameDocument) {
    const QList<int> selected = SelectedRows();
    if (m_columnsUnits != TemperatureUnits()) {
        m_columnsUnits = TemperatureUnits();
        m_list->setHeaderLabels({tr("No."), tr("Identifier"), tr("RPM Start"), tr("RPM End"), tr("Time"),
                                 tr("%1 (%2)").arg(tr("Start Temp"), TemperatureUnitsName()),
                                 tr("Temp Tend."), tr("Start Delay"), tr("Measurements")});
        const int widths[] = {50, 80, 70, 70, 50, 95, 95, 80, 95};
        for (int column = 0; column < 9; ++column)
            m_list->setColumnWidth(column, widths[column]);
    }
    m_pages->setCurrentWidget(
        ModelSupportsProcesses(Entry().Batch->ModelType) ? m_listPage : static_cast<QWidget*>(m_noSupport));
    // The batch shown again (another writer changed it): the rows the operator
    // selected stay selected.
    FillRows(sameDocument ? selected : QList<int>());
}

void TFormViewProcesses::ReadingsAppended(int, int) {
    UpdateActions();
}

void TFormViewProcesses::SetRunActive(bool active) {
    TBatchSubView::SetRunActive(active);
    UpdateActions();
}

void TFormViewProcesses::FillRows(const QList<int>& selected) {
    const QSignalBlocker block(m_list);
    m_list->clear();
    const TProcessList& processes = Entry().Batch->Processes;
    QList<QTreeWidgetItem*> rows;
    for (int i = 0; i < processes.Count(); ++i) {
        const TProcessItem& p = *processes.Items(i);
        QStringList texts{QString::number(i + 1), p.Identifier,
                          FormatLocaleFixed(RPMCodeToValue(p.RPMStart), 1),
                          FormatLocaleFixed(RPMCodeToValue(p.RPMEnd), 1), QString::number(p.Time)};
        if (p.UseStartTemperature) {
            texts << FormatTemperature(p.StartTemperature);
            QString tendency;
            try {
                tendency = StartTemperatureTypeName(p.StartTemperatureType);
            } catch (const std::exception&) {
                // A damaged file: the row is still shown.
            }
            texts << tendency;
        } else {
            texts << QStringLiteral("-") << QStringLiteral("-");
        }
        texts << (p.UseStartDelay ? QString::number(p.StartDelay) : QStringLiteral("-"));
        texts << QString::number(p.MeasurementCount);
        rows << new QTreeWidgetItem(texts);
    }
    m_list->addTopLevelItems(rows);
    for (int row : selected)
        if (row >= 0 && row < rows.size())
            rows[row]->setSelected(true);
    if (!selected.isEmpty() && selected.first() >= 0 && selected.first() < rows.size())
        m_list->setCurrentItem(rows[selected.first()], 0, QItemSelectionModel::NoUpdate);
    UpdateActions();
}

QList<int> TFormViewProcesses::SelectedRows() const {
    QList<int> rows;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i)
        if (m_list->topLevelItem(i)->isSelected())
            rows << i;
    return rows;
}

bool TFormViewProcesses::Editable() const {
    return Document() && ModelSupportsProcesses(Entry().Batch->ModelType) &&
           Entry().Batch->Measurements.IsEmpty() && !RunActive();
}

void TFormViewProcesses::UpdateActions() {
    const bool editable = Editable();
    const QList<int> selected = SelectedRows();
    const int count = m_list->topLevelItemCount();
    m_new->setEnabled(editable);
    m_edit->setEnabled(editable && selected.size() == 1);
    m_delete->setEnabled(editable && !selected.isEmpty());
    m_up->setEnabled(editable && !selected.isEmpty() && !selected.contains(0));
    m_down->setEnabled(editable && !selected.isEmpty() && !selected.contains(count - 1));
}

void TFormViewProcesses::Changed(const QList<int>& selected) {
    FillRows(selected);
    RaiseProcessesChanged();
}

void TFormViewProcesses::ActionNewProcessExecute() {
    if (!Batch())
        return;
    TFormProcessWizard& wizard = Wizard();
    wizard.Process.Assign(TProcessItem());
    wizard.Prepare(Batch()->SpindleType, false);
    if (!ExecWizard(wizard))
        return;
    TProcessList& processes = Batch()->Processes;
    processes.Add()->Assign(wizard.Process);
    Changed({processes.Count() - 1});
}

void TFormViewProcesses::ActionEditProcessExecute() {
    if (!Batch())
        return;
    const QList<int> selected = SelectedRows();
    if (selected.size() != 1)
        return;
    TProcessItem& process = *Batch()->Processes.Items(selected.first());
    TFormProcessWizard& wizard = Wizard();
    wizard.Process.Assign(process);
    wizard.Prepare(Batch()->SpindleType, true);
    if (!ExecWizard(wizard))
        return;
    process.Assign(wizard.Process);
    Changed(selected);
}

void TFormViewProcesses::ActionDeleteProcessExecute() {
    if (!Batch())
        return;
    const QList<int> selected = SelectedRows();
    if (selected.isEmpty())
        return;
    const QString question =
        selected.size() == 1 ? tr("Are you sure you want to delete the selected process?")
                             : tr("Are you sure you want to delete these %1 processes?").arg(selected.size());
    if (!Dialogs || !Dialogs->AskYesNo(this, tr("Delete"), question))
        return;
    TProcessList& processes = Batch()->Processes;
    for (auto it = selected.crbegin(); it != selected.crend(); ++it)
        processes.Delete(*it);
    Changed({});
}

void TFormViewProcesses::ActionMoveUpExecute() {
    if (!Batch())
        return;
    QList<int> selected = SelectedRows();
    if (selected.isEmpty() || selected.first() == 0)
        return;
    TProcessList& processes = Batch()->Processes;
    for (int& row : selected) {
        processes.Exchange(row, row - 1);
        --row;
    }
    Changed(selected);
}

void TFormViewProcesses::ActionMoveDownExecute() {
    if (!Batch())
        return;
    QList<int> selected = SelectedRows();
    TProcessList& processes = Batch()->Processes;
    if (selected.isEmpty() || selected.last() == processes.Count() - 1)
        return;
    for (auto it = selected.rbegin(); it != selected.rend(); ++it) {
        processes.Exchange(*it, *it + 1);
        ++*it;
    }
    Changed(selected);
}
