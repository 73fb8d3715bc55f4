// The C entry points: each finds its box, runs one call under the box's
// lock and turns any failure into -1 plus a message for GetErrorMsg, and
// a success into an empty message. No exception ever crosses into the
// caller.
#include "pdf/tervolanpdf.h"

#include "pdf/boxtable.h"
#include "pdf/errormessage.h"
#include "pdf/pdfbox.h"
#include "pdf/tervolanpdf-private.h"

#include <new>

using namespace tervolanpdf;

namespace {

template <typename Call> int guarded(Call &&call)
{
    try {
        const int result = call();
        // A stale message would make a later -1 value look like a failure.
        ErrorMessage::clear();
        return result;
    } catch (const PdfError &error) {
        ErrorMessage::set(error.what());
    } catch (const std::bad_alloc &) {
        ErrorMessage::set("out of memory");
    } catch (const std::exception &error) {
        ErrorMessage::set(std::string("internal error: ") + error.what());
    } catch (...) {
        ErrorMessage::set("internal error");
    }
    return -1;
}

template <typename Call> int onBox(int handle, Call &&call)
{
    return guarded([&] {
        PdfBox &box = BoxTable::instance().box(handle);
        std::lock_guard lock(box.mutex());
        return call(box);
    });
}

} // namespace

int CreateBox(intptr_t /*window*/, int /*reserved*/)
{
    return guarded([] { return BoxTable::instance().create(); });
}

int SetStrProp(int box, int property, const char *text)
{
    return onBox(box, [&](PdfBox &pdf) {
        pdf.setText(property, text ? text : "");
        return 0;
    });
}

int SetNumProp(int box, int property, int value)
{
    return onBox(box, [&](PdfBox &pdf) {
        pdf.setNumber(property, value);
        return 0;
    });
}

int GetNumProp(int box, int property)
{
    return onBox(box, [&](PdfBox &pdf) { return pdf.number(property); });
}

int GetStrProp(int box, int property, char *buffer, int capacity)
{
    return onBox(box, [&](PdfBox &pdf) {
        if (!buffer || capacity < 1)
            throw PdfError("GetStrProp needs a buffer of at least one byte");
        return ErrorMessage::copyText(pdf.text(property), buffer, capacity);
    });
}

int BeginDoc(int box)
{
    return onBox(box, [](PdfBox &pdf) {
        pdf.beginDoc();
        return 0;
    });
}

int TextOut(int box, int x, int y, const char *text)
{
    return onBox(box, [&](PdfBox &pdf) {
        pdf.textOut(x, y, text);
        return 0;
    });
}

int NewPage(int box)
{
    return onBox(box, [](PdfBox &pdf) {
        pdf.newPage();
        return 0;
    });
}

int EndDoc(int box)
{
    return onBox(box, [](PdfBox &pdf) {
        pdf.endDoc();
        return 0;
    });
}

int GetErrorMsg(char *buffer, int capacity)
{
    return ErrorMessage::copyTo(buffer, capacity);
}
