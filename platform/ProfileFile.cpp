#include "platform/ProfileFile.h"

#include "common/PathText.h"
#include "platform/DriveMap.h"
#include "platform/FileSystem.h"

#include <algorithm>
#include <cstring>
#include <sys/stat.h>
#include <vector>

namespace vt {
namespace profile {
namespace {

constexpr std::string_view Crlf = "\r\n";

// One line of the file: its text from start, length bytes long, and its line
// end (CR LF, LF, CR, or nothing at the end of the file) up to end.
struct Line {
    std::size_t start = 0;
    std::size_t length = 0;
    std::size_t end = 0;

    bool hasLineEnd() const { return end > start + length; }
};

std::vector<Line> splitLines(std::string_view bytes) {
    std::vector<Line> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t stop = std::min(bytes.find_first_of("\r\n", start), bytes.size());
        std::size_t next = std::min(stop + 1, bytes.size());
        if (stop + 1 < bytes.size() && bytes[stop] == '\r' && bytes[stop + 1] == '\n')
            ++next;
        lines.push_back({start, stop - start, next});
        start = next;
    }
    return lines;
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// One pair of matching quotes around a value is not part of it.
std::string_view unquote(std::string_view value) {
    if (value.size() >= 2 && value.front() == value.back() &&
        (value.front() == '"' || value.front() == '\''))
        return value.substr(1, value.size() - 2);
    return value;
}

enum class Kind { Other, Section, Key };

struct Entry {
    Kind kind = Kind::Other;
    std::string_view name;
    std::string_view value;
};

Entry parseLine(std::string_view text) {
    const std::string_view body = trimBlanks(text);
    if (!body.empty() && body.front() == ';')
        return {};
    if (!body.empty() && body.front() == '[') {
        const auto close = body.rfind(']');
        if (close != std::string_view::npos && close > 0)
            return {Kind::Section, trimBlanks(body.substr(1, close - 1)), {}};
    }
    const auto equals = text.find('=');
    if (equals == std::string_view::npos)
        return {};
    return {Kind::Key, trimBlanks(text.substr(0, equals)),
            unquote(trimBlanks(text.substr(equals + 1)))};
}

// Where a key is, or would go: only the first section of that name counts.
struct Place {
    std::optional<std::size_t> section; // its header line
    std::optional<std::size_t> key;
    std::size_t lastKey = 0; // the section's last key line, else its header
    Entry entry;             // the key's line, when found
};

Place locate(std::string_view bytes, const std::vector<Line>& lines, std::string_view section,
             std::string_view key) {
    Place place;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Entry entry = parseLine(bytes.substr(lines[i].start, lines[i].length));
        if (entry.kind == Kind::Section) {
            if (place.section)
                break;
            if (equalsIgnoringCase(entry.name, section))
                place.section = place.lastKey = i;
        } else if (place.section && entry.kind == Kind::Key) {
            place.lastKey = i;
            if (equalsIgnoringCase(entry.name, key)) {
                place.key = i;
                place.entry = entry;
                break;
            }
        }
    }
    return place;
}

std::string keyLine(std::string_view key, std::string_view value) {
    return std::string(key) + "=" + std::string(value);
}

} // namespace

std::optional<std::string> findValue(std::string_view bytes, std::string_view section,
                                     std::string_view key) {
    const Place place = locate(bytes, splitLines(bytes), section, key);
    if (!place.key)
        return std::nullopt;
    return std::string(place.entry.value);
}

std::string withValue(std::string_view bytes, std::string_view section, std::string_view key,
                      std::string_view value) {
    const std::vector<Line> lines = splitLines(bytes);
    const Place place = locate(bytes, lines, section, key);
    std::string out(bytes);
    if (place.key) {
        // The file's spelling of the key stays, as the viewer may look for it.
        const Line& line = lines[*place.key];
        out.replace(line.start, line.length, keyLine(place.entry.name, value));
    } else if (place.section) {
        const Line& after = lines[place.lastKey];
        std::string added = keyLine(key, value) + std::string(Crlf);
        if (!after.hasLineEnd())
            added.insert(0, Crlf);
        out.insert(after.end, added);
    } else {
        if (!lines.empty() && !lines.back().hasLineEnd())
            out += Crlf;
        out += "[" + std::string(section) + "]" + std::string(Crlf);
        out += keyLine(key, value) + std::string(Crlf);
    }
    return out;
}

} // namespace profile

std::uint32_t GetPrivateProfileStringA(std::string_view section, std::string_view key,
                                       std::string_view defaultValue, char* buffer,
                                       std::uint32_t size, std::string_view fileName) {
    if (!buffer || size == 0)
        return 0;
    files::FileBytes bytes;
    std::optional<std::string> value;
    if (!files::readWholeFile(fileName, bytes))
        value = profile::findValue(bytes.view(), section, key);
    std::string_view text = value ? std::string_view(*value) : defaultValue;
    if (!value) {
        while (!text.empty() && text.back() == ' ')
            text.remove_suffix(1); // Windows drops a default's trailing blanks
    }
    const std::size_t count = std::min<std::size_t>(text.size(), size - 1);
    std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
    return static_cast<std::uint32_t>(count);
}

bool WritePrivateProfileStringA(std::string_view section, std::string_view key,
                                std::string_view value, std::string_view fileName) {
    const auto host = DriveMap::current().toHost(fileName);
    if (!host || host->empty())
        return false;
    files::FileBytes bytes;
    if (files::readHostFile(*host, bytes)) {
        struct stat info {};
        if (::stat(host->c_str(), &info) == 0)
            return false; // there but unreadable: writing would lose what it holds
    }
    const std::string changed = profile::withValue(bytes.view(), section, key, value);
    if (changed == bytes.view())
        return true; // nothing to change: leave the viewer's file alone
    return !files::replaceHostFile(*host, changed);
}

} // namespace vt
