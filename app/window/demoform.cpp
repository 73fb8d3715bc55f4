#include "app/window/demoform.h"

#include "app/window/batchprogress.h"
#include "app/window/chinesereasons.h"
#include "app/window/emptylistfocusframe.h"
#include "app/window/filedropfilter.h"
#include "app/window/focusframedelegate.h"
#include "app/window/formbuilder.h"
#include "app/window/frmmenu.h"
#include "app/window/frmsetting.h"
#include "app/window/hintlabel.h"
#include "app/window/inputlist.h"
#include "app/window/linklabel.h"
#include "app/window/programicon.h"
#include "app/window/windowtexts.h"
#include "controls/button/kavobutton.h"
#include "controls/xpcontainer/xpcontainer.h"
#include "controls/xpprogressbar/xp_progressbar.h"
#include "dialogs/ccommondialogs.h"
#include "pdf/tervolanpdf.h"
#include "platform/currentform.h"
#include "platform/formdescription.h"
#include "platform/messageboxservice.h"
#include "platform/shellservice.h"
#include "settings/settingsstore.h"

#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QListWidget>
#include <QMenu>
#include <QScreen>
#include <QShortcut>
#include <QTimer>

#include <cstdlib>

namespace {

FormDescription mainWindowForm()
{
    std::optional<FormDescription> form = FormDescription::load(":/forms/demoform.json");
    return form ? *form : FormDescription();
}

} // namespace

DemoForm::DemoForm(QWidget *parent) : DemoForm(mainWindowForm(), parent) {}

