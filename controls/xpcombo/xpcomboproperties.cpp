#include "controls/xpcombo/xpcombo.h"

#include <QLineEdit>

// XPCombo's stored properties: the table that reads, saves and names them.

namespace {

const QString DefaultText = QStringLiteral("0");

} // namespace

const PropertyTable<XPCombo, XPCombo::Property> &XPCombo::propertyTable()
{
    // Reading sets the parts directly: no notifications and, for Enabled,
    // the flag alone. SelStart, SelLength and SelText are saved for the
    // design but never read back.
    static constexpr PropertyRow<XPCombo, Property> rows[] = {
        {Property::Text, "Text", [](const XPCombo &) -> QVariant { return DefaultText; },
         [](const XPCombo &combo) -> QVariant { return combo.Text(); },
         [](XPCombo &combo, const QVariant &stored) {
             combo.m_jTexto->setText(stored.toString());
         }},
        {Property::BackColor, "BackColor",
         [](const XPCombo &) -> QVariant { return uint(DefaultBackColor); },
         [](const XPCombo &combo) -> QVariant { return uint(combo.m_textBackColor); },
         [](XPCombo &combo, const QVariant &stored) { combo.m_textBackColor = stored.toUInt(); }},
        {Property::Font, "Font",
         [](const XPCombo &combo) -> QVariant { return combo.ambient().font.toString(); },
         [](const XPCombo &combo) -> QVariant { return combo.Font().toString(); },
         [](XPCombo &combo, const QVariant &stored) {
             QFont font = combo.ambient().font;
             font.fromString(stored.toString());
             combo.applyFont(font);
         }},
        {Property::ForeColor, "ForeColor",
         [](const XPCombo &) -> QVariant { return uint(DefaultForeColor); },
         [](const XPCombo &combo) -> QVariant { return uint(combo.m_foreColor); },
         [](XPCombo &combo, const QVariant &stored) { combo.m_foreColor = stored.toUInt(); }},
        // The list is still empty when properties are read: a stored
        // selection other than "none" cannot be applied and is dropped.
        {Property::ListIndex, "ListIndex",
         [](const XPCombo &) -> QVariant { return ComboList::NoSelection; },
         [](const XPCombo &combo) -> QVariant { return combo.ListIndex(); },
         [](XPCombo &combo, const QVariant &stored) {
             const int index = stored.toInt();
             if (index >= ComboList::NoSelection && index < combo.m_list.count())
                 combo.m_list.select(index);
         }},
        {Property::Locked, "Locked", [](const XPCombo &) -> QVariant { return false; },
         [](const XPCombo &combo) -> QVariant { return combo.Locked(); },
         [](XPCombo &combo, const QVariant &stored) {
             combo.m_jTexto->setReadOnly(stored.toBool());
         }},
        {Property::MaxLength, "MaxLength", [](const XPCombo &) -> QVariant { return 0; },
         [](const XPCombo &combo) -> QVariant { return combo.m_maxLength; },
         [](XPCombo &combo, const QVariant &stored) {
             combo.m_maxLength = stored.toInt();
             combo.applyMaxLength();
         }},
        {Property::ToolTipText, "ToolTipText",
         [](const XPCombo &) -> QVariant { return QString(); },
         [](const XPCombo &combo) -> QVariant { return combo.ToolTipText(); },
         [](XPCombo &combo, const QVariant &stored) {
             combo.m_jTexto->setToolTip(stored.toString());
         }},
        {Property::FieldName, "FieldName", [](const XPCombo &) -> QVariant { return QString(); },
         [](const XPCombo &combo) -> QVariant { return combo.m_fieldName; },
         [](XPCombo &combo, const QVariant &stored) { combo.keepFieldName(stored.toString()); }},
        {Property::Enabled, "Enabled", [](const XPCombo &) -> QVariant { return false; },
         [](const XPCombo &combo) -> QVariant { return combo.m_enabled; },
         [](XPCombo &combo, const QVariant &stored) { combo.m_enabled = stored.toBool(); }},
        {Property::TagCode, "TagCode", [](const XPCombo &) -> QVariant { return false; },
         [](const XPCombo &combo) -> QVariant { return combo.TagCode(); },
         [](XPCombo &combo, const QVariant &stored) { combo.m_list.setTagCode(stored.toBool()); }},
        {Property::SelStart, "SelStart", [](const XPCombo &) -> QVariant { return 0; },
         [](const XPCombo &combo) -> QVariant { return combo.SelStart(); }, nullptr},
        {Property::SelLength, "SelLength", [](const XPCombo &) -> QVariant { return 0; },
         [](const XPCombo &combo) -> QVariant { return combo.SelLength(); }, nullptr},
        {Property::SelText, "SelText", [](const XPCombo &) -> QVariant { return QString(); },
         [](const XPCombo &combo) -> QVariant { return combo.SelText(); }, nullptr},
        {Property::FileName, "FileName", [](const XPCombo &) -> QVariant { return QString(); },
         [](const XPCombo &combo) -> QVariant { return combo.m_fileName; },
         [](XPCombo &combo, const QVariant &stored) { combo.m_fileName = stored.toString(); }},
    };
    static constexpr PropertyTable<XPCombo, Property> table{rows};
    static_assert(table.rowsFollowTheEnum());
    return table;
}

void XPCombo::notify(Property property)
{
    notifyPropertyChanged(propertyTable().notifyKey(property));
}

void XPCombo::initProperties()
{
    m_enabled = false;
    m_list.setTagCode(false);
    m_fileName.clear();
}

void XPCombo::readProperties(const PropertyBag &bag)
{
    propertyTable().read(*this, bag);
    applyTextColours();
    ArrangeParts();
}

void XPCombo::writeProperties(PropertyBag &bag) const
{
    propertyTable().write(*this, bag);
}
