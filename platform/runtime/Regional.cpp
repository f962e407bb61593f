#include "Regional.h"

#include "TextoNumero.h"

#include <cmath>
#include <locale>
#include <stdexcept>
#include <string>

namespace rt {

namespace {
char g_separador = '.';
}

char SeparadorLocal() { return g_separador; }

void FijaSeparadorLocal(char sep) { g_separador = sep; }

char SeparadorGruposLocal() { return g_separador == ',' ? '.' : ','; }

char SeparadorDelSistema()
{
    try {
        const std::locale escritorio("");
        const char sep = std::use_facet<std::numpunct<char>>(escritorio).decimal_point();
        return sep ? sep : '.';
    } catch (const std::runtime_error &) {
        return '.'; // an unknown locale name in the environment
    }
}

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
