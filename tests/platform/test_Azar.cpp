#include "Azar.h"

#include <gtest/gtest.h>

#include <vector>

TEST(Azar, DrawsStayInTheUnitInterval)
{
    rt::SiembraAzar(7);
    for (int i = 0; i < 100000; ++i) {
        const float r = rt::Rnd();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
    }
}

TEST(Azar, SeedRepeatsTheSequence)
{
    rt::SiembraAzar(42);
    std::vector<float> a;
    for (int i = 0; i < 5; ++i)
        a.push_back(rt::Rnd());
    rt::SiembraAzar(42);
    for (float r : a)
        EXPECT_EQ(rt::Rnd(), r);
}

TEST(Azar, QueuedDrawsComeFirstAndExact)
{
    rt::SiembraAzar(1);
    const float siguiente = rt::Rnd();
    rt::SiembraAzar(1);
    rt::ProgramaAzar({0.25f, 0.999999940f, 0.0f});
    EXPECT_EQ(rt::Rnd(), 0.25f);
    EXPECT_EQ(rt::EnteroAzar1(6), 6); // the largest draw below 1 never gives n + 1
    EXPECT_EQ(rt::EnteroAzar0(10), 0);
    EXPECT_EQ(rt::Rnd(), siguiente); // then the generator goes on

    rt::ProgramaAzar({0.5f});
    rt::OlvidaAzarProgramado();
    rt::SiembraAzar(1);
    EXPECT_EQ(rt::Rnd(), siguiente);
}

TEST(Azar, WholeNumbersFromOneDraw)
{
    rt::ProgramaAzar({0.5f, 0.5f, 0.1f, 0.95f});
    EXPECT_EQ(rt::EnteroAzar1(10), 6); // Int(10 * 0.5) + 1
    EXPECT_EQ(rt::EnteroAzar0(10), 5);
    EXPECT_EQ(rt::EnteroAzar1(3), 1);
    EXPECT_EQ(rt::EnteroAzar0(3), 2);
}
