#include "page_session.h"

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
    *defaults_ = *slots;
    session_ = std::make_unique<Session>(slots.get());
    return ok;
}

std::string PageSession::StateJson() const {
    return HistoryJson(session_->Runs(), session_->Parameters());
}

void PageSession::RunAside(const ParameterSet& patient) {
    aside_ = std::make_unique<Session>(defaults_.get());
    aside_->Start(patient);
}

std::string PageSession::AsideJson() const {
    return aside_ ? HistoryJson(Aside(), session_->Parameters()) : std::string("null");
}

} // namespace breathlab
