#!/usr/bin/python3
"""Writes the analysis fixtures: batches (.epb) and the values an outside tool computes
for them (expected.json), scipy's curve_fit for the flow models and linregress for the
straight lines. Run by hand when the fixtures change; the tests only read its output.

    /usr/bin/python3 tests/analysis/make_reference.py tests/data/analysis
"""

import json
import math
import os
import sys

import numpy as np
from scipy.optimize import curve_fit
from scipy.stats import linregress

OVER_RANGE = 1.7e308
GAS_CONSTANT = 8.314462618

# Speed codes and RPM of the instrument's ladder.
RPM = {20: 0.1, 21: 0.2, 1: 0.3, 2: 0.5, 3: 0.6, 4: 1.0, 5: 1.5, 6: 2.0, 7: 2.5, 8: 3.0, 9: 4.0,
       10: 5.0, 11: 6.0, 12: 10.0, 13: 12.0, 14: 20.0, 15: 30.0, 16: 50.0, 17: 60.0, 18: 100.0,
       19: 200.0}
CODE = {rpm: code for code, rpm in RPM.items()}

# Full scale in mPas from the instrument's data sheet, for the spindles the fixtures use.
# (model family, spindle) -> {rpm: full scale}
FULL_SCALE = {
    # TR8 on an R model
    ("R", 21): {0.1: 500000, 0.2: 250000, 0.3: 166600, 0.5: 100000, 0.6: 83300, 1.0: 50000,
                1.5: 33300, 2.0: 25000, 2.5: 20000, 3.0: 16600, 4.0: 12500, 5.0: 10000, 6.0: 8300,
                10.0: 5000, 12.0: 4160, 20.0: 2500, 30.0: 1600, 50.0: 1000, 60.0: 833, 100.0: 500,
                200.0: 250},
    # LCP on an L model
    ("L", 7): {0.1: 6000, 0.2: 3000, 0.3: 2000, 0.5: 1200, 0.6: 1000, 1.0: 600, 1.5: 400,
               2.0: 300, 2.5: 240, 3.0: 200, 4.0: 150},
    # L2 on an L model
    ("L", 1): {0.3: 100000, 0.6: 50000, 1.0: 30000, 1.5: 20000, 3.0: 10000, 6.0: 5000,
               12.0: 2500, 30.0: 1000, 60.0: 500},
}
SHEAR_RATE_PER_RPM = {21: 1.32, 7: 2.0}
SPINDLE_HAS_SHEAR = {21: True, 7: True, 1: False}


def family(model):
    return "L" if model in (0, 2) else "R"


class Batch:
    def __init__(self, name, model, spindle, note):
        self.name, self.model, self.spindle, self.note = name, model, spindle, note
        self.readings = []  # (viscosity text, temperature text, code, stress text, rate text)

    def add(self, rpm, viscosity, temperature, stress=0.0, rate=0.0):
        v = "1.7E308" if viscosity >= OVER_RANGE else "%.1f" % viscosity
        self.readings.append((v, "%.1f" % temperature, CODE[rpm], "%.2f" % stress, "%.2f" % rate))

    def write(self, folder):
        lines = ['<?xml version="1.0"?>', "<Batch>", "  <Company>Korvane Test Lab</Company>",
                 "  <Operator>Fixture</Operator>", "  <ModelType>%d</ModelType>" % self.model,
                 "  <SpindleType>%d</SpindleType>" % self.spindle, "  <Note>%s</Note>" % self.note,
                 "  <Identifier>%s</Identifier>" % self.name, "  <SelectedXAxis>0</SelectedXAxis>",
                 "  <SelectedYAxis>0</SelectedYAxis>", "  <Processes></Processes>", "  <Measurements>"]
        for i, (v, t, code, stress, rate) in enumerate(self.readings):
            lines += ["    <Measurement>", "      <DateTime>%.10f</DateTime>" % (46000.5 + i * 10 / 86400),
                      "      <Viscosity>%s</Viscosity>" % v, "      <Temperature>%s</Temperature>" % t,
                      "      <RPMCode>%d</RPMCode>" % code, "      <SheerStress>%s</SheerStress>" % stress,
                      "      <SheerRate>%s</SheerRate>" % rate, "    </Measurement>"]
        lines += ["  </Measurements>", "</Batch>", ""]
        with open(os.path.join(folder, self.name + ".epb"), "w", newline="\r\n") as f:
            f.write("\n".join(lines))


