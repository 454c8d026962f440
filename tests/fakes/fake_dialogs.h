#pragma once
// The options window and its choosers, as recorded calls and scripted
// answers.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "fakes/fake_windowing.h"
#include "platform/dialogs.h"

namespace ostrel::fake {

struct FontRequest {
    std::string title;
    platform::FontChoice initial;
};

struct ColourRequest {
    std::string title;
    std::uint32_t initial = 0;
};

}  // namespace ostrel::fake

struct ostrel::platform::Dialogs {
    bool refuseWindow = false, windowCreated = false;
    OptionsDialog* createdFor = nullptr;
    int windowShown = 0, windowClosed = 0;
    double widthTwips = 5400, heightTwips = 5880;
    std::vector<std::pair<double, double>> moves;
    std::map<WindowHandle, PixelRect> windowRects;
    std::vector<std::pair<WindowHandle, bool>> enableCalls;
    std::string decimalSeparator = ".";
    std::vector<fake::MessageShown> messages;
    std::vector<bool> busyPointer;
    std::vector<fake::FontRequest> fontRequests;
    std::optional<FontChoice> fontAnswer;  // none: the user cancels
    std::vector<fake::ColourRequest> colourRequests;
    std::optional<std::uint32_t> colourAnswer;

    bool Open() const { return windowCreated && windowClosed == 0; }
};
