#include "app/window/windowtexts.h"

#include "app/window/demoform.h"
#include "app/window/frmsetting.h"
#include "controls/button/kavobutton.h"
#include "controls/xpcontainer/xpcontainer.h"

#include <QCoreApplication>
#include <QListWidget>

namespace {

// The captions the form descriptions hold, spaces and all, for lupdate.
[[maybe_unused]] const char *const FormCaptions[] = {
    QT_TRANSLATE_NOOP("FormCaption", "添加文件    "),
    QT_TRANSLATE_NOOP("FormCaption", "批量添加    "),
    QT_TRANSLATE_NOOP("FormCaption", "删除文件    "),
    QT_TRANSLATE_NOOP("FormCaption", "设置选项    "),
    QT_TRANSLATE_NOOP("FormCaption", "我们网站    "),
    QT_TRANSLATE_NOOP("FormCaption", "退出程序    "),
    QT_TRANSLATE_NOOP("FormCaption", "   立刻开始转换      "),
    QT_TRANSLATE_NOOP("FormCaption", "设置选项"),
    QT_TRANSLATE_NOOP("FormCaption", "确定  "),
    QT_TRANSLATE_NOOP("FormCaption", "返回  "),
};

QString translated(const QString &caption)
{
    return QCoreApplication::translate("FormCaption", caption.toUtf8().constData());
}

void translateCaptions(QWidget &window)
{
    for (KAVOButton *button : window.findChildren<KAVOButton *>())
        button->setCaption(translated(button->Caption()));
    for (XPContainer *panel : window.findChildren<XPContainer *>())
        panel->setCaption(translated(panel->Caption()));
}

QString spoken(const char *name)
{
    return QCoreApplication::translate("AccessibleName", name);
}

} // namespace

namespace WindowTexts {

void applyToMainWindow(DemoForm &form)
{
    translateCaptions(form);
    // The drop hint is no name for the list: it leaves once files are in.
    form.List1()->setAccessibleName(spoken(QT_TRANSLATE_NOOP("AccessibleName", "文件列表")));
    form.KAVOButton1()->setAccessibleName(spoken(QT_TRANSLATE_NOOP("AccessibleName", "关闭")));
    form.KAVOButton8()->setAccessibleName(spoken(QT_TRANSLATE_NOOP("AccessibleName", "帮助")));
}

void applyToSettingsDialog(frmSetting &dialog)
{
    translateCaptions(dialog);
    dialog.Command1()->setAccessibleName(spoken(QT_TRANSLATE_NOOP("AccessibleName", "浏览…")));
}

} // namespace WindowTexts
