#pragma once
// Reads the linear text of a polynomial, as the polynomial entry box hands
// it out ("3x^(2)-5x+1/2"), into a Collpolinomio, or gives a numbered error
// code with the position of the error. A hand-written recursive-descent
// parser over a small scanner.
//
// The program uses one shared instance (ParserPoli()); a call is not
// reentrant. Only the table of error texts persists between calls.
#include "Collpolinomio.h"

#include <array>
#include <string>
#include <vector>

class ClsParserPoli {
public:
    // Codes of our own for texts the arithmetic cannot hold; the polynomial
    // handed back is then empty.
    static constexpr int CodigoNumeroGrande = 27;   // a number or coefficient beyond a Double, or non-zero below one
    static constexpr int CodigoGradoExcesivo = 28;  // the expanded degree goes above GradoMaximo
    static constexpr int CodigoAnidamiento = 45;    // parentheses nested deeper than AnidamientoMaximo
    static constexpr int CodigoCoeficientesLargos = 47; // the exact coefficients would pass BitsMaximos, or the work TrabajoMaximo
    static constexpr int GradoMaximo = 100;
    static constexpr int AnidamientoMaximo = 200;
    // The largest size of the exact coefficients (PoliExacto::Bits) that a
    // text may give, at every step of its expansion. A number typed with
    // 15 significant digits raised to the power 100 takes about 10,000.
    static constexpr long BitsMaximos = 20000;
    // The most that the products, powers and sums of one text may write,
    // counted as the size of each result (bits times terms, predicted
    // before the work). A hundred linear factors with 15-digit roots write
    // about 3e7; many large powers added or multiplied would take seconds.
    static constexpr long long TrabajoMaximo = 60000000;
    // Roots, and the points beside them where signs are tested, stay well
    // inside the doubles (2^1000 is about 1e301).
    static constexpr int ExponenteRaizMaximo = 1000;

    // Loads error texts, one per line: the lines after the first `ini` go
    // to slots 1, 2, ... up to slot cuantos + 1 (slot 0 is never loaded).
    // A file that cannot be opened, or a slot above 20, is reported with
    // "no encontre el archivo".
    void CargaErrores(const std::string &Archivo, int ini, int cuantos);

    // Parses cadacep (UTF-8). Returns 0 and the polynomial in P, whose
    // coefind holds the candidate roots (the negated lone numbers), or an
    // error code with P empty. ut receives the position of the error
    // (0-based, in characters) or, on success, the length of the text read.
    int Polinomio(const std::string &cadacep, PoliPtr &P, int &ut);

    // The text of slot numerr (0 to 20); throws std::out_of_range outside.
    std::string CadenaError(int numerr) const;

private:
    // Codes of the scanner's tokens.
    enum Simbolo : int {
        SimFin = -1,
        SimOtro = 0,
        SimSigno = 1,
        SimPotencia = 3,
        SimEntero = 4,
        SimDecimal = 5,
        SimEquis = 6,
        SimCierra = 10,
        SimAbre = 11,
    };

    void IniciaAnalisis(const std::string &cadacep);
    char32_t LeeCaracter();
    void RegresaCaracter();
    int LeeSimbolo();
    int LeeNumero(char32_t ch);

    int AnalizaExpresion(int &t, PoliPtr &P);
    int AnalizaSuma(int &t, PoliPtr &P);
    int AnalizaTermino(int &t, PoliPtr &P);
    int AnalizaProducto(int &t, PoliPtr &P);
    int AnalizaFactor(int &t, PoliPtr &P);
    int AnalizaMonomio(int &t, PoliPtr &P);
    int AnalizaPotencia(int &t, PoliPtr &P);
    void AgregaCandidato(double v);

    // The arithmetic of the expansion, guarded against overflow.
    double ValorDe(const std::u32string &digitos);
    // The same digits as an exact number (0 where ValorDe reads 0).
    Racional ExactoDe(const std::u32string &digitos, double leido) const;
    PoliPtr Multiplica(const PoliPtr &p, const PoliPtr &q);
    PoliPtr Eleva(const PoliPtr &p, int n);
    PoliPtr Suma(const PoliPtr &p, const PoliPtr &q);
    // The shown and drawn polynomial is the decided one: every exact
    // coefficient has a finite, non-zero Double, and their size is bounded.
    static void VerificaCoeficientes(const Collpolinomio &p);
    // Refuses a polynomial that may have a root beyond 2^ExponenteRaizMaximo,
    // which the doubles could not show.
    static void VerificaRaicesAcotadas(const Collpolinomio &p);
    // Refuses a result whose predicted size passes BitsMaximos, and counts
    // its size (bits times terms) against TrabajoMaximo.
    void VerificaBits(long bits, int terminos);

    std::u32string cadena;
    int posicion = 1;
    double valor = 0.0;
    Racional valorExacto;
    int signo = 0;
    int posSimbolo = 0;
    std::array<std::string, 21> errores;
    std::vector<double> candidatos{0.0};
    char32_t separador = U'.';
    int anidamiento = 0;
    long long trabajo = 0;
};

// The program's one parser.
ClsParserPoli &ParserPoli();
