#include "platform/WineRegistry.h"

#include "common/CodePage.h"
#include "common/PathText.h"

#include <cstdint>
#include <cstdlib>

namespace vt::registry {
namespace {

constexpr std::string_view Signature = "WINE REGISTRY Version 2";
constexpr char32_t Replacement = U'?';

int digitValue(char c, int base) {
    int value = 99;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value < base ? value : -1;
}

// Up to maxDigits digits of base at the front of text, consumed.
char32_t takeNumber(std::string_view& text, int base, int maxDigits) {
    char32_t value = 0;
    for (int n = 0; n < maxDigits && !text.empty() && digitValue(text.front(), base) >= 0; ++n) {
        value = value * static_cast<char32_t>(base) +
                static_cast<char32_t>(digitValue(text.front(), base));
        text.remove_prefix(1);
    }
    return value;
}

// One escape after its backslash, consumed, as a UTF-16 unit or character.
char32_t takeEscape(std::string_view& text) {
    if (digitValue(text.front(), 8) >= 0)
        return takeNumber(text, 8, 3);
    const char c = text.front();
    text.remove_prefix(1);
    switch (c) {
    case 'a': return U'\a';
    case 'b': return U'\b';
    case 'e': return U'\x1b';
    case 'f': return U'\f';
    case 'n': return U'\n';
    case 'r': return U'\r';
    case 't': return U'\t';
    case 'v': return U'\v';
    case 'x': return takeNumber(text, 16, 4);
    default: return static_cast<unsigned char>(c);
    }
}

// Wine writes characters beyond the BMP as two escaped UTF-16 halves.
void appendUnit(std::string& out, char32_t& highHalf, char32_t unit) {
    const bool high = unit >= 0xD800 && unit < 0xDC00, low = unit >= 0xDC00 && unit < 0xE000;
    if (highHalf && low) {
        codepage::appendUtf8(out, 0x10000 + ((highHalf - 0xD800) << 10) + (unit - 0xDC00));
        highHalf = 0;
        return;
    }
    if (highHalf)
        codepage::appendUtf8(out, Replacement);
    highHalf = high ? unit : 0;
    if (!high)
        codepage::appendUtf8(out, low ? Replacement : unit);
}

// The text up to the unescaped delimiter, unescaped into UTF-8; text is left
// after the delimiter. nullopt when the delimiter never comes.
std::optional<std::string> takeQuoted(std::string_view& text, char delimiter) {
    std::string out;
    char32_t highHalf = 0;
    while (!text.empty()) {
        const char c = text.front();
        text.remove_prefix(1);
        if (c == delimiter) {
            if (highHalf)
                codepage::appendUtf8(out, Replacement);
            return out;
        }
        if (c == '\\' && !text.empty()) {
            appendUnit(out, highHalf, takeEscape(text));
        } else {
            if (highHalf)
                codepage::appendUtf8(out, Replacement);
            highHalf = 0;
            out += c; // bytes as written: ASCII from Wine, UTF-8 by hand
        }
    }
    return std::nullopt;
}

std::string_view nextLine(std::string_view& rest) {
    const auto end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    const auto start = line.find_first_not_of(" \t");
    return start == std::string_view::npos ? std::string_view{} : line.substr(start);
}

// A string value's data, from just after the '='; nullopt for other types.
std::optional<std::string> stringData(std::string_view data) {
    if (data.starts_with("str(2):"))
        data.remove_prefix(7);
    if (!data.starts_with('"'))
        return std::nullopt;
    data.remove_prefix(1);
    auto value = takeQuoted(data, '"');
    if (value) // Windows hands out a string up to its first NUL
        value->resize(value->find('\0') == std::string::npos ? value->size() : value->find('\0'));
    return value;
}

// A value line of the key: its data when it names valueName.
std::optional<std::string> valueIn(std::string_view line, std::string_view valueName) {
    std::string name;
    if (line.starts_with('@')) {
        line.remove_prefix(1);
    } else if (line.starts_with('"')) {
        line.remove_prefix(1);
        auto quoted = takeQuoted(line, '"');
        if (!quoted)
            return std::nullopt;
        name = std::move(*quoted);
    } else {
        return std::nullopt;
    }
    if (!line.starts_with('=') || !equalsIgnoringCase(name, valueName))
        return std::nullopt;
    return stringData(line.substr(1));
}

} // namespace

std::string winePrefix() {
    const char* prefix = std::getenv("WINEPREFIX");
    if (prefix && *prefix)
        return prefix;
    const char* home = std::getenv("HOME");
    return std::string(home ? home : "") + "/.wine";
}

std::string wineUserRegistry() {
    return winePrefix() + "/user.reg";
}

std::optional<std::string> findWineString(std::string_view fileText, std::string_view keyPath,
                                          std::string_view valueName) {
    const std::string_view wanted = valueName == "@" ? std::string_view{} : valueName;
    std::string_view rest = fileText;
    if (!nextLine(rest).starts_with(Signature))
        return std::nullopt;
    bool inKey = false;
    std::optional<std::string> found; // a value given twice: the last one counts, as in Wine
    while (!rest.empty()) {
        std::string_view line = nextLine(rest);
        if (line.starts_with('[')) {
            line.remove_prefix(1);
            const auto key = takeQuoted(line, ']');
            inKey = key && equalsIgnoringCase(*key, keyPath);
        } else if (inKey) {
            if (auto value = valueIn(line, wanted))
                found = std::move(value);
        }
    }
    return found;
}

} // namespace vt::registry
