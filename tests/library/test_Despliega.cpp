#include "CajaRtf.h"
#include "Collpolinomio.h"
#include "EscribeNumero.h"
#include "Regional.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// A rich text box that keeps, for every character, its font, size and offset.
class CajaFalsa : public rt::CajaRtf {
public:
    struct Caracter {
        std::string c;
        std::string fuente;
        double tamano = 10;
        int desplazamiento = 0;
    };
    std::vector<Caracter> caracteres;
    int inicio = 0;
    int largo = 0;

    std::string Text() const override
    {
        std::string t;
        for (const auto &c : caracteres)
            t += c.c;
        return t;
    }
    void SetText(const std::string &texto) override
    {
        caracteres.clear();
        for (char ch : texto) // the tests write ASCII
            caracteres.push_back({std::string(1, ch), "Arial", 10, 0});
        inicio = largo = 0;
    }
    int SelStart() const override { return inicio; }
    void SetSelStart(int pos) override
    {
        inicio = std::clamp(pos, 0, static_cast<int>(caracteres.size()));
        largo = 0;
    }
    int SelLength() const override { return largo; }
    void SetSelLength(int n) override { largo = std::clamp(n, 0, static_cast<int>(caracteres.size()) - inicio); }
    std::string SelText() const override
    {
        std::string t;
        for (int i = inicio; i < inicio + largo; ++i)
            t += caracteres[static_cast<std::size_t>(i)].c;
        return t;
    }
    void SetSelText(const std::string &texto) override
    {
        caracteres.erase(caracteres.begin() + inicio, caracteres.begin() + inicio + largo);
        for (char ch : texto)
            caracteres.insert(caracteres.begin() + inicio++, Caracter{std::string(1, ch), "Arial", 10, 0});
        largo = 0;
    }
    std::string SelFontName() const override { return largo ? sel(0).fuente : ""; }
    void SetSelFontName(const std::string &nombre) override { aplica([&](Caracter &c) { c.fuente = nombre; }); }
    double SelFontSize() const override { return largo ? sel(0).tamano : 0; }
    void SetSelFontSize(double puntos) override { aplica([&](Caracter &c) { c.tamano = puntos; }); }
    int SelCharOffset() const override { return largo ? sel(0).desplazamiento : 0; }
    void SetSelCharOffset(int twips) override { aplica([&](Caracter &c) { c.desplazamiento = twips; }); }

    // One letter a character: 'b' on the base run, 'E' raised, '?' anything else.
    std::string runs() const
    {
        std::string r;
        for (const auto &c : caracteres) {
            if (c.fuente == "Lucida Sans Unicode" && c.tamano == 12 && c.desplazamiento == -40)
                r += 'b';
            else if (c.fuente == "Lucida Sans Unicode" && c.tamano == 9 && c.desplazamiento == 40)
                r += 'E';
            else
                r += '?';
        }
        return r;
    }

private:
    const Caracter &sel(int i) const { return caracteres[static_cast<std::size_t>(inicio + i)]; }
    template <class F> void aplica(F f)
    {
        for (int i = inicio; i < inicio + largo; ++i)
            f(caracteres[static_cast<std::size_t>(i)]);
    }
};

PoliPtr poli(std::initializer_list<std::pair<double, int>> terminos)
{
    auto p = Collpolinomio::Nuevo();
    for (auto [c, e] : terminos)
        p->Agrega(c, static_cast<std::int16_t>(e));
    return p;
}

struct Visto {
    std::string texto;
    std::string runs;
};

Visto despliega(const PoliPtr &p, const std::string &letra = "x")
{
    CajaFalsa caja;
    caja.SetText("texto anterior");
    p->Despliega(caja, letra);
    EXPECT_EQ(caja.SelStart(), static_cast<int>(caja.caracteres.size()));
    EXPECT_EQ(caja.SelLength(), 0);
    return {caja.Text(), caja.runs()};
}

} // namespace

