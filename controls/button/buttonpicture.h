#pragma once

#include <QImage>
#include <QPoint>
#include <QString>

// A picture property of the button: a bitmap or an icon (a cursor is an
// icon with a hot spot), or none. Sizes are kept in HiMetric units
// (1/100 mm) as picture objects report them; the button converts them to
// pixels when it measures the picture.
class ButtonPicture {
public:
    enum class Kind { None = 0, Bitmap = 1, Icon = 3, Cursor = 4 };

    ButtonPicture() = default;
    ButtonPicture(Kind kind, const QImage &image, QPoint hotSpot = {});

    // Icons and cursors (.ico, .cur) become icons, everything Qt reads
    // becomes a bitmap. Returns an empty picture when the file cannot be read.
    static ButtonPicture load(const QString &path);

    bool isNull() const { return m_kind == Kind::None || m_image.isNull(); }
    Kind kind() const { return isNull() ? Kind::None : m_kind; }
    // Bitmaps are opaque RGB32; icons keep their alpha channel.
    const QImage &image() const { return m_image; }
    QPoint hotSpot() const { return m_hotSpot; }
    int widthHiMetric() const;
    int heightHiMetric() const;

    // The stored form under a property key: "" for none, otherwise
    // "bitmap:", "icon:" or "cursor:X,Y:" followed by base64 PNG data.
    QString toStoredString() const;
    // An unreadable string gives an empty picture.
    static ButtonPicture fromStoredString(const QString &stored);

    bool operator==(const ButtonPicture &other) const;

private:
    Kind m_kind = Kind::None;
    QImage m_image;
    QPoint m_hotSpot;
};
