#include "frmClaPtoCri.h"

#include "ControlesRespuesta.h"
#include "PanelHerramientas.h"

#include "Globales.h"
#include "ModCadena.h"
#include "ModCalculos.h"
#include "Utilerias.h"
#include "modTexto.h"

#include "Usc.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
// The class each option stands for.
constexpr std::array<std::int16_t, 3> ClaseDeOpcion{CLASE_NINGUNO, CLASE_MAXIMO, CLASE_MINIMO};

std::string Extremo(double x)
{
    return FormateaNumero(x);
}
} // namespace

frmClaPtoCri::frmClaPtoCri()
    : VentanaEjercicio(QStringLiteral("CLASIFICACION DE CRITICOS"))
{
    auto *marco = new QGroupBox(this);
    auto *v = new QVBoxLayout(marco);
    // Tight rows: on a small screen the tools below need the room.
    v->setContentsMargins(6, 2, 6, 2);
    v->setSpacing(0);
    m_grupo = new QButtonGroup(this);
    const QStringList textos{QStringLiteral("En x se tiene un punto de inflexión"),
                             QStringLiteral("En x se tiene un máximo"), QStringLiteral("En x se tiene un mínimo")};
    for (int i = 0; i < 3; ++i) {
        auto *o = new QRadioButton(textos[i], marco);
        m_opciones[static_cast<std::size_t>(i)] = o;
        m_grupo->addButton(o, i);
        v->addWidget(o);
        connect(o, &QRadioButton::clicked, this, [this, i] { OptParidad_Click(i); });
    }
    marco->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    zonaRespuesta()->addWidget(marco);
    agregaListoCancelar(m_listo, m_cancelar);
    connect(m_listo, &Usc::Click, this, &frmClaPtoCri::cmdListo_Click);

    zonaRespuesta()->addWidget(new QLabel(QStringLiteral("Intervalos de monotonía:"), this));
    m_lisInterMono = new QListWidget(this);
    m_lisInterMono->setMinimumHeight(26);
    m_lisInterMono->setMaximumHeight(90);
    zonaRespuesta()->addWidget(m_lisInterMono);

    OpcionesHerramientas opciones;
    opciones.polinomios = OpcionesHerramientas::Polinomios::Tres;
    opciones.rotulosFijos = true;
    agregaHerramientas(opciones)->PuntoConFormato(true);
    // On a small screen the list of intervals gives way (it scrolls): the
    // question and the tools keep their rows whole.
    m_lisInterMono->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
}

DatosCamino frmClaPtoCri::datosCamino(Camino camino) const
{
    DatosCamino d;
    d.ayuda = 22;
    d.barra = {{4, true}};
    switch (camino) {
    case Camino::GraficaPoli:
        d.instruccion = 21;
        d.apoyo = 65;
        d.titulo = "Quorvane: De la gráfica al concepto de la función: Clasificando los Puntos Críticos";
        d.recorre = true;
        d.opcion = 6;
        break;
    case Camino::GraficaDeri:
        d.instruccion = 22;
        d.apoyo = 77;
        d.titulo = "Quorvane: De gráfica de derivada a concepto: Encontrando la Clasificación de los Puntos "
                   "Críticos";
        d.opcion = 4;
        break;
    case Camino::Analitico:
        d.instruccion = 20;
        d.apoyo = 14;
        d.titulo = "Quorvane: Del concepto a su visualización gráfica: Clasificando los Puntos Críticos";
        d.opcion = 7;
        d.actual = 8;
        break;
    }
    return d;
}

