#include "fakes/fake_windowing.h"

#include <algorithm>

namespace ostrel::platform {

void ShowMessage(Windowing& w, const std::string& text, const std::string& caption,
                 MessageIcon icon) {
    const bool options = w.optionsWindowOpen && w.optionsWindowOpen();
    w.messages.push_back({text, caption, icon, options});
    if (w.whileMessageShown) {
        w.whileMessageShown();
    }
}

void StartTicking(Windowing& w, std::int32_t intervalMs) {
    w.tickIntervalMs = intervalMs;
}

bool WindowExists(Windowing& w, WindowHandle window) {
    return w.clientRects.count(window) != 0;
}

void SetSaverCaption(Windowing& w, const std::string& caption) {
    w.saverCaption = caption;
}

void SetSaverBackground(Windowing& w, std::uint32_t colour) {
    w.saverBackground = colour;
}

void CoverDesktop(Windowing& w, const PixelRect& desktopRect) {
    w.covered = desktopRect;
}

void EmbedInPreviewHost(Windowing& w, WindowHandle host, std::int32_t widthPixels,
                        std::int32_t heightPixels) {
    w.embedded = fake::Embedding{host, widthPixels, heightPixels};
}

void SetPointerVisible(Windowing& w, bool visible) {
    w.pointerVisible.push_back(visible);
}

void DestroySaverWindow(Windowing& w) {
    w.saverDestroyed = true;
}

void EndProgram(Windowing& w) {
    w.programEnded = true;
}

bool ReportsPointerMovesOfMovingBlock(Windowing& w) {
    return w.reportsBlockMoves;
}

WindowHandle FindWindowTitled(Windowing& w, const std::string& title) {
    const auto found = w.windowsByTitle.find(title);
    return found == w.windowsByTitle.end() ? 0 : found->second;
}

bool ReadClientRect(Windowing& w, WindowHandle window, PixelRect& rect) {
    const auto found = w.clientRects.find(window);
    if (found == w.clientRects.end()) {
        return false;
    }
    rect = found->second;
    return true;
}

void MoveTextBlock(Windowing& w, float leftTwips, float topTwips) {
    w.textBlockMoves.emplace_back(leftTwips, topTwips);
    w.drawLog.push_back("move");
}

// Seven pixels a character of the longest line, sixteen a line.
TextSize MeasureText(Windowing&, const TextFont&, const std::string& text) {
    std::int32_t lines = 1, longest = 0, current = 0;
    for (char c : text) {
        current = c == kLineSeparator ? (++lines, 0) : current + 1;
        longest = std::max(longest, current);
    }
    return TextSize{7 * longest, 16 * lines};
}

void RedrawPart(Windowing& w, SaverPart part, bool now) {
    static constexpr const char* kNames[] = {"InfoLabel", "NetworkLabel", "TextBlock", "Window"};
    w.drawLog.push_back(std::string("redraw ") + kNames[static_cast<int>(part)] +
                        (now ? " now" : ""));
}

void ResizeTextBlock(Windowing& w, std::int32_t widthTwips, std::int32_t heightTwips) {
    w.drawLog.push_back("resize " + std::to_string(widthTwips) + "x" + std::to_string(heightTwips));
}

double TwipsPerPixelX(Windowing& w) {
    return w.twipsPerPixelX;
}

double TwipsPerPixelY(Windowing& w) {
    return w.twipsPerPixelY;
}

MonitorLayout ReadMonitorLayout(Windowing& w) {
    return w.layout;
}

bool FontExists(Windowing& w, const std::string& faceName) {
    return w.fonts.count(faceName) != 0;
}

}  // namespace ostrel::platform
