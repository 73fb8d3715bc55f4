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
 * GetErrorMsg. The message is kept per thread, so a failure in one thread
 * never overwrites the message another thread is about to read.
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
 * SetNumProp; GetNumProp reads the numbers back. */
enum {
    PDF_OUTPUT_PATH = 10,   /* text: output path without ".pdf" */
    PDF_FONT_NAME = 11,     /* text: font face of the following text */
    PDF_PAGE_SIZE = 13,     /* text: "A3", "A4" or "A5"; anything else is A4 */
    PDF_AUTHOR = 15,        /* text: Author in the document information */
    PDF_KEYWORDS = 16,      /* text: Keywords in the document information */
    PDF_CREATOR = 19,       /* text: Creator in the document information */
    PDF_TEXT_ATTRIBUTE = 24,/* number: 0 is plain text */
    PDF_TEXT_COLOR = 25,    /* number: 0x00BBGGRR */
    PDF_FONT_SIZE = 28,     /* number: points; below 1 means 12 */
    PDF_PAGE_HEIGHT = 34,   /* number, read only: page height */
    PDF_RESERVED_44 = 44    /* number: accepted and kept, no effect */
};

/* Creates a writer instance. window and reserved are accepted for
 * compatibility and ignored. Returns a positive handle, or -1 when no
 * instance can be made. The instance lives until the process ends. */
TERVOLANPDF_EXPORT int CreateBox(intptr_t window, int reserved);

/* Sets a text property. text is UTF-8; NULL counts as "". Returns 0, or -1
 * for an unknown handle, an unknown property or a number property. */
TERVOLANPDF_EXPORT int SetStrProp(int box, int property, const char *text);

/* Sets a number property. Returns 0, or -1 for an unknown handle, an
 * unknown property, a text property or the read-only page height. */
TERVOLANPDF_EXPORT int SetNumProp(int box, int property, int value);

/* Returns the value in force of a number property (a font size below 1
 * reads back as 12; 34 gives the height of the page size set so far), or
 * -1 for an unknown handle, an unknown property or a text property. */
TERVOLANPDF_EXPORT int GetNumProp(int box, int property);

/* Opens a document with the properties set so far; its first page is
 * current. Any document still open on this box is abandoned first. Returns
 * 0, or -1 when the output folder does not exist or cannot be written. */
TERVOLANPDF_EXPORT int BeginDoc(int box);

/* Draws text as one line at (x, y) on the current page in the current font,
 * size and colour. Returns 0, or -1 without an open document or when the
 * font cannot be loaded. */
TERVOLANPDF_EXPORT int TextOut(int box, int x, int y, const char *text);

/* Closes the current page and starts an empty one of the same size.
 * Returns 0, or -1 without an open document. */
TERVOLANPDF_EXPORT int NewPage(int box);

/* Finishes the document and puts it at the output path plus ".pdf". The
 * file is written beside the target under a temporary name and renamed over
 * it only when complete, so a failure (disk full, folder gone) leaves any
 * earlier file at that path untouched and no partial file behind. Returns
 * 0, or -1 without an open document or on any write failure. */
TERVOLANPDF_EXPORT int EndDoc(int box);

/* Copies the calling thread's most recent failure message, UTF-8 and
 * NUL-terminated, into buffer, cut to capacity - 1 bytes on a character
 * boundary. Returns the number of bytes copied, or -1 when buffer is NULL
 * or capacity is below 1. */
TERVOLANPDF_EXPORT int GetErrorMsg(char *buffer, int capacity);

#ifdef __cplusplus
}
#endif

#endif
