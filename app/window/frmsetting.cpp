#include "app/window/frmsetting.h"

#include "controls/button/kavobutton.h"
#include "controls/xpcombo/xpcombo.h"
#include "controls/xpcontainer/xpcontainer.h"
#include "dialogs/dialogbackend.h"
#include "platform/currentform.h"
#include "platform/formdescription.h"
#include "platform/twips.h"
#include "settings/settingsstore.h"

#include <QCloseEvent>
#include <QDir>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScreen>

#include <cmath>
#include <utility>

namespace {

const char *const HelpText
    = "Page Right Margin is based on Characters Per Line. If the Right Margin is not enough, "
      "Please set Characters/Line greater. If the Right Margin is too large, Please set the "
      "Characters/Line Less.";

QFont tahoma()
{
    return QFont("Tahoma", 9);
}

} // namespace

frmSetting::frmSetting(Settings &settings, std::filesystem::path configIni, QWidget *mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::FramelessWindowHint)
    , m_settings(settings)
    , m_configIni(std::move(configIni))
    , m_mainWindow(mainWindow)
{
    setObjectName("frmSetting");
    setWindowTitle("设置选项");
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFont(tahoma());
    std::optional<FormDescription> form = FormDescription::load(":/forms/frmsetting.json");
    createControls(form ? *form : FormDescription());
    keepFocusOnThePanel();
    connectHandlers();
}

QWidget *frmSetting::parentFor(const FormDescription &form, const QString &name)
{
    const FormDescription::Control *control = form.control(name);
    if (control && control->parent == "XPC")
        return m_xpc;
    if (control && control->parent == "XPCHelp")
        return m_help;
    return this;
}

// The window's font is each control's ambient font: a control without a
// font of its own (the combos) shows the labels' Tahoma.
void frmSetting::applyForm(const FormDescription &form, const QString &name, UserControl &control)
{
    AmbientProperties ambient = control.ambient();
    ambient.font = font();
    control.setAmbient(ambient);
    form.apply(name, control);
}

// The controls outside the panel are made first, so that they lie beneath
// it where the two overlap.
void frmSetting::createControls(const FormDescription &form)
{
    createCombo(form, "cmbPS");
    createLabel(form, "Label4", "Page Size:");
    createCombo(form, "cmbFontSize");
    createLabel(form, "Label6", "Font Size:");
    createLabel(form, "Label8", "What's This?");
    createImages(form);
    createLabel(form, "Label7", "Characters/Line:");
    createTextBox(form, "txtCPL");
    createLabel(form, "Label2", "Keywords:");
    createTextBox(form, "txtKeywords");
    createLabel(form, "Label1", "Author:");
    createTextBox(form, "txtAuthor");

    m_xpc = new XPContainer(this);
    applyForm(form, "XPC", *m_xpc);
    createLabel(form, "Label3", "输出路径:");
    auto *shape = new QFrame(m_xpc);
    form.place("Shape1", *shape);
    shape->setFrameShape(QFrame::Box);
    createTextBox(form, "txtPath");
    m_textBoxes["txtPath"]->setFrame(false);
    m_textBoxes["txtPath"]->setText("C:\\output");
    createButton(form, "Command1");
    createLabel(form, "Label11", "文件类型:");
    createCombo(form, "cmbCN");
    createLabel(form, "Label5", "字体:");
    createCombo(form, "cmbFont");
    createButton(form, "KAVOButton1");
    createButton(form, "KAVOButton2");

    m_help = new XPContainer(this);
    applyForm(form, "XPCHelp", *m_help);
    // The stored theme decides the panel's colours.
    m_help->setTheme(m_help->Theme());
    createLabel(form, "Label10", "Page Right Margin");
    m_labels["Label10"]->setStyleSheet("font-weight: bold");
    createLabel(form, "Label9", HelpText);
    m_labels["Label9"]->setWordWrap(true);
    m_labels["Label9"]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_help->hide();
    m_labels["Label8"]->setStyleSheet("color: blue; text-decoration: underline");

    // Each label names the field beside it for a screen reader.
    const std::pair<const char *, QWidget *> labelled[] = {
        {"Label4", m_combos["cmbPS"]},        {"Label6", m_combos["cmbFontSize"]},
        {"Label7", m_textBoxes["txtCPL"]},    {"Label2", m_textBoxes["txtKeywords"]},
        {"Label1", m_textBoxes["txtAuthor"]}, {"Label3", m_textBoxes["txtPath"]},
        {"Label11", m_combos["cmbCN"]},       {"Label5", m_combos["cmbFont"]},
    };
    for (const auto &[label, field] : labelled)
        m_labels[label]->setBuddy(field);
}

