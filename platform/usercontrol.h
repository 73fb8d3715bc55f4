#pragma once

#include "platform/ambientproperties.h"
#include "platform/gdi/surface.h"

#include <QWidget>

class PropertyBag;

// Base of the owner-drawn controls: a widget that shows its own backing
// surface and takes part in the hosting window's property persistence.
// Controls raise their events to the owning window as Qt signals.
class UserControl : public QWidget {
    Q_OBJECT

public:
    explicit UserControl(QWidget *parent = nullptr);

    // First placement on a window, with no stored properties.
    virtual void initProperties() {}
    virtual void readProperties(const PropertyBag &bag) = 0;
    virtual void writeProperties(PropertyBag &bag) const = 0;

    const AmbientProperties &ambient() const { return m_ambient; }
    void setAmbient(const AmbientProperties &ambient);

    // The pixels the widget shows; the painters draw here.
    Gdi::Surface &surface() { return m_surface; }
    const Gdi::Surface &surface() const { return m_surface; }

    // The colour a cleared surface takes (the system button face).
    static Gdi::ColorRef backColor();

    // What widget shows in rect, one pixel per logical pixel whatever the
    // screen's device pixel ratio: controls that copy the window behind
    // them work in logical pixels, and a plain grab is larger above ratio 1.
    static QImage grabLogical(QWidget *widget, const QRect &rect);

signals:
    // A stored property changed; the host saves the property set again.
    void propertyChanged(const QString &key);

protected:
    void notifyPropertyChanged(const QString &key) { emit propertyChanged(key); }

    // Notifications from the host. onResize runs after the surface has been
    // resized (and so cleared) to the widget's new size.
    virtual void onResize() {}
    virtual void onShow() {}
    virtual void onHide() {}
    // Runs before the surface is put on screen.
    virtual void onPaint() {}
    virtual void onAmbientChanged() {}

    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    AmbientProperties m_ambient;
    Gdi::Surface m_surface;
};
