#include "VentanaIntervalos.h"

#include "CadenaRespuestas.h"

#include "ControlesRespuesta.h"
#include "EntradaNumerica.h"
#include "PanelHerramientas.h"

#include "ExpresionRtf.h"
#include "ModCadena.h"
#include "Utilerias.h"
#include "VentanaDibujo.h"
#include "Ventanas.h"
#include "dibujo.h"

#include "PictureEjes.h"
#include "RichTextBox.h"
#include "UCDextavo.h"
#include "Usc.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

namespace {
// Where a band from minus infinity starts, right of the graph's edge.
constexpr double MargenBanda = 0.2;
} // namespace

VentanaIntervalos::VentanaIntervalos(const DisenoIntervalos &diseno)
    : VentanaEjercicio(diseno.titulo)
{
    auto *fraIntervalo = new QHBoxLayout;
    if (!diseno.rotulo.isEmpty()) {
        m_lblIntervalo = new QLabel(diseno.rotulo, this);
        fraIntervalo->addWidget(m_lblIntervalo);
    }
    m_lblposi3 = new QLabel(diseno.antes, this);
    fraIntervalo->addWidget(m_lblposi3);
    for (int i = 0; i < 2; ++i) {
        auto *caja = new UCDextavo(this);
        caja->HayInfinito(true);
        caja->ToolTipDtav(i == 0 ? QStringLiteral("extremo izq. del intervalo (un número)")
                                 : QStringLiteral("extremo der. del intervalo (un número)"));
        m_extremos[static_cast<std::size_t>(i)] = caja;
        if (i == 1)
            fraIntervalo->addWidget(new QLabel(QStringLiteral(","), this));
        fraIntervalo->addWidget(caja, 1);
        conectaCaja(*caja, [this] { cmdListo_Click(1); }, OpcionesCaja{true, true, diseno.soltar});
    }
    m_lblgrafica3 = new QLabel(QStringLiteral(")"), this);
    fraIntervalo->addWidget(m_lblgrafica3);
    zonaRespuesta()->addLayout(fraIntervalo);

    m_grupo = new QButtonGroup(this);
    m_opciones = CreaOpciones(*this, *zonaRespuesta(), *m_grupo, diseno.cualidades, [this](int i) { alElegir(i); });

    auto *botones = new QHBoxLayout;
    m_listo = BotonEnFila(*this, *botones, QStringLiteral("Listo"));
    m_borrar = BotonEnFila(*this, *botones, diseno.borrar);
    m_ok = BotonEnFila(*this, *botones, QStringLiteral("Terminar"));
    m_cancelar = BotonEnFila(*this, *botones, QStringLiteral("Cancelar"));
    zonaRespuesta()->addLayout(botones);
    connect(m_listo, &Usc::Click, this, [this](int razon) { cmdListo_Click(razon); });
    connect(m_borrar, &Usc::Click, this, [this](int razon) { cmdBorrar_Click(razon); });
    connect(m_ok, &Usc::Click, this, [this](int razon) { CmdOk_Click(razon); });
    connect(m_cancelar, &Usc::Click, this, [this](int) { Cancela(); });
    RevisaCajas(*m_listo, {m_extremos[0], m_extremos[1]});
    SalidaSinRevisar(*m_cancelar);

    PanelHerramientas *h = agregaHerramientas(diseno.herramientas);
    m_rtbIntervalos = new RichTextBox(h->stabRaices());
    m_rtbIntervalos->SetLocked(true);
    h->stabRaices()->addTab(m_rtbIntervalos, diseno.pestana);
}

QRadioButton *VentanaIntervalos::OptCualidad(int i) const
{
    return i >= 0 && i < int(m_opciones.size()) ? m_opciones[static_cast<std::size_t>(i)] : nullptr;
}

QWidget *VentanaIntervalos::controlRespuesta() const
{
    return m_extremos[0];
}

void VentanaIntervalos::alElegir(int)
{
    m_listo->Enabled(true);
}

void VentanaIntervalos::cmdBorrar_Click(int)
{
    for (auto *c : m_extremos)
        c->Text(QString());
    desmarcaCualidades();
    if (!m_opciones.empty())
        m_listo->Enabled(false);
    m_extremos[0]->setFocus();
}

bool VentanaIntervalos::leeExtremo(int i, double &valor)
{
    UCDextavo *caja = m_extremos[static_cast<std::size_t>(i)];
    if (caja->Text().isEmpty()) {
        MuestraError("", static_cast<std::int16_t>(163 + i));
        caja->setFocus();
        return false;
    }
    if (ValidaCajaNumerica(*caja) >= 1)
        return false;
    valor = caja->NumAceptado();
    return true;
}

