#pragma once

// The property grid of the page designer: one row per property of a page or page
// item, its caption and its value as text, edited in place with the aid its kind
// calls for (a drop-down, a dialog, a picture file). Typed text is parsed back into
// the property when Enter is pressed, the cell loses focus, another row or list is
// chosen, or the owner asks (before saving or closing); text that does not parse
// shows the property's message and the cell returns to the stored value.

#include <QAbstractTableModel>
#include <QPointer>
#include <QStringList>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QWidget>

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QToolButton;
class TDialogService;
class TFormAnchor;
class TFormMemoEditor;
class TProperty;
class TPropertyForm;
class TPropertyList;

// The value cell's editor: a line, a line with a drop-down, and for properties edited
// by a dialog or picked from a file, a button beside it.
class TPropertyValueEditor : public QWidget {
    Q_OBJECT

public:
    TPropertyValueEditor(QWidget* parent, const QStringList& dropDown, bool dialogButton, bool clearButton,
                         bool readOnly);

    QString Text() const;
    void SetText(const QString& text);
    QLineEdit* LineEdit() const { return m_line; }
    QComboBox* ComboBox() const { return m_combo; }
    QToolButton* DialogButton() const { return m_button; }
    QToolButton* ClearButton() const { return m_clear; }

signals:
    void Commit(const QString& text);
    void Revert();
    void Cycle();
    void OpenDialog();
    void Clear();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_line = nullptr;
    QComboBox* m_combo = nullptr;
    QToolButton* m_button = nullptr;
    QToolButton* m_clear = nullptr;
};

class TPropertyModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    void SetList(TPropertyList* list);
    TPropertyList* List() const { return m_list; }
    TProperty* PropertyAt(int row) const;
    // A property of the list changed: its row shows it anew.
    void RowChanged(int row);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    TPropertyList* m_list = nullptr;
};

class TFormPropertyEditor;

class TPropertyDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit TPropertyDelegate(TFormPropertyEditor& form);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    // Values are stored by the form when they are committed, never by the view.
    void setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const override {}
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

protected:
    // The editor handles its own keys and focus.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TFormPropertyEditor& m_form;
};

class TFormPropertyEditor : public QWidget {
    Q_OBJECT

public:
    explicit TFormPropertyEditor(TDialogService& dialogs, QWidget* parent = nullptr);
    ~TFormPropertyEditor() override;

    // Shows list (nothing: the grid is hidden) and follows its changes until another
    // is shown. The row of the property last selected is selected again, else "Name",
    // else the first. Typed text still open is committed to the list shown before.
    void ShowList(TPropertyList* list);
    TPropertyList* List() const { return m_model.List(); }
    QString LastSelectedName() const { return m_lastName; }

    // Around every attempt to store a value: OnChangeBegin before, OnChange after a
    // successful change (the owner's change notification), OnChangeEnd at the end in
    // every case, with the caption of the property.
    std::function<void()> OnChangeBegin;
    std::function<void()> OnChange;
    std::function<void(const QString& caption)> OnChangeEnd;

    // Parses the open cell's text into its property (when it differs from the value).
    void CommitPending();

    // Rows, by property name; -1 when the list has none of that name.
    int RowOf(const QString& name) const;
    int CurrentRow() const;
    void SelectRow(int row);
    QString CaptionText(int row) const;
    QString ValueText(int row) const;
    // The open cell of the current row.
    TPropertyValueEditor* ValueEditor() const { return m_editor; }
    QTableView* Grid() const { return m_grid; }

    // What the value cell offers for a property.
    QStringList DropDownFor(const TProperty& property) const;
    // The property's own dialog: its EditorForm, else the text editor for memo
    // texts and the anchor dialog for "Anchor".
    TPropertyForm* FormFor(const TProperty& property) const;

    // The committing steps; each shows the failure and returns false.
    bool CommitText(int row, const QString& text);
    void Cycle(int row);
    void OpenDialog(int row);
    void ClearPicture(int row);

    TFormMemoEditor& MemoEditor();
    TFormAnchor& AnchorEditor();

private:
    friend class TPropertyDelegate;
    QWidget* CreateValueEditor(int row, QWidget* parent);
    void CurrentRowChanged(const QModelIndex& current, const QModelIndex& previous);
    void Revert(int row);
    // Stores through store inside the change notifications; a failure shows its
    // message and puts the stored value back into the cell.
    bool Store(int row, const std::function<void(TProperty&)>& store);
    void OpenEditor(int row);
    void CloseEditor();
    void ShowError(const QString& message);

    TDialogService& m_dialogs;
    QLabel* m_header = nullptr;
    QTableView* m_grid = nullptr;
    TPropertyModel m_model;
    TPropertyDelegate m_delegate;
    QPointer<TPropertyValueEditor> m_editor;
    int m_editorRow = -1;
    QString m_lastName;
    std::function<void(TPropertyList&, int)> m_savedHandler;
    TFormMemoEditor* m_memoEditor = nullptr;
    TFormAnchor* m_anchorEditor = nullptr;
    mutable QStringList m_fontNames;
    bool m_storing = false;
};
