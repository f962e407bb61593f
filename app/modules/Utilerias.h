#pragma once
// Numbers as the windows show them: values in messages, labels and reports
// (FormateaNumero), cells of tables with a fixed budget of digits
// (NumeroATexto), and the smallest and largest entry of an array. They work
// on the runtime's plain text of a Double and find the decimal point with
// rt::SeparadorDecimal, so they follow the point and the comma locales.
#include <cstdint>
#include <string>
#include <vector>

// Grouped thousands and at most three decimals ("1,234.568", "-2.25",
// "1,234"); values in exponent form keep a short mantissa ("1.234E+20").
// A value whose decimals all round away is written whole ("2", not "2.").
void FormateaNumero(double x, std::string &texto);
std::string FormateaNumero(double x);

// At most `enteros` whole digits and `decimales` decimals (cut, not
// rounded), moving the excess into an exponent ("123.45E+6", "123450E-10");
// "Rebasó límite" for an infinite value. decimales is taken to 0..10 and
// enteros to 1..14 - decimales.
std::string NumeroATexto(double x, std::int16_t enteros, std::int16_t decimales);

// Rewrites a mantissa from an exponent form (one digit before the
// separator, an optional "-") to `digitos` whole digits, and its exponent
// text ("E+15", "E-05") to match: "E+n", "E-n", or "" for 0.
void ExponenteATexto(std::string &mantisa, std::string &exponente, std::int16_t digitos);

// Smallest and largest of a[0..n]; with n below 1 only a[0]. Entries past
// the end of the array are not read; an empty array leaves both untouched.
void MinMaxArreglo(const std::vector<double> &a, std::int16_t n, double &minimo, double &maximo);
