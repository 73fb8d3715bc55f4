#include "app/getfile.h"

std::string GetFileName(const std::string &path)
{
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string GetBaseName(const std::string &path)
{
    std::string name = GetFileName(path);
    return name.substr(0, name.find('.'));
}
