#pragma once
// Texts a student could type or paste that ask the exact arithmetic for
// too much: tiny coefficients that the doubles would lose, numbers beyond
// the doubles, long decimals raised to powers, degree 100 with crowded
// roots. Each with the parser's answer (0: accepted) and, when accepted,
// the polynomial it stands for, built from its factors. Shared by the
// parser's table test and the benchmark of what a student waits for.
#include "ClsParserPoli.h"
#include "PoliExacto.h"
#include "Racional.h"

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

struct TextoHostil {
    std::string nombre;
    std::string texto;
    int codigo = 0;
    std::optional<PoliExacto> verdad; // when accepted
};

namespace hostiles {

inline Racional Numero(const std::string &texto) { return Racional::DesdeTexto(texto).value(); }

// "0." followed by n digits, the last one not 0, drawn from a fixed sequence.
inline std::string DecimalLargo(int n)
{
    std::string texto = "0.";
    unsigned semilla = 12345;
    for (int i = 0; i < n; ++i) {
        semilla = semilla * 1103515245u + 12345u;
        const char digito = static_cast<char>('0' + (semilla >> 16) % 10);
        texto += (i + 1 == n && digito == '0') ? '7' : digito;
    }
    return texto;
}

// 0.00...01 with ceros zeros after the point.
inline std::string Diminuto(int ceros) { return "0." + std::string(static_cast<std::size_t>(ceros), '0') + "1"; }

// A product of linear factors typed as the student would: (x-r) for each
// root given as typed, and its exact value.
struct Producto {
    std::string texto;
    PoliExacto exacto = PoliExacto::Constante(Racional(1));

    void Factor(const std::string &raiz, int multiplicidad = 1)
    {
        const bool negativa = raiz[0] == '-';
        texto += "(x" + std::string(negativa ? "+" : "-") + (negativa ? raiz.substr(1) : raiz) + ")";
        if (multiplicidad > 1)
            texto += "^(" + std::to_string(multiplicidad) + ")";
        exacto = exacto * PoliExacto::Lineal(Numero(raiz)).Potencia(multiplicidad);
    }
};

// (a x + 1)^(n) with a as typed.
inline TextoHostil PotenciaDe(const std::string &nombre, const std::string &a, int n, int codigo)
{
    TextoHostil t{nombre, "(" + a + "x+1)^(" + std::to_string(n) + ")", codigo, std::nullopt};
    if (codigo == 0)
        t.verdad = (PoliExacto::Monomio(Numero(a), 1) + PoliExacto::Constante(Racional(1))).Potencia(n);
    return t;
}

inline TextoHostil Aceptado(const std::string &nombre, const Producto &p)
{
    return {nombre, p.texto, 0, p.exacto};
}

} // namespace hostiles

