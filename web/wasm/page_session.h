// What the web page does with the model, without the browser: the core's
// session, started from the default history set, with the page's JSON views
// of it and a patient examined aside. The exported C functions of
// page_exports.cpp are a thin layer over this class, so it can be tested
// natively.
#pragma once

#include "session.h"

#include <memory>
#include <string>

namespace breathlab {

class PageSession {
  public:
    // A fresh start-up from the default history set (standard.dat), as the
    // window and breathlab-cli do it. Returns false for data that is not a
    // history set; the session then keeps the history it had. Comes before
    // everything else.
    bool StartUp(const void* defaultSet, std::size_t size, std::string& error);

    // START, the results table's commands and "Open" from bytes.
    Session& Core() { return *session_; }
    const Session& Core() const { return *session_; }

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
    std::unique_ptr<Session> session_;
    std::unique_ptr<ResultHistory> defaults_ = std::make_unique<ResultHistory>();
    std::unique_ptr<Session> aside_;
};

} // namespace breathlab
