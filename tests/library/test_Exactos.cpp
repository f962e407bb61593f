// Exact numbers and polynomials: what typed text and derivatives stand for,
// and real roots decided on exact coefficients.
#include "ClsParserPoli.h"
#include "Collpolinomio.h"
#include "PoliExacto.h"
#include "RaicesExactas.h"
#include "Racional.h"
#include "PolinomiosAula.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// Refused texts fail the test at once.
PoliPtr Lee(const std::string &texto)
{
    PoliPtr p = LeeTexto(texto);
    if (!p)
        throw std::invalid_argument("el analizador rechaza " + texto);
    return p;
}

Racional R(const char *texto) { return *Racional::DesdeTexto(texto); }

} // namespace

TEST(Racional, LosDoublesSeLeenComoElDecimalMasCorto)
{
    EXPECT_EQ(Racional::DesdeDouble(0.1), Racional(1, 10));
    EXPECT_EQ(Racional::DesdeDouble(6.1), Racional(61, 10));
    EXPECT_EQ(Racional::DesdeDouble(-2.5e-7), Racional(-1, 4000000));
    EXPECT_EQ(Racional::DesdeDouble(1e22), R("1e22"));
    EXPECT_EQ(Racional::DesdeDouble(0.0), Racional(0));
    // Shortest decimals set in machine words, and those too long for them.
    for (const char *texto : {"1e-19", "-123456.789", "0.30000000000000004", "1.2345678901234568e-5", "5e-324"})
        EXPECT_EQ(Racional::DesdeDouble(std::strtod(texto, nullptr)), R(texto)) << texto;
    EXPECT_EQ(Racional(1, 3).ADouble(), 1.0 / 3.0);
    EXPECT_EQ(R("0.1").ADouble(), 0.1);
}

TEST(Racional, TextosQueNoSonNumeros)
{
    for (const char *texto : {"", "-", "1.2.3", "3/0", "1e", "x", "1/"})
        EXPECT_FALSE(Racional::DesdeTexto(texto).has_value()) << texto;
    EXPECT_EQ(R("-3/4"), Racional(-3, 4));
    EXPECT_EQ(R("1.5e-3"), Racional(3, 2000));
}

TEST(PoliExacto, ElParserExpandeSinRedondear)
{
    // 6.1 and 1/3 have no double: the expansion keeps them exact.
    const PoliPtr p = Lee("(x-6.1)^(3)(x-1/3)");
    const PoliExacto esperado = PoliExacto::Lineal(R("6.1")).Potencia(3) * PoliExacto::Lineal(Racional(1, 3));
    EXPECT_EQ(p->Exacto(), esperado);
    EXPECT_TRUE(p->Exacto().Evalua(R("6.1")).EsCero());
    EXPECT_TRUE(p->Prima()->Prima()->Exacto().Evalua(R("6.1")).EsCero());
    // The doubles are the nearest to the exact coefficients.
    EXPECT_EQ(p->A_Arreglo(), esperado.Doubles());
}

TEST(PoliExacto, SignosYValoresDeGradoAltoComoLosExactos)
{
    // Long enough to be read from balls: at its roots, a hair beside them
    // (where the value cancels), between them and far out, the sign and
    // the rounded value are those of the exact value.
    PoliExacto p = PoliExacto::Constante(Racional(-7, 3));
    for (int k = -10; k <= 10; ++k)
        p = p * PoliExacto::Lineal(Racional(k, 10));
    std::vector<Racional> puntos{R("1e12"), R("-3.3e7")};
    for (int k = -10; k <= 10; ++k)
        for (const char *paso : {"0", "1e-30", "-1e-30", "1e-15", "0.05"})
            puntos.push_back(Racional(k, 10) + R(paso));
    for (const Racional &x : puntos) {
        const Racional v = p.Evalua(x);
        EXPECT_EQ(p.SignoEn(x), v.Signo()) << x.Texto();
        EXPECT_EQ(p.ValorRedondeado(x), v.ADouble()) << x.Texto();
    }
}

