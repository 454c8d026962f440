#pragma once
// The text of the font sample, which names the font it is drawn in.

#include <string>

#include "platform/dialogs.h"

namespace ostrel {

// A size in points as a decimal number without trailing zeros, with the
// given decimal separator: 10, 10.5.
std::string FormatPoints(float points, const std::string& decimalSeparator);

// Name, " regular" or " bold"/" italic", the size and " point". Underline
// and strikethrough show in the sample's look, not in its text.
std::string SampleText(const platform::FontChoice& font, const std::string& decimalSeparator);

}  // namespace ostrel
