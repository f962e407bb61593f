// Verdicts of the constructions on right answers that rounding used to
// refuse (high multiplicities, factors without real roots, coefficients in
// the billions), beside the really wrong answers next to them, which keep
// their messages.
#include "EscenaConstruccion.h"

#include "frmConClaPtoCriti.h"
#include "frmConConcavidad.h"
#include "frmConExtension.h"
#include "frmConMaxMinAbs.h"
#include "frmConPosi.h"
#include "frmConPtoCritico.h"
#include "frmConPuntosInfle.h"
#include "frmConRaices.h"
#include "frmConRango.h"

#include "Collpolinomio.h"

#include <algorithm>
#include <map>
#include <random>
#include <vector>

namespace {

using E = EscenaConstruccion;

// The draws of a list of whole numbers below tope, one sign draw and one
// size draw each (CInt(10 r) odd gives a negative value).
std::vector<float> Valores(const std::vector<int> &valores, int tope)
{
    std::vector<float> sorteos;
    for (int v : valores) {
        sorteos.push_back(v < 0 ? 0.1f : 0.0f);
        sorteos.push_back((std::abs(v) + 0.5f) / static_cast<float>(tope));
    }
    return sorteos;
}

// The draw of EnteroAzar1(tope) giving n.
float Cuantos(int n, int tope)
{
    return (n - 0.5f) / static_cast<float>(tope);
}

template <class T> T *Elige(EscenaConstruccion &s, int concepto, std::vector<float> sorteos)
{
    for (float r : sorteos)
        rt::ProgramaAzar({r});
    frmConceptos *selector = s.Ventana<frmConceptos>() ? s.Ventana<frmConceptos>() : s.abreSelector();
    selector->OptConcepto(concepto)->click();
    SesionPrueba::Suelta();
    return SesionPrueba::Ventana<T>();
}

std::vector<float> operator+(std::vector<float> a, const std::vector<float> &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The sign construction's draws: how many roots, the roots, the first sign.
std::vector<float> RequisitoSigno(const std::vector<int> &raices, bool negativo)
{
    return std::vector<float>{Cuantos(static_cast<int>(raices.size()), 8)} + Valores(raices, 5) +
           std::vector<float>{negativo ? 0.1f : 0.0f};
}

// p written out term by term, each coefficient as its exact fraction.
QString Desarrollado(const Collpolinomio &p)
{
    const PoliExacto &e = p.Exacto();
    QString texto;
    for (int k = e.Grado(); k >= 0; --k) {
        const Racional c = e.Coeficiente(k);
        if (c.EsCero())
            continue;
        if (!texto.isEmpty() && c.Signo() > 0)
            texto += QLatin1Char('+');
        texto += QString::fromStdString(c.Texto());
        if (k > 0)
            texto += QStringLiteral("x^%1").arg(k);
    }
    return texto;
}

// principal * prod (x - r)^m, integrated once.
PoliPtr Primitiva(double principal, const std::vector<std::pair<double, int>> &factores)
{
    auto p = Collpolinomio::Nuevo();
    p->Agrega(principal, 0);
    for (auto [r, m] : factores)
        for (int k = 0; k < m; ++k) {
            auto f = Collpolinomio::Nuevo();
            f->Agrega(1, 1);
            if (r != 0)
                f->Agrega(-r, 0);
            p = p->Producto(*f);
        }
    return p->Integral();
}

// An answer and the message it must bring: success or error row n,
// the error with its prefix.
struct Caso {
    QString respuesta;
    bool exito;
    int n;
    std::string prefijo = {};
    QString mensaje() const { return exito ? E::Exito(n) : E::Error(n, prefijo); }
};
Caso Bien(const QString &respuesta, int n)
{
    return {respuesta, true, n};
}
Caso Mal(const QString &respuesta, int n, const std::string &prefijo = {})
{
    return {respuesta, false, n, prefijo};
}

template <class T> void Juzga(int concepto, const std::vector<float> &sorteos, const std::vector<Caso> &casos)
{
    for (const Caso &c : casos) {
        EscenaConstruccion s;
        T *w = Elige<T>(s, concepto, sorteos);
        QVERIFY(w);
        QCOMPARE(s.responde(*w, c.respuesta), QStringList{c.mensaje()});
    }
}

// Random classroom answers: whole roots drawn from a small range, so that
// they crowd, with multiplicities up to 4 and leading coefficients whose
// expansion reaches the billions.
struct Azar {
    std::mt19937 gen{20261211};
    int entero(int a, int b) { return std::uniform_int_distribution<int>(a, b)(gen); }
    std::vector<int> valores(int n, int tope, bool distintos)
    {
        std::vector<int> v;
        while (static_cast<int>(v.size()) < n) {
            const int x = entero(1 - tope, tope - 1);
            if (!distintos || std::find(v.begin(), v.end(), x) == v.end())
                v.push_back(x);
        }
        return v;
    }
    QString principal()
    {
        static const char *const principales[] = {"1/3", "2/7", "0.1", "1000/7", "3000/7", "250000/3", "7/9"};
        return QString::fromLatin1(principales[entero(0, 6)]);
    }
};

// c (x - r)^m ... as the student types it.
QString Producto(const QString &principal, const std::map<double, int> &factores, const QString &extra = {})
{
    QString t = principal;
    for (auto [r, m] : factores)
        if (m > 0)
            t += QStringLiteral("(x%1%2)^%3").arg(r > 0 ? "-" : "+").arg(std::abs(r)).arg(m);
    return t + extra;
}

std::string Numero(double r)
{
    return QString::number(r).toStdString();
}

// The distinct values with how often each was drawn.
std::map<double, int> Cuenta(const std::vector<int> &valores)
{
    std::map<double, int> m;
    for (int v : valores)
        ++m[v];
    return m;
}

} // namespace

class tst_Veredictos : public QObject {
    Q_OBJECT
private slots:
    // The answer's real roots come from its record, not from dividing the
    // required ones out with a rounded remainder.
    void signo()
    {
        Juzga<frmConPosi>(1, RequisitoSigno({3, 4, 4, 4}, true),
                          {Bien("-1/3(x-3)(x-4)^7", 43),
                           Mal("-1/3(x-3)(x-4)^7(x-4.5)^2", 126),
                           Mal("1/3(x-3)(x-4)^7", 84, "3"),
                           Mal("-1/3(x-3)(x-4.5)^7", 83, "4")});
        Juzga<frmConPosi>(1, RequisitoSigno({-1, 2, 3, 4, 4}, true),
                          {Bien("1/3(x+1)(x-2)(x-3)(x-4)^8", 43),
                           Bien("2/7(x+1)(x-2)(x-3)(x-4)^4(x^2-12x+37)", 43),
                           Mal("2/7(x+1)(x-2)(x-3)(x-4)^4(x^2-12x+35)", 126)});
        // Neighbouring roots of multiplicity 6 to 8, which the record alone
        // may take for one cluster between them.
        Juzga<frmConPosi>(1, RequisitoSigno({-4, -4, -3, -3}, true),
                          {Bien("-1/3(x+3)^6(x+4)^8", 43), Mal("-1/3(x+3)^6(x+4)^8(x-1)^2", 126)});
        Juzga<frmConPosi>(1, RequisitoSigno({3, 4, 4}, false), {Bien("-1/3(x-3)^7(x-4)^8", 43)});
        Juzga<frmConPosi>(1, RequisitoSigno({-4, -2, -2, 2, 3, 3}, false),
                          {Bien("1/3(x+4)(x+2)^2(x-2)(x-3)^6", 43)});
        Juzga<frmConPosi>(1, RequisitoSigno({-3, 0, 0, 2, 3, 3}, true),
                          {Bien("-1/3x^2(x+3)(x-2)(x-3)^6", 43),
                           Mal("-1/3x^2(x+3)(x-2)(x-3)^6(x+1)", 126)});
    }

