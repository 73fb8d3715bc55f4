#pragma once

#include "controls/xpcombo/combobackground.h"
#include "controls/xpcombo/combolist.h"
#include "controls/xpcombo/combopictures.h"
#include "platform/propertytable.h"
#include "platform/usercontrol.h"

#include <QFont>
#include <optional>

class ComboInput;
class ComboListChooser;
class QComboBox;
class QLabel;
class QLineEdit;

// A flat combo box: a borderless text field on a white panel with a thin
// blue-grey border and a picture drop button. The list itself lives in a
// real combo box hidden behind the panel, which drops its list directly
// below the control. With TagCode on, items are given as "tag=text": the
// text is listed and the tag kept beside it (for the first 100 positions).
//
// Errors of the inner list box (selecting a position that does not exist)
// reach the caller as ComboError.
class XPCombo : public UserControl {
    Q_OBJECT

public:
    // Layout lengths in twips.
    static constexpr int MinWidth = 400;
    static constexpr int DefaultWidth = 1215;
    static constexpr int FixedHeight = 315;

    static constexpr Gdi::ColorRef BorderColour = ComboBackground::InitialBorderColor;
    static constexpr Gdi::ColorRef DisabledBorderColour = 0x00C0C0C0;
    static constexpr Gdi::ColorRef DefaultBackColor = ComboBackground::InitialBackColor;
    static constexpr Gdi::ColorRef DefaultForeColor = Gdi::systemColor(Gdi::WindowText);

    // The stored properties in the order they are read and saved.
    enum class Property {
        Text,
        BackColor,
        Font,
        ForeColor,
        ListIndex,
        Locked,
        MaxLength,
        ToolTipText,
        FieldName,
        Enabled,
        TagCode,
        SelStart,
        SelLength,
        SelText,
        FileName,
    };
    static const PropertyTable<XPCombo, Property> &propertyTable();

    explicit XPCombo(QWidget *parent = nullptr);

    // Properties. Every setter notifies the host under the same key.
    QString Text() const;
    void setText(const QString &text);
    QString FileName() const { return m_fileName; }
    void setFileName(const QString &fileName);
    Gdi::ColorRef BackColor() const { return m_textBackColor; }
    // Colours the text field and the panel behind it.
    void setBackColor(Gdi::ColorRef colour);
    QFont Font() const;
    // The font of the text field and of the dropped list. Re-runs
    // ArrangeParts.
    void setFont(const QFont &font);
    Gdi::ColorRef ForeColor() const { return m_foreColor; }
    void setForeColor(Gdi::ColorRef colour);
    QWidget *hWnd() { return this; }
    int ListIndex() const;
    // -1 clears the selection (the text stays); throws ComboError for a
    // position that names no item.
    void setListIndex(int index);
    int ListCount() const;
    bool Locked() const;
    // Stops typing only; picking from the list still changes the text.
    void setLocked(bool locked);
    int MaxLength() const { return m_maxLength; }
    void setMaxLength(int length); // 0 = no limit
    QString ToolTipText() const;
    void setToolTipText(const QString &text);
    QString FieldName() const { return m_fieldName; }
    void setFieldName(const QString &name);
    int SelStart() const;
    int SelLength() const;
    QString SelText() const;
    bool TagCode() const { return m_list.tagCode(); }
    // Stores the flag only: items already listed are not split or joined.
    void setTagCode(bool on);
    bool Enabled() const { return m_enabled; }
    // Enables the text field and switches border and drop button between
    // the normal and the disabled look. The drop button keeps working.
    void setEnabled(bool enabled);

    // Items. Index values are list positions; see ComboList for the rules.
    void AddItem(const QString &item, std::optional<int> index = std::nullopt);
    void UpdateItem(const QString &item, int index);
    QString GetItem(std::optional<int> index = std::nullopt) const;
    void RemoveItem(std::optional<int> index = std::nullopt);
    void Clear();
    QString GetTagCode() const;
    bool SetTagCode(const QString &tgCode, int &startingFromIndex);
    void ResetPic();
    void ToggleDropDown();
    void ArrangeParts();

    // Adds without selecting or raising events (the list file's appends).
    bool InsertItem(const QString &item, std::optional<int> index = std::nullopt);
    bool SplitItem(QString &item) { return m_list.splitItem(item); }
    QString TagPart() const { return m_list.tagPart(); }
    QString TextPart() const { return m_list.textPart(); }
    int TagTop() const { return m_list.tags().top(); }
    int LastIndex() const { return m_list.lastIndex(); }
    QString Tags(int slot) const { return m_list.tags().at(slot); }

    // The list file: FileName, or the program's folder plus the control's
    // name plus ".Txt".
    QString listFilePath() const;
    // Returns false when the file could not be written; an existing file
    // is then left as it was.
    bool SaveToFile();
    bool LoadedFromFile();

    // The drop-button look shown now; the input handling switches it.
    ComboPictures::Look shownPicture() const { return m_shownPicture; }
    void showPicture(ComboPictures::Look look);
    bool isDroppedDown() const;
    // As F4 does: the list drops with the item the field shows highlighted
    // (or closes when it is open).
    void toggleDropDownAtShownItem();
    // The dropped list's item view: a screen reader finds it under the
    // combo while it is open.
    QWidget *listView() const;

    void initProperties() override;
    void readProperties(const PropertyBag &bag) override;
    void writeProperties(PropertyBag &bag) const override;

signals:
    void Click();
    void Change();
    // Button 1 left, 2 right, 4 middle; Shift 1 shift, 2 ctrl, 4 alt; X and
    // Y in twips from the part under the pointer. Arguments are references:
    // a handler may change them.
    void MouseMove(short &Button, short &Shift, float &X, float &Y);
    void MouseDown(short &Button, short &Shift, float &X, float &Y);
    // A handler that sets KeyAscii to 0 discards the character; another
    // value replaces it.
    void KeyPress(short &KeyAscii);
    void KeyDown(short &KeyCode, short &Shift);
    void KeyUp(short &KeyCode, short &Shift);

protected:
    void onResize() override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    void notify(Property property);
    void applyMaxLength();
    void applyFont(const QFont &font);
    void keepFieldName(const QString &name);

    void copySelectionToText();
    void applyTextColours();
    void placePopup();
    void chooseFromOpenList(int row);
    bool usedAsListKey(const QKeyEvent &event);
    int shownItemIndex() const;

    QComboBox *m_jCombo;
    ComboBackground *m_backMain;
    QLineEdit *m_jTexto;
    QLabel *m_jImgCbo;
    ComboInput *m_input;
    ComboListChooser *m_chooser;
    ComboList m_list;
    ComboPictures::Look m_shownPicture = ComboPictures::Normal;
    bool m_enabled = false;
    QString m_fileName;
    QString m_fieldName;
    Gdi::ColorRef m_textBackColor = DefaultBackColor;
    Gdi::ColorRef m_foreColor = DefaultForeColor;
    int m_maxLength = 0;
    bool m_arranging = false;
};
