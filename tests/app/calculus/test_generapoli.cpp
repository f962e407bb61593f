// The current polynomial record and the sorted random lists.
#include "Azar.h"
#include "generapoli.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

TEST(CreaFuncPolin, RecordOfPrecisionSixWithDerivativesAndRoots)
{
    auto p = Collpolinomio::Nuevo();
    p->Agrega(1, 3);
    p->Agrega(-3, 1);
    p->Agrega(2, 0); // (x - 1)^2 (x + 2)
    const auto f = CreaFuncPolin(p);
    EXPECT_EQ(f->Precis(), 6);
    EXPECT_EQ(f->Polin(), p);
    EXPECT_EQ(f->Polder1()->A_Arreglo(), (std::vector<double>{-3, 0, 3}));
    EXPECT_EQ(f->Polder2()->A_Arreglo(), (std::vector<double>{0, 6}));
    std::vector<std::pair<int, double>> raices;
    for (const auto &r : *f)
        raices.emplace_back(r->tipopol(), r->Raiz());
    const std::vector<std::pair<int, double>> esperadas = {{0, -2}, {0, 1}, {0, 1}, {1, -1}, {1, 1}, {2, 0}};
    EXPECT_EQ(raices, esperadas);

    // P is shared, the derivatives and roots were computed once.
    p->Agrega(1, 5);
    EXPECT_EQ(f->Polin()->Grado(), 5);
    EXPECT_EQ(f->Polder1()->Grado(), 2);
    EXPECT_EQ(f->Cuenta(0), 3);
}

TEST(CreaFuncPolin, ConstantsAndLinesHaveEmptyDerivatives)
{
    for (const auto &[coef, expon, raices] : {std::tuple<double, int, long>{4, 0, 0}, {2, 1, 1}}) {
        auto p = Collpolinomio::Nuevo();
        p->Agrega(coef, static_cast<std::int16_t>(expon));
        const auto f = CreaFuncPolin(p);
        EXPECT_EQ(f->Cuenta(0), raices);
        EXPECT_EQ(f->Cuenta(1), 0);
        EXPECT_EQ(f->Cuenta(2), 0);
        EXPECT_EQ(f->Polder2()->Cuenta(), 0);
    }
}

TEST(GeneraPoliAleatorio, ScriptedDraws)
{
    std::vector<std::int16_t> v{9, 9};
    GeneraPoliAleatorio1(0, 10, v);
    EXPECT_EQ(v, (std::vector<std::int16_t>{9, 9}));
    GeneraPoliAleatorio1(-2, 10, v);
    EXPECT_EQ(v, (std::vector<std::int16_t>{9, 9}));

    // Sign draw (10r rounded: 0.04 -> 0 even -> +, 0.15 -> 2 -> +,
    // 0.12 -> 1 -> -), then the magnitude Int(tope r).
    rt::ProgramaAzar({0.04f, 0.35f, 0.12f, 0.55f, 0.04f, 0.35f});
    GeneraPoliAleatorio1(3, 10, v);
    EXPECT_EQ(v, (std::vector<std::int16_t>{0, -5, 3, 3}));
    rt::OlvidaAzarProgramado();

    rt::ProgramaAzar({0.04f, 0.95f});
    GeneraPoliAleatorio1(1, 10, v);
    EXPECT_EQ(v, (std::vector<std::int16_t>{0, 9}));
    rt::OlvidaAzarProgramado();

    // A repeated value is drawn again.
    rt::ProgramaAzar({0.04f, 0.35f, 0.04f, 0.35f, 0.12f, 0.35f});
    GeneraPoliAleatorio2(2, 10, v);
    EXPECT_EQ(v, (std::vector<std::int16_t>{0, -3, 3, 0}));
    rt::OlvidaAzarProgramado();
}

TEST(GeneraPoliAleatorio, RandomListsAreSortedAndInRange)
{
    rt::SiembraAzar(7);
    std::vector<std::int16_t> v;
    for (int i = 0; i < 500; ++i) {
        const std::int16_t cuantos = static_cast<std::int16_t>(1 + i % 8);
        GeneraPoliAleatorio1(cuantos, 5, v);
        ASSERT_EQ(v.size(), static_cast<std::size_t>(cuantos) + 1);
        EXPECT_EQ(v[0], 0);
        EXPECT_TRUE(std::is_sorted(v.begin() + 1, v.end()));
        for (std::size_t k = 1; k < v.size(); ++k)
            EXPECT_LE(std::abs(v[k]), 4);

        GeneraPoliAleatorio2(static_cast<std::int16_t>(2 + i % 3), 9, v);
        ASSERT_EQ(v.size(), static_cast<std::size_t>(2 + i % 3) + 2);
        EXPECT_EQ(v.back(), 0);
        EXPECT_TRUE(std::adjacent_find(v.begin() + 1, v.end() - 1, std::greater_equal<>()) == v.end() - 1);
    }
    GeneraPoliAleatorio1(4, 1, v);
    EXPECT_EQ(v, (std::vector<std::int16_t>{0, 0, 0, 0, 0}));
    GeneraPoliAleatorio2(3, 2, v);
    EXPECT_EQ(v, (std::vector<std::int16_t>{0, -1, 0, 1, 0}));
}

TEST(GeneraPoliAleatorio, MoreDifferentValuesThanExistEnds)
{
    rt::SiembraAzar(3);
    std::vector<std::int16_t> v;
    GeneraPoliAleatorio2(6, 2, v);
    EXPECT_EQ(v, (std::vector<std::int16_t>{0, -1, 0, 1, 0}));
    GeneraPoliAleatorio2(3, 1, v);
    EXPECT_EQ(v, (std::vector<std::int16_t>{0, 0, 0}));
}
