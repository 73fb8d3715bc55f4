#pragma once

#include "controls/xpcontainer/containerpainter.h"
#include "platform/propertytable.h"
#include "platform/usercontrol.h"

// A themed panel: vertical gradient body, an optional gradient header with
// a caption (Style 0), and a one-pixel border. Dragging the header with the
// left button moves CurrentForm, so a borderless window can be moved by it.
class XPContainer : public UserControl {
    Q_OBJECT

public:
    // The stored properties in the order they are read and saved.
    enum class Property {
        HeaderLightColor,
        HeaderDarkColor,
        BackLightColor,
        BackDarkColor,
        BorderColor,
        TextColor,
        Caption,
        Style,
        Theme,
    };
    static const PropertyTable<XPContainer, Property> &propertyTable();

    explicit XPContainer(QWidget *parent = nullptr);

    Gdi::ColorRef BackDarkColor() const { return m_state.backDarkColor; }
    Gdi::ColorRef BackLightColor() const { return m_state.backLightColor; }
    Gdi::ColorRef BorderColor() const { return m_state.borderColor; }
    QString Caption() const { return m_state.caption; }
    Gdi::ColorRef HeaderDarkColor() const { return m_state.headerDarkColor; }
    Gdi::ColorRef HeaderLightColor() const { return m_state.headerLightColor; }
    int Style() const { return m_state.style; }
    Gdi::ColorRef TextColor() const { return m_state.textColor; }
    int Theme() const { return m_theme; }

    // Each setter stores, notifies under the property's name and repaints.
    void setBackDarkColor(Gdi::ColorRef colour);
    void setBackLightColor(Gdi::ColorRef colour);
    void setBorderColor(Gdi::ColorRef colour);
    void setCaption(const QString &caption);
    void setHeaderDarkColor(Gdi::ColorRef colour);
    void setHeaderLightColor(Gdi::ColorRef colour);
    void setStyle(int style);
    using QWidget::setStyle;
    void setTextColor(Gdi::ColorRef colour);
    // Applies theme 0 to 11 through the six colour setters; other numbers
    // are remembered but change no colour.
    void setTheme(int theme);

    void initProperties() override;
    void readProperties(const PropertyBag &bag) override;
    void writeProperties(PropertyBag &bag) const override;

    // The header strip in the panel's coordinates (empty without a header).
    Gdi::Rect headerRect() const;

protected:
    void onResize() override;
    void onShow() override;
    void onPaint() override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void notify(Property property);

    void setColour(Gdi::ColorRef &field, Gdi::ColorRef colour, Property property);
    void layout();
    void repaintPanel();
    QPoint headerPoint(const QMouseEvent *event) const;
    bool systemMoveStarted() const;

    ContainerState m_state;
    int m_theme = 0;
};
