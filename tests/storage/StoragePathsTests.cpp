// Storage root per user and language, the template tree, and seeding a new root.

#include "StorageFixture.h"

#include "core/Error.h"
#include "documents/Settings.h"
#include "platform/UserValues.h"
#include "storage/StoragePaths.h"

#include <gtest/gtest.h>

namespace {

// A home, configuration and template tree of the test's own.
class StorageRootTest : public ::testing::Test {
protected:
    TempDir home;
    ScopedEnv homeEnv{"HOME", home.Path()};
    ScopedEnv configHome{"XDG_CONFIG_HOME", home.File("config")};
    ScopedEnv configDir{"BRAMBLEX_CONFIG_DIR", QString()};
    ScopedEnv sessionRoot{"BRAMBLEX_STORAGE_ROOT", QString()};
    ScopedEnv templates{"BRAMBLEX_TEMPLATE_DIR", home.File("Template")};

    void MakeTemplate() {
        WriteFile(home.File("Template/ENU/Settings/settings.xml"), "<Settings/>");
        WriteFile(home.File("Template/ENU/Reports/Summary.epr"), "r");
        WriteFile(home.File("Template/ENU/Local/.keep"), "");
        WriteFile(home.File("Template/ENU/Local/Samples/.keep"), "");
        WriteFile(home.File("Template/ENU/Templates/.keep"), "");
    }
};

} // namespace

TEST_F(StorageRootTest, DefaultsToTheDocumentsFolderAndNamesTheValueByLanguage) {
    EXPECT_EQ(StorageRootValueName(), QStringLiteral("ViscoMeterDataENU"));
    EXPECT_EQ(StorageRoot(), home.Path() + "/Documents/My ViscoMeter Data/");
    EXPECT_EQ(LocalFolder(), StorageRoot() + "Local/");
    EXPECT_EQ(ReportsFolder(), StorageRoot() + "Reports/");
    EXPECT_EQ(SettingsFolder(), StorageRoot() + "Settings/");
    EXPECT_EQ(UserValuesFilePath(), home.File("config/Korvane/Bramblex.conf"));
}

TEST_F(StorageRootTest, ChangeRecordsTheRootPerLanguageAndPreparesIt) {
    MakeTemplate();
    ChangeStorageRoot(home.File("data"));
    EXPECT_EQ(StorageRoot(), home.File("data") + "/");
    EXPECT_EQ(ReadUserValue("Settings", "ViscoMeterDataENU").toString(), home.File("data") + "/");
    EXPECT_TRUE(QFileInfo(home.File("data/Settings/settings.xml")).isFile());

    // Another interface language has a root of its own.
    WriteUserValue("Language", "LocaleID", 0x0407);
    EXPECT_EQ(StorageRootValueName(), QStringLiteral("ViscoMeterDataDEU"));
    EXPECT_EQ(StorageRoot(), home.Path() + "/Documents/My ViscoMeter Data/");
}

TEST_F(StorageRootTest, ARootThatCannotBePreparedIsNotRecorded) {
    MakeTemplate();
    ChangeStorageRoot(home.File("data"));
    // A file where the new root's folder would have to be.
    WriteFile(home.File("blocked"), "x");
    EXPECT_THROW(ChangeStorageRoot(home.File("blocked/root")), EBramblexError);
    EXPECT_EQ(StorageRoot(), home.File("data") + "/");
    EXPECT_EQ(ReadUserValue("Settings", "ViscoMeterDataENU").toString(), home.File("data") + "/");
}

TEST_F(StorageRootTest, SessionRootOverridesAndFollowsAChangeWithoutRecordingIt) {
    ScopedEnv session("BRAMBLEX_STORAGE_ROOT", home.File("session"));
    EXPECT_EQ(StorageRoot(), home.File("session") + "/");
    ChangeStorageRoot(home.File("other"));
    EXPECT_EQ(StorageRoot(), home.File("other") + "/");
    EXPECT_FALSE(QFileInfo::exists(UserValuesFilePath()));
}

TEST_F(StorageRootTest, FirstStartSeedsAllFoldersWithoutPlaceholdersAndLaterStartsCopyNothing) {
    MakeTemplate();
    ScopedEnv session("BRAMBLEX_STORAGE_ROOT", home.File("root"));
    PrepareStorage();
    const QString root = home.File("root/");
    for (const char* folder : {"Local", "Reports", "Settings", "Templates", "Local/Samples"})
        EXPECT_TRUE(QFileInfo(root + folder).isDir()) << folder;
    EXPECT_EQ(ReadFile(root + "Settings/settings.xml"), QByteArray("<Settings/>"));
    EXPECT_EQ(ReadFile(root + "Reports/Summary.epr"), QByteArray("r"));
    EXPECT_FALSE(QFileInfo::exists(root + "Local/.keep"));
    EXPECT_FALSE(QFileInfo::exists(root + "Local/Samples/.keep"));

    WriteFile(home.File("Template/ENU/Reports/New.epr"), "n");
    WriteFile(home.File("Template/ENU/Settings/settings.xml"), "<Changed/>");
    PrepareStorage();
    EXPECT_FALSE(QFileInfo::exists(root + "Reports/New.epr"));
    EXPECT_EQ(ReadFile(root + "Settings/settings.xml"), QByteArray("<Settings/>"));
}

