/*
 * Tervolan's PDF writer: a small handle-based C API.
 *
 * A box is one writer instance. Properties are set by number, a document is
 * opened with BeginDoc, filled line by line with TextOut and NewPage, and
 * written with EndDoc. Boxes are independent: two boxes may write two
 * documents at the same time from two threads; one box is used by one
 * thread at a time.
 *
 * Every function that can fail returns -1 and leaves a message for
 * GetErrorMsg; a call that succeeds clears it, so the message always tells
 * of the thread's last call. The message is kept per thread, so a failure
 * in one thread never overwrites the message another thread is about to
 * read.
 *
 * Text crosses this interface as UTF-8. Coordinates and the page height are
 * in tenths of a millimetre, x from the left edge and y from the top edge of
 * the page.
 */
#ifndef TERVOLANPDF_H
#define TERVOLANPDF_H

#include <stdint.h>

#if defined(TERVOLANPDF_BUILD)
#define TERVOLANPDF_EXPORT __attribute__((visibility("default")))
#else
#define TERVOLANPDF_EXPORT
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Property numbers. Text properties are set with SetStrProp, numbers with
 * SetNumProp; GetNumProp reads the numbers back. Output path, page size and
 * document information are taken when BeginDoc opens a document; font
 * name, size and colour apply to each TextOut.
 *
 * Font names: "宋体" and "SimSun" (and "") are Noto Serif CJK SC, "黑体" and
 * "SimHei" Noto Sans CJK SC; any other name is looked up with fontconfig.
 * Fonts are embedded as subsets with a Unicode map, so the text of the
 * document can be copied and searched.
 *
 * Language, archival and tagged output are taken by BeginDoc too. A tagged
 * document makes one paragraph element of all text drawn under one value of
 * PDF_PARAGRAPH, so a caller sets it before the first piece of each input
 * line.
 *
 * Headings: setting PDF_HEADING_LEVEL to 1 (a volume) or 2 (a chapter)
 * makes the next line drawn the start of a heading: it gets an outline
 * entry titled PDF_HEADING_TITLE ("" takes the line's own text) that opens
 * at that line, chapters nested under the volume before them, and a tagged
 * document makes the paragraph an H1 or H2 element while the level stays
 * in force. An outline is written only for two or more headings, and the
 * document then opens with it shown. 0, the default, is body text. */
enum {
    PDF_OUTPUT_PATH = 10,    /* text: output path without ".pdf" */
    PDF_FONT_NAME = 11,      /* text: font face of the following text */
    PDF_PAGE_SIZE = 13,      /* text: "A3", "A4" or "A5"; anything else is A4 */
    PDF_AUTHOR = 15,         /* text: Author in the document information */
    PDF_KEYWORDS = 16,       /* text: Keywords in the document information */
    PDF_CREATOR = 19,        /* text: Creator in the document information */
    PDF_TEXT_ATTRIBUTE = 24, /* number: 0 is plain text */
    PDF_TEXT_COLOR = 25,     /* number: 0x00BBGGRR */
    PDF_FONT_SIZE = 28,      /* number: points; below 1 means 12 */
    PDF_PAGE_HEIGHT = 34,    /* number, read only: page height */
    PDF_RESERVED_44 = 44,    /* number: accepted and kept, no effect */
    PDF_LANGUAGE = 50,       /* text: language tag of the text ("zh-CN", "en"); "" is en */
    PDF_ARCHIVAL = 51,       /* number: 1 writes PDF/A-1b, 0 the default output */
    PDF_TAGGED = 52,         /* number: 1 writes a structure tree, 0 none */
    PDF_PARAGRAPH = 53,      /* number: paragraph of the following text; a
                                new value starts a new paragraph */
    PDF_KEEP_EXISTING = 54,  /* number: 1 makes EndDoc fail rather than
                                replace a file or link at the output path,
                                which another writer may have put there
                                since BeginDoc; 0, the default, replaces it */
    PDF_OUTPUT_TAKEN = 55,   /* number, read only: 1 when the last EndDoc
                                failed because PDF_KEEP_EXISTING found the
                                output path taken; BeginDoc sets it to 0 */
    PDF_HEADING_LEVEL = 56,  /* number: 0 body text, 1 volume, 2 chapter;
                                anything else is refused */
    PDF_HEADING_TITLE = 57,  /* text: outline title of the next heading */
    PDF_PAGE_NUMBERS = 58,   /* text, taken by BeginDoc: drawn centred at
                                the foot of every page (8 mm above the
                                bottom edge, 10 points, in the document's
                                first font), "{n}" read as the page's
                                number and "{total}" as the page count;
                                "" (the default) draws none */
    /* Characters of the text that no installed font has a glyph for (they
     * show the empty box), each counted once, over the document open or
     * else the one last finished. None of the three reads -1 but on
     * failure. */
    PDF_MISSING_GLYPH_COUNT = 60, /* number, read only: how many */
    PDF_MISSING_GLYPH_INDEX = 61, /* number: which one 62 reads, from 0; a
                                   * negative index is refused */
    PDF_MISSING_GLYPH = 62,       /* number, read only: its code point; read
                                   * with the index at or past the count,
                                   * it fails */
    PDF_FONT_STAND_IN = 63,       /* text, read only: the family drawing
                                   * property 11's font where no installed
                                   * face is of that family, "" where one
                                   * is; fails when no font is found */
    PDF_FONT_ANSWERS = 64         /* text, for the whole process, set before
                                   * any text is drawn: a file in which the
                                   * font faces fontconfig names are kept,
                                   * so that later processes need not read
                                   * fontconfig's configuration while it
                                   * and the fonts are unchanged */
};

/* Creates a writer instance. window and reserved are accepted for
 * compatibility and ignored. Returns a positive handle, or -1 when no
 * instance can be made. The library owns the instance; it lives until the
 * process ends (there is no call to release it). */
TERVOLANPDF_EXPORT int CreateBox(intptr_t window, int reserved);

/* Sets a text property. text is UTF-8; NULL counts as "". Returns 0, or -1
 * for an unknown handle, an unknown property or a number property. */
TERVOLANPDF_EXPORT int SetStrProp(int box, int property, const char *text);

/* Sets a number property. Returns 0, or -1 for an unknown handle, an
 * unknown property, a text property or the read-only page height. */
TERVOLANPDF_EXPORT int SetNumProp(int box, int property, int value);

/* Returns the value in force of a number property (a font size below 1
 * reads back as 12; 34 gives the height of the page size set so far, or,
 * while a document is open, of that document's pages), or -1 for an
 * unknown handle, an unknown property or a text property. */
TERVOLANPDF_EXPORT int GetNumProp(int box, int property);

/* Copies the value of a text property that can be read (63), UTF-8 and
 * NUL-terminated, into buffer, cut to capacity - 1 bytes on a character
 * boundary. Returns the number of bytes copied, or -1 for an unknown
 * handle, a property that cannot be read as text, a NULL buffer or a
 * capacity below 1, or when the value cannot be had (the message says
 * why). */
TERVOLANPDF_EXPORT int GetStrProp(int box, int property, char *buffer, int capacity);

/* Opens a document with the properties set so far; its first page is
 * current. Any document still open on this box is abandoned first. The
 * document is streamed into a hidden temporary file in the output folder
 * (".tervolan-XXXXXX"); should the process exit normally with a document
 * still open, an exit handler removes that file. Returns 0, or -1 when the
 * output path is empty or its folder does not exist or cannot be written;
 * the message names the folder and the cause. */
TERVOLANPDF_EXPORT int BeginDoc(int box);

/* Draws text as one line at (x, y) on the current page in the current font,
 * size and colour. y is the top of the line: the baseline lies the font's
 * ascent below it. NULL counts as "". Invalid UTF-8 bytes show as U+FFFD,
 * control characters as blanks (a tab reaches the next stop of eight
 * blanks), and zero-width and format characters (joiners, soft hyphen,
 * variation selectors) as nothing, though they stay in the text. A
 * character the font lacks is drawn from another installed font that has
 * it, embedded as a further font; one that no font has shows the empty
 * box and is counted in property 60. Returns 0, or
 * -1 without an open document, when the font cannot be loaded, or when the
 * document can no longer be written (disk full); in that last case the
 * document is abandoned and its temporary file removed. */
TERVOLANPDF_EXPORT int TextOut(int box, int x, int y, const char *text);

/* Closes the current page and starts an empty one of the same size.
 * Returns 0, or -1 without an open document, when the document can no
 * longer be written, or when the new page would take it past 1,000,000
 * pages, more than PDF readers open in reasonable time; in the last two
 * cases the document is abandoned, as for TextOut. */
TERVOLANPDF_EXPORT int NewPage(int box);

/* Finishes the document and puts it at the output path plus ".pdf". The
 * file is written beside the target under a temporary name and renamed over
 * it only when complete, so a failure (disk full, folder gone) leaves any
 * earlier file at that path untouched and no partial file behind. A
 * symbolic link at that path is replaced by the document, never written
 * through: the file it points at stays as it was. Returns
 * 0, or -1 without an open document or on any write failure. */
TERVOLANPDF_EXPORT int EndDoc(int box);

/* Copies the message of the calling thread's last call, UTF-8 and
 * NUL-terminated, into buffer, cut to capacity - 1 bytes on a character
 * boundary: why that call failed, or "" when it succeeded. Returns the
 * number of bytes copied, or -1 when buffer is NULL or capacity is below 1
 * (which leaves the message as it was). */
TERVOLANPDF_EXPORT int GetErrorMsg(char *buffer, int capacity);

#ifdef __cplusplus
}
#endif

#endif
