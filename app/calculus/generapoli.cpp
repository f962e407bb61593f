#include "generapoli.h"

#include "Azar.h"
#include "Entero16.h"
#include "RecetasProblema.h"
#include "VentanaGrafica.h"

std::array<double, 16> Coef{};
std::array<Racional, 16> CoefExacto{};
PoliPtr PoliAzar;

FuncPolinPtr CreaFuncPolin(PoliPtr p)
{
    auto f = CollFuncPolin::Nuevo();
    f->Precis(6);
    f->Polin(p);
    f->CalculaRaices(0);
    f->Polder1((p ? p : f->PoliVacio())->Prima());
    f->Polder2(f->Polder1()->Prima());
    f->CalculaRaices(1);
    f->CalculaRaices(2);
    CalculaVentana(*f);
    return f;
}

void DamePolinomioProblema(std::int16_t grado, std::int16_t paridad, std::int16_t cualidad)
{
    GeneraCoeficientes(grado, paridad, cualidad);
    // Built from the exact coefficients: a fraction such as 8281/6 stays
    // one, where the double would stand for a nearby decimal.
    std::vector<Racional> exactos;
    for (int i = 0; i <= grado && i < static_cast<int>(CoefExacto.size()); ++i)
        exactos.push_back(CoefExacto[static_cast<std::size_t>(i)]);
    PoliAzar = Collpolinomio::DesdeExacto(PoliExacto::DesdeCoeficientes(exactos));
}

namespace {

// A sign draw then a magnitude draw: -(tope-1) .. tope-1.
std::int16_t ValorAzar(std::int16_t tope)
{
    const int signo = SignoAzar();
    const double magnitud = rt::Int(static_cast<double>(tope) * rt::Rnd());
    return rt::CInt(signo * magnitud);
}

// Moves valores[i] down until the values before it are not greater.
void Inserta(std::vector<std::int16_t> &valores, std::size_t i)
{
    for (std::size_t j = i; j >= 2 && valores[j] < valores[j - 1]; --j)
        std::swap(valores[j], valores[j - 1]);
}

} // namespace

void GeneraPoliAleatorio1(std::int16_t cuantos, std::int16_t tope, std::vector<std::int16_t> &valores)
{
    if (cuantos <= 0)
        return;
    valores.assign(static_cast<std::size_t>(cuantos) + 1, 0);
    for (std::size_t i = 1; i <= static_cast<std::size_t>(cuantos); ++i) {
        valores[i] = ValorAzar(tope);
        Inserta(valores, i);
    }
}

void GeneraPoliAleatorio2(std::int16_t cuantos, std::int16_t tope, std::vector<std::int16_t> &valores)
{
    // There are only so many different values; asking for more would never
    // end, so the list holds all of them instead.
    const int distintos = tope >= 1 ? 2 * tope - 1 : 1 - 2 * tope;
    if (cuantos > distintos)
        cuantos = static_cast<std::int16_t>(distintos);
    if (cuantos <= 0)
        return;
    valores.assign(static_cast<std::size_t>(cuantos) + 2, 0);
    for (std::size_t i = 1; i <= static_cast<std::size_t>(cuantos); ++i) {
        valores[i] = ValorAzar(tope);
        for (std::size_t j = i - 1; j >= 1;) {
            if (valores[j] == valores[i]) {
                valores[i] = ValorAzar(tope);
                j = i - 1;
            } else {
                --j;
            }
        }
        Inserta(valores, i);
    }
}
