#include "Utilerias.h"

#include "Entero16.h"
#include "Regional.h"
#include "TextoNumero.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace {

std::string Mayusculas(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return s;
}

bool TerminaEn(const std::string &s, const std::string &fin)
{
    return s.size() >= fin.size() && s.compare(s.size() - fin.size(), fin.size(), fin) == 0;
}

// A Spanish text reads a comma as the decimal mark: where the locale's
// separator is the point, thousands are set apart by a blank that never
// breaks a line ("500 000").
void AgrupaConBlanco(std::string &texto)
{
    if (rt::SeparadorGruposLocal() != ',')
        return;
    std::string r;
    r.reserve(texto.size() + texto.size() / 3);
    for (char c : texto) {
        if (c == ',')
            r += "\u00A0";
        else
            r += c;
    }
    texto = std::move(r);
}

} // namespace

void FormateaNumero(double x, std::string &texto)
{
    const std::string s = rt::CStr(x);
    const auto e = s.find('E');
    if (e != std::string::npos) {
        // A short mantissa (sign and separator included) and the exponent.
        texto = s.substr(0, std::min<std::size_t>(e, 5)) + s.substr(e);
    } else if (s.find(rt::SeparadorDecimal()) != std::string::npos) {
        texto = rt::Formato(x, "##,###,###,##0.###");
        // The mask keeps a lone separator when the decimals round away.
        if (!texto.empty() && texto.back() == rt::SeparadorLocal())
            texto.pop_back();
    } else {
        texto = rt::Formato(x, "###,###,###,##0");
    }
    AgrupaConBlanco(texto);
}

std::string FormateaNumero(double x)
{
    std::string texto;
    FormateaNumero(x, texto);
    return texto;
}

void ExponenteATexto(std::string &mantisa, std::string &exponente, std::int16_t digitos)
{
    const char sep = rt::SeparadorDecimal();
    const auto p = mantisa.find(sep);
    if (p == std::string::npos)
        return;
    const auto d = static_cast<std::size_t>(std::max<int>(digitos, 1));
    // Enough digits after the separator to move it; a leading "-" is not
    // one of them (else a negative value would come out ten times smaller).
    const std::size_t largo = d + 1 + (mantisa[0] == '-' ? 1 : 0);
    if (mantisa.size() < largo)
        mantisa.append(largo - mantisa.size(), '0');
    const std::string movidos = mantisa.substr(p + 1, d - 1);
    const std::string resto = p + d < mantisa.size() ? mantisa.substr(p + d) : std::string();
    mantisa = mantisa.substr(0, p) + movidos + sep + resto;

    const double valor = (exponente.size() > 1 ? rt::Val(exponente.substr(1)) : 0.0) - (static_cast<double>(d) - 1);
    const long n = rt::CLng(valor);
    if (n == 0)
        exponente.clear();
    else if (n < 0)
        exponente = "E" + std::to_string(n);
    else
        exponente = "E+" + std::to_string(n);
}

std::string NumeroATexto(double x, std::int16_t enteros, std::int16_t decimales)
{
    decimales = std::clamp<std::int16_t>(decimales, 0, 10);
    if (enteros > 14 - decimales)
        enteros = static_cast<std::int16_t>(14 - decimales);
    else if (enteros < 1)
        enteros = 1;
    const auto ent = static_cast<std::size_t>(enteros);
    const auto dec = static_cast<std::size_t>(decimales);
    const char sep = rt::SeparadorDecimal();

    std::string s = rt::CStr(x);
    if (TerminaEn(s, "INF"))
        return "Rebasó límite";
    s = Mayusculas(s);
    std::string exponente, fraccion;
    const auto e = s.find('E');
    if (e != std::string::npos) {
        exponente = s.substr(e);
        s.erase(e);
        ExponenteATexto(s, exponente, enteros);
    }

    const auto k = s.find(sep);
    if (k == std::string::npos) {
        // A whole number with too many digits: the excess goes to decimals
        // and exponent (a leading "-" counts as one of the digits).
        if (exponente.empty() && s.size() > ent) {
            fraccion = std::string(1, sep) + s.substr(ent, dec);
            exponente = "E+" + std::to_string(s.size() - ent);
            s.erase(ent);
            while (!fraccion.empty() && fraccion.back() == '0')
                fraccion.pop_back();
            if (fraccion.size() == 1)
                fraccion.clear();
        }
    } else {
        fraccion = s.substr(k, dec + 1);
        s.erase(k);
        const std::size_t permitidos = ent + (!s.empty() && s[0] == '-' ? 1 : 0);
        if (s.size() > permitidos) {
            const std::size_t sobran = s.size() - permitidos;
            fraccion = std::string(1, sep) + s.substr(permitidos) + fraccion.substr(1);
            fraccion.resize(std::min(fraccion.size(), dec + 1));
            s.erase(permitidos);
            exponente = "E+" + std::to_string(sobran);
        }
        if (fraccion.size() == 1)
            fraccion.clear();
    }
    return s + fraccion + exponente;
}

void MinMaxArreglo(const std::vector<double> &a, std::int16_t n, double &minimo, double &maximo)
{
    if (a.empty())
        return;
    minimo = maximo = a[0];
    const std::size_t ultimo = std::min<std::size_t>(n < 0 ? 0 : static_cast<std::size_t>(n), a.size() - 1);
    for (std::size_t i = 1; i <= ultimo; ++i) {
        if (a[i] < minimo)
            minimo = a[i];
        else if (a[i] > maximo)
            maximo = a[i];
    }
}
