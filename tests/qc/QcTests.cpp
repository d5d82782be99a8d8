#include "qc/Qc.h"

#include "catalogue/Catalogue.h"
#include "documents/BatchItem.h"
#include "storage/FileItem.h"
#include "support/ErrorOf.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>

#include <gtest/gtest.h>

#include <cmath>

namespace {

const QString QcData = QStringLiteral(BRAMBLEX_TEST_DATA_DIR "/qc/");
const QString AnalysisData = QStringLiteral(BRAMBLEX_TEST_DATA_DIR "/analysis/");

// Worked out by hand from the fixtures' readings (model L, spindle L1: full scale
// 300 mPas at 20 RPM, 3000 mPas at 2 RPM).
// two_speeds: at 20 RPM 160 mPas at 24 °C and 250 mPas at 26 °C are used, 20 mPas
// (6.7 % of full scale) and 350 mPas (over scale) are not; at 2 RPM twice 400 mPas.
constexpr double ViscosityAt20 = 205.0;           // (160 + 250) / 2
constexpr double TemperatureAt20 = 25.0;          // (24 + 26) / 2
constexpr double FlowIndex = 0.6989700043360187;  // 1 + ln(√(160·250) / 400) / ln 10 = 1 − log10 2
constexpr double Thixotropic = 1.951219512195122; // 400 / 205
// warming: 250 mPas twice at 20 °C, 125 mPas at 40 °C, all at 20 RPM:
// E = R · ln 2 / (1/293.15 K − 1/313.15 K).
constexpr double ActivationEnergy = 26.452819283666294; // kJ/mol

TBatchAnalysis Analyze(const QString& path) {
    TBatchItem batch;
    batch.LoadFromFile(path);
    return AnalyzeBatch(batch);
}

TQcCriterion Criterion(TQcKind kind, double rpm, std::optional<double> min, std::optional<double> max) {
    TQcCriterion c;
    c.Kind = kind;
    c.RPM = rpm;
    c.Min = min;
    c.Max = max;
    return c;
}

TQcCriterionResult CheckOne(const TQcCriterion& c, const TBatchAnalysis& analysis) {
    const TQcResult result = CheckQc(TQcLimitSet{QStringLiteral("One"), {c}}, analysis);
    EXPECT_EQ(result.Criteria.size(), 1u);
    return result.Criteria.at(0);
}

// Each test picks its own units; the process-wide choice goes back to mPas and °C.
class Qc : public ::testing::Test {
protected:
    void SetUp() override { Units(0, 0); }
    void TearDown() override { Units(0, 0); }
    static void Units(int viscosity, int temperature) {
        SetViscosityUnits(viscosity);
        SetTemperatureUnits(temperature);
    }
};

// Limits are inclusive: a value exactly at the minimum or maximum passes, one just
// outside fails. Values in base units.
TEST_F(Qc, LimitsAreInclusive) {
    const TBatchAnalysis twoSpeeds = Analyze(QcData + "two_speeds.epb");
    const TBatchAnalysis warming = Analyze(QcData + "warming.epb");
    using K = TQcKind;
    struct TCase {
        K Kind;
        double RPM;
        double Value; // the hand-calculated value
        bool Exact;   // the value is exact in binary, so the limit can be the value itself
        const TBatchAnalysis& Analysis;
    } cases[] = {
        {K::ViscosityAt, 20.0, ViscosityAt20, true, twoSpeeds},
        {K::ViscosityAt, 2.0, 400.0, true, twoSpeeds},
        {K::TemperatureAt, 20.0, TemperatureAt20, true, twoSpeeds},
        {K::FlowIndex, 0.0, FlowIndex, false, twoSpeeds},
        {K::ThixotropicIndex, 0.0, Thixotropic, false, twoSpeeds},
        {K::ActivationEnergy, 0.0, ActivationEnergy, false, warming},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(QcKindKey(c.Kind));
        const TQcCriterionResult measured = CheckOne(Criterion(c.Kind, c.RPM, 0.0, {}), c.Analysis);
        ASSERT_TRUE(measured.Measured) << measured.Reason.toStdString();
        EXPECT_NEAR(*measured.Measured, c.Value, 1e-9 * c.Value);
        // At the limit: the value itself, or the hand value rounded to 12 digits.
        const double at = c.Exact ? c.Value : std::round(c.Value * 1e12) / 1e12;
        const double step = 1e-6 * c.Value;
        const struct {
            std::optional<double> Min, Max;
            TQcVerdict Verdict;
        } limits[] = {
            {at, at, TQcVerdict::Pass},
            {at, {}, TQcVerdict::Pass},
            {{}, at, TQcVerdict::Pass},
            {c.Value + step, {}, TQcVerdict::Fail},
            {{}, c.Value - step, TQcVerdict::Fail},
            {c.Value + step, c.Value + 2 * step, TQcVerdict::Fail},
        };
        for (const auto& l : limits)
            EXPECT_EQ(CheckOne(Criterion(c.Kind, c.RPM, l.Min, l.Max), c.Analysis).Verdict, l.Verdict)
                << "min " << l.Min.value_or(NAN) << " max " << l.Max.value_or(NAN);
    }
}

// The best flow model's values, against the outside tool's reference values of the
// analysis fixtures; the simpler models imply their missing parameters.
TEST_F(Qc, BestModelValues) {
    using K = TQcKind;
    const struct {
        const char* File;
        K Kind;
        double Value;
    } cases[] = {
        {"paste.epb", K::YieldStress, 152.94759323862513}, // Herschel–Bulkley
        {"paste.epb", K::ModelK, 27.332491260439866},
        {"paste.epb", K::ModelN, 0.5191055191770193},
        {"yield_stress.epb", K::YieldStress, 249.4025570141817}, // Bingham
        {"yield_stress.epb", K::ModelK, 4.005614307118715},      // its plastic viscosity
        {"yield_stress.epb", K::ModelN, 1.0},
        {"newtonian_oil.epb", K::YieldStress, 0.0}, // Newtonian
        {"newtonian_oil.epb", K::ModelK, 4.7840686274509805},
        {"newtonian_oil.epb", K::ModelN, 1.0},
        {"power_law.epb", K::YieldStress, 0.0},
        {"power_law.epb", K::ModelN, 0.45207920288476594},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.File) + " " + QcKindKey(c.Kind));
        const TBatchAnalysis analysis = Analyze(AnalysisData + c.File);
        const double margin = 1e-5 * std::max(1.0, c.Value);
        const TQcCriterionResult inside =
            CheckOne(Criterion(c.Kind, 0, c.Value - margin, c.Value + margin), analysis);
        ASSERT_TRUE(inside.Measured) << inside.Reason.toStdString();
        EXPECT_NEAR(*inside.Measured, c.Value, 1e-6 * std::max(1.0, c.Value));
        EXPECT_EQ(inside.Verdict, TQcVerdict::Pass);
        EXPECT_EQ(CheckOne(Criterion(c.Kind, 0, c.Value + margin, {}), analysis).Verdict, TQcVerdict::Fail);
    }
}

