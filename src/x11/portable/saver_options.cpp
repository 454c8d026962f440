#include "x11/portable/saver_options.h"

#include <array>
#include <cstddef>

#include "display/label.h"
#include "linux/portable/text_fields.h"
#include "movement/block_motion.h"
#include "settings/settings.h"

namespace ostrel {

namespace {

constexpr std::int32_t kLargestWindowPixels = 16384;
constexpr std::int32_t kSmallestWindowPixels = 16;
// -delay is in microseconds, as every XScreenSaver display program takes it.
// A tick longer than the second the text changes in would show stale
// figures; one shorter than this would only spend the processor.
constexpr std::uint64_t kMicrosecondsPerMillisecond = 1000;
constexpr std::int32_t kLongestDelayMicroseconds = 1000000;
constexpr std::int32_t kShortestTickMs = 10;
// The width of an option's name in -h, before its description.
constexpr std::size_t kUsageNameColumns = 22;

// The settings record's bits as the stored numbers' unsigned ones.
constexpr std::uint32_t Bits(std::int32_t bits) {
    return static_cast<std::uint32_t>(bits);
}

struct NamedValue {
    std::string_view name;
    std::uint32_t value;
};

// The lines of the information text, by the bits of DisplayItems.
constexpr std::array<NamedValue, 11> kItems{{{"computer-name", Bits(kShowComputerName)},
                                             {"time", Bits(kShowCurrentTime)},
                                             {"uptime", Bits(kShowUptime)},
                                             {"start-time", Bits(kShowStartTime)},
                                             {"page-file", Bits(kShowPageFile)},
                                             {"cpu", Bits(kShowCpuUsage)},
                                             {"network", Bits(kShowNetwork)},
                                             {"description", Bits(kShowDescription)},
                                             {"physical-memory", Bits(kShowPhysicalMemory)},
                                             {"virtual-memory", Bits(kShowVirtualMemory)},
                                             {"percentages", Bits(kShowPercentages)}}};

// The animations by their stored numbers.
constexpr std::array<NamedValue, 5> kAnimations{
    {{"jumping", 0}, {"sliding", 1}, {"bounce", 2}, {"path", 3}, {"centre", 4}}};

template <std::size_t N>
const NamedValue* Find(const std::array<NamedValue, N>& table, std::string_view name) {
    for (const NamedValue& entry : table) {
        if (SameLetters(entry.name, name)) {
            return &entry;
        }
    }
    return nullptr;
}

// A whole number, decimal or after 0x, that fits 32 bits.
bool ReadUnsigned32(std::string_view text, std::uint32_t& value) {
    std::uint64_t v = 0;
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    if (!(hex ? ReadHexadecimal(text.substr(2), v) : ReadDecimal(text, v)) || v > 0xFFFFFFFFu) {
        return false;
    }
    value = static_cast<std::uint32_t>(v);
    return true;
}

bool ReadInRange(std::string_view text, std::int32_t low, std::int32_t high, std::int32_t& value) {
    std::uint64_t v = 0;
    if (!ReadDecimal(text, v) || v < static_cast<std::uint64_t>(low) ||
        v > static_cast<std::uint64_t>(high)) {
        return false;
    }
    value = static_cast<std::int32_t>(v);
    return true;
}

// "cpu,network,uptime", "none", or the stored number itself.
bool ReadItems(std::string_view text, std::uint32_t& items) {
    if (ReadUnsigned32(text, items)) {
        return true;
    }
    std::uint32_t bits = 0;
    if (!SameLetters(text, "none")) {
        while (!text.empty()) {
            const std::size_t comma = text.find(',');
            const NamedValue* item = Find(kItems, text.substr(0, comma));
            if (item == nullptr) {
                return false;
            }
            bits |= item->value;
            text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
        }
    }
    items = bits;
    return true;
}

bool ReadGeometry(std::string_view text, std::int32_t& width, std::int32_t& height) {
    const std::size_t x = text.find_first_of("xX");
    return x != std::string_view::npos &&
           ReadInRange(text.substr(0, x), kSmallestWindowPixels, kLargestWindowPixels, width) &&
           ReadInRange(text.substr(x + 1), kSmallestWindowPixels, kLargestWindowPixels, height);
}

// "cpu,network,uptime", "none", or the stored number itself.
enum class Group { Where, Settings, Standard, Other };

// One option of the table: its name without dashes, the name of the value
// that follows it (empty: none), where -h lists it and what it says there,
// and what it does. `Read` answers false for a value it cannot take.
struct Option {
    std::string_view name;
    std::string_view valueName;
    Group group;
    std::string_view help;
    bool (*Read)(SaverOptions& o, std::string_view value);
};

bool Taken(SaverOptions&, std::string_view) {
    return true;
}

template <std::uint32_t kBits>
bool SetFont(SaverOptions& o, std::string_view) {
    return (o.settings.fontSettings.Set(kBits), true);
}
template <std::uint32_t kBits>
bool ClearFont(SaverOptions& o, std::string_view) {
    return (o.settings.fontSettings.Clear(kBits), true);
}

bool ReadColourText(std::optional<std::string>& colour, std::string_view text) {
    // Whether the server knows the name is asked where it is looked up;
    // what cannot be a colour in any database is refused here.
    if (text.empty() || text.size() > 64) {
        return false;
    }
    colour = std::string(text);
    return true;
}

constexpr Option kOptions[] = {
    {"root", "", Group::Where, "the root window, or the window XSCREENSAVER_WINDOW names",
     [](SaverOptions& o, std::string_view) { return (o.target = DrawTarget::Root, true); }},
    {"window-id", "ID", Group::Where,
     "the window ID (decimal or 0x hexadecimal), as a settings dialog's preview",
     [](SaverOptions& o, std::string_view v) {
         const std::uint32_t id = ReadWindowId(v);
         if (id == 0) {
             return false;
         }
         o.target = DrawTarget::WindowId;
         o.windowId = id;
         return true;
     }},
    {"window", "", Group::Where,
     "a window of its own, to try it (the default outside XScreenSaver); a key, a click or ten "
     "quick pointer moves end it",
     [](SaverOptions& o, std::string_view) { return (o.target = DrawTarget::OwnWindow, true); }},
    {"geometry", "WxH", Group::Where, "the size of that window in pixels (800x600)",
     [](SaverOptions& o, std::string_view v) {
         std::int32_t width = 0, height = 0;
         return ReadGeometry(v, width, height) &&
                (o.widthPixels = width, o.heightPixels = height, true);
     }},
    {"display", "NAME", Group::Where, "the X display",
     [](SaverOptions& o, std::string_view v) { return (o.display = v, true); }},
    {"animation", "NAME", Group::Settings, "jumping, sliding, bounce, path or centre (or 0-4)",
     [](SaverOptions& o, std::string_view v) {
         std::int32_t n = 0;
         if (const NamedValue* a = Find(kAnimations, v)) {
             n = static_cast<std::int32_t>(a->value);
         } else if (!ReadInRange(v, 0, 4, n)) {
             return false;
         }
         o.settings.animation = n;
         return true;
     }},
    {"randomness", "N", Group::Settings, "how far bounces stray, 0-10",
     [](SaverOptions& o, std::string_view v) {
         std::int32_t n = 0;
         return ReadInRange(v, 0, 10, n) && (o.settings.randomness = n, true);
     }},
    {"font", "NAME", Group::Settings, "the text's font family",
     [](SaverOptions& o, std::string_view v) {
         return !v.empty() && (o.settings.fontName = std::string(v), true);
     }},
    {"font-size", "POINTS", Group::Settings, "the text's size, 1-2160",
     [](SaverOptions& o, std::string_view v) {
         std::int32_t n = 0;
         return ReadInRange(v, 1, kLargestFontPoints, n) && (o.settings.fontSize = n, true);
     }},
    {"bold", "", Group::Settings, "bold text", SetFont<Bits(kFontBold)>},
    {"no-bold", "", Group::Settings, "", ClearFont<Bits(kFontBold)>},
    {"italic", "", Group::Settings, "italic text", SetFont<Bits(kFontItalic)>},
    {"no-italic", "", Group::Settings, "", ClearFont<Bits(kFontItalic)>},
    {"underline", "", Group::Settings, "underlined text", SetFont<Bits(kFontUnderline)>},
    {"no-underline", "", Group::Settings, "", ClearFont<Bits(kFontUnderline)>},
    {"strikethrough", "", Group::Settings, "struck-through text",
     SetFont<Bits(kFontStrikethrough)>},
    {"no-strikethrough", "", Group::Settings, "", ClearFont<Bits(kFontStrikethrough)>},
    {"fg", "COLOUR", Group::Settings, "the text's colour: any X colour (white, SteelBlue, #RRGGBB)",
     [](SaverOptions& o, std::string_view v) { return ReadColourText(o.settings.fontColour, v); }},
    {"bg", "COLOUR", Group::Settings, "the background's colour",
     [](SaverOptions& o, std::string_view v) { return ReadColourText(o.settings.backColour, v); }},
    {"items", "LIST", Group::Settings, "the lines shown: a comma list of the names below, or none",
     [](SaverOptions& o, std::string_view v) {
         std::uint32_t items = 0;
         return ReadItems(v, items) && (o.settings.displayItems.Replace(items), true);
     }},
    {"text", "TEXT", Group::Settings, "the description line's text",
     [](SaverOptions& o, std::string_view v) {
         return (o.settings.description = std::string(v), true);
     }},
    {"primary-only", "", Group::Settings, "keep the text on the primary monitor",
     [](SaverOptions& o, std::string_view) {
         return (o.settings.options.Set(Bits(kConstrainToPrimary)), true);
     }},
    {"all-monitors", "", Group::Settings, "let it go over every monitor",
     [](SaverOptions& o, std::string_view) {
         return (o.settings.options.Clear(Bits(kConstrainToPrimary)), true);
     }},
    {"24-hour", "", Group::Settings, "a 24-hour clock",
     [](SaverOptions& o, std::string_view) {
         return (o.settings.timeFormat.Set(Bits(kTime24Hour)), true);
     }},
    {"12-hour", "", Group::Settings, "a 12-hour clock",
     [](SaverOptions& o, std::string_view) {
         return (o.settings.timeFormat.Clear(Bits(kTime24Hour)), true);
     }},
    {"delay", "MICROSECONDS", Group::Standard,
     "the time between two frames, 0-1000000 (100000); at least 10 ms",
     [](SaverOptions& o, std::string_view v) {
         std::int32_t us = 0;
         if (!ReadInRange(v, 0, kLongestDelayMicroseconds, us)) {
             return false;
         }
         o.tickMs =
             std::max(kShortestTickMs, static_cast<std::int32_t>(static_cast<std::uint64_t>(us) /
                                                                 kMicrosecondsPerMillisecond));
         return true;
     }},
    {"fps", "", Group::Standard, "taken and ignored: no frame rate is drawn over the text", Taken},
    {"no-fps", "", Group::Standard, "", Taken},
    {"mono", "", Group::Standard, "taken; the text is drawn in the colours chosen", Taken},
    {"install", "", Group::Standard, "taken; the window's own colour map serves", Taken},
    {"noinstall", "", Group::Standard, "", Taken},
    {"visual", "VISUAL", Group::Standard, "taken; it draws with the window's visual",
     [](SaverOptions&, std::string_view v) { return !v.empty(); }},
    {"xrm", "RESOURCE", Group::Standard, "taken and ignored",
     [](SaverOptions&, std::string_view) { return true; }},
    {"synchronous", "", Group::Standard, "X requests one at a time, for debugging",
     [](SaverOptions& o, std::string_view) { return (o.synchronous = true); }},
    {"save", "", Group::Other,
     "write the settings, with the ones given here, to the settings file and end",
     [](SaverOptions& o, std::string_view) { return (o.save = true); }},
    {"print-text", "", Group::Other,
     "also write the information text to standard output whenever it is made",
     [](SaverOptions& o, std::string_view) { return (o.printText = true); }},
    {"h", "", Group::Other, "", [](SaverOptions& o, std::string_view) { return (o.help = true); }},
    {"help", "", Group::Other, "this text (or -h)",
     [](SaverOptions& o, std::string_view) { return (o.help = true); }},
};

const Option* FindOption(std::string_view name) {
    for (const Option& candidate : kOptions) {
        if (candidate.name == name) {
            return &candidate;
        }
    }
    return nullptr;
}

// One line of -h: the option's name (and its pair's, "-[no-]bold"), its
// value's name, and what it does, wrapped under the description's column.
std::string UsageLine(const Option& option) {
    const bool paired = FindOption("no-" + std::string(option.name)) != nullptr;
    std::string line = std::string("  -") + (paired ? "[no-]" : "") + std::string(option.name);
    if (!option.valueName.empty()) {
        line += ' ';
        line += option.valueName;
    }
    if (line.size() + 1 < kUsageNameColumns) {
        line.append(kUsageNameColumns - line.size(), ' ');
    } else {
        line += '\n';
        line.append(kUsageNameColumns, ' ');
    }
    constexpr std::size_t kWidth = 79;
    std::size_t column = kUsageNameColumns;
    std::string_view words = option.help;
    while (!words.empty()) {
        const std::size_t space = words.find(' ');
        const std::string_view word = words.substr(0, space);
        if (column > kUsageNameColumns && column + 1 + word.size() > kWidth) {
            line += "\n" + std::string(kUsageNameColumns, ' ');
            column = kUsageNameColumns;
        } else if (column > kUsageNameColumns) {
            line += ' ';
            ++column;
        }
        line += word;
        column += word.size();
        words = space == std::string_view::npos ? std::string_view() : words.substr(space + 1);
    }
    return line + "\n";
}

// An argument as a warning names it, on the warning's one line: a control
// character shows as '?'.
std::string Quoted(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += static_cast<unsigned char>(c) < 0x20 ? '?' : c;
    }
    return quoted + "\"";
}

}  // namespace

