#pragma once

#include <cstdint>
#include <string_view>

// One of count parts of a list of paths, told apart by a hash of each
// path's bytes, so workers given the same list share it out without
// talking to each other: every path falls in exactly one shard.
struct Shard {
    int index = 0; // from 0 to count - 1
    int count = 1;

    bool holds(std::string_view path) const { return int(hash(path) % uint64_t(count)) == index; }
    // 64-bit FNV-1a: the same on every machine and in every run.
    static uint64_t hash(std::string_view path);
};
