#pragma once

#include <array>
#include <string>
#include <string_view>

namespace core {

// A heading followed by five numbered lines.
using GuidanceList = std::array<std::string_view, 6>;

struct GuidanceTexts {
    GuidanceList GuidanceDos;
    GuidanceList GuidanceDonts;
};

// The do's and don'ts for keeping the beads, as the main window shows them.
GuidanceTexts LoadGuidanceTexts();

// The six entries of a list as one caption: one per line, CR LF between them,
// nothing after the last.
std::string joinGuidance(const GuidanceList& list);

} // namespace core
