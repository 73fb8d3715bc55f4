#pragma once

#include <string>

// Which font face the PDF writer will draw a face name with, asked of
// fontconfig the way the writer asks it.
class FontMatch {
public:
    // "" when the writer has a face of that name (or maps the name to its
    // own Chinese faces and finds them); else the family it will use
    // instead, or "no font at all" when fontconfig finds nothing.
    static std::string substituteFor(const std::string &name);
};
