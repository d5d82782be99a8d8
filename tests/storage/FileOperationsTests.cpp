// Delete, copy and move with the operator's answers, names for copies and new items.

#include "StorageFixture.h"

#include "core/Error.h"
#include "storage/FileOperations.h"
#include "support/ErrorOf.h"
#include "support/SmallTmpfs.h"

#include <QDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// Answers conflict questions from a script and remembers what was asked.
struct TScript {
    std::vector<TConflictAnswer> Answers;
    QStringList Asked;
    TConflictQuestion Question() {
        return [this](const QString& message) {
            Asked << message;
            if (Answers.empty())
                return TConflictAnswer::Cancel;
            const TConflictAnswer answer = Answers.front();
            Answers.erase(Answers.begin());
            return answer;
        };
    }
};

QString FileQuestion(const QString& name) {
    return QStringLiteral(
               "The folder already contains a file named '%1'\r\n\r\nWould you like to replace the "
               "existing file?")
        .arg(name);
}

class FileOpsTest : public ::testing::Test {
protected:
    TempDir dir;
    QString Path(const QString& relative) const { return dir.File(relative); }
    bool Exists(const QString& relative) const { return PathExists(Path(relative)); }
    QByteArray Read(const QString& relative) const { return ReadFile(Path(relative)); }
    void Make(const QString& relative, const QByteArray& bytes) const { WriteFile(Path(relative), bytes); }
};

} // namespace

TEST(NameRules, CharactersTitlesAndViewerKinds) {
    for (char c : QByteArray("\"*/:<>?\\|")) {
        EXPECT_FALSE(IsNameCharAllowed(QLatin1Char(c))) << c;
    }
    for (QChar c : {QChar('a'), QChar(' '), QChar('.'), QChar(0x01), QChar(0xE9), QChar(0x263A)}) {
        EXPECT_TRUE(IsNameCharAllowed(c)) << static_cast<int>(c.unicode());
    }

    EXPECT_EQ(FileTitle("/x/My.Batch.epb"), QStringLiteral("My.Batch"));
    EXPECT_EQ(FileTitle("/x/README"), QStringLiteral("README"));
    EXPECT_EQ(FileTitle("plain.txt"), QStringLiteral("plain"));
    EXPECT_TRUE(IsImageFile("/a/b.JPG"));
    EXPECT_TRUE(IsImageFile("b.emf"));
    EXPECT_FALSE(IsImageFile("b.jpeg"));
    EXPECT_TRUE(IsPdfFile("/a/b.Pdf"));
    EXPECT_FALSE(IsPdfFile("/a/pdf"));
    EXPECT_TRUE(TempFolder().endsWith('/'));
}

TEST_F(FileOpsTest, CopyNamesCountFilesAndFoldersAsTaken) {
    Make("A.epb", "a");
    EXPECT_EQ(CopyName(Path("A.epb")), Path("Copy of A.epb"));
    QDir(dir.Path()).mkdir("Copy of A.epb");
    EXPECT_EQ(CopyName(Path("A.epb")), Path("Copy (2) of A.epb"));
    for (int i = 2; i <= 200; ++i)
        Make(QStringLiteral("Copy (%1) of A.epb").arg(i), "");
    EXPECT_EQ(ErrorOf([&] { CopyName(Path("A.epb")); }),
              QStringLiteral("Unable to copy, too many \"Copy of\" files"));
}

TEST_F(FileOpsTest, DefaultNamesRunFromTwoTo200) {
    EXPECT_EQ(DefaultName(dir.Path(), "New Folder", ""), Path("New Folder"));
    QDir(dir.Path()).mkdir("New Folder");
    QDir(dir.Path()).mkdir("New Folder (2)");
    EXPECT_EQ(DefaultName(dir.Path() + "/", "New Folder", ""), Path("New Folder (3)"));
    Make("New Batch.epb", "");
    EXPECT_EQ(DefaultName(dir.Path(), "New Batch", ".epb"), Path("New Batch (2).epb"));
    for (int i = 3; i <= 200; ++i)
        QDir(dir.Path()).mkdir(QStringLiteral("New Folder (%1)").arg(i));
    EXPECT_EQ(ErrorOf([&] { DefaultName(dir.Path(), "New Folder", ""); }),
              QStringLiteral("Unable to create file/folder, too many default named items."));
}

