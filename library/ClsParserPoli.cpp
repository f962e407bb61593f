#include "ClsParserPoli.h"

#include "Avisos.h"
#include "Entero16.h"
#include "Regional.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <limits>
#include <stdexcept>
#include <system_error>

namespace {

constexpr char32_t FinDeTexto = U'@';
// What LeeCaracter hands out beyond the end of the text.
constexpr char32_t Vacio = 0;

// Leaves the whole parse when the arithmetic cannot hold the text.
struct Interrupcion {
    int codigo;
};

bool EsDigito(char32_t ch) { return ch >= U'0' && ch <= U'9'; }

// Positions count characters, as the entry box does: decode the UTF-8 text,
// one replacement character for each byte that does not fit.
std::u32string DecodificaUtf8(const std::string &texto)
{
    std::u32string r;
    r.reserve(texto.size());
    const auto *s = reinterpret_cast<const unsigned char *>(texto.data());
    const std::size_t n = texto.size();
    std::size_t i = 0;
    while (i < n) {
        const unsigned char c = s[i];
        int largo = 0;
        char32_t cp = 0;
        char32_t minimo = 0;
        if (c < 0x80) {
            largo = 1;
            cp = c;
        } else if ((c & 0xE0) == 0xC0) {
            largo = 2;
            cp = c & 0x1F;
            minimo = 0x80;
        } else if ((c & 0xF0) == 0xE0) {
            largo = 3;
            cp = c & 0x0F;
            minimo = 0x800;
        } else if ((c & 0xF8) == 0xF0) {
            largo = 4;
            cp = c & 0x07;
            minimo = 0x10000;
        }
        bool bien = largo > 0 && i + static_cast<std::size_t>(largo) <= n;
        for (int k = 1; bien && k < largo; ++k) {
            const unsigned char sig = s[i + static_cast<std::size_t>(k)];
            if ((sig & 0xC0) != 0x80)
                bien = false;
            else
                cp = (cp << 6) | (sig & 0x3F);
        }
        if (bien && (cp < minimo || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)))
            bien = false;
        if (bien) {
            r.push_back(cp);
            i += static_cast<std::size_t>(largo);
        } else {
            r.push_back(U'\uFFFD');
            ++i;
        }
    }
    return r;
}

// The least c with 2^c >= n: a sum of n numbers below 2^b stays below 2^(b + c).
long BitsDeCuenta(int n)
{
    long b = 0;
    while (b < 31 && (1L << b) < n)
        ++b;
    return b;
}

void LeeLinea(std::ifstream &archivo, std::string &linea)
{
    std::getline(archivo, linea);
    if (!linea.empty() && linea.back() == '\r')
        linea.pop_back();
}

// Counts one more level of parentheses while it lives.
class NivelParentesis {
public:
    NivelParentesis(int &nivel, int maximo)
        : m_nivel(nivel)
    {
        if (++m_nivel > maximo)
            throw Interrupcion{ClsParserPoli::CodigoAnidamiento};
    }
    ~NivelParentesis() { --m_nivel; }
    NivelParentesis(const NivelParentesis &) = delete;
    NivelParentesis &operator=(const NivelParentesis &) = delete;

private:
    int &m_nivel;
};

} // namespace

ClsParserPoli &ParserPoli()
{
    static ClsParserPoli instancia;
    return instancia;
}

void ClsParserPoli::CargaErrores(const std::string &Archivo, int ini, int cuantos)
{
    static const std::string aviso = "no encontre el archivo";
    std::ifstream archivo(Archivo, std::ios::binary);
    if (!archivo) {
        rt::MuestraAviso(aviso);
        return;
    }
    auto alFinal = [&] { return archivo.peek() == std::char_traits<char>::eof(); };
    std::string linea;
    long i = 0;
    while (i < ini && !alFinal()) {
        LeeLinea(archivo, linea);
        ++i;
    }
    const long ultimo = static_cast<long>(ini) + cuantos;
    while (!alFinal() && i <= ultimo) {
        const long ranura = i - ini + 1;
        if (ranura >= static_cast<long>(errores.size())) {
            // There is no such slot: the line stays unread.
            rt::MuestraAviso(aviso);
        } else {
            LeeLinea(archivo, linea);
            errores[static_cast<std::size_t>(ranura)] = linea;
        }
        ++i;
    }
}

std::string ClsParserPoli::CadenaError(int numerr) const
{
    if (numerr < 0 || numerr >= static_cast<int>(errores.size()))
        throw std::out_of_range("Subíndice fuera del intervalo");
    return errores[static_cast<std::size_t>(numerr)];
}

