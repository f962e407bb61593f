#include "frmMaxMinAbs.h"

#include "ControlesRespuesta.h"
#include "EntradaNumerica.h"
#include "PanelHerramientas.h"

#include "ExtremosExactos.h"
#include "Globales.h"
#include "ModCadena.h"
#include "VentanaDibujo.h"
#include "Ventanas.h"

#include "UCDextavo.h"
#include "Usc.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
enum Opcion { Ambos = 0, Ninguno = 1, SoloMinimo = 2, SoloMaximo = 3 };
} // namespace

frmMaxMinAbs::frmMaxMinAbs()
    : VentanaEjercicio(QStringLiteral("EXTREMOS ABSOLUTOS"))
{
    fraTitulo()->setTitle(QStringLiteral("Función por analizar:"));
    m_grupo = new QButtonGroup(this);
    const QStringList textos{QStringLiteral("Tiene máximo absoluto y tiene mínimo absoluto"),
                             QStringLiteral("No tiene máximo absoluto ni mínimo absoluto"),
                             QStringLiteral("Tiene mínimo absoluto y no tiene máximo absoluto"),
                             QStringLiteral("Tiene máximo absoluto y no tiene mínimo absoluto")};
    m_opciones = CreaOpciones(*this, *zonaRespuesta(), *m_grupo, textos, [this](int) { m_listo->Enabled(true); });

    auto *filaValor = new QHBoxLayout;
    m_lblPide = new QLabel(this);
    m_lblValor = new QLabel(QStringLiteral(" P(xo) = "), this);
    m_valor = new UCDextavo(this);
    m_valor->HayInfinito(false);
    filaValor->addWidget(m_lblPide);
    filaValor->addWidget(m_lblValor);
    filaValor->addWidget(m_valor, 1);
    zonaRespuesta()->addLayout(filaValor);
    // Enter in the value box does nothing; leaving it with a bad number is refused.
    conectaCaja(*m_valor, {}, OpcionesCaja{false, true, false});

    auto *botones = new QHBoxLayout;
    m_listo = BotonEnFila(*this, *botones, QStringLiteral("Listo"));
    m_listo2 = BotonEnFila(*this, *botones, QStringLiteral("Listo"));
    m_otro = BotonEnFila(*this, *botones, QStringLiteral("Borrar"));
    m_ok = BotonEnFila(*this, *botones, QStringLiteral("Terminar"));
    m_cancelar = BotonEnFila(*this, *botones, QStringLiteral("Cancelar"));
    zonaRespuesta()->addLayout(botones);
    connect(m_listo, &Usc::Click, this, &frmMaxMinAbs::cmdListo_Click);
    connect(m_listo2, &Usc::Click, this, &frmMaxMinAbs::CmdListo2_Click);
    connect(m_ok, &Usc::Click, this, &frmMaxMinAbs::CmdOk_Click);
    connect(m_cancelar, &Usc::Click, this, [this](int) { Cancela(); });
    RevisaCajas(*m_listo2, {m_valor});
    SalidaSinRevisar(*m_cancelar);

    fraHerramienta()->setTitle(QStringLiteral("Herramienta"));
    OpcionesHerramientas opciones;
    opciones.soloPunto = true;
    opciones.polinomios = OpcionesHerramientas::Polinomios::PYDerivada;
    // Enter and drops do nothing in this window's boxes.
    opciones.enterPunto = false;
    opciones.soltar = false;
    PanelHerramientas *h = agregaHerramientas(opciones);
    h->OptPuntPolioDeri(0)->setText(QStringLiteral("Polinomio"));
    h->OptPuntPolioDeri(1)->setText(QStringLiteral("Derivada"));
}

DatosCamino frmMaxMinAbs::datosCamino(Camino camino) const
{
    DatosCamino d;
    d.ayuda = 18;
    d.actual = 12;
    switch (camino) {
    case Camino::Analitico:
        d.instruccion = 29;
        d.apoyo = 19;
        d.titulo = "Quorvane: De la expresión analítica del polinomio a su visualización gráfica: "
                   "Calculando Máximos y Mínimos Absolutos";
        d.opcion = 12;
        break;
    case Camino::GraficaPoli:
        d.instruccion = 30;
        d.apoyo = 68;
        d.titulo = "Quorvane: De gráfica de polinomio a concepto: Calculando  los Extremos absolutos";
        d.opcion = 9;
        break;
    case Camino::GraficaDeri:
        d.instruccion = 31;
        d.apoyo = 19;
        d.titulo = "Quorvane: De la gráfica de derivada a concepto de polinomio: Calculando Extremos absolutos";
        d.opcion = 5;
        break;
    }
    return d;
}

