#include "CollFuncPolin.h"

#include "Entero16.h"
#include "TextoNumero.h"

#include <cmath>
#include <utility>

CollFuncPolin::CollFuncPolin()
    : m_poliVacio(Collpolinomio::Nuevo())
{
    // Room for the roots of P, P' and P'' of a classroom polynomial at once.
    m_raices.reserve(16);
}

void CollFuncPolin::Precis(std::int16_t v)
{
    m_precis = v;
    // Powers of ten up to 10^22 are exact doubles, so one division gives
    // the correctly rounded value without the cost of pow.
    const int e = v < 0 ? -v : v;
    if (e > 22) {
        m_tolerancia = std::pow(10.0, -v);
        return;
    }
    double potencia = 1.0;
    for (int i = 0; i < e; ++i)
        potencia *= 10.0;
    m_tolerancia = v < 0 ? potencia : 1.0 / potencia;
}

Racional CollFuncPolin::ToleranciaExacta() const
{
    // Up to 10^18 a power of ten is a machine word: no reading of the double.
    const int e = m_precis < 0 ? -m_precis : m_precis;
    if (e > 18)
        return Racional::DesdeDouble(m_tolerancia);
    long potencia = 1;
    for (int i = 0; i < e; ++i)
        potencia *= 10;
    return m_precis < 0 ? Racional(potencia) : Racional(1, potencia);
}

RaizPtr CollFuncPolin::Agrega(double raiz, std::int16_t tpol)
{
    auto nueva = std::make_shared<ClsRaices>();
    Coloca(nueva, raiz, tpol);
    return nueva;
}

void CollFuncPolin::Coloca(RaizPtr nueva, double raiz, std::int16_t tpol, std::size_t desde)
{
    nueva->Raiz(raiz);
    nueva->tipopol(tpol);
    const double tolerancia = Tolerancia();
    for (auto it = m_raices.begin() + static_cast<std::ptrdiff_t>(desde); it != m_raices.end(); ++it) {
        const ClsRaices &r = **it;
        if (r.tipopol() == tpol && std::fabs(r.Raiz() - raiz) < tolerancia) {
            nueva->Raiz(r.Raiz());
            m_raices.insert(it, std::move(nueva));
            return;
        }
        if ((r.tipopol() == tpol && r.Raiz() > raiz) || r.tipopol() > tpol) {
            m_raices.insert(it, std::move(nueva));
            return;
        }
    }
    m_raices.push_back(std::move(nueva));
}

RaizPtr CollFuncPolin::Elemento(long posicion) const
{
    if (posicion >= 1 && posicion <= static_cast<long>(m_raices.size()))
        return m_raices[static_cast<std::size_t>(posicion - 1)];
    auto fuera = std::make_shared<ClsRaices>();
    fuera->Raiz(-1e308);
    fuera->tipopol(-1);
    return fuera;
}

RaizPtr CollFuncPolin::ElementoClave(const std::string &clave) const
{
    long posicion = 0;
    try {
        posicion = rt::CInt(rt::Val(clave));
    } catch (const rt::ErrorDesbordamiento &) {
        posicion = 0;
    }
    return Elemento(posicion);
}

long CollFuncPolin::Cuenta(std::int16_t t) const
{
    std::int16_t n = 0;
    for (const auto &r : m_raices)
        if (r->tipopol() == t)
            n = rt::SumaEntero(n, 1);
    return n;
}
