// The failure message of the PDF writer, kept per thread so that a failure
// in one thread never replaces the text another thread is about to read.
#ifndef TERVOLANPDF_ERRORMESSAGE_H
#define TERVOLANPDF_ERRORMESSAGE_H

#include <string>

namespace tervolanpdf {

class ErrorMessage {
public:
    // Replaces the calling thread's message.
    static void set(std::string text);
    static void clear();

    // Copies the calling thread's message into buffer, NUL-terminated and
    // cut to capacity - 1 bytes on a character boundary. Returns the bytes
    // copied, or -1 for a NULL buffer or a capacity below 1.
    static int copyTo(char *buffer, int capacity);

    // The same for any text: how the C interface hands text to a caller's
    // buffer.
    static int copyText(const std::string &text, char *buffer, int capacity);
};

} // namespace tervolanpdf

#endif
