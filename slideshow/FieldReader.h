#pragma once

#include <cstdint>
#include <functional>
#include <memory>
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

// No field keeps more than this many bytes of its line: a longer one is cut,
// and the rest of its line is read past without being kept.
inline constexpr std::size_t FieldKeepLimit = std::size_t{1} << 20;

// Puts up to `room` more bytes of the file into data; 0 at its end. Throws
// ReadFailure when the file cannot be read.
using ByteSource = std::function<std::size_t(char* data, std::size_t room)>;

// Reads the fields of a show file, one after the other. A line ends at CR LF
// or at a lone LF. Blanks before a field are skipped; a field that begins
// with a double quote runs to the next double quote (or to the line end when
// there is none), and what follows the closing quote up to the next comma or
// line end is ignored; any other field runs to the first comma or the line
// end, without trailing blanks. A comma ends a field, and the rest of the
// line is the next field. The file is read a piece at a time, so a line of
// any length costs no more memory than the buffer and the field kept.
class FieldReader {
public:
    explicit FieldReader(ByteSource source, std::size_t keep = FieldKeepLimit,
                         std::size_t bufferSize = std::size_t{256} << 10);

    bool atEnd() { return !m_inLine && m_at == m_end && !fill(); }

    // The next field, valid until the next read; throws ReadFailure at the
    // end of the file.
    std::string_view text();
    // The next field cut to its first `limit` characters.
    std::string_view text(std::size_t limit) { return text().substr(0, limit); }
    std::int16_t integer();
    std::int32_t longInteger();

    // The line the last field came from (1-based); 0 before the first.
    int line() const { return m_fieldLine; }

private:
    enum class Scan { Quoted, Plain, Skip };

    std::string_view rawField();
    std::string_view fieldInLine(std::size_t lf);
    bool fill();
    // Where the line ends in the buffer (its LF), or m_end when not in it;
    // looked for once per piece of a line, however many fields it holds.
    std::size_t lineFeed() {
        return m_lineFeedKnown && m_lineFeed >= m_at ? m_lineFeed : findLineFeed();
    }
    std::size_t findLineFeed();
    void skipBlanks();
    char scanTo(char stop, Scan scan, std::string_view& field);
    void gather(const char* from, const char* to, Scan scan);
    std::string_view piece(const char* from, const char* to, Scan scan, bool spread);
    void hold(std::string_view& field);
    [[noreturn]] void notANumber(std::string_view field) const;
    template <typename Int> Int wholeNumber(std::optional<Int> (*convert)(double));

    ByteSource m_source;
    std::size_t m_keep;
    std::size_t m_capacity;
    std::unique_ptr<char[]> m_buffer;
    std::size_t m_at = 0;  // the next byte to read in the buffer
    std::size_t m_end = 0; // the end of the bytes in the buffer
    std::size_t m_lineFeed = 0;
    bool m_lineFeedKnown = false;
    bool m_inLine = false; // a comma left us inside a line
    int m_line = 0;
    int m_fieldLine = 0;
    // A field that runs across pieces of the file: its first bytes, its length
    // and, for trimming, where its last non-blank ends.
    std::string m_kept;
    std::uint64_t m_length = 0;
    std::uint64_t m_solidEnd = 0;
    bool m_cut = false; // the last field was longer than what is kept
};

} // namespace vt
