#include "common/Numbers.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace vt {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t skipDigits(std::string_view text, std::size_t i) {
    while (i < text.size() && isDigit(text[i]))
        ++i;
    return i;
}

// The length of "digits[.digits][e[sign]digits]" at the start of text, or 0.
std::size_t numberLength(std::string_view text) {
    std::size_t i = skipDigits(text, 0);
    bool digits = i > 0;
    if (i < text.size() && text[i] == '.') {
        const std::size_t afterPoint = skipDigits(text, i + 1);
        digits = digits || afterPoint > i + 1;
        i = afterPoint;
    }
    if (!digits)
        return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        const std::size_t end = skipDigits(text, j);
        if (end == j)
            return 0;
        i = end;
    }
    return i;
}

// A number out of the double range is either vanishingly small or too large
// to fit any field.
bool tooSmall(std::string_view number) {
    const auto e = number.find_first_of("eE");
    if (e != std::string_view::npos)
        return number[e + 1] == '-';
    return number.find_first_not_of("0.") >= number.find('.');
}

template <typename Int> std::optional<Int> toInt(double value) {
    if (!std::isfinite(value))
        return std::nullopt;
    const double rounded = std::nearbyint(value); // the default mode rounds half to even
    if (rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<Int>::max()))
        return std::nullopt;
    return static_cast<Int>(rounded);
}

} // namespace

std::optional<double> parseNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    const std::string_view rest = text.substr(i);
    const std::size_t length = numberLength(rest);
    if (length == 0)
        return std::nullopt;
    for (std::size_t j = length; j < rest.size(); ++j) {
        if (!isBlank(rest[j]))
            return std::nullopt;
    }
    double value = 0;
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + length, value);
    if (error == std::errc::result_out_of_range)
        value = tooSmall(rest.substr(0, length)) ? 0.0 : std::numeric_limits<double>::infinity();
    else if (error != std::errc{} || end != rest.data() + length)
        return std::nullopt;
    return negative ? -value : value;
}

std::optional<std::int16_t> toInt16(double value) { return toInt<std::int16_t>(value); }
std::optional<std::int32_t> toInt32(double value) { return toInt<std::int32_t>(value); }

std::string formatCount(long long value) {
    if (value == 0)
        return {};
    const bool negative = value < 0;
    std::string digits = std::to_string(negative ? -value : value);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += ',';
        out += digits[i];
    }
    return negative ? "-" + out : out;
}

std::string slideCountCaption(int slideCount) {
    if (slideCount == 0)
        return "Zero slides";
    if (slideCount == 1)
        return "One slide";
    return formatCount(slideCount) + " slides";
}

} // namespace vt