TEST(EscribeNumero, ShortNumberForm)
{
    const struct {
        double valor;
        const char *texto;
    } casos[] = {
        {5, "5"},
        {2.5, "2.5"},
        {0.125, "0.125"},
        {1.2345, "1.234"},
        {1.0005, "1"},
        {12.3456, "12.345"},
        {12345.6789, "12345.678"},
        {0.1234, "12.34e-2"},
        {1.0 / 3, "33.333e-2"},
        {0.0625, "6.25e-2"},
        {0.0001, "0.1e-3"},
        {0.0005, "0.5e-3"},
        {1e-05, "1e-05"},
        {1.5e-07, "1.5e-07"},
        {1.23456e-07, "123.456e-9"},
        {1.5e+20, "1.5e+20"},
        {1.23456789012346e+20, "123.456e+18"},
        {123456789012345, "123456789012345"},
        {1e15, "1e+15"},
    };
    for (const auto &c : casos)
        EXPECT_EQ(EscribeNumero(c.valor, 3, 3), c.texto) << c.valor;
}

TEST(EscribeNumero, LimitsAndCommaLocale)
{
    EXPECT_EQ(EscribeNumero(3.14159, 3, -2), "3");
    EXPECT_EQ(EscribeNumero(3.14159, 3, 20), "3.14159");
    EXPECT_EQ(EscribeNumero(0.5, 0, 0), "0"); // cut, not rounded

    rt::ConSeparadorLocal coma(',');
    EXPECT_EQ(EscribeNumero(2.5, 3, 3), "2,5");
    EXPECT_EQ(EscribeNumero(0.1234, 3, 3), "12,34e-2");
    EXPECT_EQ(EscribeNumero(1.23456e-07, 3, 3), "123,456e-9");
}

TEST(Despliega, TypesetPolynomials)
{
    const struct {
        PoliPtr p;
        const char *texto;
        const char *runs;
    } casos[] = {
        {Collpolinomio::Nuevo(), "0", "b"},
        {poli({{3, 2}, {-1, 1}, {5, 0}}), "3x2-x+5", "bbEbbbb"},
        {poli({{-1, 3}, {2.5, 1}, {-1, 0}}), "-x3+2.5x-1", "bbEbbbbbbb"},
        {poli({{1, 1}}), "x", "b"},
        {poli({{1, 0}}), "1", "b"},
        {poli({{-1, 0}}), "-1", "bb"},
        {poli({{-1, 1}}), "-x", "bb"},
        {poli({{1, 12}}), "x12", "bEE"},
        {poli({{1, 12}, {1, 0}}), "x12+1", "bEEbb"},
        {poli({{1.0 / 3, 1}}), "33.333e-2x", "bbbbbbEEEb"},
        {poli({{1.5e-07, 2}, {2e20, 0}}), "1.5e-07x2+2e+20", "bbbEEEEbEbbEEEE"},
    };
    for (const auto &c : casos) {
        const Visto v = despliega(c.p);
        EXPECT_EQ(v.texto, c.texto);
        EXPECT_EQ(v.runs, c.runs) << c.texto;
    }
}

TEST(Despliega, LetterOfTheVariable)
{
    auto p = poli({{2, 3}, {1, 1}});
    EXPECT_EQ(despliega(p, "t").texto, "2t3+t");
    EXPECT_EQ(despliega(p, "tiempo").texto, "2t3+t");
    EXPECT_EQ(despliega(p, "").texto, "2x3+x");
    // The letter e is a variable, never the exponent part of a number.
    const Visto v = despliega(poli({{3, 2}, {1, 1}, {1, 0}}), "e");
    EXPECT_EQ(v.texto, "3e2+e+1");
    EXPECT_EQ(v.runs, "bbEbbbb");
}

TEST(Despliega, CommaLocale)
{
    rt::ConSeparadorLocal coma(',');
    const Visto v = despliega(poli({{2.5, 1}, {-0.0625, 0}}));
    EXPECT_EQ(v.texto, "2,5x-6,25e-2");
    EXPECT_EQ(v.runs, "bbbbbbbbbEEE");
}
