// The instruction paragraphs: rows quoted by the windows must read exactly so
// (blanks and line feeds included), the others must exist, and the rows that
// take a word splice it where it belongs.
#include "modTexto.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

const std::string LF = "\n";

// Rows whose words the windows quote, with an empty name.
const std::vector<std::pair<int, std::string>> FilasCitadas = {
    {1, "Escriba el máximo número posible de raíces reales de esta función:"},
    {3, "En el plano de la derecha aparece la gráfica de un polinomio. Localice gráficamente las raíces del mismo." + LF + LF +
            " Escriba el valor de cada raíz:" + LF + LF + "Si no tiene raíces reales o ya tecleó TODAS, oprima Terminar"},
    {34, "En el plano de la derecha se señalan raíces reales de un polinomio. El problema es determinar un polinomio que tenga, al menos, esas raíces. (Aviso: Las raíces pueden ser múltiples, ver herramienta)."},
    {35, "En el plano de la derecha se señalan  varias raíces de un polinomio, y en la parte inferior el signo de la función. El problema es determinar un polinomio que tenga el signo y las raíces señaladas."},
    {37, "En el plano se señalan los límites cuando x tiende a más infinito y a menos infinito; así como varias raíces de un polinomio. Se solicita hallar un polinomio que posea los límites y raíces señaladas."},
    {38, "Se dibuja en el plano la gráfica de la derivada de un polinomio, y de requerirse en herramienta se da la expresión analítica de esta derivada. El problema es determinar un polinomio que tenga esta derivada."},
    {39, "En el plano se señalan mediante líneas más largas, en el eje X, las abscisas de varios puntos críticos." + LF +
             " El problema es encontrar un polinomio que tenga, al menos puntos críticos en las abscisas señaladas."},
    {40, "En el plano se señalan  abscisas de puntos críticos de un polinomio; y en la parte inferior el signo de la derivada o monotonía de la función. El problema es determinar un polinomio que tenga ésta monotonía."},
    {41, "Se señala en el plano con una línea larga en el eje X, abscisas de puntos críticos. En la parte inferior se clasifican con: M-para máximo; m-para mínimo; e i-para inflexión. Encuentre un polinomio que tenga al menos los puntos críticos solicitados."},
    {42, "Se dibuja la gráfica de la 2ª derivada de un polinomio en el plano y en la parte inferior se da la expresión analítica de la 2ª derivada. Ahora solicito encontrar un polinomio que posea esta 2ª derivada."},
    {43, "En el plano se señalan las abscisas de puntos de inflexión, mediante marcas en el eje X, . El problema es encontrar a un polinomio que tenga al menos los puntos de inflexión solicitados en estas abscisas."},
    {44, "En el plano se señalan las abscisas de puntos de inflexión. Y en la parte inferior el signo de la 2ª derivada o concavidad de un polinomio. El problema es dar un polinomio que tenga esa concavidad."},
    {45, "En el plano se señala mediante un color distinto en el eje Y, el rango de una función. En Herramienta se confirma el valor del intervalo propuesto como rango. Se solicita dar un polinomio con este rango."},
    {47, "En esta sección se mostrará la gráfica de la derivada P'(x). Si se desconocen tanto la expresión P(x) de la función, como la de su derivada P'(x), se solicitará deducir propiedades de la función P(x), con tan sólo ésta gráfica." + LF +
             "Para iniciar es necesario elegir una opción."},
    {48, "En el plano cartesiano de la derecha se dibuja la gráfica de la derivada P'(x), del polinomio P(x)." + LF +
             "Con ésta gráfica de la derivada se solicita resolver las propiedades del polinomio original P(x) indicadas. Recuerde se desconocen las expresiones analíticas del polinomio P(x) y de su derivada P'(x) . En caso de duda se puede recurrir al texto, ayuda o apoyo. Suerte."},
    {49, "Este es un problema de acertijo." + LF +
             "Se dibujarán tres curvas en un plano, una corresponde a la función, otra a su derivada y la otra a su segunda derivada. El problema consiste en identificar cada curva." + LF +
             " Para iniciar tienes que elegir una opción del menú."},
    {50, "El problema consiste en identificar a las curvas que aparecen en el plano de la derecha. Cada curva tiene un color y de acuerdo al color, escriba un 0 para la que corresponde a la función, un 1 para la que corresponde a su primer derivada, y un 2 para su correspondiente segunda derivada."},
    {51, "El problema que se plantea en este apartado, consiste en calcular la ecuación de la recta tangente a una curva, que es gráfica de una función. Para ello se proporcionará la función, su gráfica y, el punto en donde la recta es tangente a la curva." + LF +
             " Para iniciar es necesario que elija una opción en el menú."},
    {52, "Este es el polinomio propuesto y su gráfica"},
    {53, "Proporcione un polinomio que tenga a la recta, dada en la ecuación, como tangente."},
    {54, "Escriba la ecuación de la recta tangente a la gráfica del polinomio:"},
    {55, "La gráfica de un polinomio es una curva, en esta parte se solicita el cálculo de la ecuación de la recta normal a esta curva en un punto determinado." + LF +
             "Opcionalmente se puede elegir encontrar un polinomio, cuya gráfica sea normal a una recta determinada en un punto que daré." + LF +
             " Para iniciar es necesario elegir una opción en el menú."},
    {56, "Este es el polinomio propuesto y su gráfica"},
    {57, "Proporcione un polinomio que tenga la recta dada en la ecuación como normal."},
    {58, "Escriba la ecuación de la recta normal a la gráfica del polinomio:"},
    {59, "Bienvenido, en esta parte al elegir un concepto, éste se  señalará geométricamente en el plano de la derecha y si el caso lo permite,  también en forma numérica o de intervalo. El objetivo es que se proporcione un polinomio que posea esa propiedad."},
    {60, "En el punto de abscisa x = "},
    {61, "Escriba ahora la abscisa del punto en donde desea calcular la recta tangente."},
    {62, "Escriba ahora la abscisa del punto en donde desea situar la recta normal."},
    {63, "Bravo, ha concluido con éxito esta parte," + LF + " y esta es la gráfica. Se acabaron los secretos."},
    {64, "En efecto, con lo hecho se define la gráfica." + LF + "Sin embargo, se recomienda terminar los temas."},
    {65, "Bravo, ha concluido con éxito esta parte gráfica," + LF + " y esta es la ecuación de la gráfica. Se acabó el secreto."},
    {66, "En el plano cartesiano de la derecha se dibuja la gráfica de un polinomio. A partir de esta gráfica se plantea resolver cada uno de los conceptos abajo indicados." + LF +
             "Recuerda la vista puede engañar."},
};

