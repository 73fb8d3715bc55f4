#include "app/getfile.h"

std::string GetFileName(const std::string &path)
{
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string GetBaseName(const std::string &path)
{
    std::string name = GetFileName(path);
    std::string base = name.substr(0, name.find('.'));
    if (!base.empty() || name.empty())
        return base;
    // A name that starts with a dot would give every such input the same
    // hidden ".pdf": it loses only its last suffix instead, if that leaves
    // anything.
    const size_t lastDot = name.rfind('.');
    return lastDot == 0 ? name : name.substr(0, lastDot);
}
