<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>AccessibleName</name>
    <message>
        <source>文件列表</source>
        <translation>File list</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>浏览…</source>
        <translation>Browse…</translation>
    </message>
</context>
<context>
    <name>ChineseReasons</name>
    <message>
        <source>字号 %1 使第一行落在%2页面之外（字号最大为 %3 才能放下）</source>
        <translation>at font size %1 the first line falls below the %2 page (at most font size %3 fits)</translation>
    </message>
    <message>
        <source>字号 %1 时文字超出%2页面</source>
        <translation>at font size %1 the text runs off the %2 page</translation>
    </message>
    <message>
        <source>；没有能放下的字号</source>
        <translation>; no font size fits</translation>
    </message>
    <message>
        <source>；能放下的最大字号为 %1</source>
        <translation>; the largest font size that fits is %1</translation>
    </message>
    <message>
        <source>就是它要转换成的PDF文件</source>
        <translation>it is the PDF it would be converted into</translation>
    </message>
    <message>
        <source>字号 %1 超出 1-%2 的范围</source>
        <translation>font size %1 is outside 1-%2</translation>
    </message>
    <message>
        <source>%1 个字符在已安装的字体中都没有字形：%2</source>
        <translation>%1 characters have no glyph in any installed font: %2</translation>
    </message>
    <message>
        <source>有 %1 个无效的 %2 %3，各显示为 U+FFFD</source>
        <translation>%1 invalid %2 %3, each shown as U+FFFD</translation>
    </message>
    <message>
        <source>字节</source>
        <translation>bytes</translation>
    </message>
    <message>
        <source>代码单元</source>
        <translation>code units</translation>
    </message>
    <message>
        <source>字节顺序标记表明是 %1，但按要求以 %2 读取</source>
        <translation>the byte-order mark says %1, but it was read as %2 as asked</translation>
    </message>
    <message>
        <source>不是普通文件</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>无法打开</source>
        <translation>cannot open</translation>
    </message>
    <message>
        <source>无法读取</source>
        <translation>cannot read</translation>
    </message>
    <message>
        <source>是文件夹，不是文本文件</source>
        <translation>a folder, not a text file</translation>
    </message>
    <message>
        <source>不是文本文件</source>
        <translation>not a text file</translation>
    </message>
    <message>
        <source>读取失败</source>
        <translation>reading failed</translation>
    </message>
    <message>
        <source>，其中的设置未被使用</source>
        <translation>; its settings were not used</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>Font size</translation>
    </message>
    <message>
        <source>每行字数</source>
        <translation>Characters per line</translation>
    </message>
    <message>
        <source>%1“%2”不是 -32768 到 32767 之间的数，已忽略</source>
        <translation>%1 “%2” is no number from -32768 to 32767 and was ignored</translation>
    </message>
    <message>
        <source>没有那个文件或目录</source>
        <translation>No such file or directory</translation>
    </message>
    <message>
        <source>权限不够</source>
        <translation>Permission denied</translation>
    </message>
    <message>
        <source>是一个目录</source>
        <translation>Is a directory</translation>
    </message>
    <message>
        <source>设备上没有空间</source>
        <translation>No space left on device</translation>
    </message>
    <message>
        <source>只读文件系统</source>
        <translation>Read-only file system</translation>
    </message>
    <message>
        <source>输入/输出错误</source>
        <translation>Input/output error</translation>
    </message>
    <message>
        <source>文件名过长</source>
        <translation>File name too long</translation>
    </message>
    <message>
        <source>符号链接的层数过多</source>
        <translation>Too many levels of symbolic links</translation>
    </message>
    <message>
        <source>不是目录</source>
        <translation>Not a directory</translation>
    </message>
</context>
<context>
    <name>DemoForm</name>
    <message>
        <source>拖拽TXT文件到这里放开</source>
        <translation>Drop TXT files here</translation>
    </message>
    <message numerus="yes">
        <source>……另有 %n 个文件</source>
        <translation>
            <numerusform>… and %n more file</numerusform>
            <numerusform>… and %n more files</numerusform>
        </translation>
    </message>
    <message>
        <source>以下文件未能转换：</source>
        <translation>These files could not be converted:</translation>
    </message>
    <message>
        <source>以下文件的部分文字超出页面：</source>
        <translation>Some text of these files runs off the page:</translation>
    </message>
    <message>
        <source>以下文件中有字体缺少的字符：</source>
        <translation>These files have characters the font lacks:</translation>
    </message>
    <message>
        <source>以下文件中有无效的字节：</source>
        <translation>These files have invalid bytes:</translation>
    </message>
    <message>
        <source>配置文件 %1 中有设置未被使用：</source>
        <translation>Settings in the configuration file %1 were not used:</translation>
    </message>
    <message>
        <source>  停止转换      </source>
        <translation>Stop</translation>
    </message>
</context>
<context>
    <name>FormCaption</name>
    <message>
        <source>添加文件    </source>
        <translation>Add Files  </translation>
    </message>
    <message>
        <source>批量添加    </source>
        <translation>Add Folder  </translation>
    </message>
    <message>
        <source>删除文件    </source>
        <translation>Remove  </translation>
    </message>
    <message>
        <source>设置选项    </source>
        <translation>Settings  </translation>
    </message>
    <message>
        <source>我们网站    </source>
        <translation>Website  </translation>
    </message>
    <message>
        <source>退出程序    </source>
        <translation>Exit  </translation>
    </message>
    <message>
        <source>   立刻开始转换      </source>
        <translation>   Convert Now      </translation>
    </message>
    <message>
        <source>设置选项</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>确定  </source>
        <translation>OK  </translation>
    </message>
    <message>
        <source>返回  </source>
        <translation>Back  </translation>
    </message>
</context>
<context>
    <name>WindowConversionHost</name>
    <message>
        <source>无法写入输出文件夹：</source>
        <translation>Cannot write to the output folder:</translation>
    </message>
</context>
<context>
    <name>frmMenu</name>
    <message>
        <source>删除所选文件</source>
        <translation>Remove Selected Files</translation>
    </message>
    <message>
        <source>清空文件列表</source>
        <translation>Clear the File List</translation>
    </message>
</context>
<context>
    <name>frmSetting</name>
    <message>
        <source>设置选项</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>输出路径:</source>
        <translation>Folder:</translation>
    </message>
    <message>
        <source>文件类型:</source>
        <translation>File type:</translation>
    </message>
    <message>
        <source>字体:</source>
        <translation>Font:</translation>
    </message>
    <message>
        <source>无法保存设置到 %1：%2</source>
        <translation>Cannot save the settings to %1: %2</translation>
    </message>
</context>
</TS>
