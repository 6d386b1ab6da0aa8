#include "recording.h"

namespace breathlab {

double AirwayFlowAt(const LungModel& m, int region) {
    switch (region) {
    case -2: return m.LeftBronchusFlow;
    case -1: return m.RightBronchusFlow;
    case 0: return m.TrachealFlow;
    default: return m.LobeFlow[region - 1];
    }
}

namespace {

double RecordedSignalValue(const LungModel& m) {
    // Only the airway flow is ever selected; other selections would be other
    // model quantities, which this program does not offer.
    static_assert(RecordedSignal == 1);
    return AirwayFlowAt(m, kRecordedRegion);
}

// Samples are densest around the peak of the forced expiration, where the
// flow-volume curve changes fastest.
bool SampleDue(const LungModel& m) {
    const double effortStart = m.CycleStart + 7 + m.DeepInspirationDuration;
    const double blastEnd = effortStart + m.BlastDuration + 1;
    if (m.Time < effortStart) return m.RecordingMs % 60 == 0;
    if (m.Time > effortStart && m.Time < blastEnd) return m.RecordingMs % 2 == 0;
    if (m.Time >= blastEnd) return m.RecordingMs % 30 == 0;
    return false;
}

void TakeSample(LungModel& m, ResultRecord& r, double signal) {
    if (m.SampleCount >= kUsableSamples) {
        r.RunStatus = -1;
        return;
    }
    const int n = ++m.SampleCount; // 1-based
    r.SampleSignal[n - 1] = static_cast<float>(signal);
    if (n > 3) r.SampleSignal[n - 1] = (r.SampleSignal[n - 2] + r.SampleSignal[n - 1]) / 2;
    r.SampleVolume[n - 1] = static_cast<float>(m.TotalVolume);
    r.TrachealTurbulentCoefficientAtLastSample =
        static_cast<float>(m.TrachealTurbulentCoefficient.current);
    r.LeftBronchusResistanceAtLastSample = static_cast<float>(m.EffectiveLeftBronchusResistance);
    r.RightBronchusResistanceAtLastSample = static_cast<float>(m.EffectiveRightBronchusResistance);
    for (int j = 0; j < kLobeCount; ++j) {
        r.LobeSegmentResistanceTrace[n][j] = static_cast<float>(m.EffectiveSegmentResistance[j]);
        r.LobePeripheralResistanceTrace[n][j] = static_cast<float>(m.PeripheralResistance[j]);
        r.LobeVolumeTrace[n][j] = static_cast<float>(m.LobeVolume[j]);
        r.LobeFlowLimitedTrace[n][j] = m.FlowLimited[j];
    }
}

} // namespace

void RecordMillisecond(LungModel& m, ResultRecord& r) {
    m.RecordingMs += 1;
    if (m.RecordingMs % 100 == 0) {
        const int i = m.RecordingMs / 100;
        if (i <= kTracePoints) {
            r.TimeAxis[i - 1] = static_cast<float>(m.RecordingMs / 1000.0);
            r.VolumeTrace[i - 1] = static_cast<float>(m.TotalVolume);
            if (m.Hooks.traceHook) m.Hooks.traceHook(m.Hooks.context);
        }
    }

    // FEV1 point: one second after the expiratory effort began to rise.
    if (m.ForcedExpiration && m.Time > m.CycleStart + 7 + m.DeepInspirationDuration + 1 &&
        r.FEV1 == 0) {
        r.FEV1 = static_cast<float>(m.TotalVolume);
        r.FlowAtFev1 = static_cast<float>(m.TrachealFlow);
    }

    const double signal = RecordedSignalValue(m);
    if (m.ForcedExpiration) {
        if (m.TrachealFlow < 0) r.FET = static_cast<float>(r.FET + 0.001);
        if (SampleDue(m)) TakeSample(m, r, signal);
    }
}

void ComputeIndices(LungModel& m, ResultRecord& r) {
    m.Vmax = 0;
    m.Vmin = 100;
    m.iVmax = 1;
    for (int i = 1; i <= kSampleCapacity; ++i) {
        const float v = r.SampleVolume[i - 1];
        if (v > m.Vmax) {
            m.Vmax = v;
            m.iVmax = i;
        }
        if (v > 0 && v < m.Vmin) m.Vmin = v;
        const float s = r.SampleSignal[i - 1];
        if (s < 0 && s < r.PEF) r.PEF = s;
    }
    r.PEF = -r.PEF;
    r.FVCEX = static_cast<float>(m.Vmax - m.Vmin);
    r.FEV1 = static_cast<float>(m.Vmax - r.FEV1);
    r.FEV1PercentFVC = static_cast<float>(100.0 * r.FEV1 / r.FVCEX);
    r.ERV = static_cast<float>(r.FRC - m.Vmin);
    r.TLC = static_cast<float>(m.Vmax);

    // Flow when 25, 50 and 75 % of the vital capacity have been expired; an
    // unfilled sample (volume 0) also ends the search, with flow 0.
    const double fvc = r.FVCEX;
    for (int i = m.iVmax + 1; i <= kSampleCapacity; ++i) {
        const double above = r.SampleVolume[i - 1] - m.Vmin;
        const float flow = 0.0f - r.SampleSignal[i - 1];
        if (above < 0.75 * fvc && r.MEF75 == 0) r.MEF75 = flow;
        if (above < 0.5 * fvc && r.MEF50 == 0) r.MEF50 = flow;
        if (above < 0.25 * fvc && r.MEF25 == 0) r.MEF25 = flow;
    }
}

} // namespace breathlab