DemoForm::DemoForm(const FormDescription &form, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_dialogs(std::make_unique<CCommonDialogs>())
    , m_endProgram([](int status) { std::exit(status); })
{
    setObjectName("DemoForm");
    setWindowIcon(ProgramIcon::icon());
    createControls(form);
    WindowTexts::applyToMainWindow(*this);
    orderKeyboardFocus();
    m_host = std::make_unique<WindowConversionHost>([this](int value) { m_pro->setValue(value); },
                                                    [this](int status) { m_endProgram(status); });
    m_pathList = std::make_unique<ListWidgetPathList>(m_list);
    m_inputs = new InputList(m_list, m_picText, m_lblText, *m_dialogs, m_searchEvents, this);
    connectHandlers();
}

DemoForm::~DemoForm() = default;

void DemoForm::createControls(const FormDescription &form)
{
    FormBuilder build(form, *this, "the main window");
    // Made in this order, so later controls lie on top of earlier ones and
    // all of them on top of the panel.
    m_xpc = build.make<XPContainer>("XPC");
    m_closeButton = build.make<KAVOButton>("KAVOButton1");
    m_addFileButton = build.make<KAVOButton>("KAVOButton2");
    m_addFolderButton = build.make<KAVOButton>("KAVOButton3");
    m_removeButton = build.make<KAVOButton>("KAVOButton4");
    m_settingsButton = build.make<KAVOButton>("KAVOButton7");
    m_websiteButton = build.make<KAVOButton>("KAVOButton5");
    m_exitButton = build.make<KAVOButton>("KAVOButton6");
    m_convertButton = build.make<KAVOButton>("Command1");
    m_helpButton = build.make<KAVOButton>("KAVOButton8");
    m_list = build.make<QListWidget>("List1");
    m_list->setItemDelegate(new FocusFrameDelegate(m_list));
    new EmptyListFocusFrame(m_list);
    m_picText = build.make<QWidget>("picText");
    m_picText->setAutoFillBackground(true);
    m_lblText = build.make<HintLabel>("lblText");
    m_lblText->setCaption(tr("拖拽TXT文件到这里放开"));
    m_lblText->setStyleSheet("color: grey");
    m_lblText->setAlignment(Qt::AlignCenter);
    m_pro = build.make<Xp_ProgressBar>("Pro");
    m_label3 = build.make<LinkLabel>("Label3");
    m_label3->setStyleSheet("color: blue");
    for (QWidget *plain : std::initializer_list<QWidget *>{m_list, m_picText, m_label3})
        plain->setFont(QFont("Tahoma", 9));
    m_frmMenu = new frmMenu(this);
    m_frmMenu->hide();
}

// Tab walks the controls as they are read: the header's X, the toolbar, the
// list, Convert, help; the window opens on the first tool.
void DemoForm::orderKeyboardFocus()
{
    const QList<QWidget *> order{m_closeButton,  m_addFileButton,  m_addFolderButton,
                                 m_removeButton, m_settingsButton, m_websiteButton,
                                 m_exitButton,   m_list,           m_convertButton,
                                 m_helpButton};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    m_addFileButton->setFocus();
}

void DemoForm::connectHandlers()
{
    connect(m_convertButton, &KAVOButton::Click, this, &DemoForm::Command1_Click);
    connect(m_closeButton, &KAVOButton::Click, this, &DemoForm::endProgram);
    connect(m_exitButton, &KAVOButton::Click, this, &DemoForm::endProgram);
    connect(m_addFileButton, &KAVOButton::Click, m_inputs, &InputList::addOneFile);
    connect(m_addFolderButton, &KAVOButton::Click, m_inputs, &InputList::AddFolder);
    connect(m_removeButton, &KAVOButton::Click, this,
            [this] { showRemoveMenu(m_removeButton->lastClickByKeyboard()); });
    connect(m_settingsButton, &KAVOButton::Click, this, &DemoForm::KAVOButton7_Click);
    auto openHelp = [] { ShellService::instance().open(HelpPage); };
    connect(m_websiteButton, &KAVOButton::Click, this, openHelp);
    connect(m_helpButton, &KAVOButton::Click, this, openHelp);
    connect(m_label3, &LinkLabel::clicked, this,
            [this] { ShellService::instance().open(m_label3->text()); });
    connect(m_frmMenu->MenuRemoveSelected(), &QAction::triggered, m_inputs,
            &InputList::removeSelected);
    // Emptying the list during a run stops it first: the run would
    // otherwise end as if every file were done.
    connect(m_frmMenu->menuRemoveAll(), &QAction::triggered, this, [this] {
        stopConversion();
        m_inputs->removeAll();
    });
    addShortcuts();

    m_drops = new FileDropFilter(this);
    m_drops->watch(m_list->viewport());
    m_drops->watch(m_picText);
    m_drops->watch(m_lblText);
    connect(m_drops, &FileDropFilter::filesDropped, m_inputs, &InputList::addDroppedFiles);
}

// Escape stops a run; the others reach from the keyboard what the toolbar
// offers to the pointer.
void DemoForm::addShortcuts()
{
    const std::pair<QKeySequence, std::function<void()>> keys[] = {
        {QKeySequence(Qt::Key_Escape), [this] { stopConversion(); }},
        {QKeySequence(Qt::CTRL | Qt::Key_O), [this] { m_inputs->addOneFile(); }},
        {QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { endProgram(); }},
        {QKeySequence(Qt::Key_F1), [] { ShellService::instance().open(HelpPage); }},
        {QKeySequence(Qt::Key_Delete), [this] { m_inputs->removeSelected(); }},
        {QKeySequence(Qt::Key_Menu), [this] { showRemoveMenu(/*underTheButton*/ true); }},
        {QKeySequence(Qt::SHIFT | Qt::Key_F10), [this] { showRemoveMenu(true); }},
    };
    for (const auto &[key, action] : keys)
        connect(new QShortcut(key, this), &QShortcut::activated, this, action);
}

void DemoForm::load(const QString &configIni)
{
    m_configIni = configIni;
    CurrentForm::setForm(this);
    m_dialogs->Init(this);
    m_pdfBox = CreateBox(/*window*/ intptr_t(winId()), /*reserved*/ 0);
    Settings &settings = programSettings();
    settings.Language = "中文";
    resize(m_xpc->size());
    warnOfConfigProblems(LoadSettings(settings, configIni.toStdString()));
    m_label3->setText(HomePage);
    setWindowTitle("Tervolan");
    m_xpc->setCaption("Tervolan");
    m_job = std::make_unique<ConversionJob>(m_pdfBox, settings, *m_host, *m_host);
    m_conversion = new ConversionDriver(*m_job, this);
    m_convertCaption = m_convertButton->Caption();
    connect(m_conversion, &ConversionDriver::finished, this, &DemoForm::conversionFinished);
    connect(m_conversion, &ConversionDriver::stepsTaken, this,
            [this] { m_pathList->layOutAfterRemovals(); });
    m_batch = new BatchProgress(
        *this, [this] { return m_list->count(); }, [this] { return m_host->finishedCount(); },
        this);
    centreOnScreen();
}

void DemoForm::centreOnScreen()
{
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void DemoForm::openPaths(const QByteArrayList &paths)
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
    // A copy started from the menu without files only calls the window up.
    if (!paths.isEmpty())
        m_inputs->addGivenPaths(paths);
}

// Pressed again while a run is under way, Convert stops it.
void DemoForm::Command1_Click()
{
    if (!m_conversion)
        return;
    if (m_conversion->isRunning()) {
        stopConversion();
        return;
    }
    if (!m_conversion->start(*m_pathList)) {
        m_host->showUnusableFolder();
        reportSkippedInputs();
        return;
    }
    m_convertButton->setCaption(tr(StopCaption));
    m_batch->runStarted();
}

// The document under way is dropped and its entry stays, with every one
// not yet converted, for the next Convert. Nothing says the run finished:
// no beep, no folder, the bar stays where it stood. What was skipped so far
// is still told, as those entries have left the list.
void DemoForm::stopConversion()
{
    if (!isConverting())
        return;
    m_conversion->abandon();
    m_convertButton->setCaption(m_convertCaption);
    m_batch->runEnded();
    reportSkippedInputs();
}

// A writer failure ends the program here, with the job no longer on the
// stack. The output folder opens once the box is dismissed, so the file
// manager cannot cover it.
void DemoForm::conversionFinished()
{
    m_convertButton->setCaption(m_convertCaption);
    m_batch->runEnded();
    if (m_host->endOnWriterFailure())
        return;
    reportSkippedInputs();
    m_host->showOutputFolder();
}

// The job goes on past inputs it cannot read or lay out, past text that
// runs off the page and past characters no font has; the person learns of
// them once, when it ends, each kind under its own heading.
void DemoForm::reportSkippedInputs()
{
    QStringList sections;
    if (QStringList skipped = m_host->takeSkipped(); !skipped.isEmpty())
        sections << tr("以下文件未能转换：") + "\n\n" + firstNames(skipped);
    if (QStringList offPage = m_host->takeOffPageWarnings(); !offPage.isEmpty())
        sections << tr("以下文件的部分文字超出页面：") + "\n\n" + firstNames(offPage);
    if (QStringList missing = m_host->takeMissingGlyphWarnings(); !missing.isEmpty())
        sections << tr("以下文件中有字体缺少的字符：") + "\n\n" + firstNames(missing);
    if (QStringList invalid = m_host->takeEncodingWarnings(); !invalid.isEmpty())
        sections << tr("以下文件中有无效的字节：") + "\n\n" + firstNames(invalid);
    if (sections.isEmpty())
        return;
    MessageBoxService::instance().show(this, sections.join("\n\n"), "Tervolan",
                                       MessageBoxService::Icon::Warning);
}

// A box naming tens of thousands of files froze the window as it laid
// them out: each heading names its first files and counts the rest.
QString DemoForm::firstNames(const QStringList &lines) const
{
    if (lines.size() <= NamesPerHeading)
        return lines.join('\n');
    return lines.first(NamesPerHeading).join('\n') + '\n'
        + tr("……另有 %n 个文件", nullptr, static_cast<int>(lines.size() - NamesPerHeading));
}

// Said once the window is up, so the box stands over it.
void DemoForm::warnOfConfigProblems(const std::vector<ConfigProblem> &problems)
{
    if (problems.empty())
        return;
    QStringList lines;
    for (const ConfigProblem &problem : problems)
        lines << ChineseReasons::text(problem);
    const QString message
        = tr("配置文件 %1 中有设置未被使用：").arg(m_configIni) + "\n\n" + lines.join('\n');
    QTimer::singleShot(0, this, [this, message] {
        MessageBoxService::instance().show(this, message, "Tervolan",
                                           MessageBoxService::Icon::Warning);
    });
}

void DemoForm::KAVOButton7_Click()
{
    frmSetting dialog(programSettings(), m_configIni.toStdString(), this);
    dialog.load();
    dialog.exec();
    // However the dialog ended, header drags move this window again.
    CurrentForm::setForm(this);
}

// From the keyboard the pointer may be anywhere; the menu belongs under
// the button then.
void DemoForm::showRemoveMenu(bool underTheButton)
{
    const QPoint at = underTheButton
        ? m_removeButton->mapToGlobal(QPoint(0, m_removeButton->height()))
        : QCursor::pos();
    m_frmMenu->menuRemove()->popup(at);
}

void DemoForm::closeEvent(QCloseEvent *event)
{
    event->accept();
    endProgram();
}

// Ending stops a conversion in the middle of a document: the document is
// dropped, so neither a partial PDF nor its temporary file stays behind.
void DemoForm::endProgram()
{
    if (m_conversion)
        m_conversion->abandon();
    m_endProgram(0);
}
