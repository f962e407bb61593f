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
    if (m_exacto && HuellaVigente()) {
        r->m_exacto = m_exacto;
        r->m_huella = m_huella;
    }
    return r;
}

bool Collpolinomio::HuellaVigente() const
{
    if (m_huella.size() != m_terminos.size())
        return false;
    for (std::size_t i = 0; i < m_huella.size(); ++i)
        if (m_huella[i].expon() != m_terminos[i]->expon() || m_huella[i].coef() != m_terminos[i]->coef())
            return false;
    return true;
}

const PoliExacto &Collpolinomio::Exacto() const
{
    if (!m_exacto || !HuellaVigente()) {
        auto exacto = std::make_shared<PoliExacto>();
        for (const auto &t : m_terminos)
            *exacto = *exacto + PoliExacto::Monomio(Racional::DesdeDouble(t->coef()), t->expon());
        m_exacto = std::move(exacto);
        m_huella.clear();
        m_huella.reserve(m_terminos.size());
        for (const auto &t : m_terminos)
            m_huella.push_back(*t);
    }
    return *m_exacto;
}

PoliPtr Collpolinomio::DesdeExacto(PoliExacto exacto)
{
    auto r = Nuevo();
    r->PonExacto(std::move(exacto));
    return r;
}

void Collpolinomio::PonExacto(PoliExacto exacto)
{
    // One buffer per thread: a polynomial is made at every derivative.
    thread_local std::vector<double> dobles;
    exacto.Doubles(dobles);
    std::size_t n = 0;
    for (const double c : dobles)
        n += c != 0.0 ? 1 : 0;
    m_terminos.clear();
    m_huella.clear();
    if (n > 0) {
        // All terms in one allocation, which lives as long as any of them.
        const auto bloque = std::make_shared<Clsmonomio[]>(n);
        m_terminos.reserve(n);
        m_huella.reserve(n);
        std::size_t i = 0;
        for (std::size_t k = dobles.size(); k-- > 0;) {
            if (dobles[k] == 0.0)
                continue;
            bloque[i] = Clsmonomio(dobles[k], static_cast<std::int16_t>(k));
            m_terminos.emplace_back(bloque, &bloque[i]);
            m_huella.push_back(bloque[i]);
            ++i;
        }
    }
    m_exacto = std::make_shared<const PoliExacto>(std::move(exacto));
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
    auto r = DesdeExacto(Exacto() + q.Exacto());
    r->m_coefind = q.m_coefind;
    return r;
}

PoliPtr Collpolinomio::Resta(const Collpolinomio &q) const
{
    auto r = DesdeExacto(Exacto() - q.Exacto());
    r->m_coefind = m_coefind;
    return r;
}

PoliPtr Collpolinomio::Producto(const Collpolinomio &q) const
{
    // The exponents of a product must stay 16-bit numbers.
    if (!m_terminos.empty() && !q.m_terminos.empty())
        rt::SumaEntero(Grado(), q.Grado());
    auto r = DesdeExacto(Exacto() * q.Exacto());
    r->m_coefind = m_coefind;
    return r;
}

PoliPtr Collpolinomio::Potencia(std::int16_t n) const
{
    if (n < 0)
        n = 0;
    if (!m_terminos.empty())
        rt::CInt(static_cast<double>(Grado()) * n);
    auto r = DesdeExacto(Exacto().Potencia(n));
    r->m_coefind = m_coefind;
    return r;
}

PoliPtr Collpolinomio::DivideconResiduo(double &num) const
{
    Racional residuo;
    auto q = DesdeExacto(Exacto().DivideEntreLineal(Racional::DesdeDouble(num), residuo));
    // A remainder of exactly 0 reads as +0.
    num = residuo.EsCero() ? 0.0 : residuo.ADouble();
    q->m_coefind = m_coefind;
    return q;
}

PoliPtr Collpolinomio::Prima() const
{
    auto r = DesdeExacto(Exacto().Derivada());
    r->m_coefind = m_coefind;
    return r;
}

PoliPtr Collpolinomio::Integral(double c) const
{
    if (!m_terminos.empty())
        rt::SumaEntero(Grado(), 1);
    return DesdeExacto(Exacto().Integral(Racional::DesdeDouble(c)));
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
