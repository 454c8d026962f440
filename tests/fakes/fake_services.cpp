#include "fakes/fake_services.h"

#include <algorithm>

namespace ostrel::platform {

namespace {

// Whether the window has a rectangle in `rects`, copied to `rect` if so.
bool Lookup(const std::map<WindowHandle, PixelRect>& rects, WindowHandle window, PixelRect& rect) {
    const auto found = rects.find(window);
    if (found != rects.end()) {
        rect = found->second;
    }
    return found != rects.end();
}

}  // namespace

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
    return Lookup(w.clientRects, window, rect);
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
    return Lookup(d.windowRects, window, rect);
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

namespace {

template <typename T>
StoredValue<T> Read(SettingsStore& store, const std::string& name) {
    if (store.failingReads.count(name) != 0) {
        return {ReadStatus::Failed, {}};
    }
    const auto found = store.values.find(name);
    if (found == store.values.end()) {
        return {ReadStatus::Missing, {}};
    }
    const T* value = std::get_if<T>(&found->second);
    return value == nullptr ? StoredValue<T>{ReadStatus::WrongType, {}}
                            : StoredValue<T>{ReadStatus::Value, *value};
}

template <typename T>
bool Write(SettingsStore& store, const std::string& name, const T& value) {
    if (store.failingWrites.count(name) != 0) {
        return false;
    }
    store.values[name] = value;
    return true;
}

}  // namespace

std::string SettingsStore::Shown(const std::string& name) const {
    const auto found = values.find(name);
    if (found == values.end()) {
        return "<none>";
    }
    const auto* number = std::get_if<std::int32_t>(&found->second);
    return number != nullptr ? std::to_string(*number) : std::get<std::string>(found->second);
}

StoredNumber ReadNumberValue(SettingsStore& store, const std::string& name) {
    return Read<std::int32_t>(store, name);
}

StoredText ReadTextValue(SettingsStore& store, const std::string& name) {
    return Read<std::string>(store, name);
}

bool WriteNumberValue(SettingsStore& store, const std::string& name, std::int32_t number) {
    return Write(store, name, number);
}

bool WriteTextValue(SettingsStore& store, const std::string& name, const std::string& text) {
    return Write(store, name, text);
}

StoredText ReadDefaultSaver(SettingsStore& store) {
    if (store.defaultSaverFails) {
        return {ReadStatus::Failed, {}};
    }
    return store.defaultSaver ? StoredText{ReadStatus::Value, *store.defaultSaver} : StoredText{};
}

bool WriteDefaultSaver(SettingsStore& store, const std::string& fileName) {
    if (store.defaultSaverFails) {
        return false;
    }
    store.defaultSaver = fileName;
    return true;
}

std::optional<std::string> ComputerName(SystemInfo& s) {
    return s.computerName;
}

double SecondsSinceMidnight(SystemInfo& s) {
    return s.secondsSinceMidnight;
}

LocalTime CurrentLocalTime(SystemInfo& s) {
    return s.localTime;
}

std::optional<std::int64_t> ReadHighResolutionCounter(SystemInfo& s) {
    return s.highResolutionCount;
}

std::int64_t HighResolutionFrequency(SystemInfo& s) {
    return s.highResolutionFrequency;
}

std::uint32_t TickCountMilliseconds(SystemInfo& s) {
    return s.tickCount;
}

MemoryStatus ReadMemoryStatus(SystemInfo& s) {
    return s.memory;
}

bool ProcessorFiguresAvailable(SystemInfo& s) {
    return s.processorFiguresAvailable;
}

std::int32_t ProcessorCount(SystemInfo& s) {
    return s.processorCount;
}

void ReadProcessorTimes(SystemInfo& s, std::int32_t, ProcessorTimes& times) {
    ++s.processorReadings;
    if (s.processorTimesFailure) {
        throw *s.processorTimesFailure;
    }
    times = s.processorTimes;
}

std::string MonthAbbreviation(SystemInfo& s, int month) {
    const auto& names = s.monthNames;
    return month >= 1 && static_cast<std::size_t>(month) <= names.size() ? names[month - 1] : "";
}

std::string ThousandsSeparator(SystemInfo& s) {
    return s.thousandsSeparator;
}

void ChangePassword(Shell& s, WindowHandle parent) {
    if (s.passwordFailure) {
        throw *s.passwordFailure;
    }
    s.passwordChanges.push_back(parent);
}

OpenResult OpenWithShell(Shell& s, const std::string& target) {
    s.opened.push_back(target);
    return s.openResult;
}

InterfaceQuery ReadInterfaceOctets(Network& n, std::vector<InterfaceOctets>& interfaces) {
    const bool read = n.answer == InterfaceQuery::Read;
    interfaces = read ? n.interfaces : std::vector<InterfaceOctets>{};
    return n.answer;
}

}  // namespace ostrel::platform
