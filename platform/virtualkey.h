#pragma once

// The virtual-key numbers that forms compare key codes against. Letters,
// digits and the blank are their own characters; F1 to F24 follow F1 on.
namespace VirtualKey {

constexpr short Backspace = 0x08;
constexpr short Tab = 0x09;
constexpr short Return = 0x0D;
constexpr short Shift = 0x10;
constexpr short Control = 0x11;
constexpr short Alt = 0x12;
constexpr short Pause = 0x13;
constexpr short CapsLock = 0x14;
constexpr short Escape = 0x1B;
constexpr short Space = 0x20;
constexpr short PageUp = 0x21;
constexpr short PageDown = 0x22;
constexpr short End = 0x23;
constexpr short Home = 0x24;
constexpr short Left = 0x25;
constexpr short Up = 0x26;
constexpr short Right = 0x27;
constexpr short Down = 0x28;
constexpr short Insert = 0x2D;
constexpr short Delete = 0x2E;
constexpr short F1 = 0x70;

} // namespace VirtualKey
