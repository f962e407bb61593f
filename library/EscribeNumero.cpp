#include "EscribeNumero.h"

#include "Regional.h"
#include "TextoNumero.h"

#include <algorithm>
#include <cctype>

namespace {

std::string Minusculas(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

// Mid$ with a 1-based start: empty past the end.
std::string Medio(const std::string &s, std::size_t inicio, std::size_t largo = std::string::npos)
{
    if (inicio < 1 || inicio > s.size())
        return {};
    return s.substr(inicio - 1, largo);
}

} // namespace

void EscalaMantisa(std::string &s, std::string &expo, int cifras)
{
    const char sep = rt::SeparadorDecimal();
    const auto idx = s.find(sep);
    if (idx == std::string::npos)
        return;
    const std::size_t p = idx + 1;
    const bool ceroYSeparador = s.size() >= 2 && s[0] == '0' && s[1] == sep;
    if (expo.empty() && !ceroYSeparador)
        return;
    const auto c = static_cast<std::size_t>(std::max(cifras, 1));
    if (s.size() < c + 1)
        s.append(c + 1 - s.size(), '0');
    s = s.substr(0, 1) + Medio(s, 3, c - 1) + sep + Medio(s, p + c);

    int n = expo.empty() ? 0 : static_cast<int>(rt::Val(expo.substr(1)));
    n -= static_cast<int>(c) - 1;

    const auto noCero = s.find_first_not_of('0');
    s.erase(0, noCero == std::string::npos ? s.size() : noCero);
    if (!s.empty() && s[0] == sep) {
        while (s.size() > 1 && s[1] == '0') {
            s.erase(1, 1);
            --n;
        }
        s.insert(0, "0");
    }
    if (n == 0)
        expo.clear();
    else if (n > 0)
        expo = "e+" + std::to_string(n);
    else
        expo = "e" + std::to_string(n);
}

std::string EscribeNumero(double valor, int cifras, int decimales)
{
    decimales = std::clamp(decimales, 0, 10);
    if (cifras > 14 - decimales)
        cifras = 14 - decimales;
    else if (cifras < 1)
        cifras = 1;

    const char sep = rt::SeparadorDecimal();
    std::string s = Minusculas(rt::CStr(valor));
    std::string expo, frac;
    if (s.find('e') == std::string::npos && s.find(sep) == std::string::npos)
        return s; // a whole number

    const auto pe = s.find('e');
    if (pe != std::string::npos) {
        expo = s.substr(pe);
        s.erase(pe);
    }
    auto p = s.find(sep);
    const std::size_t despues = p == std::string::npos ? s.size() : s.size() - p - 1;
    const auto dec = static_cast<std::size_t>(decimales);
    const auto cif = static_cast<std::size_t>(cifras);
    if (despues > dec) {
        if (p != std::string::npos && p < cif) {
            EscalaMantisa(s, expo, cifras);
            p = s.find(sep);
        } else if (p == std::string::npos && s.size() < cif) {
            s.push_back(sep);
            EscalaMantisa(s, expo, cifras);
            p = s.find(sep);
        }
    }
    if (p != std::string::npos) {
        frac = s.substr(p, dec + 1); // the decimals beyond are cut
        s.erase(p);
        while (!frac.empty() && frac.back() == '0')
            frac.pop_back();
        if (frac.size() == 1)
            frac.clear();
    }
    return Minusculas(s + frac + expo);
}
