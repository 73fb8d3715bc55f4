#pragma once

#include "controls/button/buttoncolor.h"
#include "controls/button/buttonframe.h"
#include "controls/button/buttonproperties.h"
#include "controls/button/paintmemory.h"
#include "platform/propertytable.h"
#include "platform/usercontrol.h"

#include <QTimer>
#include <optional>

// The owner-drawn push button of every window: fourteen looks, four colour
// schemes, hover tracking, pictures and check-box behaviour. Properties
// keep their design-time names; events are signals whose arguments are
// references, so a handler may change them (a KeyDown handler that sets
// KeyCode to 0 stops the key).
class KAVOButton : public UserControl {
    Q_OBJECT

public:
    // The stored properties in the order they are read and saved.
    enum class Property {
        ButtonType,
        Caption,
        Enabled,
        Font,
        ColorScheme,
        ShowFocusRect,
        BackColor,
        BackOver,
        ForeColor,
        ForeOver,
        MaskColor,
        MousePointer,
        MouseIcon,
        PictureNormal,
        PictureOver,
        UseMaskColor,
        SoftBevel,
        PicturePosition,
        UseGreyscale,
        SpecialEffect,
        HandPointer,
        CheckBoxBehaviour,
        Value,
    };
    static const PropertyTable<KAVOButton, Property> &propertyTable();

    explicit KAVOButton(QWidget *parent = nullptr);
    ~KAVOButton() override;

    // Persisted properties.
    int ButtonType() const { return m_properties.buttonType; }
    void setButtonType(int type);
    QString Caption() const { return m_properties.caption; }
    void setCaption(const QString &caption);
    bool Enabled() const { return m_properties.enabled; }
    void setEnabled(bool enabled);
    QFont Font() const { return m_properties.font; }
    void setFont(const QFont &font);
    int ColorScheme() const { return m_properties.colorScheme; }
    void setColorScheme(int scheme);
    bool ShowFocusRect() const { return m_properties.showFocusRect; }
    void setShowFocusRect(bool show);
    Gdi::ColorRef BackColor() const { return m_properties.backColor; }
    void setBackColor(Gdi::ColorRef colour);
    Gdi::ColorRef BackOver() const { return m_properties.backOver; }
    void setBackOver(Gdi::ColorRef colour);
    Gdi::ColorRef ForeColor() const { return m_properties.foreColor; }
    void setForeColor(Gdi::ColorRef colour);
    Gdi::ColorRef ForeOver() const { return m_properties.foreOver; }
    void setForeOver(Gdi::ColorRef colour);
    Gdi::ColorRef MaskColor() const { return m_properties.maskColor; }
    void setMaskColor(Gdi::ColorRef colour);
    short MousePointer() const { return m_properties.mousePointer; }
    void setMousePointer(short pointer);
    ButtonPicture MouseIcon() const { return m_properties.mouseIcon; }
    void setMouseIcon(const ButtonPicture &icon);
    bool HandPointer() const { return m_properties.handPointer; }
    void setHandPointer(bool hand);
    bool SoftBevel() const { return m_properties.softBevel; }
    void setSoftBevel(bool soft);
    ButtonPicture PictureNormal() const { return m_properties.pictureNormal; }
    void setPictureNormal(const ButtonPicture &picture);
    ButtonPicture PictureOver() const { return m_properties.pictureOver; }
    void setPictureOver(const ButtonPicture &picture);
    bool UseMaskColor() const { return m_properties.useMaskColor; }
    void setUseMaskColor(bool use);
    int PicturePosition() const { return m_properties.picturePosition; }
    void setPicturePosition(int position);
    bool UseGreyscale() const { return m_properties.useGreyscale; }
    void setUseGreyscale(bool grey);
    int SpecialEffect() const { return m_properties.specialEffect; }
    void setSpecialEffect(int effect);
    bool CheckBoxBehaviour() const { return m_properties.checkBoxBehaviour; }
    void setCheckBoxBehaviour(bool check);
    bool Value() const { return m_properties.value; }
    void setValue(bool value);

    // The font's attributes one by one; not stored on their own.
    bool FontBold() const { return m_properties.font.bold(); }
    void setFontBold(bool bold);
    bool FontItalic() const { return m_properties.font.italic(); }
    void setFontItalic(bool italic);
    bool FontUnderLine() const { return m_properties.font.underline(); }
    void setFontUnderLine(bool underline);
    short FontSize() const;
    void setFontSize(short size);
    QString FontName() const { return m_properties.font.family(); }
    void setFontName(const QString &name);

