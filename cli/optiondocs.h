#pragma once

#include <optional>
#include <string>
#include <string_view>

// What tervolan-convert's documents say about its options, made from the
// option table: the list in --help, the OPTIONS section of the man page
// and the words of the bash completion. The man page and the completion
// are written at build time from hand-written templates.
class OptionDocs {
public:
    // The whole of --help: usage, the option list, inputs, output and exit
    // statuses.
    static std::string help();

    // The option list of --help, one entry per row, the help in a column.
    static std::string helpList();

    // The man page source with its OPTIONS section made from the rows: a
    // heading per option, in the table's order, followed by the paragraph
    // written under ".\" option --NAME" in the template, or by the help
    // text when there is none. What follows the line ".\" options end"
    // stays as written. Returns nothing, with a message in error, for a
    // template without that section or with a paragraph for no option.
    static std::optional<std::string> manPage(std::string_view source, std::string &error);

    // The completion with @OPTIONS@ replaced by every option's spellings
    // and @OPTIONS_WITH_VALUE@ by a case pattern of those that take the
    // next word as their value.
    static std::string bashCompletion(std::string_view source);
};
