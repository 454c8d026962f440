// Fuzzes the command line's reader: arguments parted by zero bytes. What it
// accepts is always in range; what it refuses it names, one line each.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_bytes.h"
#include "property.h"
#include "x11/portable/saver_options.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string_view> arguments;
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    while (!rest.empty() && arguments.size() < 64) {
        const std::size_t zero = rest.find('\0');
        arguments.push_back(rest.substr(0, zero));
        rest = zero == std::string_view::npos ? std::string_view() : rest.substr(zero + 1);
    }
    const ostrel::SaverOptions o = ostrel::ReadSaverOptions(arguments);
    for (const std::string& warning : o.warnings) {
        bool named = false;
        for (const std::string_view a : arguments) {
            std::string shown(a);
            for (char& c : shown) {
                c = static_cast<unsigned char>(c) < 0x20 ? '?' : c;
            }
            named = named || warning.find("\"" + shown + "\"") != std::string::npos;
        }
        PROPERTY(named);
        for (const char c : warning) {
            PROPERTY(static_cast<unsigned char>(c) >= 0x20);  // one line each
        }
    }
    PROPERTY(o.warnings.size() <= arguments.size());
    PROPERTY(o.tickMs >= 10 && o.tickMs <= 1000);
    PROPERTY(o.target != ostrel::DrawTarget::WindowId || o.windowId != 0);
    PROPERTY(o.widthPixels >= 16 && o.widthPixels <= 16384);
    PROPERTY(o.heightPixels >= 16 && o.heightPixels <= 16384);
    const ostrel::SettingsChanges& s = o.settings;
    PROPERTY(!s.fontSize || (*s.fontSize >= 1 && *s.fontSize <= 2160));
    PROPERTY(!s.animation || (*s.animation >= 0 && *s.animation <= 4));
    PROPERTY(!s.randomness || (*s.randomness >= 0 && *s.randomness <= 10));
    PROPERTY(!s.fontColour || !s.fontColour->empty());
    PROPERTY(!s.backColour || !s.backColour->empty());
    PROPERTY(!s.fontName || !s.fontName->empty());
    PROPERTY((s.displayItems.set & s.displayItems.cleared) == 0);
    return 0;
}
