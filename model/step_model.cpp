#include "step_model.h"

#include "elementary.h"
#include "flow_solver.h"

#include <cmath>
#include <numbers>

namespace breathlab {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kProbeStep = 0.05; // kPa, for the slope of lobar flow against pleural pressure

double ConductanceSum(const LungModel& m) {
    double g = 1 / m.ChestWallResistance.current;
    for (int j = 0; j < kLobeCount; ++j) g += 1 / m.TissueResistance[j].current;
    return g;
}

template <class F> void ForEachAirwayParameter(LungModel& m, F f) {
    f(m.LeftBronchusInertance, kNoRampZero);
    f(m.RightBronchusInertance, kNoRampZero);
    f(m.LeftBronchusResistance, kNoRampNegative);
    f(m.RightBronchusResistance, kNoRampNegative);
    f(m.TrachealInertance, kNoRampZero);
    f(m.TrachealLinearResistance, kNoRampNegative);
    f(m.TrachealTurbulentCoefficient, kNoRampNegative);
    f(m.LeftBronchusNominalVolume, kNoRampNegative);
    f(m.RightBronchusNominalVolume, kNoRampNegative);
    f(m.RightBronchusCompliance, kNoRampNegative);
    f(m.LeftBronchusCompliance, kNoRampNegative);
}

template <class F> void ForEachChestWallScalar(LungModel& m, F f) {
    f(m.ChestWallResistance);
    f(m.ChestWallResidualVolume);
    f(m.ChestWallCompliance);
    f(m.ChestWallStiffness);
    f(m.AtmosphericPressure);
}

// decide which parameters move in this millisecond. Returns whether a
// tissue or chest-wall resistance is among them (Gsum must then follow).
bool BeginRamps(LungModel& m) {
    m.MouthPressure.beginRamp(kNoRampNegative);
    m.MusclePressure.beginRamp(kNoRampNegative);
    if (!m.RampActive) return false;

    if (m.LobeGroup.pending) {
        for (int j = 0; j < kLobeCount; ++j) {
            m.LobeMaxVolume[j].beginRamp(kNoRampZero);
            m.LobeComplianceFactor[j].beginRamp(kNoRampZero);
            m.LobeConductanceCoefficient[j].beginRamp(kNoRampZero);
            m.LobeResidualVolume[j].beginRamp(kNoRampZero);
            m.SegmentResistance[j].beginRamp(kNoRampZero);
            m.SegmentCollapsibility[j].beginRamp(kNoRampZero);
        }
    }
    if (m.AirwayGroup.pending) {
        ForEachAirwayParameter(m, [](RampedParameter& p, double sentinel) { p.beginRamp(sentinel); });
    }
    bool resistanceRamps = false;
    if (m.ChestWallGroup.pending) {
        for (int j = 0; j < kLobeCount; ++j) {
            m.PleuralOffset[j].beginRamp(kNoRampNegative);
            m.TissueResistance[j].beginRamp(kNoRampZero);
            resistanceRamps |= m.TissueResistance[j].rampStart != kNoRampZero;
        }
        ForEachChestWallScalar(m, [](RampedParameter& p) { p.beginRamp(kNoRampZero); });
        resistanceRamps |= m.ChestWallResistance.rampStart != kNoRampZero;
    }
    return resistanceRamps;
}

// move the ramped parameters to substep k. The lobe volume limits keep
// the recoil law and the peripheral airway law defined while a lobe is resized.
// lobesRamp says whether the lobe group moves in this millisecond.
void ApplyRamps(LungModel& m, double k, double invN, bool lobesRamp, bool resistanceRamps,
                double& Gsum) {
    if (lobesRamp) {
        for (int j = 0; j < kLobeCount; ++j) {
            if (m.LobeMaxVolume[j].ramp(kNoRampZero, k, invN) &&
                m.LobeMaxVolume[j].current < m.LobeVolume[j] + 0.01)
                m.LobeMaxVolume[j].current = m.LobeVolume[j] + 0.01;
            m.LobeComplianceFactor[j].ramp(kNoRampZero, k, invN);
            m.LobeConductanceCoefficient[j].ramp(kNoRampZero, k, invN);
            if (m.LobeResidualVolume[j].ramp(kNoRampZero, k, invN) &&
                m.LobeResidualVolume[j].current > m.LobeVolume[j] - 0.001)
                m.LobeResidualVolume[j].current = m.LobeVolume[j] - 0.001;
            m.SegmentResistance[j].ramp(kNoRampZero, k, invN);
            m.SegmentCollapsibility[j].ramp(kNoRampZero, k, invN);
        }
    }
    if (m.RampActive && m.AirwayGroup.pending) {
        ForEachAirwayParameter(
            m, [k, invN](RampedParameter& p, double sentinel) { p.ramp(sentinel, k, invN); });
    }
    if (m.RampActive && m.ChestWallGroup.pending) {
        for (int j = 0; j < kLobeCount; ++j) {
            m.PleuralOffset[j].ramp(kNoRampNegative, k, invN);
            m.TissueResistance[j].ramp(kNoRampZero, k, invN);
        }
        ForEachChestWallScalar(m, [k, invN](RampedParameter& p) { p.ramp(kNoRampZero, k, invN); });
        if (resistanceRamps) Gsum = ConductanceSum(m);
    }
    m.MouthPressure.ramp(kNoRampNegative, k, invN);
    m.MusclePressure.ramp(kNoRampNegative, k, invN);
}

// recoil of the chest wall, with a steep linear law at and below its
// residual volume where the square root of the normal law would fail.
void ComputeChestWallRecoil(LungModel& m) {
    const double V = m.TotalVolume;
    const double RVc = m.ChestWallResidualVolume.current;
    const double Cc = m.ChestWallCompliance.current;
    const double Bc = m.ChestWallStiffness.current;
    if (V > 1.0001 * RVc)
        m.ChestWallRecoil = (V - Bc / std::sqrt(V / RVc - 1)) / Cc;
    else
        m.ChestWallRecoil = V * (-100) * Bc / Cc;
}

// volume-dependent mechanics of each lobe.
void ComputeLobeMechanics(LungModel& m) {
    for (int j = 0; j < kLobeCount; ++j) {
        const double theta = (m.LobeVolume[j] / m.LobeMaxVolume[j].current - 0.17) * kPi / 2;
        double sinTheta, cosTheta;
        elementary::SinCos(theta, sinTheta, cosTheta);
        m.LobeRecoilPressure[j] = sinTheta / cosTheta / m.LobeComplianceFactor[j].current;
        m.AlveolarPressure[j] =
            m.AtmosphericPressure.current * m.CompressionVolume[j] / m.LobeVolume[j];
        // Peripheral airways narrow as the lobe empties and close at its residual volume.
        const double RV = m.LobeResidualVolume[j].current;
        const double V = m.LobeVolume[j] > RV + 0.0001 ? m.LobeVolume[j] : RV + 0.0001;
        if (RV != m.ResidualVolumeCbrtKey[j]) {
            // The residual volume only moves while a run ramps it in; its cube
            // root is kept between substeps.
            m.ResidualVolumeCbrtKey[j] = RV;
            m.ResidualVolumeCbrt[j] = elementary::Cbrt(RV);
        }
        const double d = elementary::Cbrt(V) - m.ResidualVolumeCbrt[j];
        const double d2 = d * d;
        m.PeripheralResistance[j] = 1 / (d2 * d2 * m.LobeConductanceCoefficient[j].current);
    }
}

// The segment resistances of each side in parallel.
void SideSegmentResistances(const LungModel& m, double& left, double& right) {
    left = 1 / (1 / m.SegmentResistance[0].current + 1 / m.SegmentResistance[1].current);
    right = 1 / (1 / m.SegmentResistance[2].current + 1 / m.SegmentResistance[3].current +
                 1 / m.SegmentResistance[4].current);
}

// transmural pressure of a central compartment from its tube law, plus a
// damping term proportional to its net inflow that keeps the explicit scheme stable.
double CentralTransmuralPressure(double volume, double nominal, double compliance,
                                 double parallelSegmentResistance, double addedResistance,
                                 double netInflow) {
    double v = volume / nominal;
    if (v < 0.001) v = 0.001;
    double ptm = std::fabs(v - 1) * (1 - 1 / v) * nominal / compliance;
    const double W = volume <= 0.001 ? 0.001 : volume;
    const double Rd = (parallelSegmentResistance + addedResistance) * (nominal + W) / W;
    ptm += netInflow * 0.05 * Rd;
    return ptm;
}

double LeftNetInflow(const LungModel& m) {
    return m.LeftBronchusFlow - m.LobeFlow[0] - m.LobeFlow[1];
}
double RightNetInflow(const LungModel& m) {
    return m.RightBronchusFlow - m.LobeFlow[2] - m.LobeFlow[3] - m.LobeFlow[4];
}

// The pleural pressure that balances the chest wall against the lobes, given
// the lobar flows; used before and after the lobar flows are solved.
double PleuralBalance(const LungModel& m, double tissueDrive, double Gsum) {
    const double N = LeftNetInflow(m) + RightNetInflow(m);
    const double Rcw = m.ChestWallResistance.current;
    const double L = Gsum - 1 / Rcw;
    return ((tissueDrive + N) * Rcw + m.ChestWallRecoil + m.MusclePressure.current) / (Rcw * L + 1);
}

// the carina holds no volume, so the tracheal flow change equals
// the sum of the bronchial flow changes; then integrate the three airway flows.
void IntegrateAirwayFlows(LungModel& m, double dt) {
    const double Itr = m.EffectiveTrachealInertance;
    const double IbL = m.EffectiveLeftBronchusInertance;
    const double IbR = m.EffectiveRightBronchusInertance;
    const double RbL = m.EffectiveLeftBronchusResistance;
    const double RbR = m.EffectiveRightBronchusResistance;
    const double Rtr = m.EffectiveTrachealLinearResistance;
    const double Ktr = m.TrachealTurbulentCoefficient.current;
    const double Qtr = m.TrachealFlow;
    const double QbL = m.LeftBronchusFlow;
    const double QbR = m.RightBronchusFlow;

    const double dropL = RbL * (1 + std::fabs(QbL)) * QbL;
    const double dropR = RbR * (1 + std::fabs(QbR)) * QbR;
    const double dropTr = (Ktr * std::fabs(Qtr) + Rtr) * Qtr;
    m.CarinaPressure = ((dropL + m.LeftBronchusPressure) * Itr / IbL + m.MouthPressure.current +
                        (dropR + m.RightBronchusPressure) * Itr / IbR - dropTr) /
                       (1 + Itr / IbL + Itr / IbR);

    m.LeftBronchusFlow += (m.CarinaPressure - m.LeftBronchusPressure - dropL) * dt / IbL;
    m.RightBronchusFlow += (m.CarinaPressure - m.RightBronchusPressure - dropR) * dt / IbR;
    m.TrachealFlow += (m.MouthPressure.current - m.CarinaPressure - dropTr) * dt / Itr;
}

// the explicit scheme has no other guard. A comparison with NaN is
// always false, so every quantity is also required to be finite.
bool Implausible(const LungModel& m) {
    for (int j = 0; j < kLobeCount; ++j) {
        const double cv = m.CompressionVolume[j], lv = m.LobeVolume[j];
        const double lf = m.LobeFlow[j], tf = m.TissueFlow[j], rp = m.LobeRecoilPressure[j];
        if (!std::isfinite(cv) || !std::isfinite(lv) || !std::isfinite(lf) || !std::isfinite(tf) ||
            !std::isfinite(rp))
            return true;
        if (cv > 2.0 || lv > 6.0 || lv < 0.01 || std::fabs(lf) > 40 || std::fabs(tf) > 40 ||
            rp > 10 || rp < 0.01)
            return true;
    }
    if (!std::isfinite(m.TrachealFlow) || !std::isfinite(m.LeftBronchusFlow) ||
        !std::isfinite(m.ChestWallRecoil) || !std::isfinite(m.TotalVolume) ||
        !std::isfinite(m.PleuralPressure))
        return true;
    return std::fabs(m.TrachealFlow) > 40 || std::fabs(m.LeftBronchusFlow) > 40 ||
           m.ChestWallRecoil > 10 || m.TotalVolume > 20;
}

// finish the ramps of the pending groups. A lobe target that would put
// the lobe volume outside its limits is approached only as far as the limit,
// and the group stays pending until the lobe volume has moved far enough.
void CompleteGroupRamps(LungModel& m) {
    if (m.LobeGroup.pending) {
        m.LobeGroup.pending = false;
        for (int j = 0; j < kLobeCount; ++j) {
            if (m.LobeMaxVolume[j].target < m.LobeVolume[j] + 0.01) {
                m.LobeMaxVolume[j].current = m.LobeVolume[j] + 0.01;
                m.LobeGroup.pending = true;
            } else {
                m.LobeMaxVolume[j].current = m.LobeMaxVolume[j].target;
            }
            m.LobeComplianceFactor[j].current = m.LobeComplianceFactor[j].target;
            m.LobeConductanceCoefficient[j].current = m.LobeConductanceCoefficient[j].target;
            m.SegmentResistance[j].current = m.SegmentResistance[j].target;
            m.SegmentCollapsibility[j].current = m.SegmentCollapsibility[j].target;
            if (m.LobeResidualVolume[j].target > m.LobeVolume[j] - 0.001) {
                m.LobeResidualVolume[j].current = m.LobeVolume[j] - 0.001;
                m.LobeGroup.pending = true;
            } else {
                m.LobeResidualVolume[j].current = m.LobeResidualVolume[j].target;
            }
        }
    }
    if (m.AirwayGroup.pending) {
        ForEachAirwayParameter(m, [](RampedParameter& p, double) { p.current = p.target; });
        m.AirwayGroup.pending = false;
    }
    if (m.ChestWallGroup.pending) {
        for (int j = 0; j < kLobeCount; ++j) {
            m.PleuralOffset[j].current = m.PleuralOffset[j].target;
            m.TissueResistance[j].current = m.TissueResistance[j].target;
        }
        ForEachChestWallScalar(m, [](RampedParameter& p) { p.current = p.target; });
        m.ChestWallGroup.pending = false;
    }
}

} // namespace

