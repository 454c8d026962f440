#include "linux/portable/text_fields.h"

namespace ostrel {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

char LowerLetter(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

std::string_view NextLine(std::string_view& rest) {
    const std::size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    // A file written on Windows ends its lines with CR LF; they read alike.
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    return line;
}

std::string_view NextField(std::string_view& rest) {
    std::size_t start = 0;
    while (start < rest.size() && IsBlank(rest[start])) {
        ++start;
    }
    std::size_t end = start;
    while (end < rest.size() && !IsBlank(rest[end])) {
        ++end;
    }
    const std::string_view field = rest.substr(start, end - start);
    rest = rest.substr(end);
    return field;
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && (IsBlank(text.front()) || text.front() == '\r')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (IsBlank(text.back()) || text.back() == '\r')) {
        text.remove_suffix(1);
    }
    return text;
}

bool ReadDecimal(std::string_view text, std::uint64_t& value) {
    if (text.empty()) {
        return false;
    }
    std::uint64_t v = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
        const auto digit = static_cast<std::uint64_t>(c - '0');
        if (v > (UINT64_MAX - digit) / 10) {
            return false;
        }
        v = v * 10 + digit;
    }
    value = v;
    return true;
}

bool ReadHexadecimal(std::string_view text, std::uint64_t& value) {
    if (text.empty() || text.size() > 16) {
        return false;
    }
    std::uint64_t v = 0;
    for (const char c : text) {
        const char l = LowerLetter(c);
        std::uint64_t digit = 0;
        if (l >= '0' && l <= '9') {
            digit = static_cast<std::uint64_t>(l - '0');
        } else if (l >= 'a' && l <= 'f') {
            digit = static_cast<std::uint64_t>(l - 'a' + 10);
        } else {
            return false;
        }
        v = v << 4 | digit;
    }
    value = v;
    return true;
}

bool SameLetters(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerLetter(a[i]) != LowerLetter(b[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace ostrel
