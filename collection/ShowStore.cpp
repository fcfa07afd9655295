#include "collection/ShowStore.h"

#include "collection/CollectionTexts.h"
#include "collection/ShowPrompters.h"
#include "common/CodePage.h"
#include "common/Texts.h"
#include "platform/DriveMap.h"
#include "platform/FileSystem.h"
#include "platform/HostFiles.h"
#include "slideshow/SlideShowCommands.h"
#include "slideshow/SlideShowWriter.h"

#include <cerrno>
#include <filesystem>

namespace vt::collection {
namespace {

std::string sentenceAndPath(std::string_view sentence, const std::string& hostPath) {
    return joinedText({sentence, BlankLine, windowsPathOf(hostPath)});
}

enum class NewFile { Written, Taken, Failed };

// Writes the bytes as a file that must be new.
NewFile writeNew(const std::string& hostPath, std::string_view bytes, mode_t mode, Failure& error) {
    files::AtomicFile file;
    files::AtomicFile::Options options;
    options.replace = false;
    options.newMode = mode;
    error = file.open(hostPath, options);
    if (!error)
        error = file.write(bytes);
    if (!error)
        error = file.commit();
    return !error                                            ? NewFile::Written
           : error.description() == files::errorText(EEXIST) ? NewFile::Taken
                                                             : NewFile::Failed;
}

std::string backupName(const std::string& hostPath, int number) {
    return number == 1 ? hostPath + std::string(texts::BackupSuffix)
                       : hostPath + "." + std::to_string(number) + std::string(texts::BackupSuffix);
}

// Keeps the file's present bytes under the first free backup name; false
// (told) when that fails or the file is no longer what was read.
bool keepBackup(const std::string& hostPath, const FileStamp& stamp, SaveResult& result,
                Prompter& prompter) {
    files::FileBytes bytes;
    Failure error = files::readHostFile(hostPath, bytes);
    const files::HostEntry there = error ? files::HostEntry() : files::hostEntry(hostPath);
    if (error || there.state != files::HostEntry::There) {
        prompter.fail(failureText(sentenceAndPath(texts::NoBackup, hostPath),
                                  error ? error.description() : files::errorText(there.error)));
        return false;
    }
    if (stampOf(hostPath) != stamp) {
        prompter.warn(sentenceAndPath(texts::ChangedSinceRead, hostPath));
        return false;
    }
    // The backup is no easier to read than the show it keeps.
    const mode_t mode = there.permissions & 0666;
    NewFile outcome = NewFile::Taken;
    for (int number = 1; outcome == NewFile::Taken && number < 1000; ++number) {
        result.backup = backupName(hostPath, number);
        outcome = writeNew(result.backup, bytes.view(), mode, error);
    }
    if (outcome == NewFile::Written)
        return true;
    prompter.fail(failureText(sentenceAndPath(texts::NoBackup, hostPath), error));
    result.backup.clear();
    return false;
}

SaveResult saveInPlace(const std::string& bytes, const FoundShow& show, const FileStamp& stamp,
                       Prompter& prompter) {
    SaveResult result;
    result.target = show.host;
    // Opened first, so that a show that cannot be replaced gets no backup.
    files::AtomicFile file;
    Failure error = file.open(show.host);
    if (!error && !keepBackup(show.host, stamp, result, prompter))
        return result;
    if (!error)
        error = file.write(bytes);
    if (!error)
        error = file.commit();
    if (error) {
        prompter.fail(failureText(sentenceAndPath(texts::NotReplaced, show.host), error));
        return result;
    }
    result.saved = true;
    return result;
}

SaveResult saveIntoFolder(const std::string& bytes, const FoundShow& show, const std::string& folder,
                          Prompter& prompter) {
    namespace fs = std::filesystem;
    SaveResult result;
    result.target = (fs::path(folder) / fs::path(show.relative)).lexically_normal().string();
    // Never over the show itself or another file without leave, as Create.
    if (!mayWriteShow(windowsPathOf(result.target), windowsPathOf(show.host), {}, prompter))
        return result;
    std::error_code made;
    fs::create_directories(fs::path(result.target).parent_path(), made);
    const Failure error =
        made ? Failure(made.message()) : files::replaceHostFile(result.target, bytes);
    if (error) {
        prompter.fail(failureText(sentenceAndPath(texts::NotSaved, result.target), error));
        return result;
    }
    result.saved = true;
    return result;
}

} // namespace

std::string windowsPathOf(const std::string& hostPath) {
    return namedByUser(hostPath).windows;
}

std::optional<FileStamp> stampOf(const std::string& hostPath) {
    const files::HostEntry there = files::hostEntry(hostPath);
    if (there.state != files::HostEntry::There)
        return std::nullopt;
    return FileStamp{there.id.first, there.id.second, there.size, there.modified};
}

bool loadShow(const std::string& hostPath, SlideShowModel& model, FileStamp& stamp,
              Prompter& prompter) {
    stamp = stampOf(hostPath).value_or(FileStamp{});
    WatchedPrompter watched(prompter);
    openSlideShow(model, windowsPathOf(hostPath), watched);
    return watched.shown() == 0;
}

SaveResult saveShow(const SlideShowModel& model, const FoundShow& show, const FileStamp& stamp,
                    const SaveRequest& request, Prompter& prompter) {
    const std::string bytes = slideShowBytes(model);
    if (request.mode == SaveRequest::Mode::InPlace)
        return saveInPlace(bytes, show, stamp, prompter);
    return saveIntoFolder(bytes, show, request.folder, prompter);
}

} // namespace vt::collection
