#pragma once

#include "controls/xpprogressbar/progressbarpainter.h"
#include "controls/xpprogressbar/valuenotice.h"
#include "platform/propertytable.h"
#include "platform/usercontrol.h"

#include <array>

// A progress bar drawn from small tiles: a framed trough holding either a
// growing row of blocks (Style 0) or a small group of tiles that moves one
// step per value (any other Style). ProgressLook picks one of eight looks.
class Xp_ProgressBar : public UserControl {
    Q_OBJECT

public:
    // Style 0 grows a row of blocks; any other style moves a group.
    static constexpr int BlocksStyle = 0;

    // The stored properties in the order they are read and saved.
    enum class Property { Min, Max, Value, Style, ProgressLook };
    static const PropertyTable<Xp_ProgressBar, Property> &propertyTable();

    explicit Xp_ProgressBar(QWidget *parent = nullptr);

    int Min() const { return m_min; }
    int Max() const { return m_max; }
    int Value() const { return m_value; }
    int Style() const { return m_style; }
    int ProgressLook() const { return m_progressLook; }
    // What the bar shows: the value last drawn, or Min while the trough is
    // drawn empty (after a new size, or stored properties read without
    // drawing). A screen reader reads this, not Value.
    int shownValue() const { return m_shownValue; }

    // Out-of-range values are refused with an "Error" message box and the
    // old value stays.
    void setMin(int min);
    void setMax(int max);
    void setValue(int value);
    void setStyle(int style);
    using QWidget::setStyle;
    // Looks outside 0 to 7 are stored but keep the current tiles.
    void setProgressLook(int look);

    void readProperties(const PropertyBag &bag) override;
    void writeProperties(PropertyBag &bag) const override;

protected:
    void onResize() override;

private:
    void notify(Property property);

    ProgressBarState paintState() const;
    void refuse(const QString &message);

    static constexpr int DefaultMin = 0;
    static constexpr int DefaultMax = 100;
    static constexpr int DefaultValue = 0;
    static constexpr int DefaultLook = 0;

    int m_min = DefaultMin;
    int m_max = DefaultMax;
    int m_value = DefaultValue;
    int m_style = BlocksStyle;
    int m_progressLook = DefaultLook;
    int m_shownValue = DefaultMin;
    // The working tiles: copies of the chosen look's pictures.
    std::array<Gdi::Surface, 3> m_tiles;
    ProgressBarTrack m_track;
    // A screen reader follows the bar from these, not by asking.
    ValueNotice m_screenReaders;
};
