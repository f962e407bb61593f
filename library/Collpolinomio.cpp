#include "Collpolinomio.h"

#include "Entero16.h"
#include "TextoNumero.h"

#include <charconv>
#include <cmath>
#include <stdexcept>

namespace {

// The number a key stands for; the whole key, blanks aside, must be one.
double NumeroDeClave(const std::string &clave)
{
    const auto ini = clave.find_first_not_of(' ');
    const auto fin = clave.find_last_not_of(' ');
    if (ini == std::string::npos)
        throw std::invalid_argument("clave no numérica: " + clave);
    const char *p = clave.data() + ini;
    const char *q = clave.data() + fin + 1;
    if (*p == '+' && q - p > 1)
        ++p;
    const char c = *p == '-' && q - p > 1 ? p[1] : *p;
    if (!((c >= '0' && c <= '9') || c == '.')) // no "inf" or "nan"
        throw std::invalid_argument("clave no numérica: " + clave);
    double valor = 0.0;
    const auto r = std::from_chars(p, q, valor);
    if (r.ec == std::errc::result_out_of_range)
        throw rt::ErrorDesbordamiento();
    if (r.ec != std::errc() || r.ptr != q)
        throw std::invalid_argument("clave no numérica: " + clave);
    return valor;
}

} // namespace

Collpolinomio::Collpolinomio() = default;

const std::vector<double> &Collpolinomio::SinCandidatos()
{
    static const std::vector<double> ninguno{0.0};
    return ninguno;
}

MonomioPtr Collpolinomio::Agrega(double coef, std::int16_t expon)
{
    if (coef == 0.0)
        return nullptr;
    auto nuevo = std::make_shared<Clsmonomio>();
    nuevo->coef(coef);
    nuevo->expon(expon);
    // A term stores a negative exponent as 0; place it by what it stores so
    // that the order invariant holds.
    expon = nuevo->expon();
    // Terms usually come from the highest exponent down.
    if (m_terminos.empty() || m_terminos.back()->expon() > expon) {
        m_terminos.push_back(nuevo);
        return nuevo;
    }
    for (auto it = m_terminos.begin(); it != m_terminos.end(); ++it) {
        const MonomioPtr item = *it;
        if (item->expon() == expon) {
            item->coef(item->coef() + coef);
            if (item->coef() == 0.0)
                m_terminos.erase(it);
            return item;
        }
        if (item->expon() < expon) {
            m_terminos.insert(it, nuevo);
            return nuevo;
        }
    }
    m_terminos.push_back(nuevo);
    return nuevo;
}

MonomioPtr Collpolinomio::Elemento(long posicion) const
{
    if (posicion >= 1 && posicion <= Cuenta())
        return m_terminos[static_cast<std::size_t>(posicion - 1)];
    // No item there: a detached zero term whose exponent is the number
    // (never a stored term that happens to have that exponent).
    return std::make_shared<Clsmonomio>(0.0, rt::CInt(static_cast<double>(posicion)));
}

MonomioPtr Collpolinomio::ElementoClave(const std::string &clave) const
{
    for (const auto &t : m_terminos)
        if (std::to_string(t->expon()) == clave)
            return t;
    return std::make_shared<Clsmonomio>(0.0, rt::CInt(NumeroDeClave(clave)));
}

void Collpolinomio::Remueve(long posicion)
{
    if (posicion >= 1 && posicion <= Cuenta())
        m_terminos.erase(m_terminos.begin() + (posicion - 1));
}

void Collpolinomio::RemueveClave(const std::string &clave)
{
    for (auto it = m_terminos.begin(); it != m_terminos.end(); ++it)
        if (std::to_string((*it)->expon()) == clave) {
            m_terminos.erase(it);
            return;
        }
}

double Collpolinomio::Eval(double x) const
{
    if (m_terminos.empty())
        return 0.0;
    int k = Grado();
    double acc = 0.0;
    for (const auto &t : m_terminos) {
        for (int e = t->expon(); k > e; --k) {
            acc *= x;
            if (!std::isfinite(acc))
                return acc;
        }
        acc += t->coef();
        if (!std::isfinite(acc))
            return acc;
        k = t->expon();
    }
    for (; k > 0; --k) {
        acc *= x;
        if (!std::isfinite(acc))
            return acc;
    }
    return acc;
}

std::int16_t Collpolinomio::Grado() const
{
    return m_terminos.empty() ? 0 : m_terminos.front()->expon();
}

PoliPtr Collpolinomio::Copia() const
{
    auto r = Nuevo();
    for (const auto &t : m_terminos)
        r->Agrega(t->coef(), t->expon());
    r->m_coefind = m_coefind;
    return r;
}

