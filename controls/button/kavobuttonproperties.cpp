// KAVOButton's stored properties: the table that resets, reads, saves and
// names them.
#include "controls/button/buttoncodes.h"
#include "controls/button/buttonlayout.h"
#include "controls/button/kavobutton.h"
#include "platform/propertybag.h"

// Pictures are kept as their stored string; an unreadable one is none.
template <> struct StoredForm<ButtonPicture> {
    static QVariant store(const ButtonPicture &value) { return value.toStoredString(); }
    static ButtonPicture load(const QVariant &stored, const ButtonPicture &)
    {
        return ButtonPicture::fromStoredString(stored.toString());
    }
};

const PropertyTable<KAVOButton, KAVOButton::Property> &KAVOButton::propertyTable()
{
    using F = PropertyFields<KAVOButton, Property, &KAVOButton::m_properties,
                             &KAVOButton::derivedDefault>;
    using P = ButtonProperties;
    using S = DefaultSource;
    static constexpr F::Row rows[] = {
        F::row<&P::buttonType>(Property::ButtonType, "BTYPE"),
        F::row<&P::caption, F::resolved<S::HostName>, F::initial<&P::caption>>(Property::Caption,
                                                                               "TX"),
        F::row<&P::enabled>(Property::Enabled, "ENAB"),
        F::row<&P::font, F::resolved<S::HostFont>, F::keep>(Property::Font, "FONT"),
        F::row<&P::colorScheme>(Property::ColorScheme, "COLTYPE"),
        F::row<&P::showFocusRect>(Property::ShowFocusRect, "FOCUSR"),
        F::row<&P::backColor, F::resolved<S::PaletteFace>, F::resolved<S::SystemFace>>(
            Property::BackColor, "BCOL"),
        F::row<&P::backOver, F::resolved<S::BackColor>>(Property::BackOver, "BCOLO"),
        F::row<&P::foreColor, F::resolved<S::PaletteCaption>, F::resolved<S::SystemText>>(
            Property::ForeColor, "FCOL"),
        F::row<&P::foreOver, F::resolved<S::ForeColor>>(Property::ForeOver, "FCOLO"),
        F::row<&P::maskColor>(Property::MaskColor, "MCOL"),
        F::row<&P::mousePointer>(Property::MousePointer, "MPTR"),
        F::row<&P::mouseIcon>(Property::MouseIcon, "MICON"),
        F::row<&P::pictureNormal>(Property::PictureNormal, "PICN"),
        // Stored under another key than its change is announced under.
        F::row<&P::pictureOver>(Property::PictureOver, "PICH", "PICO"),
        F::row<&P::useMaskColor>(Property::UseMaskColor, "UMCOL"),
        F::row<&P::softBevel>(Property::SoftBevel, "SOFT"),
        F::row<&P::picturePosition>(Property::PicturePosition, "PICPOS"),
        F::row<&P::useGreyscale>(Property::UseGreyscale, "NGREY"),
        F::row<&P::specialEffect>(Property::SpecialEffect, "FX"),
        F::row<&P::handPointer>(Property::HandPointer, "HAND"),
        F::row<&P::checkBoxBehaviour>(Property::CheckBoxBehaviour, "CHECK"),
        F::row<&P::value>(Property::Value, "VALUE"),
    };
    // Every value is saved, defaults too, as this button's stored sets
    // always were: the font has no fixed default a missing key could stand
    // for.
    static constexpr PropertyTable<KAVOButton, Property> table{rows, StoredDefaults::Saved};
    static_assert(table.rowsFollowTheEnum());
    return table;
}

void KAVOButton::notify(Property property)
{
    notifyPropertyChanged(propertyTable().notifyKey(property));
}

void KAVOButton::initProperties()
{
    propertyTable().reset(*this);
    QWidget::setFont(m_properties.font);
    applyPointer();
    computePalette();
    updateAccessKey();
    layoutCaption();
}

void KAVOButton::readProperties(const PropertyBag &bag)
{
    // Straight into the stored values: no repaint, no notification.
    propertyTable().read(*this, bag);
    QWidget::setFont(m_properties.font);
    // Through its set operation, so it decides the pointer over "MPTR".
    setHandPointer(m_properties.handPointer);

    QWidget::setEnabled(m_properties.enabled);
    ButtonLayout::MeasurePicture(m_properties, m_geometry);
    layoutCaption();
    updateAccessKey();
}

void KAVOButton::writeProperties(PropertyBag &bag) const
{
    propertyTable().write(*this, bag);
}

QVariant KAVOButton::derivedDefault(DefaultSource source) const
{
    using S = DefaultSource;
    switch (source) {
    case S::HostName: return ambient().displayName;
    case S::HostFont: return QVariant::fromValue(ambient().font);
    case S::SystemFace: return Gdi::ColorRef(Gdi::sysColor(Gdi::ButtonFace));
    case S::SystemText: return Gdi::ColorRef(Gdi::sysColor(Gdi::ButtonText));
    case S::PaletteFace: return computedPalette().FaceColor;
    case S::PaletteCaption: return computedPalette().CaptionColor;
    case S::BackColor: return m_properties.backColor;
    case S::ForeColor: return m_properties.foreColor;
    }
    return {};
}
