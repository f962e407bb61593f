// What the parser answers to texts that ask the exact arithmetic for too
// much: a message, or a polynomial whose shown and drawn doubles stand for
// the exact one it decides on.
#include "TextosHostiles.h"

#include "ClsParserPoli.h"
#include "Regional.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Corto(const std::string &texto) { return texto.size() > 60 ? texto.substr(0, 60) + "..." : texto; }

} // namespace

TEST(TextosHostiles, CadaTextoRecibeSuMensajeOSuPolinomio)
{
    rt::ConSeparadorLocal punto('.');
    for (const TextoHostil &h : TextosHostiles()) {
        SCOPED_TRACE(h.nombre + ": " + Corto(h.texto));
        PoliPtr p;
        int ut = -1;
        const int codigo = ParserPoli().Polinomio(h.texto, p, ut);
        ASSERT_EQ(codigo, h.codigo);
        ASSERT_NE(p, nullptr);
        if (codigo != 0) {
            EXPECT_EQ(p->Cuenta(), 0);
            continue;
        }
        ASSERT_TRUE(h.verdad.has_value());
        EXPECT_TRUE(p->Exacto() == *h.verdad);
        // One polynomial: a Double for every exact coefficient, none lost.
        EXPECT_EQ(p->Grado(), h.verdad->Grado());
        EXPECT_EQ(p->Cuenta(), h.verdad->Terminos());
        EXPECT_LE(p->Exacto().Bits(), ClsParserPoli::BitsMaximos);
    }
}

TEST(TextosHostiles, ElTamanoSeMideAntesDeCadaPaso)
{
    rt::ConSeparadorLocal punto('.');
    // The size refused is the one the power would reach, not the one of the
    // text: each factor alone is small.
    const std::string a = hostiles::DecimalLargo(120);
    PoliPtr p;
    int ut = -1;
    ASSERT_EQ(ParserPoli().Polinomio("(" + a + "x+1)^(2)", p, ut), 0);
    EXPECT_EQ(ParserPoli().Polinomio("((" + a + "x+1)^(2))^(50)", p, ut), ClsParserPoli::CodigoCoeficientesLargos);
    // Sums too: fractions over a thousand distinct primes add up to one
    // huge denominator, a hundred of them do not.
    std::string suma = "x";
    int primos = 0;
    for (long n = 1000003; primos < 1100; n += 2) {
        bool primo = true;
        for (long d = 3; d * d <= n && primo; d += 2)
            primo = n % d != 0;
        if (!primo)
            continue;
        suma += "+1/" + std::to_string(n);
        if (++primos == 100) {
            EXPECT_EQ(ParserPoli().Polinomio(suma, p, ut), 0);
        }
    }
    EXPECT_EQ(ParserPoli().Polinomio(suma, p, ut), ClsParserPoli::CodigoCoeficientesLargos);
}
