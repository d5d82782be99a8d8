// File times, hidden files, directory entries, language tags, clipboard and busy cursor.

#include "core/Error.h"
#include "platform/BusyCursor.h"
#include "platform/Clipboard.h"
#include "platform/FileSystem.h"
#include "platform/InterfaceLanguage.h"
#include "platform/RuntimeFolder.h"
#include "support/TempDir.h"

#include <QClipboard>
#include <QCursor>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>

#include <gtest/gtest.h>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QDateTime Local(int y, int mo, int d, int h, int mi, int s) {
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s), Qt::LocalTime);
}

} // namespace

TEST(DosFileTime, PacksDateHighAndTimeLowInTwoSecondUnits) {
    // 2024-03-15: (44 << 9) | (3 << 5) | 15; 13:45:31: (13 << 11) | (45 << 5) | 15.
    EXPECT_EQ(PackDosDateTime(Local(2024, 3, 15, 13, 45, 31)), static_cast<int32_t>(0x586F6DAF));
    EXPECT_EQ(PackDosDateTime(Local(1980, 1, 1, 0, 0, 0)), static_cast<int32_t>(0x00210000));
    EXPECT_EQ(PackDosDateTime(Local(2107, 12, 31, 23, 59, 58)), static_cast<int32_t>(0xFF9FBF7D));
    EXPECT_EQ(PackDosDateTime(Local(1979, 12, 31, 23, 59, 59)), -1);
    EXPECT_EQ(PackDosDateTime(QDateTime()), -1);
    EXPECT_EQ(UnpackDosDateTime(0x586F6DAF), Local(2024, 3, 15, 13, 45, 30));
    EXPECT_FALSE(UnpackDosDateTime(-1).isValid());
}

TEST(DosFileTime, FileTimeFollowsTheLastWrite) {
    TempDir dir;
    dir.Write("a.epb", "x");
    QFile file(dir.File("a.epb"));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(Local(2021, 6, 1, 8, 30, 0), QFileDevice::FileModificationTime));
    file.close();
    EXPECT_EQ(FileLastWriteTime(dir.File("a.epb")), PackDosDateTime(Local(2021, 6, 1, 8, 30, 0)));
    EXPECT_EQ(FileLastWriteTime(dir.File("missing")), -1);
}

TEST(HiddenFiles, ListedOnceInTheFoldersHiddenFile) {
    TempDir dir;
    dir.Write(".hidden", "other");
    dir.Write("cache.epc", "");
    EXPECT_FALSE(IsFileHidden(dir.File("cache.epc")));
    MarkFileHidden(dir.File("cache.epc"));
    MarkFileHidden(dir.File("cache.epc"));
    EXPECT_EQ(dir.Read(".hidden"), QByteArray("other\ncache.epc\n"));
    EXPECT_TRUE(IsFileHidden(dir.File("cache.epc")));
    EXPECT_FALSE(IsFileHidden(dir.File("other.epc")));
}

TEST(DirectoryEntries, LinksAreEntriesOfTheirOwn) {
    TempDir dir;
    dir.Write("file.epb", "x");
    ASSERT_TRUE(QDir(dir.Path()).mkdir("sub"));
    ASSERT_EQ(::symlink("sub", QFile::encodeName(dir.File("to-sub")).constData()), 0);
    ASSERT_EQ(::symlink("nowhere", QFile::encodeName(dir.File("dangling")).constData()), 0);
    std::map<QString, TDirectoryEntry> byName;
    for (const auto& e : ListDirectory(dir.Path()))
        byName[e.Name] = e;
    ASSERT_EQ(byName.size(), 4u);
    EXPECT_TRUE(byName["sub"].IsFolder);
    EXPECT_FALSE(byName["to-sub"].IsFolder);
    EXPECT_TRUE(byName["to-sub"].IsSymLink);
    EXPECT_TRUE(byName["to-sub"].TargetIsFolder);
    EXPECT_TRUE(byName["dangling"].IsSymLink);
    EXPECT_NE(byName["dangling"].ModifiedTime, -1);
    EXPECT_TRUE(EntryExists(dir.File("dangling")));
    EXPECT_FALSE(IsRealFolder(dir.File("to-sub")));
    EXPECT_TRUE(ListDirectory(dir.File("missing")).empty());
}

