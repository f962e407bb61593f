#pragma once
// Number to text and text to number as the program's runtime did them.
#include <string>
#include <string_view>

namespace rt {

// General text of a Double (CStr/Str without the leading blank): at most 15
// significant digits, the locale's separator, exponent form "1E+15" or
// "1E-05" for very large or very small magnitudes; infinity ends in "INF".
std::string CStr(double valor);

// Number at the start of a text, as Val does: "." is the separator, blanks
// are skipped, reading stops at the first character that cannot continue a
// number; 0 when the text does not begin with a number.
double Val(std::string_view texto);

// Format(valor, mascara) for the masks the program uses:
// "##,###,###,##0.###", "###,###,###,##0", "###0.000" and the like
// ('#' optional digit, '0' required digit, ',' grouping, '.' separator).
// The output uses the locale's separator and "," or "." for grouping.
std::string Formato(double valor, std::string_view mascara);

} // namespace rt
