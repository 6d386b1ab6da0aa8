#include "lung_model.h"

namespace breathlab {

namespace {

void SetAirwayInitialValues(LungModel& m) {
    m.TrachealTurbulentCoefficient.set(0.0454575);
    m.TrachealLinearResistance.set(6.7e-5);
    m.TrachealInertance.set(0.00056);
    m.LeftBronchusResistance.set(0.00057);
    m.RightBronchusResistance.set(0.00057);
    m.LeftBronchusInertance.set(0.0025);
    m.RightBronchusInertance.set(0.0025);
    // Only the current values: each run sets the targets of the central
    // compartments from its percentages.
    m.LeftBronchusNominalVolume.current = 0.032;
    m.RightBronchusNominalVolume.current = 0.032;
    m.LeftBronchusCompliance.current = 0.0032;
    m.RightBronchusCompliance.current = 0.0032;

    RefreshEffectiveAirwayValues(m);
}

void SetLobeInitialValues(LungModel& m) {
    for (int j = 0; j < kLobeCount; ++j) {
        const double f = LobeFraction[j];
        m.LobeMaxVolume[j].set(6.2 * f);
        m.LobeComplianceFactor[j].set(1.0);
        m.LobeConductanceCoefficient[j].set(500);
        m.LobeResidualVolume[j].set(0.36 * f);
        m.SegmentResistance[j].set(0.0567 / f);
        m.SegmentCollapsibility[j].set(0.4);
        m.TissueResistance[j].set(0.04 / f);

        m.LobeVolume[j] = (3.13 - 0.12) * f;
        m.CompressionVolume[j] = 0;
        m.LobeFlow[j] = 0;
        m.TissueFlow[j] = 0;
        m.EffectiveSegmentResistance[j] = 2 * m.SegmentResistance[j].current;
        m.FlowLimited[j] = 0;
    }
}

void SetChestWallInitialValues(LungModel& m) {
    m.ChestWallResistance.set(0.03);
    m.ChestWallResidualVolume.set(1.5);
    m.ChestWallCompliance.set(3.3333333333333335);
    m.ChestWallStiffness.set(kNormalChestWallStiffness);
    m.AtmosphericPressure.set(100);
}

} // namespace

void RefreshEffectiveAirwayValues(LungModel& m) {
    m.EffectiveTrachealLinearResistance = m.TrachealLinearResistance.current;
    m.EffectiveTrachealInertance = m.TrachealInertance.current;
    m.EffectiveLeftBronchusResistance = m.LeftBronchusResistance.current;
    m.EffectiveRightBronchusResistance = m.RightBronchusResistance.current;
    m.EffectiveLeftBronchusInertance = m.LeftBronchusInertance.current;
    m.EffectiveRightBronchusInertance = m.RightBronchusInertance.current;
}

void SetInitialValues(LungModel& m) {
    SetAirwayInitialValues(m);
    SetLobeInitialValues(m);
    SetChestWallInitialValues(m);
    m.MouthPressure.set(0);
    m.MusclePressure.set(0);

    m.LobeGroup.pending = m.AirwayGroup.pending = m.ChestWallGroup.pending = false;
    m.RampActive = false;
    m.RampCountdown = 0;

    m.MaxInspiratoryPressure = -2.5;
    m.MaxExpiratoryPressure = 3.54;
    m.PressureRiseRate = 68.04;
    m.EndFlowThreshold = 0.025;
    m.BlastDuration = (m.MaxExpiratoryPressure - m.MaxInspiratoryPressure) / m.PressureRiseRate;

    m.Time = 0;
    m.TotalVolume = 3.13;
    m.TotalVolumeRate = 0;
    m.LeftBronchusVolume = m.RightBronchusVolume = 0.06;
    m.TrachealFlow = m.LeftBronchusFlow = m.RightBronchusFlow = 0;
    m.CarinaPressure = m.LeftBronchusPressure = m.RightBronchusPressure = 0;
    m.NumericalFailure = false;
    m.RecordingStart = 0;
    m.AccuracyLevel = 4;
}

} // namespace breathlab
