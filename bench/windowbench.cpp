// Times the window's conversion against the same job without the window:
// a list box, the window's conversion host and its progress bar on the Qt
// offscreen platform, the job's steps taken from the event loop by the
// window's driver, then the job run in a plain loop with a host that shows
// nothing, interleaved, after one pair of runs not counted (fonts, caches
// and the list's first layout).
//
// Usage: tervolan-windowbench [--runs N] [--split] -o OUTDIR FILE...
// Prints one line per run and a last line
//   window <median s> plain <median s> ratio <window/plain>
// --split adds to each run's line the time the window's host spent showing
// progress; its clock reads (two a call) then add to the window's time.
//
// tervolan-windowbench [--runs N] --small COUNT,COUNT... -o OUTDIR
// writes COUNT small files into OUTDIR/small and converts them the same
// way at each count, then prints the time per file at the last count over
// that at the first: a list whose cost grows with its length shows here.
//
// tervolan-windowbench [--runs N] --search COUNT,COUNT... -o OUTDIR
// times the folder search of the add-folder command (the window's list,
// its hint and events) over a tree of COUNT small files in OUTDIR/tree.
#include "app/conversionjob.h"
#include "app/window/conversiondriver.h"
#include "app/window/hintlabel.h"
#include "app/window/inputlist.h"
#include "app/window/listwidgetpathlist.h"
#include "app/window/windowconversionhost.h"
#include "app/window/windoweventpump.h"
#include "controls/xpprogressbar/xp_progressbar.h"
#include "dialogs/ccommondialogs.h"
#include "dialogs/dialogbackend.h"
#include "pdf/tervolanpdf.h"
#include "platform/shellservice.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QListWidget>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

// The folder shown at the end is only recorded: a benchmark opens nothing.
class QuietShell : public ShellService {
public:
    bool open(const QString &) override { return true; }
    bool showFiles(const QString &, const QByteArrayList &) override { return true; }
};

// The job as the command line runs it: no window.
class PlainHost : public ConversionHost, public ProgressDisplay {
public:
    void beep() override {}
    void openFolder(const std::string &) override {}
    void inputSkipped(const std::string &, const SkipReason &) override {}
    void inputWarning(const std::string &, const SkipReason &) override {}
    void documentWritten(const std::string &) override {}
    void outputFolderUnusable(const std::string &, int) override {}
    void pdfFailed(const std::string &, const std::string &) override {}
    void setValue(int) override {}
};