std::vector<double> Collpolinomio::A_Arreglo() const
{
    std::vector<double> arr(static_cast<std::size_t>(Grado()) + 1, 0.0);
    for (const auto &t : m_terminos)
        arr[static_cast<std::size_t>(t->expon())] = t->coef();
    return arr;
}

void Collpolinomio::Desde_Arreglo(const std::vector<double> &arr)
{
    m_terminos.clear();
    for (std::size_t i = 0; i < arr.size(); ++i)
        Agrega(arr[i], rt::CInt(static_cast<double>(i)));
    if (arr.size() >= 2 && arr[0] != 0.0)
        m_coefind = {0.0, arr[0]};
}

PoliPtr Collpolinomio::Suma(const Collpolinomio &q) const
{
    auto r = q.Copia();
    for (const auto &t : m_terminos)
        r->Agrega(t->coef(), t->expon());
    return r;
}

PoliPtr Collpolinomio::Resta(const Collpolinomio &q) const
{
    auto r = Copia();
    for (const auto &t : q.m_terminos)
        r->Agrega(-t->coef(), t->expon());
    return r;
}

PoliPtr Collpolinomio::Producto(const Collpolinomio &q) const
{
    auto r = Nuevo();
    r->m_coefind = m_coefind;
    for (const auto &a : m_terminos)
        for (const auto &b : q.m_terminos)
            r->Agrega(b->coef() * a->coef(), rt::SumaEntero(b->expon(), a->expon()));
    return r;
}

PoliPtr Collpolinomio::Potencia(std::int16_t n) const
{
    auto r = Nuevo();
    r->m_coefind = m_coefind;
    if (n == 0) {
        r->Agrega(1.0, 0);
        return r;
    }
    if (m_terminos.size() == 1 && Grado() == 1) {
        r->Agrega(std::pow(m_terminos.front()->coef(), n), n);
        return r;
    }
    r = Copia();
    for (int i = 2; i <= n; ++i)
        r = Producto(*r);
    return r;
}

PoliPtr Collpolinomio::DivideconResiduo(double &num) const
{
    const double a = num;
    auto q = Nuevo();
    if (m_terminos.empty()) {
        num = 0.0;
        q->m_coefind = m_coefind;
        return q;
    }
    // The last value produced is the remainder (the slot below exponent 0).
    int k = Grado();
    double acc = 0.0;
    auto produce = [&](double valor) -> bool {
        acc = valor;
        --k;
        if (!std::isfinite(acc))
            return false;
        if (k >= 0)
            q->Agrega(acc, static_cast<std::int16_t>(k));
        return true;
    };
    bool bien = true;
    for (const auto &t : m_terminos) {
        while (bien && t->expon() < k)
            bien = produce(acc * a);
        if (!bien)
            break;
        bien = produce(acc * a + t->coef());
        if (!bien)
            break;
    }
    while (bien && k >= 0)
        bien = produce(acc * a);
    // A remainder of exactly 0 is never stored and reads as +0.
    num = acc == 0.0 ? 0.0 : acc;
    q->m_coefind = m_coefind;
    return q;
}

PoliPtr Collpolinomio::Prima() const
{
    auto r = Nuevo();
    r->m_coefind = m_coefind;
    const std::size_t n = m_terminos.size() - (m_terminos.empty() || m_terminos.back()->expon() != 0 ? 0 : 1);
    if (n == 0)
        return r;
    // The terms come out in order, none of them zero: all in one
    // allocation, which lives as long as any of them.
    const auto bloque = std::make_shared<Clsmonomio[]>(n);
    r->m_terminos.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        const Clsmonomio &t = *m_terminos[i];
        bloque[i] = Clsmonomio(t.expon() * t.coef(), static_cast<std::int16_t>(t.expon() - 1));
        r->m_terminos.emplace_back(bloque, &bloque[i]);
    }
    return r;
}

PoliPtr Collpolinomio::Integral(double c) const
{
    auto r = Nuevo();
    r->Agrega(c, 0);
    for (const auto &t : m_terminos)
        r->Agrega(t->coef() / (t->expon() + 1), rt::SumaEntero(t->expon(), 1));
    return r;
}

PoliPtr Collpolinomio::Diferente(const Collpolinomio &pol, double epsi) const
{
    auto r = Nuevo();
    const int n = std::max(Grado(), pol.Grado());
    for (int i = n; i >= 0; --i) {
        const auto e = static_cast<std::int16_t>(i);
        const double a = ElementoExponente(e)->coef();
        const double b = pol.ElementoExponente(e)->coef();
        const double d = std::fabs(a - b);
        const bool significativa = a == 0.0 ? d > epsi : d / std::fabs(a) > epsi;
        if (significativa)
            r->Agrega(d, e);
    }
    return r;
}