// The window is the panel's size: what lies beside or beneath the panel
// cannot be seen, so Tab passes it by. The panel's own controls were made
// in the order they are read.
void frmSetting::keepFocusOnThePanel()
{
    for (QWidget *child : findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child == m_xpc || child == m_help)
            continue;
        child->setFocusPolicy(Qt::NoFocus);
        for (QWidget *part : child->findChildren<QWidget *>())
            part->setFocusPolicy(Qt::NoFocus);
    }
    m_textBoxes["txtPath"]->setFocus();
}

void frmSetting::createCombo(const FormDescription &form, const QString &name)
{
    auto *combo = new XPCombo(parentFor(form, name));
    applyForm(form, name, *combo);
    m_combos[name] = combo;
}

void frmSetting::createButton(const FormDescription &form, const QString &name)
{
    auto *button = new KAVOButton(parentFor(form, name));
    applyForm(form, name, *button);
    m_buttons[name] = button;
}

void frmSetting::createTextBox(const FormDescription &form, const QString &name)
{
    auto *box = new QLineEdit(parentFor(form, name));
    form.place(name, *box);
    box->setFont(tahoma());
    m_textBoxes[name] = box;
}

void frmSetting::createLabel(const FormDescription &form, const QString &name,
                             const QString &caption)
{
    auto *label = new QLabel(caption, parentFor(form, name));
    form.place(name, *label);
    label->setFont(tahoma());
    m_labels[name] = label;
}

// Four thin empty strips around "What's This?": passing over any of them
// takes the help panel away again.
void frmSetting::createImages(const FormDescription &form)
{
    for (const char *name : {"Image1", "Image2", "Image3", "Image4"}) {
        auto *image = new QLabel(this);
        form.place(name, *image);
        image->setMouseTracking(true);
        image->installEventFilter(this);
        m_images << image;
    }
    m_labels["Label8"]->setMouseTracking(true);
    m_labels["Label8"]->installEventFilter(this);
}

void frmSetting::connectHandlers()
{
    connect(m_buttons["Command1"], &KAVOButton::Click, this, &frmSetting::Command1_Click);
    connect(m_buttons["KAVOButton1"], &KAVOButton::Click, this, &frmSetting::KAVOButton1_Click);
    connect(m_buttons["KAVOButton2"], &KAVOButton::Click, this, &frmSetting::KAVOButton2_Click);
    connect(m_combos["cmbPS"], &XPCombo::Click, this, &frmSetting::suggestCharsPerLine);
    connect(m_combos["cmbFontSize"], &XPCombo::Click, this, &frmSetting::suggestCharsPerLine);
    connect(m_combos["cmbFontSize"], &XPCombo::Change, this, &frmSetting::suggestCharsPerLine);
}

