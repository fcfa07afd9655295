#include "listing/FilenameListing.h"

#include "common/CodePage.h"
#include "common/Numbers.h"
#include "common/Prompter.h"
#include "common/Texts.h"
#include "listing/ListingTexts.h"
#include "platform/FileSystem.h"
#include "platform/ShellOpen.h"
#include "platform/UserFolders.h"

#include <charconv>

namespace vt {
namespace {

class ListingWriter {
  public:
    explicit ListingWriter(bool numbers) : m_numbers(numbers) {}

    void section(std::string_view header) {
        m_out += NewLine;
        m_out += '\t';
        line(header);
        m_out += NewLine;
    }
    void line(std::string_view text) {
        m_out += text;
        m_out += NewLine;
    }
    // An entry carries its 1-based position in its table when numbers are on.
    void entry(int index, std::string_view prefix, std::string_view text) {
        if (m_numbers) {
            char digits[16];
            m_out += '(';
            m_out.append(digits, std::to_chars(digits, digits + sizeof digits, index + 1).ptr);
            m_out += ") ";
        }
        m_out += prefix;
        line(text);
    }
    std::string take() { return std::move(m_out); }

  private:
    bool m_numbers;
    std::string m_out;
};

void listSlides(const SlideShowModel& m, ListingWriter& out) {
    out.section(texts::SlidesHeader);
    for (int i = 0; i < m.SlideCount; ++i)
        out.entry(i, {}, m.slide(i).SlideFile);
    if (m.SlideCount == 0)
        out.line(texts::NoSlides);
}

// The entries of one slide field that are not empty, numbered by their
// slide, so the numbers can have gaps.
void listSlideField(const SlideShowModel& m, std::string Slide::*field, std::string_view none,
                    ListingWriter& out) {
    bool any = false;
    for (int i = 0; i < m.SlideCount; ++i) {
        const std::string& value = m.slide(i).*field;
        if (value.empty())
            continue;
        const bool track = field == &Slide::SlideSound && isNumber(value);
        out.entry(i, track ? texts::CdAudioTrack : std::string_view{}, value);
        any = true;
    }
    if (!any)
        out.line(none);
}

void listTextures(const SlideShowModel& m, ListingWriter& out) {
    out.section(texts::TexturesHeader);
    listSlideField(m, &Slide::SlideTexture, texts::NoTextures, out);
}

void listSounds(const SlideShowModel& m, ListingWriter& out) {
    out.section(texts::MainSoundHeader);
    out.line(m.MainSoundFile.empty() ? texts::NoMainSound : std::string_view(m.MainSoundFile));
    out.section(texts::SlideSoundsHeader);
    listSlideField(m, &Slide::SlideSound, texts::NoSlideSounds, out);
}

void listPlayList(const SlideShowModel& m, ListingWriter& out) {
    out.section(texts::PlayListHeader);
    for (int i = 0; i < m.PlayListCount; ++i)
        out.entry(i, {}, m.playList(i));
    if (m.PlayListCount == 0)
        out.line(texts::NoPlayList);
}

} // namespace

std::string filenameListingBytes(const SlideShowModel& model, const UtilityOptions& options) {
    ListingWriter out(options.SlideNumbers);
    if (options.chkSlide)
        listSlides(model, out);
    if (options.chkTexture)
        listTextures(model, out);
    if (options.chkSound)
        listSounds(model, out);
    if (options.chkPlayList)
        listPlayList(model, out);
    return out.take();
}

bool writeListingFile(std::string_view path, std::string_view bytes, Prompter& prompter) {
    const Failure failure = files::replaceFile(path, bytes);
    if (!failure)
        return true;
    prompter.warn(failureText(texts::UnableToWriteListing, failure));
    return false;
}

std::string ListingFolder(std::string_view appFolder) {
    if (userfolders::folderWritable(appFolder))
        return std::string(appFolder);
    const std::string cache = userfolders::cacheHome();
    // A folder that cannot be made fails the writing, which tells the user.
    [[maybe_unused]] const Failure made =
        userfolders::makeFolders(userfolders::ownHostFolder(cache));
    return userfolders::ownFolder(cache);
}

void WriteFilenameListing(const SlideShowModel& model, const UtilityOptions& options,
                          std::string_view folder, Prompter& prompter) {
    const std::string path = std::string(folder) + std::string(texts::ListingFileName);
    // The desktop's text editor opens it, and reads UTF-8 whatever the shows' code page.
    std::string bytes = filenameListingBytes(model, options);
    if (!codepage::isAscii(bytes))
        bytes = codepage::toUtf8(bytes);
    writeListingFile(path, bytes, prompter);
}

bool ShowListingFile(bool useNotepad, std::string_view folder, ShellOpener& shell,
                     Prompter& prompter) {
    const std::string_view editor = useNotepad ? texts::Notepad : texts::Wordpad;
    const std::string listing =
        "\"" + std::string(folder) + std::string(texts::ListingFileName) + "\"";
    const ShellResult result = shell.open(editor, listing, folder);
    if (result.failure.empty())
        return true;
    std::string sentence(texts::UnableToStartStart);
    sentence += editor;
    sentence += texts::UnableToStartEnd;
    prompter.fail(failureText(sentence, result.failure));
    return false;
}

} // namespace vt
