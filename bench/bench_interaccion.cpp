// What a student waits for, offscreen, in a real session on the degree-5
// polynomial x^5 - 5x^3 + 4x: opening each of the thirteen exercise
// windows from the hub, "Listo" with a right answer (the first one where an
// exercise takes several) until the success message is up (the moment the
// modal hook is asked to show it), and the hub's "El usuario construye la
// gráfica". Then, on an odd product of 15 factors and on one of 100
// one-decimal factors, the polynomial proposed (Enter and "Continuar",
// which make its record: P, P', P'' and all their roots) and each exercise
// opened. Each is timed alone, everything around it untimed; a table at
// the end gives each in milliseconds beside one frame (16 ms).
#include "TiemposPorNombre.h"

#include "../tests/app/shell/tst_HubSesion.h"

#include "frmClaPtoCri.h"
#include "frmConcavidad.h"
#include "frmDerivada2.h"
#include "frmMaxMinAbs.h"
#include "frmMonotonia.h"
#include "frmParidad.h"
#include "frmPuntosCriticos.h"
#include "frmPuntosInfle.h"
#include "frmRango.h"
#include "frmderivada1.h"
#include "frmextension.h"
#include "frmposi.h"
#include "frmraices.h"

#include "UCDextavo.h"

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>

namespace {

using Reloj = std::chrono::steady_clock;

template <class T> T *Ventana() { return SesionPrueba::Ventana<T>(); }
frmPolical *Hub() { return SesionPrueba::Hub(); }
void Suelta()
{
    QCoreApplication::processEvents();
    SesionPrueba::Suelta();
}
void Pulsa(Usc *boton) { SesionPrueba::Pulsa(boton); }
void EscribePoli(RichTextPolin &caja, const QString &texto) { SesionPrueba::Escribe(caja, texto); }
void Escribe(UCDextavo *caja, const QString &texto)
{
    caja->Text(QString());
    QTest::keyClicks(caja->Caja(), texto);
}
// The ends of an interval and its quality (-1: none to choose).
void Intervalo(VentanaIntervalos *w, const QString &izq, const QString &der, int cualidad)
{
    Escribe(w->txtraices2(0), izq);
    Escribe(w->txtraices2(1), der);
    if (cualidad >= 0)
        w->OptCualidad(cualidad)->click();
}
QString Numero(double x) { return QString::number(x, 'f', 6); }

// The polynomials beyond degree 5, typed as their factors: x (x^2 - 1/4)
// (x^2 - 1) ... (x^2 - 49/4), and (x + 5)(x + 4.9) ... (x - 4.9).
QString Factores(int desde, int hasta, int denominador)
{
    QString texto;
    for (int k = hasta; k >= desde; --k) {
        const QString raiz = QString::number(std::abs(k) / static_cast<double>(denominador));
        texto += k == 0 ? QStringLiteral("(x)") : QStringLiteral("(x%1%2)").arg(k > 0 ? '+' : '-').arg(raiz);
    }
    return texto;
}

struct Grado {
    const char *nombre;
    QString texto;
    int repeticiones;
};

const Grado &GradoQuince()
{
    static const Grado g{"15", Factores(-7, 7, 2), 40};
    return g;
}

const Grado &GradoCien()
{
    static const Grado g{"100", Factores(-49, 50, 10), 10};
    return g;
}

// Where x^5 - 5x^3 + 4x has its largest critical point and inflection.
const double kCritico = std::sqrt((15 + std::sqrt(145.0)) / 10);
const double kInflexion = std::sqrt(1.5);

// The session of the window tests on the polynomial; the first message
// shown after a press notes the time (a right answer shows only its
// success message).
struct Sesion : SesionPrueba {
    std::optional<Reloj::time_point> exito;

    QString actual = QStringLiteral("x^5-5x^3+4x");

