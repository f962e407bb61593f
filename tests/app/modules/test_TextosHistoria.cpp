// The report's sentences for each concept, from the analysis routines.
#include "Globales.h"
#include "TextosHistoria.h"
#include "generapoli.h"

#include "Regional.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

namespace {

FuncPolinPtr Registro(std::initializer_list<std::pair<double, int>> terminos)
{
    PoliPtr p = Collpolinomio::Nuevo();
    for (const auto &[c, e] : terminos)
        p->Agrega(c, static_cast<std::int16_t>(e));
    return CreaFuncPolin(p);
}

class TextosHistoria : public ::testing::Test {
protected:
    void SetUp() override { rt::FijaSeparadorLocal('.'); }
    static SeccionHistoria Seccion(const FuncPolinPtr &fp, int concepto)
    {
        return SeccionDeHistoria(concepto, *fp, true);
    }
};

using Lista = std::vector<std::string>;

TEST_F(TextosHistoria, CubicaConTresRaices)
{
    const FuncPolinPtr fp = Registro({{1, 3}, {-3, 1}}); // x^3 - 3x

    SeccionHistoria s = Seccion(fp, 0);
    EXPECT_EQ(s.etiqueta, "La función tiene 3 raíces reales y 0 raíces complejas");
    EXPECT_EQ(s.lista, (Lista{"-1.732", "0", "1.732"}));

    s = Seccion(fp, 1);
    EXPECT_EQ(s.etiqueta, "El signo de la función es:");
    EXPECT_EQ(s.texto, "de  (- I , -1.732),  P(x) es negativa;  \n"
                       "de  (-1.732 , 0),  P(x) es positiva;  \n"
                       "de  (0 , 1.732),  P(x) es negativa;  \n"
                       "de  (1.732 , + I),  P(x) es positiva;  \n");
    EXPECT_TRUE(s.conInfinitos);

    EXPECT_EQ(Seccion(fp, 2).texto, "La función dada es impar. Recuerde que geométricamente significa que la "
                                    "gráfica es simétrica al origen.");

    s = Seccion(fp, 5);
    EXPECT_EQ(s.etiqueta, "La función tiene 2 puntos críticos.");
    EXPECT_EQ(s.lista, (Lista{"-1", "1"}));

    s = Seccion(fp, 6);
    EXPECT_EQ(s.etiqueta, "Los intervalos de monotonía del polinomio propuesto son:");
    EXPECT_EQ(s.texto, "en  ( -I , -1 ),  P(x) es creciente; \n"
                       "en  ( -1 , 1 ),  P(x) es decreciente; \n"
                       "en  ( 1 , +I ),  P(x) es creciente; \n");

    s = Seccion(fp, 7);
    EXPECT_EQ(s.etiqueta, "Este polinomio tiene en:");
    EXPECT_EQ(s.lista, (Lista{"-1 un máximo y se localiza en\n P(-1) = 2;", "1 un mínimo y se localiza en\n P(1) = -2;"}));

    s = Seccion(fp, 9);
    EXPECT_EQ(s.etiqueta, "Los puntos de inflexión se encuentran en:");
    EXPECT_EQ(s.lista, (Lista{"0 ;  P(0) = 0"}));

    s = Seccion(fp, 10);
    EXPECT_EQ(s.etiqueta, "El polinomio propuesto:");
    EXPECT_EQ(s.texto, "en  (- I , 0),\n  P(x) es cóncava hacia abajo;  \n"
                       "en  (0 , + I),\n  P(x) es cóncava hacia arriba;  \n");

    EXPECT_EQ(Seccion(fp, 11).texto, "El conjunto de todas las imágenes de P(x) es:\n(- I  ,  + I)");

    s = Seccion(fp, 12);
    EXPECT_EQ(s.etiqueta, "Como se puede observar,");
    EXPECT_EQ(s.texto, " la función propuesta no tiene cotas. Es decir no tiene máximo absoluto ni mínimo absoluto.");

    const auto limites = LimitesHistoria(*fp);
    EXPECT_EQ(limites[0].figura, "simb-minf.gif");
    EXPECT_EQ(limites[0].texto, "−∞");
    EXPECT_EQ(limites[1].figura, "simb-inf.gif");
    EXPECT_EQ(limites[1].texto, "+∞");
}

TEST_F(TextosHistoria, SinRaicesRealesYConMinimo)
{
    const FuncPolinPtr fp = Registro({{1, 2}, {1, 0}}); // x^2 + 1
    SeccionHistoria s = Seccion(fp, 0);
    EXPECT_EQ(s.etiqueta, "La función tiene sólo raíces complejas");
    EXPECT_EQ(s.texto, " La función propuesta no tiene raíces reales");
    EXPECT_TRUE(s.lista.empty());

    s = Seccion(fp, 1);
    EXPECT_EQ(s.etiqueta, "");
    EXPECT_EQ(s.texto, "P(x) es positiva en todo el dominio");

    EXPECT_EQ(Seccion(fp, 2).texto, "El polinomio dado es par. Recuerde que geométricamente significa que la "
                                    "gráfica es simétrica respecto al eje Y");
    EXPECT_EQ(Seccion(fp, 5).etiqueta, "La función tiene  un punto crítico ");
    EXPECT_EQ(Seccion(fp, 9).texto, " La función propuesta no tiene puntos de inflexión.");
    EXPECT_EQ(Seccion(fp, 10).texto, "P(x) es cóncava hacia arriba en todo el dominio.");
    EXPECT_EQ(Seccion(fp, 11).texto, "El conjunto de todas las imágenes de P(x) es:\n[1  ,  + I)");

    s = Seccion(fp, 12);
    EXPECT_EQ(s.etiqueta, "La función no tiene máximo absoluto y el mínimo absoluto se localiza en: ");
    EXPECT_EQ(s.texto, "x = 0,  P(0)= 1");

    s = Seccion(Registro({{-1, 2}, {4, 0}}), 12); // 4 - x^2
    EXPECT_EQ(s.etiqueta, "La función no tiene mínimo absoluto y el máximo absoluto se localiza en: ");
    EXPECT_EQ(s.texto, "x = 0,  P(0)= 4");
    EXPECT_EQ(Seccion(Registro({{-1, 2}, {4, 0}}), 1).texto, "de  (- I , -2),  P(x) es negativa;  \n"
                                                              "de  (-2 , 2),  P(x) es positiva;  \n"
                                                              "de  (2 , + I),  P(x) es negativa;  \n");
}

TEST_F(TextosHistoria, UnaRaizYRaicesRepetidas)
{
    EXPECT_EQ(Seccion(Registro({{1, 3}, {1, 1}}), 0).etiqueta, "En este caso, la función tiene una sola raíz real");
    // (x - 1)^2: the double root counts twice and is listed twice.
    const SeccionHistoria s = Seccion(Registro({{1, 2}, {-2, 1}, {1, 0}}), 0);
    EXPECT_EQ(s.etiqueta, "La función tiene 2 raíces reales y 0 raíces complejas");
    EXPECT_EQ(s.lista, (Lista{"1", "1"}));
}

TEST_F(TextosHistoria, Recta)
{
    const FuncPolinPtr fp = Registro({{2, 1}, {1, 0}}); // 2x + 1
    EXPECT_EQ(Seccion(fp, 5).texto, " La función propuesta no tiene puntos críticos.");
    EXPECT_TRUE(Seccion(fp, 5).lista.empty());
    const SeccionHistoria s = Seccion(fp, 7);
    EXPECT_FALSE(s.conEtiqueta);
    EXPECT_EQ(s.texto, " La función propuesta no tiene puntos críticos.");
    EXPECT_EQ(Seccion(fp, 6).etiqueta, "En este caso la función P(x) es:");
    EXPECT_EQ(Seccion(fp, 6).texto, " creciente en todo el dominio.");
    EXPECT_EQ(Seccion(Registro({{-2, 1}}), 6).texto, " decreciente en todo el dominio.");
    EXPECT_EQ(Seccion(fp, 10).texto, " P(x) no es cóncava ni convexa en todo el dominio.");
    EXPECT_EQ(Seccion(fp, 2).texto, "La función dada no tiene paridad");
    EXPECT_EQ(Seccion(fp, 12).texto,
              " la función propuesta no tiene cotas. Es decir no tiene máximo absoluto ni mínimo absoluto.");
}

TEST_F(TextosHistoria, Constante)
{
    const FuncPolinPtr fp = Registro({{5, 0}});
    const auto limites = LimitesHistoria(*fp);
    for (const LimiteHistoria &l : limites) {
        EXPECT_EQ(l.figura, "");
        EXPECT_EQ(l.texto, "5");
    }
    EXPECT_EQ(Seccion(fp, 11).texto, "El conjunto de todas las imágenes de P(x) es:\n[5  ,  5]");
    EXPECT_EQ(Seccion(fp, 12).etiqueta, "Como se puede observar,");
    EXPECT_EQ(Seccion(fp, 12).texto,
              " la función propuesta es constante. Es decir, todos sus puntos son máximos o mínimos absolutos.");
    EXPECT_EQ(Seccion(fp, 6).texto, " constante, es decir, no creciente o no decreciente.");
    EXPECT_EQ(Seccion(fp, 1).texto, "P(x) es positiva en todo el dominio");
    EXPECT_EQ(Seccion(Registro({{-5, 0}}), 1).texto, "P(x) es negativa en todo el dominio");
}

TEST_F(TextosHistoria, SinResolverSoloPide)
{
    const FuncPolinPtr fp = Registro({{1, 3}, {-3, 1}});
    const char *pide[CONCEPTOS_HISTORIA] = {
        "Es necesario calcular las raíces para poder mostrarlas.",
        "Tiene que determinar los intervalos en donde la función es positiva y negativa para poder mostrarlos.",
        "No se ha encontrado la paridad de la función. Por lo tanto no se puede mostrar el resultado.",
        "Tiene que calcular los límites a infinito y menos infinito para poder mostrarlos.",
        "Calcule la derivada del polinomio propuesto para mostrarla.",
        "Necesita calcular los puntos críticos del polinomio para mostrarlos.",
        "Es necesario que calcule la monotonía del polinomio propuesto.",
        "La historia sólo muestra lo hecho.",
        "Para poder mostrar la segunda derivada de la función es necesario calcularla.",
        "Esta historia sólo muestra lo calculado. Calcule los puntos de inflexión.",
        "No ha calculado los intervalos de concavidad y convexidad. Por ende no se pueden mostrar.",
        "Se debe determinar el rango para mostrarlo.",
        "Se deben determinar los máximos y mínimos absolutos para mostrarlos.",
    };
    for (int k = 0; k < CONCEPTOS_HISTORIA; ++k) {
        const SeccionHistoria s = SeccionDeHistoria(k, *fp, false);
        EXPECT_EQ(s.etiqueta, pide[k]) << k;
        EXPECT_TRUE(s.conEtiqueta) << k;
        EXPECT_TRUE(s.texto.empty() && s.lista.empty()) << k;
        // Only the derivatives' boxes and the limits' pictures stay.
        EXPECT_EQ(s.conResultado, k == 3 || k == 4 || k == 8) << k;
    }
}

TEST_F(TextosHistoria, ComaDecimal)
{
    rt::FijaSeparadorLocal(',');
    EXPECT_EQ(Seccion(Registro({{1, 3}, {-3, 1}}), 0).lista, (Lista{"-1,732", "0", "1,732"}));
}

} // namespace
