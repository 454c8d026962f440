#include "linux/portable/settings_file.h"

#include <cstdio>

#include "linux/portable/text_fields.h"

namespace ostrel {

namespace {

constexpr std::size_t kLongestName = 255;
constexpr std::uint64_t kLargestUnsigned = 0xFFFFFFFFu;
constexpr std::uint64_t kLargestNegative = 0x80000000u;

bool IsNameCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-' || c == '.';
}

bool ReadNumber(std::string_view text, std::uint32_t& number) {
    std::uint64_t value = 0;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        if (!ReadHexadecimal(text.substr(2), value) || value > kLargestUnsigned) {
            return false;
        }
        number = static_cast<std::uint32_t>(value);
        return true;
    }
    const bool negative = !text.empty() && text[0] == '-';
    if (!ReadDecimal(negative ? text.substr(1) : text, value) ||
        value > (negative ? kLargestNegative : kLargestUnsigned)) {
        return false;
    }
    number = static_cast<std::uint32_t>(negative ? 0u - value : value);
    return true;
}

int HexDigit(char c) {
    std::uint64_t value = 0;
    return ReadHexadecimal(std::string_view(&c, 1), value) ? static_cast<int>(value) : -1;
}

// A quoted text with its escapes; nothing but blanks may follow it.
bool ReadQuotedText(std::string_view value, std::string& text) {
    if (value.size() < 2 || value.front() != '"') {
        return false;
    }
    std::string out;
    std::size_t i = 1;
    for (;;) {
        if (i >= value.size()) {
            return false;  // no closing quote
        }
        const char c = value[i++];
        if (c == '"') {
            break;
        }
        if (c != '\\') {
            out += c;
            continue;
        }
        if (i >= value.size()) {
            return false;
        }
        const char e = value[i++];
        switch (e) {
            case '\\':
            case '"':
                out += e;
                break;
            case 'r':
                out += '\r';
                break;
            case 'n':
                out += '\n';
                break;
            case 't':
                out += '\t';
                break;
            case 'x': {
                if (i + 2 > value.size()) {
                    return false;
                }
                const int high = HexDigit(value[i]);
                const int low = HexDigit(value[i + 1]);
                if (high < 0 || low < 0) {
                    return false;
                }
                out += static_cast<char>(high * 16 + low);
                i += 2;
                break;
            }
            default:
                return false;
        }
    }
    if (!TrimBlanks(value.substr(i)).empty()) {
        return false;
    }
    text = std::move(out);
    return true;
}

bool ReadEntry(std::string_view line, SettingsFileEntry& entry) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
        return false;
    }
    const std::string_view name = TrimBlanks(line.substr(0, equals));
    const std::string_view value = TrimBlanks(line.substr(equals + 1));
    if (!IsSettingsName(name)) {
        return false;
    }
    entry = SettingsFileEntry{std::string(name), SettingsValueKind::Number, {}, 0};
    if (!value.empty() && value.front() == '"') {
        entry.kind = SettingsValueKind::Text;
        return ReadQuotedText(value, entry.text);
    }
    return ReadNumber(value, entry.number);
}

bool EndsWith(std::string_view text, std::string_view tail) {
    return text.size() >= tail.size() && SameLetters(text.substr(text.size() - tail.size()), tail);
}

void AppendText(std::string& out, const std::string& text) {
    out += '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\' || c == '"') {
            out += '\\';
            out += c;
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (byte < 0x20 || byte == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    out += '"';
}

}  // namespace

bool IsSettingsName(std::string_view name) {
    if (name.empty() || name.size() > kLongestName) {
        return false;
    }
    for (const char c : name) {
        if (!IsNameCharacter(c)) {
            return false;
        }
    }
    return true;
}

SettingsFileEntry* FindSettingsEntry(std::vector<SettingsFileEntry>& entries,
                                     std::string_view name) {
    for (SettingsFileEntry& e : entries) {
        if (SameLetters(e.name, name)) {
            return &e;
        }
    }
    return nullptr;
}

namespace {

const SettingsFileEntry* Find(const SettingsFileContents& contents, std::string_view name) {
    for (const SettingsFileEntry& e : contents.entries) {
        if (SameLetters(e.name, name)) {
            return &e;
        }
    }
    return nullptr;
}

bool Set(SettingsFileContents& contents, SettingsFileEntry value) {
    if (!IsSettingsName(value.name)) {
        return false;
    }
    if (SettingsFileEntry* existing = FindSettingsEntry(contents.entries, value.name)) {
        *existing = std::move(value);
    } else {
        contents.entries.push_back(std::move(value));
    }
    return true;
}

}  // namespace

platform::StoredNumber ReadNumberEntry(const SettingsFileContents& contents,
                                       std::string_view name) {
    const SettingsFileEntry* e = Find(contents, name);
    if (e == nullptr) {
        return {contents.unreadable ? platform::ReadStatus::Failed : platform::ReadStatus::Missing,
                0};
    }
    if (e->kind != SettingsValueKind::Number) {
        return {platform::ReadStatus::WrongType, 0};
    }
    return {platform::ReadStatus::Value, static_cast<std::int32_t>(e->number)};
}

platform::StoredText ReadTextEntry(const SettingsFileContents& contents, std::string_view name) {
    const SettingsFileEntry* e = Find(contents, name);
    if (e == nullptr) {
        return {contents.unreadable ? platform::ReadStatus::Failed : platform::ReadStatus::Missing,
                {}};
    }
    if (e->kind != SettingsValueKind::Text) {
        return {platform::ReadStatus::WrongType, {}};
    }
    return {platform::ReadStatus::Value, e->text};
}

bool SetNumberEntry(SettingsFileContents& contents, std::string_view name, std::int32_t number) {
    return Set(
        contents,
        {std::string(name), SettingsValueKind::Number, {}, static_cast<std::uint32_t>(number)});
}

bool SetTextEntry(SettingsFileContents& contents, std::string_view name, std::string_view text) {
    return Set(contents, {std::string(name), SettingsValueKind::Text, std::string(text), 0});
}

SettingsFileReading ReadSettingsFile(std::string_view text) {
    SettingsFileReading reading;
    std::size_t lineNumber = 0;
    while (!text.empty()) {
        const std::string_view line = TrimBlanks(NextLine(text));
        ++lineNumber;
        if (line.empty() || line.front() == '#') {
            continue;
        }
        SettingsFileEntry entry;
        if (!ReadEntry(line, entry)) {
            if (reading.badLines++ == 0) {
                reading.firstBadLine = lineNumber;
            }
            continue;
        }
        if (SettingsFileEntry* earlier = FindSettingsEntry(reading.entries, entry.name)) {
            *earlier = std::move(entry);
        } else {
            reading.entries.push_back(std::move(entry));
        }
    }
    return reading;
}

std::string WriteSettingsFile(const std::vector<SettingsFileEntry>& entries) {
    std::string out =
        "# Ostrel Screen Saver settings. Colours are 0x00BBGGRR; text is in double quotes.\n";
    for (const SettingsFileEntry& e : entries) {
        out += e.name;
        out += " = ";
        if (e.kind == SettingsValueKind::Text) {
            AppendText(out, e.text);
        } else if (EndsWith(e.name, "Colour")) {
            char hex[16];
            std::snprintf(hex, sizeof hex, "0x%08X", static_cast<unsigned>(e.number));
            out += hex;
        } else {
            out += std::to_string(static_cast<std::int32_t>(e.number));
        }
        out += '\n';
    }
    return out;
}

}  // namespace ostrel