    // P(r) = 0 within what rounding leaves of terms of 1e11.
    void raicesGrandes()
    {
        Juzga<frmConRaices>(0, std::vector<float>{Cuantos(1, 6)} + Valores({9}, 10),
                            {Bien("0.1(x-9)^10", 40),
                             Bien("(x-9)^14", 40),
                             Mal("0.1(x-9)^10+1", 78, "9"),
                             Mal("0.1(x-8)^10", 78, "9")});
        // Both limits +inf: an even number of points, 8 and 9.
        Juzga<frmConExtension>(3, std::vector<float>{0, 0, Cuantos(2, 4)} + Valores({8, 9}, 10),
                               {Bien("0.1(x-8)(x-9)^9", 40), Mal("0.1(x-8)^2(x-10)^8", 78, "9")});
    }

    // Flat answers near a required root: P there is decided exactly and
    // held against the check's own 1e-6, so (x - 8.9)^8 (P(9) = 1e-8)
    // passes by that tolerance and (x - 8.8)^8 (2.56e-6) does not.
    void cerosPlanos()
    {
        const auto raiz = [](int r) { return std::vector<float>{Cuantos(1, 6)} + Valores({r}, 10); };
        Juzga<frmConRaices>(0, raiz(9),
                            {Bien("(x-8.9)^8", 40), Mal("(x-8.8)^8", 78, "9"), Mal("(x-9.2)^8", 78, "9"),
                             Mal("(x-8.7)^9", 78, "9"), Mal("(x-8.5)^10", 78, "9")});
        Juzga<frmConRaices>(0, raiz(-9),
                            {Mal("3(x+9.2)^4(x+8.8)^3", 78, "-9"), Mal("0.1(x+9.3)^4(x+9.4)^4", 78, "-9")});
        Juzga<frmConRaices>(0, raiz(8), {Mal("10(x-8.1)^4(x-8.3)^2(x-7.6)", 78, "8")});
    }

