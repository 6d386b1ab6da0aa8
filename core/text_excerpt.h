// Text from outside (arguments, file contents) as it may appear in a
// message: control characters escaped, so that an ESC or a BEL never reaches
// the user's terminal, and long text cut to a short excerpt.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace breathlab {

// Every byte below 0x20 and DEL as "\xHH"; tab stays readable as "\t".
std::string EscapeControl(std::string_view text);

// At most `limit` bytes of `text`, escaped, with "..." where it was cut.
std::string Excerpt(std::string_view text, std::size_t limit = 60);

} // namespace breathlab