# ---------------------------------------------------------------------------
# The reference computation, from the values as written (parsed back from text)

def tight(f, jac, x, y, p0):
    """curve_fit to the minimum itself: the model's own Jacobian (a finite-difference one
    makes the covariance good to only about 1e-6), restarted once from where it stopped."""
    for _ in range(2):
        p0, pcov = curve_fit(f, x, y, p0=p0, jac=jac, method="lm", ftol=1e-15, xtol=1e-15, gtol=1e-15,
                             maxfev=100000)
    return p0, pcov


def r2(ss_res, y):
    ss_tot = float(np.sum((y - np.mean(y)) ** 2))
    return None if ss_tot == 0 else 1.0 - ss_res / ss_tot


def aicc(ss_res, n, p):
    if n <= p + 1 or ss_res <= 0:
        return None
    return n * math.log(ss_res / n) + 2 * p + 2 * p * (p + 1) / (n - p - 1)


def fit_models(x, y):
    n = len(x)
    rates = len(set(x))
    models = []

    def add(name, keys, values, errors, r2_value, ss_tau):
        models.append({"model": name, "parameters": dict(zip(keys, map(float, values))),
                       "standard_errors": dict(zip(keys, map(float, errors))), "r2": r2_value,
                       "points": n, "aicc": aicc(ss_tau, n, len(keys))})

    def ok(p):
        return n > p and rates >= p

    if ok(1):
        f = lambda g, eta: eta * g
        popt, pcov = tight(f, lambda g, eta: np.stack([g], 1), x, y, [1.0])
        ss = float(np.sum((y - f(x, *popt)) ** 2))
        add("newtonian", ["viscosity"], popt, np.sqrt(np.diag(pcov)), r2(ss, y), ss)
    pl = None
    if ok(2):
        line = linregress(np.log(x), np.log(y))
        f = lambda g, K, m: K * g ** m
        jac = lambda g, K, m: np.stack([g ** m, K * g ** m * np.log(g)], 1)
        popt, pcov = tight(f, jac, x, y, [math.exp(line.intercept), line.slope])
        pl = popt
        ss = float(np.sum((y - f(x, *popt)) ** 2))
        add("power-law", ["K", "n"], popt, np.sqrt(np.diag(pcov)), r2(ss, y), ss)
    if ok(2):
        line = linregress(x, y)
        ss = float(np.sum((y - (line.intercept + line.slope * x)) ** 2))
        add("bingham", ["yield_stress", "plastic_viscosity"], [line.intercept, line.slope],
            [line.intercept_stderr, line.stderr], r2(ss, y), ss)
    if ok(2):
        a_b = linregress(np.sqrt(x), np.sqrt(y))
        a, b = a_b.intercept, a_b.slope
        fitted_root = a + b * np.sqrt(x)
        ss_root = float(np.sum((np.sqrt(y) - fitted_root) ** 2))
        ss = float(np.sum((y - fitted_root ** 2) ** 2))
        add("casson", ["yield_stress", "casson_viscosity"], [a * a, b * b],
            [2 * abs(a) * a_b.intercept_stderr, 2 * abs(b) * a_b.stderr], r2(ss_root, np.sqrt(y)), ss)
    if ok(3):
        f = lambda g, t0, K, m: t0 + K * g ** m
        jac = lambda g, t0, K, m: np.stack([np.ones_like(g), g ** m, K * g ** m * np.log(g)], 1)
        line = linregress(np.log(x), np.log(y))
        bingham = linregress(x, y)
        starts = [[0.0, math.exp(line.intercept), line.slope], [bingham.intercept, bingham.slope, 1.0]]
        if pl is not None:
            starts.insert(0, [0.0, pl[0], pl[1]])
        best = None
        for p0 in starts:
            try:
                popt, pcov = tight(f, jac, x, y, p0)
            except RuntimeError:
                continue
            ss = float(np.sum((y - f(x, *popt)) ** 2))
            if best is None or ss < best[2]:
                best = (popt, pcov, ss)
        popt, pcov, ss = best
        add("herschel-bulkley", ["yield_stress", "K", "n"], popt, np.sqrt(np.diag(pcov)), r2(ss, y), ss)
    return models


