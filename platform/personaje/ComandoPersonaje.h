#pragma once
// One entry of the character's command list: the name its handler receives,
// the caption of its menu entry, and the words that would call it by voice
// (kept with the command; the commands are chosen from the menu).
#include <QString>

struct ComandoPersonaje {
    QString nombre;
    QString titulo;
    QString textoVoz;
    bool habilitado = true;
    bool visible = true;
};
