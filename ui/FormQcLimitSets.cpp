#include "ui/FormQcLimitSets.h"

#include "core/Error.h"
#include "qc/Qc.h"
#include "storage/FileOperations.h"
#include "ui/DialogService.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// A number as the operator reads and types it back: the user's decimal point, no
// group separators.
QString NumberText(double value) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'g', 12);
}

QString LimitText(const std::optional<double>& value, TQcKind kind) {
    return value ? NumberText(QcToDisplay(kind, *value)) : QString();
}

// A limit or speed as the operator typed it: empty is open; the user's locale first,
// then the C locale's point.
bool ParseNumber(const QString& text, std::optional<double>& value) {
    const QString trimmed = text.trimmed();
    value.reset();
    if (trimmed.isEmpty())
        return true;
    bool ok = false;
    double number = QLocale().toDouble(trimmed, &ok);
    if (!ok)
        number = QLocale::c().toDouble(trimmed, &ok);
    if (ok)
        value = number;
    return ok;
}

// The speed has a column of its own.
QString KindCaption(TQcKind kind) {
    if (kind == TQcKind::ViscosityAt)
        return TFormQcLimitSets::tr("Viscosity at the speed");
    if (kind == TQcKind::TemperatureAt)
        return TFormQcLimitSets::tr("Temperature at the speed");
    return QcKindName(kind);
}

} // namespace

TFormQcLimitSets::TFormQcLimitSets(const QString& folder, const QString& settingsFolder,
                                   const QString& localRoot, TDialogService& dialogs, QWidget* parent)
    : QDialog(parent), m_folder(IncludeTrailingSeparator(folder)), m_settings(settingsFolder),
      m_local(localRoot), m_dialogs(dialogs) {
    setObjectName(QStringLiteral("FormQcLimitSets"));
    setWindowTitle(tr("QC Limit Sets"));
    setAccessibleName(tr("QC Limit Sets"));
    auto* layout = new QVBoxLayout(this);
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    layout->addWidget(splitter, 1);

    auto makeButton = [this](const char* name, const QString& caption, void (TFormQcLimitSets::*slot)()) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(QLatin1String(name));
        button->setAccessibleName(caption);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, slot);
        return button;
    };
    auto makeCommand = [&](const char* name, const QString& caption, bool (TFormQcLimitSets::*command)()) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(QLatin1String(name));
        button->setAccessibleName(caption);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, command] { (this->*command)(); });
        return button;
    };

    auto* left = new QWidget(splitter);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    auto* listCaption = new QLabel(tr("Limit sets:"), left);
    m_list = new QListWidget(left);
    m_list->setObjectName(QStringLiteral("ListBoxLimitSets"));
    m_list->setAccessibleName(tr("Limit sets"));
    listCaption->setBuddy(m_list);
    leftLayout->addWidget(listCaption);
    leftLayout->addWidget(m_list, 1);
    auto* listButtons = new QHBoxLayout;
    listButtons->addWidget(makeButton("ButtonNew", tr("New"), &TFormQcLimitSets::NewLimitSet));
    listButtons->addWidget(makeCommand("ButtonCopy", tr("Copy"), &TFormQcLimitSets::CopyLimitSet));
    listButtons->addWidget(makeCommand("ButtonDelete", tr("Delete"), &TFormQcLimitSets::DeleteLimitSet));
    leftLayout->addLayout(listButtons);

    auto* right = new QWidget(splitter);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    auto* form = new QFormLayout;
    m_name = new QLineEdit(right);
    m_name->setObjectName(QStringLiteral("EditName"));
    m_name->setAccessibleName(tr("Name"));
    form->addRow(tr("Name:"), m_name);
    rightLayout->addLayout(form);
    // Characters no file name may hold are refused as they are typed, as in every name
    // of the tree.
    connect(m_name, &QLineEdit::textEdited, this, [this](const QString& text) {
        QString kept;
        for (const QChar c : text)
            if (IsNameCharAllowed(c) && c.category() != QChar::Other_Control)
                kept.append(c);
        if (kept != text) {
            m_dialogs.Beep();
            m_name->setText(kept);
        }
        Changed();
    });

    m_table = new QTableWidget(0, ColumnCount, right);
    m_table->setObjectName(QStringLiteral("ListViewCriteria"));
    m_table->setAccessibleName(tr("Criteria"));
    m_table->setHorizontalHeaderLabels(
        {tr("Criterion"), tr("Speed (RPM)"), tr("Minimum"), tr("Maximum"), tr("Unit")});
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setSectionResizeMode(ColumnCriterion, QHeaderView::Stretch);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setAccessibleName(tr("Columns"));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(m_table, &QTableWidget::itemChanged, this, [this] { Changed(); });
    rightLayout->addWidget(m_table, 1);
    auto* criterionButtons = new QHBoxLayout;
    criterionButtons->addWidget(
        makeButton("ButtonAddCriterion", tr("Add Criterion"), &TFormQcLimitSets::AddCriterion));
    criterionButtons->addWidget(
        makeButton("ButtonRemoveCriterion", tr("Remove Criterion"), &TFormQcLimitSets::RemoveCriterion));
    criterionButtons->addStretch(1);
    criterionButtons->addWidget(makeCommand("ButtonSave", tr("Save"), &TFormQcLimitSets::SaveLimitSet));
    rightLayout->addLayout(criterionButtons);
    splitter->setStretchFactor(1, 3);
    splitter->setSizes({180, 640});

    auto* assignment = new QHBoxLayout;
    m_assignment = new QLabel(this);
    m_assignment->setObjectName(QStringLiteral("LabelAssignment"));
    m_assignment->setWordWrap(true);
    assignment->addWidget(m_assignment, 1);
    assignment->addWidget(
        makeCommand("ButtonAssign", tr("Assign to Folder"), &TFormQcLimitSets::AssignLimitSet));
    assignment->addWidget(
        makeCommand("ButtonRemoveAssignment", tr("Remove Assignment"), &TFormQcLimitSets::RemoveAssignment));
    layout->addLayout(assignment);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("ButtonClose"));
    buttons->button(QDialogButtonBox::Close)->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::rejected, this, &TFormQcLimitSets::reject);
    layout->addWidget(buttons);

    connect(m_list, &QListWidget::currentTextChanged, this, [this](const QString& name) {
        if (m_filling || name == m_current)
            return;
        SelectLimitSet(name);
    });

    FillList(QString());
    const std::optional<TQcAssignment> assigned = [&]() -> std::optional<TQcAssignment> {
        try {
            return FindQcAssignment(m_folder, m_local);
        } catch (const EBramblexError&) {
            return std::nullopt;
        }
    }();
    if (assigned && QcLimitSetNames(m_settings).contains(assigned->Name))
        SelectLimitSet(assigned->Name);
    else if (m_list->count() > 0)
        SelectLimitSet(m_list->item(0)->text());
    else
        ShowLimitSet(QString());
    ShowAssignment();
    resize(820, 480);
}