def analyze(batch, include_low_torque):
    fam = family(batch.model)
    used, shear = [], []
    over = low = no_shear = 0
    for v, t, code, stress, rate in batch.readings:
        v, t, stress, rate = float(v), float(t), float(stress), float(rate)
        rpm = RPM[code]
        fs = FULL_SCALE[(fam, batch.spindle)].get(rpm, 0)
        if v >= OVER_RANGE or fs < v:
            over += 1
            continue
        if v <= 0 or (not include_low_torque and v / fs * 100 < 10):
            low += 1
            continue
        used.append((rpm, v, t))
        if stress > 0 and rate > 0:
            shear.append((rate, stress))
        else:
            no_shear += 1
    result = {"readings": len(batch.readings), "used": len(used),
              "excluded": {"over_scale": over, "low_torque": low, "no_shear_data": no_shear}}
    models = []
    if shear:
        x = np.array([s[0] for s in shear])
        y = np.array([s[1] for s in shear])
        models = fit_models(x, y)
    result["flow_models"] = models
    with_aicc = [m for m in models if m["aicc"] is not None]
    result["best_model"] = min(with_aicc, key=lambda m: m["aicc"])["model"] if with_aicc else None

    speeds = sorted(set(u[0] for u in used))
    if len(speeds) >= 2:
        line = linregress([math.log(u[0]) for u in used], [math.log(u[1]) for u in used])
        result["speed_power_law"] = {"K": math.exp(line.intercept), "n": line.slope + 1,
                                     "r2": line.rvalue ** 2, "points": len(used)}
    else:
        result["speed_power_law"] = None
    result["thixotropic_index"] = None
    for low_rpm in speeds:
        high = [s for s in speeds if abs(s - 10 * low_rpm) <= 1e-9 * 10 * low_rpm]
        if high:
            mean = lambda rpm: float(np.mean([u[1] for u in used if u[0] == rpm]))
            result["thixotropic_index"] = {"value": mean(low_rpm) / mean(high[0]), "low_rpm": low_rpm,
                                           "high_rpm": high[0]}
            break
    result["arrhenius"] = None
    if speeds:
        counts = {s: sum(1 for u in used if u[0] == s) for s in speeds}
        rpm = max(speeds, key=lambda s: (counts[s], -s))
        at = [u for u in used if u[0] == rpm]
        temps = [u[2] for u in at]
        if len(at) >= 3 and max(temps) - min(temps) >= 5:
            line = linregress([1 / (u[2] + 273.15) for u in at], [math.log(u[1]) for u in at])
            result["arrhenius"] = {"activation_energy_kj_mol": line.slope * GAS_CONSTANT / 1000,
                                   "ln_A": line.intercept, "r2": line.rvalue ** 2, "rpm": rpm,
                                   "points": len(at)}
    return result


# ---------------------------------------------------------------------------
# The fixture batches

