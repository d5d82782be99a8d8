// The folder list window: rows from the cache, the preview pane's choice of view,
// renaming in place, double-click, Cut, Copy, Paste and drops with the desktop's file
// list formats, and the picture, PDF and document viewers.

#include "MainWindowFixture.h"

#include "platform/FileListClipboard.h"
#include "platform/FileSystem.h"
#include "support/Metafiles.h"
#include "ui/FormViewImage.h"
#include "ui/FormViewOle.h"
#include "ui/FormViewPDF.h"

#include <QClipboard>
#include <QDragEnterEvent>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QPdfDocument>
#include <QPdfView>
#include <QPdfWriter>
#include <QScrollBar>
#include <QUrl>

namespace {

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    file.write(bytes);
}

void WriteImage(const QString& path, const QSize& size, const char* format) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    ASSERT_TRUE(image.save(path, format)) << path.toStdString();
}

void WritePdf(const QString& path, int pages) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QPdfWriter writer(path);
    QPainter painter(&writer);
    for (int i = 0; i < pages; ++i) {
        if (i > 0)
            writer.newPage();
        painter.drawText(QPointF(100, 100), QStringLiteral("Page %1").arg(i + 1));
    }
}

class FolderListTest : public MainWindowTest {
protected:
    void StartIn(const QString& folder) {
        WriteSettings({{"DefaultViscoMeter", "2"}});
        Start();
        ShowFolder(folder);
    }
    TFormLocal& L() { return *Form->FormLocal(); }
    QTreeView* List() { return L().ListViewLocal(); }
    int Row(const QString& path) { return L().Entries.IndexOf(path, FileTypeAny); }
    QString Shown(int row, int column = 0) { return List()->model()->index(row, column).data().toString(); }
    void Select(const QStringList& paths) {
        List()->setFocus();
        List()->selectionModel()->clearSelection();
        for (const QString& path : paths) {
            const int row = Row(path);
            ASSERT_GE(row, 0) << path.toStdString();
            List()->selectionModel()->select(List()->model()->index(row, 0),
                                             QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
        QApplication::processEvents();
    }
    QPoint RowCentre(const QString& path) {
        return List()->visualRect(List()->model()->index(Row(path), 0)).center();
    }
    // A point on empty space below the rows.
    QPoint EmptySpace() { return QPoint(20, List()->viewport()->height() - 5); }
    // The open name editor.
    QLineEdit* Editor() {
        for (auto* editor : List()->findChildren<QLineEdit*>("EditName"))
            if (editor->isVisible())
                return editor;
        return nullptr;
    }
    static void SetTime(const QString& path, const QDateTime& time) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(time, QFileDevice::FileModificationTime));
    }

    // Drags a file list over the list to pos and returns the effect the list offers
    // (Qt::IgnoreAction when it refuses); drop also drops it there.
    Qt::DropAction DragTo(QMimeData* data, const QPoint& pos, Qt::KeyboardModifiers keys, bool drop = false) {
        const Qt::DropActions all = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
        QDragEnterEvent enter(pos, all, data, Qt::LeftButton, keys);
        QApplication::sendEvent(List()->viewport(), &enter);
        QDragMoveEvent move(pos, all, data, Qt::LeftButton, keys);
        QApplication::sendEvent(List()->viewport(), &move);
        Qt::DropAction offered = move.isAccepted() ? move.dropAction() : Qt::IgnoreAction;
        if (drop) {
            QDropEvent dropEvent(pos, all, data, Qt::LeftButton, keys);
            QApplication::sendEvent(List()->viewport(), &dropEvent);
            QApplication::processEvents();
        } else {
            QDragLeaveEvent leave;
            QApplication::sendEvent(List()->viewport(), &leave);
        }
        return offered;
    }
};

} // namespace