QPushButton* TFormQcLimitSets::Button(const char* objectName) const {
    return findChild<QPushButton*>(QLatin1String(objectName));
}

void TFormQcLimitSets::FillList(const QString& select) {
    m_filling = true;
    m_list->clear();
    QStringList names;
    try {
        names = QcLimitSetNames(m_settings);
    } catch (const EBramblexError& e) {
        m_dialogs.Error(this, e.Message());
    }
    m_list->addItems(names);
    const auto found = m_list->findItems(select, Qt::MatchExactly);
    m_list->setCurrentItem(found.isEmpty() ? nullptr : found.first());
    m_filling = false;
}

void TFormQcLimitSets::SelectLimitSet(const QString& name) {
    if (!LeaveCurrent()) {
        FillList(m_current);
        return;
    }
    FillList(name);
    ShowLimitSet(name);
}

void TFormQcLimitSets::ShowLimitSet(const QString& name) {
    m_filling = true;
    m_table->setRowCount(0);
    m_current = name;
    m_new = false;
    m_name->setText(name);
    m_name->setReadOnly(true);
    if (!name.isEmpty()) {
        try {
            for (const TQcCriterion& c : LoadQcLimitSet(m_settings, name).Criteria)
                AddRow(c);
        } catch (const EBramblexError& e) {
            m_dialogs.Error(this, e.Message());
        }
    }
    m_modified = false;
    m_filling = false;
    UpdateButtons();
}

