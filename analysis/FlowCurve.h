#pragma once

// The measured points of the flow curve: the shear rate and shear stress of the readings
// the flow models are fitted to, for charts that draw them beside the models' curves.

#include "analysis/Analysis.h"

#include <vector>

class TMeasurementList;

struct TFlowCurvePoints {
    std::vector<double> ShearRate;   // 1/s
    std::vector<double> ShearStress; // dyn/cm²
    size_t Size() const { return ShearRate.size(); }
};

// The readings AnalyzeReadings fits its flow models to, in reading order: usable (not
// over scale, a viscosity and a turning spindle, not low torque unless included) and
// with a shear rate and a shear stress above 0.
TFlowCurvePoints FlowCurvePoints(int model, int spindle, const TMeasurementList& readings,
                                 const TAnalysisOptions& options = {});