TEST_F(FolderListTest, RowsComeFromTheCacheAndTheCacheIsWrittenOnlyWhenItChanged) {
    // Settled long before the cache is written, as the cache wants them.
    for (const char* name : {"Run 1.epb", "Run 2.epb", "Run 3.epb"}) {
        WriteBatch(Local() + "Lot/" + name, 2, 0, 1, 1);
        SetTime(Local() + "Lot/" + name, QDateTime(QDate(2023, 5, 4), QTime(10, 20, 30)));
    }
    QDir().mkpath(Local() + "Lot/Sub");
    WriteBytes(Local() + "Lot/notes.txt", "n");
    StartIn(Local() + "Lot");
    ASSERT_EQ(L().Entries.Count(), 5);
    EXPECT_EQ(Shown(0), "Sub");
    EXPECT_EQ(Shown(1), "Run 1");
    EXPECT_FALSE(Shown(1, 1).isEmpty()) << "a read batch shows its time";
    EXPECT_TRUE(Shown(0, 1).isEmpty());
    EXPECT_EQ(Shown(4), "notes.txt");
    EXPECT_TRUE(QFileInfo::exists(Local() + "Lot/cache.epc"));
    EXPECT_EQ(Row(Local() + "Lot/cache.epc"), -1);

    // Repaints ask for the rows again and again: the cache stays as it is.
    List()->viewport()->repaint();
    QApplication::processEvents();
    const int writes = L().Entries.CacheWrites();
    const int64_t stamp = FileLastWrite(Local() + "Lot/cache.epc").Stamp;
    for (int i = 0; i < 5; ++i) {
        List()->viewport()->repaint();
        QApplication::processEvents();
    }
    EXPECT_EQ(L().Entries.CacheWrites(), writes);
    EXPECT_EQ(FileLastWrite(Local() + "Lot/cache.epc").Stamp, stamp);

    // Another visit lists the batches from the cache without opening them; selecting
    // one reads it and shows the batch view.
    ShowFolder(Local());
    ShowFolder(Local() + "Lot");
    List()->viewport()->repaint();
    EXPECT_EQ(L().Entries.LoadedBatchCount(), 0);
    EXPECT_EQ(Shown(2), "Run 2");
    SelectInList(Local() + "Lot/Run 2.epb");
    EXPECT_EQ(L().Entries.LoadedBatchCount(), 1);
    EXPECT_EQ(L().DockedForm(), Form->FormViewBatch());
}

TEST_F(FolderListTest, PreviewPaneFollowsTheSelection) {
    WriteBatch(Local() + "Run.epb", 2, 0, 1, 1);
    WriteImage(Local() + "photo.JPG", {40, 30}, "JPG");
    WriteImage(Local() + "photo.jpeg", {40, 30}, "JPG");
    WriteImage(Local() + "scan.bmp", {40, 30}, "BMP");
    WritePdf(Local() + "manual.pdf", 2);
    WriteBytes(Local() + "notes.txt", "first\nsecond\n");
    WriteBytes(Local() + "Form.ept", "t");
    WriteBytes(Local() + "Summary.epr", "<Report/>");
    QDir().mkpath(Local() + "Sub");
    StartIn(Local());
    TFormViewBatch* batchView = Form->FormViewBatch();
    const struct {
        QStringList Names;
        QWidget* Docked;
    } cases[] = {
        {{"photo.JPG"}, L().FormViewImage()},
        {{"scan.bmp"}, L().FormViewImage()},
        {{"photo.jpeg"}, L().FormViewOle()},
        {{"manual.pdf"}, L().FormViewPDF()},
        {{"notes.txt"}, L().FormViewOle()},
        {{"Sub"}, nullptr},
        {{"Form.ept"}, nullptr},
        {{"Summary.epr"}, nullptr},
        {{"Run.epb"}, batchView},
        {{"Run.epb", "photo.JPG"}, batchView},
        {{"Sub", "notes.txt"}, nullptr},
        {{}, nullptr},
    };
    for (const auto& c : cases) {
        QStringList paths;
        for (const QString& name : c.Names)
            paths << Local() + name;
        Select(paths);
        EXPECT_EQ(L().DockedForm(), c.Docked) << c.Names.join(", ").toStdString();
    }
    // A batch selected together with a picture shows the batch alone.
    Select({Local() + "Run.epb", Local() + "photo.JPG"});
    ASSERT_EQ(batchView->SelectedFiles.Count(), 1);
    EXPECT_EQ(batchView->SelectedFiles.Items(0)->FilePath, Local() + "Run.epb");
    // Select All updates the pane once, for the batch.
    L().SelectAll();
    EXPECT_EQ(L().DockedForm(), batchView);
    EXPECT_EQ(batchView->SelectedFiles.Count(), 1);
}

