#include "app/window/frmsetting.h"

#include "app/window/chinesereasons.h"
#include "app/window/formbuilder.h"
#include "app/window/windowtexts.h"

#include "controls/button/kavobutton.h"
#include "controls/xpcombo/xpcombo.h"
#include "controls/xpcontainer/xpcontainer.h"
#include "dialogs/dialogbackend.h"
#include "platform/currentform.h"
#include "platform/formdescription.h"
#include "platform/messageboxservice.h"
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

FormDescription settingsDialogForm()
{
    std::optional<FormDescription> form = FormDescription::load(":/forms/frmsetting.json");
    return form ? *form : FormDescription();
}

} // namespace

frmSetting::frmSetting(Settings &settings, std::filesystem::path configIni, QWidget *mainWindow)
    : frmSetting(settingsDialogForm(), settings, std::move(configIni), mainWindow)
{
}

frmSetting::frmSetting(const FormDescription &form, Settings &settings,
                       std::filesystem::path configIni, QWidget *mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::FramelessWindowHint)
    , m_settings(settings)
    , m_configIni(std::move(configIni))
    , m_mainWindow(mainWindow)
{
    setObjectName("frmSetting");
    setWindowTitle(tr("设置选项"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFont(tahoma());
    createControls(form);
    WindowTexts::applyToSettingsDialog(*this);
    keepFocusOnThePanel();
    connectHandlers();
}

// The window's font is each control's ambient font: a control without a
// font of its own (the combos) shows the labels' Tahoma. The controls
// outside the panel are made first, so that they lie beneath it where the
// two overlap.
void frmSetting::createControls(const FormDescription &form)
{
    FormBuilder build(form, *this, "the Settings dialog");
    build.setAmbientFont(font());
    createOffPanelControls(build);
    createPanel(build);
    createHelpPanel(build);
    m_helpLink->setStyleSheet("color: blue; text-decoration: underline");
}

// Each label names the field beside it for a screen reader.
void frmSetting::createOffPanelControls(FormBuilder &build)
{
    m_pageSize = build.make<XPCombo>("cmbPS");
    m_pageSizeLabel = createLabel(build, "Label4", "Page Size:");
    m_pageSizeLabel->setBuddy(m_pageSize);
    m_fontSize = build.make<XPCombo>("cmbFontSize");
    createLabel(build, "Label6", "Font Size:")->setBuddy(m_fontSize);
    m_helpLink = createLabel(build, "Label8", "What's This?");
    createImages(build);
    QLabel *charsPerLineLabel = createLabel(build, "Label7", "Characters/Line:");
    m_charsPerLine = createTextBox(build, "txtCPL");
    charsPerLineLabel->setBuddy(m_charsPerLine);
    QLabel *keywordsLabel = createLabel(build, "Label2", "Keywords:");
    m_keywords = createTextBox(build, "txtKeywords");
    keywordsLabel->setBuddy(m_keywords);
    QLabel *authorLabel = createLabel(build, "Label1", "Author:");
    m_author = createTextBox(build, "txtAuthor");
    authorLabel->setBuddy(m_author);
}

void frmSetting::createPanel(FormBuilder &build)
{
    m_xpc = build.make<XPContainer>("XPC");
    m_outputFolderLabel = createLabel(build, "Label3", tr("输出路径:"));
    build.make<QFrame>("Shape1")->setFrameShape(QFrame::Box);
    m_outputFolder = createTextBox(build, "txtPath");
    m_outputFolder->setFrame(false);
    m_outputFolder->setText("C:\\output");
    m_outputFolderLabel->setBuddy(m_outputFolder);
    m_browseButton = build.make<KAVOButton>("Command1");
    QLabel *languageLabel = createLabel(build, "Label11", tr("文件类型:"));
    m_language = build.make<XPCombo>("cmbCN");
    languageLabel->setBuddy(m_language);
    QLabel *fontLabel = createLabel(build, "Label5", tr("字体:"));
    m_fontName = build.make<XPCombo>("cmbFont");
    fontLabel->setBuddy(m_fontName);
    m_okButton = build.make<KAVOButton>("KAVOButton1");
    m_returnButton = build.make<KAVOButton>("KAVOButton2");
}

void frmSetting::createHelpPanel(FormBuilder &build)
{
    m_help = build.make<XPContainer>("XPCHelp");
    // The stored theme decides the panel's colours.
    m_help->setTheme(m_help->Theme());
    createLabel(build, "Label10", "Page Right Margin")->setStyleSheet("font-weight: bold");
    QLabel *helpText = createLabel(build, "Label9", HelpText);
    helpText->setWordWrap(true);
    helpText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_help->hide();
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
    m_outputFolder->setFocus();
}

QLineEdit *frmSetting::createTextBox(FormBuilder &build, const QString &name)
{
    auto *box = build.make<QLineEdit>(name);
    box->setFont(tahoma());
    return box;
}

QLabel *frmSetting::createLabel(FormBuilder &build, const QString &name, const QString &caption)
{
    auto *label = build.make<QLabel>(name);
    label->setText(caption);
    label->setFont(tahoma());
    return label;
}

// Four thin empty strips around "What's This?": passing over any of them
// takes the help panel away again.
void frmSetting::createImages(FormBuilder &build)
{
    for (const char *name : {"Image1", "Image2", "Image3", "Image4"}) {
        auto *image = build.make<QLabel>(name);
        image->setMouseTracking(true);
        image->installEventFilter(this);
        m_images << image;
    }
    m_helpLink->setMouseTracking(true);
    m_helpLink->installEventFilter(this);
}

void frmSetting::connectHandlers()
{
    connect(m_browseButton, &KAVOButton::Click, this, &frmSetting::Command1_Click);
    connect(m_okButton, &KAVOButton::Click, this, &frmSetting::KAVOButton1_Click);
    connect(m_returnButton, &KAVOButton::Click, this, &frmSetting::KAVOButton2_Click);
    connect(m_pageSize, &XPCombo::Click, this, &frmSetting::suggestCharsPerLine);
    connect(m_fontSize, &XPCombo::Click, this, &frmSetting::suggestCharsPerLine);
    connect(m_fontSize, &XPCombo::Change, this, &frmSetting::suggestCharsPerLine);
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
    XPCombo *pageSize = m_pageSize;
    for (const char *size : {"A3", "A4", "A5"})
        pageSize->AddItem(size);
    pageSize->setListIndex(1);
    for (const char *face : {"宋体", "黑体"})
        m_fontName->AddItem(face);
    for (const char *language : {"中文", "英文"})
        m_language->AddItem(language);
    m_fontName->setLocked(true);
    XPCombo *fontSize = m_fontSize;
    for (const char *size : {"8", "9", "10", "12", "14", "18", "24", "36", "60", "72"})
        fontSize->AddItem(size);
    fontSize->setListIndex(3);
}

// Setting the font size's text fires the suggestion; the stored characters
// per line then take its place.
void frmSetting::copyRecordIn()
{
    m_outputFolder->setText(QString::fromStdString(m_settings.OutputFolder));
    m_keywords->setText(QString::fromStdString(m_settings.Keywords));
    m_author->setText(QString::fromStdString(m_settings.Author));
    m_pageSize->setText(QString::fromStdString(m_settings.PageSize));
    m_fontName->setText(QString::fromStdString(m_settings.FontName));
    m_fontSize->setText(QString::number(m_settings.FontSize));
    m_language->setText(QString::fromStdString(m_settings.Language));
    m_charsPerLine->setText(QString::number(m_settings.CharsPerLine));
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
    QLineEdit *charsPerLine = m_charsPerLine;
    int pageSize = m_pageSize->ListIndex();
    if (pageSize == 0) {
        double fontSize = leadingNumber(m_fontSize->Text());
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
        m_outputFolder->setText(nul < 0 ? *folder : folder->left(nul));
        return;
    }
    m_outputFolder->setText(QDir::homePath() + "/output");
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
        if (watched == m_helpLink) {
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
    m_charsPerLine->setText(m_language->Text() == "中文" ? "30" : "60");
    copyControlsOut();
    saveOrSayWhy();
    leave();
}

// The dialog closes either way: the settings stay in use for this session,
// and the person learns that they were not kept.
void frmSetting::saveOrSayWhy()
{
    int errorNumber = 0;
    if (SaveSettings(m_settings, m_configIni, &errorNumber))
        return;
    MessageBoxService::instance().show(this,
                                       tr("无法保存设置到 %1：%2")
                                           .arg(QString::fromStdString(m_configIni.string()),
                                                ChineseReasons::errorText(errorNumber)),
                                       "Tervolan", MessageBoxService::Icon::Warning);
}

// Texts are taken as they stand; a font size that is no 16-bit number
// keeps the previous value.
void frmSetting::copyControlsOut()
{
    m_settings.Language = m_language->Text().toStdString();
    m_settings.OutputFolder = m_outputFolder->text().toStdString();
    m_settings.Keywords = m_keywords->text().toStdString();
    m_settings.Author = m_author->text().toStdString();
    m_settings.PageSize = m_pageSize->Text().toStdString();
    m_settings.FontName = m_fontName->Text().toStdString();
    bool ok = false;
    double fontSize = m_fontSize->Text().trimmed().toDouble(&ok);
    if (ok && std::nearbyint(fontSize) >= -32768 && std::nearbyint(fontSize) <= 32767)
        m_settings.FontSize = int16_t(std::nearbyint(fontSize));
    m_settings.CharsPerLine = int16_t(m_charsPerLine->text().toInt());
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
