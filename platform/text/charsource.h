#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// A stream of decoded characters; -1 marks the end.
class CharSource {
public:
    virtual ~CharSource() = default;
    virtual int32_t get() = 0;
    virtual int32_t peek() = 0;

    // Passes over characters until one of stops (ASCII characters) is next,
    // or to the end. Sources that can find them faster than character by
    // character override this.
    virtual void skipUntilAny(std::string_view stops)
    {
        for (int32_t c = peek(); c >= 0 && !isStop(c, stops); c = peek())
            get();
    }

    // Appends characters to out until one of stops (ASCII characters) is
    // next, max characters are taken, or the source ends.
    virtual void takeUntilAny(std::u32string &out, size_t max, std::string_view stops)
    {
        for (int32_t c = peek(); max > 0 && c >= 0 && !isStop(c, stops); c = peek(), --max)
            out.push_back(char32_t(get()));
    }

protected:
    static bool isStop(int32_t c, std::string_view stops)
    {
        return c >= 0 && c < 0x80 && stops.find(char(c)) != std::string_view::npos;
    }
};
