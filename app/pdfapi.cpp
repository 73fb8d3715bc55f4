#include "app/pdfapi.h"

#include "pdf/tervolanpdf.h"

namespace {

// The writer's messages fit in 255 characters; a Chinese character takes
// up to four bytes in UTF-8.
constexpr int MessageCapacity = 255 * 4 + 1;

[[noreturn]] void fail()
{
    char message[MessageCapacity] = {};
    GetErrorMsg(message, MessageCapacity);
    throw PdfFailure(message);
}

} // namespace

void PdfCheck(int code)
{
    if (code == -1)
        fail();
}

int PdfGetNum(int box, int property)
{
    int value = GetNumProp(box, property);
    if (value == -1)
        fail();
    return value;
}

void PdfSetNum(int box, int property, int value)
{
    PdfCheck(SetNumProp(box, property, value));
}

void PdfSetStr(int box, int property, const std::string &text)
{
    PdfCheck(SetStrProp(box, property, text.c_str()));
}
