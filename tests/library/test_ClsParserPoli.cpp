#include "ClsParserPoli.h"

#include "Avisos.h"
#include "Regional.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using Terminos = std::vector<std::pair<double, int>>;

struct Lectura {
    int codigo;
    PoliPtr p;
    int ut;
};

Lectura Lee(const std::string &texto)
{
    Lectura r{-1, nullptr, -1};
    r.codigo = ParserPoli().Polinomio(texto, r.p, r.ut);
    return r;
}

Terminos TerminosDe(const Collpolinomio &p)
{
    Terminos r;
    for (const auto &t : p)
        r.emplace_back(t->coef(), t->expon());
    return r;
}

void EsperaTerminos(const Collpolinomio &p, const Terminos &esperados, const std::string &texto)
{
    const Terminos obtenidos = TerminosDe(p);
    ASSERT_EQ(obtenidos.size(), esperados.size()) << texto;
    for (std::size_t i = 0; i < esperados.size(); ++i) {
        EXPECT_EQ(obtenidos[i].second, esperados[i].second) << texto;
        EXPECT_DOUBLE_EQ(obtenidos[i].first, esperados[i].first) << texto;
    }
}

struct CasoError {
    const char *texto;
    int codigo;
    int ut;
};

} // namespace

TEST(ClsParserPoli, ErrorCodesAndPositions)
{
    const CasoError casos[] = {
        {"", 1, 0}, {"3x+", 1, 3}, {"x^(", 1, 3}, {"(", 1, 1},
        {".", 2, 2}, {"3x+.x", 2, 5},
        {"+-x", 3, 1}, {"(--x)", 3, 2},
        {"2.5.1", 4, 4}, {"x..", 5, 3},
        {"x x", 5, 1}, {"xx", 5, 1}, {"x^(2)^(3)", 5, 5}, {"2-3x.", 5, 6}, {"1e", 5, 1},
        {"*x", 6, 0}, {"x+-2", 6, 2}, {"^(2)", 6, 0}, {"x+)", 6, 2}, {"X", 6, 0},
        {"x2", 8, 1}, {"(x+1)3", 8, 5},
        {"x^(2.5)", 9, 3}, {"x^(1/2)", 9, 3}, {"x^(-2)", 9, 3}, {"x^(101)", 9, 3}, {"x^(x)", 9, 3},
        {"x^(2", 10, 4}, {"x^(2+x)", 10, 4}, {"x^23", 10, 4},
        {"3x)", 11, 2}, {"(x))", 11, 3},
        {"(x+1", 12, 4}, {"(x+1x", 12, 5},
        {"2^(3)", 13, 1},
        {"()", 14, 1}, {"x(()", 14, 3},
        {"1.5/2", 15, 4}, {"1/2.5", 15, 4},
        {"1/2/3", 16, 4},
        {"1/x", 17, 3}, {"1/", 17, 3},
        {"1/0", 18, 4}, {"1/00", 18, 5}, {"x^(1/0)", 18, 7},
        // "^" swallows the next character unseen, so the 2 is the "(".
        {"x^2", 1, 3},
    };
    for (const auto &c : casos) {
        const Lectura r = Lee(c.texto);
        EXPECT_EQ(r.codigo, c.codigo) << '"' << c.texto << '"';
        EXPECT_EQ(r.ut, c.ut) << '"' << c.texto << '"';
        ASSERT_NE(r.p, nullptr) << c.texto;
        EXPECT_EQ(r.p->Cuenta(), 0) << c.texto;
    }
}

