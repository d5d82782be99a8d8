#include "ui/FormPageDesign.h"

#include "catalogue/Catalogue.h"
#include "core/Error.h"
#include "documents/SettingNames.h"
#include "documents/Settings.h"
#include "platform/FileSystem.h"
#include "reports/Page.h"
#include "reports/Report.h"
#include "ui/DesignerIcons.h"
#include "ui/DialogService.h"
#include "ui/FormPageItemList.h"
#include "ui/FormPropertyEditor.h"
#include "ui/PageDesigner.h"
#include "ui/PageEditor.h"
#include "ui/PageRuler.h"

#include <QAction>
#include <QActionGroup>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

QString ErrorText(const std::exception& error) {
    if (const auto* e = dynamic_cast<const EBramblexError*>(&error))
        return e->Message();
    return QString::fromUtf8(error.what());
}

} // namespace

TFormPageDesign::TFormPageDesign(TSettings& settings, TDialogService& dialogs, TPageDesignChoices& choices,
                                 TChartPainter* charts, QWidget* parent)
    : QDialog(parent), m_settings(settings), m_dialogs(dialogs), m_choices(choices) {
    setObjectName(QStringLiteral("FormPageDesign"));
    setWindowTitle(tr("Page Design"));
    setAccessibleName(tr("Page Design"));
    setSizeGripEnabled(true);

    m_editor = new TPageEditor;
    m_designer = new TPageDesigner;
    m_topRuler = new TPageRuler(TRulerType::rtHorizontal);
    m_leftRuler = new TPageRuler(TRulerType::rtVertical);
    m_propertyEditor = new TFormPropertyEditor(dialogs);
    m_itemList = new TFormPageItemList;
    m_editor->SetUndoStack(&m_undo);
    m_editor->SetChartPainter(charts);

    BuildActions();
    BuildLayout();
    BuildPopupMenu();

    m_designer->SetPageEditor(m_editor);
    m_designer->SetTopRuler(m_topRuler);
    m_designer->SetLeftRuler(m_leftRuler);

    m_editor->OnSelectItem = [this] { SelectionChanged(); };
    m_editor->OnAddedItem = [this] { AddedItem(); };
    m_editor->OnItemsReplacing = [this] { m_propertyEditor->ShowList(nullptr); };
    m_editor->OnChanged = [this] {
        m_itemList->Refresh();
        UpdateActions();
    };
    m_editor->OnCreationCancelled = [this] { m_select->setChecked(true); };
    m_editor->OnError = [this](const QString& message) { ShowError(message); };

    m_propertyEditor->OnChangeBegin = [this] { m_editor->BeginChange(); };
    m_propertyEditor->OnChange = [this] {
        // The page's size or paper may have changed, or an item's name.
        m_designer->ApplyZoom();
        m_editor->Refresh();
        m_itemList->Refresh();
    };
    m_propertyEditor->OnChangeEnd = [this](const QString& caption) {
        m_editor->EndChange(tr("Change %1").arg(caption));
        UpdateActions();
    };

    m_itemList->OnSelectionChanged = [this] {
        SelectionChanged();
        m_editor->update();
    };
    m_itemList->OnMoveItems = [this](int target, bool fromAbove) {
        m_editor->MoveSelectedTo(target, fromAbove);
    };

    connect(&m_undo, &QUndoStack::canUndoChanged, m_undoAction, &QAction::setEnabled);
    connect(&m_undo, &QUndoStack::canRedoChanged, m_redoAction, &QAction::setEnabled);
    connect(&m_undo, &QUndoStack::undoTextChanged, this, [this](const QString& text) {
        m_undoAction->setToolTip(text.isEmpty() ? tr("Undo") : tr("Undo %1").arg(text));
    });
    connect(&m_undo, &QUndoStack::redoTextChanged, this, [this](const QString& text) {
        m_redoAction->setToolTip(text.isEmpty() ? tr("Redo") : tr("Redo %1").arg(text));
    });
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        connect(clipboard, &QClipboard::dataChanged, this, [this] { UpdateActions(); });

    resize(1200, 800);
    UpdateActions();
}