const std::string Primero =
    "Es necesario que primero se calculen los Puntos Críticos, para después intentar clasificarlos.";

} // namespace

TEST(TextoInstrucciones, FilasCitadasPalabraPorPalabra)
{
    for (const auto& [n, texto] : FilasCitadas)
        EXPECT_EQ(TextoInstrucciones(static_cast<std::int16_t>(n), ""), texto) << "fila " << n;
}

TEST(TextoInstrucciones, SoloLasFilas1A66SinLa6TienenTexto)
{
    for (int n : {0, 6, 67, -1, 100, 32767})
        EXPECT_EQ(TextoInstrucciones(static_cast<std::int16_t>(n), "x"), "") << "fila " << n;
    for (int n = 1; n <= 66; ++n) {
        if (n == 6)
            continue;
        const std::string texto = TextoInstrucciones(static_cast<std::int16_t>(n), "1");
        EXPECT_GE(texto.size(), 20u) << "fila " << n;
        // The label shows the text as is: no row starts with a line feed or ends with one.
        EXPECT_NE(texto.front(), '\n') << "fila " << n;
        EXPECT_NE(texto.back(), '\n') << "fila " << n;
    }
}

TEST(TextoInstrucciones, FilasQueNoUsanElNombreLoIgnoran)
{
    for (int n = 1; n <= 66; ++n) {
        if (n == 2 || n == 20 || n == 21 || n == 22 || n == 36 || n == 46)
            continue;
        EXPECT_EQ(TextoInstrucciones(static_cast<std::int16_t>(n), "ZZZ"),
                  TextoInstrucciones(static_cast<std::int16_t>(n), ""))
            << "fila " << n;
    }
}

