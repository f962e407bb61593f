#include "LlamadorPolinomio.h"

std::function<void(LlamadorPolinomio &)> &AbrePidePoli()
{
    static std::function<void(LlamadorPolinomio &)> abre;
    return abre;
}

std::function<void(LlamadorPolinomio &)> &CierraPidePoliDe()
{
    static std::function<void(LlamadorPolinomio &)> cierra;
    return cierra;
}