TFormPageDesign::~TFormPageDesign() {
    // The property editor lets go of the page's lists before the page goes.
    m_propertyEditor->ShowList(nullptr);
}

// ---------------------------------------------------------------------------
// Building

QAction* TFormPageDesign::MakeAction(const QString& name, const QString& text, const QString& icon) {
    auto* action = new QAction(text, this);
    action->setObjectName(name);
    if (!icon.isEmpty())
        action->setIcon(DesignerIcon(icon));
    action->setToolTip(QString(text).remove(QLatin1Char('&')));
    addAction(action);
    return action;
}

void TFormPageDesign::BuildActions() {
    m_save = MakeAction(QStringLiteral("ActionSave"), tr("&Save"), QStringLiteral("save"));
    m_save->setShortcut(QKeySequence::Save);
    connect(m_save, &QAction::triggered, this, [this] { SavePage(); });
    m_saveAndExit = MakeAction(QStringLiteral("ActionSaveAndExit"), tr("Save and E&xit"), QString());
    connect(m_saveAndExit, &QAction::triggered, this, &TFormPageDesign::SaveAndExit);
    m_abandonAndExit = MakeAction(QStringLiteral("ActionAbandonAndExit"), tr("&Abandon and Exit"), QString());
    connect(m_abandonAndExit, &QAction::triggered, this, &TFormPageDesign::AbandonAndExit);

    m_delete = MakeAction(QStringLiteral("ActionDelete"), tr("&Delete"), QStringLiteral("delete"));
    m_delete->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    connect(m_delete, &QAction::triggered, this, &TFormPageDesign::DeleteItems);
    m_cut = MakeAction(QStringLiteral("ActionCut"), tr("Cu&t"), QStringLiteral("cut"));
    m_cut->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    connect(m_cut, &QAction::triggered, this, &TFormPageDesign::CutItems);
    m_copy = MakeAction(QStringLiteral("ActionCopy"), tr("&Copy"), QStringLiteral("copy"));
    m_copy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    connect(m_copy, &QAction::triggered, this, &TFormPageDesign::CopyItems);
    m_paste = MakeAction(QStringLiteral("ActionPaste"), tr("&Paste"), QStringLiteral("paste"));
    m_paste->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    connect(m_paste, &QAction::triggered, this, &TFormPageDesign::PasteItems);

    m_grid = MakeAction(QStringLiteral("ActionGrid"), tr("&Grid"), QStringLiteral("grid"));
    m_grid->setCheckable(true);
    connect(m_grid, &QAction::triggered, this, &TFormPageDesign::SetGrid);
    m_snap = MakeAction(QStringLiteral("ActionSnap"), tr("S&nap"), QStringLiteral("snap"));
    m_snap->setCheckable(true);
    connect(m_snap, &QAction::triggered, this, &TFormPageDesign::SetSnap);

    m_undoAction = MakeAction(QStringLiteral("ActionUndo"), tr("&Undo"), QStringLiteral("undo"));
    m_undoAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_undoAction->setEnabled(false);
    connect(m_undoAction, &QAction::triggered, &m_undo, &QUndoStack::undo);
    m_redoAction = MakeAction(QStringLiteral("ActionRedo"), tr("&Redo"), QStringLiteral("redo"));
    m_redoAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    m_redoAction->setEnabled(false);
    connect(m_redoAction, &QAction::triggered, &m_undo, &QUndoStack::redo);

    m_bringToFront =
        MakeAction(QStringLiteral("ActionBringToFront"), tr("Bring to &Front"), QStringLiteral("front"));
    connect(m_bringToFront, &QAction::triggered, this, &TFormPageDesign::BringToFront);
    m_sendToBack =
        MakeAction(QStringLiteral("ActionSendToBack"), tr("Send to &Back"), QStringLiteral("back"));
    connect(m_sendToBack, &QAction::triggered, this, &TFormPageDesign::SendToBack);

    const struct {
        const char* Name;
        const char* Text;
        const char* Icon;
        TPageEditor::TAlign How;
    } aligns[] = {
        {"ActionAlignLeft", QT_TR_NOOP("Align &Left Edges"), "align-left", TPageEditor::TAlign::Left},
        {"ActionAlignRight", QT_TR_NOOP("Align &Right Edges"), "align-right", TPageEditor::TAlign::Right},
        {"ActionAlignTop", QT_TR_NOOP("Align &Top Edges"), "align-top", TPageEditor::TAlign::Top},
        {"ActionAlignBottom", QT_TR_NOOP("Align &Bottom Edges"), "align-bottom", TPageEditor::TAlign::Bottom},
        {"ActionAlignCentresAcross", QT_TR_NOOP("Align &Centres Across"), "align-hcentre",
         TPageEditor::TAlign::HorizontalCentre},
        {"ActionAlignCentresDown", QT_TR_NOOP("Align Centres &Down"), "align-vcentre",
         TPageEditor::TAlign::VerticalCentre},
        {"ActionSameWidth", QT_TR_NOOP("Make Same &Width"), "same-width", TPageEditor::TAlign::SameWidth},
        {"ActionSameHeight", QT_TR_NOOP("Make Same &Height"), "same-height", TPageEditor::TAlign::SameHeight},
    };
    for (const auto& a : aligns) {
        QAction* action = MakeAction(QString::fromLatin1(a.Name), tr(a.Text), QString::fromLatin1(a.Icon));
        const TPageEditor::TAlign how = a.How;
        connect(action, &QAction::triggered, this, [this, how] { m_editor->Align(how); });
        m_alignActions << action;
    }

    m_tools = new QActionGroup(this);
    m_tools->setExclusive(true);
    auto tool = [this](const QString& name, const QString& text, const QString& icon) {
        QAction* action = MakeAction(name, text, icon);
        action->setCheckable(true);
        m_tools->addAction(action);
        return action;
    };
    m_select = tool(QStringLiteral("ActionSelect"), tr("Select"), QStringLiteral("select"));
    m_shape = tool(QStringLiteral("ActionShape"), tr("Shape"), QStringLiteral("shape"));
    m_memo = tool(QStringLiteral("ActionMemo"), tr("Memo"), QStringLiteral("memo"));
    m_graphic = tool(QStringLiteral("ActionGraphic"), tr("Graphic"), QStringLiteral("graphic"));
    m_run = tool(QStringLiteral("ActionRun"), tr("Run"), QStringLiteral("run"));
    m_measurements =
        tool(QStringLiteral("ActionMeasurements"), tr("Measurements"), QStringLiteral("measurements"));
    m_flowCurve = tool(QStringLiteral("ActionFlowCurve"), tr("Flow Curve"), QStringLiteral("flow-curve"));
    m_select->setChecked(true);
    connect(m_tools, &QActionGroup::triggered, this, &TFormPageDesign::ChooseTool);

    m_zoomGroup = new QActionGroup(this);
    m_zoomGroup->setExclusive(true);
    for (int i = 0; i < PageZoomChoiceCount; ++i) {
        auto* action = new QAction(ZoomChoiceText(PageZoomChoices[i]), this);
        action->setObjectName(QStringLiteral("ActionZoom%1").arg(i));
        action->setCheckable(true);
        m_zoomGroup->addAction(action);
        connect(action, &QAction::triggered, this, [this, i] { ChooseZoom(i); });
        m_zoomActions << action;
    }
}

