// The property grid, the text editor, the anchor dialog and the item list.

#include "DesignerSupport.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

#include "catalogue/Catalogue.h"
#include "reports/PageItemGraphic.h"
#include "reports/PageItemMemo.h"
#include "reports/PageItemShape.h"
#include "ui/FormAnchor.h"
#include "ui/FormMemoEditor.h"
#include "ui/FormPageItemList.h"
#include "ui/FormPropertyEditor.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

// German names for two report fields, as a translation would give them.
class TFieldTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override {
        if (QLatin1String(context) != QLatin1String("Bramblex"))
            return {};
        if (QLatin1String(source) == QLatin1String("Operator"))
            return QStringLiteral("Bediener");
        if (QLatin1String(source) == QLatin1String("Company"))
            return QStringLiteral("Firma");
        return {};
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class PropertyEditorTest : public FakePrintersTest {
protected:
    void SetUp() override {
        FakePrintersTest::SetUp();
        Page = std::make_unique<TPage>();
        Memo = Place<TPageItemMemo>(*Page, 10, 20, 30, 40);
        Shape = Place<TPageItemShape>(*Page, 50, 20, 30, 40);
        Editor = std::make_unique<TFormPropertyEditor>(Dialogs);
        Editor->OnChange = [this] { ++Changes; };
        Editor->resize(320, 600);
        Editor->show();
    }
    void TearDown() override {
        Editor.reset();
        Page.reset();
        FakePrintersTest::TearDown();
    }

    // Types into the value cell of the named row and presses Enter.
    void Type(const QString& name, const QString& text) {
        const int row = Editor->RowOf(name);
        ASSERT_GE(row, 0) << name.toStdString();
        Editor->SelectRow(row);
        TPropertyValueEditor* cell = Editor->ValueEditor();
        ASSERT_NE(cell, nullptr);
        cell->LineEdit()->selectAll();
        QTest::keyClicks(cell->LineEdit(), text);
        QWidget* target = cell->ComboBox() ? static_cast<QWidget*>(cell->ComboBox()) : cell->LineEdit();
        QTest::keyClick(target, Qt::Key_Return);
    }
    QString Cell() const { return Editor->ValueEditor() ? Editor->ValueEditor()->Text() : QString(); }

    TScriptedDialogs Dialogs;
    std::unique_ptr<TPage> Page;
    TPageItem* Memo = nullptr;
    TPageItem* Shape = nullptr;
    std::unique_ptr<TFormPropertyEditor> Editor;
    int Changes = 0;
};

TEST_F(PropertyEditorTest, LengthsShowAndTakeReportUnits) {
    SetReportUnits(1);
    Memo->SetLeft(25.4);
    Editor->ShowList(&Memo->Properties);
    const int row = Editor->RowOf(QStringLiteral("Left"));
    EXPECT_EQ(Editor->CaptionText(row), QStringLiteral("Left (in)"));
    EXPECT_EQ(Editor->ValueText(row), QStringLiteral("1.00"));
    Type(QStringLiteral("Left"), QStringLiteral("2"));
    EXPECT_DOUBLE_EQ(Memo->Left(), 50.8);
    EXPECT_EQ(Cell(), QStringLiteral("2.00"));
    EXPECT_EQ(Changes, 1);
}

TEST_F(PropertyEditorTest, TypedValuesOfEachKind) {
    const struct {
        bool OnShape; // else on the memo
        const char* Name;
        const char* Typed;
        const char* Shown; // afterwards, in the cell
    } cases[] = {
        {false, "FontSize", "12", "12"},
        {false, "Bold", "TRUE", "True"},
        {false, "Alignment", "bottom right", "Bottom Right"},
        {false, "FontColor", "clred", "clRed"},
        {false, "FontColor", "$00123456", "$00123456"},
        {false, "Name", "Heading", "Heading"},
        {false, "FontName", "Liberation Serif", "Liberation Serif"},
        {false, "Text", "Two words", "Two words"},
        {false, "Width", "-5", "0"},
        {true, "LineStyle", "psDash", "psDash"},
        {true, "FillStyle", "bsCross", "bsCross"},
    };
    for (const auto& c : cases) {
        TPageItem* item = c.OnShape ? Shape : Memo;
        Editor->ShowList(&item->Properties);
        const int before = Changes;
        Type(QString::fromLatin1(c.Name), QString::fromLatin1(c.Typed));
        EXPECT_EQ(Cell(), QLatin1String(c.Shown)) << c.Name;
        EXPECT_EQ(item->Property(QString::fromLatin1(c.Name)).DisplayText(), QLatin1String(c.Shown))
            << c.Name;
        EXPECT_EQ(Changes, before + 1) << c.Name;
    }
    EXPECT_EQ(Memo->GetInteger("FontColor"), 0x123456);
    EXPECT_EQ(Memo->GetInteger("Alignment"), 8);
    EXPECT_EQ(Shape->GetInteger("LineStyle"), 1);
    EXPECT_TRUE(Dialogs.Texts("error").isEmpty());
}

TEST_F(PropertyEditorTest, TextThatDoesNotParseShowsWhyAndKeepsTheValue) {
    Page->Item(1)->SetName(QStringLiteral("Frame"));
    const struct {
        bool OnShape; // else on the memo
        const char* Name;
        const char* Typed;
        const char* Message;
        const char* Kept;
    } cases[] = {
        {false, "Bold", "yes", "Invalid boolean value 'yes'", "False"},
        {false, "Alignment", "Sideways", "Invalid property value", "Top Left"},
        {false, "FontSize", "big", "'big' is not a valid integer value", "8"},
        {false, "Left", "1,2,3", "'1,2,3' is not a valid floating point value", "10"},
        {false, "FontColor", "reddish", "'reddish' is not a valid integer value", "clBlack"},
        {false, "Name", "Frame", "Item name already in use.", "Memo1"},
        {true, "LineStyle", "psWavy", "Invalid pen style 'psWavy'", "psSolid"},
        {true, "FillStyle", "bsDots", "Invalid brush style 'bsDots'", "bsSolid"},
    };
    for (const auto& c : cases) {
        TPageItem* item = c.OnShape ? Shape : Memo;
        Editor->ShowList(&item->Properties);
        item->Properties.Modified = false;
        Dialogs.Log.clear();
        Type(QString::fromLatin1(c.Name), QString::fromLatin1(c.Typed));
        EXPECT_EQ(Dialogs.Texts("error"), QStringList{QString::fromLatin1(c.Message)}) << c.Name;
        EXPECT_EQ(Cell(), QLatin1String(c.Kept)) << c.Name;
        EXPECT_EQ(item->Property(QString::fromLatin1(c.Name)).DisplayText(), QLatin1String(c.Kept)) << c.Name;
        EXPECT_FALSE(item->Properties.Modified) << c.Name;
    }
    EXPECT_EQ(Changes, 0);
}

TEST_F(PropertyEditorTest, DoubleClickCyclesTheDropDownAndOpensTheColourDialog) {
    Editor->ShowList(&Memo->Properties);
    auto doubleClick = [&](const char* name) {
        Editor->SelectRow(Editor->RowOf(QString::fromLatin1(name)));
        QTest::mouseDClick(Editor->ValueEditor()->LineEdit(), Qt::LeftButton);
    };
    doubleClick("Bold");
    EXPECT_TRUE(Memo->GetBoolean("Bold"));
    doubleClick("Bold");
    EXPECT_FALSE(Memo->GetBoolean("Bold"));
    Memo->Property("Alignment").SetInteger(8);
    doubleClick("Alignment");
    EXPECT_EQ(Memo->GetInteger("Alignment"), 0); // after the last comes the first
    doubleClick("FontSize");
    EXPECT_EQ(Memo->GetInteger("FontSize"), 9);

    Dialogs.Colours.push_back(QColor(0x12, 0x34, 0x56));
    doubleClick("FontColor");
    EXPECT_EQ(Dialogs.Texts("colour"), QStringList{QStringLiteral("#000000")});
    EXPECT_EQ(Memo->GetInteger("FontColor"), 0x563412);
    Dialogs.Colours.push_back(QColor()); // cancelled
    doubleClick("FontColor");
    EXPECT_EQ(Memo->GetInteger("FontColor"), 0x563412);
    EXPECT_EQ(Changes, 5);
}

TEST_F(PropertyEditorTest, TheGridFollowsChangesMadeElsewhere) {
    Editor->ShowList(&Memo->Properties);
    Editor->SelectRow(Editor->RowOf(QStringLiteral("Left")));
    Memo->SetLeft(33);
    Memo->SetTop(44);
    EXPECT_EQ(Cell(), QStringLiteral("33"));
    EXPECT_EQ(Editor->ValueText(Editor->RowOf(QStringLiteral("Top"))), QStringLiteral("44"));
    EXPECT_EQ(Changes, 0); // following is not a change of the operator's

    // Once another list is shown the first is no longer followed, and its own
    // handler is back.
    int own = 0;
    Editor->ShowList(nullptr);
    Memo->Properties.OnChange = [&](TPropertyList&, int) { ++own; };
    Editor->ShowList(&Memo->Properties);
    Memo->SetLeft(1);
    Editor->ShowList(&Shape->Properties);
    Memo->SetLeft(2);
    EXPECT_EQ(own, 2);
    EXPECT_TRUE(static_cast<bool>(Memo->Properties.OnChange));
    EXPECT_FALSE(Editor->Grid()->isHidden());
    Editor->ShowList(nullptr);
    EXPECT_TRUE(Editor->Grid()->isHidden());
}

TEST_F(PropertyEditorTest, TheSelectedRowIsRememberedAcrossLists) {
    TPageItem* other = Place<TPageItemMemo>(*Page, 0, 0, 5, 5);
    Editor->ShowList(&Memo->Properties);
    EXPECT_EQ(Editor->CurrentRow(), Editor->RowOf(QStringLiteral("Name")));
    Editor->SelectRow(Editor->RowOf(QStringLiteral("FontSize")));
    EXPECT_EQ(Editor->LastSelectedName(), QStringLiteral("FontSize"));
    Editor->ShowList(&other->Properties);
    EXPECT_EQ(Editor->CurrentRow(), Editor->RowOf(QStringLiteral("FontSize")));
    Editor->ShowList(&Shape->Properties); // no FontSize: the Name row
    EXPECT_EQ(Editor->CurrentRow(), Editor->RowOf(QStringLiteral("Name")));
    Editor->ShowList(&Page->Properties); // neither: the first row
    EXPECT_EQ(Editor->CurrentRow(), 0);
}

TEST_F(PropertyEditorTest, TypedTextIsCommittedWhenTheCellIsLeftInAnyWay) {
    QApplication::setActiveWindow(Editor.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(Editor.get()));

    auto typeOnly = [&](const char* name, const char* text) {
        Editor->SelectRow(Editor->RowOf(QString::fromLatin1(name)));
        QLineEdit* line = Editor->ValueEditor()->LineEdit();
        Editor->ValueEditor()->setFocus();
        line->selectAll();
        QTest::keyClicks(line, QString::fromLatin1(text));
    };
    Editor->ShowList(&Memo->Properties);

    // Focus moving away.
    typeOnly("Left", "11");
    Editor->Grid()->setFocus();
    EXPECT_EQ(Memo->Left(), 11.0);
    // Another row.
    typeOnly("Top", "12");
    Editor->SelectRow(Editor->RowOf(QStringLiteral("Width")));
    EXPECT_EQ(Memo->Top(), 12.0);
    // Another list.
    typeOnly("Width", "13");
    Editor->ShowList(&Shape->Properties);
    EXPECT_EQ(Memo->Width(), 13.0);
    // The owner asks (saving, closing).
    Editor->ShowList(&Memo->Properties);
    typeOnly("Height", "14");
    Editor->CommitPending();
    EXPECT_EQ(Memo->Height(), 14.0);
    EXPECT_EQ(Changes, 4);
    // Escape puts the stored value back instead.
    typeOnly("Height", "99");
    QTest::keyClick(Editor->ValueEditor()->LineEdit(), Qt::Key_Escape);
    EXPECT_EQ(Cell(), QStringLiteral("14"));
    Editor->CommitPending();
    EXPECT_EQ(Memo->Height(), 14.0);

    // Down in a cell: the typed text is stored and typing goes on in the next row.
    typeOnly("Left", "15");
    QTest::keyClick(Editor->ValueEditor()->LineEdit(), Qt::Key_Down);
    EXPECT_EQ(Memo->Left(), 15.0);
    EXPECT_EQ(Editor->CurrentRow(), Editor->RowOf(QStringLiteral("Left")) + 1);
    ASSERT_NE(Editor->ValueEditor(), nullptr);
    EXPECT_TRUE(Editor->ValueEditor()->isAncestorOf(QApplication::focusWidget()));
}

// Closing the window takes the focus from the open cell while the window is half
// destroyed: what that cell reports then must go nowhere.
TEST_F(PropertyEditorTest, AWindowDestroyedWithTextInACellLeavesTheListAlone) {
    QApplication::setActiveWindow(Editor.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(Editor.get()));
    Editor->ShowList(&Memo->Properties);
    const double left = Memo->Left();
    Editor->SelectRow(Editor->RowOf(QStringLiteral("Left")));
    ASSERT_NE(Editor->ValueEditor(), nullptr);
    Editor->ValueEditor()->setFocus();
    Editor->ValueEditor()->LineEdit()->selectAll();
    QTest::keyClicks(Editor->ValueEditor()->LineEdit(), QStringLiteral("77"));
    ASSERT_TRUE(Editor->ValueEditor()->isAncestorOf(QApplication::focusWidget()));

    Editor.reset();
    EXPECT_EQ(Memo->Left(), left);
    EXPECT_EQ(Changes, 0);
}

TEST_F(PropertyEditorTest, DialogPropertiesHaveAButtonAndTypeOnlyWhenAllowed) {
    struct TFakeForm : TPropertyForm {
        int Runs = 0;
        bool Execute() override {
            ++Runs;
            Property->SetInteger(9);
            return true;
        }
    } form;
    Memo->Property("Anchor").EditorForm = &form;
    Editor->ShowList(&Memo->Properties);

    Editor->SelectRow(Editor->RowOf(QStringLiteral("Anchor")));
    TPropertyValueEditor* cell = Editor->ValueEditor();
    ASSERT_NE(cell->DialogButton(), nullptr);
    EXPECT_EQ(cell->ComboBox(), nullptr);
    EXPECT_TRUE(cell->LineEdit()->isReadOnly());
    EXPECT_EQ(cell->Text(), QStringLiteral("[Left,Top]"));
    QTest::mouseClick(cell->DialogButton(), Qt::LeftButton);
    EXPECT_EQ(form.Runs, 1);
    EXPECT_EQ(Memo->GetInteger("Anchor"), 9);
    EXPECT_EQ(Cell(), QStringLiteral("[Left,Bottom]"));
    EXPECT_EQ(form.Property, nullptr);
    EXPECT_EQ(Changes, 1);

    // The memo text: a button for the text editor, and typing as well.
    EXPECT_EQ(Editor->FormFor(Memo->Property("Text")), &Editor->MemoEditor());
    EXPECT_EQ(Editor->FormFor(Shape->Property("Anchor")), &Editor->AnchorEditor());
    Editor->SelectRow(Editor->RowOf(QStringLiteral("Text")));
    EXPECT_NE(Editor->ValueEditor()->DialogButton(), nullptr);
    EXPECT_FALSE(Editor->ValueEditor()->LineEdit()->isReadOnly());
}

TEST_F(PropertyEditorTest, PicturesComeFromFilesAndFailuresLeaveThemAlone) {
    TempDir dir;
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(dir.File(QStringLiteral("red.png"))));
    dir.Write(QStringLiteral("broken.bmp"), "BM not really");
    TPageItem* graphic = Place<TPageItemGraphic>(*Page, 0, 0, 10, 10);
    Editor->ShowList(&graphic->Properties);
    const int row = Editor->RowOf(QStringLiteral("Graphic"));
    ASSERT_GE(row, 0);
    Editor->SelectRow(row);
    EXPECT_EQ(Cell(), QStringLiteral("(None)"));
    EXPECT_TRUE(Editor->ValueEditor()->LineEdit()->isReadOnly());

