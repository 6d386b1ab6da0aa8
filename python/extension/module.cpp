// The extension module breathlab._breathlab: the simulator's core for the
// Python layer in breathlab/. Everything that runs the model releases the GIL,
// so that Python threads run patients side by side.
#include "case_library.h"
#include "data_folder.h"
#include "history_set_io.h"
#include "patient_run.h"
#include "reported_indices.h"
#include "sweep_plan.h"

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <memory>

namespace py = pybind11;

namespace breathlab::python {

namespace {

// A history set held by Python: the five records of a run or of a file.
struct HistoryHandle {
    std::shared_ptr<ResultHistory> Slots;

    const ResultRecord& Slot(int slot) const {
        if (slot < 0 || slot >= kHistorySlots)
            throw py::index_error("a history set has the slots 0 to 4");
        return (*Slots)[static_cast<std::size_t>(slot)];
    }
};

HistoryHandle ReadHistory(const std::string& path) {
    auto slots = std::make_shared<ResultHistory>();
    std::string error;
    if (!ReadHistorySet(path, *slots, error)) throw FileError(error);
    return {slots};
}

void WriteHistory(const HistoryHandle& history, const std::string& path) {
    std::string error;
    if (!WriteHistorySet(path, *history.Slots, error)) throw FileError(error);
}

py::bytes HistoryBytes(const HistoryHandle& history) {
    return {reinterpret_cast<const char*>(HistorySetBytes(*history.Slots)), kHistorySetBytes};
}

HistoryHandle HistoryFromBytes(const py::bytes& data) {
    const std::string_view view = data;
    auto slots = std::make_shared<ResultHistory>();
    std::string error;
    if (!HistorySetFromBytes(view.data(), view.size(), *slots, error))
        throw std::invalid_argument(error);
    return {slots};
}

template <typename Value, std::size_t N>
py::array_t<Value> ArrayOf(const Value (&values)[N]) {
    return py::array_t<Value>(static_cast<py::ssize_t>(N), values);
}

// The raw traces and percentages of one record; the Python layer shapes them.
py::dict RecordArrays(const HistoryHandle& history, int slot) {
    const ResultRecord& r = history.Slot(slot);
    py::dict arrays;
    arrays["time_axis"] = ArrayOf(r.TimeAxis);
    arrays["volume_trace"] = ArrayOf(r.VolumeTrace);
    arrays["sample_volume"] = ArrayOf(r.SampleVolume);
    arrays["sample_signal"] = ArrayOf(r.SampleSignal);
    arrays["parameter_block"] =
        py::array_t<float>({kRegionRows, kParameterColumns}, &r.ParameterBlock[0][0]);
    arrays["global_params"] = ArrayOf(r.GlobalParamBlock);
    return arrays;
}

py::tuple RecordReport(const HistoryHandle& history, int slot) {
    const ReportedIndices report = ReportIndices(history.Slot(slot));
    py::object problem = report.Problem ? py::object(py::str(*report.Problem)) : py::none();
    return py::make_tuple(report.Status, problem, report.Values);
}

// Runs with the GIL released: the history of the run, its model time as the
// JSON report gives it, and its substeps.
py::tuple RunReleased(const ParameterSet& patient, const HistoryHandle* reference) {
    const ResultRecord* referenceRecord = reference ? &reference->Slot(0) : nullptr;
    PatientRun run;
    {
        py::gil_scoped_release released;
        run = RunPatientOnce(patient, referenceRecord);
    }
    return py::make_tuple(HistoryHandle{run.History}, ReportedNumber(run.ModelTime), run.Substeps);
}

// The names breathlab-cli gives the percentages: for each region (-2..5) its
// eight, and the twenty further ones.
py::tuple ParameterNames() {
    std::vector<std::vector<std::string>> regions;
    for (int region = kLeftLung; region < kLeftLung + kRegionCount; ++region) {
        std::vector<std::string> names;
        for (int k = 1; k <= kParameterCount; ++k) names.push_back(SettingName({false, region, k}));
        regions.push_back(names);
    }
    std::vector<std::string> globals;
    for (int i = 1; i <= kGlobalParamCount; ++i) globals.push_back(SettingName({true, kBothLungs, i}));
    return py::make_tuple(regions, globals);
}

py::list CaseList() {
    py::list cases;
    for (const TeachingCase& c : Data().Cases) {
        std::vector<std::string> sites;
        for (FaultSite site : c.Sites) sites.emplace_back(SiteKey(site));
        py::dict entry;
        entry["name"] = c.Name;
        entry["title"] = c.Title;
        entry["condition"] = c.Condition;
        entry["look_for"] = c.LookFor;
        entry["pattern"] = PatternKey(c.ExpectedPattern);
        entry["sites"] = sites;
        entry["in_exercise"] = c.InExercise;
        entry["settings"] = c.SettingTexts;
        cases.append(entry);
    }
    return cases;
}

void BindHistory(py::module_& m) {
    py::class_<HistoryHandle>(m, "HistorySet")
        .def_static("read", &ReadHistory, py::arg("path"), py::call_guard<py::gil_scoped_release>())
        .def("write", &WriteHistory, py::arg("path"), py::call_guard<py::gil_scoped_release>())
        .def("to_bytes", &HistoryBytes)
        .def_static("from_bytes", &HistoryFromBytes, py::arg("data"))
        .def("arrays", &RecordArrays, py::arg("slot"))
        .def("report", &RecordReport, py::arg("slot"))
        .def(py::pickle(&HistoryBytes, [](const py::bytes& data) { return HistoryFromBytes(data); }));
}

void BindRuns(py::module_& m) {
    m.def(
        "run",
        [](const std::vector<std::string>& settings, const HistoryHandle* reference) {
            return RunReleased(ParseSettings(settings), reference);
        },
        py::arg("settings"), py::arg("reference") = nullptr);
    m.def(
        "run_case",
        [](const std::string& name, const std::vector<std::string>& settings,
           const HistoryHandle* reference) {
            return RunReleased(CasePatient(name, settings), reference);
        },
        py::arg("name"), py::arg("settings"), py::arg("reference") = nullptr);
    m.def(
        "run_exercise",
        [](long seed, const HistoryHandle* reference) {
            const ExerciseRound round = ExerciseRoundFor(seed);
            return py::make_tuple(round.Case->Name, round.RandomPatient,
                                  RunReleased(round.Patient, reference));
        },
        py::arg("seed"), py::arg("reference") = nullptr);
}

void BindSweep(py::module_& m) {
    py::class_<SweepPlan>(m, "SweepPlan")
        .def(py::init<const std::vector<std::string>&>(), py::arg("arguments"),
             py::call_guard<py::gil_scoped_release>())
        .def_property_readonly("patients", &SweepPlan::Patients)
        .def_property_readonly("jobs", &SweepPlan::Jobs)
        .def_property_readonly("header", &SweepPlan::Header)
        .def_property_readonly("definition", &SweepPlan::Definition)
        .def("row", &SweepPlan::Row, py::arg("patient"), py::call_guard<py::gil_scoped_release>());
}

} // namespace

} // namespace breathlab::python

PYBIND11_MODULE(_breathlab, m) {
    using namespace breathlab::python;
    m.doc() = "The breathlab simulator's core; use the breathlab package instead.";
    py::register_exception<FileError>(m, "FileError", PyExc_OSError);
    m.attr("model_version") = BREATHLAB_MODEL_VERSION;
    m.def("use_data_folder", &UseDataFolder, py::arg("folder"));
    m.def("parameter_names", &ParameterNames);
    m.def("cases", &CaseList);
    BindHistory(m);
    BindRuns(m);
    BindSweep(m);
}
