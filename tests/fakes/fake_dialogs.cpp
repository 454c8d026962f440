// The options window, the choosers, the pointer and the shell's links, as
// recorded calls and scripted answers.

#include "fakes/fake_platform.h"
#include "platform/dialogs.h"
#include "platform/shell.h"

namespace ostrel::platform {

using fake::Fake;

bool CreateOptionsWindow() {
    Fake().optionsWindowCreated = !Fake().refuseOptionsWindow;
    return Fake().optionsWindowCreated;
}
void ShowOptionsWindow() {
    ++Fake().optionsWindowShown;
}
void CloseOptionsWindow() {
    ++Fake().optionsWindowClosed;
}

void ReadOptionsWindowSize(double& widthTwips, double& heightTwips) {
    widthTwips = Fake().optionsWidthTwips;
    heightTwips = Fake().optionsHeightTwips;
}
void MoveOptionsWindow(double leftTwips, double topTwips) {
    Fake().optionsMoves.emplace_back(leftTwips, topTwips);
}

void ReadScreenSize(double& widthTwips, double& heightTwips) {
    widthTwips = Fake().screenWidthTwips;
    heightTwips = Fake().screenHeightTwips;
}

void EnableOtherWindow(WindowHandle window, bool enable) {
    Fake().enableCalls.emplace_back(window, enable);
}
bool ReadWindowRect(WindowHandle window, PixelRect& rect) {
    const bool found = Fake().windowRects.count(window) != 0;
    rect = found ? Fake().windowRects[window] : rect;
    return found;
}

// Bold text is wider, so that a caption measured in the wrong weight shows.
double TextWidthTwips(const std::string& text, bool bold) {
    return Fake().twipsPerCharacter * static_cast<double>(text.size()) * (bold ? 1.25 : 1.0);
}

std::string DecimalSeparator() {
    return Fake().decimalSeparator;
}

int ShowOptionsMessage(const std::string& text, const std::string& caption, std::uint32_t style) {
    Fake().optionsMessages.push_back({text, caption, style});
    return 1;
}

void SetBusyPointer(bool busy) {
    Fake().busyPointer.push_back(busy);
}

bool ChooseFontFor(const std::string& title, std::uint32_t flags, FontChoice& font) {
    Fake().fontRequests.push_back({title, flags, font});
    font = Fake().fontAnswer.value_or(font);
    return Fake().fontAnswer.has_value();
}

bool ChooseColourFor(const std::string& title, std::uint32_t flags, std::uint32_t& colour) {
    Fake().colourRequests.push_back({title, flags, colour});
    colour = Fake().colourAnswer.value_or(colour);
    return Fake().colourAnswer.has_value();
}

std::int64_t OpenWithShell(const std::string& target) {
    Fake().shellOpened.push_back(target);
    return Fake().shellResult;
}

std::string ProgramArguments() {
    return Fake().programArguments;
}

}  // namespace ostrel::platform