bool VentanaIntervalos::leeExtremosOAnula()
{
    for (int i = 0; i < 2; ++i) {
        if (leeExtremo(i, i == 0 ? m_izq : m_der))
            continue;
        if (!m_extremos[static_cast<std::size_t>(i)]->Text().isEmpty())
            anulaEleccion();
        return false;
    }
    return true;
}

void VentanaIntervalos::anulaEleccion()
{
    desmarcaCualidades();
    m_listo->Enabled(false);
}

int VentanaIntervalos::elegida() const
{
    return m_grupo->checkedId();
}

void VentanaIntervalos::desmarcaCualidades()
{
    DesmarcaGrupo(*m_grupo);
}

int VentanaIntervalos::sustituye(int n) const
{
    if (m_izq == INFINITO)
        return 134;
    if (m_izq == m_der)
        return 133;
    return n;
}

void VentanaIntervalos::marcaError(int n)
{
    MuestraError("", static_cast<std::int16_t>(sustituye(n)));
    anulaEleccion();
    m_extremos[0]->setFocus();
}

void VentanaIntervalos::cargaAbiertos(const ResultadoIntervalos &r)
{
    m_abiertos = r.intervalos;
    m_signos = r.codigos;
    m_signos.resize(m_abiertos.size(), CODIGO_NULO);
    m_ultimo = int(m_abiertos.size()) - 1;
    m_dados.clear();
    m_cadena.clear();
}

namespace {
// How far typed ends are from an interval, in CasiIgual's measure.
double Distancia(const Intervalo &tecleado, const Intervalo &t)
{
    return ErrorRelativo(tecleado.izquierdo, t.izquierdo) + ErrorRelativo(tecleado.derecho, t.derecho);
}

bool Coinciden(const Intervalo &tecleado, const Intervalo &t, double tol)
{
    return CasiIgual(tecleado.izquierdo, t.izquierdo, tol) && CasiIgual(tecleado.derecho, t.derecho, tol);
}
} // namespace

int VentanaIntervalos::abiertoCercano(const Intervalo &tecleado, int cualidad, double tol) const
{
    int mejor = -1;
    double d = std::numeric_limits<double>::infinity();
    for (int i = 0; i <= m_ultimo; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (m_signos[k] == cualidad && Coinciden(tecleado, m_abiertos[k], tol)
            && Distancia(tecleado, m_abiertos[k]) < d) {
            mejor = i;
            d = Distancia(tecleado, m_abiertos[k]);
        }
    }
    return mejor;
}

VentanaIntervalos::Juicio VentanaIntervalos::juzga(double izq, double der, int cualidad, double tol,
                                                   double tolDados)
{
    // A relative tolerance is not symmetric, and on crowded ends several
    // intervals may lie within it: the nearest one is meant, never simply
    // the first.
    m_cadena.clear();
    const Intervalo tecleado{izq, der};
    // An answer typed again, the same ends and quality, stands for no
    // neighbour; any other one is given already only when no open
    // interval is left for it, directly or along a chain.
    const auto igual = [&](const Dado &d) {
        return d.respuesta.izquierdo == izq && d.respuesta.derecho == der;
    };
    if (std::any_of(m_dados.begin(), m_dados.end(), [&](const Dado &d) { return igual(d) && d.cualidad == cualidad; }))
        return {Juicio::YaDado, -1};
    const int cercano = abiertoCercano(tecleado, cualidad, tol);
    if (cercano >= 0)
        return {Juicio::Acepta, cercano};
    // An interval given may have been read from an answer that stands for
    // an open one as well.
    const CadenaRespuestas cadena = CadenaRespuestas::busca(
        m_dados.size(),
        [&](std::size_t k) { return m_dados[k].cualidad == cualidad && Coinciden(tecleado, m_dados[k].intervalo, tol); },
        [&](std::size_t k, std::size_t j) {
            return m_dados[j].cualidad == m_dados[k].cualidad
                   && Coinciden(m_dados[k].respuesta, m_dados[j].intervalo, tol);
        },
        [&](std::size_t k) { return abiertoCercano(m_dados[k].respuesta, m_dados[k].cualidad, tol); });
    if (cadena.libre >= 0) {
        m_cadena = cadena.tomados;
        return {Juicio::Acepta, cadena.libre};
    }
    constexpr double Lejos = std::numeric_limits<double>::infinity();
    int otra = -1, derecho = -1;
    double dOtra = Lejos, dIzq = Lejos, dDer = Lejos;
    for (int i = 0; i <= m_ultimo; ++i) {
        const Intervalo &t = m_abiertos[static_cast<std::size_t>(i)];
        const double ei = ErrorRelativo(izq, t.izquierdo);
        const double ed = ErrorRelativo(der, t.derecho);
        if (ei >= tol)
            continue;
        if (ed < tol) {
            if (ei + ed < dOtra) {
                otra = i;
                dOtra = ei + ed;
            }
        } else if (ei < dIzq || (ei == dIzq && ed < dDer)) {
            derecho = i;
            dIzq = ei;
            dDer = ed;
        }
    }
    double dDado = Lejos;
    bool empiezaDado = false;
    for (const Dado &d : m_dados) {
        // The ends of an earlier answer with the other quality.
        if (igual(d))
            dDado = 0;
        if (!CasiIgual(izq, d.intervalo.izquierdo, tolDados))
            continue;
        empiezaDado = true;
        if (CasiIgual(der, d.intervalo.derecho, tolDados))
            dDado = std::min(dDado, Distancia(tecleado, d.intervalo));
    }
    if (otra >= 0 && dOtra <= dDado)
        return {Juicio::OtraCualidad, otra};
    if (dDado < Lejos)
        return {Juicio::YaDado, -1};
    if (derecho >= 0)
        return {Juicio::OtroDerecho, derecho};
    return {empiezaDado ? Juicio::YaDado : Juicio::Ninguno, -1};
}

