// The plotting window fitted to a function record.
#include "VentanaGrafica.h"
#include "generapoli.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

PoliPtr Poli(const std::vector<std::pair<double, int>> &terminos)
{
    auto p = Collpolinomio::Nuevo();
    for (const auto &[c, e] : terminos)
        p->Agrega(c, static_cast<std::int16_t>(e));
    return p;
}

} // namespace

TEST(CalculaVentana, ClassroomCases)
{
    struct Caso {
        std::string nombre;
        PoliPtr p;
        double xmin, xmax, ymin, ymax;
    };
    const std::vector<Caso> casos = {
        {"x^2-4", Poli({{1, 2}, {-4, 0}}), -3.96, 3.96, -6, 3},
        {"2x+1", Poli({{2, 1}, {1, 0}}), -3.3, 3.3, -3, 3},
        {"3", Poli({{3, 0}}), -4.95, 4.95, -4.5, 4.5},
        {"-3", Poli({{-3, 0}}), -4.95, 4.95, -4.5, 4.5},
        {"x^3-3x", Poli({{1, 3}, {-3, 1}}), -3.3, 3.3, -3, 3},
        {"x^2+10", Poli({{1, 2}, {10, 0}}), -3.3, 3.3, -3, 15},
        // The zero polynomial is drawn in the window of the constant 1.
        {"0", Collpolinomio::Nuevo(), -1.65, 1.65, -1.5, 1.5},
    };
    for (const auto &c : casos) {
        const auto f = CreaFuncPolin(c.p);
        EXPECT_NEAR(f->Xmin(), c.xmin, 0.005) << c.nombre;
        EXPECT_NEAR(f->Xmax(), c.xmax, 0.005) << c.nombre;
        EXPECT_NEAR(f->Ymin(), c.ymin, 0.005) << c.nombre;
        EXPECT_NEAR(f->Ymax(), c.ymax, 0.005) << c.nombre;
    }
}

TEST(CalculaVentana, DegreeOneBranches)
{
    // Root far left: x + 10 (XMIN moved, YMIN not; -YMIN < XMAX).
    auto f = CreaFuncPolin(Poli({{1, 1}, {10, 0}}));
    EXPECT_LT(f->Xmin(), -10 * 1.5);
    EXPECT_GE(f->Xmax(), 0.0);
    // A flat line: 0.001x + 0.001 keeps inside half the range for ten steps.
    f = CreaFuncPolin(Poli({{0.001, 1}, {0.001, 0}}));
    EXPECT_NEAR(f->Xmin(), -1.5 * 2 * 67.04, 0.5);
    EXPECT_NEAR(f->Xmax(), 1.5 * 2 * 67.04, 0.5);
}

TEST(CalculaVentana, RunningAgainGivesTheSameWindow)
{
    const auto f = CreaFuncPolin(Poli({{1, 4}, {-3, 3}, {-2, 1}, {5, 0}}));
    const double antes[] = {f->Xmin(), f->Xmax(), f->Ymin(), f->Ymax()};
    CalculaVentana(*f);
    EXPECT_EQ(f->Xmin(), antes[0]);
    EXPECT_EQ(f->Xmax(), antes[1]);
    EXPECT_EQ(f->Ymin(), antes[2]);
    EXPECT_EQ(f->Ymax(), antes[3]);
    EXPECT_LT(f->Xmin(), f->Xmax());
    EXPECT_LT(f->Ymin(), f->Ymax());
}