void frmMaxMinAbs::alIniciar()
{
    for (QWidget *w : std::initializer_list<QWidget *>{m_lblPide, m_lblValor, m_valor, m_listo2})
        w->hide();
    m_pideMaximo = m_pideMinimo = m_constanteResuelta = false;
    restablece();
    // "Terminar" waits for a complete answer.
    m_ok->Enabled(false);
    if (PoliActual)
        m_extremos = MaxMinAbsoluto(*PoliActual);
}

QWidget *frmMaxMinAbs::controlRespuesta() const
{
    return m_valor->isVisible() ? static_cast<QWidget *>(m_valor) : m_opciones[0];
}

void frmMaxMinAbs::restablece()
{
    DesmarcaGrupo(*m_grupo);
    m_listo->Enabled(false);
}

void frmMaxMinAbs::cierraOpciones()
{
    for (auto *o : m_opciones)
        o->setEnabled(false);
    m_otro->Enabled(false);
}

void frmMaxMinAbs::errorConValor(int n)
{
    MuestraError(m_valor->Text().toStdString(), static_cast<std::int16_t>(n));
}

void frmMaxMinAbs::cmdListo_Click(int)
{
    const bool constante = PoliActual && PoliActual->Polin()->Grado() == 0;
    const bool sinExtremo = m_extremos.sinExtremo;
    const bool hayMaximo = !sinExtremo && m_extremos.valorMax != INFINITO;
    const bool hayMinimo = !sinExtremo && m_extremos.valorMin != -INFINITO;
    switch (m_grupo->checkedId()) {
    case Ambos:
        if (constante) {
            // Every value of a constant is both its maximum and its minimum.
            MuestraExito(73);
            m_constanteResuelta = true;
            restablece();
            cierraOpciones();
            m_ok->Enabled(true);
            return;
        }
        if (sinExtremo)
            MuestraError("", 67);
        else if (hayMaximo)
            MuestraError("", 69);
        else if (hayMinimo)
            MuestraError("", 67);
        restablece();
        return;
    case Ninguno:
        if (!sinExtremo || constante) {
            MuestraError("", sinExtremo ? 105 : 104);
            restablece();
            return;
        }
        Termina(12, camino() == Camino::GraficaDeri ? 62 : 53);
        return;
    case SoloMinimo:
        if (sinExtremo || !hayMinimo) {
            errorConValor(sinExtremo ? 68 : 69);
            restablece();
            return;
        }
        m_pideMinimo = true;
        PideValorExtremo();
        return;
    case SoloMaximo:
        if (sinExtremo || !hayMaximo) {
            errorConValor(sinExtremo ? 66 : 67);
            restablece();
            return;
        }
        m_pideMaximo = true;
        PideValorExtremo();
        return;
    default:
        return;
    }
}

void frmMaxMinAbs::PideValorExtremo()
{
    cierraOpciones();
    if (camino() == Camino::GraficaDeri) {
        // Only the graph of P' is seen: the right option is the whole answer.
        Termina(12, m_pideMinimo ? 60 : 61);
        return;
    }
    m_lblPide->setText(m_pideMinimo ? QStringLiteral("Escribe el valor del mínimo absoluto")
                                    : QStringLiteral("Escribe el valor del máximo absoluto"));
    for (QWidget *w : std::initializer_list<QWidget *>{m_lblPide, m_lblValor, m_valor, m_listo2})
        w->show();
    m_listo->hide();
    m_valor->setFocus();
    MuestraExito(57);
}

void frmMaxMinAbs::CmdListo2_Click(int)
{
    if (ValidaCajaNumerica(*m_valor) >= 1)
        return;
    const double t = enCaminoGrafico() ? 0.1 : 0.001;
    const double v = m_valor->NumAceptado();
    if (!m_pideMinimo && !m_pideMaximo)
        return;
    if (!PoliActual || !ExtremoCasiIgual(*PoliActual->Polin(), m_pideMinimo, v, t)) {
        errorConValor(m_pideMinimo ? 71 : 70);
        return;
    }
    MuestraExito(m_pideMinimo ? 35 : 36);
    m_listo2->Enabled(false);
    m_ok->Enabled(true);
}

void frmMaxMinAbs::CmdOk_Click(int)
{
    Termina(12);
}

void frmMaxMinAbs::alSalir(bool terminado)
{
    if (!terminado)
        return;
    // Finished: the opener's options are all free of a choice, and the
    // cursor read-out of the graph road is off.
    if (AbridorEjercicio *a = abridor())
        a->DesmarcaOpciones();
    if (camino() == Camino::GraficaPoli)
        if (VentanaDibujo *g = VentanaGraficaActual())
            g->PoneRecorreGraf(false);
}
