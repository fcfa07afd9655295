#include "slideshow/FieldReader.h"

#include "common/Numbers.h"

#include <cstring>
#include <limits>

namespace vt {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// A plain decimal number with an optional minus sign: the form every file
// of the viewer uses, read without the general number rules.
template <typename Int> bool readPlainInteger(std::string_view field, Int& out) {
    std::size_t i = 0;
    const bool negative = !field.empty() && field[0] == '-';
    if (negative)
        i = 1;
    if (i == field.size() || field.size() - i > 9)
        return false;
    std::int64_t value = 0;
    for (; i < field.size(); ++i) {
        if (field[i] < '0' || field[i] > '9')
            return false;
        value = value * 10 + (field[i] - '0');
    }
    if (negative)
        value = -value;
    if (value < std::numeric_limits<Int>::min() || value > std::numeric_limits<Int>::max())
        return false;
    out = static_cast<Int>(value);
    return true;
}

std::string shown(std::string_view field) { return "\"" + shortenedForMessage(field) + "\""; }

} // namespace

std::string shortenedForMessage(std::string_view text) {
    constexpr std::size_t Longest = 60;
    std::string shortened(text.substr(0, Longest));
    if (text.size() > Longest)
        shortened += "...";
    return shortened;
}

void FieldReader::startLine() {
    ++m_line;
    const void* lf = std::memchr(m_bytes.data() + m_pos, '\n', m_bytes.size() - m_pos);
    if (lf) {
        const std::size_t at = static_cast<std::size_t>(static_cast<const char*>(lf) - m_bytes.data());
        m_nextLine = at + 1;
        m_lineEnd = at > m_pos && m_bytes[at - 1] == '\r' ? at - 1 : at;
    } else {
        m_nextLine = m_lineEnd = m_bytes.size();
    }
    m_inLine = true;
}

std::string_view FieldReader::rawField() {
    if (!m_inLine) {
        if (atEnd())
            throw ReadFailure{m_line == 0 ? "The file is empty"
                                          : "Unexpected end of file after line " +
                                                std::to_string(m_line)};
        startLine();
    }
    m_fieldLine = m_line;
    const char* data = m_bytes.data();
    std::size_t pos = m_pos;
    while (pos < m_lineEnd && isBlank(data[pos]))
        ++pos;

    std::string_view field;
    std::size_t after = pos; // where to look for the comma that ends the field
    const bool quoted = pos < m_lineEnd && data[pos] == '"';
    if (quoted) {
        const void* quote = std::memchr(data + pos + 1, '"', m_lineEnd - pos - 1);
        const std::size_t close =
            quote ? static_cast<std::size_t>(static_cast<const char*>(quote) - data) : m_lineEnd;
        field = m_bytes.substr(pos + 1, close - pos - 1);
        after = close < m_lineEnd ? close + 1 : m_lineEnd;
    }
    const void* comma = std::memchr(data + after, ',', m_lineEnd - after);
    const std::size_t end = comma ? static_cast<std::size_t>(static_cast<const char*>(comma) - data)
                                  : m_lineEnd;
    if (!quoted) { // unquoted: up to the comma, without trailing blanks
        std::size_t last = end;
        while (last > pos && isBlank(data[last - 1]))
            --last;
        field = m_bytes.substr(pos, last - pos);
    }
    if (comma) {
        m_pos = end + 1;
    } else {
        m_pos = m_nextLine;
        m_inLine = false;
    }
    return field;
}

std::string_view FieldReader::text() { return rawField(); }

void FieldReader::notANumber(std::string_view field) const {
    throw ReadFailure{"Line " + std::to_string(m_fieldLine) +
                      " does not hold a whole number that fits its field: " + shown(field)};
}

template <typename Int>
Int FieldReader::wholeNumber(std::optional<Int> (*convert)(double)) {
    const std::string_view field = rawField();
    Int value = 0;
    if (readPlainInteger(field, value))
        return value;
    const auto number = parseNumber(field);
    const auto rounded = number ? convert(*number) : std::nullopt;
    if (!rounded)
        notANumber(field);
    return *rounded;
}

std::int16_t FieldReader::integer() { return wholeNumber(toInt16); }
std::int32_t FieldReader::longInteger() { return wholeNumber(toInt32); }

} // namespace vt
