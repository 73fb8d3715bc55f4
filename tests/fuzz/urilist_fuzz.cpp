// Fuzzes the decoder of dropped "text/uri-list" data. Every path it hands
// to the input list must be an absolute local path without a NUL.

#include "app/window/urilist.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray uriList(reinterpret_cast<const char *>(data), qsizetype(size));
    const QByteArrayList paths = UriList::localPaths(uriList);
    if (paths.size() > uriList.count('\n') + 1)
        std::abort();
    for (const QByteArray &path : paths) {
        if (!path.startsWith('/') || path.contains('\0'))
            std::abort();
    }
    return 0;
}