    // Other real roots in the sign construction: the exact roots of the
    // answer that no required root accounts for. A required root met only
    // within tolerance stands for the roots P reaches from it without
    // leaving [0, P(r)]: 4 for 4.1 in -(x - 3)(x - 4.1)^9 (P(4) = 1e-9), so
    // that is no other root; it is a sign change inside a band (below).
    void otrasRaicesExactas()
    {
        Juzga<frmConPosi>(1, RequisitoSigno({3, 4, 4, 4}, true), {Bien("-1/3(x-3)(x-4)^7", 43)});
        Juzga<frmConPosi>(1, RequisitoSigno({3, 4, 4, 4}, false), {Mal("(x-3)(x-4)^2(x-4.00005)", 126)});
        Juzga<frmConPosi>(1, RequisitoSigno({3}, true), {Mal("0.0000001(x-3)(x-5)^2", 126)});
        Juzga<frmConPosi>(1, RequisitoSigno({-4, -4, -3, -3}, false), {Bien("(x+3)^6(x+4)^8", 43)});
    }

    // Each band's sign holds on the whole band, decided exactly: a zero
    // that moved off its required place within the tolerance, or a bump of
    // a tiny leading coefficient, puts the other sign inside a band. The
    // monotonicity and concavity constructions judge P' and P'' alike.
    void bandasEnteras()
    {
        // Double root 0, both bands +; 4, 4 the same.
        Juzga<frmConPosi>(1, RequisitoSigno({0, 0}, false),
                          {Mal("-0.000000001(x-9)(x+9)", 84, "0"), Bien("x^2", 43), Bien("x^2+0.0000001", 43)});
        Juzga<frmConPosi>(1, RequisitoSigno({4, 4}, false),
                          {Mal("-0.0000001(x-3)(x-5)", 84, "4"), Bien("0.0000001(x-4)^2", 43)});
        // A single root 3, + then -: -0.5(x - 2.9)^9 is - on (2.9, 3).
        Juzga<frmConPosi>(1, RequisitoSigno({3}, false), {Mal("-0.5(x-2.9)^9", 84, "3"), Bien("-0.5(x-3)^9", 43)});
        // 3, 4, 4, 4 with -, +, -: -(x - 3)(x - 4.1)^9 is + on (4, 4.1).
        Juzga<frmConPosi>(1, RequisitoSigno({3, 4, 4, 4}, true),
                          {Mal("-(x-3)(x-4.1)^9", 84, "5"), Bien("-(x-3)(x-4)^9", 43)});
        // Inflections -2 and 1, negative first: P'' = -12(x + 2)(x - 1.0000001)
        // meets 1 within the construction's 1e-5 but is - on (1, 1.0000001).
        Juzga<frmConConcavidad>(10, std::vector<float>{0.1f} + Valores({-2, 1}, 10) + std::vector<float>{0.1f},
                                {Mal("-x^4-1.9999998x^3+12.0000012x^2", 118), Bien("-x^4-2x^3+12x^2", 43)});
    }

