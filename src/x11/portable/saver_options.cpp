#include "x11/portable/saver_options.h"

#include <array>

#include "display/label.h"
#include "linux/portable/text_fields.h"
#include "settings/settings.h"

namespace ostrel {

namespace {

constexpr std::int32_t kLargestWindowPixels = 16384;
constexpr std::int32_t kSmallestWindowPixels = 16;

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

// Colours by name, with X's values for them, as 0xRRGGBB.
constexpr std::array<NamedValue, 11> kColours{{{"black", 0x000000},
                                               {"white", 0xFFFFFF},
                                               {"red", 0xFF0000},
                                               {"green", 0x00FF00},
                                               {"blue", 0x0000FF},
                                               {"yellow", 0xFFFF00},
                                               {"cyan", 0x00FFFF},
                                               {"magenta", 0xFF00FF},
                                               {"navy", 0x000080},
                                               {"grey", 0xBEBEBE},
                                               {"gray", 0xBEBEBE}}};

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

// "#RRGGBB", "#RGB" or a colour's name, as the stored 0x00BBGGRR.
bool ReadColour(std::string_view text, std::uint32_t& colour) {
    std::uint64_t rgb = 0;
    if (const NamedValue* named = Find(kColours, text)) {
        rgb = named->value;
    } else if (text.size() == 7 && text[0] == '#' && ReadHexadecimal(text.substr(1), rgb)) {
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

// One option of the table: its name without dashes, whether a value
// follows it, and what it does. `Read` answers false for a value it cannot take.
struct Option {
    std::string_view name;
    bool takesValue;
    bool (*Read)(SaverOptions& o, std::string_view value);
};

constexpr Option kOptions[] = {
    {"root", false,
     [](SaverOptions& o, std::string_view) { return (o.target = DrawTarget::Root, true); }},
    {"window", false,
     [](SaverOptions& o, std::string_view) { return (o.target = DrawTarget::OwnWindow, true); }},
    {"window-id", true,
     [](SaverOptions& o, std::string_view v) {
         o.target = DrawTarget::WindowId;
         o.windowId = ReadWindowId(v);
         return o.windowId != 0;
     }},
    {"display", true, [](SaverOptions& o, std::string_view v) { return (o.display = v, true); }},
    {"geometry", true,
     [](SaverOptions& o, std::string_view v) {
         return ReadGeometry(v, o.widthPixels, o.heightPixels);
     }},
    {"h", false, [](SaverOptions& o, std::string_view) { return (o.help = true); }},
    {"help", false, [](SaverOptions& o, std::string_view) { return (o.help = true); }},
    {"save", false, [](SaverOptions& o, std::string_view) { return (o.save = true); }},
    {"print-text", false, [](SaverOptions& o, std::string_view) { return (o.printText = true); }},
    {"animation", true,
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
    {"randomness", true,
     [](SaverOptions& o, std::string_view v) {
         std::int32_t n = 0;
         return ReadInRange(v, 0, 10, n) && (o.settings.randomness = n, true);
     }},
    {"font", true,
     [](SaverOptions& o, std::string_view v) {
         return !v.empty() && (o.settings.fontName = std::string(v), true);
     }},
    {"font-size", true,
     [](SaverOptions& o, std::string_view v) {
         std::int32_t n = 0;
         return ReadInRange(v, 1, kLargestFontPoints, n) && (o.settings.fontSize = n, true);
     }},
    {"fg", true,
     [](SaverOptions& o, std::string_view v) {
         std::uint32_t c = 0;
         return ReadColour(v, c) && (o.settings.fontColour = c, true);
     }},
    {"bg", true,
     [](SaverOptions& o, std::string_view v) {
         std::uint32_t c = 0;
         return ReadColour(v, c) && (o.settings.backColour = c, true);
     }},
    {"bold", false,
     [](SaverOptions& o, std::string_view) {
         return (o.settings.fontSettings.Set(Bits(kFontBold)), true);
     }},
    {"no-bold", false,
     [](SaverOptions& o, std::string_view) {
         return (o.settings.fontSettings.Clear(Bits(kFontBold)), true);
     }},
    {"italic", false,
     [](SaverOptions& o, std::string_view) {
         return (o.settings.fontSettings.Set(Bits(kFontItalic)), true);
     }},
    {"no-italic", false,
     [](SaverOptions& o, std::string_view) {
         return (o.settings.fontSettings.Clear(Bits(kFontItalic)), true);
     }},
    {"underline", false,
     [](SaverOptions& o, std::string_view) {
         return (o.settings.fontSettings.Set(Bits(kFontUnderline)), true);
     }},
    {"no-underline", false,
     [](SaverOptions& o, std::string_view) {
         return (o.settings.fontSettings.Clear(Bits(kFontUnderline)), true);
     }},
    {"strikethrough", false,
     [](SaverOptions& o, std::string_view) {
         return (o.settings.fontSettings.Set(Bits(kFontStrikethrough)), true);
     }},
    {"no-strikethrough", false,
     [](SaverOptions& o, std::string_view) {
         return (o.settings.fontSettings.Clear(Bits(kFontStrikethrough)), true);
     }},
    {"items", true,
     [](SaverOptions& o, std::string_view v) {
         std::uint32_t items = 0;
         return ReadItems(v, items) && (o.settings.displayItems.Replace(items), true);
     }},
    {"text", true,
     [](SaverOptions& o, std::string_view v) {
         return (o.settings.description = std::string(v), true);
     }},
    {"primary-only", false,
     [](SaverOptions& o, std::string_view) {
         return (o.settings.options.Set(Bits(kConstrainToPrimary)), true);
     }},
    {"all-monitors", false,
     [](SaverOptions& o, std::string_view) {
         return (o.settings.options.Clear(Bits(kConstrainToPrimary)), true);
     }},
    {"24-hour", false,
     [](SaverOptions& o, std::string_view) {
         return (o.settings.timeFormat.Set(Bits(kTime24Hour)), true);
     }},
    {"12-hour", false,
     [](SaverOptions& o, std::string_view) {
         return (o.settings.timeFormat.Clear(Bits(kTime24Hour)), true);
     }},
};

}  // namespace

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

SaverOptions ReadSaverOptions(const std::vector<std::string_view>& arguments) {
    SaverOptions o;
    for (std::size_t i = 0; i < arguments.size() && o.error.empty(); ++i) {
        const std::string_view argument = arguments[i];
        std::string_view name = argument;
        if (name.size() > 2 && name.substr(0, 2) == "--") {
            name.remove_prefix(2);
        } else if (name.size() > 1 && name[0] == '-') {
            name.remove_prefix(1);
        } else {
            o.error = "not an option: " + (argument.empty() ? "\"\"" : std::string(argument));
            break;
        }
        const Option* option = nullptr;
        for (const Option& candidate : kOptions) {
            if (candidate.name == name) {
                option = &candidate;
            }
        }
        if (option == nullptr) {
            // Each line of the text has its own switch: -cpu, -no-cpu.
            const bool off = name.size() > 3 && name.substr(0, 3) == "no-";
            if (const NamedValue* item = Find(kItems, off ? name.substr(3) : name)) {
                off ? o.settings.displayItems.Clear(item->value)
                    : o.settings.displayItems.Set(item->value);
                continue;
            }
            o.error = "unknown option: " + std::string(argument);
            break;
        }
        std::string_view value;
        if (option->takesValue) {
            if (i + 1 >= arguments.size()) {
                o.error = "option " + std::string(argument) + " needs a value";
                break;
            }
            value = arguments[++i];
        }
        if (!option->Read(o, value)) {
            o.error =
                "option " + std::string(argument) + " cannot take \"" + std::string(value) + "\"";
        }
    }
    return o;
}

std::string SaverUsage() {
    return "Usage: ostrel [options]\n"
           "Shows live system information moving over a plain background.\n"
           "\n"
           "Where to draw:\n"
           "  -root              the root window, or the window XSCREENSAVER_WINDOW names\n"
           "  -window-id ID      the window ID (decimal or 0x hexadecimal)\n"
           "  -window            a window of its own, to try it (the default outside\n"
           "                     XScreenSaver); a key, a click or ten quick pointer\n"
           "                     moves end it\n"
           "  -geometry WxH      the size of that window in pixels (800x600)\n"
           "  -display NAME      the X display\n"
           "\n"
           "Settings for this run (saved ones come from $XDG_CONFIG_HOME/ostrel/settings,\n"
           "by default ~/.config/ostrel/settings):\n"
           "  -animation NAME    jumping, sliding, bounce, path or centre (or 0-4)\n"
           "  -randomness N      how far bounces stray, 0-10\n"
           "  -font NAME         the text's font family\n"
           "  -font-size POINTS  1-" +
           std::to_string(kLargestFontPoints) +
           "\n"
           "  -[no-]bold  -[no-]italic  -[no-]underline  -[no-]strikethrough\n"
           "  -fg COLOUR         text colour: #RRGGBB, #RGB or black, white, red, green,\n"
           "  -bg COLOUR         blue, yellow, cyan, magenta, navy, grey\n"
           "  -items LIST        the lines shown, a comma list of the names below, or none\n"
           "  -NAME / -no-NAME   show or hide one line: computer-name, time, uptime,\n"
           "                     start-time, page-file, cpu, network, description,\n"
           "                     physical-memory, virtual-memory, percentages\n"
           "  -text TEXT         the description line's text\n"
           "  -primary-only      keep the text on the primary monitor (-all-monitors: not)\n"
           "  -24-hour, -12-hour the clock\n"
           "\n"
           "Other:\n"
           "  -save              write the settings, with the ones given here, to the\n"
           "                     settings file and end\n"
           "  -print-text        also write the information text to standard output\n"
           "                     whenever it is made\n"
           "  -h, -help          this text\n"
           "\n"
           "It ends on SIGTERM or SIGINT, or when the window it draws in goes away.\n";
}

}  // namespace ostrel