SaverOptions::SaverOptions() : tickMs(kTickIntervalMs) {}

void BitChanges::Set(std::uint32_t bits) {
    set |= bits;
    cleared &= ~bits;
}

void BitChanges::Clear(std::uint32_t bits) {
    cleared |= bits;
    set &= ~bits;
}

void BitChanges::Replace(std::uint32_t value) {
    whole = value;
    set = 0;
    cleared = 0;
}

std::uint32_t BitChanges::AppliedTo(std::uint32_t stored) const {
    return ((whole ? *whole : stored) | set) & ~cleared;
}

bool SettingsChanges::Any() const {
    return fontName || fontSize || fontColour || backColour || fontSettings.Any() ||
           displayItems.Any() || options.Any() || animation || randomness || timeFormat.Any() ||
           description;
}

std::uint32_t ReadWindowId(std::string_view text) {
    std::uint32_t id = 0;
    return ReadUnsigned32(text, id) ? id : 0;
}

bool ReadHexColour(std::string_view text, std::uint32_t& colour) {
    std::uint64_t rgb = 0;
    if (text.size() == 7 && text[0] == '#' && ReadHexadecimal(text.substr(1), rgb)) {
    } else if (text.size() == 4 && text[0] == '#' && ReadHexadecimal(text.substr(1), rgb)) {
        // Each digit stands for both digits of its component.
        const std::uint64_t r = rgb >> 8 & 0xF, g = rgb >> 4 & 0xF, b = rgb & 0xF;
        rgb = (r * 0x11) << 16 | (g * 0x11) << 8 | b * 0x11;
    } else {
        return false;
    }
    const auto r = static_cast<std::uint32_t>(rgb >> 16 & 0xFF);
    const auto g = static_cast<std::uint32_t>(rgb >> 8 & 0xFF);
    const auto b = static_cast<std::uint32_t>(rgb & 0xFF);
    colour = b << 16 | g << 8 | r;
    return true;
}

