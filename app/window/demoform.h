#pragma once

#include "app/conversionjob.h"
#include "app/window/conversiondriver.h"
#include "app/window/listwidgetpathlist.h"
#include "app/window/windowconversionhost.h"
#include "app/window/windoweventpump.h"
#include "settings/configproblem.h"

#include <QByteArrayList>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class BatchProgress;
class CCommonDialogs;
class FileDropFilter;
class FormDescription;
class HintLabel;
class InputList;
class KAVOButton;
class LinkLabel;
class QListWidget;
class XPContainer;
class Xp_ProgressBar;
class frmMenu;

// The main window: a borderless frame drawn by its panel, a toolbar of six
// picture buttons, the input list with its drop hint, the Convert button,
// the progress bar and the web address.
class DemoForm : public QWidget {
    Q_OBJECT

public:
    static constexpr const char *HomePage = "https://tervolan.org/";
    static constexpr const char *HelpPage = "https://tervolan.org/#help";

    // Built from the window's form description in the resources.
    explicit DemoForm(QWidget *parent = nullptr);
    // Throws std::runtime_error naming the first control form lacks: a
    // window missing one would start with a dead button.
    explicit DemoForm(const FormDescription &form, QWidget *parent = nullptr);
    ~DemoForm() override;

    // The start-up after the single-instance test: CurrentForm, the dialog
    // object, the PDF box, the language, the window's size, the settings
    // from config.ini, the captions.
    void load(const QString &configIni);

    // How the program ends; tests replace it to watch instead.
    void setProgramEnder(std::function<void(int)> ender) { m_endProgram = std::move(ender); }

    int PdfBox() const { return m_pdfBox; }
    CCommonDialogs &dialogs() { return *m_dialogs; }

    // The window's controls under their design names.
    XPContainer *XPC() const { return m_xpc; }
    KAVOButton *KAVOButton1() const { return m_closeButton; }
    KAVOButton *KAVOButton2() const { return m_addFileButton; }
    KAVOButton *KAVOButton3() const { return m_addFolderButton; }
    KAVOButton *KAVOButton4() const { return m_removeButton; }
    KAVOButton *KAVOButton5() const { return m_websiteButton; }
    KAVOButton *KAVOButton6() const { return m_exitButton; }
    KAVOButton *KAVOButton7() const { return m_settingsButton; }
    KAVOButton *KAVOButton8() const { return m_helpButton; }
    KAVOButton *Command1() const { return m_convertButton; }
    QListWidget *List1() const { return m_list; }
    QWidget *picText() const { return m_picText; }
    HintLabel *lblText() const { return m_lblText; }
    Xp_ProgressBar *Pro() const { return m_pro; }
    LinkLabel *Label3() const { return m_label3; }
    frmMenu *menus() const { return m_frmMenu; }

    // Paths given on the command line or handed over by a later copy: added
    // to the list as the Open dialog and AddFolder add them, with the
    // window brought to the front (no paths: only that).
    void openPaths(const QByteArrayList &paths);

    // Starts converting the list; the window stays usable while it runs
    // and learns of the end through conversionFinished. While a run is
    // under way its caption reads StopCaption, and it stops the run.
    void Command1_Click();
    // Padded as the form pads 立刻开始转换: the button shows as many bytes
    // of its GB18030 caption as the caption has characters.
    static constexpr const char *StopCaption = QT_TR_NOOP("  停止转换      ");
    // Ends a run where it stands, keeping what is left in the list (also
    // Escape in the window).
    void stopConversion();
    // Whether a run started by Convert is still under way.
    bool isConverting() const { return m_conversion && m_conversion->isRunning(); }
    // How far a run has come, for the desktop to show.
    BatchProgress *batchProgress() const { return m_batch; }
    // The Settings dialog, modal: the window waits until it closes.
    void KAVOButton7_Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls(const FormDescription &form);
    void orderKeyboardFocus();
    void connectHandlers();
    void addShortcuts();
    void showRemoveMenu(bool underTheButton);
    void conversionFinished();
    void reportSkippedInputs();
    static constexpr qsizetype NamesPerHeading = 30;
    QString firstNames(const QStringList &lines) const;
    void warnOfConfigProblems(const std::vector<ConfigProblem> &problems);
    void centreOnScreen();
    void endProgram();

    XPContainer *m_xpc = nullptr;
    KAVOButton *m_closeButton = nullptr;
    KAVOButton *m_addFileButton = nullptr;
    KAVOButton *m_addFolderButton = nullptr;
    KAVOButton *m_removeButton = nullptr;
    KAVOButton *m_settingsButton = nullptr;
    KAVOButton *m_websiteButton = nullptr;
    KAVOButton *m_exitButton = nullptr;
    KAVOButton *m_convertButton = nullptr;
    KAVOButton *m_helpButton = nullptr;
    QListWidget *m_list = nullptr;
    QWidget *m_picText = nullptr;
    HintLabel *m_lblText = nullptr;
    Xp_ProgressBar *m_pro = nullptr;
    LinkLabel *m_label3 = nullptr;
    frmMenu *m_frmMenu = nullptr;
    FileDropFilter *m_drops = nullptr;
    std::unique_ptr<CCommonDialogs> m_dialogs;
    std::unique_ptr<WindowConversionHost> m_host;
    std::unique_ptr<ListWidgetPathList> m_pathList;
    std::unique_ptr<ConversionJob> m_job;
    ConversionDriver *m_conversion = nullptr;
    BatchProgress *m_batch = nullptr;
    WindowEventPump m_searchEvents;
    InputList *m_inputs = nullptr;
    int m_pdfBox = -1;
    std::function<void(int)> m_endProgram;
    QString m_configIni;
    QString m_convertCaption;
};
