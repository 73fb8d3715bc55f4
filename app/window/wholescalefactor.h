#pragma once

#include <QByteArray>

// The owner-drawn controls paint exact pixels and are enlarged block by
// block on screen: at a whole scale factor every pixel becomes a sharp
// square, at 1.25 or 1.5 rows and columns are doubled unevenly and the
// controls look blocky next to the crisp native text. So this program takes
// only whole factors: a fractional one becomes the nearest whole factor
// (ties upward, as 1.5 to 2; never below 1).
namespace WholeScaleFactor {

// Before the application object exists: rounds the factors the desktop
// reports and those given through QT_SCALE_FACTOR and
// QT_SCREEN_SCALE_FACTORS. A rounding policy asked for through
// QT_SCALE_FACTOR_ROUNDING_POLICY is left to decide alone.
void roundBeforeStart();

// A QT_SCREEN_SCALE_FACTORS or QT_SCALE_FACTOR value with each factor
// rounded; "1.5;2" and "HDMI-1=1.25;eDP-1=1.5" keep their form. A piece
// that is no number is kept as it is.
QByteArray rounded(const QByteArray &factors);

} // namespace WholeScaleFactor
