#include "app/window/chinesereasons.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

namespace {

SkipReason unreadable(ReadFailure::Kind kind, int errorNumber = 0)
{
    return SkipReason::unreadable({kind, errorNumber});
}

SkipReason onPage(SkipReason::Kind kind, int fontSize, int limit)
{
    SkipReason reason;
    reason.kind = kind;
    reason.fontSize = fontSize;
    reason.limit = limit;
    reason.pageName = "A4";
    return reason;
}

} // namespace

TEST(ChineseReasons, TheWindowWordsEachReasonInChinese)
{
    using Read = ReadFailure::Kind;
    using Kind = SkipReason::Kind;
    const struct {
        SkipReason reason;
        const char *chinese;
    } cases[] = {
        {unreadable(Read::CannotOpen, ENOENT), "无法打开: 没有那个文件或目录"},
        {unreadable(Read::CannotRead, EACCES), "无法读取: 权限不够"},
        {unreadable(Read::ReadFailed, EIO), "读取失败: 输入/输出错误"},
        {unreadable(Read::BinaryFile), "不是文本文件"},
        {unreadable(Read::IsFolder), "是文件夹，不是文本文件"},
        {unreadable(Read::NotRegularFile), "不是普通文件"},
        {SkipReason::ownPdf(), "就是它要转换成的PDF文件"},
        {onPage(Kind::FontSizeOutOfRange, 600, 500), "字号 600 超出 1-500 的范围"},
        {onPage(Kind::TextRunsOff, 72, 0), "字号 72 时文字超出A4页面；没有能放下的字号"},
        {SkipReason::glyphsMissing(12, {0x10FFFD}),
         "12 个字符在已安装的字体中都没有字形：U+10FFFD, …"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ChineseReasons::text(c.reason).toStdString(), c.chinese) << c.reason.english();
    EXPECT_EQ(ChineseReasons::errorText(EXDEV).toStdString(), std::strerror(EXDEV))
        << "an uncommon error keeps the system's words";
}
