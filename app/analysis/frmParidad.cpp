#include "frmParidad.h"

#include "ControlesRespuesta.h"
#include "PanelHerramientas.h"

#include "ExpresionRtf.h"
#include "Globales.h"
#include "ModCadena.h"
#include "Utilerias.h"

#include "RichTextBox.h"
#include "Usc.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

frmParidad::frmParidad()
    : VentanaEjercicio(QStringLiteral("PARIDAD"))
{
    m_grupo = new QButtonGroup(this);
    const QStringList textos{QStringLiteral("P(x) es impar"), QStringLiteral("P(x) es par"),
                             QStringLiteral("Sin paridad")};
    m_opciones = CreaOpciones(*this, *zonaRespuesta(), *m_grupo, textos, [this](int i) { OptParidad_Click(i); });
    agregaListoCancelar(m_listo, m_cancelar);
    connect(m_listo, &Usc::Click, this, &frmParidad::cmdListo_Click);

    OpcionesHerramientas opciones;
    opciones.puntosGrafica = true;
    PanelHerramientas *h = agregaHerramientas(opciones);
    h->PuntoConFormato(true);
    m_rtbraices = new RichTextBox(h->stabRaices());
    m_rtbraices->SetLocked(true);
    h->stabRaices()->addTab(m_rtbraices, QStringLiteral("&Raíces reales dadas"));
}

DatosCamino frmParidad::datosCamino(Camino camino) const
{
    DatosCamino d;
    d.ayuda = 11;
    d.actual = 3;
    if (camino == Camino::GraficaPoli) {
        d.instruccion = 8;
        d.apoyo = 61;
        d.titulo = "Quorvane: De gráfica de polinomio a concepto: Paridad de la función.";
        d.recorre = true;
        d.barra = {{7, false}, {8, true}};
        d.opcion = 2;
    } else {
        d.instruccion = 7;
        d.apoyo = 9;
        d.titulo = "Quorvane: De la expresión analítica del polinomio a su visualización gráfica: "
                   "Calculando la Paridad de la función";
        d.barra = {{7, true}, {8, false}};
        // The derivative road's chooser has no parity option.
        d.opcion = camino == Camino::Analitico ? 2 : -1;
    }
    return d;
}

void frmParidad::alIniciar()
{
    PanelHerramientas *h = herramientas();
    // On the derivative's road the tools read P'.
    if (camino() == Camino::GraficaDeri) {
        h->FijaPolinomio(1);
        h->LlenaTabla();
    }
    const bool analitico = camino() == Camino::Analitico;
    if (analitico)
        MuestraRaicesDadas();
    h->stabRaices()->setTabEnabled(PestanaRaices, analitico && ConceptoResuelto[0]);
    h->cmdGraficaPtos()->setVisible(analitico);
    h->cmdLimpiaGraf()->setVisible(analitico);

    m_listo->Enabled(false);
    desmarca();
    if (PoliActual && PoliActual->Polin())
        m_paridad = ParidadPolinomio(*PoliActual->Polin());
}

QWidget *frmParidad::controlRespuesta() const
{
    return m_opciones[0];
}

void frmParidad::MuestraRaicesDadas()
{
    if (!ConceptoResuelto[0]) {
        m_rtbraices->SetText("Para poderte mostrar las raíces reales de este polinomio, es necesario que las "
                             "calcules primero.");
        return;
    }
    if (!PoliActual || PoliActual->Cuenta(0) < 1) {
        m_rtbraices->SetText(" La función propuesta no tiene raíces reales");
        return;
    }
    m_rtbraices->SetText("");
    EscribeExpresionRtf(*m_rtbraices, "", 1);
    // A repeated root is listed once.
    for (double raiz : RaicesRealesDistintas(*PoliActual).raices)
        EscribeExpresionRtf(*m_rtbraices, FormateaNumero(raiz), 0);
}

void frmParidad::OptParidad_Click(int)
{
    m_listo->Enabled(true);
}

bool frmParidad::esCorrecta(int i) const
{
    switch (i) {
    case 0: return m_paridad.impar;
    case 1: return m_paridad.par;
    default: return m_paridad.ninguna;
    }
}

void frmParidad::desmarca()
{
    DesmarcaGrupo(*m_grupo);
}

void frmParidad::cmdListo_Click(int)
{
    const int elegida = m_grupo->checkedId();
    if (elegida < 0) {
        MuestraError("", 6);
        m_listo->Enabled(false);
        return;
    }
    if (!esCorrecta(elegida)) {
        MuestraError("", static_cast<std::int16_t>(17 + elegida));
        desmarca();
        m_listo->Enabled(false);
        return;
    }
    Termina(2, static_cast<std::int16_t>(4 + elegida));
}

void frmParidad::alSalir(bool)
{
    // The sample points go with the window.
    if (camino() == Camino::Analitico)
        herramientas()->cmdLimpiaGraf_Click(1);
}