SaverOptions ReadSaverOptions(const std::vector<std::string_view>& arguments) {
    SaverOptions o;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        std::string_view name = argument;
        if (name.size() > 2 && name.substr(0, 2) == "--") {
            name.remove_prefix(2);
        } else if (name.size() > 1 && name[0] == '-') {
            name.remove_prefix(1);
        } else {
            o.warnings.push_back("not an option, ignored: " + Quoted(argument));
            continue;
        }
        const Option* option = FindOption(name);
        if (option == nullptr) {
            // Each line of the text has its own switch: -cpu, -no-cpu.
            const bool off = name.size() > 3 && name.substr(0, 3) == "no-";
            if (const NamedValue* item = Find(kItems, off ? name.substr(3) : name)) {
                off ? o.settings.displayItems.Clear(item->value)
                    : o.settings.displayItems.Set(item->value);
                continue;
            }
            o.warnings.push_back("unknown option, ignored: " + Quoted(argument));
            continue;
        }
        std::string_view value;
        if (!option->valueName.empty()) {
            if (i + 1 >= arguments.size()) {
                o.warnings.push_back("option " + Quoted(argument) + " needs a value; ignored");
                break;
            }
            value = arguments[++i];
        }
        if (!option->Read(o, value)) {
            o.warnings.push_back("option " + Quoted(argument) + " cannot take " + Quoted(value) +
                                 "; its default is kept");
        }
    }
    return o;
}