    // Extreme values decided exactly against the required end: a flat
    // tenth power is exactly its value there, and a ten-thousandth off is
    // another value.
    void extremosPlanos()
    {
        // Range kind (Int(3 r) + 1), sign (CInt(10 r) even +), size (Int(10 r)).
        const std::vector<float> desdeTres{0.7f, 0, 0.35f}, desdeCero{0.7f, 0, 0.05f}, hastaCinco{0.4f, 0, 0.55f};
        Juzga<frmConRango>(11, desdeTres,
                           {Bien("0.1(x-9)^10+3", 50), Mal("0.1(x-9)^10+3.0001", 218),
                            Mal("0.1(x-9)^10+2.9999", 223)});
        Juzga<frmConRango>(11, desdeCero, {Bien("0.1(x-9)^10", 50), Mal("0.1(x-9)^10-0.0001", 223)});
        Juzga<frmConRango>(11, hastaCinco,
                           {Bien("-0.1(x-9)^10+5", 50), Mal("-0.1(x-9)^10+5.0001", 223),
                            Mal("-0.1(x-9)^10+4.9999", 220)});
        // Absolute minimum -4.
        const std::vector<float> minimoMenosCuatro{0.7f, 0.1f, 0.45f};
        Juzga<frmConMaxMinAbs>(12, minimoMenosCuatro,
                               {Bien("0.1(x-9)^10-4", 78), Mal("0.1(x-9)^10-3.9999", 215),
                                Mal("0.1(x-9)^10-4.0001", 215)});
    }

    // Flat answers, one factor of multiplicity 7 to 10 a tenth to a half
    // off the required root: refused exactly when the factors put |P(r)|
    // above 1e-6; large flat minima meet a required range end exactly,
    // and a ten-thousandth off they do not.
    void propiedadPlana()
    {
        Azar azar;
        for (int prueba = 0; prueba < 20; ++prueba) {
            const int r = azar.entero(-9, 9);
            const int m = azar.entero(7, 10);
            const int decimas = azar.entero(1, 5) * (azar.entero(0, 1) ? 1 : -1);
            const QString c = azar.principal();
            // The truth: |P(r)| = |c| (decimas / 10)^m.
            Racional valor = *Racional::DesdeTexto(c.toStdString());
            for (int k = 0; k < m; ++k)
                valor = valor * Racional(decimas, 10);
            const QString respuesta = Producto(c, {{r + decimas / 10.0, m}});
            const std::vector<float> sorteos = std::vector<float>{Cuantos(1, 6)} + Valores({r}, 10);
            Juzga<frmConRaices>(0, sorteos,
                                {valor.Abs() <= Racional(1, 1000000) ? Bien(respuesta, 40)
                                                                     : Mal(respuesta, 78, Numero(r))});
        }
        for (int prueba = 0; prueba < 10; ++prueba) {
            const int e = azar.entero(0, 9);
            const QString c = azar.principal();
            const QString plano =
                QStringLiteral("%1(x-%2)^%3").arg(c).arg(azar.entero(1, 9)).arg(2 * azar.entero(3, 6));
            const std::vector<float> desde{0.7f, 0, (e + 0.5f) / 10};
            Juzga<frmConRango>(11, desde,
                               {Bien(plano + QStringLiteral("+%1").arg(e), 50),
                                Mal(plano + QStringLiteral("+%1.0001").arg(e), 218)});
        }
    }

