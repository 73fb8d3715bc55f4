#pragma once

#include "platform/gdi/gdicolor.h"

#include <optional>

// The twelve built-in colour themes of the panel.
struct ContainerTheme {
    Gdi::ColorRef headerLight;
    Gdi::ColorRef headerDark;
    Gdi::ColorRef backLight;
    Gdi::ColorRef backDark;
    Gdi::ColorRef border;
    Gdi::ColorRef text;

    static constexpr int Count = 12;
    // Themes 0 to 11; nothing for any other number.
    static std::optional<ContainerTheme> byNumber(int number);
};
