#include "Collpolinomio.h"

#include "CajaRtf.h"
#include "EscribeNumero.h"

#include <cmath>
#include <string>
#include <vector>

namespace {

// The text being typeset, one entry per character (a UTF-8 sequence), so
// that positions match the box's character positions.
struct TextoTipografico {
    std::vector<std::string> caracteres;
    // True for the "e" of a number's exponent part (never the variable).
    std::vector<bool> exponenteDeNumero;

    void agrega(const std::string &c, bool exponente = false)
    {
        caracteres.push_back(c);
        exponenteDeNumero.push_back(exponente);
    }
    void borra(std::size_t i)
    {
        caracteres.erase(caracteres.begin() + static_cast<long>(i));
        exponenteDeNumero.erase(exponenteDeNumero.begin() + static_cast<long>(i));
    }
    std::size_t largo() const { return caracteres.size(); }
    bool esDigito(std::size_t i) const
    {
        return i < largo() && caracteres[i].size() == 1 && caracteres[i][0] >= '0' && caracteres[i][0] <= '9';
    }
    std::size_t busca(const std::string &c, std::size_t desde) const
    {
        for (std::size_t i = desde; i < largo(); ++i)
            if (caracteres[i] == c)
                return i;
        return std::string::npos;
    }
    std::size_t buscaExponenteDeNumero(std::size_t desde) const
    {
        for (std::size_t i = desde; i < largo(); ++i)
            if (exponenteDeNumero[i])
                return i;
        return std::string::npos;
    }
    std::string texto() const
    {
        std::string t;
        for (const auto &c : caracteres)
            t += c;
        return t;
    }
};

// The first character (UTF-8 sequence) of a text, "x" when it is empty.
std::string PrimerCaracter(const std::string &letra)
{
    if (letra.empty())
        return "x";
    const auto lider = static_cast<unsigned char>(letra[0]);
    std::size_t n = 1;
    if (lider >= 0xF0)
        n = 4;
    else if (lider >= 0xE0)
        n = 3;
    else if (lider >= 0xC0)
        n = 2;
    return letra.substr(0, n);
}

void Selecciona(rt::CajaRtf &caja, std::size_t inicio, std::size_t largo)
{
    caja.SetSelStart(static_cast<int>(inicio));
    caja.SetSelLength(static_cast<int>(largo));
}

void Eleva(rt::CajaRtf &caja)
{
    caja.SetSelFontSize(9);
    caja.SetSelCharOffset(40); // 2 points above the base line
}

} // namespace

void Collpolinomio::Despliega(rt::CajaRtf &cajartf, const std::string &letra) const
{
    const std::string x = PrimerCaracter(letra);
    cajartf.SetText("");

    TextoTipografico t;
    for (const auto &termino : m_terminos) {
        const double c = termino->coef();
        const int e = termino->expon();
        if (c < 0)
            t.agrega("-");
        else if (c > 0)
            t.agrega("+");
        // A unit coefficient is written only for the constant term.
        if (!((c == 1.0 || c == -1.0) && e != 0))
            for (char ch : EscribeNumero(std::fabs(c), 3, 3))
                t.agrega(std::string(1, ch), ch == 'e');
        if (e > 0)
            t.agrega(x);
        if (e > 1) {
            t.agrega("^");
            for (char ch : std::to_string(e))
                t.agrega(std::string(1, ch));
        }
    }
    if (t.largo() == 0)
        t.agrega("0");
    else if (t.caracteres[0] == "+")
        t.borra(0);

    cajartf.SetText(t.texto());
    cajartf.EmpiezaCambios();
    Selecciona(cajartf, 0, t.largo());
    cajartf.SetSelFontSize(12);
    cajartf.SetSelCharOffset(-40); // 2 points below the base line
    cajartf.SetSelFontName("Lucida Sans Unicode");

    // Exponents of the variable: drop the "^" and raise the digits after it.
    for (auto p = t.busca("^", 0); p != std::string::npos;) {
        Selecciona(cajartf, p, 1);
        cajartf.SetSelText("");
        t.borra(p);
        auto fin = p;
        while (t.esDigito(fin))
            ++fin;
        Selecciona(cajartf, p, fin - p);
        Eleva(cajartf);
        p = t.busca("^", fin);
    }

    // Exponent parts of numbers: the "e", its sign and its digits.
    for (auto p = t.buscaExponenteDeNumero(0); p != std::string::npos;) {
        auto fin = std::min(p + 2, t.largo());
        while (t.esDigito(fin))
            ++fin;
        Selecciona(cajartf, p, fin - p);
        Eleva(cajartf);
        p = t.buscaExponenteDeNumero(fin);
    }

    cajartf.SetSelStart(static_cast<int>(t.largo()));
    cajartf.TerminaCambios();
}