// Limits the operator enters in cP or °F are kept in mPas and °C, so that a limit at
// the measured value passes in either unit, and just beside it fails.
TEST_F(Qc, LimitsEnteredInDisplayUnits) {
    const TBatchAnalysis analysis = Analyze(QcData + "two_speeds.epb");

    Units(1, 1); // cP, °F
    const TQcCriterion temperature = QcCriterionFromDisplay(TQcKind::TemperatureAt, 20, 77.0, 77.0); // 25 °C
    EXPECT_NEAR(*temperature.Min, 25.0, 1e-12);
    EXPECT_NEAR(*temperature.Max, 25.0, 1e-12);
    EXPECT_EQ(CheckOne(temperature, analysis).Verdict, TQcVerdict::Pass);
    EXPECT_EQ(CheckOne(QcCriterionFromDisplay(TQcKind::TemperatureAt, 20, 77.1, {}), analysis).Verdict,
              TQcVerdict::Fail);
    EXPECT_EQ(CheckOne(QcCriterionFromDisplay(TQcKind::TemperatureAt, 20, {}, 76.9), analysis).Verdict,
              TQcVerdict::Fail);
    const TQcCriterion viscosity =
        QcCriterionFromDisplay(TQcKind::ViscosityAt, 20, 205.0, 205.0); // 1 cP = 1 mPas
    EXPECT_EQ(*viscosity.Min, 205.0);
    EXPECT_EQ(CheckOne(viscosity, analysis).Verdict, TQcVerdict::Pass);
    EXPECT_EQ(CheckOne(QcCriterionFromDisplay(TQcKind::ViscosityAt, 20, 205.1, {}), analysis).Verdict,
              TQcVerdict::Fail);
    // Back to the display units for the window's table and the report lines.
    EXPECT_NEAR(QcToDisplay(TQcKind::TemperatureAt, 25.0), 77.0, 1e-12);
    EXPECT_NEAR(QcToDisplay(TQcKind::TemperatureAt, -40.0), -40.0, 1e-12);
    EXPECT_EQ(QcToBase(TQcKind::ActivationEnergy, 30.0), 30.0);
    EXPECT_EQ(QcCriterionText(CheckOne(temperature, analysis)).toStdString(),
              "Temperature at 20 RPM: 77 °F (77 to 77 °F): PASS");

    Units(0, 0); // mPas, °C: the same limits in the units they are stored in
    EXPECT_EQ(QcCriterionFromDisplay(TQcKind::TemperatureAt, 20, 25.0, 25.0), temperature);
    EXPECT_EQ(QcCriterionText(CheckOne(temperature, analysis)).toStdString(),
              "Temperature at 20 RPM: 25 °C (25 to 25 °C): PASS");
}

