#include "slideshow/FieldReader.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace vt {
namespace {

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
// out as it does from one buffer holding the whole text: quotes, commas,
// blanks and CR LF split across pieces, and fields longer than what is kept
// cut to their start. The rules themselves are tried on whole shows.
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
            for (const std::size_t buffer : {2, 3, 5})
                ASSERT_EQ(streamedFields(text, keep, buffer), streamedFields(text, keep, 4096))
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
