#include "pdf/fonts/fontanswers.h"

#include "pdf/format/replacedfile.h"

#include <fontconfig/fontconfig.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

namespace tervolanpdf {

namespace {

constexpr const char *kHeader = "tervolan font answers 1\n";
constexpr char kFamilySeparator = '\x1F';

// What fontconfig reads from the environment: its own variables, the
// locale that gives the default language, home and the XDG folders.
constexpr std::array kEnvironment{
    "FONTCONFIG_FILE",
    "FONTCONFIG_PATH",
    "FONTCONFIG_SYSROOT",
    "FC_LANG",
    "LC_ALL",
    "LC_CTYPE",
    "LANG",
    "LANGUAGE",
    "HOME",
    "XDG_CONFIG_HOME",
    "XDG_CACHE_HOME",
    "XDG_DATA_HOME",
    "XDG_DATA_DIRS",
};

// A line of the file holds tab-separated fields.
bool keepable(const std::string &text)
{
    return text.find_first_of("\t\n") == std::string::npos;
}

// fontconfig's version, the program's name (which rules may match) and
// the environment, as the file holds them; nullopt where a value could
// not be kept.
std::optional<std::string> environmentLines()
{
    std::string lines = "fontconfig " + std::to_string(FcGetVersion()) + ' '
        + program_invocation_short_name + '\n';
    for (const char *name : kEnvironment) {
        const char *value = std::getenv(name);
        if (value && !keepable(value))
            return std::nullopt;
        lines += std::string("env ") + name + (value ? std::string("=") + value : "") + '\n';
    }
    return lines;
}

// A file's or folder's identity, size and times; "-" where there is none.
// The change time cannot be set back, so a file put back as it was still
// counts as changed. moment, where given, is when this process began to
// read fontconfig's configuration: "" for a file changed since.
std::string signature(const std::string &path, const timespec *moment = nullptr)
{
    struct stat info {};
    if (stat(path.c_str(), &info) != 0)
        return "-";
    auto notBefore = [&](const timespec &time) {
        return time.tv_sec > moment->tv_sec
            || (time.tv_sec == moment->tv_sec && time.tv_nsec >= moment->tv_nsec);
    };
    if (moment && (notBefore(info.st_mtim) || notBefore(info.st_ctim)))
        return "";
    std::ostringstream text;
    text << info.st_dev << ':' << info.st_ino << ':' << info.st_size << ':' << info.st_mtim.tv_sec
         << '.' << info.st_mtim.tv_nsec << ':' << info.st_ctim.tv_sec << '.'
         << info.st_ctim.tv_nsec;
    return text.str();
}

std::string readWhole(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string trimmed(const std::string &text)
{
    const size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

std::string folderOf(const std::string &path)
{
    const std::string folder = std::filesystem::path(path).parent_path();
    return folder.empty() ? "." : folder;
}

std::string homeFolder()
{
    const char *home = std::getenv("HOME");
    return home ? home : "";
}

// Every place an <include> of file may name, whether or not something is
// there: one that appears later changes the configuration. A relative name
// is looked for beside file and in fontconfig's configuration folders;
// watching a place too many only costs an answer.
std::vector<std::string> includesOf(const std::string &file, const std::string &configFolder)
{
    const std::string text = readWhole(file);
    std::vector<std::string> places;
    for (size_t at = text.find("<include"); at != std::string::npos;
         at = text.find("<include", at + 1)) {
        const size_t tagEnd = text.find('>', at);
        const size_t close = text.find("</include>", at);
        if (tagEnd == std::string::npos || close == std::string::npos || close < tagEnd)
            break;
        const std::string attributes = text.substr(at, tagEnd - at);
        const std::string name = trimmed(text.substr(tagEnd + 1, close - tagEnd - 1));
        if (name.empty())
            continue;
        if (attributes.find("prefix=\"xdg\"") != std::string::npos) {
            const char *xdg = std::getenv("XDG_CONFIG_HOME");
            places.push_back((xdg && *xdg ? std::string(xdg) : homeFolder() + "/.config") + '/'
                             + name);
        } else if (name[0] == '~') {
            places.push_back(homeFolder() + name.substr(1));
        } else if (name[0] == '/') {
            places.push_back(name);
        } else {
            places.push_back(folderOf(file) + '/' + name);
            places.push_back(configFolder + '/' + name);
            std::istringstream more(std::getenv("FONTCONFIG_PATH") ? std::getenv("FONTCONFIG_PATH")
                                                                   : "");
            for (std::string folder; std::getline(more, folder, ':');)
                places.push_back(folder + '/' + name);
        }
    }
    return places;
}

void addAll(std::set<std::string> &paths, FcStrList *list)
{
    if (!list)
        return;
    while (FcChar8 *path = FcStrListNext(list))
        paths.insert(reinterpret_cast<const char *>(path));
    FcStrListDone(list);
}

// What config was read from: its files, their folders and every place
// they include, the folders named for fonts and those scanned, and the
// folders of fontconfig's caches.
std::set<std::string> watchedPaths(FcConfig *config)
{
    std::set<std::string> paths;
    FcChar8 *mainFile = FcConfigFilename(nullptr);
    const std::string configFolder
        = mainFile ? folderOf(reinterpret_cast<const char *>(mainFile)) : "";
    FcStrFree(mainFile);
    std::set<std::string> files;
    addAll(files, FcConfigGetConfigFiles(config));
    for (const std::string &file : files) {
        paths.insert(file);
        paths.insert(folderOf(file));
        for (const std::string &place : includesOf(file, configFolder))
            paths.insert(place);
    }
    addAll(paths, FcConfigGetConfigDirs(config));
    addAll(paths, FcConfigGetFontDirs(config));
    addAll(paths, FcConfigGetCacheDirs(config));
    return paths;
}

std::optional<FontAnswers::Answer> answerFrom(const std::string &fields, std::string &query)
{
    std::vector<std::string> parts;
    std::istringstream in(fields);
    for (std::string part; std::getline(in, part, '\t');)
        parts.push_back(part);
    if (parts.size() != 4 || parts[1].empty() || parts[2].empty()
        || parts[2].find_first_not_of("0123456789") != std::string::npos || parts[2].size() > 6)
        return std::nullopt;
    query = parts[0];
    FontAnswers::Answer answer{parts[1], std::stoi(parts[2]), {}};
    std::istringstream families(parts[3]);
    for (std::string family; std::getline(families, family, kFamilySeparator);)
        answer.families.push_back(family);
    return answer;
}

} // namespace

FontAnswers::FontAnswers(std::string file) : m_file(std::move(file))
{
    clock_gettime(CLOCK_REALTIME, &m_startedAt);
}

std::optional<FontAnswers::Answer> FontAnswers::find(const std::string &query)
{
    if (!m_loaded)
        load();
    const auto kept = m_answers.find(query);
    if (kept == m_answers.end())
        return std::nullopt;
    return kept->second;
}

// Answers count only when the whole file is as written and nothing it
// watches has changed.
void FontAnswers::load()
{
    m_loaded = true;
    const std::optional<std::string> environment = environmentLines();
    // Another user's answers could name any file as the face to embed.
    struct stat info {};
    if (stat(m_file.c_str(), &info) != 0 || info.st_uid != geteuid() || (info.st_mode & 022))
        return;
    std::ifstream in(m_file);
    std::string line;
    if (!environment || !std::getline(in, line) || line + '\n' != kHeader)
        return;
    std::string environmentSeen;
    std::map<std::string, Answer> answers;
    while (std::getline(in, line)) {
        if (line.rfind("fontconfig ", 0) == 0 || line.rfind("env ", 0) == 0) {
            environmentSeen += line + '\n';
        } else if (line.rfind("watch ", 0) == 0) {
            const size_t tab = line.find('\t');
            if (tab == std::string::npos
                || line.substr(6, tab - 6) != signature(line.substr(tab + 1)))
                return;
        } else if (line.rfind("answer ", 0) == 0) {
            std::string query;
            const std::optional<Answer> answer = answerFrom(line.substr(7), query);
            if (!answer)
                return;
            answers[query] = *answer;
        } else {
            return;
        }
    }
    if (environmentSeen == *environment)
        m_answers = std::move(answers);
}

void FontAnswers::remember(const std::string &query, const Answer &answer, FcConfig *config)
{
    if (!m_loaded)
        load();
    const std::optional<std::string> environment = environmentLines();
    if (!environment || !keepable(query) || !keepable(answer.path))
        return;
    for (const std::string &family : answer.families) {
        if (!keepable(family) || family.find(kFamilySeparator) != std::string::npos)
            return;
    }
    m_answers[query] = answer;

    // Folders made now would change one that may be watched.
    ReplacedFile::makeFoldersFor(m_file);
    std::string text = kHeader + *environment;
    for (const std::string &path : watchedPaths(config)) {
        // A change while this process read the configuration may or may
        // not be in its answers: none are kept then.
        const std::string stamp = signature(path, &m_startedAt);
        if (!keepable(path) || stamp.empty())
            return;
        text += "watch " + stamp + '\t' + path + '\n';
    }
    for (const auto &[keptQuery, kept] : m_answers) {
        std::string keptFamilies;
        for (const std::string &family : kept.families)
            keptFamilies += (keptFamilies.empty() ? "" : std::string(1, kFamilySeparator)) + family;
        text += "answer " + keptQuery + '\t' + kept.path + '\t' + std::to_string(kept.index) + '\t'
            + keptFamilies + '\n';
    }
    ReplacedFile::write(m_file, text);
}

void FontAnswers::forget()
{
    m_loaded = true;
    m_answers.clear();
}

} // namespace tervolanpdf
