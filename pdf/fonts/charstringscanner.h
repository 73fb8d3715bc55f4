// Follows Type 2 glyph programs far enough to learn which subroutines they
// call, so a subset keeps those and empties the rest. It reads numbers and
// operators, counts stems for the length of hint masks, and gives up on
// anything whose subroutine numbers it could not know for sure
// (arithmetic, storage), leaving such fonts to the full subsetter. A
// subroutine that depends on nothing its caller left (no hints, no
// subroutine number from the caller's operands) is followed once per font
// DICT; later calls replay what it left on the stack.
#ifndef TERVOLANPDF_CHARSTRINGSCANNER_H
#define TERVOLANPDF_CHARSTRINGSCANNER_H

#include "pdf/fonts/cffindex.h"

#include <cstdint>
#include <deque>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tervolanpdf {

class CharStringScanner {
public:
    // usedGlobal gets a flag per global subroutine; it must hold
    // globalSubrs.count() of them. listUses makes every scan() list what it
    // used, for lastUses().
    CharStringScanner(const CffIndex &globalSubrs, std::vector<bool> &usedGlobal,
                      bool listUses = false);

    // Marks in usedGlobal and usedLocal (one flag per local subroutine) the
    // subroutines glyph calls, directly or not. Returns false when the
    // program cannot be followed.
    bool scan(std::string_view glyph, const CffIndex &localSubrs, std::vector<bool> &usedLocal);

    // Every subroutine the last scan() used, directly or not, those whose
    // run it replayed included, some more than once: the index, with
    // kGlobal set for a global one. What a glyph uses does not depend on
    // the glyphs scanned before it, so the list can be kept for the glyph
    // and marked into another document's flags.
    static constexpr uint32_t kGlobal = 0x80000000u;
    const std::vector<uint32_t> &lastUses() const { return m_uses; }
    static void mark(const std::vector<uint32_t> &uses, std::vector<bool> &usedGlobal,
                     std::vector<bool> &usedLocal);

    // The number a subroutine index is biased by in an INDEX of count.
    static int bias(size_t count);

private:
    enum class Flow { Next, Return, End, Fail };

    // Operands as integers; a fraction is flagged, as no index can be one.
    struct Operand {
        int value;
        bool fraction;
    };

    // What one run of a program found out about it.
    struct Frame {
        size_t entryDepth = 0;
        bool cleared = false; // the caller's operands are gone
        bool closed = true;   // it would run the same for any caller
        int height = 0;       // levels of subroutines below it
    };

    // A subroutine as seen on its first run.
    struct Summary {
        enum class State { Unknown, Closed, Open } state = State::Unknown;
        Flow flow = Flow::Return;
        bool cleared = false;
        int height = 0;
        std::vector<Operand> left;  // what it leaves on the stack
        std::vector<uint32_t> uses; // it and what it called, for replays
    };

    Flow run(std::string_view program, int depth, Frame &frame);
    Flow call(const CffIndex &subrs, uint32_t kind, std::vector<bool> &used,
              std::vector<uint32_t> &summaries, int depth, Frame &frame);
    Summary &summaryIn(uint32_t &slot);
    Flow replay(const Summary &summary, int depth, Frame &frame);
    Flow runOperator(const unsigned char *&p, const unsigned char *end, int depth, Frame &frame);

    // A global subroutine may call local ones, so what it does is known
    // per font DICT, that is per INDEX of local subroutines. Each
    // subroutine has a slot: 0 until it is first summed up, then one past
    // its summary's place in m_store. A small document calls a few hundred
    // of the face's tens of thousands of subroutines, so only their
    // summaries are made.
    struct Summaries {
        std::vector<uint32_t> global;
        std::vector<uint32_t> local;
    };

    const CffIndex &m_globalSubrs;
    std::vector<bool> &m_usedGlobal;
    const CffIndex *m_localSubrs = nullptr;
    std::vector<bool> *m_usedLocal = nullptr;
    Summaries *m_summaries = nullptr;
    std::unordered_map<const CffIndex *, Summaries> m_summariesByLocalSubrs;
    std::deque<Summary> m_store; // keeps its place as it grows
    std::vector<Operand> m_stack;
    std::vector<uint32_t> m_uses;
    bool m_listUses;
    int m_stems = 0;
};

} // namespace tervolanpdf

#endif
