#include "app/window/accessiblecontrols.h"
#include "app/window/batchprogress.h"
#include "app/window/chinesefaces.h"
#include "app/window/demoform.h"
#include "app/window/frmsetting.h"
#include "app/window/lightlook.h"
#include "app/window/openrequestserver.h"
#include "app/window/programtranslations.h"
#include "app/window/runtimefolder.h"
#include "app/window/startclaim.h"
#include "app/window/utf8locale.h"
#include "app/window/wholescalefactor.h"
#include "platform/launcherentry.h"
#include "settings/settingsstore.h"

#include <QApplication>
#include <QByteArrayList>
#include <QTimer>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>

namespace {

// The paths the program was started with (Qt has taken its own options
// out), as bytes and absolute: a running copy that is handed them works in
// another folder.
QByteArrayList commandLinePaths(int argc, char **argv)
{
    QByteArrayList paths;
    for (int index = 1; index < argc; ++index) {
        if (argv[index][0] == '\0')
            continue;
        std::error_code error;
        std::filesystem::path absolute = std::filesystem::absolute(argv[index], error);
        std::string path
            = (error ? std::filesystem::path(argv[index]) : absolute).lexically_normal().string();
        if (path.size() > 1 && path.back() == '/')
            path.pop_back();
        paths << QByteArray::fromStdString(path);
    }
    return paths;
}

// The exit status of a copy that leaves the running to another one.
std::optional<int> endStatusUnlessFirstCopy(StartClaim &start)
{
    switch (start.claim()) {
    case StartClaim::Outcome::RunHere: break;
    case StartClaim::Outcome::HandedOver:
    case StartClaim::Outcome::NothingToHand: return 0;
    case StartClaim::Outcome::HandOverFailed:
        std::fprintf(stderr, "tervolan: the running copy did not take the files\n");
        return 1;
    }
    if (!start.instance().warning().isEmpty())
        std::fprintf(stderr, "tervolan: %s\n", qUtf8Printable(start.instance().warning()));
    return std::nullopt;
}

void listenForLaterCopies(OpenRequestServer &requests, const QString &socketPath)
{
    if (!requests.listen(socketPath))
        std::fprintf(stderr, "tervolan: later copies cannot hand files over: %s\n",
                     qUtf8Printable(requests.errorString()));
}

// Later copies hand their paths to this one through the socket; the first
// copy's own paths join the list once the window is up.
void openPathsInWindow(DemoForm &form, OpenRequestServer &requests, const QByteArrayList &paths)
{
    QObject::connect(&requests, &OpenRequestServer::pathsReceived, &form, &DemoForm::openPaths);
    if (!paths.isEmpty())
        QTimer::singleShot(0, &form, [&form, paths] { form.openPaths(paths); });
}

// The desktop's launcher shows a run's progress on the program's icon.
void showRunsInTheLauncher(DemoForm &form, LauncherEntry &launcher)
{
    QObject::connect(form.batchProgress(), &BatchProgress::progressed, &form,
                     [&launcher](double fraction) { launcher.showProgress(fraction); });
    QObject::connect(form.batchProgress(), &BatchProgress::ended, &form,
                     [&launcher] { launcher.hideProgress(); });
}

} // namespace

int main(int argc, char **argv)
{
    Utf8Locale::chooseBeforeStart();
    WholeScaleFactor::roundBeforeStart();
    // The single-instance test comes first: a second copy hands its paths
    // to the running one and ends before it shows anything.
    QApplication application(argc, argv);
    ProgramTranslations::install(application);
    ChineseFaces::preferSimplifiedChinese();
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName("org.tervolan.Tervolan");
    AccessibleControls::install();
    QByteArrayList paths = commandLinePaths(argc, argv);
    const RuntimeFolder runtime = RuntimeFolder::find();
    StartClaim start(paths, runtime.lockPath(), runtime.socketPath());
    OpenRequestServer requests;
    // Without a folder of the user's own there is no safe place for the
    // lock or the socket: better a copy on its own than a hand-over to
    // whoever planted them.
    if (!runtime.problem().isEmpty())
        std::fprintf(stderr, "tervolan: %s; starting as a separate copy, without the hand-over\n",
                     qUtf8Printable(runtime.problem()));
    else if (std::optional<int> status = endStatusUnlessFirstCopy(start))
        return *status;
    else
        listenForLaterCopies(requests, runtime.socketPath());
    LightLook::apply();

    // A form description without one of the windows' controls is a broken
    // build: say which control, instead of running with a dead button. The
    // Settings dialog is made once here, so that its form is checked at
    // start-up too and not when the settings button is first pressed.
    std::unique_ptr<DemoForm> form;
    try {
        form = std::make_unique<DemoForm>();
        frmSetting formCheck(programSettings(), configIniPath(), form.get());
    } catch (const std::runtime_error &error) {
        std::fprintf(stderr, "tervolan: %s\n", error.what());
        return 1;
    }
    form->load(QString::fromStdString(configIniPath().string()));
    LauncherEntry launcher(QDBusConnection::sessionBus(), QGuiApplication::desktopFileName());
    showRunsInTheLauncher(*form, launcher);
    form->show();
    openPathsInWindow(*form, requests, paths);
    return application.exec();
}
