#include "app/window/chinesereasons.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>

namespace {

// A text of this file in the window's language: written in Chinese,
// translated on a desktop that is not.
QString said(const char *text)
{
    return QCoreApplication::translate("ChineseReasons", text);
}

QString withError(const char *what, int errorNumber)
{
    const QString text = said(what);
    if (errorNumber == 0)
        return text;
    return text + ": " + ChineseReasons::errorText(errorNumber);
}

QString pageText(const SkipReason &reason)
{
    const QString size = QString::number(reason.fontSize);
    const QString page = QString::fromStdString(reason.pageName);
    if (reason.kind == SkipReason::Kind::FirstLineBelowPage)
        return said(QT_TRANSLATE_NOOP("ChineseReasons",
                                      "字号 %1 使第一行落在%2页面之外（字号最大为 %3 才能放下）"))
            .arg(size, page, QString::number(reason.limit));
    const QString what
        = said(QT_TRANSLATE_NOOP("ChineseReasons", "字号 %1 时文字超出%2页面")).arg(size, page);
    if (reason.limit == 0)
        return what + said(QT_TRANSLATE_NOOP("ChineseReasons", "；没有能放下的字号"));
    return what
        + said(QT_TRANSLATE_NOOP("ChineseReasons", "；能放下的最大字号为 %1")).arg(reason.limit);
}

} // namespace

QString ChineseReasons::text(const SkipReason &reason)
{
    switch (reason.kind) {
    case SkipReason::Kind::IsOwnPdf:
        return said(QT_TRANSLATE_NOOP("ChineseReasons", "就是它要转换成的PDF文件"));
    case SkipReason::Kind::Unreadable: return text(reason.read);
    case SkipReason::Kind::FontSizeOutOfRange:
        return said(QT_TRANSLATE_NOOP("ChineseReasons", "字号 %1 超出 1-%2 的范围"))
            .arg(reason.fontSize)
            .arg(reason.limit);
    case SkipReason::Kind::FirstLineBelowPage:
    case SkipReason::Kind::TextRunsOff: return pageText(reason);
    case SkipReason::Kind::GlyphsMissing:
        return said(QT_TRANSLATE_NOOP("ChineseReasons", "%1 个字符在已安装的字体中都没有字形：%2"))
            .arg(reason.limit)
            .arg(QString::fromStdString(reason.missingList()));
    case SkipReason::Kind::InvalidBytes:
        return said(QT_TRANSLATE_NOOP("ChineseReasons", "有 %1 个无效的 %2 %3，各显示为 U+FFFD"))
            .arg(reason.limit)
            .arg(QString::fromStdString(reason.encoding),
                 reason.invalidUnit() == "byte"
                     ? said(QT_TRANSLATE_NOOP("ChineseReasons", "字节"))
                     : said(QT_TRANSLATE_NOOP("ChineseReasons", "代码单元")));
    case SkipReason::Kind::MarkContradicts:
        return said(
                   QT_TRANSLATE_NOOP("ChineseReasons", "字节顺序标记表明是 %1，但按要求以 %2 读取"))
            .arg(QString::fromStdString(reason.markedEncoding),
                 QString::fromStdString(reason.encoding));
    }
    return QString::fromStdString(reason.english());
}

QString ChineseReasons::text(const ReadFailure &failure)
{
    switch (failure.kind) {
    case ReadFailure::Kind::None: return "";
    case ReadFailure::Kind::NotRegularFile:
        return said(QT_TRANSLATE_NOOP("ChineseReasons", "不是普通文件"));
    case ReadFailure::Kind::CannotOpen:
        return withError(QT_TRANSLATE_NOOP("ChineseReasons", "无法打开"), failure.errorNumber);
    case ReadFailure::Kind::CannotRead:
        return withError(QT_TRANSLATE_NOOP("ChineseReasons", "无法读取"), failure.errorNumber);
    case ReadFailure::Kind::IsFolder:
        return said(QT_TRANSLATE_NOOP("ChineseReasons", "是文件夹，不是文本文件"));
    case ReadFailure::Kind::BinaryFile:
        return said(QT_TRANSLATE_NOOP("ChineseReasons", "不是文本文件"));
    case ReadFailure::Kind::ReadFailed:
        return withError(QT_TRANSLATE_NOOP("ChineseReasons", "读取失败"), failure.errorNumber);
    }
    return QString::fromStdString(failure.english());
}

QString ChineseReasons::text(const ConfigProblem &problem)
{
    if (problem.failure.kind != ReadFailure::Kind::None)
        return text(problem.failure)
            + said(QT_TRANSLATE_NOOP("ChineseReasons", "，其中的设置未被使用"));
    const QString field = problem.field == "FontSize"
        ? said(QT_TRANSLATE_NOOP("ChineseReasons", "字号"))
        : said(QT_TRANSLATE_NOOP("ChineseReasons", "每行字数"));
    return said(QT_TRANSLATE_NOOP("ChineseReasons", "%1“%2”不是 -32768 到 32767 之间的数，已忽略"))
        .arg(field, QString::fromStdString(problem.value));
}

QString ChineseReasons::errorText(int errorNumber)
{
    switch (errorNumber) {
    case ENOENT: return said(QT_TRANSLATE_NOOP("ChineseReasons", "没有那个文件或目录"));
    case EACCES: return said(QT_TRANSLATE_NOOP("ChineseReasons", "权限不够"));
    case EISDIR: return said(QT_TRANSLATE_NOOP("ChineseReasons", "是一个目录"));
    case ENOSPC: return said(QT_TRANSLATE_NOOP("ChineseReasons", "设备上没有空间"));
    case EROFS: return said(QT_TRANSLATE_NOOP("ChineseReasons", "只读文件系统"));
    case EIO: return said(QT_TRANSLATE_NOOP("ChineseReasons", "输入/输出错误"));
    case ENAMETOOLONG: return said(QT_TRANSLATE_NOOP("ChineseReasons", "文件名过长"));
    case ELOOP: return said(QT_TRANSLATE_NOOP("ChineseReasons", "符号链接的层数过多"));
    case ENOTDIR: return said(QT_TRANSLATE_NOOP("ChineseReasons", "不是目录"));
    }
    return QString::fromLocal8Bit(std::strerror(errorNumber));
}