void TFormPageDesign::BuildLayout() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("MainMenu"));
    menuBar->setAccessibleName(tr("Menu"));
    QMenu* report = menuBar->addMenu(tr("&Report"));
    report->setObjectName(QStringLiteral("MenuReport"));
    report->addAction(m_save);
    report->addAction(m_saveAndExit);
    report->addSeparator();
    report->addAction(m_abandonAndExit);
    QMenu* edit = menuBar->addMenu(tr("&Edit"));
    edit->setObjectName(QStringLiteral("MenuEdit"));
    edit->addAction(m_undoAction);
    edit->addAction(m_redoAction);
    edit->addSeparator();
    edit->addAction(m_cut);
    edit->addAction(m_copy);
    edit->addAction(m_paste);
    edit->addAction(m_delete);
    edit->addSeparator();
    edit->addAction(m_bringToFront);
    edit->addAction(m_sendToBack);
    QMenu* align = edit->addMenu(tr("&Align"));
    align->setObjectName(QStringLiteral("MenuAlign"));
    align->addActions(m_alignActions);
    layout->setMenuBar(menuBar);

    auto* strip = new QToolBar(tr("Commands"), this);
    strip->setObjectName(QStringLiteral("ToolBarCommands"));
    strip->setAccessibleName(tr("Commands"));
    strip->setIconSize(QSize(20, 20));
    auto* zoomLabel = new QLabel(tr("Zoom:"), strip);
    zoomLabel->setObjectName(QStringLiteral("LabelZoom"));
    zoomLabel->setContentsMargins(6, 0, 4, 0);
    strip->addWidget(zoomLabel);
    m_zoomBox = new QComboBox(strip);
    m_zoomBox->setObjectName(QStringLiteral("ComboBoxZoom"));
    m_zoomBox->setAccessibleName(tr("Zoom"));
    for (const auto& choice : PageZoomChoices)
        m_zoomBox->addItem(ZoomChoiceText(choice));
    zoomLabel->setBuddy(m_zoomBox);
    connect(m_zoomBox, &QComboBox::activated, this, &TFormPageDesign::ChooseZoom);
    strip->addWidget(m_zoomBox);
    strip->addSeparator();
    strip->addAction(m_save);
    strip->addAction(m_delete);
    strip->addAction(m_cut);
    strip->addAction(m_copy);
    strip->addAction(m_paste);
    strip->addSeparator();
    strip->addAction(m_grid);
    strip->addAction(m_snap);
    strip->addSeparator();
    strip->addAction(m_undoAction);
    strip->addAction(m_redoAction);
    strip->addSeparator();
    strip->addAction(m_bringToFront);
    strip->addAction(m_sendToBack);
    strip->addActions(m_alignActions);
    layout->addWidget(strip);

    auto* tools = new QToolBar(tr("Tools"), this);
    tools->setObjectName(QStringLiteral("ToolBarTools"));
    tools->setAccessibleName(tr("Tools"));
    tools->setOrientation(Qt::Vertical);
    tools->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    tools->setIconSize(QSize(24, 24));
    tools->addActions(m_tools->actions());

    // The page with its rulers: a corner, the top ruler, the left ruler, the page.
    auto* pageArea = new QWidget(this);
    pageArea->setObjectName(QStringLiteral("PanelPage"));
    auto* grid = new QGridLayout(pageArea);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    auto* corner = new QWidget(pageArea);
    corner->setFixedSize(m_leftRuler->sizeHint().width(), m_topRuler->sizeHint().height());
    corner->setAutoFillBackground(true);
    corner->setBackgroundRole(QPalette::Button);
    grid->addWidget(corner, 0, 0);
    grid->addWidget(m_topRuler, 0, 1);
    grid->addWidget(m_leftRuler, 1, 0);
    grid->addWidget(m_designer, 1, 1);

    auto* middle = new QWidget(this);
    auto* middleLayout = new QHBoxLayout(middle);
    middleLayout->setContentsMargins(0, 0, 0, 0);
    middleLayout->setSpacing(0);
    middleLayout->addWidget(tools);
    middleLayout->addWidget(pageArea, 1);

    m_rightSplitter = new QSplitter(Qt::Vertical, this);
    m_rightSplitter->setObjectName(QStringLiteral("SplitterRight"));
    m_rightSplitter->addWidget(m_itemList);
    m_rightSplitter->addWidget(m_propertyEditor);
    m_rightSplitter->setStretchFactor(0, 1);
    m_rightSplitter->setStretchFactor(1, 2);

    m_mainSplitter = new QSplitter(Qt::Horizontal, this);
    m_mainSplitter->setObjectName(QStringLiteral("SplitterMain"));
    m_mainSplitter->addWidget(middle);
    m_mainSplitter->addWidget(m_rightSplitter);
    m_mainSplitter->setStretchFactor(0, 1);
    m_mainSplitter->setStretchFactor(1, 0);
    m_mainSplitter->setSizes({900, 300});
    layout->addWidget(m_mainSplitter, 1);

    auto* status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar"));
    status->setAccessibleName(tr("Status"));
    status->setSizeGripEnabled(false);
    m_statusReport = new QLabel(status);
    m_statusReport->setObjectName(QStringLiteral("LabelReport"));
    m_statusPage = new QLabel(status);
    m_statusPage->setObjectName(QStringLiteral("LabelPage"));
    status->addWidget(m_statusReport, 1);
    status->addWidget(m_statusPage);
    layout->addWidget(status);

    // The Delete key as well as Ctrl+D, where it cannot mean a character.
    for (QWidget* w : {static_cast<QWidget*>(m_editor), static_cast<QWidget*>(m_itemList->List())}) {
        auto* key = new QShortcut(QKeySequence::Delete, w, nullptr, nullptr, Qt::WidgetShortcut);
        connect(key, &QShortcut::activated, this, &TFormPageDesign::DeleteItems);
    }
}

