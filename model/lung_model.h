// The state of the lumped airway and lung model: parameters, integrated state,
// and the variables that drive one simulated examination.
//
// Units: kPa (gauge), litres, litres per second, seconds. Flow is positive into
// the lungs, so expiratory flows are negative.
#pragma once

#include <array>
#include <cstdint>

namespace breathlab {

constexpr int kLobeCount = 5;

// Lobes in their fixed order: 0 UpperLeftLobe, 1 LowerLeftLobe (left side),
// 2 UpperRightLobe, 3 MiddleRightLobe, 4 LowerRightLobe (right side).
constexpr std::array<double, kLobeCount> LobeFraction = {0.20, 0.25, 0.15, 0.20, 0.20};

// Gravitational shift of each lobe's local pleural pressure (kPa): the upper
// lobes sit under a more negative pleural pressure than the lower ones.
constexpr std::array<double, kLobeCount> PleuralOffsetFixed = {-0.10, 0.05, -0.10, 0.00, 0.10};

// Substeps per model millisecond for AccuracyLevel 1..7 (index 0 unused).
constexpr std::array<int, 8> SubstepTable = {0, 2, 4, 8, 15, 25, 50, 150};

// The chest wall stiffness of a normal subject, 1.722 / (0.3 * sqrt(1.5)).
constexpr double kNormalChestWallStiffness = 4.686690374525148;

// "No ramp due this millisecond". Parameters that can legitimately be 0 or
// negative (pressures, offsets, resistances set to 0) use -1111; the others
// use 0, which a physical value of theirs never takes.
constexpr double kNoRampZero = 0.0;
constexpr double kNoRampNegative = -1111.0;

// A parameter whose changes are ramped in linearly over one millisecond.
struct RampedParameter {
    double current;   // what the equations use
    double target;    // what the run or the user asked for
    double rampStart; // value at the start of the ramp, or the parameter's sentinel

    void set(double value) { current = target = value; }

    // Called at the start of a millisecond: a ramp is due only if the value must move.
    void beginRamp(double sentinel) { rampStart = (current != target) ? current : sentinel; }

    // Linear interpolation to substep k of n; the form (t - s)*k*(1/n) + s is kept
    // because the explicit scheme is sensitive to the last bit.
    bool ramp(double sentinel, double k, double invN) {
        if (rampStart == sentinel) return false;
        current = (target - rampStart) * k * invN + rampStart;
        return true;
    }
};

struct RampGroup {
    bool pending;
};

// Callbacks the program may set; a null pointer means no call and no cost.
// They run on the thread of the model and must not re-enter it.
struct ModelHooks {
    void* context;
    void (*beep)(void* context);           // the solver exceeded its iteration cap
    void (*traceHook)(void* context);      // a 100 ms recording point was stored
    void (*runDisplayHook)(void* context); // the run clock should be shown
};

struct LungModel {
    // --- Airway group: trachea and main bronchi ---
    RampedParameter TrachealTurbulentCoefficient;
    RampedParameter TrachealLinearResistance;
    RampedParameter TrachealInertance;
    RampedParameter LeftBronchusResistance, RightBronchusResistance;
    RampedParameter LeftBronchusInertance, RightBronchusInertance;
    RampedParameter LeftBronchusNominalVolume, RightBronchusNominalVolume;
    RampedParameter LeftBronchusCompliance, RightBronchusCompliance;
    // Copies refreshed once per substep; the carina balance and the flow
    // integration use them, and the airway picture reads them.
    double EffectiveTrachealLinearResistance;
    double EffectiveTrachealInertance;
    double EffectiveLeftBronchusResistance, EffectiveRightBronchusResistance;
    double EffectiveLeftBronchusInertance, EffectiveRightBronchusInertance;

    // --- Lobe group ---
    std::array<RampedParameter, kLobeCount> LobeMaxVolume;
    std::array<RampedParameter, kLobeCount> LobeComplianceFactor;
    std::array<RampedParameter, kLobeCount> LobeConductanceCoefficient;
    std::array<RampedParameter, kLobeCount> LobeResidualVolume;
    std::array<RampedParameter, kLobeCount> SegmentResistance;
    std::array<RampedParameter, kLobeCount> SegmentCollapsibility;

