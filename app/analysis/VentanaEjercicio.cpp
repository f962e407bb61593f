#include "VentanaEjercicio.h"

#include "EntradaNumerica.h"
#include "PanelHerramientas.h"

#include "Globales.h"
#include "ModCadena.h"
#include "VentanaDibujo.h"
#include "Reinicio.h"
#include "Ventanas.h"
#include "modTexto.h"
#include "princip.h"

#include "RichTextBox.h"
#include "UCDextavo.h"
#include "Usc.h"

#include <QAction>
#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QVBoxLayout>

#include <utility>

VentanaEjercicio::VentanaEjercicio(const QString &titulo, QWidget *parent)
    : VentanaPanel(titulo, parent)
{
    QVBoxLayout *v = columna();
    m_mnuReConceptos = agregaRegreso(QStringLiteral("a determinar otra &característica"), [this] { Cancela(); });
    m_mnuReProPoli = agregaRegreso(QStringLiteral("a proponer un &polinomio"), [this] { OtroPolinomio(); });
    m_mnuReinicio = agregaRegreso(QStringLiteral("al &inicio"), [this] { Reinicia(); });

    m_fraTitulo = new QGroupBox(QStringLiteral("Función por analizar"), this);
    auto *filaPoli = new QHBoxLayout(m_fraTitulo);
    m_lbldaspoli = new QLabel(QStringLiteral("P(x) ="), m_fraTitulo);
    m_rtfDasPoli2 = new RichTextBox(m_fraTitulo);
    m_rtfDasPoli2->SetLocked(true);
    m_rtfDasPoli2->SetMuestraPolinomio(true);
    filaPoli->addWidget(m_lbldaspoli);
    filaPoli->addWidget(m_rtfDasPoli2, 1);
    m_fraTitulo->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    v->addWidget(m_fraTitulo);

    m_lblraicesm = new QLabel(this);
    m_lblraicesm->setWordWrap(true);
    m_lblraicesm->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    v->addWidget(m_lblraicesm);

    auto *marcoMedio = new QFrame(this);
    marcoMedio->setFrameShape(QFrame::StyledPanel);
    marcoMedio->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    m_zonaRespuesta = new QVBoxLayout(marcoMedio);
    v->addWidget(marcoMedio);

    m_fraHerramienta = new QGroupBox(QStringLiteral("Herramienta"), this);
    m_zonaHerramienta = new QVBoxLayout(m_fraHerramienta);
    v->addWidget(m_fraHerramienta, 1);
    // Windows without tools keep their controls at the top.
    v->addStretch(0);
}

PanelHerramientas *VentanaEjercicio::agregaHerramientas(const OpcionesHerramientas &opciones)
{
    m_herramientas = new PanelHerramientas(opciones, m_fraHerramienta);
    m_zonaHerramienta->addWidget(m_herramientas);
    PanelHerramientas *h = m_herramientas;
    conectaCaja(*h->cajaPunto(), [h] { h->cmdListoPuntual_Click(1); },
                OpcionesCaja{opciones.enterPunto, true, opciones.soltar});
    for (UCDextavo *caja : {h->cajaInicio(), h->cajaPaso()})
        if (caja)
            conectaCaja(*caja, [h] { h->cmdListoRango_Click(1); }, OpcionesCaja{true, true, opciones.soltar});
    return h;
}

void VentanaEjercicio::entraContexto(std::int16_t ayuda, std::int16_t apoyo, const std::string &titulo)
{
    EntraPantalla(ayuda, apoyo, EstadoBarra, titulo);
    ++m_niveles;
}

QHBoxLayout *VentanaEjercicio::agregaListoCancelar(Usc *&listo, Usc *&cancelar)
{
    QHBoxLayout *fila = filaListoCancelar(*m_zonaRespuesta, listo, cancelar, [this] { Cancela(); });
    SalidaSinRevisar(*cancelar);
    return fila;
}