TEST_F(FileOpsTest, DeleteTreeRemovesEverythingAndReportsWhatItCouldNot) {
    Make("Tree/a.epb", "a");
    Make("Tree/.hidden", "cache.epc\n");
    Make("Tree/Sub/Deeper/b.txt", "b");
    Make("outside.txt", "keep");
    ASSERT_EQ(::symlink(QFile::encodeName(Path("outside.txt")).constData(),
                        QFile::encodeName(Path("Tree/Sub/link")).constData()),
              0);
    DeleteTree(Path("Tree"));
    EXPECT_FALSE(Exists("Tree"));
    EXPECT_EQ(Read("outside.txt"), QByteArray("keep"));
    EXPECT_EQ(ErrorOf([&] { DeleteTree(Path("gone.epb")); }),
              "Unable to delete file " + Path("gone.epb") + "\nNo such file or directory");
}

TEST_F(FileOpsTest, CopyIntoItsOwnFolderMakesACopyOfAndIntoItselfIsRefused) {
    Make("Local/A.epb", "a");
    Make("Local/Folder/x.epb", "x");
    TransferFiles({Path("Local/A.epb")}, {}, Path("Local"), TDropEffect::Copy);
    TransferFiles({Path("Local/A.epb")}, {}, Path("Local/"), TDropEffect::Copy);
    EXPECT_EQ(Read("Local/Copy of A.epb"), QByteArray("a"));
    EXPECT_EQ(Read("Local/Copy (2) of A.epb"), QByteArray("a"));

    TransferFiles({Path("Local/Folder")}, {}, Path("Local"), TDropEffect::Copy);
    EXPECT_EQ(Read("Local/Copy of Folder/x.epb"), QByteArray("x"));

    for (const char* into : {"Local/Folder", "Local/Folder/Deeper", "Local/./Folder/../Folder"}) {
        EXPECT_EQ(ErrorOf([&] { TransferFiles({Path("Local/Folder")}, {}, Path(into), TDropEffect::Copy); }),
                  QStringLiteral("Destination same as source folder"))
            << into;
    }
    EXPECT_FALSE(Exists("Local/Folder/Folder"));
    EXPECT_FALSE(Exists("Local/Folder/Deeper"));
    bool replaceAll = false;
    EXPECT_EQ(ErrorOf([&] { MoveTree(Path("Local/Folder"), Path("Local/Folder/Sub"), replaceAll); }),
              QStringLiteral("Destination same as source folder"));
    EXPECT_EQ(Read("Local/Folder/x.epb"), QByteArray("x"));
}

TEST_F(FileOpsTest, YesToAllOnTheFirstConflictReplacesEveryLaterOne) {
    for (const char* name : {"a.epb", "b.epb", "c.epb"}) {
        Make(QStringLiteral("src/") + name, "new");
        Make(QStringLiteral("dst/") + name, "old");
    }
    TScript script{{TConflictAnswer::YesToAll}, {}};
    TransferFiles({Path("src/a.epb"), Path("src/b.epb"), Path("src/c.epb")}, {}, Path("dst"),
                  TDropEffect::Copy, script.Question());
    EXPECT_EQ(script.Asked, QStringList({FileQuestion("a.epb")}));
    for (const char* name : {"a.epb", "b.epb", "c.epb"})
        EXPECT_EQ(Read(QStringLiteral("dst/") + name), QByteArray("new")) << name;
}

