#pragma once
// Feedback to the student by message number: an error shows row n of the
// error table in the error window, followed by the caller's text (a value,
// an exponent, or nothing); a success shows row n of the success table in
// the success window. Both wait until the student closes the window.
//
// A number outside the table shows its fallback row (errors 180, successes
// 72) alone. The "Detalles" button shows only when the row has a detail
// text, and the detail text always belongs to the message shown.
#include <cstdint>
#include <string>

void MuestraError(const std::string &texto, std::int16_t n);
void MuestraExito(std::int16_t n);

// Fallback rows.
constexpr std::int16_t ErrorGenerico = 180;
constexpr std::int16_t ExitoGenerico = 72;
