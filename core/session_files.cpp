// The session's history sets on disk. Apart from the rest of the session, so
// that a front end without files (the web page gets its bytes from the
// browser) builds without the file writer.
#include "session.h"

#include "history_set_io.h"

namespace breathlab {

bool Session::Open(const std::string& path, std::string& error) {
    if (!ReadHistorySet(path, history_->Slots, error)) return false;
    AfterOpen();
    return true;
}

bool Session::Save(const std::string& path, std::string& error) const {
    return WriteHistorySet(path, history_->Slots, error);
}

} // namespace breathlab