TEST_F(FileOpsTest, NoKeepsTheDestinationAndCancelStopsTheTransfer) {
    for (const char* name : {"a.epb", "b.epb", "c.epb"}) {
        Make(QStringLiteral("src/") + name, "new");
        Make(QStringLiteral("dst/") + name, "old");
    }
    TScript script{{TConflictAnswer::No, TConflictAnswer::Cancel}, {}};
    EXPECT_EQ(ErrorOf([&] {
                  TransferFiles({Path("src/a.epb"), Path("src/b.epb"), Path("src/c.epb")}, {}, Path("dst"),
                                TDropEffect::Move, script.Question());
              }),
              QStringLiteral("Copy of file and folders canceled"));
    EXPECT_EQ(script.Asked.size(), 2);
    for (const char* name : {"a.epb", "b.epb", "c.epb"}) {
        EXPECT_EQ(Read(QStringLiteral("dst/") + name), QByteArray("old")) << name;
        EXPECT_EQ(Read(QStringLiteral("src/") + name), QByteArray("new")) << name;
    }
}

TEST_F(FileOpsTest, FolderMoveKeepsTheEntriesAnsweredNoInTheSource) {
    Make("src/Sub/keep.epb", "mine");
    Make("src/Sub/move.epb", "moved");
    Make("src/Sub/Inner/deep.epb", "deep");
    Make("dst/Sub/keep.epb", "theirs");
    TScript script{{TConflictAnswer::Yes, TConflictAnswer::No}, {}};
    TransferFiles({Path("src/Sub")}, {}, Path("dst"), TDropEffect::Move, script.Question());
    ASSERT_EQ(script.Asked.size(), 2);
    EXPECT_TRUE(script.Asked[0].startsWith("The folder already contains a folder named 'Sub'\r\n"));
    EXPECT_EQ(script.Asked[1], FileQuestion("keep.epb"));

    EXPECT_EQ(Read("dst/Sub/keep.epb"), QByteArray("theirs"));
    EXPECT_EQ(Read("dst/Sub/move.epb"), QByteArray("moved"));
    EXPECT_EQ(Read("dst/Sub/Inner/deep.epb"), QByteArray("deep"));
    EXPECT_EQ(Read("src/Sub/keep.epb"), QByteArray("mine"));
    EXPECT_FALSE(Exists("src/Sub/move.epb"));
    EXPECT_FALSE(Exists("src/Sub/Inner"));

    // Answered Yes the next time, the last entry goes and the emptied source with it.
    TScript again{{TConflictAnswer::Yes, TConflictAnswer::Yes}, {}};
    TransferFiles({Path("src/Sub")}, {}, Path("dst"), TDropEffect::Move, again.Question());
    EXPECT_EQ(Read("dst/Sub/keep.epb"), QByteArray("mine"));
    EXPECT_FALSE(Exists("src/Sub"));
}

TEST_F(FileOpsTest, FolderMoveWithoutConflictsMovesTheWholeTree) {
    Make("src/Tree/a.epb", "a");
    Make("src/Tree/Sub/b.epb", "b");
    TransferFiles({Path("src/Tree")}, {"Renamed"}, Path("dst"), TDropEffect::Move);
    EXPECT_EQ(Read("dst/Renamed/a.epb"), QByteArray("a"));
    EXPECT_EQ(Read("dst/Renamed/Sub/b.epb"), QByteArray("b"));
    EXPECT_FALSE(Exists("src/Tree"));
}

TEST_F(FileOpsTest, FolderQuestionNoSkipsTheWholeFolder) {
    Make("src/Sub/a.epb", "new");
    Make("dst/Sub/b.epb", "old");
    TScript script{{TConflictAnswer::No}, {}};
    bool replaceAll = false;
    CopyTree(Path("src/Sub"), Path("dst/Sub"), replaceAll, script.Question());
    EXPECT_FALSE(Exists("dst/Sub/a.epb"));
    MoveTree(Path("src/Sub"), Path("dst/Sub"), replaceAll, TScript{{TConflictAnswer::No}, {}}.Question());
    EXPECT_EQ(Read("src/Sub/a.epb"), QByteArray("new"));
}

