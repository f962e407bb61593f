#pragma once
// One screen context: what a window changes on the main window while it is
// in front, and puts back when it closes.
#include <array>
#include <cstdint>
#include <string>

struct ContextoPantalla {
    std::int16_t ayuda = 0;            // NumAyuda
    std::int16_t apoyo = 0;            // NumApoyo
    std::array<bool, 10> barra{};      // Enabled of toolbar buttons 1..8
    std::string titulo;                // main window caption
};
