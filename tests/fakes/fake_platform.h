#pragma once
// In-memory stand-ins for the platform services. All their state lives in
// one FakePlatform that each test fixture resets.

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "common/failure.h"
#include "platform/network.h"
#include "platform/sysinfo.h"
#include "platform/windowing.h"
#include "platform/dialogs.h"

namespace ostrel::fake {

struct RegValue {
    std::uint32_t type = 0;
    std::vector<std::uint8_t> bytes;
};

struct RegKeyData {
    std::map<std::string, RegValue> values;  // by lower-cased name
};

struct MessageShown {
    std::string text;
    std::string caption;
    std::uint32_t style = 0;
    bool ticking = false;         // the saver's tick ran while it was shown
    bool ownedByOptions = false;  // the options window was open to own it
};

struct Placement {
    platform::WindowHandle window = 0;
    platform::WindowHandle insertAfter = 0;
    std::int32_t x = 0, y = 0, cx = 0, cy = 0;
    std::uint32_t flags = 0;
};

struct FakeDevice {
    platform::DisplayDevice device;
    std::optional<platform::DisplaySettings> current;
    std::optional<platform::DisplaySettings> registry;
};

struct FakeMonitor {
    std::int32_t x = 0, y = 0;  // the point that finds it
    platform::PixelRect rect;
};

struct FakePlatform {
    // Registry: keys by root and lower-cased path.
    std::map<std::pair<std::uint32_t, std::string>, RegKeyData> keys;
    int openKeys = 0;
    bool refuseWrites = false, refuseCreate = false;
    std::set<std::string> refusedValues;  // writes of these value names fail

    // Windows.
    static constexpr platform::WindowHandle kSaverWindow = 0x1000;
    std::vector<MessageShown> messages;
    std::function<void()> whileMessageShown;     // runs as if the user acted under the box
    std::optional<std::int32_t> tickIntervalMs;  // set once the tick has started
    std::string saverCaption;
    std::uint32_t saverBackground = 0;
    bool saverDestroyed = false, programEnded = false;
    std::map<std::string, platform::WindowHandle> windowsByTitle;
    std::vector<Placement> placements;
    std::vector<bool> cursorCalls;
    std::map<platform::WindowHandle, platform::PixelRect> clientRects;
    std::map<std::pair<platform::WindowHandle, int>, std::int64_t> windowWords;
    std::vector<std::pair<platform::WindowHandle, platform::WindowHandle>> parentChanges;
    double twipsPerPixelX = 15.0, twipsPerPixelY = 15.0;
    std::set<std::string> fonts{"Verdana", "Tahoma", "Arial"};
    std::vector<std::pair<float, float>> textBlockMoves;
    // Drawing requests in order: "move", "resize", "redraw TextBlock now", ...
    std::vector<std::string> drawLog;

    // Monitors.
    platform::PixelRect desktop{0, 0, 1024, 768};
    std::vector<FakeDevice> devices;
    std::vector<FakeMonitor> monitors;
    std::optional<std::uint32_t> failAtDevice;  // raises on enumerating this index

    // System information.
    std::optional<std::string> computerName = std::string("TESTBOX");
    std::optional<std::uint32_t> reportedNameSize;  // overrides the reported length
    bool versionAvailable = true;
    double secondsSinceMidnight = 3600.0;
    platform::LocalTime localTime{2006, 12, 5, 15, 6, 10, 0};

    // Sources: clocks, memory, performance data, interface table.
    int highResolutionAnswer = 1;  // 1: the counter is there
    std::int64_t highResolutionCount = 0, highResolutionFrequency = 10000000;
    std::uint32_t tickCount = 0;
    platform::MemoryStatus memory;
    std::int32_t processorCount = 2;
    platform::ProcessorTimes processorTimes;       // the answer to every reading
    std::optional<Failure> processorTimesFailure;  // raised instead
    int processorReadings = 0;                     // readings asked for
    std::vector<std::string> monthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::string thousandsSeparator = ",";
    platform::InterfaceQuery interfaceAnswer = platform::InterfaceQuery::Read;
    std::vector<platform::InterfaceOctets> interfaces;

    // Shell and dialogs.
    std::vector<std::pair<std::string, std::int64_t>> passwordChanges;
    std::optional<Failure> passwordFailure;

    // Options dialog.
    bool refuseOptionsWindow = false, optionsWindowCreated = false;
    int optionsWindowShown = 0, optionsWindowClosed = 0;
    double optionsWidthTwips = 5400, optionsHeightTwips = 5880;
    double screenWidthTwips = 15360, screenHeightTwips = 11520;
    std::vector<std::pair<double, double>> optionsMoves;
    std::map<platform::WindowHandle, platform::PixelRect> windowRects;
    std::vector<std::pair<platform::WindowHandle, bool>> enableCalls;
    double twipsPerCharacter = 90;  // text width in the dialog's font
    std::string decimalSeparator = ".";
    std::vector<MessageShown> optionsMessages;
    std::vector<bool> busyPointer;
    std::vector<std::string> shellOpened;
    std::int64_t shellResult = 42;
    std::string programArguments;
    struct FontRequest {
        std::string title;
        std::uint32_t flags = 0;
        platform::FontChoice initial;
    };
    std::vector<FontRequest> fontRequests;
    std::optional<platform::FontChoice> fontAnswer;  // none: the user cancels
    struct ColourRequest {
        std::string title;
        std::uint32_t flags = 0;
        std::uint32_t initial = 0;
    };
    std::vector<ColourRequest> colourRequests;
    std::optional<std::uint32_t> colourAnswer;

    // Test helpers.
    void AddMonitor(std::uint32_t stateFlags, platform::PixelRect rect);
    void SetRegDword(const std::string& path, const std::string& name, std::uint32_t value);
    void SetRegBytes(const std::string& path, const std::string& name, std::uint32_t type,
                     std::vector<std::uint8_t> bytes);
    void SetRegText(const std::string& path, const std::string& name, const std::string& text);
    const RegValue* FindValue(std::uint32_t root, const std::string& path,
                              const std::string& name) const;
};

FakePlatform& Fake();
std::string Lower(std::string s);
void ResetFake();

}  // namespace ostrel::fake
