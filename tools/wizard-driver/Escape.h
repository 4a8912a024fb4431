#pragma once

#include <string>
#include <string_view>

namespace wizard_driver {

// A protocol answer is one line whose fields are split by tabs, so texts travel
// with backslash, tab, CR and LF escaped; a CR LF pair counts as one line break.
std::string escapeText(std::string_view text);
std::string unescapeText(std::string_view text);

} // namespace wizard_driver
