#include "slideshow/FieldReader.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace vt {
namespace {

bool blank(char c) { return c == ' ' || c == '\t'; }

// The reading rules applied to the whole text at once, as the reader did
// when it held the whole file: "line:field" for each field.
std::vector<std::string> wholeTextFields(std::string_view bytes, std::size_t keep) {
    std::vector<std::string> fields;
    std::size_t pos = 0, lineEnd = 0, nextLine = 0;
    bool inLine = false;
    int line = 0;
    while (inLine || pos < bytes.size()) {
        if (!inLine) {
            const std::size_t lf = bytes.find('\n', pos);
            nextLine = lf == std::string_view::npos ? bytes.size() : lf + 1;
            lineEnd = lf == std::string_view::npos ? bytes.size()
                      : lf > pos && bytes[lf - 1] == '\r' ? lf - 1
                                                          : lf;
            inLine = true;
            ++line;
        }
        while (pos < lineEnd && blank(bytes[pos]))
            ++pos;
        std::string_view field;
        std::size_t after = pos;
        const bool quoted = pos < lineEnd && bytes[pos] == '"';
        if (quoted) {
            const std::size_t close = std::min(bytes.find('"', pos + 1), lineEnd);
            field = bytes.substr(pos + 1, close - pos - 1);
            after = std::min(close + 1, lineEnd);
        }
        const std::size_t comma = bytes.find(',', after);
        const std::size_t end = std::min(comma, lineEnd);
        if (!quoted) {
            std::size_t last = end;
            while (last > pos && blank(bytes[last - 1]))
                --last;
            field = bytes.substr(pos, last - pos);
        }
        inLine = comma < lineEnd;
        pos = inLine ? end + 1 : nextLine;
        fields.push_back(std::to_string(line) + ":" + std::string(field.substr(0, keep)));
    }
    return fields;
}

// Hands out bytes as a file would, as much as asked for.
ByteSource fromText(const std::string& bytes) {
    return [&bytes, given = std::size_t{0}](char* data, std::size_t room) mutable {
        const std::size_t size = std::min(room, bytes.size() - given);
        bytes.copy(data, size, given);
        given += size;
        return size;
    };
}

std::vector<std::string> streamedFields(const std::string& bytes, std::size_t keep,
                                        std::size_t buffer) {
    FieldReader reader(fromText(bytes), keep, buffer);
    std::vector<std::string> fields;
    while (!reader.atEnd()) {
        const std::string field(reader.text());
        fields.push_back(std::to_string(reader.line()) + ":" + field);
    }
    return fields;
}

// Read a piece at a time, through buffers of a few bytes, every field comes
// out as it would from the whole text: quotes, commas, blanks and CR LF split
// across pieces, and fields longer than what is kept cut to their start.
TEST(FieldReader, ReadsPieceByPieceWhatTheWholeTextHolds) {
    const std::string alphabet = "ab \t\",\r\n9";
    std::mt19937 random(19);
    std::vector<std::string> texts = {"",         "\r\n",         "\"Vantora Slide Show\"\r\n",
                                      "a,b,,c",   "\"x\" y, z\r", "  \"open\r\r\n\"q\"\"r\",s",
                                      "\r\r\r\n", "abc   \t"};
    for (int i = 0; i < 3000; ++i) {
        std::string text(random() % 40, ' ');
        for (char& c : text)
            c = alphabet[random() % alphabet.size()];
        texts.push_back(text);
    }
    for (const std::string& text : texts)
        for (const std::size_t keep : {std::size_t{3}, std::size_t{1000}})
            for (const std::size_t buffer : {2, 3, 5, 64})
                ASSERT_EQ(streamedFields(text, keep, buffer), wholeTextFields(text, keep))
                    << "text \"" << text << "\", keep " << keep << ", buffer " << buffer;
}

TEST(FieldReader, ALongNumberIsNoNumberAndTheEndIsAFailure) {
    const std::string bytes = std::string(18, '0') + "1\r\n7"; // 1, were it read whole
    FieldReader reader(fromText(bytes), 8, 4);
    EXPECT_THROW(reader.integer(), ReadFailure);
    EXPECT_EQ(reader.integer(), 7);
    try {
        reader.text();
        ADD_FAILURE() << "read past the end";
    } catch (const ReadFailure& failure) {
        EXPECT_EQ(failure.description, "Unexpected end of file after line 2");
    }
}

} // namespace
} // namespace vt
