#pragma once

#include <cstdint>

// A stream of decoded characters; -1 marks the end.
class CharSource {
public:
    virtual ~CharSource() = default;
    virtual int32_t get() = 0;
    virtual int32_t peek() = 0;
};
