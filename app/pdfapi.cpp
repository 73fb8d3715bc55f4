#include "app/pdfapi.h"

#include "pdf/tervolanpdf.h"

#include <climits>
#include <vector>

namespace {

// Room for a message that names two paths of the longest kind and its
// cause: a message cut inside a path would lose the cause at its end.
constexpr int MessageCapacity = 3 * PATH_MAX;

[[noreturn]] void fail()
{
    std::vector<char> message(MessageCapacity, '\0');
    GetErrorMsg(message.data(), MessageCapacity);
    throw PdfFailure(message.data());
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
