#pragma once
// An exact rational number. Every number this program reads is one: a
// typed decimal or fraction, a root the makers chose, a coefficient of a
// derivative. Decisions ("is it zero?", "which side?") are taken on these;
// doubles stay for drawing and display.
//
// The arithmetic is FLINT's; its types stay out of this header, so the
// widgets that include the polynomial classes never see them.
#include <compare>
#include <optional>
#include <string>
#include <string_view>

class Racional {
public:
    Racional();
    Racional(long entero);
    Racional(long numerador, long denominador);
    Racional(const Racional &otro);
    Racional(Racional &&otro) noexcept;
    Racional &operator=(const Racional &otro);
    Racional &operator=(Racional &&otro) noexcept;
    ~Racional();

    // The shortest decimal that reads back as x, as a person would have
    // typed it (0.1 is 1/10, not the binary number nearest to it). A value
    // that is not finite reads as 0.
    static Racional DesdeDouble(double x);
    // "6.1", "-0.25", "1e-5", "3/4", with "." as the decimal point; empty
    // when the text is none of these or a fraction has a zero denominator.
    static std::optional<Racional> DesdeTexto(std::string_view texto);

    // The double nearest to this number (infinite beyond the doubles).
    double ADouble() const;
    // "61/10", "-3", for messages and tests.
    std::string Texto() const;

    int Signo() const;
    bool EsCero() const { return Signo() == 0; }
    Racional Abs() const;

    Racional operator-() const;
    friend Racional operator+(const Racional &a, const Racional &b);
    friend Racional operator-(const Racional &a, const Racional &b);
    friend Racional operator*(const Racional &a, const Racional &b);
    // b must not be zero.
    friend Racional operator/(const Racional &a, const Racional &b);
    friend bool operator==(const Racional &a, const Racional &b);
    friend std::strong_ordering operator<=>(const Racional &a, const Racional &b);

    // For the library's own FLINT code (see PuenteFlint.h).
    void *Dato() { return m_dato; }
    const void *Dato() const { return m_dato; }

private:
    // An fmpq held in place: two machine words.
    alignas(long) unsigned char m_dato[2 * sizeof(long)];
};
