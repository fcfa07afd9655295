#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Numbers as the viewer's files and the settings hold them.
namespace vt {

// A number is, after optional blanks: an optional sign, digits with an
// optional fraction, an optional exponent, then optional blanks.
std::optional<double> parseNumber(std::string_view text);
inline bool isNumber(std::string_view text) { return parseNumber(text).has_value(); }

// Whole-number conversions round half to even; nullopt when the rounded
// value does not fit.
std::optional<std::int16_t> toInt16(double value);
std::optional<std::int32_t> toInt32(double value);

// The pattern "###,###": thousands grouped with commas, no decimals, and
// the empty text for 0.
std::string formatCount(long long value);

// "Zero slides", "One slide", "1,250 slides".
std::string slideCountCaption(int slideCount);

} // namespace vt
