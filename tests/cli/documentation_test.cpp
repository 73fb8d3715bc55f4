#include "cli/commandlineoptions.h"
#include "cli/optiondocs.h"
#include "tests/support/commandrun.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <regex>
#include <set>

namespace {

// The man page and the completion as the build made them from their
// templates and the option table.
const std::string Data = std::string(TERVOLAN_BINARY_DIR) + "/data/";

// roff writes every "-" of an option as "\-".
std::string unescapeRoff(std::string text)
{
    return std::regex_replace(text, std::regex(R"(\\-)"), "-");
}

// The long options a text names.
std::set<std::string> namedOptions(const std::string &text)
{
    std::set<std::string> names;
    std::regex option(R"(--([a-z][a-z-]*[a-z]))");
    for (std::sregex_iterator it(text.begin(), text.end(), option), end; it != end; ++it)
        names.insert((*it)[1]);
    return names;
}

struct Document {
    const char *name;
    std::string text;
};

std::vector<Document> documents()
{
    return {{"--help", CommandLineOptions::helpText()},
            {"man page", unescapeRoff(readBytes(Data + "tervolan-convert.1"))},
            {"bash completion", readBytes(Data + "tervolan-convert.bash-completion")}};
}

} // namespace

TEST(Documentation, EveryOptionIsDocumentedAndEveryDocumentedOptionExists)
{
    std::vector<std::string> longNames = CommandLineOptions::longNames();
    std::set<std::string> real(longNames.begin(), longNames.end());
    for (const Document &document : documents()) {
        ASSERT_FALSE(document.text.empty()) << document.name;
        std::set<std::string> named = namedOptions(document.text);
        for (const std::string &name : real)
            EXPECT_TRUE(named.count(name)) << document.name << " lacks --" << name;
        for (const std::string &name : named)
            EXPECT_TRUE(real.count(name))
                << document.name << " names --" << name << ", which does not exist";
    }
}

// Whether the pieces stand in text in this order, letter case aside.
static bool containsInOrder(std::string text, std::initializer_list<std::string_view> pieces)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    size_t from = 0;
    for (const std::string_view piece : pieces) {
        from = text.find(piece, from);
        if (from == std::string::npos)
            return false;
        from += piece.size();
    }
    return true;
}

TEST(Documentation, HelpAndManPageNameExitStatusesEncodingsAndSettingsPlaces)
{
    for (const Document &document : documents()) {
        if (document.name == std::string("bash completion"))
            continue;
        for (const char *needle :
             {"UTF-8", "UTF-16LE", "UTF-16BE", "UTF-32LE", "UTF-32BE", "GB18030", "GBK",
              "XDG_CONFIG_HOME", "tervolan/config.ini", "~/.config/tervolan/config.ini"})
            EXPECT_NE(document.text.find(needle), std::string::npos)
                << document.name << " lacks " << needle;
        // Searched piece by piece: a backtracking regular expression over a
        // whole man page runs out of stack under the sanitizers.
        EXPECT_TRUE(
            containsInOrder(document.text, {"0", "every input", "1", "some", "2", "usage error"}))
            << document.name << " lacks the exit statuses";
    }
}

TEST(Documentation, ManPageRangesComeFromTheChecks)
{
    const std::string man = readBytes(Data + "tervolan-convert.1");
    EXPECT_NE(man.find("characters, 1 to " + std::to_string(CommandLineOptions::MaxCharsPerLine)),
              std::string::npos);
    EXPECT_NE(man.find("at once, 1 to " + std::to_string(CommandLineOptions::MaxJobs)),
              std::string::npos);
}

// The completion as bash runs it: words so far in, candidates out.
TEST(BashCompletion, CompletesOptionsAndTheirValues)
{
    const std::string library = "/usr/share/bash-completion/bash_completion";
    if (!std::filesystem::exists(library))
        GTEST_SKIP() << "bash-completion is not installed";
    auto complete = [&](const std::string &words) {
        std::string script = "source " + library + " && source " + Data
            + "tervolan-convert.bash-completion && COMP_WORDS=(" + words
            + ") && COMP_CWORD=$((${#COMP_WORDS[@]} - 1)) && COMP_LINE=\"${COMP_WORDS[*]}\" && "
              "COMP_POINT=${#COMP_LINE} && _tervolan_convert && printf '%s\\n' \"${COMPREPLY[@]}\"";
        return CommandRun::run("bash -c " + shellQuote(script)).out;
    };
    EXPECT_EQ(complete("tervolan-convert --page-size ''"), "A3\nA4\nA5\n");
    EXPECT_EQ(complete("tervolan-convert --lang e"), "en\n");
    EXPECT_EQ(complete("tervolan-convert --chars"), "--chars-per-line\n");
    EXPECT_EQ(complete("tervolan-convert -o out --rec"), "--recursive\n");
    EXPECT_EQ(complete("tervolan-convert --on-conflict r"), "rename\n");
}

// A renamed option would otherwise lose its man page paragraph without a
// word: the page would quietly fall back to the short help text.
TEST(Documentation, ManPageParagraphForNoOptionStopsTheBuild)
{
    const std::string source = ".SH OPTIONS\n.\\\" option --no-such-option\nGone.\n"
                               ".\\\" options end\n.SH FILES\n";
    std::string error;
    EXPECT_FALSE(OptionDocs::manPage(source, error));
    EXPECT_NE(error.find("--no-such-option"), std::string::npos) << error;
}
