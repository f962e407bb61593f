#pragma once
// One term of a polynomial: coef * x^expon.
#include <cstdint>
#include <memory>

class Clsmonomio {
public:
    Clsmonomio() = default;
    Clsmonomio(double c, std::int16_t e) { coef(c); expon(e); }

    double coef() const { return m_coef; }
    void coef(double valor) { m_coef = valor; }

    std::int16_t expon() const { return m_expon; }
    // Exponents are never negative: a negative value stores 0.
    void expon(std::int16_t valor) { m_expon = valor < 0 ? 0 : valor; }

private:
    double m_coef = 0.0;
    std::int16_t m_expon = 0;
};

using MonomioPtr = std::shared_ptr<Clsmonomio>;
