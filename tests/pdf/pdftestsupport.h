// Helpers of the PDF writer tests that speak the writer's C interface; the
// scratch folders, commands and read-back are the shared ones of
// tests/support.
#ifndef TERVOLAN_TESTS_PDFTESTSUPPORT_H
#define TERVOLAN_TESTS_PDFTESTSUPPORT_H

#include <string>

namespace pdftest {

// The calling thread's last writer message.
std::string lastError();

// Opens a document on a new box with the common properties set; returns
// the box. Fails the test if BeginDoc fails.
int beginDocument(const std::string &output, const std::string &pageSize = "A4");

} // namespace pdftest

#endif