int VentanaIntervalos::mensajeDe(const Juicio &juicio, const MensajesJuicio &mensajes) const
{
    switch (juicio.veredicto) {
    case Juicio::Acepta:
        return 0;
    case Juicio::OtraCualidad:
        return mensajes.otraCualidad;
    case Juicio::YaDado:
        return mensajes.yaDado;
    case Juicio::OtroDerecho:
        return m_abiertos[static_cast<std::size_t>(juicio.indice)].derecho <= m_der ? mensajes.largo
                                                                                  : mensajes.corto;
    case Juicio::Ninguno:
        break;
    }
    return mensajes.ninguno;
}

void VentanaIntervalos::aceptaAbierto(int i, bool conservaOrden)
{
    const auto k = static_cast<std::size_t>(i);
    const auto ultimo = static_cast<std::size_t>(m_ultimo);
    // Along the chain each earlier answer takes over the next given
    // interval, the last one interval i; the typed ends keep the first.
    Intervalo suelto = m_abiertos[k];
    for (auto c = m_cadena.rbegin(); c != m_cadena.rend(); ++c)
        std::swap(suelto, m_dados[*c].intervalo);
    m_dados.push_back({suelto, {m_izq, m_der}, m_signos[k], m_palabra});
    if (!m_cadena.empty()) {
        // Each sentence names the interval its answer now stands for.
        m_texto.clear();
        for (const Dado &d : m_dados)
            m_texto += OracionIntervalo(d.intervalo, d.palabra);
        m_rtbIntervalos->SetText(m_texto);
        PoneInfinitoRtf(*m_rtbIntervalos);
        m_cadena.clear();
    }
    if (conservaOrden) {
        for (std::size_t j = k; j < ultimo; ++j) {
            m_abiertos[j] = m_abiertos[j + 1];
            m_signos[j] = m_signos[j + 1];
        }
    } else {
        m_abiertos[k] = m_abiertos[ultimo];
        m_signos[k] = m_signos[ultimo];
    }
    --m_ultimo;
}

std::string VentanaIntervalos::OracionIntervalo(const Intervalo &intervalo, const std::string &cualidad)
{
    std::string s = "\nEn  ";
    if (intervalo.izquierdo <= -INFINITO)
        s += "(-I , " + FormateaNumero(intervalo.derecho) + ") ;  P(x) es" + cualidad;
    else if (intervalo.derecho >= INFINITO)
        s += "(" + FormateaNumero(intervalo.izquierdo) + " , I) ;  P(x) es" + cualidad;
    else
        s += "(" + FormateaNumero(intervalo.izquierdo) + " , " + FormateaNumero(intervalo.derecho)
             + ") ;  P(x) es" + cualidad;
    return s;
}

void VentanaIntervalos::agregaOracion(const Intervalo &intervalo, const std::string &cualidad)
{
    m_palabra = cualidad;
    m_texto += OracionIntervalo(intervalo, cualidad);
    m_rtbIntervalos->SetText(m_texto);
    PoneInfinitoRtf(*m_rtbIntervalos);
    // The student sees the sentence at once.
    herramientas()->stabRaices()->setCurrentWidget(m_rtbIntervalos);
}

void VentanaIntervalos::dibujaBanda(const Intervalo &intervalo, double altura, const std::string &marca,
                                    const std::string &rotulo, double recorte)
{
    VentanaDibujo *g = VentanaGraficaActual();
    if (!g)
        return;
    const PictureEjes &graf = g->picejGraf();
    const double desde = intervalo.izquierdo <= -INFINITO ? graf.MinX() + MargenBanda : intervalo.izquierdo;
    const double hasta = intervalo.derecho >= INFINITO ? graf.MaxX() - recorte : intervalo.derecho;
    DibujaBandaSigno(desde, altura, hasta, marca, rotulo);
}
