// Times the window's conversion against the same job without the window:
// a list box, the window's conversion host (events handled at most every
// 15 ms) and its progress bar on the Qt offscreen platform, then the job
// with a host that never handles events, interleaved.
//
// Usage: tervolan-windowbench [--runs N] -o OUTDIR FILE...
// Prints one line per run and a last line
//   window <median s> plain <median s> ratio <window/plain>
#include "app/conversionjob.h"
#include "app/window/listwidgetpathlist.h"
#include "app/window/windowconversionhost.h"
#include "controls/xpprogressbar/xp_progressbar.h"
#include "pdf/tervolanpdf.h"
#include "platform/shellservice.h"

#include <QApplication>
#include <QListWidget>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// The folder shown at the end is only recorded: a benchmark opens nothing.
class QuietShell : public ShellService {
public:
    bool open(const QString &) override { return true; }
    bool showFiles(const QString &, const QStringList &) override { return true; }
};

// The job as the command line runs it: no events, no window.
class PlainHost : public ConversionHost, public ProgressDisplay {
public:
    void processPendingEvents() override {}
    void beep() override {}
    void openFolder(const std::string &) override {}
    void inputSkipped(const std::string &, const std::string &) override {}
    void inputWarning(const std::string &, const std::string &) override {}
    void documentWritten(const std::string &) override {}
    void outputFolderUnusable(const std::string &, const std::string &) override {}
    void pdfFailed(const std::string &, const std::string &) override {}
    void setValue(int) override {}
};

// The window's host, with the time spent in its event handling and
// progress display added up, to say where a gap to the plain job goes.
class TimedWindowHost : public WindowConversionHost {
public:
    using WindowConversionHost::WindowConversionHost;
    void processPendingEvents() override
    {
        const auto start = std::chrono::steady_clock::now();
        WindowConversionHost::processPendingEvents();
        eventSeconds
            += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    void setValue(int value) override
    {
        const auto start = std::chrono::steady_clock::now();
        WindowConversionHost::setValue(value);
        progressSeconds
            += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    double eventSeconds = 0;
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

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    int runs = 5;
    std::string output;
    std::vector<std::string> inputs;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--runs" && i + 1 < argc)
            runs = std::max(1, std::atoi(argv[++i]));
        else if (argument == "-o" && i + 1 < argc)
            output = argv[++i];
        else
            inputs.push_back(argument);
    }
    if (output.empty() || inputs.empty()) {
        std::fprintf(stderr, "usage: tervolan-windowbench [--runs N] -o OUTDIR FILE...\n");
        return 2;
    }

    QuietShell shell;
    ShellService::setInstance(&shell);
    Settings settings;
    settings.OutputFolder = output;
    settings.PageSize = "A4";
    settings.FontName = "宋体";
    settings.FontSize = 12;
    settings.CharsPerLine = 30;

    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *list = new QListWidget;
    auto *bar = new Xp_ProgressBar;
    layout->addWidget(list);
    layout->addWidget(bar);
    bar->setMinimumHeight(24);
    window.resize(480, 360);
    window.show();
    ListWidgetPathList paths(list);
    TimedWindowHost windowHost([bar](int value) { bar->setValue(value); });
    PlainHost plainHost;
    const int box = CreateBox(/*window*/ 0, /*reserved*/ 0);
    ConversionJob windowJob(box, settings, windowHost, windowHost);
    ConversionJob plainJob(box, settings, plainHost, plainHost);

    std::vector<double> windowTimes, plainTimes;
    for (int run = 0; run < runs; ++run) {
        // Alternating which goes first keeps warm caches from favouring one.
        ConversionJob *const first = run % 2 ? &plainJob : &windowJob;
        ConversionJob *const second = run % 2 ? &windowJob : &plainJob;
        for (ConversionJob *job : {first, second}) {
            for (const std::string &input : inputs)
                paths.append(input);
            const auto start = std::chrono::steady_clock::now();
            job->ConvertList(paths);
            (job == &windowJob ? windowTimes : plainTimes).push_back(seconds(start));
        }
        std::printf("run %d: window %.3f s (events %.3f s, progress %.3f s), plain %.3f s\n",
                    run + 1, windowTimes.back(), windowHost.eventSeconds,
                    windowHost.progressSeconds, plainTimes.back());
        windowHost.eventSeconds = windowHost.progressSeconds = 0;
    }
    const double windowMedian = median(windowTimes), plainMedian = median(plainTimes);
    std::printf("window %.4f plain %.4f ratio %.3f\n", windowMedian, plainMedian,
                windowMedian / plainMedian);
    return 0;
}