TEST(ClsParserPoli, RightTextsAndTheirExpansions)
{
    const std::pair<const char *, Terminos> casos[] = {
        {"3x^(2)-5x+1/2", {{3, 2}, {-5, 1}, {0.5, 0}}},
        {"(x-2)(x+3)", {{1, 2}, {1, 1}, {-6, 0}}},
        {"(x-1)^(2)", {{1, 2}, {-2, 1}, {1, 0}}},
        {"(2x-1)^(3)", {{8, 3}, {-12, 2}, {6, 1}, {-1, 0}}},
        {"-(x+1)", {{-1, 1}, {-1, 0}}},
        {"+(x+1)", {{1, 1}, {1, 0}}},
        {"x-(x-2)", {{2, 0}}},
        {"-(x-1)(x+1)", {{-1, 2}, {1, 0}}},
        {"2x(x+1)", {{2, 2}, {2, 1}}},
        {"3(x+1)^(2)", {{3, 2}, {6, 1}, {3, 0}}},
        {"(x+1)x^(2)", {{1, 3}, {1, 2}}},
        {"x(x+1)x", {{1, 3}, {1, 2}}},
        {"(x)(x)(x)-x^(3)", {}},
        {"0x^(2)+1", {{1, 0}}},
        {"x^(0)", {{1, 0}}},
        {"3x^(0)", {{3, 0}}},
        {"x^(100)", {{1, 100}}},
        {"(x^(50))^(2)", {{1, 100}}},
        {"1/4x", {{0.25, 1}}},
        {".5", {{0.5, 0}}},
        {"3.", {{3, 0}}},
        {"2-3", {{-1, 0}}},
        {"-x", {{-1, 1}}},
        {"0.1x", {{0.1, 1}}},
        {"x@5", {{1, 1}}},
        {"1", {{1, 0}}},
        {"0", {}},
    };
    for (const auto &[texto, esperados] : casos) {
        const Lectura r = Lee(texto);
        ASSERT_EQ(r.codigo, 0) << texto;
        EsperaTerminos(*r.p, esperados, texto);
    }
}

TEST(ClsParserPoli, SuccessReportsTheEndOfTheText)
{
    const Lectura r = Lee("3x^(2)-5x+1");
    EXPECT_EQ(r.codigo, 0);
    EXPECT_EQ(r.ut, 11);
    EXPECT_EQ(Lee("x@5").ut, 1);
}

TEST(ClsParserPoli, TinyCoefficientsKeepTheirValue)
{
    const Lectura r = Lee("0.00000000000000000001x");
    ASSERT_EQ(r.codigo, 0);
    EsperaTerminos(*r.p, {{1e-20, 1}}, "1e-20 x");
}

TEST(ClsParserPoli, CandidatesAreTheNegatedLoneNumbers)
{
    const std::pair<const char *, std::vector<double>> casos[] = {
        {"3x^(2)-5x+1", {0, -1}},
        {"(x-2)(x+3)", {0, 2, -3}},
        {"(x-1)^(2)", {0, 1}},
        {"(x-2)(x+3)-2", {0, 2, -3}}, // no repeats
        {"2(x+1)", {0, -2, -1}},
        {"1/2x+3.5x^(2)", {0}},
        {"x", {0}},
    };
    for (const auto &[texto, esperados] : casos) {
        const Lectura r = Lee(texto);
        ASSERT_EQ(r.codigo, 0) << texto;
        EXPECT_EQ(r.p->coefind(), esperados) << texto;
    }
}

TEST(ClsParserPoli, EachCallStartsAfresh)
{
    ASSERT_EQ(Lee("(x-7)").codigo, 0);
    const Lectura r = Lee("x+1");
    EXPECT_EQ(r.p->coefind(), (std::vector<double>{0, -1}));
    // A sign left pending by a failed text does not leak into the next one.
    EXPECT_EQ(Lee("x-").codigo, 1);
    EsperaTerminos(*Lee("2").p, {{2, 0}}, "2");
    EXPECT_EQ(&ParserPoli(), &ParserPoli());
}

