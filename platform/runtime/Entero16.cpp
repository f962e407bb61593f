#include "Entero16.h"

#include <cmath>
#include <limits>

namespace rt {

double RedondeaPar(double valor)
{
    return std::nearbyint(valor); // default floating environment rounds half to even
}

std::int16_t CInt(double valor)
{
    const double r = RedondeaPar(valor);
    if (!(r >= -32768.0 && r <= 32767.0))
        throw ErrorDesbordamiento();
    return static_cast<std::int16_t>(r);
}

std::int32_t CLng(double valor)
{
    const double r = RedondeaPar(valor);
    if (!(r >= -2147483648.0 && r <= 2147483647.0))
        throw ErrorDesbordamiento();
    return static_cast<std::int32_t>(r);
}

double Int(double valor)
{
    return std::floor(valor);
}

std::int16_t SumaEntero(std::int32_t a, std::int32_t b)
{
    const std::int32_t s = a + b;
    if (s < -32768 || s > 32767)
        throw ErrorDesbordamiento();
    return static_cast<std::int16_t>(s);
}

} // namespace rt
