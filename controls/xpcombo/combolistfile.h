#pragma once

#include <QString>
#include <string>

class ComboList;

// The plain-text list file of a combo: one item per line, "tag=text" lines
// when tags are on, ";" lines as comments. Files are GB18030 with CR LF.
class ComboListFile {
public:
    // Lines longer than this are cut when read.
    static constexpr int MaxLineLength = 80;
    // A list file is a short list of choices; anything bigger is refused
    // rather than read into memory.
    static constexpr qint64 MaxFileSize = 64 * 1024 * 1024;

    // fileName trimmed of blanks, or the program's folder, "/",
    // controlName and ".Txt" when that is empty.
    static QString path(const QString &fileName, const QString &controlName);

    // Writes every item of list to path, replacing the file. The old file
    // stays untouched unless the whole new one could be written. Returns
    // false on any failure.
    static bool save(const ComboList &list, const QString &path);

    // Replaces the items of list by the file's items and switches tags on
    // or off by the file's first line. Returns false, leaving list as it
    // was, when the file cannot be read or has no line of two characters.
    bool load(ComboList &list, const QString &path);

    // The next line of the file being loaded; position 0 on entry marks the
    // first call and is 0 again once every line has been taken.
    std::u32string nextListLine(qint32 &position);

    // The unread rest of the file; the first nextListLine drops its line feeds.
    void setBuffer(std::u32string text);
    std::u32string buffer() const { return m_buffer.substr(m_cursor); }

private:
    // Lines are taken by moving a cursor rather than cutting the front off
    // the buffer, so a long file is read in one pass.
    std::u32string m_buffer;
    std::size_t m_cursor = 0;
};
