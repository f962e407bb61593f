#pragma once
// One real root of P (tipopol 0), P' (1) or P'' (2).
#include <cstdint>
#include <memory>

class ClsRaices {
public:
    double Raiz() const { return m_raiz; }
    void Raiz(double valor) { m_raiz = valor; }

    std::int16_t tipopol() const { return m_tipopol; }
    // Only 0, 1 and 2 are stored; any other value is refused with the
    // programmer-error message and the type stays as it was.
    void tipopol(std::int16_t valor);

private:
    double m_raiz = 0.0;
    std::int16_t m_tipopol = 0;
};

using RaizPtr = std::shared_ptr<ClsRaices>;