// The window's host, with the time spent in its progress display added up
// when asked, to say where a gap to the plain job goes.
class TimedWindowHost : public WindowConversionHost {
public:
    using WindowConversionHost::WindowConversionHost;
    void setValue(int value) override
    {
        if (!timing)
            return WindowConversionHost::setValue(value);
        const auto start = std::chrono::steady_clock::now();
        WindowConversionHost::setValue(value);
        progressSeconds
            += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    bool timing = false;
    double progressSeconds = 0;
};

double seconds(const std::chrono::steady_clock::time_point &start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Answers the folder browser with the tree to search.
class FixedFolder : public DialogBackend {
public:
    explicit FixedFolder(QString folder) : m_folder(std::move(folder)) { setInstance(this); }
    ~FixedFolder() override { setInstance(nullptr); }
    std::optional<QString> openFile(QWidget *, const FileRequest &) override { return {}; }
    std::optional<QString> saveFile(QWidget *, const FileRequest &) override { return {}; }
    std::optional<QString> folder(QWidget *, const QString &) override { return m_folder; }
    std::optional<QColor> color(QWidget *, QColor, bool) override { return {}; }
    std::optional<FontChoice> font(QWidget *, const FontChoice &) override { return {}; }
    bool print(QWidget *) override { return false; }
    bool printerProperties(QWidget *) override { return false; }

private:
    QString m_folder;
};

struct Options {
    int runs = 5;
    bool split = false;
    std::string output;
    std::vector<std::string> inputs;
    std::vector<int> smallCounts;
    std::vector<int> searchCounts;
};

std::vector<int> counts(const std::string &text)
{
    std::vector<int> values;
    for (const QString &part : QString::fromStdString(text).split(',', Qt::SkipEmptyParts))
        values.push_back(std::max(1, part.toInt()));
    return values;
}

Options parsed(int argc, char **argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--runs" && i + 1 < argc)
            options.runs = std::max(1, std::atoi(argv[++i]));
        else if (argument == "--split")
            options.split = true;
        else if (argument == "-o" && i + 1 < argc)
            options.output = argv[++i];
        else if (argument == "--small" && i + 1 < argc)
            options.smallCounts = counts(argv[++i]);
        else if (argument == "--search" && i + 1 < argc)
            options.searchCounts = counts(argv[++i]);
        else
            options.inputs.push_back(argument);
    }
    return options;
}

// A few lines of Chinese and English each, as a folder of notes holds.
std::string smallFile(const std::string &folder, int number)
{
    char name[32];
    std::snprintf(name, sizeof name, "/note%05d.txt", number);
    const std::string path = folder + name;
    std::ofstream(path) << "第" << number << "号笔记，几行中文。\nNote " << number
                        << ", a line of English.\n最后一行。\n";
    return path;
}

std::vector<std::string> smallFiles(const std::string &output, int count)
{
    const std::string folder = output + "/small";
    std::filesystem::create_directories(folder);
    std::vector<std::string> paths;
    for (int number = 0; number < count; ++number)
        paths.push_back(smallFile(folder, number));
    return paths;
}

// COUNT files in folders of 100 each, the way a notes archive is kept.
void writeTree(const std::string &root, int count)
{
    std::filesystem::remove_all(root);
    for (int number = 0; number < count; ++number) {
        const std::string folder = root + "/part" + std::to_string(number / 100);
        if (number % 100 == 0)
            std::filesystem::create_directories(folder);
        smallFile(folder, number);
    }
}

struct Times {
    double window = 0;
    double plain = 0;
};

// The window's list, progress bar and host against the plain job.
class Bench {
public:
    explicit Bench(const std::string &output)
    {
        m_settings.OutputFolder = output + "/";
        m_settings.PageSize = "A4";
        m_settings.FontName = "宋体";
        m_settings.FontSize = 12;
        m_settings.CharsPerLine = 30;
        auto *layout = new QVBoxLayout(&m_window);
        layout->addWidget(m_list);
        layout->addWidget(m_bar);
        m_bar->setMinimumHeight(24);
        m_window.resize(480, 360);
        m_window.show();
    }

    // Each run's split of the window's time, at the cost of its clock reads.
    void setSplit(bool split) { m_windowHost.timing = split; }

    Times convert(const std::vector<std::string> &inputs, int runs)
    {
        ListWidgetPathList paths(m_list);
        const int box = CreateBox(/*window*/ 0, /*reserved*/ 0);
        ConversionJob windowJob(box, m_settings, m_windowHost, m_windowHost);
        ConversionJob plainJob(box, m_settings, m_plainHost, m_plainHost);
        // Not counted: the first conversion loads the window's fonts and the
        // writer's, which the program has long done when Convert is pressed.
        timedInWindow(windowJob, paths, {inputs.front()});
        timed(plainJob, paths, {inputs.front()});
        forgetSplit();
        std::vector<double> windowTimes, plainTimes;
        for (int run = 0; run < runs; ++run) {
            // Alternating which goes first keeps warm caches from favouring one.
            ConversionJob *const first = run % 2 ? &plainJob : &windowJob;
            ConversionJob *const second = run % 2 ? &windowJob : &plainJob;
            for (ConversionJob *job : {first, second}) {
                if (job == &windowJob)
                    windowTimes.push_back(timedInWindow(windowJob, paths, inputs));
                else
                    plainTimes.push_back(timed(plainJob, paths, inputs));
            }
            printRun(inputs.size(), run, windowTimes.back(), plainTimes.back());
        }
        return {median(windowTimes), median(plainTimes)};
    }

    double search(const QString &root, int runs)
    {
        auto *hint = new QWidget(m_list);
        auto *hintText = new HintLabel(hint);
        CCommonDialogs dialogs;
        dialogs.Init(&m_window);
        FixedFolder browser(root);
        WindowEventPump events;
        InputList inputs(m_list, hint, hintText, dialogs, events);
        std::vector<double> times;
        for (int run = 0; run < runs; ++run) {
            m_list->clear();
            const auto start = std::chrono::steady_clock::now();
            inputs.AddFolder();
            // Until the list is laid out and painted with all it found.
            QCoreApplication::processEvents();
            times.push_back(seconds(start));
            std::printf("search, run %d: %d entries in %.3f s\n", run + 1, m_list->count(),
                        times.back());
            std::fflush(stdout);
        }
        m_list->clear();
        delete hint;
        return median(times);
    }

private:
    static double timed(ConversionJob &job, ListWidgetPathList &paths,
                        const std::vector<std::string> &inputs)
    {
        for (const std::string &input : inputs)
            paths.append(input);
        const auto start = std::chrono::steady_clock::now();
        job.ConvertList(paths);
        return seconds(start);
    }

