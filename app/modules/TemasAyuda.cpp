#include "TemasAyuda.h"

#include <array>

namespace {

// One topic as the help key's table gives it: names joined to their
// folder as written, leading backslash included; nullptr where the topic
// names nothing. The fixed titles are kept word for word, also where they
// fit their screen badly.
struct FilaTema {
    const char *cuerpo;        // under "\ayuda"
    const char *tituloArchivo; // under "\rotulo"
    const char *tituloTexto;   // shown as plain text
    const char *observacion;   // under "\observa"
};

constexpr const char *ObservacionGeneral = "\\obser0.html";

// Topics 4 and 12 name one page two ways; the case-insensitive lookup of
// the program's files finds the same file for both.
constexpr std::array<FilaTema, UltimoTemaAyuda + 1> Temas = {{
    /*  0 */ {"\\ayuMnuInicio.html", "\\titu0.html", nullptr, "\\obser0.html"},
    /*  1 */ {"\\ayuPolinomio.html", "\\titu1.html", nullptr, "\\obser0.html"},
    /*  2 */ {"\\ayuMnuConstPoli.html", nullptr, "Eliges características del polinomio a analizar", "\\obser0.html"},
    /*  3 */ {"\\ayuMnuPricipal.html", "\\titu2.html", nullptr, "\\obser0.html"},
    /*  4 */ {"\\AyuConcepGrafi.html", nullptr, "Eliges características del polinomio a analizar", "\\obser0.html"},
    /*  5 */ {"\\ayuGrafiCuali.html", nullptr, "Opciones para ver cualidades del polinomio", "\\obser0.html"},
    /*  6 */ {"\\ayuRaiReal.html", nullptr, "Encontrar el valor de una raíz real", "\\obser1.html"},
    /*  7 */ {"\\ayuMenuConPoli.html", nullptr, "¿Que hacer con el polinomio dado?", "\\obser0.html"},
    /*  8 */ {"\\ayuSigno.html", nullptr, "¿Donde la función es positiva y donde negativa?", "\\obser0.html"},
    /*  9 */ {"\\ayuExtension.html", nullptr, "¿Como encontrar la extensión de la función?", "\\obser1.html"},
    /* 10 */ {"\\ayuHistoria.html", nullptr, "¿Cómo utilizar mis notas?", "\\obser1.html"},
    /* 11 */ {"\\ayuParidad.html", nullptr, "¿Como resolver la paridad de la función?", "\\obser2.html"},
    /* 12 */ {"\\ayuConcepGrafi.html", nullptr, "¿Cómo empezar a construir?", "\\obser2.html"},
    /* 13 */ {"\\ayuDerivada1.html", nullptr, "¿Cómo escribir la derivada?", "\\obser2.html"},
    /* 14 */ {"\\ayuPtoCritico.html", nullptr, "¿De que dispongo para calcular un Punto Crítico?", "\\obser1.html"},
    /* 15 */ {"\\ayuMonotonia.html", nullptr, "¿De que dispongo para calcular la monotonía?", "\\obser1.html"},
    /* 16 */ {"\\ayuDerivada2.html", nullptr, "¿Cómo escribir la 2ª Derivada de la función?", "\\obser1.html"},
    /* 17 */ {"\\ayuRango.html", nullptr, "¿Cómo dar el Rango de la función?", "\\obser1.html"},
    /* 18 */ {"\\ayuMaxMinAbs.html", nullptr, "¿Cómo dar el máximo y mínimo absoluto de la función?", "\\obser2.html"},
    /* 19 */ {"\\ayuPtoInfle.html", nullptr, "¿Cómo escribo mi respuesta?", "\\obser3.html"},
    /* 20 */ {"\\ayuConcavidad.html", nullptr, "¿Cómo escribo mis intervalos de concavidad?", "\\obser3.html"},
    /* 21 */ {"\\ayuNumRaiReal.html", nullptr, "Qué escribo como mayor número de raíces reales", "\\obser1.html"},
    /* 22 */ {"\\ayuClaPtoCritico.html", nullptr, "Cómo clasifico a los puntos críticos", "\\obser3.html"},
    /* 23 */ {nullptr, nullptr, nullptr, "\\obser0.html"},
    /* 24 */ {nullptr, nullptr, nullptr, "\\obser0.html"},
    /* 25 */ {nullptr, nullptr, nullptr, "\\obser0.html"},
    /* 26 */ {nullptr, nullptr, nullptr, "\\obser0.html"},
    /* 27 */ {nullptr, nullptr, nullptr, "\\obser0.html"},
    /* 28 */ {nullptr, nullptr, nullptr, "\\obser0.html"},
    /* 29 */ {"\\ayuConceptos.html", nullptr, "¿Qué hacer?", "\\obser3.html"},
    /* 30 */ {"\\ayuConRaices.html", nullptr, "¿Qué se solicita?", "\\obser3.html"},
    /* 31 */ {"\\ayuConRaices2.html", nullptr, "¿Qué se solicita?", "\\obser3.html"},
    /* 32 */ {"\\ayuConSigno.html", nullptr, "¿Qué se solicita?", "\\obser3.html"},
    /* 33 */ {"\\ayuConSigno2.html", nullptr, "¿Qué se solicita?", "\\obser3.html"},
    /* 34 */ {"\\ayuConParidad.html", nullptr, "¿Que debo de hacer?", "\\obser3.html"},
    /* 35 */ {"\\ayuConParidad2.html", nullptr, "¿Que debo de hacer?", "\\obser3.html"},
    /* 36 */ {"\\ayuConExtensa.html", nullptr, "¿Que tipo de respuesta debo de escribir?", "\\obser3.html"},
    /* 37 */ {"\\ayuConExtensa2.html", nullptr, "¿Que tipo de respuesta debo de escribir?", "\\obser3.html"},
    /* 38 */ {"\\ayuConDeri1.html", nullptr, "¿Que función puedo proponer?", "\\obser3.html"},
    /* 39 */ {"\\ayuConDeri1-2.html", nullptr, "¿Que función puedo proponer?", "\\obser3.html"},
    /* 40 */ {"\\ayuConSiNo.html", nullptr, "¿Que función puedo proponer?", "\\obser3.html"},
    /* 41 */ {"\\ayuConCritico.html", nullptr, "¿Que función puedo proponer?", "\\obser3.html"},
    /* 42 */ {"\\ayuConCritico2.html", nullptr, "¿Que función puedo proponer?", "\\obser3.html"},
    /* 43 */ {"\\ayuConMonotonia.html", nullptr, "¿Que función puedo proponer?", "\\obser3.html"},
    /* 44 */ {"\\ayuConMonotonia2.html", nullptr, "¿Que función puedo proponer?", "\\obser3.html"},
    /* 45 */ {"\\ayuConClasiCri.html", nullptr, "¿Que función puedo proponer?", "\\obser3.html"},
    /* 46 */ {"\\ayuConClasiCri2.html", nullptr, "¿Que función puedo proponer?", "\\obser3.html"},
    /* 47 */ {"\\ayuConDeri2.html", nullptr, "¿Que función puedo proponer?", "\\obser3.html"},
    /* 48 */ {"\\ayuConDeri2-2.html", nullptr, "¿Que función puedo proponer?", "\\obser3.html"},
    /* 49 */ {"\\ayuConInfle.html", nullptr, "¿Que función puedo proponer?", "\\obser3.html"},
    /* 50 */ {"\\ayuConInfle2.html", nullptr, "¿Que función puedo proponer?", "\\obser3.html"},
    /* 51 */ {"\\ayuConConcavidad.html", nullptr, "¿Que función puedo proponer?", "\\obser3.html"},
    /* 52 */ {"\\ayuConConcavidad2.html", nullptr, "¿Que función puedo proponer?", "\\obser3.html"},
    /* 53 */ {"\\ayuConRango.html", nullptr, "¿Que función puedo proponer?", "\\obser3.html"},
    /* 54 */ {"\\ayuConRango2.html", nullptr, "¿Que función puedo proponer?", "\\obser3.html"},
    /* 55 */ {"\\ayuConExtreAbs.html", nullptr, "¿Que función puedo proponer?", "\\obser3.html"},
    /* 56 */ {"\\ayuConExtreAbs2.html", nullptr, "¿Que función puedo proponer?", "\\obser3.html"},
    /* 57 */ {nullptr, nullptr, nullptr, "\\obser0.html"},
    /* 58 */ {nullptr, nullptr, nullptr, "\\obser0.html"},
    /* 59 */ {nullptr, nullptr, nullptr, "\\obser0.html"},
    /* 60 */ {"\\ayuReconoCurvas.html", nullptr, "¿Cómo reconozco cada curva?", "\\obser2.html"},
    /* 61 */ {"\\ayuRecTang.html", nullptr, "¿Cómo reconozco cada curva?", "\\obser2.html"},
    /* 62 */ {"\\ayuRecNormal.html", nullptr, "¿Cómo reconozco cada curva?", "\\obser2.html"},
    /* 63 */ {"\\ayuDeriConcepto.html", nullptr, "¿Cómo inicio mi sesión?", "\\obser2.html"},
    /* 64 */ {"\\ayuGrafiConcepto.html", nullptr, "¿Cómo inicio mi sesión?", "\\obser2.html"},
    /* 65 */ {"\\ayuExpansion.html", nullptr, "¿Qué puedo hacer con esta herramienta?", "\\obser2.html"},
    /* 66 */ {"\\ayuRecNormal01.html", nullptr, "¿Qué puedo hacer para continuar?", "\\obser2.html"},
    /* 67 */ {"\\ayuReconoCurvas01.html", nullptr, "¿Qué puedo hacer para continuar?", "\\obser2.html"},
}};

std::string EnCarpeta(const char *carpeta, const char *nombre)
{
    return nombre ? std::string(carpeta) + nombre : std::string();
}

} // namespace

TemaAyuda TemaDeAyuda(int numAyuda)
{
    TemaAyuda tema;
    // Every topic starts from the general remark; one that names another
    // loads it over the first.
    tema.observaciones.push_back(EnCarpeta("\\observa", ObservacionGeneral));
    if (numAyuda < 0 || numAyuda > UltimoTemaAyuda)
        return tema;
    const FilaTema &fila = Temas[static_cast<std::size_t>(numAyuda)];
    tema.cuerpo = EnCarpeta("\\ayuda", fila.cuerpo);
    tema.tituloArchivo = EnCarpeta("\\rotulo", fila.tituloArchivo);
    if (fila.tituloTexto)
        tema.tituloTexto = fila.tituloTexto;
    const std::string propia = EnCarpeta("\\observa", fila.observacion);
    if (propia != tema.observaciones.front())
        tema.observaciones.push_back(propia);
    return tema;
}
