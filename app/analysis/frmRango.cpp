#include "frmRango.h"

#include "PanelHerramientas.h"

#include "ExtremosExactos.h"
#include "Globales.h"
#include "ModCadena.h"
#include "Utilerias.h"
#include "VentanaDibujo.h"
#include "Ventanas.h"

#include "PictureEjes.h"
#include "QBColor.h"
#include "RichTextBox.h"
#include "UCDextavo.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>

frmRango::frmRango()
    : VentanaIntervalos([] {
        DisenoIntervalos d;
        d.titulo = QStringLiteral("RANGO");
        d.rotulo = QStringLiteral("Intervalo");
        d.antes = QStringLiteral("  (");
        d.herramientas.polinomios = OpcionesHerramientas::Polinomios::PYDerivada;
        d.herramientas.derivada = 1;
        d.herramientas.soltar = false;
        return d;
    }())
{
    fraTitulo()->setTitle(QStringLiteral("Función por analizar:"));
    PanelHerramientas *h = herramientas();
    for (QRadioButton *o : {h->OptPuntPolioDeri(0), h->OptPolioDeri(0)})
        o->setText(QStringLiteral("Polinomio"));
    for (QRadioButton *o : {h->OptPuntPolioDeri(1), h->OptPolioDeri(1)})
        o->setText(QStringLiteral("1a Derivada"));
}

DatosCamino frmRango::datosCamino(Camino camino) const
{
    DatosCamino d;
    d.ayuda = 17;
    d.exito = 33;
    d.actual = 13;
    d.barra = {{4, true}};
    switch (camino) {
    case Camino::Analitico:
        d.instruccion = 26;
        d.apoyo = 18;
        d.titulo = "Quorvane: De la expresión analítica del polinomio a su visualización gráfica: "
                   "Calculando el Rango";
        d.opcion = 11;
        break;
    case Camino::GraficaPoli:
        d.instruccion = 27;
        d.apoyo = 69;
        d.titulo = "Quorvane: De gráfica de polinomio a concepto: Calculando el Rango";
        d.recorre = true;
        d.opcion = 10;
        break;
    case Camino::GraficaDeri:
        d.instruccion = 28;
        d.apoyo = 18;
        d.titulo = "Quorvane: De la gráfica de derivada a concepto de polinomio: Calculando el Rango";
        d.opcion = 6;
        break;
    }
    return d;
}

void frmRango::alIniciar()
{
    if (!PoliActual)
        return;
    // A constant's range is closed: [c , c].
    if (PoliActual->Polin()->Grado() == 0) {
        lblposi3()->setText(QStringLiteral("["));
        lblgrafica3()->setText(QStringLiteral("]"));
    }
    m_rango = RangoPolinomio(*PoliActual);
    m_pendientes = 1;
}

void frmRango::EvaluaIntervaloRango()
{
    double a = 0;
    double b = 0;
    if (!PoliActual || !leeExtremo(0, a) || !leeExtremo(1, b))
        return;
    if (a > b) {
        MuestraError("", 145);
        txtraices2(0)->setFocus();
        return;
    }
    const double t = tolerancia();
    if (PoliActual->Polin()->Grado() == 0) {
        const double c = PoliActual->Polin()->Eval(0);
        if (CasiIgual(a, c, t) && CasiIgual(b, c, t)) {
            // The caption before the boxes says it all now.
            if (m_lblIntervalo)
                m_lblIntervalo->hide();
            lblposi3()->setText(QStringLiteral("Intervalo ["));
            lblgrafica3()->setText(QStringLiteral("]"));
            MuestraExito(74);
            m_pendientes = 0;
        } else {
            MuestraError("", a == b ? 107 : 106);
        }
        return;
    }
    if (m_pendientes == 0) {
        MuestraError("", 55);
        return;
    }
    const Intervalo &r = m_rango.rango;
    const Collpolinomio &p = *PoliActual->Polin();
    if (!ExtremoCasiIgual(p, true, a, t)) {
        int error = 132;
        if (a == INFINITO)
            error = 134;
        else if (a == b)
            error = 133;
        else if (a <= r.izquierdo)
            error = 131;
        MuestraError("", static_cast<std::int16_t>(error));
        return;
    }
    if (!ExtremoCasiIgual(p, false, b, t)) {
        MuestraError("", 33);
        return;
    }
    MuestraExito(32);
    cmdBorrar_Click(1);
    muestraRango();
    m_pendientes = 0;
}

void frmRango::muestraRango()
{
    const Intervalo &r = m_rango.rango;
    const bool desdeMenosInf = r.izquierdo <= -INFINITO;
    const bool hastaMasInf = r.derecho >= INFINITO;
    std::string s = "\nP(x) e  ";
    if (desdeMenosInf)
        s += hastaMasInf ? "[-inf , + inf ]" : "[-inf , " + FormateaNumero(r.derecho) + "] ";
    else
        s += "[" + FormateaNumero(r.izquierdo) + " , " + (hastaMasInf ? "inf]" : FormateaNumero(r.derecho) + "]");
    rtbIntervalos()->SetText(s);
    herramientas()->stabRaices()->setCurrentWidget(rtbIntervalos());

    VentanaDibujo *g = VentanaGraficaActual();
    if (!g)
        return;
    PictureEjes &graf = g->picejGraf();
    graf.Linea(0, desdeMenosInf ? graf.MinY() : r.izquierdo, 0, hastaMasInf ? graf.MaxY() : r.derecho,
               rt::QBColor(2));
}

void frmRango::CmdOk_Click(int)
{
    if (m_pendientes != 0) {
        MuestraError("", 56);
        return;
    }
    Termina(11);
}
