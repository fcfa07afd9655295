#include "TestSupport.h"

#include "platform/DriveMap.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace vt::test {

Answer RecordingPrompter::show(const Message& message) {
    messages.push_back(message);
    if (!answers.empty()) {
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    switch (message.buttons) {
    case Buttons::YesNo:
        return Answer::Yes;
    case Buttons::Ok:
    case Buttons::OkCancel:
        break;
    }
    return Answer::Ok;
}

std::string RecordingPrompter::input(std::string_view prompt, std::string_view title,
                                     std::string_view initial, int helpContext) {
    inputs.push_back({std::string(prompt), std::string(title), std::string(initial), helpContext});
    if (typed.empty())
        return {};
    std::string text = typed.front();
    typed.pop_front();
    return text;
}

std::vector<std::string> RecordingPrompter::texts() const {
    std::vector<std::string> all;
    for (const Message& message : messages)
        all.push_back(message.text);
    return all;
}

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vtutil-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a temporary folder");
    m_root = pattern + "/";
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::permissions(m_root, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(m_root, ignored);
}

std::string TempFolder::host(std::string_view name) const { return m_root + std::string(name); }

std::string TempFolder::win(std::string_view name) const {
    std::string path = DriveMap::current().toWindows(m_root) + std::string(name);
    for (char& c : path) {
        if (c == '/')
            c = '\\';
    }
    return path;
}

void TempFolder::write(std::string_view name, std::string_view bytes) const {
    const std::filesystem::path path = host(name);
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string TempFolder::read(std::string_view name) const {
    std::ifstream in(host(name), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

bool TempFolder::exists(std::string_view name) const { return std::filesystem::exists(host(name)); }

ScopedEnvironment::ScopedEnvironment(std::string name, const char* value)
    : m_name(std::move(name)) {
    if (const char* old = std::getenv(m_name.c_str()))
        m_old = old;
    if (value)
        ::setenv(m_name.c_str(), value, 1);
    else
        ::unsetenv(m_name.c_str());
}

ScopedEnvironment::~ScopedEnvironment() {
    if (m_old)
        ::setenv(m_name.c_str(), m_old->c_str(), 1);
    else
        ::unsetenv(m_name.c_str());
}

ScopedDriveMap::ScopedDriveMap(DriveMap map) : m_old(DriveMap::current()) {
    DriveMap::setCurrent(std::move(map));
}

ScopedDriveMap::~ScopedDriveMap() { DriveMap::setCurrent(m_old); }

ScopedCurrentFolder::ScopedCurrentFolder(const std::string& hostFolder)
    : m_old(std::filesystem::current_path().string()) {
    std::filesystem::current_path(hostFolder);
}

ScopedCurrentFolder::~ScopedCurrentFolder() {
    std::error_code ignored;
    std::filesystem::current_path(m_old, ignored);
}

std::string crlfLines(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines)
        out += line + "\r\n";
    return out;
}

std::string inQuotes(std::string_view text) { return "\"" + std::string(text) + "\""; }

std::vector<std::string> ShowFile::headerLines() const {
    std::vector<std::string> h = {inQuotes("Vantora Slide Show"), inQuotes(version),
                                  std::to_string(soundMode), inQuotes(mainSound)};
    for (int i = 1; i <= 9; ++i)
        h.push_back(std::to_string(i));
    h.push_back(inQuotes("Show text"));
    for (int i = 10; i <= 13; ++i)
        h.push_back(std::to_string(i));
    for (const char* line : {"\"2\"", "\"1\"", "\"10\"", "-1", "\"Second text\""})
        h.emplace_back(line);
    return h;
}

std::vector<std::string> ShowFile::lines() const {
    std::vector<std::string> out = headerLines();
    for (const SlideLines& s : slides) {
        for (const std::string& line :
             {inQuotes(s.file), inQuotes(s.text), std::string("0"), inQuotes(s.sound), std::string("0"),
              std::string("0"), std::string("0"), std::string("0"), std::to_string(s.setting6),
              std::string("0"), std::string("0"), std::string("70000"), inQuotes(s.texture),
              inQuotes(s.text2)})
            out.push_back(line);
    }
    if (hasPlayList) {
        for (const char* line : {"\"<PlayList>\"", "\"1\"", "\"list one\"", "\"list two\""})
            out.emplace_back(line);
        for (const std::string& entry : playList)
            out.push_back(inQuotes(entry));
    }
    return out;
}

} // namespace vt::test