void TFormPageDesign::BuildPopupMenu() {
    m_popup = new QMenu(this);
    m_popup->setObjectName(QStringLiteral("PopupMenuPage"));
    QMenu* zoom = m_popup->addMenu(tr("&Zoom"));
    zoom->setObjectName(QStringLiteral("MenuZoom"));
    zoom->addActions(m_zoomActions);
    m_popup->addAction(m_bringToFront);
    m_popup->addAction(m_sendToBack);
    QMenu* align = m_popup->addMenu(tr("&Align"));
    align->addActions(m_alignActions);
    m_popup->addSeparator();
    m_popup->addAction(m_cut);
    m_popup->addAction(m_copy);
    m_popup->addAction(m_paste);
    m_popup->addSeparator();
    m_popup->addAction(m_select);
    QMenu* create = m_popup->addMenu(tr("&New"));
    create->setObjectName(QStringLiteral("MenuNew"));
    create->addAction(m_shape);
    create->addAction(m_memo);
    create->addAction(m_graphic);

    m_editor->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_editor, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& point) { m_popup->popup(m_editor->mapToGlobal(point)); });
    connect(m_itemList->List(), &QWidget::customContextMenuRequested, this, [this](const QPoint& point) {
        m_popup->popup(m_itemList->List()->viewport()->mapToGlobal(point));
    });
}

