#pragma once

#include <string>

// Why a text file could not be read, kept as a kind and the system's error
// number so that each program can word it in its own language.
struct ReadFailure {
    enum class Kind {
        None,
        NotRegularFile,
        CannotOpen,
        CannotRead,
        IsFolder,
        BinaryFile,
        ReadFailed,
    };

    Kind kind = Kind::None;
    int errorNumber = 0; // 0 when the kind says it all

    // The command line's English wording, "cannot open: No such file or
    // directory".
    std::string english() const;
};
