#include "platform/DriveMap.h"

#include "common/CodePage.h"
#include "common/PathText.h"

#include <algorithm>
#include <cstdlib>
#include <dirent.h>
#include <filesystem>
#include <memory>
#include <mutex>
#include <set>
#include <sys/stat.h>
#include <system_error>

namespace vt {
namespace {

namespace stdfs = std::filesystem;

bool hostExists(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

bool isDriveLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

char upperLetter(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

std::string homeFolder() {
    const char* home = std::getenv("HOME");
    return home ? home : "/";
}

// The entry of folder whose name equals name ignoring case, or name itself.
// A '?' stands for a character the code page lacks, never for any entry.
std::string matchEntry(const std::string& folder, const std::string& name) {
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.empty() ? "." : folder.c_str()),
                                            ::closedir);
    if (!dir)
        return name;
    const std::string wanted = codepage::fromUtf8(name);
    while (const dirent* entry = ::readdir(dir.get())) {
        if (codePageHolds(entry->d_name) &&
            equalsIgnoringCase(codepage::fromUtf8(entry->d_name), wanted))
            return entry->d_name;
    }
    return name;
}

// Windows forms of the paths the user named, and the host paths they stand for.
struct Pins {
    std::mutex lock;
    std::map<std::string, std::string, std::less<>> hosts;
    std::set<std::string, std::less<>> unstorable; // of the keys of hosts
};

Pins& pins() {
    static Pins all;
    return all;
}

// The host path for windowsPath when it is, or lies under, a path the user
// named; only the named part is taken from the pin.
std::optional<std::string> pinnedHost(std::string_view windowsPath) {
    Pins& all = pins();
    const std::lock_guard guard(all.lock);
    if (all.hosts.empty())
        return std::nullopt;
    for (std::size_t end = windowsPath.size(); end != std::string_view::npos && end > 0;
         end = windowsPath.rfind('\\', end - 1)) {
        const auto pin = all.hosts.find(windowsPath.substr(0, end));
        if (pin == all.hosts.end())
            continue;
        std::string rest = codepage::toUtf8(windowsPath.substr(end));
        std::replace(rest.begin(), rest.end(), '\\', '/');
        return pin->second + rest;
    }
    return std::nullopt;
}

} // namespace

DriveMap::DriveMap(Roots roots) {
    for (auto& [letter, root] : roots) {
        while (!root.empty() && root.back() == '/')
            root.pop_back();
        m_roots[upperLetter(letter)] = root;
    }
    m_roots['Z'] = "";
}

DriveMap DriveMap::fromPrefix(const std::string& winePrefix) {
    Roots roots;
    std::error_code error;
    const stdfs::path devices = stdfs::path(winePrefix) / "dosdevices";
    for (const auto& entry : stdfs::directory_iterator(devices, error)) {
        const std::string name = entry.path().filename().string();
        if (name.size() != 2 || name[1] != ':' || !isDriveLetter(name[0]))
            continue;
        const stdfs::path target = stdfs::weakly_canonical(entry.path(), error);
        if (!error && stdfs::is_directory(target, error))
            roots[upperLetter(name[0])] = target == "/" ? "" : target.string();
    }
    return DriveMap(std::move(roots));
}

DriveMap DriveMap::fromEnvironment() {
    const char* prefix = std::getenv("WINEPREFIX");
    return fromPrefix(prefix && *prefix ? prefix : homeFolder() + "/.wine");
}

namespace {
std::unique_ptr<DriveMap>& currentMap() {
    static std::unique_ptr<DriveMap> map;
    return map;
}
} // namespace

const DriveMap& DriveMap::current() {
    if (!currentMap())
        currentMap() = std::make_unique<DriveMap>(fromEnvironment());
    return *currentMap();
}

void DriveMap::setCurrent(DriveMap map) { currentMap() = std::make_unique<DriveMap>(std::move(map)); }

std::optional<std::string> DriveMap::toHostAsWritten(std::string_view windowsPath) const {
    if (auto pinned = pinnedHost(windowsPath))
        return pinned;
    std::string host;
    std::string_view rest = windowsPath;
    if (rest.size() >= 2 && rest[1] == ':') {
        const auto root = m_roots.find(upperLetter(rest[0]));
        if (!isDriveLetter(rest[0]) || root == m_roots.end())
            return std::nullopt;
        host = root->second;
        rest.remove_prefix(2);
        if (rest.empty() || (rest[0] != '\\' && rest[0] != '/'))
            host += '/'; // "C:name" means the drive's root here: there is no current folder per drive
    } else if (rest.size() >= 2 && (rest[0] == '\\' || rest[0] == '/') &&
               (rest[1] == '\\' || rest[1] == '/')) {
        return std::nullopt; // a network path
    } else if (isAbsolute(rest)) {
        return std::nullopt; // a colon anywhere else names no host file
    }
    if (!codepage::isMappable(rest))
        return std::nullopt; // never guess where the names of a double-byte path end
    std::string tail(rest);
    for (char& c : tail) {
        if (c == '\\')
            c = '/';
    }
    return host + codepage::toUtf8(tail); // the root is host text already
}

std::optional<std::string> DriveMap::toHost(std::string_view windowsPath) const {
    if (auto pinned = pinnedHost(windowsPath))
        return pinned;
    auto host = toHostAsWritten(windowsPath);
    if (!host || host->empty() || hostExists(*host))
        return host;
    return resolveCaseInsensitive(*host);
}

std::string resolveCaseInsensitive(const std::string& hostPath) {
    std::string resolved;
    std::size_t start = 0;
    if (!hostPath.empty() && hostPath[0] == '/') {
        resolved = "/";
        start = 1;
    }
    bool found = true; // once a component is missing, the rest is kept as written
    while (start <= hostPath.size()) {
        std::size_t end = hostPath.find('/', start);
        if (end == std::string::npos)
            end = hostPath.size();
        std::string name = hostPath.substr(start, end - start);
        if (found && !name.empty() && name != "." && name != "..") {
            if (!hostExists(resolved + name))
                name = matchEntry(resolved, name);
            found = hostExists(resolved + name);
        }
        resolved += name;
        if (end < hostPath.size())
            resolved += '/';
        start = end + 1;
    }
    return resolved;
}

std::string DriveMap::toWindows(std::string_view hostPath) const {
    // Only what lies inside a root goes under its drive: the root folder
    // itself written without its slash ("C:" would mean something else)
    // stays under the parent drive, so that every path maps back exactly.
    char drive = 'Z';
    std::size_t best = 0;
    for (const auto& [letter, root] : m_roots) {
        const bool inside = hostPath.size() > root.size() && hostPath[root.size()] == '/' &&
                            hostPath.substr(0, root.size()) == root;
        if (!root.empty() && inside && root.size() > best) {
            best = root.size();
            drive = letter;
        }
    }
    std::string windows(1, drive);
    windows += ':';
    for (char c : hostPath.substr(best))
        windows += c == '/' ? '\\' : c;
    return codepage::fromUtf8(windows);
}

std::string DriveMap::toWindowsFromUser(std::string_view hostPath) const {
    // What the user typed may hold "." and ".."; the program's paths do not.
    std::error_code error;
    const stdfs::path absolute = stdfs::absolute(stdfs::path(hostPath), error);
    return toWindows(error ? std::string(hostPath) : absolute.lexically_normal().string());
}

bool codePageHolds(std::string_view hostText) {
    return codepage::toUtf8(codepage::fromUtf8(hostText)) == hostText;
}

bool storableAsNamed(std::string_view windowsPath) {
    Pins& all = pins();
    const std::lock_guard guard(all.lock);
    return !all.unstorable.contains(windowsPath);
}

UserPath namedByUser(std::string_view hostPath) {
    UserPath path;
    std::error_code error;
    const stdfs::path absolute = stdfs::absolute(stdfs::path(hostPath), error);
    path.host = error ? std::string(hostPath) : absolute.string();
    path.windows = DriveMap::current().toWindowsFromUser(hostPath);
    // What is stored is the Windows form: ".." past a name it lacks is no matter.
    path.storable = codePageHolds(absolute.lexically_normal().string());
    // A folder is pinned without its final separator, as lookups cut there.
    std::string key = path.windows, host = path.host;
    while (key.size() > 3 && key.back() == '\\')
        key.pop_back();
    while (host.size() > 1 && host.back() == '/')
        host.pop_back();
    Pins& all = pins();
    const std::lock_guard guard(all.lock);
    if (path.storable)
        all.unstorable.erase(key);
    else
        all.unstorable.insert(key);
    all.hosts.insert_or_assign(std::move(key), std::move(host));
    return path;
}

} // namespace vt