    Dialogs.Paths = {dir.File(QStringLiteral("broken.bmp")), QString(), dir.File(QStringLiteral("red.png"))};
    QTest::mouseClick(Editor->ValueEditor()->DialogButton(), Qt::LeftButton);
    EXPECT_EQ(Dialogs.Texts("open"), QStringList{QStringLiteral("Select Picture")});
    ASSERT_EQ(Dialogs.OpenFilters.size(), 1);
    // Qt's form of the Windows program's filter: every group in its order, each with
    // its patterns (letter case aside, as the chooser matches them).
    const QStringList groups = Dialogs.OpenFilters[0].split(QStringLiteral(";;"));
    ASSERT_EQ(groups.size(), 4);
    const QRegularExpression group(QStringLiteral("^(.+) \\(([^()]*)\\)$"));
    const struct {
        const char* Name;
        QStringList Files;
        QStringList Others;
    } offered[] = {{"All Graphics", {"logo.jpg", "logo.BMP", "logo.emf", "logo.WMF"}, {"notes.txt"}},
                   {"Bitmaps", {"logo.bmp", "logo.jpg"}, {"logo.emf", "logo.wmf"}},
                   {"Metafiles", {"logo.EMF", "logo.wmf"}, {"logo.bmp", "logo.jpg"}},
                   {"All Files", {"logo.emf", "notes.txt"}, {}}};
    for (int i = 0; i < 4; ++i) {
        const QRegularExpressionMatch m = group.match(groups[i]);
        ASSERT_TRUE(m.hasMatch()) << groups[i].toStdString();
        EXPECT_EQ(m.captured(1), QString::fromLatin1(offered[i].Name));
        const QStringList patterns = m.captured(2).split(u' ');
        for (const QString& file : offered[i].Files)
            EXPECT_TRUE(QDir::match(patterns, file)) << offered[i].Name << " " << file.toStdString();
        for (const QString& file : offered[i].Others)
            EXPECT_FALSE(QDir::match(patterns, file)) << offered[i].Name << " " << file.toStdString();
    }
    EXPECT_EQ(Dialogs.Count("error"), 1);
    EXPECT_EQ(Cell(), QStringLiteral("(None)"));
    QTest::mouseClick(Editor->ValueEditor()->DialogButton(), Qt::LeftButton); // cancelled
    EXPECT_EQ(Cell(), QStringLiteral("(None)"));
    QTest::mouseClick(Editor->ValueEditor()->DialogButton(), Qt::LeftButton);
    EXPECT_EQ(Cell(), QStringLiteral("(Graphic)"));
    EXPECT_EQ(graphic->Property("Graphic").GetGraphic().Width(), 8);
    EXPECT_EQ(Changes, 1);

