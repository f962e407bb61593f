#pragma once
// The locale's decimal separator as the runtime's number conversions use it.
// The program sets it once from the desktop locale; tests set it at will.

namespace rt {

char SeparadorLocal();               // '.' unless set otherwise
void FijaSeparadorLocal(char sep);   // '.' or ','

// The rule the program uses to find the separator: format pi with
// "###0.000" and look for "." then ",".
char SeparadorDecimal();

} // namespace rt