TEST_F(FolderListTest, PaneIsKeptWhileChangingFoldersAndAChangedBatchIsShownAnew) {
    WriteBatch(Local() + "A/Run.epb", 2, 0, 1, 1);
    QDir().mkpath(Local() + "B/Inner");
    StartIn(Local() + "A");
    SelectInList(Local() + "A/Run.epb");
    ASSERT_EQ(L().DockedForm(), Form->FormViewBatch());
    ShowFolder(Local() + "B");
    EXPECT_EQ(L().SelectedCount(), 0);
    EXPECT_EQ(L().DockedForm(), Form->FormViewBatch()) << "kept until a row of B is selected";
    SelectInList(Local() + "B/Inner");
    EXPECT_EQ(L().DockedForm(), nullptr);

    // The selected batch is rewritten by another program: the refresh shows it anew.
    ShowFolder(Local() + "A");
    SelectInList(Local() + "A/Run.epb");
    TBatchItem batch;
    batch.LoadFromFile(Local() + "A/Run.epb");
    batch.Company = "Rewritten";
    batch.SaveToFile(Local() + "A/Run.epb");
    L().ReloadFolder();
    ASSERT_EQ(Form->FormViewBatch()->SelectedFiles.Count(), 1);
    EXPECT_EQ(Form->FormViewBatch()->SelectedFiles.Items(0)->Batch->Company, "Rewritten");
    EXPECT_EQ(L().SelectedCount(), 1);
    // The file vanishes: the pane empties.
    QFile::remove(Local() + "A/Run.epb");
    L().ReloadFolder();
    EXPECT_EQ(L().DockedForm(), nullptr);
}

TEST_F(FolderListTest, RenamingInPlace) {
    WriteBatch(Local() + "Run 1.epb", 2, 0);
    WriteBatch(Local() + "Taken.epb", 2, 0);
    WriteBytes(Local() + "Summary.epr", "<Report/>");
    WriteBytes(Local() + "data.csv", "1;2");
    QDir().mkpath(Local() + "Folder");
    QDir().mkpath(Local() + "Other");
    StartIn(Local());

    // A batch is edited by its title; the extension stays.
    EXPECT_TRUE(L().RenameEntry(Row(Local() + "Run 1.epb"), "Run 2"));
    EXPECT_TRUE(QFileInfo::exists(Local() + "Run 2.epb"));
    EXPECT_FALSE(QFileInfo::exists(Local() + "Run 1.epb"));
    EXPECT_EQ(L().SelectedEntries().front()->FilePath, Local() + "Run 2.epb");

    // Names already taken: the error, the old name, the editor again.
    struct Taken {
        QString Path, Name, Message;
    };
    for (const Taken& t :
         {Taken{Local() + "Run 2.epb", "Taken",
                "A file with the name you specified already exists. Specify a different name."},
          Taken{Local() + "data.csv", "Summary.epr",
                "A file with the name you specified already exists. Specify a different name."},
          Taken{Local() + "Folder", "Other",
                "A folder with the name you specified already exists. Specify a different name."}}) {
        Dialogs.Log.clear();
        EXPECT_FALSE(L().RenameEntry(Row(t.Path), t.Name));
        EXPECT_EQ(Dialogs.Texts("error"), QStringList{t.Message});
        EXPECT_TRUE(QFileInfo::exists(t.Path));
        QApplication::processEvents();
        QLineEdit* editor = Editor();
        ASSERT_NE(editor, nullptr) << "editing starts again";
        EXPECT_EQ(editor->text(), Shown(Row(t.Path)));
        QTest::keyClick(editor, Qt::Key_Escape);
        QApplication::processEvents();
    }

    // Templates and reports keep their names.
    Dialogs.Log.clear();
    L().RenameEntry(Row(Local() + "Summary.epr"), "Other.epr");
    EXPECT_EQ(Dialogs.Texts("error"), QStringList{"Cannot rename unknown file type."});
    EXPECT_TRUE(QFileInfo::exists(Local() + "Summary.epr"));

    // Whole names that no folder may hold, however they came in.
    for (const QString& name :
         {QString(), QString("."), QString(".."), QString("a/b"), QString("a\\b"), QString("line\nbreak")}) {
        Dialogs.Log.clear();
        EXPECT_FALSE(L().RenameEntry(Row(Local() + "data.csv"), name)) << name.toStdString();
        EXPECT_EQ(Dialogs.Texts("error"),
                  QStringList{"The name you specified is not valid. Specify a different name."});
        EXPECT_TRUE(QFileInfo::exists(Local() + "data.csv"));
        if (QLineEdit* editor = Editor())
            QTest::keyClick(editor, Qt::Key_Escape);
        QApplication::processEvents();
    }

    // A folder renamed in the list is renamed in the tree.
    EXPECT_TRUE(L().RenameEntry(Row(Local() + "Folder"), "Renamed"));
    EXPECT_NE(Form->NodeOfFolder(Local() + "Renamed"), nullptr);
    EXPECT_TRUE(QFileInfo(Local() + "Renamed").isDir());
}

