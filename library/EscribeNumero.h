#pragma once
// The short number form of the typeset polynomial: at most `decimales`
// decimals (cut, not rounded), and small numbers or numbers already in
// exponent form rescaled to `cifras` whole digits ("12.34e-2",
// "123.456e+18"). Used by Collpolinomio::Despliega only; declared here so
// that the form can be checked on its own.
#include <string>

// The coefficient (non-negative) as text, lower case, with the separator
// that rt::SeparadorDecimal finds.
std::string EscribeNumero(double valor, int cifras, int decimales);

// Moves the separator of a mantissa with one whole digit ("1.23456",
// "0.0625") cifras - 1 places to the right, drops leading zeros and
// adjusts the exponent text ("e-07" / "e+20" / "") to match. Does nothing
// unless there is an exponent or the mantissa begins with "0" and the
// separator.
void EscalaMantisa(std::string &s, std::string &expo, int cifras);
