#include "catalogue/Catalogue.h"
#include "core/Error.h"
#include "documents/BatchItem.h"
#include "documents/SettingNames.h"
#include "documents/Settings.h"
#include "support/ErrorOf.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <clocale>

namespace {

const QByteArray kHeader = "<?xml version=\"1.0\"?>\r\n";

QByteArray SettingsFile(std::initializer_list<std::pair<const char*, const char*>> keys) {
    QByteArray text = kHeader + "<Settings>\r\n";
    for (const auto& [name, value] : keys)
        text += QByteArray("  <") + name + ">" + value + "</" + name + ">\r\n";
    return text + "</Settings>\r\n";
}

// Leaves the process-wide unit selections as every other test expects them.
struct UnitsReset {
    ~UnitsReset() {
        SetReportUnits(0);
        SetViscosityUnits(0);
        SetTemperatureUnits(0);
    }
};

} // namespace

TEST(SettingsFile, OpenCreatesTheFolderAndStartUpFillsTheDefaults) {
    UnitsReset reset;
    TempDir dir;
    const QString path = dir.File("Root/Settings/settings.xml");
    TSettings settings;
    settings.AutoSave = true;
    settings.Open(path);
    EXPECT_EQ(settings.FileName, path);
    EXPECT_EQ(dir.Read("Root/Settings/settings.xml"), kHeader + "<Settings></Settings>\r\n");

    ApplyStartupSettings(settings);
    EXPECT_EQ(dir.Read("Root/Settings/settings.xml"), SettingsFile({{"ReportUnits", ""},
                                                                    {"ViscosityUnits", ""},
                                                                    {"TemperatureUnits", ""},
                                                                    {"ComPort", "1"},
                                                                    {"FormRatio", "0.3"},
                                                                    {"MeasurementWindowWidth", "256"},
                                                                    {"ReadingsVisible", "True"},
                                                                    {"ChartVisible", "True"},
                                                                    {"ThumbnailQuality", "0"}}));
}

TEST(SettingsFile, StartUpKeepsLoadedValuesEvenEmptyOnesAndReadsTheUnits) {
    UnitsReset reset;
    TempDir dir;
    const QByteArray text = SettingsFile({{"comport", "3"},
                                          {"ReadingsVisible", ""},
                                          {"ViscosityUnits", "1"},
                                          {"TemperatureUnits", "1"},
                                          {"ReportUnits", "7"}});
    dir.Write("settings.xml", text);
    TSettings settings;
    settings.AutoSave = true;
    settings.Open(dir.File("settings.xml"));
    EXPECT_EQ(dir.Read("settings.xml"), text); // opening an existing file does not write it
    ApplyStartupSettings(settings);

    EXPECT_EQ(settings.Item("ComPort").GetInteger(), 3);
    EXPECT_FALSE(settings.Item("ReadingsVisible").IsUnset());
    EXPECT_FALSE(settings.Item("ReadingsVisible").GetBoolean()); // empty leaf: set, reads false
    EXPECT_TRUE(settings.Item("ChartVisible").GetBoolean());
    EXPECT_EQ(ViscosityUnits(), 1);
    EXPECT_EQ(TemperatureUnits(), 1);
    EXPECT_EQ(ReportUnits(), 0); // a damaged selection falls back to millimetres

    const QByteArray written = dir.Read("settings.xml");
    EXPECT_TRUE(written.startsWith(
        kHeader + "<Settings>\r\n  <comport>3</comport>\r\n  <ReadingsVisible></ReadingsVisible>"))
        << written.constData();
    EXPECT_FALSE(written.contains("ComPort"));
}