void frmClaPtoCri::alIniciar()
{
    m_actual = 0;
    m_respuesta = 0;
    limpia();
    if (PoliActual) {
        const PuntosCriticos p = ClasificaPuntosCriticos(*PoliActual);
        m_abscisas = p.x;
        m_clases = p.clase;
        m_sinCriticos = p.sinPuntos;
    }
    // Listo waits for a choice.
    m_listo->Enabled(false);
    const bool hayQueElegir = ConceptoResuelto[5] && !m_sinCriticos;
    for (auto *o : m_opciones)
        o->setEnabled(hayQueElegir);
    if (!ConceptoResuelto[5])
        ponInstruccion("primero", 14);
    else if (m_sinCriticos)
        ponInstruccion("no tiene", 10);
    else
        ponInstruccion(FormateaNumero(m_abscisas.front()), 10);
    // The tools help once the critical points are known, and never on the
    // derivative's road, where they would give P away.
    herramientas()->stabRaices()->setEnabled(ConceptoResuelto[5] && camino() != Camino::GraficaDeri);
    llenaMonotonia();
}

void frmClaPtoCri::ponInstruccion(const std::string &palabra, int puntos)
{
    QFont f = lblraicesm()->font();
    f.setPointSize(puntos);
    lblraicesm()->setFont(f);
    lblraicesm()->setText(QString::fromStdString(TextoInstrucciones(datosCamino(camino()).instruccion, palabra)));
}

void frmClaPtoCri::llenaMonotonia()
{
    m_lisInterMono->clear();
    if (!ConceptoResuelto[6] || !PoliActual) {
        m_lisInterMono->addItem(QStringLiteral("Hay que calcularlos."));
        return;
    }
    const ResultadoIntervalos r = IntervalosMonotonia(*PoliActual);
    if (r.intervalos.size() == 1) {
        m_lisInterMono->addItem(r.codigos.front() == CODIGO_POSITIVO
                                    ? QStringLiteral("P(x) es Creciente en todo el dominio")
                                    : QStringLiteral(" P(x) es Decreciente en todo el dominio"));
        return;
    }
    for (std::size_t i = 0; i < r.intervalos.size(); ++i) {
        const Intervalo &t = r.intervalos[i];
        const std::string q = r.codigos[i] == CODIGO_POSITIVO ? " Creciente" : " Decreciente";
        std::string linea;
        if (t.izquierdo == -INFINITO)
            linea = "En  [-inf , " + Extremo(t.derecho) + "] ;  P(x) es" + q;
        else if (t.derecho == INFINITO)
            linea = "En  [" + Extremo(t.izquierdo) + " , inf] ;  P(x) es" + q;
        else
            linea = "En  [" + Extremo(t.izquierdo) + " , " + Extremo(t.derecho) + "] ;  P(x) es" + q;
        m_lisInterMono->addItem(QString::fromStdString(linea + ";  \n"));
    }
}

void frmClaPtoCri::OptParidad_Click(int indice)
{
    m_respuesta = ClaseDeOpcion[static_cast<std::size_t>(indice)];
    m_listo->Enabled(true);
}

void frmClaPtoCri::limpia()
{
    DesmarcaGrupo(*m_grupo);
}

void frmClaPtoCri::cmdListo_Click(int)
{
    if (m_respuesta == 0 || m_actual >= static_cast<int>(m_clases.size()))
        return;
    const std::int16_t clase = m_clases[static_cast<std::size_t>(m_actual)];
    if (m_respuesta != clase) {
        // The wrong class is kept: Listo again says the same.
        MuestraError("", m_respuesta == CLASE_MAXIMO ? 40 : m_respuesta == CLASE_MINIMO ? 41 : 39);
        limpia();
        return;
    }
    if (m_actual + 1 == static_cast<int>(m_clases.size())) {
        cierra(17);
        return;
    }
    MuestraExito(m_respuesta == CLASE_MAXIMO ? 19 : m_respuesta == CLASE_MINIMO ? 20 : 18);
    ++m_actual;
    ponInstruccion(FormateaNumero(m_abscisas[static_cast<std::size_t>(m_actual)]), 10);
}

void frmClaPtoCri::cierra(std::int16_t exito)
{
    if (ConceptoResuelto[5]) {
        Termina(7, exito);
        return;
    }
    if (exito > 0)
        MuestraExito(exito);
    VentanaEjercicio::Cancela();
}

void frmClaPtoCri::Cancela()
{
    if (m_sinCriticos)
        cierra(0);
    else
        VentanaEjercicio::Cancela();
}
