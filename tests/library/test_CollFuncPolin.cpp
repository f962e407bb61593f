// The function record's root collection: order, collapse of near-equal
// roots, positions and counts.
#include "Avisos.h"
#include "CollFuncPolin.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<std::pair<int, double>> Contenido(const CollFuncPolin &f)
{
    std::vector<std::pair<int, double>> v;
    for (const auto &r : f)
        v.emplace_back(r->tipopol(), r->Raiz());
    return v;
}

} // namespace

TEST(CollFuncPolin, NewRecordIsEmpty)
{
    rt::GrabadoraAvisos avisos;
    CollFuncPolin f;
    EXPECT_EQ(f.Cuenta(0), 0);
    EXPECT_EQ(f.Precis(), 0);
    EXPECT_EQ(f.Xmin(), 0);
    EXPECT_EQ(f.Ymax(), 0);
    EXPECT_EQ(f.PoliVacio()->Cuenta(), 0);
    const auto r = f.Elemento(1);
    EXPECT_EQ(r->Raiz(), -1e308);
    EXPECT_EQ(r->tipopol(), 0);
    ASSERT_EQ(avisos.avisos().size(), 1u);
    EXPECT_EQ(avisos.avisos()[0].texto, "Solo acepto los valores 0,1 y 2");
    EXPECT_EQ(avisos.avisos()[0].titulo, "Error de programación");
}

TEST(CollFuncPolin, OrderByTypeThenValue)
{
    CollFuncPolin f;
    f.Precis(6);
    f.Agrega(1, 0);
    f.Agrega(-2, 0);
    f.Agrega(0.5, 1);
    f.Agrega(3, 0);
    f.Agrega(1, 2);
    f.Agrega(5, 1);
    const std::vector<std::pair<int, double>> esperado = {{0, -2}, {0, 1}, {0, 3}, {1, 0.5}, {1, 5}, {2, 1}};
    EXPECT_EQ(Contenido(f), esperado);
    EXPECT_EQ(f.Cuenta(0), 3);
    EXPECT_EQ(f.Cuenta(1), 2);
    EXPECT_EQ(f.Cuenta(2), 1);
    EXPECT_EQ(f.Elemento(4)->Raiz(), 0.5);
}

TEST(CollFuncPolin, NearEqualRootsShareTheStoredValue)
{
    CollFuncPolin f;
    f.Precis(6);
    const auto primera = f.Agrega(2, 0);
    const auto segunda = f.Agrega(2.0000001, 0);
    EXPECT_EQ(segunda->Raiz(), 2.0);
    EXPECT_EQ(f.Elemento(1), segunda); // the newer one in front
    EXPECT_EQ(f.Elemento(2), primera);
    f.Agrega(2.00001, 0);
    EXPECT_EQ(f.Elemento(3)->Raiz(), 2.00001);
    // Roots of different types are never merged.
    f.Agrega(2, 1);
    EXPECT_EQ(f.Cuenta(1), 1);
}

TEST(CollFuncPolin, PositionsByNumberOrText)
{
    rt::GrabadoraAvisos avisos;
    CollFuncPolin f;
    f.Precis(6);
    for (double x : {1.0, 2.0, 3.0, 4.0})
        f.Agrega(x, 0);
    EXPECT_EQ(f.ElementoClave("2"), f.Elemento(2));
    EXPECT_EQ(f.ElementoClave("2.5"), f.Elemento(2));
    EXPECT_EQ(f.ElementoClave("3.5"), f.Elemento(4));
    EXPECT_EQ(f.ElementoClave("3abc"), f.Elemento(3));
    EXPECT_TRUE(avisos.avisos().empty());
    EXPECT_EQ(f.ElementoClave("abc")->Raiz(), -1e308);
    EXPECT_EQ(f.ElementoClave("99999")->Raiz(), -1e308);
    EXPECT_EQ(f.Elemento(0)->Raiz(), -1e308);
    EXPECT_EQ(f.Elemento(5)->Raiz(), -1e308);
    EXPECT_EQ(avisos.avisos().size(), 4u);
    EXPECT_EQ(f.raices().size(), 4u);
}

TEST(CollFuncPolin, WrongTypeIsRefusedButPlacedByIt)
{
    rt::GrabadoraAvisos avisos;
    CollFuncPolin f;
    f.Precis(6);
    f.Agrega(1, 2);
    const auto r = f.Agrega(7, 5);
    EXPECT_EQ(r->tipopol(), 0);
    EXPECT_EQ(f.Elemento(2), r); // after every type below 5
    EXPECT_EQ(avisos.avisos().size(), 1u);
}

TEST(CollFuncPolin, WindowIsStoredUnchecked)
{
    CollFuncPolin f;
    f.Xmin(5);
    f.Xmax(-5);
    EXPECT_EQ(f.Xmin(), 5);
    EXPECT_EQ(f.Xmax(), -5);
}