TEST(ClsParserPoli, CommaLocaleReadsOnlyTheComma)
{
    rt::ConSeparadorLocal coma(',');
    const Lectura r = Lee("2,5x-1,5/3");
    EXPECT_EQ(r.codigo, 15);
    EXPECT_EQ(r.ut, 9);

    const Lectura bien = Lee("2,5x^(2)-,5");
    ASSERT_EQ(bien.codigo, 0);
    EsperaTerminos(*bien.p, {{2.5, 2}, {-0.5, 0}}, "2,5x^(2)-,5");

    const Lectura punto = Lee("2.5x");
    EXPECT_EQ(punto.codigo, 5);
    EXPECT_EQ(punto.ut, 1);
    EXPECT_EQ(Lee(",").codigo, 2);
    EXPECT_EQ(Lee("2,5,1").codigo, 4);
}

TEST(ClsParserPoli, PositionsCountCharactersNotBytes)
{
    // The "^" takes the "é" as its opener; the stray x after ")" is at
    // character 5 (byte 6).
    const Lectura r = Lee("x^é2)x");
    EXPECT_EQ(r.codigo, 5);
    EXPECT_EQ(r.ut, 5);
    EsperaTerminos(*Lee("x^é2)").p, {{1, 2}}, "x^é2)");
    const Lectura raro = Lee("\xff" "x");
    EXPECT_EQ(raro.codigo, 6);
    EXPECT_EQ(raro.ut, 0);
}

TEST(ClsParserPoli, NumbersBeyondADoubleAreRefused)
{
    const std::string enorme = "1" + std::string(400, '0');
    const std::string maximo = "17976931348623157" + std::string(292, '0');
    const std::tuple<std::string, int> casos[] = {
        {enorme, 402},
        {"x+" + enorme + "x", 404},
        {"1/" + enorme, 404},
        {"x^(" + enorme + ")", 405},
        // The coefficients overflow while the text is expanded.
        {"(10000x+1)^(100)", 15},
        {maximo + "+" + maximo, 619},
        {"(" + maximo + "x)(" + maximo + "x)", 624},
    };
    for (const auto &[texto, ut] : casos) {
        const Lectura r = Lee(texto);
        EXPECT_EQ(r.codigo, ClsParserPoli::CodigoNumeroGrande) << texto.substr(0, 20);
        EXPECT_EQ(r.ut, ut) << texto.substr(0, 20);
        ASSERT_NE(r.p, nullptr);
        EXPECT_EQ(r.p->Cuenta(), 0);
    }
    // The largest Double is still a number, and a fraction too small for
    // one reads as 0.
    EXPECT_EQ(Lee(maximo).codigo, 0);
    const Lectura diminuto = Lee("0." + std::string(400, '0') + "1+x");
    ASSERT_EQ(diminuto.codigo, 0);
    EsperaTerminos(*diminuto.p, {{1, 1}}, "diminuto");
}

TEST(ClsParserPoli, DegreesAbove100AreRefusedQuickly)
{
    const CasoError casos[] = {
        {"x^(100)(x)", ClsParserPoli::CodigoGradoExcesivo, 10},
        {"(x^(51))^(2)", ClsParserPoli::CodigoGradoExcesivo, 11},
        {"(x^(60))(x^(41))+1", ClsParserPoli::CodigoGradoExcesivo, 16},
        {"((x+1)^(100))^(100)", ClsParserPoli::CodigoGradoExcesivo, 18},
        {"(((x+1)^(100))^(100))^(100)", ClsParserPoli::CodigoGradoExcesivo, 19},
    };
    const auto inicio = std::chrono::steady_clock::now();
    for (const auto &c : casos) {
        const Lectura r = Lee(c.texto);
        EXPECT_EQ(r.codigo, c.codigo) << c.texto;
        EXPECT_EQ(r.ut, c.ut) << c.texto;
        EXPECT_EQ(r.p->Cuenta(), 0) << c.texto;
    }
    EXPECT_LT(std::chrono::steady_clock::now() - inicio, std::chrono::seconds(2));

    // Long flat texts do not nest: a thousand terms and factors are fine.
    std::string suma = "x";
    std::string producto = "(1)";
    for (int i = 0; i < 1000; ++i) {
        suma += "+x";
        producto += "(1)";
    }
    const Lectura s = Lee(suma);
    ASSERT_EQ(s.codigo, 0);
    EsperaTerminos(*s.p, {{1001, 1}}, "suma");
    EXPECT_EQ(Lee(producto).codigo, 0);
    EXPECT_EQ(Lee(producto + "x^(50)x^(51)").codigo, ClsParserPoli::CodigoGradoExcesivo);
}