TEST_F(FileOpsTest, MovingAFileOntoItselfKeepsIt) {
    Make("Local/A.epb", "a");
    TransferFiles({Path("Local/A.epb")}, {}, Path("Local"), TDropEffect::Move);
    EXPECT_EQ(Read("Local/A.epb"), QByteArray("a"));
    // Even when asked directly and told to replace, the file does not delete itself.
    bool replaceAll = true;
    MoveTree(Path("Local/A.epb"), Path("Local/./A.epb"), replaceAll);
    EXPECT_EQ(Read("Local/A.epb"), QByteArray("a"));
}

TEST_F(FileOpsTest, MissingSourceAndImpossibleTargetsRaise) {
    bool replaceAll = false;
    EXPECT_EQ(ErrorOf([&] { CopyTree(Path("none.epb"), Path("x.epb"), replaceAll); }),
              QStringLiteral("Cannot read from the source file or disk\nNo such file or directory"));
    EXPECT_EQ(ErrorOf([&] { MoveTree(Path("none.epb"), Path("x.epb"), replaceAll); }),
              QStringLiteral("Cannot read from the source file or disk\nNo such file or directory"));
    Make("src/Sub/a.epb", "a");
    Make("blocker", "a file where the folder should go");
    EXPECT_EQ(ErrorOf([&] {
                  CopyTree(Path("src/Sub"), Path("blocker"), replaceAll,
                           TScript{{TConflictAnswer::Yes}, {}}.Question());
              }),
              QStringLiteral("Unable to create directories\nFile exists"));
}

TEST_F(FileOpsTest, ConflictsOverTheFoldersOwnCacheAreNotAsked) {
    Make("src/Sub/cache.epc", "source cache");
    Make("src/Sub/.hidden", "cache.epc\n");
    Make("src/Sub/a.epb", "a");
    Make("dst/Sub/cache.epc", "destination cache");
    Make("dst/Sub/.hidden", "cache.epc\n");
    TScript script{{TConflictAnswer::Yes}, {}};
    TransferFiles({Path("src/Sub")}, {}, Path("dst"), TDropEffect::Move, script.Question());
    EXPECT_EQ(script.Asked.size(), 1); // the folder only
    EXPECT_EQ(Read("dst/Sub/cache.epc"), QByteArray("destination cache"));
    EXPECT_EQ(Read("dst/Sub/a.epb"), QByteArray("a"));
    EXPECT_FALSE(Exists("src/Sub"));
}

TEST_F(FileOpsTest, LinksAreCopiedAsLinksAndNeverFollowed) {
    Make("outside/secret.epb", "s");
    Make("src/Tree/a.epb", "a");
    const QByteArray target = QFile::encodeName(Path("outside"));
    ASSERT_EQ(::symlink(target.constData(), QFile::encodeName(Path("src/Tree/out")).constData()), 0);
    bool replaceAll = false;
    CopyTree(Path("src/Tree"), Path("dst/Tree"), replaceAll);
    const QFileInfo copied(Path("dst/Tree/out"));
    EXPECT_TRUE(copied.isSymLink());
    EXPECT_EQ(copied.symLinkTarget(), Path("outside"));
    DeleteTree(Path("dst/Tree"));
    EXPECT_EQ(Read("outside/secret.epb"), QByteArray("s"));
}

