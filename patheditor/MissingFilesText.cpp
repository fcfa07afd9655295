#include "patheditor/MissingFilesText.h"

#include "common/Numbers.h"
#include "common/Texts.h"
#include "patheditor/PathEditorTexts.h"
#include "platform/HostFiles.h"

#include <filesystem>
#include <string_view>

namespace vt {
namespace {

void addCount(std::string& line, std::string_view label, long long value) {
    if (!line.empty())
        line += texts::Gap;
    line += label;
    line += countText(value);
}

struct RowCounts {
    int missing = 0;
    int notMappable = 0;
};

RowCounts countRow(const media::MediaCheck& check, const media::FolderRowCheck& row) {
    RowCounts counts;
    for (std::size_t entry : row.problems) {
        if (check.entries[entry].state == media::State::NotMappable)
            ++counts.notMappable;
        else
            ++counts.missing;
    }
    return counts;
}

std::string folderMessage(std::string_view sentence, const std::string& hostRoot,
                          std::string_view hint) {
    std::string text(sentence);
    text += BlankLine;
    text += hostRoot;
    text += BlankLine;
    text += hint;
    return text;
}

// Opening it is the only sure test: permissions, ACLs and mounts all count.
bool canRead(const std::string& hostFolder) {
    return files::HostFolder(hostFolder).state() == files::HostFolder::Open;
}

} // namespace

std::string countText(long long value) {
    return value == 0 ? std::string("0") : formatCount(value);
}

std::string checkTotalsLine(const media::MediaCheck& check) {
    std::string line;
    addCount(line, texts::CountFiles, check.found + check.missing + check.notMappable);
    addCount(line, texts::CountMissing, check.missing);
    addCount(line, texts::CountNotMappable, check.notMappable);
    return line;
}

std::string rowMarkTip(const media::MediaCheck& check, const media::FolderRowCheck& row,
                       std::size_t maxPaths) {
    if (row.problems.empty())
        return {};
    const RowCounts counts = countRow(check, row);
    std::string tip;
    addCount(tip, texts::CountFiles, row.files);
    addCount(tip, texts::CountMissing, counts.missing);
    if (counts.notMappable > 0)
        addCount(tip, texts::CountNotMappable, counts.notMappable);
    const std::size_t shown = std::min(maxPaths, row.problems.size());
    for (std::size_t i = 0; i < shown; ++i) {
        tip += NewLine;
        tip += check.entries[row.problems[i]].path;
    }
    if (shown < row.problems.size()) {
        tip += NewLine;
        tip += texts::MoreMissing;
        tip += countText(static_cast<long long>(row.problems.size() - shown));
    }
    return tip;
}

std::string walkSummaryLine(const std::string& hostRoot, const media::WalkSummary& summary) {
    std::string line(texts::SearchedIn);
    line += hostRoot;
    addCount(line, texts::CountFiles, summary.files);
    addCount(line, texts::CountFolders, summary.folders);
    if (summary.unreadable > 0)
        addCount(line, texts::CountUnreadable, summary.unreadable);
    if (summary.loops > 0)
        addCount(line, texts::CountLoops, summary.loops);
    return line;
}

std::string foundLine(int found, int problems) {
    std::string line;
    addCount(line, texts::CountFound, found);
    addCount(line, texts::CountStillMissing, problems - found);
    return line;
}

std::string unreadableFolderMessage(const std::string& hostRoot) {
    return folderMessage(texts::SearchFolderUnreadable, hostRoot, texts::SearchFolderHint);
}

std::string searchFolderProblem(const std::string& hostRoot) {
    std::error_code error;
    if (!std::filesystem::is_directory(hostRoot, error))
        return folderMessage(texts::SearchFolderMissing, hostRoot, texts::SearchFolderHint);
    if (!canRead(hostRoot))
        return unreadableFolderMessage(hostRoot);
    return {};
}

std::string nothingFoundMessage(const std::string& hostRoot, const media::WalkSummary& summary) {
    std::string text(texts::NothingFound);
    text += BlankLine;
    text += walkSummaryLine(hostRoot, summary);
    text += BlankLine;
    text += texts::NothingFoundHint;
    return text;
}

} // namespace vt
