#include "controls/button/buttonpropertytable.h"

#include "controls/button/buttoncodes.h"
#include "platform/propertybag.h"

namespace {

using Source = ButtonPropertyTable::Source;
using P = ButtonProperties;

// How each member type is kept in a property set: numbers, flags and text
// as they are, fonts as Qt's font description, pictures as their stored
// string.
QVariant toStored(int value)
{
    return value;
}
QVariant toStored(short value)
{
    return int(value);
}
QVariant toStored(bool value)
{
    return value;
}
QVariant toStored(Gdi::ColorRef value)
{
    return value;
}
QVariant toStored(const QString &value)
{
    return value;
}
QVariant toStored(const QFont &value)
{
    return value.toString();
}
QVariant toStored(const ButtonPicture &value)
{
    return value.toStoredString();
}

void fromStored(const QVariant &stored, int &member)
{
    member = stored.toInt();
}
void fromStored(const QVariant &stored, short &member)
{
    member = short(stored.toInt());
}
void fromStored(const QVariant &stored, bool &member)
{
    member = stored.toBool();
}
void fromStored(const QVariant &stored, Gdi::ColorRef &member)
{
    member = stored.toUInt();
}
void fromStored(const QVariant &stored, QString &member)
{
    member = stored.toString();
}
void fromStored(const QVariant &stored, ButtonPicture &member)
{
    member = ButtonPicture::fromStoredString(stored.toString());
}
void fromStored(const QVariant &stored, QFont &member)
{
    // An unreadable description keeps the font there is.
    QFont font = member;
    if (font.fromString(stored.toString()))
        member = font;
}

QVariant resolved(const ButtonPropertyTable::Default &value,
                  const ButtonPropertyTable::Resolver &resolve)
{
    return value.source == Source::Fixed ? value.value : resolve(value.source);
}

} // namespace

const QList<ButtonPropertyTable::Entry> &ButtonPropertyTable::entries()
{
    static const QList<Entry> table = {
        {"BTYPE", &P::buttonType, int(ButtonType::Classic)},
        {"TX", &P::caption, Source::HostName, QString()},
        {"ENAB", &P::enabled, true},
        {"FONT", &P::font, Source::HostFont, Source::KeepCurrent},
        {"COLTYPE", &P::colorScheme, int(ColorScheme::SystemColors)},
        {"FOCUSR", &P::showFocusRect, true},
        {"BCOL", &P::backColor, Source::PaletteFace, Source::SystemFace},
        {"BCOLO", &P::backOver, Source::BackColor},
        {"FCOL", &P::foreColor, Source::PaletteCaption, Source::SystemText},
        {"FCOLO", &P::foreOver, Source::ForeColor},
        {"MCOL", &P::maskColor, P::DefaultMaskColor},
        {"MPTR", &P::mousePointer, ButtonCodes::PointerDefault},
        {"MICON", &P::mouseIcon, ButtonPicture()},
        {"PICN", &P::pictureNormal, ButtonPicture()},
        {"PICH", &P::pictureOver, ButtonPicture(), std::nullopt, "PICO"},
        {"UMCOL", &P::useMaskColor, true},
        {"SOFT", &P::softBevel, false},
        {"PICPOS", &P::picturePosition, int(PicturePosition::PictureLeft)},
        {"NGREY", &P::useGreyscale, false},
        {"FX", &P::specialEffect, int(SpecialEffect::EffectNone)},
        {"HAND", &P::handPointer, false},
        {"CHECK", &P::checkBoxBehaviour, false},
        {"VALUE", &P::value, false},
    };
    return table;
}

void ButtonPropertyTable::initialise(ButtonProperties &properties, const Resolver &resolve)
{
    for (const Entry &entry : entries()) {
        const QVariant value = resolved(entry.newValue, resolve);
        std::visit(
            [&](auto member) {
                using Type = std::remove_reference_t<decltype(properties.*member)>;
                properties.*member = value.value<Type>();
            },
            entry.member);
    }
}

void ButtonPropertyTable::read(const PropertyBag &bag, ButtonProperties &properties,
                               const Resolver &resolve)
{
    for (const Entry &entry : entries()) {
        const QString key = QString::fromLatin1(entry.key);
        const bool keep = entry.missing().source == Source::KeepCurrent;
        if (keep && !bag.contains(key))
            continue;
        std::visit(
            [&](auto member) {
                using Type = std::remove_reference_t<decltype(properties.*member)>;
                // The missing value in stored form also gives the type the
                // stored value is converted to; an empty one for a member
                // that keeps its value, so that an unreadable one keeps it.
                const QVariant missing = keep
                    ? QVariant(toStored(Type()).metaType())
                    : toStored(resolved(entry.missing(), resolve).value<Type>());
                fromStored(bag.read(key, missing), properties.*member);
            },
            entry.member);
    }
}

void ButtonPropertyTable::write(PropertyBag &bag, const ButtonProperties &properties)
{
    // No default: a value equal to one would otherwise not be written.
    const QVariant always;
    for (const Entry &entry : entries()) {
        const QVariant value
            = std::visit([&](auto member) { return toStored(properties.*member); }, entry.member);
        bag.write(QString::fromLatin1(entry.key), value, always);
    }
}

QString ButtonPropertyTable::notifyKey(Member member)
{
    for (const Entry &entry : entries())
        if (entry.member == member)
            return QString::fromLatin1(entry.notifyKey ? entry.notifyKey : entry.key);
    return {};
}