TEST_F(FileOpsTest, MoveToAnotherFilesystemCopiesThenDeletes) {
    struct stat here {
    }, shm{};
    if (::stat(QFile::encodeName(dir.Path()).constData(), &here) != 0 || ::stat("/dev/shm", &shm) != 0 ||
        here.st_dev == shm.st_dev || ::access("/dev/shm", W_OK) != 0)
        GTEST_SKIP() << "no second filesystem to move to";
    QTemporaryDir other(QStringLiteral("/dev/shm/bramblex-test-XXXXXX"));
    ASSERT_TRUE(other.isValid());
    Make("src/Tree/a.epb", "a");
    Make("src/Tree/Sub/b.epb", "b");
    SetFileTime(Path("src/Tree/a.epb"), QDateTime(QDate(2022, 2, 2), QTime(2, 2, 2), Qt::LocalTime));
    const QDateTime before = QFileInfo(Path("src/Tree/a.epb")).lastModified();
    TransferFiles({Path("src/Tree")}, {}, other.path(), TDropEffect::Move);
    EXPECT_EQ(ReadFile(other.filePath("Tree/a.epb")), QByteArray("a"));
    EXPECT_EQ(ReadFile(other.filePath("Tree/Sub/b.epb")), QByteArray("b"));
    EXPECT_EQ(QFileInfo(other.filePath("Tree/a.epb")).lastModified(), before);
    EXPECT_FALSE(Exists("src/Tree"));
}

TEST(NameRules, WholeNamesAndNamesOtherProgramsSupply) {
    for (const QString& bad :
         {QString(), QStringLiteral("."), QStringLiteral(".."), QStringLiteral("a/b"), QStringLiteral("a\\b"),
          QStringLiteral("line\nbreak"), QStringLiteral("tab\t")})
        EXPECT_FALSE(IsValidEntryName(bad)) << bad.toStdString();
    for (const QString& good : {QStringLiteral("Run 1"), QStringLiteral(".hidden"), QStringLiteral("Lot: 7"),
                                QStringLiteral("Messung \u00e4")})
        EXPECT_TRUE(IsValidEntryName(good)) << good.toStdString();

    EXPECT_EQ(PlainEntryName("../../etc/passwd"), QStringLiteral("passwd"));
    EXPECT_EQ(PlainEntryName("C:\\Data\\Run.epb"), QStringLiteral("Run.epb"));
    EXPECT_EQ(PlainEntryName("a/.."), QString());
    EXPECT_EQ(PlainEntryName("dir/"), QString());
}

TEST_F(FileOpsTest, ANameSuppliedByTheDroppingProgramStaysInsideTheTarget) {
    Make("src/Run.epb", "batch");
    QDir().mkpath(Path("dest"));
    TransferFiles({Path("src/Run.epb")}, {QStringLiteral("../../escaped.epb")}, Path("dest"),
                  TDropEffect::Copy);
    EXPECT_EQ(Read("dest/escaped.epb"), QByteArray("batch"));
    EXPECT_FALSE(PathExists(Path("../escaped.epb")));
    // A name that is no name at all falls back to the file's own.
    TransferFiles({Path("src/Run.epb")}, {QStringLiteral("..")}, Path("dest"), TDropEffect::Copy);
    EXPECT_EQ(Read("dest/Run.epb"), QByteArray("batch"));
}

TEST_F(FileOpsTest, FailuresNameTheSystemsReasonOnALineOfItsOwn) {
    Make("plain.txt", "not a folder");
    Make("Local/A.epb", "a");
    Make("Local/Folder/x.epb", "x");
    // A path below a regular file fails for every user, root included.
    const QString below = Path("plain.txt/A.epb");
    bool replaceAll = false;
    EXPECT_EQ(ErrorOf([&] { CopyTree(Path("Local/A.epb"), below, replaceAll); }),
              "Unable to copy file " + below + "\nNot a directory");
    EXPECT_EQ(ErrorOf([&] { MoveTree(Path("Local/A.epb"), below, replaceAll); }),
              "Unable to move file " + below + "\nNot a directory");
    EXPECT_EQ(ErrorOf([&] { CopyTree(Path("Local/Folder"), Path("plain.txt/Folder"), replaceAll); }),
              QStringLiteral("Unable to create directories\nNot a directory"));
    EXPECT_EQ(ErrorOf([&] { DeleteTree(below); }), "Unable to delete file " + below + "\nNot a directory");
    EXPECT_EQ(ErrorOf([&] { MoveTree(Path("Local/gone.epb"), Path("Local/B.epb"), replaceAll); }),
              QStringLiteral("Cannot read from the source file or disk\nNo such file or directory"));
    EXPECT_EQ(Read("Local/A.epb"), QByteArray("a"));
    EXPECT_EQ(Read("plain.txt"), QByteArray("not a folder"));
}

