#include "ui/FormPropertyEditor.h"

#include "core/Error.h"
#include "properties/Properties.h"
#include "reports/PageItem.h"
#include "ui/DialogService.h"
#include "ui/FormAnchor.h"
#include "ui/FormMemoEditor.h"

#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kCaptionWidth = 100;

std::int32_t ColourToBGR(const QColor& colour) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(colour.red()) |
                                     (static_cast<std::uint32_t>(colour.green()) << 8) |
                                     (static_cast<std::uint32_t>(colour.blue()) << 16));
}

QString PictureFilter() {
    // The Windows program's filter, in Qt's form; after its own patterns each group also
    // offers the pictures this platform reads besides.
    return QCoreApplication::translate("TFormPropertyEditor",
                                       "All Graphics (*.jpg *.bmp *.emf *.wmf *.jpeg *.png *.gif *.svg);;"
                                       "Bitmaps (*.bmp *.jpg *.jpeg *.png *.gif);;"
                                       "Metafiles (*.emf *.wmf *.svg);;All Files (*)");
}

// One line of the grid: line breaks of memo texts shown as spaces.
QString OneLine(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return text;
}

} // namespace

// ---------------------------------------------------------------------------
// TPropertyValueEditor

TPropertyValueEditor::TPropertyValueEditor(QWidget* parent, const QStringList& dropDown, bool dialogButton,
                                           bool clearButton, bool readOnly)
    : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    if (!dropDown.isEmpty()) {
        m_combo = new QComboBox(this);
        m_combo->setObjectName(QStringLiteral("ComboBoxValue"));
        m_combo->setEditable(true);
        m_combo->setInsertPolicy(QComboBox::NoInsert);
        m_combo->setMaxVisibleItems(20);
        m_combo->addItems(dropDown);
        m_combo->completer()->setCaseSensitivity(Qt::CaseInsensitive);
        m_combo->setAccessibleName(tr("Value"));
        m_combo->installEventFilter(this);
        layout->addWidget(m_combo);
        m_line = m_combo->lineEdit();
        connect(m_combo, &QComboBox::activated, this,
                [this](int index) { emit Commit(m_combo->itemText(index)); });
    } else {
        m_line = new QLineEdit(this);
        m_line->setFrame(false);
        layout->addWidget(m_line);
    }
    m_line->setObjectName(QStringLiteral("EditValue"));
    m_line->setAccessibleName(tr("Value"));
    m_line->setReadOnly(readOnly);
    m_line->installEventFilter(this);
    connect(m_line, &QLineEdit::editingFinished, this, [this] {
        if (!m_line->isReadOnly())
            emit Commit(Text());
    });
    if (dialogButton) {
        m_button = new QToolButton(this);
        m_button->setObjectName(QStringLiteral("ButtonEdit"));
        m_button->setText(QStringLiteral("..."));
        m_button->setAccessibleName(tr("Edit"));
        m_button->setToolTip(tr("Edit"));
        m_button->setFocusPolicy(Qt::NoFocus);
        layout->addWidget(m_button);
        connect(m_button, &QToolButton::clicked, this, &TPropertyValueEditor::OpenDialog);
    }
    if (clearButton) {
        m_clear = new QToolButton(this);
        m_clear->setObjectName(QStringLiteral("ButtonClear"));
        m_clear->setText(QStringLiteral("x"));
        m_clear->setAccessibleName(tr("Clear"));
        m_clear->setToolTip(tr("Clear"));
        m_clear->setFocusPolicy(Qt::NoFocus);
        layout->addWidget(m_clear);
        connect(m_clear, &QToolButton::clicked, this, &TPropertyValueEditor::Clear);
    }
    setFocusProxy(m_combo ? static_cast<QWidget*>(m_combo) : m_line);
    setAutoFillBackground(true);
}

QString TPropertyValueEditor::Text() const {
    return m_line->text();
}

void TPropertyValueEditor::SetText(const QString& text) {
    if (m_combo) {
        const int index = m_combo->findText(text, Qt::MatchExactly);
        if (index >= 0 && index != m_combo->currentIndex())
            m_combo->setCurrentIndex(index);
        if (m_line->text() != text)
            m_combo->setEditText(text);
    } else if (m_line->text() != text) {
        m_line->setText(text);
    }
    m_line->setCursorPosition(0);
    m_line->setModified(false);
}