TEST(DirectoryEntries, CopyKeepsTimeAndRefusesAnExistingDestinationWhenAsked) {
    TempDir dir;
    dir.Write("a", "new");
    dir.Write("b", "old");
    QFile file(dir.File("a"));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(Local(2020, 2, 2, 2, 2, 2), QFileDevice::FileModificationTime));
    file.close();
    const TFsResult refused = CopyFileEntry(dir.File("a"), dir.File("b"), true);
    EXPECT_FALSE(refused);
    EXPECT_EQ(refused.Errno(), EEXIST);
    EXPECT_EQ(refused.Reason(), QStringLiteral("File exists"));
    EXPECT_EQ(dir.Read("b"), QByteArray("old"));
    EXPECT_TRUE(CopyFileEntry(dir.File("a"), dir.File("b"), false));
    EXPECT_EQ(dir.Read("b"), QByteArray("new"));
    EXPECT_EQ(FileLastWriteTime(dir.File("b")), FileLastWriteTime(dir.File("a")));
    EXPECT_EQ(CopyFileEntry(dir.File("missing"), dir.File("c"), false).Reason(),
              QStringLiteral("No such file or directory"));
    EXPECT_FALSE(EntryExists(dir.File("c")));
    EXPECT_EQ(WithReason(QStringLiteral("Unable to copy file c"), TFsResult::Failed(ENOSPC)),
              QStringLiteral("Unable to copy file c\nNo space left on device"));
}

TEST(LanguageTags, WindowsAbbreviationsAndNeutralIds) {
    const struct {
        uint32_t Id;
        const char* Tag;
    } cases[] = {{0x0409, "ENU"}, {0x0809, "ENG"}, {0x0407, "DEU"}, {0x040C, "FRA"}, {0x0C0A, "ESN"},
                 {0x0007, "DE"},  {0x0009, "EN"},  {0x0411, "JPN"}, {0x7777, "ENU"}};
    for (const auto& c : cases)
        EXPECT_EQ(LanguageTag(c.Id), QLatin1String(c.Tag)) << std::hex << c.Id;
    EXPECT_EQ(LocaleIDFromLocale(QLocale(QLocale::German, QLocale::Germany)), 0x0407u);
    EXPECT_EQ(LocaleIDFromLocale(QLocale(QLocale::German, QLocale::Luxembourg)), 0x0007u);
    EXPECT_EQ(LocaleIDFromLocale(QLocale::c()), 0x0409u);
    EXPECT_EQ(LocaleFromLocaleID(0x0407).name(), QStringLiteral("de_DE"));
}

TEST(ReportItemClipboard, BlockIsLengthThenDocument) {
    const QByteArray document("<?xml version=\"1.0\"?>\r\n<Page>\r\n</Page>\r\n");
    TfocClipboard& clipboard = TfocClipboard::Instance();
    clipboard.WriteStream(document, ReportItemClipboardFormat);
    ASSERT_TRUE(clipboard.HasFormat(ReportItemClipboardFormat));

    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    const QByteArray raw =
        data->data(QStringLiteral("application/x-qt-windows-mime;value=\"Tidemark ReportItem\""));
    ASSERT_EQ(raw.size(), document.size() + 4);
    EXPECT_EQ(raw.left(4), QByteArray::fromHex("28000000")); // 40 bytes, little-endian
    EXPECT_EQ(raw.mid(4), document);

    QByteArray stream("stale");
    clipboard.ReadStream(stream, ReportItemClipboardFormat);
    EXPECT_EQ(stream, document);
}