void TFormQcLimitSets::AddRow(const TQcCriterion& c) {
    const bool filling = m_filling;
    m_filling = true;
    const int row = m_table->rowCount();
    m_table->insertRow(row);
    auto* kinds = new QComboBox(m_table);
    kinds->setObjectName(QStringLiteral("ComboBoxCriterion%1").arg(row));
    kinds->setAccessibleName(tr("Criterion"));
    for (int k = 0; k < QcKindCount; ++k)
        kinds->addItem(KindCaption(static_cast<TQcKind>(k)));
    kinds->setCurrentIndex(static_cast<int>(c.Kind));
    m_table->setCellWidget(row, ColumnCriterion, kinds);
    connect(kinds, &QComboBox::currentIndexChanged, this, [this, kinds](int index) {
        for (int r = 0; r < m_table->rowCount(); ++r)
            if (m_table->cellWidget(r, ColumnCriterion) == kinds)
                SetRowKind(r, index);
    });
    m_table->setItem(row, ColumnSpeed,
                     new QTableWidgetItem(QcKindHasSpeed(c.Kind) ? NumberText(c.RPM) : QString()));
    m_table->setItem(row, ColumnMinimum, new QTableWidgetItem(LimitText(c.Min, c.Kind)));
    m_table->setItem(row, ColumnMaximum, new QTableWidgetItem(LimitText(c.Max, c.Kind)));
    auto* unit = new QTableWidgetItem(QcKindUnitText(c.Kind));
    unit->setFlags(Qt::ItemIsEnabled);
    m_table->setItem(row, ColumnUnit, unit);
    m_filling = filling;
    SetRowKind(row, static_cast<int>(c.Kind));
}

void TFormQcLimitSets::SetRowKind(int row, int kindIndex) {
    if (row < 0 || row >= m_table->rowCount() || kindIndex < 0 || kindIndex >= QcKindCount)
        return;
    const auto kind = static_cast<TQcKind>(kindIndex);
    const bool filling = m_filling;
    m_filling = true;
    if (auto* kinds = qobject_cast<QComboBox*>(m_table->cellWidget(row, ColumnCriterion)))
        kinds->setCurrentIndex(kindIndex);
    QTableWidgetItem* speed = m_table->item(row, ColumnSpeed);
    if (QcKindHasSpeed(kind)) {
        speed->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
    } else {
        speed->setText(QString());
        speed->setFlags(Qt::NoItemFlags);
    }
    m_table->item(row, ColumnUnit)->setText(QcKindUnitText(kind));
    m_filling = filling;
    Changed();
}

std::vector<TQcCriterion> TFormQcLimitSets::CriteriaFromTable() const {
    std::vector<TQcCriterion> criteria;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const auto* kinds = qobject_cast<QComboBox*>(m_table->cellWidget(row, ColumnCriterion));
        const auto kind = static_cast<TQcKind>(kinds ? kinds->currentIndex() : 0);
        std::optional<double> speed, min, max;
        const auto cell = [&](int column) { return m_table->item(row, column)->text(); };
        for (const auto& [column, value] :
             {std::pair{ColumnSpeed, &speed}, std::pair{ColumnMinimum, &min}, std::pair{ColumnMaximum, &max}})
            if (!ParseNumber(cell(column), *value))
                throw EBramblexError(
                    tr("Criterion %1: \"%2\" is not a number.").arg(row + 1).arg(cell(column)));
        const TQcCriterion c =
            QcCriterionFromDisplay(kind, QcKindHasSpeed(kind) ? speed.value_or(0.0) : 0.0, min, max);
        if (const QString problem = QcCriterionProblem(c); !problem.isEmpty())
            throw EBramblexError(tr("Criterion %1: %2").arg(row + 1).arg(problem));
        criteria.push_back(c);
    }
    return criteria;
}

void TFormQcLimitSets::ShowAssignment() {
    QString text;
    try {
        const std::optional<TQcAssignment> assigned = FindQcAssignment(m_folder, m_local);
        const QString folder = QDir::toNativeSeparators(m_folder);
        if (!assigned)
            text = tr("No limit set applies to the folder \"%1\".").arg(folder);
        else if (assigned->Folder == m_folder)
            text = tr("The folder \"%1\" uses the limit set \"%2\".").arg(folder, assigned->Name);
        else
            text = tr("The folder \"%1\" uses the limit set \"%2\" of the folder \"%3\".")
                       .arg(folder, assigned->Name, QDir::toNativeSeparators(assigned->Folder));
    } catch (const EBramblexError& e) {
        text = e.Message();
    }
    m_assignment->setText(text);
    UpdateButtons();
}

