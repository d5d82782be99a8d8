#include "catalogue/Catalogue.h"
#include "core/Error.h"
#include "support/ErrorOf.h"

#include <gtest/gtest.h>

namespace {

// ---------------------------------------------------------------------------
// Speed ladder

TEST(CatalogueSpeeds, LadderAscendsWithPositionsInOrder) {
    for (int p = 0; p < RPMTableCount; ++p) {
        EXPECT_EQ(RPMTable[p].Position, p);
        EXPECT_EQ(RPMCodeToIndex(RPMIndexToCode(p)), p);
        EXPECT_EQ(RPMCodeToValue(RPMIndexToCode(p)), RPMIndexToValue(p));
        if (p > 0) {
            EXPECT_LT(RPMTable[p - 1].RPM, RPMTable[p].RPM) << p;
        }
    }
}

TEST(CatalogueSpeeds, CodeLookups) {
    struct Case {
        int code;
        double rpm;
        int position;
    };
    const Case cases[] = {
        {0, 0.0, 0},    {20, 0.1, 1},    {21, 0.2, 2},  {1, 0.3, 3},   {4, 1.0, 6},
        {13, 12.0, 15}, {19, 200.0, 21}, {22, 0.0, -1}, {99, 0.0, -1}, {-1, 0.0, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RPMCodeToValue(c.code), c.rpm) << c.code;
        EXPECT_EQ(RPMCodeToIndex(c.code), c.position) << c.code;
    }
}

TEST(CatalogueSpeeds, NeighbourCodes) {
    struct Case {
        int code;
        int faster;
        int slower;
    };
    const Case cases[] = {
        {0, 20, -1},  {20, 21, 0},  {21, 1, 20},  {1, 2, 21},
        {13, 14, 12}, {18, 19, 17}, {19, -1, 18}, {22, 20, -1}, // unknown codes count as stopped
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NextFasterRPMCode(c.code), c.faster) << c.code;
        EXPECT_EQ(NextSlowerRPMCode(c.code), c.slower) << c.code;
    }
}

TEST(CatalogueSpeeds, SlowestAndFastest) {
    for (int code = -1; code <= 22; ++code) {
        EXPECT_EQ(IsSlowestRPMCode(code), code == 0) << code;
        EXPECT_EQ(IsFastestRPMCode(code), code == 19) << code;
    }
}

TEST(CatalogueSpeeds, StepCounts) {
    struct Case {
        int from;
        int to;
        int steps;
    };
    const Case cases[] = {
        {20, 4, 5}, {4, 20, 5}, {7, 7, 0}, {0, 19, 21}, {19, 0, 21}, {21, 1, 1}, {1, 21, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RPMStepCount(c.from, c.to), c.steps) << c.from << " -> " << c.to;
    // Same as the distance of positions for every pair of the table.
    for (const TRPMEntry& a : RPMTable)
        for (const TRPMEntry& b : RPMTable)
            ASSERT_EQ(RPMStepCount(a.Code, b.Code), std::abs(a.Position - b.Position));
}

TEST(CatalogueSpeeds, StepCountEndsForCodesOutsideTheTable) {
    // An unknown start counts as stopped; unreachable targets end at the ladder's end.
    EXPECT_EQ(RPMStepCount(22, 5), 7);
    EXPECT_GE(RPMStepCount(5, 22), 0);
    EXPECT_GE(RPMStepCount(22, 23), 0);
    EXPECT_GE(RPMStepCount(-5, 99), 0);
}

// ---------------------------------------------------------------------------
// Models and spindles

TEST(CatalogueSpindles, PickerPositions) {
    struct Case {
        int model;
        int index;
        int spindle;
    };
    const Case cases[] = {
        {0, 0, 0}, {0, 7, 7}, {0, 13, 13}, {2, 8, 8}, {1, 0, 8}, {1, 6, 14}, {1, 16, 24}, {3, 5, 13},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SpindleFromIndex(c.model, c.index), c.spindle) << c.model << "/" << c.index;
        EXPECT_EQ(SpindleToIndex(c.model, c.spindle), c.index) << c.model << "/" << c.spindle;
    }
    EXPECT_EQ(SpindleToIndex(0, 14), -1);
    EXPECT_EQ(SpindleToIndex(1, 7), -1);
    EXPECT_EQ(SpindleToIndex(4, 8), -1);
}

TEST(CatalogueSpindles, CountsAndRoundTrip) {
    const int counts[] = {14, 17, 14, 17};
    for (int model = 0; model < ModelTypeCount; ++model) {
        ASSERT_EQ(SpindleCount(model), counts[model]);
        for (int i = 0; i < counts[model]; ++i)
            EXPECT_EQ(SpindleToIndex(model, SpindleFromIndex(model, i)), i);
    }
    EXPECT_EQ(SpindleCount(4), 0);
    EXPECT_EQ(SpindleCount(-1), 0);
}

