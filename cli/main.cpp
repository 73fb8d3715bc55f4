#include "app/conversionjob.h"
#include "app/settingsfallbacks.h"
#include "cli/batchconverter.h"
#include "cli/commandlineoptions.h"
#include "cli/consolereporter.h"
#include "cli/inputcollector.h"
#include "cli/lineescape.h"
#include "cli/linewidthcheck.h"
#include "cli/reportpathcheck.h"
#include "cli/reportwriter.h"
#include "pdf/tervolanpdf.h"
#include "settings/settingsstore.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace {

constexpr int ExitSomeFailed = 1;
constexpr int ExitUsage = 2;

int usageError(const std::string &message)
{
    std::fprintf(stderr,
                 "tervolan-convert: %s\nTry 'tervolan-convert --help' for more information.\n",
                 LineEscape::escaped(message).c_str());
    return ExitUsage;
}

// Once, before the run: a value left out would otherwise pass unseen.
void warnOfConfigProblems(const std::filesystem::path &file,
                          const std::vector<ConfigProblem> &problems)
{
    if (!problems.empty())
        std::fprintf(stderr, "tervolan-convert: %s\n",
                     LineEscape::escaped(ConfigProblem::english(file.string(), problems)).c_str());
}

// The settings the window would have after start-up, then the flags.
bool settingsFor(const CommandLineOptions &options, Settings &settings, std::string &error)
{
    settings.Language = "中文";
    const std::filesystem::path file = options.settingsFile.value_or(configIniPath().string());
    if (options.settingsFile) {
        std::error_code ignored;
        if (!std::filesystem::is_regular_file(file, ignored) || !readConfigFile(settings, file)) {
            error = "cannot read the settings file " + *options.settingsFile;
            return false;
        }
    }
    warnOfConfigProblems(file, LoadSettings(settings, file));
    if (options.language) {
        settings.Language = *options.language == "en" ? "英文" : "中文";
        settings.CharsPerLine
            = int16_t(*options.language == "en" ? EnglishCharsPerLine : ChineseCharsPerLine);
    }
    // config.ini made on Windows holds "C:\output", read as ~/output; typed
    // on this system's command line such a path was meant as something else.
    if (options.outputDir && ConversionJob::isWindowsDrivePath(*options.outputDir)) {
        error = "--output-dir " + *options.outputDir
            + " is a Windows drive path; name a folder of this system (./" + *options.outputDir
            + " for one of that name)";
        return false;
    }
    if (options.outputDir)
        settings.OutputFolder = *options.outputDir;
    if (options.pageSize)
        settings.PageSize = *options.pageSize;
    if (options.fontName)
        settings.FontName = *options.fontName;
    if (options.fontSize)
        settings.FontSize = int16_t(*options.fontSize);
    if (options.charsPerLine)
        settings.CharsPerLine = int16_t(*options.charsPerLine);
    if (options.author)
        settings.Author = *options.author;
    if (options.keywords)
        settings.Keywords = *options.keywords;
    settings.PdfA = options.pdfA;
    settings.Tagged = options.tagged;
    settings.Outline = !options.noOutline;
    settings.OutlinePattern = options.outlinePattern.value_or("");
    settings.PunctuationRules = options.punctuationRules;
    if (options.pageNumbers) {
        const bool chinese = settings.Language != "英文";
        settings.PageNumbers = !options.pageNumbers->empty() ? *options.pageNumbers
            : chinese                                        ? "第 {n} 页"
                                                             : "{n}";
    }
    return true;
}

// A closed standard stream would lend its number to the first file opened,
// and the listing or the messages would land inside a PDF.
void reopenClosedStandardStreams()
{
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (fcntl(fd, F_GETFD) < 0 && errno == EBADF)
            open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY);
    }
}

// The report is opened only once every input and PDF name is known, so
// that it is none of them.
bool openReport(ReportWriter &report, const CommandLineOptions &options,
                const std::vector<BatchInput> &inputs, const std::vector<PlannedOutput> &planned,
                std::string &error)
{
    if (*options.reportFile != CommandLineOptions::StandardInput) {
        error = ReportPathCheck(*options.reportFile).problem(options, inputs, planned);
        if (!error.empty())
            return false;
    }
    return report.open(*options.reportFile, error);
}

// fontconfig's answers are kept in the user's cache folder: a run with
// fontconfig's configuration and fonts as they were need not read them.
void keepFontAnswers()
{
    const char *cache = std::getenv("XDG_CACHE_HOME");
    const char *home = std::getenv("HOME");
    std::string folder;
    if (cache && cache[0] == '/')
        folder = cache;
    else if (home && home[0] == '/')
        folder = std::string(home) + "/.cache";
    else
        return;
    const int box = CreateBox(/*window*/ 0, /*reserved*/ 0);
    SetStrProp(box, PDF_FONT_ANSWERS, (folder + "/tervolan/font-answers").c_str());
}

} // namespace

int main(int argc, char **argv)
{
    reopenClosedStandardStreams();
    // A reader that goes away (| head -1) must not end the batch half way:
    // the rest is still converted and the lost listing is reported.
    std::signal(SIGPIPE, SIG_IGN);
    CommandLineOptions options;
    std::string error;
    if (!options.parse(std::vector<std::string>(argv + 1, argv + argc), error))
        return usageError(error);
    if (options.help) {
        std::fputs(CommandLineOptions::helpText(), stdout);
        return 0;
    }
    if (options.version) {
        std::printf("tervolan-convert %s\n", TERVOLAN_VERSION);
        return 0;
    }
    Settings settings;
    if (!settingsFor(options, settings, error))
        return usageError(error);
    if (options.inputs.empty() && options.filesFrom.empty())
        return usageError("no input files");

    keepFontAnswers();

    ConsoleReporter reporter(options.quiet, 0);
    reporter.setListing(options.reportFile != CommandLineOptions::StandardInput);
    for (const std::string &fallback : SettingsFallbacks::describe(settings))
        reporter.warn(fallback);
    if (std::optional<std::string> tooWide = LineWidthCheck::warning(settings))
        reporter.warnOfWideLines(*tooWide);
    InputCollector collector(options, reporter);
    const std::vector<BatchInput> inputs = collector.collect();
    ReportWriter report;
    ReportWriter *reportOrNone = options.reportFile ? &report : nullptr;
    BatchConverter converter(settings, reporter, options, reportOrNone);
    const std::vector<PlannedOutput> &planned = converter.plan(inputs);
    if (options.reportFile && !openReport(report, options, inputs, planned, error))
        return usageError(error);
    for (const FileRecord &failure : collector.failures())
        report.write(failure);
    converter.run();
    if (!report.close(error))
        reporter.failed(*options.reportFile, error);
    return reporter.failures() > 0 ? ExitSomeFailed : 0;
}
