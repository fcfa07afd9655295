#include "slideshow/SlideShowReader.h"

#include "common/Numbers.h"
#include "common/PathText.h"
#include "common/Prompter.h"
#include "common/Texts.h"
#include "platform/FileSystem.h"
#include "slideshow/FieldReader.h"
#include "slideshow/SlideShowTexts.h"

#include <algorithm>
#include <exception>
#include <string>

namespace vt {
namespace {

std::string slideLimitText() {
    return std::string(texts::SlideLimitStart) + formatCount(MaxSlides) +
           std::string(texts::SlideLimitEnd) + std::string(BlankLine) +
           std::string(texts::SlideLimitHint);
}

std::string playListLimitText() {
    return std::string(texts::PlayListLimitStart) + formatCount(MaxPlayList) +
           std::string(texts::PlayListLimitEnd);
}

std::string dataFailureText(const std::string& description) {
    if (description.empty())
        return std::string(texts::DataFailure) + std::string(BlankLine) +
               std::string(texts::DataFailureHint);
    return failureText(texts::DataFailure, description);
}

// True when the file's first bytes already show that its first field is not
// the show's identifier: a large file of anything else is not read whole.
// Anything less certain (blanks only, an unreadable file) is left to the
// reading itself.
bool plainlyNotAShow(std::string_view path) {
    std::string start;
    if (files::readFileStart(path, 4096, start))
        return false;
    std::string_view field = start;
    const auto first = field.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return false;
    field.remove_prefix(first);
    if (field.front() == '"')
        field.remove_prefix(1);
    const std::string_view id = texts::FileIdentifier;
    const std::size_t compared = std::min(field.size(), id.size());
    return field.substr(0, compared) != id.substr(0, compared);
}

// One reading of one file, for the source show or for an appended one. The
// two differ only where `m_appending` says so.
class ShowReader {
public:
    ShowReader(SlideShowModel& model, std::string_view path, Prompter& prompter,
               const VersionLineSink& versionLine, bool appending)
        : m_model(model), m_path(path), m_prompter(prompter), m_versionLine(versionLine),
          m_appending(appending), m_folder(folderPart(path)),
          m_fields([this](char* data, std::size_t room) { return readPiece(data, room); }) {}

    // False when the show was not read to its end: not a show, another
    // release, or a failure on the way (the model then holds part of it).
    bool run() {
        if (!m_appending) {
            m_model.clearSlidesAndPlayList();
            m_model.ShowChoice = 0; // a show never inherits the last one's choice
        }
        if (!openAndCheck())
            return false;
        const int firstSlot = m_appending ? m_model.SlideCount : 0;
        try {
            readSlides();
        } catch (const ReadFailure& failure) {
            m_prompter.fail(dataFailureText(failure.description));
            return false;
        }
        try {
            makePathsAbsolute(firstSlot);
        } catch (const std::exception& error) {
            m_prompter.fail(failureText(texts::ProcessingFailure, error.what()));
            return false;
        }
        return m_whole;
    }

private:
    // Reads the file and lines 1 to 23; false when reading must stop.
    bool openAndCheck() {
        if (plainlyNotAShow(m_path)) {
            warnNotAShow();
            return false;
        }
        if (const Failure error = m_file.open(m_path)) {
            m_prompter.fail(failureText(texts::UnableToOpen, error));
            return false;
        }
        try {
            if (m_fields.text() != texts::FileIdentifier) {
                warnNotAShow();
                return false;
            }
            const std::string_view version = m_fields.text();
            if (m_versionLine)
                m_versionLine(version);
            if (version != texts::Version3 && version != texts::Version2) {
                m_prompter.inform(std::string(texts::OtherReleaseStart) + shortenedForMessage(version) +
                                  std::string(texts::OtherReleaseEnd) + std::string(BlankLine) +
                                  std::string(texts::OtherReleaseHint));
                return false;
            }
            if (m_appending)
                skipHeader();
            else
                readHeader();
        } catch (const ReadFailure& failure) {
            m_prompter.fail(failureText(texts::HeaderFailure, failure.description));
            return false;
        }
        return true;
    }