void TFormQcLimitSets::UpdateButtons() {
    const bool saved = !m_current.isEmpty() && !m_new;
    Button("ButtonCopy")->setEnabled(saved);
    Button("ButtonDelete")->setEnabled(saved);
    Button("ButtonAssign")->setEnabled(saved);
    Button("ButtonSave")->setEnabled(m_new || !m_current.isEmpty());
    Button("ButtonAddCriterion")->setEnabled(m_new || !m_current.isEmpty());
    Button("ButtonRemoveCriterion")->setEnabled(m_table->rowCount() > 0);
    bool own = false;
    try {
        own = !FolderQcAssignment(m_folder).isEmpty();
    } catch (const EBramblexError&) {
        own = true; // a damaged assignment can be removed
    }
    Button("ButtonRemoveAssignment")->setEnabled(own);
}

void TFormQcLimitSets::Changed() {
    if (m_filling)
        return;
    m_modified = true;
    UpdateButtons();
}

bool TFormQcLimitSets::LeaveCurrent() {
    if (!m_modified)
        return true;
    const QString name = m_new ? m_name->text() : m_current;
    const auto answer =
        m_dialogs.Question(this, QString(), tr("Save the changes to the limit set \"%1\"?").arg(name),
                           QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::Cancel)
        return false;
    if (answer == QMessageBox::Yes)
        return SaveLimitSet();
    m_modified = false;
    return true;
}

void TFormQcLimitSets::NewLimitSet() {
    if (!LeaveCurrent())
        return;
    FillList(QString());
    ShowLimitSet(QString());
    m_new = true;
    m_name->setReadOnly(false);
    m_name->setFocus();
    AddCriterion();
    m_modified = false;
    UpdateButtons();
}

bool TFormQcLimitSets::SaveLimitSet() {
    const QString name = m_new ? m_name->text() : m_current;
    try {
        if (m_new)
            CheckNewQcLimitSetName(m_settings, name);
        SaveQcLimitSet(m_settings, TQcLimitSet{name, CriteriaFromTable()});
    } catch (const EBramblexError& e) {
        m_dialogs.Error(this, e.Message());
        return false;
    }
    m_modified = false;
    FillList(name);
    ShowLimitSet(name);
    if (OnChanged)
        OnChanged();
    return true;
}

bool TFormQcLimitSets::CopyLimitSet() {
    if (m_current.isEmpty() || m_new || !LeaveCurrent())
        return false;
    QString copy;
    try {
        copy = CopyQcLimitSet(m_settings, m_current);
    } catch (const EBramblexError& e) {
        m_dialogs.Error(this, e.Message());
        return false;
    }
    FillList(copy);
    ShowLimitSet(copy);
    return true;
}

bool TFormQcLimitSets::DeleteLimitSet() {
    if (m_current.isEmpty() || m_new)
        return false;
    if (m_dialogs.Question(this, QString(), tr("Are you sure you want to delete '%1'?").arg(m_current),
                           QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return false;
    try {
        DeleteQcLimitSet(m_settings, m_current);
    } catch (const EBramblexError& e) {
        m_dialogs.Error(this, e.Message());
        return false;
    }
    m_modified = false;
    FillList(QString());
    ShowLimitSet(m_list->count() > 0 ? m_list->item(0)->text() : QString());
    FillList(m_current);
    ShowAssignment();
    if (OnChanged)
        OnChanged();
    return true;
}

bool TFormQcLimitSets::AssignLimitSet() {
    if (m_current.isEmpty() || m_new || !LeaveCurrent())
        return false;
    try {
        AssignQcLimitSet(m_folder, m_current);
    } catch (const EBramblexError& e) {
        m_dialogs.Error(this, e.Message());
        return false;
    }
    ShowAssignment();
    if (OnChanged)
        OnChanged();
    return true;
}

bool TFormQcLimitSets::RemoveAssignment() {
    try {
        AssignQcLimitSet(m_folder, QString());
    } catch (const EBramblexError& e) {
        m_dialogs.Error(this, e.Message());
        return false;
    }
    ShowAssignment();
    if (OnChanged)
        OnChanged();
    return true;
}

void TFormQcLimitSets::AddCriterion() {
    if (m_current.isEmpty() && !m_new)
        return;
    TQcCriterion c;
    c.Kind = TQcKind::ViscosityAt;
    AddRow(c);
    m_table->setCurrentCell(m_table->rowCount() - 1, ColumnSpeed);
    Changed();
}

void TFormQcLimitSets::RemoveCriterion() {
    const int row = m_table->currentRow();
    if (row < 0)
        return;
    m_table->removeRow(row);
    Changed();
}

void TFormQcLimitSets::reject() {
    if (!LeaveCurrent())
        return;
    QDialog::reject();
}