int ClsParserPoli::Polinomio(const std::string &cadacep, PoliPtr &P, int &ut)
{
    IniciaAnalisis(cadacep);
    PoliPtr resultado;
    int codigo = 0;
    try {
        int t = LeeSimbolo();
        if (t < 0) {
            codigo = -t;
        } else {
            codigo = AnalizaExpresion(t, resultado);
            // A sum stops early, without an error, only at an unmatched ")".
            if (codigo == 0 && t != SimFin)
                codigo = 11;
        }
        if (codigo == 0)
            VerificaRaicesAcotadas(*resultado);
    } catch (const Interrupcion &i) {
        codigo = i.codigo;
    } catch (const rt::ErrorDesbordamiento &) {
        codigo = CodigoGradoExcesivo;
    }
    if (codigo == 0) {
        resultado->coefind(candidatos);
        P = resultado;
    } else {
        P = Collpolinomio::Nuevo();
    }
    ut = posSimbolo;
    return codigo;
}

void ClsParserPoli::IniciaAnalisis(const std::string &cadacep)
{
    separador = static_cast<unsigned char>(rt::SeparadorDecimal());
    cadena = DecodificaUtf8(cadacep);
    cadena.push_back(FinDeTexto);
    posicion = 1;
    signo = 0;
    posSimbolo = 0;
    candidatos.assign(1, 0.0);
    anidamiento = 0;
    trabajo = 0;
}

char32_t ClsParserPoli::LeeCaracter()
{
    const std::size_t i = static_cast<std::size_t>(posicion - 1);
    ++posicion;
    return i < cadena.size() ? cadena[i] : Vacio;
}

void ClsParserPoli::RegresaCaracter()
{
    --posicion;
}

int ClsParserPoli::LeeSimbolo()
{
    posSimbolo = posicion - 1;
    const char32_t ch = LeeCaracter();
    if (ch == U'+') {
        signo = 1;
        return SimSigno;
    }
    if (ch == U'-') {
        signo = -1;
        return SimSigno;
    }
    if (EsDigito(ch) || ch == separador)
        return LeeNumero(ch);
    switch (ch) {
    case U'x':
        return SimEquis;
    case U'^':
        LeeCaracter(); // the "(" of "^(", taken unseen
        return SimPotencia;
    case U')':
        return SimCierra;
    case U'(':
        return SimAbre;
    case FinDeTexto:
        return SimFin;
    default:
        return SimOtro;
    }
}

int ClsParserPoli::LeeNumero(char32_t ch)
{
    std::u32string num;
    std::u32string den;
    // A malformed number is reported at the character that ended it.
    auto mal = [&](int codigo) {
        posSimbolo = posicion - 1;
        RegresaCaracter();
        return -codigo;
    };
    auto bien = [&](int simbolo) {
        RegresaCaracter();
        return simbolo;
    };

    while (EsDigito(ch)) {
        num.push_back(ch);
        ch = LeeCaracter();
    }
    if (ch == separador) {
        do {
            num.push_back(ch);
            ch = LeeCaracter();
        } while (EsDigito(ch));
        if (ch == separador)
            return mal(4);
        if (num.size() == 1)
            return mal(2);
        if (ch == U'/')
            return mal(15);
        valor = ValorDe(num);
        valorExacto = ExactoDe(num, valor);
        return bien(SimDecimal);
    }
    if (ch == U'/') {
        ch = LeeCaracter();
        while (EsDigito(ch)) {
            den.push_back(ch);
            ch = LeeCaracter();
        }
        if (ch == U'/')
            return mal(16);
        if (ch == separador)
            return mal(15);
        if (den.empty())
            return mal(17);
        const double divisor = ValorDe(den);
        if (divisor < 1e-100)
            return mal(18);
        const double dividendo = ValorDe(num);
        valor = dividendo / divisor;
        valorExacto = ExactoDe(num, dividendo) / ExactoDe(den, divisor);
        return bien(SimDecimal);
    }
    valor = ValorDe(num);
    valorExacto = ExactoDe(num, valor);
    return bien(SimEntero);
}

Racional ClsParserPoli::ExactoDe(const std::u32string &digitos, double leido) const
{
    if (leido == 0.0)
        return Racional();
    std::string texto;
    texto.reserve(digitos.size());
    for (char32_t c : digitos)
        texto.push_back(c == separador ? '.' : static_cast<char>(c));
    return Racional::DesdeTexto(texto).value_or(Racional::DesdeDouble(leido));
}

