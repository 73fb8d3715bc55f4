#include "cli/shard.h"

uint64_t Shard::hash(std::string_view path)
{
    constexpr uint64_t OffsetBasis = 14695981039346656037ull;
    constexpr uint64_t Prime = 1099511628211ull;
    uint64_t value = OffsetBasis;
    for (char c : path) {
        value ^= static_cast<unsigned char>(c);
        value *= Prime;
    }
    return value;
}
