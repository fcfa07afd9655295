#include "cli/TerminalText.h"

#include "common/CodePage.h"

#include <algorithm>
#include <charconv>
#include <clocale>
#include <iconv.h>
#include <langinfo.h>
#include <locale.h>
#include <optional>

namespace vt::cli {
namespace {

std::optional<std::string>& chosenCharset() {
    static std::optional<std::string> charset;
    return charset;
}

// "ru_RU.KOI8-R@x" -> "KOI8-R": for a locale the system has not generated.
std::string charsetInName() {
    const std::string_view name = codepage::localeName();
    const auto dot = name.find('.');
    if (dot == std::string_view::npos)
        return {};
    return std::string(name.substr(dot + 1, name.find('@', dot) - dot - 1));
}

bool isUtf8OrAscii(std::string charset) {
    std::transform(charset.begin(), charset.end(), charset.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return charset.empty() || charset == "UTF-8" || charset == "UTF8" ||
           charset == "ANSI_X3.4-1968" || charset == "ASCII" || charset == "US-ASCII";
}

} // namespace

std::string terminalCharsetFromEnvironment() {
    std::string charset;
    if (const locale_t locale = ::newlocale(LC_CTYPE_MASK, "", nullptr)) {
        charset = ::nl_langinfo_l(CODESET, locale);
        ::freelocale(locale);
    } else {
        charset = charsetInName();
    }
    if (isUtf8OrAscii(charset))
        return "UTF-8";
    // A name the system cannot convert to would turn every name into '?'.
    const iconv_t cd = ::iconv_open(charset.c_str(), "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return "UTF-8";
    ::iconv_close(cd);
    return charset;
}

const std::string& terminalCharset() {
    if (!chosenCharset())
        chosenCharset() = terminalCharsetFromEnvironment();
    return *chosenCharset();
}

void setTerminalCharset(std::string charset) { chosenCharset() = std::move(charset); }

std::string toTerminal(std::string_view codePageText) {
    return utf8ToTerminal(codepage::toUtf8(codePageText));
}

std::string utf8ToTerminal(std::string_view utf8) {
    if (terminalCharset() == "UTF-8")
        return std::string(utf8);
    return codepage::convert(utf8, "UTF-8", terminalCharset());
}

std::string fromTerminal(std::string_view typed) {
    if (terminalCharset() == "UTF-8")
        return codepage::fromUtf8(typed);
    return codepage::fromUtf8(codepage::convert(typed, terminalCharset(), "UTF-8"));
}

bool takeCodePageOption(std::vector<std::string>& args, int& number, std::string& problem) {
    const auto end = std::find(args.begin(), args.end(), "--");
    const auto option = std::find(args.begin(), end, "--codepage");
    if (option == end)
        return true;
    if (option + 1 == end) {
        problem = "--codepage needs a number";
        return false;
    }
    const std::string& value = *(option + 1);
    const auto [rest, error] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (error != std::errc{} || rest != value.data() + value.size() || !codepage::isKnown(number)) {
        problem = "unknown code page " + value +
                  " (known: 874, 1250 to 1258, 932, 936, 949, 950)";
        return false;
    }
    args.erase(option, option + 2);
    return takeCodePageOption(args, number, problem); // the last one given wins
}

} // namespace vt::cli