bool TPropertyValueEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_line && watched != m_combo)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (!m_line->isReadOnly())
                emit Commit(Text());
            else if (m_button)
                emit OpenDialog();
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            emit Revert();
            return true;
        }
    } else if (event->type() == QEvent::MouseButtonDblClick && watched == m_line) {
        emit Cycle();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------
// TPropertyModel

void TPropertyModel::SetList(TPropertyList* list) {
    beginResetModel();
    m_list = list;
    endResetModel();
}

TProperty* TPropertyModel::PropertyAt(int row) const {
    if (!m_list || row < 0 || row >= m_list->Count())
        return nullptr;
    return m_list->Items(row);
}

void TPropertyModel::RowChanged(int row) {
    if (PropertyAt(row))
        emit dataChanged(index(row, 0), index(row, 1));
}

int TPropertyModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !m_list ? 0 : m_list->Count();
}

int TPropertyModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant TPropertyModel::data(const QModelIndex& index, int role) const {
    const TProperty* p = PropertyAt(index.row());
    if (!p)
        return {};
    if (index.column() == 0) {
        if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole || role == Qt::ToolTipRole)
            return p->DisplayCaption();
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return OneLine(p->DisplayText());
    case Qt::EditRole:
        return p->DisplayText();
    default:
        return {};
    }
}

QVariant TPropertyModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return section == 0 ? tr("Property") : tr("Value");
    return {};
}

Qt::ItemFlags TPropertyModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == 1)
        f |= Qt::ItemIsEditable;
    return f;
}

// ---------------------------------------------------------------------------
// TPropertyDelegate

TPropertyDelegate::TPropertyDelegate(TFormPropertyEditor& form) : m_form(form) {}

QWidget* TPropertyDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                         const QModelIndex& index) const {
    if (index.column() != 1)
        return nullptr;
    return m_form.CreateValueEditor(index.row(), parent);
}

void TPropertyDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (auto* value = qobject_cast<TPropertyValueEditor*>(editor))
        value->SetText(index.data(Qt::EditRole).toString());
}

void TPropertyDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                             const QModelIndex&) const {
    editor->setGeometry(option.rect);
}

bool TPropertyDelegate::eventFilter(QObject*, QEvent*) {
    return false;
}

// ---------------------------------------------------------------------------
// TFormPropertyEditor

TFormPropertyEditor::TFormPropertyEditor(TDialogService& dialogs, QWidget* parent)
    : QWidget(parent), m_dialogs(dialogs), m_delegate(*this) {
    setObjectName(QStringLiteral("FormPropertyEditor"));
    setAccessibleName(tr("Property Editor"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_header = new QLabel(tr("Property Editor"), this);
    m_header->setObjectName(QStringLiteral("LabelPropertyEditor"));
    m_header->setAccessibleName(tr("Property Editor"));
    m_header->setFixedHeight(20);
    m_header->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_header->setIndent(4);
    layout->addWidget(m_header);

    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("DataGridProperties"));
    m_grid->setAccessibleName(tr("Properties"));
    m_grid->setModel(&m_model);
    m_grid->setItemDelegate(&m_delegate);
    m_grid->horizontalHeader()->hide();
    m_grid->verticalHeader()->hide();
    // Rows as high as the font needs, at least the 16 pixels of the classic grid.
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setDefaultSectionSize(std::max(16, fontMetrics().height() + 6));
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Interactive);
    m_grid->horizontalHeader()->resizeSection(0, kCaptionWidth);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setWordWrap(false);
    m_grid->setTabKeyNavigation(false);
    m_grid->hide();
    layout->addWidget(m_grid, 1);
    // Keeps the header at the top while the grid is hidden.
    layout->addStretch(0);
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TFormPropertyEditor::CurrentRowChanged);
    connect(m_grid, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { Cycle(index.row()); });

    m_memoEditor = new TFormMemoEditor(this);
    m_anchorEditor = new TFormAnchor(this);
}

TFormPropertyEditor::~TFormPropertyEditor() {
    // The open cell outlives this part of the window: QWidget's destructor takes the
    // focus from it, and its "editing finished" must not reach members already gone.
    if (m_editor)
        m_editor->disconnect(this);
    // Stop following the list, which may outlive the grid.
    if (TPropertyList* list = m_model.List())
        list->OnChange = m_savedHandler;
}

TFormMemoEditor& TFormPropertyEditor::MemoEditor() {
    return *m_memoEditor;
}

TFormAnchor& TFormPropertyEditor::AnchorEditor() {
    return *m_anchorEditor;
}

void TFormPropertyEditor::ShowList(TPropertyList* list) {
    if (list == m_model.List())
        return;
    CommitPending();
    CloseEditor();
    if (TPropertyList* old = m_model.List())
        old->OnChange = m_savedHandler;
    m_savedHandler = nullptr;
    m_model.SetList(list);
    m_grid->setVisible(list != nullptr);
    if (!list)
        return;
    m_savedHandler = list->OnChange;
    list->OnChange = [this](TPropertyList& changed, int index) {
        if (m_savedHandler)
            m_savedHandler(changed, index);
        m_model.RowChanged(index);
    };
    int row = list->IndexOf(m_lastName);
    if (row < 0)
        row = list->IndexOf(QStringLiteral("Name"));
    if (row < 0)
        row = 0;
    SelectRow(row);
    m_grid->horizontalHeader()->setStretchLastSection(true);
}