    std::size_t readPiece(char* data, std::size_t room) {
        Failure error;
        const std::size_t got = m_file.read(data, room, error);
        if (error)
            throw ReadFailure{error.description()};
        return got;
    }

    void warnNotAShow() {
        m_prompter.warn(std::string(texts::NotAShow) + std::string(BlankLine) +
                        std::string(texts::NotAShowHint));
    }

    void readHeader() {
        SlideShowModel& m = m_model;
        m.SoundMode = m_fields.integer();
        m.MainSoundFile = m_fields.text();
        for (Integer* setting : {&m.ShowSetting1, &m.ShowSetting2, &m.ShowSetting3, &m.ShowSetting4,
                                 &m.ShowSetting5, &m.ShowSetting6, &m.ShowSetting7, &m.ShowSetting8,
                                 &m.ShowSetting9})
            *setting = m_fields.integer();
        m.ShowText = m_fields.text(ShowTextLimit);
        for (Integer* setting : {&m.ShowSetting10, &m.ShowSetting11, &m.ShowSetting12,
                                 &m.ShowSetting13})
            *setting = m_fields.integer();
        readShowChoice(m_fields.text());
        const std::string_view flag1 = m_fields.text();
        m.ShowFlag1 = !flag1.empty() && flag1 != "0";
        const std::string_view flags23 = m_fields.text();
        m.ShowFlag2 = !flags23.empty() && flags23.front() == '1';
        m.ShowFlag3 = flags23.empty() || flags23.back() != '0';
        m.ShowFlag4 = m_fields.text() != "0";
        m.ShowText2 = m_fields.text();
    }

    // Line 19 sets ShowChoice only to a number from 0 to 6; a number too large
    // for the field is a failure, any other text is passed over.
    void readShowChoice(std::string_view choice) {
        const auto number = parseNumber(choice);
        if (!number)
            return;
        const auto value = toInt16(*number);
        if (!value)
            throw ReadFailure{"Line " + std::to_string(m_fields.line()) +
                              " holds a number too large for its field: \"" +
                              std::string(choice.substr(0, 60)) + "\""};
        if (*value >= 0 && *value <= 6)
            m_model.ShowChoice = *value;
    }

    // An appended show's header does not enter the model.
    void skipHeader() {
        for (int line = 3; line <= 23; ++line)
            m_fields.text();
    }

    void readSlides() {
        int index = m_appending ? m_model.SlideCount : 0;
        while (!m_fields.atEnd()) {
            if (index >= MaxSlides) { // only an appended show can meet a full table here
                m_prompter.warn(slideLimitText());
                return;
            }
            const std::string_view first = m_fields.text();
            if (first == texts::PlayListMarker) {
                readPlayList();
                return;
            }
            Slide& slide = m_model.slot(index);
            slide.SlideFile.assign(first);
            readRestOfRecord(slide);
            ++index;
            if (m_appending)
                m_model.SlideCount = index;
            if (index == MaxSlides) {
                m_prompter.warn(slideLimitText());
                return;
            }
        }
    }

    void readRestOfRecord(Slide& s) {
        s.SlideText.assign(m_fields.text(SlideTextLimit));
        s.SlideSetting1 = m_fields.integer();
        s.SlideSound.assign(m_fields.text(PathLimit));
        for (Integer* setting : {&s.SlideSetting2, &s.SlideSetting3, &s.SlideSetting4,
                                 &s.SlideSetting5, &s.SlideSetting6, &s.SlideSetting7,
                                 &s.SlideSetting8})
            *setting = m_fields.integer();
        s.SlideSetting9 = m_fields.longInteger();
        s.SlideTexture.assign(m_fields.text(PathLimit));
        s.SlideText2.assign(m_fields.text(PathLimit));
    }

