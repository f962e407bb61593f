// Memory kept for good by a visit to a window: offscreen, in a real session
// on x^5 - 5x^3 + 4x, each of the thirteen exercises is opened from the hub
// and each of the thirteen constructions from the construction chooser, and
// cancelled, N times (2,000 unless --ciclos=N is given; 10 when the
// environment asks for a brief run with QUORVANE_MEDICION_BREVE, as CI's
// check that every benchmark still runs does), after a few visits
// that fill the program's and Qt's caches. The heap in use before and after
// (glibc's mallinfo2) gives the growth per visit; a table at the end gives
// it in bytes beside the limit of 100 bytes per visit.
#include "../tests/app/shell/tst_HubSesion.h"

#include "PreparaAplicacion.h"
#include "frmConceptos.h"

#include "Usc.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QRadioButton>

#include <malloc.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <string>

namespace {

constexpr int Calentamiento = 30;
constexpr double Limite = 100; // bytes per visit

int Ciclos = 2000;
// In the concept order.
const char *const kEjercicios[13] = {"raices", "posi", "Paridad", "extension", "derivada1", "PuntosCriticos",
                                     "Monotonia", "ClaPtoCri", "Derivada2", "PuntosInfle", "Concavidad", "Rango",
                                     "MaxMinAbs"};
const char *const kConstrucciones[13] = {"ConRaices", "ConPosi", "ConParidad", "ConExtension", "ConDerivada",
                                         "ConPtoCritico", "ConMonotonia", "ConClaPtoCriti", "ConDerivada2",
                                         "ConPuntosInfle", "ConConcavidad", "ConRango", "ConMaxMinAbs"};
std::map<std::string, double> PorCiclo;
std::vector<std::string> Orden;

std::size_t EnUso()
{
    const struct mallinfo2 m = mallinfo2();
    return m.uordblks + m.hblkhd;
}

void Suelta()
{
    QCoreApplication::processEvents();
    SesionPrueba::Suelta();
}

// The "Cancelar" a window shows.
Usc *Cancelar(VentanaBase *w)
{
    for (Usc *b : w->findChildren<Usc *>())
        if (b->Caption() == QLatin1String("Cancelar") && b->isVisibleTo(w))
            return b;
    return nullptr;
}

// One visit: the window opened by abre, then its "Cancelar" pressed.
bool Visita(const std::function<void()> &abre)
{
    const QList<VentanaBase *> antes = GestorVentanas::instancia().cargadas();
    abre();
    Suelta();
    for (VentanaBase *w : GestorVentanas::instancia().cargadas()) {
        if (antes.contains(w) || qobject_cast<frmConceptos *>(w))
            continue;
        if (Usc *c = Cancelar(w)) {
            SesionPrueba::Pulsa(c);
            Suelta();
            return true;
        }
    }
    return false;
}

// Exercise k from the hub, as if its concept had not been worked (the
// classification of critical points needs them found first).
void AbreEjercicio(int k)
{
    if (frmConceptos *selector = SesionPrueba::Ventana<frmConceptos>()) {
        SesionPrueba::Pulsa(selector->cmdCancelar());
        Suelta();
    }
    if (k == 7)
        ConceptoResuelto[5] = true;
    ConceptoResuelto[static_cast<std::size_t>(k)] = false;
    QRadioButton *opcion = SesionPrueba::Hub()->OptCalcConcepto(k);
    opcion->setEnabled(true);
    opcion->setChecked(false);
    opcion->click();
}

// Construction k from the chooser, opened from the hub if need be.
void AbreConstruccion(int k)
{
    frmConceptos *selector = SesionPrueba::Ventana<frmConceptos>();
    if (!selector) {
        SesionPrueba::Hub()->mnuConceptos()->trigger();
        Suelta();
        selector = SesionPrueba::Ventana<frmConceptos>();
    }
    if (selector)
        selector->OptConcepto(k)->click();
}

void Crecimiento(benchmark::State &estado, const std::string &nombre, const std::function<void()> &abre)
{
    for (int i = 0; i < Calentamiento; ++i)
        if (!Visita(abre)) {
            estado.SkipWithError("the window did not open or has no Cancelar");
            return;
        }
    const std::size_t antes = EnUso();
    for (auto _ : estado)
        Visita(abre);
    const double porCiclo = (double(EnUso()) - double(antes)) / double(estado.iterations());
    estado.counters["B/visita"] = porCiclo;
    PorCiclo[nombre] = porCiclo;
}

} // namespace

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsEmpty("QUORVANE_MEDICION_BREVE"))
        Ciclos = 10;
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--ciclos=", 9) == 0) {
            Ciclos = std::max(1, std::atoi(argv[i] + 9));
            for (int j = i; j + 1 < argc; ++j)
                argv[j] = argv[j + 1];
            --argc;
            break;
        }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QUORVANE_DATA_DIR"))
        qputenv("QUORVANE_DATA_DIR", QUORVANE_DATOS);
    QApplication app(argc, argv);
    // The program's own icon and names, as its windows draw them.
    PreparaAplicacion();
    // The session ends here, before the application does.
    auto sesion = std::make_unique<SesionPrueba>();
    sesion->principal->resize(1280, 800);
    sesion->DaPolinomio(QStringLiteral("x^5-5x^3+4x"));

    const auto registra = [](const std::string &nombre, std::function<void()> abre) {
        Orden.push_back(nombre);
        benchmark::RegisterBenchmark(nombre.c_str(),
                                     [nombre, abre](benchmark::State &e) { Crecimiento(e, nombre, abre); })
            ->Iterations(Ciclos)
            ->Unit(benchmark::kMillisecond);
    };
    for (int k = 0; k < 13; ++k)
        registra(std::string("Ejercicio/") + kEjercicios[k], [k] { AbreEjercicio(k); });
    for (int k = 0; k < 13; ++k)
        registra(std::string("Construccion/") + kConstrucciones[k], [k] { AbreConstruccion(k); });

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    std::printf("\n%-20s %14s %8s\n", "visita", "B por visita", "< 100 B");
    for (const std::string &nombre : Orden) {
        const auto it = PorCiclo.find(nombre);
        if (it != PorCiclo.end())
            std::printf("%-28s %14.1f %8s\n", nombre.c_str(), it->second, it->second < Limite ? "si" : "NO");
    }
    sesion.reset();
}
