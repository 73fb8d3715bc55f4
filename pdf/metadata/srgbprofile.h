// The sRGB colour profile (ICC version 2, as PDF/A-1 wants) that a PDF/A
// document names as its output intent: the colour space its DeviceRGB text
// is meant in. Built in from the Debian package icc-profiles-free, so the
// writer reads no file at run time.
#ifndef TERVOLANPDF_SRGBPROFILE_H
#define TERVOLANPDF_SRGBPROFILE_H

#include <string_view>

namespace tervolanpdf {

class SrgbProfile {
public:
    static std::string_view bytes();
    // What the output intent calls it.
    static constexpr const char *kName = "sRGB IEC61966-2.1";
};

} // namespace tervolanpdf

#endif
