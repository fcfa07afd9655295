#pragma once

#include <array>
#include <string>
#include <string_view>

// The program keeps every text in the system's 8-bit code page, the one the
// shows were written in: the ANSI code page Wine uses for the user's locale,
// Windows-1252 unless the locale says otherwise. These convert at the edges:
// Qt, host file names, the terminal.
namespace vt::codepage {

inline constexpr int Default = 1252;

// 874, 1250 to 1258, and the double-byte 932, 936, 949 and 950.
bool isKnown(int number);
bool isDoubleByte(int number);

// The code page for a locale name such as "ru_RU.UTF-8" or "sr_RS@latin";
// 1252 for C, POSIX and every language without one of its own.
int forLocale(std::string_view locale);
// The first of LC_ALL, LC_CTYPE and LANG that is set; empty when none is.
std::string_view localeName();
// That locale, mapped as forLocale.
int fromEnvironment();

// The code page the whole program uses: from the environment on first use.
int active();
// Makes number (which must be known) the one in use.
void setActive(int number);

// Characters the code page lacks, and bytes that are not UTF-8, become '?'.
std::string toUtf8(std::string_view text, int number);
std::string fromUtf8(std::string_view utf8, int number);
// The same in the active code page.
std::string toUtf8(std::string_view text);
std::string fromUtf8(std::string_view utf8);

// Adds one character to UTF-8 text.
void appendUtf8(std::string& out, char32_t c);

// Text from one of the system's character sets into another (iconv names,
// such as "KOI8-R"); what the target lacks or the source breaks becomes '?'.
std::string convert(std::string_view text, const std::string& from, const std::string& to);

// Capitals of every byte in the active code page, as its own comparisons
// that ignore letter case see them. A double-byte code page folds ASCII only.
const std::array<unsigned char, 256>& capitals();

// Whether every byte is below 0x80.
bool isAscii(std::string_view text);
// Whether a path (in the code page or on the host) may be split at its
// backslashes and mapped byte by byte: always in a single-byte code page,
// only an ASCII one in a double-byte code page, where a character's second
// byte may be a backslash.
bool isMappable(std::string_view path);

} // namespace vt::codepage
