#pragma once

#include "tests/support/childprocess.h"
#include "tests/support/tempdir.h"

#include <chrono>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// Runs tervolan-convert with first-start settings (an empty config.ini)
// into the folder out/ of a fresh temporary folder.
class ConvertFixture : public ::testing::Test {
public:
    // True when qpdf finds nothing wrong with the file.
    static bool passesQpdfCheck(const std::string &pdf);
    // The lines of stderr.
    static std::vector<std::string> lines(const std::string &text);

protected:
    ConvertFixture();

    ChildResult convert(const std::vector<std::string> &arguments,
                        std::chrono::milliseconds limit = std::chrono::seconds(120)) const;
    // The full command line convert() would run.
    std::vector<std::string> command(const std::vector<std::string> &arguments) const;
    std::string out() const { return dir.file("out"); }
    std::string pdf(const std::string &base) const { return out() + "/" + base + ".pdf"; }

    TempDir dir;
    std::string emptySettings;
};
