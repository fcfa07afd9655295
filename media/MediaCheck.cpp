#include "media/MediaCheck.h"

#include "common/Numbers.h"
#include "common/PathText.h"
#include "media/HostFolders.h"
#include "media/MediaTexts.h"

#include <optional>
#include <unordered_map>

namespace vt::media {
namespace {

// Looks each entry's host file up in the listing of its folder.
class FileFinder {
  public:
    // Maps every entry's path to the host and reads their folders ahead.
    FileFinder(const DriveMap& drives, const std::vector<MediaEntry>& entries, FolderCache& cache)
        : m_folders(cache) {
        m_hosts.reserve(entries.size());
        for (const MediaEntry& entry : entries)
            m_hosts.push_back(drives.toHostAsWritten(entry.path));
        std::vector<std::string_view> folders;
        folders.reserve(m_hosts.size());
        for (const auto& host : m_hosts) {
            if (host)
                folders.push_back(hostFolderOf(*host));
        }
        m_folders.readAhead(folders);
    }

    void find(MediaEntry& entry, std::size_t position) {
        const auto& host = m_hosts[position];
        if (!host) {
            entry.state = State::NotMappable;
            return;
        }
        const std::string_view folder = hostFolderOf(*host);
        const std::string_view name = std::string_view(*host).substr(folder.size());
        const FolderListing& listing = m_folders.folder(folder);
        entry.state = State::Missing;
        if (name.empty() || name[0] == '.')
            return;
        if (listing.state == FolderListing::Read) {
            if (const auto* file = listing.find(name, EntryKind::File)) {
                entry.state = State::Found;
                entry.hostPath = listing.host + file->name;
            }
        } else if (listing.state == FolderListing::Unlistable) {
            // A folder we may enter but not list: its files can still be named.
            if (files::hostEntry(*host).kind == EntryKind::File) {
                entry.state = State::Found;
                entry.hostPath = *host;
            }
        }
    }

  private:
    std::vector<std::optional<std::string>> m_hosts; // per entry
    FolderCache& m_folders;
};

void addEntry(MediaCheck& check, Section section, int index, std::string_view path) {
    if (!path.empty())
        check.entries.push_back({section, index, std::string(path), State::Missing, {}, NoRow});
}

// The entries in the order the file-name listing gives them.
void collectEntries(const WorkingPaths& paths, MediaCheck& check) {
    for (std::size_t i = 0; i < paths.EditSlideFile.size(); ++i)
        addEntry(check, Section::Slides, static_cast<int>(i), paths.EditSlideFile[i]);
    for (std::size_t i = 0; i < paths.EditSlideTexture.size(); ++i)
        addEntry(check, Section::Textures, static_cast<int>(i), paths.EditSlideTexture[i]);
    addEntry(check, Section::MainSound, 0, trimSpaces(paths.TextSound));
    for (std::size_t i = 0; i < paths.EditSlideSound.size(); ++i) {
        if (!isNumber(paths.EditSlideSound[i])) // a CD-audio track has no file
            addEntry(check, Section::SlideSounds, static_cast<int>(i), paths.EditSlideSound[i]);
    }
    for (std::size_t i = 0; i < paths.EditPlayList.size(); ++i)
        addEntry(check, Section::PlayList, static_cast<int>(i), paths.EditPlayList[i]);
    for (std::size_t i = 0; i < paths.EditPlayListAside.size(); ++i) {
        const SetAsideEntry& aside = paths.EditPlayListAside[i];
        if (aside.path.empty())
            continue;
        addEntry(check, Section::PlayList, aside.position, aside.path);
        check.entries.back().setAside = static_cast<int>(i);
    }
}

int boxOf(Section section) {
    switch (section) {
    case Section::Slides:
        return SlideBox;
    case Section::Textures:
        return TextureBox;
    case Section::MainSound:
        return MainSoundBox;
    default:
        return SoundBox;
    }
}

// The rows of one box, by their text ignoring case; the first equal row wins.
class RowFinder {
  public:
    void reserve(std::size_t rows) { m_rows.reserve(rows); }
    void add(std::string_view folder, std::size_t position) {
        m_rows.emplace(upperCase(folder), position);
    }
    // The row equal to the folder, or else to its nearest enclosing folder.
    std::size_t find(std::string_view folder) const {
        std::string key = upperCase(folder);
        while (true) {
            const auto row = m_rows.find(key);
            if (row != m_rows.end())
                return row->second;
            if (key.empty())
                return NoRow;
            key.pop_back();
            key.resize(folderPart(key).size());
            if (key.empty())
                return NoRow; // a row of relative names encloses nothing
        }
    }

  private:
    std::unordered_map<std::string, std::size_t> m_rows;
};

void addRows(MediaCheck& check, int box, const std::vector<std::string>& list, RowFinder& finder) {
    finder.reserve(list.size());
    for (std::size_t i = 0; i < list.size(); ++i) {
        finder.add(list[i], check.rows.size());
        check.rows.push_back({box, static_cast<int>(i), list[i], 0, 0, {}});
    }
}

void countEntry(MediaCheck& check, std::size_t position) {
    MediaEntry& entry = check.entries[position];
    if (entry.state == State::Found)
        ++check.found;
    else if (entry.state == State::Missing)
        ++check.missing;
    else
        ++check.notMappable;
    if (entry.row == NoRow)
        return;
    FolderRowCheck& row = check.rows[entry.row];
    ++row.files;
    if (entry.state != State::Found) {
        ++row.missing;
        row.problems.push_back(position);
    }
}

} // namespace

std::string_view sectionName(Section section) {
    switch (section) {
    case Section::Slides:
        return texts::SlideSection;
    case Section::Textures:
        return texts::TextureSection;
    case Section::MainSound:
        return texts::MainSoundSection;
    case Section::SlideSounds:
        return texts::SlideSoundSection;
    default:
        return texts::PlayListSection;
    }
}

MediaCheck checkMedia(const SlideShowModel& model, const DriveMap& drives) {
    return checkMedia(WorkingPaths(model), drives);
}

MediaCheck checkMedia(const WorkingPaths& paths, const DriveMap& drives) {
    FolderCache folders;
    return checkMedia(paths, folders, drives);
}

MediaCheck checkMedia(const WorkingPaths& paths, FolderCache& folders, const DriveMap& drives) {
    MediaCheck check;
    collectEntries(paths, check);
    RowFinder slides, textures, sounds;
    addRows(check, SlideBox, paths.ListSlide, slides);
    addRows(check, TextureBox, paths.ListTexture, textures);
    addRows(check, SoundBox, paths.ListSound, sounds);
    const std::string mainSound = trimSpaces(paths.TextSound);
    if (!mainSound.empty())
        check.rows.push_back({MainSoundBox, 0, paths.TextSound, 0, 0, {}});

    FileFinder finder(drives, check.entries, folders);
    for (std::size_t i = 0; i < check.entries.size(); ++i) {
        MediaEntry& entry = check.entries[i];
        finder.find(entry, i);
        const int box = boxOf(entry.section);
        const RowFinder& rows = box == SlideBox ? slides : box == TextureBox ? textures : sounds;
        entry.row = box == MainSoundBox ? check.rows.size() - 1 : rows.find(folderPart(entry.path));
        countEntry(check, i);
    }
    return check;
}

} // namespace vt::media
