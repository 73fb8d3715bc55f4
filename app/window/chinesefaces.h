#pragma once

// The faces the window's Chinese texts are drawn with. The window asks for
// Tahoma and Verdana, which a Linux desktop seldom has; fontconfig then
// picks a face by the desktop's language, and outside a Chinese desktop
// (en_US, C) that is Noto Sans CJK JP, which draws 直 and 骨 in their
// Japanese forms.
namespace ChineseFaces {

// Where a family the windows ask for is missing, Noto Sans CJK SC stands
// in for it, as it does on a Chinese desktop. Call once the application
// object exists, before any window is built.
void preferSimplifiedChinese();

} // namespace ChineseFaces
