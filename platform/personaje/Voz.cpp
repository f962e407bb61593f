#include "Voz.h"

std::function<std::unique_ptr<Voz>()> &FabricaDeVoz()
{
    static std::function<std::unique_ptr<Voz>()> fabrica;
    return fabrica;
}
