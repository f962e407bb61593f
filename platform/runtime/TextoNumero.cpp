#include "TextoNumero.h"

#include "Regional.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace rt {

std::string CStr(double valor)
{
    if (std::isnan(valor))
        return "NaN";
    if (std::isinf(valor))
        return valor > 0 ? "1.#INF" : "-1.#INF";
    if (valor == 0.0)
        return "0";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15G", valor);
    std::string s = buf;
    const auto e = s.find('E');
    std::string mant = e == std::string::npos ? s : s.substr(0, e);
    std::string expo = e == std::string::npos ? "" : s.substr(e);
    const double a = std::fabs(valor);
    if (e == std::string::npos && (a >= 1e15 || a < 1e-4)) {
        std::snprintf(buf, sizeof buf, "%.14E", valor);
        s = buf;
        const auto e2 = s.find('E');
        mant = s.substr(0, e2);
        expo = s.substr(e2);
    }
    if (mant.find('.') != std::string::npos) {
        while (!mant.empty() && mant.back() == '0')
            mant.pop_back();
        if (!mant.empty() && mant.back() == '.')
            mant.pop_back();
    }
    if (!expo.empty()) {
        // E+015 / E-5 -> E+15 / E-05: at least two exponent digits
        const char sign = expo.size() > 1 ? expo[1] : '+';
        std::string digits = expo.substr(2);
        while (digits.size() > 2 && digits.front() == '0')
            digits.erase(0, 1);
        if (digits.size() < 2)
            digits.insert(0, 2 - digits.size(), '0');
        expo = std::string("E") + sign + digits;
    }
    std::string r = mant + expo;
    for (auto &c : r)
        if (c == '.')
            c = SeparadorLocal();
    return r;
}

double Val(std::string_view texto)
{
    std::string limpio;
    for (char c : texto)
        if (c != ' ' && c != '\t')
            limpio.push_back(c);
    std::size_t i = 0;
    std::string num;
    if (i < limpio.size() && (limpio[i] == '+' || limpio[i] == '-'))
        num.push_back(limpio[i++]);
    bool digitos = false;
    while (i < limpio.size() && std::isdigit(static_cast<unsigned char>(limpio[i]))) {
        num.push_back(limpio[i++]);
        digitos = true;
    }
    if (i < limpio.size() && limpio[i] == '.') {
        num.push_back(limpio[i++]);
        while (i < limpio.size() && std::isdigit(static_cast<unsigned char>(limpio[i]))) {
            num.push_back(limpio[i++]);
            digitos = true;
        }
    }
    if (!digitos)
        return 0.0;
    if (i < limpio.size() && (limpio[i] == 'e' || limpio[i] == 'E' || limpio[i] == 'd' || limpio[i] == 'D')) {
        std::string ex = "e";
        std::size_t j = i + 1;
        if (j < limpio.size() && (limpio[j] == '+' || limpio[j] == '-'))
            ex.push_back(limpio[j++]);
        bool hay = false;
        while (j < limpio.size() && std::isdigit(static_cast<unsigned char>(limpio[j]))) {
            ex.push_back(limpio[j++]);
            hay = true;
        }
        if (hay)
            num += ex;
    }
    return std::strtod(num.c_str(), nullptr);
}

std::string Formato(double valor, std::string_view mascara)
{
    // Split the mask into its whole and decimal parts.
    const auto punto = mascara.find('.');
    const std::string_view entera = mascara.substr(0, punto);
    const std::string_view decimal = punto == std::string_view::npos ? std::string_view{} : mascara.substr(punto + 1);
    const bool agrupa = entera.find(',') != std::string_view::npos;
    int minEnteros = 0;
    for (char c : entera)
        if (c == '0')
            ++minEnteros;
    int maxDec = 0, minDec = 0;
    for (char c : decimal) {
        if (c == '0' || c == '#')
            ++maxDec;
        if (c == '0')
            minDec = maxDec;
    }
    char buf[512];
    std::snprintf(buf, sizeof buf, "%.*f", maxDec, std::fabs(valor));
    std::string s = buf;
    std::string ent = s, dec;
    const auto p = s.find('.');
    if (p != std::string::npos) {
        ent = s.substr(0, p);
        dec = s.substr(p + 1);
    }
    while (static_cast<int>(dec.size()) > minDec && !dec.empty() && dec.back() == '0')
        dec.pop_back();
    if (ent == "0" && minEnteros == 0)
        ent.clear();
    while (static_cast<int>(ent.size()) < minEnteros)
        ent.insert(0, "0");
    const char sep = SeparadorLocal();
    const char grupo = sep == ',' ? '.' : ',';
    if (agrupa && ent.size() > 3) {
        std::string g;
        int n = 0;
        for (auto it = ent.rbegin(); it != ent.rend(); ++it) {
            if (n && n % 3 == 0)
                g.insert(g.begin(), grupo);
            g.insert(g.begin(), *it);
            ++n;
        }
        ent = g;
    }
    std::string r = ent;
    if (punto != std::string_view::npos && (!dec.empty() || minDec > 0 || true))
        r += sep;
    r += dec;
    bool cero = true;
    for (char c : ent + dec)
        if (c != '0' && c != grupo)
            cero = false;
    if (valor < 0 && !cero)
        r.insert(0, "-");
    return r;
}

} // namespace rt
