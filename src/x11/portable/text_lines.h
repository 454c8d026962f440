#pragma once
// The lines of one of the program's texts as the X11 program shows them.

#include <string>
#include <string_view>
#include <vector>

namespace ostrel {

// The program's line separator breaks a text into lines, as do line feeds
// (a description from the settings file may hold either) and the two
// together. An empty text is one empty line. Other control characters
// (a tab in a description) are spaces.
std::vector<std::string> TextLines(std::string_view text);

// The lines joined with `between`.
std::string JoinLines(const std::vector<std::string>& lines, std::string_view between);

}  // namespace ostrel