TEST_F(FileOpsTest, AFullDiskIsNamedAndLeavesNothingHalfWritten) {
    SmallTmpfs disk(64);
    if (!disk.Mounted())
        GTEST_SKIP() << disk.Why().toStdString();
    const QByteArray big(200 * 1024, 'x');
    Make("big.epb", big);
    Make("Folder/big.epb", big);
    bool replaceAll = false;
    const QString target = disk.File("big.epb");
    EXPECT_EQ(ErrorOf([&] { CopyTree(Path("big.epb"), target, replaceAll); }),
              "Unable to copy file " + target + "\nNo space left on device");
    // Across filesystems a move copies first, so the source stays whole.
    EXPECT_EQ(ErrorOf([&] { MoveTree(Path("big.epb"), target, replaceAll); }),
              "Unable to move file " + target + "\nNo space left on device");
    EXPECT_EQ(Read("big.epb"), big);
    EXPECT_EQ(ErrorOf([&] { MoveTree(Path("Folder"), disk.File("Folder"), replaceAll); }),
              "Unable to move file " + disk.File("Folder/big.epb") + "\nNo space left on device");
    EXPECT_EQ(Read("Folder/big.epb"), big);
    // Neither the copies nor their temporary files take up the little room there is.
    EXPECT_EQ(QDir(disk.Path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
}

TEST_F(FileOpsTest, DropEffectsOfTheFolderTreeAndTheFolderList) {
    ASSERT_TRUE(QDir().mkpath(Path("A/Inner")) && QDir().mkpath(Path("B")));
    const QString top = dir.Path() + "/", a = top + "A/", b = top + "B/", inner = top + "A/Inner/";
    const Qt::DropActions all = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
    const Qt::KeyboardModifiers none = Qt::NoModifier, shift = Qt::ShiftModifier, ctrl = Qt::ControlModifier;
    const Qt::DropAction no = Qt::IgnoreAction, copy = Qt::CopyAction, move = Qt::MoveAction;
    const struct {
        QString Source, Target;
        Qt::DropActions Allowed;
        Qt::KeyboardModifiers Keys;
        Qt::DropAction Tree, List;
    } cases[] = {
        {top, a, all, none, no, no},     // onto itself
        {top, inner, all, none, no, no}, // into itself
        {top, top, all, none, no, no},   // onto its own folder
        {top, QString(), all, none, no, no},
        {top, b, all, none, move, move}, // one file system
        {top, b, all, ctrl, copy, copy},
        {top, b, all, shift, move, move},
        {top, b, all, shift | ctrl, no, no},
        {top, b, copy | move, shift | ctrl, no, move}, // the list refuses only offered links
        {top, b, copy, shift, copy, copy},             // the first allowed
        {top, b, Qt::LinkAction, none, Qt::LinkAction, Qt::LinkAction},
        {"/elsewhere/", b, copy | move, none, copy, copy}, // another file system
        {QString(), b, move | Qt::LinkAction, none, move, move},
    };
    for (const auto& c : cases) {
        const QStringList dragged{Path("A")};
        EXPECT_EQ(FileDropEffect(dragged, c.Source, c.Target, c.Allowed, c.Keys, TShiftCtrl::Refused), c.Tree)
            << c.Source << " to " << c.Target << " keys " << int(c.Keys);
        EXPECT_EQ(
            FileDropEffect(dragged, c.Source, c.Target, c.Allowed, c.Keys, TShiftCtrl::RefusedWhenLinking),
            c.List)
            << c.Source << " to " << c.Target << " keys " << int(c.Keys);
    }
    EXPECT_EQ(FileDropEffect({}, top, b, all, none, TShiftCtrl::Refused), Qt::IgnoreAction);
}
