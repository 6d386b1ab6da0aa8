#include "simulation_run.h"

#include "elementary.h"
#include "recording.h"
#include "step_model.h"

#include <cmath>
#include <numbers>

namespace breathlab {

namespace {

constexpr double kPi = std::numbers::pi;

// Product of the working and the reference percentage, as a factor.
struct PercentFactors {
    const ResultRecord& working;
    const ResultRecord& reference;

    double F(int parameter, int region) const {
        const int row = RegionRow(region), col = parameter - 1;
        return (working.ParameterBlock[row][col] / 100.0) *
               (reference.ParameterBlock[row][col] / 100.0);
    }
    double G(int entry) const {
        return (working.GlobalParamBlock[entry - 1] / 100.0) *
               (reference.GlobalParamBlock[entry - 1] / 100.0);
    }
};

constexpr int kLeftLung = -2, kRightLung = -1, kBothLungs = 0;
int SideOf(int lobe) { return lobe < 2 ? kLeftLung : kRightLung; }

void SetRunInputs(LungModel& m, const PercentFactors& p) {
    const double both1 = p.F(1, kBothLungs);
    m.TrachealTurbulentCoefficient.target = 0.0454575 * both1;
    const double left1 = p.F(1, kLeftLung), right1 = p.F(1, kRightLung);
    m.LeftBronchusResistance.target = 0.00057 * (left1 * left1);
    m.RightBronchusResistance.target = 0.00057 * (right1 * right1);
    m.LeftBronchusNominalVolume.target = 0.5 * 0.032 * p.F(2, kBothLungs) * p.F(2, kLeftLung);
    m.RightBronchusNominalVolume.target = 0.5 * 0.032 * p.F(2, kBothLungs) * p.F(2, kRightLung);
    m.LeftBronchusCompliance.target = 0.0032 * p.F(2, kBothLungs) * p.F(2, kLeftLung);
    m.RightBronchusCompliance.target = 0.0032 * p.F(2, kBothLungs) * p.F(2, kRightLung);

    double sizeSum = 0;
    for (int j = 0; j < kLobeCount; ++j) {
        const int lobe = j + 1, side = SideOf(j);
        const double f = LobeFraction[j];
        m.SegmentResistance[j].target =
            (0.0567 / f) * p.F(3, lobe) * p.F(3, side) * p.F(3, kBothLungs);
        m.SegmentCollapsibility[j].target =
            0.4 * p.F(4, lobe) * p.F(4, side) * p.F(4, kBothLungs);
        const double g = p.F(5, lobe) * p.F(5, side) * p.F(5, kBothLungs);
        m.LobeConductanceCoefficient[j].target = 500 / (g * g);
        m.LobeResidualVolume[j].target = 0.36 * f * p.F(6, lobe) * p.F(6, side) * p.F(6, kBothLungs);
        const double s = f * p.F(7, side) * p.F(7, kBothLungs);
        m.LobeMaxVolume[j].target = 6.2 * s;
        m.LobeComplianceFactor[j].target =
            1.0 * p.F(8, lobe) * p.F(8, side) * p.F(8, kBothLungs);
        sizeSum += s;
    }
    m.ChestWallStiffness.target = kNormalChestWallStiffness * sizeSum;
    m.ChestWallCompliance.target = 3.3333333333333335 * sizeSum;
    m.ChestWallResidualVolume.target = 1.5 * sizeSum;
    m.BodySizeScale = m.ChestWallStiffness.target / kNormalChestWallStiffness;

    m.MaxExpiratoryPressure = 3.54 * p.G(1);
    m.PressureRiseRate = 68.04 * p.G(2);
    m.MaxInspiratoryPressure = -2.5 * p.G(3);
    m.EndFlowThreshold = 0.025 * p.G(4);
    m.BlastDuration = (m.MaxExpiratoryPressure - m.MaxInspiratoryPressure) / m.PressureRiseRate;
}

void ClearWorkingResults(const LungModel& m, ResultRecord& r) {
    r.FEV1 = r.FlowAtFev1 = r.FVCEX = r.FEV1PercentFVC = r.PEF = 0;
    r.MEF75 = r.MEF50 = r.MEF25 = r.ERV = r.TLC = r.FET = 0;
    r.FRC = 100;
    for (int row = 1; row <= kSampleCapacity; ++row) {
        r.SampleVolume[row - 1] = 0;
        for (int j = 0; j < kLobeCount; ++j) {
            r.LobeSegmentResistanceTrace[row][j] = 0;
            r.LobePeripheralResistanceTrace[row][j] = 0;
            r.LobeVolumeTrace[row][j] = 0;
            r.LobeFlowLimitedTrace[row][j] = m.FlowLimited[j];
        }
    }
    r.SignalSelection = RecordedSignal;
}

void StartRun(LungModel& m, ResultHistory& history) {
    ResultRecord& r = history[1];
    m.NumericalFailure = false;
    m.ManoeuvrePhase = 0;
    ClearWorkingResults(m, r);
    SetRunInputs(m, PercentFactors{r, history[0]});
    m.RampActive = true;
    m.LobeGroup.pending = m.AirwayGroup.pending = m.ChestWallGroup.pending = true;
    m.RampCountdown = 100;
    for (int j = 0; j < kLobeCount; ++j) m.PleuralOffset[j].set(PleuralOffsetFixed[j]);

    m.PressureIncrement = 0.001;
    m.DeepInspirationDuration = 1.0;
    m.Time = 0;
    m.RecordingStart = 0;
    m.DisplayTime = 0;
    m.ForcedExpiration = false;
    m.Recording = false;
    m.PreviousVolume = m.TotalVolume;
    m.RecordingMs = 0;
    m.SampleCount = 0;
    m.BreathNumber = 1;
    m.Integrating = true;
    r.RunStatus = 1;
    m.InspirationDuration = 0.2;
    m.ExpirationDuration = 0.3;
    m.SubstepsIntegrated = 0;
}

// Expiratory effort falls off as the chest approaches its residual volume.
// Between half that volume and that volume the root has no real value; the
// caller treats a non-finite target as a numerical failure.
double EffortFactor(const LungModel& m) {
    return std::sqrt(1 - 1 / (2 * m.TotalVolume / m.ChestWallResidualVolume.current - 1));
}

void QuietInspiration(LungModel& m, ResultRecord& r, double t, double& target) {
    const double tidalGoal = 0.15 * m.BodySizeScale * (m.InspirationDuration + m.ExpirationDuration);
    if (m.TotalVolume - (0.36 + m.BreathStartVolume) >= tidalGoal) {
        m.InspirationDuration = t - m.CycleStart;
        m.Inspiring = false;
        return;
    }
    // Adapt the rate at which inspiratory effort grows to the volume gained.
    if (m.TotalVolume - m.PreviousVolume < 0.001)
        m.PressureIncrement += 0.00001;
    else
        m.PressureIncrement -= 0.0002;
    m.PreviousVolume = m.TotalVolume;
    m.AccuracyLevel = 2;
    m.RiseDivisor = m.ExpirationDuration < 1.0 ? 2000 : 100;
    if (target > -3.0)
        target -= m.PressureIncrement;
    else
        r.RunStatus = 0; // the subject cannot draw a quiet breath
}

void QuietExpiration(LungModel& m, double t, double& target) {
    m.PressureIncrement = 0.001;
    if (target < 0) {
        if (m.RiseDivisor > 1) m.RiseDivisor -= 1;
        m.AccuracyLevel = 3;
        target += 3.5 * m.PressureIncrement / m.RiseDivisor;
        return;
    }
    m.AccuracyLevel = 1;
    if (-m.TrachealFlow < 0.2 * m.BodySizeScale &&
        t >= m.CycleStart + m.InspirationDuration + 2.2) {
        m.ExpirationDuration = t - (m.CycleStart + m.InspirationDuration);
        m.CycleStart = t;
        m.BreathNumber += 1;
        m.AccuracyLevel = 2;
        m.BreathStartVolume = m.TotalVolume;
        m.Inspiring = true;
        if (m.BreathNumber == 4) {
            m.Recording = true;
            if (m.RecordingStart == 0) m.RecordingStart = t;
        }
    }
}

void ForcedManoeuvre(LungModel& m, ResultRecord& r, double t, double& target) {
    const double c = m.CycleStart;
    const double Tp = m.DeepInspirationDuration;
    const double tE = c + 7 + Tp + m.BlastDuration;
    m.AccuracyLevel = 3;
    m.ManoeuvrePhase = 4;

    if (t < c + 5) { // slow expiration to residual volume
        if (t < c + 1.5 || std::fabs(m.TotalVolumeRate) >= 0.0005)
            target = (1 - elementary::Cos((t - c) * kPi / 5)) * 0.5 * m.MaxExpiratoryPressure;
        else
            m.Integrating = false; // flow has stopped: hold the lung at RV
        target = EffortFactor(m) * target;
        m.HeldMusclePressure = m.MusclePressure.current;
    } else if (t < c + 5.9) {
        // held at residual volume
    } else if (t < c + 6) {
        m.Integrating = true;
    } else if (t < c + 6 + Tp) { // deep inspiration to TLC
        m.ManoeuvrePhase = 5;
        target = (1 - elementary::Cos((t - (c + 6)) * kPi / Tp)) *
                     (m.MaxInspiratoryPressure - m.HeldMusclePressure) * 0.5 +
                 m.HeldMusclePressure;
        m.ForcedExpiration = true;
        if (m.TotalVolume > r.TLC) r.TLC = static_cast<float>(m.TotalVolume);
    } else if (t < c + 7 + Tp) { // hold at TLC, longer while the lung still fills
        if (t > c + 6.7 + Tp && m.TotalVolumeRate > 0.02 && Tp < 4)
            m.DeepInspirationDuration += 0.001;
        if (m.TotalVolume > r.TLC) r.TLC = static_cast<float>(m.TotalVolume);
    } else if (t < tE) { // expiratory effort rises to its maximum
        m.ManoeuvrePhase = 6;
        target = (1 - elementary::Cos((t - (c + 7 + Tp)) * kPi / m.BlastDuration)) *
                     (m.MaxExpiratoryPressure - m.MaxInspiratoryPressure) * 0.5 +
                 m.MaxInspiratoryPressure;
        target = EffortFactor(m) * target;
        m.AccuracyLevel = 5;
        m.RiseDivisor = 50;
    } else if (m.ForcedExpiration && t < tE + 25 &&
               (t < tE + 1.5 || -m.TotalVolumeRate > m.EndFlowThreshold)) {
        m.ManoeuvrePhase = 7;
        target = EffortFactor(m) * m.MaxExpiratoryPressure;
    } else { // final inspiration back towards TLC
        m.ManoeuvrePhase = 8;
        m.ForcedExpiration = false;
        if (m.RiseDivisor > 1) m.RiseDivisor -= 1;
        if (target > m.MaxInspiratoryPressure) {
            target -= 10 * m.PressureIncrement / m.RiseDivisor;
        } else if (m.TotalVolume > r.FRC + 0.97 * (r.TLC - r.FRC)) {
            m.AccuracyLevel = 1;
            m.Recording = false;
        } else if (m.TotalVolume > r.FRC) {
            m.AccuracyLevel = 3;
        }
    }
}

void BreathingPattern(LungModel& m, ResultRecord& r, double t) {
    double& target = m.MusclePressure.target;
    if (t < 0.5) {
        m.AccuracyLevel = 7;
        target = m.MaxInspiratoryPressure;
    } else if (t < 1) {
        m.AccuracyLevel = 3;
    } else if (t < 3) { // relaxation to zero effort
        m.AccuracyLevel = 2;
        target = (elementary::Cos((t - 1) * kPi / 2) + 1) * 0.5 * m.MaxInspiratoryPressure;
    } else if (t < 6) { // functional residual capacity
        m.AccuracyLevel = 1;
        m.BreathNumber = 1;
        r.FRC = static_cast<float>(m.TotalVolume);
        m.BreathStartVolume = m.TotalVolume;
        m.CycleStart = t;
        m.Inspiring = true;
        for (int j = 0; j < kLobeCount; ++j) {
            r.LobeSegmentResistanceTrace[0][j] = static_cast<float>(m.EffectiveSegmentResistance[j]);
            r.LobePeripheralResistanceTrace[0][j] = static_cast<float>(m.PeripheralResistance[j]);
            r.LobeVolumeTrace[0][j] = static_cast<float>(m.LobeVolume[j]);
        }
    } else if (m.BreathNumber < 7) {
        if (m.Inspiring)
            QuietInspiration(m, r, t, target);
        else
            QuietExpiration(m, t, target);
    } else {
        ForcedManoeuvre(m, r, t, target);
    }
}

// Fine steps where the explicit scheme needs them: while parameters ramp, near
// empty or over-stretched central compartments, and near the lobe volume limits.
void AccuracyOverrides(LungModel& m) {
    if (m.RampActive) m.AccuracyLevel = 7;
    if (m.AccuracyLevel < 4) {
        const double left = m.LeftBronchusVolume / m.LeftBronchusNominalVolume.current;
        const double right = m.RightBronchusVolume / m.RightBronchusNominalVolume.current;
        if (left < 0.03 || left > 5 || right < 0.03 || right > 5) m.AccuracyLevel = 4;
    }
    for (int j = 0; j < kLobeCount; ++j) {
        if (m.LobeVolume[j] < m.LobeResidualVolume[j].current + 0.05 ||
            m.LobeVolume[j] / m.LobeMaxVolume[j].current > 0.9)
            m.AccuracyLevel = 5;
    }
    for (int j = 0; j < kLobeCount; ++j) {
        if (m.LobeVolume[j] < m.LobeResidualVolume[j].current + 0.005 ||
            m.LobeVolume[j] / m.LobeMaxVolume[j].current > 0.95)
            m.AccuracyLevel = 6;
    }
}

// The run clock is refreshed at intervals that differ by accuracy level
// (886 ms at level 1 down to 310 ms at level 6, 890 ms at level 7).
void RunDisplay(LungModel& m) {
    const long long ms = std::llround(std::nearbyint(m.Time * 1000));
    const int interval = std::abs(910 - 12 * SubstepTable[m.AccuracyLevel]);
    if (ms % interval == 0 && (m.Recording || m.RecordingStart != 0)) {
        m.DisplayTime = m.Time - m.RecordingStart;
        if (m.Hooks.runDisplayHook) m.Hooks.runDisplayHook(m.Hooks.context);
    }
}

bool RunGoesOn(const LungModel& m) {
    const double tE = m.CycleStart + 7 + m.DeepInspirationDuration + m.BlastDuration;
    if (m.Time > m.RunTimeLimit || m.Time > tE + 30) return false;
    return m.Time <= tE + 5 || m.Recording || std::fabs(m.TrachealFlow) >= 0.003;
}

void FinishRun(LungModel& m, ResultRecord& r) {
    if (m.ManoeuvrePhase < 8 && r.RunStatus == 1) r.RunStatus = -1; // manoeuvre incomplete
    if (m.NumericalFailure && m.ResetAfterFailure) ResetModelState(m);
    if (r.RunStatus != 1) {
        for (float& v : r.SampleVolume) v = 0;
    } else {
        ComputeIndices(m, r);
    }
    double total = m.LeftBronchusVolume + m.RightBronchusVolume;
    for (int j = 0; j < kLobeCount; ++j) total += m.LobeVolume[j];
    m.TotalVolume = total;
}

} // namespace

void ResetModelState(LungModel& m) {
    SetInitialValues(m);
    // Settle from the initial values with a gentle inspiratory effort.
    while (!(m.Time > 2.5)) {
        m.MusclePressure.target =
            m.Time < 0.5 ? 0 : (1 - elementary::Cos((m.Time - 0.5) * kPi / 2)) * 0.5 * m.MaxInspiratoryPressure;
        StepModel(m);
    }
}

void ResetModel(LungModel& m, ResultHistory& history) {
    for (ResultRecord& r : history)
        for (auto& row : r.ParameterBlock)
            for (int col = 0; col < 8; ++col) row[col] = 100;
    ResetModelState(m);
}

void RunManoeuvre(LungModel& m, ResultHistory& history) {
    ResultRecord& r = history[1];
    StartRun(m, history);
    do {
        BreathingPattern(m, r, m.Time);
        if (!std::isfinite(m.MusclePressure.target)) {
            // No real effort exists for this state; never integrate it.
            m.NumericalFailure = true;
            r.RunStatus = -1;
        }
        AccuracyOverrides(m);
        if (m.Integrating && r.RunStatus == 1)
            StepModel(m);
        else
            m.Time += 0.001;
        if (m.NumericalFailure) r.RunStatus = -1;
        RunDisplay(m);
        if (m.Recording && r.RunStatus == 1) RecordMillisecond(m, r);
    } while (RunGoesOn(m));
    FinishRun(m, r);
}

} // namespace breathlab
