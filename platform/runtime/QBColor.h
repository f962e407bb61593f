#pragma once
// The classic 16-colour palette by number, as a 32-bit RGB value 0x00BBGGRR.
#include <cstdint>

namespace rt {

// 0 black, 1 blue, 2 green, 3 cyan, 4 red, 5 magenta, 6 yellow, 7 white,
// 8 grey, 9..15 their light versions; throws std::out_of_range outside 0..15.
std::int32_t QBColor(int n);

} // namespace rt
