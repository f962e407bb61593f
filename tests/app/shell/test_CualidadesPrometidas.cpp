// Every quality line the student can order a polynomial by, and every kind
// the hub picks at random, keeps its promise on every draw: the program's
// own analysis finds the numbers of real roots (with the multiplicities the
// line names), critical points and inflection points that the line reads.
#include "Azar.h"
#include "CalculosRaices.h"
#include "ListasCualidades.h"
#include "ModCalculos.h"
#include "generapoli.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

// One way the real roots may be: their total counted with multiplicity,
// the multiplicity every root must have (0: any) and whether they must be
// simple ("distintas").
struct FormaRaices {
    int total = 0;
    int multiplicidad = 0;
    bool distintas = false;
};

// What a line promises; a count the line does not name stays empty.
struct Promesa {
    std::vector<FormaRaices> raices;
    std::set<int> criticos;
    std::set<int> inflexiones;
};

int NumeroDe(const std::string &palabra)
{
    static const std::pair<const char *, int> palabras[] = {
        {"Ningún", 0}, {"Sin", 0}, {"Un", 1}, {"Una", 1}, {"un", 1}, {"una", 1},
        {"Dos", 2},    {"tres", 3}, {"Cuatro", 4},
    };
    if (!palabra.empty() && palabra.find_first_not_of("0123456789") == std::string::npos)
        return std::stoi(palabra);
    for (const auto &[texto, n] : palabras)
        if (palabra == texto)
            return n;
    return -1;
}

int MultiplicidadDe(const std::string &palabra)
{
    static const std::pair<const char *, int> palabras[] = {
        {"doble", 2}, {"triple", 3}, {"cuádruple", 4}, {"quíntuple", 5}, {"séxtuple", 6},
    };
    for (const auto &[texto, k] : palabras)
        if (palabra == texto)
            return k;
    return 0;
}

// Reads the numbers a line names, as a student reads them: "2 ó 4 raíces
// reales", "Ningún punto crítico", "Una raíz cuádruple ó 0 raíces reales".
// An unknown word fails the read, so no part of a line goes unchecked.
bool LeePromesa(const std::string &linea, Promesa &p)
{
    std::vector<std::string> palabras;
    std::string palabra;
    for (char c : linea + ' ') {
        if (c == ' ' || c == ',') {
            if (!palabra.empty())
                palabras.push_back(palabra);
            palabra.clear();
        } else {
            palabra += c;
        }
    }
    std::vector<int> numeros;
    auto siguiente = [&](std::size_t i) { return i + 1 < palabras.size() ? palabras[i + 1] : std::string(); };
    for (std::size_t i = 0; i < palabras.size(); ++i) {
        const std::string &w = palabras[i];
        if (NumeroDe(w) >= 0) {
            numeros.push_back(NumeroDe(w));
        } else if (w == "o" || w == "ó") {
            continue;
        } else if (w == "punto" || w == "puntos") {
            std::set<int> &destino = siguiente(i) == "de" ? p.inflexiones : p.criticos;
            if (siguiente(i) == "de") {
                if (i + 2 >= palabras.size() || palabras[i + 2] != "inflexión")
                    return false;
                i += 2;
            } else if (siguiente(i) == "crítico" || siguiente(i) == "críticos") {
                i += 1;
            } else {
                return false;
            }
            if (numeros.empty())
                return false;
            destino.insert(numeros.begin(), numeros.end());
            numeros.clear();
        } else if (w == "raíz" || w == "raíces") {
            const int k = MultiplicidadDe(siguiente(i));
            if (k > 0)
                ++i;
            if (numeros.empty())
                numeros.push_back(1); // "raíz séxtuple"
            for (int n : numeros)
                p.raices.push_back({n * (k > 0 ? k : 1), k, false});
            numeros.clear();
        } else if (w == "distintas" && !p.raices.empty()) {
            p.raices.back().distintas = true;
        } else if (w != "real" && w != "reales") {
            return false;
        }
    }
    return numeros.empty() && !p.raices.empty();
}

bool Cumple(const std::vector<calculos::RaizAgrupada> &raices, const FormaRaices &forma)
{
    int total = 0;
    for (const auto &r : raices) {
        total += r.multiplicidad;
        if (forma.multiplicidad > 0 && r.multiplicidad != forma.multiplicidad)
            return false;
        if (forma.distintas && r.multiplicidad != 1)
            return false;
    }
    return total == forma.total;
}

