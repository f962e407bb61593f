#include "Regional.h"

#include "TextoNumero.h"

#include <cmath>
#include <string>

namespace rt {

namespace {
char g_separador = '.';
}

char SeparadorLocal() { return g_separador; }

void FijaSeparadorLocal(char sep) { g_separador = sep; }

char SeparadorDecimal()
{
    const std::string s = Formato(4.0 * std::atan(1.0), "###0.000");
    if (s.find('.') != std::string::npos)
        return '.';
    if (s.find(',') != std::string::npos)
        return ',';
    return '.';
}

} // namespace rt
