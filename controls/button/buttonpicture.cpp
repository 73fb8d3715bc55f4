#include "controls/button/buttonpicture.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>

namespace {

// Pictures are made at 96 dots per inch: one pixel is 2540/96 HiMetric.
int toHiMetric(int pixels)
{
    return int((qint64(pixels) * 2540 + 48) / 96);
}

QImage normalised(ButtonPicture::Kind kind, const QImage &image)
{
    if (image.isNull())
        return {};
    return kind == ButtonPicture::Kind::Bitmap ? image.convertToFormat(QImage::Format_RGB32)
                                               : image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

ButtonPicture::ButtonPicture(Kind kind, const QImage &image, QPoint hotSpot)
    : m_kind(kind)
    , m_image(normalised(kind, image))
    , m_hotSpot(hotSpot)
{
}

ButtonPicture ButtonPicture::load(const QString &path)
{
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull())
        return {};
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("cur"))
        return ButtonPicture(Kind::Cursor, image, QPoint(image.width() / 2, image.height() / 2));
    if (suffix == QLatin1String("ico"))
        return ButtonPicture(Kind::Icon, image);
    return ButtonPicture(Kind::Bitmap, image);
}

int ButtonPicture::widthHiMetric() const
{
    return isNull() ? 0 : toHiMetric(m_image.width());
}

int ButtonPicture::heightHiMetric() const
{
    return isNull() ? 0 : toHiMetric(m_image.height());
}

QString ButtonPicture::toStoredString() const
{
    if (isNull())
        return {};
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    m_image.save(&buffer, "PNG");
    QString prefix;
    switch (m_kind) {
    case Kind::Bitmap: prefix = QStringLiteral("bitmap:"); break;
    case Kind::Icon: prefix = QStringLiteral("icon:"); break;
    case Kind::Cursor:
        prefix = QStringLiteral("cursor:%1,%2:").arg(m_hotSpot.x()).arg(m_hotSpot.y());
        break;
    case Kind::None: return {};
    }
    return prefix + QString::fromLatin1(png.toBase64());
}

ButtonPicture ButtonPicture::fromStoredString(const QString &stored)
{
    const qsizetype colon = stored.indexOf(':');
    if (colon < 0)
        return {};
    const QString kindName = stored.left(colon);
    QString data = stored.mid(colon + 1);
    Kind kind = Kind::None;
    QPoint hotSpot;
    if (kindName == QLatin1String("bitmap")) {
        kind = Kind::Bitmap;
    } else if (kindName == QLatin1String("icon")) {
        kind = Kind::Icon;
    } else if (kindName == QLatin1String("cursor")) {
        const qsizetype end = data.indexOf(':');
        const QStringList spot = data.left(end).split(',');
        bool okX = false;
        bool okY = false;
        if (end < 0 || spot.size() != 2)
            return {};
        hotSpot = QPoint(spot[0].toInt(&okX), spot[1].toInt(&okY));
        if (!okX || !okY)
            return {};
        kind = Kind::Cursor;
        data = data.mid(end + 1);
    } else {
        return {};
    }
    const QImage image = QImage::fromData(QByteArray::fromBase64(data.toLatin1()), "PNG");
    if (image.isNull())
        return {};
    return ButtonPicture(kind, image, hotSpot);
}

bool ButtonPicture::operator==(const ButtonPicture &other) const
{
    return kind() == other.kind() && m_hotSpot == other.m_hotSpot && m_image == other.m_image;
}