TEST(PoliExacto, UnTerminoCambiadoPorSuPunteroSeVe)
{
    const PoliPtr p = Lee("x^(2)-2");
    (void)p->Exacto();
    p->Elemento(2)->coef(-0.3);
    EXPECT_EQ(p->Exacto().Coeficiente(0), Racional(-3, 10));
}

TEST(RaicesExactas, RaicesMultiplesVecinasNoSeFunden)
{
    struct Caso {
        const char *texto;
        std::vector<std::pair<const char *, int>> raices;
    };
    const Caso casos[] = {
        {"(x-6)^(3)(x-6.1)^(3)", {{"6", 3}, {"6.1", 3}}},
        {"0.5(x-1.7)^(3)(x-1.73)^(3)", {{"1.7", 3}, {"1.73", 3}}},
        {"(x-4)^(2)(x-4.01)(x+1)", {{"-1", 1}, {"4", 2}, {"4.01", 1}}},
        {"(x+3)^(6)(x+4)^(8)", {{"-4", 8}, {"-3", 6}}},
        {"0.1(x-9)^(10)", {{"9", 10}}},
        {"(x^(2)-2)^(2)(x-1)", {{"-1.4142135623730951", 2}, {"1", 1}, {"1.4142135623730951", 2}}},
        {"x^(2)+1", {}},
    };
    for (const Caso &c : casos) {
        const PoliPtr p = Lee(c.texto);
        // Typed as factors and typed expanded give the same roots.
        const PoliPtr expandido = Collpolinomio::DesdeExacto(p->Exacto());
        for (const PoliPtr &q : {p, expandido}) {
            const auto raices = RaicesExactas::Calcula(q->Exacto());
            ASSERT_EQ(raices.size(), c.raices.size()) << c.texto;
            for (std::size_t i = 0; i < raices.size(); ++i) {
                EXPECT_EQ(raices[i].valor, R(c.raices[i].first).ADouble()) << c.texto;
                EXPECT_EQ(raices[i].multiplicidad, c.raices[i].second) << c.texto;
            }
        }
    }
}

// Roots of different factors are isolated apart: a rational root of one
// may stand on the end of another's interval, or inside it. Every root
// comes out in an interval of its own, left of the next one's, holding it
// alone (the square-free part changes sign across it).
TEST(RaicesExactas, CadaRaizEnSuIntervalo)
{
    const char *textos[] = {
        // -1.25e22, halfway between two doubles, between -1.25e22 -+ sqrt(2).
        "(x^(2)+25000000000000000000000x+156249999999999999999999999999999999999999998)"
        "(x+12500000000000000000000)^(2)(x-1)",
        // A root 1 and, within 10^-30 of it, a root of another factor.
        "x^(4)-(0.000000000000000000000000000000000000000000000000000000000000000702)(x-1)(x-1)"
        "(8x+1000000000000000000000000000000000000000000000000000000000000000000000000000000000000020x"
        "+12x^(2)+1/3x^(4)-2x^(2)+1/3)^(2)",
        // Roots far closer together than the stretches the exact isolation
        // halves, which it zooms into.
        "(x^(3)-4x)^(4)(x(x^(6)-40000000000000000000000020000000x^(5)-5x^(3)+x+1/3)^(3)(x+.181)^(2)(x)x^(5)+34)^(3)",
    };
    for (const char *texto : textos) {
        PoliExacto p = Lee(texto)->Exacto();
        // P, P' and P''.
        for (int orden = 0; orden <= 2; ++orden, p = p.Derivada()) {
            const PoliExacto libre = RaicesExactas::LibreDeCuadrados(p);
            const auto raices = RaicesExactas::Calcula(p);
            ASSERT_EQ(static_cast<int>(raices.size()), RaicesExactas::CuentaDistintas(p)) << texto;
            for (std::size_t k = 0; k < raices.size(); ++k) {
                const RaizExacta &r = raices[k];
                const std::string que = std::string(texto) + ", derivada " + std::to_string(orden) + ", raíz " +
                                        std::to_string(k);
                // Two intervals may share an end only where P does not vanish.
                if (k + 1 < raices.size()) {
                    EXPECT_LE(r.derecha, raices[k + 1].izquierda) << que;
                    if (r.derecha == raices[k + 1].izquierda)
                        EXPECT_NE(p.SignoEn(r.derecha), 0) << que;
                }
                if (r.EsRacional())
                    EXPECT_EQ(p.SignoEn(r.izquierda), 0) << que;
                else
                    EXPECT_EQ(libre.SignoEn(r.izquierda) * libre.SignoEn(r.derecha), -1) << que;
            }
        }
    }
}