    QTest::mouseClick(Editor->ValueEditor()->ClearButton(), Qt::LeftButton);
    EXPECT_EQ(Cell(), QStringLiteral("(None)"));
    EXPECT_TRUE(graphic->Property("Graphic").GetBytes().isEmpty());
}

TEST_F(PropertyEditorTest, DropDownsOfferWhatEachKindAccepts) {
    Editor->ShowList(&Memo->Properties);
    auto entries = [&](const char* name) {
        Editor->SelectRow(Editor->RowOf(QString::fromLatin1(name)));
        QComboBox* box = Editor->ValueEditor()->ComboBox();
        QStringList items;
        for (int i = 0; box && i < box->count(); ++i)
            items << box->itemText(i);
        return items;
    };
    EXPECT_EQ(entries("Bold"), (QStringList{"True", "False"}));
    EXPECT_EQ(entries("FontColor").size(), 16);
    EXPECT_EQ(entries("FontColor").first(), QStringLiteral("clAqua"));
    EXPECT_TRUE(entries("FontName").contains(QStringLiteral("Default")));
    EXPECT_EQ(entries("FontSize").first(), QStringLiteral("2"));
    EXPECT_EQ(entries("FontSize").size(), 71);
    EXPECT_TRUE(entries("Left").isEmpty());
    Editor->ShowList(&Shape->Properties);
    EXPECT_EQ(entries("LineStyle"), (QStringList{"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot",
                                                 "psClear", "psInsideFrame"}));
    EXPECT_EQ(entries("FillStyle").size(), 8);

    // Picking from the list commits at once.
    Editor->SelectRow(Editor->RowOf(QStringLiteral("LineStyle")));
    QComboBox* box = Editor->ValueEditor()->ComboBox();
    box->setCurrentIndex(2);
    emit box->activated(2);
    EXPECT_EQ(Shape->GetInteger("LineStyle"), 2);
}