def shear_batch(name, model, spindle, note, stress_of_rate, speeds, per_speed, noise, rng,
                temperature=25.0):
    batch = Batch(name, model, spindle, note)
    for rpm in speeds:
        for _ in range(per_speed):
            rate = SHEAR_RATE_PER_RPM[spindle] * rpm
            stress = stress_of_rate(rate) * (1 + noise * rng.standard_normal())
            # dyn/cm² over 1/s is poise; 1 P = 100 mPas.
            viscosity = 100 * stress / rate
            batch.add(rpm, viscosity, temperature + 0.1 * rng.standard_normal(), stress, rate)
    return batch


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else "tests/data/analysis"
    os.makedirs(folder, exist_ok=True)
    rng = np.random.default_rng(24)
    batches = []

    # A paste: Herschel–Bulkley with noise, plus readings the analysis must leave out.
    paste = shear_batch("paste", 3, 21, "Herschel-Bulkley paste", lambda g: 150 + 30 * g ** 0.5,
                        [0.5, 1.0, 2.0, 5.0, 10.0, 20.0, 50.0, 100.0], 5, 0.02, rng)
    paste.add(50.0, OVER_RANGE, 25.0)                  # over range
    paste.add(100.0, OVER_RANGE, 25.0)
    paste.add(200.0, 300.0, 25.0, 792.0, 264.0)        # above full scale (250)
    paste.add(0.1, 30000.0, 25.0, 39.6, 0.13)          # 6 % of full scale
    paste.add(0.1, 45000.0, 25.0, 59.4, 0.13)          # 9 %
    paste.add(0.2, 20000.0, 25.0, 52.8, 0.26)          # 8 %
    paste.add(1.0, 0.0, 25.0)                           # no viscosity
    batches.append(paste)

    # A Newtonian oil on the cone: n = 1, no yield stress; 1.5 RPM is over full scale.
    oil = shear_batch("newtonian_oil", 2, 7, "Newtonian oil", lambda g: 4.8 * g, [0.3, 0.5, 0.6, 1.0], 6,
                      0.01, rng)
    oil.add(1.5, 480.0, 25.0, 14.4, 3.0)
    batches.append(oil)

    # A shear-thinning power-law fluid.
    batches.append(shear_batch("power_law", 3, 21, "Power-law fluid", lambda g: 150 * g ** 0.45,
                               [0.3, 0.5, 1.0, 2.0, 4.0, 6.0, 10.0], 4, 0.015, rng))

    # A yield-stress (Bingham plastic) fluid.
    batches.append(shear_batch("yield_stress", 3, 21, "Bingham plastic", lambda g: 250 + 4.0 * g,
                               [1.0, 2.0, 5.0, 10.0, 20.0, 50.0], 4, 0.01, rng))

    # Too few points: three readings, so Herschel–Bulkley cannot be fitted and only the
    # Newtonian model has enough points for the AICc.
    batches.append(shear_batch("too_few", 3, 21, "Three readings", lambda g: 150 + 30 * g ** 0.5,
                               [2.0, 5.0, 20.0], 1, 0.02, rng))

    # One speed while the sample warms up: no flow index from speed, no thixotropic
    # index, one shear rate; the temperature dependence at that speed.
    one = Batch("one_speed", 3, 21, "One speed, warming")
    for i in range(12):
        t = 20.0 + i * 1.5
        eta = 8000 * math.exp(30000 / GAS_CONSTANT * (1 / (t + 273.15) - 1 / 293.15))
        eta *= 1 + 0.01 * rng.standard_normal()
        rate = 1.32 * 2.0
        one.add(2.0, eta, t, eta * rate / 100, rate)
    batches.append(one)

    # A spindle without shear data: an oil at several speeds and a temperature ramp at
    # 6 RPM, the speed with the most readings.
    plain = Batch("no_shear", 0, 1, "Oil on L2")
    for rpm in [0.6, 1.0, 1.5, 3.0, 6.0]:
        for _ in range(2):
            plain.add(rpm, 1500 * rpm ** -0.2 * (1 + 0.01 * rng.standard_normal()), 25.0)
    for i in range(8):
        t = 15.0 + i * 3.0
        eta = 1200 * math.exp(22000 / GAS_CONSTANT * (1 / (t + 273.15) - 1 / 298.15))
        plain.add(6.0, eta * (1 + 0.01 * rng.standard_normal()), t)
    batches.append(plain)

    # Nothing usable: every reading over scale or below 10 %.
    none = Batch("nothing_usable", 3, 21, "Nothing usable")
    none.add(10.0, OVER_RANGE, 25.0)
    none.add(10.0, 6000.0, 25.0, 79.2, 13.2)
    none.add(10.0, 100.0, 25.0, 1.32, 13.2)
    batches.append(none)

    expected = []
    for batch in batches:
        batch.write(folder)
        for include in (False, True):
            expected.append({"file": batch.name + ".epb", "include_low_torque": include,
                             "analysis": analyze(batch, include)})
    with open(os.path.join(folder, "expected.json"), "w") as f:
        json.dump(expected, f, indent=1, allow_nan=False)
        f.write("\n")


if __name__ == "__main__":
    main()
