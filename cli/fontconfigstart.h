// fontconfig's own start (FcInit) also parses every configuration template
// it ships, only to describe them to its tools: twice the XML it reads at
// every start, about 1.4 ms of the 20 a one-file conversion takes. The
// converter loads the configuration in force and the fonts' caches itself,
// as FcInit would, and makes them current, so the writer's later FcInit
// finds them there.
#pragma once

namespace FontConfigStart {

// Call before anything else asks fontconfig. Where the configuration cannot
// be loaded this way, nothing is made current, and FcInit later falls back
// as it always has.
void loadConfiguration();

} // namespace FontConfigStart
