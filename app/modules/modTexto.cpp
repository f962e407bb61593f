#include "modTexto.h"

namespace {

// Rows 20 to 22 share the text shown when the critical points are not found yet.
const char* const PrimeroPuntosCriticos =
    "Es necesario que primero se calculen los Puntos Críticos, para después intentar clasificarlos.";

// The classification rows: a fixed text for "no tiene" and "primero", otherwise
// the critical point spliced between two fixed parts.
std::string Clasificacion(const std::string& nombre, const char* noTiene, const char* antes,
                          const char* despues)
{
    if (nombre == "no tiene")
        return noTiene;
    if (nombre == "primero")
        return PrimeroPuntosCriticos;
    return std::string(antes) + nombre + despues;
}

} // namespace

std::string TextoInstrucciones(std::int16_t n, const std::string& nombre)
{
    switch (n) {
    // Real roots.
    case 1:
        return "Escriba el máximo número posible de raíces reales de esta función:";
    case 2:
        return "Recuerde que esta función tiene a lo más " + nombre + " raíces reales.\n\n"
               "Escriba el valor de cada raíz:\n\n\n"
               "Si no tiene raíces reales o ya tecleó TODAS, oprima Terminar";
    case 3:
        return "En el plano de la derecha aparece la gráfica de un polinomio. Localice gráficamente las raíces del mismo.\n\n"
               " Escriba el valor de cada raíz:\n\n"
               "Si no tiene raíces reales o ya tecleó TODAS, oprima Terminar";
    // Sign.
    case 4:
        return "Determine el signo de la función P(x): escriba cada intervalo en que P(x) es positiva o negativa, "
               "dando su extremo izquierdo y su extremo derecho (para infinito teclee la letra i), elija el signo "
               "y oprima [Listo]. Cuando haya dado todos los intervalos oprima [Terminar].";
    case 5:
        return "En el plano de la derecha aparece la gráfica de un polinomio. Observe dónde está la curva por "
               "encima y por debajo del eje X, escriba cada intervalo en que P(x) es positiva o negativa, elija "
               "el signo y oprima [Listo]. Cuando haya dado todos los intervalos oprima [Terminar].";
    // Parity.
    case 7:
        return "Determine si la función P(x) es par, impar o sin paridad. Elija la opción que corresponda y "
               "oprima [Listo]. Recuerde: P(x) es par si P(-x) = P(x), y es impar si P(-x) = -P(x).";
    case 8:
        return "En el plano de la derecha aparece la gráfica de un polinomio. Observe si es simétrica respecto "
               "al eje Y o respecto al origen, elija si la función es par, impar o sin paridad y oprima [Listo].";
    case 9:
        return "En el plano aparece la gráfica de la derivada de un polinomio. Deduzca de ella si la función "
               "P(x) es par, impar o sin paridad, elija la opción y oprima [Listo].";
    // Extension.
    case 10:
        return "Calcule la extensión de la función: escriba el límite de P(x) cuando x tiende a menos infinito "
               "y cuando x tiende a más infinito (para infinito teclee la letra i, con su signo) y oprima [Listo].";
    case 11:
        return "En el plano de la derecha aparece la gráfica de un polinomio. Observe hacia dónde se dirige la "
               "curva a la izquierda y a la derecha, escriba el límite de P(x) cuando x tiende a menos infinito y "
               "a más infinito (para infinito teclee la letra i) y oprima [Listo].";
    case 12:
        return "En el plano aparece la gráfica de la derivada P'(x) de un polinomio. Deduzca de ella los límites "
               "de P(x) cuando x tiende a menos infinito y a más infinito, escríbalos (para infinito teclee la "
               "letra i) y oprima [Listo].";
    // First derivative.
    case 13:
        return "Escriba en la caja la primera derivada P'(x) del polinomio y oprima [Listo] o la tecla Enter. "
               "Si lo necesita, use la calculadora.";
    // Critical points.
    case 14:
        return "Calcule los puntos críticos de P(x), es decir, las raíces reales de su derivada P'(x). Escriba "
               "cada uno y oprima [Listo]. Cuando los haya dado todos, o si no hay, oprima [Terminar].";
    case 15:
        return "En el plano de la derecha aparece la gráfica de un polinomio. Localice los puntos donde la "
               "curva tiene tangente horizontal, escriba la abscisa de cada punto crítico y oprima [Listo]. "
               "Cuando los haya dado todos, o si no hay, oprima [Terminar].";
    case 16:
        return "En el plano aparece la gráfica de la derivada P'(x) de un polinomio. Los puntos críticos de P(x) "
               "son los cortes de esta curva con el eje X: escriba cada uno y oprima [Listo]. Cuando los haya "
               "dado todos, o si no hay, oprima [Terminar].";
    // Monotonicity.
    case 17:
        return "Determine los intervalos de monotonía de P(x): escriba los extremos de cada intervalo (para "
               "infinito teclee la letra i), elija si la función es creciente o decreciente en él y oprima "
               "[Listo]. Cuando haya dado todos los intervalos oprima [Terminar].";
    case 18:
        return "En el plano de la derecha aparece la gráfica de un polinomio. Observe dónde sube y dónde baja "
               "la curva, escriba cada intervalo, elija creciente o decreciente y oprima [Listo]. Cuando haya "
               "dado todos los intervalos oprima [Terminar].";
    case 19:
        return "En el plano aparece la gráfica de la derivada P'(x) de un polinomio. Donde P'(x) es positiva "
               "la función crece y donde es negativa decrece: escriba cada intervalo, elija la monotonía y "
               "oprima [Listo]. Cuando haya dado todos los intervalos oprima [Terminar].";
    // Classification of the critical points.
    case 20:
        return Clasificacion(nombre,
            "Como ya se resolvió, en el apartado de Puntos Críticos, la función P(x) no tiene puntos críticos, "
            "así es que en este caso no tiene sentido alguno la clasificación. Si tiene dudas consulte el apoyo o el texto.",
            "En la parte superior aparece el polinomio que esta analizándose. El problema es clasificar el punto "
            "crítico identificado. Para ello valide la opción que crea apropiada para el punto crítico ** X = ",
            " ** del polinomio P(x)  y después oprima [Listo].");
    case 21:
        return Clasificacion(nombre,
            "En el apartado de Puntos Críticos se concluyó que esta función P(x) no tiene puntos críticos; por ende  "
            "no tiene sentido la clasificación. Recuerde si tiene dudas consulte el apoyo o el texto.",
            "En el plano de la derecha aparece la gráfica de un polinomio. El problema es clasificar el punto "
            "crítico identificado. Para ello valide la opción que crea apropiada para el punto crítico ** X = ",
            " ** del polinomio P(x) y después oprima [Listo].");
    case 22:
        return Clasificacion(nombre,
            "Como ya lo resolviste en el apartado de Puntos Críticos la función P(x), cuya gráfica de derivada se "
            "observa, no tiene puntos críticos, así es que no tenemos trabajo en la clasificación. Si tienes dudas "
            "consulta el apoyo o el texto.",
            "En el plano aparece la gráfica de la derivada de un polinomio. El problema es clasificar el punto "
            "crítico identificado. Para ello valide la opción que crea apropiada para el punto crítico ** X = ",
            " ** del polinomio P(x)  y después oprime LISTO.");
    // Second derivative.
    case 23:
        return "Escriba en la caja la segunda derivada P''(x) del polinomio y oprima [Listo] o la tecla Enter. "
               "Si lo necesita, use la calculadora.";
    // Concavity.
    case 24:
        return "Determine la concavidad de P(x): escriba los extremos de cada intervalo (para infinito teclee "
               "la letra i), elija si la curva es cóncava hacia arriba o hacia abajo y oprima [Listo]. Si la "
               "función no tiene concavidad elija Sin Concavidad. Cuando haya dado todos los intervalos oprima [Terminar].";
    case 25:
        return "En el plano de la derecha aparece la gráfica de un polinomio. Observe dónde la curva se abre "
               "hacia arriba y dónde hacia abajo, escriba cada intervalo, elija su concavidad y oprima [Listo]. "
               "Cuando haya dado todos los intervalos oprima [Terminar].";
    // Range.
    case 26:
        return "Encuentre el rango de P(x), el conjunto de valores que toma la función: escriba su extremo "
               "inferior y su extremo superior (para infinito teclee la letra i) y oprima [Listo]. Después "
               "oprima [Terminar].";
    case 27:
        return "En el plano de la derecha aparece la gráfica de un polinomio. Observe hasta dónde baja y hasta "
               "dónde sube la curva, escriba los extremos del rango y oprima [Listo]. Después oprima [Terminar].";
    case 28:
        return "En el plano aparece la gráfica de la derivada P'(x) de un polinomio. Deduzca de ella el rango "
               "de P(x), escriba sus extremos y oprima [Listo]. Después oprima [Terminar].";
    // Absolute maximum and minimum.
    case 29:
        return "Determine si la función P(x) tiene máximo absoluto, mínimo absoluto, ambos o ninguno. Elija la "
               "opción y oprima [Listo]; si tiene sólo uno de ellos, escriba después su valor y oprima [Listo] "
               "otra vez. Al acabar oprima [Terminar].";
    case 30:
        return "En el plano de la derecha aparece la gráfica de un polinomio. Observe si la curva tiene un punto "
               "más alto o más bajo que todos los demás, elija la opción y oprima [Listo]; si tiene sólo uno, "
               "escriba su valor y oprima [Listo] otra vez.";
    case 31:
        return "En el plano aparece la gráfica de la derivada P'(x) de un polinomio. Deduzca de ella si P(x) "
               "tiene máximo absoluto, mínimo absoluto, ambos o ninguno, elija la opción y oprima [Listo].";
    // Inflection points.
    case 32:
        return "Calcule los puntos de inflexión de P(x): son las raíces de la segunda derivada P''(x) en las que "
               "ésta cambia de signo. Escriba cada uno y oprima [Listo]. Cuando los haya dado todos, o si no hay, "
               "oprima [Terminar].";
    case 33:
        return "En el plano de la derecha aparece la gráfica de un polinomio. Localice los puntos donde la curva "
               "cambia de concavidad, escriba la abscisa de cada punto de inflexión y oprima [Listo]. Cuando los "
               "haya dado todos, o si no hay, oprima [Terminar].";
    // Constructions.
    case 34:
        return "En el plano de la derecha se señalan raíces reales de un polinomio. El problema es determinar un "
               "polinomio que tenga, al menos, esas raíces. (Aviso: Las raíces pueden ser múltiples, ver herramienta).";
    case 35:
        return "En el plano de la derecha se señalan  varias raíces de un polinomio, y en la parte inferior el signo "
               "de la función. El problema es determinar un polinomio que tenga el signo y las raíces señaladas.";
    case 36:
        return "Escriba un polinomio del grado que desee que pase por los puntos señalados en el plano de la derecha "
               "y que además sea una función: " + nombre;
    case 37:
        return "En el plano se señalan los límites cuando x tiende a más infinito y a menos infinito; así como varias "
               "raíces de un polinomio. Se solicita hallar un polinomio que posea los límites y raíces señaladas.";
    case 38:
        return "Se dibuja en el plano la gráfica de la derivada de un polinomio, y de requerirse en herramienta se da "
               "la expresión analítica de esta derivada. El problema es determinar un polinomio que tenga esta derivada.";
    case 39:
        return "En el plano se señalan mediante líneas más largas, en el eje X, las abscisas de varios puntos críticos.\n"
               " El problema es encontrar un polinomio que tenga, al menos puntos críticos en las abscisas señaladas.";
    case 40:
        return "En el plano se señalan  abscisas de puntos críticos de un polinomio; y en la parte inferior el signo de "
               "la derivada o monotonía de la función. El problema es determinar un polinomio que tenga ésta monotonía.";
    case 41:
        return "Se señala en el plano con una línea larga en el eje X, abscisas de puntos críticos. En la parte inferior "
               "se clasifican con: M-para máximo; m-para mínimo; e i-para inflexión. Encuentre un polinomio que tenga "
               "al menos los puntos críticos solicitados.";
    case 42:
        return "Se dibuja la gráfica de la 2ª derivada de un polinomio en el plano y en la parte inferior se da la "
               "expresión analítica de la 2ª derivada. Ahora solicito encontrar un polinomio que posea esta 2ª derivada.";
    case 43:
        return "En el plano se señalan las abscisas de puntos de inflexión, mediante marcas en el eje X, . El problema "
               "es encontrar a un polinomio que tenga al menos los puntos de inflexión solicitados en estas abscisas.";
    case 44:
        return "En el plano se señalan las abscisas de puntos de inflexión. Y en la parte inferior el signo de la 2ª "
               "derivada o concavidad de un polinomio. El problema es dar un polinomio que tenga esa concavidad.";
    case 45:
        return "En el plano se señala mediante un color distinto en el eje Y, el rango de una función. En Herramienta "
               "se confirma el valor del intervalo propuesto como rango. Se solicita dar un polinomio con este rango.";
    case 46:
        return "El problema es determinar un polinomio con los extremos indicados. Se señala en el plano de la derecha "
               "con una línea de color en el eje Y, " + nombre +
               " Si no aparece la línea los extremos son +inf y -inf. Confirme los datos en Herramienta.";
    // Graph of the derivative road.
    case 47:
        return "En esta sección se mostrará la gráfica de la derivada P'(x). Si se desconocen tanto la expresión P(x) "
               "de la función, como la de su derivada P'(x), se solicitará deducir propiedades de la función P(x), "
               "con tan sólo ésta gráfica.\n"
               "Para iniciar es necesario elegir una opción.";
    case 48:
        return "En el plano cartesiano de la derecha se dibuja la gráfica de la derivada P'(x), del polinomio P(x).\n"
               "Con ésta gráfica de la derivada se solicita resolver las propiedades del polinomio original P(x) "
               "indicadas. Recuerde se desconocen las expresiones analíticas del polinomio P(x) y de su derivada "
               "P'(x) . En caso de duda se puede recurrir al texto, ayuda o apoyo. Suerte.";
    // Curve identification.
    case 49:
        return "Este es un problema de acertijo.\n"
               "Se dibujarán tres curvas en un plano, una corresponde a la función, otra a su derivada y la otra a "
               "su segunda derivada. El problema consiste en identificar cada curva.\n"
               " Para iniciar tienes que elegir una opción del menú.";
    case 50:
        return "El problema consiste en identificar a las curvas que aparecen en el plano de la derecha. Cada curva "
               "tiene un color y de acuerdo al color, escriba un 0 para la que corresponde a la función, un 1 para "
               "la que corresponde a su primer derivada, y un 2 para su correspondiente segunda derivada.";
    // Tangent and normal lines.
    case 51:
        return "El problema que se plantea en este apartado, consiste en calcular la ecuación de la recta tangente a "
               "una curva, que es gráfica de una función. Para ello se proporcionará la función, su gráfica y, el "
               "punto en donde la recta es tangente a la curva.\n"
               " Para iniciar es necesario que elija una opción en el menú.";
    case 52:
    case 56:
        return "Este es el polinomio propuesto y su gráfica";
    case 53:
        return "Proporcione un polinomio que tenga a la recta, dada en la ecuación, como tangente.";
    case 54:
        return "Escriba la ecuación de la recta tangente a la gráfica del polinomio:";
    case 55:
        return "La gráfica de un polinomio es una curva, en esta parte se solicita el cálculo de la ecuación de la "
               "recta normal a esta curva en un punto determinado.\n"
               "Opcionalmente se puede elegir encontrar un polinomio, cuya gráfica sea normal a una recta determinada "
               "en un punto que daré.\n"
               " Para iniciar es necesario elegir una opción en el menú.";
    case 57:
        return "Proporcione un polinomio que tenga la recta dada en la ecuación como normal.";
    case 58:
        return "Escriba la ecuación de la recta normal a la gráfica del polinomio:";
    case 59:
        return "Bienvenido, en esta parte al elegir un concepto, éste se  señalará geométricamente en el plano de la "
               "derecha y si el caso lo permite,  también en forma numérica o de intervalo. El objetivo es que se "
               "proporcione un polinomio que posea esa propiedad.";
    case 60:
        return "En el punto de abscisa x = ";
    case 61:
        return "Escriba ahora la abscisa del punto en donde desea calcular la recta tangente.";
    case 62:
        return "Escriba ahora la abscisa del punto en donde desea situar la recta normal.";
    // Ends of the roads.
    case 63:
        return "Bravo, ha concluido con éxito esta parte,\n y esta es la gráfica. Se acabaron los secretos.";
    case 64:
        return "En efecto, con lo hecho se define la gráfica.\nSin embargo, se recomienda terminar los temas.";
    case 65:
        return "Bravo, ha concluido con éxito esta parte gráfica,\n y esta es la ecuación de la gráfica. Se acabó el secreto.";
    case 66:
        return "En el plano cartesiano de la derecha se dibuja la gráfica de un polinomio. A partir de esta gráfica "
               "se plantea resolver cada uno de los conceptos abajo indicados.\n"
               "Recuerda la vista puede engañar.";
    default:
        return "";
    }
}
