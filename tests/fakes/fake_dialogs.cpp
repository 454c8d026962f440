#include "fakes/fake_dialogs.h"

namespace ostrel::platform {

bool CreateOptionsWindow(Dialogs& d, OptionsDialog& dialog) {
    d.windowCreated = !d.refuseWindow;
    d.createdFor = &dialog;
    return d.windowCreated;
}

void ShowOptionsWindow(Dialogs& d) {
    ++d.windowShown;
}

void CloseOptionsWindow(Dialogs& d) {
    ++d.windowClosed;
}

void ReadOptionsWindowSize(Dialogs& d, double& widthTwips, double& heightTwips) {
    widthTwips = d.widthTwips;
    heightTwips = d.heightTwips;
}

void MoveOptionsWindow(Dialogs& d, double leftTwips, double topTwips) {
    d.moves.emplace_back(leftTwips, topTwips);
}

// A 1024 x 768 screen at 15 twips a pixel.
void ReadScreenSize(Dialogs&, double& widthTwips, double& heightTwips) {
    widthTwips = 15360;
    heightTwips = 11520;
}

void EnableOtherWindow(Dialogs& d, WindowHandle window, bool enable) {
    d.enableCalls.emplace_back(window, enable);
}

bool ReadWindowRect(Dialogs& d, WindowHandle window, PixelRect& rect) {
    const auto found = d.windowRects.find(window);
    if (found == d.windowRects.end()) {
        return false;
    }
    rect = found->second;
    return true;
}

// 90 twips a character; bold text is wider, so that a caption measured in
// the wrong weight shows.
double TextWidthTwips(Dialogs&, const std::string& text, bool bold) {
    return 90 * static_cast<double>(text.size()) * (bold ? 1.25 : 1.0);
}

std::string DecimalSeparator(Dialogs& d) {
    return d.decimalSeparator;
}

void ShowOptionsMessage(Dialogs& d, const std::string& text, const std::string& caption,
                        MessageIcon icon) {
    d.messages.push_back({text, caption, icon, true});
}

void SetBusyPointer(Dialogs& d, bool busy) {
    d.busyPointer.push_back(busy);
}

bool ChooseFontFor(Dialogs& d, const std::string& title, FontChoice& font) {
    d.fontRequests.push_back({title, font});
    font = d.fontAnswer.value_or(font);
    return d.fontAnswer.has_value();
}

bool ChooseColourFor(Dialogs& d, const std::string& title, std::uint32_t& colour) {
    d.colourRequests.push_back({title, colour});
    colour = d.colourAnswer.value_or(colour);
    return d.colourAnswer.has_value();
}

}  // namespace ostrel::platform
