#pragma once

#include "app/conversionhost.h"
#include "app/documentconversion.h"
#include "app/pathlist.h"
#include "app/progressdisplay.h"
#include "platform/text/textfilereader.h"
#include "settings/settings.h"

#include <memory>
#include <optional>
#include <string>

// Turns a list of text files into PDFs through the PDF writer, one document
// per input (DocumentConversion), a step at a time: whoever runs it decides
// what happens between steps, and nothing the job calls runs anything else.
// The window takes steps from its event loop, the command line in a plain
// loop. A font size that puts the first line below the page makes no
// document; text that runs off the page is written and the host is warned.
class ConversionJob {
public:
    ConversionJob(int box, const Settings &settings, ConversionHost &host,
                  ProgressDisplay &progress);
    ~ConversionJob();

    // Starts a run over the list from its top. Returns false, having done
    // nothing, while a run is under way or when the list is empty; also
    // when the output folder cannot be made or written, after telling the
    // host (the list stays).
    bool start(PathList &list);
    // Takes the run one step further (see DocumentConversion::step); an
    // entry leaves the list once its document is finished, whatever the
    // list went through meanwhile. After the last one it beeps, opens the
    // output folder and shows 100. A writer failure ends the run at once:
    // its entry stays on the list and nothing more happens. Returns whether
    // more remains; the list must outlive the run.
    bool step();
    // Ends the run where it stands: the document being written is dropped
    // (no PDF, no temporary file) and the list keeps what it holds.
    void abandon();
    bool isRunning() const { return m_list != nullptr; }

    // A whole run in one call, for callers with nothing to do between steps.
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
    // Chapter headings of the last document; nothing with the outline off.
    std::optional<int> lastHeadingCount() const { return m_headingCount; }

    // The output folder as the job uses it: OutputFolder, with a leading
    // "~" read as the home folder; $HOME/output when it is empty or a
    // Windows drive path ("C:\output" from a config.ini made on Windows).
    static std::string outputFolder(const Settings &settings);
    // "C:", "C:\x", "D:/out": a folder of Windows, where only the design's
    // default can have been meant.
    static bool isWindowsDrivePath(const std::string &folder);
    // The same with a "/" at the end.
    static std::string outputFolderText(const Settings &settings);
    // Creates the output folder with its parents. Returns 0 when the job
    // can write into it, else the error number that says why not.
    static int createOutputFolder(const Settings &settings);

    // piece count x 100 / item count, rounded half to even, at most 100.
    static int progressPercent(long long pieceCount, long long itemCount)
    {
        return DocumentConversion::progressPercent(pieceCount, itemCount);
    }

private:
    std::unique_ptr<DocumentConversion> document(const std::string &input,
                                                 const std::string &outputBase) const;
    void keepOutcomeOf(const DocumentConversion &document);
    bool finishTopDocument();
    void removeConverted();
    void endRun();

    int m_box;
    const Settings &m_settings;
    ConversionHost &m_host;
    ProgressDisplay &m_progress;
    std::optional<TextEncoding> m_forcedEncoding;
    std::optional<TextEncoding> m_lastEncoding;
    int m_pageCount = 0;
    int m_missingGlyphCount = 0;
    std::optional<int> m_headingCount;
    // The run under way: its list, its folder, fixed when it started, and
    // the document being written with the entry it came from.
    PathList *m_list = nullptr;
    std::string m_runFolder;
    std::string m_runFolderText;
    std::unique_ptr<DocumentConversion> m_document;
    std::string m_input;
};
