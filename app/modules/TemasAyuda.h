#pragma once
// The help topics: for a screen's help number (NumAyuda), the pages that
// the help window shows. Paths are written the program's way, relative to
// its folder ("\ayuda\ayuRaiReal.html"); RutaPrograma finds them whatever
// their letter case, so one page may be named two ways by two topics.
#include <string>
#include <vector>

// The highest topic number with an entry; topics outside 0 to this one
// behave like the topics that name no pages.
constexpr int UltimoTemaAyuda = 67;

struct TemaAyuda {
    // The body page under "\ayuda"; empty when the topic has none.
    std::string cuerpo;
    // The title: either a page under "\rotulo" or a fixed text shown as
    // plain text; both empty when the topic has no title.
    std::string tituloArchivo;
    std::string tituloTexto;
    // Remark pages under "\observa", in the order the window loads them
    // into the same box: the general remark first, then the topic's own
    // when it differs. The last one is what stays shown.
    std::vector<std::string> observaciones;
};

// What the help window shows for topic numAyuda.
TemaAyuda TemaDeAyuda(int numAyuda);
