#include "Regional.h"
#include "Utilerias.h"

#include <gtest/gtest.h>

#include <limits>

namespace {
const double inf = std::numeric_limits<double>::infinity();
}

TEST(FormateaNumero, PointLocale)
{
    // Thousands apart by a no-break blank: a comma would read as the decimal mark.
    const struct {
        double x;
        const char *texto;
    } casos[] = {
        {1234.5678, "1\u00A0234.568"},
        {0.5, "0.5"},
        {1234, "1\u00A0234"},
        {-2.25, "-2.25"},
        {0, "0"},
        {2.0004, "2"}, // never a lone separator
        {-2.0004, "-2"},
        {999.9996, "1\u00A0000"},
        {-0.0002, "0"},
        {0.0005, "0.001"},
        {1234567890.125, "1\u00A0234\u00A0567\u00A0890.125"},
        {999999999999999, "999\u00A0999\u00A0999\u00A0999\u00A0999"},
        {1e15, "1E+15"},
        {1.23456789e20, "1.234E+20"},
        {-1.23456e-05, "-1.23E-05"},
        {1.25e20, "1.25E+20"},
        {1e-05, "1E-05"},
        {inf, "1.#INF"},
    };
    for (const auto &c : casos) {
        std::string texto = "anterior";
        FormateaNumero(c.x, texto);
        EXPECT_EQ(texto, c.texto) << c.x;
        EXPECT_EQ(FormateaNumero(c.x), c.texto);
    }
}

TEST(FormateaNumero, CommaLocale)
{
    rt::ConSeparadorLocal coma(',');
    EXPECT_EQ(FormateaNumero(1234.5678), "1.234,568");
    EXPECT_EQ(FormateaNumero(1234), "1.234");
    EXPECT_EQ(FormateaNumero(2.0004), "2");
    EXPECT_EQ(FormateaNumero(-1.23456e-05), "-1,23E-05");
}

TEST(NumeroATexto, DigitBudget)
{
    const struct {
        double x;
        int enteros, decimales;
        const char *texto;
    } casos[] = {
        {3.14159, 6, 3, "3.141"},
        {-0.5, 6, 3, "-0.5"},
        {2, 6, 3, "2"},
        {1234567, 6, 2, "123456.7E+1"},
        {123456789, 3, 2, "123.45E+6"},
        {-123456, 3, 2, "-12.34E+4"},
        {1234.5678, 2, 2, "12.34E+2"},
        {1.23456789e15, 3, 2, "123.45E+13"},
        {1.5e20, 3, 2, "150E+18"},
        {100, 6, 3, "100"},
        {1000000, 6, 3, "100000E+1"},
        {0.000012345, 6, 3, "123450E-10"},
        // A "-" before the mantissa is not one of its digits.
        {-0.000012345, 6, 3, "-123450E-10"},
        {-1.5e20, 3, 2, "-150E+18"},
        {-1.2e-5, 3, 2, "-120E-7"},
        {1234.5, 4, 0, "1234"},
        // Out-of-range budgets are clamped.
        {3.14159265358979, 6, 12, "3.1415926535"}, // decimales 10, enteros 4
        {1234.5678, 0, 2, "1.23E+3"},               // enteros 1
        {123456789012345, 20, 3, "12345678901.234E+4"}, // enteros 11
        {123456.5, 20, 10, "1234.565E+2"},          // decimales 10, enteros 4
        {inf, 6, 3, "Rebasó límite"},
        {-inf, 3, 2, "Rebasó límite"},
    };
    for (const auto &c : casos)
        EXPECT_EQ(NumeroATexto(c.x, static_cast<std::int16_t>(c.enteros), static_cast<std::int16_t>(c.decimales)),
                  c.texto)
            << c.x << " " << c.enteros << " " << c.decimales;
}

TEST(NumeroATexto, CommaLocale)
{
    rt::ConSeparadorLocal coma(',');
    EXPECT_EQ(NumeroATexto(3.14159, 6, 3), "3,141");
    EXPECT_EQ(NumeroATexto(1234567, 6, 2), "123456,7E+1");
    EXPECT_EQ(NumeroATexto(0.000012345, 6, 3), "123450E-10");
}

TEST(ExponenteATexto, MovesTheSeparator)
{
    const struct {
        const char *mantisa, *exponente;
        int digitos;
        const char *nuevaMantisa, *nuevoExponente;
    } casos[] = {
        {"1.2345", "E-05", 6, "123450.", "E-10"},
        {"1.5", "E+20", 3, "150.", "E+18"},
        {"-1.23456789", "E+15", 3, "-123.456789", "E+13"},
        {"1.5", "E+02", 3, "150.", ""},
        {"1.5", "E+01", 3, "150.", "E-1"},
        {"-1.5", "E+20", 3, "-150.", "E+18"},
        {"-1.2345", "E-05", 6, "-123450.", "E-10"},
        {"7", "E+20", 3, "7", "E+20"}, // no separator: unchanged
    };
    for (const auto &c : casos) {
        std::string m = c.mantisa, e = c.exponente;
        ExponenteATexto(m, e, static_cast<std::int16_t>(c.digitos));
        EXPECT_EQ(m, c.nuevaMantisa) << c.mantisa << c.exponente;
        EXPECT_EQ(e, c.nuevoExponente) << c.mantisa << c.exponente;
    }
}

TEST(MinMaxArreglo, ExaminesEntriesZeroToN)
{
    const std::vector<double> a{3, 1, 2};
    double mn = 0, mx = 0;
    MinMaxArreglo(a, 2, mn, mx);
    EXPECT_EQ(mn, 1);
    EXPECT_EQ(mx, 3);
    MinMaxArreglo(a, 0, mn, mx);
    EXPECT_EQ(mn, 3);
    EXPECT_EQ(mx, 3);
    MinMaxArreglo({-1, 5, 9, -7}, 2, mn, mx);
    EXPECT_EQ(mn, -1);
    EXPECT_EQ(mx, 9);
    // An n past the end reads only what is there.
    MinMaxArreglo(a, 10, mn, mx);
    EXPECT_EQ(mn, 1);
    EXPECT_EQ(mx, 3);
    mn = mx = 42;
    MinMaxArreglo({}, 3, mn, mx);
    EXPECT_EQ(mn, 42);
    EXPECT_EQ(mx, 42);
}
