#include "frmConceptos.h"

#include "RegistroConstrucciones.h"

#include "GestorVentanas.h"
#include "HubSesion.h"
#include "Reinicio.h"
#include "SelectorConstruccion.h"

#include "Globales.h"
#include "VentanaDibujo.h"
#include "Ventanas.h"
#include "modTexto.h"
#include "princip.h"

#include "Usc.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include <array>

namespace {

constexpr std::array<const char *, 13> kConceptos = {
    "Raíces", "Signo de la función", "Paridad", "Extensión", "1ª Derivada", "Puntos críticos", "Monotonía",
    "Clasificación de Puntos Críticos", "2ª Derivada", "Puntos de  Inflexión", "Concavidad", "Rango",
    "Máximos y Mínimos Absolutos"};

const std::string kTitulo = "Quorvane: Te doy conceptos y me das un polinomio";

} // namespace

void AbreSelectorConstruccion()
{
    auto &gestor = GestorVentanas::instancia();
    frmConceptos *w = gestor.ventana<frmConceptos>();
    gestor.muestra(w);
    w->alActivar();
}

frmConceptos::frmConceptos()
    : VentanaPanel(QStringLiteral("Te doy conceptos y me das un polinomio"))
{
    QVBoxLayout *v = columna();
    m_mnuAnterior = agregaRegreso(QStringLiteral("al menú &anterior"), [this] { cmdCancelar_Click(); });
    m_mnuInicio = agregaRegreso(QStringLiteral("al &inicio"), [this] { mnuInicio_Click(); });

    m_lblConcep = new QLabel(this);
    m_lblConcep->setWordWrap(true);
    v->addWidget(m_lblConcep);

    m_fraConceptos = new QGroupBox(this);
    auto *rejilla = new QGridLayout(m_fraConceptos);
    rejilla->addWidget(new QLabel(QStringLiteral("Elige el concepto que deseas resolver:"), m_fraConceptos), 0, 0);
    for (int k = 0; k < 13; ++k) {
        auto *o = new QRadioButton(QString::fromUtf8(kConceptos[static_cast<std::size_t>(k)]), m_fraConceptos);
        rejilla->addWidget(o, 1 + k, 0);
        m_lista.agrega(k, o);
        connect(o, &QRadioButton::clicked, this, [this, k] { OptConcepto_Click(k); });
    }
    v->addWidget(m_fraConceptos);

    m_cmdCancelar = new Usc(this);
    m_cmdCancelar->Caption(QStringLiteral("Cancelar"));
    auto *fila = new QHBoxLayout;
    fila->addStretch(1);
    fila->addWidget(m_cmdCancelar);
    fila->addStretch(1);
    v->addLayout(fila);
    v->addStretch(1);
    connect(m_cmdCancelar, &Usc::Click, this, [this](int) { cmdCancelar_Click(); });
}

void frmConceptos::alCargar()
{
    ocupaPanel();
    m_lblConcep->setText(QString::fromStdString(TextoInstrucciones(59, "")));
    m_lista.restablece([](int k) { return HayConstruccion(k); });
    m_cmdCancelar->show();
    if (VentanaDibujo *g = VentanaGraficaActual())
        g->PoneRecorreGraf(false);
    if (HubSesion *hub = HubAbierto())
        hub->PoneEstadoMenus(EstadoHub::CaminoAbierto);
    m_contexto.ayuda = 29;
    m_contexto.apoyo = 83;
    m_contexto.barra = EstadoBarra;
    m_contexto.titulo = kTitulo;
    m_contexto.entra();
}

void frmConceptos::alActivar()
{
    CentraCursor(*m_cmdCancelar);
    // Back in force, not pushed again: the chooser owns one level.
    m_contexto.entra();
}

void frmConceptos::OptConcepto_Click(int k)
{
    if (m_saliendo || !HayConstruccion(k))
        return;
    m_saliendo = true;
    // Popped first: the construction's own level goes on top of the hub's.
    m_contexto.sale();
    if (VentanaDibujo *g = VentanaGraficaActual())
        g->MuestraGrafica();
    AbreConstruccion(k, m_lista);
    descarga();
}

void frmConceptos::cmdCancelar_Click()
{
    if (m_saliendo)
        return;
    m_saliendo = true;
    m_contexto.sale();
    PoliDado = false;
    PoliActual.reset();
    descarga();
    if (HubSesion *hub = HubAbierto()) {
        hub->AlFrente();
        hub->MuestraLogos();
        hub->PoneEstadoMenus(EstadoHub::Eligiendo);
    }
}

void frmConceptos::mnuInicio_Click()
{
    RegresaAlInicio();
}

bool frmConceptos::alPedirDescarga()
{
    if (m_saliendo)
        return true;
    cmdCancelar_Click();
    return false;
}

void frmConceptos::alDescargar()
{
    m_saliendo = true;
    m_contexto.sale();
}
