#pragma once

#include <string>
#include <string_view>

// Shared pieces of the benchmark programs: a scratch folder with a large show.
namespace vt::bench {

// A folder under the host's temporary folder, removed when the program ends.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    std::string host(std::string_view name = {}) const;
    std::string win(std::string_view name = {}) const;

private:
    std::string m_root;
};

// A show of slideCount slides, each in a folder of its own when
// foldersPerSlide is set, with a play list of playListCount existing sounds
// in the folder "sounds". Returns the show's Windows path.
std::string writeLargeShow(const ScratchFolder& folder, std::string_view name, int slideCount,
                           int playListCount, bool foldersPerSlide = false);

// Seconds to read the file and count its lines with memchr: what no reader
// of those bytes can beat.
double lineCountSeconds(const std::string& hostPath);

} // namespace vt::bench
