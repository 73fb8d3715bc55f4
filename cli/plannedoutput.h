#pragma once

#include <string>

// The PDF one input of a batch goes to, decided before any converting
// starts, and whether it is converted at all.
struct PlannedOutput {
    enum class Action {
        Convert,
        SkipTaken,    // the name is another input's or a file's (--on-conflict skip)
        SkipUpToDate, // its PDF is at least as new as the input (--update)
    };

    std::string base; // the PDF's path without ".pdf"
    Action action = Action::Convert;

    std::string pdfPath() const { return base + ".pdf"; }
};
