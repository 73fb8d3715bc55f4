#pragma once

#include "settings/settings.h"

#include <QDialog>
#include <QMap>

#include <filesystem>

class FormDescription;
class KAVOButton;
class QLabel;
class QLineEdit;
class UserControl;
class XPCombo;
class XPContainer;

// The Settings dialog: output folder, language and font, and the page size,
// font size, characters per line, author and keywords that travel with
// them between the settings record and config.ini. It shows the record as
// it is in memory and changes it only on OK.
class frmSetting : public QDialog {
    Q_OBJECT

public:
    frmSetting(Settings &settings, std::filesystem::path configIni, QWidget *mainWindow);

    // The load: CurrentForm, the window's size, the lists, then the record
    // copied into the controls.
    void load();

    XPContainer *XPC() const { return m_xpc; }
    XPContainer *XPCHelp() const { return m_help; }
    XPCombo *combo(const QString &name) const { return m_combos.value(name); }
    QLineEdit *textBox(const QString &name) const { return m_textBoxes.value(name); }
    KAVOButton *button(const QString &name) const { return m_buttons.value(name); }
    QLabel *label(const QString &name) const { return m_labels.value(name); }

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
    void keepFocusOnThePanel();
    QWidget *parentFor(const FormDescription &form, const QString &name);
    void applyForm(const FormDescription &form, const QString &name, UserControl &control);
    void createCombo(const FormDescription &form, const QString &name);
    void createButton(const FormDescription &form, const QString &name);
    void createTextBox(const FormDescription &form, const QString &name);
    void createLabel(const FormDescription &form, const QString &name, const QString &caption);
    void createImages(const FormDescription &form);
    void connectHandlers();
    void fillLists();
    void copyRecordIn();
    void copyControlsOut();
    void leave();

    Settings &m_settings;
    std::filesystem::path m_configIni;
    QWidget *m_mainWindow;
    XPContainer *m_xpc = nullptr;
    XPContainer *m_help = nullptr;
    QMap<QString, XPCombo *> m_combos;
    QMap<QString, QLineEdit *> m_textBoxes;
    QMap<QString, KAVOButton *> m_buttons;
    QMap<QString, QLabel *> m_labels;
    QList<QLabel *> m_images;
};
