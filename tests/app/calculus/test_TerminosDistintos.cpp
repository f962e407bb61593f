// Terms in which two polynomials differ, as the derivative constructions
// report them, with the library's tolerance.
#include "TerminosDistintos.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>
#include <vector>

namespace {

// The polynomial of the (coefficient, exponent) pairs.
const Collpolinomio &Poli(std::initializer_list<std::pair<double, int>> terminos)
{
    static std::vector<PoliPtr> hechos; // kept for the whole test
    PoliPtr p = Collpolinomio::Nuevo();
    for (const auto &[c, e] : terminos)
        p->Agrega(c, static_cast<std::int16_t>(e));
    hechos.push_back(p);
    return *p;
}

} // namespace

TEST(ComparaTerminos, CountsTheTermsAndTheLowestExponent)
{
    struct Caso {
        const Collpolinomio &a, &b;
        int cuantos;
        int menor;
    };
    const Caso casos[] = {
        {Poli({{2, 1}, {-3, 0}}), Poli({{2, 1}, {-3, 0}}), 0, 0},
        {Poli({{2, 1}, {-3, 0}}), Poli({{2, 1}, {-2, 0}}), 1, 0},
        {Poli({{2, 1}, {-3, 0}}), Poli({{4, 1}, {-2, 0}}), 2, 0},
        {Poli({{6, 1}}), Poli({{12, 1}}), 1, 1},
        {Poli({{6, 1}}), Poli({{12, 1}, {2, 0}}), 2, 0},
        {Poli({{6, 1}}), Poli({{1, 2}, {6, 1}}), 1, 2},
    };
    for (const Caso &c : casos) {
        const TerminosDistintos r = ComparaTerminos(c.a, c.b);
        EXPECT_EQ(r.cuantos, c.cuantos);
        if (c.cuantos > 0) {
            EXPECT_EQ(r.exponenteMenor, c.menor);
        }
    }
}

// Relative to the reference's coefficient; where the reference has no
// term, a difference counts only above the tolerance.
TEST(ComparaTerminos, ToleranceOfTheLibrary)
{
    EXPECT_EQ(ComparaTerminos(Poli({{1000, 1}}), Poli({{1000.0005, 1}})).cuantos, 0);
    EXPECT_EQ(ComparaTerminos(Poli({{1000, 1}}), Poli({{1000.002, 1}})).cuantos, 1);
    EXPECT_EQ(ComparaTerminos(Poli({{6, 1}}), Poli({{6, 1}, {1e-6, 0}})).cuantos, 0);
    EXPECT_EQ(ComparaTerminos(Poli({{6, 1}}), Poli({{6, 1}, {2e-6, 0}})).cuantos, 1);
}
