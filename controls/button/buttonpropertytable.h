#pragma once

#include "controls/button/buttonproperties.h"

#include <QList>
#include <QVariant>
#include <functional>
#include <optional>
#include <variant>

class PropertyBag;

// The button's stored properties, one entry each: the key it is stored
// under, the member of ButtonProperties it maps to, and its defaults for a
// fresh control ("New") and for a key absent from a stored set
// ("Missing"). Load, save and change notification all go through it, so a
// key is spelled here and nowhere else.
class ButtonPropertyTable {
public:
    using Member
        = std::variant<int ButtonProperties::*, short ButtonProperties::*, bool ButtonProperties::*,
                       Gdi::ColorRef ButtonProperties::*, QString ButtonProperties::*,
                       QFont ButtonProperties::*, ButtonPicture ButtonProperties::*>;

    // Defaults that are not fixed values; the control resolves them.
    enum class Source {
        Fixed,
        HostName,       // the host's display name for the control
        HostFont,       // the host's ambient font
        KeepCurrent,    // the member keeps its value (also when unreadable)
        SystemFace,     // the system button-face colour as RGB
        SystemText,     // the system button-text colour as RGB
        PaletteFace,    // the palette's face colour for the current scheme
        PaletteCaption, // the palette's caption colour for the current scheme
        BackColor,      // the BackColor already set or read
        ForeColor,      // the ForeColor already set or read
    };

    struct Default {
        Default(Source from) : source(from) {}
        template <typename T> Default(T fixed) : value(QVariant::fromValue(fixed)) {}
        Source source = Source::Fixed;
        QVariant value; // of the member's type, for Source::Fixed
    };

    struct Entry {
        const char *key;
        Member member;
        Default newValue;
        // Where it differs from the New default.
        std::optional<Default> missingValue = std::nullopt;
        // The key a change announces, where it is not the stored key.
        const char *notifyKey = nullptr;

        const Default &missing() const { return missingValue ? *missingValue : newValue; }
    };

    // A derived default as a value of the member's type.
    using Resolver = std::function<QVariant(Source source)>;

    // Every entry, in the order the control stores its properties.
    static const QList<Entry> &entries();

    // Every member set to its New default.
    static void initialise(ButtonProperties &properties, const Resolver &resolve);
    // Every member read from bag, with its Missing default where the key
    // is absent.
    static void read(const PropertyBag &bag, ButtonProperties &properties, const Resolver &resolve);
    // Every key written, whatever its value.
    static void write(PropertyBag &bag, const ButtonProperties &properties);
    // The key the host is told about when member changes.
    static QString notifyKey(Member member);
};
