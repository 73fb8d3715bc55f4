// fontconfig's own start (FcInit) also parses every configuration template
// it ships, only to describe them to its tools: twice the XML it reads at
// every start, about 1.4 ms of the 20 a one-file conversion takes. A
// process that keeps fontconfig's answers (the converter; the window's
// toolkit has asked fontconfig before the writer does) loads the
// configuration in force and the fonts' caches itself, as FcInit would,
// and makes them current, so that FcInit then finds them there.
#ifndef TERVOLANPDF_FONTCONFIGSTART_H
#define TERVOLANPDF_FONTCONFIGSTART_H

namespace tervolanpdf::FontConfigStart {

// Call before anything else asks fontconfig. Where the configuration cannot
// be loaded this way, nothing is made current, and FcInit later falls back
// as it always has.
void loadConfiguration();

} // namespace tervolanpdf::FontConfigStart

#endif
