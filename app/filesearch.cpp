#include "app/filesearch.h"

#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/vfs.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// Any name ending so, in any case: "a.txt", "notes.TXT", also "mytxt".
constexpr std::string_view TextSuffix = "txt";

using FolderId = std::pair<dev_t, ino_t>;

// Kernel file systems hold no user files, and some are vast or change while
// they are listed (/proc has a folder for every process and thread). The
// numbers that linux/magic.h lacks are spelled here.
constexpr long ConfigFsMagic = 0x62656570;
constexpr long FuseCtlMagic = 0x65735543;
constexpr long MqueueMagic = 0x19800202;
// devtmpfs reports tmpfs's number, which /tmp shares, so it cannot be told
// apart here; it is small and its links into /proc are refused.
constexpr long PseudoFileSystems[] = {
    PROC_SUPER_MAGIC, SYSFS_MAGIC,        CGROUP_SUPER_MAGIC, CGROUP2_SUPER_MAGIC,
    DEBUGFS_MAGIC,    TRACEFS_MAGIC,      SECURITYFS_MAGIC,   PSTOREFS_MAGIC,
    BPF_FS_MAGIC,     ConfigFsMagic,      FuseCtlMagic,       MqueueMagic,
    HUGETLBFS_MAGIC,  DEVPTS_SUPER_MAGIC, AUTOFS_SUPER_MAGIC, BINFMTFS_MAGIC,
};

bool isOnPseudoFileSystem(const std::string &folder)
{
    struct statfs info;
    if (statfs(folder.c_str(), &info) != 0)
        return false;
    // f_type is signed on some architectures: compare its low 32 bits.
    const long type = long(static_cast<unsigned int>(info.f_type));
    return std::find(std::begin(PseudoFileSystems), std::end(PseudoFileSystems), type)
        != std::end(PseudoFileSystems);
}

bool isTextFileName(const std::string &name)
{
    if (name.size() < TextSuffix.size())
        return false;
    std::string tail = name.substr(name.size() - TextSuffix.size());
    for (char &c : tail)
        c = char(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return tail == TextSuffix;
}

// The order NTFS lists a folder in: ASCII letters compare without case,
// other bytes by value; names equal but for case keep byte order.
bool comesFirstByName(const std::string &a, const std::string &b)
{
    auto upper = [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 'a' && byte <= 'z' ? byte - 'a' + 'A' : int(byte);
    };
    auto below = [&](char x, char y) { return upper(x) < upper(y); };
    if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), below))
        return true;
    if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), below))
        return false;
    return a < b;
}

class FolderSearch {
public:
    FolderSearch(PathList &list, EventPump &events, std::optional<int> subFolderLimit,
                 FolderLinks links)
        : m_list(list)
        , m_events(events)
        , m_subFolderLimit(subFolderLimit)
        , m_links(links)
    {
    }

    void search(const std::string &folder)
    {
        if (!firstVisit(folder))
            return;
        if (m_links == FolderLinks::Follow && isOnPseudoFileSystem(folder))
            return;
        for (const std::string &subFolder : listFolder(folder))
            search(subFolder);
    }

    FolderSearchGaps gaps() && { return std::move(m_gaps); }

private:
    enum class Kind { SubFolder, TextFile, Other };

    // A real folder (device and inode) is searched once, however many links
    // or bind mounts lead to it: that ends loops. One that cannot be looked
    // at (no permission, a path longer than PATH_MAX) is a gap to report.
    bool firstVisit(const std::string &folder)
    {
        struct stat info;
        if (stat(folder.c_str(), &info) != 0) {
            m_gaps.unsearched.push_back({folder, errno});
            return false;
        }
        return m_searched.insert(FolderId{info.st_dev, info.st_ino}).second;
    }

    bool takesLink(bool toFolder) const
    {
        return m_links == FolderLinks::Follow || (!toFolder && m_links == FolderLinks::Skip);
    }

    // A name whose type cannot be read might be a folder: it is a gap,
    // unless its name makes it a text file, whose opening will fail aloud.
    Kind kindOf(const std::filesystem::directory_entry &entry, const std::string &path)
    {
        std::error_code typeError;
        std::error_code linkError;
        const bool isFolder = entry.is_directory(typeError);
        const bool isLink = entry.is_symlink(linkError);
        const bool isText = !isFolder && isTextFileName(entry.path().filename().string());
        if (typeError && !isLink && !isText)
            m_gaps.unsearched.push_back({path, typeError.value()});
        if (!isFolder && !isText)
            return Kind::Other;
        if (isLink && !takesLink(isFolder)) {
            ++m_gaps.linksPassedOver;
            return Kind::Other;
        }
        return isFolder ? Kind::SubFolder : Kind::TextFile;
    }

    // Appends the folder's text files and returns its sub-folders to search,
    // each kind in name order: the file system's own order differs from one
    // machine to the next.
    std::vector<std::string> listFolder(const std::string &folder)
    {
        std::vector<std::string> subFolders;
        std::vector<std::string> textFiles;
        std::error_code error;
        std::filesystem::directory_iterator entries(folder, error);
        bool first = true;
        for (auto end = std::filesystem::directory_iterator(); !error && entries != end;
             entries.increment(error)) {
            std::string path = folder + "/" + entries->path().filename().string();
            const Kind kind = kindOf(*entries, path);
            if (kind == Kind::SubFolder)
                subFolders.push_back(std::move(path));
            else if (kind == Kind::TextFile)
                textFiles.push_back(std::move(path));
            if (!first) {
                m_events.processPendingEvents();
                m_events.processPendingEvents();
            }
            first = false;
        }
        if (error)
            m_gaps.unsearched.push_back({folder, error.value()});
        std::sort(textFiles.begin(), textFiles.end(), comesFirstByName);
        for (std::string &path : textFiles)
            m_list.append(path);
        std::sort(subFolders.begin(), subFolders.end(), comesFirstByName);
        if (m_subFolderLimit)
            subFolders.resize(std::min(subFolders.size(), size_t(std::max(0, *m_subFolderLimit))));
        return subFolders;
    }

    PathList &m_list;
    EventPump &m_events;
    const std::optional<int> m_subFolderLimit;
    const FolderLinks m_links;
    std::set<FolderId> m_searched;
    FolderSearchGaps m_gaps;
};

} // namespace

FolderSearchGaps SearchFolder(const std::string &folder, PathList &list, EventPump &events,
                              std::optional<int> subFolderLimit, FolderLinks links)
{
    FolderSearch search(list, events, subFolderLimit, links);
    search.search(folder);
    return std::move(search).gaps();
}
