#include "frmraices.h"

#include "PanelHerramientas.h"

#include "Globales.h"
#include "ModCadena.h"
#include "ModCalculos.h"
#include "VentanaDibujo.h"
#include "Ventanas.h"
#include "dibujo.h"
#include "modTexto.h"

#include "Azar.h"
#include "PictureEjes.h"
#include "QBColor.h"
#include "Twips.h"
#include "UCDextavo.h"
#include "Usc.h"

#include <QGroupBox>
#include <QLabel>

#include <algorithm>
#include <cmath>

namespace {
constexpr std::int32_t ColorRaiz = 0x008000;  // RGB(0, 128, 0)
constexpr std::int32_t ColorFallo = 0x0000FF; // RGB(255, 0, 0)
// A root is a typed value within half a percent of it (0.005 absolute at 0).
constexpr double ToleranciaRaiz = 0.005;
// A wrong value within 10 % of a root is told it is close.
constexpr double ToleranciaCerca = 0.1;

VentanaPuntos::Reglas reglas()
{
    VentanaPuntos::Reglas r;
    r.pestana = QStringLiteral("&Raíces reales dadas");
    r.marca = {5, ColorRaiz, true};
    r.herramientas.puntosGrafica = true;
    return r;
}

} // namespace

frmraices::frmraices()
    : VentanaPuntos(QStringLiteral("RAÍCES"), reglas())
{
    herramientas()->AlLimpiarGrafica([this] { marcaDadas(); });
}

DatosCamino frmraices::datosCamino(Camino camino) const
{
    DatosCamino d;
    d.opcion = 0;
    d.actual = 1;
    d.barra = {{1, true}, {2, true}, {3, true}, {4, true}, {5, true}, {6, true}};
    if (camino == Camino::GraficaPoli) {
        d.instruccion = 3;
        d.ayuda = 6;
        d.apoyo = 59;
        d.titulo = "Quorvane: A partir de la gráfica del polinomio y su tabulación, calcular las raíces.";
        d.recorre = true;
        d.barra.insert(d.barra.end(), {{7, false}, {8, true}});
    } else {
        d.instruccion = 1;
        d.ayuda = 21;
        d.apoyo = 6;
        d.titulo = "Quorvane: De la expresión analítica del polinomio a su visualización gráfica: "
                   "Calcular las Raíces Reales";
        d.barra.insert(d.barra.end(), {{7, true}, {8, false}});
    }
    return d;
}

void frmraices::alIniciar()
{
    UCDextavo *caja = txtRespuesta();
    caja->Text(QString());
    const bool grafica = camino() == Camino::GraficaPoli;
    m_pideCuantas = !grafica;
    if (m_pideCuantas) {
        caja->setFixedSize(plataforma::TwipsAPixeles(850), plataforma::TwipsAPixeles(375));
        caja->SoloEntero(true);
        caja->MaxLength(2);
        CmdOk()->hide();
        fraHerramienta()->hide();
    } else {
        caja->setFixedSize(plataforma::TwipsAPixeles(1600), plataforma::TwipsAPixeles(375));
        caja->SoloEntero(false);
        caja->MaxLength(8);
        herramientas()->cmdGraficaPtos()->hide();
        herramientas()->cmdLimpiaGraf()->hide();
    }

    m_dadas.clear();
    const std::vector<double> raices = PoliActual ? RaicesReales(*PoliActual) : std::vector<double>{};
    fijaFaltantes(raices);
}

void frmraices::revisa(double x)
{
    if (m_pideCuantas)
        revisaCuantas(x);
    else
        revisaRaiz(x);
}

void frmraices::revisaCuantas(double x)
{
    const long cuantas = std::lround(x);
    const long grado = PoliActual->Polin()->Grado();
    const bool cabe = cuantas <= grado;
    const bool paridad = (grado - cuantas) % 2 == 0;
    if (!cabe || !paridad || cuantas < numFaltantes()) {
        MuestraError("", !cabe ? 7 : !paridad ? 8 : 10);
        vaciaRespuesta(true);
        return;
    }
    MuestraExito(cuantas == grado ? 0 : 70);
    pasaARaices();
}

void frmraices::pasaARaices()
{
    UCDextavo *caja = txtRespuesta();
    CmdOk()->show();
    herramientas()->cmdGraficaPtos()->show();
    herramientas()->cmdLimpiaGraf()->show();
    fraHerramienta()->show();
    m_pideCuantas = false;
    lblraicesm()->setText(QString::fromStdString(TextoInstrucciones(2, caja->Text().toStdString())));
    caja->setFixedSize(plataforma::TwipsAPixeles(1600), plataforma::TwipsAPixeles(375));
    caja->SoloEntero(false);
    caja->MaxLength(8);
    vaciaRespuesta(true);
    entraContexto(6, 7, "Quorvane: De la expresión analítica del polinomio a su visualización gráfica: "
                        "Calculando las Raíces Reales");
}

void frmraices::revisaRaiz(double x)
{
    if (numFaltantes() == 0) {
        MuestraError("", 29);
        return;
    }
    const int i = buscaFaltante(x, ToleranciaRaiz);
    if (i >= 0) {
        m_dadas.push_back(acepta(i, x));
        MuestraExito(numFaltantes() == 0 ? 12 : 2);
        vaciaRespuesta(true);
        return;
    }
    // Given before: typed again with no copy of a multiple root left for
    // it, or exactly a root already given.
    if (i == Repetido || std::find(m_dadas.begin(), m_dadas.end(), x) != m_dadas.end()) {
        MuestraError("", 60);
        vaciaRespuesta(true);
        return;
    }
    const bool cerca = std::any_of(puntosFaltantes().begin(), puntosFaltantes().end(),
                                   [x](double r) { return CasiIgual(x, r, ToleranciaCerca); });
    const auto error = static_cast<std::int16_t>(rt::EnteroAzar0(3) + (cerca ? 3 : 0));
    MarcaAbscisas(x, PoliActual->Polin()->Eval(x), 3, true, ColorFallo);
    MuestraError("", error);
    vaciaRespuesta(true);
}

void frmraices::termina()
{
    if (numFaltantes() != 0 && faltaDistinto()) {
        MuestraError("", 12);
        return;
    }
    // Every distinct root was given; a multiple one perhaps fewer times
    // than its multiplicity.
    Termina(0, numFaltantes() != 0 ? 52 : 1);
}

void frmraices::marcaDadas() const
{
    if (!PoliActual || !PoliActual->Polin())
        return;
    for (double r : m_dadas)
        MarcaAbscisas(r, PoliActual->Polin()->Eval(r), 5, false, ColorRaiz);
}

void frmraices::alSalir(bool terminado)
{
    VentanaPuntos::alSalir(terminado);
    if (!PoliActual || !PoliActual->Polin())
        return;
    if (!terminado) {
        // The accepted roots are forgotten with the graph's marks.
        m_dadas.clear();
        if (camino() == Camino::Analitico)
            herramientas()->cmdLimpiaGraf_Click(1);
        return;
    }
    VentanaDibujo *g = VentanaGraficaActual();
    if (!g)
        return;
    g->picejGraf().Limpia();
    MuestraEscalaEjes(*PoliActual);
    // The secret is out: the graph road shows P at last.
    if (camino() == Camino::GraficaPoli)
        GraficaPolinomio(*PoliActual->Polin(), g->picejGraf(), rt::QBColor(1), 13);
    for (double r : RaicesReales(*PoliActual))
        MarcaAbscisas(r, 0, 5, false, ColorRaiz);
}
