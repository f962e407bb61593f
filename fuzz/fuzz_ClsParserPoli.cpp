// Feeds arbitrary bytes to the polynomial parser, with "." and with "," as
// the locale's separator, and checks what every answer must keep.
#include "ClsParserPoli.h"
#include "Regional.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void Exige(bool condicion)
{
    if (!condicion)
        std::abort();
}

bool CodigoConocido(int codigo)
{
    return (codigo >= 1 && codigo <= 6) || (codigo >= 8 && codigo <= 18)
        || codigo == ClsParserPoli::CodigoNumeroGrande
        || codigo == ClsParserPoli::CodigoGradoExcesivo
        || codigo == ClsParserPoli::CodigoAnidamiento
        || codigo == ClsParserPoli::CodigoCoeficientesLargos;
}

void Analiza(const std::string &texto, char separador)
{
    rt::ConSeparadorLocal local(separador);
    PoliPtr p;
    int ut = -1;
    const int codigo = ParserPoli().Polinomio(texto, p, ut);
    Exige(p != nullptr);
    // Positions count characters; the scanner may look two past the end.
    Exige(ut >= 0 && static_cast<std::size_t>(ut) <= texto.size() + 2);
    if (codigo != 0) {
        Exige(CodigoConocido(codigo));
        Exige(p->Cuenta() == 0);
        return;
    }
    int anterior = ClsParserPoli::GradoMaximo + 1;
    for (const auto &t : *p) {
        Exige(t->expon() < anterior && t->expon() >= 0);
        Exige(t->coef() != 0.0 && std::isfinite(t->coef()));
        anterior = t->expon();
    }
    const auto candidatos = p->coefind();
    Exige(!candidatos.empty() && candidatos[0] == 0.0);
    for (double c : candidatos)
        Exige(std::isfinite(c));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *datos, std::size_t largo)
{
    const std::string texto(reinterpret_cast<const char *>(datos), largo);
    Analiza(texto, '.');
    Analiza(texto, ',');
    return 0;
}
