#pragma once

#include "settings/settings.h"

#include <QDialog>
#include <QList>

#include <filesystem>

class FormBuilder;
class FormDescription;
class KAVOButton;
class QLabel;
class QLineEdit;
class XPCombo;
class XPContainer;

// The Settings dialog: output folder, language and font, and the page size,
// font size, characters per line, author and keywords that travel with
// them between the settings record and config.ini. It shows the record as
// it is in memory and changes it only on OK.
class frmSetting : public QDialog {
    Q_OBJECT

public:
    // Built from the dialog's form description in the resources.
    frmSetting(Settings &settings, std::filesystem::path configIni, QWidget *mainWindow);
    // Throws std::runtime_error naming the first control form lacks.
    frmSetting(const FormDescription &form, Settings &settings, std::filesystem::path configIni,
               QWidget *mainWindow);

    // The load: CurrentForm, the window's size, the lists, then the record
    // copied into the controls.
    void load();

    // The dialog's controls under their design names.
    XPContainer *XPC() const { return m_xpc; }
    XPContainer *XPCHelp() const { return m_help; }
    XPCombo *cmbPS() const { return m_pageSize; }
    XPCombo *cmbFontSize() const { return m_fontSize; }
    XPCombo *cmbCN() const { return m_language; }
    XPCombo *cmbFont() const { return m_fontName; }
    QLineEdit *txtPath() const { return m_outputFolder; }
    QLineEdit *txtCPL() const { return m_charsPerLine; }
    QLineEdit *txtKeywords() const { return m_keywords; }
    QLineEdit *txtAuthor() const { return m_author; }
    KAVOButton *Command1() const { return m_browseButton; }
    KAVOButton *KAVOButton1() const { return m_okButton; }
    KAVOButton *KAVOButton2() const { return m_returnButton; }
    QLabel *Label3() const { return m_outputFolderLabel; }
    QLabel *Label4() const { return m_pageSizeLabel; }

    void Command1_Click();
    void KAVOButton1_Click();
    void KAVOButton2_Click();
    // Shows the help panel with its corner at (x, y) twips.
    void Label8_MouseMove(float x, float y);
    void Image_MouseMove();

    // The suggestion for txtCPL from the page size and font size.
    void suggestCharsPerLine();
    // The leading number of a text ("10.5pt" gives 10.5), 0 without one.
    static double leadingNumber(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls(const FormDescription &form);
    void createOffPanelControls(FormBuilder &build);
    void createPanel(FormBuilder &build);
    void createHelpPanel(FormBuilder &build);
    void keepFocusOnThePanel();
    static QLineEdit *createTextBox(FormBuilder &build, const QString &name);
    static QLabel *createLabel(FormBuilder &build, const QString &name, const QString &caption);
    void createImages(FormBuilder &build);
    void connectHandlers();
    void fillLists();
    void copyRecordIn();
    void copyControlsOut();
    void saveOrSayWhy();
    void leave();

    Settings &m_settings;
    std::filesystem::path m_configIni;
    QWidget *m_mainWindow;
    XPContainer *m_xpc = nullptr;
    XPContainer *m_help = nullptr;
    XPCombo *m_pageSize = nullptr;
    XPCombo *m_fontSize = nullptr;
    XPCombo *m_language = nullptr;
    XPCombo *m_fontName = nullptr;
    QLineEdit *m_outputFolder = nullptr;
    QLineEdit *m_charsPerLine = nullptr;
    QLineEdit *m_keywords = nullptr;
    QLineEdit *m_author = nullptr;
    KAVOButton *m_browseButton = nullptr;
    KAVOButton *m_okButton = nullptr;
    KAVOButton *m_returnButton = nullptr;
    QLabel *m_outputFolderLabel = nullptr;
    QLabel *m_pageSizeLabel = nullptr;
    QLabel *m_helpLink = nullptr;
    QList<QLabel *> m_images;
};
