#include "VentanaEjercicio.h"

#include "EntradaNumerica.h"
#include "PanelHerramientas.h"

#include "Globales.h"
#include "ModCadena.h"
#include "VentanaDibujo.h"
#include "VentanaPrincipal.h"
#include "Ventanas.h"
#include "modTexto.h"
#include "princip.h"

#include "RichTextBox.h"
#include "UCDextavo.h"
#include "Usc.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

VentanaEjercicio::VentanaEjercicio(const QString &titulo, QWidget *parent)
    : VentanaBase(parent)
{
    setWindowTitle(titulo);
    auto *v = new QVBoxLayout(this);

    auto *barra = new QMenuBar(this);
    barra->setNativeMenuBar(false);
    v->setMenuBar(barra);
    m_mnuSalida = barra->addMenu(QStringLiteral("&Regresar"));
    m_mnuReConceptos = m_mnuSalida->addAction(QStringLiteral("a determinar otra &característica"));
    m_mnuReProPoli = m_mnuSalida->addAction(QStringLiteral("a proponer un &polinomio"));
    m_mnuReinicio = m_mnuSalida->addAction(QStringLiteral("al &inicio"));
    connect(m_mnuReConceptos, &QAction::triggered, this, [this] { Cancela(); });
    connect(m_mnuReProPoli, &QAction::triggered, this, [this] { OtroPolinomio(); });
    connect(m_mnuReinicio, &QAction::triggered, this, [this] { Reinicia(); });

    m_lbltitulo = new QLabel(titulo, this);
    m_lbltitulo->setAlignment(Qt::AlignCenter);
    QFont f = m_lbltitulo->font();
    f.setBold(true);
    f.setPointSize(14);
    m_lbltitulo->setFont(f);
    v->addWidget(m_lbltitulo);

    m_fraTitulo = new QGroupBox(QStringLiteral("Función por analizar"), this);
    auto *filaPoli = new QHBoxLayout(m_fraTitulo);
    m_lbldaspoli = new QLabel(QStringLiteral("P(x) ="), m_fraTitulo);
    m_rtfDasPoli2 = new RichTextBox(m_fraTitulo);
    m_rtfDasPoli2->SetLocked(true);
    m_rtfDasPoli2->setFixedHeight(44);
    m_rtfDasPoli2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
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

PanelHerramientas *VentanaEjercicio::agregaHerramientas(int derivada, bool conOpciones, bool conPuntosGrafica)
{
    m_herramientas = new PanelHerramientas(derivada, conOpciones, conPuntosGrafica, m_fraHerramienta);
    m_zonaHerramienta->addWidget(m_herramientas);
    PanelHerramientas *h = m_herramientas;
    conectaCaja(*h->cajaPunto(), [h] { h->cmdListoPuntual_Click(1); });
    conectaCaja(*h->cajaInicio(), [h] { h->cmdListoRango_Click(1); });
    conectaCaja(*h->cajaPaso(), [h] { h->cmdListoRango_Click(1); });
    return h;
}

QHBoxLayout *VentanaEjercicio::agregaListoCancelar(Usc *&listo, Usc *&cancelar)
{
    auto *fila = new QHBoxLayout;
    listo = new Usc(this);
    listo->Caption(QStringLiteral("Listo"));
    cancelar = new Usc(this);
    cancelar->Caption(QStringLiteral("Cancelar"));
    fila->addWidget(listo);
    fila->addWidget(cancelar);
    m_zonaRespuesta->addLayout(fila);
    connect(cancelar, &Usc::Click, this, [this](int) { Cancela(); });
    return fila;
}

void VentanaEjercicio::conectaCaja(UCDextavo &caja, std::function<void()> accion)
{
    UCDextavo *c = &caja;
    connect(c, &UCDextavo::TeclaEnter, this, [c, accion] {
        if (ValidaCajaNumerica(*c) >= 1)
            return;
        accion();
    });
    // A box still empty may be left: its action reports it when it runs.
    // A button takes the focus to run its own action, which validates the
    // box itself: the entry is reported once, by that action.
    connect(c, &UCDextavo::Validate, this, [this, c](bool &cancel) {
        if (m_saliendo || c->Text().isEmpty() || qobject_cast<Usc *>(QApplication::focusWidget()))
            return;
        if (ValidaCajaNumerica(*c) >= 1)
            cancel = true;
    });
    connect(c, &UCDextavo::DragDrop, this, [c](QObject *, const QString &valor, float, float) { c->Text(valor); });
}

void VentanaEjercicio::inicia(Camino camino, AbridorEjercicio &abridor)
{
    m_camino = camino;
    m_abridor = &abridor;
    m_datos = datosCamino(camino);

    if (AnchoPanel > 0 && AltoUtil > 0)
        coloca(0, 0, AnchoPanel, AltoUtil);

    if (camino == Camino::Analitico && PoliActual && PoliActual->Polin())
        PoliActual->Polin()->Despliega(*m_rtfDasPoli2, "");
    else
        m_rtfDasPoli2->SetText("¿...?");
    m_lblraicesm->setText(QString::fromStdString(TextoInstrucciones(m_datos.instruccion, "")));

    if (m_herramientas)
        m_herramientas->LlenaTabla();

    alIniciar();

    if (m_datos.recorre)
        ponRecorreGraf(*m_datos.recorre);
    for (const auto &[boton, valor] : m_datos.barra)
        EstadoBarra.at(static_cast<std::size_t>(boton)) = valor;
    EntraPantalla(m_datos.ayuda, m_datos.apoyo, EstadoBarra, m_datos.titulo);
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
    RegresaPantalla(1);
    descarga();
}

void VentanaEjercicio::Termina(std::int16_t exito, int concepto, std::int16_t actual)
{
    MuestraExito(exito);
    ConceptoResuelto.at(static_cast<std::size_t>(concepto)) = true;
    ConceptoActual = actual;
    if (m_abridor && m_datos.opcion >= 0)
        m_abridor->DeshabilitaOpcion(m_datos.opcion);
    if (m_camino == Camino::GraficaPoli && m_datos.recorre.value_or(false))
        ponRecorreGraf(false);
    alSalir(true);
    sale();
}

void VentanaEjercicio::Cancela()
{
    if (m_saliendo)
        return;
    if (m_camino != Camino::Analitico && m_abridor && m_datos.opcion >= 0)
        m_abridor->DesmarcaOpcion(m_datos.opcion);
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
    // Each window pops the context it pushed: this one here, a road's
    // chooser as it closes, the hub as it starts over.
    RegresaPantalla(1);
    if (m_camino == Camino::GraficaPoli)
        ModoGraficaPoli = false;
    if (m_camino == Camino::GraficaDeri)
        ModoGraficaDeri = false;
    if (m_camino != Camino::Analitico && m_abridor)
        m_abridor->CierraCamino();
    m_abridor = nullptr;
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
    m_saliendo = true;
    // Whatever road the student was on, the next exercise starts on the
    // analytic one, with no polynomial.
    if (m_camino != Camino::Analitico && m_abridor)
        m_abridor->CierraCamino();
    m_abridor = nullptr;
    ModoGraficaPoli = false;
    ModoGraficaDeri = false;
    descarga();
    if (SalidasEjercicios().alInicio)
        SalidasEjercicios().alInicio();
    // Last, so that nothing popped on the way leaves the first screen.
    RegresaPantalla(0);
    PoliDado = false;
    PoliActual.reset();
    if (VentanaPrincipal *principal = VentanaPrincipalActual())
        principal->HabilitaMenus(true);
}
