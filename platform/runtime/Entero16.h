#pragma once
// Whole-number conversions with the semantics the program was written for:
// 16-bit "Integer" values, 32-bit "Long" values, rounding half to even, and
// an overflow error when a result does not fit.
#include <cstdint>
#include <stdexcept>
#include <string>

namespace rt {

// The runtime's "Overflow" error (number 6).
class ErrorDesbordamiento : public std::overflow_error {
public:
    ErrorDesbordamiento() : std::overflow_error("Desbordamiento") {}
};

// Nearest integer, a half going to the even neighbour (CInt / CLng).
double RedondeaPar(double valor);
std::int16_t CInt(double valor);   // throws ErrorDesbordamiento outside -32768..32767 or for NaN
std::int32_t CLng(double valor);   // throws ErrorDesbordamiento outside the 32-bit range or for NaN
// Largest whole number not above the value (Int).
double Int(double valor);
// Checked 16-bit arithmetic.
std::int16_t SumaEntero(std::int32_t a, std::int32_t b);

} // namespace rt
