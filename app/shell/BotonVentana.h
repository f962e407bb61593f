#pragma once
// A window's push button as its layout gives it: caption, object name and
// design size in twips.
#include "Twips.h"
#include "Usc.h"

#include <QString>

inline Usc *BotonVentana(const QString &caption, const QString &nombre, QWidget *padre, int anchoTwips,
                         int altoTwips)
{
    auto *b = new Usc(padre);
    b->Caption(caption);
    b->setObjectName(nombre);
    b->resize(plataforma::TwipsAPixeles(anchoTwips), plataforma::TwipsAPixeles(altoTwips));
    return b;
}
