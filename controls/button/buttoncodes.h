#pragma once

// The numbers the button's properties and events carry for pointers, mouse
// buttons and shift keys, as its host defines them (key codes are in
// platform/virtualkey.h).
namespace ButtonCodes {

// MousePointer values.
constexpr short PointerDefault = 0;
constexpr short PointerArrow = 1;
constexpr short PointerCustom = 99; // the MouseIcon picture

// The Button mask of the mouse events.
constexpr short LeftButton = 1;
constexpr short RightButton = 2;
constexpr short MiddleButton = 4;

// The Shift mask of the mouse and key events.
constexpr short ShiftMask = 1;
constexpr short CtrlMask = 2;
constexpr short AltMask = 4;

} // namespace ButtonCodes