void VentanaEjercicio::conectaCaja(UCDextavo &caja, std::function<void()> accion, OpcionesCaja opciones)
{
    UCDextavo *c = &caja;
    if (opciones.enter)
        connect(c, &UCDextavo::TeclaEnter, this, [c, accion] {
            if (ValidaCajaNumerica(*c) >= 1)
                return;
            accion();
        });
    c->Caja()->setAcceptDrops(opciones.soltar);
    if (opciones.soltar)
        connect(c, &UCDextavo::DragDrop, this,
                [c](QObject *, const QString &valor, float, float) { c->Text(valor); });
    if (!opciones.salida)
        return;
    // A box still empty may be left: its action reports it when it runs.
    // A button whose action validates the box reports the entry itself,
    // once; any other (and a cancel) waits until the entry is mended.
    c->AnulaClicAlRechazar(true);
    connect(c, &UCDextavo::Validate, this, [this, c](bool &cancel) {
        if (m_saliendo || c->Text().isEmpty() || DestinoRevisaCaja(QApplication::focusWidget(), *c))
            return;
        if (ValidaCajaNumerica(*c) >= 1)
            cancel = true;
    });
}

void VentanaEjercicio::inicia(Camino camino, AbridorEjercicio &abridor)
{
    m_camino = camino;
    m_abridor = Enlace<AbridorEjercicio>(&abridor);
    m_datos = datosCamino(camino);

    ocupaPanel();

    if (camino == Camino::Analitico && PoliActual && PoliActual->Polin())
        PoliActual->Polin()->Despliega(*m_rtfDasPoli2, "");
    else
        m_rtfDasPoli2->SetText("¿...?");
    m_lblraicesm->setText(QString::fromStdString(TextoInstrucciones(m_datos.instruccion, "")));

    if (m_herramientas && m_tablaAlCargar)
        m_herramientas->LlenaTabla();

    alIniciar();

    if (m_datos.recorre)
        ponRecorreGraf(*m_datos.recorre);
    for (const auto &[boton, valor] : m_datos.barra)
        EstadoBarra.at(static_cast<std::size_t>(boton)) = valor;
    entraContexto(m_datos.ayuda, m_datos.apoyo, m_datos.titulo);
}

void VentanaEjercicio::alActivar()
{
    if (QWidget *w = controlRespuesta())
        w->setFocus();
}

bool VentanaEjercicio::alPedirDescarga()
{
    // The context pushed at load must go with the window, and the opener's
    // option must be free again.
    if (m_saliendo)
        return true;
    Cancela();
    return false;
}

void VentanaEjercicio::ponRecorreGraf(bool activo)
{
    if (VentanaDibujo *g = VentanaGraficaActual())
        g->PoneRecorreGraf(activo);
}

void VentanaEjercicio::sale()
{
    m_saliendo = true;
    RegresaPantalla(std::exchange(m_niveles, 0));
    descarga();
}

void VentanaEjercicio::Termina(int concepto)
{
    Termina(concepto, m_datos.exito);
}

void VentanaEjercicio::Termina(int concepto, std::int16_t exito)
{
    if (m_saliendo)
        return;
    if (exito > 0)
        MuestraExito(exito);
    ConceptoResuelto.at(static_cast<std::size_t>(concepto)) = true;
    if (m_datos.actual)
        ConceptoActual = *m_datos.actual;
    if (AbridorEjercicio *a = abridor(); a && m_datos.opcion >= 0)
        a->DeshabilitaOpcion(m_datos.opcion);
    if (m_camino == Camino::GraficaPoli && m_datos.recorre.value_or(false))
        ponRecorreGraf(false);
    alSalir(true);
    sale();
}

void VentanaEjercicio::Cancela()
{
    if (m_saliendo)
        return;
    if (AbridorEjercicio *a = abridor(); a && m_camino != Camino::Analitico && m_datos.opcion >= 0)
        a->DesmarcaOpcion(m_datos.opcion);
    if (m_camino == Camino::GraficaPoli)
        ponRecorreGraf(false);
    alSalir(false);
    sale();
}

void VentanaEjercicio::OtroPolinomio()
{
    if (m_saliendo)
        return;
    m_saliendo = true;
    // Each window pops the contexts it pushed: this one here, a road's
    // chooser as it closes, the hub as it starts over.
    RegresaPantalla(std::exchange(m_niveles, 0));
    if (AbridorEjercicio *a = abridor(); a && m_camino != Camino::Analitico)
        a->CierraCamino();
    m_abridor.reset();
    descarga();
    PoliDado = false;
    PoliActual.reset();
    if (SalidasEjercicios().otroPolinomio)
        SalidasEjercicios().otroPolinomio();
}

void VentanaEjercicio::Reinicia()
{
    if (m_saliendo)
        return;
    // The road's chooser goes first, so that nothing is left on the road.
    if (AbridorEjercicio *a = abridor(); a && m_camino != Camino::Analitico)
        a->CierraCamino();
    RegresaAlInicio();
}
