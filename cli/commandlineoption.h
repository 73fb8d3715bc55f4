#pragma once

#include "cli/commandlineoptions.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// One row of tervolan-convert's option table: everything the parser,
// --help, the man page and the bash completion say about one option.
struct CommandLineOption {
    enum class Argument {
        None,
        Required, // "--name VALUE", "--name=VALUE", "-xVALUE", "-x VALUE"
        Optional, // only attached: "--name=VALUE", "-xVALUE"
    };

    // Every number option's least value.
    static constexpr int LowestNumber = 1;

    // A whole number from LowestNumber to high.
    template <typename Target> struct Number {
        Target CommandLineOptions::*target;
        int high;
    };
    // Checks the value and keeps it, or returns false with a message.
    using Check = bool (CommandLineOptions::*)(const std::string &value, std::string &error);

    // Where the option puts what it is given: a flag sets its bool, a text
    // is kept as it is, a list grows by it, a number and a checked value
    // are refused unless they are fit. Nothing for "-", which the parser
    // reads as an input by itself.
    using Destination = std::variant<std::monostate, bool CommandLineOptions::*,
                                     std::optional<std::string> CommandLineOptions::*,
                                     std::vector<std::string> CommandLineOptions::*, Number<int>,
                                     Number<std::optional<int>>, Check>;

    char shortName = 0; // 0 when it has none
    // Empty for the input "-", which is listed among the options but is none.
    std::string_view longName;
    Argument argument = Argument::None;
    Destination destination;
    std::string_view placeholder; // the value in --help and the man page: "FILE"
    std::string_view help;        // each "\n" starts a further line of the help column

    bool isOption() const { return !longName.empty(); }
};