    // P'(a) and P''(a) of answers of degree 13 to 15 with coefficients of
    // 1e9 to 1e11, zero but for rounding.
    void derivadasGrandes()
    {
        Juzga<frmConPtoCritico>(5, Valores({-3, 5, 8}, 9),
                                {Bien("10/3(x+3)^4(x-5)^4(x-8)^4(x-1)", 47),
                                 Mal("10/3(x+3)^4(x-5)^4(x-8.5)^4(x-1)", 95, "8")});
        Juzga<frmConPuntosInfle>(9, std::vector<float>{0.1f} + Valores({-1, 2}, 9),
                                 {Bien("3000/7(x+1)^5(x-2)^7(x-4)^3", 49),
                                  Mal("3000/7(x+1)^5(x-2)^6(x-4)^3", 98, "2"),
                                  Mal("3000/7(x+1)^5(x-2.5)^7(x-4)^3", 100, "2")});
    }

    // On small polynomials the checks' own bounds stand: |P'(a)| up to
    // 1e-5 at a critical point and |P''(a)| up to 1e-5 where the concavity
    // changes; within that bound the bands are still judged whole, and
    // P'' = -12(x^2 + x - 2.00000075) changes its concavity a quarter of a
    // millionth beyond -2 and 1.
    void toleranciasPropias()
    {
        // Critical points -1, 0, 2: P' = 12x(x + 1)(x - 2) + e.
        Juzga<frmConPtoCritico>(5, Valores({-1, 0, 2}, 9),
                                {Bien("3x^4-4x^3-12x^2+0.000009x", 47),
                                 Mal("3x^4-4x^3-12x^2+0.000011x", 95, "-1")});
        // Inflections -2 and 1, negative first: P'' = -12(x + 2)(x - 1) + e.
        Juzga<frmConConcavidad>(10, std::vector<float>{0.1f} + Valores({-2, 1}, 10) + std::vector<float>{0.1f},
                                {Mal("-x^4-2x^3+12.0000045x^2", 118),
                                 Mal("-x^4-2x^3+12.0000055x^2", 117, "-2")});
    }