// Empty when the polynomial keeps the promise; else what it lacks.
std::string Falta(const FuncPolinPtr &f, const Promesa &p)
{
    std::ostringstream falta;
    const auto raices = calculos::Agrupa(calculos::RaicesDeTipo(*f, 0));
    bool raicesBien = false;
    for (const FormaRaices &forma : p.raices)
        raicesBien = raicesBien || Cumple(raices, forma);
    if (!raicesBien) {
        falta << "roots";
        for (const auto &r : raices)
            falta << ' ' << r.valor << '^' << r.multiplicidad;
        falta << "; ";
    }
    const int criticos = RaicesDistintas(*f).n;
    if (!p.criticos.empty() && !p.criticos.count(criticos))
        falta << criticos << " critical points; ";
    const int inflexiones = CalculaInflexiones(*f).n;
    if (!p.inflexiones.empty() && !p.inflexiones.count(inflexiones))
        falta << inflexiones << " inflection points; ";
    return falta.str();
}

struct Clase {
    int grado, paridad, cualidad;
    std::string linea;
};

// Every line of the to-order window, then the kinds the hub draws (degree
// 1 to 10, either parity option, quality 0 to 2) that the window does not
// offer: degree 1 ignores the quality, so they promise its only line.
std::vector<Clase> ClasesOfrecidas()
{
    std::vector<Clase> clases;
    for (int g = 1; g <= 12; ++g)
        for (int p = 0; p <= 1; ++p) {
            const QStringList lineas = ListaCualidades(g, p == 1);
            for (int q = 0; q < lineas.size(); ++q)
                clases.push_back({g, p, q, lineas[q].toStdString()});
            for (int q = static_cast<int>(lineas.size()); g <= 10 && q <= 2; ++q)
                clases.push_back({g, p, q, lineas.value(0).toStdString()});
        }
    return clases;
}

} // namespace

TEST(CualidadesPrometidas, LinesReadAsAStudentReadsThem)
{
    Promesa p;
    ASSERT_TRUE(LeePromesa("Una raíz cuádruple ó 0 raíces reales, un punto crítico", p));
    ASSERT_EQ(p.raices.size(), 2u);
    EXPECT_EQ(p.raices[0].total, 4);
    EXPECT_EQ(p.raices[0].multiplicidad, 4);
    EXPECT_EQ(p.raices[1].total, 0);
    EXPECT_EQ(p.criticos, std::set<int>{1});
    EXPECT_TRUE(p.inflexiones.empty());

    Promesa q;
    ASSERT_TRUE(LeePromesa("2 puntos de inflexión, 3 puntos críticos, 8, 9 ó 10 raíces reales", q));
    EXPECT_EQ(q.raices.size(), 3u);
    EXPECT_EQ(q.criticos, std::set<int>{3});
    EXPECT_EQ(q.inflexiones, std::set<int>{2});

    Promesa r;
    ASSERT_TRUE(LeePromesa("Dos raíces reales distintas", r));
    EXPECT_TRUE(r.raices.at(0).distintas);

    Promesa s;
    EXPECT_FALSE(LeePromesa("3 puntos de inflexión, una raíz rara", s));
}

TEST(CualidadesPrometidas, EveryDrawKeepsThePromiseOfItsLine)
{
    rt::SiembraAzar(13);
    std::ostringstream fallos;
    int clases = 0;
    for (const Clase &c : ClasesOfrecidas()) {
        Promesa p;
        ASSERT_TRUE(LeePromesa(c.linea, p)) << c.linea;
        ++clases;
        int malos = 0;
        std::string ejemplo;
        for (int vez = 0; vez < 200; ++vez) {
            DamePolinomioProblema(c.grado, c.paridad, c.cualidad);
            const std::string falta = Falta(CreaFuncPolin(PoliAzar), p);
            if (!falta.empty() && malos++ == 0) {
                std::ostringstream coef;
                for (double a : PoliAzar->A_Arreglo())
                    coef << a << ' ';
                ejemplo = falta + "coefficients from x^0: " + coef.str();
            }
        }
        if (malos > 0)
            fallos << "(" << c.grado << "," << c.paridad << "," << c.cualidad << ") \"" << c.linea << "\": " << malos
                   << "/200, e.g. " << ejemplo << "\n";
    }
    EXPECT_EQ(clases, 96 + 4); // every line of the window, and the hub's other kinds
    EXPECT_TRUE(fallos.str().empty()) << fallos.str();
}
