#include "slideshow/FieldReader.h"

#include "common/Numbers.h"

#include <algorithm>
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

FieldReader::FieldReader(ByteSource source, std::size_t keep, std::size_t bufferSize)
    : m_source(std::move(source)), m_keep(keep), m_capacity(std::max<std::size_t>(bufferSize, 2)) {}

// Moves the unread bytes to the buffer's start and reads more behind them;
// false when the file has no more.
bool FieldReader::fill() {
    if (!m_buffer)
        m_buffer = std::make_unique_for_overwrite<char[]>(m_capacity);
    const std::size_t left = m_end - m_at;
    std::memmove(m_buffer.get(), m_buffer.get() + m_at, left);
    m_at = 0;
    m_end = left;
    m_lineFeedKnown = false;
    const std::size_t got = m_source ? m_source(m_buffer.get() + left, m_capacity - left) : 0;
    m_end += got;
    return got > 0;
}

std::size_t FieldReader::findLineFeed() {
    const char* data = m_buffer.get();
    const void* lf = m_at < m_end ? std::memchr(data + m_at, '\n', m_end - m_at) : nullptr;
    m_lineFeed = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - data) : m_end;
    m_lineFeedKnown = true;
    return m_lineFeed;
}

void FieldReader::skipBlanks() {
    do {
        while (m_at < m_end && isBlank(m_buffer[m_at]))
            ++m_at;
    } while (m_at == m_end && fill());
}

// Reads to the first `stop` byte, the line's end or the file's end and
// returns which ended it ('\0' for the file's end), leaving it unread. The
// text read becomes `field`, cut to what is kept; Skip only reads past it.
char FieldReader::scanTo(char stop, Scan scan, std::string_view& field) {
    bool spread = false; // the text began in an earlier piece
    if (scan != Scan::Skip) {
        m_kept.clear();
        m_length = m_solidEnd = 0;
    }
    while (true) {
        const char* data = m_buffer.get();
        const char* from = data + m_at;
        const std::size_t lf = lineFeed();
        const void* hit = lf > m_at ? std::memchr(from, stop, lf - m_at) : nullptr;
        if (hit || lf < m_end) {
            const char* end = hit ? static_cast<const char*>(hit) : data + lf;
            m_at = static_cast<std::size_t>(end - data);
            if (!hit && end > from && end[-1] == '\r')
                --end; // CR LF ends the line
            if (scan != Scan::Skip)
                field = piece(from, end, scan, spread);
            return hit ? stop : '\n';
        }
        // A CR at the end of the piece may begin a CR LF: it waits for the next.
        const std::size_t carry = m_end > m_at && data[m_end - 1] == '\r' ? 1 : 0;
        if (scan == Scan::Skip)
            hold(field);
        else
            gather(from, data + m_end - carry, scan);
        spread = true;
        m_at = m_end - carry;
        if (!fill()) { // the file's end: a CR without its LF is an ordinary byte
            if (scan != Scan::Skip)
                field = piece(m_buffer.get(), m_buffer.get() + m_end, scan, true);
            m_at = m_end;
            return '\0';
        }
    }
}

// Adds a part of a field that runs across pieces of the file.
void FieldReader::gather(const char* from, const char* to, Scan scan) {
    const auto size = static_cast<std::size_t>(to - from);
    if (m_kept.size() < m_keep)
        m_kept.append(from, std::min(size, m_keep - m_kept.size()));
    if (scan == Scan::Plain) {
        const char* last = to;
        while (last > from && isBlank(last[-1]))
            --last;
        if (last > from)
            m_solidEnd = m_length + static_cast<std::size_t>(last - from);
    }
    m_length += size;
}

// The field whose last part is from..to: straight from the buffer when it
// lies there whole, else what was gathered.
std::string_view FieldReader::piece(const char* from, const char* to, Scan scan, bool spread) {
    if (spread) {
        gather(from, to, scan);
        const std::uint64_t whole = scan == Scan::Plain ? m_solidEnd : m_length;
        m_cut = whole > m_keep;
        return std::string_view(m_kept).substr(0, static_cast<std::size_t>(whole));
    }
    if (scan == Scan::Plain)
        while (to > from && isBlank(to[-1]))
            --to;
    const auto size = static_cast<std::size_t>(to - from);
    m_cut = size > m_keep;
    return {from, std::min(size, m_keep)};
}

// A field still in the buffer is copied out before the buffer is refilled.
void FieldReader::hold(std::string_view& field) {
    if (field.data() != m_kept.data()) {
        m_kept.assign(field);
        field = m_kept;
    }
}

// The usual case: the rest of the line, up to its LF, is in the buffer and
// the field is found in place.
std::string_view FieldReader::fieldInLine(std::size_t lf) {
    const char* data = m_buffer.get();
    const std::size_t lineEnd = lf > m_at && data[lf - 1] == '\r' ? lf - 1 : lf;
    std::size_t pos = m_at;
    while (pos < lineEnd && isBlank(data[pos]))
        ++pos;
    std::string_view field;
    std::size_t after = pos; // where to look for the comma that ends the field
    const bool quoted = pos < lineEnd && data[pos] == '"';
    if (quoted) {
        const void* quote = std::memchr(data + pos + 1, '"', lineEnd - pos - 1);
        const std::size_t close =
            quote ? static_cast<std::size_t>(static_cast<const char*>(quote) - data) : lineEnd;
        field = {data + pos + 1, close - pos - 1};
        after = close < lineEnd ? close + 1 : lineEnd;
    }
    const void* comma = std::memchr(data + after, ',', lineEnd - after);
    const std::size_t end =
        comma ? static_cast<std::size_t>(static_cast<const char*>(comma) - data) : lineEnd;
    if (!quoted) { // unquoted: up to the comma, without trailing blanks
        std::size_t last = end;
        while (last > pos && isBlank(data[last - 1]))
            --last;
        field = {data + pos, last - pos};
    }
    m_at = comma ? end + 1 : lf + 1;
    m_inLine = comma != nullptr;
    m_cut = field.size() > m_keep;
    return field.substr(0, m_keep);
}

std::string_view FieldReader::rawField() {
    if (!m_inLine) {
        if (atEnd())
            throw ReadFailure{m_line == 0 ? "The file is empty"
                                          : "Unexpected end of file after line " +
                                                std::to_string(m_line)};
        ++m_line;
        m_inLine = true;
    }
    m_fieldLine = m_line;
    if (const std::size_t lf = lineFeed(); lf < m_end)
        return fieldInLine(lf);
    skipBlanks();
    std::string_view field;
    char end = 0;
    if (m_at < m_end && m_buffer[m_at] == '"') {
        ++m_at;
        end = scanTo('"', Scan::Quoted, field);
        if (end == '"') { // what follows the closing quote is passed over
            ++m_at;
            end = scanTo(',', Scan::Skip, field);
        }
    } else {
        end = scanTo(',', Scan::Plain, field);
    }
    if (end != '\0')
        ++m_at;
    m_inLine = end == ',';
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
    if (m_cut) // what was kept of it is no number
        notANumber(field);
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