TEST_F(FolderListTest, RenameTheFileSystemRefusesKeepsTheOldNameEverywhere) {
    QDir().mkpath(Local() + "Folder");
    WriteBatch(Local() + "Run.epb", 2, 0);
    StartIn(Local());
    // Passes every name check, but no file system takes a name this long.
    const QString longName(300, QLatin1Char('x'));
    for (const QString& path : {Local() + "Run.epb", Local() + "Folder"}) {
        Dialogs.Log.clear();
        L().RenameEntry(Row(path), longName);
        const QStringList errors = Dialogs.Texts("error");
        ASSERT_EQ(errors.size(), 1);
        EXPECT_TRUE(errors[0].startsWith("Unable to rename")) << errors[0].toStdString();
        EXPECT_TRUE(errors[0].contains("File name too long")) << "the system's reason";
        EXPECT_TRUE(QFileInfo::exists(path));
        EXPECT_GE(Row(path), 0);
    }
    EXPECT_EQ(Shown(Row(Local() + "Run.epb")), "Run");
    EXPECT_NE(Form->NodeOfFolder(Local() + "Folder"), nullptr);
    TFileList cache;
    cache.ReadCache(Local() + "cache.epc");
    EXPECT_GE(cache.IndexOf(Local() + "Run.epb", FileTypeBatch), 0);
    EXPECT_GE(cache.IndexOf(Local() + "Folder", FileTypeFolder), 0);
    EXPECT_EQ(cache.Count(), 2);
}

TEST_F(FolderListTest, TypedAndPastedNamesLoseRefusedCharactersWithABeep) {
    WriteBytes(Local() + "data.csv", "1");
    StartIn(Local());
    SelectInList(Local() + "data.csv");
    L().EditSelectedName();
    auto* editor = List()->findChild<QLineEdit*>("EditName");
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, "a:b?c");
    EXPECT_EQ(editor->text(), "abc");
    EXPECT_EQ(Dialogs.Count("beep"), 2);
    QGuiApplication::clipboard()->setText("x<y>|z\n");
    editor->paste();
    EXPECT_EQ(editor->text(), "abcxyz");
    EXPECT_EQ(Dialogs.Count("beep"), 3);
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_TRUE(WaitFor([&] { return QFileInfo::exists(Local() + "abcxyz"); }, 2000));
    EXPECT_EQ(Dialogs.Texts("error"), QStringList());
}

