#pragma once
// One fake of every service, owned by each test fixture: the calls recorded
// for the tests to inspect, and the answers scripted by them.

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <variant>
#include <vector>

#include "common/failure.h"
#include "platform/dialogs.h"
#include "platform/network.h"
#include "platform/services.h"
#include "platform/settings_store.h"
#include "platform/shell.h"
#include "platform/sysinfo.h"
#include "platform/windowing.h"

namespace ostrel::fake {

struct MessageShown {
    std::string text;
    std::string caption;
    platform::MessageIcon icon = platform::MessageIcon::None;
    bool ownedByOptions = false;  // the options window was open to own it
};

struct Embedding {
    platform::WindowHandle host = 0;
    std::int32_t widthPixels = 0;
    std::int32_t heightPixels = 0;
    bool operator==(const Embedding&) const = default;
};

struct FontRequest {
    std::string title;
    platform::FontChoice initial;
};

struct ColourRequest {
    std::string title;
    std::uint32_t initial = 0;
};

}  // namespace ostrel::fake

// The saver window, drawing and monitors.
struct ostrel::platform::Windowing {
    std::vector<fake::MessageShown> messages;
    std::function<void()> whileMessageShown;     // runs as if the user acted under the box
    std::function<bool()> optionsWindowOpen;     // whether a box would be the options window's
    std::optional<std::int32_t> tickIntervalMs;  // set once the tick has started
    std::string saverCaption;
    std::uint32_t saverBackground = 0;
    bool saverDestroyed = false, programEnded = false;
    std::optional<PixelRect> covered;
    std::optional<fake::Embedding> embedded;
    std::vector<bool> pointerVisible;
    std::map<std::string, WindowHandle> windowsByTitle;
    std::map<WindowHandle, PixelRect> clientRects;  // the windows that exist
    // Different across and down, so that a swapped axis shows.
    double twipsPerPixelX = 15.0, twipsPerPixelY = 12.0;
    std::set<std::string> fonts{"Verdana", "Tahoma", "Arial"};
    std::vector<std::pair<float, float>> textBlockMoves;
    // Drawing requests in order: "move", "resize WxH", "redraw TextBlock now", ...
    std::vector<std::string> drawLog;
    // Monitors left of, above and right of the primary, so that the primary
    // is nowhere near the corner of the whole.
    MonitorLayout layout{{-1280, -1024, 2304, 768}, {0, 0, 1024, 768}};
    bool reportsBlockMoves = true;
};

// The options window and its choosers.
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

// The stored settings as named values that keep their type, and the
// system's default saver; reads and writes can be made to fail by name.
struct ostrel::platform::SettingsStore {
    std::map<std::string, std::variant<std::int32_t, std::string>> values;
    std::set<std::string> failingReads;       // these names cannot be read
    std::set<std::string> failingWrites;      // nor written
    std::optional<std::string> defaultSaver;  // none: Missing
    bool defaultSaverFails = false;           // reads fail and writes are refused

    // The text of a value, the number as text, or "<none>".
    std::string Shown(const std::string& name) const;
};

struct ostrel::platform::SystemInfo {
    std::optional<std::string> computerName = std::string("TESTBOX");
    bool processorFiguresAvailable = true;
    double secondsSinceMidnight = 3600.0;
    LocalTime localTime{2006, 12, 5, 15, 6, 10, 0};
    std::optional<std::int64_t> highResolutionCount = 0;  // none: no counter
    std::int64_t highResolutionFrequency = 10000000;
    std::uint32_t tickCount = 0;
    MemoryStatus memory;
    // More than ten, so that a processor number read as one digit shows.
    std::int32_t processorCount = 12;
    ProcessorTimes processorTimes;                 // the answer to every reading
    std::optional<Failure> processorTimesFailure;  // raised instead
    int processorReadings = 0;                     // readings asked for
    std::vector<std::string> monthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::string thousandsSeparator = ",";
};

// The password change and opened links.
struct ostrel::platform::Shell {
    std::vector<WindowHandle> passwordChanges;  // the owner of each
    std::optional<Failure> passwordFailure;
    std::vector<std::string> opened;
    OpenResult openResult{true, 0};
};

// The interfaces' byte counters.
struct ostrel::platform::Network {
    InterfaceQuery answer = InterfaceQuery::Read;
    std::vector<InterfaceOctets> interfaces;
};

namespace ostrel::fake {

struct FakeServices {
    FakeServices() {
        // A message box belongs to the options window while that is open.
        windowing.optionsWindowOpen = [this] { return dialogs.Open(); };
    }
    FakeServices(const FakeServices&) = delete;
    FakeServices& operator=(const FakeServices&) = delete;

    platform::Windowing windowing;
    platform::SettingsStore store;
    platform::SystemInfo system;
    platform::Network network;
    platform::Shell shell;
    platform::Dialogs dialogs;

    platform::Services services() { return {windowing, store, system, network, shell, dialogs}; }
};

}  // namespace ostrel::fake