TEST(RaicesExactas, CuentaYAcota)
{
    EXPECT_EQ(RaicesExactas::CuentaDistintas(Lee("(x-3)(x-5)^(2)(x^(2)+1)")->Exacto()), 2);
    EXPECT_EQ(RaicesExactas::CuentaDistintas(Lee("0.0000001(x-3)(x-5)^(2)")->Exacto()), 2);
    // P = x^2 - 2 on the isolating interval of sqrt(2): an enclosure of 0.
    const PoliExacto p = Lee("x^(2)-2")->Exacto();
    const auto raices = RaicesExactas::Calcula(p);
    ASSERT_EQ(raices.size(), 2u);
    double lo = 0, hi = 0;
    p.AcotaEn(raices[1].izquierda, raices[1].derecha, lo, hi);
    EXPECT_LE(lo, 0.0);
    EXPECT_GE(hi, 0.0);
    EXPECT_LT(hi - lo, 1e-12);
}

TEST(RaicesExactas, SearchInDoublesAgreesWithArb)
{
    // The search in doubles proves what it finds or hands the factor to
    // Arb; either way the roots must be Arb's own, bracket for bracket.
    // P, P' and P'' of classroom products up to degree 30 (P' and P'' with
    // the roots one derivative up as separators, as the record gives
    // them) and of integer polynomials.
    std::mt19937 azar(4242);
    for (int caso = 0; caso < 300; ++caso) {
        PoliExacto p;
        if (caso % 3 == 2) {
            std::vector<Racional> c(static_cast<std::size_t>(2 + caso % 13));
            for (Racional &v : c)
                v = Racional(static_cast<long>(azar() % 19) - 9);
            c.back() = Racional(1 + static_cast<long>(azar() % 9));
            p = PoliExacto::DesdeCoeficientes(c);
        } else {
            p = ExactoAula(SorteaAula(azar, 1 + static_cast<int>(azar() % (caso < 280 ? 15 : 30)), 0.01));
        }
        std::vector<double> separadores;
        for (int d = 0; d <= 2 && p.Grado() >= 1; ++d, p = p.Derivada()) {
            const auto rapidas = RaicesExactas::Calcula(p, separadores);
            const auto arb = RaicesExactas::CalculaConArb(p);
            ASSERT_EQ(rapidas.size(), arb.size()) << "case " << caso << " derivative " << d;
            separadores.clear();
            for (std::size_t i = 0; i < arb.size(); ++i) {
                EXPECT_EQ(rapidas[i].valor, arb[i].valor) << "case " << caso << " derivative " << d;
                EXPECT_EQ(rapidas[i].multiplicidad, arb[i].multiplicidad) << "case " << caso;
                EXPECT_LE(rapidas[i].izquierda, arb[i].derecha) << "case " << caso;
                EXPECT_GE(rapidas[i].derecha, arb[i].izquierda) << "case " << caso;
                separadores.push_back(rapidas[i].valor);
            }
            if (HasFailure())
                return;
        }
    }
}
