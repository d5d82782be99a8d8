#include "analysis/Analysis.h"

#include "catalogue/Catalogue.h"
#include "documents/BatchItem.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <cmath>

namespace {

const QString DataDir = QStringLiteral(BRAMBLEX_TEST_DATA_DIR "/analysis/");

TBatchAnalysis AnalyzeFixture(const QString& file, const TAnalysisOptions& options = {}) {
    TBatchItem batch;
    batch.LoadFromFile(DataDir + file);
    return AnalyzeBatch(batch, options);
}

// Compares what we computed with the outside tool's values: the same keys, the same
// list lengths, the same nulls, numbers to a relative 1e-6 (and 1e-12 absolute for a
// value that is 0 but for rounding, as R² of a fit that explains nothing). Adds a
// failure naming the path of every difference.
void ExpectSame(const QJsonValue& actual, const QJsonValue& expected, const QString& path) {
    if (expected.isDouble()) {
        ASSERT_TRUE(actual.isDouble()) << path.toStdString() << " is not a number";
        const double a = actual.toDouble();
        const double e = expected.toDouble();
        EXPECT_LE(std::abs(a - e), 1e-6 * std::abs(e) + 1e-12)
            << path.toStdString() << ": " << a << " expected " << e;
    } else if (expected.isObject()) {
        ASSERT_TRUE(actual.isObject()) << path.toStdString() << " is not an object";
        const QJsonObject a = actual.toObject();
        const QJsonObject e = expected.toObject();
        EXPECT_EQ(a.keys(), e.keys()) << path.toStdString();
        for (auto it = e.begin(); it != e.end(); ++it)
            ExpectSame(a.value(it.key()), it.value(), path + QLatin1Char('.') + it.key());
    } else if (expected.isArray()) {
        ASSERT_TRUE(actual.isArray()) << path.toStdString() << " is not a list";
        const QJsonArray a = actual.toArray();
        const QJsonArray e = expected.toArray();
        ASSERT_EQ(a.size(), e.size()) << path.toStdString();
        for (qsizetype i = 0; i < e.size(); ++i)
            ExpectSame(a[i], e[i], path + QStringLiteral("[%1]").arg(i));
    } else {
        EXPECT_EQ(actual, expected) << path.toStdString();
    }
}

QJsonArray ExpectedCases() {
    QFile file(DataDir + QStringLiteral("expected.json"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return QJsonDocument::fromJson(file.readAll()).array();
}

TEST(Analysis, MatchesTheReferenceValuesOfEveryFixture) {
    const QJsonArray cases = ExpectedCases();
    ASSERT_EQ(cases.size(), 16);
    for (const auto& entry : cases) {
        const QJsonObject c = entry.toObject();
        const QString file = c["file"].toString();
        SCOPED_TRACE(file.toStdString() + (c["include_low_torque"].toBool() ? " with low torque" : ""));
        TAnalysisOptions options;
        options.IncludeLowTorque = c["include_low_torque"].toBool();
        const TBatchAnalysis analysis = AnalyzeFixture(file, options);
        QJsonObject expected = c["analysis"].toObject();
        expected.insert("file", file);
        ExpectSame(AnalysisToJson(analysis, file), expected, file);
    }
}

// Every result that is absent says why; the reason names what is missing.
TEST(Analysis, SaysWhyAResultIsAbsent) {
    struct TCase {
        const char* File;
        const char* FlowModels; // a part of the reason, or nullptr when models were fitted
        const char* SpeedPowerLaw;
        const char* Thixotropic;
        const char* Arrhenius;
    };
    const TCase cases[] = {
        {"paste.epb", nullptr, nullptr, nullptr, "5 K"},
        {"one_speed.epb", nullptr, "two different speeds", "ten times", nullptr},
        {"no_shear.epb", "spindle gives no shear data", nullptr, "ten times", nullptr},
        {"nothing_usable.epb", "No usable reading has shear data", "No usable reading", "No usable reading",
         "No usable reading"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.File);
        const TBatchAnalysis a = AnalyzeFixture(QString::fromLatin1(c.File));
        auto check = [](const char* part, bool present, const QString& reason) {
            if (part) {
                EXPECT_FALSE(present);
                EXPECT_TRUE(reason.contains(QString::fromUtf8(part))) << reason.toStdString();
            } else {
                EXPECT_TRUE(present) << reason.toStdString();
                EXPECT_TRUE(reason.isEmpty());
            }
        };
        check(c.FlowModels, !a.FlowModels.empty(), a.FlowModelsReason);
        check(c.SpeedPowerLaw, bool(a.SpeedPowerLaw), a.SpeedPowerLaw.Reason);
        check(c.Thixotropic, bool(a.ThixotropicIndex), a.ThixotropicIndex.Reason);
        check(c.Arrhenius, bool(a.Arrhenius), a.Arrhenius.Reason);
    }
}

TEST(Analysis, NamesTheModelsThatNeedMorePoints) {
    const TBatchAnalysis few = AnalyzeFixture(("too_few.epb"));
    ASSERT_EQ(few.MissingFlowModels.size(), 1u);
    EXPECT_EQ(few.MissingFlowModels[0].Model, TFlowModel::HerschelBulkley);
    EXPECT_TRUE(few.MissingFlowModels[0].Reason.contains("more than 3"))
        << few.MissingFlowModels[0].Reason.toStdString();

    // One speed gives one shear rate: only the model through the origin is determined.
    const TBatchAnalysis one = AnalyzeFixture(("one_speed.epb"));
    ASSERT_EQ(one.MissingFlowModels.size(), 4u);
    for (const auto& missing : one.MissingFlowModels)
        EXPECT_TRUE(missing.Reason.contains("different shear rates")) << missing.Reason.toStdString();
}

TEST(Analysis, NothingUsableSaysWhy) {
    const TBatchAnalysis none = AnalyzeFixture(("nothing_usable.epb"));
    EXPECT_EQ(none.NothingUsableReason(), "No usable reading: 2 over scale, 1 low torque.");
    EXPECT_EQ(AnalyzeBatch(TBatchItem()).NothingUsableReason(), "The batch has no readings.");
    EXPECT_TRUE(AnalyzeFixture(("paste.epb")).NothingUsableReason().isEmpty());
}

// A model or spindle outside the tables has no full scale: every reading with a
// viscosity is over scale, and nothing raises.
TEST(Analysis, UnknownModelOrSpindleLeavesEveryReadingOut) {
    TBatchItem batch;
    batch.LoadFromFile(DataDir + "paste.epb");
    for (const auto& [model, spindle] : {std::pair{7, 21}, std::pair{3, 40}, std::pair{-1, 0}}) {
        batch.ModelType = static_cast<uint8_t>(model);
        batch.SpindleType = static_cast<uint8_t>(spindle);
        const TBatchAnalysis a = AnalyzeReadings(model, spindle, batch.Measurements);
        EXPECT_EQ(a.Used, 0);
        EXPECT_EQ(a.ExcludedOverScale + a.ExcludedLowTorque, a.Readings);
        EXPECT_GT(a.ExcludedOverScale, 40);
    }
}

// One reading at a time, as a view marks the points of its flow curve: LCP on a V1-L
// has a full scale of 600 mPas at 1 RPM (60 below 10 %), and none at the stopped speed.
TEST(Analysis, ClassifiesEachReading) {
    struct TCase {
        int Model;
        double Viscosity;
        int RPMCode;
        bool IncludeLowTorque;
        TReadingUse Use;
    };
    const TCase cases[] = {
        {0, 300.0, 4, false, TReadingUse::Used},
        {0, 600.0, 4, false, TReadingUse::Used},       // at full scale, not above
        {0, 600.5, 4, false, TReadingUse::OverScale},  // above full scale
        {0, 1.7e308, 4, true, TReadingUse::OverScale}, // the over-range marker
        {0, 1.7e308, 0, true, TReadingUse::OverScale}, // even where nothing limits the speed
        {0, 59.0, 4, false, TReadingUse::LowTorque},   // below 10 %
        {0, 59.0, 4, true, TReadingUse::Used},         // low torque included
        {0, 0.0, 4, true, TReadingUse::LowTorque},     // no viscosity
        {0, 300.0, 0, true, TReadingUse::LowTorque},   // a stopped spindle
        {5, 300.0, 4, true, TReadingUse::OverScale},   // no such model: no full scale
    };
    for (const auto& c : cases) {
        TMeasurementItem reading;
        reading.Viscosity = c.Viscosity;
        reading.RPMCode = c.RPMCode;
        TAnalysisOptions options;
        options.IncludeLowTorque = c.IncludeLowTorque;
        EXPECT_EQ(ClassifyReading(c.Model, 7, reading, options), c.Use)
            << c.Viscosity << " at code " << c.RPMCode;
    }
    TMeasurementItem shear;
    shear.SheerRate = 2.0;
    EXPECT_FALSE(HasShearData(shear));
    shear.SheerStress = 0.5;
    EXPECT_TRUE(HasShearData(shear));
}

// The fitted curves go through the data they were fitted to: at each model's own
// parameters the curve equals the formula of the model.
TEST(Analysis, CurvesFollowTheirModels) {
    const TBatchAnalysis a = AnalyzeFixture(("paste.epb"));
    ASSERT_EQ(a.FlowModels.size(), 5u);
    const double rate = 7.5;
    auto p = [&](TFlowModel model, const char* key) { return a.Fit(model)->Parameter(key)->Value; };
    EXPECT_DOUBLE_EQ(a.Fit(TFlowModel::Newtonian)->ShearStressAt(rate),
                     p(TFlowModel::Newtonian, "viscosity") * rate);
    EXPECT_DOUBLE_EQ(a.Fit(TFlowModel::PowerLaw)->ShearStressAt(rate),
                     p(TFlowModel::PowerLaw, "K") * std::pow(rate, p(TFlowModel::PowerLaw, "n")));
    EXPECT_DOUBLE_EQ(a.Fit(TFlowModel::Bingham)->ShearStressAt(rate),
                     p(TFlowModel::Bingham, "yield_stress") +
                         p(TFlowModel::Bingham, "plastic_viscosity") * rate);
    EXPECT_NEAR(a.Fit(TFlowModel::Casson)->ShearStressAt(rate),
                std::pow(std::sqrt(p(TFlowModel::Casson, "yield_stress")) +
                             std::sqrt(p(TFlowModel::Casson, "casson_viscosity") * rate),
                         2),
                1e-9);
    EXPECT_DOUBLE_EQ(a.Fit(TFlowModel::HerschelBulkley)->ShearStressAt(rate),
                     p(TFlowModel::HerschelBulkley, "yield_stress") +
                         p(TFlowModel::HerschelBulkley, "K") *
                             std::pow(rate, p(TFlowModel::HerschelBulkley, "n")));
    EXPECT_EQ(a.Best()->Model, TFlowModel::HerschelBulkley);
}

TEST(Analysis, FieldTextsShowTheBestModelOrADash) {
    QLocale::setDefault(QLocale::c());
    const TBatchAnalysis paste = AnalyzeFixture(("paste.epb"));
    EXPECT_EQ(FlowModelFieldText(paste), QString::fromUtf8("Herschel–Bulkley"));
    EXPECT_EQ(FlowModelParametersFieldText(paste),
              QString::fromUtf8("τ₀ = 152.9 dyn/cm², K = 27.33 dyn·sⁿ/cm², n = 0.5191"));
    EXPECT_EQ(FlowModelR2FieldText(paste).left(4), "0.99");
    EXPECT_EQ(ThixotropicIndexFieldText(paste), "7.612");
    const QString dash = QString::fromUtf8("–");
    EXPECT_EQ(ActivationEnergyFieldText(paste), dash);

    const TBatchAnalysis plain = AnalyzeFixture(("no_shear.epb"));
    EXPECT_EQ(FlowModelFieldText(plain), dash);
    EXPECT_EQ(FlowModelParametersFieldText(plain), dash);
    EXPECT_EQ(FlowModelR2FieldText(plain), dash);
    EXPECT_EQ(FlowIndexFieldText(plain), "0.9411");
    EXPECT_EQ(ActivationEnergyFieldText(plain), "21.27");
}

} // namespace
