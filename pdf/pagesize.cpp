#include "pdf/tervolanpdf-private.h"

namespace tervolanpdf {

PageSize pageSizeFor(const std::string &name)
{
    if (name == "A3")
        return {2970, 4200};
    if (name == "A5")
        return {1480, 2100};
    return {2100, 2970};
}

} // namespace tervolanpdf
