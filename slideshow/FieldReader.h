#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vt {

// A failure while reading a show: the description names the line.
struct ReadFailure {
    std::string description;
};

// A field as a message quotes it: a line of any length is cut to its start.
std::string shortenedForMessage(std::string_view text);

// Reads the fields of a show file, one after the other. A line ends at CR LF
// or at a lone LF. Blanks before a field are skipped; a field that begins
// with a double quote runs to the next double quote (or to the line end when
// there is none), and what follows the closing quote up to the next comma or
// line end is ignored; any other field runs to the first comma or the line
// end, without trailing blanks. A comma ends a field, and the rest of the
// line is the next field.
class FieldReader {
public:
    explicit FieldReader(std::string_view bytes) : m_bytes(bytes) {}

    bool atEnd() const { return !m_inLine && m_pos >= m_bytes.size(); }

    // The next field; throws ReadFailure at the end of the file.
    std::string_view text();
    // The next field cut to its first `limit` characters.
    std::string_view text(std::size_t limit) { return text().substr(0, limit); }
    std::int16_t integer();
    std::int32_t longInteger();

    // The line the last field came from (1-based); 0 before the first.
    int line() const { return m_fieldLine; }

private:
    std::string_view rawField();
    void startLine();
    [[noreturn]] void notANumber(std::string_view field) const;
    template <typename Int> Int wholeNumber(std::optional<Int> (*convert)(double));

    std::string_view m_bytes;
    std::size_t m_pos = 0;
    std::size_t m_lineEnd = 0;     // where the current line's content ends (before CR LF / LF)
    std::size_t m_nextLine = 0;    // where the next line starts
    bool m_inLine = false;         // a comma left us inside a line
    int m_line = 0;
    int m_fieldLine = 0;
};

} // namespace vt
