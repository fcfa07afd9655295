#include "common/CodePage.h"

#include "common/CodePageTables.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iconv.h>
#include <utility>
#include <vector>

namespace vt::codepage {
namespace {

constexpr std::array<int, 4> DoubleByte = {932, 936, 949, 950};

const SingleByteTable* singleByte(int number) {
    for (const SingleByteTable& table : SingleByteTables) {
        if (table.number == number)
            return &table;
    }
    return nullptr;
}

// Character -> byte, sorted, for one single-byte table.
using Reverse = std::vector<std::pair<char16_t, unsigned char>>;

const Reverse& reverseOf(const SingleByteTable& table) {
    static const std::array<Reverse, SingleByteTables.size()> all = [] {
        std::array<Reverse, SingleByteTables.size()> made;
        for (std::size_t t = 0; t < made.size(); ++t) {
            for (unsigned b = 0; b < 128; ++b)
                made[t].emplace_back(SingleByteTables[t].characters[b], 0x80 + b);
            std::sort(made[t].begin(), made[t].end());
        }
        return made;
    }();
    return all[static_cast<std::size_t>(&table - SingleByteTables.data())];
}

// Decodes one UTF-8 sequence at s[i]; advances i. Malformed input yields
// U+FFFD for one byte.
char32_t decode(std::string_view s, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(s[i]);
    int length = lead < 0x80 ? 1 : (lead >> 5) == 6 ? 2 : (lead >> 4) == 14 ? 3 : (lead >> 3) == 30 ? 4 : 0;
    if (length == 0 || i + length > s.size()) {
        ++i;
        return 0xFFFD;
    }
    char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(s[i + k]);
        if ((next & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        cp = (cp << 6) | (next & 0x3F);
    }
    i += length;
    constexpr char32_t Smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < Smallest[length] || cp > 0x10FFFF)
        return 0xFFFD; // overlong or out of range: never let it pass as ASCII
    return cp;
}

// A composed Vietnamese letter as 1258 writes it: base letter, tone mark.
bool appendComposition(std::string& out, char32_t cp) {
    const auto it = std::lower_bound(
        Cp1258Compositions.begin(), Cp1258Compositions.end(), cp,
        [](const Composition& entry, char32_t c) { return entry.letter < c; });
    if (it == Cp1258Compositions.end() || it->letter != cp)
        return false;
    out += static_cast<char>(it->base);
    out += static_cast<char>(it->mark);
    return true;
}

void appendCharacter(std::string& out, const SingleByteTable& table, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
        return;
    }
    const Reverse& reverse = reverseOf(table);
    const auto it = std::lower_bound(reverse.begin(), reverse.end(), cp,
                                     [](const auto& entry, char32_t c) { return entry.first < c; });
    if (it != reverse.end() && it->first == cp)
        out += static_cast<char>(it->second);
    else if (table.number != 1258 || !appendComposition(out, cp))
        out += '?';
}

using Capitals = std::array<unsigned char, 256>;

Capitals capitalsOf(const SingleByteTable* table) {
    Capitals made{};
    for (unsigned c = 0; c < 256; ++c)
        made[c] = static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 32 : c);
    for (unsigned c = 0x80; table != nullptr && c < 256; ++c)
        made[c] = table->capitals[c - 0x80];
    return made;
}

const Capitals& capitalsFor(int number) {
    static const auto all = [] {
        std::array<Capitals, SingleByteTables.size() + 1> made{};
        for (std::size_t t = 0; t < SingleByteTables.size(); ++t)
            made[t] = capitalsOf(&SingleByteTables[t]);
        made.back() = capitalsOf(nullptr); // double-byte: ASCII only
        return made;
    }();
    const SingleByteTable* table = singleByte(number);
    return table == nullptr ? all.back()
                            : all[static_cast<std::size_t>(table - SingleByteTables.data())];
}

std::string iconvName(int number) { return "CP" + std::to_string(number); }

// 0 and nullptr until first asked. The capitals are looked up for every
// comparison that ignores case, so they are kept at hand.
std::atomic<int> activeNumber{0};
std::atomic<const Capitals*> activeCapitals{nullptr};

} // namespace

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// What cannot be converted becomes '?': one UTF-8 sequence, or one byte of
// any other text.
std::string convert(std::string_view text, const std::string& from, const std::string& to) {
    const bool fromUtf8Text = from == "UTF-8";
    const iconv_t cd = ::iconv_open(to.c_str(), from.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::string(text.size(), '?');
    std::string out;
    char buffer[256];
    std::size_t at = 0;
    while (at < text.size()) {
        char* in = const_cast<char*>(text.data() + at);
        std::size_t inLeft = text.size() - at;
        char* dest = buffer;
        std::size_t destLeft = sizeof buffer;
        const std::size_t result = ::iconv(cd, &in, &inLeft, &dest, &destLeft);
        const int error = errno;
        out.append(buffer, static_cast<std::size_t>(dest - buffer));
        at = text.size() - inLeft;
        if (result == static_cast<std::size_t>(-1) && error != E2BIG) {
            ::iconv(cd, nullptr, nullptr, nullptr, nullptr);
            out += '?';
            if (fromUtf8Text)
                decode(text, at);
            else
                ++at;
        }
    }
    ::iconv_close(cd);
    return out;
}

bool isKnown(int number) { return singleByte(number) != nullptr || isDoubleByte(number); }

bool isDoubleByte(int number) {
    return std::find(DoubleByte.begin(), DoubleByte.end(), number) != DoubleByte.end();
}

int active() {
    const int number = activeNumber.load();
    if (number != 0)
        return number;
    setActive(fromEnvironment());
    return activeNumber.load();
}

void setActive(int number) {
    activeCapitals.store(&capitalsFor(number));
    activeNumber.store(number);
}

std::string toUtf8(std::string_view text, int number) {
    const SingleByteTable* table = singleByte(number);
    if (table == nullptr)
        return convert(text, iconvName(number), "UTF-8");
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    std::size_t at = 0;
    while (at < text.size()) {
        // Most of a path is ASCII: copy each run of it in one go.
        std::size_t end = at;
        while (end < text.size() && static_cast<unsigned char>(text[end]) < 0x80)
            ++end;
        out.append(text.data() + at, end - at);
        if (end == text.size())
            break;
        appendUtf8(out, table->characters[static_cast<unsigned char>(text[end]) - 0x80]);
        at = end + 1;
    }
    return out;
}

std::string fromUtf8(std::string_view utf8, int number) {
    const SingleByteTable* table = singleByte(number);
    if (table == nullptr)
        return convert(utf8, "UTF-8", iconvName(number));
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();)
        appendCharacter(out, *table, decode(utf8, i));
    return out;
}

const std::array<unsigned char, 256>& capitals() {
    const Capitals* known = activeCapitals.load();
    if (known == nullptr) {
        active();
        known = activeCapitals.load();
    }
    return *known;
}

std::string toUtf8(std::string_view text) { return toUtf8(text, active()); }

std::string fromUtf8(std::string_view utf8) { return fromUtf8(utf8, active()); }

bool isAscii(std::string_view text) {
    // Eight bytes at a time: a whole listing is looked at before it is written.
    std::size_t at = 0;
    for (; at + 8 <= text.size(); at += 8) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + at, sizeof word);
        if (word & 0x8080808080808080ull)
            return false;
    }
    return std::all_of(text.begin() + static_cast<std::ptrdiff_t>(at), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool isMappable(std::string_view path) { return !isDoubleByte(active()) || isAscii(path); }

} // namespace vt::codepage
