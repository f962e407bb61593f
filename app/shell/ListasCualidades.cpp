#include "ListasCualidades.h"

#include <array>

namespace {
using Lista = std::array<const char *, 6>;
using Listas = std::array<Lista, 2>;

// Degree 1 to 12: the lines for the parity of the degree, then for "Sin paridad".
const Listas kListas[12] = {
    {{{"Una raíz", "", "", "", "", ""},
      {"Una raíz", "", "", "", "", ""}}}, // 1
    {{{"Dos raíces reales distintas", "Sin raíces reales", "Una raíz doble", "", "", ""},
      {"Una raíz doble", "2 raíces reales distintas", "Sin raíces reales", "", "", ""}}}, // 2
    {{{"Dos puntos críticos tres raíces reales", "Ningún punto crítico, una raíz real", "Un punto crítico, una raíz triple", "", "", ""},
      {"2 puntos críticos 1 o 3 raíces reales", "Un punto crítico, una raíz triple", "Ningún punto crítico, una raíz real", "", "", ""}}}, // 3
    {{{"Cuatro raíces reales, 3 puntos críticos", "Dos raíces reales, un punto crítico", "Una raíz cuádruple ó 0 raíces reales, un punto crítico", "", "", ""},
      {"2 ó 4 raíces reales, 1 punto crítico", "0 ó 2 raíces reales, 2 puntos críticos", "2 ó 4 raíces reales, 3 puntos críticos", "", "", ""}}}, // 4
    {{{"3 puntos de inflexión, 0 puntos críticos, 1 raíz real", "1 punto de inflexión, 1 punto crítico, 1 raíz quíntuple", "3 puntos de inflexión, 3 puntos críticos, 5 raíces reales", "3 puntos de inflexión, 4 puntos críticos, 5 raíces reales", "3 puntos de inflexión, 2 puntos críticos, 1 raíz real", "3 puntos de inflexión, 2 puntos críticos, 3 raíces reales"},
      {"3 puntos de inflexión, 1 punto críticos, 1 raíz triple", "3 puntos de inflexión, 2 punto críticos, 1 raíz triple", "3 puntos de inflexión, 3 puntos críticos, 3 ó 5 raíces reales", "1 punto de inflexión, 2 puntos críticos, 5 raíces reales", "1 punto de inflexión, 1 puntos críticos, 1 raíz real", ""}}}, // 5
    {{{"0 puntos de inflexión, 1 punto crítico, 4 ó 6 raíces reales", "2 puntos de inflexión, 3 puntos críticos, 6 raíces reales", "4 puntos de inflexión, 3 puntos críticos, 1 raíz doble", "4 puntos de inflexión, 5 puntos críticos, 6 raíces reales", "", ""},
      {"0 puntos de inflexión, 1 punto crítico, 2 raíces reales", "2 puntos de inflexión, 2 puntos críticos, 6 raíces reales", "2 puntos de inflexión, 3 puntos críticos, 4, 5 ó 6 raíces reales", "2 puntos de inflexión, 2 puntos críticos, 1 raíz cuádruple", "", ""}}}, // 6
    {{{"1 punto de inflexión, 0 puntos críticos, 1 raíz real", "1 punto de inflexión, 1 punto crítico, 5 ó 7 raíces reales", "3 puntos de inflexión, 3 puntos críticos, 7 raíces reales", "5 puntos de inflexión, 3 puntos críticos, 1 raíz triple", "5 puntos de inflexión, 5 puntos críticos, 7  raíces reales", ""},
      {"3 puntos de inflexión, 1 punto crítico, 1 raíz quíntuple", "3 puntos de inflexión, 2 puntos críticos, 1 raíz quíntuple", "3 puntos de inflexión, 3 puntos críticos, 7 raíces reales", "1 punto de inflexión, 2 puntos críticos, 7 raíces reales", "1 punto de inflexión, 2 puntos críticos, 5  raíces reales", "1 punto de inflexión, 1 punto crítico, 1  raíz real"}}}, // 7
    {{{"0 puntos de inflexión, 1 punto crítico, 6 ó 8 raíces reales", "2 puntos de inflexión, 3 puntos críticos, 8 raíces reales", "4 puntos de inflexión, 3 puntos críticos, 4 raíces reales", "4 puntos de inflexión, 5 puntos críticos, 8  raíces reales", "", ""},
      {"0 puntos de inflexión, 1 punto crítico, 2 raíces reales", "2 puntos de inflexión, 2 puntos críticos, 8 raíces reales", "2 puntos de inflexión, 3 puntos críticos, 6, 7 ó 8 raíces reales", "2 puntos de inflexión, 2 puntos críticos, 1  raíz séxtuple", "", ""}}}, // 8
    {{{"1 punto de inflexión, 0 puntos críticos, 1 raíz real", "1 punto de inflexión, 1 punto crítico, 7 ó 9 raíces reales", "3 puntos de inflexión, 3 puntos críticos, 9 raíces reales", "5 puntos de inflexión, 3 puntos críticos, 5  raíces reales", "5 puntos de inflexión, 5 puntos críticos, 9  raíces reales", ""},
      {"3 puntos de inflexión, 1 punto crítico, 1 raíz quíntuple", "3 puntos de inflexión, 2 puntos críticos, 7 raíces reales", "3 puntos de inflexión, 3 puntos críticos, 9 raíces reales", "1 punto de inflexión, 2 puntos críticos, 9  raíces reales", "1 punto de inflexión, 2 puntos críticos, 7  raíces reales", "1 punto de inflexión, 1 punto crítico, 1  raíz real"}}}, // 9
    {{{"0 puntos de inflexión, 1 punto crítico, 8 ó 10 raíces reales", "2 puntos de inflexión, 3 puntos críticos, 10 raíces reales", "4 puntos de inflexión, 3 puntos críticos, 6 raíces reales", "4 puntos de inflexión, 5 puntos críticos, 10  raíces reales", "", ""},
      {"0 puntos de inflexión, 1 punto crítico, 2 raíces reales", "2 puntos de inflexión, 2 puntos críticos, 10 raíces reales", "2 puntos de inflexión, 3 puntos críticos, 8, 9 ó 10 raíces reales", "2 puntos de inflexión, 2 puntos críticos, una raíz séxtuple", "", ""}}}, // 10
    {{{"1 punto de inflexión, 0 puntos críticos, 1 raíz real", "1 punto de inflexión, 1 punto crítico, 7 ó 9 raíces reales", "3 puntos de inflexión, 3 puntos críticos, 11 raíces reales", "5 puntos de inflexión, 3 puntos críticos, 7  raíces reales", "5 puntos de inflexión, 5 puntos críticos, 11  raíces reales", ""},
      {"3 puntos de inflexión, 1 punto crítico, 1 raíz quíntuple", "3 puntos de inflexión, 2 puntos críticos, 9 raíces reales", "3 puntos de inflexión, 3 puntos críticos, 11 raíces reales", "1 punto de inflexión, 2 puntos críticos, 11 raíces reales", "1 punto de inflexión, 2 puntos críticos, 9 raíces reales", "1 punto de inflexión, 1 punto crítico, 1 raíz real"}}}, // 11
    {{{"0 puntos de inflexión, 1 punto crítico, 10 ó 12 raíces reales", "2 puntos de inflexión, 3 puntos críticos, 12 raíces reales", "4 puntos de inflexión, 3 puntos críticos, 8 raíces reales", "4 puntos de inflexión, 5 puntos críticos, 12 raíces reales", "", ""},
      {"0 puntos de inflexión, 1 punto crítico, 2 raíces reales", "2 puntos de inflexión, 2 puntos críticos, 12 raíces reales", "2 puntos de inflexión, 3 puntos críticos, 10, 11 ó 12 raíces reales", "2 puntos de inflexión, 2 puntos críticos, raíz séxtuple", "", ""}}}, // 12
};
} // namespace

QStringList ListaCualidades(int grado, bool sinParidad)
{
    QStringList lineas;
    if (grado < 1 || grado > 12)
        return lineas;
    for (const char *linea : kListas[grado - 1][sinParidad ? 1 : 0])
        if (*linea)
            lineas << QString::fromUtf8(linea);
    return lineas;
}