TEST(ClsParserPoli, HighPowersExpandExactly)
{
    const Lectura r = Lee("(x+1)^(100)");
    ASSERT_EQ(r.codigo, 0);
    ASSERT_EQ(r.p->Cuenta(), 101);
    EXPECT_DOUBLE_EQ(r.p->ElementoExponente(50)->coef(), 1.0089134454556417e29);
    EXPECT_DOUBLE_EQ(r.p->ElementoExponente(1)->coef(), 100);
}

TEST(ClsParserPoli, DeepNestingIsRefusedNotACrash)
{
    auto anidado = [](int niveles) {
        return std::string(static_cast<std::size_t>(niveles), '(') + "x"
            + std::string(static_cast<std::size_t>(niveles), ')');
    };
    const Lectura bien = Lee(anidado(ClsParserPoli::AnidamientoMaximo));
    ASSERT_EQ(bien.codigo, 0);
    EsperaTerminos(*bien.p, {{1, 1}}, "anidado");

    const Lectura hondo = Lee(anidado(100000));
    EXPECT_EQ(hondo.codigo, ClsParserPoli::CodigoAnidamiento);
    EXPECT_EQ(hondo.ut, ClsParserPoli::AnidamientoMaximo);
    EXPECT_EQ(hondo.p->Cuenta(), 0);
}

class CargaDeErrores : public ::testing::Test {
protected:
    void SetUp() override
    {
        archivo = std::filesystem::temp_directory_path()
            / ("errores_parser_" + std::to_string(::getpid()) + ".txt");
        std::ofstream f(archivo, std::ios::binary);
        for (int i = 1; i <= 30; ++i)
            f << "linea " << i << "\r\n";
    }
    void TearDown() override { std::filesystem::remove(archivo); }

    std::filesystem::path archivo;
    ClsParserPoli parser;
    rt::GrabadoraAvisos avisos;
};

TEST_F(CargaDeErrores, LinesAfterTheSkippedOnesFillSlotsFromOne)
{
    parser.CargaErrores(archivo.string(), 2, 3);
    EXPECT_EQ(parser.CadenaError(0), "");
    EXPECT_EQ(parser.CadenaError(1), "linea 3");
    EXPECT_EQ(parser.CadenaError(4), "linea 6");
    EXPECT_EQ(parser.CadenaError(5), "");
    EXPECT_TRUE(avisos.avisos().empty());
}

TEST_F(CargaDeErrores, SlotsAbove20AndMissingFilesAreReported)
{
    parser.CargaErrores(archivo.string(), 0, 25);
    EXPECT_EQ(parser.CadenaError(20), "linea 20");
    // Slots 21 to 26 do not exist: one message each, nothing read.
    ASSERT_EQ(avisos.avisos().size(), 6u);
    EXPECT_EQ(avisos.avisos()[0].texto, "no encontre el archivo");

    avisos.limpia();
    parser.CargaErrores((archivo.string() + ".no"), 0, 5);
    ASSERT_EQ(avisos.avisos().size(), 1u);
    EXPECT_EQ(avisos.avisos()[0].texto, "no encontre el archivo");
    EXPECT_EQ(parser.CadenaError(1), "linea 1");

    EXPECT_THROW(parser.CadenaError(21), std::out_of_range);
    EXPECT_THROW(parser.CadenaError(-1), std::out_of_range);
}
