#include "generapoli.h"

#include "VentanaGrafica.h"

std::array<double, 16> Coef{};
PoliPtr PoliAzar;

FuncPolinPtr CreaFuncPolin(PoliPtr p)
{
    auto f = CollFuncPolin::Nuevo();
    f->Precis(6);
    f->Polin(p);
    f->CalculaRaices(0);
    f->Polder1(f->Polin()->Prima());
    f->Polder2(f->Polder1()->Prima());
    f->CalculaRaices(1);
    f->CalculaRaices(2);
    CalculaVentana(*f);
    return f;
}

void DamePolinomioProblema(std::int16_t, std::int16_t, std::int16_t)
{
    PoliAzar = Collpolinomio::Nuevo();
}

void GeneraPoliAleatorio1(std::int16_t, std::int16_t, std::vector<std::int16_t> &) {}
void GeneraPoliAleatorio2(std::int16_t, std::int16_t, std::vector<std::int16_t> &) {}
