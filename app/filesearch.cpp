#include "app/filesearch.h"

#include <filesystem>
#include <string_view>
#include <sys/stat.h>
#include <utility>
#include <vector>

namespace {

constexpr int MaxStoredSubFolders = 200;
// Any name ending so, in any case: "a.txt", "notes.TXT", also "mytxt".
constexpr std::string_view TextSuffix = "txt";

using FolderId = std::pair<dev_t, ino_t>;

bool isTextFileName(const std::string &name)
{
    if (name.size() < TextSuffix.size())
        return false;
    std::string tail = name.substr(name.size() - TextSuffix.size());
    for (char &c : tail)
        c = char(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return tail == TextSuffix;
}

class FolderSearch {
public:
    FolderSearch(PathList &list, EventPump &events) : m_list(list), m_events(events) {}

    void search(const std::string &folder)
    {
        struct stat info;
        if (stat(folder.c_str(), &info) != 0)
            return;
        FolderId id{info.st_dev, info.st_ino};
        for (const FolderId &open : m_openFolders) {
            if (open == id)
                return;
        }
        m_openFolders.push_back(id);
        for (const std::string &subFolder : listFolder(folder))
            search(subFolder);
        m_openFolders.pop_back();
    }

private:
    // Appends the folder's text files and returns its sub-folders to search.
    std::vector<std::string> listFolder(const std::string &folder)
    {
        std::vector<std::string> subFolders;
        int subFolderCount = 0;
        std::error_code error;
        std::filesystem::directory_iterator entries(folder, error);
        bool first = true;
        for (auto end = std::filesystem::directory_iterator(); !error && entries != end;
             entries.increment(error)) {
            std::string name = entries->path().filename().string();
            std::error_code typeError;
            if (entries->is_directory(typeError)) {
                if (++subFolderCount <= MaxStoredSubFolders)
                    subFolders.push_back(folder + "/" + name);
            } else if (isTextFileName(name)) {
                m_list.append(folder + "/" + name);
            }
            if (!first) {
                m_events.processPendingEvents();
                m_events.processPendingEvents();
            }
            first = false;
        }
        return subFolders;
    }

    PathList &m_list;
    EventPump &m_events;
    std::vector<FolderId> m_openFolders;
};

} // namespace

void SearchFolder(const std::string &folder, PathList &list, EventPump &events)
{
    FolderSearch(list, events).search(folder);
}