    // As the window runs it: steps from the event loop until the driver
    // says the run has ended.
    static double timedInWindow(ConversionJob &job, ListWidgetPathList &paths,
                                const std::vector<std::string> &inputs)
    {
        for (const std::string &input : inputs)
            paths.append(input);
        ConversionDriver driver(job);
        QEventLoop loop;
        QObject::connect(&driver, &ConversionDriver::finished, &loop, &QEventLoop::quit);
        const auto start = std::chrono::steady_clock::now();
        if (driver.start(paths))
            loop.exec();
        return seconds(start);
    }

    void printRun(size_t files, int run, double window, double plain)
    {
        std::printf("%zu files, run %d: window %.3f s", files, run + 1, window);
        if (m_windowHost.timing)
            std::printf(" (progress %.3f s)", m_windowHost.progressSeconds);
        std::printf(", plain %.3f s\n", plain);
        std::fflush(stdout);
        forgetSplit();
    }

    void forgetSplit() { m_windowHost.progressSeconds = 0; }

    Settings m_settings;
    QWidget m_window;
    QListWidget *m_list = new QListWidget;
    Xp_ProgressBar *m_bar = new Xp_ProgressBar;
    TimedWindowHost m_windowHost{[this](int value) { m_bar->setValue(value); },
                                 [](int status) { std::exit(status); }};
    PlainHost m_plainHost;
};

void reportRatio(const char *what, const Times &times)
{
    std::printf("%s window %.4f plain %.4f ratio %.3f\n", what, times.window, times.plain,
                times.window / times.plain);
}

int runSmallFiles(Bench &bench, const Options &options)
{
    const int largest = *std::max_element(options.smallCounts.begin(), options.smallCounts.end());
    const std::vector<std::string> all = smallFiles(options.output, largest);
    std::vector<double> perFile;
    for (int count : options.smallCounts) {
        const Times times = bench.convert({all.begin(), all.begin() + count}, options.runs);
        const std::string what = std::to_string(count) + " files:";
        reportRatio(what.c_str(), times);
        perFile.push_back(times.window / count);
        std::printf("%d files: window %.3f ms per file\n", count, perFile.back() * 1000);
    }
    std::printf("growth per file %d -> %d files: %.3f\n", options.smallCounts.front(),
                options.smallCounts.back(), perFile.back() / perFile.front());
    return 0;
}

int runSearch(Bench &bench, const Options &options)
{
    std::vector<double> perEntry;
    for (int count : options.searchCounts) {
        const std::string root = options.output + "/tree";
        writeTree(root, count);
        const double time = bench.search(QFile::decodeName(root.c_str()), options.runs);
        perEntry.push_back(time / count);
        std::printf("search %d files: %.3f s, %.1f us per file\n", count, time,
                    perEntry.back() * 1e6);
        std::filesystem::remove_all(root);
    }
    std::printf("search growth per file %d -> %d files: %.3f\n", options.searchCounts.front(),
                options.searchCounts.back(), perEntry.back() / perEntry.front());
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const Options options = parsed(argc, argv);
    if (options.output.empty()
        || (options.inputs.empty() && options.smallCounts.empty()
            && options.searchCounts.empty())) {
        std::fprintf(stderr,
                     "usage: tervolan-windowbench [--runs N] [--split] -o OUTDIR FILE...\n"
                     "       tervolan-windowbench [--runs N] --small COUNT,... -o OUTDIR\n"
                     "       tervolan-windowbench [--runs N] --search COUNT,... -o OUTDIR\n");
        return 2;
    }

    QuietShell shell;
    ShellService::setInstance(&shell);
    Bench bench(options.output);
    bench.setSplit(options.split);
    if (!options.smallCounts.empty())
        return runSmallFiles(bench, options);
    if (!options.searchCounts.empty())
        return runSearch(bench, options);
    reportRatio("", bench.convert(options.inputs, options.runs));
    return 0;
}
