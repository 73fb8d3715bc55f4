#pragma once

#include "platform/gdi/surface.h"

#include <QWidget>

// The white panel that fills the combo and hides the list box behind it,
// with the combo's one-pixel border drawn on it. It takes no mouse input:
// the pointer over it counts as being over the combo itself.
class ComboBackground : public QWidget {
    Q_OBJECT

public:
    // White inside the combo's normal blue-grey border.
    static constexpr Gdi::ColorRef InitialBackColor = 0x00FFFFFF;
    static constexpr Gdi::ColorRef InitialBorderColor = 0x00B99D7F;

    explicit ComboBackground(QWidget *parent = nullptr);

    Gdi::ColorRef backColor() const { return m_backColor; }
    void setBackColor(Gdi::ColorRef colour);
    Gdi::ColorRef borderColor() const { return m_borderColor; }
    void setBorderColor(Gdi::ColorRef colour);
    // The border's rectangle in this panel's pixels.
    void setBorder(const Gdi::Rect &border);

    // Draws the panel onto surface at the panel's size.
    void paintOn(Gdi::Surface &surface) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Gdi::ColorRef m_backColor = InitialBackColor;
    Gdi::ColorRef m_borderColor = InitialBorderColor;
    Gdi::Rect m_border;
};