// ---------------------------------------------------------------------------
// Opening and closing

void TFormPageDesign::Load(const TFileItem& file, int pageIndex) {
    m_propertyEditor->ShowList(nullptr);
    m_file.Assign(file);
    m_file.FileType = FileTypeReport;
    if (!m_file.Report || m_file.LoadState != LoadStateLoaded) {
        auto report = std::make_unique<TReport>();
        report->LoadFromFile(m_file.FilePath);
        m_file.Report = std::move(report);
        m_file.LoadState = LoadStateLoaded;
        m_file.FileModifiedTime = FileLastWriteTime(m_file.FilePath);
    }
    m_pageIndex = pageIndex;
    m_undo.clear();

    const TReport& report = *m_file.Report;
    if (pageIndex >= 0 && pageIndex < report.PageCount())
        m_editor->SetPage(*report.Page(pageIndex));
    else
        m_editor->SetPage(TPage());

    m_grid->setChecked(Setting::Grid.Get(m_settings));
    m_editor->SetGridSpacing(GridStepMM());
    m_editor->SetGrid(m_grid->isChecked());
    m_snap->setChecked(Setting::Snap.Get(m_settings));
    m_editor->SetSnap(m_snap->isChecked());
    m_editor->Page().ClearModified();
    m_undo.setClean();

    m_itemList->ShowPage(&m_editor->Page());
    m_propertyEditor->ShowList(&m_editor->Page().Properties);
    ShowStatus();
    ChooseZoom(m_choices.Zoom);
    m_select->setChecked(true);
    m_editor->setFocus();
    UpdateActions();
}

int TFormPageDesign::Execute(const TFileItem& file, int pageIndex) {
    try {
        Load(file, pageIndex);
    } catch (const std::exception& error) {
        ShowError(ErrorText(error));
        return QDialog::Rejected;
    }
    return exec();
}

bool TFormPageDesign::IsModified() const {
    return m_editor->Page().IsModified();
}

