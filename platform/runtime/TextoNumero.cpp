#include "TextoNumero.h"

#include "Regional.h"

#include <charconv>
#include <cmath>
#include <string>

namespace rt {

namespace {

// The 15 significant digits of |valor| and the power of ten of the first
// one: |valor| = d.dddddddddddddd x 10^exponente.
void Digitos15(double valor, std::string &digitos, int &exponente)
{
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(valor), std::chars_format::scientific, 14);
    const std::string s(buf, r.ptr);
    const auto e = s.find('e');
    digitos = s.substr(0, 1) + s.substr(2, e - 2);
    exponente = std::stoi(s.substr(e + 1));
}

bool EsDigito(char c) { return c >= '0' && c <= '9'; }

// Adds one unit to the last digit of a digit string; returns the carry out.
bool IncrementaDigitos(std::string &digitos)
{
    for (auto it = digitos.rbegin(); it != digitos.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return false;
        }
        *it = '0';
    }
    return true;
}

std::string Agrupa(const std::string &entera, char grupo)
{
    std::string r;
    const std::size_t n = entera.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            r.push_back(grupo);
        r.push_back(entera[i]);
    }
    return r;
}

} // namespace

std::string CStr(double valor)
{
    if (std::isnan(valor))
        return "NaN";
    if (std::isinf(valor))
        return valor > 0 ? "1.#INF" : "-1.#INF";
    if (valor == 0.0)
        return "0"; // also for -0
    // %.15G: exponent form exactly when the rounded exponent is >= 15 or < -4.
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, valor, std::chars_format::general, 15);
    std::string s(buf, r.ptr);
    const auto e = s.find('e');
    std::string mantisa = s.substr(0, e);
    for (auto &c : mantisa)
        if (c == '.')
            c = SeparadorLocal();
    if (e == std::string::npos)
        return mantisa;
    return mantisa + "E" + s.substr(e + 1); // sign and at least two digits already
}

double Val(std::string_view texto)
{
    std::string limpio;
    for (char c : texto)
        if (c != ' ' && c != '\t' && c != '\n')
            limpio.push_back(c);
    std::size_t i = 0;
    bool negativo = false;
    if (i < limpio.size() && (limpio[i] == '+' || limpio[i] == '-'))
        negativo = limpio[i++] == '-';
    std::string num = "0";
    bool digitos = false;
    while (i < limpio.size() && EsDigito(limpio[i])) {
        num.push_back(limpio[i++]);
        digitos = true;
    }
    if (i < limpio.size() && limpio[i] == '.') {
        ++i;
        std::string frac;
        while (i < limpio.size() && EsDigito(limpio[i])) {
            frac.push_back(limpio[i++]);
            digitos = true;
        }
        if (!frac.empty())
            num += "." + frac;
    }
    if (!digitos)
        return 0.0;
    if (i < limpio.size() && (limpio[i] == 'e' || limpio[i] == 'E' || limpio[i] == 'd' || limpio[i] == 'D')) {
        std::string ex = "e";
        std::size_t j = i + 1;
        if (j < limpio.size() && (limpio[j] == '+' || limpio[j] == '-'))
            ex.push_back(limpio[j++]);
        bool hay = false;
        while (j < limpio.size() && EsDigito(limpio[j])) {
            ex.push_back(limpio[j++]);
            hay = true;
        }
        if (hay)
            num += ex;
    }
    double valor = 0.0;
    const auto r = std::from_chars(num.data(), num.data() + num.size(), valor);
    if (r.ec == std::errc::result_out_of_range) {
        // Too large: infinite. Too small: zero. from_chars leaves valor alone.
        const auto e = num.find('e');
        const bool grande = e != std::string::npos && num[e + 1] != '-';
        valor = grande ? HUGE_VAL : 0.0;
    }
    return negativo ? -valor : valor;
}

std::string Formato(double valor, std::string_view mascara)
{
    if (!std::isfinite(valor))
        return CStr(valor);

    const auto punto = mascara.find('.');
    const std::string_view entera = mascara.substr(0, punto);
    const std::string_view decimal = punto == std::string_view::npos ? std::string_view{} : mascara.substr(punto + 1);
    const bool agrupa = entera.find(',') != std::string_view::npos;
    std::size_t minEnteros = 0;
    for (char c : entera)
        if (c == '0')
            ++minEnteros;
    std::size_t maxDec = 0, minDec = 0;
    for (char c : decimal) {
        if (c == '0' || c == '#')
            ++maxDec;
        if (c == '0')
            minDec = maxDec;
    }

    // Whole and fractional digits of the value taken to 15 digits.
    std::string ent, dec;
    if (valor != 0.0) {
        std::string digitos;
        int exponente = 0;
        Digitos15(valor, digitos, exponente);
        const int antes = exponente + 1; // digits before the separator
        if (antes <= 0) {
            dec = std::string(static_cast<std::size_t>(-antes), '0') + digitos;
        } else if (antes >= static_cast<int>(digitos.size())) {
            ent = digitos + std::string(static_cast<std::size_t>(antes) - digitos.size(), '0');
        } else {
            ent = digitos.substr(0, static_cast<std::size_t>(antes));
            dec = digitos.substr(static_cast<std::size_t>(antes));
        }
    }

    // Round half away from zero at the last decimal the mask can show.
    if (dec.size() > maxDec) {
        const bool sube = dec[maxDec] >= '5';
        dec.resize(maxDec);
        if (sube && IncrementaDigitos(dec) && IncrementaDigitos(ent))
            ent.insert(0, "1");
    }
    while (dec.size() > minDec && dec.back() == '0')
        dec.pop_back();
    while (dec.size() < minDec)
        dec.push_back('0');

    while (!ent.empty() && ent.front() == '0')
        ent.erase(0, 1);
    const bool cero = ent.empty() && dec.find_first_not_of('0') == std::string::npos;
    if (ent.size() < minEnteros)
        ent.insert(0, minEnteros - ent.size(), '0');
    if (agrupa)
        ent = Agrupa(ent, SeparadorGruposLocal());

    std::string r = (valor < 0 && !cero) ? "-" : "";
    r += ent;
    if (punto != std::string_view::npos)
        r += SeparadorLocal();
    r += dec;
    return r;
}

} // namespace rt
