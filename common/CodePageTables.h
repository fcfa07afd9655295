#pragma once

#include <array>

namespace vt::codepage {

// One single-byte Windows code page: the character of each byte from 0x80
// up, and the byte of its capital (the byte itself when it has none).
struct SingleByteTable {
    int number;
    std::array<char16_t, 128> characters;
    std::array<unsigned char, 128> capitals;
};

extern const std::array<SingleByteTable, 10> SingleByteTables;

// A composed letter that Windows-1258 writes as a base letter and a tone
// mark; sorted by letter.
struct Composition {
    char16_t letter;
    unsigned char base;
    unsigned char mark;
};

extern const std::array<Composition, 173> Cp1258Compositions;

} // namespace vt::codepage
