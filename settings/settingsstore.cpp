#include "settings/settingsstore.h"

#include "platform/file/atomicfile.h"
#include "platform/text/itemreader.h"
#include "platform/text/textcodec.h"
#include "platform/text/textfilereader.h"
#include "platform/text/utf8.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// No real value comes near this; a damaged file cannot bloat the record.
constexpr size_t MaxItemLength = 32 * 1024;

std::string quoted(std::string text)
{
    // A line break inside a value would shift every later field of the
    // file, so it is stored as a blank.
    for (char &c : text) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    return "\"" + text + "\"\r\n";
}

std::string formatLines(const std::string (&texts)[5], const Settings &settings)
{
    std::string lines;
    for (const std::string &text : texts)
        lines += quoted(text);
    return lines + std::to_string(settings.FontSize) + "\r\n"
        + std::to_string(settings.CharsPerLine) + "\r\n";
}

std::string environment(const char *name)
{
    const char *value = std::getenv(name);
    return value ? value : "";
}

// HOME, or the account's home folder when HOME is unset.
std::string homeFolder()
{
    std::string home = environment("HOME");
    if (!home.empty())
        return home;
    const passwd *account = ::getpwuid(::getuid());
    return account && account->pw_dir ? account->pw_dir : "";
}

// The items in field order; a short file leaves the later fields alone.
void readItems(Settings &settings, TextFileReader &reader, std::vector<ConfigProblem> &problems)
{
    ItemReader items(reader, MaxItemLength, ItemReader::QuoteEnd::LastQuoteOnLine);
    std::string *texts[] = {&settings.OutputFolder, &settings.Keywords, &settings.Author,
                            &settings.PageSize, &settings.FontName};
    std::u32string item;
    for (std::string *text : texts) {
        if (!items.read(&item))
            return;
        *text = Utf8::fromUtf32(item);
    }
    const std::pair<int16_t *, const char *> numbers[]
        = {{&settings.FontSize, "FontSize"}, {&settings.CharsPerLine, "CharsPerLine"}};
    for (const auto &[number, field] : numbers) {
        if (!items.read(&item))
            return;
        std::optional<int16_t> value = ItemReader::parseInt16(item);
        *number = value.value_or(0);
        if (!value)
            problems.push_back({{}, field, Utf8::fromUtf32(item)});
    }
}

} // namespace

std::filesystem::path programFolder()
{
    std::error_code error;
    auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return std::filesystem::current_path(error);
    return executable.parent_path();
}

std::filesystem::path userConfigFolder(const std::string &xdgConfigHome, const std::string &home)
{
    // The base directory rules ignore a relative XDG_CONFIG_HOME.
    if (!xdgConfigHome.empty() && xdgConfigHome.front() == '/')
        return std::filesystem::path(xdgConfigHome) / "tervolan";
    return std::filesystem::path(home) / ".config" / "tervolan";
}

std::filesystem::path chooseConfigIni(const std::filesystem::path &programFolder,
                                      bool holdsConfigIni, bool writable,
                                      const std::filesystem::path &userFolder)
{
    if (holdsConfigIni || writable)
        return programFolder / "config.ini";
    return userFolder / "config.ini";
}

std::filesystem::path configIniPathFor(const std::filesystem::path &programFolder,
                                       const std::filesystem::path &userFolder)
{
    std::error_code ignored;
    bool holds = std::filesystem::exists(programFolder / "config.ini", ignored);
    // access() also answers for root on a read-only mount (EROFS).
    bool writable = ::access(programFolder.c_str(), W_OK) == 0;
    return chooseConfigIni(programFolder, holds, writable, userFolder);
}

std::filesystem::path configIniPath()
{
    return configIniPathFor(programFolder(),
                            userConfigFolder(environment("XDG_CONFIG_HOME"), homeFolder()));
}

bool readConfigFile(Settings &settings, const std::filesystem::path &file,
                    std::vector<ConfigProblem> *problems)
{
    std::vector<ConfigProblem> found;
    TextFileReader reader;
    const bool opened = reader.openMarkedOr(file.string(), TextEncoding::Gb18030);
    if (opened)
        readItems(settings, reader, found);
    const ReadFailure &failure = reader.failure();
    const bool missing
        = failure.kind == ReadFailure::Kind::CannotOpen && failure.errorNumber == ENOENT;
    if (failure.kind != ReadFailure::Kind::None && !missing)
        found.insert(found.begin(), ConfigProblem{failure, {}, {}});
    if (problems)
        *problems = std::move(found);
    return opened;
}

std::vector<ConfigProblem> LoadSettings(Settings &settings, const std::filesystem::path &file)
{
    std::vector<ConfigProblem> problems;
    readConfigFile(settings, file, &problems);
    settings.FontName = "宋体";
    settings.CharsPerLine = ChineseCharsPerLine;
    return problems;
}

std::string formatConfig(const Settings &settings)
{
    const std::string utf8[5] = {settings.OutputFolder, settings.Keywords, settings.Author,
                                 settings.PageSize, settings.FontName};
    std::string gb18030[5];
    size_t lost = 0;
    for (size_t i = 0; i < 5; ++i) {
        size_t unencodable = 0;
        gb18030[i] = TextCodec::utf8ToGb18030(utf8[i], &unencodable);
        lost += unencodable;
    }
    // A folder name with a character GB18030 has no code for here would
    // come back as "?": such a file is written as UTF-8 with a byte-order
    // mark instead, which the reader honours.
    if (lost > 0)
        return "\xEF\xBB\xBF" + formatLines(utf8, settings);
    return formatLines(gb18030, settings);
}

bool SaveSettings(const Settings &settings, const std::filesystem::path &file, int *errorNumber)
{
    std::error_code ignored;
    if (file.has_parent_path())
        std::filesystem::create_directories(file.parent_path(), ignored);
    // A read-only config.ini is refused and stays as it was; a symlinked
    // one is written through to its target.
    AtomicFile out(file.string());
    const bool saved = out.open() && out.write(formatConfig(settings)) && out.commit();
    if (errorNumber)
        *errorNumber = out.error();
    return saved;
}