TEST(SettingsFile, KnownGoodFile) {
    TSettings settings;
    settings.Load(QStringLiteral(BRAMBLEX_TEST_DATA_DIR "/documents/settings.xml"));
    EXPECT_EQ(settings.Item("comport").GetInteger(), 1);
    EXPECT_TRUE(settings.Item("READINGSVISIBLE").GetBoolean());
    EXPECT_FALSE(settings.Item("ChartVisible").GetBoolean());
    EXPECT_EQ(settings.Item("FormRatio").GetFloat(), 0.3);
    EXPECT_TRUE(settings.Item("ReportUnits").GetString().isEmpty());
    EXPECT_FALSE(settings.Item("ReportUnits").IsUnset());
    EXPECT_EQ(settings.Item("DefaultCompany").GetString(), QStringLiteral("Smith & Sons"));
    EXPECT_EQ(settings.Item("DefaultViscoMeter").GetInteger(), -1);
    EXPECT_EQ(settings.Item("LastPDFFile").GetString(), QStringLiteral("/home/lab/Reports/Über Batch.pdf"));
    EXPECT_EQ(settings.Count(), 13);
    EXPECT_TRUE(settings.LoadWarning.isEmpty()) << settings.LoadWarning.toStdString();

    // Cut off in the closing tag of its eighth value: eight are read, and it says so.
    QFile file(QStringLiteral(BRAMBLEX_TEST_DATA_DIR "/documents/settings.xml"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    qsizetype at = 0;
    for (int i = 0; i < 8; ++i)
        at = bytes.indexOf("</", at) + 2;
    TempDir dir;
    dir.Write("cut.xml", bytes.left(at));
    settings.Load(dir.File("cut.xml"));
    EXPECT_EQ(settings.Count(), 8);
    EXPECT_TRUE(settings.LoadWarning.contains("8 value(s) were read")) << settings.LoadWarning.toStdString();
}

TEST(SettingsFile, LoadReplacesTheStoreAndNeverWrites) {
    TempDir dir;
    dir.Write("other.xml", SettingsFile({{"A", "1"}}));
    dir.Write("none.xml", kHeader + "<Batch><A>1</A></Batch>\r\n");
    TSettings settings;
    settings.AutoSave = true;
    settings.FileName = dir.File("live.xml");
    settings.Item("Old").SetInteger(5);
    const QByteArray live = dir.Read("live.xml");

    settings.Load(dir.File("other.xml"));
    EXPECT_EQ(settings.Count(), 1);
    EXPECT_EQ(dir.Read("live.xml"), live);
    settings.Load(dir.File("none.xml"));
    EXPECT_EQ(settings.Count(), 0);
    EXPECT_EQ(dir.Read("live.xml"), live);

    EXPECT_THROW(settings.Load(dir.File("missing.xml")), EFileError);
}

TEST(SettingsFile, SaveFailuresReachTheChangingCall) {
    TempDir dir;
    dir.Write("plain", "a file, not a folder");
    TSettings settings;
    settings.FileName = dir.File("plain/settings.xml");
    settings.AutoSave = true;
    EXPECT_THROW(settings.Item("New"), EFileError) << "a first lookup saves";
    settings.AutoSave = false;
    TSettingsItem& item = settings.Item("ComPort");
    settings.AutoSave = true;
    EXPECT_THROW(item.SetInteger(2), EFileError);
    EXPECT_EQ(settings.Item("ComPort").GetInteger(), 2); // the value itself is kept
}

TEST(SettingsKeys, LookupIgnoresCaseAndKeepsTheFirstSpelling) {
    TempDir dir;
    TSettings settings;
    settings.AutoSave = true;
    settings.Open(dir.File("settings.xml"));
    settings.Item("ComPort").SetInteger(4);
    EXPECT_EQ(settings.Item("comport").GetInteger(), 4);
    settings.Item("COMPORT").SetInteger(5);
    EXPECT_EQ(settings.Count(), 1);
    EXPECT_EQ(settings.Items(0).Name(), QStringLiteral("ComPort"));
    EXPECT_EQ(dir.Read("settings.xml"), SettingsFile({{"ComPort", "5"}}));

    // A lookup of a new key creates it and, with AutoSave on, writes it.
    EXPECT_TRUE(settings.Item("Grid").IsUnset());
    EXPECT_EQ(dir.Read("settings.xml"), SettingsFile({{"ComPort", "5"}, {"Grid", ""}}));
    EXPECT_EQ(settings.FindItem("nothing"), nullptr);
    EXPECT_EQ(settings.Count(), 2);
}

TEST(SettingsValues, FloatsUseAPointWhateverTheLocale) {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const char* cLocale = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    TempDir dir;
    TSettings settings;
    settings.AutoSave = true;
    settings.Open(dir.File("settings.xml"));
    settings.Item("FormRatio").SetFloat(0.3);
    EXPECT_EQ(settings.Item("FormRatio").GetString(), QStringLiteral("0.3"));
    EXPECT_TRUE(dir.Read("settings.xml").contains("<FormRatio>0.3</FormRatio>"));
    TSettings loaded;
    loaded.Load(dir.File("settings.xml"));
    EXPECT_EQ(loaded.Item("FormRatio").GetFloat(), 0.3);
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(before);
    (void)cLocale;
}

TEST(SettingsValues, TextConversions) {
    struct Case {
        const char* text;
        QString string;
        int32_t integer;
        bool boolean;
        double real;
    };
    const std::vector<Case> cases{
        {"True", "True", 0, true, 0.0},   {"true", "true", 0, true, 0.0},
        {"TRUE", "TRUE", 0, true, 0.0},   {"False", "False", 0, false, 0.0},
        {"-1", "-1", -1, true, -1.0},     {"0", "0", 0, false, 0.0},
        {"abc", "abc", 0, false, 0.0},    {"", "", 0, false, 0.0},
        {"0.3", "0.3", 0, true, 0.3},     {"256", "256", 256, true, 256.0},
        {" 12 ", " 12 ", 12, true, 12.0}, {"2.5E3", "2.5E3", 2500, true, 2500.0},
        {"12x", "12x", 0, false, 0.0},    {"99999999999", "99999999999", 0, true, 99999999999.0},
        {"0,3", "0,3", 0, false, 0.0},
    };
    TSettings settings;
    for (const auto& c : cases) {
        TSettingsItem& item = settings.Item("Key");
        item.SetString(QString::fromUtf8(c.text));
        EXPECT_FALSE(item.IsUnset());
        EXPECT_EQ(item.GetString(), c.string) << c.text;
        EXPECT_EQ(item.GetInteger(), c.integer) << c.text;
        EXPECT_EQ(item.GetBoolean(), c.boolean) << c.text;
        EXPECT_EQ(item.GetFloat(), c.real) << c.text;
    }
}

TEST(SettingsValues, TypedValuesAndUnsetKeys) {
    TSettings settings;
    TSettingsItem& unset = settings.Item("Never");
    EXPECT_TRUE(unset.IsUnset());
    EXPECT_EQ(unset.GetString(), QString());
    EXPECT_EQ(unset.GetInteger(), 0);
    EXPECT_FALSE(unset.GetBoolean());
    EXPECT_EQ(unset.GetFloat(), 0.0);

    TSettingsItem& n = settings.Item("N");
    n.SetInteger(-42);
    EXPECT_EQ(n.GetString(), QStringLiteral("-42"));
    EXPECT_TRUE(n.GetBoolean());
    EXPECT_EQ(n.GetFloat(), -42.0);

    TSettingsItem& b = settings.Item("B");
    b.SetBoolean(false);
    EXPECT_EQ(b.GetString(), QStringLiteral("False"));
    b.SetBoolean(true);
    EXPECT_EQ(b.GetString(), QStringLiteral("True"));
    EXPECT_TRUE(b.GetBoolean());
    EXPECT_EQ(b.GetFloat(), 0.0);

    TSettingsItem& f = settings.Item("F");
    f.SetFloat(1e-5);
    EXPECT_EQ(f.GetString(), QStringLiteral("1E-5"));
    EXPECT_EQ(f.GetFloat(), 1e-5);
}

TEST(SettingsValues, TextsWithSpecialCharactersAndLineBreaksSurviveTheFile) {
    TempDir dir;
    TSettings settings;
    settings.FileName = dir.File("settings.xml");
    settings.Item("SelectedReports").SetString("a & b,<c>,'d',\"e\",λ");
    settings.Item("Note").SetString("one\ntwo");
    settings.Save();
    TSettings loaded;
    loaded.Load(dir.File("settings.xml"));
    EXPECT_EQ(loaded.Item("selectedreports").GetString(), QStringLiteral("a & b,<c>,'d',\"e\",λ"));
    EXPECT_EQ(loaded.Item("Note").GetString(), QStringLiteral("one\r\ntwo"));
}

TEST(SettingsAssign, CopyHasNoAutoSaveAndAcceptingWritesOnceInTheCopysOrder) {
    TempDir dir;
    TSettings live;
    live.AutoSave = true;
    live.Open(dir.File("settings.xml"));
    live.Item("ComPort").SetInteger(1);
    live.Item("Grid").SetBoolean(false);

    TSettings copy; // the preferences dialog's
    copy.Assign(live);
    EXPECT_FALSE(copy.AutoSave);
    EXPECT_TRUE(copy.FileName.isEmpty());
    copy.Item("DefaultCompany").SetString("Acme");
    copy.Item("grid").SetBoolean(true);
    EXPECT_EQ(dir.Read("settings.xml"), SettingsFile({{"ComPort", "1"}, {"Grid", "False"}}));
    EXPECT_EQ(live.Item("Grid").GetBoolean(), false); // the copy is deep

    live.Assign(copy);
    EXPECT_TRUE(live.AutoSave);
    EXPECT_EQ(dir.Read("settings.xml"),
              SettingsFile({{"ComPort", "1"}, {"Grid", "True"}, {"DefaultCompany", "Acme"}}));
    ASSERT_EQ(live.Count(), 3);
    EXPECT_EQ(live.Items(2).Owner(), &live);
}

TEST(SettingsAssign, SavesOnlyAfterEveryItemIsCopied) {
    // With the save failing, a per-item save would stop after the first key.
    TempDir dir;
    dir.Write("plain", "x");
    TSettings source;
    for (const char* key : {"A", "B", "C"})
        source.Item(key).SetString(key);
    TSettings live;
    live.AutoSave = true;
    live.FileName = dir.File("plain/settings.xml");
    EXPECT_THROW(live.Assign(source), EFileError);
    ASSERT_EQ(live.Count(), 3);
    EXPECT_EQ(live.Items(2).GetString(), QStringLiteral("C"));
}

TEST(SettingsAssign, WrongKindsRaise) {
    TSettings settings;
    TSettingsItem& item = settings.Item("A");
    TBatchItem batch;
    EXPECT_EQ(ErrorOf([&] { settings.Assign(static_cast<const TDocumentObject&>(item)); }),
              "Unable to assign object to TSettings");
    EXPECT_EQ(ErrorOf([&] { item.Assign(static_cast<const TDocumentObject&>(batch)); }),
              "Unable to assign object to TSettingsItem");

    TSettings other;
    other.Item("Other").SetInteger(9);
    item.Assign(other.Items(0));
    EXPECT_EQ(item.Name(), QStringLiteral("Other"));
    EXPECT_EQ(item.GetInteger(), 9);
    EXPECT_EQ(item.Owner(), &settings);
}

TEST(SettingNames, TypedValuesAreWrittenAsTheFileHoldsThem) {
    TempDir dir;
    TSettings settings;
    settings.AutoSave = true;
    settings.Open(dir.File("settings.xml"));
    // Reading a name never given a value adds it unset, as a lookup by text does.
    EXPECT_EQ(Setting::ComPort.Get(settings), 0);
    EXPECT_FALSE(Setting::Grid.Get(settings));
    EXPECT_TRUE(Setting::DefaultCompany.Get(settings).isEmpty());
    EXPECT_EQ(Setting::FormRatio.Get(settings), 0.0);
    EXPECT_TRUE(Setting::FormRatio.IsUnset(settings));

    Setting::ComPort.Set(settings, 3);
    Setting::Grid.Set(settings, true);
    Setting::DefaultCompany.Set(settings, QStringLiteral("Smith & Sons"));
    Setting::FormRatio.Set(settings, 0.3);
    EXPECT_EQ(dir.Read("settings.xml"), SettingsFile({{"ComPort", "3"},
                                                      {"Grid", "True"},
                                                      {"DefaultCompany", "Smith &amp; Sons"},
                                                      {"FormRatio", "0.3"}}));
    // The names are the keys the file has always held, whatever their letter case there.
    TSettings loaded;
    loaded.Load(dir.File("settings.xml"));
    EXPECT_EQ(loaded.Item(QStringLiteral("comport")).GetInteger(), 3);
    EXPECT_TRUE(Setting::Grid.Get(loaded));
    EXPECT_EQ(Setting::DefaultCompany.Get(loaded), QStringLiteral("Smith & Sons"));
    EXPECT_EQ(Setting::FormRatio.Get(loaded), 0.3);
    EXPECT_EQ(loaded.Count(), 4);
}