    // Right answers are always accepted; moving one required root by half
    // a unit (or lowering the multiplicity that makes P' or P'' vanish)
    // is refused at that root.
    void propiedadAzar()
    {
        Azar azar;
        for (int prueba = 0; prueba < 25; ++prueba) {
            // Roots: any multiplicity, a crowded extra root half a unit off.
            const std::vector<int> raices = azar.valores(azar.entero(1, 6), 10, false);
            std::map<double, int> bien = Cuenta(raices);
            for (auto &[r, m] : bien)
                m = azar.entero(1, 3);
            int grado = 0;
            for (auto [r, m] : bien)
                grado += m;
            if (grado < static_cast<int>(raices.size()))
                bien.begin()->second += static_cast<int>(raices.size()) - grado;
            auto movida = bien;
            const double r = std::next(bien.begin(), azar.entero(0, static_cast<int>(bien.size()) - 1))->first;
            movida[r + 0.5] += movida[r];
            movida.erase(r);
            const QString c = azar.principal();
            std::vector<float> sorteos{Cuantos(static_cast<int>(raices.size()), 6)};
            sorteos = sorteos + Valores(raices, 10);
            Juzga<frmConRaices>(0, sorteos, {Bien(Producto(c, bien), 40)});
            if (movida.count(r) == 0)
                Juzga<frmConRaices>(0, sorteos, {Mal(Producto(c, movida), 78, Numero(r))});
        }
        for (int prueba = 0; prueba < 25; ++prueba) {
            // Critical points: each a root of P of multiplicity 2 to 4; one
            // left simple is no critical point.
            const std::vector<int> criticos = azar.valores(3, 9, false);
            std::map<double, int> bien = Cuenta(criticos);
            for (auto &[r, m] : bien)
                m = azar.entero(2, 4);
            const QString c = azar.principal();
            const QString extra = azar.entero(0, 1) ? QStringLiteral("(x^2+1)") : QStringLiteral("(x-9)");
            Juzga<frmConPtoCritico>(5, Valores(criticos, 9), {Bien(Producto(c, bien, extra), 47)});
            auto simple = bien;
            const double r = std::next(bien.begin(), azar.entero(0, static_cast<int>(bien.size()) - 1))->first;
            simple[r] = 1;
            if (bien.size() > 1 || extra.size() > 5)
                Juzga<frmConPtoCritico>(5, Valores(criticos, 9), {Mal(Producto(c, simple, extra), 95, Numero(r))});
        }
        for (int prueba = 0; prueba < 25; ++prueba) {
            // Inflections: roots of P of odd multiplicity 3 or 5; a double one
            // leaves P'' away from zero there.
            const int n = azar.entero(2, 3);
            const std::vector<int> inflexiones = azar.valores(n, 9, true);
            std::map<double, int> bien = Cuenta(inflexiones);
            for (auto &[r, m] : bien)
                m = 2 * azar.entero(1, 2) + 1;
            const QString c = azar.principal();
            const std::vector<float> sorteos = std::vector<float>{n == 2 ? 0.1f : 0.6f} + Valores(inflexiones, 9);
            Juzga<frmConPuntosInfle>(9, sorteos, {Bien(Producto(c, bien), 49)});
            auto doble = bien;
            const double r = std::next(bien.begin(), azar.entero(0, n - 1))->first;
            doble[r] = 2;
            Juzga<frmConPuntosInfle>(9, sorteos, {Mal(Producto(c, doble), 100, Numero(r))});
        }
        for (int prueba = 0; prueba < 25; ++prueba) {
            // Signs: each root with a multiplicity of the same parity, maybe
            // a factor without real roots, the leading sign to match.
            const std::vector<int> raices = azar.valores(azar.entero(1, 6), 5, false);
            std::map<double, int> bien = Cuenta(raices);
            for (auto &[r, m] : bien)
                m += 2 * azar.entero(0, 1);
            const QString extra = azar.entero(0, 1) ? QStringLiteral("(x^2-2x+5)") : QString();
            int grado = extra.isEmpty() ? 0 : 2;
            for (auto [r, m] : bien)
                grado += m;
            const bool negativo = azar.entero(0, 1) == 1;
            const bool principalNegativo = negativo != (grado % 2 == 1);
            const QString c = (principalNegativo ? QStringLiteral("-") : QString()) + azar.principal();
            const std::vector<float> sorteos = RequisitoSigno(raices, negativo);
            Juzga<frmConPosi>(1, sorteos, {Bien(Producto(c, bien, extra), 43)});
            auto movida = bien;
            const double r = std::next(bien.begin(), azar.entero(0, static_cast<int>(bien.size()) - 1))->first;
            movida[r + 0.5] = movida[r];
            movida.erase(r);
            Juzga<frmConPosi>(1, sorteos, {Mal(Producto(c, movida, extra), 83, Numero(r))});
        }
    }

    // Classes from the multiplicity of each root of P': -7 a double root
    // (no extremum), -6, -5 and -4 triple roots with P' changing sign again
    // within a quarter unit; P'' there is all rounding.
    void clasificacionPlana()
    {
        const std::vector<float> sorteos = std::vector<float>{0.7f} + Valores({-7, -6, -5, -4}, 9) +
                                           std::vector<float>{0.7f, 0, 0.4f, 0.4f};
        const auto p = [](double principal, std::vector<std::pair<double, int>> factores) {
            return Desarrollado(*Primitiva(principal, factores));
        };
        Juzga<frmConClaPtoCriti>(
            7, sorteos,
            {Bien(p(-1, {{-4, 3}, {-5, 3}, {-6, 3}, {-7, 2}, {-4.25, 1}, {-6.25, 1}}), 47),
             Mal(p(1, {{-4, 3}, {-5, 3}, {-6, 3}, {-7, 2}, {-4.25, 1}, {-6.25, 1}}), 98, "-6"),
             Mal(p(-1, {{-4, 3}, {-5, 3}, {-6, 3}, {-7, 3}, {-4.25, 1}, {-6.25, 1}}), 98, "-7"),
             Mal(p(-1, {{-4, 3}, {-5, 3}, {-6, 2}, {-7, 2}, {-4.25, 1}, {-6.25, 1}}), 98, "-6")});
    }
};

QTEST_MAIN(tst_Veredictos)
#include "tst_Veredictos.moc"