int TFormPropertyEditor::RowOf(const QString& name) const {
    const TPropertyList* list = m_model.List();
    return list ? list->IndexOf(name) : -1;
}

int TFormPropertyEditor::CurrentRow() const {
    const QModelIndex current = m_grid->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void TFormPropertyEditor::SelectRow(int row) {
    if (row < 0 || row >= m_model.rowCount())
        return;
    m_grid->setCurrentIndex(m_model.index(row, 0));
    m_grid->scrollTo(m_model.index(row, 0));
}

QString TFormPropertyEditor::CaptionText(int row) const {
    return m_model.data(m_model.index(row, 0), Qt::DisplayRole).toString();
}

QString TFormPropertyEditor::ValueText(int row) const {
    return m_model.data(m_model.index(row, 1), Qt::EditRole).toString();
}

TPropertyForm* TFormPropertyEditor::FormFor(const TProperty& property) const {
    if (property.EditorForm)
        return property.EditorForm;
    if (property.Type == ptMemoText)
        return m_memoEditor;
    if (property.Name == QLatin1String("Anchor"))
        return m_anchorEditor;
    return nullptr;
}

QStringList TFormPropertyEditor::DropDownFor(const TProperty& property) const {
    switch (property.Type) {
    case ptFontName:
        if (m_fontNames.isEmpty())
            m_fontNames = InstalledFontNames();
        return m_fontNames;
    case ptPicture:
        return {};
    case ptBoolean:
    case ptColour:
    case ptLineStyle:
    case ptFillStyle:
        return property.TextChoices();
    default:
        if (FormFor(property))
            return {};
        return property.Choices;
    }
}

QWidget* TFormPropertyEditor::CreateValueEditor(int row, QWidget* parent) {
    TProperty* p = m_model.PropertyAt(row);
    if (!p)
        return nullptr;
    const QStringList dropDown = DropDownFor(*p);
    const bool picture = p->Type == ptPicture;
    const bool dialog = !picture && dropDown.isEmpty() && FormFor(*p) != nullptr;
    const bool readOnly = picture || (dialog && !p->TextEditable);
    auto* editor = new TPropertyValueEditor(parent, dropDown, picture || dialog, picture, readOnly);
    editor->setAccessibleName(p->DisplayCaption());
    editor->LineEdit()->setAccessibleName(p->DisplayCaption());
    if (editor->ComboBox())
        editor->ComboBox()->setAccessibleName(p->DisplayCaption());
    editor->SetText(p->DisplayText());
    // Late signals of an editor being closed go nowhere.
    auto mine = [this, editor] { return m_editor == editor; };
    connect(editor, &TPropertyValueEditor::Commit, this, [this, mine, row](const QString& text) {
        if (mine())
            CommitText(row, text);
    });
    connect(editor, &TPropertyValueEditor::Revert, this, [this, mine, row] {
        if (mine())
            Revert(row);
    });
    connect(editor, &TPropertyValueEditor::Cycle, this, [this, mine, row] {
        if (mine())
            Cycle(row);
    });
    connect(editor, &TPropertyValueEditor::OpenDialog, this, [this, mine, row] {
        if (mine())
            OpenDialog(row);
    });
    connect(editor, &TPropertyValueEditor::Clear, this, [this, mine, row] {
        if (mine())
            ClearPicture(row);
    });
    m_editor = editor;
    m_editorRow = row;
    return editor;
}

void TFormPropertyEditor::OpenEditor(int row) {
    if (row >= 0 && row < m_model.rowCount())
        m_grid->openPersistentEditor(m_model.index(row, 1));
}

void TFormPropertyEditor::CloseEditor() {
    const int row = m_editorRow;
    m_editor = nullptr;
    m_editorRow = -1;
    if (row >= 0 && row < m_model.rowCount())
        m_grid->closePersistentEditor(m_model.index(row, 1));
}

void TFormPropertyEditor::CurrentRowChanged(const QModelIndex& current, const QModelIndex& previous) {
    // The operator working in the grid goes on typing in the new row's cell.
    const QWidget* focus = QApplication::focusWidget();
    const bool focused = focus && (focus == m_grid || m_grid->isAncestorOf(focus));
    if (previous.isValid() && m_editor && m_editorRow == previous.row()) {
        const QString text = m_editor->Text();
        const bool typed = !m_editor->LineEdit()->isReadOnly();
        const int row = m_editorRow;
        CloseEditor();
        if (typed)
            CommitText(row, text);
    }
    if (!current.isValid())
        return;
    if (const TProperty* p = m_model.PropertyAt(current.row()))
        m_lastName = p->Name;
    if (m_editorRow != current.row()) {
        CloseEditor();
        OpenEditor(current.row());
    }
    if (!m_editor)
        return;
    // Qt selects a new cell's text; that only helps where the typing goes.
    if (focused) {
        m_editor->setFocus();
        m_editor->LineEdit()->selectAll();
    } else {
        m_editor->LineEdit()->deselect();
    }
}

void TFormPropertyEditor::CommitPending() {
    if (m_editor && !m_editor->LineEdit()->isReadOnly())
        CommitText(m_editorRow, m_editor->Text());
}

void TFormPropertyEditor::Revert(int row) {
    if (m_editor && m_editorRow == row) {
        if (const TProperty* p = m_model.PropertyAt(row))
            m_editor->SetText(p->DisplayText());
    }
}

void TFormPropertyEditor::ShowError(const QString& message) {
    m_dialogs.Error(this, message);
}

bool TFormPropertyEditor::Store(int row, const std::function<void(TProperty&)>& store) {
    TProperty* p = m_model.PropertyAt(row);
    if (!p || m_storing)
        return false;
    m_storing = true;
    const QString caption = p->Caption;
    if (OnChangeBegin)
        OnChangeBegin();
    QString failure;
    try {
        store(*p);
    } catch (const EBramblexError& error) {
        failure = error.Message();
    } catch (const std::exception& error) {
        failure = QString::fromUtf8(error.what());
    }
    if (failure.isEmpty() && OnChange)
        OnChange();
    if (OnChangeEnd)
        OnChangeEnd(caption);
    m_storing = false;
    if (!failure.isEmpty()) {
        // The cell shows the stored value again before the message, so a focus change
        // that the message box causes finds nothing left to commit.
        Revert(row);
        ShowError(failure);
        return false;
    }
    Revert(row);
    return true;
}

bool TFormPropertyEditor::CommitText(int row, const QString& text) {
    const TProperty* p = m_model.PropertyAt(row);
    if (!p)
        return false;
    if (text == p->DisplayText())
        return true;
    return Store(row, [&text](TProperty& property) { property.SetDisplayText(text); });
}

void TFormPropertyEditor::Cycle(int row) {
    TProperty* p = m_model.PropertyAt(row);
    if (!p)
        return;
    if (p->Type == ptColour) {
        QColor colour = ColorFromBGR(p->GetInteger());
        if (!m_dialogs.ChooseColour(this, colour))
            return;
        const std::int32_t value = ColourToBGR(colour);
        Store(row, [value](TProperty& property) { property.SetInteger(value); });
        return;
    }
    const QStringList entries = DropDownFor(*p);
    if (entries.isEmpty()) {
        // Without a list to step through, a double-click opens the property's dialog.
        if (p->Type == ptPicture || FormFor(*p))
            OpenDialog(row);
        return;
    }
    const QString text = m_editor && m_editorRow == row ? m_editor->Text() : p->DisplayText();
    const int index = entries.indexOf(text);
    if (index < 0)
        return;
    const QString next = entries[(index + 1) % entries.size()];
    if (m_editor && m_editorRow == row)
        m_editor->SetText(next);
    CommitText(row, next);
}

void TFormPropertyEditor::OpenDialog(int row) {
    TProperty* p = m_model.PropertyAt(row);
    if (!p)
        return;
    if (p->Type == ptPicture) {
        const QString path = m_dialogs.OpenFileName(this, tr("Select Picture"), QString(), PictureFilter());
        if (path.isEmpty())
            return;
        TKorvGraphic graphic;
        try {
            graphic.LoadFromFile(path);
        } catch (const EBramblexError& error) {
            ShowError(error.Message());
            return;
        }
        Store(row, [&graphic](TProperty& property) { property.SetGraphic(graphic); });
        return;
    }
    TPropertyForm* form = FormFor(*p);
    if (!form)
        return;
    // Text typed into the cell first, so the dialog starts from it.
    CommitPending();
    Store(row, [form](TProperty& property) {
        struct TRelease {
            TPropertyForm* Form;
            ~TRelease() { Form->Property = nullptr; }
        } release{form};
        form->Property = &property;
        form->Execute();
    });
}

void TFormPropertyEditor::ClearPicture(int row) {
    const TProperty* p = m_model.PropertyAt(row);
    if (!p || p->GetBytes().isEmpty())
        return;
    Store(row, [](TProperty& property) { property.SetBytes(QByteArray()); });
}
