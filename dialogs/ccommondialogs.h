#pragma once

#include <QString>

#include <cstdint>

class QWidget;

// Shows the standard dialogs (open, save, folder, colour, font, print,
// printer properties) for one owner window and keeps their inputs and
// results as properties. Every Show method returns true when the person
// confirmed the dialog; results change only then.
class CCommonDialogs {
public:
    // Remembers the window that owns every dialog; call it first.
    void Init(QWidget *ownerForm);

    bool FontUnderLine() const { return m_fontUnderLine; }
    void setFontUnderLine(bool value) { m_fontUnderLine = value; }
    bool FontItalic() const { return m_fontItalic; }
    void setFontItalic(bool value) { m_fontItalic = value; }
    bool FontBold() const { return m_fontBold; }
    void setFontBold(bool value) { m_fontBold = value; }
    int16_t FontSize() const { return m_fontSize; }
    void setFontSize(int16_t value) { m_fontSize = value; }
    QString FontName() const { return m_fontName; }
    void setFontName(const QString &value) { m_fontName = value; }
    uint32_t Color() const { return m_color; }
    void setColor(uint32_t value) { m_color = value; }
    QString DefExt() const { return m_defExt; }
    void setDefExt(const QString &value) { m_defExt = value; }
    // These four read up to the first NUL of what is stored.
    QString Title() const { return upToNul(m_title); }
    void setTitle(const QString &value) { m_title = value; }
    QString Path() const { return upToNul(m_path); }
    void setPath(const QString &value) { m_path = value; }
    QString FileTitle() const { return upToNul(m_fileTitle); }
    void setFileTitle(const QString &value) { m_fileTitle = value; }
    QString FileName() const { return upToNul(m_fileName); }
    void setFileName(const QString &value) { m_fileName = value; }
    QString Filter() const { return m_filter; }
    void setFilter(const QString &value) { m_filter = value; }

    bool ShowPrinter();
    bool ShowFolder();
    bool ShowColor(bool fullOpen);
    bool ShowFont();
    bool ShowOpen();
    bool ShowPrinterProperties();
    bool ShowSave();

    // "desc|pattern|desc|pattern" as Qt name filters ("desc (pattern)").
    static QStringList nameFilters(const QString &filter);
    // a * b / c rounded to the nearest integer; -1 when c is 0.
    static int MulDiv(int a, int b, int c);
    // The font face as a one-byte-per-character name: at most 32
    // characters, ended by the first character without a one-byte code.
    static QString singleByteFaceName(const QString &name);

private:
    static QString upToNul(const QString &text);
    static QString folderOf(const QString &path);
    void settleSavePath();

    QWidget *m_owner = nullptr;
    bool m_fontUnderLine = false;
    bool m_fontItalic = false;
    bool m_fontBold = false;
    int16_t m_fontSize = 0;
    QString m_fontName;
    uint32_t m_color = 0;
    QString m_defExt;
    QString m_title;
    QString m_path;
    QString m_fileTitle;
    QString m_fileName;
    QString m_filter;
};