void TFormPageDesign::ShowStatus() {
    m_statusReport->setText(m_file.Report ? m_file.Report->Name : QString());
    m_statusPage->setText(tr("Page %1").arg(m_pageIndex + 1));
}

void TFormPageDesign::Finish(int result) {
    m_editor->CancelCreation();
    m_propertyEditor->ShowList(nullptr);
    m_editor->Page().SelectOnly(nullptr);
    m_itemList->ShowPage(nullptr);
    m_undo.clear();
    m_finishing = true;
    done(result);
    m_finishing = false;
}

void TFormPageDesign::reject() {
    if (m_finishing) {
        QDialog::reject();
        return;
    }
    m_propertyEditor->CommitPending();
    if (!IsModified()) {
        Finish(QDialog::Rejected);
        return;
    }
    const QMessageBox::StandardButton answer = m_dialogs.InformationQuestion(
        this, windowTitle(), tr("Save changes to this page?"),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::Yes) {
        if (SavePage())
            Finish(QDialog::Accepted);
    } else if (answer == QMessageBox::No) {
        Finish(QDialog::Rejected);
    }
}

void TFormPageDesign::SaveAndExit() {
    m_propertyEditor->CommitPending();
    if (m_dialogs.InformationQuestion(
            this, windowTitle(), tr("Are you sure you wish to save the changes to the page design?"),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) != QMessageBox::Yes)
        return;
    if (SavePage())
        Finish(QDialog::Accepted);
}

void TFormPageDesign::AbandonAndExit() {
    m_propertyEditor->CommitPending();
    if (IsModified() &&
        m_dialogs.InformationQuestion(
            this, windowTitle(), tr("Are you sure you wish to abandon the changes to the page design?"),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) != QMessageBox::Yes)
        return;
    Finish(QDialog::Rejected);
}

bool TFormPageDesign::SavePage() {
    m_propertyEditor->CommitPending();
    if (!m_file.Report)
        return false;
    // The report is changed and written as a copy, so a write that fails leaves both
    // the file and the entry as they were.
    auto report = std::make_unique<TReport>();
    report->Assign(*m_file.Report);
    const TPage& work = m_editor->Page();
    int index = m_pageIndex;
    const bool inside = index >= 0 && index < report->PageCount();
    TPage* target = nullptr;
    if (inside && report->Page(index)->PageType() == work.PageType()) {
        target = report->Page(index);
    } else {
        // A page whose type changed moves to the end of its new group.
        if (inside)
            report->DeletePage(index);
        int insertAt = 0;
        for (int i = 0; i < report->PageCount(); ++i) {
            if (report->Page(i)->PageType() <= work.PageType())
                insertAt = i + 1;
        }
        target = report->InsertPage(insertAt);
        index = insertAt;
    }
    try {
        target->Assign(work);
        report->SaveToFile(m_file.FilePath);
    } catch (const std::exception& error) {
        ShowError(ErrorText(error));
        return false;
    }
    m_file.Report = std::move(report);
    m_file.LoadState = LoadStateLoaded;
    m_file.FileModifiedTime = FileLastWriteTime(m_file.FilePath);
    m_pageIndex = index;
    m_editor->Page().ClearModified();
    m_undo.setClean();
    ShowStatus();
    UpdateActions();
    return true;
}

// ---------------------------------------------------------------------------
// Commands

void TFormPageDesign::ShowError(const QString& message) {
    m_dialogs.Error(this, message);
}

void TFormPageDesign::DeleteItems() {
    const int count = m_editor->SelectedCount();
    if (count == 0)
        return;
    const QString question =
        count == 1 ? tr("Are you sure you want to delete '%1'?").arg(m_editor->CurrentItem()->Name())
                   : tr("Are you sure you want to delete these %1 page items?").arg(count);
    if (!m_dialogs.AskYesNo(this, windowTitle(), question))
        return;
    m_propertyEditor->ShowList(&m_editor->Page().Properties);
    m_editor->DeleteSelected();
}

void TFormPageDesign::CutItems() {
    if (m_editor->SelectedCount() == 0)
        return;
    m_propertyEditor->ShowList(&m_editor->Page().Properties);
    try {
        m_editor->Cut();
    } catch (const std::exception& error) {
        ShowError(ErrorText(error));
    }
    UpdateActions();
}

