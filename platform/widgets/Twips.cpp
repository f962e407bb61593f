#include "Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace plataforma {

namespace {
double pixelesPorPulgada()
{
    if (auto *pantalla = QGuiApplication::primaryScreen())
        return pantalla->logicalDotsPerInch();
    return 96.0;
}
} // namespace

int TwipsAPixeles(int twips)
{
    return static_cast<int>(std::lround(twips * pixelesPorPulgada() / 1440.0));
}

int PixelesATwips(int pixeles)
{
    return static_cast<int>(std::lround(pixeles * 1440.0 / pixelesPorPulgada()));
}

} // namespace plataforma
