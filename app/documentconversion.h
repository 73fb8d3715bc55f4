#pragma once

#include "app/conversionhost.h"
#include "app/progressdisplay.h"
#include "platform/text/itemreader.h"
#include "platform/text/textfilereader.h"
#include "settings/settings.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

class HeadingDetector;
class PieceCutter;

// What became of one input.
enum class ConversionOutcome {
    Written,      // its PDF is in place
    Skipped,      // it could not be read or laid out; the host was told why
    WriterFailed, // the PDF writer failed; the host was told its message
};

// One input turned into one PDF a step at a time, so that whoever runs it
// decides what happens between steps: the window repaints and takes input,
// the command line goes straight on. Lines are broken at CharsPerLine
// characters, placed down the page at a step of 5 x font size, and a page
// is broken when the next line would come within 200 units of the bottom
// edge (PageFit). The settings are read once, when it is made.
class DocumentConversion {
public:
    // Writes input into the PDF outputBase + ".pdf"; encoding, when given,
    // is used instead of telling it from the bytes.
    DocumentConversion(int box, const Settings &settings, ConversionHost &host,
                       ProgressDisplay &progress, std::string input, std::string outputBase,
                       std::optional<TextEncoding> encoding);
    ~DocumentConversion();
    DocumentConversion(const DocumentConversion &) = delete;
    DocumentConversion &operator=(const DocumentConversion &) = delete;

    // Does the next piece of work: opening the input and the document, a
    // stretch of the counting pass, one output line, or finishing the
    // document. Returns whether more remains; outcome() is final once it
    // returns false. The host hears of every outcome but Written, and of a
    // Written one whose text runs off the page.
    bool step();
    // Drops the document being written: no PDF appears and its temporary
    // file is removed. Nothing more is done.
    void abandon();

    ConversionOutcome outcome() const { return m_outcome; }
    // The encoding the input was read in, nothing when it could not be
    // opened.
    std::optional<TextEncoding> encoding() const { return m_encoding; }
    int pageCount() const { return m_pageCount; }
    // Characters of the written document that no installed font has.
    int missingGlyphCount() const { return m_missingGlyphCount; }
    // Chapter and volume headings found so far; nothing when the outline
    // is off.
    std::optional<int> headingCount() const;

    // piece count x 100 / item count, rounded half to even, at most 100.
    static int progressPercent(long long pieceCount, long long itemCount);

private:
    enum class Phase { Opening, Counting, Writing, Ending, Done };

    void open();
    void beginDocument();
    void countSome();
    void writeNextLine();
    bool nextOutput(std::u32string_view &output, bool &isPiece);
    void startHeadings();
    void markHeading();
    void writeOutputLine(std::u32string_view text);
    void end();
    void setDocumentProperties();
    void setTextProperties();
    std::optional<SkipReason> missingGlyphs() const;
    void warnOfEncoding();
    void finish(ConversionOutcome outcome);
    void skip(const SkipReason &reason);

    int m_box;
    const Settings m_settings;
    ConversionHost &m_host;
    ProgressDisplay &m_progress;
    const std::string m_input;
    const std::string m_outputBase;
    const std::optional<TextEncoding> m_forcedEncoding;
    Phase m_phase = Phase::Opening;
    bool m_documentOpen = false;
    ConversionOutcome m_outcome = ConversionOutcome::Skipped;
    TextFileReader m_reader;
    std::unique_ptr<ItemReader> m_items;
    std::unique_ptr<PieceCutter> m_cutter;
    std::unique_ptr<HeadingDetector> m_headings; // none when the outline is off
    int m_headingCount = 0;
    bool m_inHeading = false; // the writer's heading level is not 0
    std::optional<TextEncoding> m_encoding;
    long long m_itemCount = 0;
    long long m_pieceCount = 0;
    int m_lineSlot = 1;
    int m_pageCount = 0;
    int m_fontSize = 12;
    int m_pageHeight = 0;
    int m_missingGlyphCount = 0;
    // The input line being placed, the paragraph a tagged document makes
    // of its pieces; 0 before the first.
    int m_inputLine = 0;
    // The widest and the number of output lines, to tell whether the text
    // stayed on the page.
    long long m_longestWidth = 0;
    long long m_lineCount = 0;
    std::string m_lineUtf8;
};