std::string SaverUsage() {
    constexpr std::pair<Group, std::string_view> kGroups[] = {
        {Group::Where, "Where to draw:"},
        {Group::Settings,
         "Settings for this run (without a window given, the saved ones come from\n"
         "$XDG_CONFIG_HOME/ostrel/settings, by default ~/.config/ostrel/settings):"},
        {Group::Standard, "As every XScreenSaver display program takes them:"},
        {Group::Other, "Other:"}};
    std::string usage =
        "Usage: ostrel [options]   (one dash or two: -root, --root)\n"
        "Shows live system information moving over a plain background.\n";
    for (const auto& [group, title] : kGroups) {
        usage += '\n';
        usage += title;
        usage += '\n';
        for (const Option& option : kOptions) {
            if (option.group == group && !option.help.empty()) {
                usage += UsageLine(option);
            }
        }
        if (group == Group::Settings) {
            std::string names;
            for (const NamedValue& item : kItems) {
                names += (names.empty() ? "" : ", ") + std::string(item.name);
            }
            usage +=
                UsageLine(Option{"[no-]NAME", "", group, "show or hide one line: " + names, Taken});
        }
    }
    return usage +
           "\nA value it cannot take is told on standard error and that option keeps its\n"
           "default. It ends on SIGTERM or SIGINT, or when the window it draws in goes "
           "away.\n";
}

}  // namespace ostrel