double ClsParserPoli::ValorDe(const std::u32string &digitos)
{
    std::string texto;
    texto.reserve(digitos.size());
    bool entero = true;
    bool parteEnteraNula = true;
    for (char32_t c : digitos) {
        if (c == separador) {
            texto.push_back('.');
            entero = false;
        } else {
            texto.push_back(static_cast<char>(c));
            if (entero && c != U'0')
                parteEnteraNula = false;
        }
    }
    double v = 0.0;
    const auto [fin, error] = std::from_chars(texto.data(), texto.data() + texto.size(), v);
    (void)fin;
    if (error == std::errc::result_out_of_range) {
        // Only a whole part can overflow; a fraction this small reads as 0.
        if (!parteEnteraNula) {
            posSimbolo = posicion - 1;
            throw Interrupcion{CodigoNumeroGrande};
        }
        return 0.0;
    }
    // Below the normal doubles (where they lose digits) it reads as 0 too.
    return std::fabs(v) < std::numeric_limits<double>::min() ? 0.0 : v;
}

int ClsParserPoli::AnalizaExpresion(int &t, PoliPtr &P)
{
    if (t == SimSigno) {
        t = LeeSimbolo();
        if (t < 0)
            return -t;
        if (t == SimSigno)
            return 3;
    }
    if (t == SimFin)
        return 1;
    return AnalizaSuma(t, P);
}

int ClsParserPoli::AnalizaSuma(int &t, PoliPtr &P)
{
    // Terms are gathered first and added from the last one back, as the
    // nested sums a + (b + (c + ...)) would, without a level per term.
    std::vector<PoliPtr> terminos;
    for (;;) {
        PoliPtr termino;
        const int codigo = AnalizaTermino(t, termino);
        if (codigo != 0)
            return codigo;
        terminos.push_back(termino);
        if (t == SimFin || t == SimCierra)
            break;
        if (t != SimSigno)
            return 5;
        t = LeeSimbolo();
        if (t < 0)
            return -t;
    }
    P = terminos.back();
    for (auto it = terminos.rbegin() + 1; it != terminos.rend(); ++it)
        P = Suma(*it, P);
    return 0;
}

int ClsParserPoli::AnalizaTermino(int &t, PoliPtr &P)
{
    if (t == SimAbre) {
        // A pending "+" is left for the first monomial inside, where it
        // changes nothing.
        const bool negativo = signo < 0;
        if (negativo)
            signo = 0;
        const int codigo = AnalizaProducto(t, P);
        if (codigo == 0 && negativo) {
            auto menosUno = Collpolinomio::Nuevo();
            menosUno->Agrega(-1.0, 0);
            P = Multiplica(menosUno, P);
        }
        return codigo;
    }
    int codigo = AnalizaMonomio(t, P);
    if (codigo == 0 && t == SimAbre) {
        PoliPtr Q;
        codigo = AnalizaProducto(t, Q);
        if (codigo == 0)
            P = Multiplica(P, Q);
    }
    return codigo;
}

int ClsParserPoli::AnalizaProducto(int &t, PoliPtr &P)
{
    // A run of "x" factors and parenthesised groups, multiplied from the
    // last one back, as the nested products would.
    std::vector<PoliPtr> factores;
    do {
        PoliPtr factor;
        const int codigo = AnalizaFactor(t, factor);
        if (codigo != 0)
            return codigo;
        factores.push_back(factor);
    } while (t == SimEquis || t == SimAbre);
    P = factores.back();
    for (auto it = factores.rbegin() + 1; it != factores.rend(); ++it)
        P = Multiplica(*it, P);
    return 0;
}

int ClsParserPoli::AnalizaFactor(int &t, PoliPtr &P)
{
    if (t == SimAbre) {
        NivelParentesis nivel(anidamiento, AnidamientoMaximo);
        t = LeeSimbolo();
        if (t == SimCierra)
            return 14;
        int codigo = AnalizaExpresion(t, P);
        if (codigo == 0) {
            if (t == SimCierra) {
                t = LeeSimbolo();
                codigo = AnalizaPotencia(t, P);
            } else {
                codigo = 12;
            }
        }
        return codigo;
    }
    t = LeeSimbolo();
    P = Collpolinomio::Nuevo();
    P->Agrega(1.0, 1);
    return AnalizaPotencia(t, P);
}

int ClsParserPoli::AnalizaMonomio(int &t, PoliPtr &P)
{
    double s = 1.0;
    Racional sExacto(1);
    if (signo != 0) {
        s = signo;
        sExacto = Racional(signo);
        signo = 0;
    }
    if (t < 0)
        return -t;
    if (t < SimEntero || t == SimCierra)
        return 6;
    if (t == SimEntero || t == SimDecimal) {
        s *= valor;
        sExacto = sExacto * valorExacto;
        t = LeeSimbolo();
        if (t == SimPotencia)
            return 13;
        if (t != SimEquis) {
            P = Collpolinomio::DesdeExacto(PoliExacto::Constante(sExacto));
            VerificaCoeficientes(*P);
            AgregaCandidato(-s);
            return 0;
        }
    }
    t = LeeSimbolo();
    P = Collpolinomio::Nuevo();
    P->Agrega(1.0, 1);
    const int codigo = AnalizaPotencia(t, P);
    // The coefficient of x^n becomes s exactly (no term when s is 0).
    P = Collpolinomio::DesdeExacto(PoliExacto::Monomio(sExacto, P->Grado()));
    VerificaCoeficientes(*P);
    return codigo;
}

