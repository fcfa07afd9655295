#include "BenchSupport.h"

#include "platform/DriveMap.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <fstream>
#include <stdexcept>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vt::bench {

ScratchFolder::ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vtutil-bench-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a scratch folder");
    m_root = pattern + "/";
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(m_root, ignored);
}

std::string ScratchFolder::host(std::string_view name) const { return m_root + std::string(name); }

std::string ScratchFolder::win(std::string_view name) const {
    std::string path = DriveMap::current().toWindows(m_root) + std::string(name);
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

std::string writeLargeShow(const ScratchFolder& folder, std::string_view name, int slideCount,
                           int playListCount, bool foldersPerSlide) {
    std::filesystem::create_directories(folder.host("sounds"));
    std::string bytes = "\"Vantora Slide Show\"\r\n\"Version 3.0\"\r\n3\r\n\"C:\\Music\\theme.mid\"\r\n";
    for (int i = 0; i < 9; ++i)
        bytes += "0\r\n";
    bytes += "\"A long show\"\r\n0\r\n0\r\n0\r\n0\r\n\"2\"\r\n\"1\"\r\n\"10\"\r\n-1\r\n\"\"\r\n";
    for (int i = 0; i < slideCount; ++i) {
        const std::string n = std::to_string(i);
        const std::string dir = foldersPerSlide ? "C:\\Pictures\\Trip " + n + "\\" : "C:\\Pictures\\Trip\\";
        bytes += "\"" + dir + "Photo " + n + ".jpg\"\r\n\"Slide number " + n + "\"\r\n0\r\n";
        bytes += i % 3 == 0 ? "\"" + std::to_string(i % 20) + "\"\r\n" : "\"C:\\Sounds\\s" + n + ".wav\"\r\n";
        bytes += "0\r\n0\r\n0\r\n0\r\n1\r\n0\r\n0\r\n0\r\n";
        bytes += i % 2 ? "\"C:\\Textures\\t" + n + ".bmp\"\r\n" : "\"\"\r\n";
        bytes += "\"\"\r\n";
    }
    bytes += "\"<PlayList>\"\r\n\"1\"\r\n\"\"\r\n\"\"\r\n";
    for (int i = 0; i < playListCount; ++i) {
        const std::string sound = "sounds/song" + std::to_string(i) + ".wav";
        std::ofstream(folder.host(sound)) << "RIFF";
        bytes += "\"" + folder.win(sound) + "\"\r\n";
    }
    std::ofstream(folder.host(name), std::ios::binary) << bytes;
    return folder.win(name);
}

double lineCountSeconds(const std::string& hostPath) {
    std::vector<double> runs;
    for (int run = 0; run < 30; ++run) {
        const auto start = std::chrono::steady_clock::now();
        const int fd = ::open(hostPath.c_str(), O_RDONLY);
        struct stat info {};
        if (fd < 0 || ::fstat(fd, &info) != 0)
            throw std::runtime_error("cannot read " + hostPath);
        const auto bytes = std::make_unique_for_overwrite<char[]>(static_cast<std::size_t>(info.st_size));
        const ssize_t got = ::read(fd, bytes.get(), static_cast<std::size_t>(info.st_size));
        ::close(fd);
        std::size_t lines = 0;
        for (const char* p = bytes.get(), *end = p + (got > 0 ? got : 0);
             (p = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p))));
             ++p)
            ++lines;
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        if (lines == 0)
            throw std::runtime_error("an empty file");
        runs.push_back(took.count());
    }
    std::sort(runs.begin(), runs.end());
    return runs[runs.size() / 2];
}

} // namespace vt::bench
