// libFuzzer target: every input is a show file. It is opened as the Open
// command opens it, appended to itself as a second show, and the path
// editor's folder lists are built from what was read.

#include "TestSupport.h"

#include "common/CodePage.h"
#include "common/Numbers.h"
#include "common/PathText.h"
#include "media/FolderLists.h"
#include "platform/DriveMap.h"
#include "slideshow/SlideShowCommands.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace vt {
namespace {

// How far one input goes, chosen by its first byte. The byte stays part of
// the file: a field may begin with blanks, so an input that starts with a
// blank or a tab is still a show. A show as written goes all the way.
enum class Stage { Read, Append, Lists };

Stage stageFor(char first) {
    if (first == ' ')
        return Stage::Read;
    if (first == '\t')
        return Stage::Append;
    return Stage::Lists;
}

// The code page, chosen by the last byte: a quarter of the inputs run under
// one of the others, single-byte and double-byte, so their letter cases and
// path mapping get fuzzed too, while the rest stays on Windows-1252.
int codePageFor(char last) {
    static constexpr int Others[] = {874, 1250, 1251, 1253, 1254, 1255, 1256, 1257, 1258,
                                     932, 936, 949, 950};
    const auto byte = static_cast<unsigned char>(last);
    return byte % 4 != 3 ? 1252 : Others[(byte / 4) % std::size(Others)];
}

// One folder for the whole run; each input replaces the one show in it, so
// a play list entry "show.vts" finds the show itself beside it.
//
// One model serves every input, as one model serves every show the window
// opens: building its 30,001 slots anew would cost far more than reading.
// Opening clears every slide and the play list and sets the slide count, and
// nothing here reads a header field that an earlier input left, so each
// input still runs as it would first in a fresh process.
struct Session {
    test::ScopedDriveMap hostRootOnly{DriveMap({})}; // Z: alone, whatever ~/.wine holds
    test::TempFolder folder;
    const std::string showPath = folder.win("show.vts");
    SlideShowModel model;
};

Session& session() {
    static Session one;
    return one;
}

void require(bool holds, const char* what) {
    if (holds)
        return;
    std::fprintf(stderr, "vtshow_fuzzer: %s\n", what);
    std::abort();
}

void checkCounts(const SlideShowModel& model) {
    require(model.SlideCount >= 0 && model.SlideCount <= MaxSlides, "slide count out of range");
    require(model.PlayListCount >= 0 && model.PlayListCount <= MaxPlayList,
            "play list count out of range");
}

// Every folder a list must show, compared ignoring case.
class Folders {
  public:
    void add(std::string_view path) { m_wanted.insert(upperCase(folderPart(path))); }

    // Each row a folder, each wanted folder in one row, no row twice; each
    // shown as the window shows it.
    void check(const std::vector<std::string>& rows) const {
        std::set<std::string> seen;
        for (const std::string& row : rows) {
            const std::string shown = codepage::toUtf8(row);
            require(codepage::isDoubleByte(codepage::active()) || codepage::fromUtf8(shown) == row,
                    "a row does not come back from UTF-8");
            require(row.empty() || row.back() == '\\', "a folder row is not a folder");
            require(seen.insert(upperCase(row)).second, "a folder row is there twice");
        }
        require(seen == m_wanted, "the folder rows are not the folders of the paths");
    }

  private:
    std::set<std::string> m_wanted;
};

void checkFolderLists(const SlideShowModel& model) {
    Folders slides, textures, sounds;
    slides.add(model.slide(0).SlideFile); // the first row is there even without slides
    for (int i = 0; i < model.SlideCount; ++i) {
        const Slide& s = model.slide(i);
        slides.add(s.SlideFile);
        if (!s.SlideTexture.empty())
            textures.add(s.SlideTexture);
        if (!s.SlideSound.empty() && !isNumber(s.SlideSound))
            sounds.add(s.SlideSound);
    }
    for (int i = 0; i < model.PlayListCount; ++i)
        sounds.add(model.playList(i));
    slides.check(FillSlidePaths(model));
    textures.check(FillTexturePaths(model));
    sounds.check(FillSoundPaths(model));
}

void run(std::string_view bytes) {
    Session& s = session();
    s.folder.write("show.vts", bytes);
    SlideShowModel& model = s.model;
    test::RecordingPrompter prompter;
    std::string version; // copied, so that a line outliving the file's bytes shows
    const VersionLineSink versionLine = [&version](std::string_view line) { version = line; };

    codepage::setActive(codePageFor(bytes.back()));
    openSlideShow(model, s.showPath, prompter, versionLine);
    checkCounts(model);
    const Stage stage = stageFor(bytes.front());
    if (stage == Stage::Read)
        return;
    const int opened = model.SlideCount;
    ReadAppendedSlideShow(model, s.showPath, prompter, versionLine);
    checkCounts(model);
    require(model.SlideCount >= opened, "appending lost slides");
    if (stage == Stage::Lists)
        checkFolderLists(model);
}

} // namespace
} // namespace vt

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    vt::run({reinterpret_cast<const char*>(data), size});
    return 0;
}