TEST(ReportItemClipboard, PlainTextOrABrokenBlockGivesNothing) {
    QGuiApplication::clipboard()->setText(QStringLiteral("just text"));
    TfocClipboard& clipboard = TfocClipboard::Instance();
    EXPECT_FALSE(clipboard.HasFormat(ReportItemClipboardFormat));
    QByteArray stream("stale");
    clipboard.ReadStream(stream, ReportItemClipboardFormat);
    EXPECT_TRUE(stream.isEmpty());

    // A length field promising more than the block holds is not read past the block.
    EXPECT_TRUE(UnpackClipboardBlock(QByteArray::fromHex("ff000000") + "abc").isEmpty());
    EXPECT_TRUE(UnpackClipboardBlock("ab").isEmpty());
    EXPECT_EQ(UnpackClipboardBlock(PackClipboardBlock("abc")), QByteArray("abc"));
}

TEST(ReportItemClipboard, WritesWhileOpenAddFormats) {
    TfocClipboard& clipboard = TfocClipboard::Instance();
    clipboard.Open();
    clipboard.WriteStream("one", QStringLiteral("Format One"));
    clipboard.WriteStream("two", QStringLiteral("Format Two"));
    clipboard.Close();
    EXPECT_TRUE(clipboard.HasFormat(QStringLiteral("Format One")));
    EXPECT_TRUE(clipboard.HasFormat(QStringLiteral("Format Two")));
    // A new use starts afresh.
    clipboard.WriteStream("three", QStringLiteral("Format Two"));
    EXPECT_FALSE(clipboard.HasFormat(QStringLiteral("Format One")));
}

TEST(BusyCursor, ShownWhileAliveAndRestoredAfterAThrow) {
    ASSERT_EQ(QGuiApplication::overrideCursor(), nullptr);
    try {
        TBusyCursor busy;
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        throw EBramblexError("fails");
    } catch (const EBramblexError&) {
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

// The private runtime folder is used only when it is this user's own and closed to
// everyone else; one that another user made first (or a link) is left to Qt.
TEST(RuntimeFolder, OnlyAFolderOfThisUserClosedToOthersIsUsed) {
    TempDir dir;
    const uid_t me = ::getuid();
    const QString base = dir.File(QStringLiteral("runtime-"));
    const QString mine = base + QString::number(me);

    qunsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(UsePrivateRuntimeFolder(base), mine);
    EXPECT_EQ(qEnvironmentVariable("XDG_RUNTIME_DIR"), mine);
    struct stat st {};
    ASSERT_EQ(::stat(mine.toLocal8Bit().constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    EXPECT_EQ(UsePrivateRuntimeFolder(base), QString()) << "a set XDG_RUNTIME_DIR is kept";

    // Opened to the group: refused, and nothing is set.
    qunsetenv("XDG_RUNTIME_DIR");
    ASSERT_EQ(::chmod(mine.toLocal8Bit().constData(), 0770), 0);
    EXPECT_EQ(UsePrivateRuntimeFolder(base), QString());
    EXPECT_TRUE(qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"));
    ASSERT_EQ(::chmod(mine.toLocal8Bit().constData(), 0700), 0);
    EXPECT_TRUE(IsPrivateFolder(mine, me));
    EXPECT_FALSE(IsPrivateFolder(mine, me + 1)) << "another user's folder";

    // A link to a private folder, and a plain file, are not private folders.
    const QString other = dir.File(QStringLiteral("link-"));
    ASSERT_TRUE(QFile::link(mine, other + QString::number(me)));
    EXPECT_FALSE(IsPrivateFolder(other + QString::number(me), me));
    EXPECT_EQ(UsePrivateRuntimeFolder(other), QString());
    dir.Write(QStringLiteral("file"), "x");
    EXPECT_FALSE(IsPrivateFolder(dir.File(QStringLiteral("file")), me));
    qunsetenv("XDG_RUNTIME_DIR");
}
