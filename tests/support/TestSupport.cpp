#include "TestSupport.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace vt::test {

std::vector<std::string> RecordingPrompter::texts() const {
    std::vector<std::string> all;
    for (const Message& message : messages)
        all.push_back(message.text);
    return all;
}

TempFolder::TempFolder() {
    std::string pattern = (fs::temp_directory_path() / "vtutil-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a temporary folder");
    m_root = pattern + "/";
}

TempFolder::~TempFolder() {
    std::error_code ignored; // a test may have left the folder unreadable
    fs::permissions(m_root, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(m_root, ignored);
}

std::string TempFolder::win(std::string_view name) const {
    std::string path = DriveMap::current().toWindows(m_root) + std::string(name);
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

void TempFolder::write(std::string_view name, std::string_view bytes) const {
    const fs::path path = host(name);
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string TempFolder::read(std::string_view name) const {
    std::ostringstream bytes;
    bytes << std::ifstream(host(name), std::ios::binary).rdbuf();
    return bytes.str();
}

bool TempFolder::exists(std::string_view name) const { return fs::exists(host(name)); }

static void setVariable(const std::string& name, const std::optional<std::string>& value) {
    if (value)
        ::setenv(name.c_str(), value->c_str(), 1);
    else
        ::unsetenv(name.c_str());
}

static std::optional<std::string> optionalText(const char* value) {
    return value ? std::optional<std::string>(value) : std::nullopt;
}

ScopedEnvironment::ScopedEnvironment(const std::string& name, const char* value)
    : Undo([name, old = optionalText(std::getenv(name.c_str()))] { setVariable(name, old); }) {
    setVariable(name, optionalText(value));
}

ScopedCurrentFolder::ScopedCurrentFolder(const std::string& hostFolder)
    : Undo([old = fs::current_path()] {
          std::error_code ignored;
          fs::current_path(old, ignored);
      }) {
    fs::current_path(hostFolder);
}

std::string crlfLines(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines)
        out += line + "\r\n";
    return out;
}

std::string inQuotes(std::string_view text) { return "\"" + std::string(text) + "\""; }

std::vector<std::string> ShowFile::headerLines() const {
    return {inQuotes("Vantora Slide Show"), inQuotes(version), std::to_string(soundMode),
            inQuotes(mainSound), "1", "2", "3", "4", "5", "6", "7", "8", "9", "\"Show text\"", "10",
            "11", "12", "13", "\"2\"", "\"1\"", "\"10\"", "-1", "\"Second text\""};
}

std::vector<std::string> ShowFile::lines() const {
    std::vector<std::string> out = headerLines();
    for (const SlideLines& s : slides)
        out.insert(out.end(), {inQuotes(s.file), inQuotes(s.text), "0", inQuotes(s.sound), "0", "0",
                               "0", "0", std::to_string(s.setting6), "0", "0", "70000",
                               inQuotes(s.texture), inQuotes(s.text2)});
    if (!hasPlayList)
        return out;
    out.insert(out.end(), {"\"<PlayList>\"", "\"1\"", "\"list one\"", "\"list two\""});
    for (const std::string& entry : playList)
        out.push_back(inQuotes(entry));
    return out;
}

} // namespace vt::test
