#include "pdftestsupport.h"

#include "pdf/tervolanpdf.h"

#include <gtest/gtest.h>

#include <array>

namespace pdftest {

std::string lastError()
{
    std::array<char, 1024> buffer{};
    GetErrorMsg(buffer.data(), static_cast<int>(buffer.size()));
    return buffer.data();
}

int beginDocument(const std::string &output, const std::string &pageSize)
{
    const int box = CreateBox(0, 0);
    EXPECT_GT(box, 0);
    EXPECT_EQ(SetStrProp(box, PDF_OUTPUT_PATH, output.c_str()), 0);
    EXPECT_EQ(SetStrProp(box, PDF_PAGE_SIZE, pageSize.c_str()), 0);
    EXPECT_EQ(BeginDoc(box), 0) << lastError();
    return box;
}

} // namespace pdftest
