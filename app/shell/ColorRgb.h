#pragma once
// Colours as the drawing surfaces take them: 0x00BBGGRR.
#include <cstdint>

constexpr std::int32_t Rgb(int rojo, int verde, int azul)
{
    return static_cast<std::int32_t>((azul << 16) | (verde << 8) | rojo);
}
