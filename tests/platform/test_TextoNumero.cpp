#include "Regional.h"
#include "TextoNumero.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

const double inf = std::numeric_limits<double>::infinity();

struct CasoTexto {
    double valor;
    const char *texto;
};

} // namespace

TEST(CStr, FifteenDigitsAndExponentForm)
{
    const CasoTexto casos[] = {
        {0.0, "0"},
        {-0.0, "0"},
        {5, "5"},
        {2.5, "2.5"},
        {-2.25, "-2.25"},
        {0.1 + 0.2, "0.3"},
        {1.0 / 3, "0.333333333333333"},
        {2.0 / 3, "0.666666666666667"},
        {123456789.125, "123456789.125"},
        {999999999999999, "999999999999999"},
        {1e15, "1E+15"},
        {999999999999999.9, "1E+15"}, // rounds to 15 digits first
        {123456789012345678.0, "1.23456789012346E+17"},
        {1.5e20, "1.5E+20"},
        {1e100, "1E+100"},
        {0.0001, "0.0001"},
        {0.00012345, "0.00012345"},
        {0.00001, "1E-05"},
        {-1.23456e-05, "-1.23456E-05"},
        {1.5e-07, "1.5E-07"},
        {1e-300, "1E-300"},
        {inf, "1.#INF"},
        {-inf, "-1.#INF"},
    };
    for (const auto &c : casos)
        EXPECT_EQ(rt::CStr(c.valor), c.texto) << c.valor;
}

TEST(CStr, UsesTheLocaleSeparator)
{
    rt::ConSeparadorLocal coma(',');
    EXPECT_EQ(rt::CStr(2.5), "2,5");
    EXPECT_EQ(rt::CStr(-1.5e-07), "-1,5E-07");
    EXPECT_EQ(rt::CStr(1234567), "1234567"); // never grouped
}

TEST(Val, ReadsTheLeadingNumber)
{
    const struct {
        const char *texto;
        double valor;
    } casos[] = {
        {"3.14", 3.14},
        {"  -2 . 5", -2.5}, // blanks anywhere are skipped
        {"+7", 7},
        {"\t12\n3", 123},
        {".5", 0.5},
        {"5.", 5},
        {"1e3", 1000},
        {"1D2", 100},
        {"2.5E-1x", 0.25},
        {"1e", 1},
        {"1e+", 1},
        {"12abc", 12},
        {"1,5", 1}, // the comma is never a separator here
        {"abc", 0},
        {"-", 0},
        {".", 0},
        {"", 0},
        {"1e-400", 0},
    };
    for (const auto &c : casos)
        EXPECT_DOUBLE_EQ(rt::Val(c.texto), c.valor) << c.texto;

    EXPECT_EQ(rt::Val("1e400"), inf);
    EXPECT_EQ(rt::Val("-1e400"), -inf);
    rt::ConSeparadorLocal coma(',');
    EXPECT_DOUBLE_EQ(rt::Val("2.5"), 2.5);
}

TEST(Formato, Masks)
{
    const struct {
        double valor;
        const char *mascara;
        const char *texto;
    } casos[] = {
        {1234.5678, "##,###,###,##0.###", "1,234.568"},
        {0.5, "##,###,###,##0.###", "0.5"},
        {-2.25, "##,###,###,##0.###", "-2.25"},
        {2, "##,###,###,##0.###", "2."}, // the separator stays
        {2.0004, "##,###,###,##0.###", "2."},
        {0, "##,###,###,##0.###", "0."},
        {0.0005, "##,###,###,##0.###", "0.001"}, // half away from zero
        {2.0005, "##,###,###,##0.###", "2.001"}, // on the 15-digit decimal text
        {-0.0005, "##,###,###,##0.###", "-0.001"},
        {-0.0001, "##,###,###,##0.###", "0."}, // no sign on a shown zero
        {999.9996, "##,###,###,##0.###", "1,000."},
        {1234567.1, "##,###,###,##0.###", "1,234,567.1"},
        {123456789012.5, "##,###,###,##0.###", "123,456,789,012.5"},
        {1e20, "##,###,###,##0.###", "100,000,000,000,000,000,000."},
        {1234, "###,###,###,##0", "1,234"},
        {-1234567, "###,###,###,##0", "-1,234,567"},
        {123, "###,###,###,##0", "123"},
        {2.5, "###,###,###,##0", "3"},
        {0.4, "###,###,###,##0", "0"},
        {3.14159265358979, "###0.000", "3.142"},
        {2, "###0.000", "2.000"},
        {12345.5, "###0.000", "12345.500"},
        {0.5, "#.##", ".5"},
        {inf, "###0.000", "1.#INF"},
    };
    for (const auto &c : casos)
        EXPECT_EQ(rt::Formato(c.valor, c.mascara), c.texto) << c.valor << " " << c.mascara;
}

TEST(Formato, CommaLocaleSwapsSeparators)
{
    rt::ConSeparadorLocal coma(',');
    EXPECT_EQ(rt::Formato(1234.5678, "##,###,###,##0.###"), "1.234,568");
    EXPECT_EQ(rt::Formato(1234567, "###,###,###,##0"), "1.234.567");
    EXPECT_EQ(rt::Formato(3.14159265358979, "###0.000"), "3,142");
}
