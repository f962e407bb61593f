#include "VentanaCamino.h"

#include "HubSesion.h"
#include "Reinicio.h"
#include "SesionPolinomio.h"

#include "Globales.h"
#include "VentanaDibujo.h"
#include "Ventanas.h"
#include "generapoli.h"
#include "princip.h"

#include "Azar.h"
#include "Entero16.h"
#include "Usc.h"

#include <QAction>
#include <QGridLayout>
#include <QRadioButton>

VentanaCamino::VentanaCamino(const QString &nombre, Camino camino)
    : VentanaPanel(nombre)
    , m_camino(camino)
{
    m_mnuInicio = agregaRegreso(QStringLiteral("al &inicio"), [this] { mnuInicio_Click(); });
    m_mnuAnterior = agregaRegreso(QStringLiteral("al menú &anterior"), [this] { cmdCancelar_Click(); });
    m_lista.alCerrarCamino([this] { sale(); });
}

void VentanaCamino::agregaOpcion(QGridLayout &rejilla, int k, int concepto, const QString &caption, int fila,
                                 int columna)
{
    auto *o = new QRadioButton(caption, rejilla.parentWidget());
    o->setObjectName(QStringLiteral("OptGraCon%1").arg(k));
    // Blue captions on light grey: the road's own look, kept when one greys.
    QPalette paleta = o->palette();
    paleta.setColor(QPalette::WindowText, QColor(0, 0, 255));
    paleta.setColor(o->backgroundRole(), QColor(192, 192, 192));
    o->setPalette(paleta);
    o->setAutoFillBackground(true);
    rejilla.addWidget(o, fila, columna);
    m_lista.agrega(k, o);
    m_conceptos[k] = concepto;
    connect(o, &QRadioButton::clicked, this, [this, k] { OptGraCon_Click(k); });
}

Usc *VentanaCamino::creaCancelar(QWidget *padre)
{
    m_cmdCancelar = new Usc(padre);
    m_cmdCancelar->setObjectName(QStringLiteral("cmdCancelar"));
    m_cmdCancelar->Caption(QStringLiteral("Cancelar"));
    // Never squeezed away by a long instruction text.
    m_cmdCancelar->setMinimumSize(m_cmdCancelar->sizeHint());
    connect(m_cmdCancelar, &Usc::Click, this, [this](int) { cmdCancelar_Click(); });
    return m_cmdCancelar;
}

void VentanaCamino::entraPantalla(std::int16_t ayuda, std::int16_t apoyo, const std::string &titulo, bool zoom)
{
    m_contexto.ayuda = ayuda;
    m_contexto.apoyo = apoyo;
    m_contexto.barra = EstadoBarra;
    m_contexto.barra[8] = zoom;
    m_contexto.titulo = titulo;
    m_contexto.entra();
    // The exercises' "a proponer un polinomio" and the entry window know a
    // road is open.
    PidePoliDesdeEjercicio = true;
    if (HubSesion *hub = HubAbierto())
        hub->PoneEstadoMenus(EstadoHub::CaminoAbierto);
}

void VentanaCamino::ponAyuda(std::int16_t ayuda, std::int16_t apoyo)
{
    m_contexto.ayuda = ayuda;
    m_contexto.apoyo = apoyo;
    NumAyuda = ayuda;
    NumApoyo = apoyo;
}

void VentanaCamino::sorteaProblema()
{
    const auto grado = static_cast<std::int16_t>(rt::Int(rt::Rnd() * 10 + 1));
    const auto a = static_cast<std::int16_t>(rt::Int(2 * rt::Rnd()));
    const auto b = static_cast<std::int16_t>(rt::Int(3 * rt::Rnd()));
    DamePolinomioProblema(grado, a, b);
    TomaPoliActual(PoliAzar);
    PoliDado = false;
}

void VentanaCamino::centraEnCancelar()
{
    if (m_cmdCancelar)
        CentraCursor(*m_cmdCancelar);
}

void VentanaCamino::alActivar()
{
    // Back from an exercise: no option stays chosen, a finished one only greyed.
    m_lista.DesmarcaOpciones();
    m_contexto.aplica();
    centraEnCancelar();
}

void VentanaCamino::OptGraCon_Click(int k)
{
    if (m_saliendo)
        return;
    if (VentanaDibujo *g = VentanaGraficaActual())
        g->PoneRecorreGraf(recorreEnEjercicios());
    AbreEjercicio(m_conceptos.at(k), m_camino, m_lista);
}

void VentanaCamino::cmdCancelar_Click()
{
    if (m_saliendo)
        return;
    // The road's exercises go first: nothing is left working on a road
    // that is gone.
    CierraEjerciciosDe(m_lista);
    sale();
}

void VentanaCamino::sale()
{
    if (m_saliendo)
        return;
    m_saliendo = true;
    if (VentanaDibujo *g = VentanaGraficaActual())
        g->RestauraDiseno();
    alDejarCamino();
    m_contexto.sale();
    PoliDado = false;
    PidePoliDesdeEjercicio = false;
    descarga();
    if (HubSesion *hub = HubAbierto()) {
        hub->MuestraLogos();
        hub->AlFrente();
    }
}

void VentanaCamino::mnuInicio_Click()
{
    RegresaAlInicio();
}

bool VentanaCamino::alPedirDescarga()
{
    if (m_saliendo)
        return true;
    cmdCancelar_Click();
    return false;
}

void VentanaCamino::alDescargar()
{
    m_saliendo = true;
    m_contexto.sale();
    PidePoliDesdeEjercicio = false;
}
