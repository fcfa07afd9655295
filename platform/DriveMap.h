#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace vt {

// Translates between the Windows paths the program works with and the host's
// paths. Z: is the host root; other drive letters come from the links in
// $WINEPREFIX/dosdevices (default ~/.wine), as Wine sets them up.
//
// Windows paths are in the active code page; host paths are UTF-8. A host
// character that the code page lacks becomes '?', so only such paths fail to
// round-trip. Under a double-byte code page only ASCII paths map at all.
class DriveMap {
public:
    // Drive letter (upper case) -> host folder, without a trailing slash
    // ("" for the host root). Z: is always the host root.
    using Roots = std::map<char, std::string>;

    explicit DriveMap(Roots roots);
    static DriveMap fromPrefix(const std::string& winePrefix);
    static DriveMap fromEnvironment();

    // The map the whole program uses; read from the environment on first use.
    static const DriveMap& current();
    static void setCurrent(DriveMap map);

    // nullopt for a path that cannot name a host file (an unknown drive, a
    // network path). A relative path stays relative to the current folder.
    // When the exact host path does not exist, each component is looked up
    // ignoring letter case, as Windows would find it.
    std::optional<std::string> toHost(std::string_view windowsPath) const;
    // The same without looking at the disk: letter case as written.
    std::optional<std::string> toHostAsWritten(std::string_view windowsPath) const;

    // An absolute host path in Windows form: the drive with the longest root
    // the path lies inside, backslashes between the components. toHost gives
    // the same path back, byte for byte.
    std::string toWindows(std::string_view hostPath) const;

    // A host path as the user gave it, relative to the current folder or not,
    // with "." and ".." worked out.
    std::string toWindowsFromUser(std::string_view hostPath) const;

    const Roots& roots() const { return m_roots; }

private:
    Roots m_roots;
};

// A path the user named on the command line, in a file dialog or as
// `vtutil FILE`: the file exactly as named, and its Windows form, which the
// program shows and stores.
struct UserPath {
    std::string host;     // absolute, otherwise as typed: links and ".." as the system takes them
    std::string windows;  // "." and ".." worked out
    bool storable = true; // the Windows form names the same file: the code page holds the name
};

// Works out the Windows form of a path the user named and from then on maps
// that form (and whatever lies under it) to exactly this host path: never
// to another file found by ignoring letter case or standing behind a '?'. A
// later path with the same Windows form takes the place of an earlier one.
UserPath namedByUser(std::string_view hostPath);

// False for a path the user named whose name the code page cannot hold:
// its Windows form is no name to store.
bool storableAsNamed(std::string_view windowsPath);

// Whether the code page holds every character of a host text, so that it
// can be stored in a show and compared with what a show holds.
bool codePageHolds(std::string_view hostText);

// Finds an existing host path ignoring the letter case of its components;
// returns the path unchanged when there is nothing better.
std::string resolveCaseInsensitive(const std::string& hostPath);

} // namespace vt