TEST_F(PropertyEditorTest, TheAnchorDialogStoresThePressedSides) {
    TFormAnchor& anchor = Editor->AnchorEditor();
    anchor.Property = &Memo->Property("Anchor");
    anchor.Load();
    EXPECT_TRUE(anchor.Toggle(AnchorLeft)->isChecked());
    EXPECT_TRUE(anchor.Toggle(AnchorTop)->isChecked());
    EXPECT_FALSE(anchor.Toggle(AnchorRight)->isChecked());
    QTest::mouseClick(anchor.Toggle(AnchorTop), Qt::LeftButton);
    QTest::mouseClick(anchor.Toggle(AnchorBottom), Qt::LeftButton);
    EXPECT_EQ(anchor.Value(), 9);
    anchor.Store();
    EXPECT_EQ(Memo->GetInteger("Anchor"), 9);

    // Through the grid: closing the dialog in any way stores.
    Memo->Property("Anchor").SetInteger(3);
    Editor->ShowList(&Memo->Properties);
    Editor->SelectRow(Editor->RowOf(QStringLiteral("Anchor")));
    QTimer::singleShot(0, &anchor, [&anchor] {
        anchor.Toggle(AnchorRight)->click();
        anchor.close();
    });
    QTest::mouseClick(Editor->ValueEditor()->DialogButton(), Qt::LeftButton);
    EXPECT_EQ(Memo->GetInteger("Anchor"), 7);
    EXPECT_EQ(Cell(), QStringLiteral("[Left,Top,Right]"));
    EXPECT_EQ(Changes, 1);
}