TEST(CatalogueSpindles, IndexOutsideThePickerRaises) {
    const struct {
        int model;
        int index;
    } cases[] = {{0, 14}, {1, 17}, {0, -1}, {4, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(ErrorOf([&] { SpindleFromIndex(c.model, c.index); }), "Invalid Spindle Index")
            << c.model << "/" << c.index;
}

TEST(CatalogueSpindles, KindsAndNames) {
    for (int s = 0; s < SpindleTypeCount; ++s) {
        const QString name = SpindleNames[s];
        EXPECT_EQ(IsTBarSpindle(s), name.size() == 2 && name.startsWith('P')) << s;
        EXPECT_EQ(SpindleHasShear(s), name == "LCP" || name.startsWith("TR")) << s;
        // L models take L1..PF, R models PA..TR11.
        EXPECT_EQ(IsSpindleValid(0, s), s <= 13) << s;
        EXPECT_EQ(IsSpindleValid(2, s), s <= 13) << s;
        EXPECT_EQ(IsSpindleValid(1, s), s >= 8) << s;
        EXPECT_EQ(IsSpindleValid(3, s), s >= 8) << s;
    }
    EXPECT_STREQ(SpindleNames[7], "LCP");
    EXPECT_STREQ(SpindleNames[21], "TR8");
    EXPECT_STREQ(SpindleNames[24], "TR11");
    EXPECT_STREQ(ModelNames[0], "Korvane 4150 RV1-L");
    EXPECT_STREQ(ModelNames[3], "Korvane 4150 RV2-R");
    EXPECT_STREQ(ModelReplies[1], "V1-R");
}

// ---------------------------------------------------------------------------
// Full scale

TEST(CatalogueFullScale, Cells) {
    struct Case {
        int model;
        int spindle;
        int code;
        double expected;
    };
    const Case cases[] = {
        {0, 0, 1, 20000},   // L1 at 0.3
        {2, 8, 14, 0},      // PA at 20: T-bar above 12 RPM
        {1, 0, 4, 0},       // L1 on an R model
        {3, 20, 10, 80000}, // R7 at 5
        {0, 0, 0, OverRangeViscosity},
        {1, 24, 0, OverRangeViscosity},
        {0, 0, 22, 0},
        {0, 0, -1, 0},
        {0, 0, 19, 30}, // L1 at 200
        {0, 7, 18, 6},  // LCP at 100
        // Cells of the L sheet that break the speed ratio.
        {0, 8, 20, 190000},   // PA 0.1
        {0, 9, 20, 379000},   // PB 0.1
        {2, 10, 20, 400000},  // PC 0.1
        {0, 10, 21, 470000},  // PC 0.2
        {0, 11, 21, 540000},  // PD 0.2
        {0, 12, 21, 2200000}, // PE 0.2
        {0, 13, 3, 1000000},  // PF 0.6
        {0, 13, 13, 78000},   // PF 12
        {0, 4, 9, 750},       // TL5 4
        // R sheet.
        {1, 8, 5, 133330},      // PA 1.5
        {1, 13, 20, 100000000}, // PF 0.1
        {3, 13, 13, 833320},    // PF 12
        {1, 14, 13, 833},       // R1 12
        {1, 14, 17, 166},       // R1 60
        {1, 15, 17, 660},       // R2 60
        {1, 16, 1, 333000},     // R3 0.3
        {1, 18, 20, 3900000},   // R5 0.1
        {1, 19, 1, 3330000},    // R6 0.3
        {1, 19, 8, 333000},     // R6 3
        {1, 19, 11, 166000},    // R6 6
        {1, 19, 15, 33330},     // R6 30
        {1, 20, 9, 1000000},    // R7 4
        {1, 20, 11, 66000},     // R7 6
        {1, 20, 13, 33330},     // R7 12
        {1, 20, 17, 6660},      // R7 60
        {1, 21, 13, 4160},      // TR8 12
        {1, 22, 21, 1300000},   // TR9 0.2
        {3, 22, 13, 20830},     // TR9 12
        {3, 24, 19, 5000},      // TR11 200
        {1, 9, 14, 0},          // PB 20
    };
    for (const Case& c : cases)
        EXPECT_EQ(FullScale(c.model, c.spindle, c.code), c.expected)
            << "model " << c.model << " spindle " << SpindleNames[c.spindle] << " code " << c.code;
}

TEST(CatalogueFullScale, TableShape) {
    double sumL = 0.0;
    double sumR = 0.0;
    for (int s = 0; s < SpindleTypeCount; ++s) {
        EXPECT_EQ(FullScaleTableL[0][s], OverRangeViscosity);
        EXPECT_EQ(FullScaleTableR[0][s], OverRangeViscosity);
        for (int p = 1; p < RPMTableCount; ++p) {
            const double rpm = RPMIndexToValue(p);
            for (int family = 0; family < 2; ++family) {
                const double fs = (family == 0 ? FullScaleTableL : FullScaleTableR)[p][s];
                // A spindle measures on a family exactly where it is accepted, and
                // T-bar spindles not above 12 RPM.
                const bool usable = IsSpindleValid(family, s) && !(IsTBarSpindle(s) && rpm > 12.0);
                EXPECT_EQ(fs > 0.0, usable) << family << " " << SpindleNames[s] << " " << rpm;
            }
            sumL += FullScaleTableL[p][s];
            sumR += FullScaleTableR[p][s];
        }
    }
    // Totals of the data sheet, to catch an edited cell.
    EXPECT_EQ(sumL, 65180688.0);
    EXPECT_EQ(sumR, 669342125.0);
}

TEST(CatalogueFullScale, UnknownModelRaises) {
    for (int model : {4, -1, 100}) {
        EXPECT_EQ(ErrorOf([&] { FullScale(model, 0, 1); }), "Invalid ModelType");
        EXPECT_EQ(ErrorOf([&] { PercentFullScale(model, 0, 1, 10.0); }), "Invalid ModelType");
    }
    // The code is checked first.
    EXPECT_EQ(FullScale(4, 0, 22), 0.0);
}

TEST(CatalogueFullScale, PercentAndOverScale) {
    struct Case {
        int model;
        int spindle;
        int code;
        double viscosity;
        double percent;
        bool over;
    };
    const Case cases[] = {
        {0, 0, 1, 5000, 25, false},
        {0, 0, 1, 20000, 100, false}, // equal to full scale is not over
        {0, 0, 1, 20000.5, 100.0025, true},
        {1, 0, 4, 10, 0, true}, // spindle not accepted
        {1, 0, 4, 0, 0, false},
        {0, 8, 14, 1, 0, true},                    // T-bar above 12 RPM
        {0, 0, 0, OverRangeViscosity, 100, false}, // stopped: never over
        {0, 0, 4, OverRangeViscosity, OverRangeViscosity / 6000 * 100, true},
        {0, 0, 30, 5, 0, true},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(PercentFullScale(c.model, c.spindle, c.code, c.viscosity), c.percent)
            << c.model << " " << c.spindle << " " << c.code << " " << c.viscosity;
        EXPECT_EQ(IsOverScale(c.model, c.spindle, c.code, c.viscosity), c.over)
            << c.model << " " << c.spindle << " " << c.code << " " << c.viscosity;
    }
    EXPECT_EQ(OverScaleText(), "Over scale");
}

// ---------------------------------------------------------------------------
// Paper table and rounding

TEST(CatalogueRounding, RoundHalfUp) {
    struct Case {
        double x;
        std::int64_t expected;
    };
    const Case cases[] = {
        {0.0, 0},           {2.4, 2},
        {2.5, 3},           {2.6, 3},
        {-0.4, 0},          {-0.5, 0},
        {-2.5, -2},         {-2.7, -2},
        {-3.6, -3},         {1e10, 10000000000LL},
        {1e300, INT64_MAX}, {-1e300, INT64_MIN},
        {std::nan(""), 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RoundHalfUp(c.x), c.expected) << c.x;
}

TEST(CataloguePaper, SizeLookup) {
    struct Case {
        int width;
        int height;
        int index;
    };
    const Case cases[] = {
        {2100, 2970, 4},
        {2970, 2100, 4},
        {2000, 3000, 0},
        {4200, 5940, 2},
        {5940, 4200, 2},
        {2159, 2794, 8},
        {2159, 3556, 7},
        {2794, 4318, 9},
        {1841, 2667, 6},
        {2970, 4200, 3},
        {1480, 2100, 5},
        // A3's short side is A4's long side; only an exact pair matches.
        {2970, 2970, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PaperFromSize(c.width, c.height), c.index) << c.width << "x" << c.height;
    // A new A4 page in millimetres, rounded the way callers round it.
    EXPECT_EQ(PaperFromSize(RoundHalfUp(209.99 * 10), RoundHalfUp(297.02 * 10)), 4);
}

TEST(CataloguePaper, Names) {
    const char* names[] = {"Custom", "Default",   "A2",    "A3",     "A4",
                           "A5",     "Executive", "Legal", "Letter", "Tabloid"};
    for (int i = 0; i < PaperSizeCount; ++i)
        EXPECT_EQ(PaperName(i), names[i]);
    EXPECT_EQ(PaperName(10), QString());
    EXPECT_EQ(PaperName(-1), QString());
}

} // namespace