TEST(TextoInstrucciones, RaicesRecuerdaElNumeroDado)
{
    EXPECT_EQ(TextoInstrucciones(2, "3"),
              "Recuerde que esta función tiene a lo más 3 raíces reales.\n\nEscriba el valor de cada raíz:\n\n\n"
              "Si no tiene raíces reales o ya tecleó TODAS, oprima Terminar");
}

TEST(TextoInstrucciones, ClasificacionSinPuntosCriticosOAntesDeCalcularlos)
{
    EXPECT_EQ(TextoInstrucciones(20, "no tiene"),
              "Como ya se resolvió, en el apartado de Puntos Críticos, la función P(x) no tiene puntos críticos, así es "
              "que en este caso no tiene sentido alguno la clasificación. Si tiene dudas consulte el apoyo o el texto.");
    EXPECT_EQ(TextoInstrucciones(21, "no tiene"),
              "En el apartado de Puntos Críticos se concluyó que esta función P(x) no tiene puntos críticos; por ende  no "
              "tiene sentido la clasificación. Recuerde si tiene dudas consulte el apoyo o el texto.");
    EXPECT_EQ(TextoInstrucciones(22, "no tiene"),
              "Como ya lo resolviste en el apartado de Puntos Críticos la función P(x), cuya gráfica de derivada se "
              "observa, no tiene puntos críticos, así es que no tenemos trabajo en la clasificación. Si tienes dudas "
              "consulta el apoyo o el texto.");
    for (std::int16_t n : {20, 21, 22})
        EXPECT_EQ(TextoInstrucciones(n, "primero"), Primero) << "fila " << n;
}

TEST(TextoInstrucciones, ClasificacionNombraElPuntoCritico)
{
    EXPECT_EQ(TextoInstrucciones(20, "1.5"),
              "En la parte superior aparece el polinomio que esta analizándose. El problema es clasificar el punto "
              "crítico identificado. Para ello valide la opción que crea apropiada para el punto crítico ** X = 1.5 ** "
              "del polinomio P(x)  y después oprima [Listo].");
    EXPECT_EQ(TextoInstrucciones(21, "-2"),
              "En el plano de la derecha aparece la gráfica de un polinomio. El problema es clasificar el punto crítico "
              "identificado. Para ello valide la opción que crea apropiada para el punto crítico ** X = -2 ** del "
              "polinomio P(x) y después oprima [Listo].");
    EXPECT_EQ(TextoInstrucciones(22, "0"),
              "En el plano aparece la gráfica de la derivada de un polinomio. El problema es clasificar el punto crítico "
              "identificado. Para ello valide la opción que crea apropiada para el punto crítico ** X = 0 ** del "
              "polinomio P(x)  y después oprime LISTO.");
    // Only the exact words select the fixed texts; anything else is a point.
    EXPECT_NE(TextoInstrucciones(20, "No tiene").find("** X = No tiene **"), std::string::npos);
    EXPECT_NE(TextoInstrucciones(20, "").find("** X =  **"), std::string::npos);
}

TEST(TextoInstrucciones, ConstruccionesTomanLaPalabraDelLlamador)
{
    EXPECT_EQ(TextoInstrucciones(36, "Impar."),
              "Escriba un polinomio del grado que desee que pase por los puntos señalados en el plano de la derecha y "
              "que además sea una función: Impar.");
    EXPECT_EQ(TextoInstrucciones(46, "el máximo absoluto."),
              "El problema es determinar un polinomio con los extremos indicados. Se señala en el plano de la derecha "
              "con una línea de color en el eje Y, el máximo absoluto. Si no aparece la línea los extremos son +inf y "
              "-inf. Confirme los datos en Herramienta.");
}