// A criterion without data makes the batch incomplete, unless another one fails.
TEST_F(Qc, IncompleteWhenACriterionHasNoData) {
    const TBatchAnalysis twoSpeeds = Analyze(QcData + "two_speeds.epb");
    using K = TQcKind;
    const struct {
        TQcCriterion Criterion;
        const char* Reason;
    } cases[] = {
        {Criterion(K::ViscosityAt, 50, 0.0, {}), "No usable reading at 50 RPM."},
        {Criterion(K::TemperatureAt, 50, 0.0, {}), "No usable reading at 50 RPM."},
        {Criterion(K::YieldStress, 0, 0.0, {}), "shear"}, // no shear data: no flow model
        {Criterion(K::ActivationEnergy, 0, 0.0, {}), "at least 3 readings"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QcKindKey(c.Criterion.Kind));
        const TQcCriterionResult r = CheckOne(c.Criterion, twoSpeeds);
        EXPECT_EQ(r.Verdict, TQcVerdict::Incomplete);
        EXPECT_FALSE(r.Measured);
        EXPECT_TRUE(r.Reason.contains(QLatin1String(c.Reason))) << r.Reason.toStdString();
    }

    const TQcCriterion passes = Criterion(K::ViscosityAt, 20, 200.0, 210.0);
    const TQcCriterion fails = Criterion(K::ViscosityAt, 2, {}, 399.0);
    const TQcCriterion noData = cases[0].Criterion;
    TQcResult result = CheckQc({QStringLiteral("S"), {passes, noData}}, twoSpeeds);
    EXPECT_EQ(result.Verdict, TQcVerdict::Incomplete);
    EXPECT_EQ(QcResultLine(result).toStdString(),
              "incomplete: viscosity-at 50 RPM (No usable reading at 50 RPM.)");
    result = CheckQc({QStringLiteral("S"), {noData, fails, passes}}, twoSpeeds);
    EXPECT_EQ(result.Verdict, TQcVerdict::Fail);
    ASSERT_EQ(result.Failing().size(), 1u);
    EXPECT_EQ(result.Failing()[0]->Criterion, fails);
    EXPECT_EQ(QcResultLine(result).toStdString(), "fail: viscosity-at 2 RPM = 400 (max 399)");
    EXPECT_EQ(CheckQc({QStringLiteral("S"), {passes}}, twoSpeeds).Verdict, TQcVerdict::Pass);

    // A batch without readings has data for nothing.
    const TQcResult empty = CheckQc({QStringLiteral("S"), {passes}}, Analyze(QcData + "empty.epb"));
    EXPECT_EQ(empty.Verdict, TQcVerdict::Incomplete);
    EXPECT_EQ(empty.Criteria.at(0).Reason, QStringLiteral("The batch has no readings."));
}

