#pragma once
// The one rule for a bad entry in a numeric box of the exercises: the
// box's validation code c is reported as error 149 + c, once, the box
// keeps its text, and the focus goes back into it with the text selected.
#include <cstdint>

class UCDextavo;

// Validates the box; returns its code (0: valid, NumAceptado set).
std::int16_t ValidaCajaNumerica(UCDextavo &caja);

// First error row of the validation codes (code c shows row this + c).
constexpr std::int16_t BaseErrorValidacion = 149;