    // --- Chest-wall group ---
    std::array<RampedParameter, kLobeCount> TissueResistance;
    std::array<RampedParameter, kLobeCount> PleuralOffset;
    RampedParameter ChestWallResistance;
    RampedParameter ChestWallResidualVolume;
    RampedParameter ChestWallCompliance;
    RampedParameter ChestWallStiffness;
    RampedParameter AtmosphericPressure;

    // --- Driving inputs, ramped every millisecond ---
    RampedParameter MouthPressure;
    RampedParameter MusclePressure; // positive is expiratory

    RampGroup LobeGroup, AirwayGroup, ChestWallGroup;
    bool RampActive;
    int RampCountdown;

    // --- Run inputs, from the percentages at the start of each run ---
    double MaxInspiratoryPressure;
    double MaxExpiratoryPressure;
    double PressureRiseRate;
    double EndFlowThreshold;
    double BlastDuration;
    double BodySizeScale; // S: sum of the lobes' size-scaled fractions, 1 for a normal subject

    // --- State variables ---
    double Time;
    double TotalVolume;
    double TotalVolumeRate;
    double LeftBronchusVolume, RightBronchusVolume;
    double TrachealFlow;
    double LeftBronchusFlow, RightBronchusFlow;
    double CarinaPressure;
    double LeftBronchusPressure, RightBronchusPressure;
    double PleuralPressure;
    double ChestWallRecoil;
    std::array<double, kLobeCount> LobeVolume;
    std::array<double, kLobeCount> CompressionVolume;
    std::array<double, kLobeCount> LobeFlow;
    std::array<double, kLobeCount> TissueFlow;
    std::array<double, kLobeCount> AlveolarPressure;
    std::array<double, kLobeCount> LobeRecoilPressure;
    std::array<double, kLobeCount> PeripheralResistance;
    std::array<double, kLobeCount> EffectiveSegmentResistance;
    std::array<double, kLobeCount> LocalPleuralPressure;
    std::array<std::uint8_t, kLobeCount> FlowLimited;
    bool NumericalFailure;

    // --- Run control ---
    int AccuracyLevel;
    int SubstepCount;
    int SubstepIndex;
    int ManoeuvrePhase;
    int BreathNumber;
    double CycleStart;
    double BreathStartVolume;
    bool Inspiring;
    double InspirationDuration;
    double ExpirationDuration;
    double PressureIncrement;
    double PreviousVolume;
    int RiseDivisor;
    double HeldMusclePressure;
    double DeepInspirationDuration;
    bool Integrating;
    bool ForcedExpiration;
    bool Recording;
    double RecordingStart;
    double DisplayTime;
    int RecordingMs;
    int SampleCount;
    double Vmax, Vmin;
    int iVmax;
    std::int64_t SubstepsIntegrated; // substeps since the run began, for reports
    // Model time after which a run ends, finished or not. An examination needs
    // far less than 110 s; harnesses that only explore the start of a run
    // (fuzzing) set a shorter bound.
    double RunTimeLimit = 110;
    // A numerical failure leaves the model unusable, so the run resets it
    // (2.5 s of settling). A harness that discards the model after one run
    // switches this off.
    bool ResetAfterFailure = true;

    // Cube root of each lobe's LobeResidualVolume and the volume it was taken
    // of (a zero-filled cache is valid: the cube root of 0 is 0).
    std::array<double, kLobeCount> ResidualVolumeCbrtKey;
    std::array<double, kLobeCount> ResidualVolumeCbrt;

    ModelHooks Hooks;
};

// Copies the current tracheal and bronchial resistances and inertances into
// the effective values that the carina balance and the airway picture use.
void RefreshEffectiveAirwayValues(LungModel& model);

// Sets every parameter and state variable to its initial value; leaves the
// hooks and the pleural offsets (each run sets those) as they are.
void SetInitialValues(LungModel& model);

} // namespace breathlab