    void readPlayList() {
        try {
            if (m_appending) { // the source show's flag and texts stay
                for (int line = 2; line <= 4; ++line)
                    m_fields.text();
            } else {
                m_model.PlayListFlag = m_fields.text() == "1";
                m_model.PlayListText1 = m_fields.text();
                m_model.PlayListText2 = m_fields.text();
                m_model.PlayListCount = 0;
            }
            readPlayListEntries(); // the file may fail to read anywhere in it
        } catch (const ReadFailure&) {
            m_whole = false;
            m_prompter.fail(std::string(texts::PlayListFailure));
            return;
        }
        if (m_model.PlayListCount > 0)
            m_model.PlayListPresent = true;
    }

    void readPlayListEntries() {
        int& count = m_model.PlayListCount;
        while (!m_fields.atEnd()) {
            if (count >= MaxPlayList) {
                m_prompter.warn(playListLimitText());
                return;
            }
            const std::string_view entry = m_fields.text(PathLimit);
            if (entry.empty())
                continue;
            std::string& slot = m_model.playListSlot(count);
            if (!findSound(entry, slot)) {
                slot.clear();
                setAside(entry);
                continue;
            }
            if (++count == MaxPlayList) {
                m_prompter.warn(playListLimitText());
                return;
            }
        }
    }

    // A play list entry is kept where its file is: at its own path, or else
    // under its name in the show's folder. An entry found nowhere is dropped.
    bool findSound(std::string_view entry, std::string& found) const {
        if (isAbsolute(entry) && files::fileExists(entry)) {
            found.assign(entry);
            return true;
        }
        std::string beside(m_folder);
        beside += isAbsolute(entry) ? fileNamePart(entry) : entry;
        if (!files::fileExists(beside))
            return false;
        found = std::move(beside);
        return true;
    }

    // An entry whose file is not there is left out of the play list but
    // kept beside it, at the place it had, for a search to bring back.
    void setAside(std::string_view entry) {
        std::vector<SetAsideEntry>& aside = m_model.PlayListAside;
        if (aside.size() >= static_cast<std::size_t>(MaxPlayList))
            return;
        const int position = m_model.PlayListCount + static_cast<int>(aside.size());
        std::string path(entry);
        prefixIfRelative(path);
        aside.push_back({position, std::move(path)});
    }

    void makePathsAbsolute(int firstSlot) {
        if (!m_appending)
            prefixIfRelative(m_model.MainSoundFile);
        const int end = m_appending ? m_model.SlideCount : MaxSlides;
        for (int i = firstSlot; i < end && !m_model.slide(i).SlideFile.empty(); ++i) {
            Slide& s = m_model.slot(i);
            if (!isNumber(s.SlideSound)) // a CD-audio track number stays as it is
                prefixIfRelative(s.SlideSound);
            prefixIfRelative(s.SlideTexture);
            prefixIfRelative(s.SlideFile);
        }
    }

    void prefixIfRelative(std::string& path) const {
        if (!path.empty() && !isAbsolute(path))
            path.insert(0, m_folder);
    }

    SlideShowModel& m_model;
    std::string_view m_path;
    Prompter& m_prompter;
    const VersionLineSink& m_versionLine;
    bool m_appending;
    bool m_whole = true; // no failure inside the play list
    std::string m_folder;
    files::FileReader m_file;
    FieldReader m_fields;
};

} // namespace

bool ReadSlideShow(SlideShowModel& model, std::string_view path, Prompter& prompter,
                   const VersionLineSink& versionLine) {
    return ShowReader(model, path, prompter, versionLine, false).run();
}

bool ReadAppendedSlideShow(SlideShowModel& model, std::string_view path, Prompter& prompter,
                           const VersionLineSink& versionLine) {
    return ShowReader(model, path, prompter, versionLine, true).run();
}

} // namespace vt