TEST_F(FolderListTest, DoubleClickRules) {
    WriteBatch(Local() + "Run.epb", 2, 0);
    WriteBatch(Local() + "Sub/Inner.epb", 2, 0);
    WriteBytes(Local() + "notes.txt", "n");
    StartIn(Local());
    auto doubleClick = [&](const QString& path) {
        Select({path});
        // What a mouse sends: press, release, then the second press as a double-click.
        const QPoint at = RowCentre(path);
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QMouseEvent dbl(QEvent::MouseButtonDblClick, at, List()->viewport()->mapToGlobal(at), Qt::LeftButton,
                        Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(List()->viewport(), &dbl);
        QTest::mouseRelease(List()->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QApplication::processEvents();
    };
    doubleClick(Local() + "Run.epb");
    EXPECT_EQ(L().CurrentFolder, Local());
    EXPECT_EQ(Dialogs.Count("open-url"), 0);
    doubleClick(Local() + "notes.txt");
    EXPECT_EQ(Dialogs.Texts("open-url"), QStringList{QUrl::fromLocalFile(Local() + "notes.txt").toString()});
    doubleClick(Local() + "Sub");
    EXPECT_EQ(L().CurrentFolder, Local() + "Sub/");
    EXPECT_EQ(Form->SelectedNode(), Form->NodeOfFolder(Local() + "Sub"));
    EXPECT_GE(Row(Local() + "Sub/Inner.epb"), 0);
}

TEST_F(FolderListTest, ClipboardHoldsWhatFileManagersRead) {
    WriteBatch(Local() + "A.epb", 2, 0);
    QDir().mkpath(Local() + "Sub");
    StartIn(Local());
    Select({Local() + "Sub", Local() + "A.epb"});
    const QString urls = QUrl::fromLocalFile(Local() + "Sub").toString() + "\n" +
                         QUrl::fromLocalFile(Local() + "A.epb").toString();
    for (bool cut : {false, true}) {
        cut ? L().CutFiles() : L().CopyFiles();
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        ASSERT_NE(data, nullptr);
        QStringList uriList;
        for (const QByteArray& line : data->data("text/uri-list").split('\n'))
            if (!line.trimmed().isEmpty())
                uriList << QString::fromUtf8(line.trimmed());
        EXPECT_EQ(uriList.join("\n"), urls) << "folders without a trailing separator, in row order";
        EXPECT_EQ(QString::fromUtf8(data->data("x-special/gnome-copied-files")),
                  (cut ? "cut\n" : "copy\n") + urls);
        EXPECT_EQ(data->data("application/x-kde-cutselection"), cut ? "1" : "0");
    }
}

TEST_F(FolderListTest, PasteIntoTheSameFolder) {
    WriteBatch(Local() + "A.epb", 2, 0);
    StartIn(Local());
    Select({Local() + "A.epb"});
    L().CopyFiles();
    L().PasteFiles();
    EXPECT_TRUE(QFileInfo::exists(Local() + "Copy of A.epb"));
    L().PasteFiles();
    EXPECT_TRUE(QFileInfo::exists(Local() + "Copy (2) of A.epb"));
    EXPECT_GE(Row(Local() + "Copy (2) of A.epb"), 0) << "the list shows the copies";

    Select({Local() + "A.epb"});
    L().CutFiles();
    L().PasteFiles();
    EXPECT_TRUE(QFileInfo::exists(Local() + "A.epb")) << "moved onto itself: stays";
    EXPECT_FALSE(ClipboardHasFileList()) << "a move empties the clipboard";

    // A file manager's cut, pasted here, moves.
    WriteBytes(Dir.File("outside/report.txt"), "r");
    QGuiApplication::clipboard()->setMimeData(
        MakeFileListMimeData({Dir.File("outside/report.txt")}, TFileListEffect::Move));
    L().PasteFiles();
    EXPECT_TRUE(QFileInfo::exists(Local() + "report.txt"));
    EXPECT_FALSE(QFileInfo::exists(Dir.File("outside/report.txt")));
}

TEST_F(FolderListTest, DropEffects) {
    WriteBatch(Local() + "A.epb", 2, 0);
    WriteBatch(Local() + "B.epb", 2, 0);
    QDir().mkpath(Local() + "Sub");
    StartIn(Local());
    const QStringList dragged{Local() + "A.epb"};
    struct Case {
        const char* Where;
        Qt::KeyboardModifiers Keys;
        Qt::DropAction Expected;
    };
    for (const Case& c :
         {Case{"empty", Qt::NoModifier, Qt::IgnoreAction}, Case{"file", Qt::NoModifier, Qt::IgnoreAction},
          Case{"empty", Qt::ControlModifier, Qt::IgnoreAction}, Case{"sub", Qt::NoModifier, Qt::MoveAction},
          Case{"sub", Qt::ControlModifier, Qt::CopyAction}, Case{"sub", Qt::ShiftModifier, Qt::MoveAction},
          Case{"sub", Qt::ShiftModifier | Qt::ControlModifier, Qt::IgnoreAction}}) {
        std::unique_ptr<QMimeData> data(MakeFileListMimeData(dragged, TFileListEffect::Copy));
        const QString where = c.Where;
        const QPoint at = where == "empty"  ? EmptySpace()
                          : where == "file" ? RowCentre(Local() + "B.epb")
                                            : RowCentre(Local() + "Sub");
        EXPECT_EQ(DragTo(data.get(), at, c.Keys), c.Expected) << c.Where << " " << int(c.Keys);
        EXPECT_EQ(L().DropTargetRow(), -1) << "the mark goes when the drag leaves";
    }

    // While over the sub-folder's row it is marked; a real drop moves the file into it,
    // Ctrl copies.
    {
        std::unique_ptr<QMimeData> data(MakeFileListMimeData(dragged, TFileListEffect::Copy));
        const Qt::DropActions all = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
        QDragEnterEvent enter(RowCentre(Local() + "Sub"), all, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(List()->viewport(), &enter);
        EXPECT_EQ(L().DropTargetRow(), Row(Local() + "Sub"));
        QDragLeaveEvent leave;
        QApplication::sendEvent(List()->viewport(), &leave);
    }
    std::unique_ptr<QMimeData> data(MakeFileListMimeData(dragged, TFileListEffect::Copy));
    EXPECT_EQ(DragTo(data.get(), RowCentre(Local() + "Sub"), Qt::NoModifier, true), Qt::MoveAction);
    EXPECT_TRUE(QFileInfo::exists(Local() + "Sub/A.epb"));
    EXPECT_FALSE(QFileInfo::exists(Local() + "A.epb"));
    EXPECT_EQ(Row(Local() + "A.epb"), -1) << "the list was reloaded";
    data.reset(MakeFileListMimeData({Local() + "B.epb"}, TFileListEffect::Copy));
    EXPECT_EQ(DragTo(data.get(), RowCentre(Local() + "Sub"), Qt::ControlModifier, true), Qt::CopyAction);
    EXPECT_TRUE(QFileInfo::exists(Local() + "Sub/B.epb"));
    EXPECT_TRUE(QFileInfo::exists(Local() + "B.epb"));
}

TEST_F(FolderListTest, NamesFromTheDraggingProgramAreReducedToAPlainName) {
    QDir().mkpath(Local() + "Sub");
    StartIn(Local() + "Sub");
    struct Case {
        QString Suggested, Lands;
    };
    int i = 0;
    for (const Case& c : {Case{"../../escaped.txt", "escaped.txt"}, Case{"C:\\Temp\\win.txt", "win.txt"},
                          Case{"..", "source2.txt"}, Case{"plain.txt", "plain.txt"}}) {
        const QString source = Dir.File(QStringLiteral("outside/source%1.txt").arg(i++));
        WriteBytes(source, "s");
        std::unique_ptr<QMimeData> data(MakeFileListMimeData({source}, TFileListEffect::Copy));
        data->setData("application/x-kde-suggestedfilename", c.Suggested.toUtf8());
        EXPECT_EQ(DragTo(data.get(), EmptySpace(), Qt::ControlModifier, true), Qt::CopyAction);
        EXPECT_TRUE(QFileInfo::exists(Local() + "Sub/" + c.Lands)) << c.Suggested.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(Local() + "escaped.txt"));
    EXPECT_FALSE(QFileInfo::exists(Storage() + "escaped.txt"));
}

TEST_F(FolderListTest, DragHeldAtAnEdgeScrolls) {
    for (int i = 0; i < 120; ++i)
        WriteBytes(Local() + QStringLiteral("Long/file%1.txt").arg(i, 3, 10, QLatin1Char('0')), "x");
    StartIn(Local() + "Long");
    QScrollBar* bar = List()->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 10) << "the list is longer than its window";
    bar->setValue(bar->maximum() / 2);
    const int middle = bar->value();
    std::unique_ptr<QMimeData> data(MakeFileListMimeData({Dir.File("elsewhere.txt")}, TFileListEffect::Copy));
    const Qt::DropActions all = Qt::CopyAction | Qt::MoveAction;
    auto holdAt = [&](int y) {
        QDragEnterEvent enter(QPoint(20, y), all, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(List()->viewport(), &enter);
        QTest::qWait(400);
        QDragLeaveEvent leave;
        QApplication::sendEvent(List()->viewport(), &leave);
    };
    holdAt(5);
    EXPECT_LT(bar->value(), middle);
    const int upper = bar->value();
    holdAt(List()->viewport()->height() - 5);
    EXPECT_GT(bar->value(), upper);
    const int after = bar->value();
    QTest::qWait(200);
    EXPECT_EQ(bar->value(), after) << "no scrolling once the drag has left";
}

TEST_F(FolderListTest, PictureViewerShowsJpegBitmapAndMetafiles) {
    WriteImage(Local() + "big.jpg", {2000, 1000}, "JPG");
    WriteImage(Local() + "small.bmp", {20, 10}, "BMP");
    WriteBytes(Local() + "drawing.wmf", MakeWmfRectangle());
    WriteBytes(Local() + "drawing.EMF", MakeEmfRectangle());
    WriteBytes(Local() + "broken.jpg", "not a picture");
    StartIn(Local());
    TFormViewImage* viewer = L().FormViewImage();
    SelectInList(Local() + "big.jpg");
    ASSERT_EQ(L().DockedForm(), viewer);
    const QRect shown = viewer->ImageShow()->PictureRect();
    const QSize area = viewer->ImageShow()->size();
    EXPECT_TRUE(shown.width() == area.width() || shown.height() == area.height()) << "scaled down to fit";
    EXPECT_NEAR(double(shown.width()) / shown.height(), 2.0, 0.05) << "proportions kept";
    SelectInList(Local() + "small.bmp");
    EXPECT_EQ(viewer->ImageShow()->PictureRect().size(), QSize(20, 10)) << "a small picture at its own size";
    const QPoint offset = viewer->ImageShow()->PictureRect().center() - viewer->ImageShow()->rect().center();
    EXPECT_LE(offset.manhattanLength(), 1) << "centred";

    for (const char* name : {"drawing.wmf", "drawing.EMF"}) {
        SelectInList(Local() + name);
        ASSERT_TRUE(WaitFor([&] { return !viewer->Converting(); }, 8000)) << name;
        QApplication::processEvents();
        EXPECT_FALSE(viewer->ImageShow()->Picture().IsEmpty()) << name;
        EXPECT_TRUE(viewer->ImageShow()->Picture().IsVector()) << name;
        EXPECT_EQ(viewer->ImageShow()->Picture().NaturalSize(), QSize(200, 100)) << name;
    }
    EXPECT_EQ(Dialogs.Count("error"), 0) << Dialogs.Texts("error").join("\n").toStdString();

    // A file that holds no picture says so once, not at every showing.
    SelectInList(Local() + "broken.jpg");
    EXPECT_EQ(Dialogs.Count("error"), 1);
    L().ShowPreview();
    EXPECT_EQ(Dialogs.Count("error"), 1);

    // Double-click opens the picture with its program.
    SelectInList(Local() + "small.bmp");
    QTest::mouseDClick(viewer->ImageShow(), Qt::LeftButton);
    EXPECT_EQ(Dialogs.Texts("open-url"), QStringList{QUrl::fromLocalFile(Local() + "small.bmp").toString()});
}

TEST_F(FolderListTest, BrokenMetafileSaysWhyInsteadOfShowingNothing) {
    WriteBytes(Local() + "broken.wmf", QByteArray(64, 'x'));
    StartIn(Local());
    SelectInList(Local() + "broken.wmf");
    ASSERT_TRUE(WaitFor([&] { return Dialogs.Count("error") == 1; }, 8000));
    const QString error = Dialogs.Texts("error").front();
    EXPECT_TRUE(
        error.startsWith(QString("The file \"%1\" does not hold a picture").arg(Local() + "broken.wmf")))
        << error.toStdString();
    EXPECT_TRUE(error.contains('\n')) << "with the converter's reason";
    EXPECT_TRUE(L().FormViewImage()->ImageShow()->Picture().IsEmpty());
}

TEST_F(FolderListTest, PdfViewerShowsTheFileAndKeepsItWhenItVanishes) {
    WritePdf(Local() + "manual.pdf", 3);
    WritePdf(Local() + "other.pdf", 1);
    StartIn(Local());
    SelectInList(Local() + "manual.pdf");
    TFormViewPDF* viewer = L().FormViewPDF();
    ASSERT_EQ(L().DockedForm(), viewer);
    EXPECT_EQ(viewer->Document()->pageCount(), 3);
    SelectInList(Local() + "other.pdf");
    EXPECT_EQ(viewer->Document()->pageCount(), 1);
    // Rewritten: read again even though it is the file shown.
    WritePdf(Local() + "other.pdf", 2);
    viewer->ShowFile(Local() + "other.pdf");
    EXPECT_EQ(viewer->Document()->pageCount(), 2);
    QFile::remove(Local() + "other.pdf");
    viewer->ShowFile(Local() + "other.pdf");
    EXPECT_EQ(viewer->Document()->pageCount(), 2);
}

TEST_F(FolderListTest, DocumentViewerPreviewsPicturesTextAndAnythingElse) {
    WriteImage(Local() + "photo.jpeg", {30, 20}, "JPG");
    QByteArray lines;
    for (int i = 1; i <= 500; ++i)
        lines += "line " + QByteArray::number(i) + "\r\n";
    WriteBytes(Local() + "log.txt", lines);
    WriteBytes(Local() + "blob.bin", QByteArray("\x01\x02\x00\x03", 4).repeated(100));
    StartIn(Local());
    TFormViewOle* viewer = L().FormViewOle();
    SelectInList(Local() + "photo.jpeg");
    EXPECT_EQ(viewer->Preview(), TFormViewOle::TPreview::Picture);
    EXPECT_EQ(viewer->OleContainerView()->size(), QSize(30, 20)) << "sized to the document";
    SelectInList(Local() + "log.txt");
    ASSERT_EQ(viewer->Preview(), TFormViewOle::TPreview::Text);
    const QStringList shown = viewer->PreviewText().split('\n');
    EXPECT_EQ(shown.size(), TFormViewOle::MaxLines);
    EXPECT_EQ(shown.front(), "line 1");
    SelectInList(Local() + "blob.bin");
    ASSERT_EQ(viewer->Preview(), TFormViewOle::TPreview::Summary);
    auto* name = viewer->OleContainerView()->findChild<QLabel*>("LabelFileSummary0");
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->text(), "blob.bin");

    // Hidden (another view docked), the preview is dropped; the same file is read again.
    SelectInList(QString());
    EXPECT_TRUE(viewer->FilePath().isEmpty());
    SelectInList(Local() + "blob.bin");
    EXPECT_EQ(viewer->Preview(), TFormViewOle::TPreview::Summary);

    // A turn of the wheel moves the view one line step of 8 pixels.
    SelectInList(Local() + "log.txt");
    QApplication::processEvents();
    QScrollBar* bar = viewer->ScrollBoxOle()->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 16);
    QWheelEvent down(QPointF(10, 10), viewer->ScrollBoxOle()->mapToGlobal(QPoint(10, 10)), QPoint(),
                     QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewer->ScrollBoxOle()->viewport(), &down);
    EXPECT_EQ(bar->value(), 8);
    QWheelEvent up(QPointF(10, 10), viewer->ScrollBoxOle()->mapToGlobal(QPoint(10, 10)), QPoint(),
                   QPoint(0, 240), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewer->ScrollBoxOle()->viewport(), &up);
    EXPECT_EQ(bar->value(), 0) << "no further than 0";
}

TEST_F(FolderListTest, ListLayoutAndNames) {
    WriteBatch(Local() + "Run.epb", 2, 0);
    WriteImage(Local() + "photo.jpg", {30, 20}, "JPG");
    StartIn(Local());
    EXPECT_EQ(List()->header()->sectionSize(0), 175);
    EXPECT_GE(List()->header()->sectionSize(1), 120);
    const QString time = Shown(Row(Local() + "Run.epb"), 1);
    ASSERT_FALSE(time.isEmpty());
    EXPECT_LE(List()->fontMetrics().horizontalAdvance(time), List()->header()->sectionSize(1))
        << "the time is read whole";
    EXPECT_FALSE(List()->header()->sectionsClickable());
    EXPECT_EQ(List()->selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_EQ(List()->model()->headerData(0, Qt::Horizontal).toString(), "Name");
    EXPECT_EQ(List()->model()->headerData(1, Qt::Horizontal).toString(), "Modified");
    // The icon list: batch and folder icons, then one per other file that showed.
    List()->viewport()->repaint();
    EXPECT_EQ(L().IconCount(), 3);
    const std::vector<QWidget*> controls{List(),
                                         L().FormViewImage(),
                                         L().FormViewImage()->ImageShow(),
                                         L().FormViewPDF(),
                                         L().FormViewPDF()->PdfView(),
                                         L().FormViewOle(),
                                         L().FormViewOle()->ScrollBoxOle()};
    for (QWidget* w : controls)
        EXPECT_FALSE(w->accessibleName().isEmpty()) << w->objectName().toStdString();
}
