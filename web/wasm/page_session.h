// What the web page does with the model, without the browser: one start-up
// session (the default history, the model, the working parameter set) and
// the commands of the history. The exported C functions of page_exports.cpp
// are a thin layer over this class, so it can be tested natively.
#pragma once

#include "headless_session.h"
#include "lung_model.h"
#include "parameter_set.h"
#include "run_history.h"

#include <memory>
#include <string>

namespace breathlab {

class PageSession {
  public:
    // A fresh start-up from the default history set (standard.dat), as the
    // window and breathlab-cli do it. Returns false for data that is not a
    // history set; the session then keeps an empty history. Comes before
    // everything else.
    bool StartUp(const void* defaultSet, std::size_t size, std::string& error);

    ParameterSet& Parameters() { return parameters_; }
    const RunHistory& History() const { return session_->Runs(); }
    LungModel& Model() { return session_->Model(); }

    // START: the working parameter set into slot 1, one examination, the
    // older runs pushed down, the new run selected.
    void Start() { session_->Start(parameters_); }

    // The commands of the results table; each brings the parameter set of
    // the run that is then selected (or of the reference) back into the
    // working set, as the sliders do in the window.
    bool SelectRun(int row);
    bool DeleteSelected();
    bool UseSelectedAsReference();
    void RestoreDefaultReference();
    // "Open": a history set from bytes; false leaves everything as it was.
    bool Open(const void* data, std::size_t size, std::string& error);

    // The state the page draws from, as JSON: selection, the indices table
    // of the shown run, each listed slot's status, indices and percentages.
    std::string StateJson() const;

    // A patient examined apart from the listed runs (an exercise round, whose
    // settings the student must not see): a fresh start-up and one START,
    // as the window's exercise mode runs it.
    void RunAside(const ParameterSet& patient);
    bool HasAside() const { return aside_ != nullptr; }
    const RunHistory& Aside() const { return aside_->Runs(); }
    std::string AsideJson() const;

  private:
    void LoadParametersFromSlot(int slot);
    RunHistory& Runs() { return session_->Runs(); }

    std::unique_ptr<HeadlessSession> session_;
    std::unique_ptr<ResultHistory> defaults_ = std::make_unique<ResultHistory>();
    std::unique_ptr<HeadlessSession> aside_;
    std::unique_ptr<ResultRecord> defaultReference_ = std::make_unique<ResultRecord>();
    ParameterSet parameters_;
};

} // namespace breathlab