TEST_F(Qc, LimitSetFilesRoundTripAndKeepOutOfTheReportList) {
    TempDir settings;
    TQcLimitSet limitSet{QStringLiteral("Paint A"),
                         {Criterion(TQcKind::ViscosityAt, 20, 1000.0, 1500.0),
                          Criterion(TQcKind::TemperatureAt, 0.5, {}, 25.5),
                          Criterion(TQcKind::ActivationEnergy, 0, 12.25, {})}};
    SaveQcLimitSet(settings.Path(), limitSet);
    EXPECT_EQ(settings.Read("Paint A.epq").toStdString(), "<?xml version=\"1.0\"?>\r\n"
                                                          "<QCLimitSet>\r\n"
                                                          "  <Criterion>\r\n"
                                                          "    <Kind>viscosity-at</Kind>\r\n"
                                                          "    <RPM>20</RPM>\r\n"
                                                          "    <Min>1000</Min>\r\n"
                                                          "    <Max>1500</Max>\r\n"
                                                          "  </Criterion>\r\n"
                                                          "  <Criterion>\r\n"
                                                          "    <Kind>temperature-at</Kind>\r\n"
                                                          "    <RPM>0.5</RPM>\r\n"
                                                          "    <Min></Min>\r\n"
                                                          "    <Max>25.5</Max>\r\n"
                                                          "  </Criterion>\r\n"
                                                          "  <Criterion>\r\n"
                                                          "    <Kind>activation-energy</Kind>\r\n"
                                                          "    <Min>12.25</Min>\r\n"
                                                          "    <Max></Max>\r\n"
                                                          "  </Criterion>\r\n"
                                                          "</QCLimitSet>\r\n");
    const TQcLimitSet loaded = LoadQcLimitSet(settings.Path(), QStringLiteral("Paint A"));
    EXPECT_EQ(loaded.Name, limitSet.Name);
    EXPECT_EQ(loaded.Criteria, limitSet.Criteria);
    EXPECT_EQ(QcLimitSetNames(settings.Path()), QStringList{QStringLiteral("Paint A")});

    // The Settings folder's .epr files are tab reports; a limit set is not one.
    TFileList tabs;
    LoadTabReports(tabs, settings.Path());
    EXPECT_EQ(tabs.Count(), 0);

    // What cannot be kept is refused before anything is written.
    limitSet.Criteria.push_back(Criterion(TQcKind::FlowIndex, 0, 0.9, 0.5));
    EXPECT_EQ(ErrorOf([&] { SaveQcLimitSet(settings.Path(), limitSet); }),
              QStringLiteral("The lower limit is above the upper limit."));
    EXPECT_EQ(LoadQcLimitSet(settings.Path(), QStringLiteral("Paint A")).Criteria.size(), 3u);
    limitSet.Criteria.back() = Criterion(TQcKind::FlowIndex, 0, {}, {});
    EXPECT_FALSE(ErrorOf([&] { SaveQcLimitSet(settings.Path(), limitSet); }).isEmpty());
    limitSet.Name = QStringLiteral("a/b");
    EXPECT_FALSE(ErrorOf([&] { SaveQcLimitSet(settings.Path(), limitSet); }).isEmpty());
}

