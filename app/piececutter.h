#pragma once

#include "platform/text/charsource.h"

#include <string>
#include <string_view>

// Breaks the lines of a character stream into output lines of at most N
// characters. A line longer than N is cut after N characters; when
// character N+1 is a blank the cut falls there and the blank is dropped,
// otherwise at the last blank of the piece (which stays at its end), or
// hard after N characters when the piece has no blank. Only U+0020 counts
// as a blank. A cut never splits a grapheme cluster: it moves to the
// cluster's start, or after its end when the cluster starts the piece.
//
// Lines are read as they are cut, holding at most N+1 characters of a line
// at a time, so one huge line costs no more memory than a short one.
// A line ends at CR, CR LF or a lone LF.
//
// With punctuation rules (避头尾), a hard cut that would start the next
// piece with closing marks (。，、；：？！”）》」 and the like) takes them
// onto the end of this piece, up to MaxMarkRun of them, and one that would
// end this piece with opening marks (“（《「 ...) moves them to the next,
// unless the piece holds nothing else.
class PieceCutter {
public:
    static constexpr size_t MaxMarkRun = 32;

    PieceCutter(CharSource &source, int charsPerLine, bool punctuationRules = false);

    // Moves to the next input line; false at the end of the stream.
    bool nextLine();

    // The whole current input line when it holds at most most characters
    // and none of it has been taken yet; false otherwise. Reads at most
    // most + 1 characters ahead. Valid until the next call.
    bool wholeLine(size_t most, std::u32string_view &line);

    // The next output line of the current input line, valid until the next
    // call. Returns false when the line is used up. isPiece tells whether it
    // was cut from a longer rest (the last rest is not a piece).
    bool nextOutput(std::u32string_view &output, bool &isPiece);

private:
    void fill(size_t want);
    bool takeRest(std::u32string_view &output, bool &isPiece);
    bool keepClusterWhole(size_t &end, size_t &next);
    bool keepMarksInPlace(size_t &end, size_t &next);

    CharSource &m_source;
    size_t m_limit;
    bool m_punctuationRules;
    std::u32string m_buffer;
    size_t m_offset = 0;
    bool m_lineEnded = true;
    bool m_lineDone = true;
};
