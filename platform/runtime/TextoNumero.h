#pragma once
// Number to text and text to number as the program's runtime did them.
// None of these depend on the C library's locale: the separator is the one
// set in Regional.h.
#include <string>
#include <string_view>

namespace rt {

// General text of a Double (CStr/Str without the leading blank): at most 15
// significant digits, the locale's separator, no grouping, a leading "-" for
// negatives, and the exponent form ("1E+15", "1.5E-05", "1E+100") when the
// value rounded to 15 digits is 1E+15 or more, or below 0.0001, in
// magnitude. Infinity gives "1.#INF" / "-1.#INF", not-a-number "NaN".
std::string CStr(double valor);

// Number at the start of a text, as Val does: "." is the separator whatever
// the locale, blanks, tabs and line feeds are skipped, "E" or "D" starts an
// exponent, and reading stops at the first character that cannot continue
// a number; 0 when the text does not begin with a number. A magnitude too
// large for a Double gives an infinite value (callers test for it).
double Val(std::string_view texto);

// Format(valor, mascara) for the masks the program uses:
// "##,###,###,##0.###", "###,###,###,##0", "###0.000" and the like
// ('#' optional digit, '0' required digit, ',' anywhere in the whole part
// groups by thousands, '.' the separator). The value is taken to 15
// significant digits and then rounded half away from zero at the last
// decimal place of the mask; unneeded '#' decimals are dropped, but the
// separator stays when the mask has one: Formato(2, "##0.###") is "2.".
// The output uses the locale's separator and grouping character. An
// infinite or not-a-number value gives its CStr text.
std::string Formato(double valor, std::string_view mascara);

} // namespace rt