// A damaged or missing limit set says so, and the batch is checked against nothing.
TEST_F(Qc, DamagedOrMissingLimitSetChecksNothing) {
    TempDir root;
    const QString local = root.File("Local");
    const QString settings = root.File("Settings");
    QDir().mkpath(local);
    QDir().mkpath(settings);
    QFile::copy(QcData + "two_speeds.epb", local + "/two_speeds.epb");
    AssignQcLimitSet(local, QStringLiteral("Paint"));

    const struct {
        const char* Text; // the file's text; nullptr for no file
        const char* Message;
    } cases[] = {
        {nullptr, "The QC limit set \"Paint\" does not exist."},
        {"<?xml version=\"1.0\"?>\r\n<QCLimitSet>\r\n  <Criterion>\r\n    <Kind>viscosity-at</Kind>\r\n",
         "The QC limit set \"Paint\" is damaged: The document ends inside the element"},
        {"<QCLimitSet><Criterion><Kind>colour</Kind><Min>1</Min><Max></Max></Criterion></"
         "QCLimitSet>",
         "The QC limit set \"Paint\" is damaged: criterion 1 measures \"colour\"."},
        {"<QCLimitSet><Criterion><Kind>flow-index</Kind><Min>a lot</Min><Max></Max></Criterion>"
         "</QCLimitSet>",
         "The QC limit set \"Paint\" is damaged: a limit of criterion 1 is not a number."},
        {"<QCLimitSet><Criterion><Kind>viscosity-at</Kind><Min>1</Min><Max></Max></Criterion>"
         "</QCLimitSet>",
         "The QC limit set \"Paint\" is damaged: criterion 1 has no speed."},
        {"<Batch></Batch>", "The QC limit set \"Paint\" is damaged: it is not a QC limit set."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Message);
        QFile::remove(settings + "/Paint.epq");
        if (c.Text) {
            QFile file(settings + "/Paint.epq");
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(c.Text);
        }
        const TQcResult result = CheckQcBatchFile(local + "/two_speeds.epb", settings, local);
        EXPECT_EQ(result.Verdict, TQcVerdict::None);
        EXPECT_EQ(result.LimitSet, QStringLiteral("Paint"));
        EXPECT_TRUE(result.Problem.startsWith(QLatin1String(c.Message))) << result.Problem.toStdString();
        EXPECT_TRUE(result.Criteria.empty());
        EXPECT_EQ(QcResultToJson(result, "b")["result"].toString(), QStringLiteral("none"));
    }
}

