#pragma once

// The full-scale viscosity (mPas) that the instrument maker publishes for a model
// (0 to 3), spindle (0 to 24) and speed code: what the simulated instrument measures
// against. 0 when the spindle cannot be used at that speed on that model; 1.7e308
// (no limit) while the spindle stands still (code 0).
double PublishedFullScale(int model, int spindle, int rpmCode);
