#include "settings/configproblem.h"

std::string ConfigProblem::english(const std::string &file,
                                   const std::vector<ConfigProblem> &problems)
{
    std::string text = "config.ini " + file + ":";
    const char *separator = " ";
    for (const ConfigProblem &problem : problems) {
        text += separator;
        separator = "; ";
        if (problem.failure.kind == ReadFailure::Kind::ReadFailed)
            text += problem.failure.english() + "; the values after it are ignored";
        else if (problem.failure.kind != ReadFailure::Kind::None)
            text += problem.failure.english() + "; its values are ignored";
        else
            text += problem.field + " \"" + problem.value
                + "\" is ignored (not a number from -32768 to 32767)";
    }
    return text;
}