// A subfolder without its own assignment uses its nearest parent's, up to the Local
// root; the assignment is never listed among the folder's files.
TEST_F(Qc, AssignmentIsInheritedFromTheParentFolder) {
    TempDir root;
    const QString local = root.File("Local");
    const QString settings = root.File("Settings");
    const QString lab = local + "/Lab";
    const QString line = lab + "/Line 1";
    QDir().mkpath(line);
    QDir().mkpath(settings);
    QFile::copy(QcData + "two_speeds.epb", line + "/two_speeds.epb");
    SaveQcLimitSet(settings, {QStringLiteral("Loose"), {Criterion(TQcKind::ViscosityAt, 20, 200.0, 210.0)}});
    SaveQcLimitSet(settings, {QStringLiteral("Tight"), {Criterion(TQcKind::ViscosityAt, 20, 100.0, 200.0)}});
    const QString batch = line + "/two_speeds.epb";

    EXPECT_FALSE(FindQcAssignment(line, local));
    TQcResult result = CheckQcBatchFile(batch, settings, local);
    EXPECT_EQ(result.Verdict, TQcVerdict::None);
    EXPECT_TRUE(result.LimitSet.isEmpty());
    EXPECT_TRUE(result.Problem.isEmpty());
    EXPECT_EQ(QcResultLine(result), QStringLiteral("no specification"));

    AssignQcLimitSet(local, QStringLiteral("Loose")); // the Local root itself
    EXPECT_EQ(FindQcAssignment(line, local)->Folder, local + "/");
    AssignQcLimitSet(lab, QStringLiteral("Tight"));
    EXPECT_EQ(FolderQcAssignment(lab), QStringLiteral("Tight"));
    EXPECT_EQ(FolderQcAssignment(line), QString());
    result = CheckQcBatchFile(batch, settings, local);
    EXPECT_EQ(result.LimitSet, QStringLiteral("Tight"));
    EXPECT_EQ(result.Verdict, TQcVerdict::Fail);

    AssignQcLimitSet(line, QStringLiteral("Loose"));
    EXPECT_EQ(CheckQcBatchFile(batch, settings, local).Verdict, TQcVerdict::Pass);
    AssignQcLimitSet(line, QString()); // its own removed: the parent's again
    EXPECT_EQ(CheckQcBatchFile(batch, settings, local).LimitSet, QStringLiteral("Tight"));
    AssignQcLimitSet(lab, QString());
    EXPECT_EQ(CheckQcBatchFile(batch, settings, local).LimitSet, QStringLiteral("Loose"));

    // Above the Local root nothing is looked for; outside it only the folder's own counts.
    EXPECT_FALSE(FindQcAssignment(line, lab + "/Line 2"));
    AssignQcLimitSet(root.Path(), QStringLiteral("Tight"));
    EXPECT_FALSE(FindQcAssignment(lab, lab));

    // The folder list never shows the assignment.
    AssignQcLimitSet(line, QStringLiteral("Loose"));
    ASSERT_TRUE(QFile::exists(line + "/.qc-limits"));
    TFileList list;
    ScanFolder(line, list);
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Items(0)->FileName(), QStringLiteral("two_speeds.epb"));
}

} // namespace

// Names follow the rules of report names; a copy is named as the file operations
// name copies and is an independent file; a deleted set leaves its folders checking
// nothing.
TEST_F(Qc, NewCopiedAndDeletedLimitSets) {
    TempDir settings;
    SaveQcLimitSet(settings.Path(), {QStringLiteral("Paint"), {Criterion(TQcKind::FlowIndex, 0, 0.5, 0.9)}});

    const struct {
        const char* Name;
        const char* Message; // empty when the name is free
    } names[] = {
        {"Glue", ""},
        {"Paint", "A limit set with the name you specified already exists. Specify a different name."},
        {"PAINT", "A limit set with the name you specified already exists. Specify a different name."},
        {"", "\"\" is not a valid name."},
        {"a/b", "\"a/b\" is not a valid name."},
        {"tab\there", "\"tab\there\" is not a valid name."},
    };
    for (const auto& n : names)
        EXPECT_EQ(ErrorOf([&] { CheckNewQcLimitSetName(settings.Path(), QString::fromUtf8(n.Name)); }),
                  QString::fromUtf8(n.Message))
            << n.Name;

    EXPECT_EQ(CopyQcLimitSet(settings.Path(), QStringLiteral("Paint")), QStringLiteral("Copy of Paint"));
    EXPECT_EQ(CopyQcLimitSet(settings.Path(), QStringLiteral("Paint")), QStringLiteral("Copy (2) of Paint"));
    EXPECT_EQ(LoadQcLimitSet(settings.Path(), QStringLiteral("Copy of Paint")).Criteria,
              LoadQcLimitSet(settings.Path(), QStringLiteral("Paint")).Criteria);

    DeleteQcLimitSet(settings.Path(), QStringLiteral("Paint"));
    EXPECT_EQ(QcLimitSetNames(settings.Path()),
              (QStringList{QStringLiteral("Copy (2) of Paint"), QStringLiteral("Copy of Paint")}));
    EXPECT_EQ(ErrorOf([&] { CopyQcLimitSet(settings.Path(), QStringLiteral("Paint")); }),
              QStringLiteral("The QC limit set \"Paint\" does not exist."));
    EXPECT_TRUE(ErrorOf([&] {
                    DeleteQcLimitSet(settings.Path(), QStringLiteral("Paint"));
                }).endsWith(QLatin1String("No such file or directory")));
}
