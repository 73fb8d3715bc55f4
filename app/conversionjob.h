#pragma once

#include "app/conversionhost.h"
#include "app/pathlist.h"
#include "app/progressdisplay.h"
#include "platform/text/textfilereader.h"
#include "settings/settings.h"

#include <optional>
#include <string>
#include <string_view>

class PieceCutter;

// What became of one input.
enum class ConversionOutcome {
    Written,      // its PDF is in place
    Skipped,      // it could not be read or laid out; the host was told why
    WriterFailed, // the PDF writer failed; the host was told its message
};

// Turns text files into PDFs through the PDF writer, one document per
// input: lines are broken at CharsPerLine characters, placed down the page
// at a step of 5 x font size, and a page is broken when the next line would
// come within 200 units of the bottom edge (PageFit). A font size that puts
// the first line below the page makes no document; text that runs off the
// page is written and the host is warned.
class ConversionJob {
public:
    ConversionJob(int box, const Settings &settings, ConversionHost &host,
                  ProgressDisplay &progress);

    // Converts the list from the top until it is empty, removing each entry
    // once its document is written; then beeps, opens the output folder and
    // shows 100. A call made while the job runs (from the event processing
    // of a running job) is ignored. When the output folder cannot be made
    // or written, the host is told and nothing is converted. A writer failure ends the run at once:
    // its entry stays on the list and nothing more happens.
    void ConvertList(PathList &list);

    // Converts one input into the folder text (a folder path ending in
    // "/"). An input that cannot be read, or whose font size leaves no
    // room for a line, is skipped and no document is written; the host
    // hears of every outcome but Written, and of a Written one whose text
    // runs off the page.
    ConversionOutcome convertFile(const std::string &input, const std::string &folderText);
    // The same into the PDF outputBase + ".pdf", whatever the input's name.
    ConversionOutcome convertFileTo(const std::string &input, const std::string &outputBase);

    // Reads every input in this encoding instead of telling it from the
    // bytes; nothing (the default) tells it from the bytes.
    void setEncoding(std::optional<TextEncoding> encoding) { m_forcedEncoding = encoding; }
    // Of the last input: the encoding it was read in (nothing when it could
    // not be opened) and the pages of its document.
    std::optional<TextEncoding> lastEncoding() const { return m_lastEncoding; }
    int lastPageCount() const { return m_pageCount; }
    // Characters of the last document written that no installed font has.
    int lastMissingGlyphCount() const { return m_missingGlyphCount; }

    bool isRunning() const { return m_running; }

    // The output folder as the job uses it: OutputFolder, with a leading
    // "~" read as the home folder; $HOME/output when it is empty or a
    // Windows drive path ("C:\output" from a config.ini made on Windows).
    static std::string outputFolder(const Settings &settings);
    // The same with a "/" at the end.
    static std::string outputFolderText(const Settings &settings);
    // Creates the output folder with its parents. Returns 0 when the job
    // can write into it, else the error number that says why not.
    static int createOutputFolder(const Settings &settings);

    // piece count x 100 / item count, rounded half to even, at most 100.
    static int progressPercent(long long pieceCount, long long itemCount);

private:
    bool convertTopEntry(PathList &list);
    bool openInput(TextFileReader &reader, const std::string &input);
    ConversionOutcome writeDocument(TextFileReader &reader, const std::string &input,
                                    const std::string &outputBase);
    void setDocumentProperties(const std::string &outputBase);
    std::optional<SkipReason> missingGlyphs() const;
    void setTextProperties();
    bool countItems(TextFileReader &reader);
    bool writeLines(TextFileReader &reader);
    void placeLine(PieceCutter &cutter);
    void writeOutputLine(std::u32string_view text);

    int m_box;
    const Settings &m_settings;
    Settings m_fileSettings;
    ConversionHost &m_host;
    ProgressDisplay &m_progress;
    bool m_running = false;
    long long m_itemCount = 0;
    long long m_pieceCount = 0;
    int m_lineSlot = 1;
    int m_pageCount = 0;
    int m_fontSize = 12;
    int m_pageHeight = 0;
    std::optional<TextEncoding> m_forcedEncoding;
    std::optional<TextEncoding> m_lastEncoding;
    int m_missingGlyphCount = 0;
    // The input line being placed, the paragraph a tagged document makes
    // of its pieces.
    int m_inputLine = 0;
    // The widest and the number of output lines of the current input, to
    // tell whether its text stayed on the page.
    long long m_longestWidth = 0;
    long long m_lineCount = 0;
    std::string m_lineUtf8;
    std::string m_runFolderText;
};
