#include "media/HostFolders.h"

#include "common/CodePage.h"
#include "common/PathText.h"

#include <algorithm>
#include <atomic>
#include <system_error>
#include <thread>
#include <unordered_set>

namespace vt::media {
namespace {

FolderListing readListing(std::string hostFolder) {
    FolderListing listing;
    listing.host = std::move(hostFolder);
    const files::HostFolder folder(listing.host);
    if (folder.state() != files::HostFolder::Open) {
        listing.state = folder.state() == files::HostFolder::Absent ? FolderListing::Absent
                                                                    : FolderListing::Unlistable;
        return listing;
    }
    listing.state = FolderListing::Read;
    folder.forEachEntry([&](std::string_view name, EntryKind kind) {
        if (kind != EntryKind::File ||
            name[0] != '.') // a hidden file is no file here, as on Windows
            listing.entries.push_back({nameKey(name), std::string(name), kind});
        return true;
    });
    std::sort(listing.entries.begin(), listing.entries.end(),
              [](const auto& a, const auto& b) { return a.key < b.key; });
    return listing;
}

// "/a/" for "/a/b/", "" for "b/"; false for the root and the current folder.
bool parentOf(std::string_view folder, std::string_view& parent, std::string_view& name) {
    if (folder.empty() || folder == "/")
        return false;
    const std::string_view trimmed = folder.substr(0, folder.size() - 1);
    parent = hostFolderOf(trimmed);
    name = trimmed.substr(parent.size());
    return true;
}

// Folder reads wait on the kernel and the disk, not on each other; a few at
// once are enough to keep both busy.
constexpr unsigned MaxReaders = 4;

// Runs work(i) for every i below count, on up to MaxReaders threads, this one
// among them.
template <class Work> void inParallel(std::size_t count, const Work& work) {
    std::atomic<std::size_t> next{0};
    const auto run = [&] {
        for (std::size_t i; (i = next++) < count;)
            work(i);
    };
    const unsigned threads = std::clamp(std::thread::hardware_concurrency(), 1u, MaxReaders);
    std::vector<std::jthread> helpers;
    for (unsigned t = 1; t < threads && t < count; ++t) {
        try {
            helpers.emplace_back(run);
        } catch (const std::system_error&) {
            break; // no more threads to be had: fewer do the same work
        }
    }
    run();
}

struct ByKey {
    bool operator()(const FolderListing::Entry& a, const std::string& b) const { return a.key < b; }
    bool operator()(const std::string& a, const FolderListing::Entry& b) const { return a < b.key; }
};

} // namespace

std::string nameKey(std::string_view hostName) {
    const bool ascii = std::all_of(hostName.begin(), hostName.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (!ascii)
        return upperCase(codepage::fromUtf8(hostName));
    std::string key(hostName);
    for (char& c : key) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 32);
    }
    return key;
}

std::string_view hostFolderOf(std::string_view hostPath) {
    const auto slash = hostPath.rfind('/');
    return slash == std::string_view::npos ? std::string_view{} : hostPath.substr(0, slash + 1);
}

const FolderListing::Entry* FolderListing::find(std::string_view name, EntryKind kind) const {
    const std::string key = nameKey(name);
    const auto [first, last] = std::equal_range(entries.begin(), entries.end(), key, ByKey{});
    const Entry* anyCase = nullptr;
    for (auto it = first; it != last; ++it) {
        if (it->kind != kind)
            continue;
        if (it->name == name)
            return &*it;
        if (!anyCase)
            anyCase = &*it;
    }
    return anyCase;
}

const FolderListing& FolderCache::folder(std::string_view hostFolder) {
    const auto known = m_folders.find(hostFolder);
    if (known != m_folders.end())
        return known->second;
    std::string key(hostFolder);
    FolderListing listing = resolve(key);
    return m_folders.emplace(std::move(key), std::move(listing)).first->second;
}

void FolderCache::readAhead(const std::vector<std::string_view>& hostFolders) {
    std::vector<std::string_view> unread;
    std::unordered_set<std::string_view> seen;
    for (const std::string_view folder : hostFolders) {
        if (seen.insert(folder).second && !m_folders.contains(folder))
            unread.push_back(folder);
    }
    std::vector<FolderListing> listings(unread.size());
    inParallel(unread.size(),
               [&](std::size_t i) { listings[i] = readListing(std::string(unread[i])); });
    // A folder missing as written is left to folder(), which looks for it
    // through its parents.
    m_folders.reserve(m_folders.size() + unread.size());
    for (std::size_t i = 0; i < unread.size(); ++i) {
        if (listings[i].state != FolderListing::Absent)
            m_folders.emplace(unread[i], std::move(listings[i]));
    }
}

FolderListing FolderCache::resolve(const std::string& hostFolder) {
    FolderListing listing = readListing(hostFolder);
    std::string_view parent, name;
    if (listing.state != FolderListing::Absent || !parentOf(hostFolder, parent, name))
        return listing;
    const FolderListing& above = folder(std::string(parent));
    const FolderListing::Entry* match =
        above.state == FolderListing::Read ? above.find(name, EntryKind::Folder) : nullptr;
    if (!match || (match->name == name && above.host == parent))
        return listing; // nothing else to try
    return readListing(above.host + match->name + "/");
}

} // namespace vt::media
