#include "pack/Pack.h"

#include "common/CodePage.h"
#include "common/Numbers.h"
#include "common/PathText.h"
#include "common/Prompter.h"
#include "common/Texts.h"
#include "media/MediaCheck.h"
#include "pack/PackNames.h"
#include "pack/PackTexts.h"
#include "platform/FileCopy.h"
#include "platform/FileSystem.h"
#include "platform/HostFiles.h"
#include "slideshow/PlayListAside.h"
#include "slideshow/SlideShowWriter.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <map>
#include <set>

namespace vt::pack {
namespace {

namespace stdfs = std::filesystem;
using media::MediaEntry;
using media::Section;

std::string joined(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (std::string_view part : parts)
        text += part;
    return text;
}

// The writer leaves the play list out unless these hold; its files are then
// not needed.
bool writesPlayList(const SlideShowModel& m) {
    return m.PlayListPresent && m.SoundMode == 3 && m.PlayListCount > 0;
}

std::string& fieldOf(SlideShowModel& m, const MediaEntry& entry) {
    switch (entry.section) {
    case Section::MainSound:
        return m.MainSoundFile;
    case Section::Slides:
        return m.slot(entry.index).SlideFile;
    case Section::Textures:
        return m.slot(entry.index).SlideTexture;
    case Section::SlideSounds:
        return m.slot(entry.index).SlideSound;
    case Section::PlayList:
        break;
    }
    if (entry.setAside >= 0)
        return m.PlayListAside.at(static_cast<std::size_t>(entry.setAside)).path;
    return m.playListSlot(entry.index);
}

// A relative Windows path of the pack as a host path below its folder.
std::string hostRelative(std::string_view relative) {
    std::string host = codepage::toUtf8(relative);
    std::replace(host.begin(), host.end(), '\\', '/');
    return host;
}

std::string hostFolderOf(const std::string& hostPath) {
    const auto slash = hostPath.rfind('/');
    return slash == 0 || slash == std::string::npos ? "/" : hostPath.substr(0, slash);
}

std::string hostNameOf(const std::string& hostPath) {
    return hostPath.substr(hostPath.rfind('/') + 1);
}

std::string withoutExtension(std::string_view name) {
    const auto dot = name.rfind('.');
    return std::string(dot == std::string_view::npos || dot == 0 ? name : name.substr(0, dot));
}

// Works out where each found file goes: one subfolder per source folder,
// named after it, every name one that Windows can hold.
class Planner {
  public:
    Planner(PackPlan& plan, NameSet topNames, const DriveMap& drives)
        : m_plan(plan), m_topNames(std::move(topNames)), m_drives(drives) {}

    void add(const MediaEntry& entry) {
        std::string& field = fieldOf(*m_plan.packed, entry);
        if (entry.state != media::State::Found) {
            if (m_missingSeen.insert(upperCase(entry.path)).second)
                m_plan.missing.push_back(entry.path);
            return; // the old path stays, for a later relink
        }
        field = targetOf(entry);
    }

    const std::vector<std::string>& tooLong() const { return m_tooLong; }

  private:
    struct Folder {
        std::string name;
        NameSet names;
    };

    const std::string& targetOf(const MediaEntry& entry) {
        if (auto known = m_targets.find(entry.hostPath); known != m_targets.end())
            return known->second;
        Folder& folder = folderOf(hostFolderOf(entry.hostPath));
        const std::string name = codepage::fromUtf8(hostNameOf(entry.hostPath));
        const std::size_t room = std::min(NameLimit, PathLimit - folder.name.size() - 1);
        std::string packed = folder.names.claim(windowsSafeName(name), room);
        if (packed.empty())
            packed = windowsSafeName(name); // too long whatever is cut: refused below
        std::string target = folder.name + "\\" + packed;
        if (target.size() > PathLimit)
            m_tooLong.push_back(entry.path);
        else if (packed != name)
            m_plan.renames.push_back({entry.path, target});
        std::error_code error;
        const auto size = stdfs::file_size(entry.hostPath, error);
        m_plan.files.push_back({entry.hostPath, entry.path, target, error ? 0 : size});
        m_plan.bytes += error ? 0 : size;
        return m_targets.emplace(entry.hostPath, std::move(target)).first->second;
    }

