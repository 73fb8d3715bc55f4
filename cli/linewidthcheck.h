#pragma once

#include "settings/settings.h"

#include <optional>
#include <string>

// Whether the settings of a run make full lines wider than the page: said
// once before the run rather than found file by file.
class LineWidthCheck {
public:
    // The warning to give, naming the largest font size that fits, or
    // nothing when full lines stay on the page (or no document can be made
    // at all, which each file reports).
    static std::optional<std::string> warning(const Settings &settings);
};