void TFormPageDesign::CopyItems() {
    try {
        m_editor->Copy();
    } catch (const std::exception& error) {
        ShowError(ErrorText(error));
    }
    UpdateActions();
}

void TFormPageDesign::PasteItems() {
    try {
        m_editor->Paste();
    } catch (const std::exception& error) {
        ShowError(ErrorText(error));
    }
    m_itemList->Refresh();
    UpdateActions();
}

void TFormPageDesign::BringToFront() {
    m_editor->BringToFront();
    m_itemList->Refresh();
    UpdateActions();
}

void TFormPageDesign::SendToBack() {
    m_editor->SendToBack();
    m_itemList->Refresh();
    UpdateActions();
}

void TFormPageDesign::SetGrid(bool on) {
    m_grid->setChecked(on);
    m_editor->SetGrid(on);
    try {
        Setting::Grid.Set(m_settings, on);
    } catch (const std::exception& error) {
        ShowError(ErrorText(error));
    }
    UpdateActions();
}

void TFormPageDesign::SetSnap(bool on) {
    m_snap->setChecked(on);
    m_editor->SetSnap(on);
    try {
        Setting::Snap.Set(m_settings, on);
    } catch (const std::exception& error) {
        ShowError(ErrorText(error));
    }
}

QStringList TFormPageDesign::ZoomChoices() {
    QStringList choices;
    for (const auto& choice : PageZoomChoices)
        choices << ZoomChoiceText(choice);
    return choices;
}

void TFormPageDesign::ChooseZoom(int index) {
    if (index < 0 || index >= PageZoomChoiceCount)
        return;
    m_choices.Zoom = index;
    m_zoomBox->setCurrentIndex(index);
    m_zoomActions[index]->setChecked(true);
    m_designer->SetZoom(PageZoomChoices[index].Type, PageZoomChoices[index].Value);
}

void TFormPageDesign::ChooseTool(QAction* tool) {
    if (tool == m_select)
        m_editor->CancelCreation();
    else if (tool == m_shape)
        m_editor->ArmCreation(QStringLiteral("TPageItemShape"));
    else if (tool == m_memo)
        m_editor->ArmCreation(QStringLiteral("TPageItemMemo"));
    else if (tool == m_graphic)
        m_editor->ArmCreation(QStringLiteral("TPageItemGraphic"));
    else if (tool == m_run)
        m_editor->ArmCreation(QStringLiteral("TPageItemChartRun"));
    else if (tool == m_measurements)
        m_editor->ArmCreation(QStringLiteral("TPageItemReadings"));
    else if (tool == m_flowCurve)
        m_editor->ArmCreation(QStringLiteral("TPageItemChartFlow"));
    UpdateActions();
}

// ---------------------------------------------------------------------------
// Following the page

void TFormPageDesign::SelectionChanged() {
    TPage& page = m_editor->Page();
    const int selected = page.SelectedCount();
    if (selected == 1)
        m_propertyEditor->ShowList(&page.LastSelected()->Properties);
    else if (selected > 1)
        m_propertyEditor->ShowList(nullptr);
    else
        m_propertyEditor->ShowList(&page.Properties);
    m_itemList->Refresh();
    m_itemList->CopySelection();
    m_itemList->ScrollToSelection();
    UpdateActions();
}

void TFormPageDesign::AddedItem() {
    m_select->setChecked(true);
    m_itemList->Refresh();
    m_itemList->ScrollToSelection();
    UpdateActions();
}

void TFormPageDesign::UpdateActions() {
    const bool modified = IsModified();
    const int selected = m_editor->SelectedCount();
    m_save->setEnabled(modified);
    m_saveAndExit->setEnabled(modified);
    for (QAction* action : {m_delete, m_cut, m_copy, m_bringToFront, m_sendToBack})
        action->setEnabled(selected > 0);
    for (QAction* action : m_alignActions)
        action->setEnabled(selected > 1);
    m_paste->setEnabled(m_editor->CanPaste());
    m_undoAction->setEnabled(m_undo.canUndo());
    m_redoAction->setEnabled(m_undo.canRedo());
}