    Folder& folderOf(const std::string& hostFolder) {
        if (auto known = m_folders.find(hostFolder); known != m_folders.end())
            return known->second;
        const std::string windows = m_drives.toWindows(hostFolder);
        std::string name(
            fileNamePart(windows.back() == '\\' ? windows.substr(0, windows.size() - 1) : windows));
        if (isAbsolute(name)) // a drive's root folder
            name = std::string(texts::DriveFolderStart) + name.substr(0, name.find(':'));
        const std::string safe = windowsSafeName(name.substr(0, FolderNameLimit - 8));
        std::string packed = m_topNames.claim(safe, FolderNameLimit);
        if (safe != name)
            m_plan.renames.push_back({withTrailingBackslash(windows), packed + "\\"});
        m_plan.subfolders.push_back(packed);
        return m_folders.emplace(hostFolder, Folder{packed, {}}).first->second;
    }

    PackPlan& m_plan;
    NameSet m_topNames;
    const DriveMap& m_drives;
    std::map<std::string, Folder> m_folders;      // host folder -> its subfolder
    std::map<std::string, std::string> m_targets; // host file -> relative path
    std::set<std::string> m_missingSeen;          // upper case
    std::vector<std::string> m_tooLong;
};

std::string listed(const std::vector<std::string>& lines, std::size_t limit) {
    std::string text;
    for (std::size_t i = 0; i < lines.size() && i < limit; ++i)
        text += joined({NewLine, lines[i]});
    if (lines.size() > limit)
        text +=
            joined({NewLine, texts::PackMoreStart,
                    countText(static_cast<long long>(lines.size() - limit)), texts::PackMoreEnd});
    return text;
}

// The names already in the pack folder, and whether it may be used.
std::optional<NameSet> checkFolder(const std::string& folder, const std::string& host,
                                   Prompter& prompter) {
    const std::string path = host.size() > 1 ? host.substr(0, host.size() - 1) : host;
    const files::HostEntry there = files::hostEntry(path);
    if (there.state != files::HostEntry::There) {
        if (there.error == ENOENT)
            return NameSet(); // made when the copying starts
        prompter.fail(failureText(joined({texts::PackFolderUnreachable, BlankLine, folder}),
                                  files::errorText(there.error)));
        return std::nullopt;
    }
    if (there.kind != files::EntryKind::Folder) {
        prompter.fail(joined({texts::PackFolderIsAFile, BlankLine, folder}));
        return std::nullopt;
    }
    NameSet names;
    bool empty = true;
    std::error_code error;
    for (const auto& item : stdfs::directory_iterator(host, error)) {
        names.add(codepage::fromUtf8(item.path().filename().string()));
        empty = false;
    }
    if (error) {
        prompter.fail(failureText(joined({texts::PackFolderUnreachable, BlankLine, folder}),
                                  error.message()));
        return std::nullopt;
    }
    if (!empty && !prompter.askYesNo(joined(
                      {texts::PackFolderNotEmptyStart, folder, texts::PackFolderNotEmptyEnd})))
        return std::nullopt;
    return names;
}

} // namespace

std::optional<PackPlan> planPack(const SlideShowModel& model, const std::string& folder,
                                 const std::string& showPath, Prompter& prompter,
                                 const DriveMap& drives) {
    PackPlan plan;
    plan.folder = withTrailingBackslash(folder);
    const auto host = drives.toHost(plan.folder);
    if (!host || host->empty()) {
        prompter.fail(joined({texts::PackFolderUnreachable, BlankLine, plan.folder}));
        return std::nullopt;
    }
    plan.hostFolder = host->back() == '/' ? *host : *host + "/";
    std::optional<NameSet> names = checkFolder(plan.folder, plan.hostFolder, prompter);
    if (!names)
        return std::nullopt;
    plan.showName = windowsSafeName(withoutExtension(fileNamePart(showPath)) +
                                    std::string(texts::ShowExtension));
    if (names->contains(plan.showName)) {
        prompter.fail(joined({texts::PackShowExistsStart, plan.folder, texts::PackShowExistsMiddle,
                              plan.showName, texts::PackShowExistsEnd}));
        return std::nullopt;
    }
    names->add(plan.showName);

    plan.packed = std::make_unique<SlideShowModel>(model);
    Planner planner(plan, std::move(*names), drives);
    const bool playList = writesPlayList(model);
    std::set<int> cameBack; // positions of set-aside play list entries found after all
    for (const MediaEntry& entry : media::checkMedia(model, drives).entries) {
        // A set-aside entry counts when the play list would be written with it.
        const bool needed = entry.section != Section::PlayList ||
                            (entry.setAside < 0 ? playList : model.SoundMode == 3);
        if (!needed)
            continue;
        planner.add(entry);
        if (entry.setAside >= 0 && entry.state == media::State::Found)
            cameBack.insert(entry.index);
    }
    restorePlayList(*plan.packed,
                    [&](const SetAsideEntry& aside) { return cameBack.contains(aside.position); });
    if (!planner.tooLong().empty()) {
        prompter.fail(joined({texts::PackPathsTooLong, listed(planner.tooLong(), 20)}));
        return std::nullopt;
    }
    return plan;
}

namespace {

PackResult failed(const PackPlan& plan, std::string sentence, std::string_view error) {
    return {Outcome::Failed, failureText(joined({texts::PackFailedStart, plan.folder,
                                                 texts::PackFailedEnd, BlankLine, sentence}),
                                         error)};
}

} // namespace

PackResult runPack(const PackPlan& plan, PackProgress& progress) {
    const auto notify = [&progress] {
        if (progress.changed)
            progress.changed();
    };
    const files::CopyStep step = [&](std::uint64_t bytes) {
        progress.bytes += bytes;
        notify();
        return !progress.cancel;
    };
    files::CreatedEntries written;
    if (const Failure error = written.folder(plan.hostFolder.substr(0, plan.hostFolder.size() - 1)))
        return failed(plan, joined({texts::PackCreateFolderFailed, plan.folder, "."}),
                      error.description());
    for (const std::string& subfolder : plan.subfolders) {
        if (const Failure error = written.folder(plan.hostFolder + hostRelative(subfolder)))
            return failed(plan,
                          joined({texts::PackCreateFolderFailed, plan.folder, subfolder, "\\."}),
                          error.description());
    }
    for (const PackedFile& file : plan.files) {
        if (progress.cancel)
            return {Outcome::Cancelled, {}};
        const std::string target = plan.hostFolder + hostRelative(file.target);
        const files::CopyResult copied = files::copyFile(file.source, target, step);
        if (copied.outcome == files::CopyOutcome::Stopped)
            return {Outcome::Cancelled, {}};
        if (copied.outcome != files::CopyOutcome::Copied)
            return failed(plan, joined({texts::PackCopyFailed, file.from, "."}), copied.error);
        written.file(target);
        ++progress.files;
        notify();
    }
    if (progress.cancel)
        return {Outcome::Cancelled, {}};
    // The show may point at the copies only once they are on the disk.
    const std::string show = plan.hostFolder + hostRelative(plan.showName);
    Failure error = files::syncFileSystem(plan.hostFolder);
    if (progress.cancel) // the show is what makes the pack whole: not yet
        return {Outcome::Cancelled, {}};
    if (!error)
        error = files::writeNewHostFile(show, slideShowBytes(*plan.packed), true);
    if (error)
        return failed(plan, joined({texts::PackWriteShowFailed, plan.folder, plan.showName, "."}),
                      error.description());
    written.keep();
    return {};
}

std::string countText(long long value) {
    return value == 0 ? "0" : formatCount(value);
}

std::string sizeText(std::uint64_t bytes) {
    if (bytes == 1)
        return std::string(texts::OneByte);
    if (bytes < 1024)
        return std::to_string(bytes) + std::string(texts::Bytes);
    static constexpr const char* Units[] = {" KB", " MB", " GB", " TB"};
    double value = static_cast<double>(bytes) / 1024;
    std::size_t unit = 0;
    for (; value >= 1024 && unit + 1 < std::size(Units); ++unit)
        value /= 1024;
    char text[32];
    std::snprintf(text, sizeof text, "%.1f%s", value, Units[unit]);
    return text;
}

void reportPack(const PackPlan& plan, const PackResult& result, Prompter& prompter,
                std::size_t listLimit) {
    if (result.outcome == Outcome::Cancelled)
        return prompter.inform(std::string(texts::PackCancelled));
    if (result.outcome == Outcome::Failed)
        return prompter.fail(result.failure);
    std::string text = joined(
        {texts::PackDoneStart, plan.folder, texts::PackDoneMiddle, plan.showName, ".", BlankLine,
         texts::PackFilesCopied, countText(static_cast<long long>(plan.files.size())), " (",
         sizeText(plan.bytes), ")", NewLine, texts::PackFilesMissing,
         countText(static_cast<long long>(plan.missing.size())), NewLine, texts::PackNamesChanged,
         countText(static_cast<long long>(plan.renames.size()))});
    if (!plan.missing.empty())
        text += joined({BlankLine, texts::PackMissingList, listed(plan.missing, listLimit)});
    if (!plan.renames.empty()) {
        std::vector<std::string> lines;
        for (const Rename& rename : plan.renames)
            lines.push_back(joined({rename.from, texts::PackRenameArrow, rename.to}));
        text += joined({BlankLine, texts::PackRenamedList, listed(lines, listLimit)});
    }
    if (plan.missing.empty())
        prompter.inform(std::move(text));
    else
        prompter.warn(std::move(text));
}

} // namespace vt::pack
