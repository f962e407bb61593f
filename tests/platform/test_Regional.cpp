#include "Regional.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

TEST(Regional, DecimalSeparatorRule)
{
    const struct {
        char local;
        char decimal;
    } casos[] = {{'.', '.'}, {',', ','}, {';', '.'}, {'\'', '.'}};
    for (const auto &c : casos) {
        rt::ConSeparadorLocal sep(c.local);
        EXPECT_EQ(rt::SeparadorDecimal(), c.decimal) << c.local;
    }
}

TEST(Regional, TestSeparatorIsRestored)
{
    ASSERT_EQ(rt::SeparadorLocal(), '.');
    {
        rt::ConSeparadorLocal coma(',');
        EXPECT_EQ(rt::SeparadorLocal(), ',');
        EXPECT_EQ(rt::SeparadorGruposLocal(), '.');
    }
    EXPECT_EQ(rt::SeparadorLocal(), '.');
    EXPECT_EQ(rt::SeparadorGruposLocal(), ',');
}

TEST(Regional, SystemSeparatorUnderTheTestLocale)
{
    // The tests run with LC_ALL=C.UTF-8.
    EXPECT_EQ(rt::SeparadorDelSistema(), '.');
}

TEST(Regional, UnknownSystemLocaleFallsBackToThePoint)
{
    const char *antes = std::getenv("LC_ALL");
    const std::string anterior = antes ? antes : "";
    ::setenv("LC_ALL", "zz_ZZ.NOEXISTE", 1);
    EXPECT_EQ(rt::SeparadorDelSistema(), '.');
    if (antes)
        ::setenv("LC_ALL", anterior.c_str(), 1);
    else
        ::unsetenv("LC_ALL");
}
