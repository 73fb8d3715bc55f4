#include "app/window/demoform.h"

#include "app/window/filedropfilter.h"
#include "app/window/frmmenu.h"
#include "app/window/hintlabel.h"
#include "app/window/inputlist.h"
#include "app/window/linklabel.h"
#include "controls/button/kavobutton.h"
#include "controls/xpcontainer/xpcontainer.h"
#include "controls/xpprogressbar/xp_progressbar.h"
#include "dialogs/ccommondialogs.h"
#include "pdf/tervolanpdf.h"
#include "platform/currentform.h"
#include "platform/formdescription.h"
#include "platform/messageboxservice.h"
#include "platform/shellservice.h"
#include "app/window/frmsetting.h"
#include "settings/settingsstore.h"

#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QListWidget>
#include <QMenu>
#include <QScreen>

#include <cstdlib>

namespace {

const char *const ButtonNames[] = {"KAVOButton1", "KAVOButton2", "KAVOButton3", "KAVOButton4", "KAVOButton7",
                                   "KAVOButton5", "KAVOButton6", "Command1",    "KAVOButton8"};

} // namespace

DemoForm::DemoForm(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_dialogs(std::make_unique<CCommonDialogs>())
    , m_endProgram([](int status) { std::exit(status); })
{
    setObjectName("DemoForm");
    setWindowIcon(QIcon(":/pictures/tervolan.png"));
    std::optional<FormDescription> form = FormDescription::load(":/forms/demoform.json");
    createControls(form ? *form : FormDescription());
    m_host = std::make_unique<WindowConversionHost>([this](int value) { m_pro->setValue(value); });
    m_pathList = std::make_unique<ListWidgetPathList>(m_list);
    m_inputs = new InputList(m_list, m_picText, m_lblText, *m_dialogs, *m_host, this);
    connectHandlers();
}

DemoForm::~DemoForm() = default;

void DemoForm::createControls(const FormDescription &form)
{
    // Made first, so every other control lies on top of the panel.
    m_xpc = new XPContainer(this);
    form.apply("XPC", *m_xpc);
    for (const char *name : ButtonNames) {
        auto *button = new KAVOButton(this);
        form.apply(name, *button);
        m_buttons << button;
    }
    m_list = new QListWidget(this);
    form.place("List1", *m_list);
    m_picText = new QWidget(this);
    form.place("picText", *m_picText);
    m_picText->setAutoFillBackground(true);
    m_lblText = new HintLabel(m_picText);
    form.place("lblText", *m_lblText);
    m_lblText->setCaption("拖拽TXT文件到这里放开");
    m_lblText->setStyleSheet("color: grey");
    m_lblText->setAlignment(Qt::AlignCenter);
    m_pro = new Xp_ProgressBar(this);
    form.apply("Pro", *m_pro);
    m_label3 = new LinkLabel(this);
    form.place("Label3", *m_label3);
    m_label3->setStyleSheet("color: blue");
    for (QWidget *plain : std::initializer_list<QWidget *>{m_list, m_picText, m_label3})
        plain->setFont(QFont("Tahoma", 9));
    m_frmMenu = new frmMenu(this);
    m_frmMenu->hide();
}

KAVOButton *DemoForm::button(const QString &name) const
{
    for (KAVOButton *candidate : m_buttons) {
        if (candidate->objectName() == name)
            return candidate;
    }
    return nullptr;
}

void DemoForm::connectHandlers()
{
    connect(button("Command1"), &KAVOButton::Click, this, &DemoForm::Command1_Click);
    connect(button("KAVOButton1"), &KAVOButton::Click, this, &DemoForm::endProgram);
    connect(button("KAVOButton6"), &KAVOButton::Click, this, &DemoForm::endProgram);
    connect(button("KAVOButton2"), &KAVOButton::Click, m_inputs, &InputList::addOneFile);
    connect(button("KAVOButton3"), &KAVOButton::Click, m_inputs, &InputList::AddFolder);
    connect(button("KAVOButton4"), &KAVOButton::Click, this, &DemoForm::showRemoveMenu);
    connect(button("KAVOButton7"), &KAVOButton::Click, this, &DemoForm::KAVOButton7_Click);
    auto openHelp = [] { ShellService::instance().open(HelpPage); };
    connect(button("KAVOButton5"), &KAVOButton::Click, this, openHelp);
    connect(button("KAVOButton8"), &KAVOButton::Click, this, openHelp);
    connect(m_label3, &LinkLabel::clicked, this, [this] { ShellService::instance().open(m_label3->text()); });
    connect(m_frmMenu->MenuRemoveSelected(), &QAction::triggered, m_inputs, &InputList::removeSelected);
    connect(m_frmMenu->menuRemoveAll(), &QAction::triggered, m_inputs, &InputList::removeAll);

    m_drops = new FileDropFilter(this);
    m_drops->watch(m_list->viewport());
    m_drops->watch(m_picText);
    m_drops->watch(m_lblText);
    connect(m_drops, &FileDropFilter::filesDropped, m_inputs, &InputList::addDroppedFiles);
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
    LoadSettings(settings, configIni.toStdString());
    m_label3->setText(HomePage);
    setWindowTitle("Tervolan");
    m_xpc->setCaption("Tervolan");
    m_job = std::make_unique<ConversionJob>(m_pdfBox, settings, *m_host, *m_host);
    centreOnScreen();
}

void DemoForm::centreOnScreen()
{
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void DemoForm::Command1_Click()
{
    if (!m_job || m_job->isRunning())
        return;
    m_job->ConvertList(*m_pathList);
    reportSkippedInputs();
}

// The job goes on past inputs it cannot read; the person learns of them
// once, when it ends.
void DemoForm::reportSkippedInputs()
{
    QStringList skipped = m_host->takeSkipped();
    if (skipped.isEmpty())
        return;
    MessageBoxService::instance().show(this, "以下文件未能转换：\n\n" + skipped.join('\n'), "Tervolan",
                                       MessageBoxService::Icon::Warning);
}

void DemoForm::KAVOButton7_Click()
{
    frmSetting dialog(programSettings(), m_configIni.toStdString(), this);
    dialog.load();
    dialog.exec();
}

void DemoForm::showRemoveMenu()
{
    m_frmMenu->menuRemove()->popup(QCursor::pos());
}

void DemoForm::closeEvent(QCloseEvent *event)
{
    event->accept();
    endProgram();
}

// Ending at once also stops a conversion in the middle of a document;
// nothing is saved.
void DemoForm::endProgram()
{
    m_endProgram(0);
}