void frmSetting::load()
{
    CurrentForm::setForm(this);
    resize(m_xpc->size());
    fillLists();
    copyRecordIn();
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void frmSetting::fillLists()
{
    XPCombo *pageSize = m_combos["cmbPS"];
    for (const char *size : {"A3", "A4", "A5"})
        pageSize->AddItem(size);
    pageSize->setListIndex(1);
    for (const char *face : {"宋体", "黑体"})
        m_combos["cmbFont"]->AddItem(face);
    for (const char *language : {"中文", "英文"})
        m_combos["cmbCN"]->AddItem(language);
    m_combos["cmbFont"]->setLocked(true);
    XPCombo *fontSize = m_combos["cmbFontSize"];
    for (const char *size : {"8", "9", "10", "12", "14", "18", "24", "36", "60", "72"})
        fontSize->AddItem(size);
    fontSize->setListIndex(3);
}

// Setting the font size's text fires the suggestion; the stored characters
// per line then take its place.
void frmSetting::copyRecordIn()
{
    m_textBoxes["txtPath"]->setText(QString::fromStdString(m_settings.OutputFolder));
    m_textBoxes["txtKeywords"]->setText(QString::fromStdString(m_settings.Keywords));
    m_textBoxes["txtAuthor"]->setText(QString::fromStdString(m_settings.Author));
    m_combos["cmbPS"]->setText(QString::fromStdString(m_settings.PageSize));
    m_combos["cmbFont"]->setText(QString::fromStdString(m_settings.FontName));
    m_combos["cmbFontSize"]->setText(QString::number(m_settings.FontSize));
    m_combos["cmbCN"]->setText(QString::fromStdString(m_settings.Language));
    m_textBoxes["txtCPL"]->setText(QString::number(m_settings.CharsPerLine));
}

double frmSetting::leadingNumber(const QString &text)
{
    qsizetype end = 0;
    QString trimmed = text.trimmed();
    while (end < trimmed.size()
           && (trimmed[end].isDigit() || trimmed[end] == '.'
               || (end == 0 && (trimmed[end] == '-' || trimmed[end] == '+'))))
        ++end;
    for (; end > 0; --end) {
        bool ok = false;
        double value = trimmed.left(end).toDouble(&ok);
        if (ok)
            return value;
    }
    return 0;
}

void frmSetting::suggestCharsPerLine()
{
    QLineEdit *charsPerLine = m_textBoxes["txtCPL"];
    int pageSize = m_combos["cmbPS"]->ListIndex();
    if (pageSize == 0) {
        double fontSize = leadingNumber(m_combos["cmbFontSize"]->Text());
        // Without a size the division cannot be made and the box stays.
        if (fontSize != 0)
            charsPerLine->setText(QString::number(std::floor(150 / (fontSize / 10)), 'f', 0));
    } else if (pageSize == 1) {
        charsPerLine->setText("110");
    } else {
        charsPerLine->setText("70");
    }
}

// A cancelled browser gives the default output folder, whatever was shown.
void frmSetting::Command1_Click()
{
    std::optional<QString> folder
        = DialogBackend::instance().folder(this, "Please select a folder:");
    if (folder && !folder->isEmpty()) {
        qsizetype nul = folder->indexOf(QChar(0));
        m_textBoxes["txtPath"]->setText(nul < 0 ? *folder : folder->left(nul));
        return;
    }
    m_textBoxes["txtPath"]->setText(QDir::homePath() + "/output");
}

void frmSetting::Label8_MouseMove(float x, float y)
{
    m_help->show();
    m_help->raise();
    m_help->move(Twips::toPixels(int(x)), Twips::toPixels(int(y)));
}

void frmSetting::Image_MouseMove()
{
    m_help->hide();
}

bool frmSetting::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove) {
        if (watched == m_labels["Label8"]) {
            QPointF at = static_cast<QMouseEvent *>(event)->position();
            Label8_MouseMove(float(Twips::fromPixels(int(at.x()))),
                             float(Twips::fromPixels(int(at.y()))));
        } else if (m_images.contains(watched)) {
            Image_MouseMove();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmSetting::KAVOButton1_Click()
{
    m_textBoxes["txtCPL"]->setText(m_combos["cmbCN"]->Text() == "中文" ? "30" : "60");
    copyControlsOut();
    SaveSettings(m_settings, m_configIni);
    leave();
}

// Texts are taken as they stand; a font size that is no 16-bit number
// keeps the previous value.
void frmSetting::copyControlsOut()
{
    m_settings.Language = m_combos["cmbCN"]->Text().toStdString();
    m_settings.OutputFolder = m_textBoxes["txtPath"]->text().toStdString();
    m_settings.Keywords = m_textBoxes["txtKeywords"]->text().toStdString();
    m_settings.Author = m_textBoxes["txtAuthor"]->text().toStdString();
    m_settings.PageSize = m_combos["cmbPS"]->Text().toStdString();
    m_settings.FontName = m_combos["cmbFont"]->Text().toStdString();
    bool ok = false;
    double fontSize = m_combos["cmbFontSize"]->Text().trimmed().toDouble(&ok);
    if (ok && std::nearbyint(fontSize) >= -32768 && std::nearbyint(fontSize) <= 32767)
        m_settings.FontSize = int16_t(std::nearbyint(fontSize));
    m_settings.CharsPerLine = int16_t(m_textBoxes["txtCPL"]->text().toInt());
}

void frmSetting::KAVOButton2_Click()
{
    leave();
}

// Only OK and Return close the dialog, since only they give the header
// drag back to the main window; Escape does nothing, as Enter does nothing.
void frmSetting::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

// Closing from the window manager is Return.
void frmSetting::closeEvent(QCloseEvent *event)
{
    if (isVisible())
        KAVOButton2_Click();
    event->accept();
}

void frmSetting::leave()
{
    CurrentForm::setForm(m_mainWindow);
    accept();
}