TEST_F(PropertyEditorTest, TheTextEditorShowsFieldsByTheirLocalNames) {
    TFieldTranslator german;
    QCoreApplication::installTranslator(&german);
    Memo->Property("Text").SetString(QStringLiteral("By [Operator]\nof [Company]"));
    TFormMemoEditor& memo = Editor->MemoEditor();
    memo.Property = &Memo->Property("Text");
    memo.Load();
    EXPECT_EQ(memo.StatusLine()->text(), QStringLiteral("Text"));
    EXPECT_EQ(memo.TextArea()->toPlainText(), QStringLiteral("By [Bediener]\nof [Firma]"));

    // A field button replaces the selection.
    QTextCursor cursor = memo.TextArea()->textCursor();
    cursor.setPosition(0);
    cursor.setPosition(2, QTextCursor::KeepAnchor);
    memo.TextArea()->setTextCursor(cursor);
    QTest::mouseClick(memo.FieldButton(4), Qt::LeftButton);
    EXPECT_EQ(memo.FieldButton(4)->text(), QStringLiteral("Operator"));
    EXPECT_EQ(memo.FieldButton(9)->text(), QStringLiteral("Page No."));
    EXPECT_EQ(memo.TextArea()->toPlainText(), QStringLiteral("[Bediener] [Bediener]\nof [Firma]"));
    // The analysis fields are listed after the page number, then the QC fields.
    ASSERT_NE(memo.FieldButton(18), nullptr);
    EXPECT_EQ(memo.FieldButton(10)->text(), QStringLiteral("Flow Model"));
    EXPECT_EQ(memo.FieldButton(15)->text(), QStringLiteral("Activation Energy"));
    EXPECT_EQ(memo.FieldButton(16)->text(), QStringLiteral("QC Result"));
    EXPECT_EQ(memo.FieldButton(18)->text(), QStringLiteral("QC Details"));
    EXPECT_EQ(memo.FieldButton(19), nullptr);
    const QString typed = memo.TextArea()->toPlainText();
    QTest::mouseClick(memo.FieldButton(11), Qt::LeftButton);
    EXPECT_TRUE(memo.TextArea()->toPlainText().contains(QStringLiteral("[FlowModelParameters]")));
    memo.TextArea()->setPlainText(typed);

    memo.reject();
    EXPECT_EQ(Memo->GetString("Text"), QStringLiteral("By [Operator]\nof [Company]"));
    memo.accept();
    EXPECT_EQ(Memo->GetString("Text"), QStringLiteral("[Operator] [Operator]\nof [Company]"));

    // The grid shows and takes the local names too.
    Editor->ShowList(&Memo->Properties);
    Editor->SelectRow(Editor->RowOf(QStringLiteral("Text")));
    EXPECT_EQ(Cell(), QStringLiteral("[Bediener] [Bediener]\nof [Firma]"));
    Type(QStringLiteral("Text"), QStringLiteral("[Firma]"));
    EXPECT_EQ(Memo->GetString("Text"), QStringLiteral("[Company]"));
    QCoreApplication::removeTranslator(&german);
    memo.Property = nullptr;
}

