#include "analysis/FlowCurve.h"

#include "catalogue/Catalogue.h"
#include "documents/BatchItem.h"

#include <cmath>

namespace {

bool Positive(double value) {
    return std::isfinite(value) && value > 0.0;
}

} // namespace

TFlowCurvePoints FlowCurvePoints(int model, int spindle, const TMeasurementList& readings,
                                 const TAnalysisOptions& options) {
    TFlowCurvePoints points;
    const bool known = model >= 0 && model < ModelTypeCount && spindle >= 0 && spindle < SpindleTypeCount;
    for (const TMeasurementItem* reading : readings) {
        const double viscosity = reading->Viscosity;
        const double fullScale = known ? FullScale(model, spindle, reading->RPMCode) : 0.0;
        if (viscosity >= OverRangeViscosity || fullScale < viscosity)
            continue;
        if (!Positive(viscosity) || !(RPMCodeToValue(reading->RPMCode) > 0.0) ||
            (!options.IncludeLowTorque && viscosity / fullScale * 100.0 < LowTorquePercent))
            continue;
        if (Positive(reading->SheerRate) && Positive(reading->SheerStress)) {
            points.ShearRate.push_back(reading->SheerRate);
            points.ShearStress.push_back(reading->SheerStress);
        }
    }
    return points;
}
