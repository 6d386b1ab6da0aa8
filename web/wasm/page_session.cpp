#include "page_session.h"

#include "history_commands.h"
#include "history_set_check.h"
#include "index_texts.h"
#include "number_text.h"
#include "page_json.h"

namespace breathlab {

namespace {

void AppendRecord(std::string& out, const ResultRecord& r) {
    out += "{\"RunStatus\":";
    out += JsonNumber(r.RunStatus);
    for (const IndexRowLayout& layout : kIndexRows) {
        out += ",\"";
        out += layout.Name;
        out += "\":";
        out += JsonNumber(r.*layout.Field);
    }
    out += ",\"FlowAtFev1\":";
    out += JsonNumber(r.FlowAtFev1);
    out += ",\"SignalSelection\":";
    out += JsonNumber(r.SignalSelection);
    out += ",\"Parameters\":";
    AppendArray(out, kRegionRows, [&](int row) {
        AppendArray(out, kParameterCount,
                    [&](int k) { out += JsonNumber(r.ParameterBlock[row][k]); });
    });
    out += ",\"Globals\":";
    AppendArray(out, kGlobalParams, [&](int j) { out += JsonNumber(r.GlobalParamBlock[j]); });
    out += '}';
}

std::string HistoryJson(const RunHistory& h, const ParameterSet& working) {
    const bool runShown = h.SelectedRun >= 1;
    const IndexTableCells cells = IndexTableTexts(h, runShown ? h.SelectedRun : 0, runShown);
    std::string out = "{\"SelectedRun\":" + std::to_string(h.SelectedRun) +
                      ",\"RunCount\":" + std::to_string(h.RunCount) + ",\"IndexTable\":";
    AppendArray(out, kIndicesRows, [&](int row) {
        AppendArray(out, kIndicesColumns, [&](int column) { AppendString(out, cells[row][column]); });
    });
    out += ",\"Slots\":";
    AppendArray(out, kHistorySlots, [&](int slot) { AppendRecord(out, h.Slots[slot]); });
    out += ",\"Working\":";
    AppendArray(out, kRegionRows, [&](int row) {
        AppendArray(out, kParameterCount,
                    [&](int k) { out += JsonNumber(working.RegionParams[row][k]); });
    });
    out += ",\"WorkingGlobals\":";
    AppendArray(out, kGlobalParams,
                [&](int j) { out += JsonNumber(working.GlobalParams[j]); });
    out += '}';
    return out;
}

} // namespace

bool PageSession::StartUp(const void* defaultSet, std::size_t size, std::string& error) {
    // Data that is not a history set leaves the slots as they were.
    auto slots = std::make_unique<ResultHistory>();
    if (session_) *slots = session_->History();
    const bool ok = HistorySetFromBytes(defaultSet, size, *slots, error);
    if (ok) *defaultReference_ = (*slots)[0];
    *defaults_ = *slots;
    session_ = std::make_unique<HeadlessSession>(slots.get());
    parameters_ = ParameterSet{};
    return ok;
}

void PageSession::LoadParametersFromSlot(int slot) {
    const ResultRecord& record = Runs().Slots[slot < 0 ? 0 : slot];
    for (int row = 0; row < kRegionRows; ++row)
        for (int k = 0; k < kParameterCount; ++k)
            parameters_.RegionParams[row][k] = record.ParameterBlock[row][k];
}

bool PageSession::SelectRun(int row) {
    if (!SelectRunRow(Runs(), parameters_, row)) return false;
    LoadParametersFromSlot(row);
    return true;
}

bool PageSession::DeleteSelected() {
    const DeletionOutcome outcome = DeleteSelectedRun(Runs(), parameters_.CurrentRegion);
    if (outcome == DeletionOutcome::NothingSelected) return false;
    if (outcome == DeletionOutcome::FirstRunSelected) SelectRun(1);
    return true;
}

bool PageSession::UseSelectedAsReference() {
    if (!breathlab::UseSelectedAsReference(Runs())) return false;
    LoadParametersFromSlot(Runs().SelectedRun);
    return true;
}

void PageSession::RestoreDefaultReference() {
    breathlab::RestoreDefaultReference(Runs(), *defaultReference_);
    LoadParametersFromSlot(Runs().SelectedRun > 0 ? Runs().SelectedRun : 0);
}

bool PageSession::Open(const void* data, std::size_t size, std::string& error) {
    if (!HistorySetFromBytes(data, size, Runs().Slots, error)) return false;
    CountRunsAfterOpen(Runs());
    if (Runs().SelectedRun >= 1) {
        SelectRun(Runs().SelectedRun);
    } else {
        LoadParametersFromSlot(0);
    }
    return true;
}

std::string PageSession::StateJson() const {
    return HistoryJson(History(), parameters_);
}

void PageSession::RunAside(const ParameterSet& patient) {
    aside_ = std::make_unique<HeadlessSession>(defaults_.get());
    aside_->Start(patient);
    aside_->Runs().SelectedRun = 1;
    aside_->Runs().RunCount = 1;
}

std::string PageSession::AsideJson() const {
    return aside_ ? HistoryJson(Aside(), parameters_) : std::string("null");
}

} // namespace breathlab