TEST_F(PropertyEditorTest, TheItemListMirrorsTheSelectionBothWays) {
    TFormPageItemList list;
    int notified = 0;
    list.OnSelectionChanged = [&] { ++notified; };
    list.ShowPage(Page.get());
    TPageItemListView* rows = list.List();
    ASSERT_EQ(rows->topLevelItemCount(), 2);
    EXPECT_EQ(rows->topLevelItem(0)->text(0), QStringLiteral("Memo1"));
    EXPECT_EQ(rows->topLevelItem(1)->text(0), QStringLiteral("Shape1"));
    EXPECT_EQ(rows->headerItem()->text(0), QStringLiteral("Name"));

    // Rebuilt only when names or selections differ.
    const int rebuilds = list.RebuildCount();
    list.Refresh();
    EXPECT_EQ(list.RebuildCount(), rebuilds);
    Shape->SetName(QStringLiteral("Frame"));
    list.Refresh();
    EXPECT_EQ(list.RebuildCount(), rebuilds + 1);
    EXPECT_EQ(rows->topLevelItem(1)->text(0), QStringLiteral("Frame"));

    // The operator's clicks select items (and number them).
    rows->topLevelItem(1)->setSelected(true);
    EXPECT_TRUE(Shape->Selected);
    rows->topLevelItem(0)->setSelected(true);
    EXPECT_EQ(Page->LastSelected(), Memo);
    EXPECT_EQ(notified, 2);
    rows->topLevelItem(1)->setSelected(false);
    EXPECT_FALSE(Shape->Selected);

    // The page's selection shows without notifying back.
    Page->SelectOnly(Shape);
    list.CopySelection();
    EXPECT_FALSE(rows->topLevelItem(0)->isSelected());
    EXPECT_TRUE(rows->topLevelItem(1)->isSelected());
    EXPECT_EQ(notified, 3);

    // A drop reports the target and which way the rows travelled.
    std::vector<std::pair<int, bool>> moves;
    list.OnMoveItems = [&](int target, bool fromAbove) { moves.emplace_back(target, fromAbove); };
    rows->setCurrentItem(rows->topLevelItem(0), 0, QItemSelectionModel::NoUpdate);
    rows->OnDrop(1, 0);
    rows->OnDrop(0, 1);
    EXPECT_EQ(moves, (std::vector<std::pair<int, bool>>{{1, true}, {0, false}}));
}
