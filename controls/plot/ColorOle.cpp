#include "ColorOle.h"

QColor ColorDeOle(std::int32_t color)
{
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

std::int32_t OleDeColor(const QColor &color)
{
    return std::int32_t(color.red() | (color.green() << 8) | (color.blue() << 16));
}

std::uint32_t PixelDeOle(std::int32_t color)
{
    const std::uint32_t c = std::uint32_t(color);
    return 0xFF000000u | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}
