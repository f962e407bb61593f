#include "Entero16.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(Entero16, CIntRoundsHalfToEven)
{
    const struct {
        double valor;
        int esperado;
    } casos[] = {
        {0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2},
        {2.4999, 2}, {2.5001, 3}, {-2.6, -3}, {32767.4, 32767}, {-32768.5, -32768},
    };
    for (const auto &c : casos)
        EXPECT_EQ(rt::CInt(c.valor), c.esperado) << c.valor;
}

TEST(Entero16, OverflowIsReported)
{
    const double fuera[] = {32767.5, -32768.6, 1e10, std::numeric_limits<double>::infinity(),
                            std::numeric_limits<double>::quiet_NaN()};
    for (double v : fuera)
        EXPECT_THROW(rt::CInt(v), rt::ErrorDesbordamiento) << v;

    EXPECT_EQ(rt::CLng(2147483646.5), 2147483646);
    EXPECT_EQ(rt::CLng(-2147483648.4), -2147483647 - 1);
    EXPECT_THROW(rt::CLng(2147483647.5), rt::ErrorDesbordamiento);
    EXPECT_THROW(rt::CLng(std::nan("")), rt::ErrorDesbordamiento);

    EXPECT_EQ(rt::SumaEntero(32766, 1), 32767);
    EXPECT_EQ(rt::SumaEntero(-32767, -1), -32768);
    EXPECT_THROW(rt::SumaEntero(32767, 1), rt::ErrorDesbordamiento);
    EXPECT_THROW(rt::SumaEntero(-32768, -1), rt::ErrorDesbordamiento);
}

TEST(Entero16, IntIsFloor)
{
    EXPECT_EQ(rt::Int(2.9), 2.0);
    EXPECT_EQ(rt::Int(-2.1), -3.0);
    EXPECT_EQ(rt::Int(-3.0), -3.0);
    EXPECT_EQ(rt::Int(1e20), 1e20);
}
