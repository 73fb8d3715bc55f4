#pragma once

#include <QPalette>

// The program's windows are a fixed light design: the owner-drawn panels
// and buttons never follow the desktop's colours, so the native widgets on
// them (labels, the list, the text boxes) must not either, or a dark
// desktop palette puts near-white text on the light panels.
namespace LightLook {

// Every role of every colour group set, so a later desktop palette change
// fills in nothing.
QPalette palette();

// Makes palette() the application's palette; call once the application
// object exists and before any window is built.
void apply();

} // namespace LightLook
