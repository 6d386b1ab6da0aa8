#include "opened_case_notes.h"

namespace breathlab {

namespace {

QByteArray TraceOf(const ResultRecord& run) {
    return QByteArray(reinterpret_cast<const char*>(run.VolumeTrace), sizeof run.VolumeTrace);
}

} // namespace

void OpenedCaseNotes::Remember(const ResultRecord& run, const OpenedCaseNote& note) {
    const QByteArray trace = TraceOf(run);
    for (auto& [known, kept] : notes_)
        if (known == trace) {
            kept = note;
            return;
        }
    notes_.emplace_back(trace, note);
}

const OpenedCaseNote* OpenedCaseNotes::NoteOf(const ResultRecord& run) const {
    const QByteArray trace = TraceOf(run);
    for (const auto& [known, note] : notes_)
        if (known == trace) return &note;
    return nullptr;
}

} // namespace breathlab
