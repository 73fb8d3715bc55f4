#pragma once

#include <QIcon>

// The program's icon in every size a desktop asks for, from the 16-pixel
// title bar to the 256-pixel task switcher: one picture scaled by the
// desktop looks blurred or blocky.
namespace ProgramIcon {

QIcon icon();

} // namespace ProgramIcon