inline std::vector<TextoHostil> TextosHostiles()
{
    using namespace hostiles;
    constexpr int Grande = ClsParserPoli::CodigoNumeroGrande;
    constexpr int Grado = ClsParserPoli::CodigoGradoExcesivo;
    constexpr int Largos = ClsParserPoli::CodigoCoeficientesLargos;
    std::vector<TextoHostil> r;

    // Tiny coefficients: what the doubles would lose, the exact polynomial keeps.
    const std::string d200 = Diminuto(199); // 1e-200
    r.push_back(PotenciaDe("diminuto a la 100", d200, 100, Largos));
    r.push_back(PotenciaDe("diminuto al cuadrado", d200, 2, Grande)); // 1e-400 x^2
    r.push_back({"potencia de una potencia diminuta", "((" + d200 + "x+1)^(100))^(100)", Largos, std::nullopt});
    std::string diminutos;
    for (int i = 0; i < 150; ++i)
        diminutos += "(" + d200 + "x)";
    r.push_back({"150 factores diminutos", diminutos, Grande, std::nullopt});
    r.push_back(PotenciaDe("pequeño dentro del alcance", "0.001", 100, 0)); // 1e-300 x^100
    r.push_back(PotenciaDe("pequeño que sale del alcance", "0.0000000001", 40, Grande)); // 1e-400 x^40
    // A typed number below the doubles reads as 0, below the normal ones too.
    r.push_back({"número bajo el alcance", Diminuto(400) + "x^(2)+x", 0, PoliExacto::Monomio(Racional(1), 1)});
    r.push_back({"número bajo los doubles normales", Diminuto(310) + "x^(2)+x", 0, PoliExacto::Monomio(Racional(1), 1)});
    // Coefficients in range whose root is not: -10^400.
    r.push_back({"raíz más allá de los doubles", d200 + "x^(2)+1" + std::string(200, '0') + "x", Grande, std::nullopt});

    // Beyond the doubles.
    r.push_back({"entero de 401 cifras", "1" + std::string(400, '0') + "x+1", Grande, std::nullopt});
    r.push_back({"potencia que desborda", "(10000x+1)^(100)", Grande, std::nullopt});

    // Long decimals raised to powers: 15 significant digits to the 100 is
    // a classroom text.
    r.push_back(PotenciaDe("15 cifras a la 100", DecimalLargo(15), 100, 0));
    r.push_back(PotenciaDe("15 cifras tras dos ceros a la 100", "0.00" + DecimalLargo(15).substr(2), 100, 0));
    r.push_back(PotenciaDe("15 cifras tras 17 ceros a la 100", "0.00000000000000000" + DecimalLargo(15).substr(2), 100, Largos));
    r.push_back({"dos números de 15 cifras a la 100", "(0.00123456789012345x+123.456789012345)^(100)", 0,
                 (PoliExacto::Monomio(Numero("0.00123456789012345"), 1) + PoliExacto::Constante(Numero("123.456789012345")))
                     .Potencia(100)});
    r.push_back(PotenciaDe("fracción de 15 cifras a la 100", "123456789012345/987654321098767", 100, 0));
    {
        Producto p;
        for (int i = 1; i <= 100; ++i) {
            const std::string entero = std::to_string(i);
            p.Factor(entero + "." + DecimalLargo(20 + i).substr(2, 15 - entero.size()));
        }
        r.push_back(Aceptado("100 raíces de 15 cifras", p));
    }
    r.push_back(PotenciaDe("120 cifras a la 100", DecimalLargo(120), 100, Largos));
    r.push_back(PotenciaDe("250 cifras a la 100", DecimalLargo(250), 100, Largos));
    r.push_back(PotenciaDe("1000 cifras a la 100", DecimalLargo(1000), 100, Largos));
    r.push_back({"un número de 10 000 cifras", DecimalLargo(10000) + "x+1", Largos, std::nullopt});
    // Each power is in bounds, but so many of them would take seconds.
    std::string potencias = "x";
    for (int i = 0; i < 700; ++i)
        potencias += "+(" + DecimalLargo(29) + "x+1)^(100)";
    r.push_back({"700 potencias grandes sumadas", potencias, Largos, std::nullopt});

    // Degree 100 with crowded, consecutive-integer and rational roots.
    {
        Producto p;
        for (int i = 1; i <= 100; ++i)
            p.Factor(std::to_string(i));
        r.push_back(Aceptado("enteros consecutivos", p));
        // One more than the product: a hundred irrational roots, each a
        // hair from its integer.
        r.push_back({"enteros consecutivos más uno", p.texto + "+1", 0, p.exacto + PoliExacto::Constante(Racional(1))});
        p.Factor("101");
        r.push_back({"grado 101", p.texto, Grado, std::nullopt});
    }
    {
        Producto p;
        for (int i = 0; i < 100; ++i)
            p.Factor("1." + std::string(i < 10 ? "0" : "") + std::to_string(i));
        r.push_back(Aceptado("centésimas apiñadas", p));
        const std::string d10 = Diminuto(9); // 1e-10
        r.push_back({"centésimas apiñadas más una diezmilmillonésima", p.texto + "+" + d10, 0,
                     p.exacto + PoliExacto::Constante(Numero(d10))});
    }
    {
        // Fifty pairs of irrational roots ±sqrt(k.000001).
        std::string texto;
        PoliExacto verdad = PoliExacto::Constante(Racional(1));
        for (int k = 1; k <= 50; ++k) {
            const std::string c = std::to_string(k) + ".000001";
            texto += "(x^(2)-" + c + ")";
            verdad = verdad * (PoliExacto::Monomio(Racional(1), 2) - PoliExacto::Constante(Numero(c)));
        }
        r.push_back({"cincuenta factores x²−k.000001", texto, 0, verdad});
    }
    {
        Producto p;
        for (int i = -50; i < 50; ++i)
            p.Factor((i < 0 ? "-" : "") + std::to_string(std::abs(i) / 10) + "." + std::to_string(std::abs(i) % 10));
        r.push_back(Aceptado("décimas de -5 a 4.9", p));
    }
    {
        Producto p;
        for (int i = 1; i <= 100; ++i)
            p.Factor(std::to_string(i) + "/" + std::to_string(97 + i));
        r.push_back(Aceptado("raíces racionales", p));
    }
    {
        Producto p;
        for (int i = 1; i <= 50; ++i)
            p.Factor("0.0" + std::string(i < 10 ? "0" : "") + std::to_string(i), 2);
        r.push_back(Aceptado("50 raíces dobles a 0.001", p));
    }
    r.push_back({"potencia desplazada más una constante", "-(298-x)^(93)+21", 0,
                 PoliExacto::Constante(Racional(21))
                     - (PoliExacto::Constante(Racional(298)) - PoliExacto::Monomio(Racional(1), 1)).Potencia(93)});
    return r;
}
