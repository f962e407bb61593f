#include "LlamadorPolinomio.h"

std::function<void(LlamadorPolinomio &)> &AbrePidePoli()
{
    static std::function<void(LlamadorPolinomio &)> abre;
    return abre;
}
