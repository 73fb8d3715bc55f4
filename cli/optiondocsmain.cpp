// tervolan-convert-docs MAN_IN MAN_OUT COMPLETION_IN COMPLETION_OUT: writes
// the man page and the bash completion from their templates and the option
// table, so that no option is spelled in them by hand. Run by the build.
#include "cli/optiondocs.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

namespace {

std::optional<std::string> readFile(const char *path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool writeFile(const char *path, const std::string &text)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    return bool(out);
}

int fail(const std::string &message)
{
    std::fprintf(stderr, "tervolan-convert-docs: %s\n", message.c_str());
    return 1;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 5)
        return fail("usage: tervolan-convert-docs MAN_IN MAN_OUT COMPLETION_IN COMPLETION_OUT");
    std::optional<std::string> manSource = readFile(argv[1]);
    std::optional<std::string> completionSource = readFile(argv[3]);
    if (!manSource || !completionSource)
        return fail(std::string("cannot read ") + (manSource ? argv[3] : argv[1]));
    std::string error;
    std::optional<std::string> man = OptionDocs::manPage(*manSource, error);
    if (!man)
        return fail(std::string(argv[1]) + ": " + error);
    if (!writeFile(argv[2], *man))
        return fail(std::string("cannot write ") + argv[2]);
    if (!writeFile(argv[4], OptionDocs::bashCompletion(*completionSource)))
        return fail(std::string("cannot write ") + argv[4]);
    return 0;
}
