// The sign bands of a requirement: distinct roots, the sign of each band
// and the list lines, in each style.
#include "BandaConSigno.h"

#include <gtest/gtest.h>

namespace {

struct Caso {
    std::vector<std::int16_t> raices; // 1..n; entry 0 the sentinel
    int primerSigno;
    EstiloBanda estilo;
    std::vector<int> signos;
    std::vector<std::string> lineas;
};

const EstiloBanda Concavidad{"El signo de p'' es:", true, 12};

class Bandas : public ::testing::TestWithParam<Caso> {};

TEST_P(Bandas, SignosYLineas)
{
    const Caso &c = GetParam();
    const int n = static_cast<int>(c.raices.size()) - 1;
    const BandasSigno b = CalculaBandas(c.raices, n, c.primerSigno, c.estilo);
    EXPECT_EQ(b.numDistintas + 1, static_cast<int>(c.signos.size()));
    EXPECT_EQ(b.signoBanda, c.signos);
    EXPECT_EQ(b.lineas, c.lineas);
    EXPECT_EQ(b.raizDistinta.size(), static_cast<std::size_t>(b.numDistintas + 2));
}

INSTANTIATE_TEST_SUITE_P(
    Requisitos, Bandas,
    ::testing::Values(
        // A double root keeps the sign.
        Caso{{547, 1, 1}, 1, EstiloSigno, {1, 1}, {"El signo es:", "( - inf,1)positiva", "( 1,+ inf)positiva"}},
        // A triple root switches it.
        Caso{{547, -3, 0, 0, 0},
             -1,
             EstiloSigno,
             {-1, 1, -1},
             {"El signo es:", "( - inf,-3)negativa", "(-3,0)positiva", "( 0,+ inf)negativa"}},
        // A first sign of 0 counts as negative.
        Caso{{547, 2}, 0, EstiloSigno, {-1, 1}, {"El signo es:", "( - inf,2)negativa", "( 2,+ inf)positiva"}},
        // The concavity's style: its header and a blank before the word, but
        // not on the first line.
        Caso{{547, -2, 1},
             -1,
             Concavidad,
             {-1, 1, -1},
             {"El signo de p'' es:", "( - inf,-2)negativa", "(-2,1) positiva", "( 1,+ inf) negativa"}}));

} // namespace
