#pragma once
// Colours as the hosts give them (0x00BBGGRR) and as Qt draws them.
#include <QColor>
#include <cstdint>

QColor ColorDeOle(std::int32_t color);
std::int32_t OleDeColor(const QColor &color);
// The same colour as a pixel of an RGB32 image (0xffRRGGBB).
std::uint32_t PixelDeOle(std::int32_t color);