TEST_F(StorageRootTest, ASeedCutShortIsRedoneNotTakenForASeededFolder) {
    MakeTemplate();
    ScopedEnv session("BRAMBLEX_STORAGE_ROOT", home.File("root"));
    // What a crash in the middle of copying "Reports" leaves behind.
    WriteFile(home.File("root/.seeding-Reports/half.epr"), "h");
    PrepareStorage();
    const QString root = home.File("root/");
    EXPECT_EQ(ReadFile(root + "Reports/Summary.epr"), QByteArray("r"));
    EXPECT_FALSE(QFileInfo::exists(root + "Reports/half.epr"));
    EXPECT_FALSE(QFileInfo::exists(root + ".seeding-Reports"));
    EXPECT_EQ(QDir(root).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).count(), 4);
}

TEST_F(StorageRootTest, MissingTemplateFoldersAreSkipped) {
    ScopedEnv session("BRAMBLEX_STORAGE_ROOT", home.File("root"));
    PrepareStorage(); // no template tree at all
    EXPECT_TRUE(QFileInfo(home.File("root")).isDir());
    WriteFile(home.File("Template/ENU/Reports/Summary.epr"), "r");
    QDir(home.File("root")).removeRecursively();
    PrepareStorage();
    EXPECT_TRUE(QFileInfo(home.File("root/Reports/Summary.epr")).isFile());
    EXPECT_FALSE(QFileInfo::exists(home.File("root/Local")));
}

TEST(ShippedTemplate, EnglishTreeHasTheFourFoldersAndSettingsAsTheStoreWritesThem) {
    TempDir dir;
    ScopedEnv templates("BRAMBLEX_TEMPLATE_DIR", QStringLiteral(BRAMBLEX_SOURCE_DIR "/data/Template"));
    ScopedEnv session("BRAMBLEX_STORAGE_ROOT", dir.File("root"));
    EXPECT_EQ(TemplateFolder(), QStringLiteral(BRAMBLEX_SOURCE_DIR "/data/Template/ENU/"));
    PrepareStorage();
    for (const char* folder : {"Local", "Reports", "Settings", "Templates"})
        EXPECT_TRUE(QFileInfo(dir.File(QStringLiteral("root/") + folder)).isDir()) << folder;

    const QString shipped = dir.File("root/Settings/settings.xml");
    TSettings settings;
    settings.Load(shipped);
    EXPECT_EQ(settings.Item("DefaultViscoMeter").GetInteger(), -1);
    settings.FileName = dir.File("resaved.xml");
    settings.Save();
    EXPECT_EQ(ReadFile(shipped), ReadFile(dir.File("resaved.xml")));
}

TEST_F(StorageRootTest, FailuresNameTheSystemsReason) {
    // Something that is not a folder stands where the root or the values should go.
    WriteFile(home.File("occupied"), "a file");
    ScopedEnv session("BRAMBLEX_STORAGE_ROOT", home.File("occupied/root"));
    try {
        PrepareStorage();
        FAIL() << "a root below a file was prepared";
    } catch (const EBramblexError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Unable to create directories\nNot a directory"));
    }

    QDir().mkpath(home.File("config/Korvane/Bramblex.conf"));
    try {
        WriteUserValue("Language", "LocaleID", 0x0407);
        FAIL() << "values were written over a folder";
    } catch (const EFileError& e) {
        EXPECT_EQ(e.Message(),
                  QStringLiteral("Cannot create file \"%1\". Is a directory").arg(UserValuesFilePath()));
    }
}

TEST_F(StorageRootTest, TheInterfaceLanguageChoosesRootValueTemplateTreeAndGuideFallingBackToEnglish) {
    MakeTemplate();
    WriteFile(home.File("Template/DEU/Settings/settings.xml"), "<Settings><German/></Settings>");
    WriteFile(home.File("help/Bramblex.html"), "guide");
    WriteFile(home.File("help/de/Bramblex.html"), "Anleitung");
    ScopedEnv language("LANGUAGE", QString()), all("LC_ALL", QString()), messages("LC_MESSAGES", QString());
    {
        ScopedEnv lang("LANG", "de_AT.UTF-8");
        EXPECT_EQ(StorageRootValueName(), QStringLiteral("ViscoMeterDataDEU"));
        EXPECT_EQ(TemplateFolder(), home.File("Template/DEU/"));
        EXPECT_EQ(InstalledGuide(), home.File("help/de/Bramblex.html"));
        ScopedEnv session("BRAMBLEX_STORAGE_ROOT", home.File("german"));
        PrepareStorage();
        EXPECT_EQ(ReadFile(home.File("german/Settings/settings.xml")), "<Settings><German/></Settings>");
    }
    // A language chosen without a tree of its own (Italian) seeds its root from the
    // English one.
    WriteUserValue("Language", "LocaleID", 0x0410);
    EXPECT_EQ(StorageRootValueName(), QStringLiteral("ViscoMeterDataITA"));
    EXPECT_EQ(TemplateFolder(), home.File("Template/ENU/"));
    EXPECT_EQ(InstalledGuide(), home.File("help/Bramblex.html"));
}