int ClsParserPoli::AnalizaPotencia(int &t, PoliPtr &P)
{
    if (t < 2 || t > SimDecimal)
        return 0;
    if (t != SimPotencia)
        return 8;
    t = LeeSimbolo();
    if (t == SimEntero && valor <= GradoMaximo) {
        const int n = static_cast<int>(valor);
        t = LeeSimbolo();
        if (t != SimCierra)
            return 10;
        P = Eleva(P, n);
        t = LeeSimbolo();
        return 0;
    }
    if (t < 0)
        return -t;
    return 9;
}

void ClsParserPoli::AgregaCandidato(double v)
{
    for (std::size_t i = 1; i < candidatos.size(); ++i)
        if (candidatos[i] == v)
            return;
    candidatos.push_back(v);
}

PoliPtr ClsParserPoli::Multiplica(const PoliPtr &p, const PoliPtr &q)
{
    // The exact degree and size are checked before the work, so that a huge
    // product is refused at once. Each coefficient of the product is a sum
    // of at most as many products as the shorter factor has terms.
    const PoliExacto &a = p->Exacto();
    const PoliExacto &b = q->Exacto();
    const int grado = a.Grado() + b.Grado();
    if (grado > GradoMaximo)
        throw Interrupcion{CodigoGradoExcesivo};
    VerificaBits(a.Bits() + b.Bits() + BitsDeCuenta(std::min(a.Terminos(), b.Terminos())), grado + 1);
    auto r = p->Producto(*q);
    VerificaCoeficientes(*r);
    return r;
}

PoliPtr ClsParserPoli::Eleva(const PoliPtr &p, int n)
{
    // A coefficient of p^n is at most (terms times the largest)^n, over the
    // denominator to the n.
    const PoliExacto &a = p->Exacto();
    const int grado = a.Grado() * n;
    if (grado > GradoMaximo)
        throw Interrupcion{CodigoGradoExcesivo};
    if (n > 1)
        VerificaBits(n * (a.Bits() + BitsDeCuenta(a.Terminos())), grado + 1);
    auto r = p->Potencia(static_cast<std::int16_t>(n));
    VerificaCoeficientes(*r);
    return r;
}

PoliPtr ClsParserPoli::Suma(const PoliPtr &p, const PoliPtr &q)
{
    // A sum costs no more than writing its result, counted once it is known.
    auto r = p->Suma(*q);
    VerificaCoeficientes(*r);
    VerificaBits(r->Exacto().Bits(), r->Exacto().Terminos());
    return r;
}

void ClsParserPoli::VerificaCoeficientes(const Collpolinomio &p)
{
    // A coefficient whose Double is 0 has no term among the doubles; one
    // below the normal doubles has lost digits in them.
    const PoliExacto &exacto = p.Exacto();
    if (p.Cuenta() != exacto.Terminos())
        throw Interrupcion{CodigoNumeroGrande};
    for (const auto &termino : p)
        if (!std::isfinite(termino->coef()) || std::fabs(termino->coef()) < std::numeric_limits<double>::min())
            throw Interrupcion{CodigoNumeroGrande};
    if (exacto.Bits() > BitsMaximos)
        throw Interrupcion{CodigoCoeficientesLargos};
}

void ClsParserPoli::VerificaBits(long bits, int terminos)
{
    trabajo += static_cast<long long>(bits) * terminos;
    if (bits > BitsMaximos || trabajo > TrabajoMaximo)
        throw Interrupcion{CodigoCoeficientesLargos};
}

void ClsParserPoli::VerificaRaicesAcotadas(const Collpolinomio &p)
{
    // Every root of P, and so of P' and P'', is below twice the largest
    // |a_k / a_n|^(1/(n-k)) in size (Fujiwara); compared in logarithms,
    // since the ratio itself may overflow.
    const auto &terminos = p.terminos();
    if (terminos.size() < 2)
        return;
    const int n = terminos.front()->expon();
    const double principal = std::log2(std::fabs(terminos.front()->coef()));
    double cota = -std::numeric_limits<double>::infinity();
    for (std::size_t i = 1; i < terminos.size(); ++i)
        cota = std::max(cota, (std::log2(std::fabs(terminos[i]->coef())) - principal) / (n - terminos[i]->expon()));
    if (cota + 1 > ExponenteRaizMaximo)
        throw Interrupcion{CodigoNumeroGrande};
}