    // Creates the native window on first use.
    quint32 hWnd();
    QString Version() const { return QStringLiteral("2.0.6"); }
    // Nothing is drawn from now until Refresh.
    void DisableRefresh();
    void Refresh();

    // Draws a frame in state 0 (up) or 2 (down); see ButtonPainter::Paint.
    void Paint(int paintState, bool force);
    // Whether the pointer is over this very widget (a child on top of it
    // counts as outside).
    bool IsPointerOver() const;

    void initProperties() override;
    void readProperties(const PropertyBag &bag) override;
    void writeProperties(PropertyBag &bag) const override;

    // For the painter's inputs and tests.
    const ButtonProperties &properties() const { return m_properties; }
    // Named apart from QWidget's palette() and geometry().
    const ButtonPalette &buttonPalette() const { return m_palette; }
    const ButtonGeometry &buttonGeometry() const { return m_geometry; }
    const PaintMemory &paintMemory() const { return m_paintMemory; }
    // What a frame painted now is drawn from.
    ButtonFrame frame() const;
    QString accessKey() const { return m_accessKey; }
    bool isHoverTimerActive() const { return m_overTimer.isActive(); }
    // Whether the last Click came from Space or the access key.
    bool lastClickByKeyboard() const { return m_clickedByKeyboard; }
    const Gdi::Surface *background() const { return m_background ? &*m_background : nullptr; }

signals:
    void Click();
    void MouseDown(short &Button, short &Shift, float &X, float &Y);
    void MouseMove(short &Button, short &Shift, float &X, float &Y);
    void MouseUp(short &Button, short &Shift, float &X, float &Y);
    void KeyPress(short &KeyAscii);
    void KeyDown(short &KeyCode, short &Shift);
    void KeyUp(short &KeyCode, short &Shift);
    void MouseOver();
    void MouseOut();

protected:
    void onResize() override;
    void onShow() override;
    void onHide() override;
    void onAmbientChanged() override;
    bool event(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    bool designMode() const { return !ambient().userMode; }
    // The palette of the current properties; computePalette keeps it.
    ButtonPalette computedPalette() const;
    void computePalette();
    void layoutCaption();
    void repaintLast() { Paint(m_paintMemory.LastPaintedState, true); }
    void clickFromKeyboard();
    void resizeHandling();
    void updateAccessKey();
    void applyPointer();
    void captureBackground();
    void setFontAttribute(const QFont &font);
    // Defaults that are not fixed values.
    enum class DefaultSource {
        HostName,       // the host's display name for the control
        HostFont,       // the host's ambient font
        SystemFace,     // the system button-face colour as RGB
        SystemText,     // the system button-text colour as RGB
        PaletteFace,    // the palette's face colour for the current scheme
        PaletteCaption, // the palette's caption colour for the current scheme
        BackColor,      // the BackColor already set or read
        ForeColor,      // the ForeColor already set or read
    };
    void notify(Property property);
    // A default of DefaultSource as a value of its property's type.
    QVariant derivedDefault(DefaultSource source) const;
    ButtonColor::ParentColors parentColors() const;

    void mouseDownHandling(short button, short shift, float x, float y);
    void clickHandling();
    void overTimerTick();
    void startOverTimer();
    void wakeOverTimer();
    void endHover();

    ButtonProperties m_properties;
    ButtonPalette m_palette;
    ButtonGeometry m_geometry;
    PaintMemory m_paintMemory;
    bool m_isHovering = false;
    bool m_hasFocus = false;
    bool m_paintingEnabled = true;
    int m_lastMouseButton = 0;
    int m_lastKeyCode = 0;
    bool m_resizeLock = false;
    bool m_clickPending = false; // a press that a release over us turns into a click
    bool m_clickedByKeyboard = false;
    QTimer m_overTimer;
    // Stopped while the pointer rests on the button, but still tracking the
    // hover: the next move starts it again.
    bool m_overTimerResting = false;
    QPoint m_polledPointer;
    std::optional<Gdi::Surface> m_background;
    QString m_accessKey;
    int m_shortcutId = 0;
};
