#pragma once

// Batches the export tests and the sample writer share, so that the Python checks
// of the written files and the C++ tests talk about the same data.

#include "documents/BatchItem.h"

#include <QString>

// 2024-03-05 12:00:00 and one second.
inline constexpr double SampleNoon = 45356.5;
inline constexpr double SampleSecond = 1.0 / 86400.0;

inline TMeasurementItem* AddReading(TBatchItem& batch, double dateTime, double viscosity, double temperature,
                                    int rpmCode, double stress = 0, double rate = 0) {
    TMeasurementItem* r = batch.Measurements.Add();
    r->DateTime = dateTime;
    r->Viscosity = viscosity;
    r->Temperature = temperature;
    r->RPMCode = rpmCode;
    r->SheerStress = stress;
    r->SheerRate = rate;
    return r;
}

// Model RV1-L with the shear spindle LCP; readings sorted by viscosity on export.
inline void FillSampleBatch(TBatchItem& batch) {
    batch.FileTitle = "Sample";
    batch.Company = "Acme, Inc.";
    batch.Operator = QString::fromUtf8("Zoë");
    batch.Identifier = "ID-7";
    batch.Note = "line one\r\nline two";
    batch.ModelType = 0;
    batch.SpindleType = 7; // LCP: full scale 240 at 2.5 RPM, 50 at 12 RPM, 2000 at 0.3 RPM
    batch.SelectedXAxis = 1;

    TProcessItem* p = batch.Processes.Add();
    p->Identifier = "Ramp up";
    p->RPMStart = 1; // 0.3 RPM
    p->RPMEnd = 7;   // 2.5 RPM
    p->Time = 60;
    p->UseStartTemperature = true;
    p->StartTemperature = 25.04;
    p->StartTemperatureType = 1;
    p->UseStartDelay = true;
    p->StartDelay = 10;
    p->MeasurementCount = 5;
    p = batch.Processes.Add();
    p->Identifier = "Hold \"fast\"";
    p->RPMStart = 13; // 12 RPM
    p->RPMEnd = 13;
    p->Time = 30;
    p->MeasurementCount = 3;

    AddReading(batch, SampleNoon, 150.0, 25.04, 7, 0.25, 0.75);                 // 62.5 % of 240
    AddReading(batch, SampleNoon + SampleSecond, 1000.0, 26.0, 13, 9, 9);       // over scale (50)
    AddReading(batch, SampleNoon + 2 * SampleSecond, 12.0, -15.0, 1, 1.5, 2.5); // 0.6 % of 2000
}
