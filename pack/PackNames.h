#pragma once

#include <cstddef>
#include <set>
#include <string>
#include <string_view>

// File and folder names a packed show can carry to Windows. Names are
// code page text, as everything inside the program.
namespace vt::pack {

// The longest name a packed folder gets, so that the files in it keep room
// for their own names within a path's 260 characters.
inline constexpr std::size_t FolderNameLimit = 100;
// What Windows allows for one name.
inline constexpr std::size_t NameLimit = 255;

// The name with every character Windows cannot hold in a name replaced by
// '_' (control characters, \ / : * ? " < > |), trailing dots and blanks
// removed, and a '_' after a device name (CON, NUL, COM1 ...). Never empty.
std::string windowsSafeName(std::string_view name);

// The name cut to at most limit characters, keeping its extension; the
// empty text when even the extension does not fit.
std::string cutName(std::string_view name, std::size_t limit);

// The names already used in one folder, letter case aside, as Windows sees them.
class NameSet {
  public:
    bool contains(std::string_view name) const;
    void add(std::string_view name);
    // The name itself when it is free, else "name (2).ext", "name (3).ext" ...
    // cut to limit; marks the result as used. Empty when nothing fits.
    std::string claim(std::string_view name, std::size_t limit);

  private:
    std::set<std::string> m_upper;
};

} // namespace vt::pack