    Sesion()
    {
        principal->resize(1280, 800);
        DaPolinomio(actual);
        alMensaje = [this] {
            if (!exito)
                exito = Reloj::now();
        };
        for (int n = 0; n <= Exitos.UltimaFila(); ++n)
            if (!Exitos.Texto(0, n).empty())
                textosExito << QString::fromStdString(Exitos.Texto(0, n));
    }

    QStringList textosExito;

    // The first message since the press was a success message.
    bool PrimeroExito() const { return !mensajes.isEmpty() && textosExito.contains(mensajes.front()); }

    // The polynomial under study becomes texto, unless it is already.
    void Usa(const QString &texto)
    {
        if (actual == texto)
            return;
        DaPolinomio(texto);
        actual = texto;
    }

    // The hub as it was before the concept was worked, the one it needs
    // (if any) worked already.
    void Olvida(int concepto, int previo)
    {
        if (previo >= 0)
            ConceptoResuelto[static_cast<std::size_t>(previo)] = true;
        ConceptoResuelto[static_cast<std::size_t>(concepto)] = false;
        Hub()->OptCalcConcepto(concepto)->setEnabled(true);
        Hub()->OptCalcConcepto(concepto)->setChecked(false);
    }
};

// Made by the first benchmark that needs it and ended by main while the
// application still stands: its windows (the assistant's among them) must
// not outlive it.
std::unique_ptr<Sesion> g_sesion;

Sesion &LaSesion()
{
    if (!g_sesion)
        g_sesion = std::make_unique<Sesion>();
    return *g_sesion;
}

// One exercise: its concept in the hub, how a right answer is given, and
// how it is left unanswered.
struct Ejercicio {
    const char *nombre;
    int concepto;
    std::function<QWidget *()> ventana;
    std::function<void()> responde;
    std::function<Usc *()> listo;
    std::function<Usc *()> cancelar;
    int previo = -1; // a concept that must be worked first
};

const Ejercicio kEjercicios[] = {
    {"derivada1", 4, [] { return Ventana<frmderivada1>(); },
     [] { EscribePoli(*Ventana<frmderivada1>()->RtpPidePoliR(), QStringLiteral("5x^4-15x^2+4")); },
     [] { return Ventana<frmderivada1>()->cmdListo(); }, [] { return Ventana<frmderivada1>()->cmdCancelar(); }},
    {"Derivada2", 8, [] { return Ventana<frmDerivada2>(); },
     [] { EscribePoli(*Ventana<frmDerivada2>()->RtpPidePoliR(), QStringLiteral("20x^3-30x")); },
     [] { return Ventana<frmDerivada2>()->cmdListo(); }, [] { return Ventana<frmDerivada2>()->cmdCancelar(); }},
    {"Paridad", 2, [] { return Ventana<frmParidad>(); }, [] { Ventana<frmParidad>()->OptParidad(0)->click(); },
     [] { return Ventana<frmParidad>()->cmdListo(); }, [] { return Ventana<frmParidad>()->cmdCancelar(); }},
    {"extension", 3, [] { return Ventana<frmextension>(); },
     [] {
         QTest::keyClicks(Ventana<frmextension>()->txtLimite(0)->Caja(), QStringLiteral("-i"));
         QTest::keyClicks(Ventana<frmextension>()->txtLimite(1)->Caja(), QStringLiteral("+i"));
     },
     [] { return Ventana<frmextension>()->CmdExtensaListo(); },
     [] { return Ventana<frmextension>()->CmdExtensaCancelar(); }},
    // The first right answer of the exercises that take several.
    {"raices", 0, [] { return Ventana<frmraices>(); },
     [] { Escribe(Ventana<frmraices>()->txtRespuesta(), QStringLiteral("5")); },
     [] { return Ventana<frmraices>()->cmdListo(); }, [] { return Ventana<frmraices>()->cmdcalcelar(); }},
    {"posi", 1, [] { return Ventana<frmposi>(); },
     [] { Intervalo(Ventana<frmposi>(), QStringLiteral("2"), QStringLiteral("i"), 0); },
     [] { return Ventana<frmposi>()->cmdListo(); }, [] { return Ventana<frmposi>()->cmdCancelar(); }},
    {"PuntosCriticos", 5, [] { return Ventana<frmPuntosCriticos>(); },
     [] { Escribe(Ventana<frmPuntosCriticos>()->txtRespuesta(), Numero(kCritico)); },
     [] { return Ventana<frmPuntosCriticos>()->cmdListo(); },
     [] { return Ventana<frmPuntosCriticos>()->cmdcalcelar(); }},
    {"Monotonia", 6, [] { return Ventana<frmMonotonia>(); },
     [] { Intervalo(Ventana<frmMonotonia>(), Numero(kCritico), QStringLiteral("i"), 0); },
     [] { return Ventana<frmMonotonia>()->cmdListo(); }, [] { return Ventana<frmMonotonia>()->cmdCancelar(); }},
    // The first critical point in order is a maximum; the critical points
    // must have been found.
    {"ClaPtoCri", 7, [] { return Ventana<frmClaPtoCri>(); }, [] { Ventana<frmClaPtoCri>()->OptParidad(1)->click(); },
     [] { return Ventana<frmClaPtoCri>()->cmdListo(); }, [] { return Ventana<frmClaPtoCri>()->cmdCancelar(); }, 5},
    {"PuntosInfle", 9, [] { return Ventana<frmPuntosInfle>(); },
     [] { Escribe(Ventana<frmPuntosInfle>()->txtRespuesta(), QStringLiteral("0")); },
     [] { return Ventana<frmPuntosInfle>()->cmdListo(); }, [] { return Ventana<frmPuntosInfle>()->cmdcalcelar(); }},
    {"Concavidad", 10, [] { return Ventana<frmConcavidad>(); },
     [] { Intervalo(Ventana<frmConcavidad>(), Numero(kInflexion), QStringLiteral("i"), 0); },
     [] { return Ventana<frmConcavidad>()->cmdListo(); }, [] { return Ventana<frmConcavidad>()->cmdCancelar(); }},
    {"Rango", 11, [] { return Ventana<frmRango>(); },
     [] { Intervalo(Ventana<frmRango>(), QStringLiteral("-i"), QStringLiteral("i"), -1); },
     [] { return Ventana<frmRango>()->cmdListo(); }, [] { return Ventana<frmRango>()->cmdCancelar(); }},
    // An odd degree has no absolute extrema.
    {"MaxMinAbs", 12, [] { return Ventana<frmMaxMinAbs>(); }, [] { Ventana<frmMaxMinAbs>()->OptMaxMin(1)->click(); },
     [] { return Ventana<frmMaxMinAbs>()->cmdListo(); }, [] { return Ventana<frmMaxMinAbs>()->cmdCancelar(); }},
};

void Abre(benchmark::State &estado, const Ejercicio &e, const Grado *g)
{
    Sesion &s = LaSesion();
    if (g)
        s.Usa(g->texto);
    for (auto _ : estado) {
        s.Olvida(e.concepto, e.previo);
        Suelta();
        const auto t0 = Reloj::now();
        Hub()->OptCalcConcepto(e.concepto)->click();
        Suelta();
        estado.SetIterationTime(std::chrono::duration<double>(Reloj::now() - t0).count());
        Pulsa(e.cancelar());
        Suelta();
    }
}

void Listo(benchmark::State &estado, const Ejercicio &e)
{
    Sesion &s = LaSesion();
    s.Usa(QStringLiteral("x^5-5x^3+4x"));
    for (auto _ : estado) {
        s.Olvida(e.concepto, e.previo);
        Hub()->OptCalcConcepto(e.concepto)->click();
        Suelta();
        e.responde();
        Suelta();
        s.exito.reset();
        s.mensajes.clear();
        const auto t0 = Reloj::now();
        Pulsa(e.listo());
        const auto t1 = s.exito.value_or(Reloj::now());
        estado.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
        if (!s.exito || !s.PrimeroExito())
            estado.SkipWithError("the right answer was not taken");
        Suelta();
        if (e.ventana())
            Pulsa(e.cancelar());
        Suelta();
    }
}

// The polynomial typed in "El usuario propone un polinomio" (untimed),
// then Enter and "Continuar": the record and the hub's analysis.
void Propone(benchmark::State &estado, const Grado *g)
{
    Sesion &s = LaSesion();
    for (auto _ : estado) {
        Hub()->mnutupropo()->trigger();
        frmpidepoli *w = Ventana<frmpidepoli>();
        SesionPrueba::Escribe(*w->RtpPidepoli1(), g->texto);
        Suelta();
        const auto t0 = Reloj::now();
        QTest::keyClick(w->RtpPidepoli1()->Caja(), Qt::Key_Return);
        Pulsa(w->CmdContinuar());
        Suelta();
        estado.SetIterationTime(std::chrono::duration<double>(Reloj::now() - t0).count());
    }
    s.actual = g->texto;
}

void ConstruyeGrafica(benchmark::State &estado)
{
    LaSesion().Usa(QStringLiteral("x^5-5x^3+4x"));
    for (auto _ : estado) {
        Suelta();
        const auto t0 = Reloj::now();
        Hub()->mnuConsGraf()->trigger();
        Suelta();
        estado.SetIterationTime(std::chrono::duration<double>(Reloj::now() - t0).count());
        Hub()->cmdCancelar_Click();
        Suelta();
    }
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QUORVANE_DATA_DIR"))
        qputenv("QUORVANE_DATA_DIR", QUORVANE_DATOS);
    QApplication app(argc, argv);
    // CI's brief run: a few of each.
    const bool breve = !qEnvironmentVariableIsEmpty("QUORVANE_MEDICION_BREVE");
    auto veces = [breve](int n) { return breve ? 2 : n; };
    for (const Ejercicio &e : kEjercicios) {
        benchmark::RegisterBenchmark((std::string("Abre/") + e.nombre).c_str(), Abre, e, nullptr)
            ->UseManualTime()
            ->Iterations(veces(40))
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string("Listo/") + e.nombre).c_str(), Listo, e)
            ->UseManualTime()
            ->Iterations(veces(40))
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("ConstruyeGrafica", ConstruyeGrafica)
        ->UseManualTime()
        ->Iterations(veces(40))
        ->Unit(benchmark::kMillisecond);
    for (const Grado *g : {&GradoQuince(), &GradoCien()}) {
        benchmark::RegisterBenchmark((std::string("Propone/") + g->nombre).c_str(), Propone, g)
            ->UseManualTime()
            ->Iterations(veces(5))
            ->Unit(benchmark::kMillisecond);
        for (const Ejercicio &e : kEjercicios)
            benchmark::RegisterBenchmark((std::string("Abre/") + e.nombre + "/" + g->nombre).c_str(), Abre, e, g)
                ->UseManualTime()
                ->Iterations(veces(g->repeticiones))
                ->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    TiemposPorNombre tabla([](const TiemposPorNombre &t) {
        std::printf("\n%-28s %10s %8s\n", "espera", "ms", "< 16 ms");
        auto fila = [&t](const std::string &nombre) {
            const double ms = t.Tiempo(nombre);
            if (ms > 0)
                std::printf("%-28s %10.3f %8s\n", nombre.c_str(), ms, ms < 16 ? "si" : "NO");
        };
        for (const Ejercicio &e : kEjercicios) {
            fila(std::string("Abre/") + e.nombre);
            fila(std::string("Listo/") + e.nombre);
        }
        fila("ConstruyeGrafica");
        for (const Grado *g : {&GradoQuince(), &GradoCien()}) {
            fila(std::string("Propone/") + g->nombre);
            for (const Ejercicio &e : kEjercicios)
                fila(std::string("Abre/") + e.nombre + "/" + g->nombre);
        }
    });
    benchmark::RunSpecifiedBenchmarks(&tabla);
    g_sesion.reset();
    benchmark::Shutdown();
}
