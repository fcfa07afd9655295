#include "slideshow/SlideShowWriter.h"

#include "common/Prompter.h"
#include "common/Texts.h"
#include "platform/FileSystem.h"
#include "slideshow/SlideShowTexts.h"

#include <charconv>

namespace vt {
namespace {

void text(std::string& out, std::string_view value) {
    out += '"';
    out += value;
    out += "\"\r\n";
}

void number(std::string& out, long value) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, end);
    out += "\r\n";
}

std::string_view flagPair(bool first, bool second) {
    if (first && second)
        return "11";
    if (first)
        return "10";
    return second ? "01" : "00";
}

bool writesPlayList(const SlideShowModel& m) {
    return m.PlayListPresent && m.SoundMode == 3 && m.PlayListCount > 0;
}

// Body bytes go out in pieces of about this size, so a large show never
// needs a second copy of itself in memory.
constexpr std::size_t ChunkSize = 1 << 18;

} // namespace

std::string headerBytes(const SlideShowModel& m) {
    std::string out;
    text(out, texts::FileIdentifier);
    text(out, texts::Version3);
    number(out, m.SoundMode);
    text(out, m.MainSoundFile);
    for (Integer setting : {m.ShowSetting1, m.ShowSetting2, m.ShowSetting3, m.ShowSetting4,
                            m.ShowSetting5, m.ShowSetting6, m.ShowSetting7, m.ShowSetting8,
                            m.ShowSetting9})
        number(out, setting);
    text(out, m.ShowText);
    for (Integer setting : {m.ShowSetting10, m.ShowSetting11, m.ShowSetting12, m.ShowSetting13})
        number(out, setting);
    text(out, std::to_string(m.ShowChoice));
    text(out, m.ShowFlag1 ? "1" : "0");
    text(out, flagPair(m.ShowFlag2, m.ShowFlag3));
    number(out, m.ShowFlag4 ? -1 : 0);
    text(out, m.ShowText2);
    return out;
}

void appendSlideBytes(const Slide& s, std::string& out) {
    text(out, s.SlideFile);
    text(out, s.SlideText);
    number(out, s.SlideSetting1);
    text(out, s.SlideSound);
    for (Integer setting : {s.SlideSetting2, s.SlideSetting3, s.SlideSetting4, s.SlideSetting5,
                            s.SlideSetting6, s.SlideSetting7, s.SlideSetting8})
        number(out, setting);
    number(out, s.SlideSetting9);
    text(out, s.SlideTexture);
    text(out, s.SlideText2);
}

std::string playListBytes(const SlideShowModel& m) {
    std::string out;
    if (!writesPlayList(m))
        return out;
    text(out, texts::PlayListMarker);
    text(out, m.PlayListFlag ? "1" : "0");
    text(out, m.PlayListText1);
    text(out, m.PlayListText2);
    for (int i = 0; i < m.PlayListCount; ++i)
        text(out, m.playList(i));
    return out;
}

std::string slideShowBytes(const SlideShowModel& m) {
    std::string bytes = headerBytes(m);
    for (int i = 0; i < m.SlideCount; ++i)
        appendSlideBytes(m.slide(i), bytes);
    return bytes + playListBytes(m);
}

namespace {

// The body: every slide, then the play list, and the file put in place; the
// first failure's description.
Failure writeBody(const SlideShowModel& m, files::AtomicFile& file) {
    std::string chunk;
    chunk.reserve(ChunkSize + 4096);
    for (int i = 0; i < m.SlideCount; ++i) {
        appendSlideBytes(m.slide(i), chunk);
        if (chunk.size() >= ChunkSize) {
            if (Failure error = file.write(chunk))
                return error;
            chunk.clear();
        }
    }
    chunk += playListBytes(m);
    if (Failure error = file.write(chunk))
        return error;
    return file.commit();
}

} // namespace

void WriteSlideShow(const SlideShowModel& model, std::string_view folder, std::string_view name,
                    Prompter& prompter, std::string& lastSlideShow) {
    std::string path(folder);
    path += name;
    files::AtomicFile file;
    if (Failure error = file.openWindows(path)) {
        prompter.fail(failureText(texts::UnableToSave, error));
    } else if ((error = file.write(headerBytes(model)))) {
        prompter.fail(failureText(texts::HeaderWriteFailure, error));
    } else if ((error = writeBody(model, file))) {
        prompter.fail(failureText(texts::DataWriteFailure, error));
    }
    lastSlideShow = path;
}

} // namespace vt
