#pragma once

#include "platform/text/readfailure.h"

#include <string>
#include <vector>

// A part of config.ini that loading left out, and why, kept as data so
// that each front end words it in its own language: the whole file (or
// the rest of it) when it cannot be read, else a number that is no 16-bit
// one. Such a value would otherwise pass unseen as 0.
struct ConfigProblem {
    // Kind None for an ignored number.
    ReadFailure failure;
    // The record's field name ("FontSize") and the item as it stands.
    std::string field;
    std::string value;

    // All of them in one line of English, for the command line.
    static std::string english(const std::string &file, const std::vector<ConfigProblem> &problems);
};
