// Follows Type 2 glyph programs far enough to learn which subroutines they
// call, so a subset keeps those and empties the rest. It reads numbers and
// operators, counts stems for the length of hint masks, and gives up on
// anything whose subroutine numbers it could not know for sure
// (arithmetic, storage), leaving such fonts to the full subsetter.
#ifndef TERVOLANPDF_CHARSTRINGSCANNER_H
#define TERVOLANPDF_CHARSTRINGSCANNER_H

#include "cffindex.h"

#include <string_view>
#include <vector>

namespace tervolanpdf {

class CharStringScanner {
public:
    // usedGlobal gets a flag per global subroutine; it must hold
    // globalSubrs.count() of them.
    CharStringScanner(const CffIndex &globalSubrs, std::vector<bool> &usedGlobal);

    // Marks in usedGlobal and usedLocal (one flag per local subroutine) the
    // subroutines glyph calls, directly or not. Returns false when the
    // program cannot be followed.
    bool scan(std::string_view glyph, const CffIndex &localSubrs, std::vector<bool> &usedLocal);

    // The number a subroutine index is biased by in an INDEX of count.
    static int bias(size_t count);

private:
    enum class Flow { Next, Return, End, Fail };

    Flow run(std::string_view program, int depth);
    Flow call(const CffIndex &subrs, std::vector<bool> &used, int depth);
    Flow runOperator(const unsigned char *&p, const unsigned char *end, int depth);

    const CffIndex &m_globalSubrs;
    std::vector<bool> &m_usedGlobal;
    const CffIndex *m_localSubrs = nullptr;
    std::vector<bool> *m_usedLocal = nullptr;
    // Operands as integers; a fraction is flagged, as no index can be one.
    std::vector<int> m_stack;
    std::vector<bool> m_fraction;
    int m_stems = 0;
};

} // namespace tervolanpdf

#endif
