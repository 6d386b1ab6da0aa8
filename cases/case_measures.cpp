#include "case_measures.h"

#include "lung_model.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <sstream>

namespace breathlab {

namespace {

struct IndexMeasure {
    const char* Name;
    float ResultRecord::*Field;
};
constexpr std::array<IndexMeasure, 11> kIndexMeasures = {{
    {"FEV1", &ResultRecord::FEV1},
    {"FVC", &ResultRecord::FVCEX},
    {"FEV1%FVC", &ResultRecord::FEV1PercentFVC},
    {"PEF", &ResultRecord::PEF},
    {"MEF75", &ResultRecord::MEF75},
    {"MEF50", &ResultRecord::MEF50},
    {"MEF25", &ResultRecord::MEF25},
    {"ERV", &ResultRecord::ERV},
    {"FRC", &ResultRecord::FRC},
    {"TLC", &ResultRecord::TLC},
    {"FET", &ResultRecord::FET},
}};

constexpr const char* kPercentSuffix = "%ref";

// Samples of the forced manoeuvre that the run filled.
int FilledSamples(const ResultRecord& r) {
    int n = 0;
    while (n < kSampleCapacity && r.SampleVolume[n] != 0)
        ++n;
    return n;
}

// The sample (0-based) of the largest lung volume: where the forced
// expiration starts.
int FullInspirationSample(const ResultRecord& r, int filled) {
    return static_cast<int>(std::max_element(r.SampleVolume, r.SampleVolume + filled) -
                            r.SampleVolume);
}

// The lobe traces keep row 0 for the end of the FRC period; sample i sits in row i + 1.
double LobeVolumeAt(const ResultRecord& r, int sample, int lobe) {
    return r.LobeVolumeTrace[sample + 1][lobe];
}

double LobeSmallestAfter(const ResultRecord& r, int from, int filled, int lobe) {
    double smallest = LobeVolumeAt(r, from, lobe);
    for (int i = from; i < filled; ++i)
        smallest = std::min(smallest, LobeVolumeAt(r, i, lobe));
    return smallest;
}

std::optional<double> LobeSwing(const ResultRecord& r, int lobe) {
    const int filled = FilledSamples(r);
    if (filled == 0 || lobe < 0 || lobe >= kLobeCount) return std::nullopt;
    const int start = FullInspirationSample(r, filled);
    return LobeVolumeAt(r, start, lobe) - LobeSmallestAfter(r, start, filled, lobe);
}

// Share of the lobes' swing that is out by the FEV1 point, for lobes
// [first, last].
std::optional<double> EmptiedByFev1(const ResultRecord& r, int first, int last) {
    const int filled = FilledSamples(r);
    if (filled == 0 || !(r.FEV1 > 0)) return std::nullopt;
    const int start = FullInspirationSample(r, filled);
    int fev1Sample = start;
    while (fev1Sample + 1 < filled && r.SampleVolume[start] - r.SampleVolume[fev1Sample] < r.FEV1)
        ++fev1Sample;
    double out = 0, swing = 0;
    for (int lobe = first; lobe <= last; ++lobe) {
        out += LobeVolumeAt(r, start, lobe) - LobeVolumeAt(r, fev1Sample, lobe);
        swing += LobeVolumeAt(r, start, lobe) - LobeSmallestAfter(r, start, filled, lobe);
    }
    if (!(swing > 0)) return std::nullopt;
    return out / swing;
}

std::optional<double> PlainMeasure(const ResultRecord& r, const std::string& name) {
    for (const IndexMeasure& m : kIndexMeasures)
        if (name == m.Name) return r.*m.Field;
    if (name.starts_with("LobeSwing") && name.size() == 10) return LobeSwing(r, name[9] - '1');
    if (name == "LeftEmptied") return EmptiedByFev1(r, 0, 1);
    if (name == "RightEmptied") return EmptiedByFev1(r, 2, 4);
    return std::nullopt;
}

double PercentOf(double value, double reference) {
    return 100.0 * value / reference;
}

std::string NumberText(double value) {
    std::ostringstream out;
    out.precision(4);
    out << value;
    return out.str();
}

} // namespace

std::optional<double> CaseMeasure(const ResultRecord& run, const ResultRecord& reference,
                                  const std::string& name) {
    if (!name.ends_with(kPercentSuffix)) return PlainMeasure(run, name);
    const std::string base = name.substr(0, name.size() - std::string(kPercentSuffix).size());
    const auto value = PlainMeasure(run, base);
    const auto ref = PlainMeasure(reference, base);
    if (!value || !ref || !(*ref > 0)) return std::nullopt;
    return PercentOf(*value, *ref);
}

Pattern ClassifyPattern(const ResultRecord& run, const ResultRecord& reference) {
    const double fev1 = PercentOf(run.FEV1, reference.FEV1);
    const double pef = PercentOf(run.PEF, reference.PEF);
    const double fvc = PercentOf(run.FVCEX, reference.FVCEX);
    if (pef < 0.7 * fev1) return Pattern::CentralObstruction;
    const bool obstructed = run.FEV1PercentFVC < 70;
    const bool small = fvc < 80;
    if (obstructed && small) return Pattern::Mixed;
    if (obstructed) return Pattern::Obstructive;
    if (small) return Pattern::Restrictive;
    return Pattern::Normal;
}

std::vector<std::string> UnmetExpectations(const TeachingCase& c, const ResultRecord& run,
                                           const ResultRecord& reference) {
    if (run.RunStatus != 1)
        return {"the run did not complete (status " + NumberText(run.RunStatus) + ")"};
    std::vector<std::string> unmet;
    const Pattern shown = ClassifyPattern(run, reference);
    if (shown != c.ExpectedPattern)
        unmet.push_back(std::string("pattern ") + PatternKey(shown) + ", expected " +
                        PatternKey(c.ExpectedPattern));
    for (const Expectation& e : c.Expectations) {
        const auto value = CaseMeasure(run, reference, e.Measure);
        if (!value)
            unmet.push_back(e.Text() + ": no such measure for this run");
        else if (e.Below ? !(*value < e.Limit) : !(*value > e.Limit))
            unmet.push_back(e.Text() + ": measured " + NumberText(*value));
    }
    return unmet;
}

} // namespace breathlab