void StepModel(LungModel& m) {
    const int n = SubstepTable[m.AccuracyLevel];
    const double dt = 0.001 / n;
    const double invN = 1.0 / n;
    m.SubstepCount = n;
    double Gsum = ConductanceSum(m);
    const bool resistanceRamps = BeginRamps(m);

    // The segment resistances move only while the lobe group ramps; otherwise
    // their parallel sums are the same for every substep of this millisecond.
    // ApplyRamps takes the same flag, so the two cannot disagree.
    const bool lobesRamp = m.RampActive && m.LobeGroup.pending;
    double RsegL = 0, RsegR = 0;
    if (!lobesRamp) SideSegmentResistances(m, RsegL, RsegR);

    double probeFlows[kLobeCount];
    double tissueDrive[kLobeCount];
    for (int k = 1; k <= n; ++k) {
        m.SubstepIndex = k;
        m.Time += dt;
        ApplyRamps(m, k, invN, lobesRamp, resistanceRamps, Gsum);
        ComputeChestWallRecoil(m);
        ComputeLobeMechanics(m);

        if (lobesRamp) SideSegmentResistances(m, RsegL, RsegR);
        const double PtmL = CentralTransmuralPressure(
            m.LeftBronchusVolume, m.LeftBronchusNominalVolume.current,
            m.LeftBronchusCompliance.current, RsegL, 0.4, LeftNetInflow(m));
        const double PtmR = CentralTransmuralPressure(
            m.RightBronchusVolume, m.RightBronchusNominalVolume.current,
            m.RightBronchusCompliance.current, RsegR, 0.1, RightNetInflow(m));

        double T = 0;
        for (int j = 0; j < kLobeCount; ++j) {
            tissueDrive[j] = (m.AlveolarPressure[j] - m.PleuralOffset[j].current -
                              m.LobeRecoilPressure[j]) /
                             m.TissueResistance[j].current;
            T += tissueDrive[j];
        }

        // one Newton step on the pleural balance, with the slope of the
        // lobar flows taken from a probe 0.05 kPa higher.
        const double P1 = PleuralBalance(m, T, Gsum);
        const SubstepConductances g = PrepareLobarSolve(m);
        SolveLobarFlows(m, g, SolverMode::Commit, P1, PtmL, PtmR);
        if (m.NumericalFailure) return;
        SolveLobarFlows(m, g, SolverMode::Probe, P1 + kProbeStep, PtmL, PtmR, probeFlows);
        if (m.NumericalFailure) return;
        double slopeSum = 0;
        for (int j = 0; j < kLobeCount; ++j) slopeSum += probeFlows[j] - m.LobeFlow[j];
        const double S = slopeSum / kProbeStep;
        const double P2 = PleuralBalance(m, T, Gsum);
        m.PleuralPressure = (P1 * S + P2 * Gsum) / (S + Gsum);
        SolveLobarFlows(m, g, SolverMode::Commit, m.PleuralPressure, PtmL, PtmR);
        if (m.NumericalFailure) return;

        // Pressures and flows that follow from the pleural pressure.
        m.LeftBronchusPressure = PtmL + m.PleuralPressure;
        m.RightBronchusPressure = PtmR + m.PleuralPressure;
        double tissueFlowSum = 0;
        for (int j = 0; j < kLobeCount; ++j) {
            m.TissueFlow[j] = tissueDrive[j] - m.PleuralPressure / m.TissueResistance[j].current;
            m.LocalPleuralPressure[j] = m.PleuralPressure + m.PleuralOffset[j].current;
            tissueFlowSum += m.TissueFlow[j];
        }
        m.TotalVolumeRate = LeftNetInflow(m) + RightNetInflow(m) + tissueFlowSum;

        RefreshEffectiveAirwayValues(m);

        IntegrateAirwayFlows(m, dt);

        // the central compartments use the flows just updated, while
        // TotalVolume uses the rate computed before the flow update.
        m.LeftBronchusVolume += LeftNetInflow(m) * dt;
        m.RightBronchusVolume += RightNetInflow(m) * dt;
        m.TotalVolume += m.TotalVolumeRate * dt;
        for (int j = 0; j < kLobeCount; ++j) {
            m.CompressionVolume[j] += (m.LobeFlow[j] - m.TissueFlow[j]) * dt;
            m.LobeVolume[j] += m.TissueFlow[j] * dt;
        }
        ++m.SubstepsIntegrated;

        if (Implausible(m)) {
            m.NumericalFailure = true;
            return;
        }
    }

    if (m.RampActive) CompleteGroupRamps(m);
    m.RampCountdown -= 1;
    if (!m.LobeGroup.pending && m.RampCountdown < 0) m.RampActive = false;
    m.MouthPressure.current = m.MouthPressure.target;
    m.MusclePressure.current = m.MusclePressure.target;
}

} // namespace breathlab
